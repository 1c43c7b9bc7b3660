/*
** tests/script/parser_test.cc
** Parser: the printed tree of scripts that together use every grammar
** rule, includes and the nameless root scenario.
*/
#include "script_int.h"

#include "run_program.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string parse_in(const std::string &dir, const std::string &script,
                     int comment_flag = 1, bool with_lines = false,
                     ParseResult *result = nullptr)
{
    std::string path = dir + "/t.pts";
    write_file(path, script);
    ParseResult parsed;
    parse_script(path.c_str(), TextList(), comment_flag, &parsed);
    std::string out;
    print_tree(parsed.tree, out, with_lines);
    if (result) {
        *result = parsed;
        return out;
    }
    free_syntax_tree(parsed.tree);
    free_script_files(parsed.files);
    return out;
}

std::string parse(const std::string &script, int comment_flag = 1)
{
    return parse_in(make_temp_dir(), script, comment_flag);
}

const char *const header = "HEADER \"a\", $B, \"c\"\n";
const char *const header_tree = "(HEADER (STRING \"\\\"a\\\"\") (ENVVAR \"$B\") "
                                "(STRING \"\\\"c\\\"\"))";

struct TreeCase {
    const char *name;
    const char *script;   /* after the HEADER line */
    const char *tree;     /* after the HEADER node */
};

class TreeTest : public ::testing::TestWithParam<TreeCase> {};

TEST_P(TreeTest, PrintedTree)
{
    std::string expected = std::string("(SCRIPT ") + header_tree + " " +
                           GetParam().tree + ")";
    EXPECT_EQ(parse(std::string(header) + GetParam().script), expected);
}

/* The scenario wrapper every script with top-level items gets. */
#define ROOT(items) "- (SCENARIO_ITEM_LIST (SCENARIO (IDENT \"\") (SCENARIO_BODY - (EMPTY) " items ")))"
/* One statement in a scenario s. */
#define IN_SCENARIO(statements) \
    ROOT("(SCENARIO_ITEM_LIST (SCENARIO (IDENT \"s\") (SCENARIO_BODY - (EMPTY) " statements ")))")
#define STMT(s) "(STATEMENT - " s ")"
#define EXPR(text) "(EXPR (NATIVE_EXPR \"" text "\"))"

