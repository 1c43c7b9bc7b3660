/*
** src/codegen/scenario_description.cc
** The scenario description (-SPVGEN): files, instances, families, the
** scenario tree, the scenarios and the rendezvous of a script.
**
** The campaign tools read this file by its layout, so every tab, comma and
** blank is fixed.  It is written from the semantic tables right after
** analysis; a description that cannot be created ends the run like every
** other output (FICERROPN), never silently.  The instances that execute a
** rendezvous are those of the instance sections around it or, inside a
** procedure, around the procedure's calls: from several calls, the union,
** each instance once, in declaration order.
*/
#include "codegen_int.h"
#include "diag.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace {

typedef std::vector<const SemanticEntry *> EntryList;

/* A rendezvous met while walking the tables, with where it stands. */
struct RendezvousSite {
    const SemanticEntry *entry;
    const SemanticEntry *scenario;     /* the scenario holding it, or null */
    const SemanticEntry *proc;         /* the procedure holding it, or null */
    EntryList members;                 /* from the sections around it */
};

/* A call of a procedure: the sections around it, and the procedure the
** call stands in (null outside procedures). */
struct CallSite {
    EntryList sections;
    const SemanticEntry *caller;
};

/* The scenario tree below the root.  The description needs it three
** times; it is read in the one walk over all the bodies, since a walk
** over a scenario's entries passes over all its statements. */
struct ScenarioLevel {
    EntryList scenarios;           /* the scenarios of the level, in order */
    bool any = false;              /* some entry of the level is a scenario */
};

struct ScenarioTree {
    EntryList preorder;            /* every scenario before its children */
    ScenarioLevel top;             /* the root's children */
    std::map<const SemanticEntry *, ScenarioLevel> below;   /* per scenario */
};

/* What the walk of the bodies collects. */
struct SpgWalk {
    ScenarioTree tree;
    std::vector<RendezvousSite> sites;
    std::map<const SemanticEntry *, std::vector<CallSite>> calls;   /* per procedure */
};

void put(FILE *out, const std::string &text)
{
    checked_fprintf(out, "%s", text.c_str());
}

/* Names each quoted, with `separator` between two of them. */
std::string name_list(const std::vector<const char *> &names, const char *separator)
{
    std::string text;
    for (size_t i = 0; i < names.size(); i++) {
        if (i)
            text += separator;
        text += "\"" + std::string(names[i]) + "\"";
    }
    return text;
}

/* ---- The lists ---- */

std::vector<const char *> included_files(const ScriptFile *files)
{
    std::vector<const char *> names;
    for (const ScriptFile *f = files; f && f->next; f = f->next)
        names.push_back(f->name);
    return names;
}

std::vector<const char *> instance_names(const Scope *global)
{
    std::vector<const char *> names;
    for (const SemanticEntry *e = scope_first(global); e; e = e->next)
        if (e->kind == EK_INSTANCE && e->name)
            names.push_back(e->name);
    return names;
}

std::vector<const char *> all_families(const EntryList &scenarios)
{
    std::vector<const char *> names;
    std::set<std::string> seen;
    for (const SemanticEntry *s : scenarios)
        for (const char *name : scenario_family_names(s))
            if (seen.insert(name).second)
                names.push_back(name);
    return names;
}

/* ---- The scenario tree ---- */

/* One sibling list at `depth`: "  ," before every scenario after the
** first, three blanks before the first.  Blocks between scenarios are
** passed over, so no scenario of a level is left out. */
void tree_level(FILE *out, const ScenarioTree &tree, const ScenarioLevel &level,
                int depth)
{
    std::string tabs(size_t(depth), '\t');
    bool first = true;
    for (const SemanticEntry *e : level.scenarios) {
        put(out, tabs + (first ? "   " : "  ,") + "\"" + text_or_empty(e->name) + "\"\n");
        first = false;
        const ScenarioLevel &inner = tree.below.at(e);
        if (inner.any) {
            std::string indent(size_t(depth + 1), '\t');
            put(out, indent + ",(\n");
            tree_level(out, tree, inner, depth + 1);
            put(out, indent + ")\n");
        }
    }
}

void scenario_block(FILE *out, const SemanticEntry *e)
{
    SemanticDescriptor *d = e->descriptor;
    put(out, "\t\t SCENARIO  {\n");
    put(out, "\t\t\tNAME        = \"" + std::string(text_or_empty(scenario_qualified_name(d))) + "\";\n");
    put(out, "\t\t\tFILE        = \"" + std::string(text_or_empty(scenario_file(d))) + "\";\n");
    put(out, "\t\t\tLINE        = \"" + std::to_string(e->line) + "\";\n");
    put(out, "\t\t\tFAMILY_LIST = (" + name_list(scenario_family_names(e), ",") +
                 ");\n\t\t    };\n\n");
}

