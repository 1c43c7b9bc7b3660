/*
** src/sema/units.cc
** Procedures, callbacks, procsends, catches and SEND.
**
** Each PROC, CALLBACK and PROCSEND is a unit: an entry of the global scope
** pushed on the unit chain, whose name is the C/C++ namespace of its body.
** Its parameters, connection and message variables are declared there
** before the body is analysed (body.cc).  SEND chooses the procsend that
** serves the message's type on the channel's communication type, by
** class distance (types.cc) when no procsend serves the type itself.
*/
#include "sema_int.h"

#include <cstring>
#include <string>

namespace {

bool type_known(const char *name)
{
    set_bridge_namespace("");
    CType *type = name ? type_from_text(name) : nullptr;
    bool known = type != nullptr;
    free_type(type);
    return known;
}

/* Starts the unit of a PROC, CALLBACK or PROCSEND entry. */
void open_unit(SemanticEntry *entry)
{
    push_on_unit_chain(entry);
    analysis.unit = entry->name ? entry->name : "";
    analysis.statements_seen = false;
    set_bridge_namespace(analysis.unit.c_str());
}

void declare_in_unit(const std::string &text, const SyntaxNode *at)
{
    declare_text(text.c_str(), at->file, at->line);
}

/* A class pointer type: a pointer (typedef names and modifiers followed)
** to a struct or class; `virtual_class` receives whether that class has
** virtual member functions. */
bool class_pointer(const char *name, bool *virtual_class)
{
    *virtual_class = false;
    set_bridge_namespace("");
    CType *type = name ? type_from_text(name) : nullptr;
    CTypeView v = type_view(type);
    for (int i = 0; i < 64 && (v.kind == 7 || v.kind == 11); i++)
        v = type_view(v.target);
    bool ok = false;
    if (v.kind == 3) {
        CTypeView p = type_view(v.target);
        for (int i = 0; i < 64 && (p.kind == 7 || p.kind == 11); i++)
            p = type_view(p.target);
        ok = p.kind == 10;
        *virtual_class = ok && has_virtual_members(v.target);
    }
    free_type(type);
    return ok;
}

/* One EK_TYPE_USE per type name used by a virtual callback or procsend. */
void note_type_use(const char *name, const SyntaxNode *at)
{
    if (!find_global_entry(EK_TYPE_USE, name))
        add_node_entry(analysis.global, EK_TYPE_USE, name, at);
}


/* Name part and ON part shared by callbacks and procsends: the entry with
** its descriptor; null when the declaration is dropped. */
struct HandlerParts {
    SyntaxNode *type, *message_var, *commtype, *connection, *extra, *body;
    bool is_virtual;
};

HandlerParts handler_parts(SyntaxNode *node, bool is_virtual)
{
    HandlerParts p{};
    p.type = node->child1->child1;
    p.message_var = node->child1->child2;
    p.commtype = node->child2->child1;
    p.connection = node->child2->child2;
    p.extra = node->child2->child3;
    p.body = node->child3;
    p.is_virtual = is_virtual;
    return p;
}

SemanticEntry *make_handler(const HandlerParts &p, uint32_t kind, uint32_t code,
                            const std::string &name, SemanticEntry *type,
                            SemanticEntry *commtype, SyntaxNode *at)
{
    SemanticEntry *e = add_node_entry(analysis.global, kind, name.c_str(), at);
    SemanticDescriptor *d = add_descriptor(e, code);
    handler_message_type(d) = type;
    handler_commtype(d) = commtype;
    handler_message_var(d) = copy_text(p.message_var->text);
    handler_connection(d) = copy_text(p.connection->text);
    handler_extra(d) = copy_text(p.extra ? p.extra->text : nullptr);
    handler_table(d) = p.extra != nullptr;
    handler_virtual(d) = p.is_virtual;
    if (p.is_virtual)
        note_type_use(p.type->text, at);
    return e;
}

/* The connection variable (an array with MULTIPLEXING, with the third
** name as an int) and the message variable in the handler's scope. */
void declare_handler_variables(const HandlerParts &p, SemanticEntry *commtype)
{
    const char *id_type = commtype ? commtype_id_type(commtype->descriptor) : nullptr;
    bool table = commtype && commtype_multiplexing(commtype->descriptor);
    std::string text;
    if (id_type && table && p.extra) {
        checked_sprintf(text, "int %s;", p.extra->text);
        declare_in_unit(text, p.extra);
        checked_sprintf(text, "%s %s[];", id_type, p.connection->text);
        declare_in_unit(text, p.connection);
    } else if (id_type) {
        checked_sprintf(text, "%s %s;", id_type, p.connection->text);
        declare_in_unit(text, p.connection);
    }
    /* an unknown message type is reported once, not again as C syntax */
    if (!type_known(p.type->text))
        return;
    set_bridge_namespace(analysis.unit.c_str());
    checked_sprintf(text, "%s %s;", p.type->text, p.message_var->text);
    declare_in_unit(text, p.message_var);
}

} // namespace

