/*
** src/capi/decl/decl_specifiers.cc
** Type names inside expressions: casts, sizeof, new, template arguments
** and conversion operators.
**
** Whether a parenthesis opens a cast is decided by looking ahead without
** consuming: a base-type keyword, a cv-qualifier, a tag keyword, or a
** (possibly qualified) name the model classifies as a type.
*/
#include "decl.h"

namespace {

bool type_keyword(int kind)
{
    switch (kind) {
    case TK_KW_char: case TK_KW_short: case TK_KW_int: case TK_KW_long:
    case TK_KW_signed: case TK_KW_unsigned: case TK_KW_float:
    case TK_KW_double: case TK_KW_bool: case TK_KW_wchar_t: case TK_KW_void:
    case TK_KW_const: case TK_KW_volatile: case TK_KW_struct:
    case TK_KW_union: case TK_KW_class: case TK_KW_enum:
    case TK_KW_typename:
        return true;
    default:
        return false;
    }
}

/* A possibly qualified name at `offset` that denotes a type. */
bool named_type_ahead(DeclParser *p, size_t offset)
{
    size_t i = offset;
    bool scoped = peek_kind(p, i) == TK_SCOPE;
    if (scoped)
        i++;
    NamespaceQualifier scope;
    for (int steps = 0; steps < 64; steps++, i += 2) {
        const DeclToken &t = peek_token(p, i);
        if (t.kind != TK_IDENT)
            return false;
        NameInfo info = classify_name(p, t.text, scoped ? &scope : nullptr);
        bool more = peek_kind(p, i + 1) == TK_SCOPE &&
                    peek_kind(p, i + 2) == TK_IDENT;
        if (!more)
            return info.category != NC_IDENT && info.category != NC_NAMESPACE;
        if (info.category == NC_NAMESPACE) {
            scope = scope_qualifier(info.ns);
        } else if (info.entry) {
            CType *cls = real_type(info.entry->symbol->type);
            if (!cls || !cls->class_body)
                return false;
            scope = scope_qualifier(class_scope(table_of(p), cls));
        } else {
            return false;
        }
        scoped = true;
    }
    return false;
}

} // namespace

bool starts_type_name(DeclParser *p, size_t offset)
{
    const DeclToken &t = peek_token(p, offset);
    if (type_keyword(t.kind))
        return true;
    if (t.kind == TK_IDENT && is_modifier_word(t.text))
        return true;
    return (t.kind == TK_IDENT || t.kind == TK_SCOPE) &&
           named_type_ahead(p, offset);
}

/* type_specifier: specifiers alone, as before the "(" of a functional
** cast or constructor call */
CType *parse_type_specifier(DeclParser *p)
{
    DeclSpecs specs;
    CType *type = nullptr;
    if (parse_decl_specs(p, &specs) && (specs.has_type || specs.type)) {
        Declarator d;
        type = declared_type(p, &specs, &d);
        release_declarator(&d);
    } else if (!p->failed) {
        syntax_error(p);
    }
    release_specs(&specs);
    return type;
}

/* type_name: specifiers abstract_declarator */
CType *parse_type_name(DeclParser *p)
{
    if (!enter_nesting(p))
        return nullptr;
    DeclSpecs specs;
    CType *type = nullptr;
    if (parse_decl_specs(p, &specs) && (specs.has_type || specs.type)) {
        Declarator d;
        bool saved = p->no_greater;
        if (parse_declarator(p, &d, true) && !d.name)
            type = declared_type(p, &specs, &d);
        else if (!p->failed)
            syntax_error(p);
        p->no_greater = saved;
        release_declarator(&d);
    } else if (!p->failed) {
        syntax_error(p);
    }
    release_specs(&specs);
    leave_nesting(p);
    return type;
}
