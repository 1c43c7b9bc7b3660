/*
** src/capi/pp/pp_expr.cc
** Evaluation of "#if" and "#elif" expressions.
**
** The line is first rewritten ("#machine(" tests a macro, "#lint(on)" is
** 0) and macro-expanded with "defined" as an operator.  Values are 64 bits
** with an unsigned flag.  The target model is a 32-bit machine: for "*",
** "/", "%" and the relational operators an unsigned operation takes the
** left operand's low 32 bits, and an unsigned left operand of a shift is
** shifted as 32 bits.  "&&" and "||" evaluate both sides.  Reports
** EMPTYEXPR, DIVISZERO, EXPERRONE and ERRAFTEND.
*/
#include "pp_internal.h"

#include "target_sizes.h"

#include <cstdlib>
#include <cstring>

namespace {

struct Value {
    uint64_t v;
    bool is_unsigned;
};

enum { MAX_NESTING = 200 };

/* Parser state over the expanded tokens. */
struct Eval {
    const std::vector<PpToken> &tokens;
    size_t pos = 0;
    bool failed = false;
    size_t fail_pos = 0;     /* token index where the error was seen */
    int nesting = 0;
    explicit Eval(const std::vector<PpToken> &t) : tokens(t) {}
};

Value cond_expr(Eval &ev);

Value fail(Eval &ev)
{
    if (!ev.failed) {
        ev.failed = true;
        ev.fail_pos = ev.pos;
    }
    return Value{0, false};
}

bool at_punct(const Eval &ev, const char *op)
{
    return !ev.failed && ev.pos < ev.tokens.size() &&
           ev.tokens[ev.pos].kind == PK_PUNCT && ev.tokens[ev.pos].is(op);
}

/* 0x hexadecimal, leading 0 octal, else decimal; any mix of L, l, U, u
** after it, U making it unsigned.  False for anything else. */
bool parse_number(const PpToken &t, Value *out)
{
    std::string s = t.str();
    if (s.find('.') != std::string::npos)
        return false;
    size_t i = 0;
    int base = 10;
    if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        i = 2;
        if (i >= s.size() || text_digit_value(s[i]) >= 16)
            return false;
    } else if (s[0] == '0') {
        base = 8;
    }
    uint64_t v = 0;
    for (; i < s.size() && text_digit_value(s[i]) < base; i++)
        v = v * base + text_digit_value(s[i]);
    if (i < s.size() && base != 16 && text_digit_value(s[i]) < 10)
        return false;   /* 8 or 9 in an octal number */
    bool is_unsigned = false;
    for (; i < s.size() && strchr("uUlL", s[i]); i++)
        is_unsigned |= s[i] == 'u' || s[i] == 'U';
    if (i != s.size())
        return false;
    *out = Value{v, is_unsigned};
    return true;
}

/* One character of a constant at s[i] (after any backslash handling). */
unsigned char_escape(const std::string &s, size_t &i)
{
    char c = s[i++];
    if (c != '\\' || i >= s.size())
        return static_cast<unsigned char>(c);
    c = s[i++];
    switch (c) {
    case 'a': return 7;
    case 'b': return 8;
    case 'e': case 'E': return 27;
    case 'f': return 12;
    case 'n': return 10;
    case 'r': return 13;
    case 't': return 9;
    case 'v': return 11;
    case '^':
        if (i >= s.size())
            return '^';
        c = s[i++];
        return c == '?' ? 127 : (static_cast<unsigned char>(c) & 159);
    case 'x': {
        unsigned v = 0;
        while (i < s.size() && text_digit_value(s[i]) < 16)
            v = v * 16 + text_digit_value(s[i++]);
        return v;
    }
    default:
        break;
    }
    if (c >= '0' && c <= '7') {
        unsigned v = c - '0';
        for (int k = 0; k < 2 && i < s.size() && s[i] >= '0' && s[i] <= '7'; k++)
            v = v * 8 + (s[i++] - '0');
        return v;
    }
    return static_cast<unsigned char>(c);
}

/* Character constant: signed chars unless __CHAR_UNSIGNED__ is defined. */
bool parse_char(const PpToken &t, Value *out)
{
    std::string s = t.str();
    size_t open = s.find('\'');
    bool wide = open > 0;
    if (open == std::string::npos || s.size() < open + 3 || s.back() != '\'')
        return false;
    std::string body = s.substr(open + 1, s.size() - open - 2);
    size_t i = 0;
    int count = 0;
    uint64_t v = 0;
    unsigned last = 0;
    while (i < body.size()) {
        last = char_escape(body, i);
        v = ((v << 8) | (last & 0xff)) & 0xffffffffu;
        count++;
    }
    if (count == 0)
        return false;
    bool is_unsigned = pp_is_macro("__CHAR_UNSIGNED__");
    if (wide)
        v = last;
    else if (count == 1 && !is_unsigned)
        v = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int8_t>(v)));
    else if (count > 1)
        v = static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(v)));
    *out = Value{v, is_unsigned};
    return true;
}

