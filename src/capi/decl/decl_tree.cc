/*
** src/capi/decl/decl_tree.cc
** Expression trees: construction, release and printing back as C text.
**
** Nodes are plain records from the checked allocator; a tree owns its
** operands, its lists and the types of its casts.  The printed image is
** what the diagnostics of expression typing quote and what generated code
** embeds, so it stays close to the source spelling.
*/
#include "decl.h"

namespace {

const char *const kind_names[] = {
#define EXPR(kind, operands) #kind,
#include "decl_expr_kinds.def"
#undef EXPR
};
static_assert(sizeof kind_names / sizeof kind_names[0] == EX_COUNT,
              "one name per expression kind");

void image_list(const CExpr *first, std::string &out)
{
    for (const CExpr *e = first; e; e = e->next) {
        if (e != first)
            out += ", ";
        expr_image(e, out);
    }
}

void image_name(const CExpr *n, std::string &out)
{
    if (n->global)
        out += "::";
    if (n->qualifier) {
        out += n->qualifier;
        out += "::";
    }
    out += text_or_empty(n->text);
}

void image_type(const CExpr *n, std::string &out)
{
    std::string before, after;
    decl_type_image(n->type, before, after);
    out += before;
    out += after;
}

void image_operand(const CExpr *n, std::string &out)
{
    expr_image(n, out);
}

void image_binary(const CExpr *n, const char *op, std::string &out)
{
    image_operand(n->a, out);
    out += " ";
    out += op;
    out += " ";
    image_operand(n->b, out);
}

void image_cast(const CExpr *n, std::string &out)
{
    if (n->kind == EX_NAMED_CAST) {
        out += token_spelling(n->op);
        out += "<";
        image_type(n, out);
        out += ">(";
        expr_image(n->a, out);
        out += ")";
        return;
    }
    out += "(";
    image_type(n, out);
    out += ")";
    expr_image(n->a, out);
}

void image_new(const CExpr *n, std::string &out)
{
    out += n->global ? "::new " : "new ";
    image_type(n, out);
    if (n->a) {
        out += "[";
        expr_image(n->a, out);
        out += "]";
    }
    if (n->list) {
        out += "(";
        image_list(n->list, out);
        out += ")";
    }
}

void image_more(const CExpr *n, std::string &out)
{
    switch (n->kind) {
    case EX_LIST: out += "{"; image_list(n->list, out); out += "}"; break;
    case EX_RANGE:
        out += "[";
        expr_image(n->a, out);
        out += "..";
        expr_image(n->b, out);
        out += "]";
        break;
    case EX_DESIGNATION:
        out += text_or_empty(n->text);
        out += " => ";
        expr_image(n->a, out);
        break;
    case EX_RANGE_DESIGNATION:
        expr_image(n->a, out);
        out += "..";
        expr_image(n->b, out);
        out += " => ";
        expr_image(n->c, out);
        break;
    case EX_OTHERS:
        out += "OTHERS";
        if (n->a) {
            out += " => ";
            expr_image(n->a, out);
        }
        break;
    case EX_EMPTY: break;
    case EX_NEW: image_new(n, out); break;
    case EX_DELETE:
        out += n->global ? "::delete " : "delete ";
        out += n->array ? "[] " : "";
        expr_image(n->a, out);
        break;
    default: out += text_or_empty(n->text); break;
    }
}

} // namespace

/* Nodes are made and released by the ten thousand (every value text of a
** script is parsed, checked and dropped): released nodes wait on a list,
** linked through `next`, for the next tree.  Under AddressSanitizer each
** goes back to the heap, so that a use after release is caught. */
#ifdef ZRS_ADDRESS_SANITIZER
static CExpr *new_node()
{
    return static_cast<CExpr *>(xcalloc(1, sizeof(CExpr)));
}

static void release_node(CExpr *node)
{
    xfree(node);
}
#else
static CExpr *spare_nodes;

static CExpr *new_node()
{
    CExpr *n = spare_nodes;
    if (!n)
        return static_cast<CExpr *>(xcalloc(1, sizeof(CExpr)));
    spare_nodes = n->next;
    *n = CExpr();
    return n;
}

