/*
** src/capi/model/model_members.cc
** Members of classes, structs, unions and enums: building the bodies and
** finding fields by name, by position and by count.
**
** What the generated test driver may reach decides which members count:
** public ones; private and protected ones of a class that declares the
** test-driver class a friend; inherited non-public ones only after an
** access declaration in the derived class.  Typedef members never count
** and member functions are not fields.  Members without a name whose
** type is a struct or union (anonymous members) are not fields
** themselves: their own fields take their place.
*/
#include "model.h"

#include "support.h"

namespace {

const int DEPTH_LIMIT = 1000;

CClassBody *body_of(CType *type)
{
    CType *real = real_type(type);
    if (!real || (real->kind != CT_STRUCT && real->kind != CT_UNION &&
                  real->kind != CT_TEMPLATE))
        return nullptr;
    return real->class_body;
}

/* Access of a base member seen through the derived class. */
unsigned inherited_access(unsigned member_access, unsigned base_access)
{
    unsigned member = member_access & MA_ACCESS_MASK;
    if (member & MA_PRIVATE)
        return MA_PRIVATE;
    if (base_access & MA_PRIVATE)
        return MA_PRIVATE;
    if (base_access & MA_PROTECTED)
        return MA_PROTECTED;
    return member;
}

bool names_driver_class(const CType *type, const char *driver_class)
{
    if (!type || !driver_class)
        return false;
    switch (type->kind) {
    case CT_STRUCT: case CT_TEMPLATE: case CT_TYPEDEF:
        return type->name == driver_class;
    default:
        return false;
    }
}

CClassBody *anonymous_member_body(const CMember *member)
{
    if (member->symbol->name)
        return nullptr;
    return body_of(member->symbol->type);
}

/* Walks the visible fields of a body in order, anonymous members
** flattened; `visit` returns true to stop.  Returns true when stopped. */
template <typename Visit>
bool walk_fields(const CClassBody *body, int depth, int &position, Visit visit)
{
    if (!body || depth > DEPTH_LIMIT)
        return false;
    for (CMember *member : body->members) {
        if (!member_visible(body, member, true))
            continue;
        CClassBody *inner = anonymous_member_body(member);
        if (inner) {
            if (walk_fields(inner, depth + 1, position, visit))
                return true;
            continue;
        }
        ++position;
        if (visit(member, position))
            return true;
    }
    return false;
}

int count_in(const CClassBody *body, bool recursive, int depth)
{
    if (!body || depth > DEPTH_LIMIT)
        return 0;
    int count = 0;
    for (CMember *member : body->members) {
        if (!member_visible(body, member, true))
            continue;
        CClassBody *inner = anonymous_member_body(member);
        if (!inner && recursive)
            inner = body_of(member->symbol->type);
        count += inner ? count_in(inner, recursive, depth + 1) : 1;
    }
    return count;
}

} // namespace

/* ---- Building bodies ---- */

CMember *add_member(CType *class_type, CSymbol *symbol, unsigned access,
                    int bit_width)
{
    CClassBody *body = class_type ? class_type->class_body : nullptr;
    if (!body) {
        free_symbol(symbol);
        return nullptr;
    }
    CMember *member = new CMember;
    member->symbol = symbol;
    member->access = access;
    member->bit_width = bit_width;
    body->members.push_back(member);
    return member;
}

/* A friend naming the test-driver class (as a class, template or typedef)
** opens the class's private and protected members to generated code. */
void add_friend(CSymbolTable *table, CType *class_type, CSymbol *symbol)
{
    CClassBody *body = class_type ? class_type->class_body : nullptr;
    if (!body) {
        free_symbol(symbol);
        return;
    }
    symbol->storage |= SF_FRIEND;
    if (names_driver_class(symbol->type, table->driver_class))
        body->driver_is_friend = true;
    body->friends.push_back(symbol);
}

void add_base_class(CType *class_type, CType *base, bool is_virtual,
                    unsigned access)
{
    CClassBody *body = class_type ? class_type->class_body : nullptr;
    if (!body)
        return;
    CBaseClass entry;
    entry.type = base;
    entry.is_virtual = is_virtual;
    entry.access = access;
    body->bases.push_back(entry);
    CClassBody *from = body_of(base);
    if (!from || from == body)
        return;
    for (const CMember *member : from->members) {
        CMember *copy = new CMember(*member);
        copy->symbol = copy_symbol(member->symbol);
        copy->access = inherited_access(member->access, access) | MA_INHERITED;
        copy->from_base = base;
        body->members.push_back(copy);
    }
}

bool declare_member_access(CType *class_type, const char *name, unsigned access)
{
    CClassBody *body = body_of(class_type);
    const char *key = intern_text(name);
    if (!body || !key)
        return false;
    for (auto it = body->members.rbegin(); it != body->members.rend(); ++it) {
        CMember *member = *it;
        if ((member->access & MA_INHERITED) && member->symbol->name == key) {
            member->access = (access & MA_ACCESS_MASK) | MA_INHERITED | MA_ACCESS_DECLARED;
            return true;
        }
    }
    return false;
}

void add_enumerator(CType *enum_type, const char *name, int32_t value)
{
    if (!enum_type || enum_type->kind != CT_ENUM)
        return;
    if (!enum_type->enum_body)
        enum_type->enum_body = new CEnumBody;
    CEnumerator e;
    e.name = intern_text(name);
    e.value = value;
    enum_type->enum_body->enumerators.push_back(e);
}

/* ---- Visibility and lookup ---- */

bool member_visible(const CClassBody *body, const CMember *member,
                    bool counting_fields)
{
    const CSymbol *symbol = member->symbol;
    if (!symbol || is_typedef_symbol(symbol))
        return false;
    if (counting_fields && is_function_type(symbol->type))
        return false;
    if (member->access & MA_PUBLIC)
        return true;
    if (member->access & MA_INHERITED)
        return (member->access & MA_ACCESS_DECLARED) != 0;
    return body->driver_is_friend;
}

int member_position(CType *type, const char *name)
{
    const char *key = intern_text(name);
    CType *real = real_type(type);
    if (!key || !real)
        return 0;
    if (real->kind == CT_ENUM) {
        if (!real->enum_body)
            return 0;
        const std::vector<CEnumerator> &list = real->enum_body->enumerators;
        for (size_t i = 0; i < list.size(); i++)
            if (list[i].name == key)
                return (int)i + 1;
        return 0;
    }
    int position = 0, found = 0;
    walk_fields(body_of(real), 0, position, [&](CMember *member, int at) {
        if (member->symbol->name != key)
            return false;
        found = at;
        return true;
    });
    return found;
}

CMember *member_at_position(CType *type, int position)
{
    CMember *found = nullptr;
    int counter = 0;
    if (position <= 0)
        return nullptr;
    walk_fields(body_of(type), 0, counter, [&](CMember *member, int at) {
        if (at != position)
            return false;
        found = member;
        return true;
    });
    return found;
}

const CEnumerator *enumerator_at_position(CType *type, int position)
{
    CType *real = real_type(type);
    if (!real || real->kind != CT_ENUM || !real->enum_body || position <= 0 ||
        position > (int)real->enum_body->enumerators.size())
        return nullptr;
    return &real->enum_body->enumerators[position - 1];
}

int count_fields(CType *type, bool recursive)
{
    return count_in(body_of(type), recursive, 0);
}

bool is_union_type(CType *type)
{
    CType *real = real_type(type);
    return real && real->kind == CT_UNION;
}
