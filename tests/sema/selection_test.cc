/*
** tests/sema/selection_test.cc
** Scenario selection by name (-SCN, -EXSCN) over a three-level tree.
*/
#include "sema_fixture.h"

namespace {

using Selection = SemaTest;

/* The tree A, A.B, A.B.C, A.BC, AB, D.E; for each option set, the names
** selected by name alone. */
const char *const tree[] = {"A", "A.B", "A.B.C", "A.BC", "AB", "D", "D.E"};

struct SelectionCase {
    TextList scn, exscn;
    const char *selected;   /* names of `tree` joined by blanks */
};

const SelectionCase selection_cases[] = {
    {{}, {}, "A A.B A.B.C A.BC AB D D.E"},
    {{"A.B"}, {}, "A A.B A.B.C"},                 /* ancestor, itself, descendants */
    {{"A"}, {}, "A A.B A.B.C A.BC"},
    {{"A.B.C"}, {}, "A A.B A.B.C"},
    {{"AB", "D.E"}, {}, "AB D D.E"},
    {{"A.BC"}, {}, "A A.BC"},
    {{"X"}, {}, ""},
    {{}, {"A"}, "AB D D.E"},                      /* A and below, not AB */
    {{}, {"A.B"}, "A A.BC AB D D.E"},
    {{}, {"A.B.C", "D"}, "A A.B A.BC AB"},
    {{}, {"A.B.C.D"}, "A A.B A.B.C A.BC AB D D.E"},
};

TEST_F(Selection, ScnSelectsAncestorsAndDescendantsExscnPrefixes)
{
    for (const SelectionCase &c : selection_cases) {
        scn = c.scn;
        exscn = c.exscn;
        std::string selected;
        for (const char *name : tree)
            if (select_scenario(name))
                selected += (selected.empty() ? "" : " ") + std::string(name);
        EXPECT_EQ(selected, c.selected)
            << "-SCN " << (c.scn.empty() ? "" : c.scn[0]) << " -EXSCN "
            << (c.exscn.empty() ? "" : c.exscn[0]);
        EXPECT_EQ(select_scenario(""), 1);   /* the root, always */
    }
}

} // namespace

namespace {

using Families = SemaTest;

const char *const family_tree =
    "SCENARIO A\n"
    "FAMILY f1, f2\n"
    "  SCENARIO B\n"
    "    SCENARIO C\n"
    "      EXIT\n"
    "    END SCENARIO\n"
    "  END SCENARIO\n"
    "  SCENARIO BC\n"
    "  FAMILY f3\n"
    "    EXIT\n"
    "  END SCENARIO\n"
    "END SCENARIO\n"
    "SCENARIO AB\n"
    "FAMILY f2\n"
    "  EXIT\n"
    "END SCENARIO\n"
    "SCENARIO D\n"
    "  SCENARIO E\n"
    "  FAMILY f1\n"
    "    EXIT\n"
    "  END SCENARIO\n"
    "END SCENARIO\n";

/* Qualified names with "+" (selected) or "-", in tree order. */
void print_scenarios(const Scope *scope, std::string &out)
{
    for (const SemanticEntry *e = scope->first; e; e = e->next) {
        if (e->kind != EK_SCENARIO)
            continue;
        SemanticDescriptor *d = e->descriptor;
        out += std::string(" ") + scenario_qualified_name(d) +
               (scenario_selected(d) ? "+" : "-");
        if (d->inner)
            print_scenarios(d->inner, out);
    }
}

struct FamilyCase {
    TextList family, exfamily, scn, exscn;
    int fast;
    const char *scenarios;
    bool nothing_generated;
};

const FamilyCase family_cases[] = {
    {{}, {}, {}, {}, 1, " + A+ A.B+ A.B.C+ A.BC+ AB+ D+ D.E+", false},
    {{"f2"}, {}, {}, {}, 1, " + A+ A.B+ A.B.C+ A.BC- AB+ D- D.E-", false},
    {{}, {"f1"}, {}, {}, 1, " + A- AB+ D- D.E-", false},
    {{}, {"f1"}, {}, {}, 0, " + A- A.B+ A.B.C+ A.BC+ AB+ D- D.E-", false},
    {{"f1"}, {}, {"D"}, {}, 1, " + A- AB- D+ D.E+", false},
    {{}, {"f3"}, {}, {"A.B"}, 1, " + A- A.B- A.BC- AB+ D+ D.E+", false},
    {{}, {}, {"A.B"}, {}, 1, " + A+ A.B+ A.B.C+ A.BC- AB- D-", false},
    {{"f3"}, {}, {}, {}, 1, " - A- AB- D- D.E-", true},
    {{}, {}, {}, {"A", "AB", "D"}, 1, " - A- AB- D-", true},
    {{"f9"}, {}, {}, {}, 0, " - A- A.B+ A.B.C+ A.BC- AB- D- D.E-", true},
};

TEST_F(Families, FamiliesAndNamesTogetherDecideTheSelection)
{
    for (const FamilyCase &c : family_cases) {
        TearDown();
        SetUp();
        family = c.family;
        exfamily = c.exfamily;
        scn = c.scn;
        exscn = c.exscn;
        request.fast = c.fast;
        SyntaxNode *items = parse_items(family_tree);
        std::string err = printed([&] { analyse_scenario_items(items, analysis.global); });
        std::string out;
        print_scenarios(analysis.global, out);
        EXPECT_EQ(out, c.scenarios) << "case " << (&c - family_cases);
        EXPECT_EQ(err, c.nothing_generated
                           ? "Korvat-E-NOSCENGEN,  No scenario generated (see options "
                             "-SCN, -EXSCN, -FAMILY, -EXFAMILY)\n"
                           : "")
            << "case " << (&c - family_cases);
    }
}

} // namespace
