/*
** tests/support/gfmath_test.cc
** The 168-bit integers against an independent exact oracle.
**
** Operands are the boundary values (0, +-1, +-2^k, +-2^k +- 1 for every k,
** the extremes) plus random patterns sign-extended from random widths.
** Every result is compared with exact arithmetic done by the oracle, and
** so is whether an OVERFLOW or DIVBYZERO error was counted.
*/
#include "bignum_oracle.h"
#include "diag.h"
#include "support.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

struct Operand {
    pint value;
    Big exact;
};

std::string hex(const pint &p)
{
    std::string text;
    pint_image(&p, 8, 168, text);
    return text;
}

/* Errors counted while `step` runs. */
int errors_during(const std::function<void()> &step)
{
    int before = error_count();
    step();
    return error_count() - before;
}

Operand operand(const Big &exact)
{
    return Operand{exact.to_pint(), exact};
}

std::vector<Operand> boundary_operands()
{
    std::vector<Operand> list;
    for (int k = 0; k <= 167; k++) {
        Big p = Big::power_of_two(k);
        for (const Big &v : {p, p - Big(1), p + Big(1), -p, -p - Big(1), -p + Big(1)})
            if (v.fits_168())
                list.push_back(operand(v));
    }
    list.push_back(operand(Big(0)));
    list.push_back(operand(Big::power_of_two(167) - Big(1)));
    list.push_back(operand(-Big::power_of_two(167)));
    return list;
}

/* A random pattern sign-extended from a random width, so that small and
** large magnitudes of both signs are all common. */
std::vector<Operand> random_operands(int count, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<Operand> list;
    for (int i = 0; i < count; i++) {
        pint p;
        for (unsigned char &byte : p.b)
            byte = static_cast<unsigned char>(gen());
        pint_sign_extend(&p, 1 + static_cast<int>(gen() % 168));
        list.push_back(Operand{p, Big::from_pint(p)});
    }
    return list;
}

class GfmathTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        open_listing(nullptr, false);   /* keep the counted errors quiet */
        operands_ = boundary_operands();
        std::vector<Operand> more = random_operands(400, 1234);
        operands_.insert(operands_.end(), more.begin(), more.end());
    }

    /* Pairs: all pairs of the extremes, then every operand with a spread
    ** of others. */
    template <typename Check>
    void for_pairs(Check check)
    {
        std::vector<Operand> extremes;
        Big top = Big::power_of_two(167);
        for (const Big &v : {Big(0), Big(1), Big(-1), Big(2), Big(-2), top - Big(1), -top,
                             -top + Big(1), Big::power_of_two(83), -Big::power_of_two(84),
                             Big::power_of_two(166), -Big::power_of_two(166)})
            extremes.push_back(operand(v));
        for (const Operand &a : extremes)
            for (const Operand &b : extremes)
                check(a, b);
        std::mt19937 gen(99);
        size_t n = operands_.size();
        for (size_t i = 0; i < n; i++)
            for (int j = 0; j < 12; j++)
                check(operands_[i], operands_[gen() % n]);
    }

    static std::vector<Operand> operands_;
};

std::vector<Operand> GfmathTest::operands_;

typedef void (*BinaryOp)(pint *, const pint *, const pint *);

struct ArithmeticCase {
    const char *name;
    BinaryOp op;
    std::function<Big(const Big &, const Big &)> exact;
};

TEST_F(GfmathTest, AddSubMulAgreeWithExactArithmeticAndReportOverflow)
{
    const ArithmeticCase cases[] = {
        {"add", pint_add, [](const Big &a, const Big &b) { return a + b; }},
        {"sub", pint_sub, [](const Big &a, const Big &b) { return a - b; }},
        {"mul", pint_mul, [](const Big &a, const Big &b) { return a * b; }},
    };
    for (const ArithmeticCase &c : cases)
        for_pairs([&](const Operand &a, const Operand &b) {
            Big exact = c.exact(a.exact, b.exact);
            pint result;
            int errors = errors_during([&] { c.op(&result, &a.value, &b.value); });
            ASSERT_EQ(hex(result), hex(exact.to_pint()))
                << c.name << " " << hex(a.value) << " " << hex(b.value);
            ASSERT_EQ(errors, exact.fits_168() ? 0 : 1)
                << c.name << " " << hex(a.value) << " " << hex(b.value);
        });
}

