/*
** src/capi/decl/decl_parse.cc
** Token stream, syntax errors and the two entry points of the C/C++
** analysis.
**
** The grammars are recursive descent over a lookahead buffer filled by the
** scanner.  A syntax error is reported once (SYNTAXERR quoting the text
** read since the previous diagnostic, UNEXP_EOF at the end of the text);
** the declaration grammar then resynchronises (decl_decl.cc).  Nesting is
** bounded so that deeply nested input is a syntax error, not a stack
** overflow.
*/
#include "decl.h"

#include "model.h"

namespace {

const size_t QUOTE_LIMIT = 60;    /* longer quotes keep their tail */
const size_t QUOTE_TAIL = 59;

/* Copies the input between two offsets without "#" lines, each run of
** layout made one blank. */
std::string collapse_text(const char *text, size_t start, size_t end)
{
    std::string out;
    bool line_start = true, blank = false;
    for (size_t i = start; i < end; i++) {
        char c = text[i];
        if (c == '#' && line_start) {
            while (i < end && text[i] != '\n')
                i++;
            blank = true;
            continue;
        }
        bool layout = c == ' ' || c == '\t' || c == '\n' || c == '\r' ||
                      c == '\f' || c == '\v';
        line_start = c == '\n' || (line_start && layout);
        if (layout) {
            blank = true;
            continue;
        }
        if (blank && !out.empty())
            out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

void report_syntax(DeclParser *p, const DeclToken &at, const char *fixed)
{
    bool at_end = at.kind == TK_EOF;
    std::string quote = fixed ? fixed
                              : collapse_text(p->scan.text, p->quote_start,
                                              at.end);
    if (!fixed && quote.size() > QUOTE_LIMIT)
        quote = quote.substr(quote.size() - QUOTE_TAIL);
    if (p->expression_mode && !fixed)
        capi_report(at_end ? 2 : 3, at_end ? "UNEXP_EOF" : "EXPERRONE",
                    p->whole_text, p->scan.file, at.line);
    else
        capi_report(at_end && !fixed ? 2 : 3,
                    at_end && !fixed ? "UNEXP_EOF" : "SYNTAXERR",
                    quote.c_str(), p->scan.file, at.line);
    p->quote_start = at.end;
    p->failed = true;
    p->errors++;
}

} // namespace

void parser_init(DeclParser *p, const char *text, const char *file, int line,
                 bool expression_mode)
{
    if (!scan_init(&p->scan, text, file, line, expression_mode))
        capi_report(0, "ERRINTERN", expression_mode ? "init_lex"
                                                    : "C_CPP_init_lex",
                    file, line);
    p->ahead.clear();
    p->head = 0;
    p->last = DeclToken();
    p->last.line = line;
    p->quote_start = 0;
    p->nesting = 0;
    p->chain = 0;
    p->failed = false;
    p->errors = 0;
    p->expression_mode = expression_mode;
    p->no_greater = false;
    p->whole_text = text ? text : "";
    p->error_text = nullptr;
    p->context = nullptr;
}

/* Index of the token `offset` places ahead (the end-of-text token when
** the text ends first). */
static size_t fill_ahead(DeclParser *p, size_t offset)
{
    if (p->head > 0 && p->head == p->ahead.size()) {
        p->ahead.clear();
        p->head = 0;
    }
    while (p->ahead.size() <= p->head + offset &&
           (p->ahead.empty() || p->ahead.back().kind != TK_EOF)) {
        p->ahead.emplace_back();
        scan_token(&p->scan, &p->ahead.back());
    }
    size_t at = p->head + offset;
    return at < p->ahead.size() ? at : p->ahead.size() - 1;
}

DeclToken peek_token(DeclParser *p, size_t offset)
{
    return p->ahead[fill_ahead(p, offset)];
}

int peek_kind(DeclParser *p, size_t offset)
{
    /* the token is usually scanned already: the parser peeks at each one
    ** several times */
    size_t at = p->head + offset;
    if (at < p->ahead.size())
        return p->ahead[at].kind;
    return p->ahead[fill_ahead(p, offset)].kind;
}

const DeclToken &next_token(DeclParser *p)
{
    p->last = p->ahead[fill_ahead(p, 0)];
    if (p->last.kind != TK_EOF)
        p->head++;
    return p->last;
}

bool accept_token(DeclParser *p, int kind)
{
    if (peek_kind(p) != kind)
        return false;
    next_token(p);
    return true;
}

bool expect_token(DeclParser *p, int kind)
{
    if (accept_token(p, kind))
        return true;
    syntax_error(p);
    return false;
}

void syntax_error(DeclParser *p)
{
    if (!p->failed)
        report_syntax(p, peek_token(p), p->error_text);
}

void syntax_error_text(DeclParser *p, const char *text)
{
    if (!p->failed)
        report_syntax(p, peek_token(p), text);
}

bool enter_nesting(DeclParser *p)
{
    if (p->nesting >= DECL_MAX_NESTING) {
        syntax_error(p);
        return false;
    }
    p->nesting++;
    return true;
}

std::string source_text(const DeclParser *p, size_t start, size_t end)
{
    if (end > p->scan.length)
        end = p->scan.length;
    if (start >= end)
        return std::string();
    return collapse_text(p->scan.text, start, end);
}

CExpr *analyse_expression_text(const char *text, const char *namespace_name,
                               const char *file, int line, ReportHook hook)
{
    ReportHook previous = set_report_hook(hook);
    DeclParser p;
    parser_init(&p, text, file, line, true);
    DeclContext context;
    decl_context_open(&context, &p, namespace_name);
    CExpr *tree = nullptr;
    if (peek_kind(&p) != TK_EOF) {
        tree = parse_expression(&p);
        if (tree && peek_kind(&p) != TK_EOF)
            syntax_error(&p);
        if (p.failed) {
            free_expr(tree);
            tree = nullptr;
        }
    }
    decl_context_close(&context);
    set_report_hook(previous);
    return tree;
}
