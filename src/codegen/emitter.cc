/*
** src/codegen/emitter.cc
** The line emitter of the generated source.
**
** Every line of the driver source goes through here.  A line is built in
** a growing buffer and written with the current indentation, one blank per
** level; preprocessor lines (those beginning with '#') stay in column 1.
** A block owns two levels: its braces stand one blank deeper than the
** statement before it, its contents two.  Relies on the checked calls of
** support and on the diagnostics for the file that cannot be opened.
*/
#include "source_int.h"

#include "diag.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdlib>
#include <cstring>

SourceEmitter source_emitter;

void emit_open_file(const char *name)
{
    FILE *stream = nullptr;
    if (!open_file(name, "w", &stream))
        report_fatal_c("FICERROPN", name, "");
    /* A run that stops on a fatal report exits with the file open: what
    ** was generated up to the stop still reaches it. */
    static bool flush_at_exit = std::atexit([] { emit_flush(); }) == 0;
    (void)flush_at_exit;
    source_emitter.pending.clear();
    source_emitter.out = stream;
    source_emitter.name = name;
    source_emitter.level = 0;
    source_emitter.line.clear();
}

void emit_close_file()
{
    emit_flush();
    if (source_emitter.out)
        checked_fclose(source_emitter.out);
    source_emitter.out = nullptr;
}

void emit_to_stream(FILE *stream)
{
    source_emitter.pending.clear();
    source_emitter.out = stream;
    source_emitter.name.clear();
    source_emitter.level = 0;
    source_emitter.line.clear();
}

/* Whether a format uses only the conversions the generated source needs
** (%s, %c, %d, %i, %u with an optional l or ll, and %%), which
** append_simple writes without the stdio machinery. */
static bool simple_format(const char *format)
{
    for (const char *p = strchr(format, '%'); p; p = strchr(p + 1, '%')) {
        p++;
        while (*p == 'l')
            p++;
        if (!strchr("scdiu%", *p) || !*p)
            return false;
    }
    return true;
}

template <typename T>
static void append_number(std::string &line, T value)
{
    char digits[24];
    auto result = std::to_chars(digits, digits + sizeof digits, value);
    line.append(digits, result.ptr);
}

static void append_simple(std::string &line, const char *format, va_list args)
{
    for (const char *p = format; *p;) {
        const char *percent = strchr(p, '%');
        if (!percent) {
            line += p;
            return;
        }
        line.append(p, percent);
        p = percent + 1;
        int longs = 0;
        for (; *p == 'l'; p++)
            longs++;
        char conversion = *p++;
        bool is_signed = conversion == 'd' || conversion == 'i';
        switch (conversion) {
        case '%': line += '%'; break;
        case 'c': line += char(va_arg(args, int)); break;
        case 's': {
            const char *text = va_arg(args, const char *);
            line += text ? text : "(null)";
            break;
        }
        default:
            if (longs >= 2 && is_signed)
                append_number(line, va_arg(args, long long));
            else if (longs >= 2)
                append_number(line, va_arg(args, unsigned long long));
            else if (longs == 1 && is_signed)
                append_number(line, va_arg(args, long));
            else if (longs == 1)
                append_number(line, va_arg(args, unsigned long));
            else if (is_signed)
                append_number(line, va_arg(args, int));
            else
                append_number(line, va_arg(args, unsigned));
        }
    }
}

/* Anything else is formatted into the spare room of the line buffer,
** which grows, and the text is formatted again, only when it does not
** fit. */
static void append_va(const char *format, va_list args)
{
    std::string &line = source_emitter.line;
    if (simple_format(format)) {
        append_simple(line, format, args);
        return;
    }
    size_t at = line.size();
    size_t room = std::max<size_t>(line.capacity() - at, 256);
    line.resize(at + room);
    va_list copy;
    va_copy(copy, args);
    int length = vsnprintf(&line[at], room, format, copy);
    va_end(copy);
    if (length < 0)
        fatal_system_error("vsnprintf");
    if (size_t(length) >= room) {
        line.resize(at + size_t(length) + 1);
        vsnprintf(&line[at], size_t(length) + 1, format, args);
    }
    line.resize(at + size_t(length));
}

void line_append(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    append_va(format, args);
    va_end(args);
}

/* Lines collect in the pending buffer, written out a megabyte at a time:
** a stream call per line cost as much as building the line. */
static void append_pending(const char *text, size_t size)
{
    std::string &pending = source_emitter.pending;
    pending.append(text, size);
    if (pending.size() >= (1 << 20))
        emit_flush();
}

void emit_flush()
{
    std::string &pending = source_emitter.pending;
    if (!pending.empty() && source_emitter.out &&
        fwrite(pending.data(), 1, pending.size(), source_emitter.out) != pending.size())
        fatal_system_error("fwrite");
    pending.clear();
}

void emit_line()
{
    std::string &line = source_emitter.line;
    if (line.empty() || line[0] != '#')
        source_emitter.pending.append(size_t(std::max(source_emitter.level, 0)), ' ');
    line.push_back('\n');
    append_pending(line.data(), line.size());
    line.clear();
}

void emit_format(const char *format, ...)
{
    source_emitter.line.clear();
    va_list args;
    va_start(args, format);
    append_va(format, args);
    va_end(args);
    emit_line();
}

void emit_open_block()
{
    source_emitter.level++;
    emit_format("{");
    source_emitter.level++;
}

void emit_close_block()
{
    source_emitter.level--;
    emit_format("}");
    source_emitter.level--;
}

/* A preprocessor line from its pieces, in column 1. */
static void raw_line(const char *a, const char *b = "", const char *c = "",
                     const char *d = "")
{
    std::string &pending = source_emitter.pending;
    for (const char *piece : {a, b, c, d})
        pending += piece ? piece : "(null)";
    append_pending("\n", 1);
}

void emit_define(const char *name, const char *value)
{
    raw_line("#define ", name, " ", value);
}

void emit_ifdef(const char *name)
{
    raw_line("#ifdef ", name);
}

void emit_else()
{
    raw_line("#else");
}

void emit_endif()
{
    raw_line("#endif");
}

void emit_undef(const char *name)
{
    raw_line("#undef ", name);
}
