/*
** src/sema/call.cc
** CALL of a script procedure or of an interface function.
**
** A CALL names a PROC of the script or a function of the C/C++
** interface.  Procedure arguments are plain values matched with the
** formal parameters.  Interface arguments carry up to three parts (input
** value @ expected value @ high bound), each typed against the
** parameter; outputs go to generated temporaries ("zrk_p_%d", and
** "zrk_return_%d" for an unreceived result) declared at the head of the
** unit, numbered by one run-wide counter.  Each distinct prototype gets
** one EK_FUNCTION entry at the front of the global scope.
*/
#include "sema_int.h"

#include <cctype>
#include <cstring>
#include <vector>

namespace {

const int BY_ADDRESS_CLASS = 9;

/* The actual (NK_ACTUAL) of an argument node, and whether REF(...) was
** written around it. */
SyntaxNode *actual_of(SyntaxNode *argument, bool *ref)
{
    *ref = argument && argument->kind == NK_REF_PARAM;
    return argument ? argument->child1 : nullptr;
}

bool actual_empty(const SyntaxNode *actual)
{
    return !actual || (expr_is_empty(actual->child1) && !actual->child2 && !actual->child3);
}

/* A plain variable: one identifier. */
bool plain_variable(const std::string &text)
{
    if (text.empty() || !(isalpha((unsigned char)text[0]) || text[0] == '_'))
        return false;
    for (char c : text)
        if (!(isalnum((unsigned char)c) || c == '_'))
            return false;
    return true;
}

std::string call_name_text(const SyntaxNode *name)
{
    std::string expanded, flat;
    const char *text = name->text ? name->text : "";
    if (plain_variable(text) && !text_needs_preprocessing(text))
        return text;
    if (!preprocess_text(text, true, name->file, int(name->line), expanded, nullptr))
        return text;
    flatten_preprocessed_text(expanded.c_str(), flat);
    size_t b = flat.find_first_not_of(" \t\n"), e = flat.find_last_not_of(" \t\n");
    return b == std::string::npos ? text : flat.substr(b, e - b + 1);
}

void incompatible(int a, int b, const std::string &text, const SyntaxNode *at)
{
    if (!classes_compatible(a, b))
        sema_report(SEV_WARNING, "INCOMPTYP", text.c_str(), at);
}

bool structured(int cls)
{
    return cls == 10 || cls == 11 || cls == 12;
}

/* ---- Procedure calls ---- */

/* One value argument of a procedure.     NOREFPROC, CALLARGWT, NOTERPROC */
void procedure_argument(SyntaxNode *argument, SemanticEntry *param, Scope *scope,
                        const SyntaxNode *at, const char *name)
{
    bool ref = false;
    SyntaxNode *actual = actual_of(argument, &ref);
    std::string text = actual ? expression_text(actual->child1) : "";
    if (ref) {
        sema_report(SEV_ERROR, "NOREFPROC", name, at);
        return;
    }
    if (actual_empty(actual) || expr_is_empty(actual->child1)) {
        sema_report(SEV_ERROR, "CALLARGWT", name, at);
        return;
    }
    if (actual->child2) {
        sema_report(SEV_ERROR, "NOTERPROC", name, at);
        return;
    }
    SemanticEntry *e = add_node_entry(scope, EK_CALL_ARG, nullptr, actual);
    SemanticDescriptor *d = add_descriptor(e, DC_CALL_ARG);
    arg_text(d) = copy_text(text.c_str());
    int dimension = 0;
    arg_class(d) = value_text_class(text.c_str(), &dimension);
    arg_dimension(d) = dimension;
    arg_param(d) = param;
    incompatible(arg_class(d), param_class(param->descriptor), text, at);
}

} // namespace

