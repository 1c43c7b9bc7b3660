/*
** src/capi/model/model.h
** The type and symbol model of the interface analysis (capi-internal).
**
** The declaration analysis builds a graph of `CType` nodes and a
** `CSymbolTable` of `CSymbol` records; the bridge queries it.  Names are
** interned texts, so names compare by address.  The table keeps the
** bucket lists whose order decides which entry a lookup returns and in
** which order the symbols of a file are listed; beside each section a
** name index reaches the entries of one name in bucket order, so a lookup
** never walks entries of other names.
**
** Ownership.  A tag node (enum, union, struct or class, class template,
** template instance) becomes *registered* when a table entry takes it;
** the table keeps registered nodes until the end of the run and any
** number of other nodes may point at them.  Every other link is owning:
** a node has exactly one parent (a symbol, a member, a parameter or
** another node).  `copy_type` copies owned nodes and shares registered
** ones; `free_type` releases owned nodes and stops at registered ones.
** The declaration analysis therefore inserts a tag before it points
** other declarators at it, and builds each declarator from its own nodes
** (a use of a typedef name gets a copy of the aliased type).  Types that
** the table replaces (redefinitions) are retired rather than released,
** because results handed out earlier may still point into them.
**
** Diagnostics (CONSTRUCT, REDEFSTRU, REDEFSYMB, ERRINTERN) go through
** capi_report; nothing here prints.
*/
#ifndef ZRS_CAPI_MODEL_H
#define ZRS_CAPI_MODEL_H

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "capi.h" /* DisplayFormat, ImageFlags */

/* ---- Kinds ---- */

enum CTypeKind : unsigned {
#define CTYPE_KIND(constant, number, title) constant = number,
#include "ctype_kinds.def"
#undef CTYPE_KIND
};

/* Title of a kind ("pointer"), or "unknown kind". */
const char *ctype_kind_name(unsigned kind);

enum StorageFlag : unsigned {
#define STORAGE_FLAG(constant, bit, keyword) constant = bit,
#include "storage_flags.def"
#undef STORAGE_FLAG
};

/* The one-byte attribute flags of a symbol (all 0 when created). */
enum SymbolAttribute {
    SA_INLINE,          /* "inline" */
    SA_VIRTUAL,         /* "virtual" member function */
    SA_PURE_VIRTUAL,    /* "= 0" */
    SA_EXPLICIT,        /* "explicit" constructor */
    SA_OVERLOAD,        /* "overload" specifier */
    SA_CONSTRUCTOR,     /* printed without a return type */
    SA_DESTRUCTOR,      /* printed without a return type */
    SA_OPERATOR,        /* operator function */
    SA_CONVERSION,      /* conversion function */
    SA_CONST_METHOD,    /* member function declared "const" */
    SA_HAS_DEFAULT,     /* parameter with a default value */
    SA_HAS_BODY,        /* function defined (body seen) */
    SA_HAS_INITIALISER, /* variable with an initialiser */
    SA_TEMPLATE_PARAM,  /* template parameter */
    SA_FROM_SCRIPT,     /* declared by a C fragment of the test script */
    SA_TEMPORARY,       /* made for an internal query */
    SA_USED,            /* referred to by the test script */
    SA_COUNT
};
static_assert(SA_COUNT == 17, "a symbol carries seventeen attribute flags");

/* Access bits of a member or base class. */
enum MemberAccess : unsigned {
    MA_PUBLIC = 1,
    MA_PRIVATE = 2,
    MA_PROTECTED = 4,
    MA_ACCESS_MASK = 7,
    MA_INHERITED = 8,       /* copied from a base class */
    MA_ACCESS_DECLARED = 16 /* access changed by an access declaration */
};

/* Sections of the symbol table. */
enum TableSection { SEC_ORDINARY, SEC_TAGS, SEC_ENUMERATORS, SEC_COUNT };

const int TABLE_BUCKETS = 100;

/* ---- Records ---- */

