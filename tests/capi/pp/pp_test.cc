/*
** tests/capi/pp/pp_test.cc
** Preprocessor unit tests: expansion, #if arithmetic, diagnostics with
** their code, severity, position and argument, line markers, includes,
** definitions, restrictions and pragmas.
*/
#include "pp_test_util.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

struct Expansion {
    const char *input;
    const char *tokens;
};

const Expansion expansions[] = {
    {"#define A 1\nA", "1"},
    {"#define f(x) (x+1)\nf(f(2))", "( ( 2 + 1 ) + 1 )"},
    {"#define a a\na", "a"},
    {"#define a b\n#define b a\na b", "a b"},
    {"#define f(x) x f\nf(1)(2)", "1 f ( 2 )"},
    {"#define f(x) x\nf(f)(1)", "f ( 1 )"},
    {"#define cat(a,b) a##b\ncat(x,y) cat(,z) cat(1,) cat(,)", "xy z 1"},
    {"#define ab 42\n#define cat(a,b) a##b\ncat(a,b)", "42"},
    {"#define cat(a,b) a##b\ncat(+,/)", "+ /"},
    {"#define P x ## y\nP", "xy"},
    {"#define x 2\n#define f(a) #a a\nf(x)", "\"x\" 2"},
    {"#define s(x) #x\ns( a  \"b\\n\"  c )", R"("a \"b\\n\" c")"},
    {"#define s(x) #x\ns(a\001b)", R"("a\001b")"},
    {"#define v(a, ...) a:__VA_ARGS__\nv(1) v(1,2,3)", "1 : 1 : 2 , 3"},
    {"#define v(...) [__VA_ARGS__]\nv()", "[ ]"},
    {"#define w(a, rest...) a rest\nw(1,2,3)", "1 2 , 3"},
    {"#define f(x) x\nf + f(3)", "f + 3"},
    {"#define f(x,y) x y\nf(1,\n2) z", "1 2 z"},
    {"#define E\n#define g() G\ng E ()", "g ( )"},
    {"#define m -\n-m", "- -"},
    {"#define f(x) x\nf((a,b))", "( a , b )"},
    {"#define q(x) x\nq(\"a,b\" ',')", "\"a,b\" ','"},
    {"#define A 1\n#undef A\nA", "A"},
    {"#define LEFT f(\n#define f(x) <x>\nLEFT 2)", "< 2 >"},
    {"#foo bar baz", "# foo bar baz"},
    {"a /* c\n */ b // d\nc", "a b c"},
    {"a\\\nb", "ab"},
    {"#if 0\n#if garbage (\n#else\nno\n#endif\n#elif 1\nyes\n#else\nno\n#endif",
     "yes"},
    {"#ifdef UNDEF\nno\n#elif defined ZRK_LINUX && USE_ZRS\nyes\n#endif", "yes"},
    {"#ifndef UNDEF\nyes\n#endif", "yes"},
    {"#if 0\n/* #endif */ \" #endif\n#endif\nafter", "after"},
};

TEST(PpExpansion, TokenStreams)
{
    for (const Expansion &c : expansions) {
        PpRun run = pp_run(c.input);
        EXPECT_EQ(run.tokens(), c.tokens) << c.input;
    }
}

struct Condition {
    const char *expression;
    bool value;
};

/* The 32-bit target rules for unsigned "*", "/", "%", relations, shifts. */
const Condition conditions[] = {
    {"1u > -1", false},
    {"-1 < 0", true},
    {"-1 < 0u", false},
    {"0xFFFFFFFF + 1 == 0x100000000", true},
    {"0x100000001u * 2 == 2", true},
    {"0x100000007u % 4 == 3", true},
    {"1u << 32 == 1", true},
    {"1 << 32 == 0x100000000", true},
    {"-8 >> 1 == -4", true},
    {"(0x100000000u >> 1) == 0", true},
    {"~0u == 0xFFFFFFFFFFFFFFFF", true},
    {"-1 / 2u == 0x7FFFFFFF", true},
    {"'a' == 97 && '\\n' == 10 && '\\e' == 27 && '\\101' == 65", true},
    {"'\\^A' == 1 && '\\^?' == 127", true},
    {"'\\377' < 0", true},
    {"'ab' == 24930", true},
    {"sizeof(int) == 4 && sizeof(char) == 1 && sizeof(long) == 4", true},
    {"sizeof(unsigned short) == 2 && sizeof(unknown_t) == 0", true},
    {"1 ? 2 : 0", true},
    {"0 || 0", false},
    {"07 == 7 && 010 == 8 && 0x1F == 31 && 10L == 10 && 5lu == 5", true},
    {"UNDEFINED_NAME == 0", true},
    {"defined(ZRK_LINUX) && !defined NOPE", true},
    {"#machine(ZRK_LINUX) && !#machine(NOPE)", true},
    {"#lint(on) == 0", true},
    {"(((((1)))))", true},
    {"-(-9223372036854775807 - 1) / -1 < 0", true},
};

