/*
** src/sema/analyse.cc
** The analysis driver: built-in declarations, the global scope, the
** instance mode, the declaration pass and the summary information.
**
** Not built yet: it makes the global scope and nothing else.
*/
#include "sema_int.h"

void analyse_script(const SemanticRequest &request, SemanticResult *out)
{
    analysis = AnalysisState();
    analysis.request = &request;
    analysis.global = new_scope(nullptr, nullptr);
    semantic_state = SemanticState{analysis.global, 0, 0};
    *out = SemanticResult();
    out->global = analysis.global;
}

void free_semantic_tables(Scope *global)
{
    free_entries(global);
    if (semantic_state.global == global)
        semantic_state = SemanticState();
}

void flush_native_text()
{
}