struct CType;
struct CSymbol;
struct CNamespace;
struct CExpr; /* expression tree of the declaration analysis (opaque here) */

/* Payload of kinds 0 and 1. */
struct CBaseRecord {
    const char *name = nullptr; /* "int", "unsigned long" (words joined by one blank) */
    int bits = 0;               /* negative = signed, magnitude = bit count */
    int attribute = 0;          /* 1 for the element of a wide string literal */
};

/* Scope of a declaration: 0 = global; 1 = inside the given namespace or
** class scope. */
struct NamespaceQualifier {
    unsigned flag = 0;
    CNamespace *ns = nullptr;
};

/* A namespace, or the scope of a class (class_type set). */
struct CNamespace {
    const char *name = nullptr;    /* interned */
    CNamespace *parent = nullptr;  /* enclosing scope, null at file scope */
    CType *class_type = nullptr;   /* the class when this is a class scope */
    std::vector<CNamespace *> usings; /* namespaces made visible inside */
    int own_entries = 0;           /* names, tags and namespaces declared in it */
};

struct CEnumerator {
    const char *name = nullptr;
    int32_t value = 0;
};

struct CEnumBody {
    const char *tag = nullptr; /* null for an anonymous enum */
    int tag_length = 0;
    std::vector<CEnumerator> enumerators; /* in order; back() is the last */
};

struct CMember {
    CSymbol *symbol = nullptr; /* owned */
    unsigned access = MA_PUBLIC; /* MemberAccess bits */
    unsigned flags = 0;          /* free for the declaration analysis */
    int bit_width = -1;          /* bit-field width, -1 when not a bit field */
    CType *from_base = nullptr;  /* inherited members: the base class */
};

struct CBaseClass {
    CType *type = nullptr; /* registered class node */
    bool is_virtual = false;
    unsigned access = MA_PRIVATE;
};

struct CTemplateParam {
    const char *name = nullptr; /* "T" */
    const char *text = nullptr; /* as written: "class T", "int N" */
};

struct CClassBody {
    const char *tag = nullptr;
    std::vector<CMember *> members;   /* declaration order, back() = last */
    std::vector<CBaseClass> bases;
    unsigned default_access = MA_PUBLIC; /* class: private; struct, union: public */
    bool is_class = false;               /* written "class" (else "struct") */
    std::vector<CTemplateParam> template_params; /* class templates */
    std::string template_text;                   /* class templates: kept source */
    std::vector<CSymbol *> friends;   /* friend declarations (owned) */
    bool driver_is_friend = false;    /* declares the test-driver class a friend */
    CNamespace *scope = nullptr;      /* scope of the members and nested tags */
};

struct CFunctionBody {
    std::vector<CSymbol *> params;  /* owned; an ellipsis is a kind 13 parameter */
    std::vector<CType *> exceptions; /* owned */
    bool has_throw = false;         /* a "throw (...)" list was written */
};

struct CTemplateArg {
    CType *type = nullptr;      /* owned; null for a non-type argument */
    const char *text = nullptr; /* non-type argument as written */
};

struct CInstanceBody {
    std::vector<CTemplateArg> args;
    CType *class_type = nullptr; /* registered class made from the template, if any */
};

/* A type node.  `kind` says which payload fields are used (see
** ctype_kinds.def); the others stay null. */
struct CType {
    unsigned kind = CT_VOID;
    DisplayFormat format;
    CBaseRecord base;                 /* 0, 1 */
    CType *target = nullptr;          /* 3 pointed, 4 element, 7 aliased, 8 return,
                                         11 modified, 12 referred */
    const char *name = nullptr;       /* 7 typedef name, 11 modifier name,
                                         5, 6, 10, 14 tag (null when anonymous) */
    const char *dim_text = nullptr;   /* 4: dimension as written */
    CExpr *dim_expr = nullptr;        /* 4: dimension expression */
    bool applied = false;             /* 11: composed onto its type */
    CEnumBody *enum_body = nullptr;   /* 5; null while incomplete */
    CClassBody *class_body = nullptr; /* 6, 10, 14; null while incomplete */
    CFunctionBody *function = nullptr; /* 8 */
    CInstanceBody *instance = nullptr; /* 15 */
    unsigned owner_kind = 0;          /* 0 global, 1 namespace or class */
    CNamespace *owner = nullptr;
    CType *next = nullptr;  /* next declarator while a declaration is composed */
    CType *templ = nullptr; /* 15: the class template (registered) */
    bool registered = false; /* held by the table as a tag */
};

