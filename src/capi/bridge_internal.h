/*
** src/capi/bridge_internal.h
** Bridge context and reporting shared by the bridge's files (capi-internal).
*/
#ifndef ZRS_CAPI_BRIDGE_INTERNAL_H
#define ZRS_CAPI_BRIDGE_INTERNAL_H

#include "report_hook.h"

#include <string>

struct CSymbolTable;

/* Process-wide bridge context: where the C text being analysed comes from. */
struct BridgeContext {
    std::string file;           /* script file of the C text */
    int line = 0;
    std::string namespace_name; /* empty = global */
    int restriction = 2;        /* 0 K&R, 1 ANSI, 2 none */
    CSymbolTable *table = nullptr;
};

BridgeContext &bridge_context();
/* The hook that sets the current position and reports through diag. */
void forward_report(int severity, const char *code, const char *text,
                    const char *file, int line);
/* Installs the forwarding hook and reports at the context's position. */
void bridge_report(int severity, const char *code, const char *text);

#endif
