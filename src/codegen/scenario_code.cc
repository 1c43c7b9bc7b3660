/*
** src/codegen/scenario_code.cc
** Scenario, block and procedure functions of the generated driver.
**
** A leaf scenario runs its statements; a composite one runs its selected
** children in order, each repeated by its LOOP count with the counter J<d>
** of its depth, framed by the initialisation, termination and exception
** blocks that stand before it.  The calls carry the TDC identifiers stored
** in the entries and the trace description's nodes (a scenario's or a
** block's begin node, its end node being the next number), with the
** item's file number as the node's section.
*/
#include "source_int.h"

namespace {

/* Kinds of the blocks around a child scenario, as the runtime numbers them. */
enum BlockKind { BLOCK_INIT = 1, BLOCK_TERM = 2, BLOCK_EXCEP = 3 };

/* The runtime calls that open a block and report its failure or success. */
struct BlockCalls {
    std::string opening, failure, success;
};

bool flush_on()
{
    const SourceContext &c = source_context;
    return c.trace_level >= 1 && c.buffer_size >= 1 && c.trace_level != 50;
}

void emit_debug_declaration()
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_text("ZRK_T_INT zrk_debug_state = 0;");
    emit_endif();
}

/* ---- Blocks around a child scenario ---- */

const char *block_letter_name(int kind)
{
    return kind == BLOCK_INIT ? "i" : kind == BLOCK_TERM ? "t" : "e";
}

std::string special_block_line(SemanticEntry *x, int kind, int node, int open)
{
    return format_text("zrk_runtime.zrk_special_block_tsf ( %d, %d, %d, %d);", node,
                       int(x->file_number), kind, open);
}

/* The failure branch: the block's failure is the scenario's; outside
** debug builds an odd state becomes the next even one and ends the run. */
void block_failure(SemanticEntry *x, int kind, const BlockCalls &calls)
{
    emit_text("if (zrk_local_state)");
    emit_open_block();
    emit_dynflw(special_block_line(x, kind, x->trace_node + 1, 0));
    emit_line();
    emit_text(calls.failure.c_str());
    if (flush_on())
        emit_text("zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);");
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_text("zrk_global_state = 2;");
    emit_text("if (( zrk_local_state == 3) || ( zrk_local_state == 4) )");
    emit_open_block();
    emit_text("return ( 4 );");
    emit_close_block();
    emit_else();
    emit_text("if (zrk_local_state & 1)");
    emit_open_block();
    emit_text("++zrk_local_state;");
    emit_close_block();
    emit_text("return ( zrk_local_state );");
    emit_endif();
    emit_close_block();
}

/* The call of a block: a procedure called by name, or the block's own
** function.  An exception block's success branch is braced; the other
** kinds' `else` governs only the line after it. */
void block_call(SemanticEntry *x, SemanticEntry *owner, int kind, const BlockCalls &calls)
{
    SemanticEntry *proc = block_proc(x->descriptor);
    emit_dynflw(special_block_line(x, kind, x->trace_node, 1));
    emit_line();
    emit_text(calls.opening.c_str());
    if (proc)
        emit_format("zrk_runtime.zrk_bproc(%d);", proc->tdc_id);
    if (proc)
        line_append("zrk_local_state = zrk_P%d (", proc->tdc_id);
    else
        line_append("zrk_local_state = zrk_%s%d (", block_letter_name(kind), owner->tdc_id);
    if (proc)
        append_call_arguments(x);
    line_append(");");
    emit_line();
    if (proc)
        emit_format("zrk_runtime.zrk_aproc(%d);", proc->tdc_end_id);
    block_failure(x, kind, calls);
    emit_text("else");
    if (kind == BLOCK_EXCEP)
        emit_open_block();
    emit_dynflw(special_block_line(x, kind, x->trace_node + 1, 0));
    if (kind != BLOCK_EXCEP)
        emit_line();
    emit_text(calls.success.c_str());
    if (kind == BLOCK_EXCEP)
        emit_close_block();
}

BlockCalls block_calls(SemanticEntry *x, const char *open, const char *close, int depth)
{
    BlockCalls calls;
    calls.opening = format_text("zrk_runtime.zrk_b%s(%d,%d,%d,J%d);", open, x->tdc_end_id,
                                x->tdc_id, depth, depth);
    calls.failure = format_text("zrk_runtime.zrk_a%s(1,%d,%d,J%d);", close, x->tdc_end_id,
                                depth, depth);
    calls.success = format_text("zrk_runtime.zrk_a%s(0,%d,%d,J%d);", close, x->tdc_end_id,
                                depth, depth);
    return calls;
}

/* ---- Scenario functions ---- */

/* The blocks in force for the child scenarios that follow them. */
struct ChildBlocks {
    SemanticEntry *init = nullptr, *term = nullptr, *excep = nullptr;
};

void flush_at_trace_level()
{
    if (flush_on())
        emit_format("zrk_runtime.zrk_flush_circular_buffer(%d);",
                    source_context.trace_level);
}

void child_failure(SemanticEntry *owner, const ChildBlocks &b, int d)
{
    emit_text("if ( zrk_local_state )");
    emit_open_block();
    emit_text("zrk_global_state = 2;");
    if (flush_on())
        emit_text("zrk_runtime.zrk_flush_circular_buffer(K_TRACECTX_MAX_PRIORITY);");
    emit_text("if (( zrk_local_state == 3) || ( zrk_local_state == 4) )");
    emit_open_block();
    emit_text("return ( 4 );");
    emit_close_block();
    if (b.excep)
        block_call(b.excep, owner, BLOCK_EXCEP, block_calls(b.excep, "excep", "excep", d));
    emit_close_block();
}

