/*
** tests/driver/command_line_test.cc
** The command line end to end: what the built program prints on standard
** error and the status it ends with, for bad and good command lines.
*/
#include "run_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char *const usage =
    "\n"
    "Usage ZRSPREPRO:\n"
    "\t<scn>\n"
    "\t<interface_file>[,interface_file]\n"
    "\t<root>\n"
    "\t[-INCL=<directory_list>[,directory_list]]\n"
    "\t[-SET=<letters>]\n"
    "\t[-DEFINE=<compiler_option>[,compiler_option]]\n"
    "\t[-STD_DEFINE=<file>]\n"
    "\t[-STUDIO_LOG=<file>]\n"
    "\t[-SCN=<scenario_name>[,scenario_name]]\n"
    "\t[-EXSCN=<exscenario_name>[,exscenario_name]]\n"
    "\t[-FAMILY=<family_name>[,family_name]]\n"
    "\t[-EXFAMILY=<exfamily_name>[,exfamily_name]]\n"
    "\t[-INSTANCE=<instance_name>]\n"
    "\t[-RESTRICTION=<ANSI|KR>]\n"
    "\t[-FAST|-NOFAST]\n"
    "\t[-PROBE=<CUSTOM|DEFAULT>]\n"
    "\t[-LOG|-NOLOG]\n"
    "\t[-ALLOCATION[=<DYNAMIC|STACK>]]\n"
    "\t[-THREAD[=<routine_name>]]\n"
    "\t[-NOTSHARED]\n"
    "\t[-NOPATH]\n"
    "\t[-NOCOMMENT]\n"
    "\t[-SPVGEN]\n"
    "\t[-TRACE=<ERROR|TIME|SCN|CIRCULAR>]\n"
    "\t[-BUFSIZE=<buffer_size>]\n";

const char *const commfatal = "Korvat-F-COMMFATAL,  Invalid command line\n";

std::vector<std::string> with_positionals(std::vector<std::string> options)
{
    std::vector<std::string> args = {"s", "i.h", "r"};
    args.insert(args.end(), options.begin(), options.end());
    return args;
}

/* The lines of a text, each without its newline. */
std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos;
         start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

} // namespace

/* Every engine fault: the message line, the usage text, a blank line,
** COMMFATAL and status 7. */
TEST(CommandLineRun, EngineFaults)
{
    struct Row {
        std::vector<std::string> args;
        std::string message;   /* after "ZRSPREPRO Command analysis : " */
    };
    const std::string long_word(100000, 'w');
    const Row rows[] = {
        {with_positionals({"-in"}), "Ambiguous option, in"},
        {with_positionals({"-NO"}), "Ambiguous option, NO"},
        {with_positionals({"-INCLUDE=x"}), "Unknown option, INCLUDE=x"},
        {with_positionals({"-INCL:x"}), "Unknown option, INCL:x"},
        {with_positionals({"-"}), "Unknown option,"},
        {with_positionals({"--x"}), "Unknown option, -x"},
        {with_positionals({"-=x"}), "Unknown option, =x"},
        {with_positionals({"-SET=A", "-SET=B"}),
         "An option can't be used twice, SET=B"},
        {with_positionals({"-FAST", "-NOFAST"}),
         "An option can't be used twice, NOFAST"},
        {with_positionals({"-TRACE"}),
         "Mandatory argument for this option, TRACE=CIRCULAR|SCN|TIME|ERROR"},
        {with_positionals({"-NOTSHARED=yes"}),
         "No argument for this option, NOTSHARED=yes"},
        {with_positionals({"-TRACE=SCN,TIME"}),
         "List forbidden invalid option, TRACE=SCN,TIME"},
        {with_positionals({"-PROBE=X"}), "Unknown value of option, X"},
        {with_positionals({"-NOTSHARED"}),
         "Illegal combination of command elements, NOTSHARED and ALLOCATION"},
        {with_positionals({"-SCN=a", "-EXSCN=b"}),
         "Illegal combination of command elements, SCN and EXSCN"},
        {with_positionals({"-INCL=" + std::string(256, 'd')}),
         "Arg length too large, " + std::string(256, 'd')},
        {with_positionals({"-INCL=a,,b"}), "Arg length too small,"},
        {{"s", "i.h", "r", "extra"},
         "Too many arguments invalid argument, extra"},
        {{"s,t", "i.h", "r"}, "List forbidden invalid argument, s,t"},
        {{"", "i.h", "r"}, "Arg length too small,"},
        {{"s", "i.h"}, "Argument missing, root"},
        {{}, "Argument missing, scn"},
        {{long_word, "i.h", "r"}, "Arg length too large, " + long_word},
        {with_positionals({"-\xff\xfe"}), "Unknown option, \xef\xbf\xbd\xef\xbf\xbd"},
    };
    std::string dir = make_temp_dir();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.message.substr(0, 60));
        RunResult result = run_compiler_binary(row.args, dir);
        EXPECT_EQ(result.status, 7);
        EXPECT_EQ(result.err, "ZRSPREPRO Command analysis : " + row.message +
                                  usage + "\n" + commfatal);
        EXPECT_EQ(result.out, "");
    }
    EXPECT_FALSE(file_exists(dir + "/s.lis"));
}

