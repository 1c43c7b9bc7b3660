/*
** bench/script_bench.cc
** Scan and parse speed of generated scripts of 10k, 100k and 1M lines.
**
** Each script is a header, declarations and scenarios of typical
** statements (calls, waits, conditions, variables, native lines).  The
** counters give lines per second and the peak resident size after the
** run; time per line should stay flat as the size grows.
*/
#include "script.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

const char *const scenario_lines[] = {
    "  CALL send_frame(REF(frame), 12 @ 0, size) @ 0 @ status\n",
    "  WAITTIL(MATCHED(answer, ch1) && counter > 0, WTIME=100)\n",
    "  IF (status == 0) THEN\n",
    "    VAR answer.code, EV=3\n",
    "  ELSE\n",
    "    PRINT out, status\n",
    "  END IF\n",
    "  @ counter = counter + 1; /* native statement */\n",
    "%TEST  RENDEZVOUS meet\n",
    "  WHILE (counter < 10)\n",
    "    PAUSE 5\n",
    "  END WHILE\n",
    "  -- a comment line\n",
    "  VAR frame, INIT={1, 2, {3, 4}}\n",
};

/* Writes a script of about `lines` lines; returns its path. */
std::string write_script(long lines)
{
    char path[] = "/tmp/zrs_bench_XXXXXX";
    int fd = mkstemp(path);
    FILE *out = fdopen(fd, "w");
    fputs("HEADER \"bench\", \"1.0\", \"generated\"\n#include \"api.h\"\n"
          "COMMTYPE ct IS socket\nCHANNEL ct : ch1, ch2\nMESSAGE msg_t : answer\n",
          out);
    long written = 5, scenario = 0;
    const size_t per = sizeof scenario_lines / sizeof scenario_lines[0];
    while (written < lines) {
        fprintf(out, "SCENARIO s%ld\n", scenario++);
        for (size_t i = 0; i < per; i++)
            fputs(scenario_lines[i], out);
        fputs("END SCENARIO\n", out);
        written += long(per) + 2;
    }
    fclose(out);
    return path;
}

void BM_ScanParse(benchmark::State &state)
{
    long lines = state.range(0);
    std::string path = write_script(lines);
    for (auto _ : state) {
        ParseResult result;
        parse_script(path.c_str(), TextList(), 1, &result);
        benchmark::DoNotOptimize(result.tree);
        free_syntax_tree(result.tree);
        free_script_files(result.files);
    }
    unlink(path.c_str());
    state.counters["lines_per_s"] = benchmark::Counter(
        double(lines) * double(state.iterations()), benchmark::Counter::kIsRate);
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024.0;
}

BENCHMARK(BM_ScanParse)->Arg(10000)->Arg(100000)->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

} // namespace

