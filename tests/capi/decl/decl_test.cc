/*
** tests/capi/decl/decl_test.cc
** Declaration and expression grammars: diagnostics with their codes,
** severities and quoted texts, what declarations enter into the model,
** expression trees and type_from_text.
*/
#include "decl.h"
#include "model.h"
#include "target_sizes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Report {
    int severity;
    std::string code, text, file;
    int line;
};

std::vector<Report> reports;

void capture(int severity, const char *code, const char *text,
             const char *file, int line)
{
    reports.push_back({severity, code, text, file, line});
}

class DeclTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        init_intern_table();
        reset_target_sizes();
        decl_set_table(create_symbol_table("ZIRKO"));
        reports.clear();
    }
    void TearDown() override
    {
        release_symbol_table(decl_table());
        decl_set_table(nullptr);
    }
    int declare(const char *text)
    {
        return analyse_declarations(text, "t.h", "", 1, capture);
    }
    CSymbol *ordinary(const char *name, const char *ns = nullptr)
    {
        NamespaceQualifier q;
        if (ns)
            q = scope_qualifier(lookup_namespace(decl_table(), intern_text(ns)));
        CTableEntry *e = lookup_ordinary(decl_table(), intern_text(name), q);
        return e ? e->symbol : nullptr;
    }
    CType *tag(const char *name, unsigned kind)
    {
        CTableEntry *e = lookup_tag(decl_table(), intern_text(name), kind,
                                    NamespaceQualifier());
        return e ? e->symbol->type : nullptr;
    }
    std::string codes()
    {
        std::string out;
        for (const Report &r : reports)
            out += (out.empty() ? "" : " ") + r.code;
        return out;
    }
};

/* ---- Syntax errors and constants ---- */

struct DiagCase {
    const char *text;
    int severity;
    const char *code;
    const char *quoted;
};

TEST_F(DeclTest, DiagnosticsQuoteTheirText)
{
    const DiagCase cases[] = {
        {"int a", 2, "UNEXP_EOF", "int a"},
        {"int a; int b c; int d;", 3, "SYNTAXERR", "int a; int b c"},
        {"int x = 4294967296;", 3, "ENTOUTRAN", "4294967296"},
        {"long x = 0x1ffffffffL;", 3, "ENTOUTRAN", "0x1ffffffffL"},
        {"int c = '';", 3, "CSTCARVID", "''"},
        {"int c = 'abcde';", 3, "TOLOCSTCA", "'abcde'"},
        {"int c = 'ab';", 3, "MULCARCST", "'ab'"},
        {"int c = '\\q';", 3, "SEQUEINCO", "'\\q'"},
        {"int c = 'a;\n", 3, "INVCSTCAR", "'a;"},
        {"struct A { int f(int); }; int A::g(int x) { return x; }", 3,
         "FUNCT_DEF", "A::g"},
        {"using namespace std", 3, "SYNTAXERR", "'using' without ';'"},
        {"struct B { int x; }; struct D : private B { B::y; };", 3,
         "MODACCINC", "y"},
        {"template <class T struct X {};", 3, "TEMPLADEC",
         "template <class T struct"},
        {"union U { int a; }; U::x y;", 3, "SYNTAXERR", "<union>::<type>"},
        {"struct S { int a; } ; struct S { long b; };", 3, "REDEFSTRU", "S"},
    };
    for (const DiagCase &c : cases) {
        TearDown();
        SetUp();
        declare(c.text);
        ASSERT_FALSE(reports.empty()) << c.text;
        EXPECT_EQ(reports[0].code, c.code) << c.text << ": " << codes();
        EXPECT_EQ(reports[0].severity, c.severity) << c.text;
        EXPECT_EQ(reports[0].text, c.quoted) << c.text;
    }
}

/* Constants against the widths of their types, at the edges (32-bit int,
** 64-bit long long), through both the machine-integer and the big-integer
** summing. */
TEST_F(DeclTest, IntegerConstantsAreCheckedAgainstTheirWidth)
{
    const struct {
        const char *text;
        bool reported;
    } cases[] = {
        {"int x = 2147483647;", false},
        {"int x = 4294967295;", false},
        {"int x = 0xffffffff;", false},
        {"int x = 037777777777;", false},
        {"int x = 040000000000;", true},
        {"int x = 0x100000000;", true},
        {"long long x = 18446744073709551615LL;", false},
        {"long long x = 18446744073709551616LL;", true},
        {"long long x = 999999999999999999999999999999999999999999999999999LL;", true},
    };
    for (const auto &c : cases) {
        TearDown();
        SetUp();
        declare(c.text);
        EXPECT_EQ(codes(), c.reported ? "ENTOUTRAN" : "") << c.text;
    }
}

