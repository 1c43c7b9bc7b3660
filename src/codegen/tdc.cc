/*
** src/codegen/tdc.cc
** The TDC identifiers file and, under -PROBE, the identifier macros of the
** `.h` file.
**
** One counter, set to 0 when the file is opened, numbers every record that
** carries an identifier, in the order the records are written: the header
** records, one CF record per script file, then the items of the semantic
** tables in table order, nested lists included.  Each item keeps the
** numbers it was given (tdc_id, and tdc_end_id for items with an end
** record), so the source generator writes exactly the numbers the report
** tools will find here.  A record is a code with its identifier, a space
** and fields separated by ", ": texts quoted with inner quotes doubled,
** numbers as quoted decimals, "?" for a missing field, and most records end
** with the location (the file counted from the end of the file list, and
** the line).  Items that no code is made for (unselected scenarios,
** procedures never called, unused handlers, channels and message types)
** get neither records nor identifiers.
*/
#include "codegen_int.h"
#include "diag.h"
#include "driver.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

/* The longest family list and working directory the readers take. */
const size_t FAMILY_LIMIT = 19997;
const size_t DIRECTORY_LIMIT = 20000;

/* The writer's state for one run. */
struct TdcWriter {
    FILE *out = nullptr;
    FILE *header = nullptr;        /* the `.h` file, probe mode only */
    int counter = 0;               /* the next identifier */
    RecordLine line;
    int fields = 0;                /* fields on the current line */
    const ScriptFile *files = nullptr;
    int last_send = 0;             /* highest send identifier */
    int last_reception = 0;        /* highest reception identifier */
    const char *last_file = nullptr;   /* the last entry file numbered, */
    int last_file_number = 0;          /* and its number from the end */
};

/* ---- Records ---- */

void start_line(TdcWriter &w, const char *code)
{
    w.fields = 0;
    line_put(w.line, code);
}

/* Starts a record whose code carries the next identifier; returns it. */
int record(TdcWriter &w, const char *code)
{
    start_line(w, code);
    int id = w.counter++;
    line_put_number(w.line, id);
    return id;
}

/* The separator before a field: a space before the first, then ", ". */
void field_start(TdcWriter &w)
{
    if (w.fields++)
        line_put(w.line, ", ", 2);
    else
        line_put(w.line, " ", 1);
}

void field_raw(TdcWriter &w, const char *text)
{
    field_start(w);
    line_put(w.line, text);
}

void field_text(TdcWriter &w, const char *text)
{
    field_start(w);
    line_put_quoted(w.line, text);
}

void field_missing(TdcWriter &w) { field_raw(w, "?"); }

void field_number(TdcWriter &w, long n)
{
    field_start(w);
    line_put(w.line, "\"", 1);
    line_put_number(w.line, n);
    line_put(w.line, "\"", 1);
}

/* A quoted field made of a fixed head, a text, a fixed middle, a second
** text and a fixed tail; the fixed parts hold no quotes. */
void field_composed(TdcWriter &w, const char *head, const char *first,
                    const char *middle, const char *second, const char *tail)
{
    field_start(w);
    line_put(w.line, "\"", 1);
    line_put(w.line, head);
    line_put_quoted_body(w.line, first);
    line_put(w.line, middle);
    line_put_quoted_body(w.line, second);
    line_put(w.line, tail);
    line_put(w.line, "\"", 1);
}

/* Entries of one file follow each other, so the last answer is kept. */
int file_number(TdcWriter &w, const SemanticEntry *e)
{
    if (!e->file || e->file != w.last_file) {
        w.last_file = e->file;
        w.last_file_number = file_number_from_end(w.files, e);
    }
    return w.last_file_number;
}

void field_loc(TdcWriter &w, const SemanticEntry *e)
{
    field_number(w, file_number(w, e));
    field_number(w, long(e->line));
}

void finish(TdcWriter &w)
{
    line_end(w.line);
}

/* A macro of the probe header: the name is the parts joined. */
void define(TdcWriter &w, std::initializer_list<const char *> parts, int value)
{
    if (!w.header)
        return;
    std::string name;
    for (const char *part : parts)
        name += part;
    checked_fprintf(w.header, "#define %s %d\n", name.c_str(), value);
}

/* A record of the form CODE x: text, loc. */
int text_record(TdcWriter &w, const char *code, const char *text,
                const SemanticEntry *e)
{
    int id = record(w, code);
    field_text(w, text);
    field_loc(w, e);
    finish(w);
    return id;
}

