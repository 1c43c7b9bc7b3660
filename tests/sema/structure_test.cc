/*
** tests/sema/structure_test.cc
** Trees the parser never builds: a wrong root, a statement of a kind no
** statement has, a missing statement.  Each ends the run as an internal
** fault (status 9) instead of being read as something else.
*/
#include "sema_harness.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

SyntaxNode *leaf(uint32_t kind, const char *text = nullptr)
{
    return make_node(kind, nullptr, nullptr, nullptr, text);
}

/* HEADER "a", "b", "c" and a root scenario holding scenario s, whose body
** is one statement node carrying `statement` (null: nothing). */
SyntaxNode *script_with_statement(SyntaxNode *statement)
{
    SyntaxNode *header = make_node(NK_HEADER, leaf(NK_STRING, "\"a\""),
                                   leaf(NK_STRING, "\"b\""), leaf(NK_STRING, "\"c\""),
                                   nullptr);
    SyntaxNode *block = make_node(
        NK_BLOCK, make_node(NK_STATEMENT, nullptr, statement, nullptr, nullptr), nullptr,
        nullptr, nullptr);
    SyntaxNode *scenario = make_node(
        NK_SCENARIO, leaf(NK_IDENT, "s"),
        make_node(NK_SCENARIO_BODY, nullptr, leaf(NK_EMPTY), block, nullptr), nullptr,
        nullptr);
    SyntaxNode *root = make_node(
        NK_SCENARIO, leaf(NK_IDENT, ""),
        make_node(NK_SCENARIO_BODY, nullptr, leaf(NK_EMPTY),
                  make_node(NK_SCENARIO_ITEM_LIST, scenario, nullptr, nullptr, nullptr),
                  nullptr),
        nullptr, nullptr);
    return make_node(NK_SCRIPT, header, nullptr,
                     make_node(NK_SCENARIO_ITEM_LIST, root, nullptr, nullptr, nullptr),
                     nullptr);
}

void analyse(SyntaxNode *tree)
{
    harness_start();
    static SemanticRequest request;
    request = SemanticRequest{};
    request.tree = tree;
    request.instance = "";
    SemanticResult result;
    analyse_script(request, &result);
    free_semantic_tables(result.global);
    free_syntax_tree(tree);
}

TEST(StructureDeathTest, WrongRootIsInternal)
{
    EXPECT_EXIT(analyse(leaf(NK_DECL_LIST)), ::testing::ExitedWithCode(9), "STXNODNWT");
}

/* The hand-made tree is the parser's shape: with a real statement the
** analysis runs to its end. */
TEST(StructureDeathTest, WellFormedTreeRunsThrough)
{
    EXPECT_EXIT(
        {
            analyse(script_with_statement(leaf(NK_EXIT)));
            exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(StructureDeathTest, UnknownStatementKindIsInternal)
{
    EXPECT_EXIT(analyse(script_with_statement(leaf(NK_IDENT, "x"))),
                ::testing::ExitedWithCode(9), "STXNODNWT");
}

TEST(StructureDeathTest, MissingStatementIsInternal)
{
    EXPECT_EXIT(analyse(script_with_statement(nullptr)), ::testing::ExitedWithCode(9),
                "STXNODNIL");
}

} // namespace
