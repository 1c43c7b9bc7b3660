/*
** src/capi/pp/pp_internal.h
** Records and operations shared by the preprocessor's source files.
**
** Grouped by file: pp_lex (character classes, tokens of a text), pp_files
** (input stack, search list, positions and reports), pp_macro (macro
** table, definitions, expansion), pp_expr (#if evaluation),
** pp_directives (directive dispatch, conditionals, pragmas) and pp_main
** (start, process, end, output).  Process-wide state lives in the four
** records `pp_input`, `pp_macros`, `pp_search` and `pp_out`.
*/
#ifndef ZRS_CAPI_PP_INTERNAL_H
#define ZRS_CAPI_PP_INTERNAL_H

#include "pp.h"

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

/* Report severities (the diagnostics' Severity values). */
enum { PP_FATAL = 1, PP_ERROR = 2, PP_WARNING = 3, PP_INFO = 4 };

/* Token kinds.  PK_PARAM and PK_PLACEMARKER only occur in macro bodies and
** during substitution; PK_EOF ends a text or a barrier context. */
enum PpTokenKind : uint8_t {
    PK_EOF,
    PK_NAME,
    PK_NUMBER,
    PK_CHAR,
    PK_STRING,
    PK_PUNCT,
    PK_OTHER,
    PK_PARAM,         /* body reference to parameter `param` */
    PK_PLACEMARKER    /* an empty argument next to "##" */
};

enum PpTokenFlag : uint8_t {
    PF_WHITE = 1,       /* blank (or comment, or newline) before it */
    PF_NO_EXPAND = 2,   /* named its macro inside that macro's expansion */
    PF_PASTE_LEFT = 4,  /* "##" follows in the macro body */
    PF_STRINGIFY = 8,   /* PK_PARAM preceded by "#" */
    PF_BOL = 16,        /* first token of a line */
    PF_EXPANDED = 32    /* produced by a macro expansion */
};

/* A token: a view of its spelling in a file buffer or an arena. */
struct PpToken {
    const char *text = "";
    uint32_t len = 0;
    uint8_t kind = PK_EOF;
    uint8_t flags = 0;
    uint16_t param = 0;   /* PK_PARAM: parameter index */
    int line = 0;         /* line in the innermost file */

    bool is(const char *spelling) const;   /* punctuator or name test */
    std::string str() const { return std::string(text, len); }
};

/* ---- pp_lex.cc ---- */

/* Character classes, built once. */
enum PpCharClass : uint8_t {
    CC_IDSTART = 1,
    CC_DIGIT = 2,
    CC_BLANK = 4,     /* blank other than newline */
    CC_PUNCT = 8
};
void pp_init_char_classes();
bool pp_is_idstart(unsigned char c);
bool pp_is_idchar(unsigned char c);
bool pp_is_blank(unsigned char c);
bool pp_is_identifier(const std::string &text);

/* A file or internal text being read: backslash-newlines already removed,
** their offsets kept so that lines are counted right. */
struct PpText {
    std::string chars;                /* spliced text, NUL-padded */
    size_t size = 0;                  /* length without the padding */
    std::vector<uint32_t> splices;    /* offsets where a splice was removed */
};
void pp_prepare_text(const char *data, size_t size, PpText &out);

struct PpEntry;
/* Lexes the next token of the current line into `t`; false at the end of
** the line (newline left unread) or of the text. */
bool pp_lex_line_token(PpEntry &e, PpToken &t);
/* Skips blanks and comments on the current line; false at its end. */
bool pp_skip_blanks(PpEntry &e);
void pp_lex_newline(PpEntry &e);            /* reads and counts a newline */
void pp_skip_line(PpEntry &e);              /* skipped-group line */
/* The rest of the line, comments blanked, leading/trailing blanks cut. */
void pp_rest_of_line(PpEntry &e, std::string &out);
/* Lexes a whole text into tokens (spellings stored in the scratch arena). */
void pp_lex_string(const std::string &text, std::vector<PpToken> &out);
/* Whether `a` directly followed by `b` would lex differently. */
bool pp_avoid_paste(const PpToken &a, const PpToken &b);
/* Lexes `text` (stored) as exactly one token; false if it is not one. */
bool pp_lex_single(const char *text, size_t len, PpToken &t);

/* ---- Text arenas (pp_lex.cc) ---- */
const char *pp_store_permanent(const char *text, size_t len);
const char *pp_store_scratch(const char *text, size_t len);
void pp_clear_scratch();

/* ---- pp_files.cc: input stack, search list, reports ---- */

enum { PP_MAX_INPUT = 2000 };

struct PpMacro;

/* An input-stack entry: a file (or internal text), or a token context
** being rescanned (a macro expansion, a pushed-back token, or a barrier
** around a text being expanded on its own). */
struct PpEntry {
    bool is_file = false;
    /* file entries */
    const std::string *name = nullptr;   /* interned; null: internal text */
    const std::string *path = nullptr;   /* as opened (#line keeps it) */
    const PpText *text = nullptr;
    size_t pos = 0;
    size_t splice_next = 0;   /* next unread entry of text->splices */
    int line = 1;
    bool bol = true;          /* at the start of a line */
    bool white = false;       /* blank seen before the next token */
    int found_dir = -1;       /* search-list index it came through */
    std::string dir;          /* its directory, for nested includes */
    size_t cond_base = 0;     /* conditional-stack depth at entry */
    int line_reset = -1;      /* #line: next line number, -1 = none */
    /* token contexts */
    std::vector<PpToken> tokens;
    size_t next = 0;
    PpMacro *macro = nullptr; /* disabled while this context exists */
    bool barrier = false;     /* yields EOF instead of being popped */
};

