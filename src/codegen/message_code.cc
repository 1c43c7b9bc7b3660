/*
** src/codegen/message_code.cc
** Message functions, callbacks, procsends and wait functions of the
** generated driver.
**
** Not built yet: no message type has reference or dump functions written,
** and each used callback, used procsend and wait function gets a
** definition whose body only returns, marked as such, so that the class's
** member declarations are matched and the file compiles.
*/
#include "source_int.h"

static void placeholder_body(const char *what)
{
    emit_open_block();
    emit_format("/* %s: message code not generated yet */", what);
    emit_format("return (0);");
    emit_close_block();
}

bool generate_message_statement(SemanticEntry *statement)
{
    bool var = statement->kind == EK_VALUE_ROOT && statement->descriptor &&
               (statement->descriptor->code == DC_VALUE_INIT ||
                statement->descriptor->code == DC_VALUE_CHECK);
    if (var) {
        emit_format("/* statement: message code not generated yet */");
        return true;
    }
    switch (statement->kind) {
    case EK_ADD_ID: case EK_WAITTIL: case EK_INTERSEND: case EK_INTERRECV:
        emit_format("/* statement: message code not generated yet */");
        return true;
    default:
        return false;
    }
}

bool has_reference_messages(SemanticEntry *)
{
    return false;
}

bool has_selection_description(SemanticEntry *)
{
    return false;
}

void generate_reference_code(SemanticEntry *)
{
}

void generate_dump_code(SemanticEntry *)
{
}

static void handler_code(SemanticEntry *handler, const char *what)
{
    if (!handler->descriptor || !handler_used(handler->descriptor))
        return;
    emit_format("ZRK_T_INT ZIRKO::zrk_%s %s", handler->name, handler_parameters(handler));
    placeholder_body(what);
}

void generate_callback_code(SemanticEntry *callback)
{
    handler_code(callback, "callback");
}

void generate_procsend_code(SemanticEntry *procsend)
{
    handler_code(procsend, "procsend");
}

void generate_wait_code(SemanticEntry *wait_function)
{
    if (!wait_function->descriptor)
        return;
    emit_format("ZRK_T_INT ZIRKO::zrk_WAIT_%d (ZRK_T_INT *,ZRK_T_INT *,ZRK_T_UTIME )",
                wait_number(wait_function->descriptor));
    placeholder_body("wait function");
}
