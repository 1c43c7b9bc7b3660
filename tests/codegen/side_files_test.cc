/*
** tests/codegen/side_files_test.cc
** The side-file writers on small hand-made tables and on whole runs.
**
** The in-process cases build semantic tables directly, write the TDC file
** and the trace description, and check that the numbers stored in the
** entries are the ones the files carry: the source generator relies on
** that.  The whole-run cases check record fields by name, what is left
** out, the scenario description's fixed edges and reproducibility.
*/
#include "codegen_int.h"
#include "diag.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <map>
#include <sstream>

namespace {

std::vector<std::string> lines_of(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

/* The record whose code and identifier start the line, e.g. "SD12". */
std::string record_line(const std::string &tdc, const std::string &code_and_id)
{
    for (const std::string &line : lines_of(tdc))
        if (line.compare(0, code_and_id.size() + 1, code_and_id + " ") == 0)
            return line;
    return "";
}

/* The lines a RecordLine wrote, read back from its file. */
std::string written(RecordLine &line)
{
    line_drain(line);
    std::string text;
    rewind(line.out);
    for (int c; (c = fgetc(line.out)) != EOF;)
        text += char(c);
    return text;
}

TEST(Records, QuotingAndLimit)
{
    RecordLine line;
    line_open(line, tmpfile());
    line_put_quoted(line, "a\"b\"\"c");
    line_put_quoted(line, "");
    line_put_quoted(line, nullptr);
    line_put_quoted(line, "\"");
    line_end(line);
    line_put_number(line, -42);
    line_put(line, " ", 1);
    line_put_number(line, 0);
    line_put(line, " ", 1);
    line_put_number(line, LONG_MIN);
    for (long n : {9L, 10L, 99L, 100L, 101L, 1234567L, LONG_MAX}) {
        line_put(line, " ", 1);
        line_put_number(line, n);
    }
    line_end(line);
    EXPECT_EQ(written(line), "\"a\"\"b\"\"\"\"c\"\"\"?\"\"\"\"\n"
                             "-42 0 -9223372036854775808 9 10 99 100 101 1234567 "
                             "9223372036854775807\n");
    fclose(line.out);

    RecordLine longest;
    line_open(longest, tmpfile());
    line_put(longest, std::string(RECORD_LIMIT - 2, 'x').c_str());
    line_put(longest, "\"", 1);              /* the longest line */
    init_script_messages();
    EXPECT_EXIT(line_put_quoted_body(longest, "y"), ::testing::ExitedWithCode(7),
                "SIZBUFOVL");
    line_end(longest);
    EXPECT_EQ(written(longest).size(), RECORD_LIMIT);
    fclose(longest.out);
}

/* Lines go out a block at a time: many lines, and lines across a block's
** end, come back whole and in order. */
TEST(Records, BlocksKeepEveryLine)
{
    RecordLine line;
    line_open(line, tmpfile());
    std::string expected, piece(1000, 'q');
    for (int i = 0; i < 300; i++) {
        line_put_number(line, i);
        line_put(line, piece.c_str());
        line_end(line);
        expected += std::to_string(i) + piece + "\n";
    }
    EXPECT_EQ(written(line), expected);
    fclose(line.out);
}

TEST(Records, FileNumberCountsFromTheEnd)
{
    ScriptFile script{}, included{};
    script.name = const_cast<char *>("s1.pts");
    included.name = const_cast<char *>("inc.pts");
    included.next = &script;                   /* newest first */
    SemanticEntry in_script{}, in_include{}, nowhere{};
    in_script.file = "s1.pts";
    in_include.file = "inc.pts";
    EXPECT_EQ(file_number_from_end(&included, &in_script), 1);
    EXPECT_EQ(file_number_from_end(&included, &in_include), 2);
    EXPECT_EQ(file_number_from_end(&included, &nowhere), 0);
}

/* ---- Hand-made tables ---- */

struct Tables {
    Scope *global = new_scope(nullptr, nullptr);
    ScriptFile file{};
    SemanticEntry *channel, *idle_channel, *message, *proc, *idle_proc;
    SemanticEntry *root, *leaf, *skipped, *comment, *send, *rendezvous, *init;

    SemanticEntry *add(Scope *scope, uint32_t kind, const char *name, uint32_t line,
                       uint32_t code = 0)
    {
        SemanticEntry *e = add_entry(scope, kind, name ? xstrdup(name) : nullptr,
                                     "s1.pts", 1, line, nullptr);
        if (code) {
            add_descriptor(e, code);
            if (kind != EK_CHANNEL && kind != EK_MESSAGE)
                new_scope(e->descriptor, scope);
        }
        return e;
    }

    SemanticEntry *scenario(Scope *scope, const char *name, uint32_t line, bool selected)
    {
        SemanticEntry *s = add(scope, EK_SCENARIO, name, line, DC_SCENARIO);
        scenario_selected(s->descriptor) = selected;
        scenario_file(s->descriptor) = xstrdup("s1.pts");
        scenario_qualified_name(s->descriptor) = xstrdup(name ? name : "");
        scenario_end_line(s->descriptor) = int32_t(line + 5);
        return s;
    }

    Tables()
    {
        file.name = const_cast<char *>("s1.pts");
        file.number = 1;
        file.absolute_dir = const_cast<char *>("/work");
        channel = add(global, EK_CHANNEL, "link", 2, DC_CHANNEL);
        channel_referenced(channel->descriptor) = 1;
        idle_channel = add(global, EK_CHANNEL, "idle", 2, DC_CHANNEL);
        message = add(global, EK_MESSAGE, "order", 3, DC_MESSAGE);
        proc = add(global, EK_PROC, "p", 4, DC_PROC);
        proc_called(proc->descriptor) = 1;
        add(proc->descriptor->inner, EK_EXIT, nullptr, 5);
        idle_proc = add(global, EK_PROC, "q", 6, DC_PROC);
        root = scenario(global, nullptr, 20, true);
        init = add(root->descriptor->inner, EK_INITIALIZATION, nullptr, 7, DC_INITIALIZATION);
        block_end_line(init->descriptor) = 9;
        leaf = scenario(root->descriptor->inner, "s", 10, true);
        scenario_leaf(leaf->descriptor) = 1;
        comment = add(leaf->descriptor->inner, EK_COMMENT, "say \"hi\"", 11);
        send = add(leaf->descriptor->inner, EK_SEND, nullptr, 12, DC_SEND);
        send_message(send->descriptor) = message;
        send_channel(send->descriptor) = channel;
        rendezvous = add(leaf->descriptor->inner, EK_RENDEZVOUS, "meet", 13, DC_RENDEZVOUS);
        skipped = scenario(root->descriptor->inner, "off", 16, false);
    }
};

class HandMade : public ::testing::Test {
protected:
    Tables t;
    std::string dir = make_temp_dir();
    std::string tdc = dir + "/drv.tdc", header = dir + "/drv.h", tsf = dir + "/drv_dyn.tsf";
    GenerationRequest request{};

    void SetUp() override
    {
        init_script_messages();
        request.script_name = "s1.pts";
        request.tdc_name = tdc.c_str();
        request.header_name = header.c_str();
        request.trace_name = tsf.c_str();
        request.files = &t.file;
        request.command_line = "zrsprepro s1";
        request.time_text = "Thu Jan  1 00:00:00 1970";
        request.global = t.global;
    }

    void TearDown() override
    {
        free_entries(t.global);
        std::filesystem::remove_all(dir);
    }
};

TEST_F(HandMade, IdentifiersStoredAreThoseWritten)
{
    write_tdc_file(request);
    std::string text = read_file(tdc);
    /* header 0..5, CF 6, then the items in table order */
    EXPECT_EQ(record_line(text, "CF6").substr(0, 13), "CF6 \"s1.pts\",");
    EXPECT_EQ(t.channel->tdc_id, 7);
    EXPECT_EQ(record_line(text, "CN7"), "CN7 \"link\"");
    EXPECT_EQ(t.idle_channel->tdc_id, 0);          /* unused: no record */
    EXPECT_EQ(record_line(text, "P8"), "P8 \"p\", \"1\", \"4\"");
    EXPECT_EQ(record_line(text, "Q9"), "Q9 \"1\", \"5\"");
    EXPECT_EQ(t.proc->tdc_end_id, 10);
    EXPECT_EQ(t.idle_proc->tdc_id, 0);             /* never called */
    EXPECT_EQ(record_line(text, "S11"), "S11 \"\", \"s1.pts\", ?, ?, \"1\", \"20\"");
    EXPECT_EQ(t.init->tdc_id, 12);
    EXPECT_EQ(record_line(text, "Z12"), "Z12 \"0\", ?, \"1\", \"7\"");
    EXPECT_EQ(record_line(text, "Z13"), "Z13 ?, ?, \"1\", \"7\"");
    EXPECT_EQ(t.leaf->tdc_id, 14);
    EXPECT_EQ(record_line(text, "C15"), "C15 \"say \"\"hi\"\"\", \"1\", \"11\"");
    EXPECT_EQ(record_line(text, "SD16"), "SD16 \"order\", \"link\", \"1\", \"12\"");
    EXPECT_EQ(t.send->tdc_end_id, 17);
    EXPECT_EQ(record_line(text, "N18"), "N18 \"meet\", \"1\", \"13\"");
    EXPECT_EQ(t.leaf->tdc_end_id, 19);
    EXPECT_EQ(record_line(text, "S19"), "S19 \"s\", ?, ?, ?, \"1\", \"10\"");
    EXPECT_EQ(t.skipped->tdc_id, 0);               /* not selected */
    EXPECT_EQ(t.root->tdc_end_id, 20);
    EXPECT_FALSE(file_exists(header));             /* no -PROBE, no header */
}

TEST_F(HandMade, ProbeHeaderHasGuardDefinesAndLastIdentifiers)
{
    request.probe = 1;
    write_tdc_file(request);
    std::string h = read_file(header);
    EXPECT_EQ(h.find("#ifndef ZRK_PROBE_H\n#define ZRK_PROBE_H\n\n#define ZRK_TDC_END_SEND 1\n"
                     "#define ZRK_TDC_END_RECV 2\n\n#define ZRK_TDC_gen \""),
              0u)
        << h;
    EXPECT_NE(h.find("#define ZRK_TDC_CH_link 7\n"), std::string::npos);
    EXPECT_NE(h.find("#define ZRK_TDC_SEND_order_link 16\n"), std::string::npos);
    EXPECT_NE(h.find("#define ZRK_TDC_RDV_meet 18\n"), std::string::npos);
    EXPECT_NE(h.find("#define ZRK_TDC_Sscn 14\n"), std::string::npos);
    EXPECT_NE(h.find("#define ZRK_TDC_Epts 20\n"), std::string::npos);
    EXPECT_NE(h.find("#define ZRK_TDC_LAST_SEND 16\n#define ZRK_TDC_LAST_ID 16\n"),
              std::string::npos);
}

TEST_F(HandMade, TraceNodesStoredAreThoseWritten)
{
    write_trace_description(request);
    std::vector<std::string> lines = lines_of(read_file(tsf));
    auto at = [&](const std::string &line) {
        return std::find(lines.begin(), lines.end(), line) - lines.begin();
    };
    EXPECT_EQ(t.init->trace_node, 3);                 /* first of the section */
    EXPECT_EQ(lines[size_t(at("TX 3 \"INITIALIZATION\"")) - 1], "LK 7");
    EXPECT_EQ(lines[size_t(at("TX 4 \"INITIALIZATION\"")) - 1], "LK 9");
    EXPECT_EQ(t.leaf->trace_node, 5);                 /* 5 and 6 reserved */
    EXPECT_EQ(t.send->trace_node, 7);
    EXPECT_LT(at("MS 7 \"order\""), at("TX 6 \"s\""));  /* children before the end */
    EXPECT_EQ(lines[size_t(at("TX 6 \"s\"")) - 1], "LK 15");
    EXPECT_EQ(lines[size_t(at("TX 6 \"s\"")) - 2], "ST 393");
    EXPECT_EQ(t.rendezvous->trace_node, 8);
    EXPECT_EQ(lines[size_t(at("TX 8 \"meet\"")) - 2], "ST 310");
    EXPECT_EQ(t.root->trace_node, 0);                 /* the nameless root has no point */
    EXPECT_EQ(lines.back(), "ED");
}

TEST_F(HandMade, BadInstanceModeIsFatal)
{
    request.instance_mode = 4;
    EXPECT_EXIT(write_tdc_file(request), ::testing::ExitedWithCode(7), "BADPARAMS");
}

/* ---- Whole runs ---- */

struct CompileRun {
    std::string dir;
    RunResult result;
};

CompileRun compile(const std::string &script, std::vector<std::string> options = {},
            const EnvChanges &env = {})
{
    CompileRun run{make_temp_dir(), {}};
    write_file(run.dir + "/s1.pts", script);
    write_file(run.dir + "/iface.h", "int counter;\n");
    std::vector<std::string> args = {"s1", "iface.h", "drv"};
    args.insert(args.end(), options.begin(), options.end());
    run.result = run_compiler_binary(args, run.dir, env);
    return run;
}

const char *const small_script =
    "HEADER \"h\", \"1\", \"x\"\n"
    "SCENARIO a\n  COMMENT one\nEND SCENARIO\n"
    "SCENARIO b LOOP 2\n  COMMENT two\nEND SCENARIO\n";

TEST(WholeRun, ExcludedScenarioHasNoRecordAndCountIsKept)
{
    CompileRun run = compile(small_script, {"-EXSCN=a"});
    ASSERT_EQ(run.result.status, 0) << run.result.err;
    std::string tdc = read_file(run.dir + "/drv.tdc");
    EXPECT_EQ(tdc.find("\"a\""), std::string::npos) << tdc;
    EXPECT_EQ(record_line(tdc, "S9"), "S9 \"b\", \"s1.pts\", ?, \"2\", \"1\", \"5\"") << tdc;
    EXPECT_EQ(record_line(tdc, "IL4"), "IL4 \"\"");
    EXPECT_EQ(record_line(tdc, "FB5"), "FB5 \"\"");
    EXPECT_EQ(record_line(tdc, "F3"), "F3 \"0\"");
}

/* Without SOURCE_DATE_EPOCH only the lines with the date or the process
** id differ between two runs. */
TEST(WholeRun, TwoRunsDifferOnlyInDateAndProcessLines)
{
    EnvChanges live = {{"SOURCE_DATE_EPOCH", nullptr}};
    CompileRun one = compile(small_script, {}, live);
    CompileRun two = compile(small_script, {}, live);
    ASSERT_EQ(one.result.status, 0) << one.result.err;
    for (const char *name : {"/drv.tdc", "/drv_dyn.tsf"}) {
        std::vector<std::string> a = lines_of(read_file(one.dir + name));
        std::vector<std::string> b = lines_of(read_file(two.dir + name));
        ASSERT_EQ(a.size(), b.size());
        for (size_t i = 0; i < a.size(); i++) {
            std::string first = a[i];
            size_t dir = first.find(one.dir);
            if (dir != std::string::npos)   /* each run has its own folder */
                first.replace(dir, one.dir.size(), two.dir);
            if (first == b[i])
                continue;
            bool stamped = a[i].rfind("ZIRKO Scenaria", 0) == 0 || a[i].rfind("H1 ", 0) == 0 ||
                           a[i].rfind("ID ", 0) == 0;
            EXPECT_TRUE(stamped) << name << ": " << a[i] << " / " << b[i];
        }
    }
}

TEST(WholeRun, ScenarioDescriptionEdges)
{
    CompileRun run = compile(small_script, {"-SPVGEN"});
    ASSERT_EQ(run.result.status, 0) << run.result.err;
    std::string spg = read_file(run.dir + "/s1.spg");
    EXPECT_NE(spg.find("\tHTS_FILE_LIST = ();\n\n"), std::string::npos) << spg;
    EXPECT_NE(spg.find("\tINSTANCE_LIST = ();\n\n"), std::string::npos);
    EXPECT_NE(spg.find("\tSCENARIO_TREE = (\n\t   \"a\"\n\t  ,\"b\"\n\t);\n\n"),
              std::string::npos);
    const std::string end = "\n\n\tRDV_LIST = {\n\t};\n};\n";
    EXPECT_EQ(spg.substr(spg.size() - end.size()), end);
    EXPECT_FALSE(file_exists(run.dir + "/drv.tdc"));
}

TEST(WholeRun, ScenarioDescriptionThatCannotBeCreatedIsFatal)
{
    CompileRun run{make_temp_dir(), {}};
    write_file(run.dir + "/s1.pts", small_script);
    write_file(run.dir + "/iface.h", "int counter;\n");
    std::filesystem::create_directory(run.dir + "/s1.spg");
    run.result = run_compiler_binary({"s1", "iface.h", "drv", "-SPVGEN"}, run.dir);
    EXPECT_EQ(run.result.status, 7);
    EXPECT_NE(run.result.err.find("FICERROPN,  File s1.spg opening problem"),
              std::string::npos)
        << run.result.err;
}

TEST(WholeRun, TraceDescriptionThatCannotBeCreatedIsFatal)
{
    CompileRun run{make_temp_dir(), {}};
    write_file(run.dir + "/s1.pts", small_script);
    write_file(run.dir + "/iface.h", "int counter;\n");
    std::filesystem::create_directory(run.dir + "/drv_dyn.tsf");
    run.result = run_compiler_binary({"s1", "iface.h", "drv"}, run.dir);
    EXPECT_EQ(run.result.status, 7);
    EXPECT_NE(run.result.err.find("File drv_dyn.tsf opening problem"), std::string::npos)
        << run.result.err;
}

} // namespace

namespace {

/* ---- Record fields by name ---- */

/* One TDC record: its code, identifier and fields, texts unquoted. */
struct Record {
    std::string code;
    int id = -1;
    std::map<std::string, std::string> field;
};

/* The names of each code's fields, in their order. */
const std::map<std::string, std::vector<std::string>> field_names = {
    {"G", {"command"}}, {"H", {"date"}}, {"F", {"value"}}, {"FB", {"text"}},
    {"CF", {"base", "relative", "absolute", "size", "crc"}},
    {"E", {"first", "second", "third", "file", "line"}},
    {"CN", {"name"}}, {"T", {"name", "file", "line"}}, {"V", {"definition", "file", "line"}},
    {"P", {"name", "file", "line"}}, {"Z", {"kind", "procedure", "file", "line"}},
    {"C", {"text", "file", "line"}}, {"J", {"text", "file", "line"}},
    {"U", {"text", "file", "line"}}, {"N", {"text", "file", "line"}},
    {"O", {"what", "file", "line"}}, {"Q", {"file", "line"}}, {"FT", {"file", "line"}},
    {"TN", {"file", "line"}}, {"TF", {"file", "line"}},
    {"M", {"output", "expression", "file", "line"}},
    {"SD", {"message", "channel", "file", "line"}},
    {"W", {"condition", "time", "file", "line"}}, {"Y", {"condition", "file", "line"}},
    {"ID", {"value", "file", "line"}}, {"IC", {"value", "file", "line"}},
    {"A", {"function", "call", "file", "line"}},
    {"R", {"parameter", "type", "input", "value", "file", "line"}},
    {"K", {"name", "file", "line"}}, {"D", {"field", "file", "line"}},
    {"B", {"field", "low", "high", "file", "line"}}, {"L", {"name", "file", "line"}},
    {"I", {"field", "value", "file", "line"}},
    {"S", {"name", "source", "families", "count", "file", "line"}},
};

/* Splits "CODE12 f1, f2" into named fields; a field count that does not
** fit the code's names leaves the record without fields. */
Record parse_record(const std::string &line)
{
    Record r;
    size_t at = 0;
    while (at < line.size() && isupper(static_cast<unsigned char>(line[at])))
        r.code += line[at++];
    size_t digits = at;
    while (at < line.size() && isdigit(static_cast<unsigned char>(line[at])))
        at++;
    if (at > digits)
        r.id = std::stoi(line.substr(digits, at - digits));
    std::vector<std::string> values;
    for (at++; at < line.size();) {
        std::string value;
        if (line[at] == '"') {
            for (at++; at < line.size(); at++) {
                if (line[at] == '"' && (at + 1 >= line.size() || line[at + 1] != '"'))
                    break;
                if (line[at] == '"')
                    at++;
                value += line[at];
            }
            at++;
        } else {
            size_t end = line.find(", ", at);
            value = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
            at = end == std::string::npos ? line.size() : end;
        }
        values.push_back(value);
        if (line.compare(at, 2, ", ") == 0)
            at += 2;
    }
    auto names = field_names.find(r.code);
    if (names != field_names.end() && names->second.size() == values.size())
        for (size_t i = 0; i < values.size(); i++)
            r.field[names->second[i]] = values[i];
    return r;
}

/* The first record of a code whose field has the value given. */
Record find_record(const std::vector<Record> &records, const std::string &code,
                   const std::string &name = "", const std::string &value = "")
{
    for (const Record &r : records)
        if (r.code == code && (name.empty() || (r.field.count(name) && r.field.at(name) == value)))
            return r;
    return Record{};
}

class EveryKind : public ::testing::Test {
protected:
    static std::vector<Record> records;

