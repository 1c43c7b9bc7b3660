/*
** src/codegen/waittil_code.cc
** The WAITTIL statement (its checks, polling loop, reception blocks and
** conclusion), its wait function, and the inter-tester exchanges.
*/
#include "codegen_int.h"
#include "source_int.h"

#include <vector>

namespace {

const char *const P = "zrk_";

const char *name_of(SemanticEntry *e) { return e && e->name ? e->name : ""; }

void debug_stop()
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_text("zrk_continue_debug = 1;");
    emit_else();
    emit_text("return ( 1 );");
    emit_endif();
}

void under_debug(const char *text)
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_text(text);
    emit_endif();
}

struct Term {
    SemanticEntry *entry;
    SemanticEntry *type;      /* the message type of its event variable */
    SemanticEntry *channel;   /* null: any channel */
    int index;                /* the event variable's place in its type's array */
};

std::vector<Term> terms_of(SemanticEntry *waittil)
{
    std::vector<Term> terms;
    for (SemanticEntry *t = inner_first(waittil); t; t = t->next) {
        if (t->kind != EK_WAIT_TERM || !t->descriptor)
            continue;
        SemanticEntry *message = term_message(t->descriptor);
        if (!message || !message->descriptor)
            continue;
        terms.push_back({t, message_type(message->descriptor), term_channel(t->descriptor),
                         message_index(message->descriptor)});
    }
    return terms;
}

struct Poll {
    SemanticEntry *type, *channel;
};

std::vector<Poll> polls_of(SemanticEntry *waittil)
{
    std::vector<Poll> polls;
    for (SemanticEntry *p = scope_first(wait_polls(waittil->descriptor)); p; p = p->next)
        if (p->kind == EK_WAIT_POLL && p->descriptor && poll_message(p->descriptor) &&
            poll_channel(p->descriptor))
            polls.push_back({poll_message(p->descriptor), poll_channel(p->descriptor)});
    return polls;
}

/* A poll may name the event variable or its type. */
SemanticEntry *type_of(SemanticEntry *e)
{
    if (e && e->kind == EK_MESSAGE && e->descriptor)
        return message_type(e->descriptor);
    return e;
}

bool polled(const std::vector<Poll> &polls, SemanticEntry *type, SemanticEntry *channel)
{
    for (const Poll &p : polls)
        if ((!type || type_of(p.type) == type) && p.channel == channel)
            return true;
    return false;
}

SemanticEntry *commtype_of(SemanticEntry *channel)
{
    return channel && channel->descriptor ? channel_commtype(channel->descriptor) : nullptr;
}

/* The callback registered for the type on the communication type; a
** VIRTUAL callback of the communication type receives every type. */
SemanticEntry *callback_for(SemanticEntry *type, SemanticEntry *commtype)
{
    SemanticEntry *virtual_one = nullptr;
    for (SemanticEntry *e : source_context.callbacks) {
        if (!e->descriptor || handler_commtype(e->descriptor) != commtype)
            continue;
        if (handler_message_type(e->descriptor) == type)
            return e;
        if (handler_virtual(e->descriptor) && !virtual_one)
            virtual_one = e;
    }
    return virtual_one;
}

void first_checks(SemanticEntry *w, const std::vector<Term> &terms,
                  const std::vector<Poll> &polls)
{
    line_append("if (0");
    for (const Term &t : terms)
        line_append("||(!zrk_msg_%s[%d].zrk_defNumber)", name_of(t.type), t.index);
    line_append(")");
    emit_line();
    emit_open_block();
    emit_format("zrk_runtime.zrk_nodefmsg(%d);", w->tdc_id);
    debug_stop();
    emit_close_block();
    line_append("else if (!(0");
    std::vector<SemanticEntry *> seen;
    for (const Poll &p : polls) {
        bool again = false;
        for (SemanticEntry *s : seen)
            again = again || s == p.channel;
        if (again)
            continue;
        seen.push_back(p.channel);
        line_append("||(zrk_channel_%s[%d].zrk_numberofId)",
                    name_of(commtype_of(p.channel)), channel_index(p.channel->descriptor));
    }
    line_append("))");
    emit_line();
    emit_open_block();
    emit_format("zrk_runtime.zrk_noaddid(%d);", w->tdc_id);
    debug_stop();
    emit_close_block();
}