static void release_node(CExpr *node)
{
    node->next = spare_nodes;
    spare_nodes = node;
}
#endif

CExpr *make_expr(int kind, int op, CExpr *a, CExpr *b, CExpr *c)
{
    CExpr *n = new_node();
    n->kind = kind;
    n->op = op;
    n->a = a;
    n->b = b;
    n->c = c;
    n->value = PINT_ZERO;
    return n;
}

const char *expr_kind_name(int kind)
{
    return kind >= 0 && kind < EX_COUNT ? kind_names[kind] : "?";
}

void free_expr(CExpr *node)
{
    while (node) {
        CExpr *next = node->next;
        free_expr(node->a);
        free_expr(node->b);
        free_expr(node->c);
        free_expr(node->list);
        if (node->type)
            decl_free_type(node->type);
        release_node(node);
        node = next;
    }
}

/* The spans being recorded by expr_image_spans, or null. */
static std::vector<ImageSpan> *recorded_spans;

static void image_node(const CExpr *n, std::string &out);

void expr_image(const CExpr *n, std::string &out)
{
    if (!n)
        return;
    size_t start = out.size();
    image_node(n, out);
    if (recorded_spans)
        recorded_spans->push_back({n, start, out.size()});
}

void expr_image_spans(const CExpr *n, std::string &out, std::vector<ImageSpan> &spans)
{
    std::vector<ImageSpan> *saved = recorded_spans;
    recorded_spans = &spans;
    expr_image(n, out);
    recorded_spans = saved;
}

static void image_node(const CExpr *n, std::string &out)
{
    switch (n->kind) {
    case EX_PAREN: out += "("; expr_image(n->a, out); out += ")"; break;
    case EX_SUBSCRIPT:
        expr_image(n->a, out);
        out += "[";
        expr_image(n->b, out);
        out += "]";
        break;
    case EX_CALL:
        expr_image(n->a, out);
        out += "(";
        image_list(n->list, out);
        out += ")";
        break;
    case EX_DOT: case EX_ARROW:
        expr_image(n->a, out);
        out += n->kind == EX_DOT ? "." : "->";
        image_name(n, out);
        break;
    case EX_DOT_STAR: image_binary(n, ".*", out); break;
    case EX_ARROW_STAR: image_binary(n, "->*", out); break;
    case EX_UNARY: out += token_spelling(n->op); expr_image(n->a, out); break;
    case EX_POSTFIX: expr_image(n->a, out); out += token_spelling(n->op); break;
    case EX_BINARY: case EX_ASSIGN:
        image_binary(n, token_spelling(n->op), out);
        break;
    case EX_COMMA: image_binary(n, ",", out); break;
    case EX_CONDITIONAL:
        image_binary(n, "?", out);
        out += " : ";
        expr_image(n->c, out);
        break;
    case EX_CAST: case EX_NAMED_CAST: image_cast(n, out); break;
    case EX_SIZEOF_EXPR: out += "sizeof "; expr_image(n->a, out); break;
    case EX_SIZEOF_TYPE: out += "sizeof("; image_type(n, out); out += ")"; break;
    case EX_CONSTRUCT:
        out += text_or_empty(n->text);
        out += "(";
        image_list(n->list, out);
        out += ")";
        break;
    case EX_IDENT: image_name(n, out); break;
    case EX_THIS: out += "this"; break;
    case EX_TRUE: out += "true"; break;
    case EX_FALSE: out += "false"; break;
    default: image_more(n, out); break;
    }
}

CExpr *copy_expr(const CExpr *node)
{
    if (!node)
        return nullptr;
    CExpr *copy = new_node();
    *copy = *node;
    copy->a = copy_expr(node->a);
    copy->b = copy_expr(node->b);
    copy->c = copy_expr(node->c);
    copy->list = copy_expr(node->list);
    copy->next = copy_expr(node->next);
    copy->type = node->type ? copy_type(node->type) : nullptr;
    return copy;
}