TEST(PpCondition, Arithmetic)
{
    for (const Condition &c : conditions) {
        PpRun run = pp_run(std::string("#if ") + c.expression +
                           "\nyes\n#else\nno\n#endif\n");
        EXPECT_EQ(run.tokens(), c.value ? "yes" : "no") << c.expression;
        EXPECT_TRUE(run.reports.empty()) << c.expression << ": " << run.codes();
    }
}

TEST(PpCondition, CharUnsigned)
{
    PpRun run = pp_run("#if '\\377' > 0\nyes\n#endif", {"__CHAR_UNSIGNED__"});
    EXPECT_EQ(run.tokens(), "yes");
}

struct Diagnostic {
    const char *input;
    const char *code;
    int severity;
    int line;
    const char *text;
    const char *tokens;   /* output, or null when not checked */
};

const Diagnostic diagnostics[] = {
    {"#define 3x 1", "INVAMACRO", 3, 1, "3x 1", ""},
    {"#define defined 1", "INVDEFINE", 3, 1, "", ""},
    {"#define f(1x) x", "PARASTART", 3, 1, "1x", ""},
    {"#define f(a,...,b) x", "BADPARDEF", 3, 1, "another parameter follow \"...\"", ""},
    {"#define f(a,..) x", "BADPARDEF", 3, 1, "\"...\" expected", ""},
    {"#define f(a b) x", "BADPARDEF", 3, 1, "b) x", ""},
    {"#define f(a", "UNTPARDEF", 3, 1, "f", ""},
    {"#define f(a) #b\nf(1)", "OPERMACRO", 3, 1, "f", "f ( 1 )"},
    {"#define A 1\n#define A 2\nA", "IDENREDEF", 3, 2, "A", "2"},
    {"#undef __LINE__\n__LINE__", "UNDEFININ", 3, 1, "__LINE__", "__LINE__"},
    {"#undef defined", "UNDEFININ", 3, 1, "defined", ""},
    {"#define f(x) x\n\nf(1", "ERRINLINE", 3, 3, "unterminated macro call", "1"},
    {"#define f(x) x\nf(1,2)", "TOMANYARG", 3, 2, "f", "1"},
    {"#define f(x) x\nf()", "NOARTOMAC", 3, 2, "f", ""},
    {"#define f(x,y) x y\nf(1)", "NBARGMACR", 3, 2, "f", "1"},
    {"#define f() x\nf(1)", "ARGTOMACR", 3, 2, "f", "x"},
    {"#ifdef\n#endif", "NOARGUMEN", 3, 1, "#ifdef", ""},
    {"#ifndef +\n#endif", "ARGPUNCTU", 3, 1, "#ifndef", ""},
    {"#ifdef A B\nno\n#endif", "INVALIEND", 3, 1, "#ifdef", ""},
    {"#if 1\n#else\n#else\n#endif", "ELIFAELSE", 3, 3, "#else", ""},
    {"#if 1\n#else\n#elif 1\n#endif", "MATCHLINE", 4, 3, " 1", ""},
    {"\n#else", "NOCONDITI", 3, 2, "#else", ""},
    {"#elif 1", "NOCONDITI", 3, 1, "#elif", ""},
    {"#endif", "NOCONDITI", 3, 1, "#endif", ""},
    {"\n#if 1\nx", "UNTERCOND", 3, 2, "if", "x"},
    {"#if 0\n#else\n", "UNTERCOND", 3, 1, "else", ""},
    {"#ifndef Q\n#elif 1\n", "UNTERCOND", 3, 1, "elif", ""},
    {"#if defined(\n#endif", "ERDEFINED", 3, 1, "", ""},
    {"#if\nyes\n#endif", "EMPTYEXPR", 3, 1, "#if", ""},
    {"#if 1/0\nyes\n#endif", "DIVISZERO", 3, 1, "#if", "yes"},
    {"#if 0 && 1%0\nyes\n#endif", "DIVISZERO", 3, 1, "#if", ""},
    {"#if 1.0\nyes\n#endif", "EXPERRONE", 3, 1, "1.0", ""},
    {"#if \"s\"\nyes\n#endif", "EXPERRONE", 3, 1, "\"s\"", ""},
    {"#if 111111111 + 222222222 + 333333333 + 444444444 + 5.5\nyes\n#endif",
     "EXPERRONE", 3, 1, "222222222 + 333333333 + 444444444 + 5.5", ""},
    {"#if 1 2\nyes\n#endif", "ERRAFTEND", 3, 1, "2", "yes"},
    {"\n\n#error stop here", "WARNERR", 3, 3, "stop here", ""},
    {"#warning careful", "WARNERR", 3, 1, "careful", ""},
    {"#pragma zirko incl_std", "SYNTAXERR", 3, 1, "empty pragma zirko incl_std", nullptr},
    {"#pragma zirko type_modifier 3x", "TYPMODINC", 3, 1, "3x", nullptr},
    {"#pragma zirko bogus", "PRAGMAINC", 3, 1, "bogus", nullptr},
    {"a /* open\n\n", "UNTERCOMM", 3, 3, "", "a"},
    {"x\nchar *s = \"abc;\ny", "UNTERSTRI", 3, 2, "", nullptr},
    {"#include foo", "ERINCLUDE", 3, 1, "foo", ""},
    {"#include \"no_such_header_zz.h\"\nafter", "IMPOUVFIC", 1, 1,
     "no_such_header_zz.h", ""},
};

