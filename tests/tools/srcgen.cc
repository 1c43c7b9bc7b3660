/*
** tests/tools/srcgen.cc
** Test tool: the compiler's run up to the driver source, with stand-in
** identifiers.
**
** Usage: srcgen <the compiler's arguments>
** Reads the command line as the compiler does, runs the interface
** analysis, the parser and semantic analysis, then numbers every entry of
** the tables as the TDC and trace writers would (a begin and an end
** identifier and a trace node each, counting from 1 in table order, so
** that no two units share a number) and writes the driver source under the
** root's name.  No other file is written.  It lets the generated source be
** compiled whatever the side-file writers currently allot.  Exit status 0,
** 1 when an error was reported, 2 for an invalid command line.
*/
#include "capi.h"
#include "codegen.h"
#include "diag.h"
#include "driver.h"
#include "options.h"
#include "script.h"
#include "sema.h"
#include "support.h"

#include <string>

namespace {

int32_t next_number = 1;

void number_entries(Scope *scope)
{
    for (SemanticEntry *e = scope ? scope->first : nullptr; e; e = e->next) {
        e->tdc_id = next_number++;
        e->tdc_end_id = next_number++;
        e->trace_node = e->tdc_id;
        if (SemanticDescriptor *d = e->descriptor) {
            if (d->entry == e)
                number_entries(d->inner);
        }
    }
}

void analyse_interfaces()
{
    std::string std_define = setting_std_define();
    if (!std_define.empty())
        add_suffix_unless_present(std_define, "def", "ZRS_DEF");
    start_interface_analysis(setting_restriction(), setting_incl(), setting_define(),
                             std_define.empty() ? nullptr : std_define.c_str());
    for (const std::string &file : setting_interface_files()) {
        std::string include = "#include \"" + file + "\"", text;
        if (preprocess_text(include.c_str(), true, "", 0, text, nullptr))
            analyse_declaration_text(text.c_str(), "", "", 0);
    }
}

} // namespace

int main(int argc, char **argv)
{
    init_script_messages();
    init_bibli_messages();
    init_modbas_messages();
    init_anaccpp_messages();
    if (!parse_command_line(argc, argv))
        return 2;
    open_listing(nullptr, true);
    init_intern_table();
    analyse_interfaces();
    std::string script = setting_script();
    add_suffix_unless_present(script, "pts", "ZRS_PTS");
    ParseResult parsed;
    parse_script(script.c_str(), setting_incl(), setting_comment(), &parsed);
    if (error_count() != 0 || !parsed.tree)
        return 1;
    SemanticRequest sema{parsed.tree, parsed.files, &setting_family(),
                         &setting_exfamily(), &setting_scn(), &setting_exscn(),
                         setting_fast(), setting_trace(), parsed.scanner_flags,
                         setting_instance().c_str()};
    SemanticResult analysed;
    analyse_script(sema, &analysed);
    end_preprocessing();
    if (error_count() != 0)
        return 1;
    number_entries(analysed.global);

    std::string source = setting_root(), start =
        start_routine_name(setting_thread(), setting_root());
    add_suffix_unless_present(source, "cc", "ZRS_SRC");
    GenerationRequest request{};
    request.source_name = source.c_str();
    request.rio_name = "drv.rio";
    request.header_name = "drv.h";
    request.files = parsed.files;
    request.interface_files = &setting_interface_files();
    request.time_text = current_time_text();
    request.instance = analysed.instance_mode != 3 ? setting_instance().c_str() : nullptr;
    request.instance_mode = analysed.instance_mode;
    request.instance_rank = analysed.instance_rank;
    request.timer_count = analysed.timer_count;
    request.highest_channel = analysed.highest_channel;
    request.trace = setting_trace();
    request.probe = setting_probe();
    request.filters = setting_set().c_str();
    request.allocation = setting_allocation();
    request.start_routine = start.c_str();
    request.notshared = setting_notshared();
    request.bufsize = setting_bufsize();
    request.global = analysed.global;
    generate_source(request);
    return 0;
}