const TreeCase tree_cases[] = {
    {"declarations",
     "#include \"x.h\"\n@ int g;\nSHARE sv\nFORMAT=hex a.b\nCATCH ex WITH h\n"
     "CATCH ... WITH h2\nCOMMTYPE ct IS base WITH MULTIPLEXING, MULTIPLEXING\n"
     "COMMTYPE c2 IS base\nCHANNEL ct : c1, c2\nMESSAGE mt : m1, m2\nTIMER t1\n",
     "(DECL_LIST (NATIVE_LINE \"include \\\"x.h\\\"\") - (DECL_LIST (NATIVE_STMT \" int g;\") - "
     "(DECL_LIST (SHARE (IDENT \"sv\")) - (DECL_LIST (FORMAT (FORMAT_TEXT \"hex\") "
     EXPR("a.b") ") - (DECL_LIST (CATCH (IDENT \"ex\") (IDENT \"h\")) - (DECL_LIST "
     "(CATCH - (IDENT \"h2\")) - (DECL_LIST (COMMTYPE (IDENT \"ct\") (IDENT \"base\") "
     "(PROPERTY_LIST (MULTIPLEXING) (PROPERTY_LIST (MULTIPLEXING)))) - (DECL_LIST "
     "(COMMTYPE (IDENT \"c2\") (IDENT \"base\")) - (DECL_LIST (CHANNEL (IDENT \"ct\") "
     "(CHANNEL_NAME_LIST (IDENT \"c1\") (CHANNEL_NAME_LIST (IDENT \"c2\")))) - "
     "(DECL_LIST (MESSAGE (IDENT \"mt\") (MESSAGE_NAME_LIST (IDENT \"m1\") "
     "(MESSAGE_NAME_LIST (IDENT \"m2\")))) - (DECL_LIST (TIMER (IDENT \"t1\")))))))))))))"},
    {"trigger",
     "TRIGGER evt e1, e2\n",
     "(DECL_LIST (TRIGGER (IDENT \"evt\") (TRIGGER_NAME_LIST (IDENT \"e1\") "
     "(TRIGGER_NAME_LIST (IDENT \"e2\")))))"},
    {"instances",
     "DECLARE_INSTANCE i1, i2\nINSTANCE i1 :\n#define X 1\nTIMER t2\nEND INSTANCE\n",
     "(DECL_LIST - (DECLARE_INSTANCE (INSTANCE_LIST (IDENT \"i1\") (INSTANCE_LIST "
     "(IDENT \"i2\")))) (DECL_LIST - (INSTANCE_BLOCK (INSTANCE_LIST (IDENT \"i1\")) "
     "(INSTANCE_DECL_LIST (NATIVE_LINE \"define X 1\") - (INSTANCE_DECL_LIST "
     "(TIMER (IDENT \"t2\")))))))"},
    {"procedures",
     "PROC p()\n  EXIT\nEND PROC\n"
     "PROC q(int a, char b)\n  #int l1;\n  #int l2;\n  @ x = 1;\n"
     "  INSTANCE i1 :\n  # int y;\n  END INSTANCE\n"
     "  INSTANCE i2 :\n  EXIT\n  ERROR\n  END INSTANCE\n  ERROR\nEND PROC\n",
     "(DECL_LIST (PROC (IDENT \"p\") - (BLOCK " STMT("(EXIT)") ")) - (DECL_LIST "
     "(PROC (IDENT \"q\") (PARAM_LIST (PARAM (IDENT \"int\") (IDENT \"a\")) "
     "(PARAM_LIST (PARAM (IDENT \"char\") (IDENT \"b\")))) (DECL_BLOCK "
     "(NATIVE_LINE_LIST (NATIVE_LINE \"int l1;\") (NATIVE_LINE_LIST (NATIVE_LINE "
     "\"int l2;\"))) - (BLOCK " STMT("(NATIVE_STMT \" x = 1;\")") " - (DECL_BLOCK "
     "(INSTANCE_BEGIN (INSTANCE_LIST (IDENT \"i1\"))) (NATIVE_LINE_LIST "
     "(NATIVE_LINE \" int y;\")) (BLOCK (INSTANCE_BEGIN (INSTANCE_LIST (IDENT "
     "\"i2\"))) (STMT_LIST " STMT("(EXIT)") " (STMT_LIST " STMT("(ERROR)") ")) "
     "(BLOCK " STMT("(ERROR)") "))))))))"},
    {"handlers",
     "CALLBACK mt : m ON ct : id\n  NO_MESSAGE\nEND CALLBACK\n"
     "VIRTUALCALLBACK mt : m ON ct : id [ ex ]\n  MESSAGE_DATE\nEND CALLBACK\n"
     "PROCSEND mt : m ON ct : id\n  EXIT\nEND PROCSEND\n"
     "VIRTUALPROCSEND mt : m ON ct : id\n  EXIT\nEND PROCSEND\n",
     "(DECL_LIST (CALLBACK (CALLBACK_NAME (IDENT \"mt\") (IDENT \"m\")) (CALLBACK_ON "
     "(IDENT \"ct\") (IDENT \"id\")) (BLOCK " STMT("(NO_MESSAGE)") ")) - (DECL_LIST "
     "(VIRTUAL_CALLBACK (CALLBACK_NAME (IDENT \"mt\") (IDENT \"m\")) (CALLBACK_ON "
     "(IDENT \"ct\") (IDENT \"id\") (IDENT \"ex\")) (BLOCK " STMT("(MESSAGE_DATE)")
     ")) - (DECL_LIST (PROCSEND (PROCSEND_NAME (IDENT \"mt\") (IDENT \"m\")) "
     "(PROCSEND_ON (IDENT \"ct\") (IDENT \"id\")) (BLOCK " STMT("(EXIT)") ")) - "
     "(DECL_LIST (VIRTUAL_PROCSEND (PROCSEND_NAME (IDENT \"mt\") (IDENT \"m\")) "
     "(PROCSEND_ON (IDENT \"ct\") (IDENT \"id\")) (BLOCK " STMT("(EXIT)") "))))))"},
    {"call forms",
     "SCENARIO s\n  CALL p(REF(x), y @ 1 @ 2, z @ 3) @ r @ v\n  CALL q() @ 0\n"
     "END SCENARIO\n",
     IN_SCENARIO("(BLOCK " STMT("(CALL (IDENT \"p\") (ARG_LIST (REF_PARAM (ACTUAL "
     EXPR("x") ")) (ARG_LIST (VALUE_PARAM (ACTUAL " EXPR("y") " " EXPR("1") " "
     EXPR("2") ")) (ARG_LIST (VALUE_PARAM (ACTUAL " EXPR("z") " " EXPR("3")
     "))))) (RETURN_SPEC " EXPR("r") " " EXPR("v") "))") " - (BLOCK "
     STMT("(CALL (IDENT \"q\") (ARG_LIST (VALUE_PARAM (ACTUAL (EXPR (EMPTY))))) "
     "(RETURN_SPEC " EXPR("0") "))") "))")},
    {"case",
     "SCENARIO s\n  CASE (x) IS\n    WHEN 1 =>\n    WHEN 'a' =>\n      EXIT\n"
     "    WHEN OTHERS => ERROR\n    WHEN a::b =>\n      EXIT\n    WHEN id => EXIT\n"
     "      EXIT\n  END CASE\nEND SCENARIO\n",
     IN_SCENARIO("(BLOCK " STMT("(CASE " EXPR("x") " (CASE_BRANCH_LIST (CASE_BRANCH "
     "(WHEN_LIST (NUMBER \"1\") (WHEN_LIST (NUMBER \"'a'\"))) (INNER_BLOCK "
     STMT("(EXIT)") ")) (CASE_BRANCH_LIST (CASE_BRANCH (WHEN_LIST (OTHERS)) "
     "(INNER_BLOCK " STMT("(ERROR)") ")) (CASE_BRANCH_LIST (CASE_BRANCH (WHEN_LIST "
     "(IDENT \"a::b\")) (INNER_BLOCK " STMT("(EXIT)") ")) (CASE_BRANCH_LIST "
     "(CASE_BRANCH (WHEN_LIST (IDENT \"id\")) (INNER_BLOCK " STMT("(EXIT)")
     " - (INNER_BLOCK " STMT("(EXIT)") "))))))))") ")")},
    {"if and while",
     "SCENARIO s\n  IF (a) THEN\n    EXIT\n  ELSE\n    INSTANCE i :\n    EXIT\n"
     "    END INSTANCE\n    ERROR\n  END IF\n  IF (b) THEN\n    EXIT\n  END IF\n"
     "  WHILE (x)\n    EXIT\n  END WHILE\nEND SCENARIO\n",
     IN_SCENARIO("(BLOCK " STMT("(IF " EXPR("a") " (INNER_BLOCK " STMT("(EXIT)")
     ") (ELSE (INNER_BLOCK (INSTANCE_BEGIN (INSTANCE_LIST (IDENT \"i\"))) "
     "(STMT_LIST " STMT("(EXIT)") ") (INNER_BLOCK " STMT("(ERROR)") "))))")
     " - (BLOCK " STMT("(IF " EXPR("b") " (INNER_BLOCK " STMT("(EXIT)") ") (EMPTY))")
     " - (BLOCK " STMT("(WHILE " EXPR("x") " (INNER_BLOCK " STMT("(EXIT)") "))")
     ")))")},
    {"simple statements",
     "SCENARIO s\n  SEND(m1, c1)\n  CATCH e WITH h\n  COMMENT hello there\n"
     "  DEF_TRIGGER(t, a, b)\n  DISABLE_CLEANUP c()\n  ENABLE_CLEANUP c()\n"
     "  @ native();\n  SET(\"x\")\n  UNSET(\"x\")\n  VAR v, INIT=1\n  VAR v, EV=2\n"
     "  VAR v, EV==\n  FD_ADD(a, b)\n  FD_DEL(a)\n  RENDEZVOUS rv\n  FORMAT=dec v\n"
     "  DEF_MESSAGE m, EV=(1)\n  ADD_ID(c, 1)\n  CLEAR_ID(c)\n  TIMER t\n  RESET t\n"
     "  PAUSE 10\n  PRINT out, x\n  FLUSH_TRACE\n  TRACE_ON\n  TRACE_OFF\n"
     "  INTERSEND(a, b)\n  INTERRECV(a)\n  INTERRECV(a, b)\n%F EXIT\n%%G EXIT\n"
     "END SCENARIO\n",
     IN_SCENARIO("(BLOCK " STMT("(SEND (SEND_ARGS (IDENT \"m1\") (IDENT \"c1\")))")
     " - (BLOCK " STMT("(CATCH (IDENT \"e\") (IDENT \"h\"))")
     " - (BLOCK " STMT("(COMMENT \"hello there\")")
     " - (BLOCK " STMT("(DEF_TRIGGER " EXPR("t") " (TRIGGER_ARG_LIST " EXPR("a")
     " (TRIGGER_ARG_LIST " EXPR("b") ")))")
     " - (BLOCK " STMT("(DISABLE_CLEANUP (IDENT \"c\"))")
     " - (BLOCK " STMT("(ENABLE_CLEANUP (IDENT \"c\"))")
     " - (BLOCK " STMT("(NATIVE_STMT \" native();\")")
     " - (BLOCK " STMT("(SET (STRING \"\\\"x\\\"\"))")
     " - (BLOCK " STMT("(UNSET (STRING \"\\\"x\\\"\"))")
     " - (BLOCK " STMT("(VAR " EXPR("v") " (VAR_INIT \"INIT=1\"))")
     " - (BLOCK " STMT("(VAR " EXPR("v") " (VAR_EV \"EV=2\"))")
     " - (BLOCK " STMT("(VAR " EXPR("v") " (VAR_EV_EQ))")
     " - (BLOCK " STMT("(FD_ADD " EXPR("a") " " EXPR("b") ")")
     " - (BLOCK " STMT("(FD_DEL " EXPR("a") ")")
     " - (BLOCK " STMT("(RENDEZVOUS (IDENT \"rv\"))")
     " - (BLOCK " STMT("(FORMAT (FORMAT_TEXT \"dec\") " EXPR("v") ")")
     " - (BLOCK " STMT("(DEF_MESSAGE " EXPR("m") " (VAR_EV \"EV=(1)\"))")
     " - (BLOCK " STMT("(ADD_ID " EXPR("c") " " EXPR("1") ")")
     " - (BLOCK " STMT("(CLEAR_ID " EXPR("c") ")")
     " - (BLOCK " STMT("(TIMER (IDENT \"t\"))")
     " - (BLOCK " STMT("(RESET (IDENT \"t\"))")
     " - (BLOCK " STMT("(PAUSE " EXPR("10") ")")
     " - (BLOCK " STMT("(PRINT (IDENT \"out\") " EXPR("x") ")")
     " - (BLOCK " STMT("(FLUSH_TRACE)")
     " - (BLOCK " STMT("(TRACE_ON)")
     " - (BLOCK " STMT("(TRACE_OFF)")
     " - (BLOCK " STMT("(INTERSEND (INTERSEND_ARGS " EXPR("a") " " EXPR("b") "))")
     " - (BLOCK " STMT("(INTERRECV (INTERRECV_ARGS " EXPR("a") "))")
     " - (BLOCK " STMT("(INTERRECV (INTERRECV_ARGS " EXPR("a") " " EXPR("b") "))")
     " - (BLOCK (STATEMENT (FILTER \"F\") (EXIT))"
     " - (BLOCK (STATEMENT (FILTER2 \"%G\") (EXIT))"
     ")))))))))))))))))))))))))))))))")},
    {"waittil terms",
     "SCENARIO s\n  WAITTIL(MATCHED(m, c) && NOTMATCHED(m) || MATCHING(m,c) || "
     "NOTMATCHING(m), WTIME=10)\nEND SCENARIO\n",
     IN_SCENARIO("(BLOCK " STMT("(WAITTIL (EXPR (EMPTY) (EXPR (MATCHED (IDENT \"m\") "
     "(IDENT \"c\")) (EXPR (NATIVE_EXPR \"&&\") (EXPR (NOTMATCHED (IDENT \"m\")) "
     "(EXPR (NATIVE_EXPR \"||\") (EXPR (MATCHING (IDENT \"m\") (IDENT \"c\")) (EXPR "
     "(NATIVE_EXPR \"||\") (EXPR (NOTMATCHING (IDENT \"m\")) (EXPR (EMPTY)))))))))) "
     EXPR("WTIME=10") ")") ")")},
    {"scenario items",
     "INITIALIZATION init(1)\nSCENARIO s2 LOOP 3\nFAMILY f1, f2\n  SCENARIO s3\n"
     "    EXIT\n  END SCENARIO\n  INITIALIZATION\n    EXIT\n  END INITIALIZATION\n"
     "  TERMINATION\n    EXIT\n  END TERMINATION\n  EXCEPTION\n    EXIT\n"
     "  END EXCEPTION\nEND SCENARIO\nTERMINATION term()\nEXCEPTION exc(a)\n",
     ROOT("(SCENARIO_ITEM_LIST (INITIALIZATION (IDENT \"init\") - (ARG_LIST "
     "(VALUE_PARAM (ACTUAL " EXPR("1") ")))) (SCENARIO_ITEM_LIST (SCENARIO (IDENT "
     "\"s2\") (SCENARIO_BODY (NUMBER \"3\") (FAMILY (FAMILY_LIST (IDENT \"f1\") "
     "(FAMILY_LIST (IDENT \"f2\")))) (SCENARIO_ITEM_LIST (SCENARIO (IDENT \"s3\") "
     "(SCENARIO_BODY - (EMPTY) (BLOCK " STMT("(EXIT)") "))) (SCENARIO_ITEM_LIST "
     "(INITIALIZATION - (BLOCK " STMT("(EXIT)") ") (BLOCK_MARK)) (SCENARIO_ITEM_LIST "
     "(TERMINATION - (BLOCK " STMT("(EXIT)") ") (BLOCK_MARK)) (SCENARIO_ITEM_LIST "
     "(EXCEPTION - (BLOCK " STMT("(EXIT)") ") (BLOCK_MARK)))))))) (SCENARIO_ITEM_LIST "
     "(TERMINATION (IDENT \"term\") - (ARG_LIST (VALUE_PARAM (ACTUAL (EXPR "
     "(EMPTY)))))) (SCENARIO_ITEM_LIST (EXCEPTION (IDENT \"exc\") - (ARG_LIST "
     "(VALUE_PARAM (ACTUAL " EXPR("a") "))))))))")},
    {"only declarations: no root scenario",
     "TIMER t\n", "(DECL_LIST (TIMER (IDENT \"t\")))"},
};

