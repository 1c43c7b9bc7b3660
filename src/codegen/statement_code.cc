/*
** src/codegen/statement_code.cc
** Scenario, block and procedure bodies of the generated driver.
**
** A leaf scenario runs its statements; a composite one runs its selected
** children in order, each repeated by its LOOP count with the counter J<d>
** of its depth, framed by the initialisation, termination and exception
** blocks that stand before it.  Every call carries the identifiers the TDC
** writer stored in the entries (tdc_id, tdc_end_id) and the node numbers
** of the trace description (trace_node, and the file number as the node's
** section), so the runtime's reports name what those files describe.
** Statement lists, filters and instance conditions are written here too;
** calls of procedures and C functions come from call_code.cc, message
** statements from message_code.cc.
*/
#include "source_int.h"

#include "diag.h"

#include <QString>

#include <cstdarg>
#include <cstring>

namespace {

const char *const P = "zrk_";
const char *const RT = "zrk_runtime";

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

void emit_dynflw(const std::string &line)
{
    emit_format("#if ZRS_DYNFLW");
    emit_format("%s", line.c_str());
    emit_format("#endif /* ZRS_DYNFLW */");
}

void emit_debug_declaration()
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_format("ZRK_T_INT %sdebug_state = 0;", P);
    emit_endif();
}

/* An item that has no place in a statement list (fatal).  ENTCODUNK */
void misplaced_item(const SemanticEntry *e)
{
    report_at(SEV_FATAL, "ENTCODUNK", QString::number(e->kind), e->file, int(e->line));
}

std::string format_text(const char *format, ...) __attribute__((format(printf, 1, 2)));
std::string format_text(const char *format, ...)
{
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    int size = vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string out(size > 0 ? size_t(size) : 0, '\0');
    if (size > 0)
        vsnprintf(&out[0], size_t(size) + 1, format, again);
    va_end(again);
    return out;
}

/* ---- Blocks around a child scenario ---- */

const char *block_letter_name(int kind)
{
    return kind == BLOCK_INIT ? "i" : kind == BLOCK_TERM ? "t" : "e";
}

std::string special_block_line(SemanticEntry *x, int kind, int node, int open)
{
    return format_text("%s.%sspecial_block_tsf ( %d, %d, %d, %d);", RT, P, node,
                       int(x->file_number), kind, open);
}

/* The failure branch: the block's failure is the scenario's; outside
** debug builds an odd state becomes the next even one and ends the run. */
void block_failure(SemanticEntry *x, int kind, const BlockCalls &calls)
{
    emit_format("if (%slocal_state)", P);
    emit_open_block();
    emit_dynflw(special_block_line(x, kind, x->trace_node + 1, 0));
    emit_line();
    emit_format("%s", calls.failure.c_str());
    if (flush_on())
        emit_format("%s.%sflush_circular_buffer(K_TRACECTX_MAX_PRIORITY);", RT, P);
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_format("%sglobal_state = 2;", P);
    emit_format("if (( %slocal_state == 3) || ( %slocal_state == 4) )", P, P);
    emit_open_block();
    emit_format("return ( %s );", "4");
    emit_close_block();
    emit_else();
    emit_format("if (%slocal_state & 1)", P);
    emit_open_block();
    emit_format("++%slocal_state;", P);
    emit_close_block();
    emit_format("return ( %s );", "zrk_local_state");
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
    emit_format("%s", calls.opening.c_str());
    if (proc)
        emit_format("%s.%sbproc(%d);", RT, P, proc->tdc_id);
    if (proc)
        line_append("%slocal_state = %sP%d (", P, P, proc->tdc_id);
    else
        line_append("%slocal_state = %s%s%d (", P, P, block_letter_name(kind), owner->tdc_id);
    if (proc)
        append_call_arguments(x);
    line_append(");");
    emit_line();
    if (proc)
        emit_format("%s.%saproc(%d);", RT, P, proc->tdc_end_id);
    block_failure(x, kind, calls);
    emit_format("else");
    if (kind == BLOCK_EXCEP)
        emit_open_block();
    emit_dynflw(special_block_line(x, kind, x->trace_node + 1, 0));
    if (kind != BLOCK_EXCEP)
        emit_line();
    emit_format("%s", calls.success.c_str());
    if (kind == BLOCK_EXCEP)
        emit_close_block();
}