    static void SetUpTestSuite()
    {
        std::string dir = make_temp_dir();
        for (const char *name : {"s1.pts", "procs.pts", "iface.h"})
            std::filesystem::copy_file(
                std::string(ZRS_SOURCE_ROOT "/tests/golden/codegen_side/every_kind/") + name,
                dir + "/" + name);
        RunResult run = run_compiler_binary({"s1", "iface.h", "drv", "-TRACE=CIRCULAR"}, dir);
        ASSERT_EQ(run.status, 0) << run.err;
        for (const std::string &line : lines_of(read_file(dir + "/drv.tdc")))
            records.push_back(parse_record(line));
    }
};

std::vector<Record> EveryKind::records;

TEST_F(EveryKind, HeaderRecords)
{
    EXPECT_EQ(find_record(records, "G").id, 0);
    EXPECT_NE(find_record(records, "G").field["command"].find("s1 iface.h drv"), std::string::npos);
    EXPECT_EQ(find_record(records, "H").field["date"], "Tue Nov 14 22:13:20 2023");
    EXPECT_EQ(find_record(records, "F", "value", "50").id, 3);
    EXPECT_EQ(find_record(records, "FB").field["text"], "");
    Record included = find_record(records, "CF", "base", "procs.pts");
    EXPECT_EQ(included.id, 6);                     /* newest file first */
    EXPECT_EQ(included.field["relative"], "");
    EXPECT_EQ(included.field["size"], "115");
    EXPECT_EQ(find_record(records, "CF", "base", "s1.pts").id, 7);
    Record header = find_record(records, "E");
    EXPECT_EQ(header.id, 8);
    EXPECT_EQ(header.field["first"], "every kind");
    EXPECT_EQ(header.field["third"], "2026-12-07");
}

TEST_F(EveryKind, DeclarationRecords)
{
    EXPECT_EQ(find_record(records, "CN", "name", "link1").id, 10);
    EXPECT_EQ(find_record(records, "CN", "name", "unused_link").id, -1);
    Record type = find_record(records, "T", "name", "lamp");
    EXPECT_EQ(type.field["line"], "4");
    Record definition = find_record(records, "V", "definition", "answer");
    EXPECT_EQ(definition.field["line"], "4");      /* the message type's place */
    EXPECT_EQ(find_record(records, "I", "value", "[1..9]").field["field"], "secs");
    Record proc = find_record(records, "P", "name", "check");
    EXPECT_EQ(proc.field["file"], "2");            /* procs.pts, counted from the end */
    EXPECT_EQ(find_record(records, "P", "name", "never_called").id, -1);
}

TEST_F(EveryKind, StatementRecords)
{
    EXPECT_EQ(find_record(records, "C", "text", "sent \"as it is\"").field["line"], "15");
    EXPECT_EQ(find_record(records, "J").field["text"], "AB");
    EXPECT_EQ(find_record(records, "U").field["text"], "B");
    EXPECT_EQ(find_record(records, "O", "what", "ERROR").field["line"], "51");
    EXPECT_EQ(find_record(records, "O", "what", "ADD_ID").field["line"], "23");
    EXPECT_EQ(find_record(records, "M").field["expression"], "lvl");
    EXPECT_EQ(find_record(records, "Q").field["line"], "47");
    for (const char *code : {"FT", "TN", "TF"})
        EXPECT_EQ(find_record(records, code).field["file"], "1") << code;
    EXPECT_EQ(find_record(records, "ID").field["value"], "?");
    EXPECT_EQ(find_record(records, "IC").field["line"], "43");
    Record send = find_record(records, "SD", "message", "order");
    EXPECT_EQ(send.field["channel"], "link0");
    EXPECT_EQ(find_record(records, "SD", "message", "?").id, send.id + 1);
    Record wait = find_record(records, "W", "time", "WTIME == 100");
    Record second = find_record(records, "Y", "condition", "NOTMATCHED(answer,link1)");
    EXPECT_EQ(second.id, wait.id + 2);
    EXPECT_EQ(second.field["line"], wait.field["line"]);
}

TEST_F(EveryKind, BlockScenarioAndCallRecords)
{
    Record group = find_record(records, "S", "name", "group");
    EXPECT_EQ(group.field["families"], "f1, f2");
    EXPECT_EQ(group.field["count"], "3");
    EXPECT_EQ(find_record(records, "S", "name", "first").field["count"], "?");
    Record proc = find_record(records, "P", "name", "check");
    Record exception = find_record(records, "Z", "kind", "2");
    EXPECT_EQ(exception.field["procedure"], std::to_string(proc.id));
    EXPECT_EQ(find_record(records, "Z", "kind", "1").field["procedure"], "?");
    Record call = find_record(records, "A", "function", "measure");
    EXPECT_EQ(call.field["call"], "measure(lvl, level)");
    Record out = find_record(records, "R", "parameter", "out");
    EXPECT_EQ(out.field["type"], "int *");
    EXPECT_EQ(out.field["input"], "1");
    EXPECT_EQ(out.field["value"], "&(level)");
    Record result = find_record(records, "R", "value", "counter");
    EXPECT_EQ(result.field["parameter"], "?");
    EXPECT_EQ(result.field["input"], "0");
}

TEST_F(EveryKind, ValueCheckRecords)
{
    Record check = find_record(records, "K", "name", "status");
    ASSERT_NE(check.id, -1);
    Record array = find_record(records, "B", "field", "codes");
    EXPECT_EQ(array.field["low"], "0");
    EXPECT_EQ(array.field["high"], "2");
    EXPECT_EQ(find_record(records, "L").field["name"], " ");
    EXPECT_EQ(find_record(records, "D").field["field"], "");
    EXPECT_EQ(find_record(records, "I", "field", "n").field["value"], "1");
}

} // namespace
