/*
** src/capi/decl/decl_const.cc
** Values of integer and character constants for the C/C++ scanner.
**
** Integer constants are converted in their radix with the big-integer
** arithmetic, so that a constant wider than any target type is still seen
** whole and reported (ENTOUTRAN) against the bit size of int, or of long
** for an "L" suffix, as the sizeof pragma has set them.  Character
** constants pack each character's bits, char size by char size.
*/
#include "decl.h"

#include <cstdlib>
#include <cstring>

#include "target_sizes.h"

namespace {

/* Once a constant reaches this many bits it is out of every range; the
** conversion stops growing it so the arithmetic never overflows. */
const int SATURATION_BITS = 128;

bool pint_bit(const pint *a, int k)
{
    if (k >= 160)
        return (a->b[0] >> (k - 160)) & 1;
    return (a->b[1 + k / 8] >> (k % 8)) & 1;
}

/* A non-negative value below 2^bits: the bits of the partial byte one by
** one, the whole bytes above it at once. */
bool fits_bits(const pint *a, int bits)
{
    int k = bits < 0 ? 0 : bits;
    for (; k < 168 && k % 8 != 0; k++)
        if (pint_bit(a, k))
            return false;
    for (; k < 160; k += 8)
        if (a->b[1 + k / 8])
            return false;
    return k >= 168 || a->b[0] == 0;
}

/* Reads the suffix letters; false when they are not u/l/ll combinations. */
bool read_suffix(const char *p, DeclToken *t)
{
    int longs = 0, unsigneds = 0;
    for (; *p; p++) {
        if (*p == 'l' || *p == 'L')
            longs++;
        else if (*p == 'u' || *p == 'U')
            unsigneds++;
        else
            return false;
    }
    t->is_long = longs > 0;
    return longs <= 2 && unsigneds <= 1;
}

void pint_from_long(pint *result, long long v)
{
    pint high;
    pint_from_int(&high, (int32_t)(v >> 32));
    pint_mul_small(&high, &high, 65536);
    pint_mul_small(&high, &high, 65536);
    pint_add_small(result, &high, (uint32_t)(v & 0xffffffffu));
}

int magnitude(int bits)
{
    return bits < 0 ? -bits : bits;
}

/* One character of a character constant at `*p`; advances `*p`. */
long long escape_value(const char **p, const char *end, bool *unknown)
{
    const char *q = *p;
    if (*q != '\\' || q + 1 >= end) {
        *p = q + 1;
        return (unsigned char)*q;
    }
    q++;
    char c = *q++;
    *p = q;
    switch (c) {
    case 'n': return '\n';
    case 't': return '\t';
    case 'r': return '\r';
    case 'a': return 7;
    case 'b': return 8;
    case 'f': return 12;
    case 'v': return 11;
    case 'e': return 27;
    case '\\': case '\'': case '"': case '?': return (unsigned char)c;
    default: break;
    }
    if (c >= '0' && c <= '7') {
        long long v = c - '0';
        for (int n = 1; n < 3 && q < end && *q >= '0' && *q <= '7'; n++)
            v = v * 8 + (*q++ - '0');
        *p = q;
        return v;
    }
    if (c == 'x') {
        long long v = 0;
        while (q < end && text_digit_value(*q) < 16)
            v = (v * 16 + text_digit_value(*q++)) & 0xffffffffLL;
        *p = q;
        return v;
    }
    *unknown = true;
    return (unsigned char)c;
}

} // namespace

void scan_integer_value(const char *spelling, DeclToken *t, const char *file,
                        int line)
{
    int radix = 10;
    const char *p = spelling;
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        radix = 16;
        p += 2;
    } else if (p[0] == '0') {
        radix = 8;
    }
    t->value = PINT_ZERO;
    bool saturated = false;
    const char *digits = p;
    /* Most constants fit an int: summed in a machine integer, they skip
    ** the big-integer steps. */
    unsigned long long small = 0;
    const char *q = p;
    for (; *q && text_digit_value(*q) < radix && small <= INT32_MAX; q++)
        small = small * radix + text_digit_value(*q);
    if (small <= INT32_MAX && !(*q && text_digit_value(*q) < radix)) {
        pint_from_int(&t->value, int32_t(small));
        p = q;
        if (!*p && (radix != 16 || p != digits)) {   /* no suffix: an int */
            t->is_long = false;
            if (!fits_bits(&t->value, magnitude(base_type_bits(BSW_INT))))
                capi_report(3, "ENTOUTRAN", spelling, file, line);
            return;
        }
    }
    for (; *p && text_digit_value(*p) < radix; p++) {
        if (saturated || !fits_bits(&t->value, SATURATION_BITS)) {
            saturated = true;
            continue;
        }
        pint_mul_small(&t->value, &t->value, radix);
        pint_add_small(&t->value, &t->value, text_digit_value(*p));
    }
    if ((radix == 16 && p == digits) || !read_suffix(p, t)) {
        t->kind = TK_INVALID;
        return;
    }
    int bits = magnitude(base_type_bits(t->is_long ? BSW_LONG : BSW_INT));
    if (strstr(p, "ll") || strstr(p, "LL"))
        bits = magnitude(base_type_bits(BSW_LONG_LONG));
    if (saturated || !fits_bits(&t->value, bits))
        capi_report(3, "ENTOUTRAN", spelling, file, line);
}

void scan_character_value(const char *body, size_t length, DeclToken *t,
                          const char *file, int line)
{
    std::string spelling = t->text ? t->text : "";
    if (length == 0) {
        capi_report(3, "CSTCARVID", spelling.c_str(), file, line);
        t->value = PINT_ZERO;
        return;
    }
    int char_bits = magnitude(base_type_bits(t->wide ? BSW_INT : BSW_CHAR));
    int int_bits = magnitude(base_type_bits(BSW_INT));
    bool is_signed = base_type_signed(t->wide ? BSW_INT : BSW_CHAR);
    if (char_bits < 1 || char_bits > 32)
        char_bits = 8;
    if (int_bits < 1 || int_bits > 64)
        int_bits = 32;
    const char *p = body, *end = body + length;
    unsigned long long packed = 0;
    int count = 0;
    bool unknown = false;
    while (p < end) {
        long long c = escape_value(&p, end, &unknown);
        unsigned long long mask = (char_bits >= 64) ? ~0ULL
                                                    : (1ULL << char_bits) - 1;
        packed = (char_bits >= 64 ? 0 : packed << char_bits) | (c & mask);
        count++;
    }
    if (unknown)
        capi_report(3, "SEQUEINCO", spelling.c_str(), file, line);
    if ((long long)count * char_bits > int_bits)
        capi_report(3, "TOLOCSTCA", spelling.c_str(), file, line);
    else if (count > 1)
        capi_report(3, "MULCARCST", spelling.c_str(), file, line);
    /* One character keeps the sign of char; several make an int. */
    int width = count == 1 ? char_bits : int_bits;
    long long v = (long long)packed;
    if (width < 64) {
        unsigned long long mask = (1ULL << width) - 1;
        packed &= mask;
        v = (long long)packed;
        if (is_signed && (packed >> (width - 1)) & 1)
            v = (long long)(packed | ~mask);
    }
    pint_from_long(&t->value, v);
}
