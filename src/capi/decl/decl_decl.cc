/*
** src/capi/decl/decl_decl.cc
** The C/C++ declaration grammar: declaration sequences, specifiers,
** declarators, parameters, function definitions, namespaces and linkage.
**
** Each declared name becomes a `CSymbol` of the model as soon as its
** declarator is complete, so declarations finished before a syntax error
** stay in the table.  After an error the parser skips to the next ";" (or
** the "}" closing the enclosing body, or past a balanced body) and goes
** on.  Class, enum and template specifiers are in decl_class.cc and
** decl_template.cc.
*/
#include "decl.h"

#include <cstring>

#include "pp.h"

namespace {

bool is_base_word(int kind)
{
    switch (kind) {
    case TK_KW_char: case TK_KW_short: case TK_KW_int: case TK_KW_long:
    case TK_KW_signed: case TK_KW_unsigned: case TK_KW_float:
    case TK_KW_double: case TK_KW_bool: case TK_KW_wchar_t: case TK_KW_void:
        return true;
    default:
        return false;
    }
}

/* Storage keywords and function specifiers; false for other tokens. */
bool storage_keyword(DeclParser *p, DeclSpecs *s)
{
    switch (peek_kind(p)) {
    case TK_KW_typedef: s->is_typedef = true; break;
    case TK_KW_extern: s->storage |= SF_EXTERN; break;
    case TK_KW_static: s->storage |= SF_STATIC; break;
    case TK_KW_auto: s->storage |= SF_AUTO; break;
    case TK_KW_register: s->storage |= SF_REGISTER; break;
    case TK_KW_mutable: s->storage |= SF_MUTABLE; break;
    case TK_KW_export: s->storage |= SF_EXPORT; break;
    case TK_KW_friend: s->is_friend = true; break;
    case TK_KW_inline: s->is_inline = true; break;
    case TK_KW_virtual: s->is_virtual = true; break;
    case TK_KW_explicit: s->is_explicit = true; break;
    case TK_KW_overload: s->is_overload = true; break;
    default: return false;
    }
    next_token(p);
    return true;
}

void add_specifier(DeclParser *p, DeclSpecs *s, CType *type)
{
    if (!type)
        return;
    s->type = compose_type(s->type, type, p->scan.file, p->last.line);
}

/* A cv-qualifier or parameter modifier word. */
bool modifier_word(DeclParser *p, size_t offset)
{
    const DeclToken &t = peek_token(p, offset);
    if (t.kind == TK_KW_const || t.kind == TK_KW_volatile)
        return true;
    return t.kind == TK_IDENT &&
           (is_modifier_word(t.text) || pp_is_type_modifier(t.text));
}

const char *modifier_name(const DeclToken &t)
{
    if (t.kind == TK_KW_const)
        return "const";
    if (t.kind == TK_KW_volatile)
        return "volatile";
    return t.text;
}

/* In class C, "C (" begins a constructor, not a type. */
bool constructor_ahead(DeclParser *p)
{
    CType *cls = current_class(p);
    const DeclToken &t = peek_token(p);
    if (!cls || t.kind != TK_IDENT || peek_kind(p, 1) != TK_LPAREN)
        return false;
    const char *own = cls->name;
    if (p->context && p->context->instance_of == t.text)
        return true;
    return own && own == t.text;
}

/* A typename or a type name, when the specifiers have no type yet. */
bool named_type_specifier(DeclParser *p, DeclSpecs *s)
{
    if (s->has_type || constructor_ahead(p))
        return false;
    if (peek_kind(p) == TK_KW_typename) {
        next_token(p);
        CType *type = parse_named_type(p);
        if (!type) {   /* a dependent name: any type will do */
            while (peek_kind(p) == TK_IDENT || peek_kind(p) == TK_SCOPE)
                next_token(p);
            type = make_base_type("int");
        }
        add_specifier(p, s, type);
        s->has_type = true;
        return true;
    }
    CType *type = parse_named_type(p);
    if (!type)
        return false;
    add_specifier(p, s, type);
    s->has_type = true;
    return true;
}

bool one_specifier(DeclParser *p, DeclSpecs *s)
{
    int kind = peek_kind(p);
    if (storage_keyword(p, s))
        return true;
    if (modifier_word(p, 0)) {
        const DeclToken &t = next_token(p);
        add_specifier(p, s, make_modifier(modifier_name(t), nullptr));
        return true;
    }
    if (is_base_word(kind)) {
        next_token(p);
        add_specifier(p, s, make_base_type(token_spelling(kind)));
        s->has_type = true;
        return true;
    }
    if (kind == TK_KW_struct || kind == TK_KW_union || kind == TK_KW_class) {
        add_specifier(p, s, parse_class_specifier(p, s));
        s->has_type = true;
        return !p->failed;
    }
    if (kind == TK_KW_enum) {
        add_specifier(p, s, parse_enum_specifier(p, s));
        s->has_type = true;
        return !p->failed;
    }
    return named_type_specifier(p, s);
}

/* ---- Declarator names ---- */

/* conversion type: specifiers { "*" | "&" } (no parentheses: those are
** the conversion function's own) */
CType *conversion_type(DeclParser *p)
{
    DeclSpecs specs;
    CType *type = nullptr;
    if (parse_decl_specs(p, &specs) && (specs.has_type || specs.type)) {
        type = specs.type;
        specs.type = nullptr;
        while (peek_kind(p) == TK_STAR || peek_kind(p) == TK_AMP)
            type = next_token(p).kind == TK_STAR ? make_pointer(type)
                                                 : make_reference(type);
    } else if (!p->failed) {
        syntax_error(p);
    }
    release_specs(&specs);
    return type;
}

/* "operator" followed by an operator, new/delete, "()", "[]" or a type. */
bool operator_name(DeclParser *p, Declarator *d)
{
    next_token(p);
    d->is_operator = true;
    std::string name = "operator";
    int kind = peek_kind(p);
    if (kind == TK_KW_new || kind == TK_KW_delete) {
        name += " ";
        name += token_spelling(next_token(p).kind);
        if (peek_kind(p) == TK_LBRACKET && peek_kind(p, 1) == TK_RBRACKET) {
            next_token(p);
            next_token(p);
            name += "[]";
        }
    } else if ((kind == TK_LPAREN && peek_kind(p, 1) == TK_RPAREN) ||
               (kind == TK_LBRACKET && peek_kind(p, 1) == TK_RBRACKET)) {
        name += token_spelling(next_token(p).kind);
        name += token_spelling(next_token(p).kind);
    } else if (kind >= TK_ELLIPSIS && kind < TK_COUNT && kind != TK_LPAREN &&
               kind != TK_SEMI && kind != TK_LBRACE) {
        name += token_spelling(next_token(p).kind);
    } else if (starts_type_name(p, 0)) {
        CType *type = conversion_type(p);
        if (!type)
            return false;
        std::string before, after;
        decl_type_image(type, before, after);
        free_type(type, FREE_ALL);
        name += " " + before + after;
        while (!name.empty() && name.back() == ' ')
            name.pop_back();
        d->is_conversion = true;
    } else {
        syntax_error(p);
        return false;
    }
    d->name = intern_text(name.c_str());
    return true;
}

/* Moves the scope of a qualified name one component on. */
bool enter_name_scope(DeclParser *p, Declarator *d, const char *name)
{
    NameInfo info = classify_name(p, name, d->has_scope ? &d->scope : nullptr);
    CSymbolTable *table = table_of(p);
    d->scope_class = nullptr;
    if (info.category == NC_NAMESPACE) {
        d->scope = scope_qualifier(info.ns);
    } else if (info.entry) {
        CType *cls = real_type(info.entry->symbol->type);
        if (!cls || !(cls->kind == CT_STRUCT || cls->kind == CT_UNION ||
                      cls->kind == CT_TEMPLATE))
            return false;
        d->scope_class = cls;
        d->scope = scope_qualifier(class_scope(table, cls));
    } else {
        return false;
    }
    d->has_scope = true;
    return true;
}

/* name: ["::"] { scope "::" } ( identifier | "~" identifier | operator ) */
bool declarator_name(DeclParser *p, Declarator *d)
{
    d->line = peek_token(p).line;
    if (accept_token(p, TK_SCOPE)) {
        d->global = true;
        d->has_scope = true;
        d->qualified = "::";
    }
    while (peek_kind(p) == TK_IDENT && peek_kind(p, 1) == TK_SCOPE) {
        const char *scope = next_token(p).text;
        next_token(p);
        d->qualified += scope;
        d->qualified += "::";
        if (!enter_name_scope(p, d, scope)) {
            syntax_error(p);
            return false;
        }
    }
    if (peek_kind(p) == TK_KW_operator) {
        if (!operator_name(p, d))
            return false;
    } else if (peek_kind(p) == TK_TILDE) {
        next_token(p);
        if (!expect_token(p, TK_IDENT))
            return false;
        d->is_destructor = true;
        d->name = intern_text((std::string("~") + p->last.text).c_str());
    } else if (!expect_token(p, TK_IDENT)) {
        return false;
    } else {
        d->name = p->last.text;
    }
    d->qualified += d->name;
    return true;
}

/* ---- Declarator parts ---- */

CSymbol *ellipsis_parameter(DeclParser *p)
{
    return make_symbol(nullptr, make_type(CT_ELLIPSIS),
                       current_qualifier(table_of(p)), p->scan.file);
}

/* parameter: specifiers declarator [ "=" value ] | "..." */
CSymbol *parameter(DeclParser *p)
{
    if (accept_token(p, TK_ELLIPSIS))
        return ellipsis_parameter(p);
    DeclSpecs specs;
    size_t start = peek_token(p).start;
    if (!parse_decl_specs(p, &specs) || (!specs.has_type && !specs.type)) {
        if (peek_token(p).start == start)
            syntax_error(p);
        release_specs(&specs);
        return nullptr;
    }
    Declarator d;
    CSymbol *symbol = nullptr;
    if (parse_declarator(p, &d, true)) {
        CType *type = declared_type(p, &specs, &d);
        symbol = make_symbol(d.name, type, current_qualifier(table_of(p)),
                             p->scan.file);
        if (accept_token(p, TK_ASSIGN)) {
            symbol->attributes[SA_HAS_DEFAULT] = 1;
            free_expr(parse_assignment(p));
        }
    }
    release_declarator(&d);
    release_specs(&specs);
    if (p->failed && symbol) {
        free_symbol(symbol);
        symbol = nullptr;
    }
    return symbol;
}

bool void_parameters(DeclParser *p)
{
    return peek_kind(p) == TK_KW_void && peek_kind(p, 1) == TK_RPAREN;
}

/* exception specification: "throw" "(" [ type { "," type } ] ")" */
bool exception_list(DeclParser *p, CFunctionBody *fn)
{
    next_token(p);
    fn->has_throw = true;
    if (!expect_token(p, TK_LPAREN))
        return false;
    while (peek_kind(p) != TK_RPAREN) {
        CType *type = parse_type_name(p);
        if (!type)
            return false;
        fn->exceptions.push_back(type);
        if (!accept_token(p, TK_COMMA))
            break;
    }
    return expect_token(p, TK_RPAREN);
}

/* parameters (after "("): [ parameter { "," parameter } ] ")"
**                         { cv } [ throw-list ] */
bool function_part(DeclParser *p, DeclOp *op)
{
    op->kind = OP_FUNCTION;
    op->fn = new CFunctionBody;
    if (void_parameters(p))
        next_token(p);
    while (peek_kind(p) != TK_RPAREN && !p->failed) {
        CSymbol *param = parameter(p);
        if (!param)
            return false;
        op->fn->params.push_back(param);
        if (param->type && param->type->kind == CT_ELLIPSIS)
            break;
        if (!accept_token(p, TK_COMMA) && peek_kind(p) != TK_ELLIPSIS)
            break;
    }
    if (!expect_token(p, TK_RPAREN))
        return false;
    while (modifier_word(p, 0)) {
        if (next_token(p).kind == TK_KW_const)
            op->const_method = true;
    }
    if (peek_kind(p) == TK_KW_throw && !exception_list(p, op->fn))
        return false;
    return true;
}

/* "[" [ expression ] "]" */
bool array_part(DeclParser *p, DeclOp *op)
{
    op->kind = OP_ARRAY;
    size_t start = p->last.end;
    if (peek_kind(p) != TK_RBRACKET) {
        bool saved = p->no_greater;
        p->no_greater = false;
        op->dim = parse_expression(p);
        p->no_greater = saved;
        if (!op->dim)
            return false;
    }
    if (!expect_token(p, TK_RBRACKET))
        return false;
    std::string text(p->scan.text + start, p->last.start - start);
    op->text = intern_text(text.c_str());
    return true;
}

/* A "(" after the name starts parameters unless it holds values (C++
** direct initialisation, "int x(5);"). */
bool parameters_ahead(DeclParser *p, bool named)
{
    int after = peek_kind(p, 1);
    if (!named || after == TK_RPAREN || after == TK_ELLIPSIS)
        return true;
    return starts_type_name(p, 1) || modifier_word(p, 1) ||
           after == TK_KW_register || after == TK_KW_auto;
}

bool suffixes(DeclParser *p, Declarator *d, std::vector<DeclOp> &parts)
{
    for (;;) {
        DeclOp op = {};
        if (peek_kind(p) == TK_LBRACKET) {
            next_token(p);
            bool ok = array_part(p, &op);
            parts.push_back(op);
            if (!ok)
                return false;
        } else if (peek_kind(p) == TK_LPAREN &&
                   parameters_ahead(p, d->name != nullptr)) {
            next_token(p);
            bool ok = function_part(p, &op);
            parts.push_back(op);
            if (!ok)
                return false;
        } else {
            return true;
        }
    }
}

/* A "(" in declarator position nests a declarator, unless it starts the
** parameters of an abstract function declarator. */
bool nested_declarator_ahead(DeclParser *p, bool abstract_ok)
{
    if (peek_kind(p) != TK_LPAREN)
        return false;
    if (!abstract_ok)
        return true;
    int after = peek_kind(p, 1);
    if (after == TK_RPAREN || after == TK_ELLIPSIS || starts_type_name(p, 1) ||
        modifier_word(p, 1))
        return false;
    return after == TK_STAR || after == TK_AMP || after == TK_LPAREN ||
           after == TK_LBRACKET || after == TK_IDENT || after == TK_SCOPE ||
           after == TK_KW_operator || after == TK_TILDE;
}

/* A member pointer "C::*": taken as a plain pointer. */
bool member_pointer_ahead(DeclParser *p)
{
    size_t i = peek_kind(p) == TK_SCOPE ? 1 : 0;
    while (peek_kind(p, i) == TK_IDENT && peek_kind(p, i + 1) == TK_SCOPE) {
        if (peek_kind(p, i + 2) == TK_STAR)
            return true;
        i += 2;
    }
    return false;
}

bool pointer_part(DeclParser *p, std::vector<DeclOp> &parts)
{
    if (member_pointer_ahead(p))
        while (next_token(p).kind != TK_STAR) {
        }
    else if (next_token(p).kind == TK_AMP) {
        parts.push_back(DeclOp{OP_REFERENCE, nullptr, nullptr, nullptr, false});
        return true;
    }
    parts.push_back(DeclOp{OP_POINTER, nullptr, nullptr, nullptr, false});
    while (modifier_word(p, 0)) {
        const char *name = modifier_name(next_token(p));
        parts.push_back(DeclOp{OP_MODIFIER, name, nullptr, nullptr, false});
    }
    return true;
}

bool declarator_inner(DeclParser *p, Declarator *d, bool abstract_ok,
                      std::vector<DeclOp> &ops)
{
    std::vector<DeclOp> prefix, inner, post;
    while (peek_kind(p) == TK_STAR || peek_kind(p) == TK_AMP ||
           member_pointer_ahead(p)) {
        if (prefix.size() > (size_t)DECL_MAX_NESTING) {
            syntax_error(p);   /* the type chain would be too deep */
            return false;
        }
        pointer_part(p, prefix);
    }
    bool ok = true;
    if (nested_declarator_ahead(p, abstract_ok)) {
        next_token(p);
        ok = enter_nesting(p);
        if (ok) {
            ok = declarator_inner(p, d, abstract_ok, inner) &&
                 expect_token(p, TK_RPAREN);
            leave_nesting(p);
        }
    } else if (peek_kind(p) == TK_IDENT || peek_kind(p) == TK_SCOPE ||
               peek_kind(p) == TK_KW_operator ||
               (peek_kind(p) == TK_TILDE && peek_kind(p, 1) == TK_IDENT)) {
        ok = declarator_name(p, d);
    } else if (!abstract_ok) {
        syntax_error(p);
        ok = false;
    }
    if (ok)
        ok = suffixes(p, d, post);
    ops.insert(ops.end(), prefix.begin(), prefix.end());
    ops.insert(ops.end(), post.rbegin(), post.rend());
    ops.insert(ops.end(), inner.begin(), inner.end());
    return ok;
}

void release_op(DeclOp &op)
{
    free_expr(op.dim);
    op.dim = nullptr;
    if (op.fn) {
        for (CSymbol *s : op.fn->params)
            free_symbol(s);
        for (CType *t : op.fn->exceptions)
            free_type(t, FREE_ALL);
        delete op.fn;
        op.fn = nullptr;
    }
}

/* ---- Declaring names ---- */

void set_function_attributes(const DeclSpecs *s, const Declarator *d,
                             CSymbol *symbol)
{
    symbol->attributes[SA_INLINE] = s->is_inline;
    symbol->attributes[SA_VIRTUAL] = s->is_virtual;
    symbol->attributes[SA_EXPLICIT] = s->is_explicit;
    symbol->attributes[SA_OVERLOAD] = s->is_overload;
    symbol->attributes[SA_PURE_VIRTUAL] = d->pure;
    symbol->attributes[SA_DESTRUCTOR] = d->is_destructor;
    symbol->attributes[SA_OPERATOR] = d->is_operator;
    symbol->attributes[SA_CONVERSION] = d->is_conversion;
    if (!d->ops.empty() && d->ops.back().const_method)
        symbol->attributes[SA_CONST_METHOD] = 1;
}

bool same_parameters(const CFunctionBody *a, const CFunctionBody *b)
{
    if (a->params.size() != b->params.size())
        return false;
    for (size_t i = 0; i < a->params.size(); i++)
        if (!types_equal(a->params[i]->type, b->params[i]->type))
            return false;
    return true;
}

/* Out-of-class definition "C::f(...)": the declaration in C takes the
** parameter names of the definition.                       FUNCT_DEF */
void member_definition(DeclParser *p, const Declarator *d, CSymbol *def)
{
    CType *cls = real_type(d->scope_class);
    CType *ftype = resolve_type(def->type);
    if (!ftype || ftype->kind != CT_FUNCTION)
        return;   /* a static data member's definition */
    if (cls && cls->class_body) {
        for (CMember *m : cls->class_body->members) {
            CType *mtype = resolve_type(m->symbol->type);
            if (m->symbol->name != def->name || !mtype ||
                mtype->kind != CT_FUNCTION ||
                !same_parameters(mtype->function, ftype->function))
                continue;
            for (size_t i = 0; i < mtype->function->params.size(); i++)
                mtype->function->params[i]->name =
                    ftype->function->params[i]->name;
            m->symbol->attributes[SA_HAS_BODY] = def->attributes[SA_HAS_BODY];
            return;
        }
        if (is_friend_of(cls, def->name))
            return;
    }
    capi_report(3, "FUNCT_DEF", d->qualified.c_str(), p->scan.file, d->line);
}

CSymbol *new_symbol(DeclParser *p, const DeclSpecs *s, const Declarator *d,
                    CType *type)
{
    NamespaceQualifier q = current_qualifier(table_of(p));
    if (d->has_scope && !d->scope_class)
        q = d->scope;
    if (s->is_typedef)
        type = make_typedef_name(d->name, type);
    CSymbol *symbol = make_symbol(d->name, type, q, p->scan.file);
    symbol->storage = s->storage;
    if (s->is_friend)
        symbol->storage |= SF_FRIEND;
    set_function_attributes(s, d, symbol);
    CType *cls = current_class(p);
    if (cls && cls->class_body && d->name &&
        (d->name == cls->name ||
         (p->context && p->context->instance_of == d->name)))
        symbol->attributes[SA_CONSTRUCTOR] = is_function_type(type);
    return symbol;
}

/* Enters one declared name into the model: a class member, a friend, an
** out-of-class member definition, or an ordinary name. */
void declare_name(DeclParser *p, const DeclSpecs *s, Declarator *d,
                  CType *type, int bit_width, bool has_body)
{
    CType *cls = current_class(p);
    CSymbolTable *table = table_of(p);
    if (!d->name && cls && bit_width >= 0) {   /* unnamed bit field */
        add_member(cls, make_symbol(nullptr, type, current_qualifier(table),
                                    p->scan.file),
                   current_access(table), bit_width);
        return;
    }
    if (!d->name) {
        free_type(type, FREE_ALL);
        return;
    }
    CSymbol *symbol = new_symbol(p, s, d, type);
    symbol->attributes[SA_HAS_BODY] = has_body;
    if (d->scope_class) {
        member_definition(p, d, symbol);
        free_symbol(symbol);
    } else if (cls && s->is_friend) {
        add_friend(table, cls, symbol);
    } else if (cls) {
        /* A member typedef is also a type name of the class scope. */
        if (s->is_typedef)
            insert_ordinary(table, copy_symbol(symbol), p->scan.file, d->line);
        add_member(cls, symbol, current_access(table), bit_width);
    } else {
        insert_ordinary(table, symbol, p->scan.file, d->line);
    }
}

/* An anonymous struct or union member, or a friend class. */
void declare_tag_only(DeclParser *p, DeclSpecs *s)
{
    CType *cls = current_class(p);
    CSymbolTable *table = table_of(p);
    if (!cls || !s->tag) {
        release_specs(s);
        return;
    }
    if (s->is_friend) {
        CSymbol *friend_symbol = make_symbol(s->tag->name, s->type,
                                             current_qualifier(table),
                                             p->scan.file);
        s->type = nullptr;
        friend_symbol->storage |= SF_FRIEND;
        add_friend(table, cls, friend_symbol);
        return;
    }
    if (!s->tag->name && s->tag_body && s->tag_kind != TK_KW_enum) {
        CSymbol *member = make_symbol(nullptr, s->type,
                                      current_qualifier(table), p->scan.file);
        s->type = nullptr;
        add_member(cls, member, current_access(table), -1);
    }
}

/* Function body, or a constructor's initialisers and body. */
bool function_body(DeclParser *p)
{
    if (accept_token(p, TK_KW_try)) {
        if (!function_body(p))
            return false;
        while (peek_kind(p) == TK_KW_catch) {
            next_token(p);
            skip_balanced(p);
            if (peek_kind(p) != TK_LBRACE)
                break;
            skip_function_body(p);
        }
        return true;
    }
    if (accept_token(p, TK_COLON)) {
        while (peek_kind(p) != TK_LBRACE && peek_kind(p) != TK_EOF) {
            if (peek_kind(p) == TK_LPAREN)
                skip_balanced(p);
            else
                next_token(p);
        }
    }
    return skip_function_body(p);
}

bool body_ahead(DeclParser *p, const Declarator *d)
{
    int kind = peek_kind(p);
    return is_function_declarator(d) &&
           (kind == TK_LBRACE || kind == TK_KW_try ||
            (kind == TK_COLON && current_class(p) == nullptr) ||
            (kind == TK_COLON && peek_kind(p, 1) == TK_IDENT &&
             peek_kind(p, 2) == TK_LPAREN));
}

/* "= 0" makes a pure virtual function. */
bool pure_specifier(DeclParser *p, Declarator *d)
{
    if (!is_function_declarator(d) || peek_kind(p) != TK_ASSIGN ||
        peek_kind(p, 1) != TK_INTEGER)
        return false;
    next_token(p);
    next_token(p);
    d->pure = true;
    return true;
}

/* initialiser: "=" ( value | "{" list "}" ) | "(" values ")" */
bool initialiser(DeclParser *p)
{
    if (peek_kind(p) == TK_LPAREN) {
        skip_balanced(p);
        return !p->failed;
    }
    if (!accept_token(p, TK_ASSIGN))
        return true;
    CExpr *value = parse_assignment(p);
    free_expr(value);
    return value != nullptr;
}

int bit_field_width(DeclParser *p)
{
    CExpr *width = parse_conditional(p);
    long long value = 0;
    if (!width)
        return -1;
    if (!expr_constant_value(width, &value) || value < 0 || value > 4096)
        value = 0;
    free_expr(width);
    return (int)value;
}

/* init_declarator: declarator [ ":" width ] [ pure | initialiser ]
**                | declarator function-body                  FUNCT_DEF
** Returns 1 after a function definition (no ";" follows), 0 to go on,
** -1 on error. */
int init_declarator(DeclParser *p, DeclSpecs *s)
{
    Declarator d;
    int bit_width = -1;
    bool named_field = peek_kind(p) != TK_COLON;
    if (named_field && !parse_declarator(p, &d, false)) {
        release_declarator(&d);
        return -1;
    }
    if (body_ahead(p, &d)) {
        CType *type = declared_type(p, s, &d);
        declare_name(p, s, &d, type, -1, true);
        release_declarator(&d);
        return function_body(p) ? 1 : -1;
    }
    if (!s->has_type && !s->type && !s->storage && !s->is_typedef &&
        !s->is_friend && !is_function_declarator(&d)) {
        syntax_error(p);   /* an object needs a type */
        release_declarator(&d);
        return -1;
    }
    if (accept_token(p, TK_COLON))
        bit_width = bit_field_width(p);
    bool ok = !p->failed && (pure_specifier(p, &d) || initialiser(p));
    if (ok) {
        CType *type = declared_type(p, s, &d);
        declare_name(p, s, &d, type, bit_width, false);
    }
    release_declarator(&d);
    return ok ? 0 : -1;
}

/* simple_declaration: specifiers [ init_declarator { "," init_declarator } ]
**                     ";" */
void simple_declaration(DeclParser *p)
{
    DeclSpecs specs;
    size_t start = peek_token(p).start;
    if (!parse_decl_specs(p, &specs)) {
        release_specs(&specs);
        return;
    }
    if (accept_token(p, TK_SEMI)) {
        declare_tag_only(p, &specs);
        release_specs(&specs);
        return;
    }
    if (!specs.has_type && !specs.type && peek_token(p).start == start &&
        peek_kind(p) != TK_IDENT && peek_kind(p) != TK_SCOPE &&
        peek_kind(p) != TK_TILDE && peek_kind(p) != TK_KW_operator &&
        peek_kind(p) != TK_STAR) {
        syntax_error(p);
        release_specs(&specs);
        return;
    }
    for (;;) {
        int r = init_declarator(p, &specs);
        if (r != 0)
            break;
        if (accept_token(p, TK_COMMA))
            continue;
        expect_token(p, TK_SEMI);
        break;
    }
    release_specs(&specs);
}

/* ---- Namespaces, using, linkage ---- */

/* namespace_definition: "namespace" [ name ] "{" declarations "}"
**                     | "namespace" name "=" qualified_name ";" */
void namespace_definition(DeclParser *p)
{
    next_token(p);
    const char *name = nullptr;
    if (peek_kind(p) == TK_IDENT)
        name = next_token(p).text;
    if (name && accept_token(p, TK_ASSIGN)) {
        while (peek_kind(p) == TK_IDENT || peek_kind(p) == TK_SCOPE)
            next_token(p);
        expect_token(p, TK_SEMI);
        return;
    }
    if (!expect_token(p, TK_LBRACE))
        return;
    CSymbolTable *table = table_of(p);
    ScopeContext scope;
    scope.kind = SC_SCOPE;
    scope.scope = declare_namespace(table, name ? name : "");
    push_scope(table, scope);
    parse_declaration_seq(p, false);
    pop_scope(table);
    expect_token(p, TK_RBRACE);
}

/* using_directive: "using" "namespace" qualified_name ";"
** using_declaration: "using" qualified_name ";"
** A "using" without its ";" is a syntax error of its own. */
void using_declaration(DeclParser *p)
{
    next_token(p);
    bool directive = accept_token(p, TK_KW_namespace);
    CNamespace *ns = nullptr;
    accept_token(p, TK_SCOPE);
    std::string last;
    while (peek_kind(p) == TK_IDENT) {
        const char *name = next_token(p).text;
        if (directive)
            ns = lookup_namespace(table_of(p), name);
        last = name;
        if (!accept_token(p, TK_SCOPE))
            break;
    }
    if (!accept_token(p, TK_SEMI)) {
        syntax_error_text(p, "'using' without ';'");
        return;
    }
    if (directive && ns)
        add_using_directive(table_of(p), ns);
    else if (!directive && current_class(p) && !last.empty() &&
             !declare_member_access(current_class(p), intern_text(last.c_str()),
                                    current_access(table_of(p))))
        capi_report(3, "MODACCINC", last.c_str(), p->scan.file, p->last.line);
}

/* linkage: "extern" string ( "{" declarations "}" | declaration ) */
void linkage_specification(DeclParser *p)
{
    next_token(p);
    next_token(p);
    if (!accept_token(p, TK_LBRACE)) {
        simple_declaration(p);
        return;
    }
    parse_declaration_seq(p, false);
    expect_token(p, TK_RBRACE);
}

/* asm: "asm" "(" ... ")" ";" */
void asm_declaration(DeclParser *p)
{
    next_token(p);
    if (peek_kind(p) == TK_LPAREN)
        skip_balanced(p);
    expect_token(p, TK_SEMI);
}

void access_label(DeclParser *p)
{
    int kind = next_token(p).kind;
    unsigned access = kind == TK_KW_public      ? MA_PUBLIC
                      : kind == TK_KW_protected ? MA_PROTECTED
                                                : MA_PRIVATE;
    CSymbolTable *table = table_of(p);
    if (expect_token(p, TK_COLON) && !table->scopes.contexts.empty())
        table->scopes.contexts.back().access = access;
}

/* Access declaration "Base::name;" in a class body.        MODACCINC */
bool access_declaration(DeclParser *p)
{
    size_t i = peek_kind(p) == TK_SCOPE ? 1 : 0;
    if (peek_kind(p, i) != TK_IDENT || peek_kind(p, i + 1) != TK_SCOPE)
        return false;
    while (peek_kind(p, i) == TK_IDENT && peek_kind(p, i + 1) == TK_SCOPE)
        i += 2;
    if (peek_kind(p, i) != TK_IDENT || peek_kind(p, i + 1) != TK_SEMI)
        return false;
    for (size_t k = 0; k < i; k++)
        next_token(p);
    const char *name = next_token(p).text;
    next_token(p);
    CSymbolTable *table = table_of(p);
    if (!declare_member_access(current_class(p), name, current_access(table)))
        capi_report(3, "MODACCINC", name, p->scan.file, p->last.line);
    return true;
}

void declaration(DeclParser *p, bool in_class)
{
    int kind = peek_kind(p);
    if (kind == TK_SEMI) {
        next_token(p);
    } else if (kind == TK_KW_namespace && !in_class) {
        namespace_definition(p);
    } else if (kind == TK_KW_using) {
        using_declaration(p);
    } else if (kind == TK_KW_extern && peek_kind(p, 1) == TK_STRING) {
        linkage_specification(p);
    } else if (kind == TK_KW_template ||
               (kind == TK_KW_export && peek_kind(p, 1) == TK_KW_template)) {
        parse_template_declaration(p, in_class);
    } else if (kind == TK_KW_asm) {
        asm_declaration(p);
    } else if (in_class && (kind == TK_KW_public || kind == TK_KW_private ||
                            kind == TK_KW_protected)) {
        access_label(p);
    } else if (!(in_class && access_declaration(p))) {
        simple_declaration(p);
    }
}

} // namespace