TEST(PpDiagnostics, CodeSeverityPositionText)
{
    for (const Diagnostic &d : diagnostics) {
        PpRun run = pp_run(d.input);
        const CapturedReport *r = run.find(d.code);
        ASSERT_NE(r, nullptr) << d.input << " gave: " << run.codes();
        EXPECT_EQ(r->severity, d.severity) << d.input;
        EXPECT_EQ(r->line, d.line) << d.input;
        EXPECT_EQ(r->file, "t.c") << d.input;
        EXPECT_EQ(r->text, d.text) << d.input;
        if (d.tokens) {
            EXPECT_EQ(run.tokens(), d.tokens) << d.input;
        }
    }
}

TEST(PpDiagnostics, SilentCases)
{
    const char *const quiet[] = {
        "#define A 1 + 2\n#define A 1+2",
        "#undef __STDC__",
        "#define __STDC__ 1",
        "#define v(a, ...) a\nv(1)",
        "#define v(...) x\nv()",
        "#if 0\n#bogus\n#error no\n#endif",
        "#pragma zirko incl a, \"b c\"",
        "#pragma zirko start",
        "#pragma other words",
        "#\n",
    };
    for (const char *input : quiet) {
        PpRun run = pp_run(input);
        EXPECT_EQ(run.codes(), "") << input;
    }
}

TEST(PpDiagnostics, MatchLineInAnotherFileAndNoFile)
{
    PpRun run = pp_run("#if 0\n#else\n#line 10 \"other.c\"\n#else\n#endif");
    const CapturedReport *r = run.find("MATCHLINE");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->text, " 1 file t.c");
    EXPECT_EQ(r->file, "other.c");
    EXPECT_EQ(r->line, 10);

    /* An internal text has no file: __LINE__ still gives a number. */
    run = pp_run("");
    std::string out;
    pp_process_text("__LINE__ __FILE__", true, nullptr, 1, out);
    EXPECT_EQ(c_tokens(out), (std::vector<std::string>{"1", "\"\""}));
}

TEST(PpRestrictions, KandRAndAnsi)
{
    PpStartOptions kr, ansi;
    kr.kr = true;
    ansi.ansi = true;
    EXPECT_EQ(pp_run("__STDC__").tokens(), "0");
    EXPECT_EQ(pp_run("__STDC__", {}, {}, ansi).tokens(), "0");
    EXPECT_EQ(pp_run("__STDC__", {}, {}, kr).tokens(), "__STDC__");
    EXPECT_EQ(pp_run("#define f(x) x\nf()", {}, {}, kr).codes(), "");
    EXPECT_EQ(pp_run("#define f(x,y) x\nf()", {}, {}, kr).codes(), "NOARTOMAC");
    EXPECT_EQ(pp_run("#ifdef\n#endif\n#ifdef +\n#endif\n#ifdef A B\n#endif",
                     {}, {}, kr).codes(), "");
    EXPECT_EQ(pp_run("#ifdef 1\n#endif", {}, {}, ansi).codes(), "STARTDIGI");
    EXPECT_EQ(pp_run("#ifdef 1\n#endif").codes(), "ARGPUNCTU");
}

