/*
** src/capi/bridge/bridge_items.cc
** Value items: a script value matched against a C type, listed in the
** type's order for the value descriptions of semantic analysis.
**
** The matcher walks the value's nesting and the type's fields together.
** A record's fields are flattened once per level (anonymous members in
** their place, as field positions count them) and the values are put in
** field order; an array's elements are put in index order.  Whole values
** (a structured part given by one expression) are walked over the type
** alone.  Both walks are bounded in depth, and the cost of a match is the
** size of the value plus the size of the types walked whole.
*/
#include "capi.h"
#include "bridge_internal.h"
#include "decl.h"
#include "model.h"

#include <algorithm>
#include <cstring>

namespace {

/* Deeper types are listed as scalars: no real type nests this far. */
const int WALK_DEPTH_LIMIT = 1000;

std::string image_of(const CExpr *e)
{
    std::string out;
    expr_image(e, out);
    return out;
}

void report_item(const char *code, const std::string &text)
{
    bridge_report(2, code, text.c_str());
}

std::string record_name(CType *record)
{
    if (record->name)
        return record->name;
    std::string out;
    type_image(record, "", 0, 0, out);
    return out;
}

/* ---- Type shapes ---- */

bool is_record(const CType *real)
{
    return real && (real->kind == CT_STRUCT || real->kind == CT_UNION) &&
           real->class_body;
}

bool is_char_base(CType *type)
{
    CType *real = real_type(type);
    return real && (real->kind == CT_BASE || real->kind == CT_COMPOSED) &&
           real->base.name && strstr(real->base.name, "char");
}

/* Arrays of characters hold texts: a value that is not a list is a
** string, compared as one scalar. */
bool is_text_array(const CType *real)
{
    return real && real->kind == CT_ARRAY && is_char_base(real->target);
}

/* The visible fields of a record in position order, the fields of
** anonymous members in their place. */
void flatten_fields(const CClassBody *body, int depth, std::vector<CMember *> &out)
{
    if (!body || depth > WALK_DEPTH_LIMIT)
        return;
    for (CMember *member : body->members) {
        if (!member_visible(body, member, true))
            continue;
        CType *real = member->symbol->name ? nullptr : real_type(member->symbol->type);
        if (is_record(real)) {
            flatten_fields(real->class_body, depth + 1, out);
            continue;
        }
        out.push_back(member);
    }
}

/* Bounds of an array: 0..n-1 when its dimension is a known constant. */
void array_bounds(const CType *array, ValueItem &item)
{
    long long n = 0;
    item.low = 0;
    item.high = -1;
    item.bounded = array->dim_expr && expr_constant_value(array->dim_expr, &n) &&
                   n >= 0;
    if (item.bounded)
        item.high = n - 1;
}

/* ---- The matcher ---- */

struct Matcher {
    std::vector<ValueItem> &items;
    bool ok = true;

    void open(int kind, const char *field, CType *type, const CExpr *value)
    {
        ValueItem item;
        item.kind = kind;
        item.field = field;
        item.type = type;
        item.value = value;
        items.push_back(item);
    }
    void close()
    {
        ValueItem item;
        item.kind = VI_END;
        items.push_back(item);
    }

