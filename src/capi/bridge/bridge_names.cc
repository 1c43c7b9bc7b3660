/*
** src/capi/bridge/bridge_names.cc
** The bridge's questions about names, types and fields.
**
** Lookups take the namespace as a name and turn it into the qualifier of
** the model through the namespace table; a name the table does not know
** stands for the global scope (a unit that declared nothing has no
** namespace yet, and still sees the global names).  Field questions go to
** the member enumeration of the model.
*/
#include "capi.h"
#include "bridge_internal.h"
#include "decl.h"
#include "model.h"

#include <unordered_map>
#include <vector>

NamespaceQualifier qualifier_of_name(const char *namespace_name, bool *known)
{
    CNamespace *ns = nullptr;
    if (namespace_name && *namespace_name)
        ns = lookup_namespace(decl_table(), namespace_name);
    if (known)
        *known = ns || !namespace_name || !*namespace_name;
    return scope_qualifier(ns);
}

namespace {

CSymbol *symbol_of(CTableEntry *entry)
{
    return entry ? entry->symbol : nullptr;
}

} // namespace

namespace {

/* Turning a type text into a type declares and removes a temporary
** function; a script names the same few message types again and again.
** The first result of a text in a namespace is kept and copied out until
** the model changes (another table, a declaration text, a display
** format).  Dropped results are kept aside, not released: after a change
** of table the nodes they share may be gone. */
struct TypeTextCache {
    unsigned long serial = 0;                          /* the model's, when filled */
    std::unordered_map<std::string, CType *> types;   /* namespace '\n' text */
    std::vector<CType *> dropped;
};

/* Never destroyed, so that leak checkers still reach the kept types. */
TypeTextCache &type_texts = *new TypeTextCache;

} // namespace

void forget_type_texts()
{
    for (auto &kept : type_texts.types)
        type_texts.dropped.push_back(kept.second);
    type_texts.types.clear();
}

CType *type_from_text(const char *text)
{
    const BridgeContext &c = bridge_context();
    if (type_texts.serial != decl_model_serial()) {
        forget_type_texts();
        type_texts.serial = decl_model_serial();
    }
    std::string key = c.namespace_name + '\n' + (text ? text : "");
    auto found = type_texts.types.find(key);
    if (found != type_texts.types.end())
        return copy_type(found->second);
    CType *type = type_from_text(text, c.namespace_name.c_str(), c.file.c_str(),
                                 c.line);
    if (type)
        type_texts.types.emplace(key, copy_type(type));
    return type;
}

void free_type(CType *type)
{
    free_type(type, FREE_ALL);
}

CSymbol *lookup_type_name(const char *name, const char *namespace_name)
{
    return symbol_of(lookup_type_name(decl_table(), name,
                                      qualifier_of_name(namespace_name)));
}

CSymbol *lookup_ordinary(const char *name, const char *namespace_name)
{
    return symbol_of(lookup_ordinary(decl_table(), name,
                                     qualifier_of_name(namespace_name)));
}

CSymbol *lookup_ordinary_strict(const char *name, const char *namespace_name)
{
    bool known = false;
    NamespaceQualifier q = qualifier_of_name(namespace_name, &known);
    if (!known)
        return nullptr;
    return symbol_of(lookup_ordinary(decl_table(), name, q, true));
}

const char *symbol_name(const CSymbol *symbol)
{
    return symbol ? symbol->name : nullptr;
}

CType *symbol_type(const CSymbol *symbol)
{
    return symbol ? symbol->type : nullptr;
}

void symbols_of_file(const char *file, std::vector<CSymbol *> &out)
{
    symbols_of_file(decl_table(), file, out);
}

int field_position(CType *record, const char *name)
{
    return member_position(record, name);
}

CSymbol *field_at_position(CType *record, int position)
{
    CMember *member = member_at_position(record, position);
    return member ? member->symbol : nullptr;
}

int field_count(CType *record, bool recursive)
{
    return count_fields(record, recursive);
}

bool has_base_classes(CType *type)
{
    CType *real = real_type(type);
    return real && (real->kind == CT_STRUCT || real->kind == CT_UNION) &&
           real->class_body && !real->class_body->bases.empty();
}

/* ---- Type structure ---- */

CTypeView type_view(const CType *type)
{
    CTypeView view;
    if (!type)
        return view;
    view.kind = int(type->kind);
    view.target = type->target;
    if (type->kind == CT_BASE || type->kind == CT_COMPOSED) {
        view.name = type->base.name;
        view.attribute = type->base.attribute;
        view.bits = type->base.bits;
    } else {
        view.name = type->name;
    }
    if (type->kind == CT_ARRAY)
        view.dimension = type->dim_text;
    view.string_pointer = type->kind == CT_POINTER &&
                          is_wide_string_type(const_cast<CType *>(type));
    return view;
}

void base_class_types(CType *type, std::vector<CType *> &out)
{
    CType *real = real_type(type);
    if (!real || (real->kind != CT_STRUCT && real->kind != CT_UNION) ||
        !real->class_body)
        return;
    for (const CBaseClass &base : real->class_body->bases)
        if (base.type)
            out.push_back(base.type);
}

bool same_class_type(CType *first, CType *second)
{
    CType *a = real_type(first), *b = real_type(second);
    return a && a == b;
}

void function_parameters(CType *function, std::vector<CSymbol *> &out)
{
    CType *real = resolve_type(function);
    if (real && real->kind == CT_FUNCTION && real->function)
        for (CSymbol *param : real->function->params)
            out.push_back(param);
}

bool has_virtual_members(CType *type)
{
    CType *real = real_type(type);
    if (!real || real->kind != CT_STRUCT || !real->class_body)
        return false;
    for (const CMember *member : real->class_body->members)
        if (member->symbol && member->symbol->attributes[SA_VIRTUAL])
            return true;
    return false;
}