/* Arguments of a script procedure, in order against its parameters.
**                                 NOMOREARG, TOOFEWARG (and the argument's) */
void check_procedure_arguments(SyntaxNode *args, SemanticEntry *proc, Scope *scope,
                               const SyntaxNode *at)
{
    const char *name = proc->name ? proc->name : "";
    Scope *params = proc->descriptor ? proc_params(proc->descriptor) : nullptr;
    SemanticEntry *param = params ? params->first : nullptr;
    bool ref = false;
    SyntaxNode *first = args ? actual_of(args->child1, &ref) : nullptr;
    bool no_args = !args || (!args->child2 && !ref && actual_empty(first));
    std::string image;
    if (!param) {
        if (!no_args)
            sema_report(SEV_ERROR, "NOMOREARG",
                        QString("1 (%1)").arg(QString::fromLocal8Bit(name)), at);
        return;
    }
    if (no_args || (!ref && actual_empty(first))) {
        sema_report(SEV_ERROR, "TOOFEWARG", name, at);
        return;
    }
    int number = 1;
    for (SyntaxNode *a = args; a && a->kind == NK_ARG_LIST; a = a->child2, number++) {
        if (!param) {
            sema_report(SEV_ERROR, "NOMOREARG",
                        QString("%1 (%2)").arg(number).arg(QString::fromLocal8Bit(name)), at);
            return;
        }
        procedure_argument(a->child1, param, scope, at, name);
        param = param->next;
    }
    if (param)
        sema_report(SEV_ERROR, "TOOFEWARG", name, at);
}

