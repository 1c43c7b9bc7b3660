/*
** tests/codegen/message_code_test.cc
** The message statements (VAR checks and initialisations, ADD_ID,
** WAITTIL, inter-tester exchanges) written into a stream from tables
** built by hand, since scenario bodies do not write statements yet.
*/
#include "script.h"
#include "source_int.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct Tables {
    Scope *global = new_scope(nullptr, nullptr);
    int next_id = 1;
    Tables() { source_context.global = global; }

    SemanticEntry *add(Scope *scope, uint32_t kind, const char *name, uint32_t code)
    {
        SemanticEntry *e = add_entry(scope, kind, name ? xstrdup(name) : nullptr, "s.pts", 1,
                                     1, nullptr);
        if (code)
            add_descriptor(e, code);
        e->tdc_id = next_id++;
        e->tdc_end_id = next_id++;
        return e;
    }
    Scope *inner(SemanticEntry *e)
    {
        if (!e->descriptor->inner)
            e->descriptor->inner = new_scope(e->descriptor, e->scope);
        return e->descriptor->inner;
    }
    /* a value node: index range, type class, value text */
    SemanticEntry *value(SemanticEntry *parent, uint32_t kind, const char *name, int low,
                         int high, int type_class, const char *text, uint32_t code)
    {
        SemanticEntry *e = add(inner(parent), kind, name, code);
        SemanticDescriptor *d = e->descriptor;
        value_low(d) = low;
        value_high(d) = high;
        value_class(d) = type_class;
        value_member(d) = -1;
        if (text)
            value_text(d) = xstrdup(text);
        return e;
    }
};

std::string written(bool (*write)(SemanticEntry *), SemanticEntry *statement)
{
    FILE *stream = tmpfile();
    emit_to_stream(stream);
    index_global_entries();
    EXPECT_TRUE(write(statement));
    emit_flush();
    fflush(stream);
    std::string text;
    rewind(stream);
    for (int c; (c = fgetc(stream)) != EOF;)
        text += char(c);
    fclose(stream);
    return text;
}

std::string statement_text(SemanticEntry *statement)
{
    return written(generate_message_statement, statement);
}

/* Indentation aside: blanks at the start of lines are dropped. */
std::string flush_left(const std::string &text)
{
    std::string out;
    bool line_start = true;
    for (char c : text) {
        if (line_start && c == ' ')
            continue;
        out += c;
        line_start = c == '\n';
    }
    return out;
}

bool has(const std::string &text, const std::string &piece)
{
    return flush_left(text).find(piece) != std::string::npos;
}

/* VAR v, EV={n => 3, vals => {0..0 => 1, 1..3 => [0..5]}, in => {OTHERS...}} */
SemanticEntry *checked_variable(Tables &t, uint32_t code)
{
    SemanticEntry *root = t.add(t.global, EK_VALUE_ROOT, "v", code);
    SemanticEntry *top = t.value(root, EK_VALUE_STRUCT, nullptr, -1, -1, 10, nullptr, code);
    t.value(top, EK_VALUE_SCALAR, "n", -1, -1, 2, "3", code);
    SemanticEntry *vals = t.value(top, EK_VALUE_ARRAY, "vals", 0, 3, 11, nullptr, code);
    SemanticEntry *first = t.value(vals, EK_VALUE_ELEMENT, nullptr, 0, 0, 2, nullptr, code);
    t.value(first, EK_VALUE_SCALAR, nullptr, 0, 0, 2, "1", code);
    SemanticEntry *rest = t.value(vals, EK_VALUE_ELEMENT, nullptr, 1, 3, 2, nullptr, code);
    SemanticEntry *range = t.value(rest, EK_VALUE_RANGE, nullptr, 1, 3, 2, nullptr, code);
    value_min(range->descriptor) = xstrdup("0");
    value_max(range->descriptor) = xstrdup("5");
    SemanticEntry *items = t.value(top, EK_VALUE_ARRAY, "items", 0, 1, 11, nullptr, code);
    SemanticEntry *both = t.value(items, EK_VALUE_ELEMENT, nullptr, 0, 1, 10, nullptr, code);
    t.value(both, EK_VALUE_SCALAR, "name", 0, 1, 7, "\"ab\"", code);
    t.value(both, EK_VALUE_SCALAR, "next", 0, 1, 8, "NONIL", code);
    return root;
}

