/*
** tests/script/tables_test.cc
** Semantic tables: entry order, unit-front insertion, global lookups,
** the two body walks, and the internal reports of the constructors.
*/
#include "script_int.h"

#include "diag.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

char *copy(const char *text)
{
    return text ? xstrdup(text) : nullptr;
}

/* A global scope for one test, released at the end. */
struct GlobalScope {
    Scope *scope;
    GlobalScope()
    {
        scope = new_scope(nullptr, nullptr);
        semantic_state = SemanticState{scope, 0, 0};
    }
    ~GlobalScope()
    {
        free_entries(scope);
        semantic_state = SemanticState();
    }
};

SemanticEntry *entry_with(Scope *scope, uint32_t kind, const char *name,
                          uint32_t code)
{
    SemanticEntry *e = add_entry(scope, kind, copy(name), "f.pts", 1, 1, nullptr);
    add_descriptor(e, code);
    return e;
}

std::string names(Scope *scope)
{
    std::string out;
    for (SemanticEntry *e = scope->first; e; e = e->next)
        out += std::string(e->name ? e->name : "-") + " ";
    return out;
}

TEST(Tables, EntriesKeepOrderAndFrontInsertion)
{
    GlobalScope g;
    add_entry(g.scope, EK_PROC, copy("b"), "f", 1, 2, nullptr);
    add_entry(g.scope, EK_PROC, copy("c"), "f", 1, 3, nullptr);
    add_entry_front(g.scope, EK_FUNCTION, copy("a"), "f", 1, nullptr);
    EXPECT_EQ(names(g.scope), "a b c ");
    EXPECT_EQ(g.scope->last->prev->prev, g.scope->first);
}

TEST(Tables, UnitFrontClimbsToTheEnclosingUnit)
{
    GlobalScope g;
    SemanticEntry *proc = entry_with(g.scope, EK_PROC, "p", DC_PROC);
    Scope *body = new_scope(proc->descriptor, g.scope);
    EXPECT_EQ(proc->descriptor->inner, body);
    add_entry(body, EK_EXIT, nullptr, "f", 1, 1, nullptr);
    SemanticEntry *loop = entry_with(body, EK_WHILE, "w", DC_WHILE);
    Scope *inner = new_scope(loop->descriptor, body);
    add_entry_unit_front(inner, EK_TIMER_VAR, copy("t"), "f", 1);
    EXPECT_EQ(names(body), "t - w ");
    EXPECT_EQ(inner->first, nullptr);
}

TEST(Tables, LookupsFindOnlyTheAskedKind)
{
    GlobalScope g;
    SemanticEntry *message = entry_with(g.scope, EK_MESSAGE, "x", DC_MESSAGE);
    SemanticEntry *channel = entry_with(g.scope, EK_CHANNEL, "x", DC_CHANNEL);
    SemanticEntry *comm = entry_with(g.scope, EK_COMMTYPE, "ct", DC_COMMTYPE);
    EXPECT_EQ(find_message("x"), message);
    EXPECT_EQ(channel->descriptor->flag, 0);
    EXPECT_EQ(find_channel("x"), channel);
    EXPECT_EQ(channel->descriptor->flag, 1);
    EXPECT_EQ(find_commtype("ct"), comm);
    EXPECT_EQ(comm->descriptor->flag, 1);
    EXPECT_EQ(find_proc("x"), nullptr);
    EXPECT_EQ(find_message("X"), nullptr);
}

TEST(Tables, FindCallbackMatchesTypeAndCommtype)
{
    GlobalScope g;
    SemanticEntry *type = entry_with(g.scope, EK_MESSAGE_TYPE, "mt", DC_MESSAGE_TYPE);
    SemanticEntry *comm = entry_with(g.scope, EK_COMMTYPE, "ct", DC_COMMTYPE);
    SemanticEntry *other = entry_with(g.scope, EK_CALLBACK, "mt_ON_zz", DC_CALLBACK);
    other->descriptor->target = type;
    SemanticEntry *cb = entry_with(g.scope, EK_CALLBACK, "mt_ON_ct", DC_CALLBACK);
    cb->descriptor->target = type;
    cb->descriptor->target2 = comm;
    SemanticEntry *undeclared = entry_with(g.scope, EK_CALLBACK, "u_ON_v", DC_CALLBACK);
    SyntaxNode *mt = make_node(NK_IDENT, nullptr, nullptr, nullptr, "mt");
    SyntaxNode *unknown = make_node(NK_IDENT, nullptr, nullptr, nullptr, "nope");
    EXPECT_EQ(find_callback(mt, "ct"), cb);
    EXPECT_EQ(cb->descriptor->flag, 1);
    EXPECT_EQ(other->descriptor->flag, 0);
    /* Two undeclared names match each other's null references. */
    EXPECT_EQ(find_callback(unknown, "nothing"), undeclared);
    free_tree(mt, 1);
    free_tree(unknown, 1);
}

