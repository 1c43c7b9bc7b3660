/*
** src/script/script_int.h
** Script front end internals shared by the reader, scanner, parser and
** node builders.  Not included outside src/script (tests excepted).
*/
#ifndef ZRS_SCRIPT_INT_H
#define ZRS_SCRIPT_INT_H

#include "script.h"

#include <cstdint>
#include <string>
#include <vector>

/* Longest token text accepted; one more character is "Line too long". */
const size_t MAX_TOKEN_TEXT = 14999;
/* Distinct files (file-number rows) a script may read. */
const size_t MAX_FILE_NUMBERS = 500;
/* Working directory buffer; a longer directory is an internal error. */
const size_t CWD_BUFFER_SIZE = 20000;
/* Parser stack entries; a deeper parse is a syntax error. */
const int PARSER_STACK_LIMIT = 102400;

/* ---- reader.cc: files, include stack, characters ---- */

/* Character that ends a file (never a byte of the file). */
const int END_OF_INPUT = -1;

/* The unread characters of the current file, which reader_get takes
** inline, and the current position every node and token records.  A
** newline (it may start a continuation), the end of the file and
** pushed-back characters go through reader_get_slow: while any is pushed
** back, `held` is set and `end` is held at `at`. */
struct ReaderWindow {
    const char *begin = nullptr;   /* the current file's first character */
    const char *at = nullptr;
    const char *end = nullptr;
    bool held = false;
    uint32_t line = 0;             /* of the current file */
    const char *name = nullptr;    /* the current file's ScriptFile name */
    uint32_t number = 0;           /* and its number */
};
extern ReaderWindow reader_window;

void reader_open_script(const char *path, const TextList &include_dirs);
int reader_get_slow();

/* The next character or END_OF_INPUT. */
inline int reader_get()
{
    ReaderWindow &w = reader_window;
    if (w.at < w.end && *w.at != '\n')
        return static_cast<unsigned char>(*w.at++);
    return reader_get_slow();
}

void reader_unget_slow(int c);

/* Pushes c back; END_OF_INPUT is ignored.  A character just read from
** the window goes back by stepping back over it: reading it again gives
** the same character and the same line. */
inline void reader_unget(int c)
{
    ReaderWindow &w = reader_window;
    if (c != '\n' && !w.held && w.at > w.begin &&
        static_cast<unsigned char>(w.at[-1]) == c) {
        w.at--;
        return;
    }
    reader_unget_slow(c);
}
/* At the end of the current file: true when it was the script itself;
** otherwise the including file becomes current again. */
bool reader_end_of_file();
void push_include(const char *quoted_name, uint32_t include_line);
void reader_set_include_line(bool on);   /* no continuation while on */
/* The current file's name, line and number; null and 0 with none open. */
inline const char *reader_file_name() { return reader_window.name; }
inline uint32_t reader_line() { return reader_window.line; }
inline uint32_t reader_file_number() { return reader_window.number; }
ScriptFile *reader_file_list();
/* Releases open files and buffers; the file list stays. */
void reader_close();
uint32_t crc16_kermit(const char *data, size_t size);

/* ---- scanner.cc: tokens ---- */

void scanner_reset();
int next_token();                  /* token number, 0 at the end */
const std::string &token_text();
const char *token_file();          /* where the last token started */
uint32_t token_line();
int last_token();
int scanner_flags();
uint32_t include_keyword_line();   /* line of the last INCLUDE keyword */

/* ---- build.cc: parser context and node builders ---- */

/* Copies of token texts for the parser, released together after parsing. */
struct TextArena {
    std::vector<PageBlock> blocks;
    size_t used = 0;               /* bytes used in the last block */
    size_t capacity = 0;           /* size of the last block */
};
char *arena_copy(TextArena &arena, const char *text, size_t length);
void arena_release(TextArena &arena);

struct ParseContext {
    int comment_flag;              /* 1: COMMENT statements become nodes */
    SyntaxNode *root;              /* NK_SCRIPT once the script is reduced */
    TextArena arena;
};

int script_lex(char **text, ParseContext *ctx);
void report_syntax_error(ParseContext *ctx);
/* Code reported when the token is found out of place; null if none. */
const char *syntax_error_code(int token);
const char *token_name(int token);

SyntaxNode *make_script(ParseContext *ctx, SyntaxNode *header,
                        SyntaxNode *declarations, SyntaxNode *items);
SyntaxNode *make_include(SyntaxNode *file_name);
SyntaxNode *make_native_piece(char *text);
SyntaxNode *make_comment(ParseContext *ctx, const char *text);
SyntaxNode *make_section(uint32_t kind, SyntaxNode *begin, SyntaxNode *items,
                         SyntaxNode *end, SyntaxNode *rest);
SyntaxNode *make_root_scenario(SyntaxNode *script);

/* ---- script_gram.y ---- */
int run_script_parser(ParseContext *ctx);

#endif
