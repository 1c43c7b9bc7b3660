/*
** tests/capi/bridge/bridge_expr_test.cc
** Typing of script expressions: every rule that refuses an expression,
** the literal types and the conversions of the operators.
*/
#include "bridge_util.h"
#include "target_sizes.h"

namespace {

const char *const declarations =
    "struct S { int a; char *s; struct { int in1; }; int f(int); };\n"
    "typedef struct S ST;\n"
    "struct S s; ST *ps; ST sa[3]; int arr[4]; int *ip; int i; double d;\n"
    "unsigned long ul; char c; short sh; float fl;\n"
    "int &ri = i;\n"
    "union U { int x; float y; } u;\n"
    "enum E { E1, E2 = 5 } e;\n"
    "int (*fp)(int);\n"
    "int fn(int, char);\n"
    "int S::*mp;\n"
    "class K { public: K(int); K(int, int, int = 0); };\n"
    "class V { public: int v; };\n"
    "namespace N { int nv; enum { NE }; }\n";

struct TypingCase {
    const char *expression;
    const char *type;      /* image of the type, "(none)" when refused */
    std::string report;    /* printed line, "" for none */
};

class BridgeExpr : public BridgeTest {
protected:
    void SetUp() override
    {
        BridgeTest::SetUp();
        declare(declarations);
    }
    void run_cases(const std::vector<TypingCase> &cases)
    {
        for (const TypingCase &c : cases) {
            std::string err;
            EXPECT_EQ(typed(c.expression, err), c.type) << c.expression;
            EXPECT_EQ(err, c.report) << c.expression;
        }
    }
};

std::string warning(const char *code, const char *text)
{
    return std::string("Korvat-W-") + code + ",  [s.pts:7] " + text + "\n";
}

TEST_F(BridgeExpr, RefusedExpressionsReportTheirRule)
{
    std::vector<TypingCase> cases = {
        {"i[0]", "(none)", warning("NONTABLEA", "i is not an array")},
        {"i(1)", "(none)", warning("NONFONCTI", "i is not a function")},
        {"i.a", "(none)",
         warning("INVCHASTR", "Invalid member selection of a non structure or union i")},
        {"ip->a", "(none)",
         warning("INVCHASTR", "Invalid member selection of a non structure or union ip")},
        {"ps.a", "(none)", warning("POINSTRUC", "Pointed structure or union ps")},
        {"s->a", "(none)", warning("NOPOSTRUC", "Not pointed structure or union s")},
        {"s.zz", "(none)", warning("CHAMPINCO", "Unknown field s.zz")},
        {"s.*i", "(none)", warning("INCPOIMEM", "Incorrect pointer member: s .* i")},
        {"s->*mp", "(none)", warning("INCPOIMEM", "Incorrect pointer member: s ->* mp")},
        {"*i", "(none)", warning("NONPOINTE", "i is not a pointeur")},
        {"!s", "(none)",
         warning("OPERSCALA",
                 "\"!\" operation only allowed on scalar types (integer, real, enum, pointer)")},
        {"~d", "(none)",
         warning("OPERENTIE", "\"~\" operation only allowed on integer types")},
        {"-s", "(none)",
         warning("OPERARITH",
                 " \"-\"  operation only allowed on numeric types (integer or real)")},
        {"{1, s}", "(none)", warning("TYPESDIFF", "Different types in list {1, s}")},
        {"K(1, 2, 3, 4)", "(none)", warning("CONSTRINC", "Unknown constructor K(1, 2, 3, 4)")},
        {"K()", "(none)", warning("CONSTRINC", "Unknown constructor K()")},
        {"V(1, 2)", "(none)", warning("CONSTRINC", "Unknown constructor V(1, 2)")},
        {"zz", "(none)", warning("IDENTIINC", "Unknown ident zz")},
        {"nv", "(none)", warning("IDENTIINC", "Unknown ident nv")},
        {"Q::i", "(none)", warning("IDENTIINC", "Unknown ident Q::i")},
        /* A refusal deep inside stops the whole expression. */
        {"fn(zz, 1) + 1", "(none)", warning("IDENTIINC", "Unknown ident zz")},
        /* Binary operators refuse what C refuses. */
        {"s + 1", "(none)",
         warning("OPERARITH",
                 " \"+\"  operation only allowed on numeric types (integer or real)")},
        {"d % 2", "(none)",
         warning("OPERENTIE", "\"%\" operation only allowed on integer types")},
        {"s && 1", "(none)",
         warning("OPERSCALA",
                 "\"&&\" operation only allowed on scalar types (integer, real, enum, pointer)")},
    };
    run_cases(cases);
}

TEST_F(BridgeExpr, TypesOfAcceptedExpressions)
{
    std::vector<TypingCase> cases = {
        {"arr[1]", "int", ""},
        {"ip[0]", "int", ""},
        {"sa[1].a", "int", ""},
        {"fn(1, 'a')", "int", ""},
        {"fp(2)", "int", ""},
        {"(*fp)(2)", "int", ""},
        {"s.f(1)", "int", ""},
        {"s.a", "int", ""},
        {"ps->s", "char *", ""},
        {"s.in1", "int", ""},           /* member of an anonymous struct */
        {"s.*mp", "int", ""},
        {"ps->*mp", "int", ""},
        {"*ip", "int", ""},
        {"&s", "struct S *", ""},
        {"ps", "ST *", ""},             /* the typedef name is kept */
        {"ri", "int", ""},              /* a reference gives its referee */
        {"!ip", "int", ""},
        {"~c", "int", ""},
        {"-d", "double", ""},
        {"-e", "int", ""},
        {"E2", "enum E", ""},
        {"N::nv", "int", ""},
        {"{1, c, 2.5}", "int", ""},
        {"{ip, arr}", "int *", ""},
        {"K(1)", "class K", ""},
        {"K(1, 2)", "class K", ""},
        {"V()", "class V", ""},
        {"int(c)", "int", ""},
        {"(char)i", "char", ""},
        {"sizeof(int)", "unsigned long", ""},
        {"sizeof i", "unsigned long", ""},
        {"i ? c : d", "double", ""},
        {"i ? ps : 0", "ST *", ""},
        /* Usual arithmetic conversions. */
        {"i + d", "double", ""},
        {"fl * d", "double", ""},
        {"fl + i", "float", ""},
        {"c + sh", "int", ""},
        {"ul + i", "unsigned long", ""},
        {"i << ul", "int", ""},
        {"ip + 1", "int *", ""},
        {"1 + ip", "int *", ""},
        {"arr - 1", "int *", ""},
        {"ip - ip", "int", ""},
        {"i < d", "int", ""},
        {"ip == 0", "int", ""},
        {"i && ip", "int", ""},
        /* Literals. */
        {"42", "int", ""},
        {"1.5", "double", ""},
        {"'a'", "char", ""},
        {"true", "bool", ""},
        {"\"abc\"", "char *", ""},
        {"L\"abc\"", "wchar_t *", ""},
    };
    run_cases(cases);
}

TEST_F(BridgeExpr, NamesResolveInTheExpressionsNamespace)
{
    std::string err;
    EXPECT_EQ(typed("nv", err, "N"), "int");
    EXPECT_EQ(typed("NE", err, "N").rfind("enum {", 0), 0u) << err;
    EXPECT_EQ(typed("i", err, "N"), "int");   /* enclosing global names */
    EXPECT_EQ(err, "");
}

/* The literal types are made of base nodes of the target's sizes. */
TEST_F(BridgeExpr, LiteralTypesFollowTheTargetSizes)
{
    struct Case {
        const char *text;
        int bits;
        int attribute;
        bool pointer;
    } cases[] = {
        {"\"abc\"", -base_type_bits(BSW_CHAR), 0, true},
        {"L\"abc\"", -base_type_bits(BSW_INT), 1, true},
        {"'x'", -base_type_bits(BSW_CHAR), 0, false},
        {"L'x'", -base_type_bits(BSW_INT), 1, false},
        {"7", -base_type_bits(BSW_INT), 0, false},
    };
    for (const Case &c : cases) {
        CExpr *tree = analyse_expression(c.text, "");
        CType *type = expression_type(tree);
        ASSERT_NE(type, nullptr) << c.text;
        CType *base = c.pointer ? type->target : type;
        EXPECT_EQ(type->kind, c.pointer ? (unsigned)CT_POINTER : (unsigned)CT_BASE);
        ASSERT_NE(base, nullptr);
        EXPECT_EQ(base->kind, (unsigned)CT_BASE) << c.text;
        EXPECT_EQ(base->base.bits, c.bits) << c.text;
        EXPECT_EQ(base->base.attribute, c.attribute) << c.text;
        EXPECT_EQ(is_wide_string_type(type), c.pointer && c.attribute) << c.text;
        free_type(type);
        free_expression(tree);
    }
}

TEST_F(BridgeExpr, ExpressionImagePrintsTheTreeBack)
{
    CExpr *tree = analyse_expression("ps -> s [ 1 ]  +  fn( 2 ,'a' )", "");
    std::string image;
    expression_image(tree, image);
    EXPECT_EQ(image, "ps->s[1] + fn(2, 'a')");
    free_expression(tree);
    EXPECT_EQ(analyse_expression("", ""), nullptr);
}

/* The longest operator chains the grammar accepts are typed alike. */
TEST_F(BridgeExpr, LongChainsAreTyped)
{
    std::string text = "d";
    for (int k = 0; k < DECL_MAX_CHAIN - 10; k++)
        text += k % 2 ? " + i" : " * c";
    std::string err;
    EXPECT_EQ(typed(text.c_str(), err), "double");
    EXPECT_EQ(err, "");
}

TEST_F(BridgeExpr, UnknownNodeKindIsAnInternalError)
{
    CExpr *tree = make_expr(EX_COUNT + 3, 0, nullptr, nullptr, nullptr);
    EXPECT_EXIT(expression_type(tree), testing::ExitedWithCode(9),
                "Korvat-S-ERRINTERN,  \\[s.pts:7\\] Internal error in "
                "expression type search");
    free_expression(tree);
}

} // namespace
