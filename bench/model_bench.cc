/*
** bench/model_bench.cc
** Cost per operation of the symbol table as it grows: inserting ordinary
** names and tags, and looking them up.  The names share 100 buckets, so a
** lookup that walked its bucket would slow down linearly with the size;
** the time per item must stay flat from 1 000 to 100 000 symbols.
*/
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "model.h"
#include "support.h"

namespace {

std::vector<const char *> make_names(int count)
{
    std::vector<const char *> names;
    names.reserve(count);
    for (int i = 0; i < count; i++)
        names.push_back(intern_text(("symbol_" + std::to_string(i)).c_str()));
    return names;
}

void fill(CSymbolTable *table, const std::vector<const char *> &names)
{
    for (size_t i = 0; i < names.size(); i++) {
        CSymbol *symbol = make_symbol(names[i], make_base_type("int"), {}, "bench.h");
        insert_ordinary(table, symbol, "bench.h", 1);
        if (i % 4 == 0) {
            CType *tag = make_class_type(CT_STRUCT, names[i], false, {});
            insert_tag(table, make_symbol(names[i], tag, {}, "bench.h"), "bench.h", 1);
        }
    }
}

void BM_Insert(benchmark::State &state)
{
    init_intern_table();
    std::vector<const char *> names = make_names((int)state.range(0));
    for (auto _ : state) {
        CSymbolTable *table = create_symbol_table("ZIRKO");
        fill(table, names);
        state.PauseTiming();
        release_symbol_table(table);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

/* `stride` 7919 visits the names in scattered order (every lookup misses
** the caches once the table outgrows them); stride 1 in declaration
** order, which shows the cost of the lookup itself. */
void lookup_ordinary_bench(benchmark::State &state, size_t stride)
{
    init_intern_table();
    std::vector<const char *> names = make_names((int)state.range(0));
    CSymbolTable *table = create_symbol_table("ZIRKO");
    fill(table, names);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lookup_ordinary(table, names[i], {}));
        i = (i + stride) % names.size();
    }
    state.SetItemsProcessed(state.iterations());
    release_symbol_table(table);
}

void BM_LookupOrdinary(benchmark::State &state)
{
    lookup_ordinary_bench(state, 7919);
}

void BM_LookupOrdinaryInOrder(benchmark::State &state)
{
    lookup_ordinary_bench(state, 1);
}

void BM_LookupTypeName(benchmark::State &state)
{
    init_intern_table();
    std::vector<const char *> names = make_names((int)state.range(0));
    CSymbolTable *table = create_symbol_table("ZIRKO");
    fill(table, names);
    size_t i = 0;
    for (auto _ : state) {
        /* three names in four are not tags: the search runs through
        ** every kind before it finds nothing or the ordinary entry */
        benchmark::DoNotOptimize(lookup_type_name(table, names[i], {}));
        i = (i + 7919) % names.size();
    }
    state.SetItemsProcessed(state.iterations());
    release_symbol_table(table);
}

/* Interning a name already stored: every insertion pays it (the model
** interns the names it is given), so it is measured on its own. */
void BM_InternKnownName(benchmark::State &state)
{
    init_intern_table();
    std::vector<const char *> names = make_names((int)state.range(0));
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(intern_text(names[i]));
        i = (i + 7919) % names.size();
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_InternKnownName)->RangeMultiplier(10)->Range(1000, 100000);
BENCHMARK(BM_Insert)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupOrdinary)->RangeMultiplier(10)->Range(1000, 100000);
BENCHMARK(BM_LookupOrdinaryInOrder)->RangeMultiplier(10)->Range(1000, 100000);
BENCHMARK(BM_LookupTypeName)->RangeMultiplier(10)->Range(1000, 100000);

BENCHMARK_MAIN();