INSTANTIATE_TEST_SUITE_P(Rules, TreeTest, ::testing::ValuesIn(tree_cases),
                         [](const auto &info) { return test_name(info.param.name); });

TEST(Parser, EmptyLinesBeforeHeader)
{
    EXPECT_EQ(parse("\n\n-- x\n\nHEADER \"a\", \"b\", \"c\"\n"),
              "(SCRIPT (HEADER (STRING \"\\\"a\\\"\") (STRING \"\\\"b\\\"\") "
              "(STRING \"\\\"c\\\"\")))");
}

TEST(Parser, CommentsDroppedWithoutTheFlag)
{
    std::string tree = parse(std::string(header) + "SCENARIO s\nCOMMENT x\n"
                                                   "END SCENARIO\n", 0);
    EXPECT_NE(tree.find("(BLOCK (STATEMENT))"), std::string::npos) << tree;
}

TEST(Parser, NodeLinesAndFileNumbersFollowIncludes)
{
    std::string dir = make_temp_dir();
    write_file(dir + "/decl.pts", "TIMER d\n");
    write_file(dir + "/item.pts", "SCENARIO i\n  EXIT\nEND SCENARIO\n");
    ParseResult result;
    std::string tree = parse_in(dir, std::string(header) +
                               "INCLUDE \"" + dir + "/decl.pts\"\n"
                               "SCENARIO s\n  EXIT\nEND SCENARIO\n"
                               "INCLUDE \"" + dir + "/item.pts\"\n"
                               "INCLUDE \"" + dir + "/item.pts\"\n",
                               1, true, &result);
    /* Includes before the first item are declarations, later ones items. */
    EXPECT_NE(tree.find("(DECL_LIST:3 (INCLUDE:3) - (DECL_LIST:3 (TIMER:1 (IDENT:1 \"d\"))))"),
              std::string::npos) << tree;
    EXPECT_NE(tree.find("(SCENARIO_ITEM_LIST:8 (INCLUDE:7) (SCENARIO_ITEM_LIST:8 "
                        "(SCENARIO:4 (IDENT:1 \"i\")"),
              std::string::npos) << tree;
    SyntaxNode *timer = result.tree->child2->child3->child1;
    ASSERT_EQ(timer->kind, NK_TIMER);
    EXPECT_EQ(timer->file_number, 2u);
    EXPECT_EQ(std::string(timer->file), dir + "/decl.pts");
    ASSERT_NE(result.files, nullptr);
    /* Newest first; the same file read twice keeps its number. */
    std::vector<std::pair<std::string, uint32_t>> files;
    for (ScriptFile *f = result.files; f; f = f->next)
        files.push_back({f->name, f->number});
    std::vector<std::pair<std::string, uint32_t>> expected = {
        {dir + "/item.pts", 3}, {dir + "/item.pts", 3},
        {dir + "/decl.pts", 2}, {dir + "/t.pts", 1}};
    EXPECT_EQ(files, expected);
    free_syntax_tree(result.tree);
    free_script_files(result.files);
}

