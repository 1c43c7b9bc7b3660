/*
** src/support/gfmath_real.cc
** Decimal values: a sign, a fixed-point mantissa and a power of ten.
**
** A `preal` is +-(mantissa / 2^160) * 10^(exponent - 1); normalised, the
** mantissa's integer byte is 1..9, so the value reads 0.d1d2d3... *
** 10^exponent.  The 160 binary places carry about 48 decimal digits, far
** more than a floating literal of C needs.  Arithmetic is done on the
** unsigned working numbers of gfmath_internal.h, so nothing overflows
** inside an operation; exponents are kept within +-2^30 so that sums and
** differences of two of them stay within 32 bits.
*/
#include "gfmath_internal.h"
#include "diag.h"

#include <algorithm>
#include <cstdio>

const preal PREAL_ZERO = {0, {{0}}, 0};

namespace {

const int64_t EXPONENT_LIMIT = int64_t(1) << 30;
/* Beyond this many significant digits a literal's digits lie below the
** last binary place of the mantissa. */
const int MAX_PARSED_DIGITS = 60;
/* Places by which a mantissa may be off after a few operations; a value
** within this distance of an integer counts as that integer. */
const uint32_t MANTISSA_SLACK = 1024;

int32_t clamp_exponent(int64_t exponent)
{
    return static_cast<int32_t>(
        std::max(-EXPONENT_LIMIT, std::min(EXPONENT_LIMIT, exponent)));
}

Nat one_unit()
{
    return nat_power_of_two(FRACTION_BITS);
}

/* m / 10 rounded to nearest, plus digit as the new integer part: one step
** of building d0.d1d2... from its last digit forward. */
Nat push_digit(const Nat &m, unsigned digit)
{
    Nat shifted = m;
    if (nat_div_small(shifted, 10) > 4)
        shifted = nat_add(shifted, nat_small(1));
    return nat_add(shifted, nat_mul_small(one_unit(), digit));
}

/* A normalised working copy: mantissa as an unsigned number, exponent. */
struct Decimal {
    bool negative;
    Nat mantissa;       /* 2^160 .. 10 * 2^160 - 1, or 0 */
    int64_t exponent;
};

Decimal unpack(const preal *r)
{
    preal copy = *r;
    preal_normalise(&copy);
    return Decimal{copy.sign != 0, nat_from_pint(&copy.mantissa), copy.exponent};
}

/* Scales the mantissa into 1 <= m < 10 and stores the result. */
void pack(preal *result, Decimal d)
{
    if (nat_is_zero(d.mantissa)) {
        *result = PREAL_ZERO;
        return;
    }
    Nat ten = nat_mul_small(one_unit(), 10);
    while (nat_compare(d.mantissa, ten) >= 0) {
        nat_div_small(d.mantissa, 10);
        d.exponent++;
    }
    while (nat_compare(d.mantissa, one_unit()) < 0) {
        d.mantissa = nat_mul_small(d.mantissa, 10);
        d.exponent--;
    }
    result->sign = d.negative ? 1 : 0;
    nat_to_pint(&result->mantissa, d.mantissa);
    result->exponent = clamp_exponent(d.exponent);
}

/* Value divided by 10^steps, truncated. */
Nat shift_decimal_down(Nat m, int64_t steps)
{
    for (int64_t i = 0; i < steps && !nat_is_zero(m); i++)
        nat_div_small(m, 10);
    return m;
}

} // namespace

/* A negative mantissa (the most negative one included, whose pattern is
** its own magnitude) is turned round and the sign flipped. */
void preal_normalise(preal *r)
{
    if (pint_is_zero(&r->mantissa)) {
        *r = PREAL_ZERO;
        return;
    }
    bool negative = r->sign != 0;
    if (pint_is_negative(&r->mantissa))
        negative = !negative;
    pack(r, Decimal{negative, pint_magnitude(&r->mantissa), r->exponent});
}

void preal_from_pint(preal *result, const pint *a)
{
    Nat rest = pint_magnitude(a);
    Nat mantissa = {};
    int64_t exponent = 0;
    while (!nat_is_zero(rest)) {
        unsigned digit = nat_div_small(rest, 10);
        mantissa = push_digit(mantissa, digit);
        exponent++;
    }
    pack(result, Decimal{pint_is_negative(a), mantissa, exponent});
}

