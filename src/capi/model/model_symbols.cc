/*
** src/capi/model/model_symbols.cc
** The symbol table of the C/C++ model: namespaces, the scope stack,
** insertion with the redefinition rules, and the lookups.
**
** Each section is 100 bucket lists with tail insertion; within a bucket
** entries keep declaration order, which decides what a lookup returns
** (tags: the earliest visible match, ordinary names: the latest) and the
** order of `symbols_of_file`.  All entries of one name share a bucket, so
** the per-name chains kept beside the buckets list exactly the entries a
** bucket walk would compare equal, in the same order; lookups walk those
** chains and never the other names of a crowded bucket.
*/
#include "model.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

#include "report_hook.h"
#include "support.h"

namespace {

const int DEPTH_LIMIT = 1000;
const char *const UNNAMED_NAMESPACE = "zirko_unnamed_namespace";

/* Sum of the bytes taken as signed, as the bucket formulas use it. */
long signed_byte_sum(const char *name, size_t *length)
{
    long sum = 0;
    size_t n = 0;
    for (const char *p = name ? name : ""; *p; p++, n++)
        sum += (signed char)*p;
    if (length)
        *length = n;
    return sum;
}

/* Remainder kept in 0..m-1 even for a negative sum (names with bytes
** above 127), so a bucket index never leaves its table. */
int non_negative_mod(long value, int m)
{
    long r = value % m;
    return (int)(r < 0 ? r + m : r);
}

bool same_owner(const CSymbol *a, const CSymbol *b)
{
    return a->owner_kind == b->owner_kind &&
           (a->owner_kind == 0 || a->owner == b->owner);
}

bool owned_exactly(const CSymbol *symbol, NamespaceQualifier q)
{
    if (!q.flag || !q.ns)
        return symbol->owner_kind == 0;
    return symbol->owner_kind == 1 && symbol->owner == q.ns;
}

NamespaceQualifier qualifier_of(CNamespace *ns)
{
    NamespaceQualifier q;
    q.flag = ns ? 1 : 0;
    q.ns = ns;
    return q;
}

/* ---- Section lists ---- */

OwnerKey owner_key(const CSymbol *symbol)
{
    return {text_or_empty(symbol->name), symbol->owner_kind,
            symbol->owner_kind ? symbol->owner : nullptr};
}

void append_entry(CTableSection &section, CTableEntry *entry, int which)
{
    int b = bucket_of_name(entry->symbol->name);
    entry->section = which;
    entry->bucket = b;
    entry->prev = section.tail[b];
    entry->next = nullptr;
    if (section.tail[b])
        section.tail[b]->next = entry;
    else
        section.head[b] = entry;
    section.tail[b] = entry;

    NameChain &chain = section.by_name[text_or_empty(entry->symbol->name)];
    entry->name_prev = chain.last;
    entry->name_next = nullptr;
    if (chain.last)
        chain.last->name_next = entry;
    else
        chain.first = entry;
    chain.last = entry;
    section.by_owner[owner_key(entry->symbol)] = entry;
    section.count++;
    if (entry->symbol->owner_kind && entry->symbol->owner)
        entry->symbol->owner->own_entries++;
}

void unlink_entry(CTableSection &section, CTableEntry *entry)
{
    int b = entry->bucket;
    (entry->prev ? entry->prev->next : section.head[b]) = entry->next;
    (entry->next ? entry->next->prev : section.tail[b]) = entry->prev;

    auto latest = section.by_owner.find(owner_key(entry->symbol));
    if (latest != section.by_owner.end() && latest->second == entry) {
        CTableEntry *before = entry->name_prev;
        while (before && !same_owner(before->symbol, entry->symbol))
            before = before->name_prev;
        if (before)
            latest->second = before;
        else
            section.by_owner.erase(latest);
    }
    auto it = section.by_name.find(text_or_empty(entry->symbol->name));
    if (it != section.by_name.end()) {
        NameChain &chain = it->second;
        (entry->name_prev ? entry->name_prev->name_next : chain.first) = entry->name_next;
        (entry->name_next ? entry->name_next->name_prev : chain.last) = entry->name_prev;
        if (!chain.first)
            section.by_name.erase(it);
    }
    entry->next = entry->prev = entry->name_next = entry->name_prev = nullptr;
    section.count--;
    if (entry->symbol->owner_kind && entry->symbol->owner)
        entry->symbol->owner->own_entries--;
}

CTableEntry *first_of_name(CSymbolTable *table, int which, std::string_view name)
{
    CTableSection &section = table->sections[which];
    auto it = section.by_name.find(name);
    return it == section.by_name.end() ? nullptr : it->second.first;
}

CTableEntry *last_of_name(CSymbolTable *table, int which, std::string_view name)
{
    CTableSection &section = table->sections[which];
    auto it = section.by_name.find(name);
    return it == section.by_name.end() ? nullptr : it->second.last;
}

CTableEntry *new_entry(CSymbol *symbol)
{
    CTableEntry *entry = new CTableEntry;
    entry->symbol = symbol;
    return entry;
}

void retire_type(CSymbolTable *table, CType *type)
{
    if (type)
        table->retired.push_back(type);
}

/* ---- Tags ---- */

bool is_tag_kind(unsigned kind)
{
    return kind == CT_ENUM || kind == CT_UNION || kind == CT_STRUCT ||
           kind == CT_TEMPLATE || kind == CT_INSTANCE;
}

bool has_body(const CType *type)
{
    switch (type->kind) {
    case CT_ENUM:
        return type->enum_body != nullptr;
    case CT_INSTANCE:
        return type->instance && type->instance->class_type;
    default:
        return type->class_body != nullptr;
    }
}

/* Points every owned link from `from` to `to`: the members of a body
** that moves to the table's node may refer to the node they came with. */
void retarget(CType *type, const CType *from, CType *to, int depth);

void retarget_symbol(CSymbol *symbol, const CType *from, CType *to, int depth)
{
    if (!symbol)
        return;
    if (symbol->type == from)
        symbol->type = to;
    else
        retarget(symbol->type, from, to, depth + 1);
}

void retarget(CType *type, const CType *from, CType *to, int depth)
{
    if (!type || type->registered || depth > DEPTH_LIMIT)
        return;
    if (type->target == from)
        type->target = to;
    else
        retarget(type->target, from, to, depth + 1);
    if (type->function)
        for (CSymbol *param : type->function->params)
            retarget_symbol(param, from, to, depth);
    if (type->class_body)
        for (CMember *member : type->class_body->members)
            retarget_symbol(member->symbol, from, to, depth);
}

/* Moves the body of a new declaration onto the node the table holds. */
void move_body(CType *from, CType *to)
{
    if (from->class_body) {
        to->class_body = from->class_body;
        from->class_body = nullptr;
        if (to->class_body->scope)
            to->class_body->scope->class_type = to;
        for (CMember *member : to->class_body->members)
            retarget_symbol(member->symbol, from, to, 0);
        for (CSymbol *friend_symbol : to->class_body->friends)
            retarget_symbol(friend_symbol, from, to, 0);
    }
    if (from->enum_body) {
        to->enum_body = from->enum_body;
        from->enum_body = nullptr;
    }
    if (from->instance) {
        std::swap(to->instance, from->instance);
    }
}

void retire_body(CSymbolTable *table, CType *type)
{
    if (type->class_body)
        table->retired_bodies.push_back(type->class_body);
    if (type->enum_body)
        table->retired_enums.push_back(type->enum_body);
    type->class_body = nullptr;
    type->enum_body = nullptr;
}

/* Enters one enumerators-section entry per constant of an enum. */
void enter_enumerators(CSymbolTable *table, CType *enum_type, const CSymbol *tag)
{
    if (enum_type->kind != CT_ENUM || !enum_type->enum_body)
        return;
    const std::vector<CEnumerator> &list = enum_type->enum_body->enumerators;
    for (size_t i = 0; i < list.size(); i++) {
        if (!list[i].name)
            continue;
        CSymbol *symbol = new CSymbol;
        symbol->name = list[i].name;
        symbol->type = enum_type;
        symbol->owner_kind = tag->owner_kind;
        symbol->owner = tag->owner;
        symbol->file = tag->file;
        CTableEntry *entry = new_entry(symbol);
        entry->decl_serial = ++table->serial;
        entry->index = (int)i;
        append_entry(table->sections[SEC_ENUMERATORS], entry, SEC_ENUMERATORS);
    }
}

CTableEntry *register_tag(CSymbolTable *table, CSymbol *symbol)
{
    CTableEntry *entry = new_entry(symbol);
    (has_body(symbol->type) ? entry->def_serial : entry->decl_serial) =
        ++table->serial;
    symbol->type->registered = true;
    return entry;
}

CTableEntry *find_same_tag(CSymbolTable *table, const CSymbol *symbol)
{
    for (CTableEntry *e = first_of_name(table, SEC_TAGS, symbol->name); e;
         e = e->name_next)
        if (e->symbol->type->kind == symbol->type->kind && same_owner(e->symbol, symbol))
            return e;
    return nullptr;
}

/* Releases a discarded declaration; its node goes unless the table
** already holds it. */
void discard_symbol(CSymbol *symbol, const CType *kept)
{
    if (symbol->type == kept)
        symbol->type = nullptr;
    free_symbol(symbol);
}

/* ---- Ordinary names ---- */

bool same_parameters(CType *a, CType *b)
{
    const CFunctionBody *fa = resolve_type(a)->function;
    const CFunctionBody *fb = resolve_type(b)->function;
    size_t na = fa ? fa->params.size() : 0, nb = fb ? fb->params.size() : 0;
    if (na != nb)
        return false;
    for (size_t i = 0; i < na; i++)
        if (!types_equal(fa->params[i]->type, fb->params[i]->type))
            return false;
    return true;
}

/* The same function declared again: the later parameter names win (a
** definition names what a declaration left unnamed) and the attributes
** accumulate. */
void merge_function(CTableEntry *entry, CSymbol *symbol)
{
    CSymbol *old = entry->symbol;
    CFunctionBody *fo = resolve_type(old->type)->function;
    CFunctionBody *fn = resolve_type(symbol->type)->function;
    if (fo && fn)
        for (size_t i = 0; i < fo->params.size() && i < fn->params.size(); i++)
            if (fn->params[i]->name)
                fo->params[i]->name = fn->params[i]->name;
    for (int a = 0; a < SA_COUNT; a++)
        old->attributes[a] |= symbol->attributes[a];
    free_symbol(symbol);
}

CTableEntry *append_ordinary(CSymbolTable *table, CSymbol *symbol)
{
    CTableEntry *entry = new_entry(symbol);
    entry->decl_serial = ++table->serial;
    append_entry(table->sections[SEC_ORDINARY], entry, SEC_ORDINARY);
    return entry;
}

CTableEntry *insert_function(CSymbolTable *table, CSymbol *symbol)
{
    for (CTableEntry *e = first_of_name(table, SEC_ORDINARY, symbol->name); e;
         e = e->name_next) {
        CSymbol *old = e->symbol;
        if (same_owner(old, symbol) && is_function_type(old->type) &&
            !is_typedef_symbol(old) && same_parameters(old->type, symbol->type)) {
            merge_function(e, symbol);
            return e;
        }
    }
    return append_ordinary(table, symbol);
}

void replace_type(CSymbolTable *table, CSymbol *old, CSymbol *symbol)
{
    retire_type(table, old->type);
    old->type = symbol->type;
    symbol->type = nullptr;
    free_symbol(symbol);
}

/* ---- Lookups ---- */

const unsigned TYPE_NAME_ORDER[] = {CT_STRUCT, CT_TEMPLATE, CT_TYPEDEF, CT_ENUM,
                                    CT_UNION};

/* One kind of `lookup_type_name` among the entries of one name (`tags`:
** first tag entry, `ordinary`: last ordinary entry); with `exact` the
** owner must be the qualifier's namespace itself. */
CTableEntry *find_type_kind(CSymbolTable *table, CTableEntry *tags,
                            CTableEntry *ordinary, unsigned kind,
                            NamespaceQualifier q, bool exact)
{
    auto matches = [&](const CSymbol *symbol) {
        return exact ? owned_exactly(symbol, q)
                     : symbol_visible(table, symbol->owner_kind, symbol->owner, q);
    };
    if (kind == CT_TYPEDEF) {
        for (CTableEntry *e = ordinary; e; e = e->name_prev)
            if (is_typedef_symbol(e->symbol) && matches(e->symbol))
                return e;
        return nullptr;
    }
    for (CTableEntry *e = tags; e; e = e->name_next)
        if (e->symbol->type->kind == kind && matches(e->symbol))
            return e;
    return nullptr;
}

/* All five kinds in their order, the two name chains fetched once. */
CTableEntry *find_type_any(CSymbolTable *table, std::string_view name,
                           NamespaceQualifier q, bool exact)
{
    CTableEntry *tags = first_of_name(table, SEC_TAGS, name);
    CTableEntry *ordinary = last_of_name(table, SEC_ORDINARY, name);
    if (!tags && !ordinary)
        return nullptr;
    for (unsigned kind : TYPE_NAME_ORDER) {
        CTableEntry *e = find_type_kind(table, tags, ordinary, kind, q, exact);
        if (e)
            return e;
    }
    return nullptr;
}

CTableEntry *latest_visible(CSymbolTable *table, std::string_view name,
                            NamespaceQualifier q)
{
    for (CTableEntry *e = last_of_name(table, SEC_ORDINARY, name); e; e = e->name_prev)
        if (symbol_visible(table, e->symbol->owner_kind, e->symbol->owner, q))
            return e;
    return nullptr;
}

const CEnumerator *enumerator_of_entry(CTableEntry *entry)
{
    CEnumBody *body = entry->symbol->type->enum_body;
    if (!body)
        return nullptr;
    std::vector<CEnumerator> &list = body->enumerators;
    if (entry->index >= 0 && entry->index < (int)list.size() &&
        list[entry->index].name == entry->symbol->name)
        return &list[entry->index];
    for (const CEnumerator &e : list) /* the body was replaced since */
        if (e.name == entry->symbol->name)
            return &e;
    return nullptr;
}

const CEnumerator *find_enumerator(CSymbolTable *table, std::string_view name,
                                   NamespaceQualifier q, CTableEntry **found)
{
    for (CTableEntry *e = last_of_name(table, SEC_ENUMERATORS, name); e; e = e->name_prev) {
        if (!symbol_visible(table, e->symbol->owner_kind, e->symbol->owner, q))
            continue;
        const CEnumerator *value = enumerator_of_entry(e);
        if (value) {
            *found = e;
            return value;
        }
    }
    return nullptr;
}

const CEnumerator *find_enumerator_in_bases(CSymbolTable *table, std::string_view name,
                                            CType *class_type, CTableEntry **found,
                                            int depth)
{
    CType *real = real_type(class_type);
    if (!real || !real->class_body || depth > DEPTH_LIMIT)
        return nullptr;
    for (const CBaseClass &base : real->class_body->bases) {
        CNamespace *scope = class_scope(table, real_type(base.type));
        const CEnumerator *value =
            scope ? find_enumerator(table, name, qualifier_of(scope), found) : nullptr;
        if (!value)
            value = find_enumerator_in_bases(table, name, base.type, found, depth + 1);
        if (value)
            return value;
    }
    return nullptr;
}

void free_entry(CTableEntry *entry, std::unordered_set<CType *> &registered)
{
    CSymbol *symbol = entry->symbol;
    if (symbol->type && symbol->type->registered)
        registered.insert(symbol->type);
    free_symbol(symbol);
    delete entry;
}

} // namespace

