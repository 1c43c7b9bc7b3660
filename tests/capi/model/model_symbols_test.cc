/*
** tests/capi/model/model_symbols_test.cc
** Symbol table: buckets, insertion and redefinition rules, namespaces,
** lookups (checked against a plain bucket walk), members and field counts.
*/
#include "model_test_util.h"

#include <algorithm>
#include <random>

namespace {

std::vector<std::string> member_names(CType *type)
{
    std::vector<std::string> out;
    for (CMember *m : real_type(type)->class_body->members)
        out.push_back(text_or_empty(m->symbol->name));
    return out;
}

TEST_F(ModelTest, BucketFormulas)
{
    EXPECT_EQ(bucket_of_name("ab"), 52);    /* 195 % 10 = 5, length 2 */
    EXPECT_EQ(bucket_of_name("abcdefghijk"), 10 * ((97 * 11 + 55) % 10) + 1);
    EXPECT_EQ(bucket_of_name("\xff"), 91);  /* -1 stays inside the table */
    EXPECT_EQ(namespace_bucket_of_name("\xff\xfe"), 97);
    EXPECT_EQ(namespace_bucket_of_name("std"), (115 + 116 + 100) % 100);
}

TEST_F(ModelTest, StructRedefinitionAndForwardDeclarations)
{
    CType *incomplete = make_type(CT_STRUCT);
    incomplete->name = intern_text("S");
    CTableEntry *e = declare_tag(incomplete);
    EXPECT_GT(e->decl_serial, 0);
    EXPECT_EQ(e->def_serial, 0);
    declare_struct("S", {"a"});
    EXPECT_EQ(codes(), "") << "completing a forward declaration is silent";
    EXPECT_GT(e->def_serial, e->decl_serial);

    declare_struct("S", {"x", "y"});
    EXPECT_EQ(codes(), "REDEFSTRU");
    EXPECT_EQ(recorded_reports[0].text, "S");
    CTableEntry *found = lookup_type_name(t, "S", {});
    ASSERT_EQ(found, e);
    EXPECT_EQ(member_names(found->symbol->type), (std::vector<std::string>{"x", "y"}));

    int serial = e->def_serial;
    CType *again = make_type(CT_STRUCT);
    again->name = intern_text("S");
    EXPECT_EQ(declare_tag(again), e);
    EXPECT_EQ(e->def_serial, serial) << "a later forward declaration changes nothing";
    EXPECT_EQ(member_names(e->symbol->type).size(), 2u);
    EXPECT_EQ(codes(), "REDEFSTRU");
}

TEST_F(ModelTest, SelfReferenceMovesWithTheBody)
{
    CType *fwd = make_type(CT_STRUCT);
    fwd->name = intern_text("Node");
    CType *held = declare_tag(fwd)->symbol->type;
    CType *body = make_class_type(CT_STRUCT, "Node", false, {});
    add_member(body, make_symbol("next", make_pointer(body), {}, "a.h"), MA_PUBLIC, -1);
    declare_tag(body);
    EXPECT_EQ(held->class_body->members[0]->symbol->type->target, held);
}

TEST_F(ModelTest, TemplateRedefinitionUsesSymbolWarning)
{
    for (int i = 0; i < 2; i++) {
        CType *tpl = make_class_type(CT_TEMPLATE, "Vec", true, {});
        tpl->class_body->template_params.push_back({intern_text("T"), intern_text("class T")});
        declare_tag(tpl);
    }
    EXPECT_EQ(codes(), "REDEFSYMB");
}

TEST_F(ModelTest, TypedefRedefinition)
{
    declare_typedef("T", words({"unsigned", "int"}));
    declare_typedef("T", words({"unsigned"}));
    EXPECT_EQ(codes(), "") << "the same type again is silent";
    declare_typedef("T", make_base_type("long"));
    EXPECT_EQ(codes(), "REDEFSYMB");
    CTableEntry *e = lookup_type_name(t, "T", {});
    EXPECT_STREQ(e->symbol->type->target->base.name, "long");
}

TEST_F(ModelTest, TypeNameLookupOrder)
{
    declare_typedef("N", make_base_type("int"));
    declare_tag(make_enum_type("N", {}));
    declare_tag(make_class_type(CT_UNION, "N", false, {}));
    EXPECT_EQ(lookup_type_name(t, "N", {})->section, SEC_ORDINARY)
        << "a typedef comes before enum and union tags";
    declare_tag(make_class_type(CT_TEMPLATE, "N", true, {}));
    EXPECT_EQ(lookup_type_name(t, "N", {})->symbol->type->kind, (unsigned)CT_TEMPLATE);
    declare_struct("N", {});
    EXPECT_EQ(lookup_type_name(t, "N", {})->symbol->type->kind, (unsigned)CT_STRUCT);
    EXPECT_EQ(lookup_type_name(t, "missing", {}), nullptr);
}

TEST_F(ModelTest, EnumeratorsTakeTheirValues)
{
    CType *e = make_enum_type("Colour", {});
    add_enumerator(e, "A", 0);
    add_enumerator(e, "B", 5);
    add_enumerator(e, "C", 6);
    CType *held = declare_tag(e)->symbol->type;
    CType *type = nullptr;
    CTableEntry *entry = nullptr;
    const CEnumerator *c = lookup_enumerator(t, "C", {}, false, &type, &entry);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->value, 6);
    EXPECT_EQ(type, held);
    EXPECT_EQ(entry->section, SEC_ENUMERATORS);
    EXPECT_EQ(member_position(held, "B"), 2);
    EXPECT_EQ(enumerator_at_position(held, 1)->value, 0);
    EXPECT_EQ(lookup_enumerator(t, "D", {}, false, &type, &entry), nullptr);
    EXPECT_EQ(type, nullptr);
}

