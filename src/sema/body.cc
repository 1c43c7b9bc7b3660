/*
** src/sema/body.cc
** Bodies: native-line and statement groups, instance sections.
**
** A body is a chain of groups, each of native lines (NK_DECL_BLOCK) or of
** statements (NK_BLOCK), either possibly inside an instance section.  The
** caller has set the unit name (analysis.unit) and cleared the
** statements-seen mark; the body hands the unit's native lines to the
** C/C++ analysis as declarations of that unit, before the first
** statement group that follows them, and adds one entry per line and
** statement in the scope of its unit.
*/
#include "sema_int.h"

#include <cstring>

namespace {

/* The section's lines or statements are analysed in modes 2 and 3 (every
** section), and in mode 1 only when the section names the selected
** instance; mode 0 (no instance declared) refuses sections. */
bool section_selected(bool names_selected)
{
    return analysis.instance_mode == 2 || analysis.instance_mode == 3 ||
           (analysis.instance_mode == 1 && names_selected);
}

/* The gathered native lines of the body go to the C/C++ analysis as one
** declaration text of the unit, at the position of their first line. */
void hand_over_native_lines()
{
    PendingNative &p = analysis.pending;
    if (p.empty)
        return;
    declare_text(p.text.c_str(), p.file, p.line);
    p = PendingNative();
}

/* Native lines: one EK_NATIVE_DECL each, gathered for the C/C++ analysis. */
void analyse_native_lines(SyntaxNode *lines, Scope *scope)
{
    for (SyntaxNode *l = lines; l && l->kind == NK_NATIVE_LINE_LIST; l = l->child2) {
        SyntaxNode *line = l->child1;
        if (!line)
            continue;
        add_node_entry(scope, EK_NATIVE_DECL, line->text, line);
        PendingNative &p = analysis.pending;
        if (p.empty) {
            p.file = line->file;
            p.line = line->line;
            p.empty = false;
        } else {
            p.text += '\n';
        }
        p.text += line->text ? line->text : "";
    }
}

/* Opens a section: its names must be declared instances; one
** EK_INSTANCE_REF per name.  False when the body must end.   NODCLISTN */
bool open_section(SyntaxNode *begin, Scope *scope, uint32_t begin_kind,
                  bool *selected)
{
    if (analysis.instance_mode == 0) {
        sema_report(SEV_ERROR, "NODCLISTN", QString(), begin);
        return false;
    }
    open_instance_section(begin, scope, begin_kind);
    *selected = section_selected(check_instance_names(begin->child1, scope, true));
    return true;
}

/* A group of native lines, in an instance section or not.
** False when the body must end.                      BADIBSEQ, NODCLISTN */
bool analyse_decl_group(SyntaxNode *group, Scope *scope)
{
    SyntaxNode *first = group->child1;
    if (!first || first->kind != NK_INSTANCE_BEGIN) {
        analyse_native_lines(first, scope);
        return true;
    }
    if (analysis.statements_seen) {
        sema_report(SEV_ERROR, "BADIBSEQ", QString(), first);
        return false;
    }
    bool selected = false;
    if (!open_section(first, scope, EK_INSTANCE_DECL_BEGIN, &selected))
        return false;
    if (selected)
        analyse_native_lines(group->child2, scope);
    close_instance_section(group, scope, EK_INSTANCE_DECL_END);
    return true;
}

/* A group of statements: pending native lines go first. */
bool analyse_statement_group(SyntaxNode *group, Scope *scope)
{
    hand_over_native_lines();
    analysis.statements_seen = true;
    SyntaxNode *first = group->child1;
    if (!first)
        return true;            /* a line the parser recovered from */
    if (first->kind != NK_INSTANCE_BEGIN) {
        analyse_statement(first, scope);
        return true;
    }
    bool selected = false;
    if (!open_section(first, scope, EK_INSTANCE_STMT_BEGIN, &selected))
        return false;
    if (selected)
        for (SyntaxNode *s = group->child2; s && s->kind == NK_STMT_LIST; s = s->child2)
            if (s->child1)
                analyse_statement(s->child1, scope);
    close_instance_section(group, scope, EK_INSTANCE_STMT_END);
    return true;
}

} // namespace

/* The groups of a body in order; BADIBSEQ and NODCLISTN end the body.
** The unit's C/C++ scope stays open for the caller to close. */
void analyse_body(SyntaxNode *body, Scope *scope)
{
    set_bridge_namespace(analysis.unit.c_str());
    for (SyntaxNode *g = body; g; g = g->child3) {
        bool go_on = true;
        if (g->kind == NK_DECL_BLOCK)
            go_on = analyse_decl_group(g, scope);
        else if (g->kind == NK_BLOCK)
            go_on = analyse_statement_group(g, scope);
        else
            expect_node(g, NK_BLOCK);
        if (!go_on)
            break;
    }
    hand_over_native_lines();
}

/* Each name must be an EK_INSTANCE (UNDECISTN); with add_refs one
** EK_INSTANCE_REF per name (outside mode 1).  True when the selected
** instance is among the names.                                  UNDECISTN */
bool check_instance_names(SyntaxNode *names, Scope *scope, bool add_refs)
{
    bool selected = false;
    const char *wanted = analysis.request ? analysis.request->instance : nullptr;
    for (SyntaxNode *n = names; n && n->kind == NK_INSTANCE_LIST; n = n->child2) {
        SyntaxNode *name = n->child1;
        SemanticEntry *instance = find_global_entry(EK_INSTANCE, name->text);
        if (!instance)
            sema_report(SEV_ERROR, "UNDECISTN", name->text, name);
        if (wanted && *wanted && strcmp(wanted, name->text) == 0)
            selected = true;
        if (add_refs && analysis.instance_mode != 1) {
            SemanticEntry *ref = add_node_entry(scope, EK_INSTANCE_REF, name->text, name);
            ref_instance(add_descriptor(ref, DC_INSTANCE_REF)) = instance;
        }
    }
    return selected;
}