TEST(Parser, IncludeDirectoriesAreSearchedInOrder)
{
    std::string dir = make_temp_dir();
    mkdir((dir + "/one").c_str(), 0755);
    mkdir((dir + "/two").c_str(), 0755);
    write_file(dir + "/two/found.pts", "TIMER f\n");
    write_file(dir + "/t.pts", std::string(header) + "INCLUDE \"found.pts\"\n");
    ParseResult result;
    parse_script((dir + "/t.pts").c_str(), {dir + "/one", dir + "/two"}, 1, &result);
    std::string tree;
    print_tree(result.tree, tree);
    EXPECT_NE(tree.find("(TIMER (IDENT \"f\"))"), std::string::npos) << tree;
    ASSERT_NE(result.files, nullptr);
    EXPECT_EQ(std::string(result.files->name), dir + "/two/found.pts");
    free_syntax_tree(result.tree);
    free_script_files(result.files);
}

TEST(Parser, DeepNestingIsReleasedWithoutRecursion)
{
    const int depth = 5000;
    std::string script = std::string(header) + "SCENARIO s\n";
    for (int i = 0; i < depth; i++)
        script += "IF (x) THEN\n";
    script += "EXIT\n";
    for (int i = 0; i < depth; i++)
        script += "END IF\n";
    script += "END SCENARIO\n";
    std::string tree = parse(script);
    size_t ifs = 0;
    for (size_t at = tree.find("(IF "); at != std::string::npos;
         at = tree.find("(IF ", at + 1))
        ifs++;
    EXPECT_EQ(ifs, size_t(depth));
}