TEST(PpDefinitions, CommandLine)
{
    PpRun run = pp_run("A B C D", {"A", "B=2", "C=x\\\ny", "=1", "D(x)=x",
                                   "E=a\\\r\nb"});
    EXPECT_EQ(run.tokens(), "1 2 xy D");
    ASSERT_EQ(run.codes(), "MALFOROPT MALFOROPT");
    EXPECT_EQ(run.reports[0].text, "-D=1");
    EXPECT_EQ(run.reports[1].text, "-DD(x)=x");
    EXPECT_EQ(run.reports[0].severity, 3);
    EXPECT_TRUE(pp_is_macro("E"));
    EXPECT_TRUE(pp_is_macro("ZRK_LINUX") && pp_is_macro("USE_ZRS") &&
                pp_is_macro("ZRK_CPLUSPLUS_LANGUAGE"));
    EXPECT_FALSE(pp_is_macro("D"));
}

TEST(PpBuiltins, Values)
{
    PpRun run = pp_run("\n\n__LINE__ __FILE__ __BASE_FILE__ __INCLUDE_LEVEL__");
    EXPECT_EQ(run.tokens(), "3 \"t.c\" \"t.c\" 0");
    std::string dir = make_temp_dir();
    write_file(dir + "/d.c", "__DATE__ __TIME__\n");
    RunResult r = run_program(ZRS_PPDUMP, {"d.c"}, dir,
                              {{"SOURCE_DATE_EPOCH", "97445"}});
    EXPECT_EQ(c_tokens(r.out),
              (std::vector<std::string>{"\"Jan  2 1970\"", "\"03:04:05\""}));
}

TEST(PpOutput, LineMarkers)
{
    EXPECT_EQ(pp_run("a\n\n\n\nb").out, "#line 1 \"t.c\"\na\n\n\n\nb\n");
    EXPECT_EQ(pp_run("a\n\n\n\n\n\n\n\n\n\nb").out,
              "#line 1 \"t.c\"\na\n#line 11 \"t.c\"\nb\n");
    EXPECT_EQ(pp_run("#if 0\n\n\n\n\n\n\n\n\n#endif\nb").out,
              "#line 11 \"t.c\"\nb\n");
    EXPECT_EQ(pp_run("#line 40 \"o.c\"\nx").out, "#line 40 \"o.c\"\nx\n");
    EXPECT_EQ(pp_run("#pragma zirko sizeof int 32\nx").out,
              "#line 1 \"t.c\"\n#pragma zirko sizeof int 32\nx\n");
    PpRun run = pp_run("#line 7\n__LINE__ __FILE__");
    EXPECT_EQ(run.tokens(), "7 \"t.c\"");
}

class PpFiles : public ::testing::Test {
protected:
    std::string root = make_temp_dir();
    void put(const std::string &name, const std::string &text)
    {
        write_file(root + "/" + name, text);
    }
};

TEST_F(PpFiles, SearchOrder)
{
    ASSERT_EQ(system(("mkdir -p " + root + "/inc1 " + root + "/inc2 " +
                      root + "/src").c_str()), 0);
    put("src/main.h", "#include \"y.h\"\n#include \"z.h\"\n");
    put("src/y.h", "Y_FROM_SRC\n");
    put("src/z.h", "Z_FROM_SRC\n");
    put("inc1/z.h", "Z_FROM_INC1\n");
    put("inc1/n.h", "N1\n#include_next <n.h>\n");
    put("inc2/n.h", "N2\n");
    TextList dirs = {root + "/inc1", root + "/inc2"};
    PpRun run = pp_run("#include \"" + root + "/src/main.h\"\n#include <n.h>\n",
                       {}, dirs);
    EXPECT_EQ(run.tokens(), "Y_FROM_SRC Z_FROM_INC1 N1 N2");
    EXPECT_EQ(run.codes(), "");
    EXPECT_NE(run.out.find("#line 1 \"" + root + "/src/y.h\""), std::string::npos);
    EXPECT_EQ(pp_included_files().size(), 5u);
}

