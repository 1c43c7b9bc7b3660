/*
** src/codegen/source_int.h
** Generated driver source: the internals its files share; not included
** outside src/codegen (tests excepted).
**
** emitter.cc writes the lines of the source file (indentation, blocks,
** preprocessor lines); source_layout.cc writes the file from first to last
** line and calls, for each body, the writers of statement_code.cc (scenarios
** and procedures), message_code.cc (message functions, callbacks,
** procsends, wait functions) and probe_code.cc (the rest of a probe-mode
** file).  All of them write through the emitter.
*/
#ifndef ZRS_SOURCE_INT_H
#define ZRS_SOURCE_INT_H

#include "codegen.h"
#include "script.h"

#include <cstdio>
#include <string>
#include <vector>

/* ---- emitter.cc: the line emitter ---- */

/* Lines are formatted straight into the output buffer, which grows as
** needed, so no generated line can overflow it.  The buffer holds the
** complete lines not yet written, then the line being built.  `level`
** counts indentation blanks; lines beginning with '#' are never indented. */
struct SourceEmitter {
    FILE *out = nullptr;
    std::string name;              /* file name, for messages */
    int level = 0;                 /* blanks before a line; <= 0: none */
    std::vector<char> buffer;      /* its size is the room; `used` is filled */
    size_t used = 0;
    size_t line_start = 0;         /* where the line being built begins */
    int line_blanks = -1;          /* blanks written before it; -1: no line */
};
extern SourceEmitter source_emitter;

/* Opens the source file for writing (FICERROPN, fatal) and resets the
** indentation; closing checks the write. */
void emit_open_file(const char *name);
void emit_close_file();
/* Writes into an open stream instead (tests); the level is reset. */
void emit_to_stream(FILE *stream);
/* Writes the complete lines to the stream (closing the file does it). */
void emit_flush();

/* Appends formatted text to the line being built. */
void line_append(const char *format, ...) __attribute__((format(printf, 1, 2)));
/* Ends the line being built (indented unless it begins with '#'); with
** nothing appended, an empty or blanks-only line. */
void emit_line();
/* Drops the line being built. */
void line_clear();
/* A formatted text of any length, made by the line formatter. */
std::string format_text(const char *format, ...) __attribute__((format(printf, 1, 2)));
/* The line being built replaced by formatted text, then ended. */
void emit_format(const char *format, ...) __attribute__((format(printf, 1, 2)));
/* A line of text written as it is (a '%' is no conversion), indented as
** emit_format would. */
void emit_text(const char *text);
/* "{" one level deeper than the owner, the contents two levels deeper. */
void emit_open_block();
void emit_close_block();
/* Preprocessor lines written directly, never indented. */
void emit_define(const char *name, const char *value);
void emit_ifdef(const char *name);
void emit_else();
void emit_endif();
void emit_undef(const char *name);

/* ---- source_layout.cc: the generation context ---- */

/* What the file depends on, read once from the request. */
struct SourceContext {
    const GenerationRequest *request = nullptr;
    Scope *global = nullptr;
    int timers = 0;
    int trace_level = 0;           /* 0, 5, 10, 20, 50 */
    int buffer_size = 0;           /* trace buffer bytes */
    bool trace_buffering = false;  /* trace level and buffer size above 0 */
    int allocation = 0;            /* 0 static, 1 stack, 2 dynamic */
    int probe = 0;                 /* 0 none, 1 default, 2 custom */
    std::string thread;            /* "<main>" or the thread function */
    bool thread_entry = false;
    int depth = 0;                 /* scenario depth counter, 0 between bodies */
    /* The global entries of the kinds statement code looks up, in table
    ** order: every WAITTIL adds a wait function to the global scope, so
    ** walking that scope per statement would cost the square of the
    ** script's size. */
    std::vector<SemanticEntry *> commtypes, channels, message_types,
        callbacks, type_uses;
};
extern SourceContext source_context;
/* Fills the entry lists of the context from its global scope (done when a
** run starts; tests that build tables by hand call it). */
void index_global_entries();

