/*
** tests/capi/model/model_image_test.cc
** Declaration images: declarators, bodies, templates, the storage mode and
** qualified names; the printed declarations are compiled by g++ to prove
** they are valid C++.
*/
#include "model_test_util.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace {

CType *I() { return make_base_type("int"); }
CType *C() { return make_base_type("char"); }

struct ImageCase {
    const char *expected;
    std::string got;
};

TEST_F(ModelTest, DeclaratorImages)
{
    CType *fp = make_pointer(function_of(I(), {I(), make_pointer(C())}));
    CType *pa = make_pointer(make_array(I(), "3", nullptr));
    CType *ap = make_array(make_pointer(C()), "10", nullptr);
    CType *ret_fp = function_of(make_pointer(function_of(I(), {I()})), {});
    CType *arr_fp = make_array(make_pointer(function_of(make_base_type("void"), {})), "4", nullptr);
    CType *ref = make_reference(make_modifier("const", I()));
    CType *cp = make_modifier("const", make_pointer(make_modifier("const", C())));
    CType *mods = make_modifier("_in", make_modifier("volatile", words({"unsigned", "long"})));
    CType *method = make_modifier("const", function_of(I(), {}));
    CType *ell = function_of(I(), {make_pointer(make_modifier("const", C())), make_type(CT_ELLIPSIS)});
    CType *thr = function_of(make_base_type("void"), {});
    thr->function->has_throw = true;
    thr->function->exceptions.push_back(I());
    thr->function->exceptions.push_back(make_pointer(C()));
    CType *pp = make_pointer(make_pointer(make_modifier("const", I())));
    CType *v = make_base_type("void");
    CType *w = make_pointer(make_literal_base(-32, 1, "int"));
    ImageCase cases[] = {
        {"int (*f)(int, char *)", image(fp, "f")},
        {"int (*)(int, char *)", image(fp)},
        {"int (*p)[3]", image(pa, "p")},
        {"char *a[10]", image(ap, "a")},
        {"int (*g())(int)", image(ret_fp, "g")},
        {"void (*table[4])()", image(arr_fp, "table")},
        {"const int &r", image(ref, "r")},
        {"const char *const s", image(cp, "s")},
        {"_in volatile unsigned long v", image(mods, "v")},
        {"int get() const", image(method, "get")},
        {"int log(const char *, ...)", image(ell, "log")},
        {"void f() throw (int, char *)", image(thr, "f")},
        {"const int **", image(pp)},
        {"int x", image(nullptr, "x")},
        {"void", image(v)},
        {"wchar_t *w", image(w, "w")},
    };
    for (const ImageCase &c : cases)
        EXPECT_EQ(c.got, c.expected);
    for (CType *x : {fp, pa, ap, ret_fp, arr_fp, ref, cp, mods, method, ell, thr, pp, v, w})
        free_type(x, FREE_ALL);
}

long long fake_value(const CExpr *expr, long long *value)
{
    if (!expr)
        return false;
    *value = 8;
    return reinterpret_cast<intptr_t>(expr) == 1;
}

TEST_F(ModelTest, DimensionsAndStorageMode)
{
    DimensionHooks hooks = {nullptr, nullptr,
                            [](const CExpr *e, long long *v) { return fake_value(e, v) != 0; }};
    set_dimension_hooks(hooks);
    CType *as_written = make_array(I(), "N\t*\n2", nullptr);
    CType *blank = make_array(I(), "  ", nullptr);
    CType *constant = make_array(I(), nullptr, reinterpret_cast<CExpr *>(1));
    CType *variable = make_array(I(), nullptr, reinterpret_cast<CExpr *>(2));
    CType *open = make_array(I(), nullptr, nullptr);
    CType *text = make_pointer(make_modifier("const", C()));
    CType *text_ptr = make_pointer(make_pointer(C()));
    EXPECT_EQ(image(as_written, "a"), "int a[N * 2]");
    EXPECT_EQ(image(blank, "a"), "int a[100]");
    EXPECT_EQ(image(constant, "a"), "int a[8]");
    EXPECT_EQ(image(variable, "a"), "int a[1]");
    EXPECT_EQ(image(open, "a"), "int a[]");
    EXPECT_EQ(image(open, "a", IMG_STORAGE), "int a[100]");
    /* a const buffer member would leave the driver class without a
    ** default constructor */
    EXPECT_EQ(image(text, "s", IMG_STORAGE), "char s[200]");
    EXPECT_EQ(image(text_ptr, "s", IMG_STORAGE), "char (*s)[200]");
    EXPECT_EQ(image(text, "s"), "const char *s");
    set_dimension_hooks({nullptr, nullptr, nullptr});
    for (CType *x : {as_written, blank, constant, variable, open, text, text_ptr})
        free_type(x, FREE_ALL);
}