BlockCalls block_calls(SemanticEntry *x, const char *open, const char *close, int depth)
{
    BlockCalls calls;
    calls.opening = format_text("%s.%sb%s(%d,%d,%d,J%d);", RT, P, open, x->tdc_end_id,
                                x->tdc_id, depth, depth);
    calls.failure = format_text("%s.%sa%s(1,%d,%d,J%d);", RT, P, close, x->tdc_end_id,
                                depth, depth);
    calls.success = format_text("%s.%sa%s(0,%d,%d,J%d);", RT, P, close, x->tdc_end_id,
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
        emit_format("%s.%sflush_circular_buffer(%d);", RT, P, source_context.trace_level);
}

void child_failure(SemanticEntry *owner, const ChildBlocks &b, int d)
{
    emit_format("if ( %slocal_state )", P);
    emit_open_block();
    emit_format("%sglobal_state = 2;", P);
    if (flush_on())
        emit_format("%s.%sflush_circular_buffer(K_TRACECTX_MAX_PRIORITY);", RT, P);
    emit_format("if (( %slocal_state == 3) || ( %slocal_state == 4) )", P, P);
    emit_open_block();
    emit_format("return ( %s );", "4");
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
    emit_format("%s.%sstartchronomarkloop (%d, %d ,%d, J%d, \"%s\", %d, %d);", RT, P,
                child->tdc_end_id, child->tdc_id, d, d, label, child->trace_node,
                int(child->file_number));
    emit_format("%slocal_state = %sS%d ();", P, P, child->tdc_id);
    emit_format("%s.%sstopchronomarkloop(%slocal_state,%d,%d,J%d,\"%s\",%d,%d);", RT, P, P,
                child->tdc_end_id, d, d, label, child->trace_node + 1,
                int(child->file_number));
    child_failure(owner, b, d);
    if (b.term) {
        emit_format("else");
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
    emit_format(kind == BLOCK_INIT ? "ZRK_T_INT ZIRKO::%s%s%d ()" : "ZRK_T_INT ZIRKO::%s%s%d()",
                P, block_letter_name(kind), owner->tdc_id);
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
    emit_format("ZRK_T_INT ZIRKO::%sS%d()", P, scenario->tdc_id);
    emit_open_block();
    emit_format("ZRK_T_INT %slocal_state = 0;", P);
    emit_format("ZRK_T_INT %sglobal_state = 0;", P);
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
    emit_format("return ( %s );", "zrk_global_state");
    emit_close_block();
}

void leaf_function(SemanticEntry *scenario)
{
    emit_format("ZRK_T_INT ZIRKO::%sS%d()", P, scenario->tdc_id);
    emit_open_block();
    emit_debug_declaration();
    generate_statement_list(scenario->descriptor->inner);
    write_debug_ending("zrk_debug_state", "0");
    emit_close_block();
    clear_pending_labels();
}

/* ---- Statement lists ---- */

bool instance_sections_written()
{
    int mode = source_context.request->instance_mode;
    return mode == 2 || mode == 3;
}

bool is_declaration(const SemanticEntry *e)
{
    switch (e->kind) {
    case EK_NATIVE_DECL: case EK_TEMP_VAR: case EK_TIMER_VAR:
    case EK_INSTANCE: case EK_INSTANCE_DECL_END: case EK_INSTANCE_REF:
        return true;
    case EK_INSTANCE_DECL_BEGIN:
        return instance_sections_written();
    default:
        return false;
    }
}

/* Runtime spellings of the type classes 0 to 9. */
const char *const CLASS_TYPES[] = {
    "ZRK_T_ENUM", "ZRK_T_CAR", "ZRK_T_INT", "ZRK_T_LONG", "ZRK_T_REAL",
    "ZRK_T_DOUBLE", "ZRK_PT_CAR", "ZRK_T_CAR", "ZRK_PT_VOID", "ZRK_PT_VOID",
};

/* "T[N]" splits into "T" and "[N]"; other texts have no dimension. */
void split_array(const std::string &text, std::string &element, std::string &dimension)
{
    size_t at = text.find('[');
    element = text.substr(0, at);
    while (!element.empty() && element.back() == ' ')
        element.pop_back();
    dimension = at == std::string::npos ? "" : text.substr(at);
}

/* A generated temporary.  A reference or a type that could not be given
** is spelled by its class, since the declarator cannot be written as is. */
void temporary_declaration(SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    std::string text = d ? text_or_empty(temp_type_text(d)) : "";
    int cls = d ? temp_class(d) : 17;
    std::string element, dimension;
    split_array(text, element, dimension);
    if (text.find('&') != std::string::npos || cls == 15 || cls == 17) {
        element = cls >= 0 && cls <= 9 ? CLASS_TYPES[cls] : "TO_BE_COMPLETED";
        if (cls != 7)
            dimension.clear();
    }
    emit_format("%s %s%s;", element.c_str(), e->name, dimension.c_str());
}

void write_declaration(SemanticEntry *e)
{
    switch (e->kind) {
    case EK_NATIVE_DECL: emit_format("%s", text_or_empty(e->name)); break;
    case EK_TEMP_VAR: temporary_declaration(e); break;
    case EK_TIMER_VAR:
        emit_format("int %s=%d;", e->name, e->descriptor ? timer_number(e->descriptor) : 0);
        break;
    default: break;
    }
}

void emit_try_ending()
{
    emit_format("ZRK_END_TRY");
    emit_format("#ifdef ZRK_HANDLE_EXCEPTION");
    emit_format("catch(...)");
    emit_open_block();
    emit_format("return ( %s );", "1");
    emit_close_block();
    emit_format("#endif // ZRK_HANDLE_EXCEPTION");
}

/* Writes the leading declarations; returns the first other item. */
SemanticEntry *write_prologue(SemanticEntry *e)
{
    for (; e && is_declaration(e); e = e->next)
        write_declaration(e);
    return e;
}

void write_item(SemanticEntry *e);

void write_items(SemanticEntry *e)
{
    for (; e; e = e->next)
        write_item(e);
}

/* ---- Filters and instance conditions ---- */

void filter_condition(const char *text)
{
    bool or_form = *text == '%';
    if (or_form)
        text++;
    bool groups = strchr(text, '+') != nullptr;
    const char *join = or_form ? " || " : " && ";
    const char *group_join = or_form ? ") && (" : ") || (";
    std::string line = groups ? "if ( ( " : "if ( ";
    bool term_before = false, negated = false;
    for (const char *c = text; *c; c++) {
        if (*c == '+') {
            line += group_join;
            term_before = false;
        } else if (*c == '~') {
            if (term_before)
                line += join;
            line += "!";
            negated = true;
        } else if (*c >= 'A' && *c <= 'Z') {
            if (term_before && !negated)
                line += join;
            line += std::string("zrk_") + "runtime." + "zrk_" + "ctxfilter[" +
                    std::to_string(*c - 'A') + "]";
            term_before = true;
            negated = false;
        }
    }
    line += ")";
    if (groups)
        line += " )";
    emit_format("%s", line.c_str());
}

/* "if ((zrk_runtime.zrk_ctxnuminstance==2) || ...)" for the instances
** named after the section's start, and the section's block opened. */
void instance_condition(SemanticEntry *begin)
{
    std::string line = "if (";
    SemanticEntry *e = begin->next;
    for (bool first = true; e && e->kind == EK_INSTANCE_REF; e = e->next) {
        SemanticEntry *instance = e->descriptor ? ref_instance(e->descriptor) : nullptr;
        if (!instance || !instance->descriptor)
            continue;
        if (!first)
            line += " || ";
        line += format_text("(%s.%sctxnuminstance==%d)", RT, P,
                            instance_number(instance->descriptor));
        first = false;
    }
    emit_format("%s)", line.c_str());
    emit_open_block();
}

void check_instance_mode()
{
    int mode = source_context.request->instance_mode;
    if (mode < 1 || mode > 3)
        report_fatal("BADPARAMS");
}

/* ---- Statements ---- */

void nested_block(Scope *scope)
{
    emit_open_block();
    generate_nested_items(scope);
    emit_close_block();
}

void def_message_statement(SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    SemanticEntry *message = def_message(d);
    if (!message || !message->descriptor || !message_used(message->descriptor))
        return;
    SemanticEntry *type = message_type(message->descriptor);
    emit_format("%smsg_%s[%d].%sdefNumber = %d;", P, type ? type->name : "",
                message_index(message->descriptor), P, def_number(d));
    generate_nested_items(d->inner);
}

void if_statement(SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    emit_format("if ( %s )", text_or_empty(if_condition(d)));
    nested_block(d->inner);
    if (if_else(d)) {
        emit_format("else");
        nested_block(if_else(d));
    }
}

void when_label(SemanticEntry *e)
{
    if (e->name && strcmp(e->name, "OTHERS") == 0)
        emit_format("default :");
    else
        emit_format("case %s :", text_or_empty(e->name));
}

void case_branch(SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    for (SemanticEntry *label = scope_first_entry(branch_labels(d)); label; label = label->next)
        when_label(label);
    emit_open_block();
    generate_nested_items(d->inner);
    emit_format("break;");
    emit_close_block();
}

void rendezvous_statement(SemanticEntry *e)
{
    const char *r = e->descriptor && rendezvous_name(e->descriptor)
                        ? rendezvous_name(e->descriptor) : text_or_empty(e->name);
    int x = e->tdc_id, node = e->trace_node, file = int(e->file_number);
    emit_format("%s.%sbrdv(%d, \"%s\");", RT, P, x, r);
    emit_format("if (%srdv(\"%s\"))", P, r);
    emit_open_block();
    emit_dynflw(format_text("%s.%srdv_reached_tsf ( 1, %d, %d);", RT, P, node, file));
    emit_format("%s.%sardv(%d,1, \"%s\");", RT, P, x, r);
    write_short_debug_ending();
    emit_close_block();
    emit_format("else");
    emit_open_block();
    emit_dynflw(format_text("%s.%srdv_reached_tsf ( 0, %d, %d);", RT, P, node, file));
    emit_format("%s.%sardv(%d,0, \"%s\");", RT, P, x, r);
    emit_close_block();
}

/* The procsend runs once per connection of the channel; its failure
** stops the loop and, outside debug builds, the scenario. */
void send_loop(const char *commtype, int index, const char *procsend)
{
    emit_format("ZRK_T_INT %si, %spsret=0;", P, P);
    emit_format("%s.%srio_on();", RT, P);
    emit_format("for (zrk_i=0;zrk_i<%schannel_%s[%d].zrk_numberofId;zrk_i++)", P, commtype,
                index);
    emit_open_block();
    emit_format("%s.%srio_off();", RT, P);
    emit_format("%spsret = %s%s (%d,zrk_i);", P, P, procsend, index);
    emit_format("%s.%srio_on();", RT, P);
    emit_format("if (%spsret==1)", P);
    emit_open_block();
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_format("%sdebug_state=1;", P);
    emit_endif();
    emit_format("break;");
    emit_close_block();
    emit_close_block();
}

/* A message type reached through VIRTUAL handlers (it has a type use) is
** a class pointer, and the member holding the message to send holds that
** pointer itself rather than its address. */
bool held_by_value(const char *type)
{
    for (SemanticEntry *e = scope_first_entry(source_context.global); e; e = e->next)
        if (e->kind == EK_TYPE_USE && e->name && strcmp(e->name, type) == 0)
            return true;
    return false;
}

void send_statement(SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    SemanticEntry *message = send_message(d), *channel = send_channel(d);
    SemanticEntry *procsend = send_procsend(d);
    SemanticEntry *type = message && message->descriptor ? message_type(message->descriptor) : nullptr;
    SemanticEntry *commtype = channel && channel->descriptor ? channel_commtype(channel->descriptor) : nullptr;
    const char *m = message ? message->name : "";
    const char *t = type ? type->name : "";
    int index = channel && channel->descriptor ? channel_index(channel->descriptor) : 0;
    emit_format("%s.%ssend( %d, \"%s\");", RT, P, e->tdc_id, m);
    emit_format(held_by_value(t) ? "%s%s_send = %s;" : "%s%s_send = &%s;", P, t, m);
    emit_dynflw(format_text("%s.%ssend_tsf ( %d, %d);", RT, P, e->trace_node,
                            int(e->file_number)));
    emit_open_block();
    send_loop(commtype ? commtype->name : "", index, procsend ? procsend->name : "");
    emit_format("%s%s_dump_msg ( %s );", P, t, m);
    emit_format("%s.%sendsend( %spsret,%d);", RT, P, P, e->tdc_end_id);
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_else();
    emit_format("if (%spsret)", P);
    emit_format("return ( %s );", "1");
    emit_endif();
    emit_close_block();
}

void clear_id_statement(SemanticEntry *e)
{
    SemanticEntry *channel = id_channel(e->descriptor);
    SemanticEntry *commtype = channel && channel->descriptor ? channel_commtype(channel->descriptor) : nullptr;
    int index = channel && channel->descriptor ? channel_index(channel->descriptor) : 0;
    emit_format("%schannel_%s[%d].%snumberofId=0;", P, commtype ? commtype->name : "", index, P);
}

/* CATCH in a body: the handler joins the function's list and the try
** is cut so that the following calls see it. */
void catch_statement(SemanticEntry *e)
{
    record_local_catch_handler(e);
    emit_try_ending();
    emit_format("ZRK_TRY");
}

void runtime_call(const char *name, int id)
{
    emit_format("%s.%s%s (%d);", RT, P, name, id);
}

/* The statements whose entry needs no descriptor. */
bool plain_statement(SemanticEntry *e)
{
    int x = e->tdc_id;
    switch (e->kind) {
    case EK_COMMENT: runtime_call("comment", x); return true;
    case EK_NATIVE_STMT: emit_format("%s", text_or_empty(e->name)); return true;
    case EK_ERROR: runtime_call("error", x); write_short_debug_ending(); return true;
    case EK_EXIT: runtime_call("rioexit", x); emit_format("return ( %s );", "3"); return true;
    case EK_SET: emit_format("%s.%ssetfilter (\"%s\", %d );", RT, P, text_or_empty(e->name), x); return true;
    case EK_UNSET: emit_format("%s.%sunsetfilter (\"%s\", %d );", RT, P, text_or_empty(e->name), x); return true;
    case EK_NO_MESSAGE: runtime_call("nomsg", x); emit_format("return ( ZRK_NO_MESSAGE );"); return true;
    case EK_MESSAGE_DATE: runtime_call("msgdate", x); return true;
    case EK_RESET: case EK_TIMER:
        emit_format("%sget_date(&(%stimer[%s].timer));", P, P, text_or_empty(e->name));
        return true;
    case EK_PAUSE: emit_format("%s.%spause ((ZRK_T_UTIME)(%s));", RT, P, text_or_empty(e->name)); return true;
    case EK_FLUSH_TRACE:
        emit_format("%s.%sflush_trace ( %d );", RT, P, x);
        emit_format("%s.%sflush_circular_buffer (K_TRACECTX_MAX_PRIORITY);", RT, P);
        return true;
    case EK_TRACE_ON: emit_format("%s.%strace_on ( %d );", RT, P, x); return true;
    case EK_TRACE_OFF: emit_format("%s.%strace_off ( %d );", RT, P, x); return true;
    default: return false;
    }
}

/* The statements that read their descriptor. */
void described_statement(SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    switch (e->kind) {
    case EK_DEF_MESSAGE: def_message_statement(e); break;
    case EK_WHILE:
        emit_format("while ( %s )", text_or_empty(while_condition(d)));
        nested_block(d->inner);
        break;
    case EK_IF: if_statement(e); break;
    case EK_CASE:
        emit_format("switch ( %s )", text_or_empty(case_selector(d)));
        nested_block(d->inner);
        break;
    case EK_CASE_BRANCH: case_branch(e); break;
    case EK_RENDEZVOUS: rendezvous_statement(e); break;
    case EK_CLEAR_ID: clear_id_statement(e); break;
    case EK_PRINT:
        emit_format("%s.%sprint(%d,(ZRK_T_ULONG)(%s));", RT, P, e->tdc_id,
                    text_or_empty(print_expression(d)));
        break;
    case EK_CATCH: catch_statement(e); break;
    case EK_SEND: send_statement(e); break;
    case EK_CALL: generate_call_statement(e); break;
    default: break;
    }
}

bool misplaced_kind(const SemanticEntry *e)
{
    switch (e->kind) {
    case EK_SCENARIO: case EK_INITIALIZATION: case EK_TERMINATION: case EK_EXCEPTION:
    case EK_CALL_ARG: case EK_NATIVE_DECL: case EK_TEMP_VAR: case EK_TIMER_VAR:
        return true;
    default:
        return false;
    }
}

void statement_text(SemanticEntry *e)
{
    if (generate_message_statement(e))
        return;
    if (e->kind == EK_WHEN) {
        when_label(e);
        return;
    }
    if (!plain_statement(e) && e->descriptor)
        described_statement(e);
}

/* An instance section's names follow its start: they are read by the
** instance condition and are no items. */
void write_item(SemanticEntry *e)
{
    if (misplaced_kind(e))
        misplaced_item(e);
    if (e->kind == EK_INSTANCE_REF || e->kind == EK_INSTANCE || e->kind == EK_INSTANCE_DECL_END ||
        e->kind == EK_INSTANCE_DECL_BEGIN)
        return;
    if (e->kind == EK_INSTANCE_STMT_BEGIN || e->kind == EK_INSTANCE_STMT_END) {
        check_instance_mode();
        if (!instance_sections_written())
            return;
        if (e->kind == EK_INSTANCE_STMT_END)
            emit_close_block();
        else
            instance_condition(e);
        return;
    }
    bool filtered = e->aux && *e->aux;
    if (filtered) {
        filter_condition(e->aux);
        emit_open_block();
    }
    statement_text(e);
    if (filtered)
        emit_close_block();
}

} // namespace

/* ---- What the other body writers use ---- */

SemanticEntry *scope_first_entry(const Scope *scope)
{
    return scope ? scope->first : nullptr;
}

void write_debug_ending(const char *debug_value, const char *normal_value)
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_format("return ( %s );", debug_value);
    emit_else();
    emit_format("return ( %s );", normal_value);
    emit_endif();
}

void write_short_debug_ending()
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_format("%sdebug_state = %s;", P, "1");
    emit_else();
    emit_format("return ( %s );", "1");
    emit_endif();
}

void generate_statement_list(Scope *list)
{
    SemanticEntry *e = write_prologue(scope_first_entry(list));
    emit_format("ZRK_TRY");
    write_items(e);
    emit_try_ending();
}

void generate_nested_items(Scope *list)
{
    write_items(write_prologue(scope_first_entry(list)));
}

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
    line_append("ZRK_T_INT ZIRKO::%sP%d (", P, procedure->tdc_id);
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
