/*
** src/capi/pp/pp_macro.cc
** The macro table, "#define"/"#undef", built-in macros and expansion.
**
** The table has 1403 buckets; a new macro goes to the head of its chain
** (kept as the last slot of the chain's array, so a lookup scans hashes
** in contiguous memory).
** Expansion follows the usual C model: arguments are collected (across
** lines and the end of enclosing expansions), fully expanded unless next
** to "#" or "##", substituted, pasted, and the result is pushed on the
** input stack to be rescanned.  A macro is disabled while its expansion
** is on the stack, and a name met while its macro is disabled is marked
** never to expand, so "#define a a" terminates.
*/
#include "pp_internal.h"

#include <cstring>
#include <ctime>

PpMacros pp_macros;

PpMacros::~PpMacros()
{
    for (std::vector<PpBucketSlot> &chain : buckets)
        for (PpBucketSlot &slot : chain)
            delete slot.macro;
}

namespace {

const char *const month_names[12] = {"Jan", "Feb", "Mar", "Apr",
                                     "May", "Jun", "Jul", "Aug",
                                     "Sep", "Oct", "Nov", "Dec"};

unsigned long macro_changes = 0;   /* see pp_macro_serial */

void insert_macro(PpMacro *m)
{
    macro_changes++;
    uint32_t h = pp_name_hash(m->name.data(), m->name.size());
    pp_macros.buckets[h % PP_MACRO_BUCKETS].push_back(PpBucketSlot{h, m});
}

/* Unlinks `m`; it is kept alive until the run ends. */
void remove_macro(PpMacro *m)
{
    macro_changes++;
    uint32_t h = pp_name_hash(m->name.data(), m->name.size());
    std::vector<PpBucketSlot> &chain = pp_macros.buckets[h % PP_MACRO_BUCKETS];
    for (size_t i = chain.size(); i-- > 0;)
        if (chain[i].macro == m) {
            chain.erase(chain.begin() + i);
            pp_macros.retired.emplace_back(m);
            return;
        }
}

std::string spelling_of(const std::vector<PpToken> &tokens, size_t from)
{
    std::string out;
    for (size_t i = from; i < tokens.size(); i++) {
        if (i > from && (tokens[i].flags & PF_WHITE))
            out.push_back(' ');
        out.append(tokens[i].text, tokens[i].len);
    }
    return out;
}

int param_index(const PpMacro &m, const PpToken &t)
{
    for (size_t k = 0; k < m.params.size(); k++)
        if (t.len == m.params[k].size() &&
            memcmp(t.text, m.params[k].data(), t.len) == 0)
            return static_cast<int>(k);
    return -1;
}

/* Parameter list from the "(" at line[i]; leaves i after ")".
** Reports PARASTART, BADPARDEF, UNTPARDEF. */
bool parse_params(const std::vector<PpToken> &line, size_t &i, PpMacro &m)
{
    size_t n = line.size();
    if (++i < n && line[i].is(")")) {
        i++;
        return true;
    }
    for (;;) {
        if (i >= n) {
            pp_report(PP_WARNING, "UNTPARDEF", m.name);
            return false;
        }
        const PpToken &p = line[i];
        if (m.variadic) {
            pp_report(PP_WARNING, "BADPARDEF", "another parameter follow \"...\"");
            return false;
        }
        if (p.kind == PK_NUMBER) {
            pp_report(PP_WARNING, "PARASTART", p.str());
            return false;
        }
        if (p.kind == PK_PUNCT && p.is("...")) {
            m.variadic = true;
            m.params.push_back("__VA_ARGS__");
        } else if (p.kind == PK_PUNCT && p.text[0] == '.') {
            pp_report(PP_WARNING, "BADPARDEF", "\"...\" expected");
            return false;
        } else if (p.kind != PK_NAME || param_index(m, p) >= 0 ||
                   p.is("__VA_ARGS__")) {
            pp_report(PP_WARNING, "BADPARDEF", spelling_of(line, i));
            return false;
        } else {
            m.params.push_back(p.str());
            /* NAME... : a variadic parameter with its own name. */
            if (i + 1 < n && line[i + 1].is("...")) {
                m.variadic = true;
                i++;
            }
        }
        if (++i >= n) {
            pp_report(PP_WARNING, "UNTPARDEF", m.name);
            return false;
        }
        if (line[i].is(")")) {
            i++;
            return true;
        }
        if (!line[i].is(",")) {
            pp_report(PP_WARNING, "BADPARDEF",
                      line[i].text[0] == '.' ? std::string("\"...\" expected")
                                             : spelling_of(line, i));
            return false;
        }
        i++;
    }
}

/* Body from line[i]: parameters, "#" parameter, "##" as a flag on the
** token before it.  Reports OPERMACRO (the definition is dropped). */
bool build_body(PpMacro &m, const std::vector<PpToken> &line, size_t i)
{
    for (size_t j = i; j < line.size(); j++) {
        PpToken t = line[j];
        t.flags = (j == i) ? 0 : (t.flags & PF_WHITE);
        if (t.kind == PK_PUNCT && t.is("##")) {
            if (!m.body.empty())
                m.body.back().flags |= PF_PASTE_LEFT;
            continue;
        }
        if (m.function_like && t.kind == PK_PUNCT && t.is("#")) {
            int p = j + 1 < line.size() && line[j + 1].kind == PK_NAME
                        ? param_index(m, line[j + 1]) : -1;
            if (p < 0) {
                pp_report(PP_WARNING, "OPERMACRO", m.name);
                return false;
            }
            t.kind = PK_PARAM;
            t.param = static_cast<uint16_t>(p);
            t.flags |= PF_STRINGIFY;
            j++;
        } else if (m.function_like && t.kind == PK_NAME) {
            int p = param_index(m, t);
            if (p >= 0) {
                t.kind = PK_PARAM;
                t.param = static_cast<uint16_t>(p);
            }
        }
        t.text = pp_store_permanent(t.text, t.len);
        m.body.push_back(t);
    }
    if (!m.body.empty())
        m.body.back().flags &= ~PF_PASTE_LEFT;
    for (size_t j = i; j < line.size(); j++)
        m.key.append(line[j].text, line[j].len);
    return true;
}

/* A definition replaces an existing one unless both agree in parameters
** and in body, blanks aside (IDENREDEF otherwise, not for __STDC__). */
void install_macro(std::unique_ptr<PpMacro> m)
{
    PpMacro *old = pp_lookup(m->name.data(), m->name.size());
    if (old) {
        if (old->kind == MK_ORDINARY &&
            old->function_like == m->function_like &&
            old->params == m->params && old->key == m->key)
            return;
        if (m->name != "__STDC__")
            pp_report(PP_WARNING, "IDENREDEF", m->name);
        remove_macro(old);
    }
    insert_macro(m.release());
}

/* ---- Expansion ---- */

void push_back_token(const PpToken &t)
{
    PpEntry ctx;
    ctx.tokens.push_back(t);
    pp_push_entry(std::move(ctx), "");
}

std::string quoted(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

PpEntry *outermost_file()
{
    for (PpEntry &e : pp_input.stack)
        if (e.is_file)
            return &e;
    return nullptr;
}

/* The text of a built-in macro; false after INVHASTYP (fatal). */
bool builtin_text(const PpMacro &m, const PpToken &name, std::string &out,
                  uint8_t *kind)
{
    PpEntry *file = pp_current_file();
    *kind = PK_STRING;
    switch (m.kind) {
    case MK_LINE:
    case MK_INCLUDE_LEVEL:
        *kind = PK_NUMBER;
        if (!file || !file->name)
            pp_report(PP_WARNING, "FICINCONN", m.name);
        checked_sprintf(out, "%d",
                        m.kind == MK_LINE ? name.line : pp_file_count() - 1);
        return true;
    case MK_FILE:
    case MK_BASE_FILE: {
        PpEntry *which = m.kind == MK_FILE ? file : outermost_file();
        out = which && which->name ? quoted(*which->name) : "\"\"";
        return true;
    }
    case MK_DATE:
    case MK_TIME: {
        struct tm when = run_broken_down_time();
        if (m.kind == MK_DATE)
            checked_sprintf(out, "\"%s %2d %4d\"", month_names[when.tm_mon % 12],
                            when.tm_mday, when.tm_year + 1900);
        else
            checked_sprintf(out, "\"%02d:%02d:%02d\"", when.tm_hour,
                            when.tm_min, when.tm_sec);
        return true;
    }
    case MK_STDC:
        *kind = PK_NUMBER;
        out = "0";
        return true;
    default:
        checked_sprintf(out, "%d", m.kind);
        pp_report(PP_FATAL, "INVHASTYP", out);
        return false;
    }
}

bool expand_builtin(const PpMacro &m, const PpToken &name)
{
    std::string text;
    PpToken t;
    if (!builtin_text(m, name, text, &t.kind))
        return true;
    t.text = pp_store_scratch(text.data(), text.size());
    t.len = static_cast<uint32_t>(text.size());
    t.flags = (name.flags & PF_WHITE) | PF_EXPANDED;
    t.line = name.line;
    push_back_token(t);
    return true;
}

/* Reads the "(" of a call; any other token is pushed back. */
bool find_open_paren()
{
    PpToken t;
    pp_get_raw(t);
    if (t.kind == PK_PUNCT && t.is("("))
        return true;
    if (t.kind != PK_EOF)
        push_back_token(t);
    return false;
}

typedef std::vector<std::vector<PpToken>> ArgList;

/* Arguments up to the matching ")": split at top-level commas, the
** variadic part kept whole.  ERRINLINE when the input ends first. */
void collect_args(const PpMacro &m, ArgList &args)
{
    args.emplace_back();
    size_t nparams = m.params.size();
    int depth = 0;
    for (;;) {
        PpToken t;
        pp_get_raw(t);
        if (t.kind == PK_EOF) {
            if (!pp_input.aborted)
                pp_report(PP_WARNING, "ERRINLINE", "unterminated macro call");
            return;
        }
        if (t.kind == PK_PUNCT && t.len == 1) {
            char c = t.text[0];
            if (c == '(') {
                depth++;
            } else if (c == ')') {
                if (depth == 0)
                    return;
                depth--;
            } else if (c == ',' && depth == 0 &&
                       !(m.variadic && args.size() >= nparams)) {
                args.emplace_back();
                continue;
            }
        }
        args.back().push_back(t);
    }
}

size_t text_length(const std::vector<PpToken> &tokens)
{
    size_t n = 0;
    for (const PpToken &t : tokens)
        n += t.len + ((t.flags & PF_WHITE) != 0);
    return n;
}

/* Argument-count diagnostics (warnings; the call is expanded with what
** was given) and the variadic size limit (TOMANYARG, fatal). */
bool check_args(const PpMacro &m, ArgList &args)
{
    size_t nparams = m.params.size();
    size_t named = m.variadic ? nparams - 1 : nparams;
    size_t given = (args.size() == 1 && args[0].empty()) ? 0 : args.size();
    if (nparams == 0) {
        if (given > 0)
            pp_report(PP_WARNING, "ARGTOMACR", m.name);
    } else if (given == 0 && named > 0) {
        if (!(pp_input.options.kr && nparams == 1 && !m.variadic))
            pp_report(PP_WARNING, "NOARTOMAC", m.name);
    } else if (!m.variadic && given > nparams) {
        pp_report(PP_WARNING, "TOMANYARG", m.name);
    } else if (given < named) {
        pp_report(PP_WARNING, "NBARGMACR", m.name);
    }
    args.resize(nparams);
    if (m.variadic && text_length(args.back()) > PP_VARIADIC_LIMIT) {
        pp_report(PP_FATAL, "TOMANYARG", m.name);
        return false;
    }
    return true;
}

/* "#" operand: the argument's spelling quoted, quotes and backslashes
** escaped, other unprintable bytes as three-digit octal escapes. */
PpToken stringize(const std::vector<PpToken> &arg)
{
    std::string s = "\"";
    for (size_t i = 0; i < arg.size(); i++) {
        if (i > 0 && (arg[i].flags & PF_WHITE))
            s.push_back(' ');
        for (uint32_t k = 0; k < arg[i].len; k++) {
            unsigned char c = arg[i].text[k];
            if (c == '"' || c == '\\') {
                s.push_back('\\');
                s.push_back(c);
            } else if (c < 0x20 || c > 0x7e) {
                char octal[8];
                snprintf(octal, sizeof octal, "\\%03o", c);
                s += octal;
            } else {
                s.push_back(c);
            }
        }
    }
    s.push_back('"');
    PpToken t;
    t.kind = PK_STRING;
    t.text = pp_store_scratch(s.data(), s.size());
    t.len = static_cast<uint32_t>(s.size());
    return t;
}

/* Charges `count` produced tokens to the text's expansion budget; past it,
** NBRECURSI (fatal) abandons the text. */
bool charge_expansion(size_t count, const std::string &name)
{
    pp_input.expanded += count;
    if (pp_input.expanded <= PP_EXPANSION_LIMIT)
        return true;
    if (!pp_input.aborted)
        pp_report(PP_FATAL, "NBRECURSI", name);
    pp_input.aborted = true;
    return false;
}

void append_arg(std::vector<PpToken> &out, const std::vector<PpToken> &arg,
                uint8_t body_flags)
{
    size_t first = out.size();
    out.insert(out.end(), arg.begin(), arg.end());
    for (size_t k = first; k < out.size(); k++)
        out[k].flags &= ~(PF_PASTE_LEFT | PF_BOL);
    out[first].flags = (out[first].flags & ~PF_WHITE) | (body_flags & PF_WHITE);
    out.back().flags |= body_flags & PF_PASTE_LEFT;
}

void paste_pair(std::vector<PpToken> &out, const PpToken &right)
{
    PpToken &left = out.back();
    uint8_t left_white = left.flags & PF_WHITE;
    if (left.kind == PK_PLACEMARKER) {
        left = right;
        left.flags = (right.flags & ~PF_WHITE) | left_white;
        return;
    }
    if (right.kind == PK_PLACEMARKER) {
        left.flags = (left.flags & ~PF_PASTE_LEFT) |
                     (right.flags & PF_PASTE_LEFT);
        return;
    }
    std::string joined(left.text, left.len);
    joined.append(right.text, right.len);
    PpToken pasted;
    if (pp_lex_single(joined.data(), joined.size(), pasted)) {
        pasted.flags = left_white | (right.flags & PF_PASTE_LEFT);
        pasted.line = left.line;
        left = pasted;
    } else {
        /* Not one token: both stay, as written. */
        left.flags &= ~PF_PASTE_LEFT;
        out.push_back(right);
    }
}

void paste_and_clean(std::vector<PpToken> &tokens)
{
    std::vector<PpToken> out;
    out.reserve(tokens.size());
    for (const PpToken &t : tokens) {
        if (!out.empty() && (out.back().flags & PF_PASTE_LEFT))
            paste_pair(out, t);
        else
            out.push_back(t);
    }
    tokens.clear();
    for (const PpToken &t : out)
        if (t.kind != PK_PLACEMARKER)
            tokens.push_back(t);
}

/* The body with the arguments in place, pasted. */
void substitute(const PpMacro &m, const ArgList &args,
                std::vector<PpToken> &out)
{
    ArgList expanded(args.size());
    std::vector<bool> done(args.size(), false);
    bool pastes = false;
    for (size_t i = 0; i < m.body.size(); i++) {
        const PpToken &b = m.body[i];
        pastes |= (b.flags & PF_PASTE_LEFT) != 0;
        if (b.kind != PK_PARAM) {
            out.push_back(b);
            continue;
        }
        bool by_paste = (b.flags & PF_PASTE_LEFT) ||
                        (i > 0 && (m.body[i - 1].flags & PF_PASTE_LEFT));
        const std::vector<PpToken> *arg = &args[b.param];
        if (b.flags & PF_STRINGIFY) {
            out.push_back(stringize(*arg));
            out.back().flags = b.flags & (PF_WHITE | PF_PASTE_LEFT);
            continue;
        }
        if (!by_paste) {
            if (!done[b.param]) {
                pp_expand_tokens(*arg, expanded[b.param]);
                done[b.param] = true;
            }
            arg = &expanded[b.param];
        }
        if (!charge_expansion(arg->size(), m.name))
            return;
        if (!arg->empty()) {
            append_arg(out, *arg, b.flags);
        } else if (by_paste) {
            PpToken mark;
            mark.kind = PK_PLACEMARKER;
            mark.flags = b.flags & (PF_WHITE | PF_PASTE_LEFT);
            out.push_back(mark);
        }
    }
    if (pastes)
        paste_and_clean(out);
}

/* Expands `m` named by `name`: pushes the result and returns true, or
** returns false for a function-like name without "(". */
bool enter_macro(PpMacro *m, const PpToken &name)
{
    pp_input.expansion_seen = true;
    if (m->kind != MK_ORDINARY)
        return expand_builtin(*m, name);
    ArgList args;
    if (m->function_like) {
        if (!find_open_paren())
            return false;
        collect_args(*m, args);
        if (pp_input.aborted || !check_args(*m, args))
            return true;
    }
    PpEntry ctx;
    if (!charge_expansion(m->body.size(), m->name))
        return true;
    substitute(*m, args, ctx.tokens);
    if (pp_input.aborted)
        return true;
    for (PpToken &t : ctx.tokens) {
        t.line = name.line;
        t.flags = (t.flags & ~PF_BOL) | PF_EXPANDED;
    }
    if (!ctx.tokens.empty())
        ctx.tokens[0].flags = (ctx.tokens[0].flags & ~PF_WHITE) |
                              (name.flags & PF_WHITE);
    ctx.macro = m;
    pp_push_entry(std::move(ctx), m->name.c_str());
    return true;
}

/* "defined NAME" or "defined ( NAME )" inside #if: a number token. */
void expand_defined(PpToken &t)
{
    PpToken name;
    pp_get_raw(name);
    bool paren = name.kind == PK_PUNCT && name.is("(");
    if (paren)
        pp_get_raw(name);
    bool ok = name.kind == PK_NAME;
    bool value = ok && pp_lookup(name.text, name.len) != nullptr;
    if (ok && paren) {
        PpToken close;
        pp_get_raw(close);
        ok = close.kind == PK_PUNCT && close.is(")");
    }
    if (!ok)
        pp_report(PP_WARNING, "ERDEFINED", "");
    t.kind = PK_NUMBER;
    t.text = value ? "1" : "0";
    t.len = 1;
    t.flags = PF_WHITE;
}

} // namespace

uint32_t pp_name_hash(const char *name, size_t len)
{
    uint32_t h = 0;
    for (size_t i = 0; i < len; i++)
        h = h * 4 + static_cast<unsigned char>(name[i]);
    return h & 0x7fffffffu;
}

unsigned pp_macro_hash(const char *name, size_t len)
{
    return pp_name_hash(name, len) % PP_MACRO_BUCKETS;
}

PpMacro *pp_lookup(const char *name, size_t len)
{
    uint32_t h = pp_name_hash(name, len);
    const std::vector<PpBucketSlot> &chain = pp_macros.buckets[h % PP_MACRO_BUCKETS];
    for (size_t i = chain.size(); i-- > 0;) {
        const PpBucketSlot &slot = chain[i];
        if (slot.hash == h && slot.macro->name.size() == len &&
            memcmp(slot.macro->name.data(), name, len) == 0)
            return slot.macro;
    }
    return nullptr;
}

bool pp_is_macro(const char *name)
{
    return name && pp_lookup(name, strlen(name)) != nullptr;
}

unsigned long pp_macro_serial()
{
    return macro_changes;
}

void pp_clear_macros(bool keep_builtins)
{
    macro_changes++;
    for (std::vector<PpBucketSlot> &chain : pp_macros.buckets) {
        size_t kept = 0;
        for (const PpBucketSlot &slot : chain) {
            if (keep_builtins && slot.macro->kind != MK_ORDINARY)
                chain[kept++] = slot;
            else
                pp_macros.retired.emplace_back(slot.macro);
        }
        chain.resize(kept);
    }
}

void pp_free_retired_macros()
{
    pp_macros.retired.clear();
}

void pp_define_builtins()
{
    struct Row {
        const char *name;
        int kind;
    };
    static const Row rows[] = {
#define BUILTIN(name, kind, id) {name, kind},
#include "pp_builtins.def"
#undef BUILTIN
    };
    for (const Row &row : rows) {
        if (row.kind == MK_STDC && pp_input.options.kr)
            continue;
        PpMacro *m = new PpMacro;
        m->name = row.name;
        m->kind = row.kind;
        insert_macro(m);
    }
}

/* "#define": INVAMACRO, INVDEFINE, then the parameter and body checks. */
void pp_define_line(std::vector<PpToken> &line)
{
    if (line.empty() || line[0].kind != PK_NAME) {
        pp_report(PP_WARNING, "INVAMACRO", spelling_of(line, 0));
        return;
    }
    if (line[0].is("defined")) {
        pp_report(PP_WARNING, "INVDEFINE", "");
        return;
    }
    std::unique_ptr<PpMacro> m(new PpMacro);
    m->name = line[0].str();
    size_t i = 1;
    if (i < line.size() && line[i].is("(") && !(line[i].flags & PF_WHITE)) {
        m->function_like = true;
        if (!parse_params(line, i, *m))
            return;
    }
    if (build_body(*m, line, i))
        install_macro(std::move(m));
}

/* "#undef": UNDEFININ for "defined" and for built-ins but __STDC__. */
void pp_undef_line(std::vector<PpToken> &line)
{
    if (line.empty() || line[0].kind != PK_NAME) {
        pp_report(PP_WARNING, "INVAMACRO", spelling_of(line, 0));
        return;
    }
    if (line[0].is("defined")) {
        pp_report(PP_WARNING, "UNDEFININ", "defined");
        return;
    }
    PpMacro *m = pp_lookup(line[0].text, line[0].len);
    if (!m)
        return;
    if (m->kind != MK_ORDINARY && m->name != "__STDC__")
        pp_report(PP_WARNING, "UNDEFININ", m->name);
    remove_macro(m);
}

void pp_get_raw(PpToken &t)
{
    for (;;) {
        if (pp_input.aborted || pp_input.stack.empty()) {
            t = PpToken();
            return;
        }
        PpEntry &e = pp_input.stack.back();
        if (e.is_file) {
            if (pp_file_token(e, t))
                return;
            continue;
        }
        if (e.next < e.tokens.size()) {
            t = e.tokens[e.next++];
            return;
        }
        if (e.barrier) {
            t = PpToken();
            return;
        }
        pp_pop_entry();
    }
}

void pp_next_expanded(PpToken &t)
{
    for (;;) {
        pp_get_raw(t);
        if (t.kind != PK_NAME || (t.flags & PF_NO_EXPAND))
            return;
        if (pp_input.in_if && t.is("defined")) {
            expand_defined(t);
            return;
        }
        PpMacro *m = pp_lookup(t.text, t.len);
        if (!m)
            return;
        if (m->disabled) {
            t.flags |= PF_NO_EXPAND;
            return;
        }
        if (!enter_macro(m, t))
            return;
    }
}

void pp_expand_tokens(const std::vector<PpToken> &tokens,
                      std::vector<PpToken> &out)
{
    PpEntry ctx;
    ctx.tokens = tokens;
    ctx.barrier = true;
    size_t barrier = pp_input.stack.size();
    if (!pp_push_entry(std::move(ctx), ""))
        return;
    for (;;) {
        PpToken t;
        pp_next_expanded(t);
        if (t.kind == PK_EOF)
            break;
        out.push_back(t);
    }
    while (pp_input.stack.size() > barrier)
        pp_pop_entry();
}
