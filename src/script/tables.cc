/*
** src/script/tables.cc
** Semantic tables: scopes, entries and descriptors, their constructors
** with bound checks, the global-scope lookups, release, and the two walks
** over bodies.
**
** Entry kinds above 83, descriptor codes outside 101..157 and null scopes
** are inconsistencies of the compiler itself: they are internal reports.
** The walks keep their own work lists, so neither deep nesting nor a
** procedure that calls itself can run them out of stack or into a loop.
*/
#include "script_int.h"

#include "diag.h"

#include <cstring>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

SemanticState semantic_state;

namespace {

enum ReleaseRule { DR_USED, DR_RESERVED, DR_UNUSED };

struct DescriptorRow {
    uint32_t code;
    ReleaseRule release;
};

const DescriptorRow descriptor_rows[] = {
#define DESC(code, name, release) {code, release},
#include "descriptor_codes.def"
#undef DESC
};
static_assert(sizeof descriptor_rows / sizeof descriptor_rows[0] == 157 - 101 + 1,
              "descriptor_codes.def: one row per code from 101 to 157");

struct EntryName {
    uint32_t kind;
    const char *name;
};

const EntryName entry_names[] = {
#define ENTRY(number, name) {number, #name},
#include "entry_kinds.def"
#undef ENTRY
};

void check_entry_kind(uint32_t kind, const char *file, uint32_t line)
{
    if (kind > EK_LAST)
        report_at(SEV_INTERNAL, "ENTCODUNK", QString::number(kind), file, int(line));
}

void check_scope(const Scope *scope, const char *file, uint32_t line)
{
    if (!scope)
        report_at(SEV_INTERNAL, "SCPBADPTR", QString(), file, int(line));
}

/* ---- Memory of the tables ----
** A run releases its tables only at its exit: their records and texts
** come from the run arena and are not given back one by one (a heap block
** each was a tenth of a large run).  Under AddressSanitizer each is its
** own heap block, released with the tables, so that a use after release
** is still caught. */
#ifdef ZRS_ADDRESS_SANITIZER
void table_free(void *block)
{
    xfree(block);
}
#else
void table_free(void *) {}
#endif

SemanticEntry *new_entry(Scope *scope, uint32_t kind, char *name,
                         const char *file, uint32_t line, char *aux)
{
    SemanticEntry *entry = static_cast<SemanticEntry *>(table_record(sizeof *entry));
    entry->scope = scope;
    entry->kind = kind;
    entry->name = name;
    entry->aux = aux;
    entry->file = file;
    entry->line = line;
    return entry;
}

void link_last(Scope *scope, SemanticEntry *entry)
{
    entry->prev = scope->last;
    if (scope->last)
        scope->last->next = entry;
    else
        scope->first = entry;
    scope->last = entry;
}

void link_first(Scope *scope, SemanticEntry *entry)
{
    entry->next = scope->first;
    if (scope->first)
        scope->first->prev = entry;
    else
        scope->last = entry;
    scope->first = entry;
}

/* Kinds whose scope is the head of a generated function. */
bool unit_owner(const SemanticEntry *owner)
{
    switch (owner->kind) {
    case EK_PROC: case EK_SCENARIO: case EK_CALLBACK: case EK_PROCSEND:
    case EK_INSTANCE_DECL_BEGIN: case EK_EXCEPTION: case EK_TERMINATION:
    case EK_INITIALIZATION:
        return true;
    default:
        return false;
    }
}

/* The global lookups answer the first entry of a kind and name in list
** order; a script of many declarations would make that walk quadratic, so
** the global scope is indexed as entries enter it.  The index follows
** the scope it was built for and is rebuilt when another one is global. */
struct GlobalIndex {
    const Scope *scope = nullptr;
    std::unordered_map<std::string, SemanticEntry *> first;
    std::vector<SemanticEntry *> callbacks;     /* in list order */
};

GlobalIndex global_index;

std::string index_key(uint32_t kind, const char *name)
{
    std::string key = std::to_string(kind);
    key += ':';
    key += name;
    return key;
}

/* An entry appended to the global scope is first only when its key is
** new; one put at the front always is. */
void index_entry(SemanticEntry *entry, bool at_front)
{
    if (entry->kind == EK_CALLBACK)
        global_index.callbacks.push_back(entry);
    if (!entry->name)
        return;
    SemanticEntry *&slot = global_index.first[index_key(entry->kind, entry->name)];
    if (!slot || at_front)
        slot = entry;
}

void note_global_entry(const Scope *scope, SemanticEntry *entry, bool at_front)
{
    if (scope && scope == global_index.scope)
        index_entry(entry, at_front);
}

void refresh_index()
{
    Scope *global = semantic_state.global;
    if (global_index.scope == global)
        return;
    global_index = GlobalIndex();
    global_index.scope = global;
    for (SemanticEntry *e = global ? global->first : nullptr; e; e = e->next)
        index_entry(e, false);
}

SemanticEntry *find_global(uint32_t kind, const char *name)
{
    if (!semantic_state.global || !name)
        return nullptr;
    refresh_index();
    auto found = global_index.first.find(index_key(kind, name));
    return found == global_index.first.end() ? nullptr : found->second;
}

void set_flag(SemanticEntry *entry)
{
    if (entry && entry->descriptor)
        entry->descriptor->flag = 1;
}

void release_owned(SemanticDescriptor *d)
{
    for (char *&text : d->texts) {
        table_free(text);
        text = nullptr;
    }
    free_entries(d->second_scope);
    d->second_scope = nullptr;
}

void release_descriptor(SemanticDescriptor *d, const SemanticEntry *entry)
{
    ReleaseRule rule = DR_UNUSED;
    if (d->code >= DC_FIRST && d->code <= DC_LAST)
        rule = descriptor_rows[d->code - DC_FIRST].release;
    if (rule == DR_UNUSED) {
        report_at(SEV_INTERNAL, "DSCCODUNK", QString::number(d->code),
                  entry->file, int(entry->line));
        return;
    }
    release_owned(d);
    free_entries(d->inner);
    table_free(d);
}

void release_entry(SemanticEntry *entry)
{
    if (entry->name && *entry->name && entry->kind != EK_INITIALIZATION)
        table_free(entry->name);
    table_free(entry->aux);
    /* A wait function shares its WAITTIL's descriptor, released there. */
    if (entry->descriptor && entry->kind != EK_WAIT_FUNCTION)
        release_descriptor(entry->descriptor, entry);
    table_free(entry);
}

/* The blocks a walk enters below an entry. */
void push_blocks(const SemanticEntry *e, std::vector<Scope *> &work)
{
    const SemanticDescriptor *d = e->descriptor;
    if (!d)
        return;
    switch (e->kind) {
    case EK_WHILE: case EK_CASE:
        work.push_back(d->inner);
        break;
    case EK_IF: case EK_CASE_BRANCH:
        work.push_back(d->inner);
        work.push_back(d->second_scope);
        break;
    default:
        break;
    }
}

/* The procedure an EK_CALL calls, or null for a C function. */
SemanticEntry *called_proc(const SemanticEntry *e)
{
    if (e->kind != EK_CALL || !e->descriptor || !e->descriptor->target)
        return nullptr;
    SemanticEntry *proc = e->descriptor->target;
    return proc->kind == EK_PROC ? proc : nullptr;
}

} // namespace

