/*
** src/sema/values.cc
** DEF_MESSAGE, VAR and the value descriptions: expected values checked
** against the C type of a message or variable and kept as a tree of
** value entries for code generation.
**
** A values text is parsed with the C expression grammar (value lists,
** "name => value", "low..high => value", OTHERS, "[min..max]").  Its
** shape is checked here, the bridge matches it against the type into a
** flat list of value items in the type's order, the scalars are typed
** here, and the description is built from the items: one entry per
** struct, union, array, index range and scalar, nested levels in nested
** scopes.  Nothing is built when a check reported anything.  A clean
** check is kept for the same text met again while nothing it depends on
** has changed; the description, and its reports, are made every time.
*/
#include "sema_int.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <unordered_set>

namespace {

std::string image_of(const CExpr *e)
{
    std::string out;
    if (e)
        expression_image(e, out);
    return out;
}

std::string type_text(const CType *type)
{
    std::string out;
    type_image(type, "", 0, 0, out);
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

/* The text after the "=" of an INIT=, EV= or VA= token. */
std::string text_after_equals(const SyntaxNode *value)
{
    const char *text = value && value->text ? value->text : "";
    const char *equals = strchr(text, '=');
    return trimmed(equals ? equals + 1 : text);
}

bool plain_identifier(const std::string &text)
{
    if (text.empty() || !(isalpha((unsigned char)text[0]) || text[0] == '_'))
        return false;
    for (char c : text)
        if (!(isalnum((unsigned char)c) || c == '_'))
            return false;
    return true;
}

int32_t clamped(long long v)
{
    return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : int32_t(v);
}

/* ---- The shape of a value list ---- */

enum ShapeResult { SHAPE_OK, SHAPE_REPORTED, SHAPE_UNUSABLE };

struct IndexRange {
    long long low, high;
};

ShapeResult check_shape(const CExpr *value, const SyntaxNode *at);

/* Overlapping index ranges of one list.                       COMBNDSEC */
ShapeResult check_ranges(std::vector<IndexRange> &ranges, const SyntaxNode *at)
{
    std::sort(ranges.begin(), ranges.end(),
              [](const IndexRange &a, const IndexRange &b) { return a.low < b.low; });
    for (size_t i = 1; i < ranges.size(); i++)
        if (ranges[i].low <= ranges[i - 1].high) {
            std::string text;
            checked_sprintf(text, "(%lld..%lld) (%lld..%lld)", ranges[i - 1].low,
                            ranges[i - 1].high, ranges[i].low, ranges[i].high);
            sema_report(SEV_ERROR, "COMBNDSEC", text.c_str(), at);
            return SHAPE_REPORTED;
        }
    return SHAPE_OK;
}

/* One list: no empty element, positional and designated elements not
** mixed, OTHERS last, each field designated once, index ranges apart
** (bounds taken in increasing order); then the lists inside it.  A range
** bound that is not constant makes the value unusable.
**               FORBEMPTY, VARPOSNAM, ENDOTHERS, STRFLDALR, COMBNDSEC */
ShapeResult check_list(const CExpr *list, const std::vector<ValueElement> &elements,
                       const SyntaxNode *at)
{
    bool positional = false, designated = false;
    std::unordered_set<std::string> names;
    std::vector<IndexRange> ranges;
    for (size_t i = 0; i < elements.size(); i++) {
        const ValueElement &e = elements[i];
        switch (e.kind) {
        case VE_EMPTY:
            sema_report(SEV_ERROR, "FORBEMPTY", QString(), at);
            return SHAPE_REPORTED;
        case VE_OTHERS:
            if (i + 1 != elements.size()) {
                sema_report(SEV_ERROR, "ENDOTHERS", image_of(list).c_str(), at);
                return SHAPE_REPORTED;
            }
            break;
        case VE_NAMED:
            designated = true;
            if (!names.insert(e.name ? e.name : "").second) {
                sema_report(SEV_ERROR, "STRFLDALR", e.name, at);
                return SHAPE_REPORTED;
            }
            break;
        case VE_RANGE: {
            designated = true;
            IndexRange r{0, 0};
            if (!expression_constant(e.low, &r.low) || !expression_constant(e.high, &r.high))
                return SHAPE_UNUSABLE;
            if (r.low > r.high)
                std::swap(r.low, r.high);
            ranges.push_back(r);
            break;
        }
        default:
            positional = true;
        }
        if (positional && designated) {
            sema_report(SEV_ERROR, "VARPOSNAM", image_of(list).c_str(), at);
            return SHAPE_REPORTED;
        }
    }
    return check_ranges(ranges, at);
}

ShapeResult check_shape(const CExpr *value, const SyntaxNode *at)
{
    std::vector<ValueElement> elements;
    if (!value_list_elements(value, elements))
        return SHAPE_OK;
    ShapeResult result = check_list(value, elements, at);
    for (const ValueElement &e : elements) {
        if (result != SHAPE_OK)
            break;
        result = check_shape(e.value, at);
    }
    return result;
}

/* ---- Typing the values ---- */

/* The class of a value (NONIL is class 8, 17 when the typing failed and
** has reported); its type stays for the text of a report, made only then. */
struct TypedValue {
    int cls = 17;
    bool nonil = false;
    CType *type = nullptr;

    explicit TypedValue(const CExpr *value)
    {
        if (is_nonil_value(value)) {
            nonil = true;
            cls = 8;
        } else if ((type = expression_type(value))) {
            cls = type_class(type, nullptr);
        }
    }
    ~TypedValue()
    {
        if (type)
            free_type(type);
    }
    TypedValue(const TypedValue &) = delete;
    TypedValue &operator=(const TypedValue &) = delete;

    std::string text() const
    {
        if (nonil)
            return "NONIL";
        std::string out;
        if (type) {
            type_class(type, &out);
            if (out.empty())
                out = type_text(type);
        }
        return out;
    }
};

/* The expected type's text, made only for a report. */
std::string expected_text(const CType *type)
{
    std::string text;
    type_class(type, &text);
    return text.empty() ? type_text(type) : text;
}

void incompatible(const std::string &value, const CType *expected, const SyntaxNode *at)
{
    std::string text;
    checked_sprintf(text, "%s,%s", value.c_str(), expected_text(expected).c_str());
    sema_report(SEV_WARNING, "INCOMPTYP", text.c_str(), at);
}

bool is_null_pointer(const CExpr *value)
{
    long long v = 1;
    return is_nonil_value(value) || (expression_constant(value, &v) && v == 0);
}

/* A scalar must fit its field; a pointer field takes only NIL or NONIL,
** a string field a text or either of them; a range only fits an
** arithmetic or character field.                      INCOMPTYP, NONIL */
void check_scalar(const ValueItem &item, const SyntaxNode *at)
{
    int field = type_class(item.type, nullptr);
    std::vector<ValueElement> elements;
    if (item.value_kind == VK_RANGE) {
        for (const CExpr *bound : {item.range_low, item.range_high}) {
            TypedValue typed(bound);
            if (!classes_compatible(typed.cls, field) || (field > 5 && field != 17))
                incompatible(typed.text(), item.type, at);
        }
        return;
    }
    if (value_list_elements(item.value, elements)) {
        incompatible(image_of(item.value), item.type, at);
        return;
    }
    TypedValue typed(item.value);
    bool null_string = field == 6 && is_null_pointer(item.value);
    if (!classes_compatible(typed.cls, field) && !null_string)
        incompatible(typed.text(), item.type, at);
    else if (field == 9 && !is_null_pointer(item.value))
        sema_report(SEV_ERROR, "NONIL", image_of(item.value).c_str(), at);
}

/* A part given by one expression must have a type of its class. INCOMPTYP */
void check_whole(const ValueItem &item, const SyntaxNode *at)
{
    int field = type_class(item.type, nullptr);
    TypedValue typed(item.value);
    if (!classes_compatible(typed.cls, field))
        incompatible(typed.text(), item.type, at);
}

/* The typing of the items; the default reception takes the received
** message as it is. */
void check_items(const std::vector<ValueItem> &items, bool default_reception,
                 const SyntaxNode *at)
{
    for (size_t i = 0; i < items.size(); i++) {
        const ValueItem &item = items[i];
        if (default_reception && i == 0)
            continue;
        if (item.kind == VI_SCALAR && item.value_kind != VK_PATH)
            check_scalar(item, at);
        else if (item.kind != VI_SCALAR && item.kind != VI_END && item.whole &&
                 item.value)
            check_whole(item, at);
    }
}

/* ---- Building the description ---- */

/* The class and printed text of a described part's type, made once per
** type: the parts of one message type are described again by every
** DEF_MESSAGE and VAR of it.  The types of described parts stay for the
** whole run (the interface's own nodes, or a variable's type kept with
** its description), so their addresses are not reused. */
const DescribedType &described_type(const CType *type)
{
    auto found = analysis.described_types.find(type);
    if (found == analysis.described_types.end())
        found = analysis.described_types
                    .emplace(type, DescribedType{type_class(type, nullptr), type_text(type)})
                    .first;
    return found->second;
}

} // namespace

/* What the descriptions of checked values are made from, made once per
** checked text (a text met again is described from the same layout, its
** tree long released): the parts in the items' order, the part closing
** each level, and the image of the whole values tree, of which the texts
** of the parts are pieces. */
struct ValuePiece {
    uint32_t start = 0, end = 0;
    int32_t apart = -1;            /* a node of another tree: its own image */
};

/* A value item with its type's description and its texts. */
struct ValuePart {
    int kind, value_kind;          /* ValueItemKind, ValueKind */
    const char *field;
    CType *type;
    const DescribedType *described;
    long long low, high;
    int member;
    bool bounded, whole, has_value;
    ValuePiece value, range_low, range_high;
};

struct ValueLayout {
    std::vector<ValuePart> parts;
    std::vector<uint32_t> end_of;  /* the VI_END closing each opening part */
    std::string image;
    std::vector<std::string> apart;

