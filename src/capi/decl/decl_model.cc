/*
** src/capi/decl/decl_model.cc
** Where the C/C++ grammars meet the type and symbol model: the table of
** the run, the scope of an analysed text, identifier classification and
** the size and sign pragmas.
**
** Classification is the lexer feedback of the declaration grammar: the
** parser asks, for each identifier it must decide on, whether the model
** knows it as a type, a class, a class template or a namespace, in the
** scope named before a "::" or else in the current scope.
*/
#include "decl.h"

#include <cstdlib>
#include <cstring>

#include "target_sizes.h"

namespace {

CSymbolTable *run_table = nullptr;
unsigned long model_serial = 0;   /* see decl_model_serial */

void release_dimension(CExpr *expr)
{
    free_expr(expr);
}

CExpr *copy_dimension(const CExpr *expr)
{
    return copy_expr(expr);
}

bool dimension_value(const CExpr *expr, long long *value)
{
    return expr_constant_value(expr, value);
}

/* The pragma hook of the scanner. */
void size_pragma(const char *word, const char *name, const char *value)
{
    CSymbolTable *table = decl_table();
    if (strcmp(word, "sizeof") == 0) {
        char *end = nullptr;
        long bits = strtol(value, &end, 10);
        if (!*value || *end || bits <= 0 || bits > 4096)
            return;
        if (!apply_sizeof_pragma(table, name, (int)bits))
            record_named_size(name, (int)bits);
        return;
    }
    if (strcmp(value, "signed") == 0 || strcmp(value, "unsigned") == 0)
        apply_signof_pragma(table, name, strcmp(value, "signed") == 0);
}

int category_of_type(const CType *type)
{
    if (!type)
        return NC_TYPE;
    if (type->kind == CT_STRUCT)
        return NC_CLASS;
    if (type->kind == CT_TEMPLATE)
        return type->class_body && !type->class_body->template_text.empty()
                   ? NC_TEMPLATE
                   : NC_TEMPLATE_NOTEXT;
    return NC_TYPE;
}

bool in_list(const std::vector<const char *> &names, const char *name)
{
    for (const char *n : names)
        if (n == name)
            return true;
    return false;
}

/* A type parameter of an enclosing template gives a type name; a value
** parameter an ordinary identifier. */
bool template_parameter(DeclContext *c, const char *name, NameInfo *info)
{
    for (size_t i = c->templates.size(); i-- > 0;) {
        if (in_list(c->templates[i].type_params, name)) {
            info->category = NC_TYPE;
            info->param = name;
            return true;
        }
        if (in_list(c->templates[i].value_params, name))
            return true;
    }
    return false;
}

/* The base classes of the class being declared, searched in turn. */
bool base_class_type(DeclParser *p, const char *name, NameInfo *info,
                     int depth)
{
    CType *cls = current_class(p);
    if (!cls || !cls->class_body || depth > 20)
        return false;
    for (const CBaseClass &base : cls->class_body->bases) {
        CType *b = real_type(base.type);
        if (!b || !b->class_body || !b->class_body->scope)
            continue;
        NamespaceQualifier q = scope_qualifier(b->class_body->scope);
        CTableEntry *e = lookup_type_name(table_of(p), name, q);
        if (e && e->symbol->owner == b->class_body->scope) {
            info->entry = e;
            info->category = category_of_type(e->symbol->type);
            return true;
        }
    }
    return false;
}

} // namespace

CSymbolTable *decl_table()
{
    if (!run_table)
        run_table = create_symbol_table("ZIRKO");
    return run_table;
}

void decl_set_table(CSymbolTable *table)
{
    run_table = table;
    model_serial++;
}

unsigned long decl_model_serial()
{
    return model_serial;
}

void decl_model_changed()
{
    model_serial++;
}

void decl_free_type(CType *type)
{
    free_type(type, FREE_ALL);
}

void decl_type_image(const CType *type, std::string &before,
                     std::string &after)
{
    type_image_parts(type, "", 0, 0, before, after);
}

void decl_context_open(DeclContext *c, DeclParser *p,
                       const char *namespace_name)
{
    static const DimensionHooks hooks = {release_dimension, copy_dimension,
                                         dimension_value};
    set_dimension_hooks(hooks);
    c->parser = p;
    c->table = decl_table();
    c->templates.clear();
    c->instance_tag = nullptr;
    c->instance_of = nullptr;
    p->context = c;
    p->scan.pragma_hook = size_pragma;
    c->base_depth = c->table->scopes.contexts.size();
    if (namespace_name && *namespace_name) {
        ScopeContext scope;
        scope.kind = SC_SCOPE;
        scope.scope = declare_namespace(c->table, namespace_name);
        push_scope(c->table, scope);
    }
}

void decl_context_close(DeclContext *c)
{
    while (c->table->scopes.contexts.size() > c->base_depth)
        pop_scope(c->table);
    c->parser->context = nullptr;
}

CSymbolTable *table_of(DeclParser *p)
{
    return p->context ? p->context->table : decl_table();
}

NamespaceQualifier scope_qualifier(CNamespace *scope)
{
    NamespaceQualifier q;
    q.flag = scope ? 1 : 0;
    q.ns = scope;
    return q;
}

CType *current_class(DeclParser *p)
{
    const ScopeStack &stack = table_of(p)->scopes;
    for (size_t i = stack.contexts.size(); i-- > 0;) {
        const ScopeContext &c = stack.contexts[i];
        if (c.kind == SC_SCOPE)
            return c.owner_type;
    }
    return nullptr;
}

/* classify: template parameter | type name in scope | base class member
**         | namespace | ordinary identifier */
NameInfo classify_name(DeclParser *p, const char *name,
                       const NamespaceQualifier *scope)
{
    NameInfo info = {NC_IDENT, nullptr, nullptr, nullptr};
    if (!name)
        return info;
    CSymbolTable *table = table_of(p);
    if (!scope && p->context && template_parameter(p->context, name, &info))
        return info;
    NamespaceQualifier q = scope ? *scope : current_qualifier(table);
    CTableEntry *e = lookup_type_name(table, name, q);
    if (e && scope && scope->ns && e->symbol->owner != scope->ns &&
        scope->ns->class_type)
        e = nullptr;   /* after "C::" only the members of C */
    if (e) {
        info.entry = e;
        info.category = category_of_type(e->symbol->type);
        return info;
    }
    if (!scope && base_class_type(p, name, &info, 0))
        return info;
    if (CNamespace *ns = lookup_namespace(table, name)) {
        info.category = NC_NAMESPACE;
        info.ns = ns;
    }
    return info;
}