TEST_F(DeclTest, LongQuoteKeepsItsTail)
{
    std::string text = "int first; int second; int third; int fourth; "
                       "int fifth; int sixth ?";
    declare(text.c_str());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text.size(), 59u);
    EXPECT_EQ(reports[0].text, text.substr(text.size() - 59));
}

TEST_F(DeclTest, DeclarationsBeforeAndAfterAnErrorStay)
{
    declare("int a; int b c; int d; struct T { int x } ; int e;");
    EXPECT_TRUE(ordinary("a"));
    EXPECT_TRUE(ordinary("d"));
    EXPECT_TRUE(ordinary("e"));
    EXPECT_EQ(codes(), "SYNTAXERR SYNTAXERR");
}

TEST_F(DeclTest, LineMarkersPlaceTheDiagnostics)
{
    declare("int a;\n#line 40 \"dir/x.h\"\nint b;\nint c d;\n");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].file, "dir/x.h");
    EXPECT_EQ(reports[0].line, 41);
    EXPECT_EQ(ordinary("b")->file, intern_text("dir/x.h"));
}

TEST_F(DeclTest, SizePragmaWidensIntegerConstants)
{
    declare("#pragma zirko sizeof int 64\nint x = 4294967296;\n");
    EXPECT_EQ(codes(), "");
    declare("#pragma zirko sizeof long 64\nlong y;\n");
    CType *t = resolve_type(ordinary("y")->type);
    EXPECT_EQ(t->base.bits, -64);
}

TEST_F(DeclTest, CharacterConstantsPackTheirCharacters)
{
    declare("enum E { A = 'ab', B = 'a', C = '\\377', D = L'x', F = '\\n' };");
    const long long expected[] = {0x6162, 'a', -1, 'x', 10};
    const char *names[] = {"A", "B", "C", "D", "F"};
    for (int i = 0; i < 5; i++) {
        CType *type = nullptr;
        const CEnumerator *en = lookup_enumerator(
            decl_table(), intern_text(names[i]), NamespaceQualifier(), false,
            &type, nullptr);
        ASSERT_TRUE(en) << names[i];
        EXPECT_EQ(en->value, expected[i]) << names[i];
    }
}

/* ---- What declarations enter ---- */

TEST_F(DeclTest, EnumeratorsCountOnFromTheLastValue)
{
    declare("enum Color { RED, GREEN = 5, BLUE, MASK = GREEN << 2 | 1 };");
    EXPECT_EQ(codes(), "");
    CType *type = nullptr;
    const CEnumerator *blue = lookup_enumerator(
        decl_table(), intern_text("BLUE"), NamespaceQualifier(), false, &type,
        nullptr);
    ASSERT_TRUE(blue);
    EXPECT_EQ(blue->value, 6);
    EXPECT_EQ(type, tag("Color", CT_ENUM));
    const CEnumerator *mask = lookup_enumerator(
        decl_table(), intern_text("MASK"), NamespaceQualifier(), false, &type,
        nullptr);
    EXPECT_EQ(mask->value, 21);
}

TEST_F(DeclTest, StructTagsAndFunctionsShareNames)
{
    declare("struct stat { int st_mode; long st_size; };\n"
            "int stat(const char *path, struct stat *buf);\n"
            "typedef struct stat stat_t;\n"
            "struct node { struct node *next; int v : 3; unsigned : 5; };\n");
    EXPECT_EQ(codes(), "");
    CType *s = tag("stat", CT_STRUCT);
    ASSERT_TRUE(s && s->class_body);
    EXPECT_EQ(s->class_body->members.size(), 2u);
    EXPECT_TRUE(is_function_type(ordinary("stat")->type));
    CType *node = tag("node", CT_STRUCT);
    ASSERT_TRUE(node && node->class_body);
    ASSERT_EQ(node->class_body->members.size(), 3u);
    CType *next = node->class_body->members[0]->symbol->type;
    EXPECT_EQ(next->kind, (unsigned)CT_POINTER);
    EXPECT_EQ(next->target, node);
    EXPECT_EQ(node->class_body->members[1]->bit_width, 3);
}

