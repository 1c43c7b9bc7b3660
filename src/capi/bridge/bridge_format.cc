/*
** src/capi/bridge/bridge_format.cc
** Display formats: reading a "#" format of the script, and a type's format.
**
** A script value may carry a display format after "#": a base letter or
** number and an optional width.  Integer widths count bits and must be a
** multiple of 8.  Diagnostics are errors at the bridge context's position.
*/
#include "capi.h"
#include "bridge_internal.h"
#include "decl.h"
#include "diag.h"
#include "model.h"

#include <cctype>
#include <cstring>
#include <string>

namespace {

/* One row per accepted first character of a format. */
struct FormatLetter {
    char letter;
    unsigned code;
    int default_width;
    bool integer;   /* width counts bits, a multiple of 8 */
};

const FormatLetter format_letters[] = {
    {'H', 0, 0, true},  {'B', 2, 0, true},  {'D', 1, 0, true},
    {'U', 3, 0, true},  {'F', 4, 6, false}, {'E', 5, 48, false},
};

const FormatLetter *find_letter(char c)
{
    char upper = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    for (const FormatLetter &row : format_letters)
        if (row.letter == upper)
            return &row;
    return nullptr;
}

bool all_digits(const char *text)
{
    for (; *text; text++)
        if (!isdigit(static_cast<unsigned char>(*text)))
            return false;
    return true;
}

int signed_width(unsigned code, int width)
{
    return code == 3 ? width : -width;
}

} // namespace

/* format: "16" | "2" | letter [digits]  (letters H B D U F E, either case)
** Reports BASEINCON, TAILLEDIV, TAILLEERR. */
bool parse_display_format(const char *text, unsigned *code, int *width)
{
    const char *hash = text ? strchr(text, '#') : nullptr;
    if (!hash) {
        *code = 6;
        *width = 0;
        return true;
    }
    const char *format = hash + 1;
    if (*format == '\0')
        return false;
    if (strcmp(format, "16") == 0 || strcmp(format, "2") == 0) {
        *code = format[0] == '1' ? 0 : 2;
        *width = 0;
        return true;
    }
    const FormatLetter *row = find_letter(*format);
    if (!row) {
        bridge_report(SEV_ERROR, "BASEINCON", format);
        return false;
    }
    const char *digits = format + 1;
    if (!all_digits(digits) || strlen(digits) > 9) {
        bridge_report(SEV_ERROR, "TAILLEERR", digits);
        return false;
    }
    int value = *digits ? atoi(digits) : row->default_width;
    if (row->integer && value % 8 != 0) {
        bridge_report(SEV_ERROR, "TAILLEDIV", digits);
        return false;
    }
    *code = row->code;
    *width = signed_width(row->code, value);
    return true;
}

namespace {

/* A typedef name is copied into every declaration that uses it, so a
** FORMAT given after those declarations sits only on the typedef's own
** node: that node is consulted for a copy that has no format of its own. */
const DisplayFormat *typedef_format(const CType *t)
{
    if (!t->name)
        return nullptr;
    NamespaceQualifier q{t->owner_kind, t->owner};
    CTableEntry *entry = lookup_ordinary(decl_table(), t->name, q);
    const CType *own = entry && entry->symbol ? entry->symbol->type : nullptr;
    if (!own || own == t || own->kind != CT_TYPEDEF || own->format.precision == -1)
        return nullptr;
    return &own->format;
}

} // namespace

/* Follows typedef names, modifiers and references to the first node whose
** precision is set; base types give their own code and width, pointers
** default to hexadecimal. */
DisplayFormat type_display_format(const CType *type)
{
    DisplayFormat result;
    for (const CType *t = type; t; t = t->target) {
        if (t->format.precision != -1)
            return t->format;
        switch (t->kind) {
        case CT_TYPEDEF:
            if (const DisplayFormat *named = typedef_format(t))
                return *named;
            continue;
        case CT_MODIFIER:
        case CT_REFERENCE:
            continue;
        case CT_BASE:
        case CT_COMPOSED:
            result.code = t->format.code;
            result.width = t->format.width;
            return result;
        case CT_POINTER:
            result.code = t->format.code == 6 ? 0 : t->format.code;
            result.width = t->format.width;
            return result;
        default:
            return result;
        }
    }
    return result;
}

namespace {

/* The type node a FORMAT subject names: a type name or else a variable,
** then one field per ".name" that follows. */
CType *subject_type(const char *subject)
{
    std::string text = subject ? subject : "";
    size_t dot = text.find('.');
    std::string head = text.substr(0, dot);
    const BridgeContext &c = bridge_context();
    CSymbol *symbol = lookup_type_name(head.c_str(), c.namespace_name.c_str());
    if (!symbol)
        symbol = lookup_ordinary(head.c_str(), c.namespace_name.c_str());
    CType *type = symbol ? symbol_type(symbol) : nullptr;
    while (type && dot != std::string::npos) {
        size_t next = text.find('.', dot + 1);
        std::string field = text.substr(dot + 1, next == std::string::npos
                                                     ? std::string::npos : next - dot - 1);
        CSymbol *member = field_at_position(type, field_position(type, field.c_str()));
        type = member ? symbol_type(member) : nullptr;
        dot = next;
    }
    return type;
}

} // namespace

/* The format is kept on the named type's own node (a typedef name's node,
** a tag's class node, a field's type) with its precision set, so that the
** lookup above stops there and types it is built from keep their own
** formats. */
bool register_display_format(const char *name, const char *subject)
{
    std::string written = std::string("#") + (name ? name : "");
    unsigned code = 6;
    int width = 0;
    if (!parse_display_format(written.c_str(), &code, &width))
        return false;
    CType *type = subject_type(subject);
    if (!type)
        return false;
    type->format.code = code;
    type->format.width = unsigned(width < 0 ? -width : width);
    type->format.precision = 0;
    forget_type_texts();
    return true;
}
