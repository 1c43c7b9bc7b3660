/*
** tests/driver/options_test.cc
** The option engine in-process: matching, values, faults, settings and the
** normalised command line.
*/
#include "driver.h"
#include "option_engine.h"
#include "options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

/* An argv for the engine: the program name, then the words. */
struct Words {
    std::vector<std::string> texts;
    std::vector<char *> pointers;

    explicit Words(std::vector<std::string> words) : texts(std::move(words))
    {
        texts.insert(texts.begin(), "zrsprepro");
        for (std::string &text : texts)
            pointers.push_back(&text[0]);
        pointers.push_back(nullptr);
    }
    int argc() const { return int(texts.size()); }
    char **argv() { return pointers.data(); }
};

EngineError engine_error_for(const std::vector<std::string> &words)
{
    CommandTable &table = program_command_table();
    engine_release(table);
    Words argv(words);
    EngineError error;
    if (engine_parse(table, argv.argc(), argv.argv(), error))
        error.message = -1;
    return error;
}

void parse_ok(const std::vector<std::string> &words)
{
    Words argv(words);
    ASSERT_TRUE(parse_command_line(argv.argc(), argv.argv()));
}

std::string matched_name(const char *word, int *state, bool *ambiguous)
{
    const CommandTable &table = program_command_table();
    OptionMatch match = match_option(table, word);
    *state = match.state;
    *ambiguous = match.ambiguous;
    if (match.length == 0)
        return "";
    return table.options[match.option].names[NAME_ENGLISH];
}

const std::string L256(256, 'x');

} // namespace

TEST(OptionMatch, AbbreviationsNegationAndAmbiguity)
{
    struct Row {
        const char *word;
        const char *option;   /* "" = unknown */
        int state;
        bool ambiguous;
    };
    const Row rows[] = {
        {"in", "INSTANCE", 1, true},   {"inc", "INCL", 1, false},
        {"b", "BUFSIZE", 1, false},    {"NO", "NOCOMMENT", 1, true},
        {"nol", "LOG", -1, false},     {"nof", "FAST", -1, false},
        {"NOFAST", "FAST", -1, false}, {"Fast", "FAST", 1, false},
        {"fa", "FAMILY", 1, true},     {"fas", "FAST", 1, false},
        {"exs", "EXSCN", 1, false},    {"SCN", "SCN", 1, false},
        {"not", "NOTSHARED", 1, false}, {"nop", "NOPATH", 1, false},
        {"th", "THREAD", 1, false},    {"incl=a,b", "INCL", 1, false},
        {"tr=", "TRACE", 1, false},    {"INCLUDE=x", "", 0, false},
        {"INCL:x", "", 0, false},      {"LOGX", "", 0, false},
        {"nologx", "", 0, false},      {"", "", 0, false},
        {"=x", "", 0, false},          {"-x", "", 0, false},
        {"\xc3\xa9", "", 0, false},    {"nofast=", "FAST", -1, false},
    };
    for (const Row &row : rows) {
        int state = 0;
        bool ambiguous = false;
        std::string name = matched_name(row.word, &state, &ambiguous);
        SCOPED_TRACE(row.word);
        EXPECT_EQ(ambiguous, row.ambiguous);
        if (row.ambiguous)
            continue;
        EXPECT_EQ(name, row.option);
        if (*row.option) {
            EXPECT_EQ(state, row.state);
        }
    }
}

TEST(OptionMatch, EnumeratedValues)
{
    CommandTable &table = program_command_table();
    struct Row {
        const char *option;
        const char *text;
        const char *selected;   /* "" = unknown */
    };
    const Row rows[] = {
        {"TRACE", "T", "TIME"},        {"TRACE", "C", "CIRCULAR"},
        {"TRACE", "s", "SCN"},         {"TRACE", "error", "ERROR"},
        {"TRACE", "circularly", "CIRCULAR"}, {"TRACE", "X", ""},
        {"PROBE", "D", "DEFAULT"},     {"PROBE", "CUSTOMER", "CUSTOM"},
        {"PROBE", "cu", "CUSTOM"},     {"RESTRICTION", "KRX", "KR"},
        {"ALLOCATION", "d", "DYNAMIC"}, {"ALLOCATION", "T", ""},
        {"TRACE", "T=X", ""},   /* '=' is an ordinary character here */
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.option) + "=" + row.text);
        const OptionDescriptor &option =
            table.options[engine_find_option(table, row.option)];
        int chosen = match_enum_value(option, row.text);
        if (!*row.selected) {
            EXPECT_EQ(chosen, -1);
            continue;
        }
        ASSERT_GE(chosen, 0);
        EXPECT_STREQ(option.values[chosen].names[NAME_ENGLISH], row.selected);
    }
}