TEST_F(DeclTest, DeclaratorsComposeAsCDoes)
{
    declare("int (*handlers[4])(int, char *);\n"
            "char *const names[2][3];\n"
            "void f(void);\n"
            "int g(int a, ...);\n");
    EXPECT_EQ(codes(), "");
    CType *h = ordinary("handlers")->type;
    ASSERT_EQ(h->kind, (unsigned)CT_ARRAY);
    EXPECT_STREQ(h->dim_text, "4");
    ASSERT_EQ(h->target->kind, (unsigned)CT_POINTER);
    EXPECT_EQ(h->target->target->kind, (unsigned)CT_FUNCTION);
    EXPECT_EQ(h->target->target->function->params.size(), 2u);
    CType *n = ordinary("names")->type;
    EXPECT_STREQ(n->dim_text, "2");
    EXPECT_STREQ(n->target->dim_text, "3");
    EXPECT_EQ(n->target->target->kind, (unsigned)CT_MODIFIER);
    EXPECT_TRUE(resolve_type(ordinary("f")->type)->function->params.empty());
    CType *g = resolve_type(ordinary("g")->type);
    ASSERT_EQ(g->function->params.size(), 2u);
    EXPECT_EQ(g->function->params[1]->type->kind, (unsigned)CT_ELLIPSIS);
}

TEST_F(DeclTest, ClassesWithBasesMembersAndDefinitions)
{
    declare("class Base { public: virtual ~Base(); int id; protected: int p; };\n"
            "class Shape : public Base {\n"
            "public:\n"
            "  Shape(int w, int h) : w_(w), h_(h) {}\n"
            "  int area() const { return w_ * h_; }\n"
            "  Shape &operator+=(const Shape &other);\n"
            "  operator int() const;\n"
            "  friend class ZIRKO;\n"
            "  enum Kind { SQUARE, ROUND };\n"
            "  typedef int size_type;\n"
            "  size_type size;\n"
            "  static int count;\n"
            "private:\n"
            "  int w_, h_;\n"
            "};\n"
            "int Shape::count = 0;\n"
            "Shape &Shape::operator+=(const Shape &rhs) { return *this; }\n");
    EXPECT_EQ(codes(), "");
    CType *shape = tag("Shape", CT_STRUCT);
    ASSERT_TRUE(shape && shape->class_body);
    EXPECT_TRUE(shape->class_body->is_class);
    EXPECT_EQ(shape->class_body->bases.size(), 1u);
    EXPECT_TRUE(shape->class_body->driver_is_friend);
    bool renamed = false;
    for (CMember *m : shape->class_body->members)
        if (m->symbol->name == intern_text("operator+=")) {
            CType *f = resolve_type(m->symbol->type);
            renamed = f->function->params[0]->name == intern_text("rhs");
        }
    EXPECT_TRUE(renamed);
}

TEST_F(DeclTest, NamespacesOwnTheirDeclarations)
{
    declare("namespace N { int v; namespace M { struct P { int q; }; } }\n"
            "namespace { int w; }\n"
            "N::M::P global_p;\n"
            "using namespace N;\n");
    EXPECT_EQ(codes(), "");
    EXPECT_FALSE(lookup_ordinary(decl_table(), intern_text("v"),
                                 NamespaceQualifier(), true));
    EXPECT_TRUE(ordinary("v", "N"));
    CSymbol *w = ordinary("w", "zirko_unnamed_namespace");
    ASSERT_TRUE(w);
    EXPECT_STREQ(w->owner->name, "zirko_unnamed_namespace");
    EXPECT_TRUE(ordinary("global_p"));
}

