/*
** src/capi/pp/pp_directives.cc
** Directive lines: dispatch, conditionals, include, line control,
** messages and pragmas (with the zirko pragmas).
**
** A directive is read to the end of its line (comments blanked) and the
** newline consumed before its handler runs, so that an include can push
** the new file at once; handlers report at the directive's own line.
** Inside a skipped group only the conditional directives are looked at.
** The conditional stack is shared by all files; each file records the
** depth it started at, so that a surplus "#endif" (UNBAENDIF) or an
** unterminated group (UNTERCOND) is found at the end of its own file.
*/
#include "pp_internal.h"

#include <cstring>

namespace {

/* A directive line as its handler sees it. */
struct DirectiveLine {
    int kind;
    const char *name;
    int line;
    std::vector<PpToken> tokens;   /* token handlers */
    std::string raw;               /* text handlers */
};

typedef void (*DirectiveHandler)(DirectiveLine &d);

void do_define(DirectiveLine &d);
void do_include(DirectiveLine &d);
void do_include_next(DirectiveLine &d);
void do_ifdef(DirectiveLine &d);
void do_ifndef(DirectiveLine &d);
void do_if(DirectiveLine &d);
void do_else(DirectiveLine &d);
void do_elif(DirectiveLine &d);
void do_undef(DirectiveLine &d);
void do_endif(DirectiveLine &d);
void do_pragma(DirectiveLine &d);
void do_message(DirectiveLine &d);
void do_line(DirectiveLine &d);

struct Directive {
    const char *name;
    int kind;
    DirectiveHandler handler;
};

const Directive directives[] = {
#define DIRECTIVE(name, kind, handler) {name, kind, handler},
#include "pp_directives.def"
#undef DIRECTIVE
};

enum {
    DK_INCLUDE = 2, DK_IFDEF = 3, DK_IFNDEF = 4, DK_IF = 5, DK_ELSE = 6,
    DK_ELIF = 7, DK_ENDIF = 9, DK_PRAGMA = 22, DK_MESSAGE = 23
};

const Directive *find_directive(const PpToken &word)
{
    if (word.kind != PK_NAME)
        return nullptr;
    for (const Directive &d : directives)
        if (word.is(d.name))
            return &d;
    return nullptr;
}

bool is_conditional(int kind)
{
    return (kind >= DK_IFDEF && kind <= DK_ELIF) || kind == DK_ENDIF;
}

const char *cond_name(int kind)
{
    switch (kind) {
    case DK_IFDEF: return "ifdef";
    case DK_IFNDEF: return "ifndef";
    case DK_ELSE: return "else";
    case DK_ELIF: return "elif";
    default: return "if";
    }
}

void read_tokens(PpEntry &e, std::vector<PpToken> &out)
{
    PpToken t;
    while (pp_lex_line_token(e, t))
        out.push_back(t);
}

/* ---- Conditionals ---- */

PpCond &open_cond(const DirectiveLine &d)
{
    PpCond c;
    c.kind = d.kind;
    c.line = d.line;
    c.open_line = d.line;
    PpEntry *file = pp_current_file();
    c.open_file = file ? file->name : nullptr;
    c.dead = pp_skipping();
    c.skipping = true;
    c.taken = c.dead;
    c.else_seen = false;
    pp_input.conds.push_back(c);
    return pp_input.conds.back();
}

void set_branch(PpCond &c, bool value)
{
    c.skipping = !value;
    c.taken = value;
}

/* The identifier of #ifdef/#ifndef: -1 when there is none.  Reports
** NOARGUMEN, ARGPUNCTU, INVALIEND (not under K&R) and STARTDIGI (ANSI). */
int ifdef_argument(const DirectiveLine &d)
{
    bool kr = pp_input.options.kr;
    std::string what = std::string("#") + d.name;
    if (d.tokens.empty()) {
        if (!kr)
            pp_report(PP_WARNING, "NOARGUMEN", what);
        return -1;
    }
    const PpToken &t = d.tokens[0];
    if (t.kind == PK_NUMBER && pp_input.options.ansi) {
        pp_report(PP_WARNING, "STARTDIGI", what);
        return -1;
    }
    if (t.kind != PK_NAME) {
        if (!kr)
            pp_report(PP_WARNING, "ARGPUNCTU", what);
        return -1;
    }
    if (d.tokens.size() > 1 && !kr)
        pp_report(PP_WARNING, "INVALIEND", what);
    return pp_lookup(t.text, t.len) != nullptr;
}

void do_ifdef(DirectiveLine &d)
{
    PpCond &c = open_cond(d);
    if (!c.dead) {
        int defined = ifdef_argument(d);
        set_branch(c, defined >= 0 && (d.kind == DK_IFDEF) == (defined == 1));
    }
}

void do_ifndef(DirectiveLine &d) { do_ifdef(d); }

void do_if(DirectiveLine &d)
{
    PpCond &c = open_cond(d);
    if (!c.dead) {
        bool value = pp_eval_condition(d.tokens);
        set_branch(pp_input.conds.back(), value);
    }
}

/* The open conditional of the current file, or null after NOCONDITI. */
PpCond *current_cond(const DirectiveLine &d)
{
    PpEntry *file = pp_current_file();
    size_t base = file ? file->cond_base : 0;
    if (pp_input.conds.size() <= base) {
        pp_report(PP_WARNING, "NOCONDITI", std::string("#") + d.name);
        return nullptr;
    }
    return &pp_input.conds.back();
}

/* ELIFAELSE and the MATCHLINE information that follows it. */
void check_after_else(const PpCond &c, const DirectiveLine &d)
{
    if (!c.else_seen)
        return;
    pp_report(PP_WARNING, "ELIFAELSE", std::string("#") + d.name);
    PpEntry *file = pp_current_file();
    std::string where;
    if (file && c.open_file != file->name && c.open_file)
        checked_sprintf(where, " %d file %s", c.open_line,
                        c.open_file->c_str());
    else
        checked_sprintf(where, " %d", c.open_line);
    pp_report(PP_INFO, "MATCHLINE", where);
}

/* The conditional that #else or #elif continues, moved to this
** directive's line; null after NOCONDITI. */
PpCond *continue_cond(const DirectiveLine &d)
{
    PpCond *c = current_cond(d);
    if (!c)
        return nullptr;
    check_after_else(*c, d);
    c->kind = d.kind;
    c->line = d.line;
    return c;
}

void do_else(DirectiveLine &d)
{
    PpCond *c = continue_cond(d);
    if (!c)
        return;
    c->else_seen = true;
    if (!c->dead)
        set_branch(*c, !c->taken);
}

void do_elif(DirectiveLine &d)
{
    PpCond *c = continue_cond(d);
    if (!c)
        return;
    if (c->dead || c->taken) {
        c->skipping = true;
        return;
    }
    bool value = pp_eval_condition(d.tokens);
    set_branch(pp_input.conds.back(), value);
}

/* NOCONDITI with no conditional at all, UNBAENDIF when the open ones
** belong to an including file. */
void do_endif(DirectiveLine &)
{
    PpEntry *file = pp_current_file();
    size_t base = file ? file->cond_base : 0;
    if (pp_input.conds.empty())
        pp_report(PP_WARNING, "NOCONDITI", "#endif");
    else if (pp_input.conds.size() <= base)
        pp_report(PP_WARNING, "UNBAENDIF", "");
    else
        pp_input.conds.pop_back();
}

/* ---- Definitions ---- */

void do_define(DirectiveLine &d) { pp_define_line(d.tokens); }
void do_undef(DirectiveLine &d) { pp_undef_line(d.tokens); }

/* ---- Include ---- */

/* "name" or <name> with nothing after it. */
bool include_operand(const std::string &text, std::string &name)
{
    size_t i = 0;
    while (i < text.size() && pp_is_blank(text[i]))
        i++;
    if (i >= text.size() || (text[i] != '"' && text[i] != '<'))
        return false;
    char close = text[i] == '"' ? '"' : '>';
    size_t end = text.find(close, i + 1);
    if (end == std::string::npos)
        return false;
    for (size_t k = end + 1; k < text.size(); k++)
        if (!pp_is_blank(text[k]))
            return false;
    name = text.substr(i + 1, end - i - 1);
    return true;
}

/* The operand as written, else once macro-expanded (ERINCLUDE). */
void include_directive(DirectiveLine &d, bool next)
{
    std::string name;
    if (!include_operand(d.raw, name)) {
        std::vector<PpToken> tokens, expanded;
        pp_lex_string(d.raw, tokens);
        pp_expand_tokens(tokens, expanded);
        std::string spelled;
        for (size_t i = 0; i < expanded.size(); i++) {
            if (i > 0 && (expanded[i].flags & PF_WHITE))
                spelled.push_back(' ');
            spelled.append(expanded[i].text, expanded[i].len);
        }
        if (pp_input.aborted)
            return;
        if (!include_operand(spelled, name)) {
            pp_report(PP_WARNING, "ERINCLUDE", d.raw);
            return;
        }
    }
    pp_include_file(name, next);
}

void do_include(DirectiveLine &d) { include_directive(d, false); }
void do_include_next(DirectiveLine &d) { include_directive(d, true); }

/* ---- Line control and messages ---- */

/* "#line N" or "#line N "file"", macro-expanded when not a number. */
void do_line(DirectiveLine &d)
{
    std::vector<PpToken> tokens = d.tokens;
    if (tokens.empty() || tokens[0].kind != PK_NUMBER) {
        tokens.clear();
        pp_expand_tokens(d.tokens, tokens);
    }
    if (tokens.empty() || tokens[0].kind != PK_NUMBER)
        return;
    std::string digits = tokens[0].str();
    if (digits.find_first_not_of("0123456789") != std::string::npos ||
        digits.size() > 9)
        return;
    PpEntry *file = pp_current_file();
    if (!file)
        return;
    if (tokens.size() > 1 && tokens[1].kind == PK_STRING &&
        tokens[1].text[0] == '"') {
        std::string name(tokens[1].text + 1, tokens[1].len - 2);
        file->name = pp_intern_name(name.c_str());
    }
    file->line_reset = atoi(digits.c_str());
    pp_emit_line_marker(file->line_reset, file->name);
}

void do_message(DirectiveLine &d)
{
    pp_report(PP_WARNING, "WARNERR", d.raw);
}

/* ---- Pragmas ---- */

/* Words separated by blanks or commas; a word may be double-quoted. */
TextList split_words(const std::string &text)
{
    TextList words;
    size_t i = 0;
    while (i < text.size()) {
        if (pp_is_blank(text[i]) || text[i] == ',') {
            i++;
            continue;
        }
        size_t start = i;
        if (text[i] == '"') {
            size_t end = text.find('"', i + 1);
            end = end == std::string::npos ? text.size() : end;
            words.push_back(text.substr(start + 1, end - start - 1));
            i = end + 1;
            continue;
        }
        while (i < text.size() && !pp_is_blank(text[i]) && text[i] != ',')
            i++;
        words.push_back(text.substr(start, i - start));
    }
    return words;
}

typedef void (*ZirkoHandler)(const std::string &args);

void zp_incl_std(const std::string &args)
{
    TextList dirs = split_words(args);
    if (dirs.empty())
        pp_report(PP_WARNING, "SYNTAXERR", "empty pragma zirko incl_std");
    for (const std::string &dir : dirs)
        pp_search.standard_dirs.push_back(dir);
}

void zp_stop(const std::string &) { pp_input.analysis = false; }
void zp_start(const std::string &) { pp_input.analysis = true; }
void zp_accept(const std::string &) {}

void zp_pragma(const std::string &args)
{
    TextList words = split_words(args);
    if (words.size() < 2)
        return;
    for (auto &pair : pp_search.pragma_pairs)
        if (pair.first == words[0]) {
            pair.second = words[1];
            return;
        }
    pp_search.pragma_pairs.emplace_back(words[0], words[1]);
}

void zp_type_modifier(const std::string &args)
{
    TextList words = split_words(args);
    if (words.empty())
        pp_report(PP_WARNING, "TYPMODINC", "");
    for (const std::string &word : words) {
        if (pp_is_identifier(word))
            pp_search.type_modifiers.insert(word);
        else
            pp_report(PP_WARNING, "TYPMODINC", word);
    }
}

struct ZirkoPragma {
    const char *keyword;
    ZirkoHandler handler;
};

const ZirkoPragma zirko_pragmas[] = {
#define PRAGMA(keyword, handler) {keyword, handler},
#include "pp_pragmas.def"
#undef PRAGMA
};

/* The word after "zirko" selects the first keyword it is a prefix of. */
void zirko_pragma(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && pp_is_blank(text[i]))
        i++;
    size_t start = i;
    while (i < text.size() && pp_is_idchar(text[i]))
        i++;
    std::string word = text.substr(start, i - start);
    if (!word.empty())
        for (const ZirkoPragma &p : zirko_pragmas)
            if (strncmp(p.keyword, word.c_str(), word.size()) == 0) {
                p.handler(text.substr(i));
                return;
            }
    pp_report(PP_WARNING, "PRAGMAINC", word);
}

