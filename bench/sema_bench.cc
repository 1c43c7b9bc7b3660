/*
** bench/sema_bench.cc
** Declaration analysis at 1k, 10k and 100k script declarations.
**
** The script declares channels, messages, timers and procedures on one
** communication type, and one scenario calls every tenth procedure; it is
** parsed once, and each iteration analyses it against a fresh interface
** analysis (not timed).  Declarations per second should stay flat: the
** global lookups are indexed, not walked.
*/
#include "capi.h"
#include "diag.h"
#include "script.h"
#include "sema.h"
#include "support.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

/* Writes a script of `declarations` declarations; returns its path. */
std::string write_script(long declarations)
{
    char path[] = "/tmp/zrs_sema_bench_XXXXXX";
    int fd = mkstemp(path);
    FILE *out = fdopen(fd, "w");
    fputs("HEADER \"bench\", \"1.0\", \"declarations\"\nCOMMTYPE ct IS int\n", out);
    long procs = 0;
    for (long i = 0; i < declarations; i++) {
        switch (i % 4) {
        case 0: fprintf(out, "CHANNEL ct : ch%ld\n", i); break;
        case 1: fprintf(out, "MESSAGE frame : msg%ld\n", i); break;
        case 2: fprintf(out, "TIMER t%ld\n", i); break;
        default: fprintf(out, "PROC p%ld(int a)\n  EXIT\nEND PROC\n", procs++); break;
        }
    }
    fputs("SCENARIO s\n", out);
    for (long p = 0; p < procs; p += 10)
        fprintf(out, "  CALL p%ld(1)\n", p);
    fputs("END SCENARIO\n", out);
    fclose(out);
    return path;
}

void start_analysis()
{
    start_interface_analysis(2, {}, {}, nullptr);
    analyse_declaration_text("struct frame { int id; int size; };", "", "api.h", 1);
}

void BM_AnalyseDeclarations(benchmark::State &state)
{
    static bool started = false;
    if (!started) {
        init_intern_table();
        init_script_messages();
        init_bibli_messages();
        init_modbas_messages();
        init_anaccpp_messages();
        started = true;
    }
    /* NOPROCCAL for the procedures never called: not what is measured */
    if (!freopen("/dev/null", "w", stderr))
        state.SkipWithError("cannot silence standard error");
    std::string path = write_script(state.range(0));
    ParseResult parsed;
    parse_script(path.c_str(), TextList(), 1, &parsed);
    TextList none;
    for (auto _ : state) {
        state.PauseTiming();
        start_analysis();
        SemanticRequest request{parsed.tree, parsed.files, &none, &none, &none, &none,
                                1, 0, parsed.scanner_flags, ""};
        SemanticResult result;
        state.ResumeTiming();
        analyse_script(request, &result);
        state.PauseTiming();
        free_semantic_tables(result.global);
        state.ResumeTiming();
    }
    free_syntax_tree(parsed.tree);
    free_script_files(parsed.files);
    unlink(path.c_str());
    state.counters["declarations_per_s"] = benchmark::Counter(
        double(state.range(0)) * double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_AnalyseDeclarations)->Arg(1000)->Arg(10000)->Arg(100000)
    ->Unit(benchmark::kMillisecond);

} // namespace
