/*
** src/sema/waittil.cc
** WAITTIL: its MATCHED-family terms, the callbacks that receive their
** messages, the polled (message type, channel) pairs and the generated
** wait function.
**
** A term names a message and a channel (in the trigger model the
** channel of the message's type); its messages are received by the
** callback of the channel's communication type chosen as SEND chooses a
** procsend: the one for exactly the message's type, else the nearest
** base class.  Callbacks are collected once from the global scope, which
** only grows at its end with them.  The conflicts of a WAITTIL are found
** with one map per WAITTIL, so a WAITTIL costs the length of its terms.
*/
#include "sema_int.h"

#include <cstring>
#include <map>
#include <unordered_map>
#include <utility>

namespace {

/* A term with what its analysis found. */
struct WaitTerm {
    const SyntaxNode *node;
    SemanticEntry *message;
    SemanticEntry *channel;
    SemanticEntry *callback;
};

bool trigger_model()
{
    return analysis.request && analysis.request->scanner_flags == 2;
}

bool is_term(const SyntaxNode *piece)
{
    return piece && (piece->kind == NK_MATCHING || piece->kind == NK_MATCHED ||
                     piece->kind == NK_NOTMATCHING || piece->kind == NK_NOTMATCHED);
}

const char *term_keyword(const SyntaxNode *term)
{
    switch (term->kind) {
    case NK_MATCHING: return "MATCHING";
    case NK_MATCHED: return "MATCHED";
    case NK_NOTMATCHING: return "NOTMATCHING";
    default: return "NOTMATCHED";
    }
}

const char *entry_name(const SemanticEntry *e)
{
    return e && e->name ? e->name : "";
}

SemanticEntry *message_type_of(SemanticEntry *message)
{
    return message && message->descriptor ? message_type(message->descriptor) : nullptr;
}

void script_form(const SyntaxNode *term, std::string &out)
{
    const char *m = term->child1 && term->child1->text ? term->child1->text : "";
    if (term->child2 && !trigger_model())
        checked_sprintf(out, "%s(%s,%s)", term_keyword(term), m, term->child2->text);
    else
        checked_sprintf(out, "%s(%s)", term_keyword(term), m);
}

/* The message and channel of a term: the channel written, or in the
** trigger model the one made for the message's type.
**                                                  UNKMSGNAM, UNKCHANAM */
bool resolve_term(const SyntaxNode *term, WaitTerm &out, bool need_channel)
{
    out.node = term;
    out.message = find_message(term->child1 ? term->child1->text : nullptr);
    out.channel = nullptr;
    out.callback = nullptr;
    if (!out.message) {
        sema_report(SEV_ERROR, "UNKMSGNAM", term->child1 ? term->child1->text : "",
                    term);
        return false;
    }
    std::string name;
    if (term->child2)
        name = term->child2->text;
    else if (trigger_model() && message_type_of(out.message))
        checked_sprintf(name, "zrk_v1_3_ch_%d",
                        type_number(message_type_of(out.message)->descriptor));
    else if (!need_channel)
        return true;
    out.channel = name.empty() ? nullptr : find_channel(name.c_str());
    if (!out.channel) {
        if (name.empty())
            script_form(term, name);
        sema_report(SEV_ERROR, "UNKCHANAM", name.c_str(), term);
        return false;
    }
    return true;
}

void c_form(const WaitTerm &t, std::string &out)
{
    const char *function = t.node->kind == NK_MATCHING      ? "ZRK_MATCHING_"
                           : t.node->kind == NK_MATCHED     ? "ZRK_MATCHED_"
                           : t.node->kind == NK_NOTMATCHING ? "ZRK_NOTMATCHING_"
                                                            : "ZRK_NOTMATCHED_";
    SemanticDescriptor *m = t.message->descriptor;
    std::string first, second;
    checked_sprintf(first, "zrk_msg_%s[%d]", entry_name(message_type(m)),
                    message_index(m));
    message_used(m) = 1;
    if (!t.channel) {
        checked_sprintf(out, "%s1(%s)", function, first.c_str());
        return;
    }
    SemanticDescriptor *c = t.channel->descriptor;
    SemanticEntry *commtype = channel_commtype(c);
    checked_sprintf(second, "zrk_state_channel[%d][%d]",
                    commtype ? commtype_number(commtype->descriptor) : 0,
                    channel_index(c));
    checked_sprintf(out, "%s2(%s,%s)", function, first.c_str(), second.c_str());
}

/* ---- Callback choice ---- */

/* The callbacks declared so far: the global scope grows at its end with
** declarations, so only what came after the last look is new. */
const std::vector<SemanticEntry *> &known_callbacks()
{
    SemanticEntry *e = analysis.callbacks_scanned ? analysis.callbacks_scanned->next
                                                  : analysis.global->first;
    for (; e; e = e->next) {
        if (e->kind == EK_CALLBACK && e->descriptor)
            analysis.callbacks.push_back(e);
        analysis.callbacks_scanned = e;
    }
    return analysis.callbacks;
}

/* Class distance from the message's type to a callback's type, -1 when
** the callback cannot receive it. */
int callback_distance(CType *message_type, SemanticEntry *callback)
{
    SemanticEntry *type = handler_message_type(callback->descriptor);
    if (!message_type || !type || !type->name)
        return -1;
    CType *received = type_from_text(type->name);
    int distance = received ? class_distance(message_type, received) : -1;
    free_type(received);
    return distance;
}

/* The callback of the communication type for exactly the message's type,
** else the one of the nearest base class; a tie is ambiguous. */
SemanticEntry *choose_callback(SemanticEntry *type, SemanticEntry *commtype,
                               bool *ambiguous)
{
    *ambiguous = false;
    const std::vector<SemanticEntry *> &callbacks = known_callbacks();
    for (SemanticEntry *cb : callbacks)
        if (handler_commtype(cb->descriptor) == commtype &&
            handler_message_type(cb->descriptor) == type)
            return cb;
    if (!type || !type->name)
        return nullptr;
    set_bridge_namespace("");
    CType *message_type = type_from_text(type->name);
    SemanticEntry *best = nullptr;
    int best_distance = -1;
    for (SemanticEntry *cb : callbacks) {
        if (handler_commtype(cb->descriptor) != commtype)
            continue;
        int d = callback_distance(message_type, cb);
        if (d < 0)
            continue;
        if (best && d == best_distance)
            *ambiguous = true;
        else if (!best || d < best_distance) {
            best = cb;
            best_distance = d;
            *ambiguous = false;
        }
    }
    free_type(message_type);
    return *ambiguous ? nullptr : best;
}

/* A term of a WAITTIL: its message, channel and callback.
**                           UNKMSGNAM, UNKCHANAM, CBALAMBIG, CBNOTDECL */
bool analyse_term(const SyntaxNode *term, WaitTerm &out)
{
    if (!resolve_term(term, out, true))
        return false;
    SemanticEntry *commtype = channel_commtype(out.channel->descriptor);
    bool ambiguous = false;
    out.callback = choose_callback(message_type_of(out.message), commtype, &ambiguous);
    if (ambiguous) {
        sema_report(SEV_ERROR, "CBALAMBIG", QString(), term);
        return false;
    }
    if (!out.callback) {
        std::string form;
        script_form(term, form);
        sema_report(SEV_ERROR, "CBNOTDECL", form.c_str(), term);
        return false;
    }
    handler_used(out.callback->descriptor) = 1;
    return true;
}

/* The terms of an expression, in order; false at the first that fails. */
bool walk_terms(const SyntaxNode *expr, std::vector<WaitTerm> &terms)
{
    for (const SyntaxNode *e = expr; e && e->kind == NK_EXPR; e = e->child2) {
        if (!is_term(e->child1))
            continue;
        WaitTerm t;
        if (!analyse_term(e->child1, t))
            return false;
        terms.push_back(t);
    }
    return true;
}

std::string pair_text(const SemanticEntry *type, const SemanticEntry *channel,
                      const SemanticEntry *type2, const SemanticEntry *channel2)
{
    std::string out;
    checked_sprintf(out, "(%s,%s) (%s,%s)", entry_name(type), entry_name(channel),
                    entry_name(type2), entry_name(channel2));
    return out;
}

/* One message type per polled channel: the types of the callbacks that
** the terms read a channel through must agree.                DBLMSGTYP */
bool one_type_per_channel(const std::vector<WaitTerm> &terms, const SyntaxNode *at)
{
    std::unordered_map<const SemanticEntry *, const SemanticEntry *> seen;
    for (const WaitTerm &t : terms) {
        const SemanticEntry *type = handler_message_type(t.callback->descriptor);
        auto found = seen.emplace(t.channel, type);
        if (!found.second && found.first->second != type) {
            sema_report(SEV_ERROR, "DBLMSGTYP",
                        pair_text(found.first->second, t.channel, type, t.channel).c_str(),
                        at);
            return false;
        }
    }
    return true;
}

/* The C text of an expression: MATCHED-family terms in their C form,
** pieces joined by one blank as in the script text. */
std::string c_text(const SyntaxNode *expr, const std::vector<WaitTerm> &terms,
                   size_t &next)
{
    std::string out;
    for (const SyntaxNode *e = expr; e && e->kind == NK_EXPR; e = e->child2) {
        const SyntaxNode *piece = e->child1;
        std::string text;
        if (is_term(piece))
            c_form(terms[next++], text);
        else if (piece && piece->kind == NK_NATIVE_EXPR && piece->text)
            text = piece->text;
        if (!out.empty() && !text.empty())
            out += ' ';
        out += text;
    }
    return out;
}

/* "WTIME", optional blanks and "=" or "==" at the start of a text (after
** the characters below "*"): what follows, without blanks at its ends
** and without the closing parentheses the skipped start opened. */
bool timeout_after_wtime(const std::string &text, std::string &out)
{
    size_t i = 0, opened = 0;
    while (i < text.size() && (unsigned char)text[i] < '*')
        opened += text[i++] == '(';
    if (text.compare(i, 5, "WTIME") != 0)
        return false;
    i += 5;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        i++;
    if (i >= text.size() || text[i] != '=')
        return false;
    i += text.compare(i, 2, "==") == 0 ? 2 : 1;
    size_t end = text.size();
    for (;;) {
        while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t'))
            end--;
        if (end == i || text[end - 1] != ')' || opened == 0)
            break;
        end--;
        opened--;
    }
    while (i < end && (text[i] == ' ' || text[i] == '\t'))
        i++;
    out = text.substr(i, end - i);
    return true;
}

/* The reception record of the DEF_MESSAGE that last defined the message
** before the WAITTIL, in analysis order; null when none did. */
SemanticEntry *latest_definition(SemanticEntry *message)
{
    auto found = analysis.latest_definition.find(message);
    return found == analysis.latest_definition.end() ? nullptr : found->second;
}

void add_terms(SemanticDescriptor *d, const std::vector<WaitTerm> &terms)
{
    Scope *scope = new_scope(d, d->entry->scope);
    for (const WaitTerm &t : terms) {
        SemanticEntry *e = add_node_entry(scope, EK_WAIT_TERM, t.message->name, t.node);
        SemanticDescriptor *td = add_descriptor(e, DC_WAIT_TERM);
        std::string c, script;
        c_form(t, c);
        script_form(t.node, script);
        term_c(td) = table_text(c);
        term_script(td) = table_text(script);
        term_message(td) = t.message;
        term_channel(td) = t.channel;
        term_definition(td) = latest_definition(t.message);
    }
}

/* One poll per distinct (message type, channel) pair, in order; true when
** two of them read one channel for different types. */
bool add_polls(SemanticDescriptor *d, const std::vector<WaitTerm> &terms,
               std::string &conflict)
{
    Scope *polls = new_scope(nullptr, d->entry->scope);
    wait_polls(d) = polls;
    std::map<std::pair<const SemanticEntry *, const SemanticEntry *>, bool> pairs;
    std::unordered_map<const SemanticEntry *, const SemanticEntry *> by_channel;
    bool clash = false;
    for (const WaitTerm &t : terms) {
        SemanticEntry *type = message_type_of(t.message);
        if (!pairs.emplace(std::make_pair(type, t.channel), true).second)
            continue;
        auto first = by_channel.emplace(t.channel, type).first;
        if (first->second != type && !clash) {
            clash = true;
            conflict = pair_text(first->second, t.channel, type, t.channel);
        }
        SemanticEntry *e = add_node_entry(polls, EK_WAIT_POLL, t.message->name, t.node);
        SemanticDescriptor *pd = add_descriptor(e, DC_WAIT_POLL);
        poll_message(pd) = t.message;
        poll_channel(pd) = t.channel;
    }
    return clash;
}

/* The wait function shares the WAITTIL's descriptor. */
void add_wait_function(SemanticEntry *waittil)
{
    SemanticDescriptor *d = waittil->descriptor;
    std::string name;
    checked_sprintf(name, "zrk_WAIT_%d", wait_number(d));
    SemanticEntry *f = add_entry_front(analysis.global, EK_WAIT_FUNCTION,
                                       table_text(name), waittil->file,
                                       waittil->line, nullptr);
    f->file_number = waittil->file_number;
    f->descriptor = d;
    push_on_unit_chain(f);
}

} // namespace

