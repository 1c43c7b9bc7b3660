/*
** tests/support/preal_test.cc
** Decimal values: parsing, images, arithmetic and conversion to integers.
*/
#include "bignum_oracle.h"
#include "diag.h"
#include "support.h"

#include <gtest/gtest.h>

#include <random>

namespace {

preal parse(const char *text)
{
    preal r;
    preal_parse(&r, text);
    return r;
}

std::string image(const preal &r, int digits = 19)
{
    std::string text;
    preal_image(&r, text, digits);
    return text;
}

class PrealTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { open_listing(nullptr, false); }
};

struct RoundTrip {
    const char *literal;
    int digits;
    const char *expected;
};

TEST_F(PrealTest, LiteralsReadBackToTheirDigits)
{
    const RoundTrip cases[] = {
        {"0", 19, "0.0"},
        {"0.000", 19, "0.0"},
        {"-0", 19, "0.0"},
        {"1", 19, "0.1E1"},
        {"123", 19, "0.123E3"},
        {"0.5", 19, "0.5"},
        {".5", 19, "0.5"},
        {"5.", 19, "0.5E1"},
        {"0.1", 19, "0.1"},
        {"0.3", 19, "0.3"},
        {"0.7", 19, "0.7"},
        {"3.14159", 19, "0.314159E1"},
        {"3.14159", 3, "0.314E1"},
        {"3.14159", 0, "0.314159E1"},
        {"3.14159", 25, "0.314159E1"},
        {"00012.50", 19, "0.125E2"},
        {"-42.5", 19, "-0.425E2"},
        {"0.000123", 19, "0.123E-3"},
        {"2.5e-3", 19, "0.25E-2"},
        {"1e10", 19, "0.1E11"},
        {"1E+3", 19, "0.1E4"},
        {"1.5f", 19, "0.15E1"},
        {"1E-300", 19, "0.1E-299"},
        {"6.02214076e23", 19, "0.602214076E24"},
        {"1.7976931348623157e308", 19, "0.17976931348623157E309"},
        {"4.9406564584124654e-324", 19, "0.49406564584124654E-323"},
        {"12345678901234567890123", 19, "0.1234567890123456789E23"},
        {"1" "0000000000" "0000000000" "0000000000" "0000000000" "0000000000"
         "0000000000" "0000000000" "0000000000" "0000000000" "0000000000", 19,
         "0.1E101"},
        {"0.0000000000000000000000000000000000000000000000000000000000000000000000042",
         19, "0.42E-71"},
        /* The last of the digits asked for is rounded only in two cases. */
        {"99999999999999999999", 19, "0.1E21"},
        {"0.9999999999999999999999", 19, "0.1E1"},
        {"0.1999999999999999999", 19, "0.2"},
        {"0.19999999999999999994", 19, "0.2"},
        {"1.0000000000000000001", 19, "0.1E1"},
        {"1.000000000000000002", 19, "0.1E1"},
        {"1.000000000000000005", 19, "0.1000000000000000005E1"},
        {"9.876543210987654321", 19, "0.9876543210987654321E1"},
        {"1.234567890123456789e-10", 19, "0.1234567890123456789E-9"},
        {"0.3333333333333333333", 19, "0.3333333333333333333"},
        {"0.1999999999999999996", 19, "0.1999999999999999996"},
        {"0.97", 1, "0.9"},
        {"0.997", 3, "0.1E1"},
    };
    for (const RoundTrip &c : cases)
        EXPECT_EQ(image(parse(c.literal), c.digits), c.expected) << c.literal;
}

TEST_F(PrealTest, AbsurdExponentsStayBounded)
{
    EXPECT_EQ(image(parse("1e99999999999999999999999")), "0.1E1073741824");
    EXPECT_EQ(image(parse("1e-99999999999999999999999")), "0.1E-1073741824");
    preal big = parse("1e900000000"), tiny = parse("1e-900000000"), sum;
    preal_add(&sum, &big, &tiny);
    EXPECT_EQ(image(sum), "0.1E900000001");
    preal_mul(&sum, &big, &big);
    EXPECT_EQ(image(sum), "0.1E1073741824");
    EXPECT_GT(preal_compare(&big, &tiny), 0);
}

struct Arithmetic {
    const char *a;
    char op;
    const char *b;
    const char *expected;
};