/* class Derived : public Base, virtual private Other { ... } with a nested
** struct, an anonymous union, a bit field and a friend. */
CType *build_classes(ModelTest &, CSymbolTable *t)
{
    CType *base = make_class_type(CT_STRUCT, "Base", false, {});
    add_member(base, make_symbol("b", I(), {}, "a.h"), MA_PUBLIC, -1);
    base = insert_tag(t, make_symbol("Base", base, {}, "a.h"), "a.h", 1)->symbol->type;
    CType *other = make_class_type(CT_STRUCT, "Other", true, {});
    add_member(other, make_symbol("o", I(), {}, "a.h"), MA_PUBLIC, -1);
    other = insert_tag(t, make_symbol("Other", other, {}, "a.h"), "a.h", 1)->symbol->type;

    CType *d = make_class_type(CT_STRUCT, "Derived", true, {});
    d = insert_tag(t, make_symbol("Derived", d, {}, "a.h"), "a.h", 1)->symbol->type;
    NamespaceQualifier inside = {1, class_scope(t, d)};
    add_base_class(d, base, false, MA_PUBLIC);
    add_base_class(d, other, true, MA_PRIVATE);
    CType *nested = make_class_type(CT_STRUCT, "Inner", false, inside);
    add_member(nested, make_symbol("flags", words({"unsigned", "int"}), inside, "a.h"), MA_PUBLIC, 3);
    nested = insert_tag(t, make_symbol("Inner", nested, inside, "a.h"), "a.h", 1)->symbol->type;
    CType *u = make_class_type(CT_UNION, nullptr, false, inside);
    add_member(u, make_symbol("i", I(), inside, "a.h"), MA_PUBLIC, -1);
    add_member(u, make_symbol("f", make_base_type("float"), inside, "a.h"), MA_PUBLIC, -1);
    u = insert_tag(t, make_symbol(nullptr, u, inside, "a.h"), "a.h", 1)->symbol->type;

    add_member(d, make_symbol("count", I(), inside, "a.h"), MA_PUBLIC, -1);
    add_member(d, make_symbol("in", nested, inside, "a.h"), MA_PROTECTED, -1);
    add_member(d, make_symbol("second", make_pointer(nested), inside, "a.h"), MA_PROTECTED, -1);
    add_member(d, make_symbol(nullptr, u, inside, "a.h"), MA_PRIVATE, -1);
    CSymbol *ctor = make_symbol("Derived", function_of(nullptr, {I()}), inside, "a.h");
    ctor->attributes[SA_CONSTRUCTOR] = 1;
    add_member(d, ctor, MA_PUBLIC, -1);
    CSymbol *shared = make_symbol("shared", I(), inside, "a.h");
    shared->storage = SF_STATIC;
    add_member(d, shared, MA_PUBLIC, -1);
    add_member(d, make_symbol("size_type", make_typedef_name("size_type", words({"unsigned", "long"})),
                              inside, "a.h"), MA_PUBLIC, -1);
    declare_member_access(d, "o", MA_PUBLIC);
    add_friend(t, d, make_symbol("ZIRKO", make_class_type(CT_STRUCT, "ZIRKO", true, {}), {}, "a.h"));
    EXPECT_TRUE(d->class_body->driver_is_friend);
    return d;
}

