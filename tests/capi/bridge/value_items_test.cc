/*
** tests/capi/bridge/value_items_test.cc
** Value items: script values matched against struct, union, array and
** scalar types, the whole-value walk, and the element view of lists.
*/
#include "bridge_util.h"

namespace {

class ValueItems : public BridgeTest {
protected:
    void SetUp() override
    {
        BridgeTest::SetUp();
        declare("struct P { int x; int y; };\n"
                "union U { int i; float f; };\n"
                "struct R { struct P at; char name[8]; int v[3]; union U u;"
                " int *p; };\n"
                "struct A { int k; union { int a; short b; }; };\n"
                "class B { public: int b; };\n"
                "class D : public B { public: int d; };\n"
                "enum E { E0, E1, E2 };\n"
                "struct N { int grid[2][2]; int open[]; };\n");
    }
    /* The items in a compact form; `err` gets what was printed. */
    std::string items(const char *type_text, const char *value, bool *ok,
                      std::string &err)
    {
        CType *type = type_from_text(type_text);
        EXPECT_NE(type, nullptr) << type_text;
        CExpr *tree = analyse_expression(value, "");
        EXPECT_NE(tree, nullptr) << value;
        std::vector<ValueItem> list;
        testing::internal::CaptureStderr();
        *ok = match_value_items(type, tree, list);
        err = testing::internal::GetCapturedStderr();
        std::string out = print(list);
        free_expression(tree);
        free_type(type);
        return out;
    }
    static std::string image(const CExpr *e)
    {
        std::string out;
        expression_image(e, out);
        return out;
    }
    static std::string print(const std::vector<ValueItem> &list)
    {
        std::string out;
        for (const ValueItem &i : list) {
            if (!out.empty())
                out += ' ';
            std::string field = i.field ? i.field : "";
            switch (i.kind) {
            case VI_STRUCT: out += "struct" + field + (i.whole ? "*" : "") + "{"; break;
            case VI_UNION:
                out += "union" + field + "#" + std::to_string(i.member) + "{";
                break;
            case VI_ARRAY:
                out += "array" + field + "[" +
                       (i.bounded ? std::to_string(i.low) + ".." + std::to_string(i.high)
                                  : std::string("?")) + "]{";
                break;
            case VI_ELEMENT:
                out += "[" + std::to_string(i.low) + ".." + std::to_string(i.high) + "]{";
                break;
            case VI_OTHERS: out += "others{"; break;
            case VI_END: out += "}"; break;
            case VI_SCALAR:
                out += field;
                if (i.value_kind == VK_PATH)
                    out += "@";
                else if (i.value_kind == VK_RANGE)
                    out += "~" + image(i.range_low) + ".." + image(i.range_high);
                else
                    out += "=" + image(i.value);
                break;
            }
        }
        return out;
    }
};

TEST_F(ValueItems, ValuesComeOutInTheTypesOrder)
{
    struct Case {
        const char *type, *value, *items;
    } cases[] = {
        {"int", "5", "=5"},
        {"int", "[1..3]", "~1..3"},
        {"int", "{1, 2}", "={1, 2}"},          /* the caller tells the mismatch */
        {"struct P", "{y => 2, x => 1}", "struct{ x=1 y=2 }"},
        {"struct P", "{7}", "struct{ x=7 }"},
        {"struct P", "{x => 1, OTHERS => 0}", "struct{ x=1 y=0 }"},
        {"struct P", "{x => 1, OTHERS}", "struct{ x=1 }"},
        {"union U", "{f => 1.5}", "union#1{ f=1.5 }"},
        {"union U", "{OTHERS => 3}", "union#0{ i=3 }"},
        {"struct A", "{1, 2}", "struct{ k=1 a=2 }"},   /* anonymous members flattened */
        {"class D", "{d => 1, b => 2}", "struct{ b=2 d=1 }"},
        {"struct R", "{name => \"abc\", at => {1, 2}}",
         "struct{ structat{ x=1 y=2 } name=\"abc\" }"},
        {"struct R", "{name => {'a', 'b'}}",
         "struct{ arrayname[0..7]{ [0..0]{ ='a' } [1..1]{ ='b' } } }"},
        {"struct R", "{p => NONIL, at => {y => [0..9]}}",
         "struct{ structat{ y~0..9 } p=NONIL }"},
        {"int [4]", "{1, 2, OTHERS => 0}",
         "array[0..3]{ [0..0]{ =1 } [1..1]{ =2 } others{ =0 } }"},
        {"int [4]", "{2..3 => 9, E0..E1 => 8}",
         "array[0..3]{ [0..1]{ =8 } [2..3]{ =9 } }"},
        {"int [4]", "{3..1 => 9}", "array[0..3]{ [1..3]{ =9 } }"},
        {"struct P [2]", "{OTHERS => {x => 1}}",
         "array[0..1]{ others{ struct{ x=1 } } }"},
    };
    for (const Case &c : cases) {
        bool ok = false;
        std::string err;
        EXPECT_EQ(items(c.type, c.value, &ok, err), c.items) << c.type << " " << c.value;
        EXPECT_TRUE(ok) << c.value;
        EXPECT_EQ(err, "") << c.value;
    }
}

TEST_F(ValueItems, WholeValuesAreWalkedOverTheType)
{
    struct Case {
        const char *type, *value, *items;
    } cases[] = {
        {"struct P", "q", "struct*{ x@ y@ }"},
        {"union U", "q", "union#-1{ i@ f@ }"},
        {"int [2]", "q", "array[0..1]{ [0..1]{ @ } }"},
        {"struct N", "q", "struct*{ arraygrid[0..1]{ [0..1]{ array[0..1]{ [0..1]{ @ } } } } "
                          "arrayopen[?]{ } }"},
        {"struct R", "{at => q, u => q}",
         "struct{ structat*{ x@ y@ } unionu#-1{ i@ f@ } }"},
        {"struct R", "q",
         "struct*{ structat*{ x@ y@ } name@ arrayv[0..2]{ [0..2]{ @ } } unionu#-1{ i@ f@ } p@ }"},
        {"char [8]", "\"text\"", "=\"text\""},
    };
    for (const Case &c : cases) {
        bool ok = false;
        std::string err;
        EXPECT_EQ(items(c.type, c.value, &ok, err), c.items) << c.type << " " << c.value;
        EXPECT_TRUE(ok);
    }
}

std::string error_line(const char *code, const char *text)
{
    return std::string("Korvat-E-") + code + ",  [s.pts:7] " + text + "\n";
}

TEST_F(ValueItems, MismatchesAreReportedAndTheMatchGoesOn)
{
    struct Case {
        const char *type, *value;
        std::string report;
    } cases[] = {
        {"struct P", "{x => 1, zz => 2}", error_line("CHAMPINCO", "Unknown field zz")},
        {"struct P", "{1, 2, 3, 4}",
         error_line("NBVALINCO", "Too many INIT or VA values: {1, 2, 3, 4}")},
        {"union U", "{i => 1, f => 2}",
         error_line("ONEFLDUNN", "Only one field of the union accepted : {i => 1, f => 2}")},
        {"class D", "{1, 2}",
         error_line("INHERITED", "Specify the member names in the case of inherited type (D)")},
        {"int [3]", "{k => 1}", error_line("CHAMPINCO", "Unknown field k")},
        {"struct R", "{at => {q => 1}, v => {zz => 1}}",
         error_line("CHAMPINCO", "Unknown field q") + error_line("CHAMPINCO", "Unknown field zz")},
    };
    for (const Case &c : cases) {
        bool ok = true;
        std::string err;
        items(c.type, c.value, &ok, err);
        EXPECT_FALSE(ok) << c.value;
        EXPECT_EQ(err, c.report) << c.value;
    }
    bool ok = true;
    std::string err;
    items("int [3]", "{i..2 => 1}", &ok, err);   /* not constant: silent */
    EXPECT_FALSE(ok);
    EXPECT_EQ(err, "");
}

TEST_F(ValueItems, ListElementsAreSeenOneByOne)
{
    CExpr *tree = analyse_expression("{1, a => 2, 3..4 => 5, , OTHERS => 6, OTHERS}", "");
    ASSERT_NE(tree, nullptr);
    std::vector<ValueElement> elements;
    ASSERT_TRUE(value_list_elements(tree, elements));
    std::string out;
    for (const ValueElement &e : elements) {
        out += std::to_string(e.kind);
        if (e.name)
            out += e.name;
        if (e.low)
            out += image(e.low) + ".." + image(e.high);
        out += ":" + (e.value ? image(e.value) : std::string("-")) + " ";
    }
    EXPECT_EQ(out, "0:1 1a:2 23..4:5 4:- 3:6 3:- ");
    std::vector<ValueElement> none;
    CExpr *scalar = analyse_expression("7", "");
    EXPECT_FALSE(value_list_elements(scalar, none));
    EXPECT_TRUE(none.empty());
    long long v = 0;
    EXPECT_TRUE(expression_constant(elements[2].high, &v));
    EXPECT_EQ(v, 4);
    EXPECT_FALSE(expression_constant(nullptr, &v));
    free_expression(tree);
    free_expression(scalar);
}

TEST_F(ValueItems, DeeplyNestedTypesStayBounded)
{
    /* 300 nested array dimensions: the walk lists them all, no deeper
    ** than the limit, without running out of stack. */
    std::string decl = "int deep";
    for (int i = 0; i < 300; i++)
        decl += "[1]";
    declare((decl + ";").c_str());
    CExpr *tree = analyse_expression("deep", "");
    CType *type = expression_type(tree);
    ASSERT_NE(type, nullptr);
    std::vector<ValueItem> list;
    EXPECT_TRUE(match_value_items(type, tree, list));
    EXPECT_EQ(list.size(), 300u * 4 + 1);
    free_type(type);
    free_expression(tree);
}

} // namespace
