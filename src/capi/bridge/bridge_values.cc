/*
** src/capi/bridge/bridge_values.cc
** Script values seen from the C side: analysing a value text, comparing a
** value's type with a declared type, and checking value lists against
** struct, union and array types.
**
** Semantic analysis decides what a value must be; the bridge supplies
** the C side of each question.  The list check walks the value's nesting
** and the type's fields together, so its cost is the size of the value.
*/
#include "capi.h"
#include "bridge_internal.h"
#include "decl.h"
#include "model.h"

#include <cstring>

namespace {

const char *const NO_POINTER_VALUE = "NONIL";

bool is_bare_nonil(const CExpr *tree)
{
    return tree->kind == EX_IDENT && !tree->qualifier && !tree->global &&
           tree->text && strcmp(tree->text, NO_POINTER_VALUE) == 0;
}

void report_value(const char *code, const std::string &text)
{
    bridge_report(2, code, text.c_str());
}

std::string image_of(const CExpr *e)
{
    std::string out;
    expr_image(e, out);
    return out;
}

std::string record_name(CType *record)
{
    if (record->name)
        return record->name;
    std::string out;
    type_image(record, "", 0, 0, out);
    return out;
}

/* The value an element gives, whatever designates it. */
const CExpr *value_of(const CExpr *e)
{
    switch (e->kind) {
    case EX_DESIGNATION: case EX_OTHERS: return e->a;
    case EX_RANGE_DESIGNATION: return e->c;
    default: return e;
    }
}

bool check_value(CType *type, const CExpr *value, int depth);

/* A designated element: the field must exist.             CHAMPINCO */
bool check_designation(CType *record, const CExpr *e, int depth)
{
    const char *name = e->kind == EX_DESIGNATION ? e->text : nullptr;
    int position = name ? member_position(record, name) : 0;
    if (!position) {
        report_value("CHAMPINCO", e->kind == EX_DESIGNATION
                                      ? std::string(name ? name : "")
                                      : image_of(e));
        return false;
    }
    CMember *field = member_at_position(record, position);
    return check_value(field ? field->symbol->type : nullptr, e->a, depth);
}

/* A record list: designations name fields; positional values follow the
** field order, no more than there are fields; a class with bases needs
** designations; a union takes one value.
**                           CHAMPINCO, ONEFLDUNN, NBVALINCO, INHERITED */
bool check_record(CType *record, const CExpr *list, int depth)
{
    bool ok = true, inherited_told = false;
    int positional = 0, values = 0;
    int fields = count_fields(record, false);
    for (const CExpr *e = list->list; e; e = e->next) {
        if (e->kind == EX_EMPTY)
            continue;
        values++;
        if (e->kind == EX_OTHERS)
            continue;
        if (e->kind == EX_DESIGNATION || e->kind == EX_RANGE_DESIGNATION) {
            ok &= check_designation(record, e, depth);
            continue;
        }
        if (has_base_classes(record)) {
            if (!inherited_told)
                report_value("INHERITED", record_name(record));
            inherited_told = true;
            ok = false;
            continue;
        }
        if (++positional > fields) {
            if (positional == fields + 1)
                report_value("NBVALINCO", image_of(list));
            ok = false;
            continue;
        }
        CMember *field = member_at_position(record, positional);
        ok &= check_value(field ? field->symbol->type : nullptr, e, depth);
    }
    if (is_union_type(record) && values > 1) {
        report_value("ONEFLDUNN", image_of(list));
        ok = false;
    }
    return ok;
}

/* An array list: each element's value against the element type. */
bool check_array(CType *array, const CExpr *list, int depth)
{
    bool ok = true;
    for (const CExpr *e = list->list; e; e = e->next)
        if (e->kind != EX_EMPTY)
            ok &= check_value(array->target, value_of(e), depth);
    return ok;
}

bool check_value(CType *type, const CExpr *value, int depth)
{
    if (!value || value->kind != EX_LIST || depth > DECL_MAX_NESTING)
        return true;
    CType *real = real_type(type);
    if (real && (real->kind == CT_STRUCT || real->kind == CT_UNION))
        return check_record(real, value, depth + 1);
    if (real && real->kind == CT_ARRAY)
        return check_array(real, value, depth + 1);
    return true;
}

} // namespace

int analyse_script_value(const char *text, CExpr **tree)
{
    const BridgeContext &c = bridge_context();
    *tree = nullptr;
    std::string preprocessed, flat;
    int errors = 0;
    preprocess_text(text ? text : "", true, c.file.c_str(), c.line,
                    preprocessed, &errors);
    if (errors)
        return SV_FAILED;
    flatten_preprocessed_text(preprocessed.c_str(), flat);
    std::string name_space = c.namespace_name;
    CExpr *expr = analyse_expression(flat.c_str(), name_space.c_str());
    if (!expr)
        return SV_FAILED;
    if (is_bare_nonil(expr)) {
        free_expr(expr);
        return SV_NONIL;
    }
    *tree = expr;
    return SV_EXPRESSION;
}

int compare_with_type_text(const CExpr *value, const char *type_text,
                           TypeComparison compare)
{
    CType *declared = type_from_text(type_text);
    if (!declared)
        return -1;
    CType *actual = expression_type(value);
    int result = -1;
    if (actual)
        result = (compare ? compare(actual, declared)
                          : types_equal(actual, declared)) ? 1 : 0;
    free_type(actual, FREE_ALL);
    free_type(declared, FREE_ALL);
    return result;
}

bool check_structured_value(CType *type, const CExpr *value)
{
    return check_value(type, value, 0);
}
