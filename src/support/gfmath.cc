/*
** src/support/gfmath.cc
** Big integers: 168-bit two's-complement values for constant expressions.
**
** A `pint` keeps its signed top byte in b[0] and the 160 low bits
** little-endian in b[1..20].  Operations unpack into the unsigned working
** numbers of gfmath_internal.h, compute exactly, and store the result
** wrapped to 168 bits.  Overflow and division by zero are ordinary counted
** errors (OVERFLOW, DIVBYZERO) reported at the current position; the
** computation goes on with the wrapped value.  Misuse of the module (a bad
** divisor for the small division, an unknown image format) is an internal
** error and ends the run.
*/
#include "gfmath_internal.h"
#include "diag.h"

#include <cstring>

const pint PINT_ZERO = {{0}};
const pint PINT_ONE = {{0, 1}};

namespace {

const int PINT_BYTES = 21;

void report_overflow()
{
    report_here(SEV_ERROR, "OVERFLOW", QString());
}

/* Little-endian byte i of the pattern (byte 20 is the signed top byte). */
unsigned byte_le(const pint *a, int i)
{
    return a->b[i == PINT_BYTES - 1 ? 0 : i + 1];
}

void set_byte_le(pint *a, int i, unsigned value)
{
    a->b[i == PINT_BYTES - 1 ? 0 : i + 1] = static_cast<unsigned char>(value);
}

int bit_of(const pint *a, int bit)
{
    return (byte_le(a, bit / 8) >> (bit % 8)) & 1;
}

/* Whether a signed magnitude lies in -2^167 .. 2^167 - 1. */
bool magnitude_fits(const Nat &magnitude, bool negative)
{
    int limit = nat_compare(magnitude, nat_power_of_two(PINT_BITS - 1));
    return negative ? limit <= 0 : limit < 0;
}

} // namespace

/* ---- Unsigned working numbers ---- */

Nat nat_small(uint32_t value)
{
    Nat n = {};
    n.limb[0] = value;
    return n;
}

Nat nat_power_of_two(int bit)
{
    Nat n = {};
    if (bit >= 0 && bit < 32 * NAT_LIMBS)
        n.limb[bit / 32] = uint32_t(1) << (bit % 32);
    return n;
}

bool nat_is_zero(const Nat &a)
{
    for (uint32_t limb : a.limb)
        if (limb)
            return false;
    return true;
}

int nat_compare(const Nat &a, const Nat &b)
{
    for (int i = NAT_LIMBS - 1; i >= 0; i--)
        if (a.limb[i] != b.limb[i])
            return a.limb[i] < b.limb[i] ? -1 : 1;
    return 0;
}

Nat nat_add(const Nat &a, const Nat &b)
{
    Nat r;
    uint64_t carry = 0;
    for (int i = 0; i < NAT_LIMBS; i++) {
        uint64_t sum = uint64_t(a.limb[i]) + b.limb[i] + carry;
        r.limb[i] = uint32_t(sum);
        carry = sum >> 32;
    }
    return r;
}

Nat nat_sub(const Nat &a, const Nat &b)
{
    Nat r;
    uint64_t borrow = 0;
    for (int i = 0; i < NAT_LIMBS; i++) {
        uint64_t diff = uint64_t(a.limb[i]) - b.limb[i] - borrow;
        r.limb[i] = uint32_t(diff);
        borrow = (diff >> 32) & 1;
    }
    return r;
}

Nat nat_mul(const Nat &a, const Nat &b)
{
    Nat r = {};
    for (int i = 0; i < NAT_LIMBS; i++) {
        if (!a.limb[i])
            continue;
        uint64_t carry = 0;
        for (int j = 0; i + j < NAT_LIMBS; j++) {
            uint64_t cell = uint64_t(a.limb[i]) * b.limb[j] + r.limb[i + j] + carry;
            r.limb[i + j] = uint32_t(cell);
            carry = cell >> 32;
        }
    }
    return r;
}