const char *const DERIVED_TEXT =
    "class Derived : public Base, virtual private Other {\n"
    "public:\n"
    "\tusing Other::o;\n"
    "\tint count;\n"
    "protected:\n"
    "\tstruct Inner {\n"
    "\t\tunsigned int flags\t: 3;\n"
    "\t} in;\n"
    "\tstruct Inner *second;\n"
    "private:\n"
    "\tunion {\n"
    "\t\tint i;\n"
    "\t\tfloat f;\n"
    "\t};\n"
    "public:\n"
    "\tDerived(int);\n"
    "\tstatic int shared;\n"
    "\ttypedef unsigned long size_type;\n"
    "\tfriend class ZIRKO;\n"
    "}";

TEST_F(ModelTest, ClassBodies)
{
    CType *d = build_classes(*this, t);
    EXPECT_EQ(image(d, "", IMG_BODIES), DERIVED_TEXT);
    EXPECT_EQ(image(d, "obj"), "class Derived obj");
    CType *inner = lookup_tag(t, "Inner", CT_STRUCT, in(class_scope(t, d)))->symbol->type;
    EXPECT_EQ(image(inner, "x"), "struct Derived::Inner x");

    CType *e = make_enum_type("Colour", {});
    add_enumerator(e, "RED", 0);
    add_enumerator(e, "GREEN", 5);
    add_enumerator(e, "BLUE", -1);
    e = declare_tag(e)->symbol->type;
    EXPECT_EQ(image(e, "c", IMG_BODIES), "enum Colour {\n\tRED\t= 0,\n\tGREEN\t= 5,\n\tBLUE\t= -1\n} c");
    std::string indented;
    type_image(e, "c", IMG_BODIES, 2, indented);
    EXPECT_EQ(indented, "enum Colour {\n\t\t\tRED\t= 0,\n\t\t\tGREEN\t= 5,\n\t\t\tBLUE\t= -1\n\t\t} c");
}

CType *build_template(CSymbolTable *t, CType **instance)
{
    CType *tpl = make_class_type(CT_TEMPLATE, "Array", true, {});
    tpl->class_body->template_params.push_back({intern_text("T"), intern_text("class T")});
    tpl->class_body->template_params.push_back({intern_text("N"), intern_text("int N")});
    add_member(tpl, make_symbol("items", make_array(make_typedef_name("T", nullptr), "N", nullptr), {}, "a.h"),
               MA_PUBLIC, -1);
    tpl = insert_tag(t, make_symbol("Array", tpl, {}, "a.h"), "a.h", 1)->symbol->type;
    CType *inst = make_type(CT_INSTANCE);
    inst->templ = tpl;
    inst->instance = new CInstanceBody;
    inst->instance->args.push_back({make_base_type("int"), nullptr});
    inst->instance->args.push_back({nullptr, intern_text("10")});
    CType *outer = make_type(CT_INSTANCE);
    outer->templ = tpl;
    outer->instance = new CInstanceBody;
    outer->instance->args.push_back({inst, nullptr});
    outer->instance->args.push_back({nullptr, intern_text("2")});
    *instance = outer;
    return tpl;
}

TEST_F(ModelTest, TemplatesAndInstances)
{
    CType *outer = nullptr;
    CType *tpl = build_template(t, &outer);
    EXPECT_EQ(image(tpl, "", IMG_BODIES | IMG_TEMPLATE_HEADER),
              "template <class T, int N> class Array {\npublic:\n\tT items[N];\n}");
    EXPECT_EQ(image(outer, "grid"), "Array<Array<int, 10>, 2> grid");
    EXPECT_EQ(image(outer->instance->args[0].type, "row"), "Array<int, 10> row");
    free_type(outer, FREE_ALL);
}

TEST_F(ModelTest, TypedefsPrintedOrExpanded)
{
    declare_typedef("U32", words({"unsigned", "int"}));
    CType *use = make_pointer(make_typedef_name("U32", words({"unsigned", "int"})));
    EXPECT_EQ(image(use, "p"), "U32 *p");
    EXPECT_EQ(image(use, "p", IMG_EXPAND_TYPEDEFS), "unsigned int *p");
    std::string decl;
    symbol_image(lookup_type_name(t, "U32", {})->symbol, 0, 0, decl);
    EXPECT_EQ(decl, "typedef unsigned int U32");
    free_type(use, FREE_ALL);
}

