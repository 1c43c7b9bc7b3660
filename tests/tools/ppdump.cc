/*
** tests/tools/ppdump.cc
** Test tool: runs the C/C++ preprocessor over one file and prints the
** output; diagnostics go to standard error, one per line, as
** "<severity> <code> <file>:<line>: <text>".
**
** Usage: ppdump [-Idir]... [-Dname[=value]]... [-ansi] [-kr] [-nomarkers]
**               file
** Exit status 0, or 1 when a fatal report stopped the run.
*/
#include "pp.h"
#include "report_hook.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool fatal_seen = false;

void print_report(int severity, const char *code, const char *text,
                  const char *file, int line)
{
    static const char letters[] = "SFEWI";
    fprintf(stderr, "%c %s %s:%d: %s\n",
            severity >= 0 && severity <= 4 ? letters[severity] : '?', code,
            file ? file : "", line, text ? text : "");
    if (severity <= 1)
        fatal_seen = true;
}

bool read_all(const char *path, std::string &data)
{
    FILE *stream = fopen(path, "rb");
    if (!stream)
        return false;
    char block[65536];
    size_t n;
    while ((n = fread(block, 1, sizeof block, stream)) > 0)
        data.append(block, n);
    fclose(stream);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    TextList defines, dirs;
    PpStartOptions options;
    const char *file = nullptr;
    for (int i = 1; i < argc; i++) {
        if (strncmp(argv[i], "-I", 2) == 0)
            dirs.push_back(argv[i] + 2);
        else if (strncmp(argv[i], "-D", 2) == 0)
            defines.push_back(argv[i] + 2);
        else if (strcmp(argv[i], "-ansi") == 0)
            options.ansi = true;
        else if (strcmp(argv[i], "-kr") == 0)
            options.kr = true;
        else
            file = argv[i];
    }
    if (!file) {
        fprintf(stderr, "usage: ppdump [-Idir] [-Dname[=value]] [-ansi] [-kr] file\n");
        return 2;
    }
    std::string data, out;
    if (!read_all(file, data)) {
        fprintf(stderr, "ppdump: cannot read %s\n", file);
        return 2;
    }
    set_report_hook(print_report);
    pp_start(options, defines, dirs, nullptr);
    pp_process_text(data.c_str(), true, file, 1, out);
    pp_end();
    fwrite(out.data(), 1, out.size(), stdout);
    return fatal_seen ? 1 : 0;
}
