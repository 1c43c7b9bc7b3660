/*
** src/capi/model/model_types.cc
** Type nodes of the C/C++ model: making, composing, copying, comparing
** and releasing them, and the size pragmas.
**
** Base types are made from the words of base_words.def with the sizes
** of target_sizes.h read at the time the node is made, so a sizeof or
** signof pragma applies to every later declaration.  `compose_type` is
** the one place where partial types meet: the words of a declaration's
** specifiers, the modifiers around them and the declarator chain built
** by the parser.
*/
#include "model.h"

#include <cstring>

#include "report_hook.h"
#include "support.h"
#include "target_sizes.h"

namespace {

const int DEPTH_LIMIT = 1000;

enum BaseWordSlot { BWS_SIGN, BWS_LENGTH, BWS_CORE };

struct BaseWordRow {
    const char *text;
    int slot;
    int size_word;  /* BaseSizeWord, or -1 for a fixed size */
    int fixed_bits; /* signed size when size_word is -1 */
    bool sign_ok, short_ok, long_ok, long_long_ok;
};

const BaseWordRow base_words[] = {
#define BASE_WORD(text, slot, word, bits, s, sh, l, ll) \
    {text, slot, word, bits, s != 0, sh != 0, l != 0, ll != 0},
#include "base_words.def"
#undef BASE_WORD
};

const char *const modifier_words[] = {
    "const", "volatile", "_in", "_IN", "_out", "_OUT", "_inout", "_INOUT",
    "_no", "_NO", "_nocheck", "_NOCHECK"};

DimensionHooks dimension_hooks = {nullptr, nullptr, nullptr};

const BaseWordRow *find_base_word(const char *text, size_t length)
{
    for (const BaseWordRow &row : base_words)
        if (row.text[0] == text[0] && strncmp(row.text, text, length) == 0 &&
            row.text[length] == '\0')
            return &row;
    return nullptr;
}

/* The words of a base type name, counted by slot. */
struct WordSet {
    bool known = true;       /* every word is a base word */
    int signs = 0, shorts = 0, longs = 0, cores = 0;
    bool is_unsigned = false;
    bool is_signed = false;
    const BaseWordRow *core = nullptr;
};

WordSet read_words(const char *name)
{
    WordSet set;
    const char *p = name ? name : "";
    while (*p) {
        while (*p == ' ')
            p++;
        const char *start = p;
        while (*p && *p != ' ')
            p++;
        if (p == start)
            break;
        const BaseWordRow *row = find_base_word(start, p - start);
        if (!row) {
            set.known = false;
            continue;
        }
        if (row->slot == BWS_SIGN) {
            set.signs++;
            set.is_unsigned |= row->text[0] == 'u';
            set.is_signed |= row->text[0] == 's';
        } else if (row->slot == BWS_LENGTH) {
            (row->text[0] == 's' ? set.shorts : set.longs)++;
        } else {
            set.cores++;
            set.core = row;
        }
    }
    return set;
}

/* C/C++ rules: one sign, one core, "short" or up to two "long", and
** only the sign and length words the core admits. */
bool words_combine(const WordSet &set)
{
    if (!set.known || set.signs > 1 || set.cores > 1 || set.shorts > 1 ||
        set.longs > 2 || (set.shorts && set.longs))
        return false;
    if (!set.core)
        return true;
    return (!set.signs || set.core->sign_ok) &&
           (!set.shorts || set.core->short_ok) &&
           (set.longs != 1 || set.core->long_ok) &&
           (set.longs != 2 || set.core->long_long_ok);
}

int signed_size(int word, bool force_signed, bool force_unsigned)
{
    int bits = base_type_bits(word);
    if (force_unsigned)
        return bits;
    if (force_signed)
        return -bits;
    return base_type_signed(word) ? -bits : bits;
}

/* Size of a valid word set from the current target settings. */
int words_bits(const WordSet &set)
{
    if (set.core && set.core->size_word < 0) {
        if (set.longs == 1)
            return -128; /* long double */
        return set.core->fixed_bits;
    }
    int word = BSW_INT;
    if (set.core && set.core->size_word == BSW_CHAR)
        word = BSW_CHAR;
    else if (set.shorts)
        word = BSW_SHORT;
    else if (set.longs == 2)
        word = BSW_LONG_LONG;
    else if (set.longs == 1)
        word = BSW_LONG;
    return signed_size(word, set.is_signed, set.is_unsigned);
}

bool is_base_kind(unsigned kind)
{
    return kind == CT_BASE || kind == CT_COMPOSED;
}

/* Types that stand alone as a declaration's type specifier. */
bool is_named_kind(unsigned kind)
{
    switch (kind) {
    case CT_ENUM: case CT_UNION: case CT_TYPEDEF: case CT_VOID:
    case CT_STRUCT: case CT_TEMPLATE: case CT_INSTANCE:
        return true;
    default:
        return false;
    }
}

bool is_declarator_kind(unsigned kind)
{
    return kind == CT_POINTER || kind == CT_ARRAY || kind == CT_FUNCTION ||
           kind == CT_MODIFIER || kind == CT_REFERENCE;
}

/* A declarator node still waiting for the type it applies to. */
bool is_open(const CType *type)
{
    return is_declarator_kind(type->kind) && !type->target;
}

void report_construct(CType *first, CType *second, const char *file, int line)
{
    std::string a, b;
    type_image(first, "", 0, 0, a);
    type_image(second, "", 0, 0, b);
    capi_report(3, "CONSTRUCT", (a + " " + b).c_str(), file, line);
}

/* Links an open chain through its `next` fields and puts `type` at its
** end. */
CType *fill_chain(CType *chain, CType *type, const char *file, int line)
{
    CType *node = chain;
    for (int steps = 0; steps < DEPTH_LIMIT * 100; steps++) {
        if (node->kind == CT_MODIFIER)
            node->applied = true;
        if (node->next && !node->target) {
            node->target = node->next;
            node->next = nullptr;
            node = node->target;
            continue;
        }
        node->target = node->target ? compose_type(node->target, type, file, line)
                                    : type;
        break;
    }
    return chain;
}

CType *combine_words(CType *first, CType *second, const char *file, int line)
{
    std::string name = std::string(first->base.name) + " " + second->base.name;
    WordSet set = read_words(name.c_str());
    if (!words_combine(set) || first->base.attribute || second->base.attribute) {
        report_construct(first, second, file, line);
        free_type(second, FREE_ALL);
        return first;
    }
    first->kind = CT_COMPOSED;
    first->base.name = intern_text(name.c_str());
    first->base.bits = words_bits(set);
    free_type(second, FREE_ALL);
    return first;
}

/* The base word set behind a kind 0 or 1 node, for comparisons: two
** spellings of one type ("unsigned" and "unsigned int") compare equal,
** "long" and "int" do not even when their sizes agree. */
struct BaseKey {
    const BaseWordRow *core;
    int shorts, longs;
    int char_sign; /* 0 none, 1 signed, 2 unsigned; only for char */
    bool known;
};

BaseKey base_key(const CBaseRecord &base)
{
    WordSet set = read_words(base.name);
    BaseKey key = {set.core, set.shorts, set.longs, 0, set.known};
    if (set.core && set.core->size_word == BSW_CHAR)
        key.char_sign = set.is_unsigned ? 2 : set.is_signed ? 1 : 0;
    if (!key.core)
        key.core = find_base_word("int", 3);
    return key;
}

bool bases_equal(const CBaseRecord &a, const CBaseRecord &b)
{
    if (a.bits != b.bits || a.attribute != b.attribute)
        return false;
    BaseKey ka = base_key(a), kb = base_key(b);
    if (!ka.known || !kb.known)
        return a.name == b.name;
    return ka.core == kb.core && ka.shorts == kb.shorts &&
           ka.longs == kb.longs && ka.char_sign == kb.char_sign;
}

const char *text_or_null(const char *text)
{
    return text && *text ? text : nullptr;
}

bool dims_equal(const CType *a, const CType *b)
{
    const char *ta = text_or_null(a->dim_text), *tb = text_or_null(b->dim_text);
    if (ta || tb)
        return ta && tb && strcmp(ta, tb) == 0;
    long long va = 0, vb = 0;
    bool ca = a->dim_expr && dimension_hooks.constant_value &&
              dimension_hooks.constant_value(a->dim_expr, &va);
    bool cb = b->dim_expr && dimension_hooks.constant_value &&
              dimension_hooks.constant_value(b->dim_expr, &vb);
    return ca == cb && va == vb;
}

bool equal_at(CType *a, CType *b, int depth);

bool params_equal(const CFunctionBody *a, const CFunctionBody *b, int depth)
{
    size_t na = a ? a->params.size() : 0, nb = b ? b->params.size() : 0;
    if (na != nb)
        return false;
    for (size_t i = 0; i < na; i++)
        if (!equal_at(a->params[i]->type, b->params[i]->type, depth + 1))
            return false;
    return true;
}

bool instances_equal(const CType *a, const CType *b, int depth)
{
    if (a->templ != b->templ)
        return false;
    size_t na = a->instance ? a->instance->args.size() : 0;
    size_t nb = b->instance ? b->instance->args.size() : 0;
    if (na != nb)
        return false;
    for (size_t i = 0; i < na; i++) {
        const CTemplateArg &x = a->instance->args[i], &y = b->instance->args[i];
        if (x.type || y.type) {
            if (!x.type || !y.type || !equal_at(x.type, y.type, depth + 1))
                return false;
        } else if (x.text != y.text) {
            return false;
        }
    }
    return true;
}

CType *skip_typedefs(CType *type)
{
    for (int i = 0; type && type->kind == CT_TYPEDEF && type->target && i < DEPTH_LIMIT; i++)
        type = type->target;
    return type;
}

bool equal_at(CType *a, CType *b, int depth)
{
    a = skip_typedefs(a);
    b = skip_typedefs(b);
    if (a == b)
        return true;
    if (!a || !b || depth > DEPTH_LIMIT)
        return false;
    if (is_base_kind(a->kind) && is_base_kind(b->kind))
        return bases_equal(a->base, b->base);
    if (a->kind != b->kind)
        return false;
    switch (a->kind) {
    case CT_POINTER: case CT_REFERENCE:
        return equal_at(a->target, b->target, depth + 1);
    case CT_ARRAY:
        return dims_equal(a, b) && equal_at(a->target, b->target, depth + 1);
    case CT_MODIFIER:
        return a->name == b->name && equal_at(a->target, b->target, depth + 1);
    case CT_FUNCTION:
        return equal_at(a->target, b->target, depth + 1) &&
               params_equal(a->function, b->function, depth);
    case CT_ENUM: case CT_UNION: case CT_STRUCT: case CT_TEMPLATE:
        return a->name && a->name == b->name && a->owner == b->owner;
    case CT_INSTANCE:
        return instances_equal(a, b, depth);
    case CT_TYPEDEF: /* unresolved typedef names */
        return a->name == b->name;
    default: /* void, ellipsis */
        return true;
    }
}

CClassBody *copy_class_body(const CClassBody *body)
{
    CClassBody *copy = new CClassBody(*body);
    copy->scope = nullptr; /* a class scope belongs to one node */
    for (CMember *&member : copy->members) {
        CMember *m = new CMember(*member);
        m->symbol = copy_symbol(member->symbol);
        member = m;
    }
    for (CSymbol *&friend_symbol : copy->friends)
        friend_symbol = copy_symbol(friend_symbol);
    return copy;
}

CFunctionBody *copy_function_body(const CFunctionBody *body)
{
    CFunctionBody *copy = new CFunctionBody(*body);
    for (CSymbol *&param : copy->params)
        param = copy_symbol(param);
    for (CType *&exception : copy->exceptions)
        exception = copy_type(exception);
    return copy;
}

CInstanceBody *copy_instance_body(const CInstanceBody *body)
{
    CInstanceBody *copy = new CInstanceBody(*body);
    for (CTemplateArg &arg : copy->args)
        arg.type = copy_type(arg.type);
    return copy;
}

/* Follows pointers, arrays, functions, references, typedef names and
** modifiers to the type at the end. */
CType *final_type(CType *type)
{
    for (int i = 0; type && i < DEPTH_LIMIT; i++) {
        switch (type->kind) {
        case CT_POINTER: case CT_ARRAY: case CT_FUNCTION: case CT_REFERENCE:
        case CT_TYPEDEF: case CT_MODIFIER:
            if (!type->target)
                return type;
            type = type->target;
            break;
        default:
            return type;
        }
    }
    return type;
}

/* The kind 0 node a typedef name stands for, if any. */
CType *typedef_base(CSymbolTable *table, const char *name)
{
    CTableEntry *entry = lookup_ordinary(table, name, current_qualifier(table));
    if (!entry || !is_typedef_symbol(entry->symbol))
        return nullptr;
    CType *base = resolve_type(entry->symbol->type);
    return base && base->kind == CT_BASE ? base : nullptr;
}

} // namespace