/* WAITTIL (condition, time): every term must be received by a callback;
** a channel is polled for one message type only.  A WAITTIL that fails
** leaves no entry.              DBLMSGTYP, DBLCOMTYP (and analyse_term's) */
void analyse_waittil(SyntaxNode *node, Scope *scope, const char *filter)
{
    std::vector<WaitTerm> terms;
    if (!walk_terms(node->child1, terms) || !walk_terms(node->child2, terms) ||
        !one_type_per_channel(terms, node))
        return;
    SemanticEntry *entry = add_node_entry(scope, EK_WAITTIL, nullptr, node, filter);
    SemanticDescriptor *d = add_descriptor(entry, DC_WAITTIL);
    size_t next = 0;
    std::string condition_c = c_text(node->child1, terms, next);
    std::string time_c = c_text(node->child2, terms, next);
    std::string timeout;
    if (!timeout_after_wtime(time_c, timeout) &&
        !timeout_after_wtime(condition_c, timeout))
        timeout = "0";
    wait_condition(d) = table_text(expression_text(node->child1));
    wait_time(d) = table_text(expression_text(node->child2));
    wait_timeout(d) = table_text(timeout);
    wait_condition_c(d) = table_text(condition_c);
    wait_time_c(d) = table_text(time_c);
    wait_number(d) = analysis.waittils++;
    add_terms(d, terms);
    std::string conflict;
    if (add_polls(d, terms, conflict))
        sema_report(SEV_ERROR, "DBLCOMTYP", conflict.c_str(), node);
    else
        add_wait_function(entry);
}

/* C form: the matching function of the term with the message's slot and,
** given a channel, its state; the message is marked used.  Script form:
** the term as written (without its channel in the trigger model).
**                                                  UNKMSGNAM, UNKCHANAM */
bool term_text(const SyntaxNode *term, TermForm form, std::string &out)
{
    out.clear();
    if (form == TERM_SCRIPT) {
        script_form(term, out);
        return true;
    }
    WaitTerm t;
    if (!resolve_term(term, t, false))
        return false;
    c_form(t, out);
    return true;
}