/* A pragma naming a recorded pair has its replacement expanded and
** dropped: only the macro table can notice. */
void run_pragma_pair(const std::string &text)
{
    for (const auto &pair : pp_search.pragma_pairs)
        if (text.compare(0, pair.first.size(), pair.first) == 0) {
            std::vector<PpToken> tokens, scratch;
            pp_lex_string(pair.second, tokens);
            pp_expand_tokens(tokens, scratch);
            return;
        }
}

void do_pragma(DirectiveLine &d)
{
    pp_emit_line(d.raw.empty() ? "#pragma" : "#pragma " + d.raw, d.line);
    size_t i = 0;
    while (i < d.raw.size() && pp_is_idchar(d.raw[i]))
        i++;
    if (d.raw == "once")
        pp_mark_once();
    else if (d.raw.compare(0, i, "zirko") == 0 && i == 5)
        zirko_pragma(d.raw.substr(i));
    else
        run_pragma_pair(d.raw);
}

/* ---- Dispatch ---- */

bool wants_text(int kind)
{
    return kind == DK_INCLUDE || kind == DK_PRAGMA || kind == DK_MESSAGE;
}

/* Unknown directive: the line goes to the output as it stands. */
void pass_through(PpEntry &e, const PpToken &word, int line)
{
    std::string rest;
    pp_rest_of_line(e, rest);
    pp_lex_newline(e);
    std::string text = "#" + word.str();
    if (!rest.empty())
        text += " " + rest;
    pp_emit_line(text, line);
}