const char *ctype_kind_name(unsigned kind)
{
    switch (kind) {
#define CTYPE_KIND(constant, number, title) \
    case number:                            \
        return title;
#include "ctype_kinds.def"
#undef CTYPE_KIND
    default:
        return "unknown kind";
    }
}

void set_dimension_hooks(const DimensionHooks &hooks)
{
    dimension_hooks = hooks;
}

const DimensionHooks &current_dimension_hooks()
{
    return dimension_hooks;
}

/* ---- Making nodes ---- */

CType *make_type(unsigned kind, NamespaceQualifier owner)
{
    CType *type = new CType;
    type->kind = kind;
    type->owner_kind = owner.flag;
    type->owner = owner.ns;
    return type;
}

CType *make_base_type(const char *word)
{
    if (word && strcmp(word, "void") == 0)
        return make_type(CT_VOID);
    WordSet set = read_words(word);
    int words = set.signs + set.shorts + set.longs + set.cores;
    if (!words || !words_combine(set))
        return nullptr;
    CType *type = make_type(words == 1 ? CT_BASE : CT_COMPOSED);
    type->base.name = intern_text(word);
    type->base.bits = words_bits(set);
    return type;
}

CType *make_literal_base(int bits, int attribute, const char *name)
{
    CType *type = make_type(CT_BASE);
    type->base.name = intern_text(name);
    type->base.bits = bits;
    type->base.attribute = attribute;
    return type;
}