TEST(MessageStatements, ValueCheckReportsEveryLevelAndItsIndexes)
{
    Tables t;
    SemanticEntry *root = checked_variable(t, DC_VALUE_CHECK);
    std::string text = statement_text(root);
    const char *expected[] = {
        "zrk_runtime.zrk_var (1);",
        "zrk_runtime.zrk_varstruct (3);",
        "zrk_runtime.zrk_var_int_c (5, v.n,3,ZRK_P_BASE10, I0, -1 );",
        "zrk_runtime.zrk_vartab (7);",
        /* an index range of scalars: no frame of its own, one index */
        "zrk_runtime.zrk_varreset ();\nI1 = 0;",
        "zrk_runtime.zrk_var_int_c (11, v.vals[I1],1,ZRK_P_BASE10, I1, 0 );",
        "for(I1 = 1; I1 <= 3; ++I1)",
        "zrk_runtime.zrk_var_range_int_c (15, (ZRK_T_INT) v.vals[I1],1,(ZRK_T_INT) 0,"
        "1,(ZRK_T_INT) 5,ZRK_P_BASE10, I1, 3 );",
        "zrk_runtime.zrk_vartab (8);",
        /* structured elements keep their frame */
        "zrk_runtime.zrk_varplage (19, 0, 1);",
        "zrk_runtime.zrk_var_string_c (21, v.items[I1].name,\"ab\", I1, -1 );",
        "zrk_runtime.zrk_var_nonil_c (23, v.items[I1].next,NONIL, I1, -1 );",
        "zrk_runtime.zrk_varplage ( 20, -1, -1 );",
        "zrk_runtime.zrk_var_catch(23);",
        "zrk_flagrt = zrk_runtime.zrk_var (2);\nif (zrk_flagrt != 0)",
        "#ifdef ZRK_SCENARIA_DEBUG\nzrk_debug_state = 1;\n#else\nreturn ( 1 );\n#endif",
    };
    for (const char *line : expected)
        EXPECT_TRUE(has(text, line)) << line << "\n---\n" << text;
}

TEST(MessageStatements, InitialisationAssignsWithoutReporting)
{
    Tables t;
    SemanticEntry *root = checked_variable(t, DC_VALUE_INIT);
    std::string text = statement_text(root);
    EXPECT_TRUE(has(text, "v.n = 3;"));
    EXPECT_TRUE(has(text, "v.vals[I1] = 1;"));
    EXPECT_TRUE(has(text, "zrk_Min_v.vals[I1] = (ZRK_T_INT) 0;"));
    EXPECT_TRUE(has(text, "zrk_Max_v.vals[I1] = (ZRK_T_INT) 5;"));
    EXPECT_TRUE(has(text, "ZRS_STRCPY(v.items[I1].name,\"ab\");"));
    EXPECT_FALSE(has(text, "zrk_runtime")) << text;
}

TEST(MessageStatements, RangeOnAPointerStopsTheRun)
{
    Tables t;
    SemanticEntry *root = t.add(t.global, EK_VALUE_ROOT, "p", DC_VALUE_CHECK);
    SemanticEntry *range = t.value(root, EK_VALUE_RANGE, "q", -1, -1, 9, nullptr,
                                   DC_VALUE_CHECK);
    value_min(range->descriptor) = xstrdup("0");
    value_max(range->descriptor) = xstrdup("1");
    EXPECT_EXIT(statement_text(root), [](int) { return true; }, "RANGENOTA");
}

/* Two communication types, one multiplexing with a table callback, and a
** VIRTUAL callback receiving a second type on the other. */
struct WaitTables : Tables {
    SemanticEntry *bus, *mux, *wire, *hub, *frame, *order, *ev_frame, *ev_order, *waittil;
    WaitTables()
    {
        bus = add(global, EK_COMMTYPE, "bus", DC_COMMTYPE);
        commtype_number(bus->descriptor) = 0;
        mux = add(global, EK_COMMTYPE, "mux", DC_COMMTYPE);
        commtype_number(mux->descriptor) = 1;
        wire = channel("wire", bus, 0);
        hub = channel("hub", mux, 0);
        frame = add(global, EK_MESSAGE_TYPE, "frame_t", DC_MESSAGE_TYPE);
        order = add(global, EK_MESSAGE_TYPE, "order_t", DC_MESSAGE_TYPE);
        ev_frame = message("ev_frame", frame, 0);
        ev_order = message("ev_order", order, 1);
        callback("frame_t_ON_mux", frame, mux, true, false);
        callback("order_t_ON_bus", order, bus, false, true);
        waittil = add(global, EK_WAITTIL, nullptr, DC_WAITTIL);
        waittil->trace_node = 7;
        waittil->file_number = 2;
        SemanticDescriptor *d = waittil->descriptor;
        wait_number(d) = 3;
        wait_timeout(d) = xstrdup("500");
        wait_polls(d) = new_scope(nullptr, global);
        poll(frame, hub);
        poll(order, wire);
        term(ev_frame, hub, "ZRK_MATCHED_2(a)");
        term(ev_order, wire, "ZRK_MATCHED_2(b)");
    }
    SemanticEntry *channel(const char *name, SemanticEntry *comm, int index)
    {
        SemanticEntry *e = add(global, EK_CHANNEL, name, DC_CHANNEL);
        channel_commtype(e->descriptor) = comm;
        channel_index(e->descriptor) = index;
        return e;
    }
    SemanticEntry *message(const char *name, SemanticEntry *type, int index)
    {
        SemanticEntry *e = add(global, EK_MESSAGE, name, DC_MESSAGE);
        message_type(e->descriptor) = type;
        message_index(e->descriptor) = index;
        return e;
    }
    void callback(const char *name, SemanticEntry *type, SemanticEntry *comm, bool table,
                  bool is_virtual)
    {
        SemanticEntry *e = add(global, EK_CALLBACK, name, DC_CALLBACK);
        handler_message_type(e->descriptor) = type;
        handler_commtype(e->descriptor) = comm;
        handler_table(e->descriptor) = table;
        handler_virtual(e->descriptor) = is_virtual;
    }
    void poll(SemanticEntry *type, SemanticEntry *on)
    {
        SemanticEntry *e = add(wait_polls(waittil->descriptor), EK_WAIT_POLL, nullptr,
                               DC_WAIT_POLL);
        poll_message(e->descriptor) = type;
        poll_channel(e->descriptor) = on;
    }
    void term(SemanticEntry *message, SemanticEntry *on, const char *c)
    {
        SemanticEntry *e = add(inner(waittil), EK_WAIT_TERM, nullptr, DC_WAIT_TERM);
        term_message(e->descriptor) = message;
        term_channel(e->descriptor) = on;
        term_c(e->descriptor) = xstrdup(c);
    }
};

