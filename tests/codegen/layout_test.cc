/*
** tests/codegen/layout_test.cc
** What no script reaches: a message type without event variables, and an
** instance mode outside 0 to 3 at the entry function.  The tables are
** built by hand.
*/
#include "diag.h"
#include "run_program.h"
#include "script.h"
#include "source_int.h"

#include <gtest/gtest.h>

#include <string>

namespace {

/* A request writing into a fresh folder; the root scenario is added last
** by the caller. */
struct HandTables {
    std::string dir;
    std::string source;
    TextList interfaces;
    Scope *global = new_scope(nullptr, nullptr);
    GenerationRequest request{};
    explicit HandTables(const std::string &folder = make_temp_dir())
        : dir(folder), source(folder + "/drv.cc")
    {
        request.source_name = source.c_str();
        request.rio_name = "drv.rio";
        request.time_text = "Tue Nov 14 22:13:20 2023";
        request.interface_files = &interfaces;
        request.filters = "";
        request.start_routine = "<main>";
        request.global = global;
    }
    ~HandTables() { free_entries(global); }
    SemanticEntry *add(uint32_t kind, const char *name, uint32_t code)
    {
        /* an empty name is the tables' shared "", never released */
        char *owned = *name ? xstrdup(name) : const_cast<char *>("");
        SemanticEntry *e = add_entry(global, kind, owned, "s.pts", 1, 1, nullptr);
        if (code)
            add_descriptor(e, code);
        return e;
    }
    void add_root()
    {
        SemanticEntry *root = add(EK_SCENARIO, "", DC_SCENARIO);
        scenario_selected(root->descriptor) = 1;
    }
};

bool has(const std::string &text, const char *piece)
{
    return text.find(piece) != std::string::npos;
}

TEST(Layout, MessageTypeWithoutEventVariablesKeepsItsTypedefsAndLoops)
{
    HandTables t;
    t.add(EK_MESSAGE_TYPE, "quiet_t", DC_MESSAGE_TYPE);
    t.add_root();
    generate_source(t.request);
    std::string text = read_file(t.source);
    EXPECT_TRUE(has(text, "#define ZRK_K_MSG_quiet_t 0\n"));
    EXPECT_TRUE(has(text, "typedef ZRK_T_quiet_t ZRK_T_MSG_quiet_t[ZRK_K_MSG_quiet_t];"));
    EXPECT_TRUE(has(text, "for (zrk_i=0;zrk_i<ZRK_K_MSG_quiet_t;zrk_i++)"));
    EXPECT_TRUE(has(text, "for (zrk_i=0; zrk_i<ZRK_K_MSG_quiet_t; zrk_i++)"));
    EXPECT_FALSE(has(text, "&zrk_Min_"));       /* no event variable members */
    EXPECT_TRUE(has(text, "ZRK_T_INT main("));
}

TEST(LayoutDeathTest, InstanceModeOutsideTheFourStopsAtTheEntryFunction)
{
    HandTables t;
    EXPECT_EXIT(
        {
            init_script_messages();
            open_listing(nullptr, true);
            HandTables child(t.dir);   /* built where the run ends */
            child.add_root();
            child.request.instance_mode = 4;
            generate_source(child.request);
        },
        testing::ExitedWithCode(7), "Korvat-F-BADPARAMS");
    /* the file stays as far as it was written: up to the bodies */
    std::string text = read_file(t.source);
    EXPECT_NE(text.find("void ZIRKO::zrk_initstates ()"), std::string::npos);
    EXPECT_EQ(text.find("main("), std::string::npos);
}

} // namespace
