/*
** tests/sema/statements_test.cc
** Bodies and statements: the entries they make and the checks they run.
**
** Each case runs a small script through the body harness and checks the
** reported lines (code and text) and the shape of the tables.
*/
#include "sema_harness.h"

#include <gtest/gtest.h>

namespace {

const char *const head =
    "HEADER \"a\", \"b\", \"c\"\n"
    "#int x; int f(int a); int g(int a); struct S { int a; }; struct S s;\n"
    "#class X { public: int x; }; class Y { public: int y; };\n"
    "#class M : public X, public Y { public: int m; };\n"
    "#class D : public M { public: int d; };\n"
    "COMMTYPE ct IS int\n"
    "CHANNEL ct : ch\n"
    "MESSAGE int : m\n";

int count(const std::string &text, const std::string &what)
{
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        n++;
    return n;
}

HarnessRun run(const std::string &body, int trace = 0)
{
    return run_harness(std::string(head) + body, trace);
}

bool has(const std::string &text, const std::string &what)
{
    return text.find(what) != std::string::npos;
}

TEST(Statements, FilterSetAndUnreachableCode)
{
    HarnessRun r = run("SCENARIO s1\n"
                       "%A+ SET(\"ab\")\n"
                       "%%A~B UNSET(\"OK\")\n"
                       "EXIT\n"
                       "RENDEZVOUS rv\n"
                       "END SCENARIO\n");
    EXPECT_EQ(count(r.messages, "BADFLTSTX"), 1) << r.messages;
    EXPECT_TRUE(has(r.messages, "Incorrect filter syntax 'A+'"));
    EXPECT_EQ(count(r.messages, "Korvat-E-BADLETFLT"), 2);
    EXPECT_TRUE(has(r.messages, "Character 'a' not allowed"));
    EXPECT_EQ(count(r.messages, "Korvat-W-NOEXEINST"), 1);
    EXPECT_TRUE(has(r.tables, "EK_SET ab aux=A+\n"));
    /* the second form keeps its "%": the code generator tells them apart */
    EXPECT_TRUE(has(r.tables, "EK_UNSET OK aux=%A~B\n"));
    EXPECT_TRUE(has(r.tables, "EK_RENDEZVOUS rv t0=rv\n"));
}

TEST(Statements, ProcedureCalls)
{
    HarnessRun r = run("PROC q()\nEXIT\nEND PROC\n"
                       "PROC p(int a)\nCALL q()\nEND PROC\n"
                       "PROC unused()\nCALL q(1)\nEND PROC\n"
                       "PROC two(int a, int b)\nEXIT\nEND PROC\n"
                       "SCENARIO s1\n"
                       "CALL p(1, 2)\n"
                       "CALL p(REF(x))\n"
                       "CALL p(1 @ 2)\n"
                       "CALL p(x) @ 1\n"
                       "CALL two(1)\n"
                       "END SCENARIO\n");
    EXPECT_TRUE(has(r.messages, "Korvat-E-NOMOREARG,  ")) << r.messages;
    EXPECT_TRUE(has(r.messages, "Illegal Argument #2 (p)"));
    EXPECT_TRUE(has(r.messages, "Illegal Argument #1 (q)"));
    EXPECT_TRUE(has(r.messages, "Korvat-E-NOREFPROC"));
    EXPECT_TRUE(has(r.messages, "Korvat-E-NOTERPROC"));
    EXPECT_TRUE(has(r.messages, "PTS procedure 'p' must be used without return codes"));
    EXPECT_TRUE(has(r.messages, "Too few arguments for this service two"));
    /* p is called from the scenario, q through p; unused only from itself */
    EXPECT_TRUE(has(r.tables, "EK_PROC q flag=1\n"));
    EXPECT_TRUE(has(r.tables, "EK_PROC p flag=1\n"));
    EXPECT_TRUE(has(r.tables, "EK_PROC unused\n")) << r.tables;
}

TEST(Statements, InterfaceCalls)
{
    HarnessRun r = run("PROC f()\nEXIT\nEND PROC\n"
                       "SCENARIO s1\n"
                       "CALL g(1 @ 2)\n"
                       "CALL g(x) @ 0 @ x\n"
                       "CALL g(1) @ s\n"
                       "CALL g(1) @ 0 @ 3\n"
                       "CALL h(1)\n"
                       "CALL f()\n"
                       "END SCENARIO\n");
    EXPECT_EQ(count(r.tables, "EK_FUNCTION g"), 1) << r.tables;
    EXPECT_TRUE(has(r.messages, "Function \"h\" is unknown"));
    EXPECT_TRUE(has(r.messages, "A local procedure and an API function have the same name (f)"));
    EXPECT_TRUE(has(r.messages, "Structure or array forbidden with @ (s)"));
    EXPECT_TRUE(has(r.messages, "Korvat-W-EXPRCONST"));
    EXPECT_TRUE(has(r.messages, "Return variable 3 can't be a constant"));
    /* one run-wide counter: zrk_p_0 for the expected value, then the result */
    EXPECT_TRUE(has(r.tables, "EK_TEMP_VAR zrk_p_0 t0=int class=2 ->a\n"));
    EXPECT_TRUE(has(r.tables, "EK_TEMP_VAR zrk_return_1"));
    EXPECT_TRUE(has(r.tables, "EK_CALL g t0=g t1=0 t2=x class=2 ->g\n"));
}

TEST(Statements, BlocksAndCase)
{
    HarnessRun r = run("SCENARIO s1\n"
                       "WHILE (x < 3)\n"
                       "CASE (x) IS\n"
                       "WHEN 1 => RENDEZVOUS a\n"
                       "WHEN 'c' => RENDEZVOUS b\n"
                       "WHEN 1 => RENDEZVOUS c\n"
                       "WHEN x => RENDEZVOUS d\n"
                       "WHEN OTHERS => RENDEZVOUS e\n"
                       "END CASE\n"
                       "END WHILE\n"
                       "IF (x) THEN\nRENDEZVOUS t\nELSE\nRENDEZVOUS u\nEND IF\n"
                       "END SCENARIO\n");
    EXPECT_TRUE(has(r.messages, "When identifier already used '1'")) << r.messages;
    /* x is a variable: it cannot label a case */
    EXPECT_TRUE(has(r.messages, "Waiting for integer constant in WHEN : x")) << r.messages;
    EXPECT_EQ(count(r.messages, "WHWACONST"), 1);
    EXPECT_TRUE(has(r.tables, "  EK_WHILE t0=x < 3 class=2\n"
                              "    EK_CASE t0=x class=2\n"
                              "      EK_CASE_BRANCH\n"
                              "       second:\n"
                              "        EK_WHEN 1\n"
                              "        EK_RENDEZVOUS a t0=a\n"))
        << r.tables;
    EXPECT_TRUE(has(r.tables, "        EK_WHEN OTHERS\n"));
    EXPECT_TRUE(has(r.tables, "  EK_IF t0=x class=2\n"
                              "   second:\n"
                              "    EK_RENDEZVOUS u t0=u\n"
                              "    EK_RENDEZVOUS t t0=t\n"));
}

TEST(Statements, WhenLabelMustBeIntegerConstant)
{
    HarnessRun r = run("SCENARIO s1\n"
                       "CASE (x) IS\nWHEN s => RENDEZVOUS a\nEND CASE\n"
                       "END SCENARIO\n");
    EXPECT_TRUE(has(r.messages, "Waiting for integer constant in WHEN : s")) << r.messages;
}

TEST(Statements, MessageMarksTraceAndFlush)
{
    const char *script = "PROC p()\nFLUSH_TRACE\nNO_MESSAGE\nMESSAGE_DATE\nEND PROC\n"
                         "PROCSEND int : v ON ct : c\nFLUSH_TRACE\nCALL p()\nEND PROCSEND\n"
                         "SCENARIO s1\nNO_MESSAGE\nMESSAGE_DATE\nTRACE_ON\nTRACE_OFF\n"
                         "END SCENARIO\n";
    HarnessRun dropped = run(script, 10);
    EXPECT_EQ(count(dropped.messages, "FTINCBPS"), 0);
    EXPECT_TRUE(has(dropped.messages, "NO_MESSAGE instruction must only be used in a PROC"));
    EXPECT_TRUE(has(dropped.messages, "MESSAGE_DATE instruction must only be used in a PROC"));
    EXPECT_FALSE(has(dropped.tables, "EK_TRACE_ON"));
    HarnessRun kept = run(script, 50);
    /* only the procsend's own FLUSH_TRACE: the procedure it calls may flush */
    EXPECT_EQ(count(kept.messages, "Korvat-E-FTINCBPS"), 1) << kept.messages;
    EXPECT_TRUE(has(kept.tables, "EK_TRACE_ON\n"));
    EXPECT_TRUE(has(kept.tables, "EK_FLUSH_TRACE\n"));
}

TEST(Units, CallbacksCheckTheirCommunicationType)
{
    HarnessRun r = run("COMMTYPE mx IS int WITH MULTIPLEXING\n"
                       "CHANNEL mx : mch\n"
                       "CALLBACK int : v ON ct : c\nRENDEZVOUS a\nEND CALLBACK\n"
                       "CALLBACK int : v ON ct : c\nNO_MESSAGE\nMESSAGE_DATE\nEND CALLBACK\n"
                       "CALLBACK int : v ON mx : c\nNO_MESSAGE\nEND CALLBACK\n"
                       "CALLBACK int : v ON mx : c [ n ]\n"
                       "IF (c[n] == v) THEN\nNO_MESSAGE\nMESSAGE_DATE\nEND IF\n"
                       "END CALLBACK\n"
                       "CALLBACK nosuch : v ON nothere : c\nNO_MESSAGE\nMESSAGE_DATE\n"
                       "END CALLBACK\n");
    EXPECT_TRUE(has(r.messages, "Korvat-E-NOMSGDCAL")) << r.messages;
    EXPECT_TRUE(has(r.messages, "Korvat-E-NONMSGCAL"));
    EXPECT_TRUE(has(r.messages, "callback int_ON_ct is already defined"));
    EXPECT_EQ(count(r.messages, "does not match with communication type for MULTIPLEXING"), 1);
    EXPECT_TRUE(has(r.messages, "Unknown message type nosuch"));
    EXPECT_TRUE(has(r.messages, "Unknown communication type nothere"));
    EXPECT_EQ(count(r.messages, "Korvat-W"), 0) << r.messages; /* c[n] and v are declared */
    EXPECT_TRUE(has(r.tables, "EK_CALLBACK int_ON_mx t0=v t1=c t2=n"));
}

TEST(Units, SendChoosesTheProcsend)
{
    HarnessRun r = run("#typedef M *PM; typedef X *PX; typedef Y *PY; typedef D *PD;\n"
                       "MESSAGE PD : dm\nMESSAGE PX : xm\nMESSAGE PY : ym\nMESSAGE PM : mm\n"
                       "PROCSEND int : v ON ct : c\nRENDEZVOUS a\nEND PROCSEND\n"
                       "PROCSEND int : v ON ct : c\nRENDEZVOUS a\nEND PROCSEND\n"
                       "VIRTUALPROCSEND PX : v ON ct : c\nRENDEZVOUS a\nEND PROCSEND\n"
                       "VIRTUALPROCSEND PY : v ON ct : c\nRENDEZVOUS a\nEND PROCSEND\n"
                       "SCENARIO s1\n"
                       "SEND(m, ch)\n"
                       "SEND(dm, ch)\n"
                       "SEND(nomsg, ch)\n"
                       "SEND(m, nochan)\n"
                       "END SCENARIO\n");
    EXPECT_TRUE(has(r.messages, "procsend int_ON_ct_for_procsend is already defined"))
        << r.messages;
    /* D derives from M, which has X and Y one step further: a tie */
    EXPECT_TRUE(has(r.messages, "Korvat-E-PSENDAMBIG"));
    EXPECT_TRUE(has(r.messages, "Unknown message nomsg"));
    EXPECT_TRUE(has(r.messages, "Unknown communication channel nochan"));
    EXPECT_TRUE(has(r.tables, "EK_SEND ->m =>int_ON_ct_for_procsend\n")) << r.tables;
    EXPECT_EQ(count(r.tables, "EK_TYPE_USE"), 2);
}

TEST(Units, CatchHandlers)
{
    HarnessRun r = run("PROC h(int e)\nEXIT\nEND PROC\n"
                       "PROC n()\nEXIT\nEND PROC\n"
                       "CATCH int WITH h\n"
                       "CATCH ... WITH n\n"
                       "CATCH long WITH h\n"
                       "CATCH ... WITH h\n"
                       "CATCH int WITH nobody\n"
                       "CATCH nosuchtype WITH h\n"
                       "SCENARIO s1\nIF (x) THEN\nCATCH int WITH h\nEND IF\nEND SCENARIO\n");
    EXPECT_TRUE(has(r.messages, "Incompatible types (long,int)")) << r.messages;
    EXPECT_TRUE(has(r.messages, "Incompatible types (void,int)"));
    EXPECT_TRUE(has(r.messages, "Unknown procedure 'nobody'"));
    EXPECT_TRUE(has(r.messages, "Unknown native type (nosuchtype)"));
    EXPECT_TRUE(has(r.messages, "Korvat-E-INVLCATCH"));
    EXPECT_TRUE(has(r.tables, "EK_CATCH int ->h\nEK_CATCH ->n\n"));
}

TEST(Statements, ConnectionIdentifiersAndReset)
{
    HarnessRun r = run("SCENARIO s1\n"
                       "ADD_ID(ch, x)\n"
                       "ADD_ID(nochan, x)\n"
                       "ADD_ID(ch, s)\n"
                       "ADD_ID(ch, 3)\n"
                       "CLEAR_ID(nochan)\n"
                       "RESET nothing\n"
                       "RESET x\n"
                       "END SCENARIO\n");
    EXPECT_EQ(count(r.messages, "Unknown communication channel nochan"), 2) << r.messages;
    EXPECT_TRUE(has(r.messages, "The connexion identifier s does not match"));
    EXPECT_TRUE(has(r.messages, "Connection identifier (3) non constant"));
    EXPECT_TRUE(has(r.messages, "Unknown ident nothing"));
    EXPECT_TRUE(has(r.tables, "EK_ADD_ID t0=x ->ch\n"));
    EXPECT_EQ(count(r.tables, "EK_CLEAR_ID"), 1);
    EXPECT_TRUE(has(r.tables, "EK_RESET x\n"));
}

TEST(Bodies, InstanceSections)
{
    const char *script = "DECLARE_INSTANCE i1, i2\n"
                         "PROC p()\nINSTANCE i1 :\n#int k;\nEND INSTANCE\nEXIT\nEND PROC\n"
                         "PROC q()\nEXIT\nINSTANCE i1 :\n#int k;\nEND INSTANCE\nEND PROC\n"
                         "SCENARIO s1\nINSTANCE i2, i9 :\nRENDEZVOUS a\nEND INSTANCE\n"
                         "END SCENARIO\n";
    HarnessRun r = run_harness(std::string(head) + script, 0, 2);
    EXPECT_TRUE(has(r.messages, "Invalid sequence of instance declarations-blocks")) << r.messages;
    EXPECT_TRUE(has(r.messages, "Instance 'i9' not declared"));
    EXPECT_TRUE(has(r.tables, "  EK_INSTANCE_DECL_BEGIN\n  EK_INSTANCE_REF i1 ->i1\n"
                              "  EK_NATIVE_DECL int k;\n  EK_INSTANCE_DECL_END\n"))
        << r.tables;
    EXPECT_TRUE(has(r.tables, "  EK_INSTANCE_STMT_BEGIN\n  EK_INSTANCE_REF i2 ->i2\n"
                              "  EK_INSTANCE_REF i9\n  EK_RENDEZVOUS a t0=a\n"
                              "  EK_INSTANCE_STMT_END\n"));
    /* one selected instance: no begin or end entries, other sections skipped */
    HarnessRun one = run_harness(std::string(head) + script, 0, 1, "i1");
    EXPECT_FALSE(has(one.tables, "EK_INSTANCE_STMT_BEGIN"));
    EXPECT_FALSE(has(one.tables, "EK_RENDEZVOUS a"));
    EXPECT_TRUE(has(one.tables, "EK_NATIVE_DECL int k;"));
    /* without declared instances a section is refused */
    HarnessRun none = run(std::string("PROC p()\nINSTANCE i1 :\n#int k;\nEND INSTANCE\n"
                                      "END PROC\n"));
    EXPECT_TRUE(has(none.messages, "Use of instances without any declarations"));
}

TEST(Statements, PrintPauseAndInterStatements)
{
    HarnessRun r = run("SCENARIO s1\n"
                       "PRINT out, x + 1\n"
                       "PAUSE x\n"
                       "INTERSEND(x, 2)\n"
                       "INTERRECV(x)\n"
                       "END SCENARIO\n");
    EXPECT_EQ(r.messages, "");
    EXPECT_TRUE(has(r.tables, "EK_PRINT t0=out t1=x + 1\n")) << r.tables;
    EXPECT_TRUE(has(r.tables, "EK_PAUSE x\n"));
    EXPECT_TRUE(has(r.tables, "EK_INTERSEND t0=x t1=2 class=2\n")) << r.tables;
    EXPECT_TRUE(has(r.tables, "EK_INTERRECV t0=x class=2\n"));
}

} // namespace

