/*
** src/sema/scenarios.cc
** Scenario items: the scenario tree with its families and LOOP counts,
** the INITIALIZATION, TERMINATION and EXCEPTION items of each level, and
** the selection of the scenarios to generate.
**
** Each level is one walk over its items; the checks that look back over
** a level (a second INITIALIZATION, a scenario name used twice) keep what
** the level has seen, so a level of many items costs its length.  The
** selection of a scenario depends on -SCN, -EXSCN, -FAMILY and -EXFAMILY
** and, for a scenario with sub-scenarios, on theirs; with pruning on
** (-FAST) the body of an unselected scenario is released unanalysed.
*/
#include "sema_int.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <unordered_set>

namespace {

/* What one level of scenario items has seen so far. */
struct LevelSeen {
    bool initialization = false, termination = false, exception = false;
    std::unordered_set<std::string> scenarios;
};

/* Entry kind, descriptor code, duplicate message and unit suffix of the
** three handler items. */
struct HandlerItem {
    uint32_t node_kind;
    uint32_t entry_kind;
    uint32_t code;
    const char *duplicate;
    const char *suffix;
};

const HandlerItem handler_items[] = {
    {NK_INITIALIZATION, EK_INITIALIZATION, DC_INITIALIZATION, "TOOMCHINI", "@init"},
    {NK_TERMINATION, EK_TERMINATION, DC_TERMINATION, "TOOMCHTER", "@term"},
    {NK_EXCEPTION, EK_EXCEPTION, DC_EXCEPTION, "TOOMCHEXC", "@excp"},
};

const HandlerItem *handler_item(uint32_t node_kind)
{
    for (const HandlerItem &h : handler_items)
        if (h.node_kind == node_kind)
            return &h;
    return nullptr;
}

bool &seen_flag(LevelSeen &seen, uint32_t entry_kind)
{
    return entry_kind == EK_INITIALIZATION ? seen.initialization
           : entry_kind == EK_TERMINATION  ? seen.termination
                                           : seen.exception;
}

/* The scenario whose level `scope` is: its descriptor, or null. */
SemanticDescriptor *level_scenario(Scope *scope)
{
    SemanticDescriptor *d = scope ? scope->owner : nullptr;
    return d && d->code == DC_SCENARIO ? d : nullptr;
}

const char *level_name(Scope *scope)
{
    SemanticDescriptor *d = level_scenario(scope);
    return d && scenario_qualified_name(d) ? scenario_qualified_name(d) : "";
}

bool listed(const TextList *list, const char *name)
{
    if (!list)
        return false;
    for (const std::string &value : *list)
        if (value == name)
            return true;
    return false;
}

bool given(const TextList *list)
{
    return list && !list->empty();
}

/* ---- INITIALIZATION, TERMINATION, EXCEPTION ---- */

/* The call form: the procedure must exist, its arguments are checked as
** for a CALL, and what it calls becomes reachable.           UNKCLPROC */
void analyse_handler_call(SyntaxNode *node, const HandlerItem &h, Scope *scope)
{
    SyntaxNode *name = node->child1;
    SemanticEntry *proc = find_proc(name->text);
    if (!proc) {
        sema_report(SEV_ERROR, "UNKCLPROC", name->text, name);
        return;
    }
    /* An initialization's name stays the syntax tree's. */
    SemanticEntry *entry =
        h.entry_kind == EK_INITIALIZATION
            ? add_entry(scope, h.entry_kind, name->text, node->file,
                        node->file_number, node->line, nullptr)
            : add_node_entry(scope, h.entry_kind, name->text, node);
    SemanticDescriptor *d = add_descriptor(entry, h.code);
    block_proc(d) = proc;
    block_value(d) = -1;
    block_line(d) = int32_t(node->line);
    block_end_line(d) = int32_t(node->line);
    Scope *args = new_scope(d, scope);
    analysis.unit = level_name(scope);
    check_procedure_arguments(node->child3, proc, args, node);
    if (proc->descriptor) {
        proc_called(proc->descriptor) = 1;
        mark_reachable(proc->descriptor->inner);
    }
    close_unit();
}

/* The block form: a nameless unit at the item's opening line, whose
** statements are analysed as a body. */
void analyse_handler_block(SyntaxNode *node, const HandlerItem &h, Scope *scope)
{
    uint32_t line = node->child3->line > 0 ? node->child3->line - 1 : 0;
    SemanticEntry *entry = add_entry(scope, h.entry_kind, nullptr, node->file,
                                     node->file_number, line, nullptr);
    SemanticDescriptor *d = add_descriptor(entry, h.code);
    block_value(d) = -1;
    block_line(d) = int32_t(line);
    block_end_line(d) = int32_t(node->line);
    push_on_unit_chain(entry);
    Scope *body = new_scope(d, scope);
    analysis.unit = std::string(level_name(scope)) + h.suffix;
    analyse_body(node->child2, body);
    close_unit();
}

/* One handler item per kind at a level: a second one is reported and
** analysed all the same.                  TOOMCHINI, TOOMCHTER, TOOMCHEXC */
void analyse_handler(SyntaxNode *node, Scope *scope, LevelSeen &seen)
{
    const HandlerItem &h = *handler_item(node->kind);
    bool &flag = seen_flag(seen, h.entry_kind);
    if (flag)
        sema_report(SEV_ERROR, h.duplicate, QString(), node);
    flag = true;
    analysis.statements_seen = false;
    if (node->child3 && node->child3->kind == NK_BLOCK_MARK)
        analyse_handler_block(node, h, scope);
    else
        analyse_handler_call(node, h, scope);
}

/* ---- SCENARIO ---- */

int loop_count(const SyntaxNode *number)
{
    if (!number || !number->text)
        return 0;
    long long n = strtoll(number->text, nullptr, 0);
    return n < 0 ? 0 : n > INT32_MAX ? INT32_MAX : int(n);
}

std::string qualified_name(Scope *scope, const char *name)
{
    std::string parent = level_name(scope);
    return parent.empty() ? name : parent + "." + name;
}

/* The distinct names of a FAMILY line, each once; a repeated one is
** reported and skipped.                                       FNAMNOTUS */
Scope *family_scope(SyntaxNode *family, Scope *scope)
{
    Scope *families = new_scope(nullptr, scope);
    std::unordered_set<std::string> names;
    for (SyntaxNode *list = family->child1; list; list = list->child2) {
        SyntaxNode *name = list->child1;
        if (!names.insert(name->text).second) {
            sema_report(SEV_WARNING, "FNAMNOTUS", name->text, name);
            continue;
        }
        add_node_entry(families, EK_FAMILY, name->text, name);
    }
    return families;
}

/* Starting from selected without -FAMILY and from not selected with it:
** a name in -FAMILY selects, then a name in -EXFAMILY deselects for good. */
bool family_selected(Scope *families)
{
    const SemanticRequest &r = *analysis.request;
    bool selected = !given(r.family);
    for (SemanticEntry *e = families->first; e; e = e->next) {
        if (!selected && given(r.family) && listed(r.family, e->name))
            selected = true;
        else if (selected && listed(r.exfamily, e->name))
            return false;
    }
    return selected;
}

bool any_selected(Scope *scope)
{
    for (SemanticEntry *e = scope->first; e; e = e->next)
        if (e->kind == EK_SCENARIO && scenario_selected(e->descriptor))
            return true;
    return false;
}

SemanticEntry *scenario_entry(SyntaxNode *node, Scope *scope)
{
    SyntaxNode *name = node->child1;
    bool root = !*name->text;
    SemanticEntry *entry =
        root ? add_entry(scope, EK_SCENARIO, empty_name, name->file,
                         name->file_number, name->line, nullptr)
             : add_node_entry(scope, EK_SCENARIO, name->text, name);
    SemanticDescriptor *d = add_descriptor(entry, DC_SCENARIO);
    SyntaxNode *body = node->child2;
    scenario_file(d) = copy_text(node->file);
    scenario_leaf(d) = 1;
    scenario_loop(d) = loop_count(body->child1);
    /* The body is made once the END SCENARIO line has been read. */
    scenario_end_line(d) = body->line > 1 ? int32_t(body->line - 1) : int32_t(body->line);
    scenario_body_line(d) = body->child2 && body->child2->line > 0
                                ? int32_t(body->child2->line - 1) : 0;
    scenario_qualified_name(d) =
        table_text(root ? std::string() : qualified_name(scope, name->text));
    push_on_unit_chain(entry);
    if (SemanticDescriptor *parent = level_scenario(scope))
        scenario_leaf(parent) = 0;
    return entry;
}

/* The content of a scenario: sub-scenario items, which decide whether a
** selected scenario stays so, or a statement body.           NOSCENGEN */
void analyse_scenario_content(SyntaxNode *content, SemanticEntry *entry, bool root)
{
    SemanticDescriptor *d = entry->descriptor;
    Scope *inner = new_scope(d, entry->scope);
    if (!content)
        return;
    if (content->kind == NK_SCENARIO_ITEM_LIST) {
        analyse_scenario_items(content, inner);
        if (scenario_selected(d) && !any_selected(inner)) {
            scenario_selected(d) = 0;
            if (root)
                report_error("NOSCENGEN");
        }
        return;
    }
    analysis.statements_seen = false;
    analysis.unit = scenario_qualified_name(d);
    analyse_body(content, inner);
    close_unit();
}

/* A scenario of the current level.                 SCENALREX, FNAMNOTUS */
void analyse_scenario(SyntaxNode *node, Scope *scope, LevelSeen &seen)
{
    SyntaxNode *name = node->child1;
    bool root = !*name->text;
    if (!seen.scenarios.insert(name->text).second)
        sema_report(SEV_ERROR, "SCENALREX", name->text, name);
    SemanticEntry *entry = scenario_entry(node, scope);
    SemanticDescriptor *d = entry->descriptor;
    SyntaxNode *body = node->child2;
    bool selected = true;
    if (body->child2 && body->child2->kind == NK_FAMILY) {
        scenario_families(d) = family_scope(body->child2, scope);
        selected = family_selected(scenario_families(d));
    }
    if (selected)
        selected = select_scenario(scenario_qualified_name(d));
    scenario_selected(d) = selected ? 1 : 0;
    if (!selected && analysis.request->fast) {
        free_tree(body->child3, 1);
        body->child3 = nullptr;
    }
    analyse_scenario_content(body->child3, entry, root);
}

} // namespace