/* Faults found while interpreting the values: no usage, status 7. */
TEST(CommandLineRun, BadValues)
{
    struct Row {
        std::vector<std::string> options;
        std::string last_line;
        bool after_banner;
    };
    const Row rows[] = {
        {{"-BUFSIZE=12k"}, "Korvat-F-BADBSZVAL,  Incorrect -BUFSIZE option : "
                           "buffer size must be a number", false},
        {{"-BUFSIZE=99999999999"}, "Korvat-F-BADBSZVAL,  Incorrect -BUFSIZE "
                                   "option : buffer size must be a number",
         false},
        {{"-SET=aB"}, "Korvat-F-BADFLTVAL,  Incorrect -SET option : filters "
                      "must be upper case letters", true},
    };
    std::string dir = make_temp_dir();
    for (const Row &row : rows) {
        SCOPED_TRACE(row.options[0]);
        RunResult result = run_compiler_binary(with_positionals(row.options),
                                               dir);
        EXPECT_EQ(result.status, 7);
        std::vector<std::string> lines = lines_of(result.err);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), row.last_line);
        EXPECT_EQ(lines.size(), row.after_banner ? 3u : 1u);
    }
}

/* Accepted command lines get as far as the banner. */
TEST(CommandLineRun, Accepted)
{
    const std::vector<std::string> rows[] = {
        with_positionals({"-inc=x", "-b=5", "-TRACE=C", "-PROBE=CUSTOMER"}),
        with_positionals({"-ALLOCATION", "-NOTSHARED", "-THREAD="}),
        with_positionals({"-INSTANCE=\xc3\xa9t\xc3\xa9", "-SET=ZA"}),
        {"s", "a\\,b.h,c.h\\", "r", "-INCL=" + std::string(255, 'd')},
        {"-NOPATH", "dir/s", "i.h", "r", "-fam=a", "-sc=b"},
    };
    std::string dir = make_temp_dir();
    for (const std::vector<std::string> &args : rows) {
        SCOPED_TRACE(args[3]);
        RunResult result = run_compiler_binary(args, dir);
        EXPECT_EQ(result.err.find("Command analysis"), std::string::npos);
        EXPECT_EQ(result.err.find("COMMFATAL"), std::string::npos);
        EXPECT_EQ(result.err.rfind("Korvat-I-STARTEXEC,  ZRSPREPRO ", 0), 0u);
    }
}

TEST(CommandLineRun, ManyWords)
{
    std::vector<std::string> args = with_positionals({});
    for (int i = 0; i < 20000; i++)
        args.push_back("-INCL=d" + std::to_string(i) + ",e");
    std::string dir = make_temp_dir();
    RunResult result = run_compiler_binary(args, dir);
    EXPECT_EQ(result.err.find("COMMFATAL"), std::string::npos);
    EXPECT_EQ(result.err.rfind("Korvat-I-STARTEXEC", 0), 0u);
}

/* -NOLOG silences standard error once the listing is open. */
TEST(CommandLineRun, NoLogWritesOnlyTheListing)
{
    std::string dir = make_temp_dir();
    RunResult result = run_compiler_binary(with_positionals({"-nol"}), dir);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(read_file(dir + "/s.lis").rfind("Korvat-I-STARTEXEC", 0), 0u);
}

/* The French usage text keeps one line per element, the tabs, and the
** option names and values; only the placeholders are translated. */
TEST(CommandLineRun, FrenchUsageKeepsItsStructure)
{
    std::string dir = make_temp_dir();
    RunResult result = run_compiler_binary(with_positionals({"-in"}), dir,
                                           {{"LC_ALL", "fr_FR.UTF-8"}});
    EXPECT_EQ(result.status, 7);
    std::vector<std::string> french = lines_of(result.err);
    std::vector<std::string> english = lines_of(usage);
    ASSERT_EQ(french.size(), english.size() + 2);
    EXPECT_EQ(french[0],
              "ZRSPREPRO Analyse de la commande : Option ambigu\xc3\xab, in");
    for (size_t i = 2; i < english.size(); i++) {
        const std::string &line = english[i];
        std::string fixed = line.substr(0, line.find_first_of("<="));
        EXPECT_EQ(french[i].substr(0, fixed.size()), fixed) << line;
    }
    EXPECT_EQ(french.back().rfind("Korvat-F-COMMFATAL", 0), 0u);
}
