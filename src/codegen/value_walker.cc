/*
** src/codegen/value_walker.cc
** The value-description walker: one tree of value entries written as
** reference assignments, value checks, comparisons or dumps.
**
** Two paths grow together: the access path of the value being checked and
** the path of its expected value (used inside a part given whole, whose
** scalars have no value text of their own).  k counts array nesting and
** names the loop counter I<k>.
*/
#include "codegen_int.h"
#include "capi.h"
#include "diag.h"
#include "source_int.h"

#include <charconv>
#include <cstring>

namespace {

struct Walk {
    WalkMode mode;
    std::string message_type;   /* message dump: the selector's owner */
    std::string root;           /* reference initialisation: the event name */
};

bool reporting(const Walk &w)
{
    return w.mode == WM_VALUE_CHECK || w.mode == WM_REFERENCE_DUMP ||
           w.mode == WM_MESSAGE_DUMP;
}

const char *mode_word(const Walk &w)
{
    switch (w.mode) {
    case WM_VALUE_CHECK: return "var_";
    case WM_COMPARISON: return "cmp_";
    default: return "dmp_";
    }
}

bool given(const char *text) { return text && *text; }

const char *received = "zrk_msgrcv";

/* The access path without its leading "zrk_msgrcv". */
const char *after_received(const std::string &path)
{
    size_t n = strlen(received);
    return path.c_str() + (path.compare(0, n, received) == 0 ? n : 0);
}

/* The casts of the type classes 0 to 5. */
const char *const casts[] = {"(ZRK_T_ENUM) ", "(ZRK_T_CAR) ",  "(ZRK_T_INT) ",
                             "(ZRK_T_LONG) ", "(ZRK_T_REAL) ", "(ZRK_T_DOUBLE) "};

/* The display base of a scalar: 0 hexadecimal, 1 decimal, 2 binary, ... */
int display_base(SemanticDescriptor *d)
{
    return value_type(d) ? int(type_display_format(value_type(d)).code) : 6;
}

const char *base_argument(int type_class, int base)
{
    if (type_class == 1)
        return base == 0 ? ",ZRK_P_BASE16" : base == 1 ? ",ZRK_P_BASE10"
               : base == 2 ? ",ZRK_P_BASE2" : ",ZRK_P_BASE8";
    if (type_class == 0 || type_class == 2 || type_class == 3)
        return base == 0 ? ",ZRK_P_BASE16" : base == 2 ? ",ZRK_P_BASE2" : ",ZRK_P_BASE10";
    return "";
}

/* Characters in the dumps and checks: hexadecimal shows the table form. */
const char *character_function(int base)
{
    if (base == 0)
        return "bytetab_c (";
    if (base >= 1 && base <= 5)
        return "byte_c (";
    return "char_c (";
}

const char *check_function(const Walk &w, int type_class, int base)
{
    switch (type_class) {
    case 0: case 2: return "int_c (";
    case 1: return w.mode == WM_COMPARISON ? "char_c (" : character_function(base);
    case 3: return "long_c (";
    case 4: return "float_c (";
    case 5: return "double_c (";
    case 6: case 7: return "string_c (";
    case 8: return "nonil_c (";
    default: return "pointer_c (";
    }
}

const char *const range_functions[] = {"_int_c (",   "_byte_c (",  "_int_c (",
                                       "_long_c (",  "_float_c (", "_double_c ("};

void exception_tail(SemanticEntry *e)
{
    emit_text("ZRK_END_TRY");
    emit_text("#ifdef ZRK_HANDLE_EXCEPTION");
    emit_text("catch(...)");
    emit_open_block();
    emit_format("zrk_runtime.zrk_var_catch(%d);", e->tdc_id);
    emit_close_block();
    emit_text("#endif // ZRK_HANDLE_EXCEPTION");
}

/* A scalar element reports its element's last index; a named scalar -1. */
int reported_high(SemanticEntry *e)
{
    return e->name ? -1 : value_high(e->descriptor);
}

void scalar_check(const Walk &w, SemanticEntry *e, const std::string &path,
                  const char *expected, int k)
{
    SemanticDescriptor *d = e->descriptor;
    int type_class = value_class(d), base = display_base(d);
    /* a check compares with the expected value, a comparison with the reference */
    const char *against = "", *value = "";
    if (w.mode == WM_VALUE_CHECK) {
        against = ",";
        value = expected;
    } else if (w.mode == WM_COMPARISON) {
        against = ",zrk_msgref";
        value = after_received(path);
    }
    bool based = !(w.mode == WM_COMPARISON && type_class == 1);
    emit_text("ZRK_TRY");
    emit_format("zrk_runtime.zrk_%s%s%d, %s%s%s%s, I%d, %d );", mode_word(w),
                check_function(w, type_class, base), e->tdc_id, path.c_str(), against, value,
                based ? base_argument(type_class, base) : "", k, reported_high(e));
    exception_tail(e);
}

/* A bound: its value, the copy's name before the place, or none. */
void bound(const char *cast, bool present, const char *copy, const char *value)
{
    if (present)
        line_append("1,%s%s%s", cast, copy, value);
    else
        line_append("0,%s0", cast);
}

void range_check(const Walk &w, SemanticEntry *e, const std::string &path, int k)
{
    SemanticDescriptor *d = e->descriptor;
    int type_class = value_class(d);
    if (type_class < 0 || type_class > 5 || w.mode == WM_MESSAGE_DUMP) {
        report_fatal_c("RANGENOTA", e->name ? e->name : "", "");
        return;
    }
    const char *cast = casts[type_class];
    bool low = given(value_min(d)), high = given(value_max(d));
    /* outside a VAR check the bounds are the Min and Max copies' places */
    bool copies = w.mode != WM_VALUE_CHECK;
    const char *place = after_received(path);
    emit_text("ZRK_TRY");
    if (w.mode == WM_VALUE_CHECK)
        line_append("zrk_runtime.zrk_var_range%s", range_functions[type_class]);
    else
        line_append("zrk_runtime.zrk_%s_range%s", w.mode == WM_COMPARISON ? "cmp" : "dmp",
                    range_functions[type_class]);
    line_append("%d, ", e->tdc_id);
    if (w.mode != WM_REFERENCE_DUMP)
        line_append("%s%s,", cast, path.c_str());
    bound(cast, low, copies ? "zrk_msgMin" : "", copies ? place : value_min(d));
    line_append(",");
    bound(cast, high, copies ? "zrk_msgMax" : "", copies ? place : value_max(d));
    if (w.mode != WM_COMPARISON)
        line_append("%s", base_argument(type_class, display_base(d)));
    line_append(", I%d, %d );", k, reported_high(e));
    emit_line();
    exception_tail(e);
}

/* Reference initialisation: the expected values assigned. */
void scalar_assignment(const Walk &w, SemanticEntry *e, const std::string &path,
                       const char *expected)
{
    SemanticDescriptor *d = e->descriptor;
    bool text = value_class(d) == 7;
    if (e->kind != EK_VALUE_RANGE) {
        if (text)
            emit_format("ZRS_STRCPY(%s,%s);", path.c_str(), expected);
        else
            emit_format("%s = %s;", path.c_str(), expected);
        return;
    }
    /* the bounds go to the Min and Max copies, at the same place */
    const char *rest = path.compare(0, w.root.size(), w.root) == 0
                           ? path.c_str() + w.root.size() : "";
    int type_class = value_class(d);
    const char *cast = type_class >= 0 && type_class <= 5 ? casts[type_class] : "";
    const char *bounds[] = {value_min(d), value_max(d)};
    const char *names[] = {"Min", "Max"};
    for (int i = 0; i < 2; i++) {
        if (!given(bounds[i]))
            continue;
        if (text)
            emit_format("ZRS_STRCPY(zrk_%s_%s%s,%s);", names[i], w.root.c_str(), rest,
                        bounds[i]);
        else
            emit_format("zrk_%s_%s%s = %s%s;", names[i], w.root.c_str(), rest, cast,
                        bounds[i]);
    }
}

/* The walk grows the two paths in place: a part appends its name or index
** and cuts it off again once its contents are written, so no path is
** copied per node. */
struct Grown {
    explicit Grown(std::string &path) : text(path), size(path.size()) {}
    ~Grown() { text.resize(size); }
    std::string &text;
    size_t size;
};

void add_name(std::string &path, SemanticEntry *e)
{
    if (e->name) {
        path += '.';
        path += e->name;
    }
}

void walk_nodes(const Walk &w, Scope *scope, std::string &path, std::string &expected,
                int k);
void node(const Walk &w, SemanticEntry *e, std::string &path, std::string &expected,
          int k);

/* The expected value of a scalar: its own text, else the same place in
** the part given whole. */
const char *expected_of(SemanticEntry *e, const std::string &expected)
{
    const char *text = value_text(e->descriptor);
    return given(text) ? text : expected.c_str();
}

void scalar(const Walk &w, SemanticEntry *e, const std::string &path,
            const std::string &expected, int k)
{
    if (w.mode == WM_REFERENCE_INIT)
        scalar_assignment(w, e, path, expected_of(e, expected));
    else if (e->kind == EK_VALUE_RANGE)
        range_check(w, e, path, k);
    else
        scalar_check(w, e, path, expected_of(e, expected), k);
}

void index_line(int k, int low, int high)
{
    if (low == high)
        emit_format("I%d = %d;", k, low);
    else
        emit_format("for(I%d = %d; I%d <= %d; ++I%d)", k, low, k, high, k);
}

/* A scalar outside any array has no index line. */
bool scalar_element(SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    return !e->name && !(value_low(d) == -1 && value_high(d) == -1);
}

/* A part given whole by one expression: its scalars' expected values are
** paths in that expression, "(expression)".  False, when the part is not
** given whole or that text is the expected path already. */
bool whole_expected(SemanticEntry *e, const std::string &expected, std::string &whole)
{
    SemanticDescriptor *d = e->descriptor;
    if (!value_whole(d) || !given(value_text(d)))
        return false;
    whole = "(" + std::string(value_text(d)) + ")";
    return whole != expected;
}

void group(const Walk &w, SemanticEntry *e, std::string &path, std::string &expected,
           int k)
{
    std::string base;
    bool whole = whole_expected(e, expected, base);
    if (reporting(w))
        emit_format("zrk_runtime.zrk_varstruct (%d);", e->tdc_id);
    Grown own(path), inner(expected);
    add_name(path, e);
    if (!whole)
        add_name(expected, e);
    walk_nodes(w, e->descriptor->inner, path, whole ? base : expected, k);
    if (reporting(w))
        emit_format("zrk_runtime.zrk_varstruct (%d);", e->tdc_end_id);
}

std::string selector(const Walk &w, const std::string &path)
{
    const char *rest = after_received(path);
    if (*rest == '.')
        rest++;
    return "ZRK_" + w.message_type + "." + (*rest ? std::string(rest) + "." : "") + "select";
}

void union_node(const Walk &w, SemanticEntry *e, std::string &path, std::string &expected,
                int k)
{
    SemanticDescriptor *d = e->descriptor;
    std::string base;
    bool whole = whole_expected(e, expected, base);
    Grown own(path), inner(expected);
    add_name(path, e);
    if (!whole)
        add_name(expected, e);
    std::string &inner_expected = whole ? base : expected;
    if (w.mode == WM_REFERENCE_INIT) {
        if (value_whole(d) && given(value_text(d)))
            emit_format("%s=%s;", path.c_str(), value_text(d));
        else
            walk_nodes(w, d->inner, path, inner_expected, k);
        return;
    }
    if (reporting(w))
        emit_format("zrk_runtime.zrk_varstruct (%d);", e->tdc_id);
    if (w.mode == WM_MESSAGE_DUMP) {
        emit_format("switch (%s)", selector(w, path).c_str());
        emit_open_block();
        int number = 0;
        for (SemanticEntry *m = scope_first(d->inner); m; m = m->next, number++) {
            emit_format("case %d:", number);
            emit_open_block();
            node(w, m, path, inner_expected, k);
            emit_text("break;");
            emit_close_block();
        }
        emit_close_block();
    } else if (w.mode == WM_COMPARISON && value_member(d) >= 0) {
        emit_format("if (%s==%d)", selector(w, path).c_str(), value_member(d));
        emit_open_block();
        walk_nodes(w, d->inner, path, inner_expected, k);
        emit_close_block();
        emit_text("else");
        emit_open_block();
        emit_text("zrk_runtime.zrk_setflagrt ();");
        emit_close_block();
    } else {
        walk_nodes(w, d->inner, path, inner_expected, k);
    }
    if (reporting(w))
        emit_format("zrk_runtime.zrk_varstruct (%d);", e->tdc_end_id);
}

void array(const Walk &w, SemanticEntry *e, std::string &path, std::string &expected,
           int k)
{
    k++;
    char counter[24] = "[I";
    char *end = std::to_chars(counter + 2, counter + sizeof counter - 2, k).ptr;
    *end++ = ']';
    *end = '\0';
    std::string base;
    bool whole = whole_expected(e, expected, base);
    if (reporting(w))
        emit_format("zrk_runtime.zrk_vartab (%d);", e->tdc_id);
    Grown own(path), inner(expected);
    add_name(path, e);
    path += counter;
    if (!whole)
        add_name(expected, e);
    std::string &inner_expected = whole ? base : expected;
    inner_expected += counter;
    walk_nodes(w, e->descriptor->inner, path, inner_expected, k);
    if (reporting(w))
        emit_format("zrk_runtime.zrk_vartab (%d);", e->tdc_end_id);
}

void scalar_element_code(const Walk &w, SemanticEntry *e, const std::string &path,
                         const std::string &expected, int k)
{
    if (reporting(w))
        emit_text("zrk_runtime.zrk_varreset ();");
    index_line(k, value_low(e->descriptor), value_high(e->descriptor));
    emit_open_block();
    scalar(w, e, path, expected, k);
    emit_close_block();
}

/* The one nameless scalar of an index range of an array of scalars. */
SemanticEntry *lone_scalar(SemanticEntry *element)
{
    SemanticEntry *first = scope_first(element->descriptor->inner);
    if (!first || first->next || first->name || !first->descriptor)
        return nullptr;
    bool is_scalar = first->kind == EK_VALUE_SCALAR || first->kind == EK_VALUE_RANGE ||
                     first->kind == EK_VALUE_PATH;
    return is_scalar ? first : nullptr;
}

void element(const Walk &w, SemanticEntry *e, std::string &path, std::string &expected,
             int k)
{
    SemanticDescriptor *d = e->descriptor;
    std::string base;
    std::string &inner_expected = whole_expected(e, expected, base) ? base : expected;
    if (SemanticEntry *s = lone_scalar(e)) {
        scalar_element_code(w, s, path, inner_expected, k);
        return;
    }
    if (reporting(w))
        emit_format("zrk_runtime.zrk_varplage (%d, %d, %d);", e->tdc_id, value_low(d),
                    value_high(d));
    index_line(k, value_low(d), value_high(d));
    emit_open_block();
    walk_nodes(w, d->inner, path, inner_expected, k);
    emit_close_block();
    if (reporting(w))
        emit_format("zrk_runtime.zrk_varplage ( %d, -1, -1 );", e->tdc_end_id);
}

void node(const Walk &w, SemanticEntry *e, std::string &path, std::string &expected,
          int k)
{
    if (!e->descriptor)
        return;
    switch (e->kind) {
    case EK_VALUE_STRUCT: group(w, e, path, expected, k); break;
    case EK_VALUE_UNION: union_node(w, e, path, expected, k); break;
    case EK_VALUE_ARRAY: array(w, e, path, expected, k); break;
    case EK_VALUE_ELEMENT: element(w, e, path, expected, k); break;
    case EK_VALUE_SCALAR: case EK_VALUE_RANGE: case EK_VALUE_PATH:
        if (!scalar_element(e)) {
            Grown own(path), inner(expected);
            add_name(path, e);
            add_name(expected, e);
            scalar(w, e, path, expected, k);
            break;
        }
        scalar_element_code(w, e, path, expected, k);
        break;
    default:
        break;
    }
}

void walk_nodes(const Walk &w, Scope *scope, std::string &path, std::string &expected,
                int k)
{
    for (SemanticEntry *e = scope_first(scope); e; e = e->next)
        node(w, e, path, expected, k);
}

} // namespace

void walk_node(WalkMode mode, SemanticEntry *e, const std::string &path,
               const std::string &expected, int depth, const char *message_type,
               const char *root)
{
    Walk w{mode, message_type ? message_type : "", root ? root : ""};
    std::string own(path), inner(expected);
    node(w, e, own, inner, depth);
}

void walk_values(WalkMode mode, SemanticEntry *root, const char *path,
                 const char *message_type)
{
    if (!root || !root->descriptor)
        return;
    Walk w{mode, message_type ? message_type : "", root->name ? root->name : ""};
    std::string own(path), inner(path);
    walk_nodes(w, root->descriptor->inner, own, inner, 0);
}
