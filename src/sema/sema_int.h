/*
** src/sema/sema_int.h
** Semantic analysis internals shared by its files; not included outside
** src/sema (tests excepted).
**
** One walk over the syntax tree: analyse.cc runs it (built-in
** declarations, global scope, instance mode, declaration pass, summary),
** declarations.cc analyses the declarations, units.cc procedures,
** callbacks, procsends and catches, body.cc the bodies and their instance
** sections, statements.cc and call.cc the statements, types.cc reduces C
** types to type classes, scenarios.cc the scenario tree and its
** selection, waittil.cc the WAITTIL conditions, values.cc DEF_MESSAGE, VAR
** and the value descriptions, print.cc prints the tables.
*/
#ifndef ZRS_SEMA_INT_H
#define ZRS_SEMA_INT_H

#include "sema.h"

#include "capi.h"
#include "diag.h"
#include "script.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

/* Consecutive native declaration lines waiting for the C/C++ analysis. */
struct PendingNative {
    std::string text;              /* the lines, a newline between them */
    const char *file = nullptr;    /* file of the first line */
    uint32_t line = 0;             /* line of the first line */
    bool empty = true;
};

/* Numbers by the hash of a key, open-addressed: an index of many
** thousand keys looked up once per statement must not chase a node per
** key. */
class HashIndex {
public:
    /* The number held for the hash, valid until the next slot is added;
    ** `added` says the hash is new, and its number is -1.  Hashes 0 and 1
    ** share a slot: a caller checks the key of what it finds. */
    int32_t &slot(uint64_t hash, bool &added);
    void clear();

private:
    struct Slot {
        uint64_t hash;             /* 0: empty */
        int32_t number;
    };
    std::vector<Slot> slots_;      /* a power of two of them */
    size_t count_ = 0;
};

/* What C texts of the units gave, kept while the model is unchanged, by
** the scope whose names a text sees and the text (see unit_text_key). */
template <typename T> struct UnitTextResults {
    std::unordered_map<std::string, T> kept;
    unsigned long serial = 0;
};

/* The class and printed text of a type in a value description. */
struct DescribedType {
    int type_class;
    std::string text;
};

/* One values text to check against a variable and describe. */
struct ValueCheck {
    std::string variable;      /* the variable's script text */
    CType *type = nullptr;     /* its type; null: typed from the text */
    std::string type_name;     /* the name `type` was made from, when given */
    std::string values;        /* the text after "=" */
    uint32_t code = 0;         /* DC_VALUE_INIT, DC_VALUE_CHECK, DC_VALUE_COMPARE */
    const SyntaxNode *at = nullptr;
};

/* Checked values, ready to be described. */
struct ValueLayout;   /* values.cc: what their descriptions are made from */
struct CheckedValues {
    CExpr *tree = nullptr;         /* the parsed values */
    CType *type = nullptr;         /* the variable's type */
    CType *owned = nullptr;        /* the type when typed from the text */
    std::vector<ValueItem> items;  /* matched against the type */
    bool default_reception = false;
    /* made at the first description; a kept check has only this */
    std::shared_ptr<const ValueLayout> layout;
};