TEST_F(DeclTest, ClassTemplatesMakeInstances)
{
    declare("template <class T, int N> class Array {\n"
            "public: T items[N]; int size() const { return N; } };\n"
            "Array<long, 4> numbers;\n"
            "template <class K> struct Fwd;\n"
            "template <> struct Fwd<int> { int only; };\n"
            "template <class T> T maximum(T a, T b) { return a > b ? a : b; }\n");
    EXPECT_EQ(codes(), "");
    CType *templ = tag("Array", CT_TEMPLATE);
    ASSERT_TRUE(templ && templ->class_body);
    EXPECT_EQ(templ->class_body->template_params.size(), 2u);
    EXPECT_FALSE(templ->class_body->template_text.empty());
    CType *inst = ordinary("numbers")->type;
    ASSERT_EQ(inst->kind, (unsigned)CT_INSTANCE);
    ASSERT_TRUE(inst->instance->class_type);
    CType *cls = real_type(inst);
    ASSERT_TRUE(cls->class_body);
    EXPECT_EQ(cls->class_body->members.size(), 2u);
    EXPECT_STREQ(cls->class_body->members[0]->symbol->type->dim_text, " 4 ");
}

TEST_F(DeclTest, TemplateHeaderThatDeclaresNothingIsMalformed)
{
    declare("template <class T> ;\n"
            "template <class T> 42;\n"
            "struct S { template <class U> ; int k; };\n"
            "int after;\n"
            "template <class T>\n");
    ASSERT_EQ(codes(), "TEMPLADEC TEMPLADEC TEMPLADEC TEMPLADEC");
    const char *quoted[] = {"template <class T> ;", "template <class T> 42",
                            "template <class U> ;", "template <class T>"};
    const int lines[] = {1, 2, 3, 5};
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(reports[i].text, quoted[i]);
        EXPECT_EQ(reports[i].line, lines[i]) << quoted[i];
        EXPECT_EQ(reports[i].severity, 3);
    }
    /* The declarations around them still land. */
    EXPECT_TRUE(ordinary("after"));
    CType *s = tag("S", CT_STRUCT);
    ASSERT_TRUE(s && s->class_body);
    EXPECT_EQ(s->class_body->members.size(), 1u);
}

TEST_F(DeclTest, TemplateHeadersBeforeDeclarationsAreSilent)
{
    declare("template <class T> struct Box { T v;\n"
            "  template <class U> void put(U u);\n"
            "  template <class U> friend struct Pal; };\n"
            "template <class T> template <class U> void Box<T>::put(U) {}\n"
            "template <> int maximum<int>(int a, int b);\n"
            "template <class T> const T zero = T();\n"
            "template <class T> static inline unsigned f(T);\n"
            "template <class T> ::Box<T> *make();\n"
            "template <class T> ~Box();\n"
            "template class Box<int>;\n"
            "template int maximum<long>(long, long);\n");
    EXPECT_EQ(codes(), "");
    EXPECT_TRUE(tag("Box", CT_TEMPLATE));
}

TEST_F(DeclTest, TemplateInstancesCheckTheirArguments)
{
    declare("template <class T> struct Box { T v; };\nBox<int, long> b;\n");
    ASSERT_EQ(codes(), "TEMINSINC");
    EXPECT_EQ(reports[0].text, "Box<int, long>");
    reports.clear();
    /* Self-use with growing arguments stops at a bounded depth. */
    declare("template <class T> struct G { G<G<T> > *a; G<T *> *b; };\n"
            "G<int> g;\n");
    EXPECT_NE(codes().find("TEMINSINC"), std::string::npos);
}

/* ---- type_from_text ---- */

TEST_F(DeclTest, TypeFromTextIsSilentAndLeavesNoTrace)
{
    declare("struct S { int a; }; typedef unsigned long ulong;");
    ReportHook outer = set_report_hook(capture);
    CType *t = type_from_text("struct S *", "", "t.pts", 3);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->kind, (unsigned)CT_POINTER);
    EXPECT_EQ(t->target, tag("S", CT_STRUCT));
    free_type(t, FREE_ALL);
    CType *u = type_from_text("ulong", "", "t.pts", 3);
    ASSERT_TRUE(u);
    EXPECT_EQ(resolve_type(u)->base.bits, 32);
    free_type(u, FREE_ALL);
    EXPECT_FALSE(type_from_text("no_such_type", "", "t.pts", 3));
    EXPECT_FALSE(type_from_text("int )", "", "t.pts", 3));
    EXPECT_EQ(set_report_hook(outer), capture);
    EXPECT_EQ(codes(), "");
    EXPECT_FALSE(ordinary("__zirko_var"));
}

