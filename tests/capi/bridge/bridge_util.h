/*
** tests/capi/bridge/bridge_util.h
** Fixture for the bridge tests: a fresh symbol table per test, the
** catalogue loaded so that reports print their texts, and helpers that
** run a bridge operation while capturing what it printed.
*/
#ifndef ZRS_TEST_BRIDGE_UTIL_H
#define ZRS_TEST_BRIDGE_UTIL_H

#include <gtest/gtest.h>

#include <string>

#include "capi.h"
#include "decl.h"
#include "diag.h"
#include "model.h"

class BridgeTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        init_intern_table();
        init_script_messages();
        init_bibli_messages();
        init_modbas_messages();
        init_anaccpp_messages();
        start_interface_analysis(2, {}, {}, nullptr);
    }
    void SetUp() override
    {
        decl_set_table(create_symbol_table("ZIRKO"));
        set_bridge_position("s.pts", 7);
        set_bridge_namespace("");
    }
    void TearDown() override
    {
        release_symbol_table(decl_table());
        decl_set_table(nullptr);
    }
    /* Declarations that must go in without a report. */
    void declare(const char *text, const char *file = "t.h")
    {
        testing::internal::CaptureStderr();
        analyse_declaration_text(text, "", file, 1);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << text;
        set_bridge_position("s.pts", 7);
    }
    /* The image of the expression's type ("(none)" without one); `err`
    ** receives what was printed. */
    std::string typed(const char *text, std::string &err,
                      const char *name_space = "")
    {
        testing::internal::CaptureStderr();
        CExpr *tree = analyse_expression(text, name_space);
        CType *type = expression_type(tree);
        err = testing::internal::GetCapturedStderr();
        std::string image = "(none)";
        if (type) {
            image.clear();
            type_image(type, "", 0, 0, image);
        }
        free_type(type);
        free_expression(tree);
        return image;
    }
};

#endif
