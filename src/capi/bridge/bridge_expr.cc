/*
** src/capi/bridge/bridge_expr.cc
** Typing of the script's C expressions.
**
** Each node's type is computed from its operands' types, bottom up; every
** intermediate type is a fresh tree owned by the routine that made it
** (copies share only the table's registered tags), so a failed rule can
** drop what it built.  A rule that fails reports a warning at the bridge
** context's position, quoting the offending operand, and the whole
** expression gets no type.
**
** Rules beyond the fixed ones, as C has them: arithmetic operands go
** through the usual conversions (small integers and enums to int, then
** the floating or the wider operand, unsigned winning a tie); comparisons
** and logical operators give int; pointer plus integer keeps the pointer,
** pointer minus pointer gives int; sizeof gives unsigned long; "&" makes a
** pointer; a conditional takes the converted type of two arithmetic
** branches, else its second operand's; a value list takes its first
** element's type and all its elements must be alike (arithmetic types are
** alike, and so are pointers and arrays).
*/
#include "capi.h"
#include "bridge_internal.h"
#include "decl.h"
#include "model.h"
#include "target_sizes.h"

#include <cstdlib>
#include <cstring>

namespace {

const int DEPTH_LIMIT = 1000;

CType *type_of(const CExpr *n);

void release(CType *type)
{
    free_type(type, FREE_ALL);
}

/* A warning quoting `node`; the expression gets no type. */
CType *report_refusal(const char *code, const CExpr *node)
{
    std::string image;
    expr_image(node, image);
    bridge_report(3, code, image.c_str());
    return nullptr;
}

CType *report_refusal_text(const char *code, const char *text)
{
    bridge_report(3, code, text);
    return nullptr;
}

/* What a value of this type is: typedef names, modifiers, references and
** template instances followed. */
CType *value_type(CType *type)
{
    for (int i = 0; type && i < DEPTH_LIMIT; i++) {
        type = real_type(type);
        if (!type || type->kind != CT_REFERENCE || !type->target)
            return type;
        type = type->target;
    }
    return type;
}

/* A copy of the type a value of type `t` has: a reference gives what it
** refers to; typedef names are kept (they carry display formats). */
CType *value_copy(CType *t)
{
    CType *r = resolve_type(t);
    if (r && r->kind == CT_REFERENCE && r->target)
        t = r->target;
    return t ? copy_type(t) : make_type(CT_VOID);
}

/* ---- Classes of types ---- */

bool is_base(const CType *t)
{
    return t && (t->kind == CT_BASE || t->kind == CT_COMPOSED);
}

bool is_floating(const CType *t)
{
    const char *name = is_base(t) ? t->base.name : nullptr;
    return name && (strstr(name, "float") || strstr(name, "double"));
}

bool is_numeric(const CType *t)
{
    return is_base(t) || (t && t->kind == CT_ENUM);
}

bool is_integer(const CType *t)
{
    return is_numeric(t) && !is_floating(t);
}

bool is_pointer_like(const CType *t)
{
    return t && (t->kind == CT_POINTER || t->kind == CT_ARRAY);
}

bool is_scalar(const CType *t)
{
    return is_numeric(t) || is_pointer_like(t);
}

bool is_record(const CType *t)
{
    return t && (t->kind == CT_STRUCT || t->kind == CT_UNION);
}

int magnitude(int bits)
{
    return bits < 0 ? -bits : bits;
}

CType *int_type()
{
    return make_base_type("int");
}

/* Integer promotion of a numeric type (a fresh copy). */
CType *promoted(CType *t)
{
    if (is_floating(t))
        return copy_type(t);
    if (!is_base(t) || magnitude(t->base.bits) < base_type_bits(BSW_INT))
        return int_type();
    return copy_type(t);
}

/* The usual arithmetic conversions of two numeric types. */
CType *converted(CType *a, CType *b)
{
    if (is_floating(a) || is_floating(b)) {
        if (!is_floating(b))
            return copy_type(a);
        if (!is_floating(a) || magnitude(b->base.bits) > magnitude(a->base.bits))
            return copy_type(b);
        return copy_type(a);
    }
    CType *pa = promoted(a), *pb = promoted(b);
    int ma = magnitude(pa->base.bits), mb = magnitude(pb->base.bits);
    bool take_b = mb > ma || (mb == ma && pb->base.bits > 0 && pa->base.bits < 0);
    release(take_b ? pa : pb);
    return take_b ? pb : pa;
}

/* Two element types of one value list are alike. */
bool alike(CType *a, CType *b)
{
    CType *va = value_type(a), *vb = value_type(b);
    if (is_numeric(va) && is_numeric(vb))
        return true;
    if (is_pointer_like(va) && is_pointer_like(vb))
        return true;
    return va == vb || types_equal(va, vb);
}

/* ---- Names ---- */

CMember *find_member(CClassBody *body, const char *name, int depth)
{
    if (!body || depth > DEPTH_LIMIT)
        return nullptr;
    for (CMember *member : body->members) {
        CSymbol *symbol = member->symbol;
        if (!symbol || is_typedef_symbol(symbol))
            continue;
        if (symbol->name == name)
            return member;
        CType *inner = symbol->name ? nullptr : value_type(symbol->type);
        if (is_record(inner)) {
            CMember *found = find_member(inner->class_body, name, depth + 1);
            if (found)
                return found;
        }
    }
    return nullptr;
}

/* The scope named by "A::B" from `q`; false when a part is unknown. */
bool qualified_scope(const char *qualifier, bool global, NamespaceQualifier *q)
{
    CSymbolTable *table = decl_table();
    if (global)
        *q = NamespaceQualifier();
    std::string text = qualifier ? qualifier : "";
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find("::", start);
        std::string part = text.substr(start, end - start);
        start = end == std::string::npos ? text.size() : end + 2;
        CNamespace *ns = lookup_namespace(table, part.c_str());
        if (!ns) {
            CTableEntry *e = lookup_type_name(table, part.c_str(), *q);
            CType *record = e ? value_type(e->symbol->type) : nullptr;
            if (!is_record(record))
                return false;
            ns = class_scope(table, record);
        }
        *q = scope_qualifier(ns);
    }
    return true;
}

