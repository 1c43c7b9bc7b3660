/*
** src/script/scanner.cc
** Script scanner: characters from the reader to token numbers.
**
** Hand-written rather than generated: continuation lines, the INCLUDE-line
** exception and the line count that push-back corrects all live in the
** reader's character routine, which a generated scanner would bypass with
** its own buffering; and the modes share state (statement start, depths,
** the pending MATCHED keyword) that is plainer as one record.
**
** Modes:
**   SM_LINE_START  after an end of line: "@" starts a native statement line
**   SM_STATEMENT   keywords, punctuation, literals
**   SM_NATIVE      native C text gathered up to ")", ",", "@" at depth 0
**                  or the end of the line; MATCHED-family keywords and REF
**                  interrupt it
**   SM_MATCHED     the arguments of MATCHED( ... ) and its kin
**   SM_CALL_NAME   the word after CALL, whatever it spells
** Every token is the longest match; among equal lengths the keyword wins
** over the identifier.  Inside native text REF is returned as its keyword
** (an identifier rule taking it would make CALL p(REF(x)) unwritable).
*/
#include "script_int.h"
#include "script_gram.hh"

#include "diag.h"

#include <cstring>
#include <string_view>

namespace {

enum ScanMode { SM_LINE_START, SM_STATEMENT, SM_NATIVE, SM_MATCHED, SM_CALL_NAME };

/* Keyword effects, see keywords.def. */
enum {
    KF_PLAIN = 1, KF_NATIVE = 2, KF_INCLUDE = 4, KF_CALL = 8, KF_REF = 16,
    KF_COMMTYPE = 32, KF_TRIGGER = 64
};

/* Scanner flags handed to analysis. */
enum { FLAG_COMMTYPE = 1, FLAG_TRIGGER = 2 };

/* Returned by a scan routine when no token was produced (a skipped
** newline, a file switch, a mode change): scan again. */
const int AGAIN = -1;

struct Keyword {
    int token;
    int effects;
};

struct Scanner {
    ScanMode mode = SM_LINE_START;
    bool line_begin = true;        /* nothing read yet on this line */
    bool last_was_eol = false;
    bool statement_start = true;   /* "(" and "," open native text */
    int paren_depth = 0, bracket_depth = 0;
    int pending_matched = 0;       /* MATCHING( ... token for the "(" */
    int flags = 0;
    std::string text;              /* current token text */
    const char *file = nullptr;    /* where the token started */
    uint32_t line = 0;
    uint32_t include_line = 0;
    int last = 0;                  /* last token returned */
};

Scanner sc;

/* Byte classes.  C_LINE: kept by keep_rest_of_line; C_NATIVE: native
** text that is neither a delimiter, a literal nor a word. */
enum {
    C_BLANK = 1, C_ALPHA = 2, C_DIGIT = 4, C_HEX = 8, C_FILTER = 16, C_LINE = 32,
    C_NATIVE = 64
};

struct ByteClasses {
    unsigned char of[256] = {};
    ByteClasses()
    {
        of[' '] = of['\t'] = of['\f'] = C_BLANK;
        for (int c = 'a'; c <= 'z'; c++)
            of[c] = C_ALPHA;
        for (int c = 'A'; c <= 'Z'; c++)
            of[c] = C_ALPHA | C_FILTER;
        of['_'] = C_ALPHA;
        for (int c = '0'; c <= '9'; c++)
            of[c] = C_DIGIT | C_HEX;
        for (int c = 'a'; c <= 'f'; c++)
            of[c] |= C_HEX;
        for (int c = 'A'; c <= 'F'; c++)
            of[c] |= C_HEX;
        of['+'] = of['~'] = C_FILTER;
        for (int c = 0; c < 256; c++) {
            if (c != '\n' && c != 0)
                of[c] |= C_LINE;
            if (c != '\n' && c != 0 && !strchr("()[],@\"'", c) && !(of[c] & C_ALPHA))
                of[c] |= C_NATIVE;
        }
    }
};

const ByteClasses classes;

inline bool is(int c, int cls)
{
    return c >= 0 && (classes.of[c] & cls);
}

inline bool word_char(int c)
{
    return is(c, C_ALPHA | C_DIGIT);
}

/* text == word, inline: the scanner asks it of most words it reads. */
template <size_t N>
inline bool spelled(std::string_view text, const char (&word)[N])
{
    return text.size() == N - 1 && memcmp(text.data(), word, N - 1) == 0;
}

struct KeywordRow {
    const char *text;
    Keyword keyword;
};

const KeywordRow keyword_rows[] = {
#define KEYWORD(text, token, effects) {text, {TK_##token, effects}},
#include "keywords.def"
#undef KEYWORD
};

/* The keywords by a hash of their spelling, open addressed: a lookup per
** word read costs a short hash and mostly one comparison. */
struct KeywordTable {
    static const size_t SLOTS = 256;   /* a power of two, well above the rows */
    const KeywordRow *slot[SLOTS] = {};

