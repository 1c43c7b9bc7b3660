/*
** src/codegen/writers.cc
** The generated source.  Not built yet: it writes nothing.
*/
#include "codegen.h"

void generate_source(const GenerationRequest &)
{
}
