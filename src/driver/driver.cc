/*
** src/driver/driver.cc
** The compiler driver: the pipeline in its fixed order.
**
** Interface analysis, script parsing, semantic analysis and (only while no
** error has been counted) generation of the output files.  Every path ends
** in `end_of_run`, a fatal or internal report, or a translation set-up
** failure.  Output names are derived here and handed to the writers.
*/
#include "driver.h"
#include "options.h"
#include "capi.h"
#include "codegen.h"
#include "diag.h"
#include "script.h"
#include "sema.h"
#include "support.h"

#include <cstdio>
#include <cstdlib>

#include <QCoreApplication>

const char *const ProductTitle = "ZRSPREPRO";

namespace {

const size_t COMMAND_LINE_LIMIT = 1900;

const char *const tool_title = QT_TRANSLATE_NOOP(
    "KRVTIdent", "System C++ Test Compiler(Deprecated)");
const char *const tool_version = QT_TRANSLATE_NOOP("KRVTIdent",
                                                   "8.3.0.1.342.020");
const char *const legal_notice = QT_TRANSLATE_NOOP(
    "KRVTIdent",
    "Copyright (c) 2026 the ZRSPREPRO developers, distributed under the "
    "MIT licence.");

/* The list of generated files named by -STUDIO_LOG; opened at its first
** line, truncating any earlier content. */
struct GeneratedFilesList {
    std::string path;
    FILE *stream = nullptr;
    TextList names;       /* every generated file, listed or not */
    bool writing = false; /* between the first output and the last */
};

GeneratedFilesList generated_list;

/* A run that stops on a fatal or internal report while it writes its
** outputs leaves none of them, and an empty list: a partial source newer
** than its script would pass for a current one in the users' builds.
** Runs at exit, which such a stop calls. */
void remove_outputs_of_a_stopped_run()
{
    GeneratedFilesList &list = generated_list;
    if (!list.writing)
        return;
    for (const std::string &name : list.names)
        std::remove(name.c_str());
    if (list.stream)
        fclose(list.stream);
    list.stream = nullptr;
    if (!list.path.empty())
        if (FILE *emptied = fopen(list.path.c_str(), "w"))
            fclose(emptied);
}

void note_generated_file(const char *tag, const std::string &name)
{
    generated_list.names.push_back(name);
    if (generated_list.path.empty())
        return;
    if (!generated_list.stream &&
        !open_file(generated_list.path.c_str(), "w", &generated_list.stream))
        report_fatal_c("FICERROPN", generated_list.path.c_str(), "");
    checked_fprintf(generated_list.stream, "%s %s\n", tag, name.c_str());
}

void close_generated_list()
{
    if (generated_list.stream)
        checked_fclose(generated_list.stream);
    generated_list.stream = nullptr;
}

/* A command-line value with its last suffix cut off. */
std::string base_of(const std::string &value)
{
    std::string base = value, suffix;
    split_suffix(base, suffix);
    return base;
}

std::string derived_name(const std::string &value, const char *default_suffix,
                         const char *variable)
{
    std::string name = base_of(value);
    append_default_suffix(name, default_suffix, variable);
    return name;
}

void report_banner()
{
    QString title = QCoreApplication::translate("KRVTIdent", tool_title);
    QString version = QCoreApplication::translate("KRVTIdent", tool_version);
    report_info("STARTEXEC", QString::fromLatin1(ProductTitle),
                QStringLiteral(" %1 %2").arg(title, version));
    report_info("COPYRIGHT",
                QCoreApplication::translate("KRVTIdent", legal_notice),
                QString());
}

void analyse_interface_files()
{
    for (const std::string &file : setting_interface_files()) {
        std::string include, text;
        checked_sprintf(include, "#include \"%s\"", file.c_str());
        if (preprocess_text(include.c_str(), true, "", 0, text, nullptr))
            analyse_declaration_text(text.c_str(), "", "", 0);
    }
}

/* Per-run values that the generation steps share. */
struct RunContext {
    std::string script_name;
    std::string command_line;
    std::string start_routine;
    ParseResult parsed;
    SemanticResult analysed;
    const char *instance = nullptr;
    TextList files_read;   /* the script and its included files, in order */
};

/* The script file list is newest first; the dependency file wants the
** order of reading, the script first.  Taken before generation releases
** the list. */
void note_script_files(const ScriptFile *files, TextList &out)
{
    TextList newest_first;
    for (const ScriptFile *f = files; f; f = f->next)
        newest_first.push_back(f->name);
    out.assign(newest_first.rbegin(), newest_first.rend());
}

/* Written only by a run that ends without error: the files it generated
** depend on every script file and interface file it read. */
void finish_dependency_file(const RunContext &run)
{
    if (error_count() != 0)
        return;
    TextList read = run.files_read;
    const TextList &opened = opened_interface_files();
    read.insert(read.end(), opened.begin(), opened.end());
    write_dependency_file(generated_list.names, read);
}

void generate_outputs(RunContext &run)
{
    const std::string &root = setting_root();
    std::string tdc = derived_name(root, "tdc", "ZRS_TDC");
    std::string header = derived_name(root, "h", "ZRS_H");
    note_generated_file("TDC", tdc);
    if (setting_probe())
        note_generated_file("_H_", header);
    const char *time_text = current_time_text();

    GenerationRequest request{};
    request.script_name = run.script_name.c_str();
    request.tdc_name = tdc.c_str();
    request.header_name = header.c_str();
    request.files = run.parsed.files;
    request.interface_files = &setting_interface_files();
    request.command_line = run.command_line.c_str();
    request.time_text = time_text;
    request.instance = run.instance;
    request.instance_mode = run.analysed.instance_mode;
    request.instance_rank = run.analysed.instance_rank;
    request.timer_count = run.analysed.timer_count;
    request.highest_channel = run.analysed.highest_channel;
    request.trace = setting_trace();
    request.probe = setting_probe();
    request.global = run.analysed.global;
    write_tdc_file(request);

    std::string trace = derived_name(base_of(root) + "_dyn", "tsf", "ZRS_TSF");
    request.trace_name = trace.c_str();
    note_generated_file("TSF", trace);
    write_trace_description(request);

    std::string rio = derived_name(root, "rio", "ZRS_RIO");
    std::string source = root;
    add_suffix_unless_present(source, "cc", "ZRS_SRC");
    request.rio_name = rio.c_str();
    request.source_name = source.c_str();
    note_generated_file("SRC", source);
    request.filters = setting_set().c_str();
    request.allocation = setting_allocation();
    request.start_routine = run.start_routine.c_str();
    request.notshared = setting_notshared();
    request.bufsize = setting_bufsize();
    generate_source(request);

    free_script_files(run.parsed.files);
    run.parsed.files = nullptr;
}

/* Steps 16 to 20: semantic analysis and generation. */
void analyse_and_generate(RunContext &run)
{
    std::string spg = base_of(setting_script()) + ".spg";
    SemanticRequest request{run.parsed.tree,      run.parsed.files,
                            &setting_family(),    &setting_exfamily(),
                            &setting_scn(),       &setting_exscn(),
                            setting_fast(),       setting_trace(),
                            run.parsed.scanner_flags,
                            setting_instance().c_str()};
    analyse_script(request, &run.analysed);
    if (run.analysed.instance_mode != 3)
        run.instance = setting_instance().c_str();
    generated_list.writing = true;
    if (setting_spvgen()) {
        note_generated_file("SPG", spg);
        write_scenario_description(spg.c_str(), run.parsed.files,
                                   setting_family(), run.analysed.global);
    }
    end_preprocessing();
    if (error_count() == 0 && !setting_spvgen())
        generate_outputs(run);
    generated_list.writing = false;
}

} // namespace

