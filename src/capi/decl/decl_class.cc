/*
** src/capi/decl/decl_class.cc
** Struct, union, class and enum specifiers of the declaration grammar.
**
** A tag is registered in the model before its body is read, so members
** can point at their own class; the body is built in a fresh node that
** the tag insertion then copies into the registered one (or reports as a
** redefinition).  Members are read inside a class scope pushed on the
** model's scope stack, whose access follows the access labels.
*/
#include "decl.h"

#include <cstring>

namespace {

unsigned tag_kind_of(int keyword)
{
    return keyword == TK_KW_union ? CT_UNION : CT_STRUCT;
}

unsigned access_keyword(int kind)
{
    return kind == TK_KW_public      ? MA_PUBLIC
           : kind == TK_KW_protected ? MA_PROTECTED
                                     : MA_PRIVATE;
}

bool is_access_keyword(int kind)
{
    return kind == TK_KW_public || kind == TK_KW_protected ||
           kind == TK_KW_private;
}

/* base_specifier: { "virtual" | access } class_name */
bool base_specifier(DeclParser *p, CType *cls, bool is_class)
{
    bool is_virtual = false;
    unsigned access = is_class ? MA_PRIVATE : MA_PUBLIC;
    for (;;) {
        int kind = peek_kind(p);
        if (kind == TK_KW_virtual) {
            is_virtual = true;
        } else if (is_access_keyword(kind)) {
            access = access_keyword(kind);
        } else {
            break;
        }
        next_token(p);
    }
    CType *base = parse_named_type(p);
    CType *real = real_type(base);
    if (!real || !(real->kind == CT_STRUCT || real->kind == CT_UNION)) {
        free_type(base, FREE_ALL);
        syntax_error(p);
        return false;
    }
    add_base_class(cls, real, is_virtual, access);
    free_type(base, FREE_ALL);
    return true;
}

/* base_clause: ":" base_specifier { "," base_specifier } */
bool base_clause(DeclParser *p, CType *cls, bool is_class)
{
    do {
        if (!base_specifier(p, cls, is_class))
            return false;
    } while (accept_token(p, TK_COMMA));
    return true;
}

/* The tag, possibly "A::B" naming a nested class defined outside. */
const char *class_tag(DeclParser *p)
{
    if (peek_kind(p) != TK_IDENT)
        return nullptr;
    const char *tag = next_token(p).text;
    while (peek_kind(p) == TK_SCOPE && peek_kind(p, 1) == TK_IDENT) {
        next_token(p);
        tag = next_token(p).text;
    }
    if (p->context && p->context->instance_of == tag &&
        p->context->instance_tag)
        return p->context->instance_tag;
    return tag;
}

CType *finish_class(DeclParser *p, CType *registered, CType *built,
                    int line)
{
    CSymbolTable *table = table_of(p);
    NamespaceQualifier q = current_qualifier(table);
    CSymbol *symbol = make_symbol(built->name, built, q, p->scan.file);
    CTableEntry *entry = insert_tag(table, symbol, p->scan.file, line);
    if (!entry)
        return registered;
    return entry->symbol->type;
}

/* class_body: [ base_clause ] "{" members "}" */
CType *class_definition(DeclParser *p, unsigned kind, const char *tag,
                        bool is_class, int line)
{
    CSymbolTable *table = table_of(p);
    NamespaceQualifier q = current_qualifier(table);
    CType *registered = tag ? declare_tag(p, kind, tag, is_class, true)
                            : nullptr;
    CType *built = make_class_type(kind, tag, is_class, q);
    class_scope(table, built);   /* handed to the registered node with the body */
    if (accept_token(p, TK_COLON) && !base_clause(p, built, is_class)) {
        free_type(built, FREE_ALL);
        return registered;
    }
    if (!expect_token(p, TK_LBRACE)) {
        free_type(built, FREE_ALL);
        return registered;
    }
    parse_member_seq(p, built);
    CType *result = finish_class(p, registered, built, line);
    return result;
}

/* ---- Enums ---- */

/* enumerator: name [ "=" constant ] */
bool enumerator(DeclParser *p, CType *enum_type, long long *value)
{
    if (!expect_token(p, TK_IDENT))
        return false;
    const char *name = p->last.text;
    if (accept_token(p, TK_ASSIGN)) {
        CExpr *e = parse_conditional(p);
        if (!e)
            return false;
        long long v = 0;
        if (expr_constant_value(e, &v))
            *value = v;
        free_expr(e);
    }
    add_enumerator(enum_type, name, (int32_t)*value);
    (*value)++;
    return true;
}

/* enum_body: "{" [ enumerator { "," enumerator } [","] ] "}" */
CType *enum_definition(DeclParser *p, const char *tag, int line)
{
    CSymbolTable *table = table_of(p);
    NamespaceQualifier q = current_qualifier(table);
    CType *built = make_enum_type(tag, q);
    set_pending_enum(built);
    long long value = 0;
    bool ok = true;
    while (peek_kind(p) != TK_RBRACE && ok) {
        ok = enumerator(p, built, &value);
        if (ok && !accept_token(p, TK_COMMA))
            break;
    }
    set_pending_enum(nullptr);
    if (!ok || !expect_token(p, TK_RBRACE)) {
        free_type(built, FREE_ALL);
        return tag ? declare_tag(p, CT_ENUM, tag, false, false) : nullptr;
    }
    CSymbol *symbol = make_symbol(tag, built, q, p->scan.file);
    CTableEntry *entry = insert_tag(table, symbol, p->scan.file, line);
    return entry ? entry->symbol->type : nullptr;
}

/* Members: "{" was read; reads up to and with "}". */
void member_body(DeclParser *p, CType *cls)
{
    CSymbolTable *table = table_of(p);
    ScopeContext context;
    context.kind = SC_SCOPE;
    context.scope = cls->class_body->scope;
    context.owner_type = cls;
    context.access = cls->class_body->default_access;
    push_scope(table, context);
    parse_declaration_seq(p, true);
    pop_scope(table);
}


/* A tag of that kind visible from `q` or from a scope enclosing it. */
CTableEntry *find_tag_outward(CSymbolTable *table, const char *tag,
                              unsigned kind, NamespaceQualifier q)
{
    int guard = 0;
    for (CNamespace *ns = q.ns; ns && guard < 1000; ns = ns->parent, guard++)
        if (CTableEntry *e = lookup_tag(table, tag, kind, scope_qualifier(ns)))
            return e;
    return lookup_tag(table, tag, kind, NamespaceQualifier());
}

/* Elaborated references to unknown tags declare them in the innermost
** namespace, not in a class. */
NamespaceQualifier namespace_qualifier(CSymbolTable *table)
{
    NamespaceQualifier q = current_qualifier(table);
    int guard = 0;
    while (q.ns && q.ns->class_type && guard++ < 1000)
        q = scope_qualifier(q.ns->parent);
    return q;
}

} // namespace

