/*
** src/capi/bridge/bridge.cc
** The analysis bridge: start and end, the context and the report hook.
**
** Every operation works on the one symbol table of the run.  Before each
** analysis the bridge installs the hook that forwards the analysis'
** reports to the diagnostics, with the file and line the analysis gives.
*/
#include "capi.h"
#include "bridge_internal.h"
#include "decl.h"
#include "diag.h"
#include "model.h"
#include "pp.h"

namespace {
BridgeContext context;
}

BridgeContext &bridge_context()
{
    return context;
}

void forward_report(int severity, const char *code, const char *text,
                    const char *file, int line)
{
    set_current_file(file);
    set_current_line(line);
    report_here_c(severity, code, text);
}

void bridge_report(int severity, const char *code, const char *text)
{
    set_report_hook(forward_report);
    capi_report(severity, code, text, context.file.c_str(), context.line);
}

void set_bridge_position(const char *file, int line)
{
    context.file = file ? file : "";
    context.line = line;
}

void set_bridge_namespace(const char *namespace_name)
{
    context.namespace_name = namespace_name ? namespace_name : "";
}

void start_interface_analysis(int restriction, const TextList &include_dirs,
                              const TextList &definitions,
                              const char *std_define_file)
{
    context.restriction = restriction;
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
    set_bridge_position(file, line);
    set_bridge_namespace(namespace_name);
    analyse_declarations(text, file, namespace_name, line, forward_report);
}

unsigned long interface_model_serial()
{
    return decl_model_serial() + pp_macro_serial();   /* each only grows */
}

const void *visible_scope(const char *namespace_name)
{
    const CNamespace *ns = namespace_name && *namespace_name
                               ? lookup_namespace(decl_table(), namespace_name)
                               : nullptr;
    while (ns && !ns->own_entries && ns->usings.empty() && !ns->class_type)
        ns = ns->parent;
    return ns;
}

CExpr *analyse_expression(const char *text, const char *namespace_name)
{
    set_bridge_namespace(namespace_name);
    return analyse_expression_text(text, context.namespace_name.c_str(),
                                   context.file.c_str(), context.line,
                                   forward_report);
}

void expression_image(const CExpr *tree, std::string &out)
{
    expr_image(tree, out);
}

void expression_image_spans(const CExpr *tree, std::string &out,
                            std::vector<ImageSpan> &spans)
{
    expr_image_spans(tree, out, spans);
}

void free_expression(CExpr *tree)
{
    free_expr(tree);
}

void end_preprocessing()
{
    set_report_hook(forward_report);
    pp_end();
}

const TextList &opened_interface_files()
{
    return pp_included_files();
}

int symbol_category(const CSymbol *symbol)
{
    if (!symbol->name || is_typedef_symbol(symbol) ||
        is_function_type(symbol->type))
        return 0;
    return symbol->storage == SF_STATIC ? 2 : 1;
}