/* An end record: CODE y, `missing` times "?", loc. */
int end_record(TdcWriter &w, const char *code, int missing, const SemanticEntry *e)
{
    int id = record(w, code);
    for (int i = 0; i < missing; i++)
        field_missing(w);
    field_loc(w, e);
    finish(w);
    return id;
}

/* A record of the form CODE x with the location alone. */
int loc_record(TdcWriter &w, const char *code, const SemanticEntry *e)
{
    int id = record(w, code);
    field_loc(w, e);
    finish(w);
    return id;
}

/* ---- Header ---- */

std::string working_directory()
{
    std::vector<char> buffer(DIRECTORY_LIMIT + 1);
    if (!getcwd(buffer.data(), buffer.size())) {
        if (errno == ERANGE)
            report_fatal("SIZBUFOVL");
        fatal_system_error("getcwd");
    }
    return buffer.data();
}

std::string generation_tag(const GenerationRequest &request)
{
    std::string tag;
    checked_sprintf(tag, "%s %ld", text_or_empty(request.time_text),
                    run_generation_id());
    return tag;
}

void title_record(TdcWriter &w, const GenerationRequest &request)
{
    std::string tag = generation_tag(request);
    start_line(w, "ZIRKO Scenaria");
    for (const char *text : {"v2.6a", "ZRS_C++", "TDC file"})
        field_text(w, text);
    field_text(w, tag.c_str());
    finish(w);
    if (w.header)
        checked_fprintf(w.header, "#define ZRK_TDC_gen \"%s\"\n", tag.c_str());
}

void plain_record(TdcWriter &w, const char *code, const char *text)
{
    record(w, code);
    field_text(w, text);
    finish(w);
}

/* IL: the instances the driver runs as.                         BADPARAMS */
void instance_record(TdcWriter &w, const GenerationRequest &request)
{
    if (request.instance_mode < 0 || request.instance_mode > 3)
        report_fatal("BADPARAMS");
    record(w, "IL");
    if (request.instance_mode == 1) {
        field_text(w, text_or_empty(request.instance));
    } else if (request.instance_mode == 0) {
        field_text(w, "");
    } else {
        for (SemanticEntry *e = scope_first(request.global); e; e = e->next)
            if (e->kind == EK_INSTANCE)
                field_text(w, e->name);
        if (w.fields == 0)          /* no instance declared: still one field */
            field_text(w, "");
    }
    finish(w);
}

void file_records(TdcWriter &w)
{
    std::string cwd = working_directory();
    for (const ScriptFile *f = w.files; f; f = f->next) {
        char *relative = relative_path(cwd.c_str(), f->absolute_dir);
        record(w, "CF");
        field_text(w, base_name_of(f).c_str());
        field_text(w, relative ? relative : "");
        field_text(w, f->absolute_dir);
        field_number(w, f->size);
        field_number(w, long(f->crc));
        finish(w);
        xfree(relative);
    }
}

void header_records(TdcWriter &w, const GenerationRequest &request)
{
    title_record(w, request);
    plain_record(w, "G", request.command_line);
    plain_record(w, "H", request.time_text);
    plain_record(w, "F", request.script_name);
    plain_record(w, "F", std::to_string(request.trace).c_str());
    instance_record(w, request);
    plain_record(w, "FB", "");
    file_records(w);
}

/* ---- Value descriptions ---- */

void value_nodes(TdcWriter &w, Scope *scope, bool check);

bool is_received_message(const char *name)
{
    return name && strcmp(name, "zrk_msgrcv") == 0;
}

/* A structure or union: D, its fields, D closing. */
void group_node(TdcWriter &w, SemanticEntry *e, bool check)
{
    const char *name = e->name && !(!check && is_received_message(e->name)) ? e->name : "";
    e->tdc_id = text_record(w, "D", name, e);
    value_nodes(w, e->descriptor->inner, check);
    e->tdc_end_id = end_record(w, "D", 1, e);
}

void array_node(TdcWriter &w, SemanticEntry *e, bool check)
{
    const char *name = !check && is_received_message(e->name) ? "msg" : text_or_empty(e->name);
    e->tdc_id = record(w, "B");
    field_text(w, name);
    field_number(w, value_low(e->descriptor));
    field_number(w, value_high(e->descriptor));
    field_loc(w, e);
    finish(w);
    value_nodes(w, e->descriptor->inner, check);
    e->tdc_end_id = end_record(w, "B", 3, e);
}

