/*
** tests/capi/bridge/bridge_test.cc
** Bridge operations that stand alone: display formats, flattening,
** symbol categories.
*/
#include "capi.h"
#include "diag.h"
#include "model.h"
#include "run_program.h"

#include <gtest/gtest.h>

namespace {

class Bridge : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        init_bibli_messages();
        start_interface_analysis(2, {}, {}, nullptr);
    }
};

TEST_F(Bridge, ParseDisplayFormat)
{
    set_bridge_position("s.pts", 4);
    struct Case {
        const char *text;
        bool ok;
        unsigned code;
        int width;
        const char *report; /* expected standard error, "" for none */
    } cases[] = {
        {"x#H8", true, 0, -8, ""},
        {"x#h16", true, 0, -16, ""},
        {"x#U16", true, 3, 16, ""},
        {"x#D", true, 1, 0, ""},
        {"x#b8", true, 2, -8, ""},
        {"x#16", true, 0, 0, ""},
        {"x#2", true, 2, 0, ""},
        {"x#F", true, 4, -6, ""},
        {"x#E", true, 5, -48, ""},
        {"x#f3", true, 4, -3, ""},
        {"plain", true, 6, 0, ""},
        {"x#", false, 0, 0, ""},
        {"x#H7", false, 0, 0,
         "Korvat-E-TAILLEDIV,  [s.pts:4] The integer size 7 is not a multiple of 8\n"},
        {"x#Q", false, 0, 0, "Korvat-E-BASEINCON,  [s.pts:4] Unknown base Q\n"},
        {"x#3", false, 0, 0, "Korvat-E-BASEINCON,  [s.pts:4] Unknown base 3\n"},
        {"x#162", false, 0, 0, "Korvat-E-BASEINCON,  [s.pts:4] Unknown base 162\n"},
        {"x#H1x", false, 0, 0,
         "Korvat-E-TAILLEERR,  [s.pts:4] Bad format of integer size: 1x\n"},
    };
    for (const Case &c : cases) {
        unsigned code = 99;
        int width = 99;
        testing::internal::CaptureStderr();
        bool ok = parse_display_format(c.text, &code, &width);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.report) << c.text;
        EXPECT_EQ(ok, c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(code, c.code) << c.text;
            EXPECT_EQ(width, c.width) << c.text;
        }
    }
}

TEST_F(Bridge, TypeDisplayFormat)
{
    CType *integer = make_base_type("int");
    integer->format.code = 1;
    integer->format.width = 32;
    CType *alias = make_typedef_name("my_int", integer);
    DisplayFormat f = type_display_format(alias);
    EXPECT_EQ(f.code, 1u);
    EXPECT_EQ(f.width, 32u);
    EXPECT_EQ(f.precision, -1);
    alias->format = DisplayFormat{2, 8, 3};   /* the typedef's own format */
    f = type_display_format(alias);
    EXPECT_EQ(f.code, 2u);
    EXPECT_EQ(f.precision, 3);

    CType *tag = make_class_type(CT_STRUCT, "s", false, NamespaceQualifier());
    CType *pointer = make_pointer(tag);
    EXPECT_EQ(type_display_format(pointer).code, 0u);
    EXPECT_EQ(type_display_format(tag).code, 6u);
    CType *reference = make_reference(make_base_type("char"));
    EXPECT_EQ(type_display_format(reference).code, 6u);
    free_type(alias, FREE_ALL);
    free_type(pointer, FREE_ALL);
    free_type(reference, FREE_ALL);
}

/* FORMAT comes after the interface: declarations that already used the
** typedef name see its format all the same; a field can be named alone. */
TEST_F(Bridge, FormatRegisteredAfterItsUses)
{
    set_bridge_position("s.pts", 9);
    set_bridge_namespace("");
    analyse_declaration_text("typedef char fmt_c; struct fmt_s { fmt_c a; long b; int c; };",
                             "", "f.h", 1);
    EXPECT_TRUE(register_display_format("H", "fmt_c"));
    EXPECT_TRUE(register_display_format("B16", "fmt_s.b"));
    EXPECT_FALSE(register_display_format("D", "fmt_s.none"));
    CType *record = type_from_text("struct fmt_s");
    ASSERT_NE(record, nullptr);
    auto field = [&](const char *name) {
        return symbol_type(field_at_position(record, field_position(record, name)));
    };
    EXPECT_EQ(type_display_format(field("a")).code, 0u);
    DisplayFormat b = type_display_format(field("b"));
    EXPECT_EQ(b.code, 2u);
    EXPECT_EQ(b.width, 16u);
    EXPECT_EQ(type_display_format(field("c")).code, 6u);   /* its neighbours keep theirs */
    free_type(record);
}

