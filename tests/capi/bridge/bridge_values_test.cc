/*
** tests/capi/bridge/bridge_values_test.cc
** Lookups by namespace name, types from texts, the symbols of a file and
** the script-value helpers (value texts, type comparison, value lists).
*/
#include "bridge_util.h"

#include <algorithm>

namespace {

using BridgeNames = BridgeTest;

const CNamespace *owner_of(const CSymbol *symbol)
{
    return symbol && symbol->owner_kind ? symbol->owner : nullptr;
}

TEST_F(BridgeNames, LookupsTakeTheNamespaceByName)
{
    declare("int glob; int g; struct T { int x; };\n"
            "namespace N { int g; int only_n; typedef int T; }\n");
    const CNamespace *n = lookup_namespace(decl_table(), "N");
    ASSERT_NE(n, nullptr);
    struct Case {
        const char *name, *space;
        bool strict;
        bool found;
        const CNamespace *owner;
    } cases[] = {
        {"g", "", false, true, nullptr},
        {"g", "N", false, true, n},
        {"g", "N", true, true, n},
        {"only_n", "", false, false, nullptr},
        {"only_n", "N", false, true, n},
        {"glob", "N", false, true, nullptr},   /* enclosing global scope */
        {"glob", "N", true, false, nullptr},   /* strict: only N itself */
        {"glob", "", true, true, nullptr},
        {"glob", nullptr, true, true, nullptr},
        {"glob", "Unknown", false, true, nullptr},
        {"glob", "Unknown", true, false, nullptr},
        {"nothing", "", false, false, nullptr},
    };
    for (const Case &c : cases) {
        CSymbol *s = c.strict ? lookup_ordinary_strict(c.name, c.space)
                              : lookup_ordinary(c.name, c.space);
        EXPECT_EQ(s != nullptr, c.found) << c.name << " in " << c.space;
        if (s) {
            EXPECT_STREQ(symbol_name(s), c.name);
            EXPECT_EQ(owner_of(s), c.owner) << c.name << " in " << c.space;
        }
    }
    CSymbol *global_t = lookup_type_name("T", "");
    CSymbol *n_t = lookup_type_name("T", "N");
    ASSERT_TRUE(global_t && n_t);
    EXPECT_EQ(symbol_type(global_t)->kind, (unsigned)CT_STRUCT);
    EXPECT_EQ(symbol_type(n_t)->kind, (unsigned)CT_TYPEDEF);
    EXPECT_EQ(lookup_type_name("T", "Unknown"), global_t);
    EXPECT_EQ(lookup_type_name("x", ""), nullptr);
}

TEST_F(BridgeNames, TypeFromTextIsSilentAndUsesTheContextNamespace)
{
    declare("struct S { int a; }; namespace N { typedef char C; }");
    struct Case {
        const char *text, *space, *image;
    } cases[] = {
        {"struct S *", "", "struct S *"},
        {"unsigned long", "", "unsigned long"},
        {"C", "N", "C"},
        {"C", "", nullptr},
        {"undeclared_t", "", nullptr},
        {"int [", "", nullptr},
        {"", "", nullptr},
    };
    for (const Case &c : cases) {
        set_bridge_namespace(c.space);
        testing::internal::CaptureStderr();
        CType *type = type_from_text(c.text);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << c.text;
        if (!c.image) {
            EXPECT_EQ(type, nullptr) << c.text;
            continue;
        }
        ASSERT_NE(type, nullptr) << c.text;
        std::string image;
        type_image(type, "", 0, 0, image);
        EXPECT_EQ(image, c.image);
        free_type(type);
    }
    /* The temporary declaration leaves nothing behind. */
    EXPECT_EQ(lookup_ordinary("__zirko_var", ""), nullptr);
    EXPECT_EQ(lookup_ordinary("__zirko_var", "N"), nullptr);
}

TEST_F(BridgeNames, SymbolsOfAFileAreItsGlobalSymbols)
{
    declare("int a1; static int c1; struct F1 { int q; }; enum { EA };\n"
            "int __zirko_var; namespace M { int inner; }\n",
            "f1.h");
    declare("int b2;", "f2.h");
    std::vector<CSymbol *> found;
    found.push_back(nullptr);   /* appended to, never cleared */
    symbols_of_file("f1.h", found);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0], nullptr);
    std::vector<std::string> names;
    for (size_t i = 1; i < found.size(); i++)
        names.push_back(symbol_name(found[i]));
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<std::string>{"EA", "F1", "a1", "c1"}));
    /* Ordinary names come first, then tags, then enumerators. */
    EXPECT_EQ(names.back(), "EA");
    EXPECT_EQ(names[names.size() - 2], "F1");
}

