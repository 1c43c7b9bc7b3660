/*
** src/sema/declarations.cc
** Declarations: messages, triggers, communication types, channels,
** shares, formats, timers and native lines.
**
** Each declaration becomes entries of the global scope (or of the scope
** of an INSTANCE block's enclosing level) and, where the generated driver
** needs a C object for it, a declaration text for the C/C++ analysis, so
** that later script texts can name messages, timers and storage.  Native
** declaration lines are collected and handed over as one text before the
** next declaration of another kind.
*/
#include "sema_int.h"

#include <cstring>

namespace {

QString text_arg(const char *text)
{
    return QString::fromLocal8Bit(text ? text : "");
}

void declare_formatted(const SyntaxNode *at, const char *format, const char *a,
                       const char *b = nullptr)
{
    std::string text;
    if (b)
        checked_sprintf(text, format, a, b);
    else
        checked_sprintf(text, format, a);
    declare_text(text.c_str(), at->file, at->line);
}

bool is_known_type(const char *name)
{
    set_bridge_namespace(analysis.unit.c_str());
    CType *type = type_from_text(name);
    bool known = type != nullptr;
    free_type(type);
    return known;
}

/* A native declaration line: an entry now, the text later with its
** neighbours. */
void analyse_native_line(SyntaxNode *node, Scope *scope)
{
    add_node_entry(scope, EK_NATIVE_DECL, node->text, node);
    PendingNative &p = analysis.pending;
    if (p.empty) {
        p.file = node->file;
        p.line = node->line;
        p.empty = false;
    } else {
        p.text += '\n';
    }
    p.text += node->text ? node->text : "";
}

/* The storage text the generated driver keeps for a struct or union
** message type, analysed so that its fields can be named; null for other
** types. */
char *storage_text(const char *type_name, const SyntaxNode *at)
{
    set_bridge_namespace(analysis.unit.c_str());
    CType *type = type_from_text(type_name);
    char *kept = nullptr;
    if (type && (is_union_type(type) || field_count(type, false) > 0)) {
        std::string name = std::string("ZRK_") + type_name, text;
        message_storage_text(type, name.c_str(), text, 0);
        declare_text(text.c_str(), at->file, at->line);
        kept = copy_text(text.c_str());
    }
    free_type(type);
    return kept;
}

/* The message type of a MESSAGE or TRIGGER line, found or made; *made
** tells which. */
SemanticEntry *message_type_entry(SyntaxNode *name, bool trigger, bool *made)
{
    *made = false;
    if (SemanticEntry *found = find_message_type(name->text))
        return found;
    *made = true;
    SemanticEntry *e = add_node_entry(analysis.global, EK_MESSAGE_TYPE, name->text,
                                      name);
    SemanticDescriptor *d = add_descriptor(e, DC_MESSAGE_TYPE);
    type_number(d) = analysis.message_types++;
    if (trigger)
        analysis.highest_channel++;
    type_value_text(d) = storage_text(name->text, name);
    new_scope(d, analysis.global);
    declare_formatted(name, "int zrk_msg_%s[];", name->text);
    return e;
}

/* The channel of the trigger model that carries one event type. */
void add_trigger_channel(const SyntaxNode *at)
{
    SemanticEntry *comm = find_global_entry(EK_COMMTYPE, "zrk_socket");
    if (!comm || !comm->descriptor)
        return;
    SemanticDescriptor *cd = comm->descriptor;
    std::string name;
    checked_sprintf(name, "zrk_v1_3_ch_%d", commtype_channel_count(cd));
    SemanticEntry *e = add_node_entry(analysis.global, EK_CHANNEL, name.c_str(), at);
    SemanticDescriptor *d = add_descriptor(e, DC_CHANNEL);
    channel_commtype(d) = comm;
    channel_index(d) = commtype_channel_count(cd)++;
    if (channel_index(d) > analysis.highest_channel)
        analysis.highest_channel = channel_index(d);
}

/* The callback a TRIGGER event type gets when the script writes none: it
** polls the connection identifiers and dates the message. */
void add_generated_callback(SyntaxNode *type_name, SemanticEntry *type)
{
    SemanticEntry *comm = find_global_entry(EK_COMMTYPE, "zrk_socket");
    std::string name, comment, poll;
    checked_sprintf(name, "%s_ON_%s", type_name->text, "zrk_socket");
    if (find_global_entry(EK_CALLBACK, name.c_str()))
        return;    /* a callback names its pair: this type on zrk_socket */
    SemanticEntry *e = add_node_entry(analysis.global, EK_CALLBACK, name.c_str(),
                                      type_name);
    SemanticDescriptor *d = add_descriptor(e, DC_CALLBACK);
    handler_message_type(d) = type;
    handler_commtype(d) = comm;
    handler_generated(d) = 1;
    handler_table(d) = 1;    /* zrk_socket multiplexes: the whole table */
    handler_message_var(d) = copy_text("zrk_msg");
    handler_connection(d) = copy_text("zrk_ids");
    handler_extra(d) = copy_text("zrk_n");
    Scope *body = new_scope(d, analysis.global);
    checked_sprintf(comment, "Entree dans le callback %s", name.c_str());
    checked_sprintf(poll,
                    "if (fd=zrk_pollevt(zrk_ids, zrk_n)) {  %s_Init(&zrk_msg, fd); "
                    "zrk_msgdate ( &(zrk_ctx->zrk_ctxrun),0 );} "
                    "else return (ZRK_NO_MESSAGE);",
                    type_name->text);
    add_node_entry(body, EK_NATIVE_DECL, "int fd;", type_name);
    add_node_entry(body, EK_COMMENT, comment.c_str(), type_name);
    /* the poll is a statement: a declaration after the comment would have
    ** no place in the callback's statement list */
    add_node_entry(body, EK_NATIVE_STMT, poll.c_str(), type_name);
    push_on_unit_chain(e);
}

/* MESSAGE type : names and TRIGGER type names: one message type entry per
** C type, one message per name, each a C variable of the type.
**                                                   UKNEVTSTC, TRGALRDEC */
void analyse_messages(SyntaxNode *node, bool trigger)
{
    flush_native_text();
    SyntaxNode *type_name = node->child1;
    if (!is_known_type(type_name->text)) {
        sema_report(SEV_ERROR, "UKNEVTSTC", text_arg(type_name->text), type_name);
        return;
    }
    bool made = false;
    SemanticEntry *type = message_type_entry(type_name, trigger, &made);
    if (trigger) {
        if (made)
            add_trigger_channel(type_name);
        add_generated_callback(type_name, type);
    }
    for (SyntaxNode *n = node->child2; n; n = n->child2) {
        SyntaxNode *name = n->child1;
        if (find_message(name->text)) {
            sema_report(SEV_ERROR, "TRGALRDEC", text_arg(name->text), name);
            return;
        }
        SemanticEntry *m = add_node_entry(analysis.global, EK_MESSAGE, name->text, name);
        SemanticDescriptor *d = add_descriptor(m, DC_MESSAGE);
        message_type(d) = type;
        message_index(d) = type_message_count(type->descriptor)++;
        declare_formatted(name, "%s %s;", type_name->text, name->text);
    }
}

/* COMMTYPE name IS idtype [WITH MULTIPLEXING]: the entry is made even
** when the name or the type is wrong, so that its channels still resolve.
**                                          COMALRDEC, IDCNOTDEC, PROPALDEC */
void analyse_commtype(SyntaxNode *node)
{
    flush_native_text();
    SyntaxNode *name = node->child1, *id_type = node->child2;
    if (find_global_entry(EK_COMMTYPE, name->text))
        sema_report(SEV_ERROR, "COMALRDEC", text_arg(name->text), name);
    if (!is_known_type(id_type->text))
        sema_report(SEV_ERROR, "IDCNOTDEC", text_arg(id_type->text), id_type);
    SemanticEntry *e = add_node_entry(analysis.global, EK_COMMTYPE, name->text, name);
    SemanticDescriptor *d = add_descriptor(e, DC_COMMTYPE);
    commtype_id_type(d) = copy_text(id_type->text);
    commtype_number(d) = analysis.commtypes++;
    for (SyntaxNode *p = node->child3; p; p = p->child2) {
        if (commtype_multiplexing(d)) {
            sema_report(SEV_ERROR, "PROPALDEC", "MULTIPLEXING", p->child1 ? p->child1 : p);
            break;
        }
        commtype_multiplexing(d) = 1;
    }
    if (commtype_multiplexing(d))
        declare_formatted(name, "typedef %s zrk_tabid_%s[];", id_type->text, name->text);
}

/* CHANNEL commtype : names, indexed per communication type in order.
** Declaring is not using: the lookups here leave the referenced flags of
** the communication type and channels alone.       COMMNODEC, CHAALRDEC */
void analyse_channel(SyntaxNode *node)
{
    flush_native_text();
    SyntaxNode *comm_name = node->child1;
    for (SyntaxNode *n = node->child2; n; n = n->child2) {
        SyntaxNode *name = n->child1;
        SemanticEntry *comm = find_global_entry(EK_COMMTYPE, comm_name->text);
        if (!comm) {
            sema_report(SEV_ERROR, "COMMNODEC", text_arg(comm_name->text), comm_name);
            return;
        }
        if (find_global_entry(EK_CHANNEL, name->text)) {
            sema_report(SEV_ERROR, "CHAALRDEC", text_arg(name->text), name);
            return;
        }
        SemanticEntry *e = add_node_entry(analysis.global, EK_CHANNEL, name->text, name);
        SemanticDescriptor *d = add_descriptor(e, DC_CHANNEL);
        channel_commtype(d) = comm;
        channel_index(d) = commtype_channel_count(comm->descriptor)++;
        if (channel_index(d) > analysis.highest_channel)
            analysis.highest_channel = channel_index(d);
    }
}

/* SHARE name: a static variable of the interface that every driver object
** shares even under -NOTSHARED.                                NOTSTATIC */
void analyse_share(SyntaxNode *node, Scope *scope)
{
    flush_native_text();
    SyntaxNode *name = node->child1;
    CSymbol *symbol = lookup_ordinary(name->text, analysis.unit.c_str());
    if (!symbol || symbol_category(symbol) != 2)
        sema_report(SEV_ERROR, "NOTSTATIC", text_arg(name->text), name);
    add_node_entry(scope, EK_SHARE, name->text, name);
}

} // namespace