TEST(MessageStatements, WaittilPollsEachChannelThroughItsCallback)
{
    WaitTables t;
    std::string text = statement_text(t.waittil);
    const char *expected[] = {
        "if (0||(!zrk_msg_frame_t[0].zrk_defNumber)||(!zrk_msg_order_t[1].zrk_defNumber))",
        "zrk_runtime.zrk_nodefmsg(21);",
        "else if (!(0||(zrk_channel_mux[0].zrk_numberofId)||(zrk_channel_bus[0].zrk_numberofId)))",
        "zrk_runtime.zrk_begin_waittil_tsf ( 6, 2);",
        "ZRK_TIMEOUT = ( (((zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) < 500) ? (500 - (zrk_tnow - "
        "zrk_t0)/ZRK_WTIME_TO_TIME) : 0);",
        /* table order: bus before mux */
        "/* CommType bus */",
        "!zrk_end_waittil_debug && zrk_i<zrk_channel_bus[0].zrk_numberofId;zrk_i++)",
        "zrk_cbret=zrk_order_t_ON_bus(0,zrk_i);",
        "order_t *tmp_rcv = dynamic_cast<order_t *>(zrk_order_t_rcv);",
        "if(typeid(*zrk_order_t_rcv)==typeid(frame_t))",
        "zrk_runtime.zrk_evt (11,5,1,zrk_str_type_rcv);",
        "zrk_msg_order_t[1].zrk_state_channel[0][0]|=ZRK_EVTKO;",
        "if (zrk_order_t_cmp_msg(&(zrk_msg_order_t[1]),zrk_order_t_rcv))",
        "/* CommType mux */",
        "zrk_cbret=zrk_frame_t_ON_mux(0);",
        "zrk_runtime.zrk_evt (9,7,0,\" \");",
        "zrk_frame_t_dump_msg (zrk_frame_t_rcv);",
        "zrk_runtime.zrk_endevt (10);",
        "zrk_msg_frame_t[0].zrk_state_channel[1][0]|=ZRK_EVTOK;",
        "if (zrk_WAIT_3(&zrk_exprOK, &zrk_exprKO, zrk_wtime_0))",
        "zrk_runtime.zrk_state ((ZRK_MATCHED_2(a)), 27);",
        "zrk_frame_t_ref_msg (&(zrk_msg_frame_t[0]));",
        "zrk_runtime.zrk_endwaittil(1, 22, \"frame_t\");",
        "zrk_debug_state |= zrk_continue_debug;",
    };
    for (const char *line : expected)
        EXPECT_TRUE(has(text, line)) << line << "\n---\n" << text;
    /* the table callback is called once per channel, without a loop */
    EXPECT_FALSE(has(text, "zrk_i<zrk_channel_mux[0]")) << text;
    int opened = 0;
    for (char c : text)
        opened += c == '{' ? 1 : c == '}' ? -1 : 0;
    EXPECT_EQ(opened, 0);
}