/* ---- Expressions ---- */

struct ExprCase {
    const char *text;
    const char *code;   /* "" = accepted */
    int severity;
};

TEST_F(DeclTest, ScriptExpressionsRefuseSideEffects)
{
    const ExprCase cases[] = {
        {"a = 1", "AFFECTATI", 3},      {"a <<= 1", "AFFECTATI", 3},
        {"a++", "POSTINCRE", 3},        {"b--", "POSTDECRE", 3},
        {"a, b", "SOUSEXPRE", 3},       {"f(a, b)", "", 0},
        {"a +", "UNEXP_EOF", 2},        {"a b", "EXPERRONE", 3},
        {"[1..]", "SYNTAXERR", 3},      {"[1..5]", "", 0},
        {"(a, b)", "SOUSEXPRE", 3},
    };
    for (const ExprCase &c : cases) {
        reports.clear();
        CExpr *e = analyse_expression_text(c.text, "", "s.pts", 7, capture);
        if (!*c.code) {
            EXPECT_TRUE(e) << c.text << ": " << codes();
            EXPECT_EQ(codes(), "") << c.text;
        } else {
            EXPECT_FALSE(e) << c.text;
            ASSERT_EQ(reports.size(), 1u) << c.text << ": " << codes();
            EXPECT_EQ(reports[0].code, c.code) << c.text;
            EXPECT_EQ(reports[0].severity, c.severity) << c.text;
            EXPECT_EQ(reports[0].line, 7);
        }
        free_expr(e);
    }
}

TEST_F(DeclTest, ExpressionsPrintBack)
{
    declare("struct S { int a; }; typedef struct S S_t;");
    const char *const cases[][2] = {
        {"p->a.b[3]", "p->a.b[3]"},
        {"(S_t *)ptr", "(S_t *)ptr"},
        {"sizeof(struct S)", "sizeof(struct S)"},
        {"static_cast<int>(x)", "static_cast<int>(x)"},
        {"a ? -b : ~c", "a ? -b : ~c"},
        {"N::value + ::g", "N::value + ::g"},
        {"new int[5]", "new int[5]"},
        {"::delete [] p", "::delete [] p"},
        {"{1, x => 2, 1..3 => 4, OTHERS => 0}",
         "{1, x => 2, 1..3 => 4, OTHERS => 0}"},
        {"{ , 1}", "{, 1}"},
        {"L\"wide\" \"more\"", "L\"wide\" \"more\""},
        {"obj.*pm", "obj .* pm"},
        {"f(1, 'c', 2.5e3)", "f(1, 'c', 2.5e3)"},
    };
    for (const auto &c : cases) {
        reports.clear();
        CExpr *e = analyse_expression_text(c[0], "", "s.pts", 1, capture);
        ASSERT_TRUE(e) << c[0] << ": " << codes();
        std::string image;
        expr_image(e, image);
        EXPECT_EQ(image, c[1]);
        free_expr(e);
    }
}

/* Binary operators written with the grouping of their tree. */
std::string grouped(const CExpr *e)
{
    if (e->kind != EX_BINARY)
        return e->text ? e->text : "?";
    return "(" + grouped(e->a) + token_spelling(e->op) + grouped(e->b) + ")";
}

TEST_F(DeclTest, BinaryOperatorsGroupByPrecedenceFromTheLeft)
{
    const char *const cases[][2] = {
        {"a + b * c", "(a+(b*c))"},
        {"a * b + c", "((a*b)+c)"},
        {"a - b - c", "((a-b)-c)"},
        {"a * b == c + d", "((a*b)==(c+d))"},
        {"a || b && c | d ^ e & f == g < h << i + j * k",
         "(a||(b&&(c|(d^(e&(f==(g<(h<<(i+(j*k))))))))))"},
        {"a * b + c << d < e == f & g ^ h | i && j || k",
         "((((((((((a*b)+c)<<d)<e)==f)&g)^h)|i)&&j)||k)"},
        {"a + b * c + d", "((a+(b*c))+d)"},
    };
    for (const auto &c : cases) {
        CExpr *e = analyse_expression_text(c[0], "", "s.pts", 1, capture);
        ASSERT_TRUE(e) << c[0] << ": " << codes();
        EXPECT_EQ(grouped(e), c[1]);
        free_expr(e);
    }
}