void wait_step(int number)
{
    emit_format("if (zrk_WAIT_%d(&zrk_exprOK, &zrk_exprKO, zrk_wtime_0))", number);
    emit_open_block();
    emit_text("zrk_end_waittil_debug = 1;");
    emit_text("break;");
    emit_close_block();
}

struct Reception {
    SemanticEntry *waittil;
    const std::vector<Term> &terms;
    int m, t, w;
};

void type_block(const Reception &r, SemanticEntry *T, SemanticEntry *K, SemanticEntry *C)
{
    SemanticEntry *callback = callback_for(T, C);
    bool table = callback && handler_table(callback->descriptor);
    bool is_virtual = callback && handler_virtual(callback->descriptor);
    const char *type = name_of(T), *comm = name_of(C);
    const char *M = callback ? name_of(handler_message_type(callback->descriptor)) : type;
    int k = channel_index(K->descriptor);
    emit_format("/* Type message %s */", type);
    if (!table) {
        emit_text("for (zrk_i=0;");
        under_debug("!zrk_continue_debug&&");
        emit_format("!zrk_end_waittil_debug && "
                    "zrk_i<zrk_channel_%s[%d].zrk_numberofId;zrk_i++)", comm, k);
        emit_open_block();
    }
    emit_text("zrk_ret = 0;");
    emit_text("zrk_runtime.zrk_rio_off();");
    if (table)
        emit_format("zrk_cbret=zrk_%s_ON_%s(%d);", M, comm, k);
    else
        emit_format("zrk_cbret=zrk_%s_ON_%s(%d,zrk_i);", M, comm, k);
    emit_text("zrk_runtime.zrk_rio_on();");
    emit_text("if (zrk_cbret== 1)");
    emit_open_block();
    emit_text("#if ZRS_DYNFLW");
    emit_format("zrk_runtime.zrk_end_waittil_tsf ( %d, %d, 2);", r.m + 1, r.t);
    emit_text("#endif /* ZRS_DYNFLW */");
    emit_format("zrk_runtime.zrk_endwaittil(2, %d, \"%s\");", r.waittil->tdc_end_id, type);
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_text("zrk_continue_debug = 1;");
    emit_text("break;");
    emit_else();
    emit_text("return ( 1 );");
    emit_endif();
    emit_close_block();
    emit_text("if (zrk_cbret==ZRK_MESSAGE_READ)");
    emit_open_block();
    emit_text("char zrk_str_type_rcv[1024];");
    emit_format("zrk_strcpy(zrk_str_type_rcv,\"< !!! Unknown type !!! >\");");
    emit_text("#if ZRS_DYNFLW");
    emit_format("zrk_runtime.zrk_waittil_tsf ( \"%s\", %d, %d);", type, r.m, r.t);
    emit_text("#endif /* ZRS_DYNFLW */");
    if (is_virtual) {
        emit_format("%s *tmp_rcv = dynamic_cast<%s *>(zrk_%s_rcv);", type, type, M);
        emit_text("if (tmp_rcv)");
        emit_format("zrk_%s_rcv=*tmp_rcv;", type);
        emit_format("if (zrk_%s_rcv)", M);
        emit_open_block();
        /* no "else" after the last test: it would take the next line */
        const char *separator = nullptr;
        for (SemanticEntry *u : source_context.message_types) {
            if (!u->name)
                continue;
            if (separator)
                emit_text(separator);
            emit_format("if(typeid(*zrk_%s_rcv)==typeid(%s))", M, u->name);
            emit_format("zrk_strcpy(zrk_str_type_rcv,\"%s\");", u->name);
            separator = "else";
        }
        emit_text("zrk_rcv |= 1;");
        emit_close_block();
        emit_format("zrk_runtime.zrk_evt (%d,%d,1,zrk_str_type_rcv);",
                    T->tdc_id, K->tdc_id);
        emit_text("if (tmp_rcv)");
    } else {
        emit_text("zrk_rcv |= 1;");
        emit_format("zrk_runtime.zrk_evt (%d,%d,0,\" \");", T->tdc_id, K->tdc_id);
    }
    if (is_virtual)
        emit_open_block();
    emit_format("zrk_%s_dump_msg (zrk_%s_rcv);", type, type);
    emit_format("zrk_runtime.zrk_endevt (%d);", T->tdc_end_id);
    if (is_virtual)
        emit_close_block();
    int ci = C && C->descriptor ? commtype_number(C->descriptor) : 0;
    for (const Term &term : r.terms) {
        if (term.type != T || (term.channel && term.channel != K))
            continue;
        if (is_virtual) {
            emit_text("if (!tmp_rcv)");
            emit_open_block();
            emit_format("zrk_msg_%s[%d].zrk_state=ZRK_EVTKO;", type, term.index);
            emit_format("zrk_msg_%s[%d].zrk_stateko=1;", type, term.index);
            emit_format("zrk_msg_%s[%d].zrk_state_channel[%d][%d]|=ZRK_EVTKO;",
                        type, term.index, ci, k);
            emit_close_block();
            emit_text("else");
        }
        emit_format("if (zrk_%s_cmp_msg(&(zrk_msg_%s[%d]),zrk_%s_rcv))", type, type,
                    term.index, type);
        emit_open_block();
        SemanticEntry *definition = term_definition(term.entry->descriptor);
        if (definition && reference_is_used(definition))
            emit_format("zrk_runtime.zrk_def_msg(%d);", definition->tdc_id);
        emit_text("zrk_ret=1;");
        emit_format("zrk_msg_%s[%d].zrk_state_channel[%d][%d]|=ZRK_EVTOK;",
                    type, term.index, ci, k);
        emit_close_block();
        emit_text("else");
        emit_open_block();
        emit_format("zrk_msg_%s[%d].zrk_state_channel[%d][%d]|=ZRK_EVTKO;",
                    type, term.index, ci, k);
        emit_close_block();
    }
    emit_close_block();
    emit_text("if (zrk_ret)");
    emit_open_block();
    emit_text("zrk_wtime_0 = zrk_runtime.zrk_logdate / zrk_gran;");
    emit_close_block();
    emit_text("else");
    emit_open_block();
    emit_text("zrk_wtime_0 = zrk_runtime.zrk_getwtime();");
    emit_close_block();
    wait_step(r.w);
    if (!table)
        emit_close_block();
}