TEST(Tables, WalksEnterBlocksAndCalledProceduresOnce)
{
    GlobalScope g;
    SemanticEntry *p = entry_with(g.scope, EK_PROC, "p", DC_PROC);
    Scope *p_body = new_scope(p->descriptor, g.scope);
    SemanticEntry *q = entry_with(g.scope, EK_PROC, "q", DC_PROC);
    Scope *q_body = new_scope(q->descriptor, g.scope);
    /* p: IF ... ELSE CALL q; q calls p and itself, and flushes. */
    SemanticEntry *branch = entry_with(p_body, EK_IF, nullptr, DC_IF);
    new_scope(branch->descriptor, p_body);
    Scope *else_block = new_scope(nullptr, p_body);
    branch->descriptor->second_scope = else_block;
    entry_with(else_block, EK_CALL, "q", DC_CALL)->descriptor->target = q;
    entry_with(q_body, EK_CALL, "p", DC_CALL)->descriptor->target = p;
    entry_with(q_body, EK_CALL, "q", DC_CALL)->descriptor->target = q;
    add_entry(q_body, EK_FLUSH_TRACE, nullptr, "f", 1, 1, nullptr);
    SemanticEntry *use = entry_with(g.scope, EK_TRIGGER_USE, "u", DC_TRIGGER_USE);
    entry_with(q_body, EK_DEF_MESSAGE, "d", DC_DEF_MESSAGE)->descriptor->target = use;

    EXPECT_TRUE(scope_contains(p_body, EK_FLUSH_TRACE));
    EXPECT_FALSE(scope_contains(p_body, EK_PRINT));
    mark_reachable(p_body);
    EXPECT_EQ(q->descriptor->flag, 1);
    EXPECT_EQ(p->descriptor->flag, 1);
    EXPECT_EQ(use->descriptor->flag, 1);
}

TEST(Tables, OwnedTextsAreReleasedWithTheirEntries)
{
    GlobalScope g;
    SemanticEntry *e = add_entry(g.scope, EK_HEADER, copy("h"), "f", 1, 1, copy("aux"));
    SemanticDescriptor *d = add_descriptor(e, DC_HEADER);
    d->texts[0] = copy("second");
    d->texts[1] = copy("third");
    EXPECT_EQ(d->entry, e);
    EXPECT_EQ(e->descriptor, d);
    /* Released by GlobalScope; the leak checker of the sanitizer build
    ** sees any text left behind. */
}

TEST(Tables, KindNames)
{
    EXPECT_STREQ(entry_kind_name(EK_INTERRECV), "EK_INTERRECV");
    EXPECT_EQ(entry_kind_name(2), nullptr);
}

/* Internal reports end the run with status 9. */
using TablesDeathTest = ::testing::Test;

TEST(TablesDeathTest, ConstructorsCheckTheirBounds)
{
    init_script_messages();
    Scope *scope = new_scope(nullptr, nullptr);
    EXPECT_EXIT(add_entry(scope, 84, nullptr, "f.pts", 1, 3, nullptr),
                ::testing::ExitedWithCode(9), "ENTCODUNK.*f.pts:3.*84");
    EXPECT_EXIT(add_entry(nullptr, EK_EXIT, nullptr, "f.pts", 1, 3, nullptr),
                ::testing::ExitedWithCode(9), "SCPBADPTR");
    EXPECT_EXIT(add_value_entry(nullptr, EK_VALUE_ROOT, nullptr, "f.pts", 3),
                ::testing::ExitedWithCode(9), "SCPBADPTR");
    SemanticEntry *e = add_entry(scope, EK_EXIT, nullptr, "f.pts", 1, 4, nullptr);
    EXPECT_EXIT(add_descriptor(e, 100), ::testing::ExitedWithCode(9),
                "DSCCODUNK.*'100'");
    EXPECT_EXIT(add_descriptor(e, 158), ::testing::ExitedWithCode(9),
                "DSCCODUNK.*'158'");
    add_descriptor(e, 106);
    EXPECT_EXIT(free_entries(scope), ::testing::ExitedWithCode(9), "DSCCODUNK.*'106'");
    e->descriptor->code = DC_CASE;
    free_entries(scope);
}

TEST(TablesDeathTest, NodeChecks)
{
    init_script_messages();
    SyntaxNode *n = make_node(NK_IDENT, nullptr, nullptr, nullptr, "x");
    EXPECT_EXIT(expect_node(nullptr, NK_IDENT), ::testing::ExitedWithCode(9),
                "STXNODNIL");
    EXPECT_EXIT(expect_node(n, NK_STRING), ::testing::ExitedWithCode(9),
                "STXNODNWT.*59");
    EXPECT_EXIT(node_text_value(n), ::testing::ExitedWithCode(9), "STXNODNWT.*59");
    expect_node(n, NK_IDENT);
    free_tree(n, 1);
}

TEST(TablesDeathTest, InstanceSections)
{
    init_script_messages();
    Scope *scope = new_scope(nullptr, nullptr);
    SyntaxNode *n = make_node(NK_INSTANCE_BEGIN, nullptr, nullptr, nullptr, nullptr);
    semantic_state = SemanticState{scope, 0, 0};
    open_instance_section(n, scope, EK_INSTANCE_STMT_BEGIN);
    close_instance_section(n, scope, EK_INSTANCE_STMT_END);
    semantic_state.instance_mode = 1;
    open_instance_section(n, scope, EK_INSTANCE_STMT_BEGIN);
    close_instance_section(n, scope, EK_INSTANCE_STMT_END);
    int count = 0;
    for (SemanticEntry *e = scope->first; e; e = e->next)
        count++;
    EXPECT_EQ(count, 2);
    EXPECT_EXIT(close_instance_section(n, scope, EK_INSTANCE_STMT_END),
                ::testing::ExitedWithCode(9), "ENTCODUNK");
    free_tree(n, 1);
    free_entries(scope);
    semantic_state = SemanticState();
}

} // namespace
