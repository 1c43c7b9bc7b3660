/*
** src/support/checked.cc
** Checked allocation and system calls, and small file-name conveniences.
**
** Allocation failures are internal errors reported through the catalogue
** (ERRINTFCT, status 9) at the current position; the checked system calls
** print a translated "FATAL ERROR" text on standard error and end the run
** with status 7 without touching the listing.
*/
#include "support.h"
#include "diag.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdarg>
#include <cstdlib>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <sys/mman.h>

namespace {

[[noreturn]] void allocation_failed()
{
    report_here(SEV_INTERNAL, "ERRINTFCT",
                QCoreApplication::translate(
                    "Error Parameter", "memory overflow",
                    "Used as a parameter for 'ERRINTFCT' error message"));
    terminate_run(9);   /* not reached: internal reports end the run */
}

} // namespace

void *xmalloc(size_t size)
{
    void *block = malloc(size ? size : 1);
    if (!block)
        allocation_failed();
    return block;
}

void *xcalloc(size_t count, size_t size)
{
    void *block = calloc(count ? count : 1, size ? size : 1);
    if (!block)
        allocation_failed();
    return block;
}

void *xrealloc(void *block, size_t size)
{
    void *grown = realloc(block, size ? size : 1);
    if (!grown)
        allocation_failed();
    return grown;
}

void xfree(void *block)
{
    free(block);
}

#ifdef ZRS_ADDRESS_SANITIZER
void *fresh_pages(size_t size)
{
    return xcalloc(1, size);
}

void release_pages(void *block, size_t)
{
    xfree(block);
}
#else
namespace {

const size_t LARGE_PAGE = size_t(2) << 20;
/* Free 2 MB blocks the system must have beyond a block's own before it
** is given large pages: without them the kernel compacts memory first,
** which on a loaded machine made runs several times slower. */
const long SPARE_LARGE_PAGES = 256;
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

/* The system's free memory in blocks of 2 MB or more, counted in 2 MB
** blocks (orders 9 and up of /proc/buddyinfo); 0 when unknown. */
long free_large_pages()
{
    FILE *info = fopen("/proc/buddyinfo", "r");
    if (!info)
        return 0;
    long blocks = 0;
    char line[512];
    while (fgets(line, sizeof line, info)) {
        const char *counts = strstr(line, "zone");
        counts = counts ? strpbrk(counts + 4, "0123456789") : nullptr;
        for (int order = 0; counts && *counts; order++) {
            char *end = nullptr;
            long n = strtol(counts, &end, 10);
            if (end == counts)
                break;
            if (order >= 9)
                blocks += n << (order - 9);
            counts = end;
        }
    }
    fclose(info);
    return blocks;
}

/* A block on large pages, mapped in; null when the system refuses or has
** too few to spare.  Large pages start at a 2 MB boundary: the mapping is
** made that much larger and cut to the block. */
void *large_page_block(size_t size)
{
    /* the count read last, less what was taken since: read again only when
    ** it would not do, so that a run reads the file a few times at most */
    static long known_free = -1;
    long need = long(size / LARGE_PAGE) + SPARE_LARGE_PAGES;
    if (size < LARGE_PAGE)
        return nullptr;
    if (known_free < need)
        known_free = free_large_pages();
    if (known_free < need)
        return nullptr;
    known_free -= long(size / LARGE_PAGE);
    size_t span = size + LARGE_PAGE;
    void *mapped = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS,
                        -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    char *raw = static_cast<char *>(mapped);
    char *block = reinterpret_cast<char *>(
        (reinterpret_cast<uintptr_t>(raw) + LARGE_PAGE - 1) & ~uintptr_t(LARGE_PAGE - 1));
    if (block > raw)
        munmap(raw, size_t(block - raw));
    if (raw + span > block + size)
        munmap(block + size, size_t(raw + span - (block + size)));
    if (madvise(block, size, MADV_HUGEPAGE) != 0 ||
        madvise(block, size, MADV_POPULATE_WRITE) != 0) {
        munmap(block, size);
        return nullptr;
    }
    return block;
}

} // namespace