struct CSymbol {
    const char *name = nullptr; /* interned; null when nameless */
    CType *type = nullptr;      /* owned (registered nodes are shared) */
    unsigned owner_kind = 0;
    CNamespace *owner = nullptr;
    unsigned storage = 0;       /* StorageFlag bits */
    const char *file = nullptr; /* interned declaring file */
    unsigned char attributes[SA_COUNT] = {};
};

struct CTableEntry {
    CSymbol *symbol = nullptr; /* owned */
    int decl_serial = 0;       /* set when only a declaration was seen */
    int def_serial = 0;        /* set when the tag got its body */
    CTableEntry *next = nullptr, *prev = nullptr;           /* bucket */
    CTableEntry *name_next = nullptr, *name_prev = nullptr; /* same name */
    int section = SEC_ORDINARY;
    int bucket = 0;   /* -1 for an anonymous tag */
    int index = -1;   /* enumerators: position in the enum body */
};

/* One hashed section: the bucket lists and, beside them, the entries of
** each name in bucket order, keyed by the name's text (a view of the
** interned copy), so a lookup needs no interning of the name it is
** given. */
struct NameChain {
    CTableEntry *first = nullptr, *last = nullptr;
};
/* A name and the scope owning it (kind 0 and no scope: a global name). */
struct OwnerKey {
    std::string_view name;
    unsigned owner_kind;
    const CNamespace *owner;
    bool operator==(const OwnerKey &other) const
    {
        return name == other.name && owner_kind == other.owner_kind && owner == other.owner;
    }
};
struct OwnerKeyHash {
    size_t operator()(const OwnerKey &key) const
    {
        return std::hash<std::string_view>()(key.name) ^
               (std::hash<const void *>()(key.owner) << 1) ^ key.owner_kind;
    }
};
struct CTableSection {
    CTableEntry *head[TABLE_BUCKETS] = {};
    CTableEntry *tail[TABLE_BUCKETS] = {};
    std::unordered_map<std::string_view, NameChain> by_name;
    /* The latest entry of a name per owner: a redeclaration is looked up
    ** here, not along a name chain that many scopes share (every unit of
    ** a script declaring its own parameter "a"). */
    std::unordered_map<OwnerKey, CTableEntry *, OwnerKeyHash> by_owner;
    size_t count = 0;
};

/* Context kinds of the scope stack. */
enum ScopeKind {
    SC_FILE = 0,
    SC_SCOPE = 1,     /* namespace or class body */
    SC_FUNCTION = 2,  /* function body */
    SC_PARAMETERS = 3,
    SC_TEMPLATE = 4
};

struct ScopeContext {
    int kind = SC_FILE;
    CNamespace *scope = nullptr;  /* owning namespace or class scope */
    CType *owner_type = nullptr;  /* the class being declared, if any */
    unsigned access = MA_PUBLIC;  /* current access inside a class */
    CType *template_decl = nullptr; /* the class template being declared */
    unsigned flags = 0;
};

struct ScopeStack {
    std::vector<ScopeContext> contexts;  /* innermost last */
    std::vector<CNamespace *> file_usings; /* using-directives at file scope */
};