/* Bytes of a type named in sizeof: the base types or a pragma size. */
uint64_t size_of_type(const std::vector<std::string> &words)
{
    std::vector<std::string> rest;
    for (const std::string &w : words)
        if (w != "signed" && w != "unsigned")
            rest.push_back(w);
    if (rest.size() > 1 && rest.back() == "int")
        rest.pop_back();
    std::string name = rest.empty() ? "int" : rest[0];
    if (rest.size() == 2 && rest[0] == "long" && rest[1] == "long")
        name = "longlong";
    else if (rest.size() > 1)
        return 0;
    int word = base_size_word(name.c_str()), bits = 0;
    if (word >= 0)
        bits = base_type_bits(word);
    else if (!named_size(name.c_str(), &bits))
        return 0;
    return static_cast<uint64_t>(std::abs(bits) / 8);
}

Value sizeof_expr(Eval &ev)
{
    ev.pos++;
    if (!at_punct(ev, "("))
        return fail(ev);
    ev.pos++;
    std::vector<std::string> words;
    while (ev.pos < ev.tokens.size() && ev.tokens[ev.pos].kind == PK_NAME)
        words.push_back(ev.tokens[ev.pos++].str());
    if (words.empty() || !at_punct(ev, ")"))
        return fail(ev);
    ev.pos++;
    return Value{size_of_type(words), false};
}

Value primary(Eval &ev)
{
    if (ev.failed || ev.pos >= ev.tokens.size())
        return fail(ev);
    const PpToken &t = ev.tokens[ev.pos];
    Value v{0, false};
    switch (t.kind) {
    case PK_NUMBER:
        if (!parse_number(t, &v))
            return fail(ev);
        break;
    case PK_CHAR:
        if (!parse_char(t, &v))
            return fail(ev);
        break;
    case PK_NAME:
        if (t.is("sizeof"))
            return sizeof_expr(ev);
        break;
    case PK_PUNCT:
        if (t.is("(")) {
            ev.pos++;
            v = cond_expr(ev);
            if (!at_punct(ev, ")"))
                return fail(ev);
            break;
        }
        return fail(ev);
    default:
        return fail(ev);
    }
    ev.pos++;
    return v;
}

Value unary(Eval &ev)
{
    if (++ev.nesting > MAX_NESTING) {
        ev.nesting--;
        return fail(ev);
    }
    Value v;
    if (at_punct(ev, "-") || at_punct(ev, "+") || at_punct(ev, "!") ||
        at_punct(ev, "~")) {
        char op = ev.tokens[ev.pos++].text[0];
        v = unary(ev);
        if (op == '-')
            v.v = 0 - v.v;
        else if (op == '~')
            v.v = ~v.v;
        else if (op == '!')
            v = Value{v.v == 0, false};
    } else {
        v = primary(ev);
    }
    ev.nesting--;
    return v;
}

bool signed_less(uint64_t a, uint64_t b)
{
    return static_cast<int64_t>(a) < static_cast<int64_t>(b);
}

/* "<" "<=" ">" ">=": unsigned compares the left's low 32 bits. */
Value relational(const std::string &op, Value a, Value b)
{
    bool u = a.is_unsigned || b.is_unsigned;
    uint64_t x = u ? static_cast<uint32_t>(a.v) : a.v, y = b.v;
    bool lt = u ? x < y : signed_less(x, y);
    bool gt = u ? x > y : signed_less(y, x);
    bool r = op == "<" ? lt : op == ">" ? gt : op == "<=" ? !gt : !lt;
    return Value{r, false};
}

Value multiplicative(char op, Value a, Value b)
{
    bool u = a.is_unsigned || b.is_unsigned;
    if (op != '*' && b.v == 0) {
        pp_report(PP_WARNING, "DIVISZERO", "#if");
        b.v = 1;
    }
    if (u) {
        uint64_t x = static_cast<uint32_t>(a.v);
        uint64_t r = op == '*' ? x * b.v : op == '/' ? x / b.v : x % b.v;
        return Value{r, true};
    }
    int64_t x = static_cast<int64_t>(a.v), y = static_cast<int64_t>(b.v);
    if (op == '*')
        return Value{a.v * b.v, false};
    if (y == -1)   /* avoids the one overflowing division */
        return Value{op == '/' ? 0 - a.v : 0, false};
    return Value{static_cast<uint64_t>(op == '/' ? x / y : x % y), false};
}

Value shift(const std::string &op, Value a, Value b)
{
    if (a.is_unsigned) {
        uint32_t x = static_cast<uint32_t>(a.v);
        unsigned c = b.v & 31;
        uint32_t r = op == "<<" ? x << c : x >> c;
        return Value{r, true};
    }
    unsigned c = b.v & 63;
    if (op == "<<")
        return Value{a.v << c, false};
    return Value{static_cast<uint64_t>(static_cast<int64_t>(a.v) >> c), false};
}