namespace {

/* Every statement kind in a clean script: nothing is reported. */
TEST(Bodies, LargeCleanScript)
{
    std::string script =
        "PROC handler(int e)\nNO_MESSAGE\nEND PROC\n"
        "PROCSEND int : v ON ct : c\nRENDEZVOUS ps\nEND PROCSEND\n"
        "CALLBACK int : v ON ct : c\n"
        "IF (v == 0) THEN\nNO_MESSAGE\nEND IF\nMESSAGE_DATE\nEND CALLBACK\n";
    script += "PROC work(int a, int b)\n"
              "#int local;\n"
              "@local = a;\n"
              "COMMENT working\n"
              "WHILE (local < b)\n"
              "CASE (local) IS\nWHEN 0 =>\nWHEN 1 => SET(\"AB\")\nWHEN OTHERS => UNSET(\"AB\")\n"
              "END CASE\n"
              "@local++;\n"
              "END WHILE\n"
              "IF (a) THEN\nERROR\nELSE\nEXIT\nEND IF\n"
              "END PROC\n";
    script += "SCENARIO s1\n";
    for (int i = 0; i < 200; i++)
        script += "CALL work(" + std::to_string(i) + ", x)\n"
                  "CALL f(x @ 1)\n"
                  "SEND(m, ch)\n"
                  "ADD_ID(ch, x)\nCLEAR_ID(ch)\n"
                  "%A~B RENDEZVOUS r" + std::to_string(i) + "\n"
                  "PAUSE 10\nPRINT out, x\n"
                  "INTERSEND(x, 1)\nINTERRECV(x, 2)\n"
                  "TRACE_ON\nFLUSH_TRACE\nTRACE_OFF\n"
                  "CATCH int WITH handler\n";
    script += "END SCENARIO\n";
    HarnessRun r = run(script, 50);
    EXPECT_EQ(r.messages, "");
    EXPECT_EQ(count(r.tables, "EK_SEND "), 200);
    EXPECT_EQ(count(r.tables, "EK_FUNCTION f"), 1);
    EXPECT_TRUE(has(r.tables, "EK_TEMP_VAR zrk_p_398"));  /* two per round */
    EXPECT_TRUE(has(r.tables, "EK_PROC work flag=1"));
}

} // namespace

