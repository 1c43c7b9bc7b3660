/*
** src/script/tree.cc
** Syntax tree records: construction, release, checks and a printed form.
**
** Nodes take their position from the reader when they are made.  Release
** and printing walk with an explicit stack, so a tree as deep as the
** parser allows (thousands of nested IF or WHILE) cannot exhaust the
** machine stack.
**
** Nodes and their texts are cut from large blocks rather than allocated
** one by one: a script makes tens of thousands of them and a run keeps
** its tree to the end.  The blocks stay reachable from `node_blocks`, and
** are released together once every node made has been released again
** (a test or fuzz loop parsing many scripts reuses the memory).  Under
** AddressSanitizer each node and text is its own heap block, released one
** by one, so that a use after release is still caught.
*/
#include "script_int.h"

#include "diag.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct KindName {
    uint32_t kind;
    const char *name;
};

const KindName node_names[] = {
#define NODE(number, name) {number, #name},
#include "node_kinds.def"
#undef NODE
};
static_assert(sizeof node_names / sizeof node_names[0] == 113,
              "node_kinds.def: 113 kinds from 0 to 165");

void append_quoted(std::string &out, const char *text)
{
    out += '"';
    for (const char *p = text; *p; p++) {
        if (*p == '"' || *p == '\\')
            out += '\\';
        out += *p;
    }
    out += '"';
}

/* The printed head of a node: "(KIND:line "text"". */
void print_head(const SyntaxNode *node, std::string &out, bool with_lines)
{
    const char *name = node_kind_name(node->kind);
    out += '(';
    out += name ? name + 3 : "?";
    if (with_lines)
        out += ":" + std::to_string(node->line);
    if (node->text) {
        out += ' ';
        append_quoted(out, node->text);
    }
}

int last_child(const SyntaxNode *node)
{
    if (node->child3)
        return 3;
    if (node->child2)
        return 2;
    return node->child1 ? 1 : 0;
}

SyntaxNode *child(const SyntaxNode *node, int which)
{
    return which == 1 ? node->child1 : which == 2 ? node->child2 : node->child3;
}

#ifdef ZRS_ADDRESS_SANITIZER

void *node_memory(size_t size)
{
    return xmalloc(size);
}

SyntaxNode *new_node_record()
{
    return static_cast<SyntaxNode *>(xmalloc(sizeof(SyntaxNode)));
}

void release_node(SyntaxNode *node, int with_text)
{
    if (with_text == 1)
        xfree(node->text);
    xfree(node);
}

void release_text(char *text)
{
    xfree(text);
}

#else

/* The blocks nodes and texts are cut from. */
struct NodeBlocks {
    std::vector<PageBlock> blocks;
    char *last = nullptr;          /* the last block */
    size_t used = 0;               /* bytes used in it */
    size_t capacity = 0;           /* its size */
    size_t live = 0;               /* nodes made and not released */
};

NodeBlocks node_blocks;

const size_t NODE_BLOCK = size_t(2) << 20;   /* a large page */

/* A new last block for a piece of size bytes; a piece larger than a block
** gets a block of its own. */
[[gnu::noinline]] void *node_memory_in_new_block(size_t size)
{
    NodeBlocks &b = node_blocks;
    b.capacity = next_block_size(b.capacity, size, NODE_BLOCK);
    b.last = static_cast<char *>(fresh_pages(b.capacity));
    b.blocks.push_back({b.last, b.capacity});
    b.used = size;
    return b.last;
}

/* Size bytes aligned for any node. */
inline void *node_memory(size_t size)
{
    NodeBlocks &b = node_blocks;
    const size_t align = alignof(SyntaxNode);
    size_t at = (b.used + align - 1) & ~(align - 1);
    if (at + size > b.capacity)
        return node_memory_in_new_block(size);
    b.used = at + size;
    return b.last + at;
}

SyntaxNode *new_node_record()
{
    node_blocks.live++;
    return static_cast<SyntaxNode *>(node_memory(sizeof(SyntaxNode)));
}

/* One node fewer, its text with it; with none left, all blocks go. */
void release_node(SyntaxNode *, int)
{
    NodeBlocks &b = node_blocks;
    if (b.live == 0 || --b.live > 0)
        return;
    for (const PageBlock &block : b.blocks)
        release_pages(block.start, block.size);
    b.blocks.clear();
    b.last = nullptr;
    b.used = b.capacity = 0;
}

void release_text(char *) {}

#endif

char *node_text_copy(const char *text)
{
    size_t length = strlen(text);
    char *copy = static_cast<char *>(node_memory(length + 1));
    memcpy(copy, text, length + 1);
    return copy;
}

} // namespace

const char *node_kind_name(uint32_t kind)
{
    for (const KindName &row : node_names)
        if (row.kind == kind)
            return row.name;
    return nullptr;
}

SyntaxNode *make_node(uint32_t kind, SyntaxNode *child1, SyntaxNode *child2,
                      SyntaxNode *child3, const char *text)
{
    SyntaxNode *node = new_node_record();
    node->kind = kind;
    node->child1 = child1;
    node->child2 = child2;
    node->child3 = child3;
    node->text = text ? node_text_copy(text) : nullptr;
    node->line = reader_line();
    node->file = reader_file_name();
    node->file_number = reader_file_number();
    return node;
}

void free_tree(SyntaxNode *node, int with_text)
{
    std::vector<SyntaxNode *> pending;
    if (node)
        pending.push_back(node);
    while (!pending.empty()) {
        SyntaxNode *n = pending.back();
        pending.pop_back();
        for (SyntaxNode *c : {n->child1, n->child2, n->child3})
            if (c)
                pending.push_back(c);
        release_node(n, with_text);
    }
}

void expect_node(const SyntaxNode *node, uint32_t kind)
{
    if (!node)
        report_internal("STXNODNIL");
    if (node->kind != kind)
        report_at(SEV_INTERNAL, "STXNODNWT", QString::number(kind), node->file,
                  int(node->line));
}

char *node_text_value(SyntaxNode *node)
{
    if (node && node->kind == NK_STRING)
        return node->text;
    if (!node || node->kind != NK_ENVVAR)
        expect_node(node, NK_STRING);
    const char *name = node->text ? node->text + 1 : "";
    char *value = xstrdup(getenv_copy(name).c_str());
    release_text(node->text);
    node->text = nullptr;
    return value;
}

bool expr_is_empty(const SyntaxNode *node)
{
    while (node && node->kind == NK_EXPR) {
        if (!expr_is_empty(node->child1))
            return false;
        node = node->child2;
    }
    return !node || node->kind == NK_EMPTY;
}

/* Walks with an explicit stack of (node, next child to print). */
void print_tree(const SyntaxNode *node, std::string &out, bool with_lines)
{
    if (!node) {
        out += '-';
        return;
    }
    std::vector<std::pair<const SyntaxNode *, int>> stack;
    print_head(node, out, with_lines);
    stack.push_back({node, 1});
    while (!stack.empty()) {
        auto &top = stack.back();
        if (top.second > last_child(top.first)) {
            out += ')';
            stack.pop_back();
            continue;
        }
        const SyntaxNode *c = child(top.first, top.second++);
        out += ' ';
        if (!c) {
            out += '-';
            continue;
        }
        print_head(c, out, with_lines);
        stack.push_back({c, 1});
    }
}