void element_node(TdcWriter &w, SemanticEntry *e, bool check)
{
    e->tdc_id = text_record(w, "L", " ", e);
    value_nodes(w, e->descriptor->inner, check);
    e->tdc_end_id = end_record(w, "L", 1, e);
}

void field_expected_value(TdcWriter &w, SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    if (e->kind == EK_VALUE_RANGE && value_min(d) && value_max(d))
        field_composed(w, "[", value_min(d), "..", value_max(d), "]");
    else
        field_text(w, value_text(d));
}

void scalar_node(TdcWriter &w, SemanticEntry *e)
{
    e->tdc_id = record(w, "I");
    field_text(w, text_or_empty(e->name));
    field_expected_value(w, e);
    field_loc(w, e);
    finish(w);
}

/* check: a value check, where the received message keeps its own name. */
void value_node(TdcWriter &w, SemanticEntry *e, bool check)
{
    if (!e->descriptor)
        return;
    switch (e->kind) {
    case EK_VALUE_STRUCT: case EK_VALUE_UNION: group_node(w, e, check); break;
    case EK_VALUE_ARRAY: array_node(w, e, check); break;
    case EK_VALUE_ELEMENT: element_node(w, e, check); break;
    case EK_VALUE_SCALAR: case EK_VALUE_RANGE: case EK_VALUE_PATH: scalar_node(w, e); break;
    default: break;
    }
}

void value_nodes(TdcWriter &w, Scope *scope, bool check)
{
    for (SemanticEntry *e = scope_first(scope); e; e = e->next)
        value_node(w, e, check);
}

/* A VAR check: K, the description, K closing. */
void value_check(TdcWriter &w, SemanticEntry *e)
{
    if (e->descriptor->code != DC_VALUE_CHECK)
        return;
    e->tdc_id = text_record(w, "K", e->name, e);
    value_nodes(w, e->descriptor->inner, true);
    e->tdc_end_id = end_record(w, "K", 1, e);
}

/* ---- Statements ---- */

void statements(TdcWriter &w, Scope *scope);
void scenario(TdcWriter &w, SemanticEntry *e);

/* INITIALIZATION "0", TERMINATION "1", EXCEPTION "2". */
void block(TdcWriter &w, SemanticEntry *e, const char *kind)
{
    SemanticEntry *proc = block_proc(e->descriptor);
    e->tdc_id = record(w, "Z");
    field_text(w, kind);
    if (proc)
        field_number(w, proc->tdc_id);
    else
        field_missing(w);
    field_loc(w, e);
    finish(w);
    if (!proc)
        statements(w, e->descriptor->inner);
    e->tdc_end_id = end_record(w, "Z", 2, e);
}

void print_record(TdcWriter &w, SemanticEntry *e)
{
    e->tdc_id = record(w, "M");
    field_text(w, print_output(e->descriptor));
    field_text(w, print_expression(e->descriptor));
    field_loc(w, e);
    finish(w);
}

void send_record(TdcWriter &w, SemanticEntry *e)
{
    SemanticEntry *message = send_message(e->descriptor);
    SemanticEntry *channel = send_channel(e->descriptor);
    const char *m = message ? message->name : nullptr;
    const char *c = channel ? channel->name : nullptr;
    e->tdc_id = record(w, "SD");
    field_text(w, m);
    field_text(w, c);
    field_loc(w, e);
    finish(w);
    e->tdc_end_id = end_record(w, "SD", 2, e);
    define(w, {"ZRK_TDC_SEND_", text_or_empty(m), "_", text_or_empty(c)}, e->tdc_id);
    w.last_send = std::max(w.last_send, e->tdc_id);
}

/* W, one Y per awaited condition at the first condition's place, W. */
void waittil_record(TdcWriter &w, SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    e->tdc_id = record(w, "W");
    field_text(w, wait_condition(d));
    field_text(w, wait_time(d));
    field_loc(w, e);
    finish(w);
    SemanticEntry *first = scope_first(d->inner);
    for (SemanticEntry *term = first; term; term = term->next) {
        term->tdc_id = record(w, "Y");
        field_text(w, term_script(term->descriptor));
        field_loc(w, first);
        finish(w);
    }
    e->tdc_end_id = end_record(w, "W", 2, e);
    if (first) {
        SemanticEntry *message = term_message(first->descriptor);
        SemanticEntry *channel = term_channel(first->descriptor);
        define(w, {"ZRK_TDC_RECV_", message ? text_or_empty(message->name) : "", "_",
                   channel ? text_or_empty(channel->name) : ""},
               e->tdc_id);
    }
    w.last_reception = std::max(w.last_reception, e->tdc_id);
}

