/*
** src/codegen/source_layout.cc
** The generated driver source from its first line to its last.
**
** One pass per part of the file over the global entries of the semantic
** tables: the header and includes, the size constants and the typedefs of
** each message type and communication type, the connection tables, the
** class ZIRKO with its members, the constructor, the state initialisation,
** the bodies (written by the statement and message code) and the entry
** function, a `main` or a thread function.  Identifiers of scenarios and
** procedures are the TDC identifiers stored in the entries by the TDC
** writer, which runs first.  Every line goes through the emitter.
*/
#include "source_int.h"

#include "capi.h"
#include "diag.h"

#include <cstring>
#include <set>
#include <vector>

SourceContext source_context;

namespace {

const char *const P = "zrk_";
const char *const RT = "zrk_runtime";
const char *const VERSION = "v2.6a";
const int COUNTERS = 21;           /* I0..I20 and J0..J20 */

std::string runtime_path;          /* "zrk_zirko->zrk_runtime.zrk_" */

Scope *global() { return source_context.global; }
SemanticDescriptor *desc(SemanticEntry *e) { return e->descriptor; }
const char *RP() { return runtime_path.c_str(); }

bool is_handler(const SemanticEntry *e)
{
    return (e->kind == EK_CALLBACK || e->kind == EK_PROCSEND) && e->descriptor;
}

bool used_message(SemanticEntry *e)
{
    return e->kind == EK_MESSAGE && e->descriptor && message_used(desc(e));
}

/* A used callback's communication type is used too, though no script
** line names it (the one TRIGGER declarations poll). */
bool used_commtype(SemanticEntry *e)
{
    if (e->kind != EK_COMMTYPE || !e->descriptor)
        return false;
    if (commtype_referenced(desc(e)))
        return true;
    for (SemanticEntry *h = global()->first; h; h = h->next)
        if (h->kind == EK_CALLBACK && h->descriptor && handler_used(desc(h)) &&
            handler_commtype(desc(h)) == e)
            return true;
    return false;
}

const char *message_type_name(SemanticEntry *message)
{
    SemanticEntry *type = message_type(desc(message));
    return type ? type->name : "";
}

std::string number_text(long n) { return std::to_string(n); }

/* ---- Start of the file ---- */

void write_header()
{
    const GenerationRequest &r = *source_context.request;
    emit_line();
    emit_text("//");
    emit_format("// ZIRKO Scenaria %s, preprocessor C++", VERSION);
    emit_format("// file name: %s", r.source_name);
    emit_format("// date: %s", r.time_text);
    emit_text("//");
    emit_line();
    emit_line();
}

/* A VIRTUAL callback or procsend reaches its message through a class
** pointer: the generated code then needs run-time type information. */
void write_guard_block()
{
    for (SemanticEntry *e = global()->first; e; e = e->next)
        if (is_handler(e) && handler_virtual(desc(e))) {
            emit_define("KRVT_RTTI_NEEDED", "1");
            break;
        }
    emit_ifdef("USE_ZRS");
    emit_undef("USE_ZRS");
    emit_endif();
    emit_define("USE_ZRS", "1");
    emit_format("#include \"TP.h\"");
}

/* Each thread's driver class gets a name of its own. */
void write_thread_class_name()
{
    if (!source_context.thread_entry)
        return;
    std::string value = source_context.thread + "_class";
    emit_define("ZIRKO", value.c_str());
}

void write_interface_includes()
{
    for (const std::string &file : *source_context.request->interface_files) {
        emit_format("#include \"%s\"", file.c_str());
        emit_line();
    }
}

void write_script_c_lines()
{
    for (SemanticEntry *e = global()->first; e; e = e->next)
        if ((e->kind == EK_NATIVE_DECL || e->kind == EK_NATIVE_STMT) && e->name)
            emit_text(e->name);
}

void write_size_constants()
{
    int message_types = 0;
    for (SemanticEntry *e = global()->first; e; e = e->next)
        if (e->kind == EK_MESSAGE_TYPE)
            message_types++;
    emit_define("ZRK_K_MAX_COMT", "1");
    emit_define("ZRK_K_MAX_CHAN",
                number_text(source_context.request->highest_channel + 1).c_str());
    emit_define("ZRK_K_MAX_MSGT", number_text(message_types).c_str());
}

/* ---- Typedefs per entry ---- */

void write_message_type_typedefs(SemanticEntry *e)
{
    const char *T = e->name;
    emit_define(("ZRK_K_MSG_" + std::string(T)).c_str(),
                number_text(type_message_count(desc(e))).c_str());
    emit_format("typedef struct zrk_s_T_MSG_%s", T);
    emit_open_block();
    emit_text("ZRK_T_INT zrk_defNumber;");
    emit_format("%s zrk_MsgRef;", T);
    emit_format("%s zrk_MsgMin;", T);
    emit_format("%s zrk_MsgMax;", T);
    emit_text("ZRK_T_INT zrk_state;");
    emit_text("ZRK_T_INT zrk_stateok;");
    emit_text("ZRK_T_INT zrk_stateko;");
    emit_text("ZRK_T_INT zrk_state_channel[ZRK_K_MAX_COMT][ZRK_K_MAX_CHAN];");
    emit_close_block();
    emit_format("ZRK_T_%s, *ZRK_PT_%s;", T, T);
    emit_format("typedef ZRK_T_%s ZRK_T_MSG_%s[ZRK_K_MSG_%s];", T, T, T);
}

void write_commtype_typedefs(SemanticEntry *e)
{
    const char *C = e->name;
    emit_define(("ZRK_K_CHAN_" + std::string(C)).c_str(),
                number_text(commtype_channel_count(desc(e))).c_str());
    emit_format("typedef struct zrk_s_T_CHAN_%s", C);
    emit_open_block();
    emit_format("%s *zrk_connexionId[ZRK_K_ID_SIZE];",
                text_or_empty(commtype_id_type(desc(e))));
    emit_text("ZRK_T_INT zrk_numberofId;");
    emit_text("ZRK_T_INT zrk_msg[ZRK_K_MAX_MSGT];");
    emit_close_block();
    emit_format("ZRK_T_CHAN_%s, *ZRK_PT_CHAN_%s;", C, C);
    emit_format("typedef ZRK_T_CHAN_%s ZRK_T_COMM_%s[ZRK_K_CHAN_%s];", C, C, C);
}

void write_declarations()
{
    for (SemanticEntry *e = global()->first; e; e = e->next) {
        if (e->kind == EK_TIMER && e->descriptor)
            emit_format("int %s=%d;", e->name, timer_number(desc(e)));
        else if (e->kind == EK_MESSAGE_TYPE && e->descriptor)
            write_message_type_typedefs(e);
        else if (e->kind == EK_COMMTYPE && e->descriptor)
            write_commtype_typedefs(e);
    }
}

/* The connection identifiers of a used communication type, indexable. */
void write_connection_tables()
{
    for (SemanticEntry *e = global()->first; e; e = e->next) {
        if (!used_commtype(e))
            continue;
        const char *C = e->name;
        const char *id_type = text_or_empty(commtype_id_type(desc(e)));
        emit_format("class zrk_tabid_%s", C);
        emit_open_block();
        emit_format("ZRK_PT_CHAN_%s zrk_pchannel;", C);
        emit_text("public:");
        emit_format("zrk_tabid_%s(ZRK_PT_CHAN_%s c) { zrk_pchannel = c; };", C, C);
        emit_format("%s &operator[] (int i) { return(*(zrk_pchannel->zrk_connexionId[i])); };",
                    id_type);
        emit_close_block();
        emit_text(";");
    }
}

/* ---- The class declaration ---- */

/* The scenario that owns a block entry (its scope's owner). */
SemanticEntry *owning_scenario(SemanticEntry *block)
{
    for (Scope *s = block->scope; s; s = s->parent)
        if (s->owner && s->owner->entry && s->owner->entry->kind == EK_SCENARIO)
            return s->owner->entry;
    return nullptr;
}

void declare_block_unit(SemanticEntry *e, char letter)
{
    SemanticEntry *owner = owning_scenario(e);
    emit_format("ZRK_T_INT zrk_%c%d ();", letter, owner ? owner->tdc_id : 0);
}

void declare_unit(SemanticEntry *e)
{
    std::string text;
    switch (e->kind) {
    case EK_SCENARIO:
        if (e->descriptor && scenario_selected(desc(e)))
            emit_format("ZRK_T_INT zrk_S%d ();", e->tdc_id);
        break;
    case EK_PROC:
        if (e->descriptor && proc_called(desc(e))) {
            procedure_signature(e, "", text);
            emit_format("%s;", text.c_str());
        }
        break;
    case EK_INITIALIZATION: declare_block_unit(e, 'i'); break;
    case EK_TERMINATION: declare_block_unit(e, 't'); break;
    case EK_EXCEPTION: declare_block_unit(e, 'e'); break;
    case EK_CALLBACK:
    case EK_PROCSEND:
        if (e->descriptor)
            emit_format("ZRK_T_INT zrk_%s %s;", e->name, handler_parameters(e));
        break;
    case EK_WAIT_FUNCTION:
        if (e->descriptor)
            emit_format("ZRK_T_INT zrk_WAIT_%d (ZRK_T_INT *zrk_exprOK,ZRK_T_INT *zrk_expr_KO,"
                        "ZRK_T_UTIME zrk_wtime_0 );", wait_number(desc(e)));
        break;
    default:
        break;
    }
}

void write_counter_line(char letter)
{
    line_clear();
    line_append("ZRK_T_INT ");
    for (int i = 0; i < COUNTERS; i++)
        line_append("%c%d%c", letter, i, i + 1 < COUNTERS ? ',' : ';');
    emit_line();
}

bool has_type_use(const char *type_name)
{
    for (SemanticEntry *e = global()->first; e; e = e->next)
        if (e->kind == EK_TYPE_USE && e->name && strcmp(e->name, type_name) == 0)
            return true;
    return false;
}

void write_message_type_members(SemanticEntry *e)
{
    const char *T = e->name;
    emit_format("void zrk_%s_ref_msg (ZRK_PT_%s zrk_msg_ref);", T, T);
    emit_format("ZRK_T_INT zrk_%s_cmp_msg (ZRK_PT_%s zrk__msg_ref,%s &zrk_msg_rcv);",
                T, T, T);
    emit_format("void zrk_%s_dump_msg (%s &zrk_msgrcv);", T, T);
    emit_format("ZRK_T_MSG_%s zrk_msg_%s;", T, T);
    /* a type reached through VIRTUAL handlers gets both from its type use,
    ** the message to send then held by value: written here too they
    ** would be declared twice */
    if (!has_type_use(T)) {
        emit_format("%s zrk_%s_rcv;", T, T);
        emit_format("%s *zrk_%s_send;", T, T);
    }
    if (const char *text = type_value_text(desc(e)))
        emit_text(text);
}

void write_data_member(SemanticEntry *e)
{
    if (used_message(e)) {
        const char *T = message_type_name(e);
        emit_format("%s &%s;", T, e->name);
        emit_format("%s &zrk_Min_%s;", T, e->name);
        emit_format("%s &zrk_Max_%s;", T, e->name);
    } else if (e->kind == EK_MESSAGE_TYPE && e->descriptor) {
        write_message_type_members(e);
    } else if (e->kind == EK_CHANNEL && e->descriptor && channel_referenced(desc(e))) {
        SemanticEntry *comm = channel_commtype(desc(e));
        emit_format("// %s => zrk_state_channel[%d][%d]", e->name,
                    comm && comm->descriptor ? commtype_number(desc(comm)) : 0,
                    channel_index(desc(e)));
    } else if (used_commtype(e)) {
        emit_format("ZRK_T_COMM_%s zrk_channel_%s;", e->name, e->name);
    } else if (e->kind == EK_TYPE_USE && e->name) {
        emit_format("%s zrk_%s_rcv;", e->name, e->name);
        emit_format("%s zrk_%s_send;", e->name, e->name);
    }
}

/* Names the layout itself declares, or the analysis hands over for its
** own needs (event variables are members already, a timer's name is its
** index constant): these are never copied as per-object variables. */
bool layout_owns_name(const char *name)
{
    if (strncmp(name, "zrk_", 4) == 0 || strncmp(name, "ZRK_", 4) == 0)
        return true;
    for (SemanticEntry *e = global()->first; e; e = e->next)
        if ((e->kind == EK_MESSAGE || e->kind == EK_SHARE || e->kind == EK_TIMER) &&
            e->name &&
            strcmp(e->name, name) == 0)
            return true;
    return false;
}

/* -NOTSHARED: each driver object (each thread) has its own copy of the
** variables the script's native lines declare, SHARE names excepted. */
void write_unshared_variables()
{
    std::set<std::string> seen;
    for (const ScriptFile *f = source_context.request->files; f; f = f->next) {
        if (!seen.insert(f->name).second)
            continue;
        std::vector<CSymbol *> symbols;
        symbols_of_file(f->name, symbols);
        for (CSymbol *s : symbols) {
            const char *name = symbol_name(s);
            if (!name || symbol_category(s) == 0 || layout_owns_name(name))
                continue;
            std::string text;
            type_image(symbol_type(s), name, 0, 0, text);
            emit_format("%s;", text.c_str());
        }
    }
}

void write_class_declaration()
{
    emit_text("class ZIRKO");
    emit_open_block();
    emit_text("public:");
    emit_text("ZIRKO ();");
    if (source_context.timers > 0)
        emit_text("ZRK_T_UTIME TIME (ZRK_T_INT x);");
    emit_text("void zrk_initstates ();");
    for (SemanticEntry *e = global()->unit_chain; e; e = e->link)
        declare_unit(e);
    emit_text("ZRK_T_INT zrk_flagrt;");
    emit_text("ZRK_T_UTIME WTIME;");
    write_counter_line('I');
    write_counter_line('J');
    emit_text("ZRK_C_RUNTIME zrk_runtime;");
    for (SemanticEntry *e = global()->first; e; e = e->next)
        write_data_member(e);
    if (source_context.timers > 0)
        emit_format("ZRK_T_TIMER zrk_timer[%d];", source_context.timers);
    if (source_context.request->notshared)
        write_unshared_variables();
    emit_close_block();
    emit_text(";");
}

/* ---- After the class ---- */

void write_context_defines()
{
    std::string member = std::string(RT) + "." + P;
    emit_define("ZRK_NUMINSTANCE", (member + "ctxnuminstance").c_str());
    emit_define("ZRK_OCCID", (member + "ctxoccid").c_str());
    emit_define("ZRK_TIMEOUT", (member + "ctxtimeout").c_str());
    emit_line();
}

void write_time_function()
{
    if (source_context.timers <= 0)
        return;
    emit_text("ZRK_T_UTIME ZIRKO :: TIME (ZRK_T_INT zrk_num)");
    emit_open_block();
    emit_text("return(zrk_runtime.zrk_time(&(zrk_timer[zrk_num].timer)));");
    emit_close_block();
    emit_text(";");
}

void write_constructor()
{
    emit_text("ZIRKO :: ZIRKO () : WTIME(0)");
    for (SemanticEntry *e = global()->first; e; e = e->next) {
        if (!used_message(e))
            continue;
        const char *T = message_type_name(e), *E = e->name;
        int d = message_index(desc(e));
        emit_format(",%s(zrk_msg_%s[%d].zrk_MsgRef)", E, T, d);
        emit_format(",zrk_Min_%s(zrk_msg_%s[%d].zrk_MsgMin)", E, T, d);
        emit_format(",zrk_Max_%s(zrk_msg_%s[%d].zrk_MsgMax)", E, T, d);
    }
    emit_open_block();
    emit_text("ZRK_T_INT zrk_i;");
    for (SemanticEntry *e = global()->first; e; e = e->next) {
        if (e->kind == EK_MESSAGE_TYPE && e->descriptor) {
            emit_format("for (zrk_i=0;zrk_i<ZRK_K_MSG_%s;zrk_i++)", e->name);
            emit_open_block();
            emit_format("zrk_msg_%s[zrk_i].zrk_defNumber=0;", e->name);
            emit_close_block();
        } else if (used_commtype(e)) {
            emit_format("for (zrk_i=0;zrk_i<ZRK_K_CHAN_%s;zrk_i++)", e->name);
            emit_open_block();
            emit_format("zrk_channel_%s[zrk_i].zrk_numberofId = 0;", e->name);
            emit_close_block();
        } else if (e->kind == EK_TIMER && e->descriptor) {
            emit_format("zrk_get_date(&(zrk_timer[%s].timer));", e->name);
        }
    }
    emit_close_block();
}

void write_state_initialisation()
{
    emit_text("void ZIRKO::zrk_initstates ()");
    emit_open_block();
    emit_text("ZRK_T_INT zrk_i,zrk_j,zrk_k;");
    for (SemanticEntry *e = global()->first; e; e = e->next) {
        if (e->kind != EK_MESSAGE_TYPE || !e->descriptor)
            continue;
        const char *T = e->name;
        emit_format("for (zrk_i=0; zrk_i<ZRK_K_MSG_%s; zrk_i++)", T);
        emit_open_block();
        emit_format("zrk_msg_%s[zrk_i].zrk_state=ZRK_NOEVT;", T);
        emit_format("zrk_msg_%s[zrk_i].zrk_stateok=0;", T);
        emit_format("zrk_msg_%s[zrk_i].zrk_stateko=0;", T);
        emit_text("for (zrk_j=0; zrk_j<ZRK_K_MAX_COMT; zrk_j++)");
        emit_open_block();
        emit_text("for (zrk_k=0; zrk_k<ZRK_K_MAX_CHAN; zrk_k++)");
        emit_open_block();
        emit_format("zrk_msg_%s[zrk_i].zrk_state_channel[zrk_j][zrk_k]=ZRK_NOEVT;", T);
        emit_close_block();
        emit_close_block();
        emit_close_block();
    }
    emit_close_block();
}

void write_static_object()
{
    if (source_context.allocation != 0)
        return;
    emit_text("static ZIRKO zrk_zirko_static;");
    if (source_context.trace_buffering)
        emit_format("static ZRK_T_CAR zrk_ctxbuffertrace_static[%d];",
                    source_context.buffer_size);
}

void write_bodies()
{
    for (SemanticEntry *e = global()->first; e; e = e->next) {
        if (e->kind != EK_MESSAGE_TYPE || !e->descriptor)
            continue;
        if (has_reference_messages(e))
            generate_reference_code(e);
        if (has_selection_description(e))
            generate_dump_code(e);
    }
    for (SemanticEntry *e = global()->first; e; e = e->next) {
        switch (e->kind) {
        case EK_SCENARIO: generate_scenario_code(e); clear_pending_labels(); break;
        case EK_PROC: generate_procedure_code(e); clear_pending_labels(); break;
        case EK_CALLBACK: generate_callback_code(e); clear_pending_labels(); break;
        case EK_WAIT_FUNCTION: generate_wait_code(e); break;
        case EK_CATCH: record_catch_handler(e); break;
        case EK_PROCSEND: generate_procsend_code(e); clear_pending_labels(); break;
        default: break;
        }
    }
}

/* ---- The entry function ---- */

std::vector<SemanticEntry *> instances()
{
    std::vector<SemanticEntry *> list;
    for (SemanticEntry *e = global()->first; e; e = e->next)
        if (e->kind == EK_INSTANCE && e->name)
            list.push_back(e);
    return list;
}

void write_thread_table()
{
    std::vector<SemanticEntry *> list = instances();
    if (!source_context.thread_entry || list.empty())
        return;
    const char *thread = source_context.thread.c_str();
    emit_line();
    line_append("char * %s_Table[] = {", thread);
    for (size_t i = 0; i < list.size(); i++)
        line_append("%s\"%s\"", i ? "," : "", list[i]->name);
    line_append("};");
    emit_line();
    emit_format("int %s_TableLen = %d;", thread, int(list.size()));
    emit_line();
}

void write_dynflw_open() { emit_text("#if ZRS_DYNFLW"); }
void write_dynflw_close() { emit_text("#endif /* ZRS_DYNFLW */"); }

void write_entry_locals()
{
    const GenerationRequest &r = *source_context.request;
    emit_text("ZRK_T_INT zrk_local_state = 0;");
    emit_format("ZRK_PT_CAR rio_file_name = \"%s\";", r.rio_name);
    if (r.instance_mode == 1)
        emit_format("char fixed_instance[255] = \"%s\";", text_or_empty(r.instance));
    write_dynflw_open();
    emit_text("char tstnaming[255];");
    write_dynflw_close();
}

/* The driver object on the stack, on the heap or in static storage, and
** the trace buffer beside it. */
void write_driver_object()
{
    const SourceContext &c = source_context;
    if (c.allocation == 1) {
        emit_text("ZIRKO zrk_zirko_static;");
        if (c.trace_buffering)
            emit_format("ZRK_T_CAR zrk_ctxbuffertrace_static[%d];", c.buffer_size);
    }
    if (c.allocation == 2) {
        emit_text("ZIRKO *zrk_zirko = new ZIRKO;");
        if (c.trace_buffering)
            emit_format("%sctxbuffertrace = new ZRK_T_CAR [%d] ;", RP(), c.buffer_size);
        return;
    }
    emit_text("ZIRKO *zrk_zirko = &zrk_zirko_static;");
    if (c.trace_buffering)
        emit_format("%sctxbuffertrace =zrk_ctxbuffertrace_static;", RP());
}

void write_trace_settings()
{
    const SourceContext &c = source_context;
    if (!c.trace_buffering) {
        emit_format("%sctxtracepriority = 0;", RP());
        return;
    }
    emit_format("%sctxbuffersize=%d;", RP(), c.buffer_size);
    emit_format("%sctxbuffersizeleft=%d;", RP(), c.buffer_size);
    emit_format("%sctxtracepriority=%d;", RP(), c.trace_level);
    emit_format("%sctxcurrentline=%sctxbuffertrace;", RP(), RP());
    emit_format("%sctxlinetoerase=%sctxbuffertrace;", RP(), RP());
    emit_format("%sctxlastline=%sctxbuffertrace;", RP(), RP());
}

void write_instance_index_block()
{
    emit_format("if (%sinstancename)", RP());
    emit_open_block();
    emit_text("/* Computing index of executed instance */");
    for (SemanticEntry *e : instances()) {
        int number = e->descriptor ? instance_number(desc(e)) : 0;
        emit_format("if (zrk_strcmp (\"%s\",%sinstancename) == 0)", e->name, RP());
        emit_open_block();
        emit_format("%sctxnuminstance = %d;", RP(), number);
        emit_close_block();
    }
    emit_close_block();
}

bool instance_declared_mode(int mode) { return mode == 2 || mode == 3; }

void write_thread_parameters()
{
    const GenerationRequest &r = *source_context.request;
    emit_text("if ( arg->zrk_filters )");
    emit_open_block();
    if (r.filters && *r.filters) {
        emit_text("ZRK_T_CAR zrk_l_lstflt[30];");
        emit_text("ZRS_STRCPY (zrk_l_lstflt,arg->zrk_filters);");
        emit_format("ZRS_STRCAT (zrk_l_lstflt, \"%s\" );", r.filters);
        emit_format("%sset_lstflt(0,(char **)0,zrk_l_lstflt);", RP());
    } else {
        emit_format("%sset_lstflt(0,(char **)0,arg->zrk_filters);", RP());
    }
    emit_close_block();
    emit_text("if ( arg->zrk_riofilename )");
    emit_format("%sset_riofilename(0,(char **)0,arg->zrk_riofilename);", RP());
    emit_text("else");
    emit_format("%sset_riofilename(0,(char **)0,rio_file_name);", RP());
    emit_text("if ( arg->zrk_instance )");
    emit_format("%sset_instancename(0,(char **)0,arg->zrk_instance);", RP());
    emit_text("else");
    emit_format("%sset_instancename(0,(char **)0,%sinstancename);", RP(), RP());
    emit_format("%sctxoccid = ( arg->zrk_occid );", RP());
    if (instance_declared_mode(r.instance_mode))
        write_instance_index_block();
}

void write_main_parameters()
{
    int mode = source_context.request->instance_mode;
    emit_format("%sset_lstflt(argc,argv,\"\");", RP());
    emit_format("%sset_riofilename(argc,argv,rio_file_name);", RP());
    if (mode == 1)
        emit_format("ZRS_STRCPY(%sinstancename,fixed_instance);", RP());
    if (instance_declared_mode(mode)) {
        emit_format("%sset_instancename(argc,argv,0);", RP());
        write_instance_index_block();
    }
    emit_format("%sset_occid(argc,argv,0);", RP());
    if (instance_declared_mode(mode))
        write_instance_index_block();
}

void write_instance_validity()
{
    if (instance_declared_mode(source_context.request->instance_mode)) {
        std::string x = "(" + runtime_path + "ctxnuminstance == -1)";
        emit_format("%sset_instancevalid(!%s);", RP(), x.c_str());
        emit_format("%sset_instancerequired(%s);", RP(), x.c_str());
        if (source_context.thread_entry)
            emit_format("%sset_instancerequired(0);", RP());
        else
            emit_format("%sset_instancerequired(%s);", RP(), x.c_str());
    } else {
        emit_format("%sset_instancevalid(1);", RP());
        emit_format("%sset_instancerequired(0);", RP());
    }
}

/* The date and the compiler's process id tie the results file to this
** generation. */
void write_results_file()
{
    const char *date = source_context.request->time_text;
    long id = run_generation_id();
    write_dynflw_open();
    emit_format("%sinitrio_with_dynamicfollowing (\"%s %ld\",", RP(), date, id);
    emit_else();
    emit_format("%sinitrio_no_dynamicfollowing (\"%s %ld\",", RP(), date, id);
    write_dynflw_close();
    emit_ifdef("ZRK_SCENARIA_DEBUG");
    emit_format("\"D\");");
    emit_else();
    emit_format("\"\");");
    emit_endif();
}

/* The root scenario is the last global entry (ENTCODUNK otherwise). */
SemanticEntry *root_scenario()
{
    SemanticEntry *root = global()->last;
    if (!root || root->kind != EK_SCENARIO)
        report_at(SEV_FATAL, "ENTCODUNK",
                  root ? QString::number(root->kind) : QString(), nullptr, 0);
    return root;
}

const ScriptFile *file_numbered(uint32_t number)
{
    for (const ScriptFile *f = source_context.request->files; f; f = f->next)
        if (f->number == number)
            return f;
    return nullptr;
}

void write_dynamic_following(SemanticEntry *root)
{
    long date_sum = 0;
    for (const char *c = source_context.request->time_text; *c; c++)
        date_sum += (unsigned char)*c - 32;
    date_sum += run_generation_id();
    write_dynflw_open();
    emit_open_block();
    emit_format("zrk_sprintf (tstnaming, \"\\\"%%s\\\"\", %sctxtesternaming);", RP());
    emit_format("if ( priv_boot_tagtlk( &(%sctxtagtsocket), %sinstancename, tstnaming, "
                "&(%sctxtagttimeout), &(%sctxtagtcommactivated)) )",
                RP(), RP(), RP(), RP());
    emit_open_block();
    emit_text("ZRS_EXIT (1);");
    emit_close_block();
    emit_text("else");
    emit_open_block();
    for (uint32_t k = 1; const ScriptFile *f = file_numbered(k); k++) {
        emit_format("%snotify_tsf (%u, %ld, %ld);", RP(), k, f->identity_key,
                    date_sum + long(f->crc));
        emit_format("/* To_spv: %u -> (%ld,%lu) - %s -*/", k, f->size,
                    (unsigned long)f->crc, f->name);
    }
    emit_close_block();
    emit_close_block();
    emit_line();
    emit_format("%sdeclare_ni_tsf (%u);", RP(), root->file_number);
    write_dynflw_close();
    emit_line();
}

void write_root_run(SemanticEntry *root)
{
    int depth = source_context.depth;
    emit_format("%sstartchronomarkloop ( %d, %d , %d, zrk_zirko->J%d, \"\", 0, 0);",
                RP(), root->tdc_end_id, root->tdc_id, depth, depth);
    emit_format("zrk_local_state = zrk_zirko->zrk_S%d ();", root->tdc_id);
    emit_format("%sstopchronomarkloop (zrk_local_state, %d, %d, zrk_zirko->J%d, \"\", 0, 0);",
                RP(), root->tdc_end_id, depth, depth);
    if (source_context.trace_buffering)
        emit_format("%sflush_circular_buffer (K_TRACECTX_MAX_PRIORITY);", RP());
    emit_format("%send ();", RP());
}

void write_entry_end()
{
    write_dynflw_open();
    emit_format("%sendoftester_tagtlk ();", RP());
    emit_format("priv_close_tagtlk ( &(%sctxtagtsocket) );", RP());
    write_dynflw_close();
    emit_line();
    if (source_context.allocation == 2) {
        /* the buffer came from new[]: it goes back with delete[] */
        if (source_context.trace_buffering)
            emit_format("delete [] %sctxbuffertrace;", RP());
        emit_text("delete zrk_zirko;");
    }
    if (source_context.thread_entry) {
        emit_text("zrk_thr_exit ((zrk_local_state != 0));");
    } else {
        emit_text("ZRS_EXIT ((zrk_local_state != 0));");
        emit_text("return ( 0 );");
    }
}

void write_entry_function()
{
    int mode = source_context.request->instance_mode;
    if (mode < 0 || mode > 3)
        report_fatal("BADPARAMS");
    write_thread_table();
    if (source_context.thread_entry)
        emit_format("ZRK_T_THREAD_RETURN  %s(ZRK_PT_ARG arg)", source_context.thread.c_str());
    else
        emit_text("ZRK_T_INT main(ZRK_T_INT argc,ZRK_PT_CAR *argv)");
    emit_open_block();
    write_entry_locals();
    write_driver_object();
    write_trace_settings();
    emit_format("%sset_trace_functions();", RP());
    emit_format("%sctxnuminstance = 1;", RP());
    emit_format("%sinstancename[0] = '\\0';", RP());
    emit_format("%sctxtesternaming[0] = '\\0';", RP());
    if (source_context.thread_entry)
        write_thread_parameters();
    else
        write_main_parameters();
    write_dynflw_open();
    emit_format("%sset_testernaming ();", RP());
    write_dynflw_close();
    write_instance_validity();
    emit_format("%sctxflagprobe = 0;", RP());
    write_results_file();
    SemanticEntry *root = root_scenario();
    emit_format("zrk_zirko->J%d = 1;", source_context.depth);
    write_dynamic_following(root);
    write_root_run(root);
    write_entry_end();
    emit_close_block();
}

void set_context(const GenerationRequest &r)
{
    SourceContext &c = source_context;
    c = SourceContext();
    c.request = &r;
    c.global = r.global;
    c.timers = r.timer_count;
    c.trace_level = r.trace;
    c.buffer_size = r.bufsize * 1024;
    c.trace_buffering = c.trace_level > 0 && c.buffer_size > 0;
    c.allocation = r.allocation;
    c.probe = r.probe;
    c.thread = r.start_routine && *r.start_routine ? r.start_routine : "<main>";
    c.thread_entry = c.thread != "<main>";
    runtime_path = std::string(P) + "zirko->" + RT + "." + P;
    index_global_entries();
}

} // namespace