/* identifier: an ordinary name, or an enumerator       IDENTIINC */
CType *type_of_identifier(const CExpr *n)
{
    CSymbolTable *table = decl_table();
    NamespaceQualifier q = qualifier_of_name(bridge_context().namespace_name.c_str());
    if (!qualified_scope(n->qualifier, n->global, &q))
        return report_refusal("IDENTIINC", n);
    CTableEntry *entry = lookup_ordinary(table, n->text, q);
    if (entry && entry->symbol->type && !is_typedef_symbol(entry->symbol))
        return value_copy(entry->symbol->type);
    CType *enum_type = nullptr;
    if (lookup_enumerator(table, n->text, q, true, &enum_type, nullptr))
        return copy_type(enum_type);
    if (q.flag && q.ns && q.ns->class_type) {
        CMember *member = find_member(q.ns->class_type->class_body, n->text, 0);
        if (member)
            return value_copy(member->symbol->type);
    }
    return report_refusal("IDENTIINC", n);
}

/* ---- Literals ---- */

CType *character_base(bool wide)
{
    if (wide)
        return make_literal_base(-base_type_bits(BSW_INT), 1, "wchar_t");
    return make_literal_base(-base_type_bits(BSW_CHAR), 0, "char");
}

CType *type_of_literal(const CExpr *n)
{
    switch (n->kind) {
    case EX_INTEGER: return int_type();
    case EX_FLOATING: return make_base_type("double");
    case EX_CHARACTER: return character_base(n->wide);
    case EX_STRING: return make_pointer(character_base(n->wide));
    case EX_TRUE: case EX_FALSE: return make_base_type("bool");
    default: return make_pointer(make_type(CT_VOID));   /* this */
    }
}

/* ---- Postfix operators ---- */

/* subscript: array or pointer "[" integer "]"           NONTABLEA */
CType *type_of_subscript(const CExpr *n)
{
    CType *array = type_of(n->a);
    CType *index = array ? type_of(n->b) : nullptr;
    CType *result = nullptr;
    if (index) {
        CType *v = value_type(array);
        result = is_pointer_like(v) ? value_copy(v->target)
                                    : report_refusal("NONTABLEA", n->a);
    }
    release(array);
    release(index);
    return result;
}

