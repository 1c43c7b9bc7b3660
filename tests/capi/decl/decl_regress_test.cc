/*
** tests/capi/decl/decl_regress_test.cc
** Inputs the declaration fuzz target once crashed on: each file of
** fuzz_regressions/ is analysed as declarations, as the target does with
** an even first byte, and must simply come back.
*/
#include "decl.h"
#include "model.h"
#include "target_sizes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

void drop_report(int, const char *, const char *, const char *, int)
{
}

TEST(DeclRegressions, FuzzFindingsAnalyseWithoutCrashing)
{
    fs::path dir = fs::path(ZRS_SOURCE_ROOT) / "tests/capi/decl/fuzz_regressions";
    int seen = 0;
    for (const auto &entry : fs::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::stringstream content;
        content << in.rdbuf();
        /* The target skips the selector byte and reads a C string. */
        std::string text = content.str().substr(1);
        text = text.c_str();
        init_intern_table();
        reset_target_sizes();
        CSymbolTable *table = create_symbol_table("ZIRKO");
        decl_set_table(table);
        analyse_declarations(text.c_str(), "fuzz.h", "", 1, drop_report);
        decl_set_table(nullptr);
        release_symbol_table(table);
        ++seen;
    }
    EXPECT_GT(seen, 0);
}

} // namespace
