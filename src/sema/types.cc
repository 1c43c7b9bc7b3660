/*
** src/sema/types.cc
** Type classes: C types reduced to the small classes analysis compares.
**
** Analysis never compares C types structurally: it reduces each type to
** a class (a small signed number: arithmetic, character, string, pointer,
** struct, array, ...) with a printed text, and two types fit when their
** classes are compatible.  The type nodes are read through the bridge's
** type view; typedef names and modifiers take the class of what they
** stand for.  Class distance, for the choice of callbacks and procsends,
** walks the base lists of the class model.
*/
#include "sema_int.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

/* Typedef names, modifiers and references are peeled off at most this
** deep; the model's own chains are far shorter. */
const int PEEL_LIMIT = 64;

} // namespace

const CType *without_typedefs(const CType *type)
{
    const CType *t = type;
    for (int i = 0; t && i < PEEL_LIMIT; i++) {
        CTypeView v = type_view(t);
        if (v.kind != 7 && v.kind != 11)
            break;
        t = v.target;
    }
    return t;
}

namespace {

/* Arrays: their dimensions "[n]" in order, then the element's class. */
int array_class(const CType *type, std::string *text, int depth);

int class_of(const CType *type, std::string *text, int depth);

/* The words of a base type's name that decide its class, found in one
** pass over its blank-separated words. */
enum BaseWord : unsigned { BW_CHAR = 1, BW_DOUBLE = 2, BW_FLOAT = 4, BW_LONG = 8 };

unsigned base_words(const char *name)
{
    static const struct { const char *word; size_t length; unsigned bit; } words[] = {
        {"char", 4, BW_CHAR}, {"double", 6, BW_DOUBLE},
        {"float", 5, BW_FLOAT}, {"long", 4, BW_LONG}};
    unsigned found = 0;
    for (const char *p = name ? name : ""; *p;) {
        while (*p == ' ')
            p++;
        const char *start = p;
        while (*p && *p != ' ')
            p++;
        size_t length = size_t(p - start);
        for (const auto &w : words)
            if (length == w.length && memcmp(start, w.word, length) == 0)
                found |= w.bit;
    }
    return found;
}

/* The character types: "char" with or without a sign word, and the
** element type of a wide string literal (its attribute word set).  The
** model's attribute word marks only the latter, so the name decides. */
bool character_base(const CTypeView &v, unsigned words)
{
    return (v.kind == 0 || v.kind == 1) && (v.attribute || (words & BW_CHAR));
}

bool character_base(const CTypeView &v)
{
    return character_base(v, base_words(v.name));
}

/* Class 7 is an array whose element, typedef names and modifiers
** followed, is a character base type. */
bool character_element(const CType *element)
{
    return character_base(type_view(without_typedefs(element)));
}

int array_class(const CType *type, std::string *text, int depth)
{
    std::string dims;
    const CType *element = type;
    for (int i = 0; i < PEEL_LIMIT; i++) {
        CTypeView v = type_view(element);
        if (v.kind != 4)
            break;
        dims += "[";
        dims += v.dimension && *v.dimension ? v.dimension : "0";
        dims += "]";
        element = v.target;
    }
    class_of(element, text, depth + 1);
    if (text)
        *text += dims;
    return character_element(type_view(type).target) ? 7 : 11;
}

int pointer_class(const CType *type, const CTypeView &v, std::string *text,
                  int depth)
{
    int stars = 0;
    const CType *pointed = type;
    for (int i = 0; i < PEEL_LIMIT && type_view(pointed).kind == 3; i++) {
        stars++;
        pointed = type_view(pointed).target;
    }
    class_of(pointed, text, depth + 1);
    if (text)
        *text += " " + std::string(size_t(stars), '*');
    /* a string: one level of pointer to a signed character type */
    CTypeView target = type_view(without_typedefs(v.target));
    return v.string_pointer || (character_base(target) && target.bits < 0) ? 6 : 9;
}

/* Characters 1, int-like 2, long 3, float 4, double 5, whatever the sign
** and length words ("unsigned char" is a character, "long double" a
** double, "unsigned long" a long). */
int base_class(const CTypeView &v, std::string *text)
{
    if (text)
        *text = v.name ? v.name : "";
    unsigned words = base_words(v.name);
    if (character_base(v, words))
        return 1;
    if (words & BW_DOUBLE)
        return 5;
    if (words & BW_FLOAT)
        return 4;
    return (words & BW_LONG) ? 3 : 2;
}

/* The tag's text for enumerations, unions and classes. */
int tagged_class(const CTypeView &v, int cls, const char *word, std::string *text)
{
    if (text)
        *text = std::string(word) + (v.name ? std::string(" ") + v.name : "");
    return cls;
}

int class_of(const CType *type, std::string *text, int depth)
{
    if (!type) {
        if (text)
            *text = "int";
        return 2;
    }
    if (depth > PEEL_LIMIT)
        return -1;
    CTypeView v = type_view(type);
    switch (v.kind) {
    case 0: case 1: return base_class(v, text);
    case 3: return pointer_class(type, v, text, depth);
    case 4: return array_class(type, text, depth);
    case 5: return tagged_class(v, 0, "enum", text);
    case 6: return tagged_class(v, 12, "union", text);
    case 10: return tagged_class(v, 10, "struct", text);
    case 8: if (text) *text = "function"; return 13;
    case 9: if (text) *text = "void"; return 14;
    case 13: if (text) *text = "..."; return 15;
    case 7: {
        int cls = class_of(v.target, nullptr, depth + 1);
        if (text)
            *text = v.name ? v.name : "";
        return cls;
    }
    case 11: {
        int cls = class_of(v.target, text, depth + 1);
        if (text)
            *text = std::string(v.name ? v.name : "") + " " + *text;
        return cls;
    }
    case 12: {
        int refs = 0;
        const CType *referred = type;
        for (int i = 0; i < PEEL_LIMIT && type_view(referred).kind == 12; i++) {
            refs++;
            referred = type_view(referred).target;
        }
        int cls = class_of(referred, text, depth + 1);
        if (text)
            *text += " " + std::string(size_t(refs), '&');
        return cls;
    }
    default:
        if (text)
            *text = v.name ? v.name : "";
        return -1;
    }
}

/* Message types of virtual handlers are class pointers: their distance
** is that of the classes pointed to. */
CType *pointed_class(const CType *type)
{
    CTypeView v = type_view(without_typedefs(type));
    return const_cast<CType *>(v.kind == 3 ? v.target : type);
}

} // namespace

