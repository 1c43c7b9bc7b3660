/*
** src/codegen/call_code.cc
** CALL statements of the generated driver and the exception handlers
** they are guarded by.
**
** A script procedure is called between the runtime's bproc and aproc
** reports.  A C function call reports its begin (bcf) and end (cf), gives
** its inputs to the temporaries that receive its outputs, and checks each
** expected output and the result with the typed check of its type class;
** the checks name the TDC records of the arguments and the result.  An
** exception escaping the call goes to the handler procedure declared for
** its type, in the current function (a CATCH statement) or at top level.
*/
#include "source_int.h"

#include <cstring>
#include <vector>

namespace {

/* An exception handler: the caught type (empty for the catch-all) and the
** procedure that handles it. */
struct Handler {
    std::string type;
    SemanticEntry *proc = nullptr;
};

/* Handlers in declaration order; a type declared again replaces the
** earlier handler in place.  The catch-all is kept apart. */
struct HandlerList {
    std::vector<Handler> typed;
    SemanticEntry *catch_all = nullptr;
};

HandlerList top_level_handlers;   /* the whole run */
HandlerList function_handlers;    /* the function being written */

void add_handler(HandlerList &list, SemanticEntry *catch_entry)
{
    SemanticDescriptor *d = catch_entry->descriptor;
    SemanticEntry *proc = d ? catch_handler(d) : nullptr;
    if (!proc)
        return;
    if (!catch_entry->name) {
        list.catch_all = proc;
        return;
    }
    for (Handler &h : list.typed)
        if (h.type == catch_entry->name) {
            h.proc = proc;
            return;
        }
    list.typed.push_back(Handler{catch_entry->name, proc});
}

SemanticEntry *find_handler(const HandlerList &list, const std::string &type)
{
    for (const Handler &h : list.typed)
        if (h.type == type)
            return h.proc;
    return nullptr;
}

/* ---- Exception clauses ---- */

void handler_clause(const char *caught, SemanticEntry *proc, int end_id)
{
    if (caught)
        emit_format("catch(%s &zrk_exception)", caught);
    else
        emit_text("catch(...)");
    emit_open_block();
    emit_format("zrk_flagrt = zrk_runtime.zrk_cf (%d);", end_id);
    emit_format("zrk_runtime.zrk_bproc (%d);", proc->tdc_id);
    if (caught)
        emit_format("zrk_flagrt = zrk_P%d(zrk_exception);", proc->tdc_id);
    else
        emit_format("zrk_flagrt = zrk_P%d();", proc->tdc_id);
    emit_format("zrk_runtime.zrk_aproc (%d);", proc->tdc_end_id);
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_else();
    emit_text("if (zrk_flagrt) throw;");
    emit_endif();
    emit_close_block();
}

/* Without a handler the runtime records the exception, which goes on. */
void default_catch_all(int end_id)
{
    emit_text("catch(...)");
    emit_open_block();
    emit_text("zrk_runtime.zrk_catch ();");
    emit_format("zrk_flagrt = zrk_runtime.zrk_cf (%d);", end_id);
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_else();
    emit_text("throw;");
    emit_endif();
    emit_close_block();
}

/* Top-level types first (a function's own handler of the same type wins),
** then the function's other types, then the catch-all. */
void exception_clauses(int end_id)
{
    emit_text("#ifdef ZRK_HANDLE_EXCEPTION");
    for (const Handler &h : top_level_handlers.typed) {
        SemanticEntry *own = find_handler(function_handlers, h.type);
        handler_clause(h.type.c_str(), own ? own : h.proc, end_id);
    }
    for (const Handler &h : function_handlers.typed)
        if (!find_handler(top_level_handlers, h.type))
            handler_clause(h.type.c_str(), h.proc, end_id);
    SemanticEntry *all = function_handlers.catch_all ? function_handlers.catch_all
                                                     : top_level_handlers.catch_all;
    if (all)
        handler_clause(nullptr, all, end_id);
    else
        default_catch_all(end_id);
    emit_text("#endif // ZRK_HANDLE_EXCEPTION");
}

/* ---- Typed checks ---- */

/* The check of each type class 0 to 9; any other class is a pointer. */
const char *const CHECKS[] = {
    "int_c", "char_c", "int_c", "long_c", "float_c",
    "double_c", "string_c", "string_c", "nonil_c", "pointer_c",
};
/* The casts of the values a check compares.  A character array is
** compared as the string it holds, so it is cast to a character pointer
** (a cast to a single character would not compile). */
const char *const CASTS[] = {
    "(ZRK_T_ENUM) ", "(ZRK_T_CAR) ", "(ZRK_T_INT) ", "(ZRK_T_LONG) ", "(ZRK_T_REAL) ",
    "(ZRK_T_DOUBLE) ", "(ZRK_PT_CAR) ", "(ZRK_PT_CAR) ", "(ZRK_PT_VOID) ", "(ZRK_PT_VOID) ",
};

/* No parameter has the class of NONIL, the value "any non-null pointer":
** an expected NONIL chooses the check of its own class. */
const int NONIL_CLASS = 8;

bool known_class(int cls) { return cls >= 0 && cls <= 9; }

/* "zrk_runtime.zrk_int_c (0, (ZRK_T_INT) obtained, (ZRK_T_INT) expected, 7 );":
** the range flag, then the values in the order of the check's TDC record
** (the name checked, then its expected value or its two bounds), then the
** record's identifier. */
void typed_check(int cls, const char *obtained, const char *expected, const char *high,
                 int record_id)
{
    const char *cast = known_class(cls) ? CASTS[cls] : "(ZRK_PT_VOID) ";
    line_append("zrk_runtime.zrk_%s (", known_class(cls) ? CHECKS[cls] : "pointer_c");
    line_append("%s, ", high ? "1" : "0");
    line_append("%s%s, %s%s, ", cast, obtained, cast, expected);
    if (high)
        line_append("%s%s, ", cast, high);
    line_append("%d );", record_id);
    emit_line();
}

/* ---- Calls ---- */

SemanticDescriptor *arg_of(SemanticEntry *a)
{
    return a->kind == EK_CALL_ARG ? a->descriptor : nullptr;
}

/* The text passed for an argument: its receiving variable, or its value. */
const char *argument_text(SemanticDescriptor *d)
{
    SemanticEntry *receiver = arg_receiver(d);
    return receiver ? receiver->name : text_or_empty(arg_text(d));
}

bool is_array_temporary(SemanticEntry *temp)
{
    return temp->descriptor && temp_type_text(temp->descriptor) &&
           strchr(temp_type_text(temp->descriptor), '[');
}

/* Inputs reach the function through the variables that receive its
** outputs; a character array is copied. */
void input_assignments(SemanticEntry *call)
{
    for (SemanticEntry *a = scope_first_entry(call->descriptor->inner); a; a = a->next) {
        SemanticDescriptor *d = arg_of(a);
        if (!d || !arg_receiver(d) || !arg_text(d))
            continue;
        SemanticEntry *receiver = arg_receiver(d);
        SemanticEntry *param = arg_param(d);
        bool characters = is_array_temporary(receiver) ||
                          (param && param->descriptor && fparam_class(param->descriptor) == 7);
        if (characters)
            emit_format("ZRS_STRCPY(%s,%s);", receiver->name, arg_text(d));
        else
            emit_format("%s = %s;", receiver->name, arg_text(d));
    }
}

/* The result is always received by a declared variable: the script's own
** or the temporary that semantic analysis declared for it. */
void call_line(SemanticEntry *call, SemanticEntry *function)
{
    const char *result = call_result_var(call->descriptor);
    if (result)
        line_append("%s = %s (", result, function->name);
    else
        line_append("%s ( ", function->name);
    append_call_arguments(call);
    line_append(" );");
    emit_line();
}

void argument_checks(SemanticEntry *call)
{
    for (SemanticEntry *a = scope_first_entry(call->descriptor->inner); a; a = a->next) {
        SemanticDescriptor *d = arg_of(a);
        if (!d || !arg_expected(d))
            continue;
        SemanticEntry *param = arg_param(d);
        int cls = param && param->descriptor ? fparam_class(param->descriptor) : 9;
        if (arg_expected_class(d) == NONIL_CLASS)
            cls = NONIL_CLASS;
        typed_check(cls, argument_text(d), arg_expected(d), arg_high(d), a->tdc_id);
    }
}

void result_check(SemanticEntry *call, SemanticEntry *function)
{
    SemanticDescriptor *d = call->descriptor;
    if (!call_expected_result(d) || !call_result_var(d))
        return;
    SemanticEntry *result = scope_first_entry(function->descriptor->inner);
    int cls = result && result->descriptor ? fparam_class(result->descriptor)
                                           : call_result_class(d);
    if (strcmp(call_expected_result(d), "NONIL") == 0)
        cls = NONIL_CLASS;
    typed_check(cls, call_result_var(d), call_expected_result(d), nullptr, call->tdc_end_id - 1);
}

void function_call(SemanticEntry *call, SemanticEntry *function)
{
    int end_id = call->tdc_end_id;
    emit_format("zrk_runtime.zrk_bcf (%d);", call->tdc_id);
    input_assignments(call);
    emit_text("ZRK_TRY");
    call_line(call, function);
    argument_checks(call);
    result_check(call, function);
    emit_format("zrk_flagrt = zrk_runtime.zrk_cf (%d);", end_id);
    emit_text("ZRK_END_TRY");
    exception_clauses(end_id);
    emit_text("if (zrk_flagrt != 0)");
    emit_open_block();
    write_short_debug_ending();
    emit_close_block();
}

/* A failed procedure (1) fails the statement; an exit or a deeper
** failure (above 1) ends the caller with the same state. */
void procedure_call(SemanticEntry *call, SemanticEntry *proc)
{
    emit_open_block();
    emit_text("ZRK_T_INT zrk_ret;");
    emit_format("zrk_runtime.zrk_bproc(%d);", proc->tdc_id);
    line_append("zrk_ret=zrk_P%d (", proc->tdc_id);
    append_call_arguments(call);
    line_append(" );");
    emit_line();
    emit_format("zrk_runtime.zrk_aproc(%d);", proc->tdc_end_id);
    emit_text("if (zrk_ret)");
    emit_open_block();
    emit_text("if (zrk_ret==1)");
    emit_open_block();
    write_short_debug_ending();
    emit_close_block();
    emit_text("else");
    emit_open_block();
    emit_text("return ( zrk_ret );");
    emit_close_block();
    emit_close_block();
    emit_close_block();
}

} // namespace

void append_call_arguments(SemanticEntry *call)
{
    const char *separator = "";
    for (SemanticEntry *a = scope_first_entry(call->descriptor->inner); a; a = a->next) {
        SemanticDescriptor *d = arg_of(a);
        if (!d)
            continue;
        line_append("%s%s%s", separator, arg_by_address(d) ? "&" : "", argument_text(d));
        separator = ", ";
    }
}

void generate_call_statement(SemanticEntry *call)
{
    SemanticEntry *callee = call_callee(call->descriptor);
    if (!callee || !callee->descriptor)
        return;
    if (callee->kind == EK_PROC)
        procedure_call(call, callee);
    else if (callee->kind == EK_FUNCTION)
        function_call(call, callee);
}

void record_catch_handler(SemanticEntry *catch_entry)
{
    add_handler(top_level_handlers, catch_entry);
}

void record_local_catch_handler(SemanticEntry *catch_entry)
{
    add_handler(function_handlers, catch_entry);
}

void clear_pending_labels()
{
    function_handlers = HandlerList();
}

void reset_handler_lists()
{
    top_level_handlers = HandlerList();
    function_handlers = HandlerList();
}
