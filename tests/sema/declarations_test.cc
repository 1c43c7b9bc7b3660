/*
** tests/sema/declarations_test.cc
** The analysis driver and the declarations, through the table printer:
** the trigger model's built-ins, what a failed declaration leaves, one
** message type for several MESSAGE lines, and the instance modes.
*/
#include "run_program.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string header = "HEADER \"t\", \"1\", \"x\"\n";
const std::string scenario = "SCENARIO s\n  EXIT\nEND SCENARIO\n";

/* semadump on `script` with the interface `iface`; the tables and mode
** line on out, the diagnostics on err. */
RunResult dump(const std::string &script, const std::string &iface,
               const std::vector<std::string> &options = {})
{
    std::string dir = make_temp_dir();
    write_file(dir + "/s.pts", header + script + scenario);
    write_file(dir + "/i.h", iface);
    std::vector<std::string> args = options;
    args.push_back("s.pts");
    args.push_back("i.h");
    return run_program(ZRS_SEMADUMP, args, dir);
}

bool has(const std::string &text, const std::string &part)
{
    return text.find(part) != std::string::npos;
}

/* The printed entry whose first line is `line`, with its slots and
** nested entries: up to the next line indented no deeper; "" if absent. */
std::string entry(const std::string &out, const std::string &line)
{
    size_t at = out.find("\n" + line + "\n");
    if (at == std::string::npos)
        return "";
    size_t indent = line.find_first_not_of(' ');
    size_t end = at + line.size() + 1;
    while (end < out.size()) {
        size_t next = out.find('\n', end + 1);
        if (next == std::string::npos)
            next = out.size();
        std::string text = out.substr(end + 1, next - end - 1);
        if (text.find_first_not_of(' ') <= indent)
            break;
        end = next;
    }
    return out.substr(at + 1, end - at);
}

TEST(Declarations, TriggerModelBuiltIns)
{
    RunResult r = dump("TRIGGER ev1 e1, e2\nTRIGGER ev2 e3\nTRIGGER ev1 e4\n",
                       "struct ev1 { int a; };\nstruct ev2 { int b; };\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(entry(r.out, "  EK_COMMTYPE \"zrk_socket\" :0"),
                    "commtype_id_type: \"int\"\n"))
        << r.out;
    /* one channel per new event type, numbered from 0, on zrk_socket */
    EXPECT_TRUE(has(entry(r.out, "  EK_CHANNEL \"zrk_v1_3_ch_0\" s.pts:2"),
                    "channel_commtype: EK_COMMTYPE \"zrk_socket\" :0\n"));
    EXPECT_TRUE(has(r.out, "  EK_CHANNEL \"zrk_v1_3_ch_1\" s.pts:3\n"));
    EXPECT_FALSE(has(r.out, "zrk_v1_3_ch_2"));
    /* one generated callback per event type, not per TRIGGER line */
    EXPECT_TRUE(has(r.out, "  EK_CALLBACK \"ev1_ON_zrk_socket\" s.pts:2\n"));
    EXPECT_TRUE(has(r.out, "  EK_CALLBACK \"ev2_ON_zrk_socket\" s.pts:3\n"));
    EXPECT_EQ(r.out.find("EK_CALLBACK \"ev1_ON_zrk_socket\" s.pts:4"), std::string::npos);
    EXPECT_TRUE(has(r.out, "handler_generated: 1"));
    /* the third line adds e4 to ev1's messages, after e1 and e2 */
    std::string e4 = entry(r.out, "  EK_MESSAGE \"e4\" s.pts:4");
    EXPECT_TRUE(has(e4, "message_type: EK_MESSAGE_TYPE \"ev1\" s.pts:2\n")) << r.out;
    EXPECT_TRUE(has(e4, "message_index: 2\n"));
}

TEST(Declarations, FailedDeclarationsLeaveWhatTheyMust)
{
    RunResult r = dump("COMMTYPE bus IS int\nCOMMTYPE wire IS nosuchtype\n"
                       "CHANNEL bus : c1\nCHANNEL bus : c3, c1, c4\nCHANNEL wire : w1\n"
                       "MESSAGE order : o1\nMESSAGE order : o2\n",
                       "struct order { int id; };\n");
    EXPECT_EQ(r.status, 1);
    /* the repeated channel ends its line: c3 is declared, c4 is not */
    EXPECT_TRUE(has(r.err, "Korvat-E-CHAALRDEC,  [s.pts:5] Channel c1 already declared"))
        << r.err;
    EXPECT_TRUE(has(r.out, "EK_CHANNEL \"c3\""));
    EXPECT_FALSE(has(r.out, "EK_CHANNEL \"c4\""));
    /* a communication type of an unknown identifier type still exists */
    EXPECT_TRUE(has(r.err, "Korvat-E-IDCNOTDEC,  [s.pts:3] Unknown connection id type nosuchtype"));
    EXPECT_FALSE(has(r.err, "COMMNODEC"));
    EXPECT_TRUE(has(r.out, "  EK_CHANNEL \"w1\" s.pts:6\n"));
    /* two MESSAGE lines of one C type: one message type, indexes 0 and 1 */
    size_t first = r.out.find("EK_MESSAGE_TYPE \"order\" s.pts:7");
    ASSERT_NE(first, std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("  EK_MESSAGE_TYPE \"order\"", first + 1), std::string::npos);
    std::string o2 = entry(r.out, "  EK_MESSAGE \"o2\" s.pts:8");
    EXPECT_TRUE(has(o2, "message_type: EK_MESSAGE_TYPE \"order\" s.pts:7\n")) << r.out;
    EXPECT_TRUE(has(o2, "message_index: 1\n"));
}

/* A "#" line alone is a native line with an empty text: an entry named
** "" that the tables own and release like any other (the sanitizer suite
** reports it otherwise). */
TEST(Declarations, EmptyNativeLineIsAnEntryOfItsOwn)
{
    RunResult r = dump("#\n# int rounds;\n", "");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(has(r.out, "  EK_NATIVE_DECL \"\" s.pts:2\n")) << r.out;
    EXPECT_TRUE(has(r.out, "  EK_NATIVE_DECL \" int rounds;\" s.pts:3\n")) << r.out;
}

TEST(Declarations, InstanceModes)
{
    const char *iface = "int k;\n";
    EXPECT_TRUE(has(dump("", iface).out, "mode 0 rank 1 "));
    EXPECT_TRUE(has(dump("DECLARE_INSTANCE a, b\n", iface).out, "mode 2 rank 1 "));
    RunResult chosen = dump("DECLARE_INSTANCE a\nDECLARE_INSTANCE b, c\n", iface,
                            {"-INSTANCE=c"});
    EXPECT_TRUE(has(chosen.out, "mode 1 rank 3 ")) << chosen.out;
    RunResult unknown = dump("DECLARE_INSTANCE a, b\n", iface, {"-INSTANCE=z"});
    EXPECT_TRUE(has(unknown.out, "mode 3 rank 1 ")) << unknown.out;
    EXPECT_TRUE(has(unknown.err, "Korvat-I-ISTNOPLAN,  Instance z undeclared in test plan"))
        << unknown.err;
    EXPECT_EQ(unknown.status, 0);
}

} // namespace