static CType *make_wrapper(unsigned kind, CType *target)
{
    CType *type = make_type(kind);
    type->target = target;
    return type;
}

CType *make_pointer(CType *target) { return make_wrapper(CT_POINTER, target); }
CType *make_reference(CType *target) { return make_wrapper(CT_REFERENCE, target); }

CType *make_array(CType *element, const char *dim_text, CExpr *dim_expr)
{
    CType *type = make_wrapper(CT_ARRAY, element);
    type->dim_text = intern_text(dim_text);
    type->dim_expr = dim_expr;
    return type;
}

CType *make_modifier(const char *name, CType *target)
{
    CType *type = make_wrapper(CT_MODIFIER, target);
    type->name = intern_text(name);
    type->applied = target != nullptr;
    return type;
}

CType *make_typedef_name(const char *name, CType *aliased)
{
    CType *type = make_wrapper(CT_TYPEDEF, aliased);
    type->name = intern_text(name);
    return type;
}

CType *make_function(CType *return_type)
{
    CType *type = make_wrapper(CT_FUNCTION, return_type);
    type->function = new CFunctionBody;
    return type;
}

CType *make_class_type(unsigned kind, const char *tag, bool is_class,
                       NamespaceQualifier owner)
{
    CType *type = make_type(kind, owner);
    type->name = intern_text(tag);
    type->class_body = new CClassBody;
    type->class_body->tag = type->name;
    type->class_body->is_class = is_class;
    type->class_body->default_access = is_class ? MA_PRIVATE : MA_PUBLIC;
    return type;
}