/* The integer part and whether a fraction is left, for 0 <= exponent <=
** 48: value * 2^160 * 10 = mantissa * 10^exponent, split by 10 * 2^160.
** The mantissa's slack, scaled the same way, decides near integers. */
static Nat whole_part(const Decimal &d, bool &fraction)
{
    Nat scaled = d.mantissa, slack = nat_small(MANTISSA_SLACK);
    for (int64_t i = 0; i < d.exponent; i++) {
        scaled = nat_mul_small(scaled, 10);
        slack = nat_mul_small(slack, 10);
    }
    Nat whole = nat_shift_right(scaled, FRACTION_BITS);
    uint32_t tenths = nat_div_small(whole, 10);
    Nat rest = nat_add(nat_low_bits(scaled, FRACTION_BITS),
                       nat_mul_small(one_unit(), tenths));
    Nat unit = nat_mul_small(one_unit(), 10), half = nat_mul_small(one_unit(), 5);
    slack = std::min(slack, half, [](const Nat &x, const Nat &y) {
        return nat_compare(x, y) < 0;
    });
    fraction = false;
    if (nat_compare(rest, slack) <= 0)
        return whole;
    if (nat_compare(nat_sub(unit, rest), slack) <= 0)
        return nat_add(whole, nat_small(1));
    fraction = true;
    return whole;
}

/* Floor of r; a value of 10^48 or more gives 0 and the return value 0. */
int preal_to_pint(pint *result, const preal *r)
{
    Decimal d = unpack(r);
    *result = PINT_ZERO;
    if (d.exponent > 48)
        return 0;
    if (nat_is_zero(d.mantissa))
        return 1;
    bool fraction = true;
    Nat whole = d.exponent < 0 ? Nat{} : whole_part(d, fraction);
    if (d.negative && fraction)
        whole = nat_add(whole, nat_small(1));
    pint_from_magnitude(result, whole, d.negative);
    return 1;
}

/* Aligns the smaller exponent on the larger one and adds the signed
** mantissas. */
void preal_add(preal *result, const preal *a, const preal *b)
{
    Decimal x = unpack(a), y = unpack(b);
    if (nat_is_zero(x.mantissa) || nat_is_zero(y.mantissa)) {
        pack(result, nat_is_zero(x.mantissa) ? y : x);
        return;
    }
    if (x.exponent < y.exponent)
        std::swap(x, y);
    y.mantissa = shift_decimal_down(y.mantissa, x.exponent - y.exponent);
    Decimal sum{x.negative, nat_add(x.mantissa, y.mantissa), x.exponent};
    if (x.negative != y.negative) {
        bool x_larger = nat_compare(x.mantissa, y.mantissa) >= 0;
        sum.negative = x_larger ? x.negative : y.negative;
        sum.mantissa = x_larger ? nat_sub(x.mantissa, y.mantissa)
                                : nat_sub(y.mantissa, x.mantissa);
    }
    pack(result, sum);
}

void preal_sub(preal *result, const preal *a, const preal *b)
{
    preal negated = *b;
    negated.sign = negated.sign ? 0 : 1;
    preal_add(result, a, &negated);
}

/* The fixed-point product, rounded to the nearest last place. */
void preal_mul(preal *result, const preal *a, const preal *b)
{
    Decimal x = unpack(a), y = unpack(b);
    Nat product = nat_mul(x.mantissa, y.mantissa);
    product = nat_add(product, nat_power_of_two(FRACTION_BITS - 1));
    pack(result, Decimal{x.negative != y.negative,
                         nat_shift_right(product, FRACTION_BITS),
                         x.exponent + y.exponent - 1});
}

/* The fixed-point quotient, rounded to the nearest last place; a smaller
** dividend is scaled by ten first so that no binary place is wasted. */
void preal_div(preal *result, const preal *a, const preal *b)
{
    Decimal x = unpack(a), y = unpack(b);
    if (nat_is_zero(y.mantissa)) {
        report_here(SEV_ERROR, "DIVBYZERO", QString());
        *result = PREAL_ZERO;
        return;
    }
    int64_t exponent = x.exponent - y.exponent + 1;
    if (nat_compare(x.mantissa, y.mantissa) < 0) {
        x.mantissa = nat_mul_small(x.mantissa, 10);
        exponent--;
    }
    Nat half = nat_shift_right(y.mantissa, 1), quotient, remainder;
    Nat numerator = nat_add(nat_shift_left(x.mantissa, FRACTION_BITS), half);
    nat_divmod(numerator, y.mantissa, quotient, remainder);
    pack(result, Decimal{x.negative != y.negative, quotient, exponent});
}

int preal_compare(const preal *a, const preal *b)
{
    Decimal x = unpack(a), y = unpack(b);
    bool zero_x = nat_is_zero(x.mantissa), zero_y = nat_is_zero(y.mantissa);
    if (zero_x || zero_y) {
        if (zero_x && zero_y)
            return 0;
        if (zero_x)
            return y.negative ? 1 : -1;
        return x.negative ? -1 : 1;
    }
    if (x.negative != y.negative)
        return x.negative ? -1 : 1;
    int order;
    if (x.exponent != y.exponent)
        order = static_cast<int>(x.exponent - y.exponent);
    else
        order = nat_compare(x.mantissa, y.mantissa);
    return x.negative ? -order : order;
}