TEST_F(GfmathTest, ResultMayOverwriteAnOperand)
{
    pint a, b;
    pint_from_int(&a, 1000);
    pint_from_int(&b, -3);
    pint_mul(&a, &a, &b);
    pint_sub(&b, &a, &b);
    pint_divmod(&a, &b, &a, &b);   /* -2997 / -3000 */
    int32_t q, r;
    pint_to_int(&q, &a);
    pint_to_int(&r, &b);
    EXPECT_EQ(q, 0);
    EXPECT_EQ(r, 2997);
}

/* Quotient rounds toward minus infinity; the remainder is |a - q * b|. */
TEST_F(GfmathTest, DivmodFloorsWithNonNegativeRemainder)
{
    for_pairs([&](const Operand &a, const Operand &b) {
        pint q, r;
        int errors = errors_during([&] { pint_divmod(&q, &a.value, &b.value, &r); });
        if (b.exact.is_zero()) {
            ASSERT_EQ(errors, 1);
            ASSERT_EQ(pint_compare(&q, &PINT_ZERO), 0);
            ASSERT_EQ(pint_compare(&r, &PINT_ZERO), 0);
            return;
        }
        Big exact_q = Big::floor_div(a.exact, b.exact);
        Big exact_r = (a.exact - exact_q * b.exact).abs();
        ASSERT_EQ(hex(q), hex(exact_q.to_pint())) << hex(a.value) << " / " << hex(b.value);
        ASSERT_EQ(hex(r), hex(exact_r.to_pint())) << hex(a.value) << " / " << hex(b.value);
        ASSERT_EQ(errors, exact_q.fits_168() ? 0 : 1) << hex(a.value) << " / " << hex(b.value);
    });
}

TEST_F(GfmathTest, DivmodSignCases)
{
    const struct {
        int a, b, q, r;
    } cases[] = {
        {7, 2, 3, 1}, {-7, 2, -4, 1}, {7, -2, -4, 1}, {-7, -2, 3, 1},
        {6, -2, -3, 0}, {-6, 2, -3, 0}, {0, -5, 0, 0}, {5, 7, 0, 5}, {-5, 7, -1, 2},
    };
    for (const auto &c : cases) {
        pint a, b, q, r;
        pint_from_int(&a, c.a);
        pint_from_int(&b, c.b);
        pint_divmod(&q, &a, &b, &r);
        int32_t qi, ri;
        pint_to_int(&qi, &q);
        pint_to_int(&ri, &r);
        EXPECT_EQ(qi, c.q) << c.a << " / " << c.b;
        EXPECT_EQ(ri, c.r) << c.a << " / " << c.b;
    }
}

TEST_F(GfmathTest, SmallDivisionAddAndMultiply)
{
    const uint32_t ks[] = {0, 1, 2, 10, 255, 65536, 0x7FFFFFFF, 0xFFFFFFFF};
    for (const Operand &a : operands_)
        for (uint32_t k : ks) {
            pint sum, product;
            int sum_errors = errors_during([&] { pint_add_small(&sum, &a.value, k); });
            int mul_errors = errors_during([&] { pint_mul_small(&product, &a.value, k); });
            Big exact_sum = a.exact + Big(k), exact_product = a.exact * Big(k);
            ASSERT_EQ(hex(sum), hex(exact_sum.to_pint())) << hex(a.value) << " + " << k;
            ASSERT_EQ(sum_errors, exact_sum.fits_168() ? 0 : 1) << hex(a.value) << " + " << k;
            ASSERT_EQ(hex(product), hex(exact_product.to_pint())) << hex(a.value) << " * " << k;
            ASSERT_EQ(mul_errors, exact_product.fits_168() ? 0 : 1)
                << hex(a.value) << " * " << k;
            if (k == 0 || k > 255)
                continue;
            pint q;
            int r = -1;
            div_euclid_pint(&q, &a.value, static_cast<int>(k), &r);
            Big exact_q = Big::floor_div(a.exact, Big(k));
            ASSERT_EQ(hex(q), hex(exact_q.to_pint())) << hex(a.value) << " / " << k;
            ASSERT_TRUE(Big(r) == a.exact - exact_q * Big(k)) << hex(a.value) << " / " << k;
        }
}