void close_unit()
{
    analysis.unit.clear();
    set_bridge_namespace("");
}

/* PROC name (type name, ...) body.                       PROCALREX, UKNNATTYP */
void analyse_proc(SyntaxNode *node, Scope *scope)
{
    SyntaxNode *name = node->child1;
    if (find_proc(name->text)) {
        sema_report(SEV_ERROR, "PROCALREX", name->text, name);
        return;
    }
    SemanticEntry *e = add_node_entry(scope, EK_PROC, name->text, node);
    SemanticDescriptor *d = add_descriptor(e, DC_PROC);
    Scope *params = proc_params(d) = new_scope(d, scope);
    Scope *body = new_scope(d, scope);
    open_unit(e);
    for (SyntaxNode *l = node->child2; l && l->kind == NK_PARAM_LIST; l = l->child2) {
        SyntaxNode *type = l->child1->child1, *pname = l->child1->child2;
        if (!type_known(type->text))
            sema_report(SEV_ERROR, "UKNNATTYP", type->text, type);
        SemanticEntry *pe = add_node_entry(params, EK_PARAM, pname->text, pname);
        SemanticDescriptor *pd = add_descriptor(pe, DC_PARAM);
        param_type_name(pd) = copy_text(type->text);
        set_bridge_namespace("");
        CType *ct = type_from_text(type->text);
        param_class(pd) = ct ? type_class(ct, nullptr) : 17;
        free_type(ct);
        std::string text;
        checked_sprintf(text, "%s %s;", type->text, pname->text);
        set_bridge_namespace(analysis.unit.c_str());
        declare_in_unit(text, pname);
    }
    bool outer = analysis.in_proc_body;
    analysis.in_proc_body = true;
    analyse_body(node->child3, body);
    analysis.in_proc_body = outer;
    close_unit();
}

/* CALLBACK or VIRTUALCALLBACK type : msgvar ON commtype : idvar [extra].
** The bracketed name is given exactly when the communication type
** multiplexes.  CBALRDEFI, UKNMSGTYP, COMMNODEC, CBNOMATCH, CBNPTTYPE,
** CBWRNTYPE, NOMSGDCAL, NONMSGCAL */
void analyse_callback(SyntaxNode *node, Scope *)
{
    HandlerParts p = handler_parts(node, node->kind == NK_VIRTUAL_CALLBACK);
    std::string name;
    checked_sprintf(name, "%s_ON_%s", p.type->text, p.commtype->text);
    SemanticEntry *type = find_message_type(p.type->text);
    SemanticEntry *commtype = find_commtype(p.commtype->text);
    if (find_global_entry(EK_CALLBACK, name.c_str()))
        sema_report(SEV_ERROR, "CBALRDEFI", name.c_str(), node->child1);
    if (!type)
        sema_report(SEV_ERROR, "UKNMSGTYP", p.type->text, p.type);
    if (!commtype)
        sema_report(SEV_ERROR, "COMMNODEC", p.commtype->text, p.commtype);
    if (commtype && bool(commtype_multiplexing(commtype->descriptor)) != (p.extra != nullptr)) {
        sema_report(SEV_ERROR, "CBNOMATCH", "MULTIPLEXING", node->child2);
        return;
    }
    bool virtual_class = false;
    if (p.is_virtual && !class_pointer(p.type->text, &virtual_class))
        sema_report(SEV_ERROR, "CBNPTTYPE", QString(), p.type);
    else if (p.is_virtual && !virtual_class)
        sema_report(SEV_ERROR, "CBWRNTYPE", QString(), p.type);
    SemanticEntry *e = make_handler(p, EK_CALLBACK, DC_CALLBACK, name, type, commtype, node);
    Scope *body = new_scope(e->descriptor, analysis.global);
    open_unit(e);
    declare_handler_variables(p, commtype);
    analyse_body(p.body, body);
    close_unit();
    if (!scope_contains(body, EK_MESSAGE_DATE))
        sema_report(SEV_ERROR, "NOMSGDCAL", name.c_str(), node);
    if (!scope_contains(body, EK_NO_MESSAGE))
        sema_report(SEV_ERROR, "NONMSGCAL", name.c_str(), node);
}

