/*
** src/support/gfmath_internal.h
** Folder-internal: the unsigned working numbers shared by the two halves
** of the big-number module.
**
** `pint` values are stored in their external byte layout; every operation
** that needs carries, products or quotients first unpacks them into a
** `Nat`, an unsigned number of twelve 32-bit limbs (384 bits).  That is
** wide enough for the full product of two 168-bit magnitudes and for the
** scaled numerators of decimal division and conversion, so no
** intermediate step can lose bits.  gfmath.cc implements these helpers and
** the integer operations; gfmath_real.cc builds the decimal values on them.
*/
#ifndef ZRS_GFMATH_INTERNAL_H
#define ZRS_GFMATH_INTERNAL_H

#include "support.h"

#include <cstdint>

const int PINT_BITS = 168;
const int FRACTION_BITS = 160;   /* binary places of a decimal mantissa */
const int NAT_LIMBS = 12;

/* Little-endian limbs: limb[0] holds bits 0 to 31. */
struct Nat {
    uint32_t limb[NAT_LIMBS];
};

/* ---- gfmath.cc: unsigned working numbers ---- */
Nat nat_small(uint32_t value);
Nat nat_power_of_two(int bit);
bool nat_is_zero(const Nat &a);
int nat_compare(const Nat &a, const Nat &b);
Nat nat_add(const Nat &a, const Nat &b);              /* modulo 2^384 */
Nat nat_sub(const Nat &a, const Nat &b);              /* modulo 2^384 */
Nat nat_mul(const Nat &a, const Nat &b);              /* low 384 bits */
Nat nat_mul_small(const Nat &a, uint32_t k);
Nat nat_shift_left(const Nat &a, int count);
Nat nat_shift_right(const Nat &a, int count);
Nat nat_low_bits(const Nat &a, int count);            /* a mod 2^count */
/* Quotient into `a`; returns the remainder.  `d` must not be 0. */
uint32_t nat_div_small(Nat &a, uint32_t d);
/* Quotient and remainder of a / b; `b` must not be 0. */
void nat_divmod(const Nat &a, const Nat &b, Nat &quotient, Nat &remainder);

/* ---- gfmath.cc: between the two representations ---- */
/* The 168-bit pattern of `a`, read as an unsigned number. */
Nat nat_from_pint(const pint *a);
/* The low 168 bits of `n`, as a pattern. */
void nat_to_pint(pint *result, const Nat &n);
bool pint_is_negative(const pint *a);
bool pint_is_zero(const pint *a);
/* |a| (2^167 for the most negative value). */
Nat pint_magnitude(const pint *a);
/* The low 168 bits of (negative ? -magnitude : magnitude). */
void pint_from_magnitude(pint *result, const Nat &magnitude, bool negative);

#endif
