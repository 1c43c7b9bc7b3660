/*
** tests/capi/model/model_types_test.cc
** Type composition, comparison, copies and the size pragmas.
*/
#include "model_test_util.h"

#include <functional>

namespace {

struct WordCase {
    std::vector<const char *> words;
    const char *name; /* null: refused with CONSTRUCT */
    int bits;
};

class ComposeWords : public ModelTest, public ::testing::WithParamInterface<WordCase> {};

TEST_P(ComposeWords, CombinesOrRefuses)
{
    const WordCase &c = GetParam();
    CType *type = nullptr;
    for (const char *w : c.words)
        type = compose_type(type, make_base_type(w), "t.h", 1);
    if (c.name) {
        EXPECT_EQ(codes(), "");
        EXPECT_EQ(type->kind, c.words.size() > 1 ? (unsigned)CT_COMPOSED : (unsigned)CT_BASE);
        EXPECT_STREQ(type->base.name, c.name);
        EXPECT_EQ(type->base.bits, c.bits);
    } else {
        ASSERT_EQ(codes(), "CONSTRUCT");
        EXPECT_EQ(recorded_reports[0].severity, 3);
        EXPECT_EQ(type->base.bits, c.bits) << "the words before the refused one stay";
    }
    free_type(type, FREE_ALL);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ComposeWords,
    ::testing::Values(
        WordCase{{"int"}, "int", -32}, WordCase{{"char"}, "char", -8},
        WordCase{{"long"}, "long", -32}, WordCase{{"unsigned"}, "unsigned", 32},
        WordCase{{"unsigned", "long"}, "unsigned long", 32},
        WordCase{{"long", "long"}, "long long", -64},
        WordCase{{"short", "int"}, "short int", -16},
        WordCase{{"unsigned", "short"}, "unsigned short", 16},
        WordCase{{"signed", "char"}, "signed char", -8},
        WordCase{{"unsigned", "char"}, "unsigned char", 8},
        WordCase{{"long", "unsigned", "int"}, "long unsigned int", 32},
        WordCase{{"unsigned", "long", "long", "int"}, "unsigned long long int", 64},
        WordCase{{"long", "double"}, "long double", -128},
        WordCase{{"signed"}, "signed", -32},
        WordCase{{"short", "long"}, nullptr, -16},
        WordCase{{"long", "short"}, nullptr, -32},
        WordCase{{"unsigned", "signed"}, nullptr, 32},
        WordCase{{"unsigned", "unsigned"}, nullptr, 32},
        WordCase{{"short", "short"}, nullptr, -16},
        WordCase{{"long", "long", "long"}, nullptr, -64},
        WordCase{{"char", "int"}, nullptr, -8},
        WordCase{{"int", "int"}, nullptr, -32},
        WordCase{{"long", "char"}, nullptr, -32},
        WordCase{{"unsigned", "float"}, nullptr, 32},
        WordCase{{"long", "float"}, nullptr, -32},
        WordCase{{"short", "double"}, nullptr, -16},
        WordCase{{"long", "long", "double"}, nullptr, -64},
        WordCase{{"double", "double"}, nullptr, -64},
        WordCase{{"unsigned", "bool"}, nullptr, 32},
        WordCase{{"signed", "wchar_t"}, nullptr, -32}));

/* A base word or a named type together with a named type. */
TEST_F(ModelTest, NamedTypesRefuseOtherSpecifiers)
{
    CType *s = declare_struct("S", {"a"});
    CType *u = declare_tag(make_class_type(CT_UNION, "U", false, {}))->symbol->type;
    CType *e = declare_tag(make_enum_type("E", {}))->symbol->type;
    declare_typedef("T", make_base_type("int"));
    auto named = std::vector<std::pair<const char *, std::function<CType *()>>>{
        {"struct S", [&] { return s; }},
        {"union U", [&] { return u; }},
        {"enum E", [&] { return e; }},
        {"T", [&] { return make_typedef_name("T", make_base_type("int")); }},
        {"void", [&] { return make_base_type("void"); }},
    };
    for (auto &n : named) {
        for (int order = 0; order < 2; order++) {
            recorded_reports.clear();
            CType *word = make_base_type("unsigned");
            CType *other = n.second();
            CType *r = order ? compose_type(other, word, "t.h", 1)
                             : compose_type(word, other, "t.h", 1);
            EXPECT_EQ(codes(), "CONSTRUCT") << n.first << " order " << order;
            std::string expected = order ? n.first + std::string(" unsigned")
                                         : std::string("unsigned ") + n.first;
            EXPECT_EQ(recorded_reports.back().text, expected);
            free_type(r, FREE_ALL);
        }
        for (auto &m : named) {
            recorded_reports.clear();
            CType *r = compose_type(n.second(), m.second(), "t.h", 1);
            EXPECT_EQ(codes(), "CONSTRUCT") << n.first << " with " << m.first;
            free_type(r, FREE_ALL);
        }
    }
}

TEST_F(ModelTest, ModifiersAndDeclaratorChains)
{
    /* const unsigned int: the modifier holds the composed base type. */
    CType *c = compose_type(compose_type(make_modifier("const", nullptr),
                                         make_base_type("unsigned"), "t.h", 1),
                            make_base_type("int"), "t.h", 1);
    ASSERT_EQ(c->kind, (unsigned)CT_MODIFIER);
    EXPECT_TRUE(c->applied);
    EXPECT_STREQ(c->target->base.name, "unsigned int");
    EXPECT_EQ(c->target->base.bits, 32);

    /* int volatile: a later modifier wraps what came before. */
    CType *v = compose_type(make_base_type("int"), make_modifier("volatile", nullptr),
                            "t.h", 1);
    EXPECT_EQ(image(v, "x"), "volatile int x");

    /* "* const p[3]" over char: array -> const -> pointer -> char. */
    CType *array = make_array(nullptr, "3", nullptr);
    CType *konst = make_modifier("const", nullptr);
    array->next = konst;
    konst->next = make_pointer(nullptr);
    CType *p = compose_type(array, make_base_type("char"), "t.h", 1);
    EXPECT_EQ(image(p, "p"), "char *const p[3]");
    for (CType *n = p; n; n = n->target)
        EXPECT_EQ(n->next, nullptr);
    EXPECT_EQ(codes(), "");

    CType *bad = compose_type(make_type(CT_ELLIPSIS), make_base_type("int"), "t.h", 7);
    ASSERT_EQ(codes(), "ERRINTERN");
    EXPECT_EQ(recorded_reports[0].severity, 0);
    EXPECT_EQ(recorded_reports[0].text, "CPP_compose_type");
    for (CType *x : {c, v, p, bad})
        free_type(x, FREE_ALL);
}

TEST_F(ModelTest, SizePragmas)
{
    EXPECT_TRUE(apply_sizeof_pragma(t, "long", 64));
    CType *l = words({"long"}), *ul = words({"unsigned", "long"});
    EXPECT_EQ(l->base.bits, -64);
    EXPECT_EQ(ul->base.bits, 64);
    EXPECT_TRUE(apply_sizeof_pragma(t, "longlong", 128));
    CType *ll = words({"long", "long"});
    EXPECT_EQ(ll->base.bits, -128);

    EXPECT_TRUE(apply_signof_pragma(t, "char", false));
    CType *ch = words({"char"}), *sc = words({"signed", "char"});
    EXPECT_EQ(ch->base.bits, 8);
    EXPECT_EQ(sc->base.bits, -8);

    /* A typedef resolving to a base type takes the size itself. */
    declare_typedef("u16", make_base_type("short"));
    EXPECT_TRUE(apply_sizeof_pragma(t, "u16", 24));
    EXPECT_TRUE(apply_signof_pragma(t, "u16", false));
    CTableEntry *e = lookup_type_name(t, "u16", {});
    EXPECT_EQ(e->symbol->type->target->base.bits, 24);
    CType *sh = words({"short"});
    EXPECT_EQ(sh->base.bits, -16) << "the built-in short is unchanged";
    free_type(sh, FREE_ALL);

    EXPECT_FALSE(apply_sizeof_pragma(t, "struct_foo", 40));
    int bits = 0;
    EXPECT_TRUE(named_size("struct_foo", &bits));
    EXPECT_EQ(bits, 40);
    EXPECT_FALSE(apply_signof_pragma(t, "nothing", true));
    for (CType *x : {l, ul, ll, ch, sc})
        free_type(x, FREE_ALL);
}

TEST_F(ModelTest, TypesEqual)
{
    CType *s = declare_struct("S", {"a"});
    declare_typedef("I", make_base_type("int"));
    declare_typedef("J", make_typedef_name("I", make_base_type("int")));
    struct Pair {
        CType *a, *b;
        bool equal;
    } pairs[] = {
        {words({"unsigned"}), words({"unsigned", "int"}), true},
        {words({"int"}), words({"signed", "int"}), true},
        {words({"long"}), words({"int"}), false},
        {words({"char"}), words({"signed", "char"}), false},
        {make_typedef_name("J", make_typedef_name("I", make_base_type("int"))),
         make_base_type("int"), true},
        {make_pointer(s), make_pointer(s), true},
        {make_pointer(s), make_pointer(make_base_type("int")), false},
        {make_array(make_base_type("int"), "10", nullptr),
         make_array(make_base_type("int"), "10", nullptr), true},
        {make_array(make_base_type("int"), "10", nullptr),
         make_array(make_base_type("int"), "11", nullptr), false},
        {function_of(make_base_type("int"), {make_pointer(s)}),
         function_of(make_base_type("int"), {make_pointer(s)}), true},
        {function_of(make_base_type("int"), {make_pointer(s)}),
         function_of(make_base_type("int"), {}), false},
        {make_modifier("const", make_base_type("int")), make_base_type("int"), false},
    };
    for (Pair &p : pairs) {
        EXPECT_EQ(types_equal(p.a, p.b), p.equal) << image(p.a) << " / " << image(p.b);
        free_type(p.a, FREE_ALL);
        free_type(p.b, FREE_ALL);
    }
}

TEST_F(ModelTest, CopySharesTagsAndFreeStopsAtThem)
{
    CType *s = declare_struct("S", {"a", "b"});
    CType *f = function_of(make_pointer(s), {make_modifier("const", make_base_type("char"))});
    f->function->has_throw = true;
    f->function->exceptions.push_back(make_base_type("int"));
    CType *copy = copy_type(f);
    EXPECT_NE(copy, f);
    EXPECT_NE(copy->target, f->target);
    EXPECT_EQ(copy->target->target, s) << "registered tags are shared";
    EXPECT_TRUE(types_equal(copy, f));
    EXPECT_EQ(image(copy, "g"), "struct S *g(const char) throw (int)");
    free_type(f, FREE_ALL);
    free_type(copy, FREE_ALL);
    EXPECT_EQ(count_fields(s, false), 2) << "the struct outlives the types that used it";
}

TEST_F(ModelTest, Predicates)
{
    CType *s = declare_struct("S", {"a"});
    CType *wide = make_pointer(make_literal_base(-32, 1, "int"));
    CType *narrow = make_pointer(make_literal_base(-8, 0, "char"));
    EXPECT_TRUE(is_wide_string_type(wide));
    EXPECT_FALSE(is_wide_string_type(narrow));
    CType *deep = make_array(make_pointer(make_modifier("const", s)), "2", nullptr);
    EXPECT_TRUE(type_refers_to(deep, s));
    EXPECT_FALSE(type_refers_to(narrow, s));
    CType *a = make_pointer(make_pointer(s));
    EXPECT_TRUE(same_final_type(deep, a));
    EXPECT_FALSE(same_final_type(deep, narrow));

    CType *c = declare_struct("C", {"x"}, true);
    add_friend(t, c, make_symbol("helper", function_of(make_base_type("void"), {}), {}, "a.h"));
    EXPECT_TRUE(is_friend_of(c, "helper"));
    EXPECT_FALSE(is_friend_of(c, "ZIRKO"));
    EXPECT_FALSE(c->class_body->driver_is_friend);
    add_friend(t, c, make_symbol(nullptr, make_class_type(CT_STRUCT, "ZIRKO", true, {}), {}, "a.h"));
    EXPECT_TRUE(is_friend_of(c, "ZIRKO"));
    EXPECT_TRUE(c->class_body->driver_is_friend);
    for (CType *x : {wide, narrow, deep, a})
        free_type(x, FREE_ALL);
}

} // namespace
