/*
** src/sema/statements.cc
** Statements.
**
** Not built yet.
*/
#include "sema_int.h"

void analyse_statement(SyntaxNode *, Scope *)
{
}

void analyse_inner_block(SyntaxNode *, Scope *)
{
}