/* Runs the directive whose "#" is at the read position. */
void run_directive(PpEntry &e)
{
    int line = e.line;
    e.pos++;
    PpToken word;
    bool skipping = pp_skipping();
    if (!pp_lex_line_token(e, word)) {
        pp_lex_newline(e);
        return;
    }
    const Directive *dir = find_directive(word);
    if (skipping && (!dir || !is_conditional(dir->kind))) {
        pp_skip_line(e);
        pp_lex_newline(e);
        return;
    }
    if (!dir) {
        pass_through(e, word, line);
        return;
    }
    DirectiveLine d{dir->kind, dir->name, line, {}, {}};
    if (wants_text(d.kind))
        pp_rest_of_line(e, d.raw);
    else if (skipping && d.kind <= DK_IF)
        pp_skip_line(e);
    else
        read_tokens(e, d.tokens);
    pp_lex_newline(e);
    /* The handler reports at the directive's line, then the file goes on
    ** from the next line (or the one #line gave). */
    size_t index = &e - pp_input.stack.data();
    int next_line = e.line;
    e.line = line;
    dir->handler(d);
    if (index < pp_input.stack.size()) {
        PpEntry &f = pp_input.stack[index];
        f.line = f.line_reset >= 0 ? f.line_reset : next_line;
        f.line_reset = -1;
    }
}

} // namespace

bool pp_skipping()
{
    return !pp_input.conds.empty() && pp_input.conds.back().skipping;
}

void pp_close_conditionals(size_t base)
{
    while (pp_input.conds.size() > base) {
        const PpCond &c = pp_input.conds.back();
        pp_report_at(PP_WARNING, "UNTERCOND", cond_name(c.kind), c.open_file,
                     c.open_line);
        pp_input.conds.pop_back();
    }
}

bool pp_file_token(PpEntry &e, PpToken &t)
{
    if (e.bol) {
        e.bol = false;
        bool more = pp_skip_blanks(e);
        if (more && e.text->chars[e.pos] == '#') {
            run_directive(e);
            return false;
        }
        if (pp_skipping()) {
            pp_skip_line(e);
            if (e.pos >= e.text->size) {
                t = PpToken();
                return true;
            }
            pp_lex_newline(e);
            return false;
        }
    }
    if (pp_lex_line_token(e, t))
        return true;
    if (e.pos >= e.text->size) {
        t = PpToken();
        return true;
    }
    pp_lex_newline(e);
    return false;
}