CType *make_enum_type(const char *tag, NamespaceQualifier owner)
{
    CType *type = make_type(CT_ENUM, owner);
    type->name = intern_text(tag);
    type->enum_body = new CEnumBody;
    type->enum_body->tag = type->name;
    type->enum_body->tag_length = type->name ? (int)strlen(type->name) : 0;
    return type;
}

CSymbol *make_symbol(const char *name, CType *type, NamespaceQualifier owner,
                     const char *file)
{
    CSymbol *symbol = new CSymbol;
    symbol->name = intern_text(name);
    symbol->type = type;
    symbol->owner_kind = owner.flag;
    symbol->owner = owner.ns;
    symbol->file = intern_text(file);
    return symbol;
}

void free_symbol(CSymbol *symbol)
{
    if (!symbol)
        return;
    free_type(symbol->type, FREE_ALL);
    delete symbol;
}

/* ---- Following transparent kinds ---- */

bool is_modifier_word(const char *name)
{
    /* Every modifier word begins with one of these: most names stop here. */
    if (!name || (name[0] != 'c' && name[0] != 'v' && name[0] != '_'))
        return false;
    for (const char *word : modifier_words)
        if (strcmp(word, name) == 0)
            return true;
    return false;
}

CType *resolve_type(CType *type)
{
    for (int i = 0; type && i < DEPTH_LIMIT; i++) {
        if ((type->kind != CT_TYPEDEF && type->kind != CT_MODIFIER) || !type->target)
            return type;
        type = type->target;
    }
    return type;
}

