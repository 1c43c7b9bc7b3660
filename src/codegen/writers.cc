/*
** src/codegen/writers.cc
** Side files.  These writers are not built yet: they write nothing.
*/
#include "codegen.h"

void write_scenario_description(const char *, ScriptFile *, const TextList &,
                                Scope *)
{
}

void write_tdc_file(const GenerationRequest &)
{
}

void write_trace_description(const GenerationRequest &)
{
}