/* declarations: { declaration } up to the end or a "}" (left unread) */
void parse_declaration_seq(DeclParser *p, bool in_class)
{
    if (!enter_nesting(p)) {
        resynchronise(p);
        return;
    }
    while (peek_kind(p) != TK_EOF && peek_kind(p) != TK_RBRACE) {
        size_t before = peek_token(p).start;
        declaration(p, in_class);
        if (p->failed)
            resynchronise(p);
        if (peek_token(p).start == before && peek_kind(p) != TK_EOF &&
            peek_kind(p) != TK_RBRACE)
            next_token(p);   /* never loop without progress */
    }
    leave_nesting(p);
}

void release_specs(DeclSpecs *s)
{
    free_type(s->type, FREE_ALL);
    s->type = nullptr;
}

/* specifiers: { storage | cv | base word | class | enum | type name } */
bool parse_decl_specs(DeclParser *p, DeclSpecs *s)
{
    *s = DeclSpecs();
    s->start = peek_token(p).start;
    while (one_specifier(p, s)) {
    }
    return !p->failed;
}

bool parse_declarator(DeclParser *p, Declarator *d, bool abstract_ok)
{
    *d = Declarator();
    if (!enter_nesting(p))
        return false;
    bool ok = declarator_inner(p, d, abstract_ok, d->ops);
    leave_nesting(p);
    return ok && !p->failed;
}

