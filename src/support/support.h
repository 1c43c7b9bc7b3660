/*
** src/support/support.h
** Support library: checked calls, run information, interned texts, big numbers.
**
** Every other subsystem calls these operations instead of the raw C library:
** an operation returns only when it succeeded, so callers never test for
** null results.  Allocation failures end the run through the diagnostics
** (ERRINTFCT, status 9); failed system calls print a translated
** "FATAL ERROR" text and end with status 7.  The intern table keeps one
** copy of each distinct text for the whole run, and `pint`/`preal` give the
** interface analysis exact arithmetic wider than any C/C++ integer type.
*/
#ifndef ZRS_SUPPORT_H
#define ZRS_SUPPORT_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

/* An ordered list of texts (option values, directories, file names). */
typedef std::vector<std::string> TextList;

/* ---- Checked allocation (end the run with ERRINTFCT, status 9) ---- */
void *xmalloc(size_t size);
void *xcalloc(size_t count, size_t size);
void *xrealloc(void *block, size_t size);
void xfree(void *block);
char *xstrdup(const char *text);

/* Under AddressSanitizer the records made by the thousand keep a heap
** block each, released one by one, so that a use after release is caught
** and leak checking sees every block. */
#if defined(__SANITIZE_ADDRESS__)
#define ZRS_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZRS_ADDRESS_SANITIZER 1
#endif
#endif

/* ---- Fresh pages: large zeroed blocks, mapped in at once ----
** One system call maps every page of the block, where touching fresh heap
** pages took a page fault each (the largest cost of a large run on
** virtual machines).  Blocks of 2 MB or more come on large pages when the
** system has plenty of them free (a fifth of a large run was spent mapping
** small ones).  Under AddressSanitizer they are heap blocks, so that leak
** checking scans them. */
void *fresh_pages(size_t size);
void release_pages(void *block, size_t size);
/* ---- Writes behind: output blocks written while the next is made ----
** Hands the first `length` bytes of `buffer` to a second thread that
** writes them to `out`, blocks in the order given; `buffer` comes back a
** buffer of the same size that begins with the rest of what was used
** (bytes `length` to `used`).  A failed write ends the run through
** fatal_system_error("fwrite") at the stream's next call here, or when
** checked_fclose, which waits for the stream's blocks, closes it. */
void write_behind(FILE *out, std::vector<char> &buffer, size_t length, size_t used);
/* Waits until the stream's blocks are written; reports a failed one. */
void write_behind_finish(FILE *out);

/* A block of fresh pages, with the size it is released with. */
struct PageBlock {
    char *start;
    size_t size;
};
/* The size of a pool's next block: pools start small, since every page of
** a block is mapped in at once and most runs are small, and double up to
** `largest`; never below `need`.  `previous` is 0 for the first block. */
size_t next_block_size(size_t previous, size_t need, size_t largest);

/* ---- Run arena: zeroed memory kept until the process exits ----
** For records made in great numbers and never released one by one.
** Pieces are 16-byte aligned. */
void *run_alloc(size_t size);
char *run_text(const char *text, size_t length);   /* a terminated copy */

/* Second line of defence: the same, with the status-7 system-error path. */
void *checked_malloc(size_t size);
void *checked_realloc(void *block, size_t size);
char *checked_strdup(const char *text);   /* null in, null out */
void zero_fill(void *start, size_t count);

/* ---- Checked system calls (end the run with status 7) ---- */
int checked_sprintf(std::string &out, const char *format, ...)
    __attribute__((format(printf, 2, 3)));
int checked_fprintf(FILE *stream, const char *format, ...)
    __attribute__((format(printf, 2, 3)));
void checked_fwrite(FILE *stream, const char *data, size_t length);
void checked_fclose(FILE *stream);
[[noreturn]] void fatal_system_error(const char *call_name);

/* ---- Unchecked conveniences ---- */
int open_file(const char *path, const char *mode, FILE **stream);
/* Replaces `data` with the file's bytes; false when it cannot be read. */
bool read_whole_file(const char *path, std::string &data);
[[noreturn]] void terminate_run(int status);
std::string getenv_copy(const char *name);
void file_base_name(const char *path, std::string &out);
void file_dir_path(const char *path, std::string &out);
char *concat_path(const char *first, const char *second);

/* ---- Run information ----
** The date text and the generation id that the generated files record.
** Under SOURCE_DATE_EPOCH both are fixed so that output is reproducible. */
const char *current_time_text();      /* ctime layout, no final newline */
struct tm run_broken_down_time();     /* the same instant, for __DATE__ */
long run_generation_id();             /* getpid(), or 0 when reproducible */

/* ---- Intern table ---- */
void init_intern_table();
const char *intern_text(const char *text);   /* null for null or "" */
/* The same for the `length` bytes at `text` (no NUL among them). */
const char *intern_span(const char *text, size_t length);
void text_copy(const char *source, char *destination);
const char *text_or_empty(const char *text);
int text_compare(const char *first, const char *second);
/* Value of a decimal or hexadecimal digit (either case), 99 for others. */
int text_digit_value(char c);

/* ---- Big integers: 168-bit two's complement ----
** Byte 0 is the signed most significant byte; bytes 1..20 are the 160 low
** bits in little-endian order. */
struct pint {
    unsigned char b[21];
};
extern const pint PINT_ZERO;
extern const pint PINT_ONE;

void pint_from_int(pint *result, int32_t n);
void pint_to_int(int32_t *n, const pint *a);
int pint_compare(const pint *a, const pint *b);
int pint_fits(const pint *a, int n, int reference);
void pint_truncate(pint *a, int n);
void pint_sign_extend(pint *a, int n);
void pint_add(pint *result, const pint *a, const pint *b);
void pint_sub(pint *result, const pint *a, const pint *b);
void pint_mul(pint *result, const pint *a, const pint *b);
void pint_divmod(pint *quotient, const pint *a, const pint *b, pint *remainder);
void div_euclid_pint(pint *quotient, const pint *a, int d, int *remainder);
void pint_add_small(pint *result, const pint *a, uint32_t k);
void pint_mul_small(pint *result, const pint *a, uint32_t k);
void pint_and(pint *result, const pint *a, const pint *b);
void pint_or(pint *result, const pint *a, const pint *b);
void pint_xor(pint *result, const pint *a, const pint *b);
void pint_not(pint *result, const pint *a);
void pint_shift_left(pint *result, const pint *a, const pint *count);
void pint_shift_right(pint *result, const pint *a, const pint *count);
void pint_logical_not(pint *result, const pint *a);
void pint_image(const pint *a, int format, int width, std::string &out);

/* ---- Decimal values: ± (mantissa / 2^160) × 10^(exponent - 1) ---- */
struct preal {
    int32_t sign;       /* 0 positive, 1 negative */
    pint mantissa;      /* non-negative fixed point, byte 0 = integer part */
    int32_t exponent;   /* power of ten */
};
extern const preal PREAL_ZERO;

void preal_from_pint(preal *result, const pint *a);
int preal_to_pint(pint *result, const preal *r);
void preal_normalise(preal *r);
void preal_add(preal *result, const preal *a, const preal *b);
void preal_sub(preal *result, const preal *a, const preal *b);
void preal_mul(preal *result, const preal *a, const preal *b);
void preal_div(preal *result, const preal *a, const preal *b);
int preal_compare(const preal *a, const preal *b);
void preal_logical_not(pint *result, const preal *r);
void preal_parse(preal *result, const char *text);
void preal_image(const preal *r, std::string &out, int digits);
int32_t parse_small_int(const char *text);

#endif