/* ---- Table ---- */

int bucket_of_name(const char *name)
{
    size_t length = 0;
    long sum = signed_byte_sum(name, &length);
    return 10 * non_negative_mod(sum, 10) + (int)(length % 10);
}

int namespace_bucket_of_name(const char *name)
{
    return non_negative_mod(signed_byte_sum(name, nullptr), TABLE_BUCKETS);
}

CSymbolTable *create_symbol_table(const char *driver_class)
{
    CSymbolTable *table = new CSymbolTable;
    table->driver_class = intern_text(driver_class);
    return table;
}

/* Releases everything the table holds.  Registered nodes are gathered
** first and deleted last, because the types released on the way still
** look at them. */
void release_symbol_table(CSymbolTable *table)
{
    if (!table)
        return;
    std::unordered_set<CType *> registered;
    for (CTableSection &section : table->sections)
        for (CTableEntry *head : section.head)
            for (CTableEntry *e = head; e; e = e->next)
                if (e->symbol->type && e->symbol->type->registered)
                    registered.insert(e->symbol->type);
    for (CTableEntry *e : table->anonymous_tags)
        registered.insert(e->symbol->type);
    for (CType *type : table->retired)
        if (type->registered)
            registered.insert(type);
    std::vector<CInstanceBody *> instances;
    for (CType *type : registered) {
        retire_body(table, type);
        if (type->instance)
            instances.push_back(type->instance);
        type->instance = nullptr;
    }
    for (CTableSection &section : table->sections)
        for (CTableEntry *head : section.head)
            for (CTableEntry *e = head, *next; e; e = next) {
                next = e->next;
                free_entry(e, registered);
            }
    for (CTableEntry *e : table->anonymous_tags)
        free_entry(e, registered);
    for (CType *type : table->retired)
        free_type(type, FREE_ALL);
    for (CClassBody *body : table->retired_bodies)
        free_class_body(body);
    for (CEnumBody *body : table->retired_enums)
        free_enum_body(body);
    for (CInstanceBody *body : instances) {
        for (CTemplateArg &arg : body->args)
            free_type(arg.type, FREE_ALL);
        delete body;
    }
    for (CType *type : registered)
        delete type; /* tags own nothing else */
    for (CNamespace *scope : table->all_scopes)
        delete scope;
    delete table;
}

