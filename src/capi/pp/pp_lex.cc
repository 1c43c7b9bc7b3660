/*
** src/capi/pp/pp_lex.cc
** Preprocessor lexing: character classes, backslash-newline removal,
** comments, tokens of a line, skipped lines and the text arenas.
**
** A text is spliced once (every backslash-newline removed, its offset
** kept) so that tokens are plain views into the buffer; the line number
** is advanced at each newline by one plus the splices passed since.  The
** buffer is padded with NULs so that the lexer may look three bytes ahead.
*/
#include "pp_internal.h"

#include <cstring>

namespace {

uint8_t char_class[256];
bool classes_built = false;

/* Texts that outlive the token that made them: macro bodies (permanent)
** and pasted or stringized tokens (scratch, dropped after each run). */
struct Arena {
    std::vector<std::unique_ptr<char[]>> chunks;
    char *cur = nullptr;
    size_t used = 0, cap = 0;
};
Arena permanent_arena, scratch_arena;
const size_t CHUNK = 64 * 1024;

const char *arena_store(Arena &a, const char *text, size_t len)
{
    if (len > CHUNK / 4) {
        a.chunks.emplace_back(new char[len + 1]);
        memcpy(a.chunks.back().get(), text, len);
        return a.chunks.back().get();
    }
    if (a.used + len > a.cap) {
        a.chunks.emplace_back(new char[CHUNK]);
        a.cur = a.chunks.back().get();
        a.used = 0;
        a.cap = CHUNK;
    }
    char *at = a.cur + a.used;
    memcpy(at, text, len);
    a.used += len;
    return at;
}

/* Length of the punctuator at `s` (longest match; 1 for a lone one). */
size_t punctuator_length(const char *s)
{
    char a = s[0], b = s[1], c = s[2];
    switch (a) {
    case '<': case '>':
        if (b == a)
            return c == '=' ? 3 : 2;
        return b == '=' ? 2 : 1;
    case '.':
        if (b == '.' && c == '.')
            return 3;
        return b == '*' ? 2 : 1;
    case '-':
        if (b == '>')
            return c == '*' ? 3 : 2;
        return (b == '-' || b == '=') ? 2 : 1;
    case '+': case '&': case '|':
        return (b == a || b == '=') ? 2 : 1;
    case '#': case ':':
        return b == a ? 2 : 1;
    case '*': case '/': case '%': case '^': case '=': case '!':
        return b == '=' ? 2 : 1;
    default:
        return 1;
    }
}

void count_newline(PpEntry &e, size_t at)
{
    e.line++;
    const std::vector<uint32_t> &sp = e.text->splices;
    while (e.splice_next < sp.size() && sp[e.splice_next] <= at) {
        e.line++;
        e.splice_next++;
    }
}

/* At "/" "*": skips the comment, counting its newlines (UNTERCOMM). */
void skip_block_comment(PpEntry &e)
{
    const char *s = e.text->chars.data();
    size_t size = e.text->size, p = e.pos + 2;
    for (;;) {
        const void *hit = p < size ? memchr(s + p, '*', size - p) : nullptr;
        size_t end = hit ? static_cast<const char *>(hit) - s : size;
        for (const char *nl = static_cast<const char *>(
                 memchr(s + p, '\n', end - p));
             nl; nl = static_cast<const char *>(
                     memchr(nl + 1, '\n', s + end - (nl + 1))))
            count_newline(e, nl - s);
        if (!hit) {
            e.pos = size;
            pp_report(PP_WARNING, "UNTERCOMM", "");
            return;
        }
        if (s[end + 1] == '/') {
            e.pos = end + 2;
            return;
        }
        p = end + 1;
    }
}

/* A character or string literal from the quote at `p`; returns the end.
** `closed` tells whether the closing quote was found on the line. */
size_t literal_end(const char *s, size_t size, size_t p, bool *closed)
{
    char quote = s[p++];
    while (p < size && s[p] != '\n') {
        if (s[p] == quote) {
            *closed = true;
            return p + 1;
        }
        p += (s[p] == '\\' && p + 1 < size && s[p + 1] != '\n') ? 2 : 1;
    }
    *closed = false;
    return p;
}

bool is_literal_prefix(const char *s, size_t n)
{
    return (n == 1 && (s[0] == 'L' || s[0] == 'u' || s[0] == 'U')) ||
           (n == 2 && s[0] == 'u' && s[1] == '8');
}

/* Lexes one token starting at a non-blank, non-newline byte.  Returns
** false when a literal is not closed on its line. */
bool lex_token_at(const char *s, size_t size, size_t &pos, PpToken &t)
{
    size_t start = pos;
    unsigned char c = s[pos];
    bool closed = true;
    if (char_class[c] & CC_IDSTART) {
        while (pp_is_idchar(s[pos]) && pos < size)
            pos++;
        if ((s[pos] == '"' || s[pos] == '\'') &&
            is_literal_prefix(s + start, pos - start)) {
            t.kind = s[pos] == '"' ? PK_STRING : PK_CHAR;
            pos = literal_end(s, size, pos, &closed);
        } else {
            t.kind = PK_NAME;
        }
    } else if ((char_class[c] & CC_DIGIT) ||
               (c == '.' && (char_class[(unsigned char)s[pos + 1]] & CC_DIGIT))) {
        t.kind = PK_NUMBER;
        pos++;
        while (pos < size) {
            char d = s[pos];
            if ((d == '+' || d == '-') &&
                strchr("eEpP", s[pos - 1]))
                pos++;
            else if (pp_is_idchar(d) || d == '.')
                pos++;
            else
                break;
        }
    } else if (c == '"' || c == '\'') {
        t.kind = c == '"' ? PK_STRING : PK_CHAR;
        pos = literal_end(s, size, pos, &closed);
    } else if (char_class[c] & CC_PUNCT) {
        t.kind = PK_PUNCT;
        pos += punctuator_length(s + pos);
    } else {
        t.kind = PK_OTHER;
        pos++;
    }
    if (!closed)
        t.kind = PK_OTHER;
    t.text = s + start;
    t.len = static_cast<uint32_t>(pos - start);
    return closed;
}

} // namespace

