/*
** src/codegen/probe_code.cc
** The probe-mode output: the glue appended to the `.h` file and the
** source after its interface includes.
**
** Under -PROBE the compiler writes no driver: the source decodes the
** traces that probes in the application recorded and replays them
** through the runtime's reporting calls.  The `.h` file, begun by the TDC
** writer with the identifier macros, receives the probe macros and
** declarations and the selector numbers; the source receives the class,
** the probe start and stop functions, the selector functions and the
** decoder.  Mode 1 (DEFAULT) records through create_probe/write_probe,
** mode 2 (CUSTOM) replays a recorded file through dump_inst.
*/
#include "source_int.h"

#include "codegen_int.h"

#include <cstring>
#include <set>
#include <vector>

namespace {

const char *const P = "zrk_";
const char *const CP = "zrk_ctx->zrk_zirko.zrk_runtime.zrk_";
const char *const CTX = "zrk_ctx";
const int COUNTERS = 21;           /* I0..I20 */

Scope *global() { return source_context.global; }
bool custom() { return source_context.probe == 2; }

/* ---- What the tables give ---- */

/* A traced exchange of the decoded scenario: a reception (WAITTIL) or a
** send, with the message and channel its TDC identifier is named by. */
struct TracedEvent {
    SemanticEntry *statement;
    bool reception;
    SemanticEntry *message;        /* event variable or sent message */
    SemanticEntry *channel;
};

const char *name_of(const SemanticEntry *e) { return e ? text_or_empty(e->name) : ""; }

const char *type_of(const TracedEvent &t)
{
    if (!t.message || !t.message->descriptor)
        return "";
    return name_of(message_type(t.message->descriptor));
}

void collect_events(Scope *scope, std::vector<TracedEvent> &events);

void collect_event(SemanticEntry *e, std::vector<TracedEvent> &events)
{
    SemanticDescriptor *d = e->descriptor;
    if (!d)
        return;
    switch (e->kind) {
    case EK_SCENARIO:
        if (scenario_selected(d))
            collect_events(d->inner, events);
        break;
    case EK_INITIALIZATION: case EK_TERMINATION: case EK_EXCEPTION:
        if (!block_proc(d))
            collect_events(d->inner, events);
        break;
    case EK_WHILE:
        collect_events(d->inner, events);
        break;
    case EK_IF:
        collect_events(d->inner, events);
        collect_events(if_else(d), events);
        break;
    case EK_CASE:
        for (SemanticEntry *branch = inner_first(e); branch; branch = branch->next)
            if (branch->descriptor)
                collect_events(branch->descriptor->inner, events);
        break;
    case EK_SEND:
        events.push_back({e, false, send_message(d), send_channel(d)});
        break;
    case EK_WAITTIL:
        /* the TDC writer names a reception after its first condition */
        if (SemanticEntry *first = scope_first(d->inner))
            if (first->descriptor)
                events.push_back({e, true, term_message(first->descriptor),
                                  term_channel(first->descriptor)});
        break;
    default:
        break;
    }
}

void collect_events(Scope *scope, std::vector<TracedEvent> &events)
{
    for (SemanticEntry *e = scope_first(scope); e; e = e->next)
        collect_event(e, events);
}

/* The traced events are those of the first scenario of the entry list,
** which is the root: its sub-scenarios and nested statement lists are
** walked so that every traced exchange of the scenarios finds its case. */
std::vector<TracedEvent> traced_events()
{
    std::vector<TracedEvent> events;
    events.reserve(1024);
    for (SemanticEntry *e = global()->first; e; e = e->next)
        if (e->kind == EK_SCENARIO) {
            collect_event(e, events);
            break;
        }
    return events;
}

/* The reference definition of the event variable has a DEFM identifier
** only when the TDC writer wrote its record. */
bool has_definition_identifier(const TracedEvent &t)
{
    SemanticEntry *type = t.message && t.message->descriptor
                              ? message_type(t.message->descriptor) : nullptr;
    for (SemanticEntry *use = type ? inner_first(type) : nullptr; use; use = use->next)
        if (reference_is_used(use) && use->name && t.message->name &&
            strcmp(use->name, t.message->name) == 0)
            return true;
    return false;
}

/* A selector: the storage member ("ZRK_<type>[.<path>].select") that
** holds the selection value of one union of a message type. */
void collect_selectors(Scope *scope, const std::string &type, const std::string &path,
                       std::vector<std::string> &selectors)
{
    for (SemanticEntry *node = scope_first(scope); node; node = node->next) {
        if (node->kind != EK_VALUE_STRUCT && node->kind != EK_VALUE_UNION)
            continue;
        std::string below = path;
        if (node->name && *node->name)
            below += (below.empty() ? "" : ".") + std::string(node->name);
        if (node->kind == EK_VALUE_UNION)
            selectors.push_back("ZRK_" + type + (below.empty() ? "" : "." + below) +
                                ".select");
        if (node->descriptor)
            collect_selectors(node->descriptor->inner, type, below, selectors);
    }
}

/* The selection description of a message type is the description of its
** default reception ("EV=zrk_msgrcv"), built for a type with a reference
** message definition. */
std::vector<std::string> selectors()
{
    std::vector<std::string> list;
    for (SemanticEntry *e = global()->first; e; e = e->next) {
        if (e->kind != EK_MESSAGE_TYPE || !e->descriptor)
            continue;
        SemanticEntry *root = type_default_reception(e->descriptor);
        if (root && root->descriptor)
            collect_selectors(root->descriptor->inner, name_of(e), "", list);
    }
    return list;
}

std::string macro_name(std::string selector)
{
    for (char &c : selector)
        if (c == '.')
            c = '_';
    return selector;
}

/* ---- The `.h` file ---- */

const char *const CONCAT_MACROS =
    "#define zirko_concat(a,b) a##b\n"
    "#define zirko_concat_3(a,b,c) a##b##c\n"
    "#define zirko_concat_4(a,b,c,d) a##b##c##d\n"
    "#define zirko_concat_6(a,b,c,d,e,f) a##b##c##d##e##f\n";

void write_trace_macros(FILE *h)
{
    checked_fprintf(h, "\n/************* Definition of macros for dumping messages *********/ \n");
    checked_fprintf(h, "#define zrk_start_trace(ctx,path,instance,p1) "
                       "ctx=zrk_create_probe(path,#instance,p1)\n");
    checked_fprintf(h, "#define zrk_end_trace(ctx) %s(ctx)\n",
                    custom() ? "zrk_end_probe" : "zrk_stop_probe");
    for (const char *kind : {"send", "recv"})
        checked_fprintf(h, "#define zrk_%s_trace(ctx,dist,msg,type,reportmsgname) "
                           "zrk_write_probe(ctx,zirko_concat_6(ZRK_TDC_%s_,type,_,"
                           "reportmsgname,_,dist),0,msg,sizeof(type))\n",
                        kind, strcmp(kind, "send") == 0 ? "SEND" : "RECV");
    checked_fprintf(h, "#define zrk_format_trace(file_format) \n");
    checked_fprintf(h, "#define zrk_select_trace(ctx,code,value) %s(ctx,code,value)\n",
                    custom() ? "zrk_write_key" : "zrk_set_selector");
    checked_fprintf(h, "#define zrk_dump_trace() %s\n", custom() ? "zrk_dump_all_inst()" : "");
    checked_fprintf(h, "\n/************* Enf of macros definition *********/ \n");
}

void write_probe_declarations(FILE *h)
{
    if (custom()) {
        checked_fprintf(h, "\nextern \"C\" void zrk_dump_all_inst ();\n");
        checked_fprintf(h, "\nextern \"C\" void zrk_dump_inst (ZRK_CTX_PRB prb_ctx,ZRK_PT_CAR path,"
                           "ZRK_PT_CAR riofile,ZRK_PT_CAR instName,ZRK_T_UINT other); \n");
        return;
    }
    checked_fprintf(h, "\nextern \"C\" ZRK_PT_CTX zrk_create_probe (ZRK_PT_CAR path,"
                       "ZRK_PT_CAR instance,ZRK_T_INT p1);\n");
    checked_fprintf(h, "\nextern \"C\" void zrk_write_probe(ZRK_PT_CTX ctx,unsigned int code, "
                       "unsigned int key, void *msg, unsigned int lenmsg);\n");
    checked_fprintf(h, "\nextern \"C\" void zrk_stop_probe (ZRK_PT_CTX zrk_ctx);\n");
    checked_fprintf(h, "\nextern \"C\" void zrk_set_selector (ZRK_PT_CTX zrk_ctx,"
                       "ZRK_T_UINT zrk_code,ZRK_T_UINT zrk_value);\n");
}

/* The probe glue of the `.h` file up to its closing "#endif"; in mode 2
** the context pointer type and the date setter go to the source instead,
** after its include of this file. */
void write_header_glue(FILE *h, const std::vector<std::string> &selector_list)
{
    checked_fprintf(h, "#ifdef USE_ZRS\n#undef USE_ZRS\n#endif\n#define USE_ZRS 1\n"
                       "#include \"TP.h\"\n");
    if (custom())
        checked_fprintf(h, "#include \"probecst.h\"\n");
    else
        checked_fprintf(h, "\ntypedef struct ZRK_T_CTX *ZRK_PT_CTX;\n"
                           "\n#define ZRK_CTX_PRB ZRK_PT_CTX\n"
                           "\n#include \"zrkdeclar.h\"\n");
    checked_fprintf(h, "%s", CONCAT_MACROS);
    write_trace_macros(h);
    write_probe_declarations(h);
    for (size_t i = 0; i < selector_list.size(); i++)
        checked_fprintf(h, "#define %s %d+ZRK_TDC_LAST_ID\n",
                        macro_name(selector_list[i]).c_str(), int(i + 1));
    checked_fprintf(h, "\n#endif\n");
}

/* ---- The source ---- */

void write_counter_line()
{
    line_clear();
    line_append("ZRK_T_INT ");
    for (int i = 0; i < COUNTERS; i++)
        line_append("I%d%c", i, i + 1 < COUNTERS ? ',' : ';');
    emit_line();
}

void write_class()
{
    emit_text("class ZIRKO");
    emit_open_block();
    emit_text("public:");
    emit_text("ZRK_C_RUNTIME zrk_runtime;");
    for (SemanticEntry *e = global()->first; e; e = e->next) {
        if (e->kind != EK_MESSAGE_TYPE || !e->descriptor)
            continue;
        const char *T = name_of(e);
        emit_format("void zrk_%s_dump_msg (%s &zrk_msgrcv);", T, T);
        if (const char *text = type_value_text(e->descriptor))
            emit_text(text);
    }
    write_counter_line();
    emit_close_block();
    emit_text(";");
}

void write_context()
{
    emit_text("struct ZRK_T_CTX");
    emit_open_block();
    emit_text("ZIRKO zrk_zirko;\n");
    emit_close_block();
    emit_text(";");
    if (!custom())
        emit_text("ZRK_T_CTX tab_global_ctx[NB_INSTANCES];");
}

void write_forward_declarations()
{
    if (custom()) {
        emit_format("\nvoid zrk_decode (ZRK_PT_CTX zrk_ctx,ZRK_T_DATE time,ZRK_T_UINT code,"
                    "ZRK_T_UINT zrk_key,void *msg);\n");
    } else {
        emit_text("zrk_declar;");
        emit_format("\nvoid zrk_decode (ZRK_PT_CTX zrk_ctx,ZRK_T_UINT code,"
                    "ZRK_T_UINT zrk_key,void *msg);\n");
    }
    emit_format("void zrk_strt_probe (ZRK_PT_CTX %s,ZRK_PT_CAR rioFilename,"
                "ZRK_PT_CAR codeName);", CTX);
}

void write_selector_functions(const std::vector<std::string> &selector_list)
{
    const std::string access = std::string(P) + "ctx->" + P + "zirko";
    emit_format("void zrk_set_selector (ZRK_PT_CTX %s,ZRK_T_UINT zrk_code,"
                "ZRK_T_UINT zrk_value)", CTX);
    emit_open_block();
    emit_text("switch(zrk_code)");
    emit_open_block();
    for (const std::string &s : selector_list) {
        emit_format("case (%s):", macro_name(s).c_str());
        emit_format("%s.%s=zrk_value;", access.c_str(), s.c_str());
        emit_text("break;");
    }
    emit_close_block();
    emit_close_block();
    emit_format("void zrk_init_selector (ZRK_PT_CTX %s) ", CTX);
    emit_open_block();
    for (const std::string &s : selector_list)
        emit_format("%s.%s=0;", access.c_str(), s.c_str());
    emit_close_block();
}

void write_recording_functions()
{
    if (custom())
        return;
    emit_format("ZRK_PT_CTX zrk_create_probe (ZRK_PT_CAR path,ZRK_PT_CAR instance,"
                "ZRK_T_INT p1)");
    emit_open_block();
    emit_text("char name[100];");
    emit_text("static int i_ctx=0;");
    emit_text("ZRK_PT_CTX zrk_ctx=tab_global_ctx+i_ctx++;");
    emit_format("zrk_sprintf(name,\"%%s%%s.rio\",path,instance);");
    emit_text("zrk_strt_probe(zrk_ctx,name,instance);");
    emit_text("return zrk_ctx;");
    emit_close_block();
    emit_format("void zrk_write_probe (ZRK_PT_CTX ctx,ZRK_T_UINT code,ZRK_T_UINT key, "
                "void *msg,ZRK_T_UINT lenmsg)");
    emit_open_block();
    emit_text("zrk_decode(ctx,code,key,msg);");
    emit_close_block();
}

void write_start_stop()
{
    emit_format("void zrk_strt_probe (ZRK_PT_CTX %s,ZRK_PT_CAR rioFilename,"
                "ZRK_PT_CAR codeName)", CTX);
    emit_open_block();
    emit_format("%sctxtracepriority = 0;", CP);
    emit_format("%sctxflagprobe=%d;", CP, custom() ? 1 : 0);
    emit_format("%sset_occid(0,(char **)0,0);", CP);
    emit_format("%slogdate=(ZRK_T_UTIME)0;", CP);
    emit_format("%sset_trace_functions ();", CP);
    emit_format("%sset_riofilename(0,(char **)0,rioFilename);", CP);
    emit_format("%sset_instancevalid(1);", CP);
    emit_format("%sset_instancename(0,(char **)0,codeName);", CP);
    emit_format("%sset_lstflt(0,(char **)0,\"\");", CP);
    emit_format("%sinitrio (ZRK_TDC_gen,\"\");", CP);
    emit_format("%sstartchronomarkloop (ZRK_TDC_Epts, ZRK_TDC_Spts , 0, 1,\"\",0,0);", CP);
    emit_format("%sstartchronomarkloop (ZRK_TDC_Escn, ZRK_TDC_Sscn ,1, 1,\"\",0,0);", CP);
    emit_close_block();
    emit_format("void zrk_stop_probe (ZRK_PT_CTX  %s)", CTX);
    emit_open_block();
    emit_format("%sstopchronomarkloop (0,ZRK_TDC_Escn,1,1,\"\",0,0);", CP);
    emit_format("%sstopchronomarkloop (0, ZRK_TDC_Epts, 0, 1,\"\",0,0);", CP);
    emit_format("%send ();", CP);
    emit_close_block();
}

/* The TDC writer names an event by its message and channel: two events
** with the same pair share one identifier macro, and a second case label
** of the same name would not compile. */
std::string case_label(const TracedEvent &t)
{
    return std::string(t.reception ? "ZRK_TDC_RECV_" : "ZRK_TDC_SEND_") +
           name_of(t.message) + "_" + name_of(t.channel);
}

void write_reception_cases(const std::vector<TracedEvent> &events)
{
    std::set<std::string> labels;
    for (const TracedEvent &t : events) {
        if (!t.reception || !labels.insert(case_label(t)).second)
            continue;
        const char *m = name_of(t.message), *c = name_of(t.channel), *T = type_of(t);
        emit_format("case %s:", case_label(t).c_str());
        emit_format("%s_evt(ZRK_TDC_EVT_%s,ZRK_TDC_CH_%s);", CP, T, c);
        emit_format("eevt=ZRK_TDC_EEVT_%s;", T);
        /* an event variable without reference definition has no DEFM
        ** identifier: naming one would not compile */
        if (has_definition_identifier(t))
            emit_format("defmsg=ZRK_TDC_DEFM_%s;", m);
        else
            emit_text("defmsg=0;");
        emit_format("%sevt(ZRK_TDC_EVT_%s,ZRK_TDC_CH_%s,0,\" \");", CP, T, c);
        emit_text("break;");
    }
}

/* One group per message type, in the order of its first event: the cases
** of all its events share one dump call. */
void write_dump_cases(const std::vector<TracedEvent> &events)
{
    std::vector<bool> written(events.size(), false);
    std::set<std::string> labels;
    for (size_t first = 0; first < events.size(); first++) {
        if (written[first])
            continue;
        std::string X = type_of(events[first]);
        for (size_t i = first; i < events.size(); i++) {
            if (written[i] || X != type_of(events[i]))
                continue;
            written[i] = true;
            if (labels.insert(case_label(events[i])).second)
                emit_format("case %s:", case_label(events[i]).c_str());
        }
        emit_format("zrk_ctx->zrk_zirko.zrk_%s_dump_msg(*((%s *)zrk_msg));", X.c_str(),
                    X.c_str());
        emit_text("break;");
    }
}

void write_decoder(const std::vector<TracedEvent> &events)
{
    if (custom())
        emit_format("void zrk_decode (ZRK_PT_CTX %s,ZRK_T_DATE zrk_time,ZRK_T_UINT zrk_code,"
                    "ZRK_T_UINT zrk_key,void * zrk_msg)", CTX);
    else
        emit_format("void zrk_decode (ZRK_PT_CTX %s,ZRK_T_UINT zrk_code,ZRK_T_UINT zrk_key,"
                    "void * zrk_msg)", CTX);
    emit_open_block();
    /* a reception code without a case of its own must not end the
    ** reception with undefined identifiers */
    emit_text("ZRK_T_INT eevt=0,defmsg=0;");
    emit_text("if (zrk_code > ZRK_TDC_LAST_ID)");
    emit_text("zrk_set_selector(zrk_ctx,zrk_code,*((ZRK_PT_UINT) zrk_msg));");
    emit_text("else");
    emit_open_block();
    if (custom())
        emit_text("zrk_set_time(zrk_ctx,zrk_time);");
    emit_text("if (zrk_code <= ZRK_TDC_LAST_SEND)");
    emit_format("%ssend(zrk_code,\"\");", CP);
    emit_text("else");
    emit_open_block();
    emit_format("%swaittil(zrk_code);", CP);
    emit_text("switch(zrk_code)");
    emit_open_block();
    write_reception_cases(events);
    emit_close_block();
    emit_close_block();
    emit_text("switch(zrk_code)");
    emit_open_block();
    write_dump_cases(events);
    emit_close_block();
    emit_text("if (zrk_code <= ZRK_TDC_LAST_SEND)");
    emit_format("%sendsend(0,zrk_code+ZRK_TDC_END_SEND);", CP);
    emit_text("else");
    emit_open_block();
    emit_format("%sendevt(eevt);", CP);
    emit_format("%sdef_msg(defmsg);", CP);
    emit_format("%sendwaittil(0, zrk_code+ZRK_TDC_END_RECV,\"\");", CP);
    emit_close_block();
    emit_close_block();
    emit_close_block();
}

void write_replay_function()
{
    if (!custom())
        return;
    emit_format("void zrk_dump_inst (ZRK_CTX_PRB prb_ctx,ZRK_PT_CAR path,ZRK_PT_CAR riofile,"
                "ZRK_PT_CAR instName,ZRK_T_UINT other)");
    emit_open_block();
    emit_text("ZRK_T_CTX zrk_ctx;");
    emit_text("ZRK_T_DATE time;");
    emit_text("ZRK_T_UINT code,key;");
    emit_text("void *msg;");
    emit_text("prb_ctx=zrk_open_probe(prb_ctx,path,riofile,instName,other);");
    emit_text("zrk_init_selector(&zrk_ctx);");
    emit_text("if(zrk_read_probe(prb_ctx,&time,&code,&key,&msg))");
    emit_open_block();
    emit_text("zrk_set_time((&zrk_ctx),time);");
    emit_text("zrk_strt_probe(&zrk_ctx,riofile,instName);");
    emit_text("do");
    emit_open_block();
    emit_text("zrk_decode(&zrk_ctx,time,code,key,msg);");
    emit_close_block();
    emit_text("while(zrk_read_probe(prb_ctx,&time,&code,&key,&msg));");
    emit_text("zrk_stop_probe(&zrk_ctx);");
    emit_close_block();
    emit_text("zrk_close_probe(prb_ctx);");
    emit_close_block();
}

void write_statement_lines()
{
    for (SemanticEntry *e = global()->first; e; e = e->next)
        if (e->kind == EK_NATIVE_STMT && e->name)
            emit_text(e->name);
}

std::string folder_of(const std::string &name)
{
    size_t slash = name.rfind('/');
    return slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
}

/* A quoted include is looked for beside the including file first: a
** header in the source's own folder is named without that folder, so
** that the source compiles from wherever it is compiled. */
std::string header_include_name(const std::string &header, const std::string &source)
{
    std::string folder = folder_of(header);
    if (!folder.empty() && folder == folder_of(source))
        return header.substr(folder.size());
    return header;
}

} // namespace

void generate_probe_source()
{
    const char *header_name = source_context.request->header_name;
    emit_format("#include \"%s\"",
                header_include_name(header_name, source_context.request->source_name).c_str());
    FILE *h = open_output(header_name, "a");
    std::vector<std::string> selector_list = selectors();
    write_header_glue(h, selector_list);
    close_output(h);

    if (custom()) {
        emit_text("\ntypedef struct ZRK_T_CTX *ZRK_PT_CTX;\n");
        emit_format("#define zrk_set_time(zrk_ctx,time)\tzrk_memcpy(&(zrk_ctx->zrk_zirko."
                    "zrk_runtime.zrk_ctxusrdate),&time,sizeof(ZRK_T_DATE))");
    }
    write_class();
    write_context();
    write_forward_declarations();
    for (SemanticEntry *e = global()->first; e; e = e->next)
        if (e->kind == EK_MESSAGE_TYPE && e->descriptor && has_selection_description(e))
            generate_dump_code(e);
    write_selector_functions(selector_list);
    write_recording_functions();
    write_start_stop();
    write_decoder(traced_events());
    write_replay_function();
    write_statement_lines();
}