/* PROCSEND or VIRTUALPROCSEND type : msgvar ON commtype : idvar.
**                                 PSALRDEFI, UKNMSGTYP, COMMNODEC, PSNPTTYPE */
void analyse_procsend(SyntaxNode *node, Scope *)
{
    HandlerParts p = handler_parts(node, node->kind == NK_VIRTUAL_PROCSEND);
    p.extra = nullptr;
    std::string name;
    checked_sprintf(name, "%s_ON_%s_for_procsend", p.type->text, p.commtype->text);
    SemanticEntry *type = find_message_type(p.type->text);
    SemanticEntry *commtype = find_commtype(p.commtype->text);
    if (find_global_entry(EK_PROCSEND, name.c_str()))
        sema_report(SEV_ERROR, "PSALRDEFI", name.c_str(), node->child1);
    if (!type)
        sema_report(SEV_ERROR, "UKNMSGTYP", p.type->text, p.type);
    if (!commtype)
        sema_report(SEV_ERROR, "COMMNODEC", p.commtype->text, p.commtype);
    bool virtual_class = false;
    if (p.is_virtual && !class_pointer(p.type->text, &virtual_class))
        sema_report(SEV_ERROR, "PSNPTTYPE", QString(), p.type);
    SemanticEntry *e = make_handler(p, EK_PROCSEND, DC_PROCSEND, name, type, commtype, node);
    analysis.procsends.push_back(e);
    Scope *body = new_scope(e->descriptor, analysis.global);
    open_unit(e);
    declare_handler_variables(p, commtype);
    analyse_body(p.body, body);
    close_unit();
}

/* CATCH type WITH handler, or CATCH ... WITH handler: the handler's first
** parameter has the caught type; for "..." it takes none.  Only directly
** in a unit's body (or among the declarations).
**                                    UKNNATTYP, UNKCLPROC, INCOMPTYP, INVLCATCH */
void analyse_catch(SyntaxNode *node, Scope *scope, const char *filter)
{
    SyntaxNode *caught = node->child1, *handler = node->child2;
    if (caught && !type_known(caught->text)) {
        sema_report(SEV_ERROR, "UKNNATTYP", caught->text, caught);
        return;
    }
    SemanticEntry *proc = find_proc(handler->text);
    if (!proc) {
        sema_report(SEV_ERROR, "UNKCLPROC", handler->text, handler);
        return;
    }
    Scope *params = proc->descriptor ? proc_params(proc->descriptor) : nullptr;
    SemanticEntry *first = params ? params->first : nullptr;
    const char *ptype = first ? param_type_name(first->descriptor) : nullptr;
    std::string pair;
    if (caught && (!ptype || strcmp(ptype, caught->text) != 0)) {
        checked_sprintf(pair, "%s,%s", caught->text, ptype ? ptype : "void");
        sema_report(SEV_ERROR, "INCOMPTYP", pair.c_str(), node);
        return;
    }
    if (!caught && first) {
        checked_sprintf(pair, "void,%s", ptype);
        sema_report(SEV_ERROR, "INCOMPTYP", pair.c_str(), node);
        return;
    }
    if (scope != analysis.global) {
        SemanticEntry *owner = scope->owner ? scope->owner->entry : nullptr;
        uint32_t k = owner ? owner->kind : ~0u;
        if (k != EK_SCENARIO && k != EK_INITIALIZATION && k != EK_TERMINATION &&
            k != EK_EXCEPTION && k != EK_PROC && k != EK_CALLBACK && k != EK_PROCSEND) {
            sema_report(SEV_ERROR, "INVLCATCH", QString(), node);
            return;
        }
    }
    proc_called(proc->descriptor) = 1;
    SemanticEntry *e = add_node_entry(scope, EK_CATCH, caught ? caught->text : nullptr,
                                      node, filter);
    catch_handler(add_descriptor(e, DC_CATCH)) = proc;
}