void reception_blocks(const Reception &r, const std::vector<Poll> &polls)
{
    for (SemanticEntry *C : source_context.commtypes) {
        bool awaited = false;
        for (const Poll &p : polls)
            awaited = awaited || commtype_of(p.channel) == C;
        if (!awaited)
            continue;
        emit_format("/* CommType %s */", name_of(C));
        for (SemanticEntry *K : source_context.channels) {
            if (!K->descriptor || commtype_of(K) != C ||
                !polled(polls, nullptr, K))
                continue;
            emit_format("if (zrk_channel_%s[%d].zrk_numberofId)", name_of(C),
                        channel_index(K->descriptor));
            emit_open_block();
            emit_format("/* Channel %s */", name_of(K));
            for (SemanticEntry *T : source_context.message_types)
                if (polled(polls, T, K))
                    type_block(r, T, K, C);
            emit_close_block();
        }
    }
}

void polling_loop(const Reception &r, const std::vector<Poll> &polls, const char *timeout)
{
    emit_text("for (;");
    under_debug("!zrk_continue_debug &&");
    emit_text("!zrk_end_waittil_debug;)");
    emit_open_block();
    emit_text("zrk_rcv = 0;");
    emit_text("zrk_tnow = zrk_runtime.zrk_getevtdate ();");
    emit_text("while (zrk_tnow >= zrk_tn1)");
    emit_open_block();
    emit_text("zrk_tn = zrk_tn1 ;");
    emit_text("zrk_tn1=zrk_tn+zrk_gran;");
    emit_close_block();
    emit_format("ZRK_TIMEOUT = ( (((zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) < %s) ? "
                "(%s - (zrk_tnow - zrk_t0)/ZRK_WTIME_TO_TIME) : 0);", timeout, timeout);
    reception_blocks(r, polls);
    emit_text("if (!zrk_end_waittil_debug");
    under_debug("&& !zrk_continue_debug");
    emit_text(")");
    emit_open_block();
    emit_text("zrk_wtime_0 = zrk_runtime.zrk_getwtime();");
    wait_step(r.w);
    emit_text("if (!zrk_rcv)");
    emit_open_block();
    emit_text("zrk_tnow = zrk_runtime.zrk_getevtdate ();");
    emit_text("while (zrk_tnow < zrk_tn1)");
    emit_open_block();
    emit_text("zrk_sleep(zrk_tn1-zrk_tnow);");
    emit_text("zrk_tnow = zrk_runtime.zrk_getevtdate ();");
    for (int i = 0; i < 4; i++)
        emit_close_block();
}

