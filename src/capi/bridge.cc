/*
** src/capi/bridge.cc
** The analysis bridge.  Preprocessing is wired to the preprocessor and
** declaration texts to the declaration analysis.
**
** Before each analysis the bridge installs the hook that forwards the
** analysis' reports to the diagnostics, with their file and line.
*/
#include "capi.h"

#include "decl.h"
#include "diag.h"
#include "pp.h"
#include "report_hook.h"

namespace {

void forward_report(int severity, const char *code, const char *text,
                    const char *file, int line)
{
    set_current_file(file);
    set_current_line(line);
    report_at_c(severity, code, text, file, line);
}

} // namespace

void start_interface_analysis(int restriction, const TextList &include_dirs,
                              const TextList &definitions,
                              const char *std_define_file)
{
    PpStartOptions options;
    options.kr = restriction == 0;
    options.ansi = restriction == 1;
    set_report_hook(forward_report);
    pp_start(options, definitions, include_dirs, nullptr);
    if (std_define_file) {
        std::string include, text;
        checked_sprintf(include, "#include \"%s\"", std_define_file);
        pp_process_text(include.c_str(), true, std_define_file, 0, text);
        analyse_declaration_text(text.c_str(), "", std_define_file, 0);
    }
}

bool preprocess_text(const char *text, bool expand, const char *file, int line,
                     std::string &result, int *errors)
{
    set_report_hook(forward_report);
    int count = pp_process_text(text, expand, file, line, result);
    if (errors)
        *errors = count;
    return !result.empty();
}

void analyse_declaration_text(const char *text, const char *namespace_name,
                              const char *file, int line)
{
    analyse_declarations(text, file, namespace_name, line, forward_report);
}

void end_preprocessing()
{
    set_report_hook(forward_report);
    pp_end();
}