TEST_F(PrealTest, Arithmetic)
{
    const Arithmetic cases[] = {
        {"0.1", '+', "0.2", "0.3"},
        {"1", '-', "1", "0.0"},
        {"1000", '-', "0.001", "0.999999E3"},
        {"-5", '+', "3", "-0.2E1"},
        {"-5", '-', "-7", "0.2E1"},
        {"0", '+', "-2.5", "-0.25E1"},
        {"2.5", '-', "0", "0.25E1"},
        {"1e100", '+', "1", "0.1E101"},
        {"1.5", '*', "-2", "-0.3E1"},
        {"1e200", '*', "1e200", "0.1E401"},
        {"0", '*', "7", "0.0"},
        {"0.001", '*', "0.001", "0.1E-5"},
        {"1", '/', "3", "0.3333333333333333333"},
        {"2", '/', "3", "0.6666666666666666666"},
        {"10", '/', "4", "0.25E1"},
        {"-1", '/', "8", "-0.125"},
        {"0", '/', "8", "0.0"},
        {"1e-200", '/', "1e200", "0.1E-399"},
    };
    for (const Arithmetic &c : cases) {
        preal a = parse(c.a), b = parse(c.b), r;
        switch (c.op) {
        case '+': preal_add(&r, &a, &b); break;
        case '-': preal_sub(&r, &a, &b); break;
        case '*': preal_mul(&r, &a, &b); break;
        default: preal_div(&r, &a, &b); break;
        }
        EXPECT_EQ(image(r), c.expected) << c.a << " " << c.op << " " << c.b;
    }
}

TEST_F(PrealTest, DivisionByZeroIsACountedError)
{
    preal one = parse("1"), zero = parse("0"), r = one;
    int before = error_count();
    preal_div(&r, &one, &zero);
    EXPECT_EQ(error_count() - before, 1);
    EXPECT_EQ(image(r), "0.0");
}

TEST_F(PrealTest, CompareBySignExponentAndMantissa)
{
    const struct {
        const char *a, *b;
        int order;
    } cases[] = {
        {"1", "2", -1}, {"2", "1", 1}, {"-1", "1", -1}, {"1", "-1", 1},
        {"0", "-1", 1}, {"0", "1", -1}, {"-1", "0", -1}, {"0", "0", 0},
        {"1.5e3", "1500", 0}, {"-2", "-1", -1}, {"-1e5", "-1e3", -1},
        {"1e-5", "1e-3", -1}, {"123.4", "123.5", -1}, {"-123.4", "-123.5", 1},
    };
    for (const auto &c : cases) {
        preal a = parse(c.a), b = parse(c.b);
        int order = preal_compare(&a, &b);
        EXPECT_EQ((order > 0) - (order < 0), c.order) << c.a << " vs " << c.b;
    }
}

TEST_F(PrealTest, ToPintIsTheFloor)
{
    const struct {
        const char *literal;
        long long expected;
        int status;
    } cases[] = {
        {"0", 0, 1}, {"123", 123, 1}, {"123.7", 123, 1}, {"-123.7", -124, 1},
        {"-123", -123, 1}, {"0.5", 0, 1}, {"-0.5", -1, 1}, {"0.001", 0, 1},
        {"-0.001", -1, 1}, {"1e18", 1000000000000000000LL, 1},
        {"9.223372036854775807e18", 9223372036854775807LL, 1},
        {"0.3e1", 3, 1}, {"1e48", 0, 0}, {"-1e60", 0, 0},
    };
    for (const auto &c : cases) {
        preal r = parse(c.literal);
        pint result = PINT_ONE;
        EXPECT_EQ(preal_to_pint(&result, &r), c.status) << c.literal;
        EXPECT_TRUE(Big::from_pint(result) == Big(c.expected)) << c.literal;
    }
    /* The widest integers still convert exactly. */
    preal r = parse("123456789012345678901234567890123456789012345678");
    pint result;
    EXPECT_EQ(preal_to_pint(&result, &r), 1);
    std::string text;
    pint_image(&result, 1, 0, text);
    EXPECT_EQ(text, "123456789012345678901234567890123456789012345678");
}