/* A small table of its own: equal prefixes of two values, a hidden usage
** line, an optional list positional. */
TEST(OptionEngine, GenericTable)
{
    EnumValue values[] = {{{"ALPHA", "ALPHA", "ALPHA"}, 1, false},
                          {{"ALTO", "ALTO", "ALTO"}, 2, false}};
    ArgumentDescriptor mode{{"m", "m", "m"}, VALUE_TEXT, false, 1, 9, false, {}};
    ArgumentDescriptor files{{"f", "f", "f"}, VALUE_TEXT, true, 1, 9, true, {}};
    OptionDescriptor options[] = {
        {{"MODE", "MODE", "MODE"}, true, &mode, 0, false, false, 0, values, 2}};
    CommandTable table{&files, 1, options, 1, nullptr, 0,
                       "\nUsage:\n\t[-MODE=<m>]\n\t[-XTHIDDEN=<x>]\n\t<f>\n"};
    EXPECT_EQ(match_enum_value(options[0], "AL"), -2);
    EXPECT_EQ(match_enum_value(options[0], "alp"), 0);
    EXPECT_EQ(engine_usage_text(table).toStdString(),
              "\nUsage:\n\t[-MODE=<m>]\n\t<f>\n");

    Words none({});
    EngineError error;
    EXPECT_TRUE(engine_parse(table, none.argc(), none.argv(), error));
    Words several({"a,b", "-mode=alt", "c"});
    EXPECT_TRUE(engine_parse(table, several.argc(), several.argv(), error));
    EXPECT_EQ(files.values, (TextList{"a", "b", "c"}));
    EXPECT_EQ(mode.values, TextList{"ALTO"});
    engine_release(table);
    EXPECT_TRUE(files.values.empty());
    EXPECT_EQ(options[0].state, 0);
    EXPECT_FALSE(values[1].selected);
}