int type_class(const CType *type, std::string *text)
{
    if (text)
        text->clear();
    return class_of(type, text, 0);
}

/* Compatibility of two classes: equal; either the ellipsis (15) or "no
** type" (17); NONIL or a pointer against anything up to a pointer; string
** against character array; any two arithmetic or character classes. */
bool classes_compatible(int a, int b)
{
    if (a == b || a == 15 || b == 15 || a == 17 || b == 17)
        return true;
    if ((a == 8 || a == 9) && b <= 9)
        return true;
    if ((b == 8 || b == 9) && a <= 9)
        return true;
    if ((a == 6 || a == 7) && (b == 6 || b == 7))
        return true;
    return a >= 0 && a <= 5 && b >= 0 && b <= 5;
}

namespace {

/* The class of a value text and its first dimension (0 unless an array). */
std::pair<int, int> analysed_text_class(const char *text)
{
    CExpr *tree = nullptr;
    if (analyse_script_value(text, &tree) != SV_EXPRESSION || !tree)
        return {-1, 0};
    CType *type = expression_type(tree);
    free_expression(tree);
    if (!type)
        return {-1, 0};
    std::pair<int, int> result{type_class(type, nullptr), 0};
    if (result.first >= 0) {
        CTypeView v = type_view(without_typedefs(type));
        if (v.kind == 4 && v.dimension)
            result.second = atoi(v.dimension);
    }
    free_type(type);
    return result;
}

} // namespace

/* A value text in the unit's C/C++ scope: NONIL is class 8 without
** analysis; an array also gives its first dimension.  Scripts repeat
** their values, so a text that reported nothing is analysed once while
** the names it sees and the model stay the same. */
int value_text_class(const char *text, int *dimension)
{
    if (dimension)
        *dimension = 0;
    if (!text)
        return -1;
    if (strcmp(text, "NONIL") == 0)
        return 8;
    set_bridge_namespace(analysis.unit.c_str());
    std::string key = unit_text_key(analysis.text_classes, text);
    auto found = analysis.text_classes.kept.find(key);
    if (found != analysis.text_classes.kept.end()) {
        if (dimension)
            *dimension = found->second.second;
        return found->second.first;
    }
    int lines = report_line_count();
    std::pair<int, int> result = analysed_text_class(text);
    if (report_line_count() == lines && !text_needs_preprocessing(text))
        analysis.text_classes.kept.emplace(key, result);
    if (dimension)
        *dimension = result.second;
    return result.first;
}

/* Class distance: the number of derivation steps from `from` up its base
** lists to `to`, 0 for the same class, the shortest path when a class is
** reached twice (the search runs level by level), -1 when `to` is no base
** of `from`.  Two class pointers are measured by the classes they point
** to.  The levels are bounded so that a malformed cycle ends. */
int class_distance(const CType *from, const CType *to)
{
    CType *target = pointed_class(to);
    std::vector<CType *> level{pointed_class(from)};
    std::vector<CType *> seen;
    for (int distance = 0; !level.empty() && distance < PEEL_LIMIT; distance++) {
        std::vector<CType *> next;
        for (CType *t : level) {
            if (same_class_type(t, target))
                return distance;
            bool again = false;
            for (CType *s : seen)
                again = again || same_class_type(s, t);
            if (again)
                continue;       /* a shared base is walked once */
            seen.push_back(t);
            base_class_types(t, next);
        }
        level.swap(next);
    }
    return -1;
}