TEST_F(BridgeNames, FieldsAreEnumeratedInOrder)
{
    declare("struct In { int i1; int i2; };\n"
            "struct R { int a; struct { int b; int c; }; struct In in; "
            "int f(int); typedef int t; };\n"
            "union U { int x; char y; };\n"
            "class B { public: int b; }; class D : public B { public: int d; };\n");
    CType *r = symbol_type(lookup_type_name("R", ""));
    EXPECT_EQ(field_count(r, false), 4);
    EXPECT_EQ(field_count(r, true), 5);
    EXPECT_EQ(field_position(r, "c"), 3);
    EXPECT_EQ(field_position(r, "f"), 0);
    EXPECT_EQ(field_position(r, "none"), 0);
    EXPECT_STREQ(symbol_name(field_at_position(r, 2)), "b");
    EXPECT_EQ(field_at_position(r, 5), nullptr);
    EXPECT_EQ(field_at_position(r, 0), nullptr);
    EXPECT_TRUE(is_union_type(symbol_type(lookup_type_name("U", ""))));
    EXPECT_FALSE(is_union_type(r));
    EXPECT_TRUE(has_base_classes(symbol_type(lookup_type_name("D", ""))));
    EXPECT_FALSE(has_base_classes(r));
}

/* ---- Script values ---- */

class BridgeValues : public BridgeTest {
protected:
    void SetUp() override
    {
        BridgeTest::SetUp();
        declare("int i; char *p; void *NONIL;\n"
                "struct S2 { int a; int b; };\n"
                "union U2 { int x; char y; };\n"
                "class B2 { public: int b; };\n"
                "class D2 : public B2 { public: int d; };\n"
                "struct Outer { struct S2 in; struct S2 arr[2]; union U2 u; };\n");
    }
    /* The value's image, or "NONIL" / "(failed)"; `err` gets the output. */
    std::string value(const char *text, std::string &err)
    {
        CExpr *tree = reinterpret_cast<CExpr *>(this);   /* must be reset */
        testing::internal::CaptureStderr();
        int kind = analyse_script_value(text, &tree);
        err = testing::internal::GetCapturedStderr();
        if (kind != SV_EXPRESSION) {
            EXPECT_EQ(tree, nullptr);
            return kind == SV_NONIL ? "NONIL" : "(failed)";
        }
        std::string image;
        expression_image(tree, image);
        free_expression(tree);
        return image;
    }
    /* Output of checking `text` against the type named `type_name`. */
    std::string check(const char *type_name, const char *text, bool *ok)
    {
        CType *type = type_from_text(type_name);
        CExpr *tree = analyse_expression(text, "");
        EXPECT_NE(tree, nullptr) << text;
        testing::internal::CaptureStderr();
        *ok = check_structured_value(type, tree);
        std::string err = testing::internal::GetCapturedStderr();
        free_expression(tree);
        free_type(type);
        return err;
    }
};

TEST_F(BridgeValues, ValueTextsArePreprocessedFlattenedAndAnalysed)
{
    std::string defined;
    preprocess_text("#define TEN 10\n#define _TEN 10\n", true, "s.pts", 1, defined,
                    nullptr);
    struct Case {
        const char *text, *result;
        const char *err_code;   /* expected code, null for silence */
    } cases[] = {
        {"NONIL", "NONIL", nullptr},
        {" NONIL ", "NONIL", nullptr},
        {"NONIL + 1", "NONIL + 1", nullptr},
        {"(NONIL)", "(NONIL)", nullptr},
        {"TEN * i", "10 * i", nullptr},
        {"{TEN, i => TEN, 0x1F .. TEN => 2}", "{10, i => 10, 0x1F..10 => 2}", nullptr},
        {"{0x1F..TEN => 1, [1..TEN]}", "{0x1F..10 => 1, [1..10]}", nullptr},
        {"{'.'..'z' => 1}", "{'.'..'z' => 1}", nullptr},
        {"\"a..b ...\"", "\"a..b ...\"", nullptr},
        {"i /* TEN */ + 1", "i + 1", nullptr},
        {"i + 1 // TEN", "i + 1", nullptr},
        {"_TEN + i", "10 + i", nullptr},
        {"i +\n 1", "i + 1", nullptr},
        {"i +", "(failed)", "UNEXP_EOF"},
        {"i = 1", "(failed)", "AFFECTATI"},
        {"", "(failed)", nullptr},
    };
    for (const Case &c : cases) {
        std::string err;
        EXPECT_EQ(value(c.text, err), c.result) << c.text;
        if (c.err_code)
            EXPECT_NE(err.find(c.err_code), std::string::npos) << err;
        else
            EXPECT_EQ(err, "") << c.text;
    }
}

