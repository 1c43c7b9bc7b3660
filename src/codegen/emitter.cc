/*
** src/codegen/emitter.cc
** The line emitter of the generated source.
**
** Every line of the driver source goes through here.  A line is formatted
** straight into the output buffer, after the current indentation, one
** blank per level; preprocessor lines (those beginning with '#') stay in
** column 1.  A block owns two levels: its braces stand one blank deeper
** than the statement before it, its contents two.  The buffer is written
** a megabyte at a time.  Relies on the checked calls of support and on
** the diagnostics for the file that cannot be opened.
*/
#include "source_int.h"

#include "diag.h"

#include <algorithm>
#include <charconv>
#include <cstdarg>
#include <cstdint>
#include <cstdlib>
#include <cstring>

SourceEmitter source_emitter;

/* Complete lines are written once they fill this much: a stream call per
** line cost as much as building the line. */
static const size_t flush_size = size_t(1) << 20;

/* Room for n more bytes after the filled part; answers where they go. */
static char *grow(size_t n)
{
    SourceEmitter &e = source_emitter;
    size_t size = std::max(e.used + n, e.buffer.size() * 2);
    e.buffer.resize(std::max(size, flush_size + 4096));
    return e.buffer.data() + e.used;
}

static inline char *room(size_t n)
{
    SourceEmitter &e = source_emitter;
    if (e.buffer.size() - e.used < n)
        return grow(n);
    return e.buffer.data() + e.used;
}

static inline void put(const char *text, size_t n)
{
    memcpy(room(n), text, n);
    source_emitter.used += n;
}

static void reset(FILE *stream)
{
    SourceEmitter &e = source_emitter;
    e.out = stream;
    e.level = 0;
    e.used = 0;
    e.line_start = 0;
    e.line_blanks = -1;
    room(flush_size + 4096);
}

void emit_open_file(const char *name)
{
    FILE *stream = nullptr;
    if (!open_file(name, "w", &stream))
        report_fatal_c("FICERROPN", name, "");
    /* A run that stops on a fatal report exits with the file open: what
    ** was generated up to the stop still reaches it. */
    static bool flush_at_exit = std::atexit([] { emit_flush(); }) == 0;
    (void)flush_at_exit;
    reset(stream);
    source_emitter.name = name;
}

static void flush_lines(bool behind);

/* The last lines are written at once, after the blocks written behind. */
void emit_close_file()
{
    if (source_emitter.out) {
        write_behind_finish(source_emitter.out);
        flush_lines(false);
        checked_fclose(source_emitter.out);
    }
    source_emitter.out = nullptr;
}

void emit_to_stream(FILE *stream)
{
    reset(stream);
    source_emitter.name.clear();
}

/* The complete lines; the line being built stays in the buffer. */
static void flush_lines(bool behind)
{
    SourceEmitter &e = source_emitter;
    size_t complete = e.line_blanks >= 0 ? e.line_start : e.used;
    if (!complete)
        return;
    char *data = e.buffer.data();
    if (e.out && behind) {
        write_behind(e.out, e.buffer, complete, e.used);
    } else {
        if (e.out)
            checked_fwrite(e.out, data, complete);
        memmove(data, data + complete, e.used - complete);
    }
    e.used -= complete;
    e.line_start = 0;
}

/* The generated file is written behind; a stream handed in is written at
** once, for its owner reads it back. */
void emit_flush()
{
    flush_lines(!source_emitter.name.empty());
}

/* ---- Formatting ---- */

/* The output end while a text is formatted; `need` keeps room ahead. */
struct Writer {
    char *at, *end;

    Writer() { load(); }
    void load()
    {
        SourceEmitter &e = source_emitter;
        at = e.buffer.data() + e.used;
        end = e.buffer.data() + e.buffer.size();
    }
    void need(size_t n)
    {
        if (size_t(end - at) < n) {
            done();
            grow(n);
            load();
        }
    }
    void done() { source_emitter.used = size_t(at - source_emitter.buffer.data()); }
};

/* The words of text are read in memory order, first byte lowest. */
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "little-endian words expected");

/* The place of the first '%' in a word of format text, or 8. */
static inline size_t first_percent(uint64_t word)
{
    const uint64_t ones = 0x0101010101010101u;
    uint64_t x = word ^ (ones * '%');
    uint64_t found = (x - ones) & ~x & (ones << 7);
    return found ? size_t(__builtin_ctzll(found)) >> 3 : 8;
}

