/*
** src/codegen/handler_code.cc
** Callback and procsend functions, and the channel connection statement
** (ADD_ID) that fills the connection tables they read.
*/
#include "codegen_int.h"
#include "source_int.h"

namespace {

const char *const P = "zrk_";

const char *name_of(SemanticEntry *e) { return e && e->name ? e->name : ""; }

const char *identifier_type(SemanticEntry *commtype)
{
    const char *text = commtype && commtype->descriptor
                           ? commtype_id_type(commtype->descriptor) : nullptr;
    return text ? text : "ZRK_T_INT";
}

/* The handler's own connection identifier, by index in the channel. */
void connection_line(SemanticDescriptor *d)
{
    SemanticEntry *comm = handler_commtype(d);
    emit_format("%s &%s = *(zrk_channel_%s[zrk_RegId].zrk_connexionId[zrk_index]);",
                identifier_type(comm), handler_connection(d), name_of(comm));
}

void debug_declaration()
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_text("ZRK_T_INT zrk_debug_state = 0;");
    emit_endif();
}

void handler_end(const char *result)
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_format("return (zrk_debug_state ? 1 : %s);", result);
    emit_else();
    emit_format("return ( %s );", result);
    emit_endif();
    emit_close_block();
}

/* The handler's own statements: the statement list of the statement code,
** with their leading declarations (written after the debug state). */
void handler_statements(SemanticDescriptor *d)
{
    if (d->inner)
        generate_statement_list(d->inner);
}

} // namespace

void generate_callback_code(SemanticEntry *callback)
{
    SemanticDescriptor *d = callback->descriptor;
    if (!d || !handler_used(d))
        return;
    const char *T = name_of(handler_message_type(d));
    const char *C = name_of(handler_commtype(d));
    emit_format("/* callback %s */", callback->name);
    if (handler_table(d))
        emit_format("ZRK_T_INT ZIRKO::zrk_%s(ZRK_T_INT zrk_RegId)", callback->name);
    else
        emit_format("ZRK_T_INT ZIRKO::zrk_%s(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)",
                    callback->name);
    emit_open_block();
    emit_format("%s &%s = (zrk_%s_rcv);", T, handler_message_var(d), T);
    if (handler_table(d)) {
        emit_format("ZRK_T_INT &%s = zrk_channel_%s[zrk_RegId].zrk_numberofId;",
                    handler_extra(d), C);
        emit_format("zrk_tabid_%s %s(&zrk_channel_%s[zrk_RegId]);",
                    C, handler_connection(d), C);
    } else {
        connection_line(d);
    }
    debug_declaration();
    handler_statements(d);
    handler_end("ZRK_MESSAGE_READ");
}

void generate_procsend_code(SemanticEntry *procsend)
{
    SemanticDescriptor *d = procsend->descriptor;
    if (!d || !handler_used(d))
        return;
    const char *T = name_of(handler_message_type(d));
    emit_format("/* procsend %s */", procsend->name);
    emit_format("ZRK_T_INT ZIRKO::zrk_%s(ZRK_T_INT zrk_RegId,ZRK_T_INT zrk_index)",
                procsend->name);
    emit_open_block();
    /* a VIRTUAL procsend holds the message to send by value */
    emit_format("%s &%s = %s(zrk_%s_send);", T, handler_message_var(d),
                handler_virtual(d) ? "" : "*", T);
    connection_line(d);
    debug_declaration();
    handler_statements(d);
    handler_end("ZRK_MESSAGE_SENT");
}

void generate_add_id(SemanticEntry *statement)
{
    SemanticDescriptor *d = statement->descriptor;
    SemanticEntry *channel = d ? id_channel(d) : nullptr;
    if (!channel || !channel->descriptor)
        return;
    SemanticEntry *comm = channel_commtype(channel->descriptor);
    std::string ch = std::string(P) + "channel_" + name_of(comm) + "[" +
                     std::to_string(channel_index(channel->descriptor)) + "]";
    const char *CH = ch.c_str();
    emit_format("if (%s.zrk_numberofId<ZRK_K_ID_SIZE)", CH);
    emit_open_block();
    emit_format("%s.zrk_connexionId[%s.zrk_numberofId] = &%s;", CH, CH, id_text(d));
    emit_format("++%s.zrk_numberofId;", CH);
    emit_close_block();
    emit_text("else");
    emit_open_block();
    emit_format("zrk_runtime.zrk_numofid(%d);", statement->tdc_id);
    short_debug_ending();
    emit_close_block();
}
