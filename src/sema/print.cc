/*
** src/sema/print.cc
** The semantic-table printer for tests and debugging.
**
** One line per entry: kind, quoted name, position (file:line), and the
** filter or aux text when set; below it, indented, the descriptor's slots
** that descriptor_fields.def names for its code, in table order, then its
** owned scopes.  References to other entries print as the entry's kind,
** name and position, so that the output is stable from run to run.  The
** unit chain closes the listing, newest unit first.
*/
#include "sema_int.h"

#include <cstddef>

namespace {

enum FieldType { F_TEXT, F_INT, F_ENTRY, F_SCOPE, F_CTYPE };

struct FieldRow {
    uint32_t code;
    FieldType type;
    size_t offset;
    const char *name;
};

#define FIELD(code, type, slot, accessor) \
    {code, F_##type, offsetof(SemanticDescriptor, slot), #accessor},
#define SHARED FIELD
const FieldRow field_rows[] = {
#include "descriptor_fields.def"
};
#undef FIELD
#undef SHARED

void indent(std::string &out, int depth)
{
    out.append(size_t(depth) * 2, ' ');
}

void quoted(std::string &out, const char *text)
{
    if (!text) {
        out += "null";
        return;
    }
    out += '"';
    for (const char *c = text; *c; ++c) {
        if (*c == '"' || *c == '\\')
            out += '\\';
        if (*c == '\n')
            out += "\\n";
        else
            out += *c;
    }
    out += '"';
}

void entry_label(std::string &out, const SemanticEntry *e)
{
    const char *kind = entry_kind_name(e->kind);
    out += kind ? kind : ("EK_" + std::to_string(e->kind)).c_str();
    out += ' ';
    quoted(out, e->name);
    out += ' ';
    out += e->file ? e->file : "";
    out += ':' + std::to_string(e->line);
}

void print_scope(const Scope *scope, std::string &out, int depth);

void print_field(const SemanticDescriptor *d, const FieldRow &row,
                 std::string &out, int depth)
{
    const char *slot = reinterpret_cast<const char *>(d) + row.offset;
    indent(out, depth);
    out += row.name;
    out += ": ";
    switch (row.type) {
    case F_TEXT:
        quoted(out, *reinterpret_cast<char *const *>(slot));
        break;
    case F_INT:
        out += std::to_string(*reinterpret_cast<const int32_t *>(slot));
        break;
    case F_ENTRY: {
        const SemanticEntry *e = *reinterpret_cast<SemanticEntry *const *>(slot);
        if (e)
            entry_label(out, e);
        else
            out += "null";
        break;
    }
    case F_CTYPE: {
        const CType *t = *reinterpret_cast<CType *const *>(slot);
        std::string image;
        if (t)
            type_image(t, "", 0, 0, image);
        quoted(out, t ? image.c_str() : nullptr);
        break;
    }
    case F_SCOPE: {
        const Scope *s = *reinterpret_cast<Scope *const *>(slot);
        out += s ? "" : "null";
        out += '\n';
        if (s)
            print_scope(s, out, depth + 1);
        return;
    }
    }
    out += '\n';
}

void print_descriptor(const SemanticDescriptor *d, std::string &out, int depth)
{
    indent(out, depth);
    out += "#" + std::to_string(d->code) + '\n';
    for (const FieldRow &row : field_rows)
        if (row.code == d->code)
            print_field(d, row, out, depth);
    if (d->inner && (!d->entry || d->entry->kind != EK_WAIT_FUNCTION)) {
        indent(out, depth);
        out += "inner:\n";
        print_scope(d->inner, out, depth + 1);
    }
}

void print_entry(const SemanticEntry *e, std::string &out, int depth)
{
    indent(out, depth);
    entry_label(out, e);
    if (e->aux) {
        out += " aux=";
        quoted(out, e->aux);
    }
    out += '\n';
    /* A wait function shares its WAITTIL's descriptor, printed there. */
    if (e->descriptor && e->kind == EK_WAIT_FUNCTION) {
        indent(out, depth + 1);
        out += "shares #" + std::to_string(e->descriptor->code) + " of ";
        if (e->descriptor->entry)
            entry_label(out, e->descriptor->entry);
        out += '\n';
    } else if (e->descriptor) {
        print_descriptor(e->descriptor, out, depth + 1);
    }
}

void print_scope(const Scope *scope, std::string &out, int depth)
{
    for (const SemanticEntry *e = scope->first; e; e = e->next)
        print_entry(e, out, depth);
}

} // namespace

void print_semantic_tables(const Scope *global, std::string &out)
{
    if (!global)
        return;
    out += "global:\n";
    print_scope(global, out, 1);
    out += "units:\n";
    for (const SemanticEntry *e = global->unit_chain; e; e = e->link) {
        indent(out, 1);
        entry_label(out, e);
        out += '\n';
    }
}
