/*
** src/sema/waittil.cc
** WAITTIL conditions and the MATCHED-family terms.
**
** Not built yet: only the script form of the terms.
*/
#include "sema_int.h"

void analyse_waittil(SyntaxNode *, Scope *, const char *)
{
}

bool term_text(const SyntaxNode *term, TermForm, std::string &out)
{
    const char *keyword = term->kind == NK_MATCHING      ? "MATCHING"
                          : term->kind == NK_MATCHED     ? "MATCHED"
                          : term->kind == NK_NOTMATCHING ? "NOTMATCHING"
                                                         : "NOTMATCHED";
    const char *m = term->child1 ? term->child1->text : "";
    if (term->child2)
        checked_sprintf(out, "%s(%s,%s)", keyword, m, term->child2->text);
    else
        checked_sprintf(out, "%s(%s)", keyword, m);
    return true;
}