TEST(OptionEngine, Faults)
{
    struct Row {
        std::vector<std::string> words;
        int message;
        std::string word;
    };
    std::string accents;
    for (int i = 0; i < 128; i++)
        accents += "\xc3\xa9";   /* 128 characters, 256 bytes */
    const Row rows[] = {
        {{"s", "i", "r", "-in"}, OM_AMBIGUOUS_OPTION, "in"},
        {{"s", "i", "r", "-NO"}, OM_AMBIGUOUS_OPTION, "NO"},
        {{"s", "i", "r", "-INCLUDE=x"}, OM_UNKNOWN_OPTION, "INCLUDE=x"},
        {{"s", "i", "r", "-INCL:x"}, OM_UNKNOWN_OPTION, "INCL:x"},
        {{"s", "i", "r", "-"}, OM_UNKNOWN_OPTION, ""},
        {{"s", "i", "r", "--x"}, OM_UNKNOWN_OPTION, "-x"},
        {{"s", "i", "r", "-=x"}, OM_UNKNOWN_OPTION, "=x"},
        {{"-SET=A", "-SET=B"}, OM_USED_TWICE, "SET=B"},
        {{"-FAST", "-NOFAST"}, OM_USED_TWICE, "NOFAST"},
        {{"-LOG", "-log"}, OM_USED_TWICE, "log"},
        {{"-TRACE"}, OM_VALUE_MANDATORY, "TRACE=CIRCULAR|SCN|TIME|ERROR"},
        {{"-tr="}, OM_VALUE_MANDATORY, "tr=CIRCULAR|SCN|TIME|ERROR"},
        {{"-INCL"}, OM_VALUE_MANDATORY, "INCL"},
        {{"-NOTSHARED=1"}, OM_NO_VALUE_ALLOWED, "NOTSHARED=1"},
        {{"-NOFAST="}, OM_NO_VALUE_ALLOWED, "NOFAST="},
        {{"-TRACE=SCN,TIME"}, OM_OPTION_LIST, "TRACE=SCN,TIME"},
        {{"-PROBE=X"}, OM_UNKNOWN_VALUE, "X"},
        {{"-RESTRICTION=ANSIXX"}, OM_LENGTH_TOO_LARGE, "ANSIXX"},
        {{"-INCL=" + L256}, OM_LENGTH_TOO_LARGE, L256},
        {{"-INCL=" + accents}, OM_LENGTH_TOO_LARGE, accents},
        {{"-INCL=a,,b"}, OM_LENGTH_TOO_SMALL, ""},
        {{"-INCL=a,"}, OM_LENGTH_TOO_SMALL, ""},
        {{"s", "i", "r", "x", "y"}, OM_TOO_MANY_ARGUMENTS, "x"},
        {{"s,t", "i", "r"}, OM_ARGUMENT_LIST, "s,t"},
        {{"", "i", "r"}, OM_LENGTH_TOO_SMALL, ""},
        {{"s", "i", L256 + "x"}, OM_LENGTH_TOO_LARGE, L256 + "x"},
        {{"s", "i"}, OM_ARGUMENT_MISSING, "root"},
        {{}, OM_ARGUMENT_MISSING, "scn"},
        {{"s", "i", "r", "-NOTSHARED"}, OM_BAD_COMBINATION,
         "NOTSHARED and ALLOCATION"},
        {{"s", "i", "r", "-SCN=a", "-EXSCN=b"}, OM_BAD_COMBINATION,
         "SCN and EXSCN"},
        {{"s", "i", "r", "-SCN=a", "-EXSCN=b", "-FAMILY=c", "-EXFAMILY=d"},
         OM_BAD_COMBINATION, "FAMILY and EXFAMILY"},
        /* option faults come before the missing positionals */
        {{"-in"}, OM_AMBIGUOUS_OPTION, "in"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.words.empty() ? "(none)" : row.words.back());
        EngineError error = engine_error_for(row.words);
        EXPECT_EQ(error.message, row.message);
        EXPECT_EQ(error.word, row.word);
    }
    EXPECT_EQ(engine_error_for({"s", "i", "r", "-NOTSHARED",
                                "-ALLOCATION=DYN"}).message, -1);
    EXPECT_EQ(engine_error_for({"s", "i", "r", "-INCL=" + accents.substr(2)})
                  .message, -1);
}

