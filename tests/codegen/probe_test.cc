/*
** tests/codegen/probe_test.cc
** What no script reaches in probe mode: a `.h` file that cannot be opened
** for appending once the TDC writer has closed it.  The tables are built
** by hand.
*/
#include "diag.h"
#include "run_program.h"
#include "script.h"
#include "source_int.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ProbeDeathTest, HeaderThatCannotBeAppendedToIsFatal)
{
    std::string dir = make_temp_dir();
    std::string source = dir + "/drv.cc";
    std::string header = dir + "/gone/drv.h";
    TextList interfaces;
    GenerationRequest request{};
    request.source_name = source.c_str();
    request.header_name = header.c_str();
    request.rio_name = "drv.rio";
    request.time_text = "Tue Nov 14 22:13:20 2023";
    request.interface_files = &interfaces;
    request.filters = "";
    request.start_routine = "<main>";
    request.probe = 1;
    EXPECT_EXIT(
        {
            init_script_messages();
            open_listing(nullptr, true);
            /* the tables are built where the run ends */
            request.global = new_scope(nullptr, nullptr);
            SemanticEntry *root =
                add_entry(request.global, EK_SCENARIO, const_cast<char *>(""), "s.pts", 1, 1, nullptr);
            add_descriptor(root, DC_SCENARIO);
            scenario_selected(root->descriptor) = 1;
            generate_source(request);
        },
        testing::ExitedWithCode(7), "Korvat-F-FICERROPN.*gone/drv.h");
    /* the source stays as far as it was written: its include of the header */
    std::string text = read_file(source);
    EXPECT_NE(text.find("gone/drv.h\""), std::string::npos);
    EXPECT_EQ(text.find("class ZIRKO"), std::string::npos);
}

} // namespace
