/*
** tests/script/syntax_errors_test.cc
** Syntax errors and bad input, end to end: the listing's diagnostics (code,
** position, order) and the exit status of the compiler.
*/
#include "script_int.h"

#include "diag.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <sys/stat.h>

namespace {

const std::string header = "HEADER \"a\", \"b\", \"c\"\n";

/* The listing without banner lines, each line cut after its position. */
std::string diagnostics(const std::string &listing)
{
    std::istringstream in(listing);
    std::string line, out;
    std::regex shape("^Korvat-(.)-([A-Z_]+), +(\\[[^\\]]*\\])?.*$");
    while (std::getline(in, line)) {
        std::smatch m;
        if (!std::regex_match(line, m, shape) || m[2] == "STARTEXEC" ||
            m[2] == "COPYRIGHT" || m[2] == "ENDERRNWR" || m[2] == "ENDNOENWR")
            continue;
        out += m[1].str() + " " + m[2].str();
        if (m[3].matched)
            out += " " + m[3].str();
        out += "\n";
    }
    return out;
}

struct Outcome {
    int status;
    std::string listing;
};

Outcome compile(const std::string &dir, const std::string &script,
            const std::string &name = "s.pts")
{
    write_file(dir + "/" + name, script);
    write_file(dir + "/i.h", "int i;\n");
    RunResult r = run_compiler_binary({name, "i.h", "out"}, dir);
    std::string base = name.substr(0, name.rfind('.'));
    return {r.status, diagnostics(read_file(dir + "/" + base + ".lis"))};
}

struct ErrorCase {
    const char *name;
    std::string script;
    int status;
    const char *listing;
};

class SyntaxErrorTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(SyntaxErrorTest, Listing)
{
    Outcome run = compile(make_temp_dir(), GetParam().script);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.listing, GetParam().listing);
}

