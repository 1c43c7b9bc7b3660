/*
** tests/diag/report_test.cc
** Line formatting, argument filling, positions, counts and the summary.
*/
#include "diag.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class Reporting : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        init_script_messages();
        init_bibli_messages();
        init_modbas_messages();
        init_anaccpp_messages();
    }
    /* Captures exactly what one report writes to standard error. */
    template <typename F> static std::string captured(F report)
    {
        testing::internal::CaptureStderr();
        report();
        return testing::internal::GetCapturedStderr();
    }
};

TEST_F(Reporting, FillsTheLowestMarkerAndRemovesLeftovers)
{
    catalogue_add("TSTARGS01", "a%1b%2c%3d");
    struct Case {
        const char *arg1, *arg2, *expected;
    } cases[] = {
        {"X", "Y", "Korvat-I-TSTARGS01,  aXbYcd\n"},
        {"X", "", "Korvat-I-TSTARGS01,  aXbcd\n"},
        /* A lone second argument fills the lowest marker, %1. */
        {"", "Y", "Korvat-I-TSTARGS01,  aYbcd\n"},
        {"", "", "Korvat-I-TSTARGS01,  abcd\n"},
        /* Markers that arrive inside arguments are removed too. */
        {"%3", "%2", "Korvat-I-TSTARGS01,  abcd\n"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(captured([&] { report_info("TSTARGS01", c.arg1, c.arg2); }),
                  c.expected)
            << c.arg1 << "|" << c.arg2;
}

TEST_F(Reporting, UnknownCodeGivesTheBarePrefix)
{
    EXPECT_EQ(captured([] { report_info("NOSUCHCOD", "x", "y"); }),
              "Korvat-I-NOSUCHCOD,  \n");
}

TEST_F(Reporting, SecondInitialisationChangesNothing)
{
    catalogue_add("NOMVARINC", "changed");
    init_bibli_messages();
    EXPECT_EQ(catalogue_lookup("NOMVARINC"), "changed");
    catalogue_add("NOMVARINC", "%1Bad variable name %2");
}

TEST_F(Reporting, PositionPrefixes)
{
    EXPECT_EQ(position_prefix("s1.pts", 12), "[s1.pts:12] ");
    EXPECT_EQ(position_prefix("", 7), "[7] ");
    EXPECT_EQ(position_prefix(nullptr, 7), "[7] ");
    EXPECT_EQ(position_prefix("", 0), "");
    EXPECT_EQ(position_prefix("f.h", 0), "[f.h:0] ");
    /* Errors and warnings are counted: they run in a child so that the
    ** summary cases below start from zero. */
    EXPECT_EXIT(
        {
            report_at(SEV_ERROR, "NOMVARINC", "x", "s1.pts", 12);
            exit(0);
        },
        testing::ExitedWithCode(0),
        "^Korvat-E-NOMVARINC,  \\[s1.pts:12\\] Bad variable name x\n$");
    /* No position: the leading %1 receives nothing and the text fills %2. */
    EXPECT_EQ(captured([] { report_at(SEV_INFO, "NOMVARINC", "x", "", 0); }),
              "Korvat-I-NOMVARINC,  Bad variable name x\n");
}

TEST_F(Reporting, CountsOnlyErrorsAndWarnings)
{
    EXPECT_EXIT(
        {
            int errors = error_count();
            int warnings = warning_count();
            report_at(SEV_ERROR, "NOMVARINC", "x", "f", 1);
            report_at(SEV_WARNING, "NOMVARINC", "x", "f", 1);
            report_at(SEV_INFO, "NOMVARINC", "x", "f", 1);
            report_at(5, "NOMVARINC", "x", "f", 1);   /* prints nothing */
            bool ok = error_count() == errors + 1 &&
                      warning_count() == warnings + 1;
            exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0),
        "^Korvat-E-NOMVARINC,  \\[f:1\\] Bad variable name x\n"
        "Korvat-W-NOMVARINC,  \\[f:1\\] Bad variable name x\n"
        "Korvat-I-NOMVARINC,  \\[f:1\\] Bad variable name x\n$");
}

TEST_F(Reporting, HereUsesTheCurrentPosition)
{
    set_current_file("a.h");
    set_current_line(3);
    EXPECT_EQ(captured([] { report_here(SEV_INFO, "NOMVARINC", "v"); }),
              "Korvat-I-NOMVARINC,  [a.h:3] Bad variable name v\n");
    set_current_file(std::string(5000, 'd').c_str());
    EXPECT_EQ(current_file(), std::string(5000, 'd'));
    set_current_file("");
    set_current_line(0);
}

/* The summary ends the process: each case runs in a child. */
TEST_F(Reporting, SummaryCodesAndStatuses)
{
    EXPECT_EXIT(end_of_run(), testing::ExitedWithCode(0),
                "Korvat-I-ENDNOENWR,  End of execution with 0 error and 0 "
                "warning\n");
    EXPECT_EXIT(
        {
            report_warning("NOMVARINC");
            report_warning("NOMVARINC");
            end_of_run();
        },
        testing::ExitedWithCode(3),
        "Korvat-I-ENDNOEWAR,  End of execution with 2 warning\\(s\\)\n");
    EXPECT_EXIT(
        {
            report_error("NOMVARINC");
            end_of_run();
        },
        testing::ExitedWithCode(5),
        "Korvat-I-ENDERRNWR,  End of execution with 1 error\\(s\\)\n");
    EXPECT_EXIT(
        {
            report_warning("NOMVARINC");
            report_error("NOMVARINC");
            end_of_run();
        },
        testing::ExitedWithCode(5),
        "ENDERRWAR,  End of execution with 1 error\\(s\\) and 1 warning\\(s\\)");
}

TEST_F(Reporting, FatalAndInternalEndTheRun)
{
    EXPECT_EXIT(report_fatal("COMMFATAL"), testing::ExitedWithCode(7),
                "^Korvat-F-COMMFATAL,  Invalid command line\n$");
    EXPECT_EXIT(report_internal_c("INITPBRLM", nullptr, nullptr),
                testing::ExitedWithCode(9),
                "Korvat-S-INITPBRLM,  Initialization problem on command line");
    EXPECT_EXIT(report_here(SEV_INTERNAL, "ERRINTFCT", "memory overflow"),
                testing::ExitedWithCode(9),
                "^Korvat-S-ERRINTFCT,  Internal error in the function memory "
                "overflow\n$");
}

TEST_F(Reporting, ListingReceivesEveryLineAndEchoCanBeOff)
{
    std::string dir = make_temp_dir();
    std::string path = dir + "/run.lis";
    EXPECT_EXIT(
        {
            open_listing(path.c_str(), false);
            report_info("COPYRIGHT", "notice");
            report_warning("NOMVARINC", "[f:1] ", "v");
            end_of_run();
        },
        testing::ExitedWithCode(3), "^$");
    EXPECT_EQ(read_file(path),
              "Korvat-I-COPYRIGHT,  notice\n"
              "Korvat-W-NOMVARINC,  [f:1] Bad variable name v\n"
              "Korvat-I-ENDNOEWAR,  End of execution with 1 warning(s)\n");
    /* An unwritable listing is fatal; with echo off nothing is printed. */
    std::string bad = dir + "/missing/run.lis";
    EXPECT_EXIT(open_listing(bad.c_str(), false), testing::ExitedWithCode(7),
                "^$");
    EXPECT_EXIT(open_listing(bad.c_str(), true), testing::ExitedWithCode(7),
                "Korvat-F-FICERROPN,  File .*/missing/run.lis opening problem");
}

} // namespace