/* Checked through arithmetic identities rather than bit by bit:
** a + b = (a ^ b) + 2(a & b), a | b = (a & b) + (a ^ b), ~a = -a - 1. */
TEST_F(GfmathTest, BitwiseOperationsSatisfyArithmeticIdentities)
{
    for_pairs([&](const Operand &a, const Operand &b) {
        pint both, either, one, complement;
        pint_and(&both, &a.value, &b.value);
        pint_or(&either, &a.value, &b.value);
        pint_xor(&one, &a.value, &b.value);
        pint_not(&complement, &a.value);
        Big x = Big::from_pint(both), z = Big::from_pint(one);
        ASSERT_EQ(hex((a.exact + b.exact).to_pint()), hex((z + x + x).to_pint()));
        ASSERT_EQ(hex(either), hex((x + z).to_pint()));
        ASSERT_EQ(hex(complement), hex((-a.exact - Big(1)).to_pint()));
    });
}

/* Left: a * 2^n modulo 2^168; right: floor(a / 2^n).  Only the count's
** low byte matters, and a negative count gives 0. */
TEST_F(GfmathTest, ShiftsAgreeWithMultiplicationAndFloorDivision)
{
    std::mt19937 gen(7);
    for (const Operand &a : operands_)
        for (int n : {0, 1, 7, 8, 9, 63, 64, 100, 159, 160, 167, 168, 200, 255,
                      static_cast<int>(gen() % 256)}) {
            pint count, left, right;
            pint_from_int(&count, n + 256 * static_cast<int>(gen() % 4));
            int errors = errors_during([&] {
                pint_shift_left(&left, &a.value, &count);
                pint_shift_right(&right, &a.value, &count);
            });
            Big scale = Big::power_of_two(n);
            ASSERT_EQ(hex(left), hex((a.exact * scale).to_pint())) << hex(a.value) << " << " << n;
            ASSERT_EQ(hex(right), hex(Big::floor_div(a.exact, scale).to_pint()))
                << hex(a.value) << " >> " << n;
            ASSERT_EQ(errors, 0);
        }
    pint minus_one, result;
    pint_from_int(&minus_one, -1);
    for (const Operand &a : operands_) {
        pint_shift_left(&result, &a.value, &minus_one);
        ASSERT_EQ(pint_compare(&result, &PINT_ZERO), 0);
        pint_shift_right(&result, &a.value, &minus_one);
        ASSERT_EQ(pint_compare(&result, &PINT_ZERO), 0);
    }
}

TEST_F(GfmathTest, CompareOrdersBySignedValue)
{
    for_pairs([&](const Operand &a, const Operand &b) {
        int expected = a.exact < b.exact ? -1 : b.exact < a.exact ? 1 : 0;
        ASSERT_EQ(pint_compare(&a.value, &b.value), expected)
            << hex(a.value) << " " << hex(b.value);
    });
}

/* truncate(a, n) = a mod 2^n; sign_extend(a, n) reads the low n bits as
** signed; fits(a, n) holds when a equals the extension of its low n + 1. */
TEST_F(GfmathTest, BitFieldsAgreeWithModularArithmetic)
{
    for (const Operand &a : operands_)
        for (int n : {1, 8, 16, 31, 32, 63, 64, 100, 127, 128, 160, 167}) {
            pint truncated = a.value, extended = a.value;
            pint_truncate(&truncated, n);
            pint_sign_extend(&extended, n);
            Big low = Big::floor_mod(a.exact, Big::power_of_two(n));
            Big signed_low = low < Big::power_of_two(n - 1) ? low : low - Big::power_of_two(n);
            ASSERT_EQ(hex(truncated), hex(low.to_pint())) << hex(a.value) << " " << n;
            ASSERT_EQ(hex(extended), hex(signed_low.to_pint())) << hex(a.value) << " " << n;
            pint wider = a.value;
            pint_sign_extend(&wider, n + 1);
            ASSERT_EQ(pint_fits(&a.value, n, 0), pint_compare(&wider, &a.value) == 0)
                << hex(a.value) << " " << n;
        }
}

