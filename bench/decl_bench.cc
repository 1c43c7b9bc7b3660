/*
** bench/decl_bench.cc
** Interface analysis of a corpus of real headers (preprocessing and
** declaration analysis, the GNU/Linux standard-define file first),
** against the system compiler's syntax check of the same headers.
**
** BM_AnalyseCorpus runs the preprocessor and the declaration analysis
** in-process over every header, each into a fresh symbol table;
** BM_CompilerSyntaxOnly runs "g++ -fsyntax-only -x c" once per header.
** Compare their times per iteration (see bench/decl_bench.sh).
*/
#include "decl.h"
#include "model.h"
#include "pp.h"
#include "report_hook.h"
#include "target_sizes.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char *const corpus[] = {
    "zlib.h", "sqlite3.h", "stdio.h", "stdint.h", "stdlib.h", "string.h",
    "time.h", "sys/types.h", "linux/types.h", "linux/if_ether.h",
    "linux/tcp.h", "linux/udp.h", "linux/input.h", "linux/fs.h",
    "linux/netlink.h", "linux/can.h", "linux/perf_event.h", "linux/bpf.h",
    "linux/stat.h", "linux/icmp.h", "linux/ethtool.h", "linux/if_tun.h",
};

std::string compiler_include_dir()
{
    FILE *pipe = popen("gcc -print-file-name=include 2>/dev/null", "r");
    char line[4096] = "";
    if (pipe) {
        if (!fgets(line, sizeof line, pipe))
            line[0] = '\0';
        pclose(pipe);
    }
    std::string dir = line;
    while (!dir.empty() && dir.back() == '\n')
        dir.pop_back();
    return dir;
}

int syntax_errors = 0;

void count_report(int, const char *code, const char *, const char *, int)
{
    if (std::string(code) == "SYNTAXERR" || std::string(code) == "UNEXP_EOF")
        syntax_errors++;
}

void BM_AnalyseCorpus(benchmark::State &state)
{
    init_intern_table();
    TextList dirs = {"/usr/include", "/usr/include/x86_64-linux-gnu",
                     compiler_include_dir()};
    std::string std_file = std::string(ZRS_SOURCE_ROOT) +
                           "/src/capi/decl/gnu_linux.def";
    set_report_hook(count_report);
    size_t bytes = 0;
    for (auto _ : state) {
        for (const char *header : corpus) {
            reset_target_sizes();
            pp_start(PpStartOptions(), TextList(), dirs, nullptr);
            std::string text = "#include \"" + std_file + "\"\n#include <" +
                               header + ">\n";
            std::string out;
            pp_process_text(text.c_str(), true, "<bench>", 1, out);
            CSymbolTable *table = create_symbol_table("ZIRKO");
            decl_set_table(table);
            analyse_declarations(out.c_str(), "<bench>", "", 1, count_report);
            decl_set_table(nullptr);
            release_symbol_table(table);
            bytes += out.size();
        }
    }
    state.SetBytesProcessed((int64_t)bytes);
    state.counters["syntax_errors"] = syntax_errors;
}
BENCHMARK(BM_AnalyseCorpus)->Unit(benchmark::kMillisecond);

void BM_CompilerSyntaxOnly(benchmark::State &state)
{
    for (auto _ : state) {
        for (const char *header : corpus) {
            std::string command = std::string("echo '#include <") + header +
                                  ">' | g++ -fsyntax-only -x c - 2>/dev/null";
            if (system(command.c_str()) != 0)
                state.SkipWithError("the compiler rejected a header");
        }
    }
}
BENCHMARK(BM_CompilerSyntaxOnly)->Unit(benchmark::kMillisecond);

} // namespace
