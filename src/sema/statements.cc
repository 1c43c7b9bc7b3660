/*
** src/sema/statements.cc
** Statements: one entry each in the scope of their block.
**
** analyse_statement checks the execution filter, then dispatches on the
** statement's node kind to one small routine per kind; CALL is call.cc's,
** CATCH units.cc's, and WAITTIL, DEF_MESSAGE and VAR belong to the value
** checks.  Nested blocks (IF, ELSE, WHILE, CASE branches) get scopes
** owned by their statement's descriptor.  Expressions are typed through
** the bridge in the current unit's C/C++ scope (types.cc).
*/
#include "sema_int.h"

#include <cstring>
#include <set>
#include <string>

namespace {

/* The kind of the unit entry that owns the block, climbing through the
** nested blocks of WHILE, IF, CASE and CASE branches; 0 when none. */
uint32_t enclosing_unit_kind(const Scope *scope)
{
    for (const Scope *s = scope; s; s = s->parent) {
        if (!s->owner || !s->owner->entry)
            return ~0u;
        uint32_t k = s->owner->entry->kind;
        if (k != EK_WHILE && k != EK_IF && k != EK_CASE && k != EK_CASE_BRANCH)
            return k;
    }
    return ~0u;
}

/* A filter is letters joined by "+" and "~": no "+" at its start, no "+"
** or "~" at its end, nothing but a letter after "~", no "++".  The text
** kept keeps the "%" of the second form, which the code generator needs to
** tell the forms apart.  BADFLTSTX */
void check_filter(const SyntaxNode *filter, std::string &kept)
{
    const char *t = filter->text ? filter->text : "";
    kept = t;
    if (filter->kind == NK_FILTER2 && *t == '%')
        t++;
    std::string text = t;
    size_t n = text.size();
    bool bad = n > 0 && (text[0] == '+' || text[n - 1] == '+' || text[n - 1] == '~');
    for (size_t i = 0; i + 1 < n && !bad; i++)
        bad = (text[i] == '~' && (text[i + 1] == '+' || text[i + 1] == '~')) ||
              (text[i] == '+' && text[i + 1] == '+');
    if (bad)
        sema_report(SEV_ERROR, "BADFLTSTX", t, filter);
}

/* The class of an expression's script text. */
int expression_class(const SyntaxNode *expr, std::string &text)
{
    text = expression_text(expr);
    return value_text_class(text.c_str(), nullptr);
}

SemanticDescriptor *add_statement(Scope *scope, uint32_t kind, uint32_t code,
                                  const SyntaxNode *node, const char *filter,
                                  const char *name = nullptr)
{
    SemanticEntry *e = add_node_entry(scope, kind, name, node, filter);
    return code ? add_descriptor(e, code) : nullptr;
}

/* ---- Blocks ---- */

void analyse_if(SyntaxNode *node, Scope *scope, const char *filter)
{
    SemanticDescriptor *d = add_statement(scope, EK_IF, DC_IF, node, filter);
    std::string text;
    if_class(d) = expression_class(node->child1, text);
    if_condition(d) = copy_text(text.c_str());
    SyntaxNode *else_part = node->child3;
    Scope *else_scope = nullptr;
    if (else_part && else_part->kind == NK_ELSE)
        else_scope = if_else(d) = new_scope(d, scope);
    Scope *then_scope = new_scope(d, scope);   /* the inner scope */
    analyse_inner_block(node->child2, then_scope);
    if (else_scope)
        analyse_inner_block(else_part->child1, else_scope);
}

void analyse_while(SyntaxNode *node, Scope *scope, const char *filter)
{
    SemanticDescriptor *d = add_statement(scope, EK_WHILE, DC_WHILE, node, filter);
    std::string text;
    while_class(d) = expression_class(node->child1, text);
    while_condition(d) = copy_text(text.c_str());
    analyse_inner_block(node->child2, new_scope(d, scope));
}

/* A name as WHEN label stands for an integer constant: a macro whose text
** is a number, or a name the interface analysis evaluates (an enumerator);
** a variable, even an integral one, cannot label a switch case. */
bool integer_constant_name(const std::string &text, const SyntaxNode *at)
{
    std::string expanded, flat;
    preprocess_text(text.c_str(), true, at->file, int(at->line), expanded, nullptr);
    flatten_preprocessed_text(expanded.c_str(), flat);
    std::string value = trimmed(flat.c_str());
    if (value.empty())
        return false;
    set_bridge_position(at->file, int(at->line));
    CExpr *tree = analyse_expression(value.c_str(), analysis.unit.c_str());
    long long number = 0;
    bool constant = tree && expression_constant(tree, &number);
    free_expression(tree);
    return constant;
}

/* A WHEN label is an integer constant (numbers and character constants
** come as such from the parser); OTHERS passes.      WHWACONST, ALRCASDEF */
void analyse_when_label(SyntaxNode *label, Scope *labels, std::set<std::string> &seen)
{
    std::string text = label->kind == NK_OTHERS ? "OTHERS" : (label->text ? label->text : "");
    if (label->kind == NK_IDENT && !integer_constant_name(text, label)) {
        sema_report(SEV_ERROR, "WHWACONST", text.c_str(), label);
        return;
    }
    if (!seen.insert(text).second) {
        sema_report(SEV_ERROR, "ALRCASDEF", text.c_str(), label);
        return;
    }
    add_node_entry(labels, EK_WHEN, text.c_str(), label);
}

void analyse_case(SyntaxNode *node, Scope *scope, const char *filter)
{
    SemanticDescriptor *d = add_statement(scope, EK_CASE, DC_CASE, node, filter);
    std::string text;
    case_class(d) = expression_class(node->child1, text);
    case_selector(d) = copy_text(text.c_str());
    Scope *branches = new_scope(d, scope);
    std::set<std::string> seen;
    for (SyntaxNode *b = node->child2; b && b->kind == NK_CASE_BRANCH_LIST; b = b->child2) {
        SyntaxNode *group = b->child1;
        SemanticDescriptor *bd = add_statement(branches, EK_CASE_BRANCH,
                                               DC_CASE_BRANCH, group, nullptr);
        Scope *labels = branch_labels(bd) = new_scope(bd, branches);
        Scope *body = new_scope(bd, branches);
        for (SyntaxNode *w = group->child1; w && w->kind == NK_WHEN_LIST; w = w->child2)
            analyse_when_label(w->child1, labels, seen);
        analyse_inner_block(group->child2, body);
    }
}

/* ---- Simple statements ---- */

/* SET and UNSET take a string of upper-case letters.           BADLETFLT */
void analyse_set(SyntaxNode *node, Scope *scope, const char *filter, uint32_t kind)
{
    SyntaxNode *string = node->child1;
    std::string text = string && string->text ? string->text : "";
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    for (char c : text)
        if (c < 'A' || c > 'Z')
            sema_report(SEV_ERROR, "BADLETFLT", QString(QChar::fromLatin1(c)), node);
    add_statement(scope, kind, 0, node, filter, text.c_str());
}

void analyse_rendezvous(SyntaxNode *node, Scope *scope, const char *filter)
{
    const char *name = node->child1->text;
    SemanticDescriptor *d = add_statement(scope, EK_RENDEZVOUS, DC_RENDEZVOUS,
                                          node, filter, name);
    rendezvous_name(d) = copy_text(name);
    rendezvous_value(d) = -1;
}

/* NO_MESSAGE and MESSAGE_DATE belong to procedures and callbacks.
**                                                      NOMSINBBL, MSGDINBBL */
void analyse_message_mark(SyntaxNode *node, Scope *scope, const char *filter)
{
    bool no_message = node->kind == NK_NO_MESSAGE;
    uint32_t unit = enclosing_unit_kind(scope);
    if (unit != EK_PROC && unit != EK_CALLBACK) {
        sema_report(SEV_ERROR, no_message ? "NOMSINBBL" : "MSGDINBBL",
                    no_message ? "NO_MESSAGE" : "MESSAGE_DATE", node);
        return;
    }
    add_statement(scope, no_message ? EK_NO_MESSAGE : EK_MESSAGE_DATE, 0, node, filter);
}

/* The channel of ADD_ID and CLEAR_ID, named by an expression.  UNKCHANAM */
SemanticEntry *statement_channel(const SyntaxNode *expr, const SyntaxNode *at)
{
    std::string name = expression_text(expr);
    SemanticEntry *channel = find_channel(name.c_str());
    if (!channel)
        sema_report(SEV_ERROR, "UNKCHANAM", name.c_str(), at);
    return channel;
}

/* ADD_ID (channel, identifier): the identifier fits the channel's
** connection-identifier type and is a variable.
**                                          UNKCHANAM, TYPIDCOKO, NOIDCONST */
void analyse_add_id(SyntaxNode *node, Scope *scope, const char *filter)
{
    SemanticEntry *channel = statement_channel(node->child1, node);
    if (!channel)
        return;
    std::string id = expression_text(node->child2);
    int cls = value_text_class(id.c_str(), nullptr);
    SemanticEntry *commtype = channel_commtype(channel->descriptor);
    const char *id_type = commtype ? commtype_id_type(commtype->descriptor) : nullptr;
    CType *expected = id_type ? type_from_text(id_type) : nullptr;
    int expected_class = expected ? type_class(expected, nullptr) : 17;
    free_type(expected);
    if (!classes_compatible(cls, expected_class)) {
        sema_report(SEV_ERROR, "TYPIDCOKO", id.c_str(), node);
        return;
    }
    if (id.empty() || constant_text(id, node)) {
        sema_report(SEV_ERROR, "NOIDCONST", id.c_str(), node);
        return;
    }
    SemanticDescriptor *d = add_statement(scope, EK_ADD_ID, DC_ADD_ID, node, filter);
    id_channel(d) = channel;
    id_text(d) = copy_text(id.c_str());
}

void analyse_clear_id(SyntaxNode *node, Scope *scope, const char *filter)
{
    SemanticEntry *channel = statement_channel(node->child1, node);
    SemanticDescriptor *d = add_statement(scope, EK_CLEAR_ID, DC_CLEAR_ID, node, filter);
    id_channel(d) = channel;
}

/* RESET names a timer or variable known in the unit or globally. IDENTINCO */
void analyse_reset(SyntaxNode *node, Scope *scope, const char *filter)
{
    const char *name = node->child1->text;
    if (!lookup_ordinary(name, analysis.unit.c_str())) {
        sema_report(SEV_ERROR, "IDENTINCO", name, node);
        return;
    }
    add_statement(scope, EK_RESET, 0, node, filter, name);
}

/* A typed expression: class -1 (the C/C++ analysis could not type the
** text) fits no class, so it is the incompatible case here. */
int check_typed(const std::string &text, const SyntaxNode *at, int severity)
{
    int cls = value_text_class(text.c_str(), nullptr);
    if (cls < 0)
        sema_report(severity, "INCOMPTYP", text.c_str(), at);
    return cls;
}

/* PAUSE expression.                                   TOOFEWARG, INCOMPTYP */
void analyse_pause(SyntaxNode *node, Scope *scope, const char *filter)
{
    if (expr_is_empty(node->child1)) {
        sema_report(SEV_ERROR, "TOOFEWARG", "PAUSE", node);
        return;
    }
    std::string text = expression_text(node->child1);
    check_typed(text, node, SEV_WARNING);
    add_statement(scope, EK_PAUSE, 0, node, filter, text.c_str());
}

/* PRINT name, expression.                             TOOFEWARG, INCOMPTYP */
void analyse_print(SyntaxNode *node, Scope *scope, const char *filter)
{
    if (expr_is_empty(node->child2)) {
        sema_report(SEV_ERROR, "TOOFEWARG", "PRINT", node);
        return;
    }
    std::string text = expression_text(node->child2);
    check_typed(text, node, SEV_WARNING);
    SemanticDescriptor *d = add_statement(scope, EK_PRINT, DC_PRINT, node, filter);
    print_output(d) = copy_text(node->child1->text);
    print_expression(d) = copy_text(text.c_str());
}

/* TRACE_ON, TRACE_OFF and FLUSH_TRACE live only at the CIRCULAR trace
** level; elsewhere they are counted for the summary.  FLUSH_TRACE is
** refused in the blocks of a callback or procsend themselves (a procedure
** they call may flush).                                          FTINCBPS */
void analyse_trace(SyntaxNode *node, Scope *scope, const char *filter)
{
    int level = analysis.request ? analysis.request->trace : 0;
    if (level != 50) {
        if (node->kind == NK_TRACE_ON) analysis.ignored_trace_on++;
        else if (node->kind == NK_TRACE_OFF) analysis.ignored_trace_off++;
        else analysis.ignored_flush_trace++;
        return;
    }
    if (node->kind == NK_FLUSH_TRACE) {
        uint32_t unit = enclosing_unit_kind(scope);
        if (unit == EK_CALLBACK || unit == EK_PROCSEND) {
            sema_report(SEV_ERROR, "FTINCBPS", QString(), node);
            return;
        }
    }
    uint32_t kind = node->kind == NK_TRACE_ON    ? EK_TRACE_ON
                    : node->kind == NK_TRACE_OFF ? EK_TRACE_OFF
                                                 : EK_FLUSH_TRACE;
    add_statement(scope, kind, 0, node, filter);
}

/* INTERSEND (a, b) and INTERRECV (a [, b]): typed expressions. INCOMPTYP */
void analyse_inter(SyntaxNode *node, Scope *scope, const char *filter)
{
    bool send = node->kind == NK_INTERSEND;
    SyntaxNode *args = node->child1;
    std::string first = expression_text(args->child1);
    std::string second = args->child2 ? expression_text(args->child2) : "";
    int cls = check_typed(first, node, SEV_ERROR);
    if (args->child2)
        check_typed(second, node, SEV_ERROR);
    SemanticDescriptor *d = add_statement(scope, send ? EK_INTERSEND : EK_INTERRECV,
                                          send ? DC_INTERSEND : DC_INTERRECV, node, filter);
    inter_first(d) = copy_text(first.c_str());
    inter_class(d) = cls;
    if (args->child2)
        inter_second(d) = copy_text(second.c_str());
}

void dispatch(SyntaxNode *node, Scope *scope, const char *filter)
{
    switch (node->kind) {
    case NK_CALL: analyse_call(node, scope, filter); break;
    case NK_CASE: analyse_case(node, scope, filter); break;
    case NK_COMMENT: add_statement(scope, EK_COMMENT, 0, node, filter, node->text); break;
    case NK_ERROR: add_statement(scope, EK_ERROR, 0, node, filter); break;
    case NK_EXIT: add_statement(scope, EK_EXIT, 0, node, filter); break;
    case NK_NATIVE_STMT: add_statement(scope, EK_NATIVE_STMT, 0, node, filter, node->text); break;
    case NK_IF: analyse_if(node, scope, filter); break;
    case NK_WHILE: analyse_while(node, scope, filter); break;
    case NK_SET: analyse_set(node, scope, filter, EK_SET); break;
    case NK_UNSET: analyse_set(node, scope, filter, EK_UNSET); break;
    case NK_VAR: analyse_var(node, scope, filter); break;
    case NK_DEF_MESSAGE: analyse_def_message(node, scope, filter); break;
    case NK_WAITTIL: analyse_waittil(node, scope, filter); break;
    case NK_RENDEZVOUS: analyse_rendezvous(node, scope, filter); break;
    case NK_FORMAT: analyse_format(node); break;
    case NK_NO_MESSAGE: case NK_MESSAGE_DATE: analyse_message_mark(node, scope, filter); break;
    case NK_ADD_ID: analyse_add_id(node, scope, filter); break;
    case NK_CLEAR_ID: analyse_clear_id(node, scope, filter); break;
    case NK_TIMER: analyse_timer(node, scope); break;
    case NK_RESET: analyse_reset(node, scope, filter); break;
    case NK_PAUSE: analyse_pause(node, scope, filter); break;
    case NK_PRINT: analyse_print(node, scope, filter); break;
    case NK_CATCH: analyse_catch(node, scope, filter); break;
    case NK_SEND: analyse_send(node, scope, filter); break;
    case NK_TRACE_ON: case NK_TRACE_OFF: case NK_FLUSH_TRACE:
        analyse_trace(node, scope, filter);
        break;
    case NK_INTERSEND: case NK_INTERRECV: analyse_inter(node, scope, filter); break;
    default:
        /* DEF_TRIGGER, DISABLE_CLEANUP, ENABLE_CLEANUP, FD_ADD and FD_DEL
        ** parse but have no analysis. */
        report_at(SEV_INTERNAL, "STXNODNWT", QString::number(node->kind),
                  node->file, int(node->line));
    }
}

} // namespace