/* ---- Rendezvous and their members ---- */

/* The instance sections open at a point of a body, innermost last. */
struct SectionState {
    EntryList instances;               /* of the sections open now */
    std::vector<size_t> marks;         /* where each open section began */
};

void open_section(SectionState &state)
{
    state.marks.push_back(state.instances.size());
}

void close_section(SectionState &state)
{
    if (state.marks.empty())
        return;
    state.instances.resize(state.marks.back());
    state.marks.pop_back();
}

void add_members(EntryList &to, const EntryList &from)
{
    for (const SemanticEntry *i : from)
        if (std::find(to.begin(), to.end(), i) == to.end())
            to.push_back(i);
}

struct BodyContext {
    const SemanticEntry *scenario;
    const SemanticEntry *proc;
    ScenarioLevel *level;          /* a body of the scenario tree, or null */
};

/* A block inside a body: no part of the scenario tree. */
BodyContext inside(BodyContext where)
{
    where.level = nullptr;
    return where;
}

/* A scenario met in a body; its own body is a level of the tree when the
** body it stands in is one. */
BodyContext scenario_body(SpgWalk &walk, const SemanticEntry *e, ScenarioLevel *level)
{
    if (!level)
        return {e, nullptr, nullptr};
    level->scenarios.push_back(e);
    walk.tree.preorder.push_back(e);
    return {e, nullptr, &walk.tree.below[e]};
}

void walk_body(SpgWalk &walk, const Scope *scope, BodyContext where);

void note_call(SpgWalk &walk, const SemanticEntry *proc, const SectionState &state,
               BodyContext where)
{
    if (proc && proc->kind == EK_PROC)
        walk.calls[proc].push_back({state.instances, where.proc});
}

void walk_entry(SpgWalk &walk, const SemanticEntry *e, BodyContext where,
                SectionState &state)
{
    SemanticDescriptor *d = e->descriptor;
    switch (e->kind) {
    case EK_INSTANCE_STMT_BEGIN: case EK_INSTANCE_DECL_BEGIN: open_section(state); break;
    case EK_INSTANCE_STMT_END: case EK_INSTANCE_DECL_END: close_section(state); break;
    case EK_INSTANCE_REF:
        if (d && ref_instance(d))
            state.instances.push_back(ref_instance(d));
        break;
    case EK_RENDEZVOUS:
        walk.sites.push_back({e, where.scenario, where.proc, state.instances});
        break;
    case EK_CALL:
        if (d) note_call(walk, call_callee(d), state, where);
        break;
    case EK_INITIALIZATION: case EK_TERMINATION: case EK_EXCEPTION:
        if (d && block_proc(d))
            note_call(walk, block_proc(d), state, where);
        else if (d)
            walk_body(walk, d->inner, inside(where));
        break;
    case EK_SCENARIO:
        if (where.level)
            where.level->any = true;
        if (d)
            walk_body(walk, d->inner, scenario_body(walk, e, where.level));
        break;
    case EK_WHILE: if (d) walk_body(walk, d->inner, inside(where)); break;
    case EK_IF:
        if (d) {
            walk_body(walk, d->inner, inside(where));
            walk_body(walk, if_else(d), inside(where));
        }
        break;
    case EK_CASE:
        for (const SemanticEntry *b = d ? inner_first(e) : nullptr; b; b = b->next)
            if (b->descriptor)
                walk_body(walk, b->descriptor->inner, inside(where));
        break;
    default: break;
    }
}

void walk_body(SpgWalk &walk, const Scope *scope, BodyContext where)
{
    SectionState state;
    for (const SemanticEntry *e = scope_first(scope); e; e = e->next)
        walk_entry(walk, e, where, state);
}

/* Every body of the tables; the first scenario with a descriptor is the
** root of the tree. */
void walk_tables(SpgWalk &walk, const Scope *global)
{
    bool root_seen = false;
    for (const SemanticEntry *e = scope_first(global); e; e = e->next) {
        if (!e->descriptor)
            continue;
        if (e->kind == EK_PROC)
            walk_body(walk, e->descriptor->inner, {nullptr, e, nullptr});
        else if (e->kind == EK_CALLBACK || e->kind == EK_PROCSEND)
            walk_body(walk, e->descriptor->inner, {nullptr, nullptr, nullptr});
        else if (e->kind == EK_SCENARIO) {
            ScenarioLevel *level = root_seen ? nullptr : &walk.tree.top;
            root_seen = true;
            walk_body(walk, e->descriptor->inner, {e, nullptr, level});
        }
    }
}