namespace {

void analyse_procedure_call(SyntaxNode *node, SemanticDescriptor *d, SemanticEntry *proc,
                            const char *name)
{
    call_callee(d) = proc;
    if (node->child3)
        sema_report(SEV_ERROR, "NORETNFCT", name, node);
    check_procedure_arguments(node->child2, proc, d->inner, node);
    /* Reachability is decided from the scenarios and handlers: a call in
    ** a procedure body counts once that procedure is reached. */
    if (!analysis.in_proc_body && proc->descriptor) {
        proc_called(proc->descriptor) = 1;
        mark_reachable(proc->descriptor->inner);
    }
}

/* ---- Interface functions ---- */

/* A generated temporary at the head of the unit. */
SemanticEntry *temporary(Scope *scope, const char *pattern, const SyntaxNode *at,
                         const std::string &type_text, int cls)
{
    std::string name;
    checked_sprintf(name, pattern, analysis.temporaries++);
    SemanticEntry *e = add_entry_unit_front(scope, EK_TEMP_VAR, copy_text(name.c_str()),
                                            at->file, at->line);
    e->file_number = at->file_number;
    SemanticDescriptor *d = add_descriptor(e, DC_TEMP_VAR);
    temp_type_text(d) = copy_text(type_text.c_str());
    temp_class(d) = cls;
    return e;
}

void add_function_param(Scope *scope, const char *name, CType *type, const SyntaxNode *at)
{
    SemanticEntry *e = add_node_entry(scope, EK_FUNCTION_PARAM, name, at);
    SemanticDescriptor *d = add_descriptor(e, DC_FUNCTION_PARAM);
    std::string text;
    fparam_class(d) = type_class(type, &text);
    fparam_type_text(d) = copy_text(text.c_str());
    fparam_by_address(d) = type_view(type).kind == 12;
    fparam_type(d) = type;
}

/* The EK_FUNCTION of a prototype, made once at the front of the global
** scope with its result and parameters. */
SemanticEntry *function_entry(CSymbol *symbol, const char *name, const SyntaxNode *at)
{
    CType *type = symbol_type(symbol);
    if (analysis.function_uses_serial != interface_model_serial()) {
        analysis.function_uses.clear();
        analysis.function_uses_serial = interface_model_serial();
    }
    std::pair<const CType *, std::string> use(type, name ? name : "");
    auto used = analysis.function_uses.find(use);
    if (used != analysis.function_uses.end())
        return used->second;
    std::string prototype;
    type_image(type, name, 0, 0, prototype);
    auto known = analysis.functions.find(prototype);
    if (known != analysis.functions.end())
        return analysis.function_uses[use] = known->second;
    SemanticEntry *e = add_entry_front(analysis.global, EK_FUNCTION, copy_text(name),
                                       at->file, at->line, nullptr);
    e->file_number = at->file_number;
    SemanticDescriptor *d = add_descriptor(e, DC_FUNCTION);
    function_prototype(d) = copy_text(prototype.c_str());
    function_type(d) = type;
    analysis.functions.emplace(prototype, e);
    analysis.function_uses[use] = e;
    Scope *params = new_scope(d, analysis.global);
    CTypeView fn = type_view(without_typedefs(type));
    add_function_param(params, nullptr, fn.target, at);
    std::vector<CSymbol *> list;
    function_parameters(type, list);
    for (CSymbol *p : list)
        add_function_param(params, symbol_name(p), symbol_type(p), at);
    return e;
}

/* The parts of one interface argument, typed against its parameter.
**                                                     NOTSTRUCT, INCOMPTYP */
void interface_argument(SyntaxNode *actual, bool ref, SemanticEntry *param,
                        Scope *scope, const SyntaxNode *at)
{
    SemanticDescriptor *pd = param->descriptor;
    bool by_address = fparam_by_address(pd) || ref;
    int pclass = fparam_class(pd);
    SemanticEntry *e = add_node_entry(scope, EK_CALL_ARG, nullptr, actual);
    SemanticDescriptor *d = add_descriptor(e, DC_CALL_ARG);
    arg_param(d) = param;
    arg_by_address(d) = by_address ? 1 : 0;
    std::string input = expression_text(actual->child1);
    bool has_input = !expr_is_empty(actual->child1);
    int dim = 0, best_dim = 0;
    int in = has_input ? value_text_class(input.c_str(), &dim) : 17;
    best_dim = dim;
    if (by_address && structured(in)) {
        sema_report(SEV_ERROR, "NOTSTRUCT", input.c_str(), at);
        in = BY_ADDRESS_CLASS;
    }
    incompatible(in, pclass, input, at);
    arg_text(d) = copy_text(input.c_str());
    arg_class(d) = in;
    int against = by_address ? BY_ADDRESS_CLASS : pclass;
    int expected = 17;
    if (actual->child2) {
        std::string text = expression_text(actual->child2);
        expected = value_text_class(text.c_str(), &dim);
        best_dim = dim > best_dim ? dim : best_dim;
        incompatible(expected, in, text, at);
        if (structured(expected))
            sema_report(SEV_ERROR, "NOTSTRUCT", text.c_str(), at);
        incompatible(expected, against, text, at);
        arg_expected(d) = copy_text(text.c_str());
        arg_expected_class(d) = expected;
    }
    if (actual->child3) {
        std::string text = expression_text(actual->child3);
        int high = value_text_class(text.c_str(), &dim);
        best_dim = dim > best_dim ? dim : best_dim;
        incompatible(high, expected, text, at);
        incompatible(high, in, text, at);
        incompatible(high, against, text, at);
        arg_high(d) = copy_text(text.c_str());
        arg_high_class(d) = high;
    }
    arg_dimension(d) = best_dim;
    if ((actual->child2 && !actual->child3) ||
        (by_address && has_input && !plain_variable(input))) {
        SemanticEntry *t = temporary(scope, "zrk_p_%d", at, fparam_type_text(pd), pclass);
        temp_param(t->descriptor) = param;
        temp_arg(t->descriptor) = e;
        arg_receiver(d) = t;
    }
}

/* The arguments of an interface function against its parameters.
**                                                     TOOFEWARG, NOMOREARG */
void interface_arguments(SyntaxNode *args, SemanticEntry *function, Scope *scope,
                         const SyntaxNode *at, const char *name)
{
    Scope *params = function->descriptor->inner;
    SemanticEntry *param = params->first ? params->first->next : nullptr; /* after the result */
    bool ref = false;
    SyntaxNode *first = args ? actual_of(args->child1, &ref) : nullptr;
    bool no_args = !args || (!args->child2 && actual_empty(first));
    if (no_args) {
        if (param && type_view(fparam_type(param->descriptor)).kind != 9)
            sema_report(SEV_ERROR, "TOOFEWARG", name, at);
        return;
    }
    int number = 1;
    for (SyntaxNode *a = args; a && a->kind == NK_ARG_LIST; a = a->child2, number++) {
        if (!param || (type_view(fparam_type(param->descriptor)).kind == 9)) {
            sema_report(SEV_ERROR, "NOMOREARG",
                        QString("%1 (%2)").arg(number).arg(QString::fromLocal8Bit(name)), at);
            return;
        }
        SyntaxNode *actual = actual_of(a->child1, &ref);
        if (actual)
            interface_argument(actual, ref, param, scope, at);
        if (fparam_class(param->descriptor) != 15)   /* an ellipsis takes the rest */
            param = param->next;
    }
    if (param && fparam_class(param->descriptor) != 15)
        sema_report(SEV_ERROR, "TOOFEWARG", name, at);
}

/* The "@" part after an interface call: the expected result and the
** variable receiving it.                     NOTSTRUCT, INCOMPTYP, EXPRCONST */
void return_part(SyntaxNode *part, SemanticDescriptor *d, SemanticEntry *function,
                 Scope *scope, const SyntaxNode *at)
{
    SemanticEntry *result = function->descriptor->inner->first;
    int rclass = fparam_class(result->descriptor);
    call_result_class(d) = rclass;
    int expected = 17;
    if (part) {
        std::string text = expression_text(part->child1);
        expected = value_text_class(text.c_str(), nullptr);
        if (structured(expected))
            sema_report(SEV_ERROR, "NOTSTRUCT", text.c_str(), at);
        incompatible(expected, rclass, text, at);
        call_expected_result(d) = copy_text(text.c_str());
    }
    if (part && part->child2) {
        std::string var = expression_text(part->child2);
        int vclass = value_text_class(var.c_str(), nullptr);
        incompatible(vclass, expected, var, at);
        incompatible(vclass, rclass, var, at);
        if (constant_text(var, at))
            sema_report(SEV_WARNING, "EXPRCONST", var.c_str(), at);
        if (vclass == 10)
            sema_report(SEV_ERROR, "NOTSTRUCT", var.c_str(), at);
        call_result_var(d) = copy_text(var.c_str());
        return;
    }
    if (rclass != 14) {
        SemanticEntry *t = temporary(scope, "zrk_return_%d", at,
                                     fparam_type_text(result->descriptor), rclass);
        temp_param(t->descriptor) = result;
        call_result_var(d) = copy_text(t->name);
    }
}

bool is_function_symbol(CSymbol *symbol)
{
    CTypeView v = type_view(symbol ? symbol_type(symbol) : nullptr);
    for (int i = 0; i < 64 && (v.kind == 7 || v.kind == 11); i++)
        v = type_view(v.target);
    return v.kind == 8;
}

} // namespace