void release_declarator(Declarator *d)
{
    for (DeclOp &op : d->ops)
        release_op(op);
    d->ops.clear();
}

bool is_function_declarator(const Declarator *d)
{
    return !d->ops.empty() && d->ops.back().kind == OP_FUNCTION;
}

CType *declared_type(DeclParser *p, const DeclSpecs *s, Declarator *d)
{
    CType *type = s->type ? copy_type(s->type) : nullptr;
    bool no_return = (d->is_destructor || d->is_conversion ||
                      (d->name && current_class(p) &&
                       (d->name == current_class(p)->name ||
                        (p->context && d->name == p->context->instance_of))) ||
                      (d->scope_class && d->name == d->scope_class->name));
    if (!type && !no_return)
        type = make_base_type("int");   /* implicit int */
    for (DeclOp &op : d->ops) {
        switch (op.kind) {
        case OP_POINTER: type = make_pointer(type); break;
        case OP_REFERENCE: type = make_reference(type); break;
        case OP_MODIFIER: type = make_modifier(op.text, type); break;
        case OP_ARRAY:
            type = make_array(type, op.text, op.dim);
            op.dim = nullptr;
            break;
        case OP_FUNCTION: {
            CType *f = make_function(type);
            std::swap(f->function, op.fn);
            delete op.fn;
            op.fn = nullptr;
            type = f;
            break;
        }
        }
    }
    return type;
}