CType *real_type(CType *type)
{
    type = resolve_type(type);
    if (type && type->kind == CT_INSTANCE && type->instance &&
        type->instance->class_type)
        return resolve_type(type->instance->class_type);
    return type;
}

bool is_typedef_symbol(const CSymbol *symbol)
{
    return symbol && symbol->type && symbol->type->kind == CT_TYPEDEF &&
           symbol->type->name == symbol->name;
}

bool is_function_type(CType *type)
{
    type = resolve_type(type);
    return type && type->kind == CT_FUNCTION;
}

/* ---- Composition ----
** compose_type(first, second): the later specifier word or the type a
** declarator chain applies to is `second`.
**   open declarator chain first   -> the chain gets `second` at its end
**   applied modifier first        -> `second` composes into its type
**   modifier second               -> it wraps (or composes with) `first`
**   two base words                -> one kind 1 base type
**   a base word or named type with a named type -> CONSTRUCT (warning);
**                                    the first is kept
**   anything else                 -> ERRINTERN "CPP_compose_type"
** Both arguments are consumed; parts left over are released. */
CType *compose_type(CType *first, CType *second, const char *file, int line)
{
    if (!first)
        return second;
    if (!second)
        return first;
    if (is_open(first))
        return fill_chain(first, second, file, line);
    if (first->kind == CT_MODIFIER) {
        first->target = compose_type(first->target, second, file, line);
        return first;
    }
    if (is_open(second) && second->kind != CT_MODIFIER)
        return fill_chain(second, first, file, line);
    if (second->kind == CT_MODIFIER) {
        second->target = compose_type(first, second->target, file, line);
        second->applied = true;
        return second;
    }
    if (is_base_kind(first->kind) && is_base_kind(second->kind))
        return combine_words(first, second, file, line);
    if ((is_base_kind(first->kind) || is_named_kind(first->kind)) &&
        (is_base_kind(second->kind) || is_named_kind(second->kind))) {
        report_construct(first, second, file, line);
        free_type(second, FREE_ALL);
        return first;
    }
    capi_report(0, "ERRINTERN", "CPP_compose_type", file, line);
    free_type(second, FREE_ALL);
    return first;
}

bool types_equal(CType *first, CType *second)
{
    return equal_at(first, second, 0);
}

/* ---- Copies and release ---- */

CType *copy_type(const CType *type)
{
    if (!type)
        return nullptr;
    if (type->registered)
        return const_cast<CType *>(type);
    CType *copy = new CType(*type);
    copy->target = copy_type(type->target);
    copy->next = copy_type(type->next);
    copy->dim_expr = type->dim_expr && dimension_hooks.copy
                         ? dimension_hooks.copy(type->dim_expr)
                         : nullptr;
    if (type->enum_body)
        copy->enum_body = new CEnumBody(*type->enum_body);
    if (type->class_body)
        copy->class_body = copy_class_body(type->class_body);
    if (type->function)
        copy->function = copy_function_body(type->function);
    if (type->instance)
        copy->instance = copy_instance_body(type->instance);
    return copy;
}

