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
#include "pp.h"

#include <cctype>
#include <cstring>

namespace {

const char *const NO_POINTER_VALUE = "NONIL";

bool is_bare_nonil(const CExpr *tree)
{
    return tree->kind == EX_IDENT && !tree->qualifier && !tree->global &&
           tree->text && strcmp(tree->text, NO_POINTER_VALUE) == 0;
}

/* Bytes of a value text by what the preprocessor could make of them. */
enum ValueByte : unsigned char { VB_OTHER, VB_PLAIN, VB_DIGIT, VB_LETTER };

struct ValueByteTable {
    unsigned char of[256] = {};
    ValueByteTable()
    {
        for (const char *p = " \t{}[]()=<>.,+-*%&|^!~:;"; *p; p++)
            of[(unsigned char)*p] = VB_PLAIN;
        for (int c = '0'; c <= '9'; c++)
            of[c] = VB_DIGIT;
        for (int c = 'a'; c <= 'z'; c++)
            of[c] = of[c - 'a' + 'A'] = VB_LETTER;
        of['_'] = VB_LETTER;
    }
};

const ValueByteTable value_bytes;

inline unsigned value_byte(char c)
{
    return value_bytes.of[(unsigned char)c];
}

} // namespace

/* A byte outside the plain set (comments, directives, continuations,
** literals), a macro name, or a name with a leading underscore (the
** reserved names and _Pragma).  Most value texts are plain, and
** preprocessing them is a third of their analysis. */
bool text_needs_preprocessing(const char *text)
{
    for (const char *p = text; *p;) {
        switch (value_byte(*p)) {
        case VB_OTHER:
            return true;
        case VB_PLAIN:
            p++;
            break;
        case VB_DIGIT:   /* a number with its suffix */
            while (value_byte(*p) >= VB_DIGIT || *p == '.')
                p++;
            break;
        default: {
            const char *start = p;
            while (value_byte(*p) >= VB_DIGIT)
                p++;
            if (*start == '_' || pp_is_macro(std::string(start, p).c_str()))
                return true;
        }
        }
    }
    return false;
}

namespace {

/* The ".." of a script range stands apart: written against a number
** ("1..MAX") it would make one preprocessing number with the bound, whose
** macro would never be expanded.  Quoted literals and "..." are kept. */
std::string separated_ranges(const char *text)
{
    std::string out;
    char quote = 0;
    for (const char *p = text; *p; p++) {
        if (quote) {
            if (*p == '\\' && p[1]) {
                out += *p++;
            } else if (*p == quote) {
                quote = 0;
            }
        } else if (*p == '"' || *p == '\'') {
            quote = *p;
        } else if (p[0] == '.' && p[1] == '.' && p[2] != '.' &&
                   (p == text || p[-1] != '.')) {
            out += " .. ";
            p++;
            continue;
        }
        out += *p;
    }
    return out;
}

} // namespace

int analyse_script_value(const char *text_in, CExpr **tree)
{
    const BridgeContext &c = bridge_context();
    *tree = nullptr;
    std::string separated, preprocessed, flat;
    int errors = 0;
    const char *text = text_in ? text_in : "";
    if (strstr(text, "..")) {
        separated = separated_ranges(text);
        text = separated.c_str();
    }
    if (text_needs_preprocessing(text)) {
        preprocess_text(text, true, c.file.c_str(), c.line, preprocessed, &errors);
        if (errors)
            return SV_FAILED;
        flatten_preprocessed_text(preprocessed.c_str(), flat);
        text = flat.c_str();
    }
    std::string name_space = c.namespace_name;
    CExpr *expr = analyse_expression(text, name_space.c_str());
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