bool type_arguments(const CExpr *first)
{
    for (const CExpr *arg = first; arg; arg = arg->next) {
        CType *t = type_of(arg);
        if (!t)
            return false;
        release(t);
    }
    return true;
}

CType *return_type(CType *function)
{
    return function->target ? value_copy(function->target) : int_type();
}

/* call: function or pointer to function "(" args ")"    NONFONCTI */
CType *type_of_call(const CExpr *n)
{
    CType *callee = type_of(n->a);
    if (!callee)
        return nullptr;
    CType *v = value_type(callee);
    if (v->kind == CT_POINTER)
        v = value_type(v->target);
    CType *result = nullptr;
    if (!v || v->kind != CT_FUNCTION)
        report_refusal("NONFONCTI", n->a);
    else if (type_arguments(n->list))
        result = return_type(v);
    release(callee);
    return result;
}

/* selection: record "." name | pointer to record "->" name
**                          INVCHASTR, POINSTRUC, NOPOSTRUC, CHAMPINCO */
CType *type_of_selection(const CExpr *n)
{
    CType *object = type_of(n->a);
    if (!object)
        return nullptr;
    CType *v = value_type(object);
    bool pointed = is_pointer_like(v);
    CType *record = pointed ? value_type(v->target) : v;
    CType *result = nullptr;
    if (!is_record(record))
        report_refusal("INVCHASTR", n->a);
    else if (n->kind == EX_DOT && pointed)
        report_refusal("POINSTRUC", n->a);
    else if (n->kind == EX_ARROW && !pointed)
        report_refusal("NOPOSTRUC", n->a);
    else {
        CMember *member = find_member(record->class_body, n->text, 0);
        result = member ? value_copy(member->symbol->type)
                        : report_refusal("CHAMPINCO", n);
    }
    release(object);
    return result;
}

/* Member pointers are modelled as plain pointers: the selection gives
** what the member pointer points to.                     INCPOIMEM */
CType *type_of_member_pointer(const CExpr *n)
{
    CType *object = type_of(n->a);
    CType *member = object ? type_of(n->b) : nullptr;
    CType *result = nullptr;
    if (member) {
        CType *v = value_type(object);
        bool pointed = is_pointer_like(v);
        CType *record = pointed ? value_type(v->target) : v;
        CType *m = value_type(member);
        bool ok = is_record(record) && pointed == (n->kind == EX_ARROW_STAR) &&
                  m->kind == CT_POINTER;
        result = ok ? value_copy(m->target) : report_refusal("INCPOIMEM", n);
    }
    release(object);
    release(member);
    return result;
}

/* ---- Unary operators ---- */

/* "+" "-" numeric, "!" scalar, "~" integer, "*" pointer, "&" anything
**                      OPERARITH, OPERSCALA, OPERENTIE, NONPOINTE */
CType *unary_result(const CExpr *n, CType *operand)
{
    CType *v = value_type(operand);
    switch (n->op) {
    case TK_PLUS:
        return is_numeric(v) ? promoted(v) : report_refusal_text("OPERARITH", " \"+\" ");
    case TK_MINUS:
        return is_numeric(v) ? promoted(v) : report_refusal_text("OPERARITH", " \"-\" ");
    case TK_BANG:
        return is_scalar(v) ? int_type() : report_refusal_text("OPERSCALA", "\"!\"");
    case TK_TILDE:
        return is_integer(v) ? promoted(v) : report_refusal_text("OPERENTIE", "\"~\"");
    case TK_STAR:
        return is_pointer_like(v) ? value_copy(v->target) : report_refusal("NONPOINTE", n->a);
    case TK_AMP:
        return make_pointer(copy_type(operand));
    default:   /* prefix "++" and "--" */
        return copy_type(operand);
    }
}

CType *type_of_unary(const CExpr *n)
{
    CType *operand = type_of(n->a);
    if (!operand)
        return nullptr;
    CType *result = unary_result(n, operand);
    release(operand);
    return result;
}

/* ---- Binary operators ---- */

std::string quoted_operator(int op, bool blanks)
{
    std::string text = blanks ? " \"" : "\"";
    text += token_spelling(op);
    text += blanks ? "\" " : "\"";
    return text;
}

