/*
** src/sema/body.cc
** Bodies: native-line and statement groups, instance sections.
**
** Not built yet.
*/
#include "sema_int.h"

void analyse_body(SyntaxNode *, Scope *)
{
}

bool check_instance_names(SyntaxNode *, Scope *, bool)
{
    return false;
}