TEST_F(ModelTest, EnumeratorsOfBaseClasses)
{
    CType *base = declare_struct("Base", {"b"}, true);
    CType *e = make_enum_type("Mode", in(class_scope(t, base)));
    add_enumerator(e, "ON", 1);
    declare_tag(e);
    CType *derived = declare_struct("Derived", {}, true);
    add_base_class(derived, base, false, MA_PUBLIC);
    NamespaceQualifier q = in(class_scope(t, derived));
    EXPECT_EQ(lookup_enumerator(t, "ON", q, false, nullptr, nullptr), nullptr);
    const CEnumerator *on = lookup_enumerator(t, "ON", q, true, nullptr, nullptr);
    ASSERT_NE(on, nullptr);
    EXPECT_EQ(on->value, 1);
    EXPECT_EQ(lookup_enumerator(t, "ON", {}, true, nullptr, nullptr), nullptr);
}

TEST_F(ModelTest, NamespacesAndUsingDirectives)
{
    CNamespace *ns = declare_namespace(t, "lib");
    EXPECT_EQ(declare_namespace(t, "lib"), ns);
    EXPECT_EQ(lookup_namespace(t, "lib"), ns);
    declare("counter", make_base_type("int"), 0, "a.h", in(ns));
    EXPECT_EQ(lookup_ordinary(t, "counter", {}), nullptr);
    EXPECT_NE(lookup_ordinary(t, "counter", in(ns)), nullptr);

    CNamespace *anon = declare_namespace(t, "");
    EXPECT_STREQ(anon->name, "zirko_unnamed_namespace");

    /* Nested namespace: a global name is found by widening, not strictly. */
    ScopeContext context;
    context.kind = SC_SCOPE;
    context.scope = ns;
    push_scope(t, context);
    CNamespace *inner = declare_namespace(t, "inner");
    EXPECT_EQ(inner->parent, ns);
    EXPECT_EQ(current_qualifier(t).ns, ns);
    close_all_scopes(t);
    declare("g", make_base_type("int"));
    EXPECT_NE(lookup_ordinary(t, "g", in(inner)), nullptr);
    EXPECT_EQ(lookup_ordinary(t, "g", in(inner), true), nullptr);
    EXPECT_NE(lookup_ordinary(t, "counter", in(inner)), nullptr) << "enclosing namespace";
    declare_struct("Widget", {"w"}, false, in(ns));
    EXPECT_NE(lookup_type_name(t, "Widget", in(inner)), nullptr);
    EXPECT_EQ(lookup_type_name(t, "Widget", {}), nullptr);

    add_using_directive(t, ns);
    EXPECT_NE(lookup_ordinary(t, "counter", {}), nullptr);
    EXPECT_NE(lookup_type_name(t, "Widget", {}), nullptr);
}

