/*
** tests/codegen/statement_code_test.cc
** Statement code: what the golden cases cannot show well.
**
** A whole run of a nested scenario tree checks that every identifier and
** node the generated calls carry names the matching record of the TDC
** file and point of the trace description.  Hand-made statement lists
** check the filter conditions, the spellings of temporaries, the typed
** checks no interface type reaches, and the fatal reports.
*/
#include "diag.h"
#include "run_program.h"
#include "script.h"
#include "source_int.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>

namespace {

bool has_line_starting(const std::string &text, const std::string &start)
{
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.compare(0, start.size(), start) == 0)
            return true;
    return false;
}

std::string last_name(const std::string &qualified)
{
    size_t dot = qualified.rfind('.');
    return dot == std::string::npos ? qualified : qualified.substr(dot + 1);
}

struct TreeRun {
    std::string dir = make_temp_dir();
    std::string source, tdc, trace;
    TreeRun()
    {
        std::string golden = std::string(ZRS_SOURCE_ROOT) + "/tests/golden/codegen_code/scenario_tree/";
        write_file(dir + "/s1.pts", read_file(golden + "s1.pts"));
        write_file(dir + "/iface.h", read_file(golden + "iface.h"));
        RunResult r = run_compiler_binary({"s1", "iface.h", "drv", "-TRACE=TIME",
                                           "-EXSCN=outer.middle.skipped"}, dir);
        EXPECT_EQ(r.status, 0) << r.err;
        source = read_file(dir + "/drv.cc");
        tdc = read_file(dir + "/drv.tdc");
        trace = read_file(dir + "/drv_dyn.tsf");
    }
};

