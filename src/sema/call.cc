/*
** src/sema/call.cc
** CALL of a script procedure or of an interface function.
**
** Not built yet.
*/
#include "sema_int.h"

void analyse_call(SyntaxNode *, Scope *, const char *)
{
}

void check_procedure_arguments(SyntaxNode *, SemanticEntry *, Scope *, const SyntaxNode *)
{
}