    /* A table copy of a piece of the image. */
    char *copy(const ValuePiece &piece) const
    {
        if (piece.apart >= 0)
            return table_text(apart[size_t(piece.apart)]);
        return table_text(image.data() + piece.start, piece.end - piece.start);
    }
};

namespace {

void match_ends(const std::vector<ValueItem> &items, std::vector<uint32_t> &end_of)
{
    std::vector<size_t> open;
    end_of.assign(items.size(), uint32_t(items.size()));
    for (size_t i = 0; i < items.size(); i++) {
        if (items[i].kind == VI_END && !open.empty()) {
            end_of[open.back()] = uint32_t(i);
            open.pop_back();
        } else if (items[i].kind != VI_END && items[i].kind != VI_SCALAR)
            open.push_back(i);
    }
}

ValuePiece piece_of(const std::vector<ImageSpan> &spans, const CExpr *node,
                    ValueLayout &layout)
{
    ValuePiece piece;
    if (!node)
        return piece;
    auto found = std::lower_bound(
        spans.begin(), spans.end(), node,
        [](const ImageSpan &span, const CExpr *n) { return span.node < n; });
    if (found == spans.end() || found->node != node) {
        piece.apart = int32_t(layout.apart.size());
        layout.apart.push_back(image_of(node));
    } else {
        piece.start = uint32_t(found->start);
        piece.end = uint32_t(found->end);
    }
    return piece;
}

std::shared_ptr<const ValueLayout> make_layout(const std::vector<ValueItem> &items,
                                               const CExpr *tree)
{
    auto layout = std::make_shared<ValueLayout>();
    match_ends(items, layout->end_of);
    std::vector<ImageSpan> spans;
    layout->image.reserve(256);
    spans.reserve(64);
    if (tree)
        expression_image_spans(tree, layout->image, spans);
    std::sort(spans.begin(), spans.end(),
              [](const ImageSpan &a, const ImageSpan &b) { return a.node < b.node; });
    layout->parts.reserve(items.size());
    for (const ValueItem &item : items) {
        ValuePart part{item.kind,   item.value_kind, item.field,  item.type,
                       &described_type(item.type),   item.low,    item.high,
                       item.member, item.bounded,    item.whole,  item.value != nullptr,
                       {},          {},              {}};
        if (item.value && item.value_kind == VK_RANGE) {
            part.range_low = piece_of(spans, item.range_low, *layout);
            part.range_high = piece_of(spans, item.range_high, *layout);
        }
        if (item.value)
            part.value = piece_of(spans, item.value, *layout);
        layout->parts.push_back(part);
    }
    return layout;
}

struct Builder {
    const ValueLayout &layout;
    uint32_t code;
    const SyntaxNode *at;
    const std::string &variable;    /* for messages about the top level */
    bool quiet;                     /* a second description of checked values */

