/*
** src/sema/units.cc
** Procedures, callbacks, procsends and catches.
**
** Not built yet.
*/
#include "sema_int.h"

void analyse_proc(SyntaxNode *, Scope *)
{
}

void analyse_callback(SyntaxNode *, Scope *)
{
}

void analyse_procsend(SyntaxNode *, Scope *)
{
}

void analyse_catch(SyntaxNode *, Scope *, const char *)
{
}
