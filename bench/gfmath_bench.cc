/*
** bench/gfmath_bench.cc
** Speed of the big-integer and decimal operations on typical constants:
** 64-bit-sized operands for the integers, short literals for the decimals.
*/
#include "support.h"

#include <benchmark/benchmark.h>

namespace {

pint from_parts(int32_t high, int32_t low)
{
    pint a, b, shift;
    pint_from_int(&a, high);
    pint_from_int(&b, low);
    pint_from_int(&shift, 32);
    pint_shift_left(&a, &a, &shift);
    pint_xor(&a, &a, &b);
    return a;
}

void BM_PintAdd(benchmark::State &state)
{
    pint a = from_parts(0x12345678, 0x9abcdef), b = from_parts(-77, 99), r;
    for (auto _ : state) {
        pint_add(&r, &a, &b);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_PintAdd);

void BM_PintMul(benchmark::State &state)
{
    pint a = from_parts(0x12345678, 0x9abcdef), b = from_parts(-77, 99), r;
    for (auto _ : state) {
        pint_mul(&r, &a, &b);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_PintMul);

void BM_PintDivmod(benchmark::State &state)
{
    pint a = from_parts(0x12345678, 0x9abcdef), b = from_parts(0, 1000003), q, r;
    for (auto _ : state) {
        pint_divmod(&q, &a, &b, &r);
        benchmark::DoNotOptimize(q);
    }
}
BENCHMARK(BM_PintDivmod);

void BM_PintDecimalImage(benchmark::State &state)
{
    pint a = from_parts(-0x12345678, 0x9abcdef);
    std::string text;
    for (auto _ : state) {
        pint_image(&a, 1, 0, text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_PintDecimalImage);

void BM_PintHexImage(benchmark::State &state)
{
    pint a = from_parts(-0x12345678, 0x9abcdef);
    std::string text;
    for (auto _ : state) {
        pint_image(&a, 8, 64, text);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_PintHexImage);

void BM_PrealParse(benchmark::State &state)
{
    preal r;
    for (auto _ : state) {
        preal_parse(&r, "3.14159265358979e-3");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_PrealParse);

void BM_PrealImage(benchmark::State &state)
{
    preal r;
    preal_parse(&r, "3.14159265358979e-3");
    std::string text;
    for (auto _ : state) {
        preal_image(&r, text, 19);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_PrealImage);

void BM_PrealAddMul(benchmark::State &state)
{
    preal a, b, r;
    preal_parse(&a, "2.5e10");
    preal_parse(&b, "-1.25e-3");
    for (auto _ : state) {
        preal_add(&r, &a, &b);
        preal_mul(&r, &r, &b);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_PrealAddMul);

void BM_PrealDiv(benchmark::State &state)
{
    preal a, b, r;
    preal_parse(&a, "2.5e10");
    preal_parse(&b, "-1.25e-3");
    for (auto _ : state) {
        preal_div(&r, &a, &b);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_PrealDiv);

} // namespace