CSymbol *copy_symbol(const CSymbol *symbol)
{
    if (!symbol)
        return nullptr;
    CSymbol *copy = new CSymbol(*symbol);
    copy->type = copy_type(symbol->type);
    return copy;
}

void free_class_body(CClassBody *body)
{
    if (!body)
        return;
    for (CMember *member : body->members) {
        free_symbol(member->symbol);
        delete member;
    }
    for (CSymbol *friend_symbol : body->friends)
        free_symbol(friend_symbol);
    delete body;
}

void free_enum_body(CEnumBody *body)
{
    delete body;
}

static void free_payload(CType *type, unsigned flags)
{
    free_type(type->target, flags | FREE_NODE);
    free_type(type->next, flags | FREE_NODE);
    if (type->dim_expr && dimension_hooks.release)
        dimension_hooks.release(type->dim_expr);
    if (flags & FREE_ENUM_BODY)
        free_enum_body(type->enum_body);
    if (flags & FREE_CLASS_BODY)
        free_class_body(type->class_body);
    if (type->function) {
        for (CSymbol *param : type->function->params)
            free_symbol(param);
        for (CType *exception : type->function->exceptions)
            free_type(exception, FREE_ALL);
        delete type->function;
    }
    if (type->instance) {
        for (CTemplateArg &arg : type->instance->args)
            free_type(arg.type, FREE_ALL);
        delete type->instance;
    }
}

/* Releases a node that is not held by the table, with what it owns;
** without FREE_NODE the node is kept, emptied of its payload. */
void free_type(CType *type, unsigned flags)
{
    if (!type || type->registered)
        return;
    free_payload(type, flags);
    if (flags & FREE_NODE) {
        delete type;
        return;
    }
    type->target = type->next = nullptr;
    type->dim_expr = nullptr;
    type->enum_body = nullptr;
    type->class_body = nullptr;
    type->function = nullptr;
    type->instance = nullptr;
}

/* ---- Predicates ---- */

bool is_wide_string_type(CType *type)
{
    type = resolve_type(type);
    if (!type || (type->kind != CT_POINTER && type->kind != CT_ARRAY))
        return false;
    CType *element = resolve_type(type->target);
    return element && element->kind == CT_BASE && element->base.attribute &&
           element->base.bits < 0;
}

bool type_refers_to(CType *type, const CType *tag)
{
    for (int i = 0; type && i < DEPTH_LIMIT; i++) {
        if (type == tag || real_type(type) == tag)
            return true;
        switch (type->kind) {
        case CT_POINTER: case CT_ARRAY: case CT_REFERENCE:
        case CT_TYPEDEF: case CT_MODIFIER:
            type = type->target;
            break;
        default:
            return false;
        }
    }
    return false;
}

bool same_final_type(CType *first, CType *second)
{
    return types_equal(final_type(first), final_type(second));
}

bool is_friend_of(CType *class_type, const char *name)
{
    CType *real = real_type(class_type);
    if (!real || !real->class_body || !name)
        return false;
    const char *key = intern_text(name);
    for (const CSymbol *friend_symbol : real->class_body->friends) {
        const CType *type = friend_symbol->type;
        if (friend_symbol->name == key || (type && type->name == key))
            return true;
    }
    return false;
}

/* ---- Size pragmas ---- */

bool apply_sizeof_pragma(CSymbolTable *table, const char *name, int bits)
{
    int word = base_size_word(name);
    if (word >= 0) {
        set_base_type_bits(word, bits);
        return true;
    }
    CType *base = typedef_base(table, name);
    if (base) {
        base->base.bits = base->base.bits < 0 ? -bits : bits;
        return true;
    }
    if (name)
        record_named_size(name, bits);
    return false;
}

bool apply_signof_pragma(CSymbolTable *table, const char *name, bool is_signed)
{
    int word = base_size_word(name);
    if (word >= 0 && word != BSW_LONG_LONG) {
        set_base_type_signed(word, is_signed);
        return true;
    }
    CType *base = typedef_base(table, name);
    if (!base)
        return false;
    int magnitude = base->base.bits < 0 ? -base->base.bits : base->base.bits;
    base->base.bits = is_signed ? -magnitude : magnitude;
    return true;
}