int comparisons = 0;
bool always_equal(CType *, CType *)
{
    comparisons++;
    return true;
}

TEST_F(BridgeValues, ExpressionTypesCompareWithDeclaredTypeTexts)
{
    CExpr *tree = analyse_expression("i", "");
    CExpr *pointer = analyse_expression("p + 1", "");
    testing::internal::CaptureStderr();
    EXPECT_EQ(compare_with_type_text(tree, "int", nullptr), 1);
    EXPECT_EQ(compare_with_type_text(tree, "char *", nullptr), 0);
    EXPECT_EQ(compare_with_type_text(pointer, "char *", nullptr), 1);
    EXPECT_EQ(compare_with_type_text(tree, "no_such_t", nullptr), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    comparisons = 0;
    EXPECT_EQ(compare_with_type_text(tree, "struct S2", always_equal), 1);
    EXPECT_EQ(comparisons, 1);
    CExpr *unknown = analyse_expression("zz", "");
    testing::internal::CaptureStderr();
    EXPECT_EQ(compare_with_type_text(unknown, "int", always_equal), -1);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("IDENTIINC"),
              std::string::npos);
    EXPECT_EQ(comparisons, 1);
    for (CExpr *t : {tree, pointer, unknown})
        free_expression(t);
}

std::string error_line(const char *code, const char *text)
{
    return std::string("Korvat-E-") + code + ",  [s.pts:7] " + text + "\n";
}

TEST_F(BridgeValues, ValueListsAreCheckedAgainstTheirType)
{
    struct Case {
        const char *type, *value;
        std::string report;   /* "" when the value fits */
    } cases[] = {
        {"struct S2", "{a => 1, b => 2}", ""},
        {"struct S2", "{1, 2}", ""},
        {"struct S2", "{1, OTHERS => 0}", ""},
        {"struct S2", "5", ""},
        {"struct S2", "{a => 1, zz => 2}", error_line("CHAMPINCO", "Unknown field zz")},
        {"struct S2", "{1, 2, 3, 4}",
         error_line("NBVALINCO", "Too many INIT or VA values: {1, 2, 3, 4}")},
        {"union U2", "{x => 1}", ""},
        {"union U2", "{7}", ""},
        {"union U2", "{x => 1, y => 2}",
         error_line("ONEFLDUNN", "Only one field of the union accepted : {x => 1, y => 2}")},
        {"class D2", "{d => 1, b => 2}", ""},
        {"class D2", "{1, 2}",
         error_line("INHERITED", "Specify the member names in the case of inherited type (D2)")},
        {"struct Outer", "{in => {a => 1}, arr => {{1, 2}, {b => 3}}}", ""},
        {"struct Outer", "{in => {a => 1, q => 2}}", error_line("CHAMPINCO", "Unknown field q")},
        {"struct Outer", "{arr => {{1, 2, 3}}}",
         error_line("NBVALINCO", "Too many INIT or VA values: {1, 2, 3}")},
        {"struct Outer", "{u => {1, 2}}",
         error_line("ONEFLDUNN", "Only one field of the union accepted : {1, 2}")},
        {"struct S2 [3]", "{{1, 2}, 1..2 => {zz => 0}}", error_line("CHAMPINCO", "Unknown field zz")},
        {"int", "{1, 2, 3}", ""},
    };
    for (const Case &c : cases) {
        bool ok = false;
        EXPECT_EQ(check(c.type, c.value, &ok), c.report) << c.value;
        EXPECT_EQ(ok, c.report.empty()) << c.value;
    }
}

/* A type text gives the type the model holds at the time of asking: a
** declaration in the namespace that hides the global name, and a new
** table, are seen by the next request of the same text. */
TEST_F(BridgeValues, TypeTextsFollowTheModel)
{
    auto image = [](const char *text) {
        CType *type = type_from_text(text);
        std::string out = "(none)";
        if (type) {
            const char *name = type_view(resolve_type(type)).name;
            out = name ? name : "(nameless)";
        }
        free_type(type);
        return out;
    };
    analyse_declaration_text("typedef int tt_t;", "", "t.h", 1);
    set_bridge_namespace("tt_ns");
    EXPECT_EQ(image("tt_t"), image("tt_t"));
    std::string global = image("tt_t");
    analyse_declaration_text("typedef char tt_t;", "tt_ns", "t.h", 2);
    set_bridge_namespace("tt_ns");
    std::string hidden = image("tt_t");
    EXPECT_NE(hidden, global);
    set_bridge_namespace("");
    EXPECT_EQ(image("tt_t"), global);
    release_symbol_table(decl_table());
    decl_set_table(create_symbol_table("ZIRKO"));
    EXPECT_EQ(image("tt_t"), "(none)");
}

} // namespace
