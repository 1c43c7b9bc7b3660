/*
** src/support/arena.cc
** The run arena: zeroed pieces of memory that live until the process exits.
**
** Records made by the thousand and never given back one by one (the
** semantic tables, their texts) come from large blocks instead of a heap
** block each.  A block is fresh zeroed pages, mapped in when it is taken.
** The blocks are chained through their first bytes from a plain pointer,
** so that leak checkers see them reachable at exit.
*/
#include "support.h"

#include <cstdint>
#include <cstring>

namespace {

const size_t ARENA_BLOCK = size_t(2) << 20;
const size_t ARENA_ALIGN = 16;

struct ArenaState {
    void *last_block;   /* each block begins with the previous one's address */
    char *next;         /* first free byte of the last block */
    size_t left;        /* free bytes after `next` */
    size_t block_size;  /* of the last block pieces are cut from */
};

ArenaState arena;   /* no destructor: the chain stays reachable at exit */

/* A block chained like the others, of `payload` bytes after the link. */
char *new_block(size_t payload)
{
    char *block = static_cast<char *>(fresh_pages(ARENA_ALIGN + payload));
    memcpy(block, &arena.last_block, sizeof arena.last_block);
    arena.last_block = block;
    return block + ARENA_ALIGN;
}

} // namespace

namespace {

/* `size` bytes at a multiple of `align` (a power of two); texts take
** theirs unaligned, so that short names do not waste most of a piece. */
char *take(size_t size, size_t align)
{
    uintptr_t at = reinterpret_cast<uintptr_t>(arena.next);
    size_t pad = ((at + align - 1) & ~uintptr_t(align - 1)) - at;
    if (!arena.next || pad + size > arena.left) {
        if (size > ARENA_BLOCK / 8)
            return new_block(size);
        arena.block_size = next_block_size(arena.block_size, ARENA_ALIGN + size, ARENA_BLOCK);
        arena.next = new_block(arena.block_size - ARENA_ALIGN);
        arena.left = arena.block_size - ARENA_ALIGN;
        pad = 0;
    }
    char *piece = arena.next + pad;
    arena.next = piece + size;
    arena.left -= pad + size;
    return piece;
}

} // namespace

void *run_alloc(size_t size)
{
    return take(size ? size : 1, ARENA_ALIGN);
}

char *run_text(const char *text, size_t length)
{
    char *copy = take(length + 1, 1);
    memcpy(copy, text, length);
    return copy;   /* the arena is zeroed: the copy is terminated */
}
