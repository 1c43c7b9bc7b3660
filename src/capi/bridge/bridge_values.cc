/*
** src/capi/bridge/bridge_values.cc
** Script values seen from the C side: analysing a value text and
** comparing a value's type with a declared type.
**
** Semantic analysis decides what a value must be; the bridge supplies
** the C side of each question.  Value lists are matched against their
** types in bridge_items.cc.
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

bool is_nonil_value(const CExpr *tree)
{
    return tree && is_bare_nonil(tree);
}
