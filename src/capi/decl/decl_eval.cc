/*
** src/capi/decl/decl_eval.cc
** Constant values of expression trees: enumerator values, array
** dimensions and bit-field widths.
**
** Integer and character literals, enumerators (of the enum being read
** first, then of the model), sizeof of base types, casts and the C
** operators.  Anything else (a variable, a call) is not constant.
** Arithmetic is done on 64 bits with wrap-around, and division by zero
** makes the expression non-constant rather than trapping.
*/
#include "decl.h"

#include <cstring>

#include "target_sizes.h"

namespace {

CType *pending_enum = nullptr;
const int EVAL_DEPTH_LIMIT = 500;

bool eval(const CExpr *e, long long *v, int depth);

bool literal_value(const CExpr *e, long long *v)
{
    pint low = e->value;
    /* The low 64 bits, with the sign of the full value. */
    unsigned long long bits = 0;
    for (int i = 8; i >= 1; i--)
        bits = (bits << 8) | low.b[i];
    *v = (long long)bits;
    return true;
}

bool enumerator_value(const CExpr *e, long long *v)
{
    if (pending_enum && pending_enum->enum_body)
        for (const CEnumerator &en : pending_enum->enum_body->enumerators)
            if (en.name == e->text) {
                *v = en.value;
                return true;
            }
    CSymbolTable *table = decl_table();
    CType *type = nullptr;
    CTableEntry *entry = nullptr;
    const CEnumerator *en = lookup_enumerator(
        table, e->text, current_qualifier(table), true, &type, &entry);
    if (!en)
        return false;
    *v = en->value;
    return true;
}

int magnitude(int bits)
{
    return bits < 0 ? -bits : bits;
}

/* Bytes of a type for sizeof: base types, pointers and arrays of them. */
bool type_bytes(CType *type, long long *v, int depth)
{
    type = resolve_type(type);
    if (!type || depth > 50)
        return false;
    switch (type->kind) {
    case CT_BASE: case CT_COMPOSED:
        *v = magnitude(type->base.bits) / 8;
        return true;
    case CT_POINTER:
        *v = magnitude(base_type_bits(BSW_LONG)) / 8;
        return true;
    case CT_ENUM:
        *v = magnitude(base_type_bits(BSW_INT)) / 8;
        return true;
    case CT_ARRAY: {
        long long count = 0, element = 0;
        if (!type->dim_expr || !eval(type->dim_expr, &count, 0) ||
            !type_bytes(type->target, &element, depth + 1))
            return false;
        *v = count * element;
        return true;
    }
    default:
        return false;
    }
}

bool unary_value(int op, long long a, long long *v)
{
    switch (op) {
    case TK_PLUS: *v = a; return true;
    case TK_MINUS: *v = (long long)(0ULL - (unsigned long long)a); return true;
    case TK_BANG: *v = !a; return true;
    case TK_TILDE: *v = ~a; return true;
    default: return false;
    }
}

bool binary_value(int op, long long a, long long b, long long *v)
{
    unsigned long long ua = a, ub = b;
    switch (op) {
    case TK_PLUS: *v = (long long)(ua + ub); return true;
    case TK_MINUS: *v = (long long)(ua - ub); return true;
    case TK_STAR: *v = (long long)(ua * ub); return true;
    case TK_SLASH: case TK_PERCENT:
        if (b == 0 || (a == INT64_MIN && b == -1))
            return false;
        *v = op == TK_SLASH ? a / b : a % b;
        return true;
    case TK_LSHIFT: *v = (long long)(ua << (ub & 63)); return true;
    case TK_RSHIFT: *v = a >> (ub & 63); return true;
    case TK_LT: *v = a < b; return true;
    case TK_GT: *v = a > b; return true;
    case TK_LE: *v = a <= b; return true;
    case TK_GE: *v = a >= b; return true;
    case TK_EQ: *v = a == b; return true;
    case TK_NE: *v = a != b; return true;
    case TK_AMP: *v = a & b; return true;
    case TK_CARET: *v = a ^ b; return true;
    case TK_BAR: *v = a | b; return true;
    case TK_ANDAND: *v = a && b; return true;
    case TK_OROR: *v = a || b; return true;
    default: return false;
    }
}

bool eval(const CExpr *e, long long *v, int depth)
{
    long long a = 0, b = 0;
    if (!e || depth > EVAL_DEPTH_LIMIT)
        return false;
    switch (e->kind) {
    case EX_INTEGER: case EX_CHARACTER: return literal_value(e, v);
    case EX_TRUE: *v = 1; return true;
    case EX_FALSE: *v = 0; return true;
    case EX_IDENT: return enumerator_value(e, v);
    case EX_PAREN: case EX_CAST: case EX_NAMED_CAST:
        return eval(e->a, v, depth + 1);
    case EX_SIZEOF_TYPE: return type_bytes(e->type, v, 0);
    case EX_UNARY:
        return eval(e->a, &a, depth + 1) && unary_value(e->op, a, v);
    case EX_BINARY:
        return eval(e->a, &a, depth + 1) && eval(e->b, &b, depth + 1) &&
               binary_value(e->op, a, b, v);
    case EX_CONDITIONAL:
        if (!eval(e->a, &a, depth + 1))
            return false;
        return eval(a ? e->b : e->c, v, depth + 1);
    default:
        return false;
    }
}

} // namespace

void set_pending_enum(CType *enum_type)
{
    pending_enum = enum_type;
}

bool expr_constant_value(const CExpr *expr, long long *value)
{
    long long v = 0;
    if (!eval(expr, &v, 0))
        return false;
    *value = v;
    return true;
}
