/*
** src/capi/decl/decl_expr.cc
** The C/C++ expression grammar, by recursive descent with one routine per
** precedence level.
**
** Used for the script's C expressions and values (where assignments,
** increments and comma expressions are refused, and value lists accept
** ranges, designations and OTHERS) and for the expressions inside
** declarations (initialisers, dimensions, enumerator values, default
** arguments).  Type names come from the declaration side (decl_specifiers.cc).
*/
#include "decl.h"

#include <array>

#include <cstring>

namespace {

CExpr *parse_cast(DeclParser *p);
CExpr *parse_unary(DeclParser *p);

/* A refusal of the script expressions: reported once, the parse fails. */
void refuse(DeclParser *p, const char *code)
{
    if (!p->expression_mode || p->failed)
        return;
    capi_report(3, code, p->whole_text, p->scan.file, p->last.line);
    p->failed = true;
    p->errors++;
}

CExpr *node_at(DeclParser *p, int kind, int op, CExpr *a, CExpr *b,
                  CExpr *c)
{
    CExpr *n = make_expr(kind, op, a, b, c);
    n->line = p->last.line;
    return n;
}

/* ---- Binary levels, from a table ---- */

struct BinaryLevel {
    int ops[6];   /* token kinds, 0-terminated */
};

/* From the loosest to the tightest binding; the last level's operands are
** cast expressions. */
const BinaryLevel binary_levels[] = {
    {{TK_OROR}},
    {{TK_ANDAND}},
    {{TK_BAR}},
    {{TK_CARET}},
    {{TK_AMP}},
    {{TK_EQ, TK_NE}},
    {{TK_LT, TK_GT, TK_LE, TK_GE}},
    {{TK_LSHIFT, TK_RSHIFT}},
    {{TK_PLUS, TK_MINUS}},
    {{TK_STAR, TK_SLASH, TK_PERCENT}},
    {{TK_DOT_STAR, TK_ARROW_STAR}},
};
const int LEVEL_COUNT = sizeof binary_levels / sizeof binary_levels[0];

bool level_has(DeclParser *p, int level, int kind)
{
    if (kind == TK_GT && p->no_greater)
        return false;   /* closes a template argument list */
    for (int op : binary_levels[level].ops)
        if (op == kind)
            return op != 0;
    return false;
}

int pointer_member_kind(int op)
{
    return op == TK_DOT_STAR ? EX_DOT_STAR : EX_ARROW_STAR;
}

/* The level of a binary operator token, -1 for any other token. */
int operator_level(DeclParser *p, int kind)
{
    static const auto levels = [] {
        std::array<signed char, TK_COUNT> by_kind;
        by_kind.fill(-1);
        for (int level = LEVEL_COUNT - 1; level >= 0; level--)
            for (int op : binary_levels[level].ops)
                if (op != 0)
                    by_kind[size_t(op)] = (signed char)level;
        return by_kind;
    }();
    if (kind < 0 || kind >= TK_COUNT || (kind == TK_GT && p->no_greater))
        return -1;
    return levels[size_t(kind)];
}

CExpr *parse_binary_from(DeclParser *p, int level, CExpr *first);

/* binary(level): binary(level+1) { op binary(level+1) }
** Most operands stand alone: one followed by no operator of this level or
** a higher one is returned without descending through the levels. */
CExpr *parse_binary(DeclParser *p, int level)
{
    CExpr *operand = parse_cast(p);
    if (!operand || operator_level(p, peek_kind(p)) < level)
        return operand;
    return parse_binary_from(p, level, operand);
}

/* The same with its leftmost operand already parsed. */
CExpr *parse_binary_from(DeclParser *p, int level, CExpr *first)
{
    if (level >= LEVEL_COUNT)
        return first;
    CExpr *left = parse_binary_from(p, level + 1, first);
    int count = 0;
    while (left && level_has(p, level, peek_kind(p))) {
        int op = next_token(p).kind;
        count++;
        CExpr *right = ++p->chain > DECL_MAX_CHAIN ? nullptr
                                                   : parse_binary(p, level + 1);
        if (!right) {
            if (p->chain > DECL_MAX_CHAIN)
                syntax_error(p);
            p->chain -= count;
            free_expr(left);
            return nullptr;
        }
        if (op == TK_DOT_STAR || op == TK_ARROW_STAR)
            left = node_at(p, pointer_member_kind(op), op, left, right, nullptr);
        else
            left = node_at(p, EX_BINARY, op, left, right, nullptr);
    }
    p->chain -= count;
    return left;
}

/* ---- Primary expressions ---- */

CExpr *literal(DeclParser *p, int kind)
{
    const DeclToken &t = next_token(p);
    CExpr *n = node_at(p, kind, 0, nullptr, nullptr, nullptr);
    n->text = t.text;
    n->value = t.value;
    n->wide = t.wide;
    return n;
}

/* Adjacent string literals make one. */
CExpr *string_literal(DeclParser *p)
{
    CExpr *n = literal(p, EX_STRING);
    std::string joined = n->text;
    while (peek_kind(p) == TK_STRING) {
        const DeclToken &t = next_token(p);
        joined += " ";
        joined += t.text;
        n->wide = n->wide || t.wide;
    }
    n->text = intern_text(joined.c_str());
    return n;
}

/* qualified name: [::] { name :: } name */
CExpr *qualified_name(DeclParser *p)
{
    CExpr *n = node_at(p, EX_IDENT, 0, nullptr, nullptr, nullptr);
    n->global = accept_token(p, TK_SCOPE);
    std::string qualifier;
    while (peek_kind(p) == TK_IDENT && peek_kind(p, 1) == TK_SCOPE) {
        if (!qualifier.empty())
            qualifier += "::";
        qualifier += next_token(p).text;
        next_token(p);
    }
    if (peek_kind(p) == TK_TILDE && peek_kind(p, 1) == TK_IDENT) {
        next_token(p);
        std::string name = std::string("~") + next_token(p).text;
        n->text = intern_text(name.c_str());
    } else if (!expect_token(p, TK_IDENT)) {
        free_expr(n);
        return nullptr;
    } else {
        n->text = p->last.text;
    }
    n->qualifier = intern_text(qualifier.c_str());
    return n;
}

/* Arguments of a call or constructor: "(" [ value { "," value } ] ")" */
bool call_arguments(DeclParser *p, CExpr *owner)
{
    CExpr **tail = &owner->list;
    if (!expect_token(p, TK_LPAREN))
        return false;
    bool saved = p->no_greater;
    p->no_greater = false;
    bool ok = true;
    if (peek_kind(p) != TK_RPAREN) {
        do {
            CExpr *arg = parse_assignment(p);
            if (!arg) {
                ok = false;
                break;
            }
            *tail = arg;
            tail = &arg->next;
        } while (accept_token(p, TK_COMMA));
    }
    p->no_greater = saved;
    return ok && expect_token(p, TK_RPAREN);
}

/* A type followed by "(": functional cast or constructor call. */
CExpr *construct_call(DeclParser *p, size_t start)
{
    CType *type = parse_type_specifier(p);
    if (!type)
        return nullptr;
    CExpr *n = node_at(p, EX_CONSTRUCT, 0, nullptr, nullptr, nullptr);
    n->type = type;
    n->text = intern_text(source_text(p, start, p->last.end).c_str());
    if (!call_arguments(p, n)) {
        free_expr(n);
        return nullptr;
    }
    return n;
}

/* named cast: cast_keyword "<" type_name ">" "(" expression ")" */
CExpr *named_cast(DeclParser *p)
{
    int op = next_token(p).kind;
    if (!expect_token(p, TK_LT))
        return nullptr;
    CType *type = parse_type_name(p);
    if (!type || !expect_token(p, TK_GT) || !expect_token(p, TK_LPAREN)) {
        CExpr *dropped = make_expr(EX_CAST, 0, nullptr, nullptr, nullptr);
        dropped->type = type;
        free_expr(dropped);
        return nullptr;
    }
    CExpr *operand = parse_expression(p);
    CExpr *n = node_at(p, EX_NAMED_CAST, op, operand, nullptr, nullptr);
    n->type = type;
    if (!operand || !expect_token(p, TK_RPAREN)) {
        free_expr(n);
        return nullptr;
    }
    return n;
}

CExpr *parenthesised(DeclParser *p)
{
    next_token(p);
    bool saved = p->no_greater;
    p->no_greater = false;
    CExpr *inner = parse_expression(p);
    p->no_greater = saved;
    if (!inner || !expect_token(p, TK_RPAREN)) {
        free_expr(inner);
        return nullptr;
    }
    return node_at(p, EX_PAREN, 0, inner, nullptr, nullptr);
}

/* range: "[" min ".." max "]" */
CExpr *value_range(DeclParser *p)
{
    next_token(p);
    const char *saved = p->error_text;
    p->error_text = "[min..max]";
    CExpr *low = parse_conditional(p);
    CExpr *high = nullptr;
    if (low && accept_token(p, TK_DOTDOT))
        high = parse_conditional(p);
    p->error_text = saved;
    if (!high || !accept_token(p, TK_RBRACKET)) {
        free_expr(low);
        free_expr(high);
        syntax_error_text(p, "[min..max]");
        return nullptr;
    }
    return node_at(p, EX_RANGE, 0, low, high, nullptr);
}

bool is_named_cast(int kind)
{
    return kind == TK_KW_dynamic_cast || kind == TK_KW_static_cast ||
           kind == TK_KW_const_cast || kind == TK_KW_reinterpret_cast;
}

CExpr *parse_primary(DeclParser *p)
{
    int kind = peek_kind(p);
    switch (kind) {
    case TK_INTEGER: return literal(p, EX_INTEGER);
    case TK_FLOATING: return literal(p, EX_FLOATING);
    case TK_CHARACTER: return literal(p, EX_CHARACTER);
    case TK_STRING: return string_literal(p);
    case TK_KW_this: next_token(p); return node_at(p, EX_THIS, 0, 0, 0, 0);
    case TK_KW_true: next_token(p); return node_at(p, EX_TRUE, 0, 0, 0, 0);
    case TK_KW_false: next_token(p); return node_at(p, EX_FALSE, 0, 0, 0, 0);
    case TK_LPAREN: return parenthesised(p);
    case TK_LBRACE:
        next_token(p);
        return parse_initializer_list(p);
    case TK_LBRACKET:
        if (p->expression_mode)
            return value_range(p);
        break;
    default: break;
    }
    if (is_named_cast(kind))
        return named_cast(p);
    if (starts_type_name(p, 0))
        return construct_call(p, peek_token(p).start);
    if (kind == TK_IDENT || kind == TK_SCOPE || kind == TK_TILDE)
        return qualified_name(p);
    syntax_error(p);
    return nullptr;
}

/* ---- Postfix expressions ---- */

CExpr *member_selection(DeclParser *p, CExpr *object, int op)
{
    CExpr *n = node_at(p, op == TK_DOT ? EX_DOT : EX_ARROW, op, object,
                          nullptr, nullptr);
    accept_token(p, TK_KW_template);
    CExpr *name = qualified_name(p);
    if (!name) {
        free_expr(n);
        return nullptr;
    }
    n->text = name->text;
    n->qualifier = name->qualifier;
    free_expr(name);
    return n;
}

CExpr *subscript(DeclParser *p, CExpr *array)
{
    bool saved = p->no_greater;
    p->no_greater = false;
    CExpr *index = parse_expression(p);
    p->no_greater = saved;
    if (!index || !expect_token(p, TK_RBRACKET)) {
        free_expr(array);
        free_expr(index);
        return nullptr;
    }
    return node_at(p, EX_SUBSCRIPT, 0, array, index, nullptr);
}

CExpr *call(DeclParser *p, CExpr *callee)
{
    CExpr *n = node_at(p, EX_CALL, 0, callee, nullptr, nullptr);
    if (!call_arguments(p, n)) {
        free_expr(n);
        return nullptr;
    }
    return n;
}

/* postfix: primary { "[" expr "]" | "(" args ")" | "." name | "->" name
**                   | "++" | "--" }          POSTINCRE, POSTDECRE */
CExpr *parse_postfix(DeclParser *p)
{
    CExpr *e = parse_primary(p);
    int count = 0;
    while (e) {
        int kind = peek_kind(p);
        if (++count + p->chain > DECL_MAX_CHAIN) {
            syntax_error(p);
            free_expr(e);
            return nullptr;
        }
        if (kind == TK_LBRACKET) {
            next_token(p);
            e = subscript(p, e);
        } else if (kind == TK_LPAREN) {
            e = call(p, e);
        } else if (kind == TK_DOT || kind == TK_ARROW) {
            next_token(p);
            e = member_selection(p, e, kind);
        } else if (kind == TK_INC || kind == TK_DEC) {
            next_token(p);
            e = node_at(p, EX_POSTFIX, kind, e, nullptr, nullptr);
            refuse(p, kind == TK_INC ? "POSTINCRE" : "POSTDECRE");
            if (p->failed) {
                free_expr(e);
                return nullptr;
            }
        } else {
            break;
        }
    }
    return e;
}

/* ---- Unary expressions ---- */

bool is_unary_operator(int kind)
{
    return kind == TK_PLUS || kind == TK_MINUS || kind == TK_BANG ||
           kind == TK_TILDE || kind == TK_STAR || kind == TK_AMP ||
           kind == TK_INC || kind == TK_DEC;
}

CExpr *parse_sizeof(DeclParser *p)
{
    next_token(p);
    if (peek_kind(p) == TK_LPAREN && starts_type_name(p, 1)) {
        next_token(p);
        CType *type = parse_type_name(p);
        CExpr *n = node_at(p, EX_SIZEOF_TYPE, 0, nullptr, nullptr, nullptr);
        n->type = type;
        if (!type || !expect_token(p, TK_RPAREN)) {
            free_expr(n);
            return nullptr;
        }
        return n;
    }
    CExpr *operand = parse_unary(p);
    return operand ? node_at(p, EX_SIZEOF_EXPR, 0, operand, nullptr, nullptr)
                   : nullptr;
}

/* new: ["::"] "new" ["(" args ")"] type ["[" expr "]"] ["(" args ")"] */
CExpr *parse_new(DeclParser *p, bool global)
{
    next_token(p);
    CExpr *n = node_at(p, EX_NEW, 0, nullptr, nullptr, nullptr);
    n->global = global;
    bool parenthesised = accept_token(p, TK_LPAREN);
    n->type = parse_type_name(p);
    if (!n->type || (parenthesised && !expect_token(p, TK_RPAREN))) {
        free_expr(n);
        return nullptr;
    }
    if (accept_token(p, TK_LBRACKET)) {
        n->array = true;
        n->a = parse_expression(p);
        if (!n->a || !expect_token(p, TK_RBRACKET)) {
            free_expr(n);
            return nullptr;
        }
    }
    if (peek_kind(p) == TK_LPAREN && !call_arguments(p, n)) {
        free_expr(n);
        return nullptr;
    }
    return n;
}

/* delete: ["::"] "delete" ["[" "]"] cast */
CExpr *parse_delete(DeclParser *p, bool global)
{
    next_token(p);
    bool array = false;
    if (accept_token(p, TK_LBRACKET)) {
        if (!expect_token(p, TK_RBRACKET))
            return nullptr;
        array = true;
    }
    CExpr *operand = parse_cast(p);
    if (!operand)
        return nullptr;
    CExpr *n = node_at(p, EX_DELETE, 0, operand, nullptr, nullptr);
    n->global = global;
    n->array = array;
    return n;
}

CExpr *parse_unary_inner(DeclParser *p)
{
    int kind = peek_kind(p);
    if (is_unary_operator(kind)) {
        next_token(p);
        CExpr *operand = parse_cast(p);
        if (!operand)
            return nullptr;
        CExpr *n = node_at(p, EX_UNARY, kind, operand, nullptr, nullptr);
        if (kind == TK_INC || kind == TK_DEC)
            refuse(p, kind == TK_INC ? "POSTINCRE" : "POSTDECRE");
        if (p->failed) {
            free_expr(n);
            return nullptr;
        }
        return n;
    }
    if (kind == TK_KW_sizeof)
        return parse_sizeof(p);
    bool global = kind == TK_SCOPE && (peek_kind(p, 1) == TK_KW_new ||
                                       peek_kind(p, 1) == TK_KW_delete);
    if (global) {
        next_token(p);
        kind = peek_kind(p);
    }
    if (kind == TK_KW_new)
        return parse_new(p, global);
    if (kind == TK_KW_delete)
        return parse_delete(p, global);
    return parse_postfix(p);
}

CExpr *parse_unary(DeclParser *p)
{
    if (!enter_nesting(p))
        return nullptr;
    CExpr *n = parse_unary_inner(p);
    leave_nesting(p);
    return n;
}

/* cast: "(" type_name ")" cast | unary */
CExpr *parse_cast(DeclParser *p)
{
    if (peek_kind(p) != TK_LPAREN || !starts_type_name(p, 1))
        return parse_unary(p);
    if (!enter_nesting(p))
        return nullptr;
    next_token(p);
    CType *type = parse_type_name(p);
    CExpr *n = node_at(p, EX_CAST, 0, nullptr, nullptr, nullptr);
    n->type = type;
    if (!type || !expect_token(p, TK_RPAREN) || !(n->a = parse_cast(p))) {
        free_expr(n);
        n = nullptr;
    }
    leave_nesting(p);
    return n;
}

bool is_assignment(int kind)
{
    switch (kind) {
    case TK_ASSIGN: case TK_MUL_ASSIGN: case TK_DIV_ASSIGN:
    case TK_MOD_ASSIGN: case TK_ADD_ASSIGN: case TK_SUB_ASSIGN:
    case TK_LSHIFT_ASSIGN: case TK_RSHIFT_ASSIGN: case TK_AND_ASSIGN:
    case TK_XOR_ASSIGN: case TK_OR_ASSIGN:
        return true;
    default:
        return false;
    }
}

/* ---- Value lists ---- */

CExpr *designated(DeclParser *p, CExpr *target)
{
    CExpr *value = parse_assignment(p);
    if (!value) {
        free_expr(target);
        return nullptr;
    }
    if (target->kind == EX_IDENT) {
        CExpr *n = node_at(p, EX_DESIGNATION, 0, value, nullptr, nullptr);
        n->text = target->text;
        free_expr(target);
        return n;
    }
    target->c = value;   /* the range designation made by the caller */
    return target;
}

/* element: [ name "=>" | low ".." high "=>" | OTHERS "=>" ] value | OTHERS
**        | "." name "=" value  (declarations) | nothing (script values) */
CExpr *list_element(DeclParser *p)
{
    int kind = peek_kind(p);
    if ((kind == TK_COMMA || kind == TK_RBRACE) && p->expression_mode)
        return node_at(p, EX_EMPTY, 0, nullptr, nullptr, nullptr);
    if (kind == TK_IDENT && strcmp(peek_token(p).text, "OTHERS") == 0 &&
        p->expression_mode) {
        int after = peek_kind(p, 1);
        if (after == TK_ARROW_DESIGN || after == TK_COMMA ||
            after == TK_RBRACE) {
            next_token(p);
            CExpr *n = node_at(p, EX_OTHERS, 0, nullptr, nullptr, nullptr);
            if (accept_token(p, TK_ARROW_DESIGN) && !(n->a = parse_assignment(p))) {
                free_expr(n);
                return nullptr;
            }
            return n;
        }
    }
    if (kind == TK_IDENT && (peek_kind(p, 1) == TK_ARROW_DESIGN ||
                             (!p->expression_mode && peek_kind(p, 1) == TK_COLON))) {
        CExpr *name = qualified_name(p);
        next_token(p);
        return designated(p, name);
    }
    if (kind == TK_DOT && peek_kind(p, 1) == TK_IDENT &&
        peek_kind(p, 2) == TK_ASSIGN) {
        next_token(p);
        CExpr *name = qualified_name(p);
        next_token(p);
        return designated(p, name);
    }
    CExpr *value = parse_assignment(p);
    if (value && accept_token(p, TK_DOTDOT)) {
        CExpr *high = parse_conditional(p);
        if (!high || !expect_token(p, TK_ARROW_DESIGN)) {
            free_expr(value);
            free_expr(high);
            return nullptr;
        }
        return designated(p, node_at(p, EX_RANGE_DESIGNATION, 0, value, high,
                                     nullptr));
    }
    return value;
}

/* Tokens after which an operand stands alone: no operator, postfix or
** conditional can follow it at this point. */
bool closes_operand(int kind)
{
    switch (kind) {
    case TK_COMMA: case TK_RBRACE: case TK_RBRACKET: case TK_RPAREN:
    case TK_DOTDOT: case TK_ARROW_DESIGN: case TK_EOF:
        return true;
    default:
        return false;
    }
}

/* Most operands of a value text are one constant or one name closed by
** a comma, a brace or a range: made at once, the tree the descent through
** every level would make (null when the descent is needed).  The depth
** and chain bounds the descent would meet are met here too. */
CExpr *closed_primary(DeclParser *p)
{
    if (p->nesting + 2 > DECL_MAX_NESTING || p->chain + 1 > DECL_MAX_CHAIN ||
        !closes_operand(peek_kind(p, 1)))
        return nullptr;
    switch (peek_kind(p)) {
    case TK_INTEGER: return literal(p, EX_INTEGER);
    case TK_FLOATING: return literal(p, EX_FLOATING);
    case TK_CHARACTER: return literal(p, EX_CHARACTER);
    case TK_IDENT: return starts_type_name(p, 0) ? nullptr : qualified_name(p);
    default: return nullptr;
    }
}

} // namespace