/* An open conditional. */
struct PpCond {
    int kind;                     /* directive kind that set the state */
    int line;                     /* and its line */
    int open_line;                /* line of the opening directive */
    const std::string *open_file; /* its file */
    bool taken;                   /* a branch has been taken */
    bool else_seen;
    bool skipping;                /* the current branch is skipped */
    bool dead;                    /* the enclosing group is skipped */
};

struct PpInput {
    std::vector<PpEntry> stack;
    std::vector<PpCond> conds;
    std::vector<std::unique_ptr<PpText>> texts;   /* buffers of this run */
    std::unordered_set<std::string> names;        /* interned file names */
    bool aborted = false;      /* a fatal report returned */
    size_t expanded = 0;       /* tokens produced by expansion in this text */
    int errors = 0;            /* severity-2 reports of this run */
    bool in_if = false;        /* "defined" is an operator */
    bool expansion_seen = false; /* a macro was expanded since the last token out */
    bool expand = true;        /* the process-text expand flag */
    bool analysis = true;      /* zirko stop/start_analyse */
    PpStartOptions options;
};
extern PpInput pp_input;

struct PpSearch {
    TextList dirs;            /* -INCL dirs, target lib, system dirs */
    TextList standard_dirs;   /* doubled backslashes; incl_std adds */
    TextList included;        /* files included so far */
    std::set<std::string> type_modifiers;
    std::vector<std::pair<std::string, std::string>> pragma_pairs;
    std::set<std::string> once_files;   /* "#pragma once", real paths */
};
extern PpSearch pp_search;

const std::string *pp_intern_name(const char *name);
bool pp_push_entry(PpEntry &&entry, const char *what);   /* NBRECURSI */
void pp_push_text(const char *data, size_t size, const char *name, int line,
                  int found_dir, const std::string &dir);
void pp_pop_entry();
PpEntry *pp_current_file();
int pp_file_count();
void pp_build_search_list(const TextList &include_dirs);
/* Opens and pushes an included file; `next` for include_next. */
void pp_include_file(const std::string &name, bool next);
void pp_mark_once();   /* the current file is not included again */
std::string pp_directory_of(const char *path);   /* "." without a slash */
void pp_report(int severity, const char *code, const std::string &text);
void pp_report_at(int severity, const char *code, const std::string &text,
                  const std::string *file, int line);

/* ---- pp_macro.cc ---- */

enum { PP_MACRO_BUCKETS = 1403, PP_VARIADIC_LIMIT = 9999 };
/* Tokens that macro expansion may produce for one processed text.  Nested
** calls can grow exponentially ("#define d(x) x x" applied to itself), so
** past this budget the text is abandoned as a runaway expansion. */
const size_t PP_EXPANSION_LIMIT = size_t(1) << 24;

/* Macro kinds: 0 ordinary, the others built-in. */
enum PpMacroKind {
    MK_ORDINARY = 0,
#define BUILTIN(name, kind, id) id = kind,
#include "pp_builtins.def"
#undef BUILTIN
};

struct PpMacro {
    std::string name;
    int kind = MK_ORDINARY;
    bool function_like = false;
    bool variadic = false;          /* last parameter is __VA_ARGS__ */
    bool disabled = false;          /* its expansion is being rescanned */
    std::vector<std::string> params;
    std::vector<PpToken> body;      /* spellings in the permanent arena */
    std::string key;                /* body spelling without blanks */
};

/* A bucket entry: the name's full hash, compared before the name. */
struct PpBucketSlot {
    uint32_t hash;
    PpMacro *macro;   /* owned by the table */
};

struct PpMacros {
    /* Each chain is kept in an array whose last slot is its head. */
    std::vector<PpBucketSlot> buckets[PP_MACRO_BUCKETS];
    /* Removed macros, freed between runs: an expansion may still use one. */
    std::vector<std::unique_ptr<PpMacro>> retired;
    ~PpMacros();
};
extern PpMacros pp_macros;

uint32_t pp_name_hash(const char *name, size_t len);   /* top bit clear */
unsigned pp_macro_hash(const char *name, size_t len);  /* the bucket */
PpMacro *pp_lookup(const char *name, size_t len);
void pp_clear_macros(bool keep_builtins);
void pp_free_retired_macros();
void pp_define_builtins();
void pp_define_line(std::vector<PpToken> &line);   /* "#define" operands */
void pp_undef_line(std::vector<PpToken> &line);
/* Next token with macros expanded; PK_EOF at the end of a file entry or
** a barrier. */
void pp_next_expanded(PpToken &t);
void pp_get_raw(PpToken &t);
/* Expands `tokens` on their own (barrier context) into `out`. */
void pp_expand_tokens(const std::vector<PpToken> &tokens,
                      std::vector<PpToken> &out);

/* ---- pp_expr.cc ---- */
/* Evaluates an #if line (tokens after the directive word). */
bool pp_eval_condition(std::vector<PpToken> &line);

/* ---- pp_directives.cc ---- */
/* Next token of a file entry, running directives at line starts and
** skipping excluded lines; false when the stack may have changed (the
** caller looks again). */
bool pp_file_token(PpEntry &e, PpToken &t);
bool pp_skipping();
void pp_close_conditionals(size_t base);   /* UNTERCOND down to base */

/* ---- pp_main.cc: output ---- */
void pp_emit_token(const PpToken &t);
void pp_emit_line(const std::string &text, int line);
void pp_emit_line_marker(int line, const std::string *file);

#endif