TEST_F(ModelTest, OrdinaryRedefinitionRules)
{
    CTableEntry *x = declare("x", make_base_type("int"), 0, "a.h");
    EXPECT_EQ(declare("x", make_base_type("long"), SF_EXTERN, "b.h"), x);
    EXPECT_STREQ(x->symbol->file, "b.h");
    EXPECT_STREQ(x->symbol->type->base.name, "int") << "extern keeps the type";

    CTableEntry *st = declare("x", make_base_type("char"), SF_STATIC, "b.h");
    EXPECT_NE(st, x);
    EXPECT_EQ(lookup_ordinary(t, "x", {}), st) << "the latest declaration wins";

    CTableEntry *y = declare("y", make_base_type("int"), SF_EXTERN, "a.h");
    EXPECT_EQ(declare("y", words({"signed", "int"}), 0, "a.h"), y);
    EXPECT_EQ(y->symbol->storage, 0u);
    EXPECT_EQ(codes(), "");
    EXPECT_EQ(declare("y", make_base_type("long"), 0, "a.h"), y);
    EXPECT_EQ(codes(), "REDEFSYMB");
    EXPECT_STREQ(y->symbol->type->base.name, "long");
    EXPECT_NE(declare("y", make_base_type("char"), 0, "c.h"), y)
        << "another file's declaration is kept beside";
}

TEST_F(ModelTest, FunctionOverloads)
{
    CTableEntry *f1 = declare("f", function_of(make_base_type("int"), {make_base_type("int")}));
    CType *named = function_of(make_base_type("int"), {make_base_type("int")});
    named->function->params[0]->name = intern_text("count");
    EXPECT_EQ(declare("f", named), f1);
    EXPECT_STREQ(resolve_type(f1->symbol->type)->function->params[0]->name, "count");
    CTableEntry *f2 = declare("f", function_of(make_base_type("int"), {make_base_type("char")}));
    EXPECT_NE(f2, f1);
    EXPECT_EQ(codes(), "");
}

TEST_F(ModelTest, DeleteTagsOfOwnerAndRemoval)
{
    CType *outer = declare_struct("Outer", {"a"});
    NamespaceQualifier q = in(class_scope(t, outer));
    CType *keep = declare_tag(make_class_type(CT_STRUCT, "Keep", false, q))->symbol->type;
    declare_tag(make_class_type(CT_STRUCT, "Gone", false, q));
    CType *e = make_enum_type("Kind", q);
    add_enumerator(e, "K1", 1);
    declare_tag(e);
    delete_tags_of_owner(t, q.ns, keep);
    EXPECT_NE(lookup_tag(t, "Keep", CT_STRUCT, q), nullptr);
    EXPECT_EQ(lookup_tag(t, "Gone", CT_STRUCT, q), nullptr);
    EXPECT_EQ(lookup_enumerator(t, "K1", q, false, nullptr, nullptr), nullptr);
    EXPECT_NE(lookup_type_name(t, "Outer", {}), nullptr);

    CTableEntry *tmp = declare("__zirko_var", function_of(make_base_type("void"), {make_base_type("int")}));
    remove_entry(t, tmp, true);
    EXPECT_EQ(lookup_ordinary(t, "__zirko_var", {}), nullptr);
}

