/*
** bench/intern_bench.cc
** Interning speed: a million identifiers with repeats, and a million
** distinct ones.
**
** The repeated case draws from a vocabulary of 20000 names, as the
** headers of a large interface do; the distinct case makes the chains of
** the 19997 buckets long, which is where the hash kept per entry pays.
** The table lives for the whole process, so each distinct round uses names
** of its own.
*/
#include "support.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace {

const int CALLS = 1000000;

std::vector<std::string> repeated_names()
{
    std::vector<std::string> vocabulary;
    for (int i = 0; i < 20000; i++)
        vocabulary.push_back((i % 3 ? "field_" : "zrk_type_") + std::to_string(i * 7919));
    std::mt19937 gen(42);
    std::vector<std::string> calls;
    calls.reserve(CALLS);
    for (int i = 0; i < CALLS; i++)
        calls.push_back(vocabulary[gen() % vocabulary.size()]);
    return calls;
}

std::vector<std::string> distinct_names(int round)
{
    std::vector<std::string> calls;
    calls.reserve(CALLS);
    std::string prefix = "r" + std::to_string(round) + "_symbol_";
    for (int i = 0; i < CALLS; i++)
        calls.push_back(prefix + std::to_string(i));
    return calls;
}

void set_per_call_counter(benchmark::State &state)
{
    state.SetItemsProcessed(state.iterations() * CALLS);
    state.counters["per_call"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * CALLS,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_InternRepeated(benchmark::State &state)
{
    init_intern_table();
    std::vector<std::string> calls = repeated_names();
    for (auto _ : state)
        for (const std::string &name : calls)
            benchmark::DoNotOptimize(intern_text(name.c_str()));
    set_per_call_counter(state);
}
BENCHMARK(BM_InternRepeated)->Unit(benchmark::kMillisecond);

void BM_InternDistinct(benchmark::State &state)
{
    init_intern_table();
    static int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<std::string> calls = distinct_names(round++);
        state.ResumeTiming();
        for (const std::string &name : calls)
            benchmark::DoNotOptimize(intern_text(name.c_str()));
    }
    set_per_call_counter(state);
}
/* Each round adds a million texts for good: keep the rounds few. */
BENCHMARK(BM_InternDistinct)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