/* ---- Namespaces and visibility ---- */

static CNamespace *namespace_of_key(CSymbolTable *table, const char *key)
{
    if (!key)
        return nullptr;
    auto found = table->ns_by_name.find(key);
    return found == table->ns_by_name.end() ? nullptr : found->second;
}

CNamespace *lookup_namespace(CSymbolTable *table, const char *name)
{
    if (table->last_ns && name && table->last_ns_name == name)
        return table->last_ns;
    CNamespace *ns = namespace_of_key(table, intern_text(name));
    if (ns) {   /* one not found may be declared later */
        table->last_ns = ns;
        table->last_ns_name = name;
    }
    return ns;
}

CNamespace *declare_namespace(CSymbolTable *table, const char *name)
{
    const char *key = intern_text(name && *name ? name : UNNAMED_NAMESPACE);
    CNamespace *ns = namespace_of_key(table, key);
    if (ns)
        return ns;
    ns = new CNamespace;
    ns->name = key;
    ns->parent = current_qualifier(table).ns;
    if (ns->parent)
        ns->parent->own_entries++;
    table->ns_buckets[namespace_bucket_of_name(key)].push_back(ns);
    table->ns_by_name.emplace(key, ns);
    table->all_scopes.push_back(ns);
    return ns;
}

CNamespace *class_scope(CSymbolTable *table, CType *class_type)
{
    if (!class_type || !class_type->class_body)
        return nullptr;
    CClassBody *body = class_type->class_body;
    if (!body->scope) {
        body->scope = new CNamespace;
        body->scope->name = class_type->name;
        body->scope->parent = class_type->owner_kind ? class_type->owner : nullptr;
        body->scope->class_type = class_type;
        table->all_scopes.push_back(body->scope);
    }
    return body->scope;
}