void rendezvous_record(TdcWriter &w, SemanticEntry *e)
{
    e->tdc_id = text_record(w, "N", e->name, e);
    define(w, {"ZRK_TDC_RDV_", text_or_empty(e->name)}, e->tdc_id);
}

/* The call as the report shows it: the name and the argument texts. */
void field_call_text(TdcWriter &w, SemanticEntry *e)
{
    field_start(w);
    line_put(w.line, "\"", 1);
    line_put_quoted_body(w.line, text_or_empty(call_name(e->descriptor)));
    line_put(w.line, "(", 1);
    const char *separator = "";
    for (SemanticEntry *a = inner_first(e); a; a = a->next) {
        if (a->kind != EK_CALL_ARG)
            continue;
        line_put(w.line, separator);
        line_put_quoted_body(w.line, text_or_empty(arg_text(a->descriptor)));
        separator = ", ";
    }
    line_put(w.line, ")\"", 2);
}

/* The value an argument passes or is expected to give back. */
void field_argument_value(TdcWriter &w, SemanticEntry *a)
{
    SemanticDescriptor *d = a->descriptor;
    if (arg_expected(d) && arg_high(d))
        field_composed(w, "[", arg_expected(d), "..", arg_high(d), "]");
    else if (arg_expected(d))
        field_text(w, arg_expected(d));
    else if (!arg_text(d))
        field_missing(w);
    else if (arg_by_address(d))
        field_composed(w, "&(", arg_text(d), "", "", ")");
    else
        field_text(w, arg_text(d));
}

void argument_record(TdcWriter &w, SemanticEntry *a)
{
    SemanticEntry *param = arg_param(a->descriptor);
    bool typed = param && param->kind == EK_FUNCTION_PARAM && param->descriptor;
    a->tdc_id = record(w, "R");
    field_text(w, param ? param->name : nullptr);
    field_text(w, typed ? fparam_type_text(param->descriptor) : nullptr);
    field_text(w, "1");
    field_argument_value(w, a);
    field_loc(w, a);
    finish(w);
}

/* The result R record: the function's first parameter entry is its result. */
void result_record(TdcWriter &w, SemanticEntry *e, SemanticEntry *function)
{
    const char *variable = call_result_var(e->descriptor);
    SemanticEntry *result = inner_first(function);
    bool generated = strncmp(variable, "zrk_return_", 11) == 0;
    record(w, "R");
    field_missing(w);
    field_text(w, result && result->descriptor ? fparam_type_text(result->descriptor) : nullptr);
    field_text(w, "0");
    if (generated)
        field_missing(w);
    else
        field_text(w, variable);
    field_loc(w, e);
    finish(w);
}

/* A C function call: A, an R per argument and for the result, A.  A call
** of a script procedure has no record of its own. */
void call_record(TdcWriter &w, SemanticEntry *e)
{
    SemanticEntry *callee = call_callee(e->descriptor);
    if (!callee || callee->kind != EK_FUNCTION)
        return;
    e->tdc_id = record(w, "A");
    field_text(w, callee->name);
    field_call_text(w, e);
    field_loc(w, e);
    finish(w);
    for (SemanticEntry *a = inner_first(e); a; a = a->next)
        if (a->kind == EK_CALL_ARG && a->descriptor)
            argument_record(w, a);
    if (call_result_var(e->descriptor))
        result_record(w, e, callee);
    e->tdc_end_id = end_record(w, "A", 2, e);
}

void if_statement(TdcWriter &w, SemanticEntry *e)
{
    statements(w, e->descriptor->inner);
    statements(w, if_else(e->descriptor));
}

void case_statement(TdcWriter &w, SemanticEntry *e)
{
    for (SemanticEntry *branch = inner_first(e); branch; branch = branch->next)
        if (branch->descriptor)
            statements(w, branch->descriptor->inner);
}

void inter_record(TdcWriter &w, SemanticEntry *e, const char *code)
{
    e->tdc_id = record(w, code);
    field_missing(w);
    field_loc(w, e);
    finish(w);
}