/* Run-wide state of one analysis, set up by analyse_script. */
struct AnalysisState {
    const SemanticRequest *request = nullptr;
    Scope *global = nullptr;
    int instance_mode = 0;         /* 0 none, 1 selected, 2 declared, 3 unknown */
    int instance_rank = 1;         /* rank of the selected instance */
    /* counters */
    int message_types = 0;         /* next message type number */
    int commtypes = 0;             /* next communication type number */
    int highest_channel = 0;       /* highest channel index of all channels */
    int timers = 0;                /* next timer number */
    int waittils = 0;              /* next WAITTIL number */
    int def_messages = 1;          /* next DEF_MESSAGE number */
    int instances = 2;             /* next instance number */
    int temporaries = 0;           /* "zrk_return_%d" and "zrk_p_%d" */
    int ignored_trace_on = 0, ignored_trace_off = 0, ignored_flush_trace = 0;
    int open_instance_blocks = 0;
    bool msgrcv_declared = false;  /* "int zrk_msgrcv;" handed over */
    PendingNative pending;
    /* the body being analysed */
    std::string unit;              /* its name for the C/C++ analysis */
    bool statements_seen = false;  /* a statement group was analysed */
    bool in_proc_body = false;     /* inside a PROC body */
    /* waittil.cc: the callbacks of the global scope seen so far, and the
    ** last global entry looked at for them */
    std::vector<SemanticEntry *> callbacks;
    SemanticEntry *callbacks_scanned = nullptr;
    /* Lookups a large script repeats per statement, kept off the walk of
    ** the whole global scope. */
    std::vector<SemanticEntry *> procsends;                     /* in order */
    std::unordered_map<std::string, SemanticEntry *> functions; /* by prototype */
    /* the same by function type and name, while the model is unchanged
    ** (making a prototype's text was most of a CALL's analysis) */
    std::map<std::pair<const CType *, std::string>, SemanticEntry *> function_uses;
    unsigned long function_uses_serial = 0;
    /* types.cc: the class and dimension of value texts that reported
    ** nothing, while the model is unchanged */
    UnitTextResults<std::pair<int, int>> text_classes;
    /* values.cc: each message's latest DEF_MESSAGE reception record */
    std::unordered_map<const SemanticEntry *, SemanticEntry *> latest_definition;
    /* values.cc: the class and text of each described part's type */
    std::unordered_map<const CType *, DescribedType> described_types;
    /* values.cc: the clean checks of values texts met more than once,
    ** while the model is unchanged (scripts repeat their expected values),
    ** with their keys; the index has each key met, by hash: the place of
    ** its check, or -1 */
    std::vector<std::pair<std::string, CheckedValues>> checked_texts;
    /* the types of message types' values, by the scope seen and the name */
    UnitTextResults<CType *> value_types;
    HashIndex checked_text_index;
    unsigned long checked_texts_serial = 0;
};
extern AnalysisState analysis;

/* ---- util.cc: positions, entries, texts ---- */
/* report_at with the node's file and line. */
void sema_report(int severity, const char *code, const QString &arg,
                 const SyntaxNode *node);
/* An entry name: a copy, or for an empty name the shared empty text
** (entries never release an empty name). */
extern char empty_name[];
char *copy_name(const char *name);
/* add_entry at the node's position; name and aux are copied (may be null). */
SemanticEntry *add_node_entry(Scope *scope, uint32_t kind, const char *name,
                              const SyntaxNode *node, const char *aux = nullptr);
char *copy_text(const char *text);          /* null stays null */
std::string trimmed(const char *text);      /* without outer blanks; null is "" */
/* The start of a key for what a C text analysed in the current unit
** gives while the model is unchanged: the scope whose names it sees.
** What a text gives is kept only when it reported nothing and needs no
** preprocessing, whose result may depend on the line or on the macros
** defined since (text_needs_preprocessing). */
void unit_scope_key(std::string &key);
/* The key of a text of the current unit among the results kept, which
** are dropped first when the model has changed since they were made. */
template <typename T>
std::string unit_text_key(UnitTextResults<T> &results, const char *text)
{
    if (results.serial != interface_model_serial()) {
        results.kept.clear();
        results.serial = interface_model_serial();
    }
    std::string key;
    unit_scope_key(key);
    key += text;
    return key;
}
/* A constant: a literal, or a name the preprocessor turns into something
** that is not a name (a macro standing for a constant); "" is not one. */
bool constant_text(const std::string &text, const SyntaxNode *at);
/* The script text of an NK_EXPR chain: its pieces joined by one blank,
** MATCHED-family terms in their script form. */
std::string expression_text(const SyntaxNode *expr);
/* Hands one declaration text to the C/C++ analysis in the current unit,
** at the node's position (preprocessed first). */
void declare_text(const char *text, const char *file, uint32_t line);
/* Pushes a unit (scenario, procedure, callback, procsend, block, wait
** function) on the front of the unit chain kept in the global scope. */
void push_on_unit_chain(SemanticEntry *entry);