/* "+" and "-" with pointers: pointer +- integer, integer + pointer,
** pointer - pointer.  Null when neither operand is a pointer. */
CType *pointer_arithmetic(int op, CType *a, CType *b, bool *handled)
{
    *handled = true;
    if (is_pointer_like(a) && is_integer(b))
        return make_pointer(value_copy(a->target));
    if (op == TK_PLUS && is_integer(a) && is_pointer_like(b))
        return make_pointer(value_copy(b->target));
    if (op == TK_MINUS && is_pointer_like(a) && is_pointer_like(b))
        return int_type();
    *handled = false;
    return nullptr;
}

CType *binary_result(int op, CType *ta, CType *tb)
{
    CType *a = value_type(ta), *b = value_type(tb);
    switch (op) {
    case TK_PLUS: case TK_MINUS: {
        bool handled = false;
        CType *p = pointer_arithmetic(op, a, b, &handled);
        if (handled)
            return p;
    }
        /* fall through */
    case TK_STAR: case TK_SLASH:
        if (is_numeric(a) && is_numeric(b))
            return converted(a, b);
        return report_refusal_text("OPERARITH", quoted_operator(op, true).c_str());
    case TK_PERCENT: case TK_AMP: case TK_BAR: case TK_CARET:
        if (is_integer(a) && is_integer(b))
            return converted(a, b);
        return report_refusal_text("OPERENTIE", quoted_operator(op, false).c_str());
    case TK_LSHIFT: case TK_RSHIFT:
        if (is_integer(a) && is_integer(b))
            return promoted(a);
        return report_refusal_text("OPERENTIE", quoted_operator(op, false).c_str());
    case TK_ANDAND: case TK_OROR:
        if (is_scalar(a) && is_scalar(b))
            return int_type();
        return report_refusal_text("OPERSCALA", quoted_operator(op, false).c_str());
    default:   /* comparisons */
        return int_type();
    }
}

CType *type_of_binary(const CExpr *n)
{
    CType *a = type_of(n->a);
    CType *b = a ? type_of(n->b) : nullptr;
    CType *result = b ? binary_result(n->op, a, b) : nullptr;
    release(a);
    release(b);
    return result;
}

/* The type two values share: the usual conversions for numbers, else the
** first value's type. */
CType *common_type(CType *first, CType *second)
{
    CType *a = value_type(first), *b = value_type(second);
    return is_numeric(a) && is_numeric(b) ? converted(a, b) : copy_type(first);
}

CType *type_of_conditional(const CExpr *n)
{
    CType *condition = type_of(n->a);
    CType *then = condition ? type_of(n->b) : nullptr;
    CType *otherwise = then ? type_of(n->c) : nullptr;
    CType *result = otherwise ? common_type(then, otherwise) : nullptr;
    release(condition);
    release(then);
    release(otherwise);
    return result;
}

/* ---- Types written in the expression ---- */

/* Parameter counts a constructor accepts. */
bool accepts(CType *function, int count)
{
    const CFunctionBody *body = function->function;
    if (!body)
        return count == 0;
    int required = 0, total = 0;
    for (const CSymbol *param : body->params) {
        if (param->type && param->type->kind == CT_ELLIPSIS)
            return count >= required;
        total++;
        if (!param->attributes[SA_HAS_DEFAULT])
            required = total;
    }
    return count >= required && count <= total;
}

/* A class's constructors take the arguments, or a type without declared
** constructors takes at most one (a conversion or a copy).  CONSTRINC */
bool constructor_exists(CType *type, int count)
{
    CType *record = value_type(type);
    bool declared = false;
    if (is_record(record) && record->class_body)
        for (CMember *member : record->class_body->members) {
            CSymbol *symbol = member->symbol;
            if (!symbol || !symbol->attributes[SA_CONSTRUCTOR] ||
                !is_function_type(symbol->type))
                continue;
            declared = true;
            if (accepts(resolve_type(symbol->type), count))
                return true;
        }
    return !declared && count <= 1;
}

CType *type_of_construct(const CExpr *n)
{
    int count = 0;
    for (const CExpr *arg = n->list; arg; arg = arg->next)
        count++;
    if (!type_arguments(n->list))
        return nullptr;
    if (!constructor_exists(n->type, count))
        return report_refusal("CONSTRINC", n);
    return copy_type(n->type);
}