void statement(TdcWriter &w, SemanticEntry *e)
{
    switch (e->kind) {
    case EK_SCENARIO: scenario(w, e); break;
    case EK_INITIALIZATION: block(w, e, "0"); break;
    case EK_TERMINATION: block(w, e, "1"); break;
    case EK_EXCEPTION: block(w, e, "2"); break;
    case EK_COMMENT: e->tdc_id = text_record(w, "C", e->name, e); break;
    case EK_SET: e->tdc_id = text_record(w, "J", e->name, e); break;
    case EK_UNSET: e->tdc_id = text_record(w, "U", e->name, e); break;
    case EK_RENDEZVOUS: rendezvous_record(w, e); break;
    case EK_ERROR: e->tdc_id = text_record(w, "O", "ERROR", e); break;
    case EK_NO_MESSAGE: e->tdc_id = text_record(w, "O", "NOMSG", e); break;
    case EK_MESSAGE_DATE: e->tdc_id = text_record(w, "O", "MSGDATE", e); break;
    case EK_ADD_ID: e->tdc_id = text_record(w, "O", "ADD_ID", e); break;
    case EK_EXIT: e->tdc_id = loc_record(w, "Q", e); break;
    case EK_FLUSH_TRACE: e->tdc_id = loc_record(w, "FT", e); break;
    case EK_TRACE_ON: e->tdc_id = loc_record(w, "TN", e); break;
    case EK_TRACE_OFF: e->tdc_id = loc_record(w, "TF", e); break;
    case EK_INTERSEND: inter_record(w, e, "ID"); break;
    case EK_INTERRECV: inter_record(w, e, "IC"); break;
    case EK_PRINT: print_record(w, e); break;
    case EK_SEND: send_record(w, e); break;
    case EK_WAITTIL: waittil_record(w, e); break;
    case EK_CALL: call_record(w, e); break;
    case EK_VALUE_ROOT: value_check(w, e); break;
    case EK_WHILE: statements(w, e->descriptor->inner); break;
    case EK_IF: if_statement(w, e); break;
    case EK_CASE: case_statement(w, e); break;
    default: break;
    }
}

/* The statements that carry no descriptor; every other one needs its own. */
bool plain_statement(uint32_t kind)
{
    switch (kind) {
    case EK_COMMENT: case EK_SET: case EK_UNSET: case EK_ERROR: case EK_EXIT:
    case EK_NO_MESSAGE: case EK_MESSAGE_DATE: case EK_FLUSH_TRACE:
    case EK_TRACE_ON: case EK_TRACE_OFF:
        return true;
    default:
        return false;
    }
}

void statements(TdcWriter &w, Scope *scope)
{
    for (SemanticEntry *e = scope_first(scope); e; e = e->next)
        if (e->descriptor || plain_statement(e->kind))
            statement(w, e);
}

/* ---- Declarations ---- */

/* The scenario's families as one text, within the readers' limit. */
std::string family_text(const SemanticEntry *e)
{
    std::string text;
    for (const char *name : scenario_family_names(e)) {
        if (!text.empty())
            text += ", ";
        text += name;
    }
    if (text.size() > FAMILY_LIMIT)
        report_fatal("SIZBUFOVL");
    return text;
}

/* A selected scenario: S, its children, S closing. */
void scenario(TdcWriter &w, SemanticEntry *e)
{
    if (!scenario_is_selected(e))
        return;
    SemanticDescriptor *d = e->descriptor;
    std::vector<const char *> families = scenario_family_names(e);
    e->tdc_id = record(w, "S");
    field_text(w, text_or_empty(e->name));
    field_text(w, scenario_file(d));
    if (families.empty())
        field_missing(w);
    else
        field_text(w, family_text(e).c_str());
    if (scenario_loop(d) < 1)
        field_missing(w);
    else
        field_number(w, scenario_loop(d));
    field_loc(w, e);
    finish(w);
    bool leaf = scenario_leaf(d) != 0;
    define(w, {leaf ? "ZRK_TDC_Sscn" : "ZRK_TDC_Spts"}, e->tdc_id);
    statements(w, d->inner);
    e->tdc_end_id = record(w, "S");
    field_text(w, text_or_empty(e->name));
    for (int i = 0; i < 3; i++)
        field_missing(w);
    field_loc(w, e);
    finish(w);
    define(w, {leaf ? "ZRK_TDC_Escn" : "ZRK_TDC_Epts"}, e->tdc_end_id);
}

/* A header value written as the script gave it when it is quoted already. */
void header_value(TdcWriter &w, const char *text)
{
    if (text && text[0] == '"')
        field_raw(w, text);
    else
        field_text(w, text_or_empty(text));
}