TEST_F(GfmathTest, FitsWithNegativePositionUsesTheReferenceBit)
{
    pint minus_one, one;
    pint_from_int(&minus_one, -1);
    EXPECT_EQ(pint_fits(&minus_one, -1, 1), 1);
    EXPECT_EQ(pint_fits(&minus_one, -1, 0), 0);
    EXPECT_EQ(pint_fits(&PINT_ZERO, -1, 0), 1);
    EXPECT_EQ(pint_fits(&PINT_ONE, -1, 0), 0);
    EXPECT_EQ(pint_fits(&PINT_ONE, 167, 0), 1);
    one = PINT_ONE;
    pint_truncate(&one, 0);
    EXPECT_EQ(pint_compare(&one, &PINT_ZERO), 0);
}

TEST_F(GfmathTest, IntConversions)
{
    pint p;
    pint_from_int(&p, -1);
    for (unsigned char byte : p.b)
        EXPECT_EQ(byte, 0xFF);
    EXPECT_EQ(pint_compare(&p, &PINT_ZERO), -1);

    const struct {
        long long value;
        int32_t expected;
        int errors;
    } cases[] = {
        {0, 0, 0}, {1, 1, 0}, {-1, -1, 0}, {2147483647LL, 2147483647, 0},
        {-2147483647LL, -2147483647, 0}, {2147483648LL, 0, 1},
        {-2147483648LL, 0, 1}, {4294967296LL, 0, 1}, {-4294967297LL, 0, 1},
    };
    for (const auto &c : cases) {
        pint value = Big(c.value).to_pint();
        int32_t n = 12345;
        int errors = errors_during([&] { pint_to_int(&n, &value); });
        EXPECT_EQ(n, c.expected) << c.value;
        EXPECT_EQ(errors, c.errors) << c.value;
    }
}

TEST_F(GfmathTest, NamedEdgeCases)
{
    pint max = (Big::power_of_two(167) - Big(1)).to_pint(), result;
    EXPECT_EQ(errors_during([&] { pint_add(&result, &max, &PINT_ONE); }), 1);
    EXPECT_EQ(hex(result), hex((-Big::power_of_two(167)).to_pint()));

    pint seven, q, r;
    pint_from_int(&seven, 7);
    EXPECT_EQ(errors_during([&] { pint_divmod(&q, &seven, &PINT_ZERO, &r); }), 1);

    pint_logical_not(&result, &PINT_ZERO);
    EXPECT_EQ(pint_compare(&result, &PINT_ONE), 0);
    pint_logical_not(&result, &seven);
    EXPECT_EQ(pint_compare(&result, &PINT_ZERO), 0);
}

struct ImageCase {
    long long value;
    int format;
    int width;
    const char *expected;
    int errors;
};