static bool contains(const std::vector<CNamespace *> &list, const CNamespace *ns)
{
    return std::find(list.begin(), list.end(), ns) != list.end();
}

/* With a global qualifier: global symbols and those of namespaces used at
** file scope; with namespace N: N's symbols and those of namespaces used
** inside N. */
bool symbol_visible(const CSymbolTable *table, unsigned owner_kind,
                    const CNamespace *owner, NamespaceQualifier q)
{
    if (!q.flag || !q.ns)
        return owner_kind == 0 || contains(table->scopes.file_usings, owner);
    if (owner_kind == 0)
        return false;
    return owner == q.ns || contains(q.ns->usings, owner);
}

/* ---- Scope stack ---- */

void push_scope(CSymbolTable *table, const ScopeContext &context)
{
    table->scopes.contexts.push_back(context);
}

void pop_scope(CSymbolTable *table)
{
    if (!table->scopes.contexts.empty())
        table->scopes.contexts.pop_back();
}

void close_all_scopes(CSymbolTable *table)
{
    table->scopes.contexts.clear();
}

NamespaceQualifier current_qualifier(const CSymbolTable *table)
{
    const std::vector<ScopeContext> &list = table->scopes.contexts;
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (it->kind == SC_SCOPE && it->scope)
            return qualifier_of(it->scope);
    return NamespaceQualifier();
}