/* FORMAT=name expression: the display format of what the expression
** names, for the dumps of the generated driver. */
void analyse_format(SyntaxNode *node)
{
    flush_native_text();
    std::string subject = expression_text(node->child2);
    set_bridge_position(node->file, int(node->line));
    set_bridge_namespace(analysis.unit.c_str());
    register_display_format(node->child1 ? node->child1->text : "", subject.c_str());
}

/* TIMER name: a C variable, an entry where it stands and its variable at
** the head of the enclosing unit, numbered in declaration order.
**                                                              IDENREDEF */
void analyse_timer(SyntaxNode *node, Scope *scope)
{
    flush_native_text();
    SyntaxNode *name = node->child1;
    if (lookup_ordinary_strict(name->text, analysis.unit.c_str())) {
        sema_report(SEV_ERROR, "IDENREDEF", text_arg(name->text), name);
        return;
    }
    declare_formatted(name, "int %s;", name->text);
    int number = analysis.timers++;
    SemanticEntry *timer = add_node_entry(scope, EK_TIMER, name->text, name);
    timer_number(add_descriptor(timer, DC_TIMER)) = number;
    SemanticEntry *var = add_entry_unit_front(scope, EK_TIMER_VAR,
                                              copy_text(name->text), name->file,
                                              name->line);
    var->file_number = name->file_number;
    timer_number(add_descriptor(var, DC_TIMER)) = number;
}

