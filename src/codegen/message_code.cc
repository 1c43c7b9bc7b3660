/*
** src/codegen/message_code.cc
** Message functions of the generated driver (_ref_msg, _cmp_msg,
** _dump_msg) and the VAR statement; the other message statements are
** dispatched to handler_code.cc and waittil_code.cc.
*/
#include "codegen_int.h"
#include "source_int.h"

namespace {

/* The comparison description of a reference definition, or null. */
SemanticEntry *description_of(SemanticEntry *use)
{
    for (SemanticEntry *root = inner_first(use); root; root = root->next)
        if (root->kind == EK_VALUE_ROOT && root->descriptor)
            return root;
    return nullptr;
}

bool written_definition(SemanticEntry *use)
{
    return use->kind == EK_TRIGGER_USE && use->descriptor && reference_is_used(use) &&
           description_of(use);
}

bool type_is_used(SemanticEntry *type)
{
    return type->descriptor && message_type_is_used(type, source_context.global);
}

void value_check_statement(SemanticEntry *statement)
{
    emit_format("zrk_runtime.zrk_var (%d);", statement->tdc_id);
    walk_values(WM_VALUE_CHECK, statement, statement->name, "");
    emit_format("zrk_flagrt = zrk_runtime.zrk_var (%d);", statement->tdc_end_id);
    emit_text("if (zrk_flagrt != 0)");
    emit_open_block();
    short_debug_ending();
    emit_close_block();
}

void reference_function(SemanticEntry *type)
{
    const char *T = type->name;
    emit_format("void ZIRKO::zrk_%s_ref_msg (ZRK_PT_%s zrk_msg_ref)", T, T);
    emit_open_block();
    emit_format("%s &zrk_msgrcv = zrk_msg_ref->zrk_MsgRef;", T);
    emit_format("%s &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;", T);
    emit_format("%s &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;", T);
    emit_text("switch(zrk_msg_ref->zrk_defNumber)");
    emit_open_block();
    for (SemanticEntry *use = inner_first(type); use; use = use->next) {
        if (!written_definition(use))
            continue;
        emit_format("case %d:", use_number(use->descriptor));
        emit_open_block();
        emit_format("zrk_runtime.zrk_def_msg(%d);", use->tdc_id);
        walk_values(WM_REFERENCE_DUMP, description_of(use), "zrk_msgrcv", T);
        emit_text("break;");
        emit_close_block();
    }
    emit_close_block();
    emit_close_block();
}

void comparison_function(SemanticEntry *type)
{
    const char *T = type->name;
    emit_format("ZRK_T_INT ZIRKO::zrk_%s_cmp_msg(ZRK_PT_%s zrk_msg_ref, %s &zrk_msgrcv)",
                T, T, T);
    emit_open_block();
    emit_text("ZRK_T_INT zrk_ret;");
    emit_format("%s &zrk_msgref = zrk_msg_ref->zrk_MsgRef;", T);
    emit_format("%s &zrk_msgMin = zrk_msg_ref->zrk_MsgMin;", T);
    emit_format("%s &zrk_msgMax = zrk_msg_ref->zrk_MsgMax;", T);
    emit_text("zrk_runtime.zrk_cmp();");
    emit_text("switch(zrk_msg_ref->zrk_defNumber)");
    emit_open_block();
    for (SemanticEntry *use = inner_first(type); use; use = use->next) {
        if (!written_definition(use))
            continue;
        emit_format("case %d:", use_number(use->descriptor));
        emit_open_block();
        walk_values(WM_COMPARISON, description_of(use), "zrk_msgrcv", T);
        emit_text("break;");
        emit_close_block();
    }
    emit_close_block();
    emit_text("zrk_ret=zrk_runtime.zrk_cmp();");
    emit_text("zrk_msg_ref->zrk_state = zrk_ret?ZRK_EVTOK:ZRK_EVTKO;");
    emit_text("if (zrk_msg_ref->zrk_state == ZRK_EVTOK)");
    emit_open_block();
    emit_text("zrk_msg_ref->zrk_stateok = 1;");
    emit_format("zrk_memcpy(&(zrk_msg_ref->zrk_MsgRef),&zrk_msgrcv,sizeof(%s));", T);
    emit_close_block();
    emit_text("else zrk_msg_ref->zrk_stateko = 1;");
    emit_text("return(zrk_ret);");
    emit_close_block();
}

} // namespace

void short_debug_ending()
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_text("zrk_debug_state = 1;");
    emit_else();
    emit_text("return ( 1 );");
    emit_endif();
}

bool generate_message_statement(SemanticEntry *statement)
{
    if (statement->kind == EK_VALUE_ROOT && statement->descriptor) {
        uint32_t code = statement->descriptor->code;
        if (code == DC_VALUE_CHECK) {
            value_check_statement(statement);
            return true;
        }
        if (code == DC_VALUE_INIT) {
            walk_values(WM_REFERENCE_INIT, statement, statement->name, "");
            return true;
        }
        return false;
    }
    switch (statement->kind) {
    case EK_ADD_ID: generate_add_id(statement); return true;
    case EK_WAITTIL: generate_waittil(statement); return true;
    case EK_INTERSEND: generate_intersend(statement); return true;
    case EK_INTERRECV: generate_interrecv(statement); return true;
    default: return false;
    }
}

bool has_reference_messages(SemanticEntry *message_type)
{
    if (!type_is_used(message_type))
        return false;
    for (SemanticEntry *use = inner_first(message_type); use; use = use->next)
        if (written_definition(use))
            return true;
    return false;
}

/* The selection description is the type's default reception: the whole
** received message, walked to be dumped. */
bool has_selection_description(SemanticEntry *message_type)
{
    if (!type_is_used(message_type))
        return false;
    SemanticEntry *dump = type_default_reception(message_type->descriptor);
    return dump && dump->descriptor;
}

void generate_reference_code(SemanticEntry *message_type)
{
    reference_function(message_type);
    comparison_function(message_type);
}

void generate_dump_code(SemanticEntry *message_type)
{
    const char *T = message_type->name;
    emit_format("void ZIRKO::zrk_%s_dump_msg (%s &zrk_msgrcv)", T, T);
    emit_open_block();
    walk_values(WM_MESSAGE_DUMP, type_default_reception(message_type->descriptor),
                "zrk_msgrcv", T);
    emit_close_block();
}