TEST_F(DeclTest, ExpressionTreesHaveTheirKinds)
{
    CExpr *e = analyse_expression_text("{low..high => f(1), [2..3]}", "",
                                       "s.pts", 1, capture);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->kind, EX_LIST);
    ASSERT_TRUE(e->list && e->list->next);
    EXPECT_EQ(e->list->kind, EX_RANGE_DESIGNATION);
    EXPECT_EQ(e->list->c->kind, EX_CALL);
    EXPECT_EQ(e->list->next->kind, EX_RANGE);
    CExpr *copy = copy_expr(e);
    free_expr(e);
    std::string image;
    expr_image(copy, image);
    EXPECT_EQ(image, "{low..high => f(1), [2..3]}");
    free_expr(copy);
    EXPECT_FALSE(analyse_expression_text("   ", "", "s.pts", 1, capture));
    EXPECT_EQ(codes(), "");
}

/* The span recorded for every node of a tree holds exactly the node's own
** image, and the whole image is the one made without spans. */
TEST_F(DeclTest, ImageSpansAreTheImagesOfTheParts)
{
    for (const char *text : {"{n => 0, lamps => {0..1 => {c => RED, OTHERS => 0}, "
                             "OTHERS => {id => -1, c => (a + b) * c, s => [1..9]}}}",
                             "f(x, y[2], p->q.r) ? 'c' : \"s\"", "(int)x << 2 | ~y",
                             "{{1, 2}, {3}, OTHERS => {}}"}) {
        CExpr *e = analyse_expression_text(text, "", "s.pts", 1, capture);
        ASSERT_TRUE(e) << text;
        std::string whole, plain;
        std::vector<ImageSpan> spans;
        expr_image_spans(e, whole, spans);
        expr_image(e, plain);
        EXPECT_EQ(whole, plain);
        EXPECT_GT(spans.size(), 3u) << text;
        for (const ImageSpan &span : spans) {
            std::string own;
            expr_image(span.node, own);
            EXPECT_EQ(whole.substr(span.start, span.end - span.start), own) << text;
        }
        free_expr(e);
    }
}

/* Every keyword is found, and only a keyword: not its capitalised form,
** its prefixes, nor the word extended by a letter or an underscore. */
TEST_F(DeclTest, KeywordsAreExactlyTheirSpellings)
{
    auto kind_of = [](const std::string &word) {
        DeclScanner s;
        scan_init(&s, word.c_str(), "k.h", 1, false);
        DeclToken t;
        scan_token(&s, &t);
        return t.kind;
    };
    for (int kind = TK_KW_asm; kind < TK_KW_asm + 64; kind++) {
        std::string word = token_spelling(kind);
        EXPECT_EQ(kind_of(word), kind) << word;
        std::string upper = word;
        upper[0] = char(upper[0] - 'a' + 'A');
        EXPECT_EQ(kind_of(upper), TK_IDENT) << upper;
        EXPECT_EQ(kind_of(word + "_"), TK_IDENT) << word;
        EXPECT_EQ(kind_of(word + "z"), TK_IDENT) << word;
        if (word.size() > 1) {
            EXPECT_NE(kind_of(word.substr(0, word.size() - 1)), kind) << word;
        }
    }
    EXPECT_EQ(kind_of("_x"), TK_IDENT);
    EXPECT_EQ(kind_of("zz"), TK_IDENT);
}

TEST_F(DeclTest, DeepInputIsASyntaxErrorNotACrash)
{
    std::string deep(100000, '(');
    EXPECT_FALSE(analyse_expression_text(deep.c_str(), "", "s.pts", 1, capture));
    std::string chain = "x";
    for (int i = 0; i < 20000; i++)
        chain += "+x";
    reports.clear();
    EXPECT_FALSE(analyse_expression_text(chain.c_str(), "", "s.pts", 1, capture));
    EXPECT_EQ(codes(), "EXPERRONE");
    std::string decl = "int " + std::string(50000, '*') + "p;";
    reports.clear();
    declare(decl.c_str());
    EXPECT_EQ(codes(), "SYNTAXERR");
}

} // namespace
