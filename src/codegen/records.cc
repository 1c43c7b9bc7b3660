/*
** src/codegen/records.cc
** Side-file lines and the questions the side-file writers ask the tables.
**
** Lines are built in one buffer that is written out a block at a time;
** the length the readers accept is checked before every copy into it and
** ends the run (SIZBUFOVL) before a line they would misread is written.
** Output files are opened through the checked wrappers; one that cannot
** be created is FICERROPN.
*/
#include "codegen_int.h"
#include "diag.h"

#include <cstring>

namespace {

/* Lines gather up to this many bytes before they are written. */
const size_t OUTPUT_BLOCK = 64 * 1024;

/* Full blocks are written behind; the writers close their files with
** checked_fclose, which waits for them. */
void write_buffered(RecordLine &line, size_t length)
{
    if (length)
        write_behind(line.out, line.buffer, length, length);
}

} // namespace

void line_open(RecordLine &line, FILE *out)
{
    line.out = out;
    line.buffer.assign(OUTPUT_BLOCK + RECORD_LIMIT, '\0');
    line.used = line.start = 0;
}

void line_overflow()
{
    report_fatal("SIZBUFOVL");
}

void line_put_quoted_body(RecordLine &line, const char *text)
{
    size_t length = strlen(text);
    /* the runs between quotes are copied whole, each quote doubled */
    while (const char *quote = static_cast<const char *>(memchr(text, '"', length))) {
        size_t run = size_t(quote - text) + 1;
        line_put(line, text, run);
        line_put(line, "\"", 1);
        text += run;
        length -= run;
    }
    line_put(line, text, length);
}

void line_put_quoted(RecordLine &line, const char *text)
{
    if (!text) {
        line_put(line, "?", 1);
        return;
    }
    line_put(line, "\"", 1);
    line_put_quoted_body(line, text);
    line_put(line, "\"", 1);
}

/* Digits are made two at a time, from the end, into the piece that is
** then appended: a line carries numbers in most fields. */
void line_put_number(RecordLine &line, long n)
{
    static const char pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    char digits[24];
    char *end = digits + sizeof digits, *p = end;
    unsigned long rest = n < 0 ? 0UL - static_cast<unsigned long>(n)
                               : static_cast<unsigned long>(n);
    for (; rest >= 100; rest /= 100) {
        p -= 2;
        memcpy(p, pairs + 2 * (rest % 100), 2);
    }
    if (rest >= 10) {
        p -= 2;
        memcpy(p, pairs + 2 * rest, 2);
    } else {
        *--p = char('0' + rest);
    }
    if (n < 0)
        *--p = '-';
    line_put(line, p, size_t(end - p));
}

/* A line is below RECORD_LIMIT and starts below OUTPUT_BLOCK, so its
** newline still fits the buffer. */
void line_end(RecordLine &line)
{
    line.buffer[line.used++] = '\n';
    if (line.used >= OUTPUT_BLOCK) {
        write_buffered(line, line.used);
        line.used = 0;
    }
    line.start = line.used;
}

/* The last lines are written at once, after the blocks written behind. */
void line_drain(RecordLine &line)
{
    write_behind_finish(line.out);
    checked_fwrite(line.out, line.buffer.data(), line.start);
    line.used = line.start = 0;
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