void end_waittil(const Reception &r, int state, const char *type)
{
    emit_text("#if ZRS_DYNFLW");
    emit_format("zrk_runtime.zrk_end_waittil_tsf ( %d, %d, %d);", r.m + 1, r.t, state);
    emit_text("#endif /* ZRS_DYNFLW */");
    emit_format("zrk_runtime.zrk_endwaittil(%d, %d, \"%s\");",
                state, r.waittil->tdc_end_id, type);
}

void conclusion(const Reception &r)
{
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_text("if (!zrk_continue_debug)");
    emit_open_block();
    emit_endif();
    for (const Term &t : r.terms) {
        emit_format("zrk_runtime.zrk_state ((%s), %d);", term_c(t.entry->descriptor),
                    t.entry->tdc_id);
        emit_format("zrk_%s_ref_msg (&(zrk_msg_%s[%d]));",
                    name_of(t.type), name_of(t.type), t.index);
    }
    emit_text("if (zrk_exprKO)");
    emit_open_block();
    end_waittil(r, 1, r.terms.empty() ? "<not defined>" : name_of(r.terms[0].type));
    debug_stop();
    emit_close_block();
    emit_text("else if (zrk_exprOK)");
    emit_open_block();
    end_waittil(r, 0, r.terms.empty() ? "<not defined>" : name_of(r.terms[0].type));
    emit_close_block();
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_close_block();
    emit_endif();
}

const char *text(const char *t) { return t ? t : ""; }

} // namespace

void generate_waittil(SemanticEntry *statement)
{
    SemanticDescriptor *d = statement->descriptor;
    if (!d)
        return;
    std::vector<Term> terms = terms_of(statement);
    std::vector<Poll> polls = polls_of(statement);
    Reception r{statement, terms, statement->trace_node, int(statement->file_number),
                wait_number(d)};
    const char *timeout = wait_timeout(d) ? wait_timeout(d) : "0";
    emit_open_block();
    emit_text("ZRK_T_INT zrk_end_waittil_debug=0;");
    under_debug("ZRK_T_INT zrk_continue_debug=0;");
    first_checks(statement, terms, polls);
    emit_text("else");
    emit_open_block();
    emit_text("ZRK_T_INT zrk_i, zrk_ret, zrk_cbret, zrk_rcv;");
    emit_text("ZRK_T_INT zrk_exprOK=0, zrk_exprKO=0;");
    emit_text("ZRK_T_UTIME zrk_wtime_0, zrk_t0, zrk_tn, zrk_tn1, zrk_tnow;");
    emit_text("zrk_initstates ();");
    emit_text("#if ZRS_DYNFLW");
    emit_format("zrk_runtime.zrk_begin_waittil_tsf ( %d, %d);", r.m - 1, r.t);
    emit_text("#endif /* ZRS_DYNFLW */");
    emit_format("zrk_runtime.zrk_waittil (%d);", statement->tdc_id);
    emit_text("WTIME = 0;");
    emit_text("zrk_t0 = zrk_runtime.zrk_getevtdate ();");
    emit_text("zrk_tn = zrk_t0 ;");
    emit_text("zrk_tn1=zrk_tn+zrk_gran;");
    polling_loop(r, polls, timeout);
    conclusion(r);
    emit_close_block();
    under_debug("zrk_debug_state |= zrk_continue_debug;");
    emit_close_block();
}

void generate_wait_code(SemanticEntry *wait_function)
{
    SemanticDescriptor *d = wait_function->descriptor;
    if (!d)
        return;
    emit_format("ZRK_T_INT ZIRKO::zrk_WAIT_%d(ZRK_T_INT * zrk_exprOK,ZRK_T_INT * zrk_exprKO,"
                "ZRK_T_UTIME zrk_wtime_0)", wait_number(d));
    emit_open_block();
    emit_text("ZRK_T_INT zrk_ret=0;");
    emit_text("do");
    emit_open_block();
    emit_format("if ((*zrk_exprKO = (%s)))", text(wait_time_c(d)));
    emit_open_block();
    emit_text("zrk_ret=1;");
    emit_close_block();
    emit_format("if ((*zrk_exprOK = (%s)))", text(wait_condition_c(d)));
    emit_open_block();
    emit_text("zrk_ret=1;");
    emit_close_block();
    emit_text("if (WTIME <= zrk_wtime_0)");
    emit_open_block();
    emit_text("WTIME++;");
    emit_close_block();
    emit_close_block();
    emit_text("while ((WTIME<=zrk_wtime_0)&&(!zrk_ret));");
    emit_text("WTIME = zrk_wtime_0;");
    emit_text("return zrk_ret;");
    emit_close_block();
}