Nat nat_mul_small(const Nat &a, uint32_t k)
{
    Nat r;
    uint64_t carry = 0;
    for (int i = 0; i < NAT_LIMBS; i++) {
        uint64_t cell = uint64_t(a.limb[i]) * k + carry;
        r.limb[i] = uint32_t(cell);
        carry = cell >> 32;
    }
    return r;
}

Nat nat_shift_left(const Nat &a, int count)
{
    Nat r = {};
    if (count < 0 || count >= 32 * NAT_LIMBS)
        return r;
    int limbs = count / 32, bits = count % 32;
    for (int i = NAT_LIMBS - 1; i >= limbs; i--) {
        uint64_t pair = uint64_t(a.limb[i - limbs]) << 32;
        if (i - limbs - 1 >= 0)
            pair |= a.limb[i - limbs - 1];
        r.limb[i] = uint32_t((pair << bits) >> 32);
    }
    return r;
}

Nat nat_shift_right(const Nat &a, int count)
{
    Nat r = {};
    if (count < 0 || count >= 32 * NAT_LIMBS)
        return r;
    int limbs = count / 32, bits = count % 32;
    for (int i = 0; i + limbs < NAT_LIMBS; i++) {
        uint64_t pair = a.limb[i + limbs];
        if (i + limbs + 1 < NAT_LIMBS)
            pair |= uint64_t(a.limb[i + limbs + 1]) << 32;
        r.limb[i] = uint32_t(pair >> bits);
    }
    return r;
}

Nat nat_low_bits(const Nat &a, int count)
{
    Nat r = a;
    for (int i = 0; i < NAT_LIMBS; i++) {
        int first = 32 * i;
        if (first >= count)
            r.limb[i] = 0;
        else if (first + 32 > count)
            r.limb[i] &= (uint32_t(1) << (count - first)) - 1;
    }
    return r;
}

uint32_t nat_div_small(Nat &a, uint32_t d)
{
    uint64_t rest = 0;
    for (int i = NAT_LIMBS - 1; i >= 0; i--) {
        uint64_t cell = (rest << 32) | a.limb[i];
        a.limb[i] = uint32_t(cell / d);
        rest = cell % d;
    }
    return uint32_t(rest);
}

static int nat_bit_length(const Nat &a)
{
    for (int i = NAT_LIMBS - 1; i >= 0; i--)
        if (a.limb[i])
            return 32 * i + 32 - __builtin_clz(a.limb[i]);
    return 0;
}

/* Binary long division: one quotient bit per step, from the top bit. */
void nat_divmod(const Nat &a, const Nat &b, Nat &quotient, Nat &remainder)
{
    Nat q = {}, r = {};
    for (int bit = nat_bit_length(a) - 1; bit >= 0; bit--) {
        r = nat_shift_left(r, 1);
        r.limb[0] |= (a.limb[bit / 32] >> (bit % 32)) & 1;
        if (nat_compare(r, b) >= 0) {
            r = nat_sub(r, b);
            q.limb[bit / 32] |= uint32_t(1) << (bit % 32);
        }
    }
    quotient = q;
    remainder = r;
}

/* ---- Between the two representations ---- */

Nat nat_from_pint(const pint *a)
{
    Nat n = {};
    for (int i = 0; i < PINT_BYTES; i++)
        n.limb[i / 4] |= uint32_t(byte_le(a, i)) << (8 * (i % 4));
    return n;
}

void nat_to_pint(pint *result, const Nat &n)
{
    for (int i = 0; i < PINT_BYTES; i++)
        set_byte_le(result, i, (n.limb[i / 4] >> (8 * (i % 4))) & 0xFF);
}

bool pint_is_negative(const pint *a)
{
    return (a->b[0] & 0x80) != 0;
}

bool pint_is_zero(const pint *a)
{
    for (unsigned char byte : a->b)
        if (byte)
            return false;
    return true;
}

Nat pint_magnitude(const pint *a)
{
    Nat n = nat_from_pint(a);
    if (pint_is_negative(a))
        n = nat_low_bits(nat_sub(Nat{}, n), PINT_BITS);
    return n;
}

