/*
** src/capi/model/model_image.cc
** C/C++ text of types and declarations, and qualified names.
**
** A declaration is printed the way C reads it: walking from the declared
** name outwards, pointers and references go on the left, arrays and
** parameter lists on the right, and a suffix that follows a prefix gets
** parentheses ("int (*f)(int)").  Qualifiers wait until they meet what
** they apply to: a pointer ("int *const p"), a member function
** ("int f() const") or the type specifier ("const int").  Class and enum
** bodies are printed once per image, for the declared type itself, for
** anonymous tags and for tags nested in the class being printed; other
** tags appear by their names, qualified from where they are printed.
*/
#include "model.h"

#include <cctype>
#include <cstring>

#include "support.h"

namespace {

const int DEPTH_LIMIT = 1000;
const char *const UNNAMED_NAMESPACE = "zirko_unnamed_namespace";

struct StorageKeyword {
    unsigned bit;
    const char *keyword;
};

const StorageKeyword storage_keywords[] = {
#define STORAGE_FLAG(constant, bit, keyword) {bit, keyword},
#include "storage_flags.def"
#undef STORAGE_FLAG
};

struct OperatorWord {
    const char *op;
    const char *word;
};

const OperatorWord operator_words[] = {
#define OPERATOR_WORD(op, word) {op, word},
#include "operator_words.def"
#undef OPERATOR_WORD
};

/* Printing state of one image. */
struct ImageState {
    unsigned flags = 0;
    std::vector<const CType *> printed; /* tags whose bodies were printed */
    const CNamespace *context = nullptr; /* class whose body is being printed */
    int level = 0; /* 0 for the declaration asked for, deeper inside bodies */
};

void declaration_parts(const CType *type, const char *name, ImageState &state,
                       int depth, bool no_return, std::string &before,
                       std::string &after);
void symbol_text(const CSymbol *symbol, ImageState &state, int depth,
                 std::string &out);

void scope_chain(const CNamespace *ns, std::vector<const CNamespace *> &out)
{
    for (int i = 0; ns && i < DEPTH_LIMIT; ns = ns->parent, i++)
        out.insert(out.begin(), ns);
}

/* The enclosing scopes of a declaration that are not already enclosing
** `context`, each followed by `separator`. */
void scope_prefix(unsigned owner_kind, const CNamespace *owner,
                  const CNamespace *context, const char *separator,
                  std::string &out)
{
    if (!owner_kind || !owner)
        return;
    std::vector<const CNamespace *> mine, theirs;
    scope_chain(owner, mine);
    scope_chain(context, theirs);
    size_t common = 0;
    while (common < mine.size() && common < theirs.size() &&
           mine[common] == theirs[common])
        common++;
    for (size_t i = common; i < mine.size(); i++) {
        const char *name = mine[i]->name;
        if (!name || strcmp(name, UNNAMED_NAMESPACE) == 0)
            continue;
        out += name;
        out += separator;
    }
}

std::string tag_name(const CType *type, const ImageState &state)
{
    std::string out;
    scope_prefix(type->owner_kind, type->owner, state.context, "::", out);
    if (type->name)
        out += type->name;
    return out;
}

const char *access_word(unsigned access)
{
    if (access & MA_PUBLIC)
        return "public";
    if (access & MA_PROTECTED)
        return "protected";
    return "private";
}

bool has_printable_body(const CType *type)
{
    return type->kind == CT_ENUM ? type->enum_body != nullptr
                                 : type->class_body != nullptr;
}

bool already_printed(const ImageState &state, const CType *type)
{
    for (const CType *t : state.printed)
        if (t == type)
            return true;
    return false;
}

/* Bodies: the declared type's own, anonymous tags' (they have no other
** spelling) and those of tags nested in the class being printed. */
bool wants_body(const CType *type, const ImageState &state)
{
    if (!has_printable_body(type))
        return false;
    if (!type->name)
        return true;
    if (!(state.flags & IMG_BODIES) || already_printed(state, type))
        return false;
    return state.level == 0 || (state.context && type->owner == state.context);
}

void enum_body_text(const CEnumBody *body, int depth, std::string &out)
{
    out += " {\n";
    for (size_t i = 0; i < body->enumerators.size(); i++) {
        const CEnumerator &e = body->enumerators[i];
        out.append(depth + 1, '\t');
        out += text_or_empty(e.name);
        out += "\t= " + std::to_string(e.value);
        out += i + 1 < body->enumerators.size() ? ",\n" : "\n";
    }
    out.append(depth, '\t');
    out += "}";
}

void base_list_text(const CClassBody *body, const ImageState &state,
                    std::string &out)
{
    for (size_t i = 0; i < body->bases.size(); i++) {
        const CBaseClass &base = body->bases[i];
        out += i ? ", " : " : ";
        if (base.is_virtual)
            out += "virtual ";
        out += access_word(base.access);
        out += " ";
        if (base.type)
            out += tag_name(base.type, state);
    }
}

void member_text(const CMember *member, ImageState &state, int depth,
                 std::string &out)
{
    if (member->access & MA_INHERITED) {
        out += "using ";
        if (member->from_base)
            out += tag_name(member->from_base, state) + "::";
        out += text_or_empty(member->symbol->name);
        return;
    }
    symbol_text(member->symbol, state, depth, out);
    if (member->bit_width >= 0)
        out += "\t: " + std::to_string(member->bit_width);
}

void class_body_text(const CType *type, ImageState &state, int depth,
                     std::string &out)
{
    const CClassBody *body = type->class_body;
    base_list_text(body, state, out);
    out += " {\n";
    const CNamespace *saved = state.context;
    state.context = body->scope;
    state.level++;
    unsigned current = body->default_access;
    for (const CMember *member : body->members) {
        if ((member->access & MA_INHERITED) && !(member->access & MA_ACCESS_DECLARED))
            continue;
        unsigned access = member->access & MA_ACCESS_MASK;
        if (access && access != current) {
            out.append(depth, '\t');
            out += access_word(access);
            out += ":\n";
            current = access;
        }
        out.append(depth + 1, '\t');
        member_text(member, state, depth + 1, out);
        out += ";\n";
    }
    for (const CSymbol *friend_symbol : body->friends) {
        out.append(depth + 1, '\t');
        symbol_text(friend_symbol, state, depth + 1, out);
        out += ";\n";
    }
    state.level--;
    state.context = saved;
    out.append(depth, '\t');
    out += "}";
}

void template_header(const CClassBody *body, std::string &out)
{
    out += "template <";
    for (size_t i = 0; i < body->template_params.size(); i++) {
        if (i)
            out += ", ";
        out += text_or_empty(body->template_params[i].text);
    }
    out += "> ";
}

std::string tag_text(const CType *type, ImageState &state, int depth)
{
    std::string out;
    const CClassBody *body = type->class_body;
    if (type->kind == CT_TEMPLATE && body && (state.flags & IMG_TEMPLATE_HEADER) &&
        state.level == 0)
        template_header(body, out);
    switch (type->kind) {
    case CT_ENUM: out += "enum"; break;
    case CT_UNION: out += "union"; break;
    default: out += body && body->is_class ? "class" : "struct"; break;
    }
    if (type->name)
        out += " " + tag_name(type, state);
    if (wants_body(type, state)) {
        if (type->name)
            state.printed.push_back(type);
        if (type->kind == CT_ENUM)
            enum_body_text(type->enum_body, depth, out);
        else
            class_body_text(type, state, depth, out);
    }
    return out;
}

std::string plain_image(const CType *type, ImageState &state)
{
    std::string before, after;
    declaration_parts(type, "", state, 0, false, before, after);
    return before + after;
}

std::string instance_text(const CType *type, ImageState &state)
{
    std::string out = type->templ ? tag_name(type->templ, state)
                                  : text_or_empty(type->name);
    out += "<";
    if (type->instance)
        for (size_t i = 0; i < type->instance->args.size(); i++) {
            const CTemplateArg &arg = type->instance->args[i];
            if (i)
                out += ", ";
            out += arg.type ? plain_image(arg.type, state) : text_or_empty(arg.text);
        }
    if (out.back() == '>')
        out += " ";
    out += ">";
    return out;
}

std::string base_text(const CType *type)
{
    if (type->base.attribute)
        return "wchar_t";
    return type->base.name ? type->base.name : "int";
}

/* As written, blanks for tabs and newlines; "100" for a blank text; the
** constant value of the expression ("1" when not constant); empty
** brackets ("100" in storage mode) without either. */
std::string dimension_text(const CType *type, const ImageState &state)
{
    const char *text = type->dim_text;
    if (text && *text) {
        std::string out(text);
        bool blank = true;
        for (char &c : out) {
            if (c == '\t' || c == '\n' || c == '\r')
                c = ' ';
            blank &= c == ' ';
        }
        return blank ? "100" : out;
    }
    if (type->dim_expr) {
        const DimensionHooks &hooks = current_dimension_hooks();
        long long value = 0;
        if (hooks.constant_value && hooks.constant_value(type->dim_expr, &value))
            return std::to_string(value);
        return "1";
    }
    return (state.flags & IMG_STORAGE) ? "100" : "";
}

std::string parameters_text(const CFunctionBody *function, ImageState &state)
{
    std::string out = "(";
    ImageState inner;
    inner.flags = state.flags & IMG_EXPAND_TYPEDEFS;
    inner.context = state.context;
    inner.level = state.level + 1;
    if (function)
        for (size_t i = 0; i < function->params.size(); i++) {
            const CSymbol *param = function->params[i];
            if (i)
                out += ", ";
            if (param->type && param->type->kind == CT_ELLIPSIS)
                out += "...";
            else
                symbol_text(param, inner, 0, out);
        }
    return out + ")";
}

std::string throw_text(const CFunctionBody *function, ImageState &state)
{
    if (!function || !function->has_throw)
        return "";
    std::string out = " throw (";
    for (size_t i = 0; i < function->exceptions.size(); i++) {
        if (i)
            out += ", ";
        out += plain_image(function->exceptions[i], state);
    }
    return out + ")";
}

bool points_to_char(const CType *pointer)
{
    const CType *target = resolve_type(pointer->target);
    if (!target || (target->kind != CT_BASE && target->kind != CT_COMPOSED) ||
        !target->base.name)
        return false;
    const char *name = target->base.name;
    size_t n = strlen(name);
    return strcmp(name, "char") == 0 || (n > 5 && strcmp(name + n - 5, " char") == 0);
}

/* The walk from the name outwards.  `left` and `right` surround the name;
** `pending` holds qualifiers waiting for what they apply to. */
struct Declarator {
    std::string left, right, pending, specifier;
    bool prefix_open = false; /* a prefix was added since the last suffix */

