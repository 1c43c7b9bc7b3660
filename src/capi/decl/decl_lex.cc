/*
** src/capi/decl/decl_lex.cc
** The C/C++ scanner over the preprocessor's output.
**
** A byte-class table sends each token to the routine of its family: words
** (keywords by bisection of the sorted keyword table, else identifiers),
** numbers, character and string constants, operators (longest spelling
** first, from the punctuation table).  Lines starting with "#" are the
** preprocessor's line markers and pragma lines: markers set the position,
** zirko sizeof/signof pragmas go to the pragma hook, anything else is
** skipped.  Function bodies are swallowed by brace counting.
*/
#include "decl.h"

#include <cstring>
#include <string_view>
#include <vector>

#include "report_hook.h"

namespace {

enum ByteClass : unsigned char {
    BC_OTHER,
    BC_BLANK,
    BC_NEWLINE,
    BC_LETTER,
    BC_DIGIT,
    BC_QUOTE,
    BC_DQUOTE,
    BC_PUNCT,
    BC_HASH
};

struct ByteClasses {
    unsigned char of[256];
    ByteClasses()
    {
        memset(of, BC_OTHER, sizeof of);
        for (int c = 'a'; c <= 'z'; c++)
            of[c] = of[c - 'a' + 'A'] = BC_LETTER;
        of[(unsigned char)'_'] = BC_LETTER;
        for (int c = '0'; c <= '9'; c++)
            of[c] = BC_DIGIT;
        for (const char *p = " \t\r\f\v"; *p; p++)
            of[(unsigned char)*p] = BC_BLANK;
        of[(unsigned char)'\n'] = BC_NEWLINE;
        of[(unsigned char)'\''] = BC_QUOTE;
        of[(unsigned char)'"'] = BC_DQUOTE;
        for (const char *p = "{}[]();:,.?+-*/%^&|~!=<>"; *p; p++)
            of[(unsigned char)*p] = BC_PUNCT;
        of[(unsigned char)'#'] = BC_HASH;
    }
};

const ByteClasses classes;

inline int byte_class(char c)
{
    return classes.of[(unsigned char)c];
}

struct KeywordRow {
    const char *word;
    int kind;
};

const KeywordRow keywords[] = {
#define KW(word) {#word, TK_KW_##word},
#include "decl_keywords.def"
#undef KW
};
static_assert(sizeof keywords / sizeof keywords[0] == 64,
              "the scanners know exactly 64 keywords");

struct PunctRow {
    const char *spelling;
    int kind;
};

const PunctRow puncts[] = {
#define PUNCT(name, spelling) {spelling, TK_##name},
#include "decl_punct.def"
#undef PUNCT
};

/* The sorted keywords by first letter: all begin with a lower-case
** letter, so most names of a script are settled by one look. */
struct KeywordRanges {
    int first[27] = {};   /* keywords of letter c: first[c-'a'] .. first[c-'a'+1]-1 */
    KeywordRanges()
    {
        int count = int(sizeof keywords / sizeof keywords[0]);
        int k = 0;
        for (int letter = 0; letter < 26; letter++) {
            first[letter] = k;
            while (k < count && keywords[k].word[0] == 'a' + letter)
                k++;
        }
        first[26] = k;
    }
};

const KeywordRanges keyword_ranges;

int keyword_kind(const char *word, size_t length)
{
    if (length == 0 || word[0] < 'a' || word[0] > 'z')
        return TK_IDENT;
    int low = keyword_ranges.first[word[0] - 'a'];
    int high = keyword_ranges.first[word[0] - 'a' + 1] - 1;
    while (low <= high) {
        int middle = (low + high) / 2;
        const char *k = keywords[middle].word;
        int order = strncmp(k, word, length);
        if (order == 0)
            order = k[length] ? 1 : 0;
        if (order == 0)
            return keywords[middle].kind;
        if (order < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return TK_IDENT;
}

inline char peek_at(const DeclScanner *s, size_t offset)
{
    size_t at = s->pos + offset;
    return at < s->length ? s->text[at] : '\0';
}

std::string slice(const DeclScanner *s, size_t start, size_t end)
{
    return std::string(s->text + start, end - start);
}

/* ---- "#" lines: line markers and pragmas ---- */

/* Reads a blank-separated word of the directive line at `at`. */
std::string line_word(const DeclScanner *s, size_t *at, size_t end)
{
    while (*at < end && byte_class(s->text[*at]) == BC_BLANK)
        (*at)++;
    size_t start = *at;
    if (*at < end && s->text[*at] == '"') {
        (*at)++;
        while (*at < end && s->text[*at] != '"')
            (*at)++;
        std::string quoted = slice(s, start + 1, *at);
        if (*at < end)
            (*at)++;
        return quoted;
    }
    while (*at < end && byte_class(s->text[*at]) != BC_BLANK)
        (*at)++;
    return slice(s, start, *at);
}

bool all_digits(const std::string &word)
{
    if (word.empty())
        return false;
    for (char c : word)
        if (c < '0' || c > '9')
            return false;
    return true;
}

/* "#line N "file"" (or "# N "file""): the next line is line N of file. */
void line_marker(DeclScanner *s, const std::string &number, size_t *at,
                 size_t end)
{
    if (!all_digits(number) || number.size() > 9)
        return;
    std::string file = line_word(s, at, end);
    s->line = atoi(number.c_str()) - 1;   /* the newline adds one */
    if (!file.empty())
        s->file = intern_text(file.c_str());
}

void pragma_line(DeclScanner *s, size_t *at, size_t end)
{
    if (line_word(s, at, end) != "zirko" || !s->pragma_hook)
        return;
    std::string word = line_word(s, at, end);
    if (word != "sizeof" && word != "signof")
        return;
    std::string name = line_word(s, at, end);
    std::string value = line_word(s, at, end);
    s->pragma_hook(word.c_str(), name.c_str(), value.c_str());
}

/* Consumes a "#" line up to its newline (left for the caller). */
void hash_line(DeclScanner *s)
{
    size_t end = s->pos;
    while (end < s->length && s->text[end] != '\n')
        end++;
    size_t at = s->pos + 1;
    std::string word = line_word(s, &at, end);
    if (word == "line")
        line_marker(s, line_word(s, &at, end), &at, end);
    else if (all_digits(word))
        line_marker(s, word, &at, end);
    else if (word == "pragma")
        pragma_line(s, &at, end);
    s->pos = end;
}

/* Skips blanks, newlines and "#" lines. */
void skip_layout(DeclScanner *s)
{
    while (s->pos < s->length) {
        char c = s->text[s->pos];
        int cls = byte_class(c);
        if (cls == BC_NEWLINE) {
            s->line++;
            s->line_start = true;
            s->pos++;
        } else if (cls == BC_BLANK) {
            s->pos++;
        } else if (cls == BC_HASH && s->line_start) {
            hash_line(s);
        } else if (c == '\\' && peek_at(s, 1) == '\n') {
            s->pos++;   /* a joined line left in the text */
        } else {
            return;
        }
    }
}

/* ---- Token families ---- */

void scan_word(DeclScanner *s, DeclToken *t)
{
    size_t start = s->pos;
    while (s->pos < s->length && (byte_class(s->text[s->pos]) == BC_LETTER ||
                                  byte_class(s->text[s->pos]) == BC_DIGIT))
        s->pos++;
    size_t length = s->pos - start;
    if (length == 1 && s->text[start] == 'L' &&
        (peek_at(s, 0) == '\'' || peek_at(s, 0) == '"'))
        return;   /* wide literal prefix: the caller goes on */
    t->kind = keyword_kind(s->text + start, length);
    if (t->kind == TK_IDENT)
        t->text = intern_span(s->text + start, length);
}

bool number_continues(const DeclScanner *s, char previous)
{
    char c = peek_at(s, 0);
    int cls = byte_class(c);
    if (cls == BC_LETTER || cls == BC_DIGIT)
        return true;
    if ((c == '+' || c == '-') && (previous == 'e' || previous == 'E' ||
                                   previous == 'p' || previous == 'P'))
        return true;
    if (c == '.')   /* "1..5" is a range in expression mode */
        return !(s->expression_mode && peek_at(s, 1) == '.');
    return false;
}

bool is_hex_spelling(std::string_view n)
{
    return n.size() > 1 && n[0] == '0' && (n[1] == 'x' || n[1] == 'X');
}

bool is_floating_spelling(std::string_view n)
{
    if (n.find('.') != std::string_view::npos)
        return true;
    if (is_hex_spelling(n))
        return n.find_first_of("pP") != std::string_view::npos;
    return n.find_first_of("eE") != std::string_view::npos;
}

void scan_number(DeclScanner *s, DeclToken *t)
{
    size_t start = s->pos;
    char previous = s->text[s->pos++];
    while (s->pos < s->length && number_continues(s, previous))
        previous = s->text[s->pos++];
    t->text = intern_span(s->text + start, s->pos - start);
    if (is_floating_spelling(t->text)) {
        t->kind = TK_FLOATING;
        return;
    }
    t->kind = TK_INTEGER;
    scan_integer_value(t->text, t, s->file, s->line);
}

/* A quoted constant up to its closing quote on the same line. */
bool scan_quoted(DeclScanner *s, char quote)
{
    s->pos++;
    while (s->pos < s->length) {
        char c = s->text[s->pos];
        if (c == quote) {
            s->pos++;
            return true;
        }
        if (c == '\n')
            return false;
        if (c == '\\' && s->pos + 1 < s->length && s->text[s->pos + 1] != '\n')
            s->pos++;
        s->pos++;
    }
    return false;
}

void scan_character(DeclScanner *s, DeclToken *t, size_t start)
{
    size_t body = s->pos;
    bool closed = scan_quoted(s, '\'');
    t->kind = TK_CHARACTER;
    std::string spelling = slice(s, start, s->pos);
    t->text = intern_text(spelling.c_str());
    if (!closed) {
        capi_report(3, "INVCSTCAR", spelling.c_str(), s->file, s->line);
        return;
    }
    scan_character_value(s->text + body + 1, s->pos - body - 2, t, s->file,
                         s->line);
}

void scan_string(DeclScanner *s, DeclToken *t, size_t start)
{
    bool closed = scan_quoted(s, '"');
    t->kind = closed ? TK_STRING : TK_INVALID;
    t->text = intern_text(slice(s, start, s->pos).c_str());
}

/* The rows of the punctuation table by first byte, in table order, with
** their lengths: the scanner tries only the few rows that can match. */
struct PunctIndex {
    std::vector<std::pair<const PunctRow *, size_t>> by_first[256];
    PunctIndex()
    {
        for (const PunctRow &row : puncts)
            by_first[(unsigned char)row.spelling[0]].push_back(
                {&row, strlen(row.spelling)});
    }
};

void scan_punct(DeclScanner *s, DeclToken *t)
{
    static const PunctIndex index;
    for (const auto &entry : index.by_first[(unsigned char)s->text[s->pos]]) {
        const PunctRow &row = *entry.first;
        size_t n = entry.second;
        if (s->pos + n > s->length ||
            memcmp(s->text + s->pos, row.spelling, n) != 0)
            continue;
        if (!s->expression_mode &&
            (row.kind == TK_DOTDOT || row.kind == TK_ARROW_DESIGN))
            continue;
        t->kind = row.kind;
        s->pos += n;
        return;
    }
    t->kind = TK_INVALID;
    s->pos++;
}

void scan_literal_or_word(DeclScanner *s, DeclToken *t)
{
    size_t start = s->pos;
    scan_word(s, t);
    if (t->kind != TK_EOF)
        return;
    t->wide = true;   /* "L" directly before a quote */
    if (s->text[s->pos] == '\'')
        scan_character(s, t, start);
    else
        scan_string(s, t, start);
}

} // namespace

const char *token_spelling(int kind)
{
    static const char *const families[] = {"end of text", "invalid character",
                                           "identifier", "integer constant",
                                           "floating constant",
                                           "character constant", "string"};
    if (kind >= 0 && kind <= TK_STRING)
        return families[kind];
    if (kind >= TK_KW_asm && kind < TK_KW_asm + 64)
        return keywords[kind - TK_KW_asm].word;
    for (const PunctRow &row : puncts)
        if (row.kind == kind)
            return row.spelling;
    return "?";
}

/* The file name interned; the script's value texts all come from the
** same file, so the last name is compared before it is looked up. */
static const char *interned_file_name(const char *file)
{
    static const char *last = nullptr;
    if (!file || !last || strcmp(file, last) != 0)
        last = intern_text(file);
    return last;
}

bool scan_init(DeclScanner *s, const char *text, const char *file, int line,
               bool expression_mode)
{
    if (!s)
        return false;
    s->text = text ? text : "";
    s->length = strlen(s->text);
    s->pos = 0;
    s->file = interned_file_name(file);
    s->line = line;
    s->expression_mode = expression_mode;
    s->line_start = true;
    s->pragma_hook = nullptr;
    return true;
}

void scan_token(DeclScanner *s, DeclToken *t)
{
    skip_layout(s);
    *t = DeclToken();
    t->kind = TK_EOF;
    t->start = s->pos;
    t->line = s->line;
    if (s->pos >= s->length) {
        t->end = s->pos;
        return;
    }
    s->line_start = false;
    char c = s->text[s->pos];
    switch (byte_class(c)) {
    case BC_LETTER: scan_literal_or_word(s, t); break;
    case BC_DIGIT: scan_number(s, t); break;
    case BC_QUOTE: scan_character(s, t, s->pos); break;
    case BC_DQUOTE: scan_string(s, t, s->pos); break;
    case BC_PUNCT:
        if (c == '.' && byte_class(peek_at(s, 1)) == BC_DIGIT)
            scan_number(s, t);
        else
            scan_punct(s, t);
        break;
    case BC_HASH: scan_punct(s, t); break;
    default:
        t->kind = TK_INVALID;
        s->pos++;
        break;
    }
    t->end = s->pos;
}

bool scan_skip_body(DeclScanner *s)
{
    int depth = 1;
    while (depth > 0) {
        skip_layout(s);
        if (s->pos >= s->length)
            return false;
        s->line_start = false;
        char c = s->text[s->pos];
        if (c == '\'' || c == '"') {
            if (!scan_quoted(s, c))
                continue;   /* stopped at the newline: go on after it */
        } else {
            depth += c == '{' ? 1 : c == '}' ? -1 : 0;
            s->pos++;
        }
    }
    return true;
}
