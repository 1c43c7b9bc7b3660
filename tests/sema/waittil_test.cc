/*
** tests/sema/waittil_test.cc
** WAITTIL: terms with their callbacks, the C and script texts, the
** timeout text, polls, the wait function and the failures that leave no
** entry.
*/
#include "sema_fixture.h"

namespace {

class Waittil : public SemaTest {
protected:
    static void SetUpTestSuite()
    {
        SemaTest::SetUpTestSuite();
        declare_c("struct wT1 { int a; }; struct wT2 { int b; }; struct wT3 { int c; };\n"
                  "int x;\n");
    }
    void SetUp() override
    {
        SemaTest::SetUp();
        ct = commtype("ct");
        c1 = channel("c1", ct);
        c2 = channel("c2", ct);
        m1 = message("m1", "wT1");
        m2 = message("m2", "wT2");
        m3 = message("m3", "wT1");
        message("m4", "wT3");
        callback("wT1", ct);
        callback("wT2", ct);
        body = new_scope(nullptr, analysis.global);
    }
    void TearDown() override
    {
        free_entries(body);
        SemaTest::TearDown();
    }
    /* Analyses the WAITTIL statements; returns what they printed. */
    std::string run(const std::string &lines)
    {
        std::vector<SyntaxNode *> nodes = statements(lines);
        return printed([&] {
            for (SyntaxNode *n : nodes)
                analyse_waittil(n, body, nullptr);
        });
    }
    int count(const Scope *scope, uint32_t kind)
    {
        int n = 0;
        for (const SemanticEntry *e = scope ? scope->first : nullptr; e; e = e->next)
            n += e->kind == kind;
        return n;
    }
    SemanticEntry *ct, *c1, *c2, *m1, *m2, *m3;
    Scope *body;
};

TEST_F(Waittil, TermsBecomeCTextTermsAndPolls)
{
    EXPECT_EQ(run("WAITTIL(MATCHED(m1, c1) && NOTMATCHING(m3,c1) || x > 2, WTIME == 100)\n"
                  "WAITTIL(MATCHING(m2, c2), (WTIME = f(3)))\n"),
              "");
    ASSERT_EQ(count(body, EK_WAITTIL), 2);
    SemanticDescriptor *d = body->first->descriptor;
    EXPECT_STREQ(wait_condition(d), "MATCHED(m1,c1) && NOTMATCHING(m3,c1) || x > 2");
    EXPECT_STREQ(wait_condition_c(d),
                 "ZRK_MATCHED_2(zrk_msg_wT1[0],zrk_state_channel[0][0]) && "
                 "ZRK_NOTMATCHING_2(zrk_msg_wT1[1],zrk_state_channel[0][0]) || x > 2");
    EXPECT_STREQ(wait_time(d), "WTIME == 100");
    EXPECT_STREQ(wait_timeout(d), "100");
    EXPECT_EQ(wait_number(d), 0);
    EXPECT_EQ(count(d->inner, EK_WAIT_TERM), 2);
    EXPECT_EQ(count(wait_polls(d), EK_WAIT_POLL), 1);   /* one (type, channel) pair */
    SemanticDescriptor *term = d->inner->first->descriptor;
    EXPECT_STREQ(term_script(term), "MATCHED(m1,c1)");
    EXPECT_EQ(term_message(term), m1);
    EXPECT_EQ(term_channel(term), c1);
    EXPECT_EQ(message_used(m1->descriptor), 1);
    SemanticDescriptor *second = body->last->descriptor;
    EXPECT_EQ(wait_number(second), 1);
    EXPECT_STREQ(wait_timeout(second), "f(3)");
    /* wait functions: at the front of the global scope, newest first, on
    ** the unit chain, sharing the WAITTIL's descriptor */
    EXPECT_EQ(analysis.global->first->kind, (uint32_t)EK_WAIT_FUNCTION);
    EXPECT_STREQ(analysis.global->first->name, "zrk_WAIT_1");
    EXPECT_EQ(analysis.global->first->descriptor, second);
    EXPECT_EQ(analysis.global->unit_chain, analysis.global->first);
    EXPECT_EQ(analysis.global->unit_chain->link, analysis.global->first->next);
}

TEST_F(Waittil, TheTimeoutComesAfterWtimeInTheTimeOrTheCondition)
{
    struct Case {
        const char *waittil, *timeout;
    } cases[] = {
        {"WAITTIL(MATCHED(m1, c1), WTIME==5)", "5"},
        {"WAITTIL(MATCHED(m1, c1), ((WTIME = 7 )))", "7"},
        {"WAITTIL(MATCHED(m1, c1), x || WTIME == 7)", "0"},
        {"WAITTIL(WTIME == 9 || MATCHED(m1, c1), 500)", "9 || ZRK_MATCHED_2(zrk_msg_wT1[0],zrk_state_channel[0][0])"},
        {"WAITTIL(MATCHED(m1, c1), WTIME >= 3)", "0"},
    };
    for (const Case &c : cases) {
        free_entries(body);
        body = new_scope(nullptr, analysis.global);
        EXPECT_EQ(run(std::string(c.waittil) + "\n"), "") << c.waittil;
        ASSERT_NE(body->first, nullptr) << c.waittil;
        EXPECT_STREQ(wait_timeout(body->first->descriptor), c.timeout) << c.waittil;
    }
}

TEST_F(Waittil, FailuresLeaveNoEntry)
{
    struct Case {
        const char *waittil;
        std::string reports;
    } cases[] = {
        {"WAITTIL(MATCHED(zz, c1), WTIME == 1)", error_line("UNKMSGNAM", "Unknown message zz", 'E', 3, "t.pts")},
        {"WAITTIL(MATCHED(m1, c1), MATCHED(m2, cz))",
         error_line("UNKCHANAM", "Unknown communication channel cz", 'E', 3, "t.pts")},
        {"WAITTIL(MATCHED(m1), WTIME == 1)",
         error_line("UNKCHANAM", "Unknown communication channel MATCHED(m1)", 'E', 3, "t.pts")},
        {"WAITTIL(MATCHED(m4, c1), WTIME == 1)",
         error_line("CBNOTDECL", "No callback is available for instruction MATCHED(m4,c1)", 'E', 3, "t.pts")},
        {"WAITTIL(MATCHED(m1, c1) || MATCHED(m2, c1), WTIME == 100)",
         error_line("DBLMSGTYP",
                    "Polling different message types on a channel is not allowed : "
                    "(wT1,c1) (wT2,c1)", 'E', 3, "t.pts")},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(run(std::string(c.waittil) + "\n"), c.reports) << c.waittil;
        EXPECT_EQ(body->first, nullptr) << c.waittil;
        EXPECT_EQ(analysis.global->unit_chain, nullptr);
        EXPECT_EQ(analysis.waittils, 0);
    }
}

TEST_F(Waittil, TheTriggerModelFindsTheChannelOfTheMessageType)
{
    request.scanner_flags = 2;
    SemanticEntry *socket = commtype("zrk_socket");
    channel("zrk_v1_3_ch_0", socket);
    callback("wT1", socket);
    EXPECT_EQ(run("WAITTIL(MATCHED(m1) && NOTMATCHED(m3), WTIME == 4)\n"), "");
    ASSERT_NE(body->first, nullptr);
    SemanticDescriptor *d = body->first->descriptor;
    EXPECT_STREQ(wait_condition(d), "MATCHED(m1) && NOTMATCHED(m3)");
    EXPECT_STREQ(wait_condition_c(d),
                 "ZRK_MATCHED_2(zrk_msg_wT1[0],zrk_state_channel[1][0]) && "
                 "ZRK_NOTMATCHED_2(zrk_msg_wT1[1],zrk_state_channel[1][0])");
    /* wT2 is type 1: its channel zrk_v1_3_ch_1 was never made */
    EXPECT_EQ(run("WAITTIL(MATCHED(m2), WTIME == 4)\n"),
              error_line("UNKCHANAM", "Unknown communication channel zrk_v1_3_ch_1", 'E', 3, "t.pts"));
}

TEST_F(Waittil, TermTextsOutsideWaittil)
{
    std::vector<SyntaxNode *> nodes =
        statements("WAITTIL(MATCHED(m1, c2) && MATCHING(m2) && NOTMATCHED(zz, c1), 1)\n");
    ASSERT_EQ(nodes.size(), 1u);
    std::vector<SyntaxNode *> terms;
    for (SyntaxNode *e = nodes[0]->child1; e; e = e->child2)
        if (e->child1 && e->child1->kind != NK_NATIVE_EXPR && e->child1->kind != NK_EMPTY)
            terms.push_back(e->child1);
    ASSERT_EQ(terms.size(), 3u);
    std::string out;
    EXPECT_TRUE(term_text(terms[0], TERM_C, out));
    EXPECT_EQ(out, "ZRK_MATCHED_2(zrk_msg_wT1[0],zrk_state_channel[0][1])");
    EXPECT_TRUE(term_text(terms[1], TERM_C, out));
    EXPECT_EQ(out, "ZRK_MATCHING_1(zrk_msg_wT2[0])");
    EXPECT_TRUE(term_text(terms[1], TERM_SCRIPT, out));
    EXPECT_EQ(out, "MATCHING(m2)");
    EXPECT_EQ(printed([&] { EXPECT_FALSE(term_text(terms[2], TERM_C, out)); }),
              error_line("UNKMSGNAM", "Unknown message zz", 'E', 3, "t.pts"));
    EXPECT_TRUE(term_text(terms[2], TERM_SCRIPT, out));
    EXPECT_EQ(out, "NOTMATCHED(zz,c1)");
}

} // namespace