struct CSymbolTable {
    std::vector<CNamespace *> ns_buckets[TABLE_BUCKETS]; /* namespace table */
    /* The same namespaces by interned name: byte-sum buckets crowd when a
    ** script declares thousands of unit namespaces ("p1", "p2", ...). */
    std::unordered_map<const char *, CNamespace *> ns_by_name;
    /* the namespace last found by name: texts of one unit ask for it in turn */
    std::string last_ns_name;
    CNamespace *last_ns = nullptr;
    CTableSection sections[SEC_COUNT];
    std::vector<CTableEntry *> anonymous_tags; /* declaration order */
    int serial = 0;
    const char *driver_class = nullptr; /* "ZIRKO" */
    ScopeStack scopes;
    std::vector<CNamespace *> all_scopes;  /* every namespace and class scope */
    std::vector<CType *> retired;          /* replaced types, kept alive */
    std::vector<CClassBody *> retired_bodies;
    std::vector<CEnumBody *> retired_enums;
};

/* Expression hooks for array dimensions, installed by the declaration
** analysis (which owns the expression trees).  Any of them may be null. */
struct DimensionHooks {
    void (*release)(CExpr *expr);
    CExpr *(*copy)(const CExpr *expr);
    bool (*constant_value)(const CExpr *expr, long long *value);
};
void set_dimension_hooks(const DimensionHooks &hooks);
const DimensionHooks &current_dimension_hooks();

/* ---- model_types.cc: nodes, composition, copies, comparisons ---- */

CType *make_type(unsigned kind, NamespaceQualifier owner = NamespaceQualifier());
/* A base word ("int": kind 0), a valid combination ("unsigned long":
** kind 1) or "void"; null otherwise. */
CType *make_base_type(const char *word);
CType *make_literal_base(int bits, int attribute, const char *name);
CType *make_pointer(CType *target);
CType *make_reference(CType *target);
CType *make_array(CType *element, const char *dim_text, CExpr *dim_expr);
CType *make_modifier(const char *name, CType *target);
CType *make_typedef_name(const char *name, CType *aliased);
CType *make_function(CType *return_type);
CType *make_class_type(unsigned kind, const char *tag, bool is_class,
                       NamespaceQualifier owner);
CType *make_enum_type(const char *tag, NamespaceQualifier owner);
CSymbol *make_symbol(const char *name, CType *type, NamespaceQualifier owner,
                     const char *file);
void free_symbol(CSymbol *symbol);

bool is_modifier_word(const char *name);
/* Follows typedef names and modifiers (kinds 7 and 11). */
CType *resolve_type(CType *type);
/* As resolve_type, and a template instance to the class made from it. */
CType *real_type(CType *type);
bool is_typedef_symbol(const CSymbol *symbol);
bool is_function_type(CType *type);

/* Combines two partial types (see model_types.cc); consumes both. */
CType *compose_type(CType *first, CType *second, const char *file, int line);
bool types_equal(CType *first, CType *second);
CType *copy_type(const CType *type);
CSymbol *copy_symbol(const CSymbol *symbol);

enum FreeFlags : unsigned {
    FREE_NODE = 1,       /* release the node itself */
    FREE_CLASS_BODY = 2, /* release class bodies (else only unlink them) */
    FREE_ENUM_BODY = 4,  /* release enum bodies (else only unlink them) */
    FREE_ALL = 7
};
void free_type(CType *type, unsigned flags);
void free_class_body(CClassBody *body);
void free_enum_body(CEnumBody *body);

/* Predicates. */
bool is_wide_string_type(CType *type);
bool type_refers_to(CType *type, const CType *tag);
bool same_final_type(CType *first, CType *second);
bool is_friend_of(CType *class_type, const char *name);

/* The sizeof / signof pragmas: a base word or a typedef of a kind 0 type.
** Return false when the name is neither (sizeof then records the name's
** size for #if). */
bool apply_sizeof_pragma(CSymbolTable *table, const char *name, int bits);
bool apply_signof_pragma(CSymbolTable *table, const char *name, bool is_signed);

/* ---- model_symbols.cc: the table, scopes, insertion, lookups ---- */

