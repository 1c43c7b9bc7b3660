/*
** src/capi/bridge.cc
** The analysis bridge: start and end, the context and the report hook.
**
** Every operation works on the one symbol table of the run.  Before each
** analysis the bridge installs the hook that forwards diagnostics to the
** report operations with the position the analysis gives.
*/
#include "capi.h"
#include "bridge_internal.h"
#include "diag.h"
#include "model.h"

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

void start_interface_analysis(int restriction, const TextList &, const TextList &,
                              const char *)
{
    context.restriction = restriction;
    if (!context.table)
        context.table = create_symbol_table("ZIRKO");
}

/* The preprocessor and the declaration analysis are wired in when they
** exist; until then texts produce nothing. */
bool preprocess_text(const char *, bool, const char *, int, std::string &result,
                     int *errors)
{
    result.clear();
    if (errors)
        *errors = 0;
    return false;
}

void analyse_declaration_text(const char *, const char *, const char *, int)
{
}

void end_preprocessing()
{
}

int symbol_category(const CSymbol *symbol)
{
    if (!symbol->name || is_typedef_symbol(symbol) ||
        is_function_type(symbol->type))
        return 0;
    return symbol->storage == SF_STATIC ? 2 : 1;
}