CType *type_of_cast(const CExpr *n)
{
    CType *operand = type_of(n->a);
    if (!operand)
        return nullptr;
    release(operand);
    return copy_type(n->type);
}

CType *type_of_sizeof(const CExpr *n)
{
    if (n->kind == EX_SIZEOF_EXPR) {
        CType *operand = type_of(n->a);
        if (!operand)
            return nullptr;
        release(operand);
    }
    return make_base_type("unsigned long");
}

CType *type_of_new(const CExpr *n)
{
    CType *size = n->a ? type_of(n->a) : nullptr;
    if ((n->a && !size) || !type_arguments(n->list)) {
        release(size);
        return nullptr;
    }
    release(size);
    return make_pointer(copy_type(n->type));
}

/* ---- Value lists ---- */

/* The value an element of a list gives. */
const CExpr *element_value(const CExpr *e)
{
    switch (e->kind) {
    case EX_DESIGNATION: case EX_OTHERS: return e->a;
    case EX_RANGE_DESIGNATION: return e->c;
    default: return e;
    }
}

/* list: elements alike; the first element's type           TYPESDIFF */
CType *type_of_list(const CExpr *n)
{
    CType *first = nullptr;
    for (const CExpr *e = n->list; e; e = e->next) {
        const CExpr *value = element_value(e);
        if (!value || value->kind == EX_EMPTY)
            continue;
        CType *t = type_of(value);
        if (!t) {
            release(first);
            return nullptr;
        }
        if (!first) {
            first = t;
            continue;
        }
        bool same = alike(first, t);
        release(t);
        if (!same) {
            release(first);
            return report_refusal("TYPESDIFF", n);
        }
    }
    return first ? first : make_type(CT_VOID);
}

CType *type_of_range(const CExpr *n)
{
    CType *low = type_of(n->a);
    CType *high = low ? type_of(n->b) : nullptr;
    CType *result = high ? common_type(low, high) : nullptr;
    release(low);
    release(high);
    return result;
}

CType *type_of_element(const CExpr *n)
{
    const CExpr *value = element_value(n);
    if (!value || value->kind == EX_EMPTY)
        return make_type(CT_VOID);
    return type_of(value);
}

CType *type_of_sequence(const CExpr *n)
{
    CType *a = type_of(n->a);
    if (!a)
        return nullptr;
    if (n->kind == EX_ASSIGN)
        return a;
    release(a);
    return type_of(n->b);   /* comma */
}

CType *type_of(const CExpr *n)
{
    switch (n ? n->kind : -1) {
    case EX_PAREN: return type_of(n->a);
    case EX_SUBSCRIPT: return type_of_subscript(n);
    case EX_CALL: return type_of_call(n);
    case EX_DOT: case EX_ARROW: return type_of_selection(n);
    case EX_DOT_STAR: case EX_ARROW_STAR: return type_of_member_pointer(n);
    case EX_UNARY: return type_of_unary(n);
    case EX_POSTFIX: return type_of(n->a);
    case EX_BINARY: return type_of_binary(n);
    case EX_ASSIGN: case EX_COMMA: return type_of_sequence(n);
    case EX_CONDITIONAL: return type_of_conditional(n);
    case EX_CAST: case EX_NAMED_CAST: return type_of_cast(n);
    case EX_SIZEOF_EXPR: case EX_SIZEOF_TYPE: return type_of_sizeof(n);
    case EX_CONSTRUCT: return type_of_construct(n);
    case EX_NEW: return type_of_new(n);
    case EX_DELETE: return make_type(CT_VOID);
    case EX_LIST: return type_of_list(n);
    case EX_RANGE: return type_of_range(n);
    case EX_DESIGNATION: case EX_RANGE_DESIGNATION: case EX_OTHERS:
    case EX_EMPTY: return type_of_element(n);
    case EX_IDENT: return type_of_identifier(n);
    case EX_THIS: case EX_TRUE: case EX_FALSE: case EX_INTEGER:
    case EX_FLOATING: case EX_CHARACTER: case EX_STRING:
        return type_of_literal(n);
    default:
        bridge_report(0, "ERRINTERN", "expression type search");
        return nullptr;
    }
}

} // namespace

CType *expression_type(const CExpr *tree)
{
    return tree ? type_of(tree) : nullptr;
}
