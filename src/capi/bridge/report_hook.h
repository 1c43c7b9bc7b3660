/*
** src/capi/bridge/report_hook.h
** The report hook of the interface analysis (capi-internal).
**
** The preprocessor, the declaration analysis and the type model never
** print: every diagnostic goes to the hook installed at that moment, with
** its severity (the Severity values), code, text argument, file and line.
** With no hook installed, diagnostics are dropped.
*/
#ifndef ZRS_CAPI_REPORT_HOOK_H
#define ZRS_CAPI_REPORT_HOOK_H

typedef void (*ReportHook)(int severity, const char *code, const char *text,
                           const char *file, int line);

/* Installs `hook` and returns the one it replaces (null = none). */
ReportHook set_report_hook(ReportHook hook);
void capi_report(int severity, const char *code, const char *text,
                 const char *file, int line);

#endif