const ErrorCase error_cases[] = {
    {"valid script", header + "#int x;\nSCENARIO s\n  EXIT\nEND SCENARIO\n", 0, ""},
    {"missing END PROC",
     header + "PROC p()\n  EXIT\nSCENARIO s\n  EXIT\nEND SCENARIO\n", 5,
     "E UNEXPSCEN [s.pts:4]\nE UNEXPSCEN [s.pts:6]\n"},
    {"end of line inside a call, then end of file in a block",
     header + "#x\nSCENARIO s\n  CALL p(x\n  EXIT\n  IF (x) THEN\n  EXIT\n", 5,
     "E UNEXPTRET [s.pts:4]\nE UNEXPTEOF [s.pts:8]\n"},
    {"parsing resumes at the next line",
     header + "TIMER t x\nTIMER u y\nTIMER v\nSCENARIO s\n  EXIT 1\n  EXIT\n"
              "  WAITTIL(a, 1) x\nEND SCENARIO\n",
     5,
     "E UNEXPIDNT [s.pts:2]\nE UNEXPIDNT [s.pts:3]\nE UNEXPDECM [s.pts:6]\n"
     "E UNEXPIDNT [s.pts:8]\n"},
    {"errors in an instance block",
     header + "INSTANCE i :\nTIMER t x\nTIMER u y\nEND INSTANCE\n", 5,
     "E UNEXPIDNT [s.pts:3]\nE UNEXPIDNT [s.pts:4]\n"},
    {"unknown sequences", header + "#x\nSCENARIO s\n  EXIT ?\nEND SCENARIO\n", 5,
     "E LEXSEQUNK [s.pts:4]\n"},
    {"Windows line ends", "HEADER \"a\", \"b\", \"c\"\r\n#x\r\n", 5,
     "E LEXSEQUNK [s.pts:1]\n"},
    {"COMMTYPE then TRIGGER",
     header + "COMMTYPE c IS b\nTRIGGER t e\nSCENARIO s\n  EXIT\nEND SCENARIO\n", 5,
     "E LEXSEQUNK [s.pts:3]\n"},
    {"keywords out of place",
     header + "#x\nSCENARIO s\n  THEN\n  EXIT\n  ELSE\n  EXIT\n  WHEN\n  EXIT\n"
              "  OTHERS\n  EXIT\n  IS\nEND SCENARIO\n",
     5,
     "E UNEXPTHEN [s.pts:4]\nE UNEXPELSE [s.pts:6]\nE UNEXPWHEN [s.pts:8]\n"
     "E UNEXPOTHR [s.pts:10]\nE UNEXPTKIS [s.pts:12]\n"},
    {"errors are not reported until three tokens are shifted",
     header + "#x\nSCENARIO s\n  THEN\n  ELSE\n  EXIT\n  WHEN\nEND SCENARIO\n",
     5, "E UNEXPTHEN [s.pts:4]\nE UNEXPWHEN [s.pts:7]\n"},
    {"virtual keywords out of place",
     header + "#x\nSCENARIO s\n  VIRTUALCALLBACK\n  EXIT\n  VIRTUALPROCSEND\n"
              "END SCENARIO\n",
     5, "E UNEXPCLBK [s.pts:4]\nE UNEXPPSND [s.pts:6]\n"},
    {"script without header", "SCENARIO s\n", 5, "E UNEXPSCEN [s.pts:1]\n"},
    {"empty script", "", 5, "E UNEXPTEOF [s.pts:1]\n"},
    {"binary content", std::string("\x7f" "ELF\x02\x01\x01\0\0\0", 10), 5,
     "E LEXSEQUNK [s.pts:1]\n"},
    {"NUL bytes", header + std::string("#x\nSCENARIO s\n  EXIT \0\nEND SCENARIO\n", 34),
     5, "E LEXSEQUNK [s.pts:4]\n"},
    {"no final newline", header + "#int x;\nSCENARIO s\n  EXIT\nEND SCENARIO", 0, ""},
    {"line too long", header + "#" + std::string(15000, 'x') + "\n", 7,
     "F LEXTKTLNG [s.pts:2]\n"},
    {"longest token accepted",
     header + "#int " + std::string(14993, 'x') + ";\nSCENARIO s\n  EXIT\nEND SCENARIO\n",
     0, ""},
    {"long comment", header + "-- " + std::string(10000000, 'x') +
                         "\n#int x;\nSCENARIO s\n  EXIT\nEND SCENARIO\n",
     0, ""},
    {"unbalanced parenthesis stays on its line",
     header + "#x\nSCENARIO s\n  IF ((x) THEN\n  EXIT\n  END IF\nEND SCENARIO\n", 5,
     "E UNEXPTRET [s.pts:4]\nE UNEXPTKIF [s.pts:6]\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SyntaxErrorTest, ::testing::ValuesIn(error_cases),
                         [](const auto &info) { return test_name(info.param.name); });

std::string nested(const char *open, const char *close, int depth)
{
    std::string s = header + "#int x;\nSCENARIO s\n";
    for (int i = 0; i < depth; i++)
        s += open;
    s += "EXIT\n";
    for (int i = 0; i < depth; i++)
        s += close;
    return s + "END SCENARIO\n";
}

TEST(BadInput, DeepNesting)
{
    std::string dir = make_temp_dir();
    EXPECT_EQ(compile(dir, nested("WHILE (x)\n", "END WHILE\n", 3000)).status, 0);
    /* Beyond the parser stack: one syntax error, no crash. */
    Outcome deep = compile(dir, nested("IF (x) THEN\n", "END IF\n", 20000));
    EXPECT_EQ(deep.status, 5);
    EXPECT_EQ(std::count(deep.listing.begin(), deep.listing.end(), '\n'), 1);
}

TEST(BadInput, Includes)
{
    std::string dir = make_temp_dir();
    write_file(dir + "/self.pts", header + "INCLUDE \"self.pts\"\n");
    write_file(dir + "/b.pts", "INCLUDE \"./a.pts\"\n");
    write_file(dir + "/locked.pts", "TIMER t\n");
    chmod((dir + "/locked.pts").c_str(), 0);
    mkdir((dir + "/sub").c_str(), 0755);
    struct {
        const char *name;
        std::string script;
        const char *listing;
    } cases[] = {
        {"self.pts", header + "INCLUDE \"self.pts\"\n", "F INCLOOPDT [self.pts:2]\n"},
        {"a.pts", header + "INCLUDE \"b.pts\"\n", "F INCLOOPDT [b.pts:1]\n"},
        {"a.pts", header + "\nINCLUDE \"missing.pts\"\n", "F CANNOTOPN [a.pts:3]\n"},
        {"a.pts", header + "INCLUDE \"sub\"\n", "F CANNOTOPN [a.pts:2]\n"},
    };
    for (auto &c : cases) {
        Outcome run = compile(dir, c.script, c.name);
        EXPECT_EQ(run.status, 7) << c.script;
        EXPECT_EQ(run.listing, c.listing) << c.script;
    }
    if (geteuid() != 0) {
        Outcome locked = compile(dir, header + "INCLUDE \"locked.pts\"\n", "a.pts");
        EXPECT_EQ(locked.status, 7);
        EXPECT_EQ(locked.listing, "F CANNOTOPN [a.pts:2]\n");
    }
}

TEST(BadInput, TooManyFiles)
{
    std::string dir = make_temp_dir();
    std::string script = header;
    for (int i = 0; i < 600; i++) {
        std::string name = "f" + std::to_string(i) + ".pts";
        write_file(dir + "/" + name, "TIMER t" + std::to_string(i) + "\n");
        script += "INCLUDE \"" + name + "\"\n";
    }
    Outcome run = compile(dir, script);
    EXPECT_EQ(run.status, 7);
    /* The script and 499 includes fit in 500 numbers. */
    EXPECT_EQ(run.listing, "F INCLOVFLW [s.pts:501]\n");
}

/* Random damage to a valid script: every run ends with a defined status
** (the sanitizer build also checks that nothing is touched out of bounds). */
TEST(BadInput, DamagedScripts)
{
    const std::string seed =
        header + "#include \"a.h\"\nCOMMTYPE ct IS b WITH MULTIPLEXING\n"
                 "PROC p(int a)\n  CALL q(REF(x), y @ 1) @ r\n  INSTANCE i :\n"
                 "  EXIT\n  END INSTANCE\nEND PROC\nSCENARIO s LOOP 2\nFAMILY f\n"
                 "  WAITTIL(MATCHED(m, c) && x, 10)\n  CASE (x) IS\n  WHEN 1 =>\n"
                 "    VAR v, INIT={1}\n  END CASE\n%F IF (a) THEN\n    EXIT\n"
                 "  END IF\nEND SCENARIO\n";
    const char noise[] = "()[],@:;=>.\"'$%#&\n\r\t\0xAZ_9-";
    std::string dir = make_temp_dir();
    unsigned state = 12345;
    auto next = [&state] { return state = state * 1103515245u + 12345u; };
    for (int round = 0; round < 40; round++) {
        std::string script = seed;
        for (int k = 0; k < 1 + round % 5; k++) {
            size_t at = next() % script.size();
            switch (next() % 3) {
            case 0: script[at] = noise[next() % (sizeof noise - 1)]; break;
            case 1: script.erase(at, next() % 8); break;
            default: script.insert(at, 1, noise[next() % (sizeof noise - 1)]); break;
            }
        }
        int status = compile(dir, script).status;
        EXPECT_TRUE(status == 0 || status == 5 || status == 7) << status << "\n" << script;
    }
}

TEST(BadInput, MissingScript)
{
    std::string dir = make_temp_dir();
    write_file(dir + "/i.h", "int i;\n");
    RunResult r = run_compiler_binary({"absent", "i.h", "out"}, dir);
    EXPECT_EQ(r.status, 7);
    EXPECT_NE(r.err.find("FICNOTOPN"), std::string::npos) << r.err;
}

/* The grammar's %token list and tokens.def name the same tokens with the
** same numbers, and every code a token reports is in the catalogue
** (except the five codes that have no text). */
TEST(TokenTable, AgreesWithGrammarAndCatalogue)
{
    std::ifstream grammar(ZRS_SOURCE_ROOT "/src/script/script_gram.y");
    std::stringstream text;
    text << grammar.rdbuf();
    std::string g = text.str();
    std::regex token_line("%token <text> ([^\n]*)");
    std::set<std::pair<std::string, int>> declared;
    for (auto it = std::sregex_iterator(g.begin(), g.end(), token_line);
         it != std::sregex_iterator(); ++it) {
        std::istringstream words((*it)[1].str());
        std::string name;
        int number;
        while (words >> name >> number)
            declared.insert({name, number});
    }
    std::set<std::pair<std::string, int>> table;
    for (int t = 257; t <= 353; t++) {
        ASSERT_NE(token_name(t), nullptr) << t;
        table.insert({token_name(t), t});
    }
    EXPECT_EQ(declared, table);
    EXPECT_EQ(token_name(354), nullptr);
    EXPECT_EQ(syntax_error_code(256), nullptr);

    init_script_messages();
    const std::set<std::string> without_text = {"UNEXPIDWH", "UNEXPTOUT", "UNEXPLOOP",
                                                "UNEXPCATC", "UNEXPALLC"};
    for (int t = 257; t <= 353; t++) {
        const char *code = syntax_error_code(t);
        ASSERT_NE(code, nullptr) << token_name(t);
        if (!without_text.count(code)) {
            EXPECT_FALSE(catalogue_lookup(code).isNull()) << code;
        }
    }
    for (const char *code : {"UNEXPTEOF", "STXNOMESS", "FICNOTOPN", "CANNOTOPN",
                             "INCLOOPDT", "INCLOVFLW", "SIZBUFOVL", "LEXTKTLNG"})
        EXPECT_FALSE(catalogue_lookup(code).isNull()) << code;
}

} // namespace