    void build(size_t from, size_t to, Scope *scope, IndexRange range,
               const ValuePart *array);
    SemanticEntry *entry(Scope *scope, uint32_t kind, const ValuePart &part,
                         IndexRange range);
    void element(size_t i, Scope *scope, IndexRange range);
    void others(size_t i, Scope *scope, const ValuePart &array,
                const std::vector<IndexRange> &covered);
};

uint32_t entry_kind_of(const ValuePart &part)
{
    switch (part.kind) {
    case VI_STRUCT: return EK_VALUE_STRUCT;
    case VI_UNION: return EK_VALUE_UNION;
    case VI_ARRAY: return EK_VALUE_ARRAY;
    case VI_ELEMENT: case VI_OTHERS: return EK_VALUE_ELEMENT;
    default:
        return part.value_kind == VK_RANGE  ? EK_VALUE_RANGE
               : part.value_kind == VK_PATH ? EK_VALUE_PATH
                                            : EK_VALUE_SCALAR;
    }
}

SemanticEntry *Builder::entry(Scope *scope, uint32_t kind, const ValuePart &part,
                              IndexRange range)
{
    SemanticEntry *e = add_value_entry(scope, kind, copy_text(part.field), at->file,
                                       at->line);
    e->file_number = at->file_number;
    SemanticDescriptor *d = add_descriptor(e, code);
    value_class(d) = part.described->type_class;
    value_type_text(d) = table_text(part.described->text);
    value_type(d) = part.type;
    if (part.has_value && part.value_kind == VK_RANGE) {
        value_min(d) = layout.copy(part.range_low);
        value_max(d) = layout.copy(part.range_high);
    }
    if (part.has_value)
        value_text(d) = layout.copy(part.value);
    value_low(d) = clamped(range.low);
    value_high(d) = clamped(range.high);
    value_member(d) = part.kind == VI_UNION ? part.member : -1;
    value_whole(d) = part.whole ? 1 : 0;
    return e;
}

Scope *nested_scope(SemanticEntry *e)
{
    Scope *scope = new_scope(nullptr, e->scope);
    e->descriptor->inner = scope;
    return scope;
}

/* An index range of an array: inside its bounds.             BNDOUTARR */
void Builder::element(size_t i, Scope *scope, IndexRange range)
{
    SemanticEntry *e = entry(scope, EK_VALUE_ELEMENT, layout.parts[i], range);
    build(i + 1, layout.end_of[i], nested_scope(e), range, nullptr);
}

/* OTHERS covers every index of the array not given before it: one entry
** per uncovered range; none left is a warning, and the entry is made all
** the same, over no index.                                    OTHERSEMP */
void Builder::others(size_t i, Scope *scope, const ValuePart &array,
                     const std::vector<IndexRange> &covered)
{
    std::vector<IndexRange> gaps;
    long long next = array.low;
    for (const IndexRange &r : covered) {
        if (r.low > next)
            gaps.push_back({next, r.low - 1});
        next = std::max(next, r.high + 1);
    }
    if (array.bounded && next <= array.high)
        gaps.push_back({next, array.high});
    if (gaps.empty()) {
        const char *name = array.field ? array.field : variable.c_str();
        if (!quiet)
            sema_report(SEV_WARNING, "OTHERSEMP", name, at);
        gaps.push_back({array.high + 1, array.high});
    }
    for (const IndexRange &gap : gaps)
        element(i, scope, gap);
}

void Builder::build(size_t from, size_t to, Scope *scope, IndexRange range,
                    const ValuePart *array)
{
    std::vector<IndexRange> covered;
    for (size_t i = from; i < to; i++) {
        const ValuePart &item = layout.parts[i];
        if (item.kind == VI_SCALAR) {
            entry(scope, entry_kind_of(item), item, range);
            continue;
        }
        if (item.kind == VI_END)
            continue;
        size_t end = layout.end_of[i];
        if (item.kind == VI_ELEMENT && array) {
            IndexRange r{item.low, item.high};
            if (array->bounded && (r.low < array->low || r.high > array->high)) {
                std::string text;
                checked_sprintf(text, "(%lld..%lld)", r.low, r.high);
                if (!quiet)
                    sema_report(SEV_ERROR, "BNDOUTARR", text.c_str(), at);
            } else {
                covered.push_back(r);
                element(i, scope, r);
            }
        } else if (item.kind == VI_OTHERS && array) {
            others(i, scope, *array, covered);
        } else if (item.kind == VI_ARRAY) {
            SemanticEntry *e = entry(scope, EK_VALUE_ARRAY, item,
                                     {item.low, item.high});
            build(i + 1, end, nested_scope(e), {-1, -1}, &item);
        } else {
            SemanticEntry *e = entry(scope, entry_kind_of(item), item, range);
            build(i + 1, end, nested_scope(e), {-1, -1}, nullptr);
        }
        i = end;
    }
}

/* ---- Repeated values texts ---- */

/* What decides a check's result: the scope the unit's texts see, the
** variable (or the name of the type given), the text, and the model.
** None when the type given has no name. */
bool checked_text_key(const ValueCheck &check, const std::string &values,
                      std::string &key)
{
    if (check.type && check.type_name.empty())
        return false;
    if (analysis.checked_texts_serial != interface_model_serial())
        release_checked_texts();
    unit_scope_key(key);
    key += check.type ? 'T' : 'V';
    key += check.type ? check.type_name : check.variable;
    key += '\n';
    key += values;
    return true;
}

/* A check to keep: its texts reported nothing and need no preprocessing. */
bool keepable(const ValueCheck &check, const std::string &values, int lines)
{
    return report_line_count() == lines && !text_needs_preprocessing(values.c_str()) &&
           !text_needs_preprocessing(check.type ? check.type_name.c_str()
                                                : check.variable.c_str());
}

/* A clean check, kept for the same key: its layout, made now, and the
** type made from the variable's text, which stays for the whole run. */
void keep_checked_text(const std::string &key, uint64_t hash, CheckedValues &out)
{
    keep_type(out.owned);
    out.owned = nullptr;
    out.layout = make_layout(out.items, out.tree);
    out.items.clear();
    free_expression(out.tree);
    out.tree = nullptr;
    bool added = false;
    analysis.checked_text_index.slot(hash, added) = int32_t(analysis.checked_texts.size());
    analysis.checked_texts.emplace_back(key, out);
}

} // namespace

void release_checked_texts()
{
    analysis.checked_texts.clear();
    analysis.checked_text_index.clear();
    analysis.checked_texts_serial = interface_model_serial();
}

/* ---- Checking a values text ---- */

/* One values text against a variable, in the unit's C/C++ scope: parsed,
** its shape checked, matched against the type and typed.  False, after
** "VARNOGOOD" with the variable's text, when anything was reported or a
** text cannot be analysed.                          FORBEMPTY, VARNOGOOD */
bool check_value_text(const ValueCheck &check, CheckedValues &out)
{
    const SyntaxNode *at = check.at;
    int reported = error_count() + warning_count();
    int lines = report_line_count();
    set_bridge_position(at->file, int(at->line));
    set_bridge_namespace(analysis.unit.c_str());
    std::string values = trimmed(check.values.c_str());
    /* A text is kept when met a second time: a script whose values all
    ** differ would otherwise keep every one of them. */
    std::string key;
    bool keyed = checked_text_key(check, values, key);
    uint64_t hash = keyed ? std::hash<std::string>()(key) : 0;
    bool met_once = false;
    if (keyed) {
        bool added = false;
        int32_t kept = analysis.checked_text_index.slot(hash, added);
        if (kept >= 0 && analysis.checked_texts[size_t(kept)].first == key) {
            out = analysis.checked_texts[size_t(kept)].second;
            return true;
        }
        met_once = !added && kept == -1;
    }
    out.default_reception = values == "zrk_msgrcv";
    bool usable = true;
    CExpr *variable = nullptr;
    out.type = check.type;
    if (values.empty())
        sema_report(SEV_ERROR, "FORBEMPTY", QString(), at);
    else if (analyse_script_value(values.c_str(), &out.tree) == SV_NONIL)
        out.tree = analyse_expression("NONIL", analysis.unit.c_str());
    if (!out.type) {
        if (analyse_script_value(check.variable.c_str(), &variable) == SV_EXPRESSION)
            out.type = out.owned = expression_type(variable);
        usable = out.type != nullptr;
    }
    free_expression(variable);
    usable = usable && out.tree;
    if (usable) {
        ShapeResult shape = check_shape(out.tree, at);
        usable = shape != SHAPE_UNUSABLE;
        if (shape == SHAPE_OK && match_value_items(out.type, out.tree, out.items))
            check_items(out.items, out.default_reception, at);
    }
    if (!usable || error_count() + warning_count() != reported) {
        sema_report(SEV_ERROR, "VARNOGOOD", check.variable.c_str(), at);
        return false;
    }
    if (met_once && keepable(check, values, lines))
        keep_checked_text(key, hash, out);
    return true;
}

/* The description of checked values under a root entry named by the
** variable; `quiet` for a second description of the same values, whose
** index-range reports were made with the first. */
SemanticEntry *describe_values(CheckedValues &v, const ValueCheck &check, Scope *scope,
                               const char *filter, bool quiet)
{
    const SyntaxNode *at = check.at;
    keep_type(v.owned);
    v.owned = nullptr;
    std::string name = plain_identifier(check.variable) ? check.variable
                                                        : "(" + check.variable + ")";
    SemanticEntry *root = add_entry(scope, EK_VALUE_ROOT, table_text(name), at->file,
                                    at->file_number, at->line, copy_text(filter));
    SemanticDescriptor *d = add_descriptor(root, check.code);
    if (!v.layout)
        v.layout = make_layout(v.items, v.tree);
    const ValueLayout &layout = *v.layout;
    value_text(d) = table_text(layout.image);
    value_type(d) = v.type;
    const DescribedType &type = described_type(v.type);
    value_type_text(d) = table_text(type.text);
    value_class(d) = type.type_class;
    value_low(d) = value_high(d) = value_member(d) = -1;
    Builder builder{layout, check.code, at, name, quiet};
    builder.build(0, layout.parts.size(), nested_scope(root), {-1, -1}, nullptr);
    return root;
}

void release_checked_values(CheckedValues &v)
{
    free_type(v.owned);
    free_expression(v.tree);
    v.owned = nullptr;
    v.tree = nullptr;
}

SemanticEntry *check_values(const ValueCheck &check, Scope *scope, const char *filter)
{
    CheckedValues v;
    SemanticEntry *root = nullptr;
    if (check_value_text(check, v))
        root = describe_values(v, check, scope, filter, false);
    release_checked_values(v);
    return root;
}

/* ---- The statements ---- */

/* VAR variable, INIT=values | EV=values | EV==: an initialisation (112)
** or a check (113) of the variable; EV== checks the variable against
** itself.  A message named as the variable is marked used. */
void analyse_var(SyntaxNode *node, Scope *scope, const char *filter)
{
    ValueCheck check;
    check.variable = expression_text(node->child1);
    check.at = node;
    SyntaxNode *value = node->child2;
    if (SemanticEntry *message = find_message(check.variable.c_str()))
        message_used(message->descriptor) = 1;
    check.code = value->kind == NK_VAR_INIT ? DC_VALUE_INIT : DC_VALUE_CHECK;
    if (value->kind == NK_VAR_EV_EQ)
        check.values = "(" + check.variable + ")";
    else
        check.values = text_after_equals(value);
    check_values(check, scope, filter);
}

namespace {

/* The type of a message type's values, made once per name while the
** names the unit sees and the model are unchanged; kept for the run. */
CType *message_value_type(const char *name)
{
    std::string key = unit_text_key(analysis.value_types, name);
    auto found = analysis.value_types.kept.find(key);
    if (found != analysis.value_types.kept.end())
        return found->second;
    CType *type = keep_type(type_from_text(name));
    if (type && !text_needs_preprocessing(name))
        analysis.value_types.kept.emplace(key, type);
    return type;
}

void declare_received_message(const SyntaxNode *at)
{
    if (analysis.msgrcv_declared)
        return;
    analysis.msgrcv_declared = true;
    std::string text;
    if (preprocess_text("int zrk_msgrcv;", true, at->file, int(at->line), text, nullptr))
        analyse_declaration_text(text.c_str(), "", at->file, int(at->line));
}

Scope *type_scope(SemanticEntry *type)
{
    SemanticDescriptor *d = type->descriptor;
    return d->inner ? d->inner : new_scope(d, analysis.global);
}

/* The scope that will hold a description, attached once it is built. */
void attach(SemanticDescriptor *d, Scope *holder)
{
    d->inner = holder;
    holder->owner = nullptr;
}

} // namespace

/* DEF_MESSAGE message, EV=values: the reference message (112), the
** type's default reception (113, once per type) and the comparison with
** a received message (135) in a reception record of the type, numbered
** run-wide from 1.  A DEF_MESSAGE that fails leaves no entry. UNDECTRGV */
void analyse_def_message(SyntaxNode *node, Scope *scope, const char *filter)
{
    std::string name = expression_text(node->child1);
    SemanticEntry *message = find_message(name.c_str());
    if (!message || !message->descriptor || !message_type(message->descriptor)) {
        sema_report(SEV_ERROR, "UNDECTRGV", name.c_str(), node);
        return;
    }
    SemanticEntry *type_entry = message_type(message->descriptor);
    set_bridge_position(node->file, int(node->line));
    set_bridge_namespace(analysis.unit.c_str());
    CType *type = message_value_type(type_entry->name);
    ValueCheck check;
    check.variable = name;
    check.type = type;
    check.type_name = type_entry->name;
    check.values = text_after_equals(node->child2);
    check.code = DC_VALUE_INIT;
    check.at = node;
    CheckedValues values;
    if (!type || !check_value_text(check, values)) {
        if (!type)
            sema_report(SEV_ERROR, "VARNOGOOD", name.c_str(), node);
        release_checked_values(values);
        return;
    }
    check.type = type = values.type;   /* an earlier check's, when kept */
    Scope *reference = new_scope(nullptr, scope);
    describe_values(values, check, reference, nullptr, false);
    declare_received_message(node);
    SemanticDescriptor *td = type_entry->descriptor;
    if (!type_default_reception(td)) {
        ValueCheck reception = check;
        reception.values = "zrk_msgrcv";
        reception.code = DC_VALUE_CHECK;
        type_default_reception(td) = check_values(reception, type_scope(type_entry), nullptr);
    }
    /* The comparison describes the same values against the received
    ** message: checked once, described twice. */
    ValueCheck comparison = check;
    comparison.variable = "zrk_msgrcv";
    comparison.code = DC_VALUE_COMPARE;
    Scope *compared = new_scope(nullptr, type_scope(type_entry));
    describe_values(values, comparison, compared, nullptr, true);
    release_checked_values(values);
    int number = analysis.def_messages++;
    SemanticEntry *use = add_node_entry(type_scope(type_entry), EK_TRIGGER_USE,
                                        message->name, node);
    SemanticDescriptor *ud = add_descriptor(use, DC_TRIGGER_USE);
    use_message(ud) = message;
    use_number(ud) = number;
    use_not_in_proc(ud) = analysis.in_proc_body ? 0 : 1;
    analysis.latest_definition[message] = use;
    attach(ud, compared);
    SemanticEntry *def = add_node_entry(scope, EK_DEF_MESSAGE, message->name, node, filter);
    SemanticDescriptor *dd = add_descriptor(def, DC_DEF_MESSAGE);
    def_trigger_use(dd) = use;
    def_message(dd) = message;
    def_number(dd) = number;
    attach(dd, reference);
}
