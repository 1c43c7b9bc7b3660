/*
** src/sema/values.cc
** DEF_MESSAGE, VAR and the value descriptions.
**
** Not built yet.
*/
#include "sema_int.h"

void analyse_def_message(SyntaxNode *, Scope *, const char *)
{
}

void analyse_var(SyntaxNode *, Scope *, const char *)
{
}