TEST(IdentifiersAgree, ScenarioRunsNameTheirRecordsAndPoints)
{
    TreeRun run;
    std::regex start(R"re(zrk_startchronomarkloop \((\d+), (\d+) ,(\d+), J\d+, "([^"]*)", (\d+), 1\);)re");
    int seen = 0;
    for (std::sregex_iterator m(run.source.begin(), run.source.end(), start), end; m != end; ++m) {
        std::string end_id = (*m)[1], id = (*m)[2], label = (*m)[4];
        int node = std::stoi((*m)[5]);
        std::string name = "\"" + last_name(label) + "\"";
        EXPECT_TRUE(has_line_starting(run.tdc, "S" + id + " " + name)) << label;
        EXPECT_TRUE(has_line_starting(run.tdc, "S" + end_id + " " + name)) << label;
        EXPECT_TRUE(has_line_starting(run.trace, "TX " + std::to_string(node) + " " + name));
        EXPECT_TRUE(has_line_starting(run.trace, "TX " + std::to_string(node + 1) + " " + name));
        std::string stop = "zrk_stopchronomarkloop(zrk_local_state," + end_id;
        EXPECT_NE(run.source.find(stop), std::string::npos) << label;
        EXPECT_NE(run.source.find("zrk_local_state = zrk_S" + id + " ();"), std::string::npos);
        seen++;
    }
    EXPECT_EQ(seen, 6);        /* every selected scenario but the root, which main runs */
    EXPECT_EQ(run.source.find("\"outer.middle.skipped\""), std::string::npos);
}

TEST(IdentifiersAgree, BlocksAndProceduresNameTheirRecordsAndPoints)
{
    TreeRun run;
    const char *labels[] = {"", "INITIALIZATION", "TERMINATION", "EXCEPTION"};
    const char *codes[] = {"", "\"0\"", "\"1\"", "\"2\""};
    std::regex open(R"re(special_block_tsf \( (\d+), 1, (\d), 1\);\n)re"
                    R"re(#endif /\* ZRS_DYNFLW \*/\n *\n)re"
                    R"re( *zrk_runtime\.zrk_b(init|term|excep)\((\d+),(\d+),)re");
    int seen = 0;
    for (std::sregex_iterator m(run.source.begin(), run.source.end(), open), end; m != end; ++m) {
        int node = std::stoi((*m)[1]), kind = std::stoi((*m)[2]);
        EXPECT_TRUE(has_line_starting(run.trace, "TX " + std::to_string(node) + " \"" + labels[kind]));
        EXPECT_TRUE(has_line_starting(run.trace, "TX " + std::to_string(node + 1) + " \"" + labels[kind]));
        EXPECT_TRUE(has_line_starting(run.tdc, "Z" + std::string((*m)[5]) + " " + codes[kind]));
        EXPECT_TRUE(has_line_starting(run.tdc, "Z" + std::string((*m)[4]) + " ?, ?"));
        seen++;
    }
    EXPECT_GE(seen, 6);        /* each kind in both forms */
    std::regex proc(R"re(zrk_bproc\((\d+)\);)re");
    for (std::sregex_iterator m(run.source.begin(), run.source.end(), proc), end; m != end; ++m)
        EXPECT_TRUE(has_line_starting(run.tdc, "P" + std::string((*m)[1]) + " \"prepare\""));
}

TEST(IdentifiersAgree, SendsAndRendezvousNameTheirRecordsAndPoints)
{
    TreeRun run;
    std::smatch m;
    std::regex send(R"re(zrk_send\( (\d+), "order"\);\n.*\n#if ZRS_DYNFLW\n)re"
                    R"re( *zrk_runtime\.zrk_send_tsf \( (\d+), 1\);)re"
                    R"re([^]*?zrk_endsend\( zrk_psret,(\d+)\);)re");
    ASSERT_TRUE(std::regex_search(run.source, m, send));
    EXPECT_TRUE(has_line_starting(run.tdc, "SD" + std::string(m[1]) + " \"order\", \"link0\""));
    EXPECT_TRUE(has_line_starting(run.tdc, "SD" + std::string(m[3]) + " ?, ?"));
    EXPECT_TRUE(has_line_starting(run.trace, "MS " + std::string(m[2]) + " \"order\""));
    std::regex meet(R"re(zrk_brdv\((\d+), "meet"\);[^]*?rdv_reached_tsf \( 1, (\d+), 1\);)re");
    ASSERT_TRUE(std::regex_search(run.source, m, meet));
    EXPECT_TRUE(has_line_starting(run.tdc, "N" + std::string(m[1]) + " \"meet\""));
    EXPECT_TRUE(has_line_starting(run.trace, "TX " + std::string(m[2]) + " \"meet\""));
}

/* ---- Hand-made statement lists ---- */

struct HandList {
    Scope *scope = new_scope(nullptr, nullptr);
    GenerationRequest request{};
    char *text = nullptr;
    size_t size = 0;
    FILE *out = open_memstream(&text, &size);
    HandList(int instance_mode = 0)
    {
        request.instance_mode = instance_mode;
        source_context = SourceContext();
        source_context.request = &request;
        emit_to_stream(out);
    }
    ~HandList()
    {
        fclose(out);
        free(text);
        free_entries(scope);
    }
    SemanticEntry *add(uint32_t kind, const char *name, uint32_t code = 0, const char *aux = nullptr)
    {
        SemanticEntry *e = add_entry(scope, kind, name ? xstrdup(name) : nullptr, "s.pts", 1, 1,
                                     aux ? xstrdup(aux) : nullptr);
        if (code)
            add_descriptor(e, code);
        return e;
    }
    std::string written()
    {
        generate_nested_items(scope);
        emit_flush();
        fflush(out);
        return std::string(text, size);
    }
};

const char *F0 = "zrk_runtime.zrk_ctxfilter[0]";
const char *F1 = "zrk_runtime.zrk_ctxfilter[1]";
const char *F2 = "zrk_runtime.zrk_ctxfilter[2]";

std::string filter_line(const char *filter)
{
    HandList list;
    list.add(EK_COMMENT, "c", 0, filter);
    std::string text = list.written();
    return text.substr(0, text.find('\n'));
}

TEST(FilterCondition, GroupsJoinsAndNegations)
{
    EXPECT_EQ(filter_line("A~B+C"),
              std::string("if ( ( ") + F0 + " && !" + F1 + ") || (" + F2 + ") )");
    EXPECT_EQ(filter_line("%A~B+C"),
              std::string("if ( ( ") + F0 + " || !" + F1 + ") && (" + F2 + ") )");
    EXPECT_EQ(filter_line("~AB"), std::string("if ( !") + F0 + " && " + F1 + ")");
    EXPECT_EQ(filter_line("%AB"), std::string("if ( ") + F0 + " || " + F1 + ")");
    EXPECT_EQ(filter_line("C"), std::string("if ( ") + F2 + ")");
}

TEST(FilterCondition, WrapsTheItemInABlock)
{
    HandList list;
    list.add(EK_COMMENT, "c", 0, "A")->tdc_id = 4;
    list.add(EK_COMMENT, "d")->tdc_id = 5;
    EXPECT_EQ(list.written(), std::string("if ( ") + F0 + ")\n {\n  zrk_runtime.zrk_comment (4);\n }\n"
                              "zrk_runtime.zrk_comment (5);\n");
}

std::string temporary_line(const char *type, int cls)
{
    HandList list;
    SemanticEntry *t = list.add(EK_TEMP_VAR, "zrk_p_1", DC_TEMP_VAR);
    temp_type_text(t->descriptor) = xstrdup(type);
    temp_class(t->descriptor) = cls;
    return list.written();
}

TEST(Temporaries, SpelledAsDeclaredOrByTheirClass)
{
    EXPECT_EQ(temporary_line("unsigned int", 2), "unsigned int zrk_p_1;\n");
    EXPECT_EQ(temporary_line("char[12]", 7), "char zrk_p_1[12];\n");
    EXPECT_EQ(temporary_line("long &", 3), "ZRK_T_LONG zrk_p_1;\n");
    EXPECT_EQ(temporary_line("char (&)[8]", 7), "ZRK_T_CAR zrk_p_1[8];\n");
    EXPECT_EQ(temporary_line("?", 17), "TO_BE_COMPLETED zrk_p_1;\n");
}

/* A call of `f` with one argument of parameter class `cls` expecting 1
** (or 1 to `high`); the function lives outside the statement list. */
std::string check_line(int cls, const char *high = nullptr)
{
    HandList list;
    Scope *elsewhere = new_scope(nullptr, nullptr);
    SemanticEntry *function = add_entry(elsewhere, EK_FUNCTION, xstrdup("f"), "s.pts", 1, 1, nullptr);
    add_descriptor(function, DC_FUNCTION);
    SemanticEntry *param = add_entry(elsewhere, EK_FUNCTION_PARAM, xstrdup("p"), "s.pts", 1, 1, nullptr);
    fparam_class(add_descriptor(param, DC_FUNCTION_PARAM)) = cls;
    SemanticEntry *call = list.add(EK_CALL, "f", DC_CALL);
    call_callee(call->descriptor) = function;
    call->descriptor->inner = new_scope(call->descriptor, list.scope);
    SemanticEntry *arg = add_entry(call->descriptor->inner, EK_CALL_ARG, nullptr, "s.pts", 1, 1, nullptr);
    SemanticDescriptor *d = add_descriptor(arg, DC_CALL_ARG);
    arg_text(d) = xstrdup("v");
    arg_expected(d) = xstrdup("1");
    arg_high(d) = high ? xstrdup(high) : nullptr;
    arg_param(d) = param;
    arg->tdc_id = 9;
    std::string text = list.written();
    free_entries(elsewhere);
    size_t at = text.find("zrk_runtime.zrk_", text.find("f ( v );"));
    return text.substr(at, text.find('\n', at) - at);
}

TEST(TypedChecks, ClassChoosesTheCheckAndTheCasts)
{
    EXPECT_EQ(check_line(4), "zrk_runtime.zrk_float_c (0, (ZRK_T_REAL) v, (ZRK_T_REAL) 1, 9 );");
    EXPECT_EQ(check_line(5, "3"),
              "zrk_runtime.zrk_double_c (1, (ZRK_T_DOUBLE) v, (ZRK_T_DOUBLE) 1, (ZRK_T_DOUBLE) 3, 9 );");
    EXPECT_EQ(check_line(1), "zrk_runtime.zrk_char_c (0, (ZRK_T_CAR) v, (ZRK_T_CAR) 1, 9 );");
    EXPECT_EQ(check_line(6), "zrk_runtime.zrk_string_c (0, (ZRK_PT_CAR) v, (ZRK_PT_CAR) 1, 9 );");
    EXPECT_EQ(check_line(7), "zrk_runtime.zrk_string_c (0, (ZRK_PT_CAR) v, (ZRK_PT_CAR) 1, 9 );");
    EXPECT_EQ(check_line(12), "zrk_runtime.zrk_pointer_c (0, (ZRK_PT_VOID) v, (ZRK_PT_VOID) 1, 9 );");
}

TEST(StatementListDeathTest, ScenarioAfterAStatementIsFatal)
{
    EXPECT_EXIT(
        {
            init_script_messages();
            open_listing(nullptr, true);
            HandList list;
            list.add(EK_COMMENT, "c");
            list.add(EK_SCENARIO, "late", DC_SCENARIO);
            list.written();
        },
        ::testing::ExitedWithCode(7), "ENTCODUNK");
}

TEST(StatementListDeathTest, InstanceSectionWithoutInstancesIsFatal)
{
    EXPECT_EXIT(
        {
            init_script_messages();
            open_listing(nullptr, true);
            HandList list(0);
            list.add(EK_COMMENT, "c");
            list.add(EK_INSTANCE_STMT_BEGIN, nullptr);
            list.written();
        },
        ::testing::ExitedWithCode(7), "BADPARAMS");
}

} // namespace