#ifdef ZRS_ADDRESS_SANITIZER
void *table_record(size_t size)
{
    return xcalloc(1, size);
}

char *table_text(const char *text)
{
    return text ? xstrdup(text) : nullptr;
}

char *table_text(const std::string &text)
{
    return xstrdup(text.c_str());
}

char *table_text(const char *text, size_t length)
{
    char *copy = static_cast<char *>(xmalloc(length + 1));
    memcpy(copy, text, length);
    copy[length] = '\0';
    return copy;
}
#else
void *table_record(size_t size)
{
    return run_alloc(size);
}

char *table_text(const char *text)
{
    return text ? run_text(text, strlen(text)) : nullptr;
}

char *table_text(const std::string &text)
{
    return run_text(text.data(), text.size());
}

char *table_text(const char *text, size_t length)
{
    return run_text(text, length);
}
#endif

const char *entry_kind_name(uint32_t kind)
{
    for (const EntryName &row : entry_names)
        if (row.kind == kind)
            return row.name;
    return nullptr;
}

Scope *new_scope(SemanticDescriptor *owner, Scope *parent)
{
    Scope *scope = static_cast<Scope *>(table_record(sizeof *scope));
    scope->parent = parent;
    scope->owner = owner;
    if (owner)
        owner->inner = scope;
    return scope;
}

SemanticEntry *add_entry(Scope *scope, uint32_t kind, char *name,
                         const char *file, uint32_t file_number, uint32_t line,
                         char *aux)
{
    check_entry_kind(kind, file, line);
    check_scope(scope, file, line);
    SemanticEntry *entry = new_entry(scope, kind, name, file, line, aux);
    entry->file_number = file_number;
    link_last(scope, entry);
    note_global_entry(scope, entry, false);
    return entry;
}

SemanticEntry *add_entry_front(Scope *scope, uint32_t kind, char *name,
                               const char *file, uint32_t line, char *aux)
{
    check_entry_kind(kind, file, line);
    check_scope(scope, file, line);
    SemanticEntry *entry = new_entry(scope, kind, name, file, line, aux);
    link_first(scope, entry);
    note_global_entry(scope, entry, true);
    return entry;
}

SemanticEntry *add_entry_unit_front(Scope *scope, uint32_t kind, char *name,
                                    const char *file, uint32_t line)
{
    check_scope(scope, file, line);
    while (scope->owner && !unit_owner(scope->owner->entry) && scope->parent)
        scope = scope->parent;
    return add_entry_front(scope, kind, name, file, line, nullptr);
}

