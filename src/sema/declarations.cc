/*
** src/sema/declarations.cc
** Declarations: messages, triggers, communication types, channels,
** shares, formats, timers and native lines.
**
** Not built yet.
*/
#include "sema_int.h"

void analyse_declaration(SyntaxNode *, Scope *)
{
}

void analyse_timer(SyntaxNode *, Scope *)
{
}

void analyse_format(SyntaxNode *)
{
}