void preal_logical_not(pint *result, const preal *r)
{
    *result = pint_is_zero(&r->mantissa) ? PINT_ONE : PINT_ZERO;
}

/* ---- Decimal text ---- */

namespace {

/* Significant digits of a literal and the power of ten of 0.digits. */
struct DecimalText {
    unsigned char digits[MAX_PARSED_DIGITS];
    int count = 0;
    int64_t exponent = 0;
};

void take_digit(DecimalText &t, int digit, bool before_point)
{
    if (t.count == 0 && digit == 0) {
        if (!before_point)
            t.exponent--;   /* a leading zero after the point */
        return;
    }
    if (before_point)
        t.exponent++;
    if (t.count < MAX_PARSED_DIGITS)
        t.digits[t.count++] = static_cast<unsigned char>(digit);
}

/* Saturates far beyond any exponent a value can keep. */
const char *read_exponent(const char *p, int64_t &exponent)
{
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        p++;
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; p++)
        value = std::min<int64_t>(value * 10 + (*p - '0'), 4 * EXPONENT_LIMIT);
    exponent += negative ? -value : value;
    return p;
}

} // namespace

/* [sign] digits [. digits] [e|E [sign] digits]; reading stops at the first
** byte that does not fit, so a suffix is ignored. */
void preal_parse(preal *result, const char *text)
{
    *result = PREAL_ZERO;
    if (!text)
        return;
    const char *p = text;
    bool negative = *p == '-';
    if (*p == '-' || *p == '+')
        p++;
    DecimalText t;
    for (; *p >= '0' && *p <= '9'; p++)
        take_digit(t, *p - '0', true);
    if (*p == '.')
        for (p++; *p >= '0' && *p <= '9'; p++)
            take_digit(t, *p - '0', false);
    if (*p == 'e' || *p == 'E')
        read_exponent(p + 1, t.exponent);
    Nat mantissa = {};
    for (int i = t.count - 1; i >= 0; i--)
        mantissa = push_digit(mantissa, t.digits[i]);
    pack(result, Decimal{negative, mantissa, t.exponent});
}

/* A decimal literal rarely has an exact binary mantissa; one that lies a
** few places below its decimal value would show a last digit one too low
** (1.000000000000000005 as ...04).  Lifting it by the slack first makes
** truncated digits come out as written. */
static Nat lift_by_slack(const Nat &mantissa, int64_t &exponent)
{
    Nat m = nat_add(mantissa, nat_small(MANTISSA_SLACK));
    if (nat_compare(m, nat_mul_small(one_unit(), 10)) >= 0) {
        exponent++;
        return one_unit();
    }
    return m;
}

/* Rounds the last of n digits: 7..9 after a 9 carries upward through the
** 9s, 0..3 after a 0 is dropped with the zeros before it.  Returns the
** number of digits kept; a carry out of the first digit bumps exponent. */
static int round_last_digit(unsigned char *digits, int n, int64_t &exponent)
{
    if (n < 2)
        return n;
    unsigned last = digits[n - 1], before = digits[n - 2];
    if (last >= 7 && before == 9) {
        n--;
        while (n > 0 && digits[n - 1] == 9)
            n--;
        if (n == 0) {
            digits[0] = 1;
            exponent++;
            return 1;
        }
        digits[n - 1]++;
        return n;
    }
    if (last <= 3 && before == 0) {
        n--;
        while (n > 1 && digits[n - 1] == 0)
            n--;
    }
    return n;
}

/* "0.d1d2...", a leading '-' when negative, "E<exponent>" when the
** exponent is not 0; "0.0" for zero.  1 to 19 digits, other requests 19. */
void preal_image(const preal *r, std::string &out, int digits)
{
    if (digits < 1 || digits > 19)
        digits = 19;
    Decimal d = unpack(r);
    if (nat_is_zero(d.mantissa)) {
        out = "0.0";
        return;
    }
    unsigned char produced[19];
    Nat m = lift_by_slack(d.mantissa, d.exponent);
    for (int i = 0; i < digits; i++) {
        Nat whole = nat_shift_right(m, FRACTION_BITS);
        produced[i] = static_cast<unsigned char>(whole.limb[0]);
        m = nat_mul_small(nat_low_bits(m, FRACTION_BITS), 10);
    }
    int kept = round_last_digit(produced, digits, d.exponent);
    out = d.negative ? "-0." : "0.";
    for (int i = 0; i < kept; i++)
        out += static_cast<char>('0' + produced[i]);
    if (d.exponent != 0) {
        char exponent[24];
        snprintf(exponent, sizeof exponent, "E%d", clamp_exponent(d.exponent));
        out += exponent;
    }
}