unsigned current_access(const CSymbolTable *table)
{
    const std::vector<ScopeContext> &list = table->scopes.contexts;
    return list.empty() ? MA_PUBLIC : list.back().access;
}

void add_using_directive(CSymbolTable *table, CNamespace *ns)
{
    if (!ns)
        return;
    NamespaceQualifier q = current_qualifier(table);
    std::vector<CNamespace *> &list = q.ns ? q.ns->usings : table->scopes.file_usings;
    if (!contains(list, ns) && ns != q.ns)
        list.push_back(ns);
}

/* ---- Insertion ---- */

/* Tag rules (REDEFSTRU; REDEFSYMB for a class template):
** 1. no name: anonymous list; 2-3. no entry of that kind, name and owner:
** appended; 4. the new one has no body: the existing entry is used;
** 5. only the new one has a body: the entry takes it; 6. both have one:
** warning, the later body wins; 7. an enum's constants are entered. */
CTableEntry *insert_tag(CSymbolTable *table, CSymbol *symbol, const char *file,
                        int line)
{
    CType *type = symbol->type;
    if (!type || !is_tag_kind(type->kind)) {
        capi_report(0, "ERRINTERN", "insert_tag", file, line);
        free_symbol(symbol);
        return nullptr;
    }
    if (!symbol->name) {
        CTableEntry *entry = register_tag(table, symbol);
        entry->section = SEC_TAGS;
        entry->bucket = -1;
        table->anonymous_tags.push_back(entry);
        if (symbol->owner_kind && symbol->owner)
            symbol->owner->own_entries++;   /* its members may be visible */
        enter_enumerators(table, type, symbol);
        return entry;
    }
    CTableEntry *entry = find_same_tag(table, symbol);
    if (!entry) {
        entry = register_tag(table, symbol);
        append_entry(table->sections[SEC_TAGS], entry, SEC_TAGS);
        enter_enumerators(table, type, symbol);
        return entry;
    }
    CType *held = entry->symbol->type;
    if (type == held || !has_body(type)) {
        discard_symbol(symbol, held);
        return entry;
    }
    if (has_body(held)) {
        capi_report(3, held->kind == CT_TEMPLATE ? "REDEFSYMB" : "REDEFSTRU",
                    symbol->name, file, line);
        retire_body(table, held);
    }
    move_body(type, held);
    entry->def_serial = ++table->serial;
    entry->symbol->file = symbol->file;
    enter_enumerators(table, held, entry->symbol);
    discard_symbol(symbol, held);
    return entry;
}