/* Copies the format's text up to its next '%' or its end, eight bytes at
** a time; the writer has room for the rest of the format and eight bytes
** more.  The last bytes of a long enough format are read as the word that
** ends with them, so no read passes the format's end. */
static inline const char *copy_run(Writer &w, const char *p, const char *start,
                                   const char *end)
{
    uint64_t word;
    while (end - p >= 8) {
        memcpy(&word, p, 8);
        memcpy(w.at, &word, 8);
        size_t n = first_percent(word);
        w.at += n;
        p += n;
        if (n < 8)
            return p;
    }
    size_t left = size_t(end - p);
    if (left == 0)
        return p;
    if (end - start >= 8) {
        memcpy(&word, end - 8, 8);
        word >>= 8 * (8 - left);         /* zeros above: never a '%' */
        memcpy(w.at, &word, 8);
        size_t n = std::min(first_percent(word), left);
        w.at += n;
        return p + n;
    }
    while (p < end && *p != '%')
        *w.at++ = *p++;
    return p;
}

/* An argument's text: short ones without a call. */
static inline void copy_text(char *to, const char *text, size_t n)
{
    if (n >= 8 && n <= 16) {
        memcpy(to, text, 8);
        memcpy(to + n - 8, text + n - 8, 8);
    } else if (n >= 4 && n < 8) {
        memcpy(to, text, 4);
        memcpy(to + n - 4, text + n - 4, 4);
    } else if (n < 4) {
        for (size_t i = 0; i < n; i++)
            to[i] = text[i];
    } else {
        memcpy(to, text, n);
    }
}

template <typename T> static inline void put_number(Writer &w, T value, size_t rest)
{
    w.need(24 + rest);
    w.at = std::to_chars(w.at, w.at + 24, value).ptr;
}

/* The conversions the generated source needs (%s, %c, %d, %i, %u with an
** optional l or ll, and %%), written without the stdio machinery; false
** at any other conversion, with part of the text written.  Inlined into
** each variadic caller: the call cost as much as a short line. */
__attribute__((always_inline)) static inline bool
append_simple(const char *format, va_list args)
{
    const char *end = format + strlen(format);
    Writer w;
    w.need(size_t(end - format) + 8);
    for (const char *p = format;;) {
        p = copy_run(w, p, format, end);
        if (p == end)
            break;
        int longs = 0;
        for (p++; *p == 'l'; p++)
            longs++;
        char conversion = *p;
        if (conversion)
            p++;
        size_t rest = size_t(end - p) + 8;   /* what the format may still copy */
        switch (conversion) {
        case '%': *w.at++ = '%'; break;
        case 'c': *w.at++ = char(va_arg(args, int)); break;
        case 's': {
            const char *text = va_arg(args, const char *);
            if (!text)
                text = "(null)";
            size_t n = strlen(text);
            w.need(n + rest);
            copy_text(w.at, text, n);
            w.at += n;
            break;
        }
        case 'd': case 'i':
            if (longs >= 2)
                put_number(w, va_arg(args, long long), rest);
            else if (longs == 1)
                put_number(w, va_arg(args, long), rest);
            else
                put_number(w, va_arg(args, int), rest);
            break;
        case 'u':
            if (longs >= 2)
                put_number(w, va_arg(args, unsigned long long), rest);
            else if (longs == 1)
                put_number(w, va_arg(args, unsigned long), rest);
            else
                put_number(w, va_arg(args, unsigned), rest);
            break;
        default:
            w.done();
            return false;
        }
    }
    w.done();
    return true;
}

/* Anything else is formatted again by the C library, from `at` on, after
** the text is measured. */
static void append_printf(size_t at, const char *format, va_list args)
{
    source_emitter.used = at;
    va_list copy;
    va_copy(copy, args);
    int length = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length < 0)
        fatal_system_error("vsnprintf");
    vsnprintf(room(size_t(length) + 1), size_t(length) + 1, format, args);
    source_emitter.used += size_t(length);
}

/* The formatted text appended to the buffer.  A macro: after a failed
** first try the arguments are started again, which only the variadic
** function itself can do (a copy made in advance cost more than it). */
#define APPEND_FORMATTED(format)                                                   \
    do {                                                                           \
        size_t at_ = source_emitter.used;                                          \
        va_list args_;                                                             \
        va_start(args_, format);                                                   \
        bool done_ = append_simple(format, args_);                                 \
        va_end(args_);                                                             \
        if (!done_) {                                                              \
            va_start(args_, format);                                               \
            append_printf(at_, format, args_);                                     \
            va_end(args_);                                                         \
        }                                                                          \
    } while (0)

/* The text is formatted past the filled part of the buffer, then taken
** out of it. */
std::string format_text(const char *format, ...)
{
    size_t at = source_emitter.used;
    APPEND_FORMATTED(format);
    std::string text(source_emitter.buffer.data() + at, source_emitter.used - at);
    source_emitter.used = at;
    return text;
}

/* ---- Lines ---- */

static inline int level_blanks()
{
    return std::max(source_emitter.level, 0);
}

/* Indentation, eight blanks at a time: the room must reach seven bytes
** past it. */
static inline void put_blanks(char *at, int blanks)
{
    for (int i = 0; i < blanks; i += 8)
        memcpy(at + i, "        ", 8);
}