/* The items of one scenario level, in order.                 STXNODNWT */
void analyse_scenario_items(SyntaxNode *items, Scope *scope)
{
    LevelSeen seen;
    for (SyntaxNode *list = items; list; list = list->child2) {
        SyntaxNode *item = list->child1;
        if (!item) {
            expect_node(item, NK_SCENARIO);
            continue;
        }
        switch (item->kind) {
        case NK_INCLUDE:
            break;
        case NK_INITIALIZATION: case NK_TERMINATION: case NK_EXCEPTION:
            analyse_handler(item, scope, seen);
            break;
        case NK_SCENARIO:
            analyse_scenario(item, scope, seen);
            break;
        default:
            expect_node(item, NK_SCENARIO);
        }
    }
}

/* The root is always selected.  -SCN selects a name that agrees with one
** of its values over the shorter's length when the longer continues with
** "." there or has the same length (A.B selects A, A.B and A.B.C, not
** A.BC); otherwise -EXSCN leaves out a name equal to one of its values or
** continuing one of them with ".". */
int select_scenario(const char *qualified_name)
{
    if (!qualified_name || !*qualified_name)
        return 1;
    const SemanticRequest &r = *analysis.request;
    size_t n = strlen(qualified_name);
    if (given(r.scn)) {
        for (const std::string &value : *r.scn) {
            size_t common = std::min(n, value.size());
            if (value.compare(0, common, qualified_name, common) != 0)
                continue;
            const char *longer = n > value.size() ? qualified_name : value.c_str();
            if (longer[common] == '.' || longer[common] == '\0')
                return 1;
        }
        return 0;
    }
    if (given(r.exscn))
        for (const std::string &value : *r.exscn)
            if (value.size() <= n && value.compare(0, value.size(), qualified_name,
                                                   value.size()) == 0 &&
                (qualified_name[value.size()] == '.' ||
                 qualified_name[value.size()] == '\0'))
                return 0;
    return 1;
}