namespace {

/* Class distance from the message's type to a procsend's type; -1 when
** it does not serve it. */
int procsend_distance(CType *message, SemanticEntry *procsend)
{
    SemanticEntry *type = handler_message_type(procsend->descriptor);
    if (!message || !type || !type->name)
        return -1;
    CType *served = type_from_text(type->name);
    int distance = served ? class_distance(message, served) : -1;
    free_type(served);
    return distance;
}

/* The procsend for exactly the message's type on the communication type,
** else the one at the smallest class distance; a tie is ambiguous. */
SemanticEntry *choose_procsend(SemanticEntry *type, SemanticEntry *commtype,
                               bool *ambiguous)
{
    *ambiguous = false;
    for (SemanticEntry *e : analysis.procsends)
        if (handler_commtype(e->descriptor) == commtype &&
            handler_message_type(e->descriptor) == type)
            return e;
    set_bridge_namespace("");
    CType *message = type && type->name ? type_from_text(type->name) : nullptr;
    SemanticEntry *best = nullptr;
    int best_distance = -1;
    for (SemanticEntry *e : analysis.procsends) {
        if (!message || handler_commtype(e->descriptor) != commtype)
            continue;
        int d = procsend_distance(message, e);
        if (d < 0)
            continue;
        if (best && d == best_distance) {
            *ambiguous = true;
        } else if (!best || d < best_distance) {
            best = e;
            best_distance = d;
            *ambiguous = false;
        }
    }
    free_type(message);
    set_bridge_namespace(analysis.unit.c_str());
    return *ambiguous ? nullptr : best;
}

} // namespace

/* SEND (message, channel).     UNKMSGNAM, UNKCHANAM, PSENDAMBIG, PSNOTDECL */
void analyse_send(SyntaxNode *node, Scope *scope, const char *filter)
{
    SyntaxNode *args = node->child1;
    SemanticEntry *message = find_message(args->child1->text);
    if (!message) {
        sema_report(SEV_ERROR, "UNKMSGNAM", args->child1->text, args->child1);
        return;
    }
    SemanticEntry *channel = find_channel(args->child2->text);
    if (!channel) {
        sema_report(SEV_ERROR, "UNKCHANAM", args->child2->text, args->child2);
        return;
    }
    SemanticEntry *type = message_type(message->descriptor);
    bool ambiguous = false;
    SemanticEntry *procsend =
        choose_procsend(type, channel_commtype(channel->descriptor), &ambiguous);
    if (ambiguous) {
        sema_report(SEV_ERROR, "PSENDAMBIG", QString(), node);
        return;
    }
    if (!procsend) {
        sema_report(SEV_ERROR, "PSNOTDECL", QString(), node);
        return;
    }
    handler_used(procsend->descriptor) = 1;
    message_used(message->descriptor) = 1;
    SemanticDescriptor *d =
        add_descriptor(add_node_entry(scope, EK_SEND, nullptr, node, filter), DC_SEND);
    send_message(d) = message;
    send_channel(d) = channel;
    send_procsend(d) = procsend;
}
