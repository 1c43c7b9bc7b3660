/*
** src/capi/model/target_sizes.cc
** Sizes of the target's integer base types and of names given a size by
** the sizeof pragma.
*/
#include "target_sizes.h"

#include <cstring>
#include <map>
#include <string>

namespace {

const int start_bits[BSW_COUNT] = {8, 16, 32, 32, 64};

struct TargetSizes {
    int bits[BSW_COUNT] = {8, 16, 32, 32, 64};
    bool is_signed[BSW_COUNT] = {true, true, true, true, true};
    std::map<std::string, int> named;
};

TargetSizes sizes;

} // namespace

int base_size_word(const char *name)
{
    static const char *const names[BSW_COUNT] = {"char", "short", "int",
                                                 "long", "longlong"};
    if (!name)
        return -1;
    if (strcmp(name, "long long") == 0)
        return BSW_LONG_LONG;
    for (int w = 0; w < BSW_COUNT; w++)
        if (strcmp(name, names[w]) == 0)
            return w;
    return -1;
}

int base_type_bits(int word)
{
    return word >= 0 && word < BSW_COUNT ? sizes.bits[word] : 0;
}

void set_base_type_bits(int word, int bits)
{
    if (word >= 0 && word < BSW_COUNT)
        sizes.bits[word] = bits;
}

bool base_type_signed(int word)
{
    return word >= 0 && word < BSW_COUNT ? sizes.is_signed[word] : true;
}

void set_base_type_signed(int word, bool is_signed)
{
    if (word >= 0 && word < BSW_COUNT)
        sizes.is_signed[word] = is_signed;
}

void reset_target_sizes()
{
    for (int w = 0; w < BSW_COUNT; w++) {
        sizes.bits[w] = start_bits[w];
        sizes.is_signed[w] = true;
    }
    sizes.named.clear();
}

void record_named_size(const char *name, int bits)
{
    sizes.named[name] = bits;
}

bool named_size(const char *name, int *bits)
{
    auto it = sizes.named.find(name);
    if (it == sizes.named.end())
        return false;
    *bits = it->second;
    return true;
}
