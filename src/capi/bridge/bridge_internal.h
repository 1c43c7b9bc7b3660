/*
** src/capi/bridge/bridge_internal.h
** Bridge context and reporting shared by the bridge's files (capi-internal).
*/
#ifndef ZRS_CAPI_BRIDGE_INTERNAL_H
#define ZRS_CAPI_BRIDGE_INTERNAL_H

#include "model.h"
#include "report_hook.h"

#include <string>

/* Process-wide bridge context: where the C text being analysed comes from. */
struct BridgeContext {
    std::string file;           /* script file of the C text */
    int line = 0;
    std::string namespace_name; /* empty = global */
    int restriction = 2;        /* 0 K&R, 1 ANSI, 2 none */
};

BridgeContext &bridge_context();
/* The hook that sets the current position and reports through diag. */
void forward_report(int severity, const char *code, const char *text,
                    const char *file, int line);
/* Installs the forwarding hook and reports at the context's position. */
void bridge_report(int severity, const char *code, const char *text);
/* The qualifier of a namespace given by name: global for an empty name or
** one the table does not know (then `known` is false). */
NamespaceQualifier qualifier_of_name(const char *namespace_name,
                                     bool *known = nullptr);

/* Drops the types kept for type texts: the model has changed. */
void forget_type_texts();

#endif