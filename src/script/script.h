/*
** src/script/script.h
** Script front end and semantic tables: what the other subsystems use.
**
** The front end reads the test script with its included files into one
** tree of `SyntaxNode` records and the script file list.  Semantic
** analysis walks the tree into the semantic tables: a tree of `Scope`
** records holding `SemanticEntry` records in source order, each entry with
** an optional `SemanticDescriptor`.  Code generation reads the tables and
** the file list.  Node kinds, entry kinds and descriptor codes are numbered
** by the tables node_kinds.def, entry_kinds.def and descriptor_codes.def.
*/
#ifndef ZRS_SCRIPT_H
#define ZRS_SCRIPT_H

#include "support.h"

#include <cstdint>
#include <string>

/* ---- Script file list ---- */

/* One distinct file read (the script or an included file); the list runs
** newest first, so the script itself is last. */
struct ScriptFile {
    char *name;             /* path as opened (as written, or dir/name) */
    long size;              /* bytes */
    uint32_t crc;           /* CRC-16/KERMIT of the whole content */
    uint32_t number;        /* file number, from 1; equal files share one */
    long identity_key;      /* size + sum of (c - 32) over the directory */
    uint32_t crc16;         /* low 16 bits of crc */
    char *absolute_path;
    char *absolute_dir;
    ScriptFile *next;       /* the file read before this one */
};

/* ---- Syntax tree ---- */

enum NodeKind : uint32_t {
#define NODE(number, name) name = number,
#include "node_kinds.def"
#undef NODE
};

/* Lists are right-recursive chains of one kind: the item in child1 and the
** rest in child2 (child3 for NK_INSTANCE_DECL_LIST and NK_DECL_LIST and
** for the body blocks NK_BLOCK, NK_DECL_BLOCK, NK_INNER_BLOCK). */
struct SyntaxNode {
    uint32_t kind;          /* NodeKind */
    uint32_t line;          /* scanner line when the node was made */
    SyntaxNode *child1, *child2, *child3;
    char *text;             /* copy of a token text (leaf kinds), kept with the node */
    const char *file;       /* script file being read; owned by its ScriptFile */
    uint32_t file_number;   /* that file's number */
};

/* Makes a node at the scanner's current position; copies text. */
SyntaxNode *make_node(uint32_t kind, SyntaxNode *child1, SyntaxNode *child2,
                      SyntaxNode *child3, const char *text);
/* Releases a tree; its texts go with it when with_text is 1 (outside
** sanitizer builds they live with the nodes and go with them anyway). */
void free_tree(SyntaxNode *node, int with_text);
/* Internal error unless node is non-null and of the given kind. */
void expect_node(const SyntaxNode *node, uint32_t kind);
/* NK_STRING: its text; NK_ENVVAR: a new copy of the variable's value (the
** node's text is dropped).  Any other kind is an internal error. */
char *node_text_value(SyntaxNode *node);
/* True for null, NK_EMPTY, and an NK_EXPR made only of empty pieces. */
bool expr_is_empty(const SyntaxNode *node);
/* "NK_CALL" for NK_CALL; null for a number no kind has. */
const char *node_kind_name(uint32_t kind);
/* One-line form of a tree for tests and debugging:
** (KIND "text" child1 child2 child3), null children as "-", trailing null
** children left out; with_lines adds ":line" after each kind. */
void print_tree(const SyntaxNode *node, std::string &out, bool with_lines = false);

/* ---- Parsing ---- */

struct ParseResult {
    SyntaxNode *tree = nullptr;
    ScriptFile *files = nullptr;   /* newest first: the script itself last */
    int scanner_flags = 0;         /* 1: COMMTYPE seen; 2: TRIGGER seen */
};

/* Parses the script; a script that cannot be opened ends the run
** (FICNOTOPN).  Syntax errors are reported and counted; the tree is then
** incomplete or null. */
void parse_script(const char *file, const TextList &include_dirs,
                  int comment_flag, ParseResult *out);

/* ---- Semantic tables ---- */

enum EntryKind : uint32_t {
#define ENTRY(number, name) name = number,
#include "entry_kinds.def"
#undef ENTRY
};
const uint32_t EK_LAST = 83;

enum DescriptorCode : uint32_t {
#define DESC(code, name, release) name = code,
#include "descriptor_codes.def"
#undef DESC
};
const uint32_t DC_FIRST = 101, DC_LAST = 157;

struct SemanticEntry;
struct SemanticDescriptor;

struct Scope {
    Scope *parent;                 /* null for the global scope */
    SemanticDescriptor *owner;     /* descriptor whose block this is, or null */
    SemanticEntry *first, *last;   /* doubly linked entries, in order */
    SemanticEntry *unit_chain;     /* global scope only: units, newest first */
};