    void prefix(const char *op)
    {
        left.insert(0, op + pending);
        pending.clear();
        prefix_open = true;
    }
    void suffix(const std::string &text)
    {
        if (prefix_open) {
            left.insert(0, "(");
            right += ")";
            prefix_open = false;
        }
        right += text;
    }
};

/* One step of the walk; returns the next node, or null once the type
** specifier has been set. */
const CType *declarator_step(const CType *type, Declarator &d, ImageState &state,
                             int depth, bool &no_return)
{
    switch (type->kind) {
    case CT_POINTER:
        if ((state.flags & IMG_STORAGE) && points_to_char(type)) {
            d.pending.clear(); /* a buffer has no qualifiers of its own */
            d.suffix("[200]");
            /* nor its characters: the driver writes into it */
            const CType *element = type->target;
            while (element && element->kind == CT_MODIFIER)
                element = element->target;
            if (element)
                return element;
        } else
            d.prefix("*");
        break;
    case CT_REFERENCE:
        d.prefix("&");
        break;
    case CT_ARRAY:
        d.suffix("[" + dimension_text(type, state) + "]");
        break;
    case CT_FUNCTION: {
        std::string quals = d.pending;
        while (!quals.empty() && quals.back() == ' ')
            quals.pop_back();
        d.pending.clear();
        d.suffix(parameters_text(type->function, state) +
                 (quals.empty() ? "" : " " + quals) + throw_text(type->function, state));
        if (no_return) {
            no_return = false;
            return nullptr;
        }
        break;
    }
    case CT_MODIFIER:
        d.pending += text_or_empty(type->name);
        d.pending += " ";
        break;
    case CT_TYPEDEF:
        if ((state.flags & IMG_EXPAND_TYPEDEFS) && type->target)
            return type->target;
        d.specifier = d.pending + text_or_empty(type->name);
        return nullptr;
    case CT_BASE: case CT_COMPOSED:
        d.specifier = d.pending + base_text(type);
        return nullptr;
    case CT_VOID:
        d.specifier = d.pending + "void";
        return nullptr;
    case CT_ELLIPSIS:
        d.specifier = "...";
        return nullptr;
    case CT_ENUM: case CT_UNION: case CT_STRUCT: case CT_TEMPLATE:
        d.specifier = d.pending + tag_text(type, state, depth);
        return nullptr;
    case CT_INSTANCE:
        d.specifier = d.pending + instance_text(type, state);
        return nullptr;
    default:
        d.specifier = d.pending + "int";
        return nullptr;
    }
    if (!type->target)
        d.specifier = d.pending + "int";
    return type->target;
}

void declaration_parts(const CType *type, const char *name, ImageState &state,
                       int depth, bool no_return, std::string &before,
                       std::string &after)
{
    Declarator d;
    if (!type)
        d.specifier = "int";
    for (int steps = 0; type && steps < DEPTH_LIMIT * 100; steps++)
        type = declarator_step(type, d, state, depth, no_return);
    bool named = name && *name;
    before = d.specifier;
    if ((!d.left.empty() || named) && !before.empty())
        before += " ";
    before += d.left;
    if (!named)
        while (!before.empty() && before.back() == ' ')
            before.pop_back();
    after = d.right;
}

bool is_tag_kind(unsigned kind)
{
    return kind == CT_ENUM || kind == CT_UNION || kind == CT_STRUCT ||
           kind == CT_TEMPLATE || kind == CT_INSTANCE;
}

void symbol_text(const CSymbol *symbol, ImageState &state, int depth,
                 std::string &out)
{
    for (const StorageKeyword &k : storage_keywords)
        if (symbol->storage & k.bit)
            out += k.keyword;
    const CType *type = symbol->type;
    const char *name = symbol->name;
    if (is_typedef_symbol(symbol)) {
        out += "typedef ";
        type = type->target;
    } else if (type && is_tag_kind(type->kind) && (!name || name == type->name)) {
        name = nullptr; /* the declaration of the tag itself */
    }
    bool no_return = symbol->attributes[SA_CONSTRUCTOR] ||
                     symbol->attributes[SA_DESTRUCTOR];
    std::string before, after;
    declaration_parts(type, name, state, depth, no_return, before, after);
    out += before;
    out += text_or_empty(name);
    out += after;
}

bool is_identifier_char(char c)
{
    return isalnum((unsigned char)c) || c == '_';
}

} // namespace