/* Ordinary-name rules: 1. functions: an equal parameter list is the same
** function, otherwise an overload; 2. no entry of that name and owner:
** appended; 3. "extern": dropped, the entry takes its file; 4. "static":
** a further entry; 5. two typedefs: equal types are dropped, different
** ones give REDEFSYMB and replace; 6. otherwise the entry takes the new
** type and file and loses its storage flags.  In step 6 a different type
** from the same file is reported (REDEFSYMB); from another file it is
** kept as a further entry, as two interface files may each declare it. */
CTableEntry *insert_ordinary(CSymbolTable *table, CSymbol *symbol,
                             const char *file, int line)
{
    if (is_function_type(symbol->type) && !is_typedef_symbol(symbol))
        return insert_function(table, symbol);
    CTableSection &section = table->sections[SEC_ORDINARY];
    auto latest = section.by_owner.find(owner_key(symbol));
    CTableEntry *entry = latest == section.by_owner.end() ? nullptr : latest->second;
    if (!entry || (symbol->storage & SF_STATIC))
        return append_ordinary(table, symbol);
    CSymbol *old = entry->symbol;
    if (symbol->storage & SF_EXTERN) {
        old->file = symbol->file;
        free_symbol(symbol);
        return entry;
    }
    if (is_typedef_symbol(old) && is_typedef_symbol(symbol)) {
        if (types_equal(old->type->target, symbol->type->target)) {
            free_symbol(symbol);
        } else {
            capi_report(3, "REDEFSYMB", symbol->name, file, line);
            replace_type(table, old, symbol);
        }
        return entry;
    }
    if (!types_equal(old->type, symbol->type)) {
        if (old->file != symbol->file)
            return append_ordinary(table, symbol);
        capi_report(3, "REDEFSYMB", symbol->name, file, line);
    }
    old->file = symbol->file;
    old->storage = 0;
    replace_type(table, old, symbol);
    return entry;
}