struct SemanticEntry {
    Scope *scope;                  /* the scope holding the entry */
    uint32_t kind;                 /* EntryKind */
    char *name;                    /* owned copy, or null */
    SemanticDescriptor *descriptor;
    SemanticEntry *next, *prev;
    char *aux;                     /* owned; statements: the execution filter */
    const char *file;              /* position of the construct */
    uint32_t line;
    uint32_t file_number;
    SemanticEntry *link;           /* unit chain */
    /* Numbers the side-file writers allot, written again by the source
    ** generator into its calls; 0 until the writer has run. */
    int32_t tdc_id;                /* TDC begin identifier */
    int32_t tdc_end_id;            /* TDC end identifier, items with an end record */
    int32_t trace_node;            /* node number of the trace description */
};

struct CType;

/* Zero-filled at creation: a slot its creator does not set reads as null
** or 0.  The slots after `code` mean what descriptor_fields.def says for
** the code, which also defines a named accessor per slot and code
** (`scenario_qualified_name(d)`, `channel_index(d)`, ...); use those.
** The lookups of the global scope set `flag` (referenced, used), and the
** reachability walk sets it for procedures (called).  Texts and the
** second scope are owned and released with the descriptor; entries and
** types are references. */
struct SemanticDescriptor {
    Scope *inner;                  /* block owned by the descriptor, or null */
    SemanticEntry *entry;          /* owning entry (entry->descriptor == this) */
    uint32_t code;                 /* DescriptorCode, 101 to 157 */
    int32_t flag;
    SemanticEntry *target;
    SemanticEntry *target2;
    SemanticEntry *target3;
    Scope *second_scope;
    char *texts[6];
    int32_t number;
    int32_t number2;
    int32_t number3;
    int32_t type_class;
    int32_t line;
    int32_t low, high;
    CType *ctype;
};

/* The named accessors of descriptor_fields.def. */
#define FIELD_TYPE_TEXT char *
#define FIELD_TYPE_INT int32_t
#define FIELD_TYPE_ENTRY SemanticEntry *
#define FIELD_TYPE_SCOPE Scope *
#define FIELD_TYPE_CTYPE CType *
#define FIELD(code, type, slot, accessor)                                    \
    inline FIELD_TYPE_##type &accessor(SemanticDescriptor *d) { return d->slot; }
#define SHARED(code, type, slot, accessor)
#include "descriptor_fields.def"
#undef FIELD
#undef SHARED

/* Process-wide state of the semantic tables. */
struct SemanticState {
    Scope *global;                 /* made by analysis before any entry */
    int open_sections;             /* instance sections currently open */
    int instance_mode;             /* 1: one fixed instance is selected */
};
extern SemanticState semantic_state;

Scope *new_scope(SemanticDescriptor *owner, Scope *parent);
SemanticEntry *add_entry(Scope *scope, uint32_t kind, char *name,
                         const char *file, uint32_t file_number, uint32_t line,
                         char *aux);
SemanticEntry *add_entry_front(Scope *scope, uint32_t kind, char *name,
                               const char *file, uint32_t line, char *aux);
SemanticEntry *add_entry_unit_front(Scope *scope, uint32_t kind, char *name,
                                    const char *file, uint32_t line);
SemanticEntry *add_value_entry(Scope *scope, uint32_t kind, char *name,
                               const char *file, uint32_t line);
SemanticDescriptor *add_descriptor(SemanticEntry *entry, uint32_t code);
/* Instance sections of a body: begin_kind and end_kind are the BEGIN and END
** entry kinds; no entries are made in instance mode 1. */
SemanticEntry *open_instance_section(const SyntaxNode *node, Scope *scope,
                                     uint32_t begin_kind);
SemanticEntry *close_instance_section(const SyntaxNode *node, Scope *scope,
                                      uint32_t end_kind);

/* Lookups in the global scope: first entry of the kind with that name. */
SemanticEntry *find_commtype(const char *name);
SemanticEntry *find_channel(const char *name);
SemanticEntry *find_message_type(const char *name);
SemanticEntry *find_message(const char *name);
SemanticEntry *find_proc(const char *name);
SemanticEntry *find_callback(const SyntaxNode *message_type, const char *commtype);
/* The same first-match lookup for any kind, without setting any flag:
** for checks that a name is declared, which are not uses of it. */
SemanticEntry *find_global_entry(uint32_t kind, const char *name);

/* The memory of the tables: records (zeroed) and the texts they own.
** Released with the tables by free_entries. */
void *table_record(size_t size);
char *table_text(const char *text);          /* null in, null out */
char *table_text(const std::string &text);
char *table_text(const char *text, size_t length);   /* a terminated copy */
void free_entries(Scope *scope);
bool scope_contains(Scope *scope, uint32_t kind);
void mark_reachable(Scope *scope);
/* "EK_CALL" for EK_CALL; null for a number no kind has. */
const char *entry_kind_name(uint32_t kind);

void free_syntax_tree(SyntaxNode *tree);
void free_script_files(ScriptFile *files);

#endif