/* ---- statement_code.cc: scenario and procedure bodies ---- */
/* (scenario_code.cc writes the functions, statement_code.cc their
** statement lists, call_code.cc the CALL statements) */
void generate_scenario_code(SemanticEntry *scenario);
void generate_procedure_code(SemanticEntry *procedure);
/* A CATCH declaration joins the handlers that statement code uses. */
void record_catch_handler(SemanticEntry *catch_entry);
/* Labels pending at the end of a body are dropped: the handlers declared
** by CATCH statements of the function just written. */
void clear_pending_labels();
/* A new run: no handler of any level is known. */
void reset_handler_lists();
/* The common body writer: the leading declarations, then the statements
** inside ZRK_TRY and the try ending.  Callbacks and procsends use it too. */
void generate_statement_list(Scope *list);
/* The items of a nested list (a WHILE, IF or WHEN body, a definition),
** without a try of their own. */
void generate_nested_items(Scope *list);
/* The arguments of a CALL or a call-form block, appended to the line being
** built: ", " between them, "&" before one passed by address. */
void append_call_arguments(SemanticEntry *call);
/* "#ifdef ZRK_SCENARIA_DEBUG", return the debug value, "#else", return the
** normal value, "#endif". */
void write_debug_ending(const char *debug_value, const char *normal_value);
/* After a failed check: debug builds note it and go on, others return 1. */
void write_short_debug_ending();
SemanticEntry *scope_first_entry(const Scope *scope);
/* The line between "#if ZRS_DYNFLW" and its "#endif". */
void emit_dynflw(const std::string &line);

/* ---- call_code.cc: CALL statements and exception handlers ---- */
void generate_call_statement(SemanticEntry *call);
/* A CATCH statement's handler, for the calls after it in the function. */
void record_local_catch_handler(SemanticEntry *catch_entry);

/* ---- message_code.cc: message functions and handlers ---- */
void generate_reference_code(SemanticEntry *message_type);  /* _ref_msg, _cmp_msg */
void generate_dump_code(SemanticEntry *message_type);       /* _dump_msg */
void generate_callback_code(SemanticEntry *callback);
void generate_procsend_code(SemanticEntry *procsend);
void generate_wait_code(SemanticEntry *wait_function);
/* The statements whose code is message code: VAR (a value root of code
** DC_VALUE_INIT or DC_VALUE_CHECK), ADD_ID, WAITTIL, INTERSEND and
** INTERRECV.  Writes the statement and answers true for
** those kinds; false, writing nothing, for any other. */
bool generate_message_statement(SemanticEntry *statement);
/* True when the message type's functions have a body to write. */
bool has_reference_messages(SemanticEntry *message_type);
bool has_selection_description(SemanticEntry *message_type);

/* value_walker.cc: a value description written in one of five modes. */
enum WalkMode {
    WM_REFERENCE_INIT,   /* expected values assigned (VAR INIT, DEF_MESSAGE) */
    WM_VALUE_CHECK,      /* a VAR check reported to the runtime */
    WM_COMPARISON,       /* received against reference, in _cmp_msg */
    WM_REFERENCE_DUMP,   /* the active definition's lines, in _ref_msg */
    WM_MESSAGE_DUMP      /* a received message, in _dump_msg */
};
/* The nodes under a value root, the access and expected paths starting
** at `path`; the message type names the union selectors of a dump. */
void walk_values(WalkMode mode, SemanticEntry *root, const char *path,
                 const char *message_type);
/* One node at array depth `depth`; `root` is the event name whose Min and
** Max copies a reference initialisation assigns. */
void walk_node(WalkMode mode, SemanticEntry *node, const std::string &path,
               const std::string &expected, int depth, const char *message_type,
               const char *root);

/* message_code.cc: "zrk_debug_state = 1;" or a return, by debug switch. */
void short_debug_ending();

/* handler_code.cc and waittil_code.cc: the statements of message code. */
void generate_add_id(SemanticEntry *statement);
void generate_waittil(SemanticEntry *statement);
void generate_intersend(SemanticEntry *statement);
void generate_interrecv(SemanticEntry *statement);

/* ---- probe_code.cc: a probe-mode file after its includes ---- */
void generate_probe_source();

/* ---- source_layout.cc: texts the bodies share ---- */
/* "ZRK_T_INT zrk_P<id> (" and the parameter types, up to ")". */
void procedure_signature(SemanticEntry *procedure, const char *qualifier,
                         std::string &out);
/* The callback's parameter list: "(ZRK_T_INT zrk_RegId[, ZRK_T_INT zrk_index])". */
const char *handler_parameters(SemanticEntry *handler);

#endif