void pint_from_magnitude(pint *result, const Nat &magnitude, bool negative)
{
    nat_to_pint(result, negative ? nat_sub(Nat{}, magnitude) : magnitude);
}

/* ---- Conversions, comparison and bit fields ---- */

void pint_from_int(pint *result, int32_t n)
{
    memset(result->b, n < 0 ? 0xFF : 0, sizeof result->b);
    uint32_t bits = static_cast<uint32_t>(n);
    for (int i = 0; i < 4; i++)
        set_byte_le(result, i, (bits >> (8 * i)) & 0xFF);
}

/* Values beyond +-(2^31 - 1), the most negative int included, give 0. */
void pint_to_int(int32_t *n, const pint *a)
{
    uint32_t bits = 0;
    for (int i = 0; i < 4; i++)
        bits |= uint32_t(byte_le(a, i)) << (8 * i);
    if (!pint_fits(a, 31, 0) || bits == 0x80000000u) {
        report_overflow();
        *n = 0;
        return;
    }
    *n = static_cast<int32_t>(bits);
}

int pint_compare(const pint *a, const pint *b)
{
    int top_a = static_cast<signed char>(a->b[0]);
    int top_b = static_cast<signed char>(b->b[0]);
    if (top_a != top_b)
        return top_a < top_b ? -1 : 1;
    for (int i = PINT_BYTES - 2; i >= 0; i--)
        if (byte_le(a, i) != byte_le(b, i))
            return byte_le(a, i) < byte_le(b, i) ? -1 : 1;
    return 0;
}

/* Every bit above position n repeats bit n; below 0 the reference bit
** stands in for bit n and every bit must equal it. */
int pint_fits(const pint *a, int n, int reference)
{
    if (n >= PINT_BITS - 1)
        return 1;
    int expected = n < 0 ? (reference != 0) : bit_of(a, n);
    for (int bit = n < 0 ? 0 : n + 1; bit < PINT_BITS; bit++)
        if (bit_of(a, bit) != expected)
            return 0;
    return 1;
}

void pint_truncate(pint *a, int n)
{
    if (n >= PINT_BITS)
        return;
    Nat bits = nat_from_pint(a);
    nat_to_pint(a, nat_low_bits(bits, n < 0 ? 0 : n));
}

/* An empty field (n <= 0) extends to zero. */
void pint_sign_extend(pint *a, int n)
{
    if (n >= PINT_BITS)
        return;
    if (n <= 0) {
        *a = PINT_ZERO;
        return;
    }
    Nat field = nat_low_bits(nat_from_pint(a), n);
    if (bit_of(a, n - 1))
        field = nat_sub(field, nat_power_of_two(n));
    nat_to_pint(a, field);
}

/* ---- Arithmetic ---- */

void pint_add(pint *result, const pint *a, const pint *b)
{
    bool negative_a = pint_is_negative(a), negative_b = pint_is_negative(b);
    nat_to_pint(result, nat_add(nat_from_pint(a), nat_from_pint(b)));
    if (negative_a == negative_b && pint_is_negative(result) != negative_a)
        report_overflow();
}

void pint_sub(pint *result, const pint *a, const pint *b)
{
    bool negative_a = pint_is_negative(a), negative_b = pint_is_negative(b);
    nat_to_pint(result, nat_sub(nat_from_pint(a), nat_from_pint(b)));
    if (negative_a != negative_b && pint_is_negative(result) != negative_a)
        report_overflow();
}

void pint_mul(pint *result, const pint *a, const pint *b)
{
    bool negative = pint_is_negative(a) != pint_is_negative(b);
    Nat product = nat_mul(pint_magnitude(a), pint_magnitude(b));
    pint_from_magnitude(result, product, negative);
    if (!magnitude_fits(product, negative))
        report_overflow();
}