/* CALL name (arguments) [@ expected [@ variable]].
**  NORETNFCT, UKNFCTCLL, SAMEFCTNM (and the arguments' and return part's) */
void analyse_call(SyntaxNode *node, Scope *scope, const char *filter)
{
    std::string name = call_name_text(node->child1);
    SemanticEntry *proc = find_proc(name.c_str());
    CSymbol *symbol = lookup_ordinary(name.c_str(), analysis.unit.c_str());
    bool function = is_function_symbol(symbol);
    if (proc && function)
        sema_report(SEV_ERROR, "SAMEFCTNM", name.c_str(), node);
    if (!proc && !function) {
        sema_report(SEV_ERROR, "UKNFCTCLL", name.c_str(), node);
        return;
    }
    SemanticEntry *e = add_node_entry(scope, EK_CALL, name.c_str(), node, filter);
    SemanticDescriptor *d = add_descriptor(e, DC_CALL);
    call_name(d) = copy_text(name.c_str());
    new_scope(d, scope);
    if (proc) {
        analyse_procedure_call(node, d, proc, name.c_str());
        return;
    }
    SemanticEntry *fn = function_entry(symbol, name.c_str(), node);
    call_callee(d) = fn;
    interface_arguments(node->child2, fn, d->inner, node, name.c_str());
    return_part(node->child3, d, fn, scope, node);
}