/* initializer_list (after "{"): [ element { "," element } [","] ] "}" */
CExpr *parse_initializer_list(DeclParser *p)
{
    if (!enter_nesting(p))
        return nullptr;
    CExpr *n = node_at(p, EX_LIST, 0, nullptr, nullptr, nullptr);
    CExpr **tail = &n->list;
    bool saved = p->no_greater;
    p->no_greater = false;
    bool ok = true;
    if (peek_kind(p) != TK_RBRACE || p->expression_mode) {
        do {
            if (peek_kind(p) == TK_RBRACE && !p->expression_mode)
                break;   /* trailing comma */
            CExpr *e = list_element(p);
            if (!e) {
                ok = false;
                break;
            }
            *tail = e;
            tail = &e->next;
        } while (accept_token(p, TK_COMMA));
    }
    p->no_greater = saved;
    if (!ok || !expect_token(p, TK_RBRACE)) {
        free_expr(n);
        n = nullptr;
    }
    leave_nesting(p);
    return n;
}

/* conditional: binary(0) [ "?" expression ":" assignment ] */
CExpr *parse_conditional(DeclParser *p)
{
    if (CExpr *alone = closed_primary(p))
        return alone;
    if (!enter_nesting(p))
        return nullptr;
    CExpr *cond = parse_binary(p, 0);
    if (cond && accept_token(p, TK_QUESTION)) {
        bool saved = p->no_greater;
        p->no_greater = false;
        CExpr *then = parse_expression(p);
        p->no_greater = saved;
        CExpr *otherwise = nullptr;
        if (then && expect_token(p, TK_COLON))
            otherwise = parse_assignment(p);
        cond = node_at(p, EX_CONDITIONAL, 0, cond, then, otherwise);
        if (!otherwise) {
            free_expr(cond);
            cond = nullptr;
        }
    }
    leave_nesting(p);
    return cond;
}