/* Floor division with a non-negative remainder: the quotient rounds toward
** minus infinity and the remainder is |a - quotient * b|, so -7 / 2 and
** 7 / -2 give -4 remainder 1 and -7 / -2 gives 3 remainder 1.  The one
** quotient that does not fit (most negative / -1) is an overflow. */
void pint_divmod(pint *quotient, const pint *a, const pint *b, pint *remainder)
{
    if (pint_is_zero(b)) {
        report_here(SEV_ERROR, "DIVBYZERO", QString());
        *quotient = PINT_ZERO;
        *remainder = PINT_ZERO;
        return;
    }
    bool mixed = pint_is_negative(a) != pint_is_negative(b);
    Nat divisor = pint_magnitude(b), q, r;
    nat_divmod(pint_magnitude(a), divisor, q, r);
    if (mixed && !nat_is_zero(r)) {
        q = nat_add(q, nat_small(1));
        r = nat_sub(divisor, r);
    }
    pint_from_magnitude(quotient, q, mixed);
    nat_to_pint(remainder, r);
    if (!magnitude_fits(q, mixed))
        report_overflow();
}

/* Division by 1..255, byte by byte from the top; the first step rounds
** toward minus infinity so that the remainder is 0..d-1 for any sign. */
void div_euclid_pint(pint *quotient, const pint *a, int d, int *remainder)
{
    if (d < 1 || d > 255) {
        report_here(SEV_INTERNAL, "ERRINTFCT",
                    QStringLiteral("gfmath div_euclid_pint"));
        return;
    }
    pint q;
    int rest = static_cast<signed char>(a->b[0]);
    int top = rest >= 0 ? rest / d : -((-rest + d - 1) / d);
    q.b[0] = static_cast<unsigned char>(top);
    rest -= top * d;
    for (int i = PINT_BYTES - 2; i >= 0; i--) {
        int cell = rest * 256 + static_cast<int>(byte_le(a, i));
        set_byte_le(&q, i, static_cast<unsigned>(cell / d));
        rest = cell % d;
    }
    *quotient = q;
    *remainder = rest;
}

void pint_add_small(pint *result, const pint *a, uint32_t k)
{
    bool was_negative = pint_is_negative(a);
    nat_to_pint(result, nat_add(nat_from_pint(a), nat_small(k)));
    if (!was_negative && pint_is_negative(result))
        report_overflow();
}

void pint_mul_small(pint *result, const pint *a, uint32_t k)
{
    bool negative = pint_is_negative(a) && k != 0;
    Nat product = nat_mul_small(pint_magnitude(a), k);
    pint_from_magnitude(result, product, negative);
    if (!magnitude_fits(product, negative))
        report_overflow();
}

/* ---- Bitwise operations and shifts ---- */

void pint_and(pint *result, const pint *a, const pint *b)
{
    for (int i = 0; i < PINT_BYTES; i++)
        result->b[i] = a->b[i] & b->b[i];
}

void pint_or(pint *result, const pint *a, const pint *b)
{
    for (int i = 0; i < PINT_BYTES; i++)
        result->b[i] = a->b[i] | b->b[i];
}

void pint_xor(pint *result, const pint *a, const pint *b)
{
    for (int i = 0; i < PINT_BYTES; i++)
        result->b[i] = a->b[i] ^ b->b[i];
}

void pint_not(pint *result, const pint *a)
{
    for (int i = 0; i < PINT_BYTES; i++)
        result->b[i] = static_cast<unsigned char>(~a->b[i]);
}

/* A negative count means "no valid shift": -1.  Otherwise only the low
** byte of the count is used, so 256 acts as 0. */
static int shift_count(const pint *count)
{
    return pint_is_negative(count) ? -1 : count->b[1];
}

void pint_shift_left(pint *result, const pint *a, const pint *count)
{
    int n = shift_count(count);
    if (n < 0) {
        *result = PINT_ZERO;
        return;
    }
    nat_to_pint(result, nat_shift_left(nat_from_pint(a), n));
}

/* Arithmetic shift: a negative value is complemented, shifted with zeros
** entering and complemented back, which lets ones enter from the top. */
void pint_shift_right(pint *result, const pint *a, const pint *count)
{
    int n = shift_count(count);
    if (n < 0) {
        *result = PINT_ZERO;
        return;
    }
    pint source = *a;
    bool negative = pint_is_negative(a);
    if (negative)
        pint_not(&source, &source);
    nat_to_pint(result, nat_shift_right(nat_from_pint(&source), n));
    if (negative)
        pint_not(result, result);
}

