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

/* Pieces of a line gather in a stack buffer and reach the line buffer in
** one append: appending each piece cost more than formatting it. */
struct Staging {
    explicit Staging(std::string &to) : line(to) {}
    std::string &line;
    char buffer[512];
    size_t used = 0;

    void put(const char *text, size_t n)
    {
        if (used + n > sizeof buffer) {
            flush();
            if (n > sizeof buffer) {
                line.append(text, n);
                return;
            }
        }
        memcpy(buffer + used, text, n);
        used += n;
    }
    template <typename T> void number(T value)
    {
        char digits[24];
        auto result = std::to_chars(digits, digits + sizeof digits, value);
        put(digits, size_t(result.ptr - digits));
    }
    void flush()
    {
        line.append(buffer, used);
        used = 0;
    }
};

/* The conversions the generated source needs (%s, %c, %d, %i, %u with an
** optional l or ll, and %%), written without the stdio machinery; false
** at any other conversion, with part of the text appended. */
static bool append_simple(std::string &line, const char *format, va_list args)
{
    Staging out(line);
    for (const char *p = format; *p;) {
        const char *run = p;
        while (*p && *p != '%')
            p++;
        out.put(run, size_t(p - run));
        if (!*p)
            break;
        p++;
        int longs = 0;
        for (; *p == 'l'; p++)
            longs++;
        char conversion = *p;
        if (!conversion || !strchr("scdiu%", conversion))
            return false;
        p++;
        bool is_signed = conversion == 'd' || conversion == 'i';
        switch (conversion) {
        case '%': out.put("%", 1); break;
        case 'c': {
            char c = char(va_arg(args, int));
            out.put(&c, 1);
            break;
        }
        case 's': {
            const char *text = va_arg(args, const char *);
            if (!text)
                text = "(null)";
            out.put(text, strlen(text));
            break;
        }
        default:
            if (longs >= 2 && is_signed)
                out.number(va_arg(args, long long));
            else if (longs >= 2)
                out.number(va_arg(args, unsigned long long));
            else if (longs == 1 && is_signed)
                out.number(va_arg(args, long));
            else if (longs == 1)
                out.number(va_arg(args, unsigned long));
            else if (is_signed)
                out.number(va_arg(args, int));
            else
                out.number(va_arg(args, unsigned));
        }
    }
    out.flush();
    return true;
}

/* Anything else is formatted into the spare room of the line buffer,
** which grows, and the text is formatted again, only when it does not
** fit. */
static void append_va(const char *format, va_list args)
{
    std::string &line = source_emitter.line;
    size_t at = line.size();
    va_list simple;
    va_copy(simple, args);
    bool done = append_simple(line, format, simple);
    va_end(simple);
    if (done)
        return;
    line.resize(at);
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