void remove_entry(CSymbolTable *table, CTableEntry *entry, bool release_type)
{
    if (!entry)
        return;
    if (entry->bucket < 0) {
        auto &list = table->anonymous_tags;
        list.erase(std::remove(list.begin(), list.end(), entry), list.end());
    } else {
        unlink_entry(table->sections[entry->section], entry);
    }
    CSymbol *symbol = entry->symbol;
    if (release_type && !(symbol->type && symbol->type->registered)) {
        free_symbol(symbol);
    } else {
        retire_type(table, symbol->type);
        delete symbol;
    }
    delete entry;
}

void delete_tags_of_owner(CSymbolTable *table, CNamespace *owner, const CType *keep)
{
    std::vector<CTableEntry *> doomed;
    std::unordered_set<const CType *> removed;
    for (CTableEntry *head : table->sections[SEC_TAGS].head)
        for (CTableEntry *e = head; e; e = e->next) {
            CType *type = e->symbol->type;
            if (type != keep && type->owner_kind == 1 && type->owner == owner) {
                doomed.push_back(e);
                removed.insert(type);
            }
        }
    for (CTableEntry *head : table->sections[SEC_ENUMERATORS].head)
        for (CTableEntry *e = head; e; e = e->next)
            if (removed.count(e->symbol->type)) {
                e->symbol->type = nullptr; /* shared with the tag entry */
                doomed.push_back(e);
            }
    for (CTableEntry *e : doomed)
        remove_entry(table, e, false);
}

/* ---- Lookups ---- */