void *fresh_pages(size_t size)
{
    if (void *large = large_page_block(size))
        return large;
    void *block = mmap(nullptr, size ? size : 1, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (block == MAP_FAILED)
        allocation_failed();
    return block;
}

void release_pages(void *block, size_t size)
{
    if (block)
        munmap(block, size ? size : 1);
}
#endif

size_t next_block_size(size_t previous, size_t need, size_t largest)
{
    const size_t first = 64 * 1024;
    size_t size = previous ? std::min(previous * 2, largest) : std::min(first, largest);
    return std::max(size, need);
}

char *xstrdup(const char *text)
{
    size_t size = strlen(text) + 1;
    char *copy = static_cast<char *>(xmalloc(size));
    memcpy(copy, text, size);
    return copy;
}

void *checked_malloc(size_t size)
{
    void *block = xmalloc(size);
    if (!block)
        fatal_system_error("malloc");
    return block;
}

void *checked_realloc(void *block, size_t size)
{
    void *grown = xrealloc(block, size);
    if (!grown)
        fatal_system_error("realloc");
    return grown;
}

char *checked_strdup(const char *text)
{
    if (!text)
        return nullptr;
    char *copy = xstrdup(text);
    if (!copy)
        fatal_system_error("strdup");
    return copy;
}

void zero_fill(void *start, size_t count)
{
    memset(start, 0, count);
}

void fatal_system_error(const char *call_name)
{
    QString text = QCoreApplication::translate(
                       "Fatal Error (cstsyst)",
                       "FATAL ERROR on '%1',\n Please contact your "
                       "administrative.",
                       "'%1' is a function name")
                       .arg(QString::fromLocal8Bit(call_name));
    QByteArray bytes = text.toLocal8Bit();
    fwrite(bytes.constData(), 1, bytes.size(), stderr);
    terminate_run(7);
}

/* Formats into a string that grows as needed, so no caller buffer can
** overflow; a formatting failure is the "sprintf(<format>" system error. */
/* Formatted into a stack buffer first: most texts fit, and formatting
** twice (once to measure) was the cost of every call. */
int checked_sprintf(std::string &out, const char *format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int length = vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (length < 0) {
        va_end(again);
        fatal_system_error((std::string("sprintf(") + format).c_str());
    }
    if (static_cast<size_t>(length) < sizeof buffer) {
        out.assign(buffer, static_cast<size_t>(length));
    } else {
        out.assign(static_cast<size_t>(length) + 1, '\0');
        vsnprintf(&out[0], out.size(), format, again);
        out.resize(static_cast<size_t>(length));
    }
    va_end(again);
    return length;
}

int checked_fprintf(FILE *stream, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    int length = vfprintf(stream, format, args);
    va_end(args);
    if (length < 0)
        fatal_system_error("fprintf");
    return length;
}

void checked_fwrite(FILE *stream, const char *data, size_t length)
{
    if (length && fwrite(data, 1, length, stream) != length)
        fatal_system_error("fwrite");
}

void checked_fclose(FILE *stream)
{
    write_behind_finish(stream);
    if (fclose(stream) == EOF)
        fatal_system_error("fclose");
}

int open_file(const char *path, const char *mode, FILE **stream)
{
    *stream = fopen(path, mode);
    return *stream ? 1 : 0;
}

bool read_whole_file(const char *path, std::string &data)
{
    FILE *stream = fopen(path, "rb");
    if (!stream)
        return false;
    data.clear();
    char block[65536];
    size_t n;
    while ((n = fread(block, 1, sizeof block, stream)) > 0)
        data.append(block, n);
    bool ok = !ferror(stream);
    fclose(stream);
    return ok;
}

void terminate_run(int status)
{
    fflush(stderr);
    fflush(stdout);
    exit(status);
}

std::string getenv_copy(const char *name)
{
    const char *value = getenv(name);
    return value ? std::string(value) : std::string();
}

void file_base_name(const char *path, std::string &out)
{
    if (!path || !*path)
        return;
    out = QFileInfo(QString::fromLocal8Bit(path)).fileName().toLocal8Bit()
              .toStdString();
}

void file_dir_path(const char *path, std::string &out)
{
    out.clear();
    if (!path || !*path)
        return;
    out = QFileInfo(QString::fromLocal8Bit(path)).path().toLocal8Bit()
              .toStdString();
}

char *concat_path(const char *first, const char *second)
{
    size_t a = strlen(first), b = strlen(second);
    char *joined = static_cast<char *>(checked_malloc(a + b + 2));
    memcpy(joined, first, a);
    joined[a] = '/';
    memcpy(joined + a + 1, second, b + 1);
    return joined;
}