/* from_pint then to_pint gives the integer back, for every magnitude up to
** 48 digits; arithmetic on such values agrees with exact integers. */
TEST_F(PrealTest, IntegersSurviveTheRoundTripAndArithmetic)
{
    std::mt19937_64 gen(5);
    for (int i = 0; i < 3000; i++) {
        Big value = Big(static_cast<long long>(gen() >> (gen() % 64)));
        if (i % 3 == 0)
            value = value * Big(static_cast<long long>(gen() >> 1)) *
                    Big(static_cast<long long>(gen() >> 34));
        if (gen() & 1)
            value = -value;
        pint p = value.to_pint(), back;
        preal r;
        preal_from_pint(&r, &p);
        ASSERT_EQ(preal_to_pint(&back, &r), 1);
        ASSERT_TRUE(Big::from_pint(back) == value) << image(r);
    }
    for (int i = 0; i < 2000; i++) {
        long long x = static_cast<long long>(gen() % 2000000001) - 1000000000;
        long long y = static_cast<long long>(gen() % 2000000001) - 1000000000;
        pint px = Big(x).to_pint(), py = Big(y).to_pint(), out;
        preal rx, ry, r;
        preal_from_pint(&rx, &px);
        preal_from_pint(&ry, &py);
        preal_add(&r, &rx, &ry);
        preal_to_pint(&out, &r);
        ASSERT_TRUE(Big::from_pint(out) == Big(x + y)) << x << " + " << y;
        preal_sub(&r, &rx, &ry);
        preal_to_pint(&out, &r);
        ASSERT_TRUE(Big::from_pint(out) == Big(x - y)) << x << " - " << y;
        preal_mul(&r, &rx, &ry);
        preal_to_pint(&out, &r);
        ASSERT_TRUE(Big::from_pint(out) == Big(x) * Big(y)) << x << " * " << y;
        if (y == 0)
            continue;
        preal_div(&r, &r, &ry);
        preal_to_pint(&out, &r);
        ASSERT_TRUE(Big::from_pint(out) == Big(x)) << x << " * " << y << " / " << y;
        int order = preal_compare(&rx, &ry);
        ASSERT_EQ((order > 0) - (order < 0), (x > y) - (x < y)) << x << " vs " << y;
    }
}

TEST_F(PrealTest, FromPintOfTheExtremes)
{
    pint max = (Big::power_of_two(167) - Big(1)).to_pint();
    pint min = (-Big::power_of_two(167)).to_pint();
    preal r;
    preal_from_pint(&r, &max);
    EXPECT_EQ(image(r), "0.1870722095783555735E51");
    preal_from_pint(&r, &min);
    EXPECT_EQ(image(r), "-0.1870722095783555735E51");
    pint out = PINT_ONE;
    EXPECT_EQ(preal_to_pint(&out, &r), 0);
    EXPECT_EQ(pint_compare(&out, &PINT_ZERO), 0);
}

TEST_F(PrealTest, NormaliseAndLogicalNot)
{
    preal r = PREAL_ZERO;
    r.mantissa.b[0] = 25;          /* 25.0 * 10^0 */
    r.exponent = 1;
    preal_normalise(&r);
    EXPECT_EQ(r.mantissa.b[0], 2);
    EXPECT_EQ(r.exponent, 2);
    EXPECT_EQ(image(r), "0.25E2");

    r = PREAL_ZERO;
    r.mantissa.b[0] = static_cast<unsigned char>(-25);   /* negative mantissa */
    r.exponent = 1;
    preal_normalise(&r);
    EXPECT_EQ(r.sign, 1);
    EXPECT_EQ(image(r), "-0.25E2");

    r = PREAL_ZERO;
    r.mantissa.b[20] = 1;          /* 2^-8 = 0.00390625 */
    r.sign = 1;
    r.exponent = 5;
    preal_normalise(&r);
    EXPECT_EQ(image(r), "-0.390625E2");

    r = PREAL_ZERO;
    r.sign = 1;
    r.exponent = 9;
    preal_normalise(&r);
    EXPECT_EQ(r.sign, 0);
    EXPECT_EQ(r.exponent, 0);

    pint truth;
    preal_logical_not(&truth, &r);
    EXPECT_EQ(pint_compare(&truth, &PINT_ONE), 0);
    r = parse("0.0001");
    preal_logical_not(&truth, &r);
    EXPECT_EQ(pint_compare(&truth, &PINT_ZERO), 0);
}

} // namespace