/* Parses the type name at the current token, when there is one. */
CType *parse_named_type(DeclParser *p)
{
    size_t i = 0;
    bool global = peek_kind(p) == TK_SCOPE;
    if (global)
        i++;
    NamespaceQualifier scope;
    bool scoped = global;
    CSymbolTable *table = table_of(p);
    for (;; i += 2) {
        const DeclToken &t = peek_token(p, i);
        if (t.kind != TK_IDENT)
            return nullptr;
        NameInfo info = classify_name(p, t.text, scoped ? &scope : nullptr);
        bool more = peek_kind(p, i + 1) == TK_SCOPE &&
                    peek_kind(p, i + 2) == TK_IDENT;
        if (more && info.category == NC_NAMESPACE) {
            scope = scope_qualifier(info.ns);
        } else if (more && info.entry) {
            CType *cls = real_type(info.entry->symbol->type);
            if (!cls || !cls->class_body)
                return nullptr;
            if (cls->kind == CT_UNION) {   /* unions have no member types */
                syntax_error_text(p, "<union>::<type>");
                return nullptr;
            }
            if (peek_token(p, i + 2).text == cls->name &&
                peek_kind(p, i + 3) == TK_LPAREN)
                return nullptr;   /* "C::C(": a constructor */
            scope = scope_qualifier(class_scope(table, cls));
        } else if (info.category == NC_TYPE && info.param) {
            for (size_t k = 0; k <= i; k++)
                next_token(p);
            return make_typedef_name(info.param, make_base_type("int"));
        } else if (info.entry && info.category != NC_NAMESPACE) {
            for (size_t k = 0; k <= i; k++)
                next_token(p);
            if ((info.category == NC_TEMPLATE ||
                 info.category == NC_TEMPLATE_NOTEXT) &&
                peek_kind(p) == TK_LT)
                return parse_template_use(p, info.entry);
            return copy_type(info.entry->symbol->type);
        } else {
            return nullptr;
        }
        scoped = true;
    }
}