TEST(Options, Settings)
{
    typedef std::function<std::string()> Reader;
    auto number = [](int (*read)()) {
        return Reader([read] { return std::to_string(read()); });
    };
    auto joined = [](const TextList &(*read)()) {
        return Reader([read] {
            std::string text;
            for (const std::string &value : read())
                text += "[" + value + "]";
            return text;
        });
    };
    struct Row {
        std::vector<std::string> options;
        Reader read;
        std::string expected;
    };
    const Row rows[] = {
        {{}, number(setting_allocation), "0"},
        {{"-ALLOCATION"}, number(setting_allocation), "1"},
        {{"-ALLOCATION="}, number(setting_allocation), "1"},
        {{"-alloc=d"}, number(setting_allocation), "2"},
        {{"-TRACE=T"}, number(setting_trace), "20"},
        {{"-TRACE=C"}, number(setting_trace), "50"},
        {{"-TRACE=s"}, number(setting_trace), "10"},
        {{"-trace=error"}, number(setting_trace), "5"},
        {{}, number(setting_trace), "0"},
        {{"-PROBE=D"}, number(setting_probe), "1"},
        {{"-PROBE=CUSTOMER"}, number(setting_probe), "2"},
        {{}, number(setting_restriction), "2"},
        {{"-RESTRICTION=KR"}, number(setting_restriction), "0"},
        {{"-RESTRICTION=ansi"}, number(setting_restriction), "1"},
        {{}, number(setting_fast), "1"},
        {{"-nof"}, number(setting_fast), "0"},
        {{}, number(setting_log), "1"},
        {{"-nol"}, number(setting_log), "0"},
        {{}, number(setting_bufsize), "10"},
        {{"-b=0"}, number(setting_bufsize), "10"},
        {{"-BUFSIZE=007"}, number(setting_bufsize), "7"},
        {{"-BUFSIZE=2147483647"}, number(setting_bufsize), "2147483647"},
        {{"-NOCOMMENT"}, number(setting_comment), "0"},
        {{}, number(setting_comment), "1"},
        {{"-SPVGEN"}, number(setting_spvgen), "1"},
        {{"-NOTSHARED", "-ALLOCATION=S"}, number(setting_notshared), "1"},
        {{}, [] { return setting_thread(); }, "<main>"},
        {{"-THREAD"}, [] { return setting_thread(); }, "<start>"},
        {{"-THREAD="}, [] { return setting_thread(); }, "<start>"},
        {{"-THREAD=go"}, [] { return setting_thread(); }, "go"},
        {{"-SET=AB"}, [] { return setting_set(); }, "AB"},
        {{"-INSTANCE=\xc3\xa9t\xc3\xa9"}, [] { return setting_instance(); },
         "\xc3\xa9t\xc3\xa9"},
        {{"-INCL=a,b", "-INCL=c"}, joined(setting_incl), "[a][b][c]"},
        {{"-INCL=a\\,b"}, joined(setting_incl), "[a,b]"},
        {{"-INCL=a\\\\,b"}, joined(setting_incl), "[a\\,b]"},
        {{"-INCL=dir\\"}, joined(setting_incl), "[dir\\]"},
        {{"-DEFINE=X=1,Y"}, joined(setting_define), "[X=1][Y]"},
        {{"-SCN=a", "-scn=b"}, joined(setting_scn), "[a][b]"},
        {{}, joined(setting_interface_files), "[inc/i1.h][i2.h]"},
        {{"-NOPATH"}, joined(setting_interface_files), "[i1.h][i2.h]"},
        {{"-NOPATH"}, [] { return setting_script() + " " + setting_root(); },
         "s r"},
        {{}, [] { return setting_script() + " " + setting_root(); },
         "d/s out/r"},
    };
    for (const Row &row : rows) {
        std::vector<std::string> words = {"d/s", "inc/i1.h,i2.h", "out/r"};
        words.insert(words.end(), row.options.begin(), row.options.end());
        SCOPED_TRACE(row.options.empty() ? "(defaults)" : row.options[0]);
        parse_ok(words);
        EXPECT_EQ(row.read(), row.expected);
    }
    parse_ok({"s", "a\\,b.h", "r"});
    EXPECT_EQ(setting_interface_files(), TextList{"a,b.h"});
}

TEST(Options, StateValueAndRelease)
{
    parse_ok({"s", "i", "r", "-INCL=a,b", "-NOFAST"});
    EXPECT_EQ(option_state("INCL"), 1);
    EXPECT_EQ(option_state("fast"), -12);
    EXPECT_EQ(option_state("LOG"), 14);
    EXPECT_EQ(option_state("TRACE"), 0);
    EXPECT_STREQ(option_value(1, 2), "b");
    EXPECT_EQ(option_value(1, 3), nullptr);
    EXPECT_EQ(option_value(12, 1), nullptr);
    EXPECT_EQ(option_value(23, 1), nullptr);

    testing::internal::CaptureStderr();
    EXPECT_EQ(option_state("IN"), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ZRSPREPRO Command analysis : Internal error, bad option name "
              "IN\n");

    release_option_memory();
    EXPECT_EQ(option_value(1, 1), nullptr);
    EXPECT_EQ(option_state("INCL"), 0);
    EXPECT_EQ(setting_incl(), (TextList{"a", "b"}));
}

TEST(Options, MessageLines)
{
    EXPECT_EQ(engine_no_memory_line().toStdString(),
              "ZRSPREPRO Command analysis: No memory left\n");
    EngineError error;
    error.message = OM_UNKNOWN_OPTION;
    error.word = "%1x";   /* a user word is never a format */
    std::string line =
        engine_message_line(program_command_table(), error).toStdString();
    EXPECT_EQ(line.substr(0, line.find('\n')),
              "ZRSPREPRO Command analysis : Unknown option, %1x");
}