    void value(CType *type, const char *field, const CExpr *v, int depth);
    void whole(CType *type, const char *field, const CExpr *v, int depth);
    void scalar(CType *type, const char *field, const CExpr *v);
    void record(CType *real, CType *type, const char *field, const CExpr *list,
                int depth);
    void array(CType *real, CType *type, const char *field, const CExpr *list,
               int depth);
};

void Matcher::scalar(CType *type, const char *field, const CExpr *v)
{
    ValueItem item;
    item.kind = VI_SCALAR;
    item.field = field;
    item.type = type;
    item.value = v;
    if (!v)
        item.value_kind = VK_PATH;
    else if (v->kind == EX_RANGE) {
        item.value_kind = VK_RANGE;
        item.range_low = v->a;
        item.range_high = v->b;
    }
    items.push_back(item);
}

/* A structured part given by one expression (or inside one: v null). */
void Matcher::whole(CType *type, const char *field, const CExpr *v, int depth)
{
    CType *real = real_type(type);
    if (!real || depth > WALK_DEPTH_LIMIT ||
        !(is_record(real) || real->kind == CT_ARRAY)) {
        scalar(type, field, v);
        return;
    }
    if (real->kind == CT_ARRAY) {
        open(VI_ARRAY, field, type, v);
        items.back().whole = true;
        array_bounds(real, items.back());
        long long high = items.back().high;
        if (items.back().bounded && high >= 0) {
            open(VI_ELEMENT, nullptr, real->target, nullptr);
            items.back().low = 0;
            items.back().high = high;
            items.back().whole = true;
            value(real->target, nullptr, nullptr, depth + 1);
            close();
        }
        close();
        return;
    }
    open(real->kind == CT_UNION ? VI_UNION : VI_STRUCT, field, type, v);
    items.back().whole = true;
    std::vector<CMember *> fields;
    flatten_fields(real->class_body, 0, fields);
    for (CMember *m : fields)
        value(m->symbol->type, m->symbol->name, nullptr, depth + 1);
    close();
}

/* A record list: designations name fields, positional values follow the
** field order (not for a class with base classes), OTHERS gives every
** field not named; a union takes one value.
**                           CHAMPINCO, ONEFLDUNN, NBVALINCO, INHERITED */
void Matcher::record(CType *real, CType *type, const char *field,
                     const CExpr *list, int depth)
{
    std::vector<CMember *> fields;
    flatten_fields(real->class_body, 0, fields);
    std::vector<const CExpr *> given(fields.size(), nullptr);
    const CExpr *others = nullptr;
    bool inherited_told = false;
    int positional = 0, values = 0;
    for (const CExpr *e = list->list; e; e = e->next) {
        if (e->kind == EX_EMPTY)
            continue;
        values++;
        if (e->kind == EX_OTHERS) {
            others = e->a;
            continue;
        }
        if (e->kind == EX_DESIGNATION || e->kind == EX_RANGE_DESIGNATION) {
            int position = e->kind == EX_DESIGNATION ? member_position(real, e->text) : 0;
            if (position < 1 || position > (int)fields.size()) {
                report_item("CHAMPINCO", e->kind == EX_DESIGNATION
                                             ? std::string(e->text ? e->text : "")
                                             : image_of(e));
                ok = false;
                continue;
            }
            given[position - 1] = e->a;
            continue;
        }
        if (!real->class_body->bases.empty()) {
            if (!inherited_told)
                report_item("INHERITED", record_name(real));
            inherited_told = true;
            ok = false;
            continue;
        }
        if (++positional > (int)fields.size()) {
            if (positional == (int)fields.size() + 1)
                report_item("NBVALINCO", image_of(list));
            ok = false;
            continue;
        }
        given[positional - 1] = e;
    }
    bool is_union = real->kind == CT_UNION;
    if (is_union && values > 1) {
        report_item("ONEFLDUNN", image_of(list));
        ok = false;
    }
    open(is_union ? VI_UNION : VI_STRUCT, field, type, list);
    size_t level = items.size() - 1;
    for (size_t i = 0; i < fields.size(); i++) {
        const CExpr *v = given[i] ? given[i] : others;
        if (!v || (is_union && items[level].member >= 0))
            continue;
        if (is_union)
            items[level].member = int(i);
        value(fields[i]->symbol->type, fields[i]->symbol->name, v, depth + 1);
    }
    close();
}

/* One element group of an array list, with its index range. */
struct ArrayElement {
    long long low, high;
    const CExpr *value;
    size_t order;       /* position in the list, to keep equal lows stable */
};

/* An array list: positional values at indexes 0, 1, ...; ranges give
** their indexes (bounds in increasing order); OTHERS, last, the rest.
** Elements come out in index order.                        CHAMPINCO */
void Matcher::array(CType *real, CType *type, const char *field,
                    const CExpr *list, int depth)
{
    std::vector<ArrayElement> elements;
    const CExpr *others = nullptr;
    long long position = 0;
    for (const CExpr *e = list->list; e; e = e->next) {
        switch (e->kind) {
        case EX_EMPTY:
            continue;
        case EX_OTHERS:
            others = e->a;
            continue;
        case EX_DESIGNATION:
            report_item("CHAMPINCO", e->text ? e->text : "");
            ok = false;
            continue;
        case EX_RANGE_DESIGNATION: {
            long long low = 0, high = 0;
            if (!expr_constant_value(e->a, &low) || !expr_constant_value(e->b, &high)) {
                ok = false;
                continue;
            }
            if (low > high)
                std::swap(low, high);
            elements.push_back({low, high, e->c, elements.size()});
            continue;
        }
        default:
            elements.push_back({position, position, e, elements.size()});
            position++;
        }
    }
    std::stable_sort(elements.begin(), elements.end(),
                     [](const ArrayElement &x, const ArrayElement &y) {
                         return x.low < y.low;
                     });
    open(VI_ARRAY, field, type, list);
    array_bounds(real, items.back());
    for (const ArrayElement &element : elements) {
        open(VI_ELEMENT, nullptr, real->target, element.value);
        items.back().low = element.low;
        items.back().high = element.high;
        value(real->target, nullptr, element.value, depth + 1);
        close();
    }
    if (others) {
        open(VI_OTHERS, nullptr, real->target, others);
        value(real->target, nullptr, others, depth + 1);
        close();
    }
    close();
}

void Matcher::value(CType *type, const char *field, const CExpr *v, int depth)
{
    CType *real = real_type(type);
    bool structured = is_record(real) || (real && real->kind == CT_ARRAY);
    if (!v || v->kind != EX_LIST) {
        if (structured && !is_text_array(real))
            whole(type, field, v, depth);
        else
            scalar(type, field, v);
        return;
    }
    if (!structured || depth > WALK_DEPTH_LIMIT)
        scalar(type, field, v);
    else if (real->kind == CT_ARRAY)
        array(real, type, field, v, depth);
    else
        record(real, type, field, v, depth);
}

} // namespace