/* One statement line: the filter, the statement, then the warning for
** code after ERROR or EXIT.                           BADFLTSTX, NOEXEINST */
void analyse_statement(SyntaxNode *statement, Scope *scope)
{
    expect_node(statement, NK_STATEMENT);
    std::string filter;
    if (statement->child1)
        check_filter(statement->child1, filter);
    SyntaxNode *node = statement->child2;
    set_bridge_position(statement->file, int(statement->line));
    if (!node)
        report_at(SEV_INTERNAL, "STXNODNIL", QString(), statement->file,
                  int(statement->line));
    SemanticEntry *last = scope->last;
    dispatch(node, scope, statement->child1 ? filter.c_str() : nullptr);
    SemanticEntry *before = scope->last ? scope->last->prev : nullptr;
    if (scope->last != last && before &&
        (before->kind == EK_ERROR || before->kind == EK_EXIT))
        report_at(SEV_WARNING, "NOEXEINST", QString(), before->file, int(before->line));
}

void analyse_inner_block(SyntaxNode *block, Scope *scope)
{
    for (SyntaxNode *b = block; b && b->kind == NK_INNER_BLOCK; b = b->child3) {
        SyntaxNode *first = b->child1;
        if (!first)
            continue;
        if (first->kind != NK_INSTANCE_BEGIN) {
            analyse_statement(first, scope);
            continue;
        }
        /* instance sections nested in blocks follow the body's rule */
        if (analysis.instance_mode == 0) {
            sema_report(SEV_ERROR, "NODCLISTN", QString(), first);
            return;
        }
        open_instance_section(first, scope, EK_INSTANCE_STMT_BEGIN);
        bool named = check_instance_names(first->child1, scope, true);
        if (analysis.instance_mode != 1 || named)
            for (SyntaxNode *s = b->child2; s && s->kind == NK_STMT_LIST; s = s->child2)
                if (s->child1)
                    analyse_statement(s->child1, scope);
        close_instance_section(b, scope, EK_INSTANCE_STMT_END);
    }
}