/* assignment: conditional [ assign_op assignment ]            AFFECTATI */
CExpr *parse_assignment(DeclParser *p)
{
    CExpr *target = parse_conditional(p);
    if (!target || !is_assignment(peek_kind(p)))
        return target;
    int op = next_token(p).kind;
    refuse(p, "AFFECTATI");
    if (p->failed || !enter_nesting(p)) {
        free_expr(target);
        return nullptr;
    }
    CExpr *value = parse_assignment(p);
    leave_nesting(p);
    if (!value) {
        free_expr(target);
        return nullptr;
    }
    return node_at(p, EX_ASSIGN, op, target, value, nullptr);
}

/* expression: assignment { "," assignment }                   SOUSEXPRE */
CExpr *parse_expression(DeclParser *p)
{
    CExpr *left = parse_assignment(p);
    int count = 0;
    while (left && peek_kind(p) == TK_COMMA) {
        next_token(p);
        if (++count + p->chain > DECL_MAX_CHAIN) {
            syntax_error(p);
            free_expr(left);
            return nullptr;
        }
        refuse(p, "SOUSEXPRE");
        CExpr *right = p->failed ? nullptr : parse_assignment(p);
        if (!right) {
            free_expr(left);
            return nullptr;
        }
        left = node_at(p, EX_COMMA, TK_COMMA, left, right, nullptr);
    }
    return left;
}