CSymbolTable *create_symbol_table(const char *driver_class);
void release_symbol_table(CSymbolTable *table); /* tests and tools only */
int bucket_of_name(const char *name);
int namespace_bucket_of_name(const char *name);

CNamespace *lookup_namespace(CSymbolTable *table, const char *name);
/* The namespace of that name, created (inside the current scope) when new;
** an empty name gives the anonymous namespace. */
CNamespace *declare_namespace(CSymbolTable *table, const char *name);
CNamespace *class_scope(CSymbolTable *table, CType *class_type);
bool symbol_visible(const CSymbolTable *table, unsigned owner_kind,
                    const CNamespace *owner, NamespaceQualifier q);

void push_scope(CSymbolTable *table, const ScopeContext &context);
void pop_scope(CSymbolTable *table);
void close_all_scopes(CSymbolTable *table);
NamespaceQualifier current_qualifier(const CSymbolTable *table);
unsigned current_access(const CSymbolTable *table);
void add_using_directive(CSymbolTable *table, CNamespace *ns);

/* Insertion takes `symbol`: afterwards use only the returned entry. */
CTableEntry *insert_tag(CSymbolTable *table, CSymbol *symbol,
                        const char *file, int line);
CTableEntry *insert_ordinary(CSymbolTable *table, CSymbol *symbol,
                             const char *file, int line);
/* Unlinks an entry; its symbol is released (`release_type`) or its type
** retired. */
void remove_entry(CSymbolTable *table, CTableEntry *entry, bool release_type);
void delete_tags_of_owner(CSymbolTable *table, CNamespace *owner,
                          const CType *keep);

CTableEntry *lookup_tag(CSymbolTable *table, const char *name, unsigned kind,
                        NamespaceQualifier q);
CTableEntry *lookup_type_name(CSymbolTable *table, const char *name,
                              NamespaceQualifier q);
CTableEntry *lookup_ordinary(CSymbolTable *table, const char *name,
                             NamespaceQualifier q, bool strict = false);
const CEnumerator *lookup_enumerator(CSymbolTable *table, const char *name,
                                     NamespaceQualifier q, bool search_bases,
                                     CType **enum_type, CTableEntry **entry);
/* Global symbols of the three sections declared in `file`, bucket order. */
void symbols_of_file(CSymbolTable *table, const char *file,
                     std::vector<CSymbol *> &out);

/* ---- model_members.cc: class and enum bodies, member lookup ---- */

CMember *add_member(CType *class_type, CSymbol *symbol, unsigned access,
                    int bit_width);
void add_friend(CSymbolTable *table, CType *class_type, CSymbol *symbol);
/* Records a base class and copies its members as inherited ones. */
void add_base_class(CType *class_type, CType *base, bool is_virtual,
                    unsigned access);
/* Access declaration "Base::name": false when no inherited member has
** that name. */
bool declare_member_access(CType *class_type, const char *name,
                           unsigned access);
void add_enumerator(CType *enum_type, const char *name, int32_t value);

bool member_visible(const CClassBody *body, const CMember *member,
                    bool counting_fields);
int member_position(CType *type, const char *name);
CMember *member_at_position(CType *type, int position);
const CEnumerator *enumerator_at_position(CType *type, int position);
int count_fields(CType *type, bool recursive);
bool is_union_type(CType *type);

/* ---- model_image.cc: declarations as C text ---- */

/* ImageFlags: see capi.h. */
void type_image(const CType *type, const char *name, unsigned flags, int depth,
                std::string &out);
void type_image_parts(const CType *type, const char *name, unsigned flags,
                      int depth, std::string &before, std::string &after);
/* A declaration of the symbol: storage keyword, "typedef ", type and name. */
void symbol_image(const CSymbol *symbol, unsigned flags, int depth,
                  std::string &out);
void qualified_name(const CSymbol *symbol, const char *separator,
                    bool identifier_form, std::string &out);
void operator_identifier(const char *name, std::string &out);

#endif