TEST(Options, TableAndUsageAgree)
{
    const CommandTable &table = program_command_table();
    std::string usage = table.usage;
    size_t at = 0;
    for (int i = 0; i < table.option_count; i++) {
        const OptionDescriptor &option = table.options[i];
        for (const char *name : option.names)
            EXPECT_LE(strlen(name), NAME_MAX_LENGTH);
        EXPECT_STREQ(option.names[NAME_FRENCH], option.names[NAME_ENGLISH]);
        EXPECT_STREQ(option.names[NAME_FRENCH_ACCENTS],
                     option.names[NAME_ENGLISH]);
        std::string entry = std::string("\t[-") + option.names[NAME_ENGLISH];
        size_t found = usage.find(entry, at);
        EXPECT_NE(found, std::string::npos) << entry;
        at = found == std::string::npos ? at : found;
    }
}

TEST(Options, InitialisationProblem)
{
    EXPECT_EXIT(
        {
            Words bad({"-in"});
            parse_command_line(bad.argc(), bad.argv());
            setting_root();
        },
        testing::ExitedWithCode(9), "Korvat-S-INITPBRLM");
}

TEST(CommandLineText, OrderAndSpelling)
{
    struct Row {
        std::vector<std::string> words;
        std::string expected;
    };
    const Row rows[] = {
        {{"d/s", "a.h,b\\,c.h", "out/r"},
         "zrsprepro d/s a.h,b,c.h out/r -FAST -LOG"},
        {{"-NOPATH", "-NOCOMMENT", "-NOTSHARED", "-ALLOCATION", "-THREAD",
          "-NOLOG", "-BUFSIZE=0", "-TRACE=t", "-PROBE=cu", "-NOFAST",
          "-RESTRICTION=ansi", "-SPVGEN", "-INSTANCE=inst", "-SCN=s1",
          "-FAMILY=f", "-STUDIO_LOG=log", "-STD_DEFINE=std", "-DEFINE=X=1",
          "-SET=AB", "-INCL=i1,i2", "d/s", "a.h,b.h", "out/r"},
         "zrsprepro s a.h,b.h r -INCL=i1,i2 -SET=AB -DEFINE=X=1 "
         "-STD_DEFINE=std -STUDIO_LOG=log -FAMILY=f -SCN=s1 -INSTANCE=inst "
         "-SPVGEN -RESTRICTION=ANSI -NOFAST -PROBE=CUSTOM -TRACE=TIME "
         "-BUFSIZE=10 -NOLOG -ALLOCATION=STACK -THREAD=<start> -NOTSHARED "
         "-NOCOMMENT"},
        {{"s", "i", "r", "-EXSCN=a", "-exfam=b", "-EXSCN=c,d", "-THREAD=go",
          "-BUFSIZE=042", "-LOG", "-ALLOCATION=dyn", "-TRACE=ERROR"},
         "zrsprepro s i r -EXFAMILY=b -EXSCN=a,c,d -FAST -TRACE=ERROR "
         "-BUFSIZE=42 -LOG -ALLOCATION=DYNAMIC -THREAD=go"},
        {{"s", "i", "r", "-INCL=a", "-DEFINE=d1", "-INCL=b,c", "-DEFINE=d2",
          "-FAMILY=x", "-family=y"},
         "zrsprepro s i r -INCL=a,b,c -DEFINE=d1,d2 -FAMILY=x,y -FAST -LOG"},
    };
    for (const Row &row : rows) {
        parse_ok(row.words);
        EXPECT_EQ(command_line_text(), row.expected);
    }
}

TEST(CommandLineText, CutAt1900Characters)
{
    std::string exact(1900, 'c');
    EXPECT_EQ(cut_command_line(exact), exact);
    EXPECT_EQ(cut_command_line(exact + "d"), exact + " (...)");

    std::vector<std::string> words = {"s", "i", "r"};
    for (int i = 0; i < 10; i++)
        words.push_back("-INCL=" + std::string(250, char('a' + i)));
    parse_ok(words);
    std::string cut = cut_command_line(command_line_text());
    EXPECT_GT(command_line_text().size(), 1900u);
    EXPECT_EQ(cut.size(), 1906u);
    EXPECT_EQ(cut.substr(0, 1900), command_line_text().substr(0, 1900));
    EXPECT_EQ(cut.substr(1900), " (...)");
}