TEST(Tree, ExprIsEmpty)
{
    SyntaxNode *empty = make_node(NK_EMPTY, nullptr, nullptr, nullptr, nullptr);
    SyntaxNode *blank = make_node(
        NK_EXPR, make_node(NK_EMPTY, nullptr, nullptr, nullptr, nullptr),
        make_node(NK_EXPR, make_node(NK_EMPTY, nullptr, nullptr, nullptr, nullptr),
                  nullptr, nullptr, nullptr),
        nullptr, nullptr);
    SyntaxNode *given = make_node(
        NK_EXPR, make_node(NK_EMPTY, nullptr, nullptr, nullptr, nullptr),
        make_node(NK_EXPR, make_node(NK_NATIVE_EXPR, nullptr, nullptr, nullptr, "1"),
                  nullptr, nullptr, nullptr),
        nullptr, nullptr);
    SyntaxNode *other = make_node(NK_IDENT, nullptr, nullptr, nullptr, "x");
    EXPECT_TRUE(expr_is_empty(nullptr));
    EXPECT_TRUE(expr_is_empty(empty));
    EXPECT_TRUE(expr_is_empty(blank));
    EXPECT_FALSE(expr_is_empty(given));
    EXPECT_FALSE(expr_is_empty(other));
    for (SyntaxNode *n : {empty, blank, given, other})
        free_tree(n, 1);
}

