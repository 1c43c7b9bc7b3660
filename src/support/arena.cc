/*
** src/support/arena.cc
** The run arena: zeroed pieces of memory that live until the process exits.
**
** Records made by the thousand and never given back one by one (the
** semantic tables, their texts) come from large blocks instead of a heap
** block each.  A block is obtained zeroed from the checked allocation; at
** its size the heap maps fresh pages, so zeroing costs nothing.  The
** blocks are chained through their first bytes from a plain pointer, so
** that leak checkers see them reachable at exit.
*/
#include "support.h"

#include <cstring>

namespace {

const size_t ARENA_BLOCK = size_t(1) << 20;
const size_t ARENA_ALIGN = 16;

struct ArenaState {
    void *last_block;   /* each block begins with the previous one's address */
    char *next;         /* first free byte of the last block */
    size_t left;        /* free bytes after `next` */
};

ArenaState arena;   /* no destructor: the chain stays reachable at exit */

/* A block of its own, chained like the others, for pieces too large to
** share one. */
char *new_block(size_t payload)
{
    char *block = static_cast<char *>(xcalloc(1, ARENA_ALIGN + payload));
    memcpy(block, &arena.last_block, sizeof arena.last_block);
    arena.last_block = block;
    return block + ARENA_ALIGN;
}

} // namespace

void *run_alloc(size_t size)
{
    size = (size + ARENA_ALIGN - 1) & ~(ARENA_ALIGN - 1);
    if (size == 0)
        size = ARENA_ALIGN;
    if (size > arena.left) {
        if (size > ARENA_BLOCK / 8)
            return new_block(size);
        arena.next = new_block(ARENA_BLOCK - ARENA_ALIGN);
        arena.left = ARENA_BLOCK - ARENA_ALIGN;
    }
    void *piece = arena.next;
    arena.next += size;
    arena.left -= size;
    return piece;
}

char *run_text(const char *text, size_t length)
{
    char *copy = static_cast<char *>(run_alloc(length + 1));
    memcpy(copy, text, length);
    return copy;   /* the arena is zeroed: the copy is terminated */
}