/* The instances that run a procedure: those around its calls; a call
** outside every section inside another procedure runs with that
** procedure's instances.  `seen` stops a recursion. */
void procedure_members(const SpgWalk &walk, const SemanticEntry *proc, EntryList &out,
                       std::set<const SemanticEntry *> &seen)
{
    if (!seen.insert(proc).second)
        return;
    auto calls = walk.calls.find(proc);
    if (calls == walk.calls.end())
        return;
    for (const CallSite &call : calls->second) {
        if (!call.sections.empty())
            add_members(out, call.sections);
        else if (call.caller)
            procedure_members(walk, call.caller, out, seen);
    }
}

/* The members of a rendezvous in declaration order of the instances. */
std::vector<const char *> member_names(const SpgWalk &walk, const RendezvousSite &site)
{
    EntryList members = site.members;
    if (members.empty() && site.proc) {
        std::set<const SemanticEntry *> seen;
        procedure_members(walk, site.proc, members, seen);
    }
    std::stable_sort(members.begin(), members.end(),
                     [](const SemanticEntry *a, const SemanticEntry *b) {
                         return instance_number(a->descriptor) < instance_number(b->descriptor);
                     });
    std::vector<const char *> names;
    for (const SemanticEntry *i : members)
        names.push_back(text_or_empty(i->name));
    return names;
}

void rendezvous_block(FILE *out, const SpgWalk &walk, const RendezvousSite &site)
{
    const SemanticEntry *e = site.entry;
    put(out, "\n\t\tRDV {\n");
    if (site.proc)
        put(out, "\t\t\tPROC         = \"" + std::string(text_or_empty(site.proc->name)) + "\";\n");
    else
        put(out, "\t\t\tSCENARIO     = \"" +
                     std::string(site.scenario ? text_or_empty(scenario_qualified_name(
                                                     site.scenario->descriptor))
                                               : "") +
                     "\";\n");
    put(out, "\t\t\tRDV_NAME     = \"" + std::string(text_or_empty(e->name)) + "\";\n");
    put(out, "\t\t\tFROM_FILE    = {\n");
    if (e->file)
        put(out, "\t\t\t\tNAME = \"" + std::string(e->file) + "\";\n");
    if (e->line != 0)
        put(out, "\t\t\t\tLINE = \"" + std::to_string(e->line) + "\";\n");
    put(out, "\t\t\t};\n");
    put(out, "\t\t\tMEMBERS_LIST = (" + name_list(member_names(walk, site), ", ") +
                 ");\n\t\t};\n");
}

void rendezvous_list(FILE *out, const SpgWalk &walk)
{
    put(out, "\tRDV_LIST = {\n");
    for (const RendezvousSite &site : walk.sites)
        rendezvous_block(out, walk, site);
    put(out, "\t};\n};\n");
}

} // namespace

void write_scenario_description(const char *name, ScriptFile *files,
                                const TextList &, Scope *global)
{
    std::string n = text_or_empty(name);
    if (n.size() >= 4 && n.compare(n.size() - 4, 4, ".spg") == 0)
        n.erase(n.size() - 4);
    FILE *out = open_output(name, "w");
    SpgWalk walk;
    walk_tables(walk, global);
    const ScenarioTree &tree = walk.tree;
    const EntryList &scenarios = tree.preorder;
    put(out, "SPG_FILE = {\n\n");
    put(out, "\tSPG_FILE_NAME = \"" + n + ".spg\";\n\n");
    put(out, "\tPTS_FILE_NAME = \"" + n + ".pts\";\n\n");
    put(out, "\tHTS_FILE_LIST = (" + name_list(included_files(files), ", ") + ");\n\n");
    put(out, "\tINSTANCE_LIST = (" + name_list(instance_names(global), ", ") + ");\n\n");
    put(out, "\tFAMILY_LIST   = (" + name_list(all_families(scenarios), ",") + ");\n\n");
    put(out, "\tSCENARIO_TREE = (\n");
    tree_level(out, tree, tree.top, 1);
    put(out, "\t);\n\n");
    put(out, "\tSCENARII_LIST = {\n");
    for (const SemanticEntry *s : scenarios)
        scenario_block(out, s);
    put(out, "\t};\n\n");
    rendezvous_list(out, walk);
    close_output(out);
}
