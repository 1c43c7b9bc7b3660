/*
** src/codegen/records.cc
** Side-file lines and the questions the side-file writers ask the tables.
**
** A line grows in a std::string, so nothing can overflow; the length the
** readers accept is kept as a check that ends the run (SIZBUFOVL) before a
** line they would misread is written.  Output files are opened through the
** checked wrappers; one that cannot be created is FICERROPN.
*/
#include "codegen_int.h"
#include "diag.h"

#include <cstring>

void line_put(RecordLine &line, const std::string &piece)
{
    if (line.text.size() + piece.size() >= RECORD_LIMIT)
        report_fatal("SIZBUFOVL");
    line.text += piece;
}

std::string quoted_text(const char *text)
{
    if (!text)
        return "?";
    std::string out = "\"";
    /* the runs between quotes are copied whole, each quote doubled */
    for (const char *run = text;;) {
        const char *quote = strchr(run, '"');
        if (!quote) {
            out += run;
            break;
        }
        out.append(run, size_t(quote - run) + 1);
        out += '"';
        run = quote + 1;
    }
    out += '"';
    return out;
}

void line_flush(RecordLine &line, FILE *out)
{
    line.text += '\n';
    if (fwrite(line.text.data(), 1, line.text.size(), out) != line.text.size())
        fatal_system_error("fwrite");
    line.text.clear();
}

FILE *open_output(const char *name, const char *mode)
{
    FILE *out = nullptr;
    if (!name || !open_file(name, mode, &out))
        report_fatal_c("FICERROPN", name ? name : "", "");
    return out;
}

void close_output(FILE *out)
{
    if (out)
        checked_fclose(out);
}

int file_number_from_end(const ScriptFile *files, const SemanticEntry *e)
{
    if (!e->file)
        return 0;
    int count = 0, position = -1;
    for (const ScriptFile *f = files; f; f = f->next, count++)
        if (position < 0 && (f->name == e->file || strcmp(f->name, e->file) == 0))
            position = count;
    return position < 0 ? 0 : count - position;
}

const ScriptFile *file_numbered(const ScriptFile *files, uint32_t number)
{
    for (const ScriptFile *f = files; f; f = f->next)
        if (f->number == number)
            return f;
    return nullptr;
}

std::string base_name_of(const ScriptFile *file)
{
    std::string base;
    file_base_name(file->name, base);
    return base;
}

SemanticEntry *scope_first(const Scope *scope)
{
    return scope ? scope->first : nullptr;
}

SemanticEntry *inner_first(const SemanticEntry *e)
{
    return e->descriptor ? scope_first(e->descriptor->inner) : nullptr;
}

bool scenario_is_selected(const SemanticEntry *e)
{
    return e->descriptor && scenario_selected(e->descriptor);
}

bool proc_is_called(const SemanticEntry *e)
{
    return e->descriptor && proc_called(e->descriptor);
}

bool handler_is_used(const SemanticEntry *e)
{
    return e->descriptor && handler_used(e->descriptor);
}

bool channel_is_used(const SemanticEntry *e)
{
    return e->descriptor && channel_referenced(e->descriptor);
}

bool message_type_is_used(const SemanticEntry *type, const Scope *global)
{
    if (!type->descriptor)
        return false;
    if (type_used(type->descriptor))
        return true;
    for (const SemanticEntry *e = global->first; e; e = e->next)
        if (e->kind == EK_MESSAGE && e->descriptor &&
            message_type(e->descriptor) == type && message_used(e->descriptor))
            return true;
    return false;
}

bool reference_is_used(const SemanticEntry *use)
{
    return use->kind == EK_TRIGGER_USE && use->descriptor &&
           (use_used(use->descriptor) || use_not_in_proc(use->descriptor));
}

std::vector<const char *> scenario_family_names(const SemanticEntry *scenario)
{
    std::vector<const char *> names;
    if (!scenario->descriptor)
        return names;
    for (SemanticEntry *f = scope_first(scenario_families(scenario->descriptor)); f;
         f = f->next)
        if (f->kind == EK_FAMILY && f->name)
            names.push_back(f->name);
    return names;
}