TEST(Tree, NodeTextValue)
{
    setenv("ZRS_TEST_VALUE", "from env", 1);
    SyntaxNode *string = make_node(NK_STRING, nullptr, nullptr, nullptr, "\"s\"");
    SyntaxNode *env = make_node(NK_ENVVAR, nullptr, nullptr, nullptr, "$ZRS_TEST_VALUE");
    EXPECT_STREQ(node_text_value(string), "\"s\"");
    char *value = node_text_value(env);
    EXPECT_STREQ(value, "from env");
    EXPECT_EQ(env->text, nullptr);
    xfree(value);
    free_tree(string, 1);
    free_tree(env, 1);
}

/* Nodes come from shared blocks: nodes and texts across many blocks, a
** text larger than a block, and nodes still alive while others are
** released keep their content. */
TEST(Tree, NodesAcrossBlocksKeepTheirTexts)
{
    std::vector<SyntaxNode *> nodes;
    std::vector<std::string> texts;
    for (int i = 0; i < 5000; i++) {
        texts.push_back(i == 2500 ? std::string(200000, 'b') : "t" + std::to_string(i));
        nodes.push_back(make_node(NK_IDENT, nullptr, nullptr, nullptr, texts.back().c_str()));
        EXPECT_EQ(reinterpret_cast<uintptr_t>(nodes.back()) % alignof(SyntaxNode), 0u);
    }
    SyntaxNode *list = make_node(NK_EXPR, nodes[0], nodes[1], nullptr, nullptr);
    free_tree(list, 1);                           /* three of them go */
    for (size_t i = 2; i < nodes.size(); i += 2)
        free_tree(nodes[i], 1);
    for (size_t i = 3; i < nodes.size(); i += 2)
        EXPECT_EQ(nodes[i]->text, texts[i]);
    for (size_t i = 3; i < nodes.size(); i += 2)
        free_tree(nodes[i], 1);
    /* every node released: the next ones start afresh */
    SyntaxNode *again = make_node(NK_IDENT, nullptr, nullptr, nullptr, "x");
    EXPECT_STREQ(again->text, "x");
    free_tree(again, 1);
}

TEST(Tree, KindNames)
{
    EXPECT_STREQ(node_kind_name(NK_TRIGGER_ARG_LIST), "NK_TRIGGER_ARG_LIST");
    EXPECT_STREQ(node_kind_name(165), "NK_VIRTUAL_PROCSEND");
    EXPECT_EQ(node_kind_name(13), nullptr);
    EXPECT_EQ(node_kind_name(166), nullptr);
}

} // namespace