    static size_t hash(const char *text, size_t length)
    {
        uint32_t h = 2166136261u;
        for (size_t i = 0; i < length; i++)
            h = (h ^ static_cast<unsigned char>(text[i])) * 16777619u;
        return h & (SLOTS - 1);
    }

    KeywordTable()
    {
        static_assert(sizeof keyword_rows / sizeof keyword_rows[0] < SLOTS / 2,
                      "keywords.def: the keyword table is too small");
        for (const KeywordRow &row : keyword_rows) {
            size_t at = hash(row.text, strlen(row.text));
            while (slot[at])
                at = (at + 1) & (SLOTS - 1);
            slot[at] = &row;
        }
    }

    const Keyword *find(const std::string &word) const
    {
        for (size_t at = hash(word.data(), word.size()); slot[at]; at = (at + 1) & (SLOTS - 1))
            if (strncmp(slot[at]->text, word.data(), word.size()) == 0 &&
                slot[at]->text[word.size()] == '\0')
                return &slot[at]->keyword;
        return nullptr;
    }
};

const KeywordTable keywords;

/* Appends to the token text; a text beyond the limit ends the run. */
inline void keep(int c)
{
    if (sc.text.size() >= MAX_TOKEN_TEXT)
        report_at(SEV_FATAL, "LEXTKTLNG", QString::fromLocal8Bit(sc.text.c_str()),
                  reader_file_name(), int(reader_line()));
    sc.text.push_back(char(c));
}

/* Appends a run of characters, as keep would one by one. */
void keep_text(const char *text, size_t length)
{
    if (length == 0)
        return;
    if (sc.text.size() + length > MAX_TOKEN_TEXT) {
        for (size_t i = 0; i < length; i++)
            keep(static_cast<unsigned char>(text[i]));   /* reports on the first too many */
        return;
    }
    sc.text.append(text, length);
}

/* Keeps the characters of the class that the reader's window holds from
** here on, read as reader_get would read them one by one: no class
** takes a newline, so no continuation or line count is skipped. */
void keep_window_run(int cls)
{
    ReaderWindow &w = reader_window;
    const char *run = w.at;
    while (run < w.end && (classes.of[static_cast<unsigned char>(*run)] & cls))
        run++;
    keep_text(w.at, size_t(run - w.at));
    w.at = run;
}

void start_token()
{
    sc.text.clear();
    sc.file = reader_file_name();
    sc.line = reader_line();
}

void enter_native()
{
    sc.mode = SM_NATIVE;
    sc.paren_depth = sc.bracket_depth = 0;
}

/* Keeps characters up to (not including) the end of the line.  A NUL
** byte ends the text too, so that no text carries one. */
void keep_rest_of_line()
{
    int c;
    for (;;) {
        keep_window_run(C_LINE);
        if ((c = reader_get()) == '\n' || c == END_OF_INPUT || c == 0)
            break;
        keep(c);
    }
    reader_unget(c);
}

/* Keeps identifier characters; the first is already read. */
void keep_word(int c)
{
    keep(c);
    for (;;) {
        keep_window_run(C_ALPHA | C_DIGIT);
        if (!word_char(c = reader_get()))
            break;
        keep(c);
    }
    reader_unget(c);
}

/* Reads a word into the token text; false (nothing read) if none starts. */
bool scan_word()
{
    int c = reader_get();
    if (!is(c, C_ALPHA)) {
        reader_unget(c);
        return false;
    }
    keep_word(c);
    return true;
}

/* ---- Statement and line-start modes ---- */

int scan_newline()
{
    sc.line_begin = true;
    if (sc.last_was_eol)
        return AGAIN;
    sc.last_was_eol = true;
    sc.statement_start = true;
    sc.mode = SM_LINE_START;
    reader_set_include_line(false);
    return TK_EOL;
}

/* The end of a file ends its last line; then the including file resumes. */
int scan_end_of_file()
{
    if (!sc.last_was_eol && sc.last != 0)
        return scan_newline();
    if (reader_end_of_file())
        return 0;
    sc.line_begin = true;
    return AGAIN;
}

void skip_comment()
{
    int c;
    while ((c = reader_get()) != '\n' && c != END_OF_INPUT)
        ;
    reader_unget(c);
}

int scan_filter(int c)
{
    keep(c);
    int token = TK_FILTER;
    int next = reader_get();
    if (next == '%') {
        keep(next);
        token = TK_FILTER2;
    } else {
        reader_unget(next);
    }
    while (is(next = reader_get(), C_FILTER))
        keep(next);
    reader_unget(next);
    return token;
}

int scan_line_token(int c, int token)
{
    keep(c);
    keep_rest_of_line();
    return token;
}

int scan_punctuation(int c)
{
    keep(c);
    switch (c) {
    case '(':
        if (sc.statement_start)
            enter_native();
        return TK_LPAREN;
    case ',':
        if (sc.statement_start)
            enter_native();
        return TK_COMMA;
    case '@':
        enter_native();
        return TK_AT;
    case ')': return TK_RPAREN;
    case '[': return TK_LBRACKET;
    case ']': return TK_RBRACKET;
    case ':': return TK_COLON;
    case ';': return TK_SEMICOLON;
    default: return TK_UNKNOWN;
    }
}

/* "=>" and "..."; a lone "=" or "." is an unknown sequence. */
int scan_symbol(int c)
{
    keep(c);
    int next = reader_get();
    if (c == '=' && next == '>') {
        keep(next);
        return TK_ARROW;
    }
    if (c == '.' && next == '.') {
        int third = reader_get();
        if (third == '.') {
            keep(next);
            keep(third);
            return TK_ELLIPSIS;
        }
        reader_unget(third);
    }
    reader_unget(next);
    return TK_UNKNOWN;
}

int scan_number(int c)
{
    keep(c);
    int next = reader_get();
    if (c == '0' && (next == 'x' || next == 'X')) {
        int digit = reader_get();
        if (is(digit, C_HEX)) {
            keep(next);
            next = digit;
            while (is(next, C_HEX)) {
                keep(next);
                next = reader_get();
            }
        } else {
            reader_unget(digit);
        }
    } else {
        while (is(next, C_DIGIT)) {
            keep(next);
            next = reader_get();
        }
    }
    if (next == 'L')
        keep(next);
    else
        reader_unget(next);
    return TK_NUMBER;
}

/* A string literal; "\\" and "\"" inside are reduced, other escapes kept.
** An unterminated string runs to the end of the line and is an unknown
** sequence. */
int scan_string(int c)
{
    keep(c);
    for (;;) {
        c = reader_get();
        if (c == '\n' || c == END_OF_INPUT || c == 0) {
            reader_unget(c);
            return TK_UNKNOWN;
        }
        if (c == '"') {
            keep(c);
            return TK_STRING;
        }
        if (c == '\\') {
            int next = reader_get();
            if (next == '\\' || next == '"') {
                keep(next);
                continue;
            }
            keep(c);
            c = next;
            if (c == '\n' || c == END_OF_INPUT || c == 0) {
                reader_unget(c);
                return TK_UNKNOWN;
            }
        }
        keep(c);
    }
}

/* Reads the rest of a character constant after its opening quote: one
** character, or a backslash and up to three more, then the quote.  False
** (with everything pushed back) when it is not one. */
bool read_char_constant(std::vector<int> &body)
{
    int c = reader_get();
    body.push_back(c);
    int limit = c == '\\' ? 4 : 1;
    if (c == '\'' || c == '\n' || c == END_OF_INPUT || c == 0)
        limit = 0;
    for (int i = 0; i < limit; i++) {
        c = reader_get();
        body.push_back(c);
        if (c == '\'' && (i > 0 || limit == 1))
            return true;
        if (c == '\n' || c == END_OF_INPUT || c == 0)
            break;
    }
    for (size_t i = body.size(); i-- > 0;)
        reader_unget(body[i]);
    return false;
}

int scan_char_constant(int c)
{
    keep(c);
    std::vector<int> body;
    if (!read_char_constant(body))
        return TK_UNKNOWN;
    for (int b : body)
        keep(b);
    return TK_CHARCONST;
}

int scan_envvar(int c)
{
    keep(c);
    return scan_word() ? TK_ENVVAR : TK_UNKNOWN;
}

/* identifier "::" identifier ...; the first word is in the token text. */
int scan_scoped()
{
    int token = TK_IDENT;
    for (;;) {
        int first = reader_get();
        if (first != ':') {
            reader_unget(first);
            return token;
        }
        int second = reader_get();
        int start = reader_get();
        if (second != ':' || !is(start, C_ALPHA)) {
            reader_unget(start);
            reader_unget(second);
            reader_unget(first);
            return token;
        }
        keep(first);
        keep(second);
        keep_word(start);
        token = TK_SCOPED_IDENT;
    }
}

/* INIT=, EV=, VA=, EV==, FORMAT= and COMMENT: a word followed by the rest
** of a text.  0 when the word is not one of them (nothing consumed). */
int scan_valued_keyword()
{
    const std::string &w = sc.text;
    int next = reader_get();
    bool init = spelled(w, "INIT"), ev = spelled(w, "EV");
    if (next == '=' && (init || ev || spelled(w, "VA"))) {
        keep(next);
        int after = reader_get();
        if (ev && after == '=') {
            keep(after);
            return TK_EV_EQEQ;
        }
        reader_unget(after);
        keep_rest_of_line();
        return init ? TK_INIT_EQ : TK_EV_EQ;
    }
    if (next == '=' && spelled(w, "FORMAT")) {
        keep(next);
        scan_word();
        enter_native();
        return TK_FORMAT_EQ;
    }
    if ((next == ' ' || next == '\t') && spelled(w, "COMMENT")) {
        keep(next);
        keep_rest_of_line();
        return TK_COMMENT;
    }
    reader_unget(next);
    return 0;
}

/* COMMTYPE and TRIGGER exclude each other: the second one seen, and any
** later one, is an unknown sequence. */
int exclusive_keyword(int token, int own, int other)
{
    bool refused = sc.flags & other;
    sc.flags |= own;
    return refused ? TK_UNKNOWN : token;
}

int apply_keyword(const Keyword &k)
{
    if (k.effects & KF_COMMTYPE &&
        exclusive_keyword(k.token, FLAG_COMMTYPE, FLAG_TRIGGER) == TK_UNKNOWN)
        return TK_UNKNOWN;
    if (k.effects & KF_TRIGGER &&
        exclusive_keyword(k.token, FLAG_TRIGGER, FLAG_COMMTYPE) == TK_UNKNOWN)
        return TK_UNKNOWN;
    if (k.effects & KF_PLAIN)
        sc.statement_start = false;
    if (k.effects & KF_NATIVE)
        enter_native();
    if (k.effects & KF_INCLUDE) {
        reader_set_include_line(true);
        sc.include_line = sc.line;
    }
    if (k.effects & KF_CALL)
        sc.mode = SM_CALL_NAME;
    return k.token;
}

int scan_word_token(int c)
{
    keep_word(c);
    if (int token = scan_valued_keyword())
        return token;
    if (const Keyword *k = keywords.find(sc.text))
        return apply_keyword(*k);
    return scan_scoped();
}

/* Skips blanks and "--" comments; returns the first other character. */
int skip_blanks()
{
    for (;;) {
        ReaderWindow &w = reader_window;
        if (w.at < w.end && is(static_cast<unsigned char>(*w.at), C_BLANK)) {
            while (w.at < w.end && is(static_cast<unsigned char>(*w.at), C_BLANK))
                w.at++;   /* as reader_get would read them: no newline */
            sc.line_begin = false;
        }
        int c = reader_get();
        if (c == '-') {
            int next = reader_get();
            if (next != '-') {
                reader_unget(next);
                return c;
            }
            skip_comment();
        } else if (!is(c, C_BLANK)) {
            return c;
        }
        sc.line_begin = false;
    }
}

/* One token in line-start or statement mode. */
int scan_statement()
{
    int c = skip_blanks();
    start_token();
    if (c == END_OF_INPUT)
        return scan_end_of_file();
    if (c == '\n') {
        sc.line--;   /* an end of line belongs to the line it ends */
        return scan_newline();
    }
    bool line_begin = sc.line_begin;
    sc.line_begin = false;
    ScanMode mode = sc.mode;
    sc.mode = SM_STATEMENT;
    if (c == '%' && line_begin) {
        sc.mode = mode;   /* a filter keeps the line start */
        return scan_filter(c);
    }
    if (c == '@' && mode == SM_LINE_START)
        return scan_line_token(c, TK_AT_LINE);
    if (c == '#')
        return scan_line_token(c, TK_HASH_LINE);
    if (is(c, C_DIGIT))
        return scan_number(c);
    if (is(c, C_ALPHA))
        return scan_word_token(c);
    switch (c) {
    case '"': return scan_string(c);
    case '\'': return scan_char_constant(c);
    case '$': return scan_envvar(c);
    case '=':
    case '.': return scan_symbol(c);
    case 0: return TK_UNKNOWN;   /* never kept: texts carry no NUL */
    default: return scan_punctuation(c);
    }
}

/* ---- Native-expression mode ---- */

/* Ends the native text before c (pushed back). */
int end_native(int c)
{
    reader_unget(c);
    sc.mode = SM_STATEMENT;
    return TK_NATIVE_TEXT;
}

int matched_token(std::string_view word)
{
    if (spelled(word, "MATCHING")) return TK_MATCHING_LP;
    if (spelled(word, "MATCHED")) return TK_MATCHED_LP;
    if (spelled(word, "NOTMATCHING")) return TK_NOTMATCHING_LP;
    if (spelled(word, "NOTMATCHED")) return TK_NOTMATCHED_LP;
    return 0;
}

bool only_blanks(const std::string &text)
{
    for (char c : text)
        if (!is(static_cast<unsigned char>(c), C_BLANK))
            return false;
    return true;
}

/* A word inside native text.  MATCHED( and its kin end the text before
** them; REF is returned as its keyword, after the text before it if that
** is more than blanks.  Returns a token, or 0 when the word is kept. */
/* native_word on a word that the reader's window holds whole, with the
** blanks and the character after it: the same decisions, taken without
** reading and pushing back.  False when the window does not hold it all
** (the character after may then be a continuation or the end). */
bool native_word_in_window(int c, int &token)
{
    ReaderWindow &w = reader_window;
    if (w.held || w.at <= w.begin || static_cast<unsigned char>(w.at[-1]) != c)
        return false;
    const char *start = w.at - 1, *after = w.at;
    while (after < w.end && word_char(static_cast<unsigned char>(*after)))
        after++;
    const char *next = after;
    while (next < w.end && is(static_cast<unsigned char>(*next), C_BLANK))
        next++;
    if (next >= w.end || *next == '\n')
        return false;
    std::string_view word(start, size_t(after - start));
    int matched = matched_token(word);
    if (matched && *next == '(') {
        w.at = next;
        sc.pending_matched = matched;
        sc.mode = SM_MATCHED;
        token = TK_NATIVE_TEXT;
    } else if (spelled(word, "REF") && !only_blanks(sc.text)) {
        w.at = start;
        token = end_native(END_OF_INPUT);
    } else if (spelled(word, "REF")) {
        sc.text.assign(word);
        w.at = after;
        sc.mode = SM_STATEMENT;
        token = TK_REF;
    } else {
        keep_text(start, word.size());
        w.at = after;
        token = 0;
    }
    return true;
}

int native_word(int c)
{
    if (int token; native_word_in_window(c, token))
        return token;
    std::string word(1, char(c));
    while (word_char(c = reader_get()))
        word.push_back(char(c));
    std::string blanks;
    while (is(c, C_BLANK)) {
        blanks.push_back(char(c));
        c = reader_get();
    }
    int token = matched_token(word);
    if (token && c == '(') {
        reader_unget(c);
        sc.pending_matched = token;
        sc.mode = SM_MATCHED;
        return TK_NATIVE_TEXT;
    }
    reader_unget(c);
    for (size_t i = blanks.size(); i-- > 0;)
        reader_unget(static_cast<unsigned char>(blanks[i]));
    if (spelled(word, "REF")) {
        if (!only_blanks(sc.text)) {
            for (size_t i = word.size(); i-- > 0;)
                reader_unget(static_cast<unsigned char>(word[i]));
            return end_native(END_OF_INPUT);
        }
        sc.text = word;
        sc.mode = SM_STATEMENT;
        return TK_REF;
    }
    for (char w : word)
        keep(static_cast<unsigned char>(w));
    return 0;
}

/* Keeps a string or character literal of native text whole, so that its
** parentheses and commas do not count; it ends at the end of the line. */
void native_literal(int quote)
{
    keep(quote);
    int c;
    while ((c = reader_get()) != '\n' && c != END_OF_INPUT && c != 0) {
        keep(c);
        if (c == quote)
            return;
        if (c == '\\') {
            c = reader_get();
            if (c == '\n' || c == END_OF_INPUT || c == 0)
                break;
            keep(c);
        }
    }
    reader_unget(c);
}

/* Depth bookkeeping; true when c ends the native text. */
bool native_delimiter(int c)
{
    bool outer = sc.paren_depth == 0 && sc.bracket_depth == 0;
    if (outer && (c == ')' || c == ',' || c == '@'))
        return true;
    if (c == '(')
        sc.paren_depth++;
    else if (c == '[')
        sc.bracket_depth++;
    else if (c == ')' && sc.paren_depth > 0)
        sc.paren_depth--;
    else if (c == ']' && sc.bracket_depth > 0)
        sc.bracket_depth--;
    return false;
}

/* Native text up to a delimiter at depth 0 or the end of the line.  The
** end of the line ends it at any depth: an unbalanced "(" must not take
** the following lines with it. */
int scan_native()
{
    start_token();
    for (;;) {
        int c = reader_get();
        if (c == '\n' || c == END_OF_INPUT || c == 0)
            return end_native(c);
        if (native_delimiter(c))
            return end_native(c);
        if (c == '"' || c == '\'') {
            native_literal(c);
        } else if (is(c, C_ALPHA)) {
            if (int token = native_word(c))
                return token;
        } else {
            keep(c);
            keep_window_run(C_NATIVE);
        }
    }
}

/* ---- MATCHED-arguments and CALL-name modes ---- */

int scan_matched()
{
    int c = reader_get();
    while (is(c, C_BLANK))
        c = reader_get();
    start_token();
    if (c == '\n' || c == END_OF_INPUT) {
        reader_unget(c);
        sc.mode = SM_STATEMENT;
        return AGAIN;
    }
    if (is(c, C_ALPHA)) {
        keep_word(c);
        return TK_IDENT;
    }
    keep(c == 0 ? ' ' : c);
    switch (c) {
    case '(':
        if (sc.pending_matched) {
            int token = sc.pending_matched;
            sc.pending_matched = 0;
            return token;
        }
        return TK_LPAREN;
    case ',': return TK_MCOMMA;
    case ')':
        sc.mode = SM_NATIVE;   /* the expression goes on at its depths */
        return TK_MRPAREN;
    default: return TK_UNKNOWN;
    }
}

int scan_call_name()
{
    int c = reader_get();
    while (is(c, C_BLANK))
        c = reader_get();
    start_token();
    if (!is(c, C_ALPHA)) {
        reader_unget(c);
        sc.mode = SM_STATEMENT;
        return AGAIN;
    }
    keep_word(c);
    sc.mode = SM_LINE_START;
    return TK_IDENT;
}

int scan_once()
{
    switch (sc.mode) {
    case SM_NATIVE: return scan_native();
    case SM_MATCHED: return scan_matched();
    case SM_CALL_NAME: return scan_call_name();
    default: return scan_statement();
    }
}

} // namespace

void scanner_reset()
{
    sc = Scanner();
}

int next_token()
{
    int token;
    while ((token = scan_once()) == AGAIN)
        ;
    if (token != TK_EOL)
        sc.last_was_eol = false;
    sc.last = token;
    return token;
}

const std::string &token_text()
{
    return sc.text;
}

const char *token_file()
{
    return sc.file;
}

uint32_t token_line()
{
    return sc.line;
}

int last_token()
{
    return sc.last;
}

int scanner_flags()
{
    return sc.flags;
}

uint32_t include_keyword_line()
{
    return sc.include_line;
}
