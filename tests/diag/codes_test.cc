/*
** tests/diag/codes_test.cc
** Every message code that the sources report literally is in the catalogue.
**
** A code missing from the catalogue would print a bare prefix; this scan of
** src/ catches a misspelt or forgotten code at test time instead.
*/
#include "diag.h"
#include "run_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

namespace fs = std::filesystem;

namespace {

std::set<std::string> reported_codes()
{
    /* report_xxx(["SEV_..." ,] "CODE" and capi_report(sev, "CODE". */
    static const std::regex call(
        R"((?:report_[a-z_]*|capi_report|bridge_report|report_hook_call)\s*\(\s*(?:[A-Za-z_0-9][A-Za-z_0-9]*\s*,\s*)?"([A-Z][A-Z_0-9]{3,11})\")");
    std::set<std::string> codes;
    for (const auto &entry :
         fs::recursive_directory_iterator(ZRS_SOURCE_ROOT "/src")) {
        std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cc" && ext != ".y" && ext != ".l"))
            continue;
        std::string text = read_file(entry.path().string());
        for (std::sregex_iterator it(text.begin(), text.end(), call), end;
             it != end; ++it)
            codes.insert((*it)[1].str());
    }
    return codes;
}

TEST(MessageCodes, EveryReportedCodeIsCatalogued)
{
    init_script_messages();
    init_bibli_messages();
    init_modbas_messages();
    init_anaccpp_messages();
    std::set<std::string> codes = reported_codes();
    EXPECT_GT(codes.size(), 5u);
    for (const std::string &code : codes)
        EXPECT_FALSE(catalogue_lookup(QString::fromStdString(code)).isNull())
            << code << " is reported but not catalogued";
}

} // namespace