void index_global_entries()
{
    SourceContext &c = source_context;
    for (auto *list : {&c.commtypes, &c.channels, &c.message_types, &c.callbacks,
                       &c.type_uses})
        list->clear();
    for (SemanticEntry *e = c.global ? c.global->first : nullptr; e; e = e->next) {
        switch (e->kind) {
        case EK_COMMTYPE: c.commtypes.push_back(e); break;
        case EK_CHANNEL: c.channels.push_back(e); break;
        case EK_MESSAGE_TYPE: c.message_types.push_back(e); break;
        case EK_CALLBACK: c.callbacks.push_back(e); break;
        case EK_TYPE_USE: c.type_uses.push_back(e); break;
        default: break;
        }
    }
}

/* "ZRK_T_INT zrk_P<id> (int, char *)": the declaration of a procedure, or
** with qualifier "ZIRKO::" the head of its definition. */
void procedure_signature(SemanticEntry *procedure, const char *qualifier,
                         std::string &out)
{
    checked_sprintf(out, "ZRK_T_INT %s%sP%d (", qualifier, P, procedure->tdc_id);
    Scope *params = procedure->descriptor ? proc_params(procedure->descriptor) : nullptr;
    bool first = true;
    for (SemanticEntry *p = params ? params->first : nullptr; p; p = p->next) {
        if (p->kind != EK_PARAM || !p->descriptor)
            continue;
        if (!first)
            out += ", ";
        out += text_or_empty(param_type_name(p->descriptor));
        first = false;
    }
    out += ")";
}

const char *handler_parameters(SemanticEntry *handler)
{
    if (handler->kind == EK_CALLBACK && handler_table(handler->descriptor))
        return "(ZRK_T_INT zrk_RegId)";
    return "(ZRK_T_INT zrk_RegId, ZRK_T_INT zrk_index)";
}

void generate_source(const GenerationRequest &request)
{
    set_context(request);
    reset_handler_lists();
    emit_open_file(request.source_name);
    write_header();
    if (source_context.probe) {
        write_thread_class_name();
        write_interface_includes();
        generate_probe_source();
        emit_close_file();
        return;
    }
    write_guard_block();
    write_thread_class_name();
    write_interface_includes();
    write_script_c_lines();
    write_size_constants();
    write_declarations();
    write_connection_tables();
    write_class_declaration();
    write_context_defines();
    write_time_function();
    write_constructor();
    write_state_initialisation();
    write_static_object();
    write_bodies();
    write_entry_function();
    emit_close_file();
}
