/*
** tests/diag/codes_test.cc
** The catalogue's content: every message code that the sources report
** literally is in it, and each code defined by several module tables
** ends with the text of the table loaded last.
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

void load_catalogue()
{
    init_script_messages();
    init_bibli_messages();
    init_modbas_messages();
    init_anaccpp_messages();
}

TEST(MessageCodes, EveryReportedCodeIsCatalogued)
{
    load_catalogue();
    std::set<std::string> codes = reported_codes();
    EXPECT_GT(codes.size(), 5u);
    for (const std::string &code : codes)
        EXPECT_FALSE(catalogue_lookup(QString::fromStdString(code)).isNull())
            << code << " is reported but not catalogued";
}

/* Every code defined in more than one table (or twice in one), with the
** text that stays once the four tables are loaded in their order. */
TEST(MessageCodes, SharedCodesKeepTheTextOfTheLastTable)
{
    load_catalogue();
    struct Case {
        const char *code, *text;
    } cases[] = {
        {"NOMESSDEF", "Undefined message for code number %1"},
        {"CONSTINIT", "%1Init value not allowed for %2 constant"},
        {"ERTAILTAB", "%1Unkown %2 array size"},
        {"FORMREDEF", "%1Several FORMAT instructions for variable %2 "},
        {"NOMVARINC", "%1Bad variable name %2"},
        {"TYPEINCON", "%1Unknown type %2"},
        {"ERRINTFCT", "%1Internal error in the function %2"},
        {"ERRPARENT", "%1Lexical error %2"},
        {"UNEXPDFMS", "%1Unexpected instruction DEF_MESSAGE"},
        {"ENDERRWAR", "End of execution with %1 error(s) and %2 warning(s)"},
        {"ENDERRNWR", "End of execution with %1 error(s)"},
        {"ENDNOEWAR", "End of execution with %1%2 warning(s)"},
        {"ENDNOENWR", "End of execution with 0 error and 0 warning%1%2"},
        {"FICERROPN", "File %1 opening problem"},
        {"ERRINTERN", "%1Internal error in %2"},
        {"CHAMPINCO", "%1Unknown field %2"},
        {"LISTEINVA", "%1Bad INIT or VA value list: %2"},
        {"EXPERRONE", "%1Bad expression: %2"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(catalogue_lookup(c.code).toStdString(), c.text) << c.code;
}

/* A text with quotes inside survives the table as written. */
TEST(MessageCodes, QuotesInsideATextStay)
{
    load_catalogue();
    EXPECT_EQ(catalogue_lookup("UKNEVTSTC").toStdString(),
              "%1The event structure associated to \"%2\" is unknown");
}

} // namespace
