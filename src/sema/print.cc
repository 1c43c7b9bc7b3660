/*
** src/sema/print.cc
** The semantic-table printer for tests and debugging.
**
** Not built yet.
*/
#include "sema_int.h"

void print_semantic_tables(const Scope *, std::string &)
{
}