CTableEntry *lookup_tag(CSymbolTable *table, const char *name, unsigned kind,
                        NamespaceQualifier q)
{
    std::string_view key = text_or_empty(name);
    if (key.empty())
        return nullptr;
    return find_type_kind(table, first_of_name(table, SEC_TAGS, key),
                          last_of_name(table, SEC_ORDINARY, key), kind, q, false);
}

/* Order: struct/class, class template, typedef name, enum, union; first
** as visible with the qualifier, then owned by each enclosing namespace
** (nearest first), then global. */
CTableEntry *lookup_type_name(CSymbolTable *table, const char *name,
                              NamespaceQualifier q)
{
    std::string_view key = text_or_empty(name);
    if (key.empty())
        return nullptr;
    CTableEntry *e = find_type_any(table, key, q, false);
    if (e || !q.flag || !q.ns)
        return e;
    int guard = 0;
    for (CNamespace *ns = q.ns->parent; ns && guard < DEPTH_LIMIT; ns = ns->parent, guard++)
        if ((e = find_type_any(table, key, qualifier_of(ns), true)))
            return e;
    return find_type_any(table, key, NamespaceQualifier(), false);
}

/* The latest visible entry; a namespace qualifier widens to the enclosing
** namespaces, then to global names.  `strict` wants the requested owner
** exactly. */
CTableEntry *lookup_ordinary(CSymbolTable *table, const char *name,
                             NamespaceQualifier q, bool strict)
{
    std::string_view key = text_or_empty(name);
    if (key.empty())
        return nullptr;
    if (strict) {
        for (CTableEntry *e = last_of_name(table, SEC_ORDINARY, key); e; e = e->name_prev)
            if (owned_exactly(e->symbol, q))
                return e;
        return nullptr;
    }
    CTableEntry *e = latest_visible(table, key, q);
    if (e || !q.flag || !q.ns)
        return e;
    int guard = 0;
    for (CNamespace *ns = q.ns->parent; ns && guard < DEPTH_LIMIT; ns = ns->parent, guard++)
        if ((e = latest_visible(table, key, qualifier_of(ns))))
            return e;
    return latest_visible(table, key, NamespaceQualifier());
}

/* The qualifier first, then (when asked) the base classes of a class
** qualifier, then the enclosing namespaces and global names. */
const CEnumerator *lookup_enumerator(CSymbolTable *table, const char *name,
                                     NamespaceQualifier q, bool search_bases,
                                     CType **enum_type, CTableEntry **entry)
{
    std::string_view key = text_or_empty(name);
    CTableEntry *found = nullptr;
    const CEnumerator *value = nullptr;
    if (!key.empty()) {
        value = find_enumerator(table, key, q, &found);
        if (!value && search_bases && q.flag && q.ns && q.ns->class_type)
            value = find_enumerator_in_bases(table, key, q.ns->class_type, &found, 0);
        int guard = 0;
        for (CNamespace *ns = q.flag && q.ns ? q.ns->parent : nullptr;
             !value && ns && guard < DEPTH_LIMIT; ns = ns->parent, guard++)
            value = find_enumerator(table, key, qualifier_of(ns), &found);
        if (!value && q.flag && q.ns)
            value = find_enumerator(table, key, NamespaceQualifier(), &found);
    }
    if (enum_type)
        *enum_type = value ? found->symbol->type : nullptr;
    if (entry)
        *entry = value ? found : nullptr;
    return value;
}

void symbols_of_file(CSymbolTable *table, const char *file,
                     std::vector<CSymbol *> &out)
{
    const char *key = intern_text(file);
    const char *temporary = intern_text("__zirko_var");
    for (CTableSection &section : table->sections)
        for (CTableEntry *head : section.head)
            for (CTableEntry *e = head; e; e = e->next) {
                CSymbol *symbol = e->symbol;
                if (symbol->owner_kind == 0 && symbol->file == key &&
                    symbol->name != temporary)
                    out.push_back(symbol);
            }
}