TEST_F(PpFiles, MacroOperandAndFileEnds)
{
    put("x.h", "X\n");
    put("u.h", "#endif\n");
    put("o.h", "\n#if 1\n");
    std::string text = "#define H \"" + root + "/x.h\"\n#include H\n"
                       "#if 1\n#include \"" + root + "/u.h\"\n#endif\n"
                       "#include \"" + root + "/o.h\"\nafter\n";
    PpRun run = pp_run(text);
    EXPECT_EQ(run.tokens(), "X after");
    EXPECT_EQ(run.codes(), "UNBAENDIF UNTERCOND");
    ASSERT_EQ(run.reports.size(), 2u);
    EXPECT_EQ(run.reports[0].file, root + "/u.h");
    EXPECT_EQ(run.reports[1].file, root + "/o.h");
    EXPECT_EQ(run.reports[1].line, 2);
}

TEST_F(PpFiles, RecursiveIncludeStopsAtTheLimit)
{
    put("r.h", "r\n#include \"r.h\"\n");
    PpRun run = pp_run("#include \"" + root + "/r.h\"\nnot_reached\n");
    ASSERT_EQ(run.codes(), "NBRECURSI");
    EXPECT_EQ(run.reports[0].severity, 1);
    EXPECT_EQ(run.out.find("not_reached"), std::string::npos);
    /* The table and stack are usable again afterwards. */
    std::string out;
    EXPECT_EQ(pp_process_text("#define Q 5\nQ", true, "again.c", 1, out), 0);
    EXPECT_EQ(c_tokens(out), std::vector<std::string>{"5"});
}

TEST_F(PpFiles, BinaryInclude)
{
    std::string junk;
    for (int i = 0; i < 8192; i++)
        junk.push_back(static_cast<char>((i * 7919) % 256));
    put("bin.h", junk);
    PpRun run = pp_run("#include \"" + root + "/bin.h\"\nend_marker\n");
    EXPECT_NE(run.out.find("end_marker"), std::string::npos);
}

TEST(PpSearchList, Environment)
{
    setenv("ZRSTGT", "C:\\tgt", 1);
    setenv("ZRW_ADD_USR_INCLUDE", "", 1);
    pp_run("", {}, {"first"});
    unsetenv("ZRSTGT");
    unsetenv("ZRW_ADD_USR_INCLUDE");
    EXPECT_EQ(pp_standard_include_dirs(),
              (TextList{"C:\\\\tgt/lib", "/usr/include", "/usr/local/include"}));
    setenv("ZRKTGT", "/k", 1);
    PpRun run = pp_run("#pragma zirko incl a, \"b c\" d");
    unsetenv("ZRKTGT");
    EXPECT_EQ(pp_standard_include_dirs(), (TextList{"/k/lib", "a", "b c", "d"}));
}

TEST(PpPragmas, ZirkoKeywordsAndAnalysisFlag)
{
    PpRun run = pp_run("#pragma zirko type_modifier far, near\n#pragma once\n");
    EXPECT_TRUE(pp_is_type_modifier("far"));
    EXPECT_TRUE(pp_is_type_modifier("near"));
    EXPECT_FALSE(pp_is_type_modifier("huge"));

    std::string text = "a\n#pragma zirko stop\nb\n#pragma zirko start_analyze\nc\n";
    std::string out;
    pp_process_text(text.c_str(), false, "s.c", 1, out);
    EXPECT_EQ(c_tokens(out), (std::vector<std::string>{
                                 "a", "#", "pragma", "zirko", "stop", "#",
                                 "pragma", "zirko", "start_analyze", "c"}));
    EXPECT_TRUE(pp_analysis_enabled());
    pp_process_text(text.c_str(), true, "s.c", 1, out);
    EXPECT_NE(out.find("\nb\n"), std::string::npos);

    /* A recorded pragma pair expands its replacement out of sight. */
    PpRun pair = pp_run("#pragma zirko pragma mine EXP\n#define f(x) x\n"
                        "#define EXP f(\n"
                        "#pragma mine now\nz");
    EXPECT_EQ(pair.codes(), "ERRINLINE NOARTOMAC");
}

TEST(PpEnd, UndefinesOrdinaryMacrosOnly)
{
    pp_run("#define KEEP_ME 1");
    EXPECT_TRUE(pp_is_macro("KEEP_ME"));
    pp_end();
    EXPECT_FALSE(pp_is_macro("KEEP_ME"));
    EXPECT_FALSE(pp_is_macro("ZRK_LINUX"));
    EXPECT_TRUE(pp_is_macro("__LINE__"));
    EXPECT_TRUE(pp_is_macro("__STDC__"));
}

} // namespace
