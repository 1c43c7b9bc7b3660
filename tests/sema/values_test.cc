/*
** tests/sema/values_test.cc
** Value descriptions of VAR and DEF_MESSAGE: the shape checks, the type
** checks and the entries built for structs, unions, arrays with index
** ranges and OTHERS, pointers, ranges and whole values.
*/
#include "sema_fixture.h"

namespace {

class Values : public SemaTest {
protected:
    static void SetUpTestSuite()
    {
        SemaTest::SetUpTestSuite();
        declare_c("struct vP { int x; int y; };\n"
                  "union vU { int i; float f; };\n"
                  "struct vR { struct vP at; char name[8]; int v[4]; union vU u;"
                  " int *p; };\n"
                  "struct vP pv; struct vR rv; int iv; int av[4]; int *pp;"
                  " union vU uv; int i;\n"
                  "typedef struct vP vPt;\n");
    }
    /* VAR `variable`, EV=`values` (or INIT= with code 112): the printed
    ** description, or "-" when none was built; `err` gets the output. */
    std::string var(const char *variable, const char *values, std::string &err,
                    uint32_t code = DC_VALUE_CHECK)
    {
        ValueCheck check;
        check.variable = variable;
        check.values = values;
        check.code = code;
        check.at = &node;
        SemanticEntry *root = nullptr;
        err = printed([&] { root = check_values(check, analysis.global, nullptr); });
        if (!root)
            return "-";
        std::string out = print_values(analysis.global);
        free_entries(analysis.global);
        analysis.global = new_scope(nullptr, nullptr);
        semantic_state.global = analysis.global;
        return out;
    }
};

struct DescriptionCase {
    const char *variable, *values, *description;
};

const DescriptionCase description_cases[] = {
    {"iv", "5", "root iv=5{val=5}"},
    {"iv", "[1..5]", "root iv=[1..5]{range~1..5}"},
    {"pv", "{y => 2, x => 1}",
     "root pv={y => 2, x => 1}{struct={y => 2, x => 1}{val x=1 val y=2}}"},
    {"rv", "{at => {1, 2}, u => {i => 3}}",
     "root rv={at => {1, 2}, u => {i => 3}}{struct={at => {1, 2}, u => {i => 3}}"
     "{struct at={1, 2}{val x=1 val y=2} union u={i => 3}#0{val i=3}}}"},
    {"uv", "{f => 1.5}", "root uv={f => 1.5}{union={f => 1.5}#1{val f=1.5}}"},
    {"av", "{1, 2, 3, 4}",
     "root av={1, 2, 3, 4}{array={1, 2, 3, 4}[0..3]{elem=1[0..0]{val=1[0..0]} "
     "elem=2[1..1]{val=2[1..1]} elem=3[2..2]{val=3[2..2]} elem=4[3..3]{val=4[3..3]}}}"},
    /* OTHERS: every index not given before it, one entry per gap */
    {"av", "{1..1 => 5, 3..3 => 6, OTHERS => 0}",
     "root av={1..1 => 5, 3..3 => 6, OTHERS => 0}{array={1..1 => 5, 3..3 => 6, "
     "OTHERS => 0}[0..3]{elem=5[1..1]{val=5[1..1]} elem=6[3..3]{val=6[3..3]} "
     "elem=0[0..0]{val=0[0..0]} elem=0[2..2]{val=0[2..2]}}}"},
    {"av", "{2..0 => 7, OTHERS => 1}",
     "root av={2..0 => 7, OTHERS => 1}{array={2..0 => 7, OTHERS => 1}[0..3]"
     "{elem=7[0..2]{val=7[0..2]} elem=1[3..3]{val=1[3..3]}}}"},
    {"rv", "{v => {OTHERS => 9}, p => NIL}",
     "root rv={v => {OTHERS => 9}, p => 0}{struct={v => {OTHERS => 9}, p => 0}"
     "{array v={OTHERS => 9}[0..3]{elem=9[0..3]{val=9[0..3]}} val p=0}}"},
    {"pp", "NONIL", "root pp=NONIL{val=NONIL}"},
    /* whole values: walked over the type, scalars without values */
    {"pv", "pv", "root pv=pv{struct=pv*{path x path y}}"},
    {"rv.at", "{x => 1}", "root (rv.at)={x => 1}{struct={x => 1}{val x=1}}"},
    {"iv", "(iv)", "root iv=(iv){val=(iv)}"},
};

TEST_F(Values, DescriptionsFollowTheType)
{
    for (const DescriptionCase &c : description_cases) {
        std::string err;
        EXPECT_EQ(var(c.variable, c.values, err), c.description) << c.values;
        EXPECT_EQ(err, "") << c.values;
    }
}

struct ErrorCase {
    const char *variable, *values;
    std::string reports;       /* before VARNOGOOD */
};

TEST_F(Values, BadValuesAreReportedAndDescribeNothing)
{
    const ErrorCase cases[] = {
        {"pv", "", error_line("FORBEMPTY", "Empty expression forbidden")},
        {"pv", "{1, , 2}", error_line("FORBEMPTY", "Empty expression forbidden")},
        {"pv", "{1, y => 2}",
         error_line("VARPOSNAM", "Designation by position and name mixed : {1, y => 2}")},
        {"av", "{OTHERS => 0, 1..2 => 3}",
         error_line("ENDOTHERS",
                    "Keyword OTHERS only at the end of the list : {OTHERS => 0, 1..2 => 3}")},
        {"pv", "{x => 1, x => 2}", error_line("STRFLDALR", "Structure field already used : x")},
        {"av", "{0..2 => 1, 3..2 => 2}", error_line("COMBNDSEC", "Mixing two area (0..2) (2..3)")},
        {"rv", "{at => {x => 1, x => 2}}",
         error_line("STRFLDALR", "Structure field already used : x")},
        {"av", "{i..2 => 1}", ""},                       /* bound not constant */
        {"pv", "{x => 1, z => 2}", error_line("CHAMPINCO", "Unknown field z")},
        {"pv", "{1, 2, 3}", error_line("NBVALINCO", "Too many INIT or VA values: {1, 2, 3}")},
        {"uv", "{i => 1, f => 2}",
         error_line("ONEFLDUNN", "Only one field of the union accepted : {i => 1, f => 2}")},
        {"pv", "{x => pv}", error_line("INCOMPTYP", "Incompatible types (struct vP,int)", 'W')},
        {"iv", "{1, 2}", error_line("INCOMPTYP", "Incompatible types ({1, 2},int)", 'W')},
        {"iv", "[1..pv]", error_line("INCOMPTYP", "Incompatible types (struct vP,int)", 'W')},
        {"pp", "[0..1]", error_line("INCOMPTYP", "Incompatible types (int,int *)", 'W') +
                             error_line("INCOMPTYP", "Incompatible types (int,int *)", 'W')},
        {"pp", "5", "Korvat-E-NONIL,  \n"},     /* a code without text */
        {"rv", "{p => &iv}", "Korvat-E-NONIL,  \n"},
        {"pv", "iv", error_line("INCOMPTYP", "Incompatible types (int,struct vP)", 'W')},
        {"pv", "{x => zz}", error_line("IDENTIINC", "Unknown ident zz", 'W')},
        {"nothing", "1", error_line("IDENTIINC", "Unknown ident nothing", 'W')},
    };
    for (const ErrorCase &c : cases) {
        std::string err;
        EXPECT_EQ(var(c.variable, c.values, err), "-") << c.values;
        std::string variable = c.variable;
        EXPECT_EQ(err, c.reports + error_line("VARNOGOOD", "Incorrect expression (" +
                                                               variable + ")"))
            << c.values;
    }
}

TEST_F(Values, IndexesOutsideTheArrayAndEmptyOthersStillDescribe)
{
    std::string err;
    EXPECT_EQ(var("av", "{2..5 => 1, 0..1 => 2}", err),
              "root av={2..5 => 1, 0..1 => 2}{array={2..5 => 1, 0..1 => 2}[0..3]"
              "{elem=2[0..1]{val=2[0..1]}}}");
    EXPECT_EQ(err, error_line("BNDOUTARR", "Array interval out of range : (2..5)"));
    EXPECT_EQ(var("av", "{0..3 => 1, OTHERS => 0}", err),
              "root av={0..3 => 1, OTHERS => 0}{array={0..3 => 1, OTHERS => 0}[0..3]"
              "{elem=1[0..3]{val=1[0..3]} elem=0[4..3]{val=0[4..3]}}}");
    EXPECT_EQ(err, error_line("OTHERSEMP", "OTHERS empty av", 'W'));
}

using ValueStatements = Values;

TEST_F(ValueStatements, VarTakesTheTextAfterItsEqualsSign)
{
    SemanticEntry *m = message("vm", "vPt");
    std::vector<SyntaxNode *> nodes =
        statements("VAR iv, INIT=  3 \nVAR pv, EV={x => 1}\nVAR vm, EV==\nVAR av, VA={OTHERS => 2}\n");
    Scope *body = new_scope(nullptr, analysis.global);
    EXPECT_EQ(printed([&] {
                  for (SyntaxNode *n : nodes)
                      analyse_var(n, body, "A");
              }),
              "");
    EXPECT_EQ(print_values(body),
              "root iv=3{val=3} root pv={x => 1}{struct={x => 1}{val x=1}} "
              "root vm=(vm){struct=(vm)*{path x path y}} "
              "root av={OTHERS => 2}{array={OTHERS => 2}[0..3]{elem=2[0..3]{val=2[0..3]}}}");
    EXPECT_EQ(body->first->descriptor->code, (uint32_t)DC_VALUE_INIT);
    EXPECT_EQ(body->last->descriptor->code, (uint32_t)DC_VALUE_CHECK);
    EXPECT_STREQ(body->first->aux, "A");
    EXPECT_EQ(message_used(m->descriptor), 1);
    free_entries(body);
}

TEST_F(ValueStatements, DefMessageBuildsReferenceReceptionAndComparison)
{
    SemanticEntry *dm = message("dm", "vPt");
    message("dm2", "vPt");
    SemanticEntry *type = message_type(dm->descriptor);
    std::vector<SyntaxNode *> nodes =
        statements("DEF_MESSAGE zz, EV={x => 1}\nDEF_MESSAGE dm, EV={z => 1}\n"
                   "DEF_MESSAGE dm, EV={x => 1}\nDEF_MESSAGE dm2, EV=dm\n");
    Scope *body = new_scope(nullptr, analysis.global);
    analysis.in_proc_body = true;
    EXPECT_EQ(printed([&] {
                  for (SyntaxNode *n : nodes)
                      analyse_def_message(n, body, nullptr);
              }),
              error_line("UNDECTRGV", "Event Variable 'zz' not declared", 'E', 3, "t.pts") +
                  error_line("CHAMPINCO", "Unknown field z", 'E', 4, "t.pts") +
                  error_line("VARNOGOOD", "Incorrect expression (dm)", 'E', 4, "t.pts"));
    ASSERT_EQ(body->first, body->last->prev);   /* two entries */
    SemanticDescriptor *first = body->first->descriptor;
    EXPECT_EQ(body->first->kind, (uint32_t)EK_DEF_MESSAGE);
    EXPECT_EQ(def_number(first), 1);
    EXPECT_EQ(def_message(first), dm);
    EXPECT_EQ(print_values(first->inner), "root dm={x => 1}{struct={x => 1}{val x=1}}");
    EXPECT_EQ(first->inner->first->descriptor->code, (uint32_t)DC_VALUE_INIT);
    SemanticDescriptor *use = def_trigger_use(first)->descriptor;
    EXPECT_EQ(use_number(use), 1);
    EXPECT_EQ(use_message(use), dm);
    EXPECT_EQ(use_not_in_proc(use), 0);
    EXPECT_EQ(print_values(use->inner), "root zrk_msgrcv={x => 1}{struct={x => 1}{val x=1}}");
    EXPECT_EQ(use->inner->first->descriptor->code, (uint32_t)DC_VALUE_COMPARE);
    EXPECT_EQ(def_number(body->last->descriptor), 2);
    /* the type's scope: one default reception, then the two reception
    ** records */
    SemanticEntry *reception = type_default_reception(type->descriptor);
    ASSERT_NE(reception, nullptr);
    EXPECT_EQ(reception, type->descriptor->inner->first);
    EXPECT_EQ(reception->descriptor->code, (uint32_t)DC_VALUE_CHECK);
    EXPECT_EQ(print_values(type->descriptor->inner),
              "root dm=zrk_msgrcv{struct=zrk_msgrcv*{path x path y}} "
              "EK_TRIGGER_USE dm{root zrk_msgrcv={x => 1}{struct={x => 1}{val x=1}}} "
              "EK_TRIGGER_USE dm2{root zrk_msgrcv=dm{struct=dm*{path x path y}}}");
    EXPECT_EQ(analysis.def_messages, 3);
    free_entries(body);
}

/* The index of kept checks: numbers stay with their hashes as it grows,
** and a new hash says so. */
TEST(HashIndexTest, NumbersStayWithTheirHashesAsItGrows)
{
    HashIndex index;
    bool added = false;
    for (uint64_t h = 0; h < 20000; h++) {
        int32_t &number = index.slot(h * 0x9e3779b97f4a7c15ULL, added);
        ASSERT_TRUE(added) << h;
        ASSERT_EQ(number, -1);
        number = int32_t(h);
    }
    for (uint64_t h = 0; h < 20000; h += 7) {
        ASSERT_EQ(index.slot(h * 0x9e3779b97f4a7c15ULL, added), int32_t(h));
        ASSERT_FALSE(added);
    }
    index.clear();
    index.slot(5, added);
    EXPECT_TRUE(added);
}

/* A text met again is checked once while nothing it depends on changed,
** yet each statement gets its own description and its own reports. */
TEST_F(ValueStatements, RepeatedTextsGetTheirOwnDescriptionsAndReports)
{
    std::vector<SyntaxNode *> nodes = statements(
        "VAR av, EV={0..3 => 1, OTHERS => 0}\nVAR av, EV={0..3 => 1, OTHERS => 0}\n"
        "VAR pp, EV=5\nVAR pp, EV=5\n");
    Scope *body = new_scope(nullptr, analysis.global);
    std::string reported = printed([&] {
        for (SyntaxNode *n : nodes)
            analyse_var(n, body, nullptr);
    });
    /* NONIL has no text, so its line carries no position */
    EXPECT_EQ(reported, error_line("OTHERSEMP", "OTHERS empty av", 'W', 3, "t.pts") +
                            error_line("OTHERSEMP", "OTHERS empty av", 'W', 4, "t.pts") +
                            "Korvat-E-NONIL,  \n" +
                            error_line("VARNOGOOD", "Incorrect expression (pp)", 'E', 5, "t.pts") +
                            "Korvat-E-NONIL,  \n" +
                            error_line("VARNOGOOD", "Incorrect expression (pp)", 'E', 6, "t.pts"));
    std::string one = "root av={0..3 => 1, OTHERS => 0}{array={0..3 => 1, OTHERS => 0}[0..3]"
                      "{elem=1[0..3]{val=1[0..3]} elem=0[4..3]{val=0[4..3]}}}";
    EXPECT_EQ(print_values(body), one + " " + one);
    ASSERT_NE(body->first, body->last);
    EXPECT_EQ(body->first->line, 3u);
    EXPECT_EQ(body->last->line, 4u);
    free_entries(body);
}

/* The same text where its names mean something else: in a unit whose
** namespace declares them, or after a declaration changed them. */
TEST_F(ValueStatements, RepeatedTextsFollowTheNamesTheySee)
{
    std::string err;
    analyse_declaration_text("struct vP iv;", "vOwn", "t.h", 1);
    analysis.unit = "vEmpty";   /* sees the global names */
    EXPECT_EQ(var("iv", "5", err), "root iv=5{val=5}");
    analysis.unit = "vOwn";
    EXPECT_EQ(var("iv", "5", err), "-");
    EXPECT_NE(err.find("-VARNOGOOD,"), std::string::npos) << err;
    analysis.unit = "";
    EXPECT_EQ(var("iv", "5", err), "root iv=5{val=5}");
    EXPECT_EQ(err, "");

    declare_c("int vChanged;");
    EXPECT_EQ(var("vChanged", "5", err), "root vChanged=5{val=5}");
    EXPECT_EQ(var("vChanged", "5", err), "root vChanged=5{val=5}");
    printed([] { declare_c("struct vP vChanged;"); });
    EXPECT_EQ(var("vChanged", "5", err), "-");
    EXPECT_NE(err.find("-VARNOGOOD,"), std::string::npos) << err;

    /* a macro defined alone declares nothing, yet changes the text */
    declare_c("int vMi, vMk;");
    for (int again = 0; again < 2; again++)
        EXPECT_EQ(var("vMi", "vMk", err), "root vMi=vMk{val=vMk}");
    std::string ignored;
    preprocess_text("#define vMk {1, 2}\n", true, "t.h", 1, ignored, nullptr);
    EXPECT_EQ(var("vMi", "vMk", err), "-");
    EXPECT_NE(err.find("-VARNOGOOD,"), std::string::npos) << err;
}

/* The class of a CALL or WAITTIL text met again follows the same rules. */
TEST_F(ValueStatements, RepeatedTextClassesFollowTheNamesTheySee)
{
    declare_c("int vTc; char vTa[6]; int vTl;");
    analyse_declaration_text("double vTc;", "vTcOwn", "t.h", 1);
    const int integer = value_text_class("1", nullptr);
    const int floating = value_text_class("1.5", nullptr);
    ASSERT_NE(integer, floating);
    for (const char *unit : {"vTcEmpty", "vTcOwn", "vTcEmpty", "vTcOwn"}) {
        analysis.unit = unit;
        EXPECT_EQ(value_text_class("vTc", nullptr),
                  strcmp(unit, "vTcOwn") == 0 ? floating : integer) << unit;
    }
    for (int again = 0; again < 2; again++) {
        int dimension = -1;
        value_text_class("vTa", &dimension);
        EXPECT_EQ(dimension, 6);
    }
    analysis.unit = "";
    EXPECT_EQ(value_text_class("vTl", nullptr), integer);
    printed([] { declare_c("double vTl;"); });
    EXPECT_EQ(value_text_class("vTl", nullptr), floating);

    declare_c("int vTm;");
    EXPECT_EQ(value_text_class("vTm", nullptr), integer);
    std::string ignored;
    preprocess_text("#define vTm 2.5\n", true, "t.h", 1, ignored, nullptr);
    EXPECT_EQ(value_text_class("vTm", nullptr), floating);
}

TEST_F(ValueStatements, RepeatedDefMessagesShareTheCheckNotTheEntries)
{
    message("rm", "vPt");
    SemanticEntry *rm2 = message("rm2", "vPt");
    analyse_declaration_text("typedef struct vR vPt;", "vDmOwn", "t.h", 1);
    std::vector<SyntaxNode *> nodes = statements(
        "DEF_MESSAGE rm, EV={x => 4}\nDEF_MESSAGE rm2, EV={x => 4}\nDEF_MESSAGE rm, EV={x => 4}\n");
    Scope *body = new_scope(nullptr, analysis.global);
    EXPECT_EQ(printed([&] {
                  for (SyntaxNode *n : nodes)
                      analyse_def_message(n, body, nullptr);
              }),
              "");
    std::vector<SemanticEntry *> defs;
    for (SemanticEntry *e = body->first; e; e = e->next)
        defs.push_back(e);
    ASSERT_EQ(defs.size(), 3u);
    EXPECT_EQ(def_message(defs[1]->descriptor), rm2);
    for (size_t i = 0; i < defs.size(); i++) {
        SemanticDescriptor *d = defs[i]->descriptor;
        EXPECT_EQ(def_number(d), int(i) + 1);
        EXPECT_EQ(print_values(d->inner), std::string("root ") + (i == 1 ? "rm2" : "rm") +
                                              "={x => 4}{struct={x => 4}{val x=4}}");
        EXPECT_EQ(print_values(def_trigger_use(d)->descriptor->inner),
                  "root zrk_msgrcv={x => 4}{struct={x => 4}{val x=4}}");
    }
    /* a unit that names another type so */
    analysis.unit = "vDmOwn";
    EXPECT_EQ(printed([&] { analyse_def_message(nodes[0], body, nullptr); }),
              error_line("CHAMPINCO", "Unknown field x", 'E', 3, "t.pts") +
                  error_line("VARNOGOOD", "Incorrect expression (rm)", 'E', 3, "t.pts"));
    free_entries(body);
}

} // namespace