void pint_logical_not(pint *result, const pint *a)
{
    *result = pint_is_zero(a) ? PINT_ONE : PINT_ZERO;
}

/* ---- Text images ---- */

static void decimal_image(const pint *a, std::string &out)
{
    Nat rest = pint_magnitude(a);
    char digits[64];
    int n = 0;
    do {
        uint32_t group = nat_div_small(rest, 1000000000u);
        for (int i = 0; i < 9 && (group || !nat_is_zero(rest) || n == 0); i++) {
            digits[n++] = static_cast<char>('0' + group % 10);
            group /= 10;
        }
    } while (!nat_is_zero(rest));
    out = pint_is_negative(a) ? "-" : "";
    while (n > 0)
        out += digits[--n];
}

/* How many low bytes a hexadecimal or binary image shows.  Width 0 shows
** the top byte and the lower bytes from the first one that is not a mere
** sign repetition; a positive width shows ceil(width / 8) bytes and needs
** the bytes above them to repeat the sign. */
static int image_byte_count(const pint *a, int width)
{
    int top = a->b[0];
    if (width <= 0) {
        if (top != 0 && top != 0xFF)
            return PINT_BYTES;
        int n = PINT_BYTES - 1;
        while (n > 0 && static_cast<int>(byte_le(a, n - 1)) == top)
            n--;
        return n + 1;
    }
    int count = width > 8 * PINT_BYTES ? PINT_BYTES : (width + 7) / 8;
    unsigned fill = pint_is_negative(a) ? 0xFF : 0;
    bool repeated = true;
    for (int i = count; i < PINT_BYTES; i++)
        repeated = repeated && byte_le(a, i) == fill;
    if (!repeated || width > 160)
        report_overflow();
    return count;
}

static void digit_image(const pint *a, int count, bool binary, std::string &out)
{
    static const char hex[] = "0123456789ABCDEF";
    for (int i = count - 1; i >= 0; i--) {
        unsigned byte = byte_le(a, i);
        if (!binary) {
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
            continue;
        }
        for (int bit = 7; bit >= 0; bit--)
            out += static_cast<char>('0' + ((byte >> bit) & 1));
    }
}

/* Formats: 1, 3, 6 decimal; 0 hexadecimal "...H"; 8 hexadecimal "0x...";
** 2 binary "...B"; 7 binary "0b...". */
void pint_image(const pint *a, int format, int width, std::string &out)
{
    out.clear();
    switch (format) {
    case 1: case 3: case 6:
        decimal_image(a, out);
        return;
    case 0: case 2: case 7: case 8:
        break;
    default:
        report_here(SEV_INTERNAL, "TRFSTRINT",
                    QStringLiteral("gfmath pint_image"));
        return;
    }
    int count = image_byte_count(a, width);
    if (format == 8)
        out = "0x";
    else if (format == 7)
        out = "0b";
    digit_image(a, count, format == 2 || format == 7, out);
    if (format == 0 && out[0] >= 'A')
        out.insert(out.begin(), '0');
    if (format == 0)
        out += 'H';
    else if (format == 2)
        out += 'B';
}

/* Decimal digits, or hexadecimal ones when the text ends in 'h' or 'H';
** the value wraps at 32 bits and reading stops at the first stray byte. */
int32_t parse_small_int(const char *text)
{
    if (!text)
        return 0;
    size_t length = strlen(text);
    bool hexadecimal = length > 0 && (text[length - 1] == 'h' || text[length - 1] == 'H');
    uint32_t value = 0;
    for (const char *p = text; *p; p++) {
        int digit;
        if (*p >= '0' && *p <= '9')
            digit = *p - '0';
        else if (hexadecimal && *p >= 'a' && *p <= 'f')
            digit = *p - 'a' + 10;
        else if (hexadecimal && *p >= 'A' && *p <= 'F')
            digit = *p - 'A' + 10;
        else
            break;
        value = value * (hexadecimal ? 16 : 10) + static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(value);
}
