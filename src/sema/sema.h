/*
** src/sema/sema.h
** Semantic analysis: what the driver and the tools use.
**
** `analyse_script` walks the syntax tree once, checks the script against
** itself and against the C/C++ interface, selects the scenarios to
** generate and fills the semantic tables (script.h), whose global scope
** it returns with the numbers the generators need.  The tables are
** released by `free_semantic_tables`; `print_semantic_tables` writes them
** as stable text for tests and debugging.
*/
#ifndef ZRS_SEMA_H
#define ZRS_SEMA_H

#include "support.h"

#include <string>

struct Scope;
struct ScriptFile;
struct SyntaxNode;

struct SemanticRequest {
    SyntaxNode *tree;
    ScriptFile *files;
    const TextList *family, *exfamily, *scn, *exscn;  /* empty: not given */
    int fast;                 /* pruning of unselected scenarios */
    int trace;                /* 0, 5 ERROR, 10 SCN, 20 TIME, 50 CIRCULAR */
    int scanner_flags;        /* 1: COMMTYPE seen; 2: TRIGGER seen */
    const char *instance;     /* empty when not given */
};

struct SemanticResult {
    Scope *global = nullptr;  /* the semantic tables */
    int instance_mode = 0;    /* 0 none, 1 selected, 2 declared, 3 unknown */
    int instance_rank = 1;
    int timer_count = 0;
    int highest_channel = 0;  /* highest channel index of all channels */
};

void analyse_script(const SemanticRequest &request, SemanticResult *out);
void free_semantic_tables(Scope *global);

/* Scopes, entries in order (kind, name, position, aux and the descriptor
** fields of their code), nested scopes indented, then the unit chain. */
void print_semantic_tables(const Scope *global, std::string &out);

#endif
