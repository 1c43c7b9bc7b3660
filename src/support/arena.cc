/*
** src/support/arena.cc
** The run arena: zeroed pieces of memory that live until the process exits.
**
** Records made by the thousand and never given back one by one (the
** semantic tables, their texts) come from large blocks instead of a heap
** block each.  A shared block is a fresh mapping of 2 MB, aligned so that
** the system may back it with one large page: a large script touches a
** few hundred megabytes, and a fault per small page was a sixth of its
** run.  Where no mapping can be made, and for pieces too large to share a
** block, the block comes zeroed from the checked allocation.  Blocks are
** chained through their first bytes from a plain pointer, so that leak
** checkers see the heap ones reachable at exit.
*/
#include "support.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstring>

namespace {

const size_t ARENA_BLOCK = size_t(2) << 20;
const size_t ARENA_ALIGN = 16;

/* A fresh zeroed mapping of ARENA_BLOCK bytes at an ARENA_BLOCK boundary,
** or null. */
char *map_aligned_block()
{
#ifdef ZRS_ADDRESS_SANITIZER
    return nullptr;   /* leak checking scans heap blocks, not mappings */
#else
    size_t span = 2 * ARENA_BLOCK;
    void *raw = mmap(nullptr, span, PROT_READ | PROT_WRITE,
                     MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED)
        return nullptr;
    uintptr_t at = reinterpret_cast<uintptr_t>(raw);
    uintptr_t start = (at + ARENA_BLOCK - 1) & ~uintptr_t(ARENA_BLOCK - 1);
    if (start > at)
        munmap(raw, start - at);
    if (at + span > start + ARENA_BLOCK)
        munmap(reinterpret_cast<void *>(start + ARENA_BLOCK),
               at + span - start - ARENA_BLOCK);
    char *block = reinterpret_cast<char *>(start);
#ifdef MADV_HUGEPAGE
    madvise(block, ARENA_BLOCK, MADV_HUGEPAGE);   /* a hint: failure is harmless */
#endif
    return block;
#endif
}

struct ArenaState {
    void *last_block;   /* each block begins with the previous one's address */
    char *next;         /* first free byte of the last block */
    size_t left;        /* free bytes after `next` */
};

ArenaState arena;   /* no destructor: the chain stays reachable at exit */

/* A block chained like the others: a shared one (`payload` is then the
** block's room) mapped when possible, any other from the heap. */
char *new_block(size_t payload, bool shared)
{
    char *block = shared ? map_aligned_block() : nullptr;
    if (!block)
        block = static_cast<char *>(xcalloc(1, ARENA_ALIGN + payload));
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
            return new_block(size, false);
        arena.next = new_block(ARENA_BLOCK - ARENA_ALIGN, true);
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
