/*
** src/capi/bridge.cc
** The analysis bridge.  The preprocessor and the declaration analysis are
** not built yet: these operations accept their input and produce nothing.
*/
#include "capi.h"

void start_interface_analysis(int, const TextList &, const TextList &,
                              const char *)
{
}

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