namespace {

TEST(Units, DeclarationChecks)
{
    HarnessRun r = run("#typedef X *PX; class V { public: virtual int f(); }; typedef V *PV;\n"
                       "MESSAGE PX : xm\nMESSAGE PV : vm\nMESSAGE S : sm\n"
                       "PROC p(nosuchtype a)\nEXIT\nEND PROC\n"
                       "PROC p()\nEXIT\nEND PROC\n"
                       "VIRTUALCALLBACK S : v ON ct : c\nNO_MESSAGE\nMESSAGE_DATE\nEND CALLBACK\n"
                       "VIRTUALCALLBACK PX : v ON ct : c\nNO_MESSAGE\nMESSAGE_DATE\nEND CALLBACK\n"
                       "VIRTUALCALLBACK PV : v ON ct : c\nNO_MESSAGE\nMESSAGE_DATE\nEND CALLBACK\n"
                       "VIRTUALPROCSEND S : v ON ct : c\nEXIT\nEND PROCSEND\n"
                       "SCENARIO s1\nSEND(xm, ch)\nCALL q(1, x)\nEND SCENARIO\n"
                       "PROC q(int a, int b)\nEXIT\nEND PROC\n");
    EXPECT_TRUE(has(r.messages, "Unknown native type (nosuchtype)")) << r.messages;
    EXPECT_TRUE(has(r.messages, "Procedure 'p' already declared"));
    EXPECT_TRUE(has(r.messages, "Korvat-E-CBNPTTYPE"));
    EXPECT_EQ(count(r.messages, "Korvat-E-CBWRNTYPE"), 1);   /* PX, not PV */
    EXPECT_TRUE(has(r.messages, "Korvat-E-PSNPTTYPE"));
    EXPECT_TRUE(has(r.messages, "No procsend is available for send instruction"));
    /* procedures are known from their definition on */
    EXPECT_TRUE(has(r.messages, "Function \"q\" is unknown"));
}

TEST(Statements, ProcedureArgumentsAreTyped)
{
    HarnessRun r = run("PROC p(int a, S b)\nEXIT\nEND PROC\n"
                       "SCENARIO s1\nCALL p(s, 1)\nCALL p(1, )\nEND SCENARIO\n");
    EXPECT_EQ(count(r.messages, "Korvat-W-INCOMPTYP"), 2) << r.messages;
    EXPECT_TRUE(has(r.messages, "Expected argument in CALL (p)"));
}

} // namespace