TEST_F(Bridge, FlattenPreprocessedText)
{
    struct Case {
        const char *in, *out;
    } cases[] = {
        {"#line 1 \"a.h\"\nint\nx;\n", "int x; "},
        {"a\n#line 7 \"b\"\nb", "a b"},
        {"#pragma zirko x\ny", "#pragma zirko x y"},
        {"#\nz", "# z"},
        {"s = \"a\nb\";", "s = \"a b\";"},
        {"c = '\\'';\nd", "c = '\\''; d"},
        {"t = \"q\\\"#line\n\";\n", "t = \"q\\\"#line \"; "},
        {"", ""},
    };
    for (const Case &c : cases) {
        std::string out = "old";
        flatten_preprocessed_text(c.in, out);
        EXPECT_EQ(out, c.out) << c.in;
    }
}

TEST_F(Bridge, SymbolCategory)
{
    NamespaceQualifier global;
    CSymbol *variable = make_symbol(intern_text("v"), make_base_type("int"),
                                    global, nullptr);
    EXPECT_EQ(symbol_category(variable), 1);
    variable->storage = SF_STATIC;
    EXPECT_EQ(symbol_category(variable), 2);
    variable->storage = SF_STATIC | SF_EXTERN;
    EXPECT_EQ(symbol_category(variable), 1);
    CSymbol *nameless = make_symbol(nullptr, make_base_type("int"), global, nullptr);
    EXPECT_EQ(symbol_category(nameless), 0);
    CSymbol *function = make_symbol(intern_text("f"),
                                    make_function(make_base_type("int")), global,
                                    nullptr);
    EXPECT_EQ(symbol_category(function), 0);
    CSymbol *alias = make_symbol(
        intern_text("t"),
        make_typedef_name(intern_text("t"), make_base_type("int")), global,
        nullptr);
    EXPECT_EQ(symbol_category(alias), 0);
    for (CSymbol *symbol : {variable, nameless, function, alias})
        free_symbol(symbol);
}

} // namespace

namespace {

CSymbol *field(const char *name, CType *type)
{
    return make_symbol(name ? intern_text(name) : nullptr, type,
                       NamespaceQualifier(), nullptr);
}

TEST(BridgeStorage, StructsArraysAndUnions)
{
    NamespaceQualifier global;
    CType *inner = make_class_type(CT_UNION, intern_text("u_t"), false, global);
    add_member(inner, field("x", make_base_type("int")), MA_PUBLIC, -1);
    add_member(inner, field("y", make_base_type("char")), MA_PUBLIC, -1);

    CType *empty = make_class_type(CT_UNION, intern_text("e_t"), false, global);

    CType *outer = make_class_type(CT_STRUCT, intern_text("m_t"), false, global);
    add_member(outer, field("a", make_base_type("int")), MA_PUBLIC, -1);
    add_member(outer, field("b", make_array(make_base_type("char"),
                                            intern_text("4"), nullptr)),
               MA_PUBLIC, -1);
    add_member(outer, field("open", make_array(make_base_type("int"), nullptr,
                                               nullptr)),
               MA_PUBLIC, -1);
    add_member(outer, field(nullptr, inner), MA_PUBLIC, -1);
    add_member(outer, field("e", empty), MA_PUBLIC, -1);

    std::string out;
    /* The typedef owns the struct, which owns its members' types. */
    CType *alias = make_typedef_name(intern_text("m"), outer);
    message_storage_text(alias, "ZRK_m", out, 0);
    EXPECT_EQ(out, "struct {\n"
                   "int a;\n"
                   "char b[4];\n"
                   "int open[0];\n"
                   "struct {\nint select;\n\nint x;\nchar y;\n\n}ZRK_4;\n"
                   "struct {\nint select;\n\n}e;\n"
                   "\n}ZRK_m;\n");
    free_type(alias, FREE_ALL);
}

} // namespace
