/*
** src/codegen/statement_code.cc
** Scenario and procedure bodies of the generated driver.
**
** Not built yet: each selected scenario (with its sub-scenarios and its
** block-form initialisation, termination and exception blocks) and each
** called procedure gets a definition whose body only returns, marked as
** such, so that the class's member declarations are matched and the file
** compiles.
*/
#include "source_int.h"

static void placeholder_body(const char *what)
{
    emit_open_block();
    emit_format("/* %s: statement code not generated yet */", what);
    emit_format("return (0);");
    emit_close_block();
}

/* Block form only: the call form is a procedure call, not a unit. */
static void block_unit_code(SemanticEntry *block, SemanticEntry *owner, char letter)
{
    if (!block->descriptor || block_proc(block->descriptor))
        return;
    emit_format("ZRK_T_INT ZIRKO::zrk_%c%d ()", letter, owner->tdc_id);
    placeholder_body("block");
}

void generate_scenario_code(SemanticEntry *scenario)
{
    SemanticDescriptor *d = scenario->descriptor;
    if (!d || !scenario_selected(d))
        return;
    emit_format("ZRK_T_INT ZIRKO::zrk_S%d ()", scenario->tdc_id);
    placeholder_body("scenario");
    for (SemanticEntry *e = d->inner ? d->inner->first : nullptr; e; e = e->next) {
        if (e->kind == EK_SCENARIO)
            generate_scenario_code(e);
        else if (e->kind == EK_INITIALIZATION)
            block_unit_code(e, scenario, 'i');
        else if (e->kind == EK_TERMINATION)
            block_unit_code(e, scenario, 't');
        else if (e->kind == EK_EXCEPTION)
            block_unit_code(e, scenario, 'e');
    }
}

void generate_procedure_code(SemanticEntry *procedure)
{
    if (!procedure->descriptor || !proc_called(procedure->descriptor))
        return;
    std::string head;
    procedure_signature(procedure, "ZIRKO::", head);
    emit_format("%s", head.c_str());
    placeholder_body("procedure");
}

void record_catch_handler(SemanticEntry *)
{
}

void clear_pending_labels()
{
}
