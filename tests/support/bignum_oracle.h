/*
** tests/support/bignum_oracle.h
** An independent exact integer for checking the 168-bit arithmetic.
**
** Sign and magnitude of any size, with schoolbook operations on 16-bit
** digits: deliberately unlike the fixed-width two's-complement code under
** test, so that the two share no mistakes.  Conversion to and from the
** `pint` byte layout is done bit by bit.
*/
#ifndef ZRS_TEST_BIGNUM_ORACLE_H
#define ZRS_TEST_BIGNUM_ORACLE_H

#include "support.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

class Big {
public:
    Big() = default;
    Big(long long value)
    {
        negative_ = value < 0;
        unsigned long long m = negative_ ? 0ULL - static_cast<unsigned long long>(value)
                                         : static_cast<unsigned long long>(value);
        for (; m; m >>= 16)
            digits_.push_back(static_cast<uint16_t>(m & 0xFFFF));
    }

    static Big power_of_two(int n)
    {
        Big r;
        r.digits_.assign(n / 16 + 1, 0);
        r.digits_[n / 16] = static_cast<uint16_t>(1u << (n % 16));
        return r;
    }

    /* The signed value of the 168-bit pattern: the unsigned reading, less
    ** 2^168 when the top bit is set. */
    static Big from_pint(const pint &p)
    {
        std::vector<uint16_t> m(11, 0);
        for (int bit = 0; bit < 168; bit++)
            if (pattern_bit(p, bit))
                m[bit / 16] = static_cast<uint16_t>(m[bit / 16] | (1u << (bit % 16)));
        Big r = make(m, false);
        return pattern_bit(p, 167) ? r - power_of_two(168) : r;
    }

    /* The value modulo 2^168, as a pattern: the low 168 bits of the
    ** magnitude, subtracted from 2^168 for a negative value. */
    pint to_pint() const
    {
        std::vector<uint16_t> low(digits_.begin(),
                                  digits_.begin() + std::min<size_t>(digits_.size(), 11));
        if (low.size() == 11)
            low[10] &= 0xFF;
        Big rest = make(low, false);
        if (negative_ && !rest.is_zero())
            rest = power_of_two(168) - rest;
        pint p = {};
        for (int bit = 0; bit < 168; bit++) {
            int digit = bit / 16;
            if (digit < static_cast<int>(rest.digits_.size()) &&
                ((rest.digits_[digit] >> (bit % 16)) & 1))
                p.b[bit >= 160 ? 0 : bit / 8 + 1] |= 1 << (bit % 8);
        }
        return p;
    }

    bool fits_168() const
    {
        return !(*this < -power_of_two(167)) && *this < power_of_two(167);
    }
    bool is_zero() const { return digits_.empty(); }
    bool is_negative() const { return negative_; }

    friend Big operator-(Big a)
    {
        if (!a.is_zero())
            a.negative_ = !a.negative_;
        return a;
    }
    friend Big operator+(const Big &a, const Big &b)
    {
        if (a.negative_ == b.negative_)
            return make(add_mag(a.digits_, b.digits_), a.negative_);
        if (cmp_mag(a.digits_, b.digits_) >= 0)
            return make(sub_mag(a.digits_, b.digits_), a.negative_);
        return make(sub_mag(b.digits_, a.digits_), b.negative_);
    }
    friend Big operator-(const Big &a, const Big &b) { return a + (-b); }
    friend Big operator*(const Big &a, const Big &b)
    {
        std::vector<uint32_t> cells(a.digits_.size() + b.digits_.size() + 1, 0);
        for (size_t i = 0; i < a.digits_.size(); i++)
            for (size_t j = 0; j < b.digits_.size(); j++) {
                cells[i + j] += uint32_t(a.digits_[i]) * b.digits_[j];
                for (size_t k = i + j; cells[k] > 0xFFFF; k++) {
                    cells[k + 1] += cells[k] >> 16;
                    cells[k] &= 0xFFFF;
                }
            }
        std::vector<uint16_t> m(cells.begin(), cells.end());
        return make(m, a.negative_ != b.negative_);
    }
    friend bool operator<(const Big &a, const Big &b)
    {
        Big d = a - b;
        return d.negative_;
    }
    friend bool operator==(const Big &a, const Big &b)
    {
        return a.negative_ == b.negative_ && a.digits_ == b.digits_;
    }

