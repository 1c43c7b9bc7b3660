/*
** src/capi/bridge/report_hook.cc
** The report hook of the interface analysis.
*/
#include "report_hook.h"

namespace {
ReportHook installed_hook = nullptr;
}

ReportHook set_report_hook(ReportHook hook)
{
    ReportHook previous = installed_hook;
    installed_hook = hook;
    return previous;
}

void capi_report(int severity, const char *code, const char *text,
                 const char *file, int line)
{
    if (installed_hook)
        installed_hook(severity, code, text ? text : "", file ? file : "",
                       line);
}
