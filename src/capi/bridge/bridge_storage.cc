/*
** src/capi/bridge/bridge_storage.cc
** Storage structures for message types, as C text.
**
** The generated driver keeps one storage variable per message type.  A
** struct is written as an anonymous struct of its members; a union becomes
** a struct whose first member "select" records which member is in use,
** followed by all the members; arrays keep their dimension text.  Members
** without a name are named "ZRK_" and their position.
*/
#include "capi.h"
#include "model.h"

namespace {

const int STORAGE_DEPTH_LIMIT = 1000;

const CType *follow_aliases(const CType *type)
{
    while (type && (type->kind == CT_TYPEDEF || type->kind == CT_MODIFIER))
        type = type->target;
    return type;
}

bool is_data_member(const CMember *member)
{
    const CSymbol *symbol = member->symbol;
    return symbol && !is_typedef_symbol(symbol) &&
           !is_function_type(symbol->type);
}

void members_text(const CClassBody *body, std::string &out, int depth)
{
    int position = 0;
    for (const CMember *member : body->members) {
        if (!is_data_member(member))
            continue;
        position++;
        std::string name = member->symbol->name
                               ? std::string(member->symbol->name)
                               : "ZRK_" + std::to_string(position);
        message_storage_text(member->symbol->type, name.c_str(), out,
                             depth + 1);
    }
}

} // namespace

void message_storage_text(const CType *type, const char *name,
                          std::string &out, int depth)
{
    const CType *t = follow_aliases(type);
    std::string declarator = name ? name : "";
    if (depth > STORAGE_DEPTH_LIMIT || !t) {
        out += "int " + declarator + ";\n";
        return;
    }
    while (t->kind == CT_ARRAY) {
        declarator += "[";
        declarator += t->dim_text ? t->dim_text : "0";
        declarator += "]";
        t = follow_aliases(t->target);
        if (!t) {
            out += "int " + declarator + ";\n";
            return;
        }
    }
    const CClassBody *body = t->class_body;
    if (t->kind == CT_STRUCT && body) {
        std::string members;
        members_text(body, members, depth);
        out += "struct {\n" + members + "\n}" + declarator + ";\n";
    } else if (t->kind == CT_UNION && body) {
        std::string members;
        members_text(body, members, depth);
        out += members.empty()
                   ? "struct {\nint select;\n\n}" + declarator + ";\n"
                   : "struct {\nint select;\n\n" + members + "\n}" +
                         declarator + ";\n";
    } else {
        std::string image;
        type_image(t, declarator.c_str(), IMG_STORAGE, 0, image);
        out += image + ";\n";
    }
}