/* Starts the line being built with its indentation. */
static inline void open_line(int blanks)
{
    SourceEmitter &e = source_emitter;
    put_blanks(room(size_t(blanks) + 8), blanks);
    e.line_start = e.used;
    e.used += size_t(blanks);
    e.line_blanks = blanks;
}

static inline void drop_line()
{
    SourceEmitter &e = source_emitter;
    if (e.line_blanks >= 0)
        e.used = e.line_start;
    e.line_blanks = -1;
}

void line_clear()
{
    drop_line();
}

void line_append(const char *format, ...)
{
    if (source_emitter.line_blanks < 0)
        open_line(level_blanks());
    APPEND_FORMATTED(format);
}

/* The line's text moves behind `blanks` blanks: the level changed while it
** was built, or it turned out to begin with '#'. */
static void reindent(int blanks)
{
    SourceEmitter &e = source_emitter;
    size_t text = e.line_start + size_t(e.line_blanks), size = e.used - text;
    room(size_t(blanks) + 8);
    char *data = e.buffer.data();
    memmove(data + e.line_start + blanks, data + text, size);
    memset(data + e.line_start, ' ', size_t(blanks));
    e.used = e.line_start + size_t(blanks) + size;
    e.line_blanks = blanks;
}

/* Ends the line that is open; `settled`: its indentation is right already. */
static inline void end_line(bool settled)
{
    SourceEmitter &e = source_emitter;
    if (!settled) {
        size_t text = e.line_start + size_t(e.line_blanks);
        int blanks = e.used > text && e.buffer[text] == '#' ? 0 : level_blanks();
        if (blanks != e.line_blanks)
            reindent(blanks);
    }
    *room(1) = '\n';
    e.used++;
    e.line_blanks = -1;
    if (e.used >= flush_size)
        emit_flush();
}

void emit_line()
{
    if (source_emitter.line_blanks < 0)
        open_line(level_blanks());
    end_line(false);
}

void emit_format(const char *format, ...)
{
    drop_line();
    /* the first character tells the indentation, unless a conversion is */
    open_line(format[0] == '#' ? 0 : level_blanks());
    APPEND_FORMATTED(format);
    end_line(format[0] != '%');
}

/* The text's length is all there is to find: no conversion to look for. */
void emit_text(const char *text)
{
    SourceEmitter &e = source_emitter;
    drop_line();
    size_t n = strlen(text);
    int blanks = text[0] == '#' ? 0 : level_blanks();
    char *at = room(size_t(blanks) + n + 8);
    put_blanks(at, blanks);
    copy_text(at + blanks, text, n);
    at[size_t(blanks) + n] = '\n';
    e.used += size_t(blanks) + n + 1;
    if (e.used >= flush_size)
        emit_flush();
}

/* A brace line: one character, never a '#'. */
static void brace_line(char brace)
{
    SourceEmitter &e = source_emitter;
    drop_line();
    int blanks = level_blanks();
    char *at = room(size_t(blanks) + 8);
    put_blanks(at, blanks);
    at[blanks] = brace;
    at[blanks + 1] = '\n';
    e.used += size_t(blanks) + 2;
    if (e.used >= flush_size)
        emit_flush();
}

void emit_open_block()
{
    source_emitter.level++;
    brace_line('{');
    source_emitter.level++;
}

void emit_close_block()
{
    source_emitter.level--;
    brace_line('}');
    source_emitter.level--;
}

static void put_text(const char *text)
{
    if (!text)
        text = "(null)";
    if (*text)
        put(text, strlen(text));
}

/* A preprocessor line from its pieces, in column 1.  A line being built
** (seldom) moves after it. */
static void raw_line(const char *a, size_t a_size, const char *b = "",
                     const char *c = "", const char *d = "")
{
    SourceEmitter &e = source_emitter;
    if (e.line_blanks >= 0) {
        int blanks = e.line_blanks;
        std::string held(e.buffer.data() + e.line_start, e.used - e.line_start);
        drop_line();
        raw_line(a, a_size, b, c, d);
        e.line_start = e.used;
        put(held.data(), held.size());
        e.line_blanks = blanks;
        return;
    }
    put(a, a_size);
    put_text(b);
    put_text(c);
    put_text(d);
    put("\n", 1);
    if (e.used >= flush_size)
        emit_flush();
}

#define RAW(literal) literal, sizeof literal - 1

void emit_define(const char *name, const char *value)
{
    raw_line(RAW("#define "), name, " ", value);
}

void emit_ifdef(const char *name)
{
    raw_line(RAW("#ifdef "), name);
}

void emit_else()
{
    raw_line(RAW("#else"));
}

void emit_endif()
{
    raw_line(RAW("#endif"));
}

void emit_undef(const char *name)
{
    raw_line(RAW("#undef "), name);
}