TEST_F(ModelTest, SymbolsOfFileInBucketOrder)
{
    CNamespace *ns = declare_namespace(t, "hidden");
    declare("zz", make_base_type("int"), 0, "f.h");           /* bucket 42 */
    declare("a", make_base_type("int"), 0, "f.h");            /* bucket 71 */
    declare("b", make_base_type("int"), 0, "other.h");
    declare("ns_var", make_base_type("int"), 0, "f.h", in(ns));
    declare("__zirko_var", function_of(nullptr, {}), 0, "f.h");
    CType *e = make_enum_type("E", {});
    add_enumerator(e, "E1", 0);
    declare_tag(e, "f.h");
    std::vector<CSymbol *> list;
    symbols_of_file(t, "f.h", list);
    std::vector<std::string> names;
    for (CSymbol *s : list)
        names.push_back(s->name);
    EXPECT_EQ(names, (std::vector<std::string>{"zz", "a", "E", "E1"}));
}

/* The name index must give what a walk of the bucket lists gives. */
CTableEntry *walk_ordinary(CSymbolTable *t, const char *name, NamespaceQualifier q)
{
    const char *key = intern_text(name);
    CTableEntry *found = nullptr;
    for (CTableEntry *e = t->sections[SEC_ORDINARY].head[bucket_of_name(key)]; e; e = e->next)
        if (e->symbol->name == key &&
            symbol_visible(t, e->symbol->owner_kind, e->symbol->owner, q))
            found = e;
    return found;
}

CTableEntry *walk_tag(CSymbolTable *t, const char *name, unsigned kind, NamespaceQualifier q)
{
    const char *key = intern_text(name);
    for (CTableEntry *e = t->sections[SEC_TAGS].head[bucket_of_name(key)]; e; e = e->next)
        if (e->symbol->name == key && e->symbol->type->kind == kind &&
            symbol_visible(t, e->symbol->owner_kind, e->symbol->owner, q))
            return e;
    return nullptr;
}

TEST_F(ModelTest, IndexAgreesWithBucketWalk)
{
    std::mt19937 rng(7);
    CNamespace *spaces[3] = {nullptr, declare_namespace(t, "n1"), declare_namespace(t, "n2")};
    add_using_directive(t, spaces[2]);
    std::vector<CTableEntry *> live;
    for (int i = 0; i < 3000; i++) {
        std::string name = "v" + std::to_string(rng() % 200);
        NamespaceQualifier q = in(spaces[rng() % 3]);
        unsigned storage = rng() % 3 == 0 ? (unsigned)SF_STATIC : 0u;
        const char *file = rng() % 2 ? "a.h" : "b.h";
        if (rng() % 4 == 0) {
            CType *s = make_class_type(CT_STRUCT, name.c_str(), false, q);
            declare_tag(s, file);
        } else {
            CTableEntry *e = declare(name.c_str(), make_base_type(rng() % 2 ? "int" : "long"),
                                     storage, file, q);
            if (std::find(live.begin(), live.end(), e) == live.end())
                live.push_back(e);
        }
        if (!live.empty() && rng() % 10 == 0) {
            size_t k = rng() % live.size();
            remove_entry(t, live[k], true);
            live.erase(live.begin() + k);
        }
    }
    for (int n = 0; n < 200; n++) {
        std::string name = "v" + std::to_string(n);
        for (CNamespace *ns : spaces) {
            NamespaceQualifier q = in(ns);
            EXPECT_EQ(lookup_tag(t, name.c_str(), CT_STRUCT, q),
                      walk_tag(t, name.c_str(), CT_STRUCT, q));
            CTableEntry *expected = walk_ordinary(t, name.c_str(), q);
            if (!expected && ns)
                expected = walk_ordinary(t, name.c_str(), {});
            EXPECT_EQ(lookup_ordinary(t, name.c_str(), q), expected) << name;
        }
    }
}

