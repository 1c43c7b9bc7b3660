/*
** src/support/intern.cc
** The intern table: one stored copy of each distinct text for the run.
**
** Equal texts share one address, so interned names compare by address.
** Chains hang off 19997 buckets and run through a growable entry array;
** the texts themselves live in large pool chunks that are never moved or
** freed, so an address stays valid until the process ends.  Each entry
** also keeps its full hash, which lets a chain walk skip most byte
** comparisons when the table holds far more texts than buckets.
*/
#include "support.h"

#include <cstring>

namespace {

const int BUCKET_COUNT = 19997;
const int FIRST_ROOM = 10000;   /* entries allocated at creation */
const int GROWTH = 20000;       /* entries added at each growth */
const size_t FIRST_CHUNK = 100000;

/* The first 256 primes. */
const int64_t primes[256] = {
    2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47, 53,
    59, 61, 67, 71, 73, 79, 83, 89, 97, 101, 103, 107, 109, 113, 127, 131,
    137, 139, 149, 151, 157, 163, 167, 173, 179, 181, 191, 193, 197, 199, 211, 223,
    227, 229, 233, 239, 241, 251, 257, 263, 269, 271, 277, 281, 283, 293, 307, 311,
    313, 317, 331, 337, 347, 349, 353, 359, 367, 373, 379, 383, 389, 397, 401, 409,
    419, 421, 431, 433, 439, 443, 449, 457, 461, 463, 467, 479, 487, 491, 499, 503,
    509, 521, 523, 541, 547, 557, 563, 569, 571, 577, 587, 593, 599, 601, 607, 613,
    617, 619, 631, 641, 643, 647, 653, 659, 661, 673, 677, 683, 691, 701, 709, 719,
    727, 733, 739, 743, 751, 757, 761, 769, 773, 787, 797, 809, 811, 821, 823, 827,
    829, 839, 853, 857, 859, 863, 877, 881, 883, 887, 907, 911, 919, 929, 937, 941,
    947, 953, 967, 971, 977, 983, 991, 997, 1009, 1013, 1019, 1021, 1031, 1033, 1039, 1049,
    1051, 1061, 1063, 1069, 1087, 1091, 1093, 1097, 1103, 1109, 1117, 1123, 1129, 1151, 1153, 1163,
    1171, 1181, 1187, 1193, 1201, 1213, 1217, 1223, 1229, 1231, 1237, 1249, 1259, 1277, 1279, 1283,
    1289, 1291, 1297, 1301, 1303, 1307, 1319, 1321, 1327, 1361, 1367, 1373, 1381, 1399, 1409, 1423,
    1427, 1429, 1433, 1439, 1447, 1451, 1453, 1459, 1471, 1481, 1483, 1487, 1489, 1493, 1499, 1511,
    1523, 1531, 1543, 1549, 1553, 1559, 1567, 1571, 1579, 1583, 1597, 1601, 1607, 1609, 1613, 1619,
};

struct InternEntry {
    const char *text;
    int next;        /* index of the next entry in the chain, 0 = end */
    int64_t hash;
};

struct InternTable {
    int buckets[BUCKET_COUNT];   /* first entry of each chain, 0 = empty */
    InternEntry *entries = nullptr;
    int capacity = 0;            /* counted one short of the room */
    int count = 0;               /* entry 0 is reserved */
    char *chunk = nullptr;       /* current pool chunk */
    size_t chunk_size = FIRST_CHUNK;
    size_t chunk_used = 0;
};

InternTable table;

/* Remainders used as indexes are taken in 0..m-1 even for negative h. */
int64_t index_mod(int64_t h, int64_t m)
{
    int64_t r = h % m;
    return r < 0 ? r + m : r;
}

int64_t text_hash(const char *text)
{
    int64_t h = 128;
    for (const char *p = text; *p; p++) {
        int64_t c = static_cast<signed char>(*p);
        int64_t x = h + c + primes[index_mod(h, 256)];
        h = x + primes[index_mod(x, 256)];
    }
    return h;
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
    memcpy(copy, text, need);
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
    table.entries[0] = InternEntry{"", 0, 128};
    for (int &bucket : table.buckets)
        bucket = 0;
}

const char *intern_text(const char *text)
{
    if (!text || !*text)
        return nullptr;
    init_intern_table();
    int64_t hash = text_hash(text);
    int bucket = static_cast<int>(index_mod(hash, BUCKET_COUNT));
    for (int i = table.buckets[bucket]; i != 0; i = table.entries[i].next) {
        const InternEntry &entry = table.entries[i];
        if (entry.hash == hash && strcmp(entry.text, text) == 0)
            return entry.text;
    }
    if (table.capacity - 1 <= table.count) {
        table.capacity += GROWTH;
        table.entries = static_cast<InternEntry *>(xrealloc(
            table.entries, (table.capacity + 1) * sizeof(InternEntry)));
    }
    int index = ++table.count;
    const char *copy = store_in_pool(text, strlen(text));
    table.entries[index] = InternEntry{copy, table.buckets[bucket], hash};
    table.buckets[bucket] = index;
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
