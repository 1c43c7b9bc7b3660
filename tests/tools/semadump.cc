/*
** tests/tools/semadump.cc
** Test tool: runs the interface analysis, the parser and semantic
** analysis on a script and prints the semantic tables.
**
** Usage: semadump [-Idir]... [-std=file] [-SCN=a,b] [-EXSCN=..] [-FAMILY=..]
**                 [-EXFAMILY=..] [-NOFAST] [-TRACE=n] [-INSTANCE=name]
**                 script [interface,interface...]
** The tables go to standard output (print_semantic_tables); diagnostics go
** to standard error as the compiler writes them.  Exit status 0, 1 when an
** error was reported (the tables are printed all the same once parsing
** succeeded), 2 for a usage error.
*/
#include "capi.h"
#include "diag.h"
#include "script.h"
#include "sema.h"
#include "support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

TextList split_list(const char *text)
{
    TextList list;
    std::string item;
    for (const char *c = text; ; ++c) {
        if (*c == ',' || *c == '\0') {
            if (!item.empty())
                list.push_back(item);
            item.clear();
            if (!*c)
                break;
        } else {
            item += *c;
        }
    }
    return list;
}

struct Arguments {
    TextList dirs, family, exfamily, scn, exscn, interfaces;
    std::string std_define, instance;
    const char *script = nullptr;
    int fast = 1, trace = 0;
};

bool option_value(const char *arg, const char *name, const char **value)
{
    size_t n = strlen(name);
    if (strncmp(arg, name, n) != 0)
        return false;
    *value = arg + n;
    return true;
}

bool read_arguments(int argc, char **argv, Arguments &a)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i], *v = nullptr;
        if (option_value(arg, "-INSTANCE=", &v)) a.instance = v;  /* before -I */
        else if (option_value(arg, "-I", &v)) a.dirs.push_back(v);
        else if (option_value(arg, "-std=", &v)) a.std_define = v;
        else if (option_value(arg, "-SCN=", &v)) a.scn = split_list(v);
        else if (option_value(arg, "-EXSCN=", &v)) a.exscn = split_list(v);
        else if (option_value(arg, "-FAMILY=", &v)) a.family = split_list(v);
        else if (option_value(arg, "-EXFAMILY=", &v)) a.exfamily = split_list(v);
        else if (option_value(arg, "-TRACE=", &v)) a.trace = atoi(v);
        else if (strcmp(arg, "-NOFAST") == 0) a.fast = 0;
        else if (arg[0] == '-') return false;
        else if (!a.script) a.script = arg;
        else a.interfaces = split_list(arg);
    }
    return a.script != nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    Arguments a;
    if (!read_arguments(argc, argv, a)) {
        fprintf(stderr, "usage: semadump [-Idir] [-std=file] [-SCN=..] [-EXSCN=..] "
                        "[-FAMILY=..] [-EXFAMILY=..] [-NOFAST] [-TRACE=n] "
                        "[-INSTANCE=name] script [interfaces]\n");
        return 2;
    }
    init_script_messages();
    init_bibli_messages();
    init_modbas_messages();
    init_anaccpp_messages();
    open_listing(nullptr, true);
    init_intern_table();
    start_interface_analysis(2, a.dirs, TextList(),
                             a.std_define.empty() ? nullptr : a.std_define.c_str());
    for (const std::string &file : a.interfaces) {
        std::string include = "#include \"" + file + "\"", text;
        if (preprocess_text(include.c_str(), true, "", 0, text, nullptr))
            analyse_declaration_text(text.c_str(), "", "", 0);
    }
    ParseResult parsed;
    parse_script(a.script, a.dirs, 1, &parsed);
    if (error_count() != 0 || !parsed.tree)
        return 1;
    SemanticRequest request{parsed.tree, parsed.files, &a.family, &a.exfamily,
                            &a.scn, &a.exscn, a.fast, a.trace,
                            parsed.scanner_flags, a.instance.c_str()};
    SemanticResult result;
    analyse_script(request, &result);
    std::string out;
    print_semantic_tables(result.global, out);
    printf("mode %d rank %d timers %d\n%s", result.instance_mode,
           result.instance_rank, result.timer_count, out.c_str());
    free_semantic_tables(result.global);
    free_syntax_tree(parsed.tree);
    free_script_files(parsed.files);
    return error_count() != 0 ? 1 : 0;
}