TEST_F(ModelTest, QualifiedNamesAndOperatorWords)
{
    CNamespace *ns = declare_namespace(t, "geo");
    CType *cls = declare_struct("Vec", {}, false, in(ns));
    NamespaceQualifier inside = in(class_scope(t, cls));
    struct {
        const char *name, *plain, *ident;
    } rows[] = {
        {"operator+=", "geo::Vec::operator+=", "geo_Vec_operator_add_assign"},
        {"operator()", "geo::Vec::operator()", "geo_Vec_operator_function_call"},
        {"operator->*", "geo::Vec::operator->*", "geo_Vec_operator_arrow_star"},
        {"operator<<=", "geo::Vec::operator<<=", "geo_Vec_operator_left_shift_assign"},
        {"operator new", "geo::Vec::operator new", "geo_Vec_operator__new"},
        {"operator[]", "geo::Vec::operator[]", "geo_Vec_operator_subscript"},
        {"operator!=", "geo::Vec::operator!=", "geo_Vec_operator_not_equal"},
        {"operators", "geo::Vec::operators", "geo_Vec_operators"},
    };
    for (auto &row : rows) {
        CSymbol *s = make_symbol(row.name, I(), inside, "a.h");
        std::string plain, ident;
        qualified_name(s, "::", false, plain);
        qualified_name(s, "_", true, ident);
        EXPECT_EQ(plain, row.plain);
        EXPECT_EQ(ident, row.ident);
        free_symbol(s);
    }
    CNamespace *anon = declare_namespace(t, "");
    CSymbol *hidden = make_symbol("h", I(), in(anon), "a.h");
    std::string name;
    qualified_name(hidden, "::", false, name);
    EXPECT_EQ(name, "h") << "the anonymous namespace has no name to print";
    free_symbol(hidden);
}

/* The printed declarations are valid C++. */
TEST_F(ModelTest, PrintedDeclarationsCompile)
{
    if (system("g++ --version >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "g++ not available";
    std::string unit = "struct Base { int b; };\nclass Other { public: int o; };\n";
    CType *d = build_classes(*this, t);
    unit += image(d, "", IMG_BODIES) + ";\n";
    CType *outer = nullptr;
    CType *tpl = build_template(t, &outer);
    unit += image(tpl, "", IMG_BODIES | IMG_TEMPLATE_HEADER) + ";\n";
    unit += image(outer, "grid") + ";\n";
    CType *e = make_enum_type("Colour", {});
    add_enumerator(e, "RED", 0);
    add_enumerator(e, "GREEN", 5);
    e = declare_tag(e)->symbol->type;
    unit += image(e, "", IMG_BODIES) + ";\n";
    CType *decls[] = {
        make_pointer(function_of(I(), {I(), make_pointer(C())})),
        make_array(make_pointer(C()), "10", nullptr),
        make_pointer(make_array(I(), "3", nullptr)),
        make_array(make_pointer(function_of(make_base_type("void"), {})), "4", nullptr),
        make_modifier("const", make_pointer(make_modifier("const", C()))),
        make_pointer(make_pointer(d)),
        make_array(make_pointer(C()), "  ", nullptr),
        function_of(make_pointer(function_of(I(), {I()})), {e}),
    };
    int n = 0;
    for (CType *x : decls) {
        std::string name = "v" + std::to_string(n++);
        if (resolve_type(x)->kind == CT_FUNCTION)
            unit += image(x, name.c_str()) + ";\n";
        else
            unit += "extern " + image(x, name.c_str()) + ";\n";
        std::string storage;
        if (resolve_type(x)->kind != CT_FUNCTION && resolve_type(x)->kind != CT_MODIFIER) {
            type_image(x, ("s" + name).c_str(), IMG_STORAGE, 0, storage);
            unit += "extern " + storage + ";\n";
        }
        free_type(x, FREE_ALL);
    }
    unit += "int &r = Derived::shared;\n";
    free_type(outer, FREE_ALL);

    char path[] = "/tmp/model_image_XXXXXX.cc";
    int fd = mkstemps(path, 3);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, unit.data(), unit.size()), (ssize_t)unit.size());
    close(fd);
    std::string command = std::string("g++ -std=c++14 -w -fsyntax-only ") + path + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    int status = pclose(pipe);
    unlink(path);
    EXPECT_EQ(status, 0) << output << "\n--- unit ---\n" << unit;
}

} // namespace