Value apply(const std::string &op, Value a, Value b)
{
    bool u = a.is_unsigned || b.is_unsigned;
    char c = op[0];
    if (op == "*" || op == "/" || op == "%")
        return multiplicative(c, a, b);
    if (op == "<<" || op == ">>")
        return shift(op, a, b);
    if (op == "<" || op == ">" || op == "<=" || op == ">=")
        return relational(op, a, b);
    if (op == "==" || op == "!=")
        return Value{(a.v == b.v) == (op == "=="), false};
    if (op == "&&")
        return Value{a.v != 0 && b.v != 0, false};
    if (op == "||")
        return Value{a.v != 0 || b.v != 0, false};
    uint64_t r = c == '+' ? a.v + b.v : c == '-' ? a.v - b.v
               : c == '&' ? a.v & b.v : c == '^' ? a.v ^ b.v : a.v | b.v;
    return Value{r, u};
}

/* Binary operators by level, lowest precedence first. */
const char *const levels[][5] = {
    {"||"}, {"&&"}, {"|"}, {"^"}, {"&"}, {"==", "!="},
    {"<", "<=", ">", ">="}, {"<<", ">>"}, {"+", "-"}, {"*", "/", "%"}};
const int LEVELS = sizeof levels / sizeof levels[0];

const char *operator_at(const Eval &ev, int level)
{
    for (const char *op : levels[level])
        if (op && at_punct(ev, op))
            return op;
    return nullptr;
}

Value binary(Eval &ev, int level)
{
    if (level == LEVELS)
        return unary(ev);
    Value v = binary(ev, level + 1);
    while (const char *op = operator_at(ev, level)) {
        ev.pos++;
        Value r = binary(ev, level + 1);
        if (ev.failed)
            break;
        v = apply(op, v, r);
    }
    return v;
}

Value cond_expr(Eval &ev)
{
    if (++ev.nesting > MAX_NESTING) {
        ev.nesting--;
        return fail(ev);
    }
    Value c = binary(ev, 0);
    if (at_punct(ev, "?")) {
        ev.pos++;
        Value a = cond_expr(ev);
        if (!at_punct(ev, ":")) {
            ev.nesting--;
            return fail(ev);
        }
        ev.pos++;
        Value b = cond_expr(ev);
        c = c.v ? a : b;
        c.is_unsigned = a.is_unsigned || b.is_unsigned;
    }
    ev.nesting--;
    return c;
}

/* Spelling of tokens [from, to), blanks where the input had them. */
std::string spelling(const std::vector<PpToken> &t, size_t from, size_t to)
{
    std::string out;
    for (size_t i = from; i < to && i < t.size(); i++) {
        if (i > from && (t[i].flags & PF_WHITE))
            out.push_back(' ');
        out.append(t[i].text, t[i].len);
    }
    return out;
}

/* "#machine(" becomes "defined(", "#lint(on)" becomes "(0)". */
void rewrite_machine_lint(std::vector<PpToken> &line)
{
    std::vector<PpToken> out;
    for (size_t i = 0; i < line.size(); i++) {
        bool hash = line[i].kind == PK_PUNCT && line[i].is("#");
        if (hash && i + 2 < line.size() && line[i + 1].is("machine") &&
            line[i + 2].is("(")) {
            PpToken d = line[i + 1];
            d.text = "defined";
            d.len = 7;
            d.flags = PF_WHITE;
            out.push_back(d);
            i++;
        } else if (hash && i + 4 < line.size() && line[i + 1].is("lint") &&
                   line[i + 2].is("(") && line[i + 3].is("on") &&
                   line[i + 4].is(")")) {
            PpToken zero = line[i + 3];
            zero.kind = PK_NUMBER;
            zero.text = "0";
            zero.len = 1;
            out.push_back(line[i + 2]);
            out.push_back(zero);
            out.push_back(line[i + 4]);
            i += 4;
        } else {
            out.push_back(line[i]);
        }
    }
    line.swap(out);
}

} // namespace

bool pp_eval_condition(std::vector<PpToken> &line)
{
    rewrite_machine_lint(line);
    std::vector<PpToken> expanded;
    pp_input.in_if = true;
    pp_expand_tokens(line, expanded);
    pp_input.in_if = false;
    if (pp_input.aborted)
        return false;
    if (expanded.empty()) {
        pp_report(PP_WARNING, "EMPTYEXPR", "#if");
        return false;
    }
    Eval ev(expanded);
    Value v = cond_expr(ev);
    if (ev.failed) {
        std::string read = spelling(expanded, 0, ev.fail_pos + 1);
        if (read.size() > 40)
            read = read.substr(read.size() - 39);
        pp_report(PP_WARNING, "EXPERRONE", read);
        return false;
    }
    if (ev.pos < expanded.size())
        pp_report(PP_WARNING, "ERRAFTEND",
                  spelling(expanded, ev.pos, expanded.size()));
    return v.v != 0;
}
