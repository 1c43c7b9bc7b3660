/*
** src/script/build.cc
** The parser's side of the front end: token values, syntax error reports
** and the node builders whose work is more than one make_node.
**
** Token texts are copied into an arena that lives as long as one parse,
** so tokens dropped by error recovery need no release; nodes copy what
** they keep.  A syntax error is reported with the code of the token found
** (tokens.def), at the line where that token starts.
*/
#include "script_int.h"
#include "script_gram.hh"

#include "diag.h"

#include <cstring>

namespace {

struct TokenRow {
    int number;
    const char *name;
    const char *code;
};

const TokenRow token_rows[] = {
#define TOKEN(number, name, code) {number, #name, code},
#include "tokens.def"
#undef TOKEN
};
const int FIRST_TOKEN = 257, LAST_TOKEN = 353;
static_assert(sizeof token_rows / sizeof token_rows[0] == LAST_TOKEN - FIRST_TOKEN + 1,
              "tokens.def: one row per token from 257 to 353");

const TokenRow *token_row(int token)
{
    if (token < FIRST_TOKEN || token > LAST_TOKEN)
        return nullptr;
    const TokenRow *row = &token_rows[token - FIRST_TOKEN];
    return row->number == token ? row : nullptr;
}

const size_t ARENA_BLOCK = size_t(2) << 20;   /* a large page */

bool blank(char c)
{
    return c == ' ' || c == '\t';
}

/* Blanks and tabs removed at both ends, in place. */
char *trim_blanks(char *text)
{
    while (blank(*text))
        text++;
    size_t length = strlen(text);
    while (length > 0 && blank(text[length - 1]))
        text[--length] = '\0';
    return text;
}

} // namespace

char *arena_copy(TextArena &arena, const char *text, size_t length)
{
    if (arena.blocks.empty() || arena.used + length + 1 > arena.capacity) {
        size_t size = next_block_size(arena.capacity, length + 1, ARENA_BLOCK);
        arena.blocks.push_back({static_cast<char *>(fresh_pages(size)), size});
        arena.capacity = size;
        arena.used = 0;
    }
    char *copy = arena.blocks.back().start + arena.used;
    memcpy(copy, text, length);
    copy[length] = '\0';
    arena.used += length + 1;
    return copy;
}

void arena_release(TextArena &arena)
{
    for (const PageBlock &block : arena.blocks)
        release_pages(block.start, block.size);
    arena.blocks.clear();
    arena.used = arena.capacity = 0;
}

/* The scanner's next token, its text copied for the parser. */
int script_lex(char **text, ParseContext *ctx)
{
    int token = next_token();
    const std::string &t = token_text();
    *text = arena_copy(ctx->arena, t.data(), t.size());
    return token;
}

const char *syntax_error_code(int token)
{
    const TokenRow *row = token_row(token);
    return row ? row->code : nullptr;
}

const char *token_name(int token)
{
    if (token == 0)
        return "end of file";
    const TokenRow *row = token_row(token);
    return row ? row->name : nullptr;
}

/* Called by the parser for each syntax error it reports (and when its
** stack is full).  At the end of input: UNEXPTEOF at the reader's
** position; otherwise the token's code where the token starts. */
void report_syntax_error(ParseContext *)
{
    int token = last_token();
    if (token == 0) {
        report_at(SEV_ERROR, "UNEXPTEOF", QString(), reader_file_name(),
                  int(reader_line()));
        return;
    }
    const char *code = syntax_error_code(token);
    if (!code)
        report_at(SEV_INTERNAL, "STXNOMESS", QString::number(token),
                  token_file(), int(token_line()));
    report_at(SEV_ERROR, code, QString(), token_file(), int(token_line()));
}

/* script: the root; the parse entry reads it from the context. */
SyntaxNode *make_script(ParseContext *ctx, SyntaxNode *header,
                        SyntaxNode *declarations, SyntaxNode *items)
{
    ctx->root = make_node(NK_SCRIPT, header, declarations, items, nullptr);
    return ctx->root;
}

/* include_line: INCLUDE string EOL.  The placeholder takes the position
** of the INCLUDE line; then the reader goes on in the included file. */
SyntaxNode *make_include(SyntaxNode *file_name)
{
    SyntaxNode *node = make_node(NK_INCLUDE, nullptr, nullptr, nullptr, nullptr);
    push_include(file_name->text, include_keyword_line());
    free_tree(file_name, 1);
    return node;
}

/* expr_piece: NATIVE_TEXT, trimmed; blank text is NK_EMPTY. */
SyntaxNode *make_native_piece(char *text)
{
    char *trimmed = trim_blanks(text);
    if (!*trimmed)
        return make_node(NK_EMPTY, nullptr, nullptr, nullptr, nullptr);
    return make_node(NK_NATIVE_EXPR, nullptr, nullptr, nullptr, trimmed);
}

/* comment_stmt: the text after "COMMENT "; nothing without the flag. */
SyntaxNode *make_comment(ParseContext *ctx, const char *text)
{
    if (!ctx->comment_flag)
        return nullptr;
    return make_node(NK_COMMENT, nullptr, nullptr, nullptr, text + 8);
}

/* An instance section of a body: begin and items in the block node; the
** END INSTANCE marker is not kept. */
SyntaxNode *make_section(uint32_t kind, SyntaxNode *begin, SyntaxNode *items,
                         SyntaxNode *end, SyntaxNode *rest)
{
    free_tree(end, 1);
    return make_node(kind, begin, items, rest, nullptr);
}

/* Wraps the top-level items in the nameless root scenario. */
SyntaxNode *make_root_scenario(SyntaxNode *script)
{
    if (!script || !script->child3)
        return script;
    SyntaxNode *family = make_node(NK_EMPTY, nullptr, nullptr, nullptr, nullptr);
    SyntaxNode *body =
        make_node(NK_SCENARIO_BODY, nullptr, family, script->child3, nullptr);
    SyntaxNode *name = make_node(NK_IDENT, nullptr, nullptr, nullptr, "");
    SyntaxNode *root = make_node(NK_SCENARIO, name, body, nullptr, nullptr);
    script->child3 = make_node(NK_SCENARIO_ITEM_LIST, root, nullptr, nullptr, nullptr);
    return script;
}