SemanticEntry *add_value_entry(Scope *scope, uint32_t kind, char *name,
                               const char *file, uint32_t line)
{
    check_entry_kind(kind, file, line);
    check_scope(scope, file, line);
    SemanticEntry *entry = new_entry(scope, kind, name, file, line, nullptr);
    link_last(scope, entry);
    note_global_entry(scope, entry, false);
    return entry;
}

SemanticDescriptor *add_descriptor(SemanticEntry *entry, uint32_t code)
{
    if (code < DC_FIRST || code > DC_LAST)
        report_at(SEV_INTERNAL, "DSCCODUNK", QString::number(code), entry->file,
                  int(entry->line));
    SemanticDescriptor *d =
        static_cast<SemanticDescriptor *>(table_record(sizeof *d));
    d->code = code;
    d->entry = entry;
    entry->descriptor = d;
    return d;
}

SemanticEntry *open_instance_section(const SyntaxNode *node, Scope *scope,
                                     uint32_t begin_kind)
{
    SemanticEntry *entry = nullptr;
    if (semantic_state.instance_mode != 1)
        entry = add_entry(scope, begin_kind, nullptr, node->file,
                          node->file_number, node->line, nullptr);
    if (++semantic_state.open_sections > 1)
        report_at(SEV_INTERNAL, "ISTBADLVL", QString(), node->file, int(node->line));
    return entry;
}

SemanticEntry *close_instance_section(const SyntaxNode *node, Scope *scope,
                                      uint32_t end_kind)
{
    SemanticEntry *entry = nullptr;
    if (semantic_state.instance_mode != 1)
        entry = add_entry(scope, end_kind, nullptr, node->file,
                          node->file_number, node->line, nullptr);
    if (--semantic_state.open_sections < 0)
        report_at(SEV_INTERNAL, "ENTCODUNK", QString::number(end_kind),
                  node->file, int(node->line));
    return entry;
}

SemanticEntry *find_commtype(const char *name)
{
    SemanticEntry *found = find_global(EK_COMMTYPE, name);
    set_flag(found);
    return found;
}

SemanticEntry *find_channel(const char *name)
{
    SemanticEntry *found = find_global(EK_CHANNEL, name);
    set_flag(found);
    return found;
}

SemanticEntry *find_message_type(const char *name)
{
    return find_global(EK_MESSAGE_TYPE, name);
}

SemanticEntry *find_message(const char *name)
{
    return find_global(EK_MESSAGE, name);
}

SemanticEntry *find_proc(const char *name)
{
    return find_global(EK_PROC, name);
}

/* Undeclared names match each other: both references are null. */
SemanticEntry *find_callback(const SyntaxNode *message_type, const char *commtype)
{
    SemanticEntry *type = find_message_type(message_type ? message_type->text : nullptr);
    SemanticEntry *comm = find_commtype(commtype);
    if (!semantic_state.global)
        return nullptr;
    refresh_index();
    for (SemanticEntry *e : global_index.callbacks) {
        SemanticDescriptor *d = e->descriptor;
        if (d && d->target == type && d->target2 == comm) {
            d->flag = 1;
            return e;
        }
    }
    return nullptr;
}

SemanticEntry *find_global_entry(uint32_t kind, const char *name)
{
    return find_global(kind, name);
}

void free_entries(Scope *scope)
{
    if (!scope)
        return;
    if (scope == global_index.scope)
        global_index = GlobalIndex();
    SemanticEntry *entry = scope->first;
    while (entry) {
        SemanticEntry *next = entry->next;
        release_entry(entry);
        entry = next;
    }
    table_free(scope);
}

bool scope_contains(Scope *scope, uint32_t kind)
{
    std::vector<Scope *> work{scope};
    std::unordered_set<const SemanticEntry *> procs_seen;
    while (!work.empty()) {
        Scope *s = work.back();
        work.pop_back();
        for (SemanticEntry *e = s ? s->first : nullptr; e; e = e->next) {
            if (e->kind == kind)
                return true;
            push_blocks(e, work);
            SemanticEntry *proc = called_proc(e);
            if (proc && proc->descriptor && procs_seen.insert(proc).second)
                work.push_back(proc->descriptor->inner);
        }
    }
    return false;
}

/* A procedure's body is walked the first time it is found called. */
void mark_reachable(Scope *scope)
{
    std::vector<Scope *> work{scope};
    while (!work.empty()) {
        Scope *s = work.back();
        work.pop_back();
        for (SemanticEntry *e = s ? s->first : nullptr; e; e = e->next) {
            push_blocks(e, work);
            SemanticEntry *proc = called_proc(e);
            if (proc && proc->descriptor && !proc->descriptor->flag) {
                proc->descriptor->flag = 1;
                work.push_back(proc->descriptor->inner);
            }
            if (e->kind == EK_DEF_MESSAGE && e->descriptor)
                set_flag(e->descriptor->target);
        }
    }
}
