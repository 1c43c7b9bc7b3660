/*
** src/codegen/probe_code.cc
** The probe-mode source after its header and includes.
**
** Not built yet: a probe-mode source ends after its interface includes.
*/
#include "source_int.h"

void generate_probe_source()
{
}