/* The value is sent as text: a text value as it is, an integer (the
** classes enum, char, int and long) converted first. */
void generate_intersend(SemanticEntry *statement)
{
    SemanticDescriptor *d = statement->descriptor;
    if (!d)
        return;
    const char *D = text(inter_second(d));
    bool integer = inter_class(d) >= 0 && inter_class(d) <= 3;
    std::string converted = std::string(P) + "local_int2string";
    const char *V = integer ? converted.c_str() : text(inter_first(d));
    if (integer) {
        emit_open_block();
        emit_text("char zrk_local_int2string[ZRS_TAGTBUF_SIZE];");
        emit_format("zrk_sprintf (zrk_local_int2string, \"%%d\", %s);",
                    text(inter_first(d)));
    }
    emit_text("#if ZRS_DYNFLW");
    emit_format("zrk_runtime.zrk_intersend_tsf ( %d, %d, %s);", statement->trace_node,
                statement->file_number, D);
    emit_text("#endif /* ZRS_DYNFLW */");
    emit_line();
    emit_format("if (zrk_runtime.zrk_intersend (%s, %s))", V, D);
    emit_open_block();
    emit_format("zrk_runtime.zrk_isend (%d, 1, %s, %s);", statement->tdc_id, V, D);
    short_debug_ending();
    emit_close_block();
    emit_text("else");
    emit_open_block();
    emit_format("zrk_runtime.zrk_isend (%d, 0, %s, %s);", statement->tdc_id, V, D);
    emit_close_block();
    if (integer)
        emit_close_block();
}

/* Received through the private buffer and converted, or straight into a
** text target with its buffer size. */
static void interrecv_outcome(SemanticEntry *statement)
{
    emit_text("#if ZRS_DYNFLW");
    emit_format("zrk_runtime.zrk_interrecv_tsf ( %d, %d, zrk_loc_info, zrk_loc_tstemit);",
                statement->trace_node, statement->file_number);
    emit_text("#endif /* ZRS_DYNFLW */");
    emit_line();
    emit_format("zrk_runtime.zrk_end_irecv (%d, 0, zrk_loc_tstemit, zrk_loc_info);",
                statement->tdc_id);
}

/* An integer target (the classes enum, char, int and long) is filled
** from the received text; it is assigned as the variable it is, since a
** dereference of an integer would not compile. */
void generate_interrecv(SemanticEntry *statement)
{
    SemanticDescriptor *d = statement->descriptor;
    if (!d)
        return;
    const char *V = text(inter_first(d));
    bool integer = inter_class(d) >= 0 && inter_class(d) <= 3;
    std::string buffer = std::string(P) + "local_interrecv_msg";
    const char *into = integer ? buffer.c_str() : V;
    const char *S = integer ? "ZRS_TAGTBUF_SIZE"
                    : inter_second(d) ? inter_second(d) : "ZRS_TAGTBUF_SIZE";
    int x = statement->tdc_id;
    emit_open_block();
    emit_text("char *zrk_loc_tstemit = NULL;");
    emit_text("char *zrk_loc_info = NULL;");
    if (integer)
        emit_format("char %s[ZRS_TAGTBUF_SIZE];", buffer.c_str());
    emit_line();
    emit_format("zrk_runtime.zrk_irecv (%d);", x);
    emit_format("if (priv_interrecv ( &(zrk_runtime.zrk_ctxtagtsocket), "
                "zrk_runtime.zrk_ctxtagttimeout, %s, %s, &zrk_loc_tstemit, &zrk_loc_info))",
                into, S);
    emit_open_block();
    emit_format("zrk_runtime.zrk_end_irecv (%d, 2, NULL, NULL);", x);
    short_debug_ending();
    emit_close_block();
    emit_text("else");
    emit_open_block();
    if (integer) {
        emit_format("%s = atoi (zrk_loc_info);", V);
        interrecv_outcome(statement);
    } else {
        emit_format("if (%s[0]=='\\0')", V);
        emit_open_block();
        emit_format("zrk_runtime.zrk_end_irecv (%d, 1, NULL, NULL);", x);
        short_debug_ending();
        emit_close_block();
        emit_text("else");
        emit_open_block();
        interrecv_outcome(statement);
        emit_close_block();
    }
    emit_close_block();
    emit_close_block();
    emit_line();
}
