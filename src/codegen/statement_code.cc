/*
** src/codegen/statement_code.cc
** Statement lists of the generated driver's bodies.
**
** A list is its leading declarations, then its statements inside ZRK_TRY,
** each behind the condition of its execution filter and each reporting to
** the runtime with the identifier the TDC writer stored in its entry
** (tdc_id, tdc_end_id) and, for rendezvous and sends, the node of the
** trace description (trace_node, in the section of its file number).
** Instance sections become conditions on the running instance.  Calls of
** procedures and C functions come from call_code.cc, message statements
** from message_code.cc.
*/
#include "source_int.h"

#include "diag.h"

#include <QString>

#include <cstring>

namespace {

/* An item that has no place in a statement list (fatal).  ENTCODUNK */
void misplaced_item(const SemanticEntry *e)
{
    report_at(SEV_FATAL, "ENTCODUNK", QString::number(e->kind), e->file, int(e->line));
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
    case EK_NATIVE_DECL: emit_text(text_or_empty(e->name)); break;
    case EK_TEMP_VAR: temporary_declaration(e); break;
    case EK_TIMER_VAR:
        emit_format("int %s=%d;", e->name, e->descriptor ? timer_number(e->descriptor) : 0);
        break;
    default: break;
    }
}

void emit_try_ending()
{
    emit_text("ZRK_END_TRY");
    emit_text("#ifdef ZRK_HANDLE_EXCEPTION");
    emit_text("catch(...)");
    emit_open_block();
    emit_text("return ( 1 );");
    emit_close_block();
    emit_text("#endif // ZRK_HANDLE_EXCEPTION");
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
    emit_text(line.c_str());
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
        line += format_text("(zrk_runtime.zrk_ctxnuminstance==%d)",
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
    emit_format("zrk_msg_%s[%d].zrk_defNumber = %d;", type ? type->name : "",
                message_index(message->descriptor), def_number(d));
    generate_nested_items(d->inner);
}

void if_statement(SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    emit_format("if ( %s )", text_or_empty(if_condition(d)));
    nested_block(d->inner);
    if (if_else(d)) {
        emit_text("else");
        nested_block(if_else(d));
    }
}

void when_label(SemanticEntry *e)
{
    if (e->name && strcmp(e->name, "OTHERS") == 0)
        emit_text("default :");
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
    emit_text("break;");
    emit_close_block();
}

void rendezvous_statement(SemanticEntry *e)
{
    const char *r = e->descriptor && rendezvous_name(e->descriptor)
                        ? rendezvous_name(e->descriptor) : text_or_empty(e->name);
    int x = e->tdc_id, node = e->trace_node, file = int(e->file_number);
    emit_format("zrk_runtime.zrk_brdv(%d, \"%s\");", x, r);
    emit_format("if (zrk_rdv(\"%s\"))", r);
    emit_open_block();
    emit_dynflw(format_text("zrk_runtime.zrk_rdv_reached_tsf ( 1, %d, %d);", node, file));
    emit_format("zrk_runtime.zrk_ardv(%d,1, \"%s\");", x, r);
    write_short_debug_ending();
    emit_close_block();
    emit_text("else");
    emit_open_block();
    emit_dynflw(format_text("zrk_runtime.zrk_rdv_reached_tsf ( 0, %d, %d);", node, file));
    emit_format("zrk_runtime.zrk_ardv(%d,0, \"%s\");", x, r);
    emit_close_block();
}

/* The procsend runs once per connection of the channel; its failure
** stops the loop and, outside debug builds, the scenario. */
void send_loop(const char *commtype, int index, const char *procsend)
{
    emit_text("ZRK_T_INT zrk_i, zrk_psret=0;");
    emit_text("zrk_runtime.zrk_rio_on();");
    emit_format("for (zrk_i=0;zrk_i<zrk_channel_%s[%d].zrk_numberofId;zrk_i++)", commtype,
                index);
    emit_open_block();
    emit_text("zrk_runtime.zrk_rio_off();");
    emit_format("zrk_psret = zrk_%s (%d,zrk_i);", procsend, index);
    emit_text("zrk_runtime.zrk_rio_on();");
    emit_text("if (zrk_psret==1)");
    emit_open_block();
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_text("zrk_debug_state=1;");
    emit_endif();
    emit_text("break;");
    emit_close_block();
    emit_close_block();
}

/* A message type reached through VIRTUAL handlers (it has a type use) is
** a class pointer, and the member holding the message to send holds that
** pointer itself rather than its address. */
bool held_by_value(const char *type)
{
    for (SemanticEntry *e : source_context.type_uses)
        if (e->name && strcmp(e->name, type) == 0)
            return true;
    return false;
}

SemanticEntry *channel_commtype_of(SemanticEntry *channel)
{
    return channel && channel->descriptor ? channel_commtype(channel->descriptor) : nullptr;
}

void send_statement(SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    SemanticEntry *message = send_message(d), *channel = send_channel(d);
    SemanticEntry *procsend = send_procsend(d);
    SemanticEntry *type = message && message->descriptor ? message_type(message->descriptor)
                                                          : nullptr;
    SemanticEntry *commtype = channel_commtype_of(channel);
    const char *m = message ? message->name : "";
    const char *t = type ? type->name : "";
    int index = channel && channel->descriptor ? channel_index(channel->descriptor) : 0;
    emit_format("zrk_runtime.zrk_send( %d, \"%s\");", e->tdc_id, m);
    emit_format(held_by_value(t) ? "zrk_%s_send = %s;" : "zrk_%s_send = &%s;", t, m);
    emit_dynflw(format_text("zrk_runtime.zrk_send_tsf ( %d, %d);", e->trace_node,
                            int(e->file_number)));
    emit_open_block();
    send_loop(commtype ? commtype->name : "", index, procsend ? procsend->name : "");
    emit_format("zrk_%s_dump_msg ( %s );", t, m);
    emit_format("zrk_runtime.zrk_endsend( zrk_psret,%d);", e->tdc_end_id);
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_else();
    emit_text("if (zrk_psret)");
    emit_text("return ( 1 );");
    emit_endif();
    emit_close_block();
}

void clear_id_statement(SemanticEntry *e)
{
    SemanticEntry *channel = id_channel(e->descriptor);
    SemanticEntry *commtype = channel_commtype_of(channel);
    int index = channel && channel->descriptor ? channel_index(channel->descriptor) : 0;
    emit_format("zrk_channel_%s[%d].zrk_numberofId=0;",
                commtype ? commtype->name : "", index);
}

/* CATCH in a body: the handler joins the function's list and the try
** is cut so that the following calls see it. */
void catch_statement(SemanticEntry *e)
{
    record_local_catch_handler(e);
    emit_try_ending();
    emit_text("ZRK_TRY");
}

void runtime_call(const char *name, int id)
{
    emit_format("zrk_runtime.zrk_%s (%d);", name, id);
}

void filter_call(const char *name, SemanticEntry *e)
{
    emit_format("zrk_runtime.zrk_%s (\"%s\", %d );",
                name, text_or_empty(e->name), e->tdc_id);
}

/* The statements whose entry needs no descriptor. */
bool plain_statement(SemanticEntry *e)
{
    int x = e->tdc_id;
    switch (e->kind) {
    case EK_COMMENT: runtime_call("comment", x); return true;
    case EK_NATIVE_STMT: emit_text(text_or_empty(e->name)); return true;
    case EK_ERROR: runtime_call("error", x); write_short_debug_ending(); return true;
    case EK_EXIT: runtime_call("rioexit", x); emit_text("return ( 3 );"); return true;
    case EK_SET: filter_call("setfilter", e); return true;
    case EK_UNSET: filter_call("unsetfilter", e); return true;
    case EK_NO_MESSAGE:
        runtime_call("nomsg", x);
        emit_text("return ( ZRK_NO_MESSAGE );");
        return true;
    case EK_MESSAGE_DATE: runtime_call("msgdate", x); return true;
    case EK_RESET: case EK_TIMER:
        emit_format("zrk_get_date(&(zrk_timer[%s].timer));", text_or_empty(e->name));
        return true;
    case EK_PAUSE:
        emit_format("zrk_runtime.zrk_pause ((ZRK_T_UTIME)(%s));", text_or_empty(e->name));
        return true;
    case EK_FLUSH_TRACE:
        emit_format("zrk_runtime.zrk_flush_trace ( %d );", x);
        emit_text("zrk_runtime.zrk_flush_circular_buffer (K_TRACECTX_MAX_PRIORITY);");
        return true;
    case EK_TRACE_ON: emit_format("zrk_runtime.zrk_trace_on ( %d );", x); return true;
    case EK_TRACE_OFF: emit_format("zrk_runtime.zrk_trace_off ( %d );", x); return true;
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
        emit_format("zrk_runtime.zrk_print(%d,(ZRK_T_ULONG)(%s));", e->tdc_id,
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

void emit_dynflw(const std::string &line)
{
    emit_text("#if ZRS_DYNFLW");
    emit_text(line.c_str());
    emit_text("#endif /* ZRS_DYNFLW */");
}

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
    emit_text("zrk_debug_state = 1;");
    emit_else();
    emit_text("return ( 1 );");
    emit_endif();
}

void generate_statement_list(Scope *list)
{
    SemanticEntry *e = write_prologue(scope_first_entry(list));
    emit_text("ZRK_TRY");
    write_items(e);
    emit_try_ending();
}

void generate_nested_items(Scope *list)
{
    write_items(write_prologue(scope_first_entry(list)));
}