bool match_value_items(CType *type, const CExpr *value,
                       std::vector<ValueItem> &items)
{
    Matcher matcher{items};
    matcher.value(type, nullptr, value, 0);
    return matcher.ok;
}

bool check_structured_value(CType *type, const CExpr *value)
{
    std::vector<ValueItem> items;
    return match_value_items(type, value, items);
}

bool value_list_elements(const CExpr *value, std::vector<ValueElement> &out)
{
    if (!value || value->kind != EX_LIST)
        return false;
    for (const CExpr *e = value->list; e; e = e->next) {
        ValueElement element{VE_VALUE, nullptr, nullptr, nullptr, e, e};
        switch (e->kind) {
        case EX_EMPTY:
            element.kind = VE_EMPTY;
            element.value = nullptr;
            break;
        case EX_OTHERS:
            element.kind = VE_OTHERS;
            element.value = e->a;
            break;
        case EX_DESIGNATION:
            element.kind = VE_NAMED;
            element.name = e->text;
            element.value = e->a;
            break;
        case EX_RANGE_DESIGNATION:
            element.kind = VE_RANGE;
            element.low = e->a;
            element.high = e->b;
            element.value = e->c;
            break;
        default:
            break;
        }
        out.push_back(element);
    }
    return true;
}

bool expression_constant(const CExpr *tree, long long *value)
{
    return tree && expr_constant_value(tree, value);
}

CType *keep_type(CType *type)
{
    if (type && !type->registered)
        decl_table()->retired.push_back(type);
    return type;
}