void header_item(TdcWriter &w, SemanticEntry *e)
{
    e->tdc_id = record(w, "E");
    header_value(w, e->name);
    header_value(w, e->descriptor ? header_second(e->descriptor) : nullptr);
    header_value(w, e->descriptor ? header_third(e->descriptor) : nullptr);
    field_loc(w, e);
    finish(w);
}

void procedure(TdcWriter &w, SemanticEntry *e)
{
    if (!proc_is_called(e))
        return;
    e->tdc_id = text_record(w, "P", e->name, e);
    statements(w, e->descriptor->inner);
    e->tdc_end_id = end_record(w, "P", 1, e);
}

void channel(TdcWriter &w, SemanticEntry *e)
{
    if (!channel_is_used(e))
        return;
    e->tdc_id = record(w, "CN");
    field_text(w, e->name);
    finish(w);
    define(w, {"ZRK_TDC_CH_", text_or_empty(e->name)}, e->tdc_id);
}

/* V: a used reference definition, at the message type's place. */
void reference_definition(TdcWriter &w, SemanticEntry *use, const SemanticEntry *type)
{
    use->tdc_id = record(w, "V");
    field_text(w, use->name);
    field_loc(w, type);
    finish(w);
    for (SemanticEntry *root = inner_first(use); root; root = root->next)
        if (root->kind == EK_VALUE_ROOT && root->descriptor)
            value_nodes(w, root->descriptor->inner, false);
    define(w, {"ZRK_TDC_DEFM_", text_or_empty(use->name)}, use->tdc_id);
}

/* T, the dump description, T closing, then the used definitions. */
void message_type(TdcWriter &w, SemanticEntry *e, const Scope *global)
{
    if (!message_type_is_used(e, global))
        return;
    SemanticDescriptor *d = e->descriptor;
    e->tdc_id = text_record(w, "T", e->name, e);
    if (SemanticEntry *dump = type_default_reception(d))
        if (dump->descriptor)
            value_nodes(w, dump->descriptor->inner, false);
    e->tdc_end_id = end_record(w, "T", 1, e);
    define(w, {"ZRK_TDC_EVT_", text_or_empty(e->name)}, e->tdc_id);
    define(w, {"ZRK_TDC_EEVT_", text_or_empty(e->name)}, e->tdc_end_id);
    for (SemanticEntry *use = d->inner ? d->inner->first : nullptr; use; use = use->next)
        if (reference_is_used(use))
            reference_definition(w, use, e);
}

void handler(TdcWriter &w, SemanticEntry *e)
{
    if (handler_is_used(e))
        statements(w, e->descriptor->inner);
}

void item(TdcWriter &w, SemanticEntry *e, const Scope *global)
{
    if (!e->descriptor)
        return;
    switch (e->kind) {
    case EK_HEADER: header_item(w, e); break;
    case EK_CHANNEL: channel(w, e); break;
    case EK_MESSAGE_TYPE: message_type(w, e, global); break;
    case EK_CALLBACK: case EK_PROCSEND: handler(w, e); break;
    case EK_PROC: procedure(w, e); break;
    case EK_SCENARIO: scenario(w, e); break;
    default: break;
    }
}

void open_probe_header(TdcWriter &w, const GenerationRequest &request)
{
    if (!request.probe)
        return;
    w.header = open_output(request.header_name, "w");
    checked_fprintf(w.header, "#ifndef ZRK_PROBE_H\n#define ZRK_PROBE_H\n");
    checked_fprintf(w.header, "\n#define ZRK_TDC_END_SEND 1\n#define ZRK_TDC_END_RECV 2\n\n");
}

/* The source generator appends the probe glue and the guard's end. */
void close_probe_header(TdcWriter &w)
{
    if (!w.header)
        return;
    checked_fprintf(w.header, "#define ZRK_TDC_LAST_SEND %d\n", w.last_send);
    checked_fprintf(w.header, "#define ZRK_TDC_LAST_ID %d\n",
                    std::max(w.last_send, w.last_reception));
    close_output(w.header);
}

} // namespace

void write_tdc_file(const GenerationRequest &request)
{
    TdcWriter w;
    w.files = request.files;
    open_probe_header(w, request);
    w.out = open_output(request.tdc_name, "w");
    line_open(w.line, w.out);
    header_records(w, request);
    for (SemanticEntry *e = request.global ? request.global->first : nullptr; e; e = e->next)
        item(w, e, request.global);
    line_drain(w.line);
    close_output(w.out);
    close_probe_header(w);
}
