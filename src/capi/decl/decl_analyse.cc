/*
** src/capi/decl/decl_analyse.cc
** Entry points of the declaration analysis: a text of declarations into
** the model, and a type text into a type.
**
** `type_from_text` declares a temporary function "__zirko_var" whose one
** parameter has the type written, under a hook that only notes whether
** something was reported; the parameter's type is copied out and the
** temporary function removed from the table.
*/
#include "decl.h"

namespace {

bool silent_hook_fired = false;

void silent_hook(int, const char *, const char *, const char *, int)
{
    silent_hook_fired = true;
}

const char *const TEMPORARY_FUNCTION = "__zirko_var";

/* The temporary function's entry in the current scope, if any. */
CTableEntry *temporary_entry(CSymbolTable *table, NamespaceQualifier q)
{
    CTableEntry *e = lookup_ordinary(table, intern_text(TEMPORARY_FUNCTION), q,
                                     true);
    return e && e->symbol ? e : nullptr;
}

int declarations_into_model(const char *text, const char *file,
                            const char *namespace_name, int line,
                            ReportHook hook)
{
    ReportHook previous = set_report_hook(hook);
    reset_instance_budget();
    DeclParser p;
    parser_init(&p, text, file, line, false);
    DeclContext context;
    decl_context_open(&context, &p, namespace_name);
    while (peek_kind(&p) != TK_EOF) {
        parse_declaration_seq(&p, false);
        if (peek_kind(&p) == TK_RBRACE) {   /* a "}" closing nothing */
            syntax_error(&p);
            next_token(&p);
            resynchronise(&p);
        }
    }
    decl_context_close(&context);
    set_report_hook(previous);
    return p.errors ? 1 : 0;
}

} // namespace

int analyse_declarations(const char *text, const char *file,
                         const char *namespace_name, int line,
                         ReportHook hook)
{
    decl_model_changed();
    return declarations_into_model(text, file, namespace_name, line, hook);
}

CType *type_from_text(const char *text, const char *namespace_name,
                      const char *file, int line)
{
    std::string declaration = std::string(TEMPORARY_FUNCTION) + "(" +
                              (text ? text : "") + ");";
    silent_hook_fired = false;
    ReportHook previous = set_report_hook(silent_hook);
    /* the temporary function is removed below: the model stays as it was */
    declarations_into_model(declaration.c_str(), file, namespace_name, line,
                            silent_hook);
    set_report_hook(previous);
    CSymbolTable *table = decl_table();
    NamespaceQualifier q;
    if (namespace_name && *namespace_name)
        q = scope_qualifier(lookup_namespace(table, intern_text(namespace_name)));
    CTableEntry *entry = temporary_entry(table, q);
    CType *result = nullptr;
    if (entry && !silent_hook_fired && is_function_type(entry->symbol->type)) {
        CType *f = resolve_type(entry->symbol->type);
        if (f->function && f->function->params.size() == 1 &&
            f->function->params[0]->type &&
            f->function->params[0]->type->kind != CT_ELLIPSIS)
            result = copy_type(f->function->params[0]->type);
    }
    if (entry)
        remove_entry(table, entry, true);
    return result;
}
