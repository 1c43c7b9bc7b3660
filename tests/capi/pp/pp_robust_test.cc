/*
** tests/capi/pp/pp_robust_test.cc
** Preprocessor robustness: pathological inputs end with diagnostics,
** never a crash, a hang or quadratic time; the macro table's hash.
*/
#include "pp_internal.h"
#include "pp_test_util.h"

#include <gtest/gtest.h>

namespace {

TEST(PpRobust, UnterminatedEverything)
{
    const char *const inputs[] = {
        "/* never closed",       "\"never closed",      "'x",
        "#define f(x) x\nf(1, (2", "#if 1\n#ifdef A\n",  "#define g(",
        "#if (1\n#endif",        "#include \"",         "#include <",
        "#define s(x) #x\ns(\"", "#if '\n#endif",
    };
    for (const char *input : inputs) {
        PpRun run = pp_run(input);
        EXPECT_FALSE(run.reports.empty()) << input;
    }
    /* A lone backslash is just text. */
    EXPECT_EQ(pp_run("\\").tokens(), "\\");
}

TEST(PpRobust, TenMegabyteLine)
{
    std::string line = "#define X (1+2)\n";
    line.reserve(10u << 20);
    while (line.size() < (10u << 20))
        line += "X + ";
    line += "X\n";
    PpRun run = pp_run(line);
    EXPECT_GT(run.out.size(), 10u << 20);
    EXPECT_EQ(run.codes(), "");
}

TEST(PpRobust, MillionTokenExpansion)
{
    /* Each level doubles: L20 expands to 2^20 "x" tokens. */
    std::string text = "#define L0 x\n";
    for (int i = 1; i <= 20; i++)
        text += "#define L" + std::to_string(i) + " L" + std::to_string(i - 1) +
                " L" + std::to_string(i - 1) + "\n";
    text += "L20\n";
    PpRun run = pp_run(text);
    EXPECT_EQ(run.out.size(), (2u << 20) + strlen("#line 22 \"t.c\"\n"));
}

TEST(PpRobust, ExponentialExpansionIsStopped)
{
    /* Doubling through arguments: 2^40 tokens if nothing stopped it. */
    std::string text = "#define d(x) x x\n#define L0 y\n";
    for (int i = 1; i <= 40; i++)
        text += "#define L" + std::to_string(i) + " d(L" +
                std::to_string(i - 1) + ")\n";
    text += "L40\nnext\n";
    PpRun run = pp_run(text);
    EXPECT_TRUE(run.has("NBRECURSI"));
    EXPECT_LT(run.out.size(), size_t(1) << 26);
}

TEST(PpRobust, DeepNestingHitsTheStackLimit)
{
    std::string text = "#define f(x) x\n";
    for (int i = 0; i < 3000; i++)
        text += "f(";
    text += "1";
    for (int i = 0; i < 3000; i++)
        text += ")";
    PpRun run = pp_run(text);
    EXPECT_TRUE(run.has("NBRECURSI"));
    std::string parens = "#if " + std::string(5000, '(') + "1" +
                         std::string(5000, ')') + "\n#endif\n";
    EXPECT_TRUE(pp_run(parens).has("EXPERRONE"));
    std::string unary = "#if " + std::string(100000, '-') + "1\n#endif\n";
    EXPECT_TRUE(pp_run(unary).has("EXPERRONE"));
}

TEST(PpRobust, VariadicLimitIsFatal)
{
    std::string text = "#define v(...) __VA_ARGS__\nv(" +
                       std::string(10000, 'a') + ")\nafter\n";
    PpRun run = pp_run(text);
    const CapturedReport *r = run.find("TOMANYARG");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->severity, 1);
    EXPECT_EQ(run.out.find("after"), std::string::npos);
    EXPECT_EQ(pp_run("#define v(...) __VA_ARGS__\nv(" +
                     std::string(9999, 'a') + ")").codes(), "");
}

TEST(PpRobust, LongMacroChainsTerminate)
{
    std::string text;
    for (int i = 0; i < 500; i++)
        text += "#define M" + std::to_string(i) + " M" +
                std::to_string(i + 1) + "\n";
    text += "#define M500 M0\nM0\n";
    EXPECT_EQ(pp_run(text).tokens(), "M0");
}

TEST(PpMacroTable, HashAndBuckets)
{
    EXPECT_EQ(pp_macro_hash("A", 1), 65u);
    EXPECT_EQ(pp_macro_hash("AB", 2), 326u);
    /* 17 bytes of 0xff overflow 32 bits; the top bit is cleared. */
    std::string wide(17, '\xff');
    uint32_t h = 0;
    for (char c : wide)
        h = h * 4 + static_cast<unsigned char>(c);
    EXPECT_EQ(pp_macro_hash(wide.data(), wide.size()), (h & 0x7fffffffu) % 1403);
    /* The newest definition of a bucket is found first. */
    pp_run("#define A 1");
    unsigned bucket = pp_macro_hash("A", 1);
    ASSERT_FALSE(pp_macros.buckets[bucket].empty());
    EXPECT_EQ(pp_macros.buckets[bucket].back().macro->name, "A");
}

} // namespace