/* One child scenario run by its parent at depth d. */
void child_run(SemanticEntry *owner, SemanticEntry *child, const ChildBlocks &b, int d)
{
    SemanticDescriptor *cd = child->descriptor;
    int k = scenario_loop(cd) > 1 ? scenario_loop(cd) : 1;
    const char *label = text_or_empty(scenario_qualified_name(cd));
    if (k > 1) {
        emit_format("for(J%d=1; J%d<=%d; ++J%d)", d, d, k, d);
        emit_open_block();
    }
    if (b.init)
        block_call(b.init, owner, BLOCK_INIT, block_calls(b.init, "init", "init", d));
    flush_at_trace_level();
    emit_format("zrk_runtime.zrk_startchronomarkloop (%d, %d ,%d, J%d, \"%s\", %d, %d);",
                child->tdc_end_id, child->tdc_id, d, d, label, child->trace_node,
                int(child->file_number));
    emit_format("zrk_local_state = zrk_S%d ();", child->tdc_id);
    emit_format("zrk_runtime.zrk_stopchronomarkloop(zrk_local_state,%d,%d,J%d,\"%s\",%d,%d);",
                child->tdc_end_id, d, d, label, child->trace_node + 1,
                int(child->file_number));
    child_failure(owner, b, d);
    if (b.term) {
        emit_text("else");
        emit_open_block();
        block_call(b.term, owner, BLOCK_TERM, block_calls(b.term, "term", "term", d));
        emit_close_block();
    }
    flush_at_trace_level();
    if (k > 1)
        emit_close_block();
}

/* A block written as a body of its own (not a procedure call). */
void block_function(SemanticEntry *block, SemanticEntry *owner, int kind)
{
    if (!block->descriptor || block_proc(block->descriptor))
        return;
    emit_format(kind == BLOCK_INIT ? "ZRK_T_INT ZIRKO::zrk_%s%d ()"
                                   : "ZRK_T_INT ZIRKO::zrk_%s%d()",
                block_letter_name(kind), owner->tdc_id);
    emit_open_block();
    emit_debug_declaration();
    generate_statement_list(block->descriptor->inner);
    write_debug_ending("zrk_debug_state", "0");
    emit_close_block();
    clear_pending_labels();
}

void child_functions(SemanticEntry *scenario)
{
    for (SemanticEntry *e = scope_first_entry(scenario->descriptor->inner); e; e = e->next) {
        switch (e->kind) {
        case EK_SCENARIO: generate_scenario_code(e); break;
        case EK_INITIALIZATION: block_function(e, scenario, BLOCK_INIT); break;
        case EK_TERMINATION: block_function(e, scenario, BLOCK_TERM); break;
        case EK_EXCEPTION: block_function(e, scenario, BLOCK_EXCEP); break;
        default: break;
        }
    }
}

void composite_function(SemanticEntry *scenario, int d)
{
    child_functions(scenario);
    emit_format("ZRK_T_INT ZIRKO::zrk_S%d()", scenario->tdc_id);
    emit_open_block();
    emit_text("ZRK_T_INT zrk_local_state = 0;");
    emit_text("ZRK_T_INT zrk_global_state = 0;");
    emit_format("J%d = 1;", d);
    ChildBlocks blocks;
    for (SemanticEntry *e = scope_first_entry(scenario->descriptor->inner); e; e = e->next) {
        if (!e->descriptor)
            continue;
        if (e->kind == EK_INITIALIZATION)
            blocks.init = e;
        else if (e->kind == EK_TERMINATION)
            blocks.term = e;
        else if (e->kind == EK_EXCEPTION)
            blocks.excep = e;
        else if (e->kind == EK_SCENARIO && scenario_selected(e->descriptor))
            child_run(scenario, e, blocks, d);
    }
    emit_text("return ( zrk_global_state );");
    emit_close_block();
}

void leaf_function(SemanticEntry *scenario)
{
    emit_format("ZRK_T_INT ZIRKO::zrk_S%d()", scenario->tdc_id);
    emit_open_block();
    emit_debug_declaration();
    generate_statement_list(scenario->descriptor->inner);
    write_debug_ending("zrk_debug_state", "0");
    emit_close_block();
    clear_pending_labels();
}

} // namespace

/* ---- Units ---- */

void generate_scenario_code(SemanticEntry *scenario)
{
    SemanticDescriptor *d = scenario->descriptor;
    if (!d || !scenario_selected(d))
        return;
    int depth = ++source_context.depth;
    if (scenario_leaf(d))
        leaf_function(scenario);
    else
        composite_function(scenario, depth);
    --source_context.depth;
}

/* Only a procedure called somewhere has a body: nothing else refers to
** the others. */
void generate_procedure_code(SemanticEntry *procedure)
{
    SemanticDescriptor *d = procedure->descriptor;
    if (!d || !proc_called(d))
        return;
    emit_format("/* procedure %s */", text_or_empty(procedure->name));
    line_append("ZRK_T_INT ZIRKO::zrk_P%d (", procedure->tdc_id);
    const char *separator = "";
    for (SemanticEntry *p = scope_first_entry(proc_params(d)); p; p = p->next) {
        if (p->kind != EK_PARAM || !p->descriptor)
            continue;
        line_append("%s%s %s", separator, text_or_empty(param_type_name(p->descriptor)),
                    text_or_empty(p->name));
        separator = ", ";
    }
    line_append(")");
    emit_line();
    emit_open_block();
    emit_debug_declaration();
    generate_statement_list(d->inner);
    write_debug_ending("zrk_debug_state", "0");
    emit_close_block();
}
