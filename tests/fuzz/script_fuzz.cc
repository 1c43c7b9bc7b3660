/*
** tests/fuzz/script_fuzz.cc
** libFuzzer target for the whole script path: the script is read,
** parsed and, when it parsed without error, analysed against a fixed
** interface header, and when that found no error the generators write
** the side files and the source into a scratch directory, as the driver
** does.
**
** Every input starts from a fresh symbol table and preprocessor, with the
** header analysed again, so runs stay independent.  Inputs that end the
** run by design are skipped: an INCLUDE or a native "#include" (a
** missing file is a fatal report), texts longer than the scanner's
** token limit, and for the generators the cases below.  Any other
** end of the process (an internal report) is a finding.
*/
#include "codegen.h"
#include "decl.h"
#include "diag.h"
#include "model.h"
#include "script.h"
#include "sema.h"
#include "target_sizes.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

const char *const interface_header =
    "typedef unsigned short id_t16;\n"
    "enum colour { RED, AMBER, GREEN = 4 };\n"
    "struct lamp { id_t16 id; enum colour c; int secs; int *p; };\n"
    "union payload { struct lamp l; unsigned char raw[8]; };\n"
    "struct report { int n; struct lamp lamps[4]; union payload u; };\n"
    "class Base { public: int b; }; class Derived : public Base { public: int d; };\n"
    "typedef int line_t;\n"
    "int reset(int hard); int set_lamp(struct lamp *l, int c);\n"
    "int counter; static int shared_value;\n";

std::string script_path;

void start_once()
{
    static bool started = false;
    if (started)
        return;
    started = true;
    init_intern_table();
    init_script_messages();
    init_bibli_messages();
    init_modbas_messages();
    init_anaccpp_messages();
    char dir[] = "/tmp/zrs_script_fuzz.XXXXXX";
    if (mkdtemp(dir))
        script_path = std::string(dir) + "/fuzz.pts";
    /* Reports go to a listing only, not to the terminal. */
    open_listing((script_path + ".lis").c_str(), false);
}

/* A record of the TDC file over its limit ends the run by design: lines
** that long are left to the unit tests. */
bool long_line(const std::string &text)
{
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        if (end - start > 1000)
            return true;
    return text.size() - start > 1000;
}

/* A script without any scenario has no root to start from: the source
** generator stops on ENTCODUNK by design. */
bool has_root_scenario(const SemanticResult &result)
{
    for (const SemanticEntry *e = result.global ? result.global->first : nullptr; e;
         e = e->next)
        if (e->kind == EK_SCENARIO)
            return true;
    return false;
}

/* A native line inside a body after its first statement is a C
** declaration the statement list has no place for: the source generator
** stops on ENTCODUNK by design.  Any "#" line after the first body keyword
** counts, which skips a few more scripts than needed. */
bool native_line_in_body(const std::string &text)
{
    size_t body = std::string::npos;
    for (const char *keyword : {"SCENARIO", "PROC", "CALLBACK", "INITIALIZATION",
                                "TERMINATION", "EXCEPTION", "INSTANCE"})
        body = std::min(body, text.find(keyword));
    if (body == std::string::npos)
        return false;
    for (size_t at = text.find('\n', body); at != std::string::npos;
         at = text.find('\n', at + 1)) {
        size_t first = text.find_first_not_of(" \t", at + 1);
        if (first != std::string::npos && text[first] == '#')
            return true;
    }
    return false;
}

/* The generators, as the driver runs them after a clean analysis, into
** the scratch directory; probe mode and the trace level vary with the
** input's size. */
void generate(const ParseResult &parsed, const SemanticResult &result, size_t size)
{
    static const TextList interfaces{"fuzz.h"};
    std::string tdc = script_path + ".tdc", header = script_path + ".h",
                trace = script_path + "_dyn.tsf", rio = script_path + ".rio",
                source = script_path + ".cc";
    GenerationRequest request{};
    request.script_name = script_path.c_str();
    request.tdc_name = tdc.c_str();
    request.header_name = header.c_str();
    request.trace_name = trace.c_str();
    request.rio_name = rio.c_str();
    request.source_name = source.c_str();
    request.files = parsed.files;
    request.interface_files = &interfaces;
    request.command_line = "zrsprepro fuzz fuzz.h fuzz";
    request.time_text = "Tue Nov 14 22:13:20 2023";
    request.instance_mode = result.instance_mode;
    request.instance_rank = result.instance_rank;
    request.timer_count = result.timer_count;
    request.highest_channel = result.highest_channel;
    request.trace = size % 5 == 0 ? 50 : 0;
    request.probe = int(size % 7 % 3);
    request.filters = "";
    request.start_routine = "<main>";
    request.global = result.global;
    write_tdc_file(request);
    write_trace_description(request);
    generate_source(request);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    start_once();
    std::string text(reinterpret_cast<const char *>(data), size);
    if (size > 14000 || text.find("INCLUDE") != std::string::npos ||
        text.find("include") != std::string::npos || script_path.empty())
        return 0;
    FILE *f = fopen(script_path.c_str(), "wb");
    if (!f)
        return 0;
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);

    CSymbolTable *table = create_symbol_table("ZIRKO");
    decl_set_table(table);
    reset_target_sizes();
    start_interface_analysis(2, {}, {}, nullptr);
    std::string pre;
    preprocess_text(interface_header, true, "fuzz.h", 1, pre, nullptr);
    analyse_declaration_text(pre.c_str(), "", "fuzz.h", 1);

    int errors = error_count();
    ParseResult parsed;
    parse_script(script_path.c_str(), TextList(), 1, &parsed);
    if (parsed.tree && error_count() == errors) {
        static const TextList none, family{"f1"}, scn{"A.B"};
        bool select = size % 2;
        SemanticRequest request{parsed.tree, parsed.files, select ? &family : &none,
                                &none, select ? &scn : &none, &none, int(size % 3 != 0),
                                50, parsed.scanner_flags, ""};
        SemanticResult result;
        analyse_script(request, &result);
        std::string printed;
        print_semantic_tables(result.global, printed);
        if (error_count() == errors && !long_line(text) && has_root_scenario(result) &&
            !native_line_in_body(text))
            generate(parsed, result, size);
        free_semantic_tables(result.global);
    }
    end_preprocessing();
    free_syntax_tree(parsed.tree);
    free_script_files(parsed.files);
    decl_set_table(nullptr);
    release_symbol_table(table);
    return 0;
}