CType *declare_tag(DeclParser *p, unsigned kind, const char *tag,
                   bool is_class, bool current_scope_only)
{
    CSymbolTable *table = table_of(p);
    NamespaceQualifier q = current_qualifier(table);
    CTableEntry *found = current_scope_only
                             ? lookup_tag(table, tag, kind, q)
                             : find_tag_outward(table, tag, kind, q);
    if (found && (!current_scope_only || found->symbol->owner == q.ns))
        return found->symbol->type;
    if (!current_scope_only)
        q = namespace_qualifier(table);
    CType *type = kind == CT_ENUM ? make_enum_type(tag, q)
                                  : make_class_type(kind, tag, is_class, q);
    if (type->class_body) {
        free_class_body(type->class_body);
        type->class_body = nullptr;
    }
    if (type->enum_body) {
        free_enum_body(type->enum_body);
        type->enum_body = nullptr;
    }
    CSymbol *symbol = make_symbol(tag, type, q, p->scan.file);
    CTableEntry *entry = insert_tag(table, symbol, p->scan.file,
                                    p->last.line);
    return entry ? entry->symbol->type : nullptr;
}

void parse_member_seq(DeclParser *p, CType *cls)
{
    member_body(p, cls);
    expect_token(p, TK_RBRACE);
}

/* class_specifier: ( "struct" | "union" | "class" ) [ tag ]
**                  [ [ base_clause ] "{" members "}" ] */
CType *parse_class_specifier(DeclParser *p, DeclSpecs *specs)
{
    int keyword = next_token(p).kind;
    int line = p->last.line;
    bool is_class = keyword == TK_KW_class;
    unsigned kind = tag_kind_of(keyword);
    const char *tag = class_tag(p);
    if (tag && peek_kind(p) == TK_LT) {
        syntax_error(p);   /* specialisations come with "template <>" */
        return nullptr;
    }
    specs->tag_kind = keyword;
    CType *type;
    if (peek_kind(p) == TK_LBRACE || peek_kind(p) == TK_COLON) {
        type = class_definition(p, kind, tag, is_class, line);
        specs->tag_body = true;
    } else if (!tag) {
        syntax_error(p);
        return nullptr;
    } else if (peek_kind(p) == TK_SEMI && !specs->is_friend) {
        type = declare_tag(p, kind, tag, is_class, true);
    } else {
        type = declare_tag(p, kind, tag, is_class, false);
    }
    specs->tag = type;
    return type;
}

/* enum_specifier: "enum" [ tag ] [ "{" enumerators "}" ] */
CType *parse_enum_specifier(DeclParser *p, DeclSpecs *specs)
{
    next_token(p);
    int line = p->last.line;
    const char *tag = nullptr;
    if (peek_kind(p) == TK_IDENT)
        tag = next_token(p).text;
    specs->tag_kind = TK_KW_enum;
    CType *type;
    if (accept_token(p, TK_LBRACE)) {
        type = enum_definition(p, tag, line);
        specs->tag_body = true;
    } else if (!tag) {
        syntax_error(p);
        return nullptr;
    } else {
        type = declare_tag(p, CT_ENUM, tag, false, false);
    }
    specs->tag = type;
    return type;
}