TEST_F(GfmathTest, Images)
{
    const ImageCase cases[] = {
        {255, 0, 0, "00FFH", 0},
        {255, 8, 0, "0x00FF", 0},
        {255, 1, 0, "255", 0},
        {0, 1, 0, "0", 0},
        {0, 0, 0, "00H", 0},
        {0, 8, 0, "0x00", 0},
        {-1, 0, 0, "0FFH", 0},
        {-1, 8, 0, "0xFF", 0},
        {-1, 3, 0, "-1", 0},
        {-256, 8, 0, "0xFF00", 0},
        {-128, 8, 0, "0xFF80", 0},
        {128, 8, 0, "0x0080", 0},
        {0xABCD, 0, 0, "00ABCDH", 0},
        {5, 2, 0, "0000000000000101B", 0},
        {5, 7, 0, "0b0000000000000101", 0},
        {-2, 7, 0, "0b1111111111111110", 0},
        {1000000007LL, 6, 0, "1000000007", 0},
        {-9223372036854775807LL, 1, 0, "-9223372036854775807", 0},
        {255, 8, 8, "0xFF", 0},
        {-1, 8, 8, "0xFF", 0},
        {-1, 0, 16, "0FFFFH", 0},
        {0x1234, 8, 12, "0x1234", 0},
        {256, 8, 8, "0x00", 1},
        {0x12345, 8, 16, "0x2345", 1},
        {-70000, 0, 16, "0EE90H", 1},
        {-70000, 0, 24, "0FEEE90H", 0},
        {1, 8, 64, "0x0000000000000001", 0},
    };
    for (const ImageCase &c : cases) {
        pint value = Big(c.value).to_pint();
        std::string text = "stale";
        int errors = errors_during([&] { pint_image(&value, c.format, c.width, text); });
        EXPECT_EQ(text, c.expected) << c.value << " format " << c.format << " width " << c.width;
        EXPECT_EQ(errors, c.errors) << c.value << " format " << c.format << " width " << c.width;
    }
    /* Beyond 160 bits the width itself is an overflow; at most 21 bytes. */
    std::string text;
    EXPECT_EQ(errors_during([&] { pint_image(&PINT_ONE, 8, 161, text); }), 1);
    EXPECT_EQ(text, "0x" + std::string(40, '0') + "01");
    pint minus_one = Big(-1).to_pint();
    EXPECT_EQ(errors_during([&] { pint_image(&minus_one, 8, 300, text); }), 1);
    EXPECT_EQ(text, "0x" + std::string(42, 'F'));
}

TEST_F(GfmathTest, ImagesOfTheExtremes)
{
    std::string text;
    pint most_negative = (-Big::power_of_two(167)).to_pint();
    pint_image(&most_negative, 1, 0, text);
    EXPECT_EQ(text, "-187072209578355573530071658587684226515959365500928");
    pint_image(&most_negative, 0, 0, text);
    EXPECT_EQ(text, "80" + std::string(40, '0') + "H");
    pint top_byte_only = Big::power_of_two(160).to_pint();
    pint_image(&top_byte_only, 8, 0, text);
    EXPECT_EQ(text, "0x01" + std::string(40, '0'));
}

/* Each operand's decimal image, read back digit by digit through the
** small operations, gives the operand again. */
TEST_F(GfmathTest, DecimalImageReadsBackThroughSmallOperations)
{
    for (const Operand &a : operands_) {
        std::string text;
        pint_image(&a.value, 1, 0, text);
        Big value;
        for (char c : text)
            if (c != '-')
                value = value * Big(10) + Big(c - '0');
        if (text[0] == '-')
            value = -value;
        ASSERT_TRUE(value == a.exact) << text;
    }
}

TEST(ParseSmallInt, DecimalAndHexadecimal)
{
    const struct {
        const char *text;
        int32_t expected;
    } cases[] = {
        {"0", 0}, {"42", 42}, {"2147483647", 2147483647}, {"1Fh", 31}, {"ffH", 255},
        {"10h", 16}, {"12ab", 12}, {"", 0}, {nullptr, 0}, {"4294967295", -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parse_small_int(c.text), c.expected) << (c.text ? c.text : "(null)");
}

/* Misuse ends the run with status 9 and an internal-error line at the
** current position. */
TEST(GfmathDeathTest, MisuseIsAnInternalError)
{
    init_bibli_messages();
    pint q;
    int r;
    for (int d : {0, 256, -1})
        EXPECT_EXIT(
            {
                open_listing(nullptr, true);
                set_current_line(12);
                div_euclid_pint(&q, &PINT_ONE, d, &r);
            },
            ::testing::ExitedWithCode(9),
            "Korvat-S-ERRINTFCT,  \\[12\\] Internal error in the function "
            "gfmath div_euclid_pint");
    std::string text;
    for (int format : {4, 5, 9, -1})
        EXPECT_EXIT(
            {
                open_listing(nullptr, true);
                set_current_file("a.h");
                set_current_line(3);
                pint_image(&PINT_ONE, format, 0, text);
            },
            ::testing::ExitedWithCode(9),
            "Korvat-S-TRFSTRINT,  \\[a.h:3\\] Cannot convert string gfmath "
            "pint_image into an integer value");
}

} // namespace