bool PpToken::is(const char *spelling) const
{
    for (uint32_t i = 0; i < len; i++)
        if (spelling[i] == '\0' || spelling[i] != text[i])
            return false;
    return spelling[len] == '\0';
}

void pp_init_char_classes()
{
    if (classes_built)
        return;
    for (int c = 'a'; c <= 'z'; c++)
        char_class[c] |= CC_IDSTART;
    for (int c = 'A'; c <= 'Z'; c++)
        char_class[c] |= CC_IDSTART;
    char_class[static_cast<unsigned char>('_')] |= CC_IDSTART;
    char_class[static_cast<unsigned char>('$')] |= CC_IDSTART;
    for (int c = '0'; c <= '9'; c++)
        char_class[c] |= CC_DIGIT;
    for (const char *p = " \t\f\v\r"; *p; p++)
        char_class[(unsigned char)*p] |= CC_BLANK;
    for (const char *p = "[](){}<>.,;:?~!+-*/%&|^=#"; *p; p++)
        char_class[(unsigned char)*p] |= CC_PUNCT;
    classes_built = true;
}

bool pp_is_idstart(unsigned char c) { return char_class[c] & CC_IDSTART; }
bool pp_is_idchar(unsigned char c)
{
    return char_class[c] & (CC_IDSTART | CC_DIGIT);
}
bool pp_is_blank(unsigned char c) { return char_class[c] & CC_BLANK; }

bool pp_is_identifier(const std::string &text)
{
    if (text.empty() || !pp_is_idstart(text[0]))
        return false;
    for (char c : text)
        if (!pp_is_idchar(c))
            return false;
    return true;
}

/* Removes backslash-newline (and backslash-CR-newline) pairs. */
void pp_prepare_text(const char *data, size_t size, PpText &out)
{
    out.chars.clear();
    out.splices.clear();
    out.chars.reserve(size + 4);
    size_t from = 0;
    for (;;) {
        const void *hit = from < size ? memchr(data + from, '\\', size - from)
                                      : nullptr;
        size_t at = hit ? static_cast<const char *>(hit) - data : size;
        out.chars.append(data + from, at - from);
        if (!hit)
            break;
        size_t skip = 0;
        if (at + 1 < size && data[at + 1] == '\n')
            skip = 2;
        else if (at + 2 < size && data[at + 1] == '\r' && data[at + 2] == '\n')
            skip = 3;
        if (skip) {
            out.splices.push_back(static_cast<uint32_t>(out.chars.size()));
            from = at + skip;
        } else {
            out.chars.push_back('\\');
            from = at + 1;
        }
    }
    out.size = out.chars.size();
    out.chars.append(4, '\0');
}

bool pp_skip_blanks(PpEntry &e)
{
    const char *s = e.text->chars.data();
    size_t size = e.text->size;
    while (e.pos < size) {
        char c = s[e.pos];
        if (pp_is_blank(c)) {
            e.pos++;
        } else if (c == '/' && s[e.pos + 1] == '*') {
            skip_block_comment(e);
        } else if (c == '/' && s[e.pos + 1] == '/') {
            const void *nl = memchr(s + e.pos, '\n', size - e.pos);
            e.pos = nl ? static_cast<const char *>(nl) - s : size;
        } else {
            return c != '\n';
        }
        e.white = true;
    }
    return false;
}