/* ---- Interface ---- */

void type_image_parts(const CType *type, const char *name, unsigned flags,
                      int depth, std::string &before, std::string &after)
{
    ImageState state;
    state.flags = flags;
    declaration_parts(type, name, state, depth, false, before, after);
}

void type_image(const CType *type, const char *name, unsigned flags, int depth,
                std::string &out)
{
    std::string before, after;
    type_image_parts(type, name, flags, depth, before, after);
    out += before;
    out += text_or_empty(name);
    out += after;
}

void symbol_image(const CSymbol *symbol, unsigned flags, int depth,
                  std::string &out)
{
    if (!symbol)
        return;
    ImageState state;
    state.flags = flags;
    symbol_text(symbol, state, depth, out);
}

void qualified_name(const CSymbol *symbol, const char *separator,
                    bool identifier_form, std::string &out)
{
    if (!symbol)
        return;
    scope_prefix(symbol->owner_kind, symbol->owner, nullptr,
                 separator ? separator : "", out);
    if (identifier_form)
        operator_identifier(symbol->name, out);
    else
        out += text_or_empty(symbol->name);
}

/* "operator" followed by an operator becomes "operator_" and words:
** "operator+=" -> "operator_add_assign", "operator ()" ->
** "operator__function_call".  Other names are copied. */
void operator_identifier(const char *name, std::string &out)
{
    const char *text = text_or_empty(name);
    if (strncmp(text, "operator", 8) != 0 || is_identifier_char(text[8])) {
        out += text;
        return;
    }
    out += "operator_";
    for (const char *p = text + 8; *p;) {
        if (*p == ' ' || *p == ':') {
            out += '_';
            p++;
            continue;
        }
        const OperatorWord *best = nullptr;
        size_t best_length = 0;
        for (const OperatorWord &w : operator_words) {
            size_t n = strlen(w.op);
            if (n > best_length && strncmp(p, w.op, n) == 0) {
                best = &w;
                best_length = n;
            }
        }
        if (best) {
            out += best->word;
            p += best_length;
        } else {
            out += *p++;
        }
    }
}