/* ---- analyse.cc ---- */
void flush_native_text();

/* ---- declarations.cc ---- */
void analyse_declaration(SyntaxNode *node, Scope *scope);
void analyse_timer(SyntaxNode *node, Scope *scope);
void analyse_format(SyntaxNode *node);

/* ---- units.cc ---- */
void analyse_proc(SyntaxNode *node, Scope *scope);
void analyse_callback(SyntaxNode *node, Scope *scope);
void analyse_procsend(SyntaxNode *node, Scope *scope);
void analyse_catch(SyntaxNode *node, Scope *scope, const char *filter);
/* SEND (message, channel) with its procsend choice. */
void analyse_send(SyntaxNode *node, Scope *scope, const char *filter);
/* Closes the C/C++ scope of the unit whose body was analysed. */
void close_unit();

/* ---- body.cc ---- */
/* An NK_BLOCK/NK_DECL_BLOCK chain in the scope of its unit. */
void analyse_body(SyntaxNode *body, Scope *scope);
/* Each instance name of an NK_INSTANCE_LIST must be declared (UNDECISTN);
** true when the selected instance (mode 1) is among them. */
bool check_instance_names(SyntaxNode *names, Scope *scope, bool add_refs);

/* ---- statements.cc ---- */
void analyse_statement(SyntaxNode *statement, Scope *scope);
/* The statements of an NK_INNER_BLOCK. */
void analyse_inner_block(SyntaxNode *block, Scope *scope);

/* ---- call.cc ---- */
void analyse_call(SyntaxNode *node, Scope *scope, const char *filter);
/* The arguments of a script procedure, as CALL checks them; the
** EK_CALL_ARG entries go into `scope`. */
void check_procedure_arguments(SyntaxNode *args, SemanticEntry *proc,
                               Scope *scope, const SyntaxNode *at);

/* ---- types.cc: type classes ---- */
/* The type under its typedef names and modifiers (kinds 7 and 11). */
const CType *without_typedefs(const CType *type);
/* The class of a type (17 when null is given as "no type"), with its
** printed text when `text` is not null. */
int type_class(const CType *type, std::string *text);
bool classes_compatible(int a, int b);
/* Types a value text in the current unit: its class, and the first array
** dimension in *dimension (0 when not an array).  -1 when the text cannot
** be analysed; 8 for NONIL. */
int value_text_class(const char *text, int *dimension);
/* Derivation steps from class type `from` to its base `to`: 0 for the
** same type, -1 when `to` is not a base of `from`. */
int class_distance(const CType *from, const CType *to);

/* ---- scenarios.cc ---- */
void analyse_scenario_items(SyntaxNode *items, Scope *scope);
int select_scenario(const char *qualified_name);

/* ---- waittil.cc ---- */
enum TermForm { TERM_C, TERM_SCRIPT };
void analyse_waittil(SyntaxNode *node, Scope *scope, const char *filter);
/* The C or script text of a MATCHED-family term; false after UNKMSGNAM. */
bool term_text(const SyntaxNode *term, TermForm form, std::string &out);

/* ---- values.cc ---- */
void analyse_def_message(SyntaxNode *node, Scope *scope, const char *filter);
void analyse_var(SyntaxNode *node, Scope *scope, const char *filter);
/* Checks the values and builds their description under a root entry
** added to `scope` (with `filter` as its aux); null after VARNOGOOD.
** The type, when given, must stay alive as long as the tables. */
SemanticEntry *check_values(const ValueCheck &check, Scope *scope, const char *filter);
/* The same in two steps, for values described more than once (the
** record, CheckedValues, is above). */
/* False after VARNOGOOD. */
bool check_value_text(const ValueCheck &check, CheckedValues &out);
/* `quiet` for a later description: its reports were made with the first. */
SemanticEntry *describe_values(CheckedValues &values, const ValueCheck &check,
                               Scope *scope, const char *filter, bool quiet);
void release_checked_values(CheckedValues &values);
/* Releases the kept checks of repeated texts: when the model changed,
** and at the end of an analysis. */
void release_checked_texts();

#endif