/* A matching reception reports the definition its condition was set by,
** when code is made for that definition. */
TEST(MessageStatements, WaittilNamesTheDefinitionOfAMatchedMessage)
{
    WaitTables t;
    SemanticEntry *use = t.add(t.inner(t.frame), EK_TRIGGER_USE, "ev_frame", DC_TRIGGER_USE);
    use_message(use->descriptor) = t.ev_frame;
    SemanticEntry *term = t.inner(t.waittil)->first;
    term_definition(term->descriptor) = use;
    std::string line = "zrk_runtime.zrk_def_msg(" + std::to_string(use->tdc_id) + ");";
    EXPECT_FALSE(has(statement_text(t.waittil), line));   /* only in an uncalled PROC */
    use_not_in_proc(use->descriptor) = 1;
    std::string text = statement_text(t.waittil);
    size_t compared = text.find("if (zrk_frame_t_cmp_msg(&(zrk_msg_frame_t[0]),zrk_frame_t_rcv))");
    ASSERT_NE(compared, std::string::npos) << text;
    size_t at = text.find(line, compared);
    EXPECT_NE(at, std::string::npos) << text;
    EXPECT_LT(at, text.find("zrk_ret=1;", compared));
    EXPECT_EQ(text.find("def_msg("), at + strlen("zrk_runtime.zrk_"));   /* only once */
}

TEST(MessageStatements, ChannelConnectionAndInterTesterExchanges)
{
    WaitTables t;
    SemanticEntry *add_id = t.add(t.global, EK_ADD_ID, nullptr, DC_ADD_ID);
    id_channel(add_id->descriptor) = t.hub;
    id_text(add_id->descriptor) = xstrdup("my_id");
    std::string text = statement_text(add_id);
    EXPECT_TRUE(has(text, "if (zrk_channel_mux[0].zrk_numberofId<ZRK_K_ID_SIZE)"));
    EXPECT_TRUE(has(text, "zrk_channel_mux[0].zrk_connexionId[zrk_channel_mux[0].zrk_numberofId] "
                          "= &my_id;"));
    EXPECT_TRUE(has(text, "zrk_runtime.zrk_numofid(" + std::to_string(add_id->tdc_id) + ");"));

    SemanticEntry *send = t.add(t.global, EK_INTERSEND, nullptr, DC_INTERSEND);
    inter_first(send->descriptor) = xstrdup("text");
    inter_second(send->descriptor) = xstrdup("\"peer\"");
    inter_class(send->descriptor) = 6;   /* a text */
    text = statement_text(send);
    EXPECT_TRUE(has(text, "if (zrk_runtime.zrk_intersend (text, \"peer\"))"));
    EXPECT_TRUE(has(text, "zrk_runtime.zrk_isend (" + std::to_string(send->tdc_id) +
                              ", 0, text, \"peer\");"));
    /* an integer is converted to its decimal text first */
    inter_class(send->descriptor) = 2;
    text = statement_text(send);
    EXPECT_TRUE(has(text, "zrk_sprintf (zrk_local_int2string, \"%d\", text);")) << text;
    EXPECT_TRUE(has(text, "if (zrk_runtime.zrk_intersend (zrk_local_int2string, \"peer\"))"));

    SemanticEntry *recv = t.add(t.global, EK_INTERRECV, nullptr, DC_INTERRECV);
    inter_first(recv->descriptor) = xstrdup("buffer");
    inter_second(recv->descriptor) = xstrdup("64");
    inter_class(recv->descriptor) = 7;   /* a character array */
    text = statement_text(recv);
    EXPECT_TRUE(has(text, "zrk_runtime.zrk_ctxtagttimeout, buffer, 64, &zrk_loc_tstemit, "
                          "&zrk_loc_info))"));
    EXPECT_TRUE(has(text, "if (buffer[0]=='\\0')"));
    EXPECT_FALSE(has(text, "atoi"));
    /* an integer is received as text into a private buffer, then converted */
    inter_class(recv->descriptor) = 3;
    text = statement_text(recv);
    EXPECT_TRUE(has(text, "char zrk_local_interrecv_msg[ZRS_TAGTBUF_SIZE];"));
    EXPECT_TRUE(has(text, "zrk_runtime.zrk_ctxtagttimeout, zrk_local_interrecv_msg, "
                          "ZRS_TAGTBUF_SIZE, &zrk_loc_tstemit, &zrk_loc_info))"));
    EXPECT_TRUE(has(text, "buffer = atoi (zrk_loc_info);"));
    EXPECT_FALSE(has(text, "buffer[0]"));
}

TEST(MessageStatements, OtherStatementsAreLeftToTheStatementCode)
{
    Tables t;
    SemanticEntry *e = t.add(t.global, EK_COMMENT, "c", 0);
    FILE *stream = tmpfile();
    emit_to_stream(stream);
    EXPECT_FALSE(generate_message_statement(e));
    emit_flush();
    EXPECT_EQ(ftell(stream), 0);
    fclose(stream);
}

} // namespace