void resynchronise(DeclParser *p)
{
    int depth = 0;
    while (peek_kind(p) != TK_EOF) {
        int kind = peek_kind(p);
        if (depth == 0 && kind == TK_RBRACE)
            break;
        if (depth == 0 && kind == TK_LBRACE) {
            skip_balanced(p);
            accept_token(p, TK_SEMI);
            break;
        }
        next_token(p);
        if (kind == TK_LPAREN || kind == TK_LBRACKET || kind == TK_LBRACE)
            depth++;
        else if (kind == TK_RPAREN || kind == TK_RBRACKET || kind == TK_RBRACE)
            depth--;
        if (depth <= 0 && kind == TK_SEMI)
            break;
        if (depth < 0)
            depth = 0;
    }
    p->failed = false;
    p->quote_start = p->last.end;
}

void skip_balanced(DeclParser *p)
{
    int depth = 0;
    do {
        int kind = next_token(p).kind;
        if (kind == TK_LPAREN || kind == TK_LBRACKET || kind == TK_LBRACE)
            depth++;
        else if (kind == TK_RPAREN || kind == TK_RBRACKET || kind == TK_RBRACE)
            depth--;
        else if (kind == TK_EOF) {
            syntax_error(p);
            return;
        }
    } while (depth > 0);
}

bool skip_function_body(DeclParser *p)
{
    if (!expect_token(p, TK_LBRACE))
        return false;
    /* Tokens already read ahead are counted first, then raw text. */
    int depth = 1;
    while (p->head < p->ahead.size() && depth > 0) {
        int kind = next_token(p).kind;
        if (kind == TK_EOF)
            break;
        depth += kind == TK_LBRACE ? 1 : kind == TK_RBRACE ? -1 : 0;
    }
    if (depth == 0)
        return true;
    for (int extra = depth; extra > 1; extra--) {
        if (!scan_skip_body(&p->scan))
            break;
    }
    if (!scan_skip_body(&p->scan)) {
        p->ahead.clear();
        p->head = 0;
        syntax_error(p);
        return false;
    }
    p->last.end = p->scan.pos;
    p->last.kind = TK_RBRACE;
    return true;
}