void analyse_declaration(SyntaxNode *node, Scope *scope)
{
    if (!node)
        return;
    switch (node->kind) {
    case NK_EMPTY: break;
    case NK_INCLUDE: flush_native_text(); break;
    case NK_NATIVE_LINE: analyse_native_line(node, scope); break;
    case NK_NATIVE_STMT:
        flush_native_text();
        add_node_entry(scope, EK_NATIVE_STMT, node->text, node);
        break;
    case NK_PROC: flush_native_text(); analyse_proc(node, scope); break;
    case NK_CALLBACK:
    case NK_VIRTUAL_CALLBACK: flush_native_text(); analyse_callback(node, scope); break;
    case NK_PROCSEND:
    case NK_VIRTUAL_PROCSEND: flush_native_text(); analyse_procsend(node, scope); break;
    case NK_CATCH: flush_native_text(); analyse_catch(node, scope, nullptr); break;
    case NK_TRIGGER: analyse_messages(node, true); break;
    case NK_MESSAGE: analyse_messages(node, false); break;
    case NK_COMMTYPE: analyse_commtype(node); break;
    case NK_CHANNEL: analyse_channel(node); break;
    case NK_SHARE: analyse_share(node, scope); break;
    case NK_FORMAT: analyse_format(node); break;
    case NK_TIMER: analyse_timer(node, scope); break;
    default:
        sema_report(SEV_INTERNAL, "STXNODNWT", QString::number(node->kind), node);
    }
}
