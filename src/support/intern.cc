/*
** src/support/intern.cc
** The intern table: one stored copy of each distinct text for the run.
**
** Equal texts share one address, so interned names compare by address.
** Chains hang off the buckets and run through a growable entry array; the
** texts themselves live in large pool chunks that are never moved or
** freed, so an address stays valid until the process ends.  Each entry
** keeps the full 64-bit hash of its text, so a chain walk compares bytes
** only for a real match (the hash's final mixing lets its low bits pick
** the bucket).  The bucket array starts at 16384 and is rebuilt twice as
** large whenever the entries outnumber the buckets twice over:
** relinking moves no text and no entry, and keeps chains short however
** many names an interface declares.
*/
#include "support.h"

#include <cstring>

namespace {

const int FIRST_BUCKETS = 16384;   /* a power of two: a bucket is a mask away */
const int FIRST_ROOM = 10000;   /* entries allocated at creation */
const int GROWTH = 20000;       /* entries added at each growth */
const size_t FIRST_CHUNK = 100000;

struct InternEntry {
    const char *text;
    int next;        /* index of the next entry in the chain, 0 = end */
    uint64_t hash;
};

struct InternTable {
    int *buckets = nullptr;      /* first entry of each chain, 0 = empty */
    int bucket_count = 0;
    InternEntry *entries = nullptr;
    int capacity = 0;            /* counted one short of the room */
    int count = 0;               /* entry 0 is reserved */
    char *chunk = nullptr;       /* current pool chunk */
    size_t chunk_size = FIRST_CHUNK;
    size_t chunk_used = 0;
};

InternTable table;

/* FNV-1a with a final avalanche: identifiers that differ in one digit
** must land in unrelated buckets. */
uint64_t text_hash(const char *text, size_t length)
{
    uint64_t h = 14695981039346656037ULL;
    for (size_t i = 0; i < length; i++)
        h = (h ^ static_cast<unsigned char>(text[i])) * 1099511628211ULL;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    return h;
}

int bucket_of(uint64_t hash)
{
    return static_cast<int>(hash & static_cast<uint64_t>(table.bucket_count - 1));
}

void set_buckets(int count)
{
    xfree(table.buckets);
    table.buckets = static_cast<int *>(xcalloc(static_cast<size_t>(count), sizeof(int)));
    table.bucket_count = count;
    for (int i = 1; i <= table.count; i++) {
        int bucket = bucket_of(table.entries[i].hash);
        table.entries[i].next = table.buckets[bucket];
        table.buckets[bucket] = i;
    }
}

void grow_entries_if_full()
{
    if (table.capacity - 1 > table.count)
        return;
    table.capacity += GROWTH;
    table.entries = static_cast<InternEntry *>(xrealloc(
        table.entries, (static_cast<size_t>(table.capacity) + 1) * sizeof(InternEntry)));
}

const char *store_in_pool(const char *text, size_t length)
{
    size_t need = length + 1;
    if (table.chunk_used + need >= table.chunk_size) {
        if (table.chunk_size <= need)
            table.chunk_size += need;
        table.chunk = static_cast<char *>(xmalloc(table.chunk_size));
        table.chunk_used = 0;
    }
    char *copy = table.chunk + table.chunk_used;
    memcpy(copy, text, length);
    copy[length] = '\0';
    table.chunk_used += need;
    return copy;
}

} // namespace

void init_intern_table()
{
    if (table.count > 0 || table.entries)
        return;
    table.chunk = static_cast<char *>(xmalloc(table.chunk_size));
    table.chunk_used = 0;
    table.entries =
        static_cast<InternEntry *>(xmalloc(FIRST_ROOM * sizeof(InternEntry)));
    table.capacity = FIRST_ROOM - 1;
    table.entries[0] = InternEntry{"", 0, 0};
    set_buckets(FIRST_BUCKETS);
}

const char *intern_text(const char *text)
{
    return text ? intern_span(text, strlen(text)) : nullptr;
}

const char *intern_span(const char *text, size_t length)
{
    if (!text || length == 0)
        return nullptr;
    init_intern_table();
    uint64_t hash = text_hash(text, length);
    int bucket = bucket_of(hash);
    for (int i = table.buckets[bucket]; i != 0; i = table.entries[i].next) {
        const InternEntry &entry = table.entries[i];
        if (entry.hash == hash && strncmp(entry.text, text, length) == 0 &&
            entry.text[length] == '\0')
            return entry.text;
    }
    grow_entries_if_full();
    int index = ++table.count;
    const char *copy = store_in_pool(text, length);
    table.entries[index] = InternEntry{copy, table.buckets[bucket], hash};
    table.buckets[bucket] = index;
    if (table.count / 2 > table.bucket_count)
        set_buckets(2 * table.bucket_count);
    return copy;
}

void text_copy(const char *source, char *destination)
{
    if (!source) {
        destination[0] = '\0';
        return;
    }
    strcpy(destination, source);
}

const char *text_or_empty(const char *text)
{
    return text ? text : "";
}

int text_compare(const char *first, const char *second)
{
    if (!first || !second)
        return -1;
    const signed char *a = reinterpret_cast<const signed char *>(first);
    const signed char *b = reinterpret_cast<const signed char *>(second);
    while (*a && *a == *b) {
        a++;
        b++;
    }
    return *a - *b;
}

int text_digit_value(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}