TEST_F(ModelTest, MemberVisibility)
{
    CType *base = make_class_type(CT_STRUCT, "Base", true, {});
    add_member(base, make_symbol("pub", make_base_type("int"), {}, "a.h"), MA_PUBLIC, -1);
    add_member(base, make_symbol("priv", make_base_type("int"), {}, "a.h"), MA_PRIVATE, -1);
    add_member(base, make_symbol("prot", make_base_type("int"), {}, "a.h"), MA_PROTECTED, -1);
    add_member(base, make_symbol("method", function_of(nullptr, {}), {}, "a.h"), MA_PUBLIC, -1);
    add_member(base, make_symbol("alias", make_typedef_name("alias", make_base_type("int")), {}, "a.h"),
               MA_PUBLIC, -1);
    base = declare_tag(base)->symbol->type;
    EXPECT_EQ(count_fields(base, false), 1);
    EXPECT_EQ(member_position(base, "priv"), 0);

    CType *derived = make_class_type(CT_STRUCT, "Derived", true, {});
    add_base_class(derived, base, false, MA_PUBLIC);
    add_member(derived, make_symbol("own", make_base_type("int"), {}, "a.h"), MA_PUBLIC, -1);
    derived = declare_tag(derived)->symbol->type;
    EXPECT_EQ(count_fields(derived, false), 2);
    EXPECT_EQ(member_position(derived, "own"), 2);
    EXPECT_EQ(member_position(derived, "prot"), 0);
    EXPECT_TRUE(declare_member_access(derived, "prot", MA_PROTECTED));
    EXPECT_EQ(member_position(derived, "prot"), 2) << "made accessible by an access declaration";
    EXPECT_FALSE(declare_member_access(derived, "unknown", MA_PUBLIC));

    add_friend(t, base, make_symbol(nullptr, make_typedef_name("ZIRKO", nullptr), {}, "a.h"));
    EXPECT_EQ(count_fields(base, false), 3) << "friend ZIRKO sees private and protected";
    EXPECT_EQ(member_at_position(base, 3)->symbol->name, intern_text("prot"));
}

TEST_F(ModelTest, AnonymousMembersAndRecursiveCounts)
{
    CType *u = make_class_type(CT_UNION, nullptr, false, {});
    add_member(u, make_symbol("y", make_base_type("int"), {}, "a.h"), MA_PUBLIC, -1);
    add_member(u, make_symbol("z", make_base_type("float"), {}, "a.h"), MA_PUBLIC, -1);
    u = declare_tag(u)->symbol->type;
    CType *inner = declare_struct("Inner", {"i1", "i2", "i3"});
    CType *s = make_class_type(CT_STRUCT, "S", false, {});
    add_member(s, make_symbol("x", make_base_type("int"), {}, "a.h"), MA_PUBLIC, -1);
    add_member(s, make_symbol(nullptr, u, {}, "a.h"), MA_PUBLIC, -1);
    add_member(s, make_symbol("in", inner, {}, "a.h"), MA_PUBLIC, -1);
    s = declare_tag(s)->symbol->type;
    CTableEntry *alias = declare_typedef("SAlias", s);
    CType *through = make_modifier("const", alias->symbol->type->target);
    EXPECT_EQ(member_position(through, "z"), 3);
    EXPECT_EQ(member_at_position(s, 2)->symbol->name, intern_text("y"));
    EXPECT_EQ(member_at_position(s, 5), nullptr);
    EXPECT_EQ(count_fields(s, false), 4);
    EXPECT_EQ(count_fields(s, true), 6);
    EXPECT_TRUE(is_union_type(u));
    free_type(through, FREE_NODE);

    /* Nesting deeper than the limit ends the count instead of the stack. */
    CType *chain = declare_struct("Leaf", {"leaf"});
    for (int i = 0; i < 1100; i++) {
        CType *outer = make_class_type(CT_STRUCT, ("L" + std::to_string(i)).c_str(), false, {});
        add_member(outer, make_symbol("m", chain, {}, "a.h"), MA_PUBLIC, -1);
        chain = declare_tag(outer)->symbol->type;
    }
    EXPECT_EQ(count_fields(chain, true), 0);
    EXPECT_EQ(count_fields(chain, false), 1);
}

} // namespace