    /* Quotient rounded toward minus infinity; b must not be 0. */
    static Big floor_div(const Big &a, const Big &b)
    {
        Big q = make(div_mag(a.digits_, b.digits_), a.negative_ != b.negative_);
        if (a.negative_ != b.negative_ && !(q * b == a))
            q = q - Big(1);
        return q;
    }
    static Big floor_mod(const Big &a, const Big &b)
    {
        return a - floor_div(a, b) * b;
    }
    Big abs() const { return negative_ ? -*this : *this; }

private:
    static int pattern_bit(const pint &p, int bit)
    {
        unsigned char byte = p.b[bit >= 160 ? 0 : bit / 8 + 1];
        return (byte >> (bit % 8)) & 1;
    }
    static Big make(std::vector<uint16_t> m, bool negative)
    {
        while (!m.empty() && m.back() == 0)
            m.pop_back();
        Big r;
        r.digits_ = m;
        r.negative_ = negative && !m.empty();
        return r;
    }
    static int cmp_mag(const std::vector<uint16_t> &a, const std::vector<uint16_t> &b)
    {
        if (a.size() != b.size())
            return a.size() < b.size() ? -1 : 1;
        for (size_t i = a.size(); i-- > 0;)
            if (a[i] != b[i])
                return a[i] < b[i] ? -1 : 1;
        return 0;
    }
    static std::vector<uint16_t> add_mag(const std::vector<uint16_t> &a,
                                         const std::vector<uint16_t> &b)
    {
        std::vector<uint16_t> r;
        uint32_t carry = 0;
        for (size_t i = 0; i < a.size() || i < b.size() || carry; i++) {
            uint32_t s = carry + (i < a.size() ? a[i] : 0) + (i < b.size() ? b[i] : 0);
            r.push_back(static_cast<uint16_t>(s));
            carry = s >> 16;
        }
        return r;
    }
    /* a >= b */
    static std::vector<uint16_t> sub_mag(const std::vector<uint16_t> &a,
                                         const std::vector<uint16_t> &b)
    {
        std::vector<uint16_t> r;
        int32_t borrow = 0;
        for (size_t i = 0; i < a.size(); i++) {
            int32_t d = int32_t(a[i]) - (i < b.size() ? b[i] : 0) - borrow;
            borrow = d < 0;
            r.push_back(static_cast<uint16_t>(d + (borrow << 16)));
        }
        return r;
    }
    /* Truncated quotient of magnitudes: restoring division, one bit of
    ** the dividend at a time into a running remainder. */
    static std::vector<uint16_t> div_mag(const std::vector<uint16_t> &a,
                                         const std::vector<uint16_t> &b)
    {
        std::vector<uint16_t> rest, q(a.size(), 0);
        for (int bit = static_cast<int>(a.size()) * 16 - 1; bit >= 0; bit--) {
            uint16_t carry = (a[bit / 16] >> (bit % 16)) & 1;
            for (uint16_t &digit : rest) {
                uint16_t out = digit >> 15;
                digit = static_cast<uint16_t>((digit << 1) | carry);
                carry = out;
            }
            if (carry)
                rest.push_back(carry);
            while (!rest.empty() && rest.back() == 0)
                rest.pop_back();
            if (cmp_mag(rest, b) >= 0) {
                rest = sub_mag(rest, b);
                while (!rest.empty() && rest.back() == 0)
                    rest.pop_back();
                q[bit / 16] = static_cast<uint16_t>(q[bit / 16] | (1u << (bit % 16)));
            }
        }
        return q;
    }

    bool negative_ = false;
    std::vector<uint16_t> digits_;   /* little-endian 16-bit digits */
};

#endif
