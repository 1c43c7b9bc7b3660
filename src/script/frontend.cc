/*
** src/script/frontend.cc
** Script front end.  The reader, parser and semantic checks are not built
** yet: parsing yields no tree and analysis yields empty tables.
*/
#include "script.h"

void parse_script(const char *, const TextList &, int, ParseResult *out)
{
    *out = ParseResult();
}

void analyse_script(const SemanticRequest &, SemanticResult *out)
{
    *out = SemanticResult();
}

void free_syntax_tree(SyntaxNode *)
{
}

void free_semantic_tables(SemanticTables *)
{
}

void free_script_files(ScriptFile *)
{
}
