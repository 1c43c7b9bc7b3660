/*
** src/codegen/message_code.cc
** Message functions of the generated driver (_ref_msg, _cmp_msg,
** _dump_msg) and the VAR statement; the other message statements are
** dispatched to handler_code.cc and waittil_code.cc.
*/
#include "codegen_int.h"
#include "source_int.h"

namespace {

const char *const P = "zrk_";
const char *const RT = "zrk_runtime";

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
    emit_format("%s.%svar (%d);", RT, P, statement->tdc_id);
    walk_values(WM_VALUE_CHECK, statement, statement->name, "");
    emit_format("%sflagrt = %s.%svar (%d);", P, RT, P, statement->tdc_end_id);
    emit_format("if (%sflagrt != 0)", P);
    emit_open_block();
    short_debug_ending();
    emit_close_block();
}

void reference_function(SemanticEntry *type)
{
    const char *T = type->name;
    emit_format("void ZIRKO::%s%s_ref_msg (ZRK_PT_%s %smsg_ref)", P, T, T, P);
    emit_open_block();
    emit_format("%s &%smsgrcv = %smsg_ref->%sMsgRef;", T, P, P, P);
    emit_format("%s &%smsgMin = %smsg_ref->%sMsgMin;", T, P, P, P);
    emit_format("%s &%smsgMax = %smsg_ref->%sMsgMax;", T, P, P, P);
    emit_format("switch(zrk_msg_ref->zrk_defNumber)");
    emit_open_block();
    for (SemanticEntry *use = inner_first(type); use; use = use->next) {
        if (!written_definition(use))
            continue;
        emit_format("case %d:", use_number(use->descriptor));
        emit_open_block();
        emit_format("%s.%sdef_msg(%d);", RT, P, use->tdc_id);
        walk_values(WM_REFERENCE_DUMP, description_of(use), "zrk_msgrcv", T);
        emit_format("break;");
        emit_close_block();
    }
    emit_close_block();
    emit_close_block();
}

void comparison_function(SemanticEntry *type)
{
    const char *T = type->name;
    emit_format("ZRK_T_INT ZIRKO::%s%s_cmp_msg(ZRK_PT_%s %smsg_ref, %s &%smsgrcv)", P, T, T,
                P, T, P);
    emit_open_block();
    emit_format("ZRK_T_INT %sret;", P);
    emit_format("%s &%smsgref = %smsg_ref->%sMsgRef;", T, P, P, P);
    emit_format("%s &%smsgMin = %smsg_ref->%sMsgMin;", T, P, P, P);
    emit_format("%s &%smsgMax = %smsg_ref->%sMsgMax;", T, P, P, P);
    emit_format("%s.%scmp();", RT, P);
    emit_format("switch(%smsg_ref->%sdefNumber)", P, P);
    emit_open_block();
    for (SemanticEntry *use = inner_first(type); use; use = use->next) {
        if (!written_definition(use))
            continue;
        emit_format("case %d:", use_number(use->descriptor));
        emit_open_block();
        walk_values(WM_COMPARISON, description_of(use), "zrk_msgrcv", T);
        emit_format("break;");
        emit_close_block();
    }
    emit_close_block();
    emit_format("%sret=%s.%scmp();", P, RT, P);
    emit_format("%smsg_ref->%sstate = %sret?ZRK_EVTOK:ZRK_EVTKO;", P, P, P);
    emit_format("if (%smsg_ref->%sstate == ZRK_EVTOK)", P, P);
    emit_open_block();
    emit_format("%smsg_ref->%sstateok = 1;", P, P);
    emit_format("%smemcpy(&(%smsg_ref->%sMsgRef),&%smsgrcv,sizeof(%s));", P, P, P, P, T);
    emit_close_block();
    emit_format("else %smsg_ref->%sstateko = 1;", P, P);
    emit_format("return(%sret);", P);
    emit_close_block();
}

} // namespace

void short_debug_ending()
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_format("%sdebug_state = %s;", P, "1");
    emit_else();
    emit_format("return ( %s );", "1");
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
    emit_format("void ZIRKO::%s%s_dump_msg (%s &%smsgrcv)", P, T, T, P);
    emit_open_block();
    walk_values(WM_MESSAGE_DUMP, type_default_reception(message_type->descriptor),
                "zrk_msgrcv", T);
    emit_close_block();
}