bool pp_lex_line_token(PpEntry &e, PpToken &t)
{
    if (!pp_skip_blanks(e))
        return false;
    const char *s = e.text->chars.data();
    t.flags = e.white ? PF_WHITE : 0;
    t.param = 0;
    t.line = e.line;
    e.white = false;
    if (!lex_token_at(s, e.text->size, e.pos, t))
        pp_report(PP_WARNING, "UNTERSTRI", "");
    return true;
}

void pp_lex_newline(PpEntry &e)
{
    if (e.pos < e.text->size && e.text->chars[e.pos] == '\n') {
        count_newline(e, e.pos);
        e.pos++;
    }
    e.bol = true;
    e.white = true;
}

void pp_skip_line(PpEntry &e)
{
    const char *s = e.text->chars.data();
    size_t size = e.text->size;
    while (e.pos < size) {
        char c = s[e.pos];
        if (c == '\n')
            return;
        if (c == '/' && s[e.pos + 1] == '*') {
            skip_block_comment(e);
        } else if (c == '/' && s[e.pos + 1] == '/') {
            const void *nl = memchr(s + e.pos, '\n', size - e.pos);
            e.pos = nl ? static_cast<const char *>(nl) - s : size;
        } else if (c == '"' || c == '\'') {
            bool closed;
            e.pos = literal_end(s, size, e.pos, &closed);
        } else {
            e.pos++;
        }
    }
}

void pp_rest_of_line(PpEntry &e, std::string &out)
{
    const char *s = e.text->chars.data();
    size_t size = e.text->size;
    out.clear();
    pp_skip_blanks(e);
    while (e.pos < size && s[e.pos] != '\n') {
        char c = s[e.pos];
        if (c == '/' && (s[e.pos + 1] == '*' || s[e.pos + 1] == '/')) {
            pp_skip_blanks(e);
            out.push_back(' ');
        } else if (c == '"' || c == '\'') {
            bool closed;
            size_t end = literal_end(s, size, e.pos, &closed);
            out.append(s + e.pos, end - e.pos);
            e.pos = end;
        } else {
            out.push_back(c);
            e.pos++;
        }
    }
    while (!out.empty() && pp_is_blank(out.back()))
        out.pop_back();
}

void pp_lex_string(const std::string &text, std::vector<PpToken> &out)
{
    pp_input.texts.emplace_back(new PpText);
    PpText &buffer = *pp_input.texts.back();
    pp_prepare_text(text.data(), text.size(), buffer);
    PpEntry e;
    e.is_file = true;
    e.text = &buffer;
    e.white = false;
    int line = pp_current_file() ? pp_current_file()->line : 0;
    for (;;) {
        PpToken t;
        if (pp_lex_line_token(e, t)) {
            t.line = line;
            out.push_back(t);
            continue;
        }
        if (e.pos >= buffer.size)
            break;
        pp_lex_newline(e);
    }
}

bool pp_lex_single(const char *text, size_t len, PpToken &t)
{
    if (len == 0)
        return false;
    std::string padded(text, len);
    padded.append(4, '\0');
    size_t pos = 0;
    unsigned char c = padded[0];
    if (pp_is_blank(c) || c == '\n')
        return false;
    if (!lex_token_at(padded.data(), len, pos, t) || pos != len)
        return false;
    t.text = pp_store_scratch(text, len);
    return true;
}

/* Pairs of adjacent spellings that would lex as something else. */
bool pp_avoid_paste(const PpToken &a, const PpToken &b)
{
    if (a.len == 0 || b.len == 0)
        return false;
    unsigned char x = a.text[a.len - 1], y = b.text[0];
    bool a_word = a.kind == PK_NAME || a.kind == PK_NUMBER;
    if (a_word && (pp_is_idchar(y) || b.kind == PK_STRING ||
                   b.kind == PK_CHAR || b.kind == PK_NUMBER))
        return true;
    if (a.kind == PK_NUMBER && (y == '.' || y == '+' || y == '-'))
        return true;
    if ((a.kind == PK_STRING || a.kind == PK_CHAR) && pp_is_idchar(y))
        return true;
    if (a.kind == PK_PUNCT || a.kind == PK_OTHER) {
        if (x == '.' && (b.kind == PK_NUMBER || y == '.'))
            return true;
        if (x == '/' && (y == '*' || y == '/'))
            return true;
        if (x && y && strchr("+-*/%<>=!&|^#:.", x) &&
            strchr("+-*/%<>=&|^#:.", y))
            return true;
    }
    return false;
}

const char *pp_store_permanent(const char *text, size_t len)
{
    return arena_store(permanent_arena, text, len);
}

const char *pp_store_scratch(const char *text, size_t len)
{
    return arena_store(scratch_arena, text, len);
}

void pp_clear_scratch()
{
    scratch_arena.chunks.clear();
    scratch_arena.cur = nullptr;
    scratch_arena.used = scratch_arena.cap = 0;
}