/* The -THREAD name, or for "<start>" the root's file name without its
** suffix followed by "_start". */
std::string start_routine_name(const std::string &thread,
                               const std::string &root)
{
    if (thread != "<start>")
        return thread;
    std::string base;
    file_base_name(root.c_str(), base);
    std::string name = base_of(base), result;
    checked_sprintf(result, "%s_start", name.c_str());
    return result;
}

std::string cut_command_line(const std::string &text)
{
    if (text.size() <= COMMAND_LINE_LIMIT)
        return text;
    return text.substr(0, COMMAND_LINE_LIMIT) + " (...)";
}

void run_compiler(int argc, char **argv)
{
    setup_translation(argc, argv);
    init_script_messages();
    init_bibli_messages();
    init_modbas_messages();
    init_anaccpp_messages();

    if (!parse_command_line(argc, argv))
        report_fatal("COMMFATAL");
    static RunContext run;   /* one run per process */
    run.command_line = cut_command_line(command_line_text());

    run.script_name = setting_script();
    add_suffix_unless_present(run.script_name, "pts", "ZRS_PTS");
    std::string listing = derived_name(setting_script(), "lis", "ZRS_LIS");
    open_listing(listing.c_str(), setting_log() != 0);
    report_banner();

    /* Every setting is read once here so that a bad -SET stops the run
    ** before any analysis. */
    setting_set();
    generated_list.path = setting_studio_log();
    std::atexit(remove_outputs_of_a_stopped_run);
    run.start_routine = start_routine_name(setting_thread(), setting_root());
    init_intern_table();

    std::string std_define = setting_std_define();
    if (!std_define.empty())
        add_suffix_unless_present(std_define, "def", "ZRS_DEF");
    start_interface_analysis(setting_restriction(), setting_incl(),
                             setting_define(),
                             std_define.empty() ? nullptr : std_define.c_str());
    analyse_interface_files();

    parse_script(run.script_name.c_str(), setting_incl(), setting_comment(),
                 &run.parsed);
    note_script_files(run.parsed.files, run.files_read);
    if (error_count() == 0)
        analyse_and_generate(run);

    /* The syntax tree and the semantic tables stay until the process ends,
    ** which end_of_run brings about: released node by node they cost an
    ** eighth of a large run.  The run context is static, so they stay
    ** reachable for leak checkers. */
    release_option_memory();
    close_generated_list();
    finish_dependency_file(run);
    end_of_run();
}
