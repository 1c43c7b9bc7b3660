/*
** src/sema/analyse.cc
** The analysis driver: built-in declarations, the global scope, the
** instance mode, the declaration pass and the summary information.
**
** `analyse_script` seeds the C/C++ analysis with the runtime's own names
** (so that script texts may use WTIME, TIME, NIL, the MATCHED family and
** the loop counters), makes the global scope with the HEADER entry, then
** walks the declaration list once, handing consecutive native lines to the
** C/C++ analysis as one text.  The scenario tree follows, and the run ends
** with the information messages about what was dropped or never used.
*/
#include "sema_int.h"

#include <cstring>

namespace {

/* Declarations of the runtime that script texts may name, in the order
** the C/C++ analysis receives them; the loop counters follow. */
const char *const builtin_declarations[] = {
    "long WTIME;",
    "int ZRK_NOTMATCHED_1(int);",
    "int ZRK_MATCHED_1(int);",
    "int ZRK_MATCHING_1(int);",
    "int ZRK_NOTMATCHING_1(int);",
    "int ZRK_NOTMATCHED_2(int,int);",
    "int ZRK_MATCHED_2(int,int);",
    "int ZRK_MATCHING_2(int,int);",
    "int ZRK_NOTMATCHING_2(int,int);",
    "unsigned long ZRK_TIMEOUT;",
    "int zrk_state_channel[][];",
    "unsigned long TIME(unsigned long timer);",
};
const char *const builtin_tail[] = {
    "#define NIL 0",
    "void *NONIL;",
    "int ZRK_OCCID;",
    "int ZRK_NUMINSTANCE;",
};
const int LOOP_COUNTERS = 21;   /* I0..I20 and J0..J20 */

void declare_builtins()
{
    for (const char *text : builtin_declarations)
        declare_text(text, "", 0);
    for (const char *letter : {"I", "J"})
        for (int i = 0; i < LOOP_COUNTERS; ++i) {
            std::string text;
            checked_sprintf(text, "int %s%d;", letter, i);
            declare_text(text.c_str(), "", 0);
        }
    /* The NIL macro enters the preprocessor's table; the rest are
    ** declarations. */
    for (const char *text : builtin_tail)
        declare_text(text, "", 0);
}

/* A header value as an owned text: a string's text as scanned, or the
** value of the environment variable. */
char *header_value(SyntaxNode *value)
{
    bool is_string = value && value->kind == NK_STRING;
    char *text = node_text_value(value);
    return is_string ? copy_text(text) : text;
}

/* The HEADER line: the first entry of the global scope. */
void add_header(SyntaxNode *header)
{
    expect_node(header, NK_HEADER);
    SemanticEntry *e = add_entry(analysis.global, EK_HEADER,
                                 header_value(header->child1), header->file,
                                 header->file_number, header->line, nullptr);
    SemanticDescriptor *d = add_descriptor(e, DC_HEADER);
    header_second(d) = header_value(header->child2);
    header_third(d) = header_value(header->child3);
}

/* The communication type of the trigger model, when the script declares
** triggers and no communication type of its own. */
void add_builtin_commtype()
{
    SemanticEntry *e = add_entry(analysis.global, EK_COMMTYPE,
                                 copy_text("zrk_socket"), nullptr, 0, 0, nullptr);
    SemanticDescriptor *d = add_descriptor(e, DC_COMMTYPE);
    commtype_id_type(d) = copy_text("int");
    commtype_multiplexing(d) = 1;
    commtype_number(d) = analysis.commtypes++;
}

/* Counts the DECLARE_INSTANCE names and finds the -INSTANCE one: mode 1
** found, 3 not found (ISTNOPLAN), 2 instances without -INSTANCE, 0 none. */
void settle_instance_mode(SyntaxNode *declarations)
{
    const char *wanted = analysis.request->instance;
    bool given = wanted && *wanted, found = false, declared = false;
    int count = 0;
    for (SyntaxNode *d = declarations; d; d = d->child3) {
        SyntaxNode *item = d->child2;
        if (!item || item->kind != NK_DECLARE_INSTANCE)
            continue;
        declared = true;
        for (SyntaxNode *n = item->child1; n; n = n->child2) {
            ++count;
            if (given && !found && n->child1 && strcmp(n->child1->text, wanted) == 0) {
                found = true;
                analysis.instance_rank = count;
            }
        }
    }
    if (given) {
        analysis.instance_mode = found ? 1 : 3;
        if (!found)
            report_info("ISTNOPLAN", QString::fromLocal8Bit(wanted));
    } else {
        analysis.instance_mode = declared ? 2 : 0;
    }
    semantic_state.instance_mode = analysis.instance_mode;
}

SemanticEntry *find_instance(const char *name)
{
    return find_global_entry(EK_INSTANCE, name);
}

/* DECLARE_INSTANCE names, numbered from 2; a name declared before ends
** the line.                                                   ISTNALRDEC */
void analyse_declare_instance(SyntaxNode *line)
{
    flush_native_text();
    for (SyntaxNode *n = line->child1; n; n = n->child2) {
        SyntaxNode *name = n->child1;
        if (find_instance(name->text)) {
            sema_report(SEV_ERROR, "ISTNALRDEC", QString::fromLocal8Bit(name->text),
                        name);
            return;
        }
        SemanticEntry *e = add_node_entry(analysis.global, EK_INSTANCE, name->text,
                                          name);
        instance_number(add_descriptor(e, DC_INSTANCE)) = analysis.instances++;
    }
}

bool names_instance(SyntaxNode *names, const char *wanted)
{
    for (SyntaxNode *n = names; n; n = n->child2)
        if (n->child1 && n->child1->text && strcmp(n->child1->text, wanted) == 0)
            return true;
    return false;
}

/* An INSTANCE block among the declarations: with -INSTANCE only the block
** naming the selected instance counts, and without begin and end marks.
**                                        ISTBADLVL, UNDECISTN, ENTCODUNK */
void analyse_instance_block(SyntaxNode *block)
{
    flush_native_text();
    if (++analysis.open_instance_blocks > 1)
        sema_report(SEV_INTERNAL, "ISTBADLVL", QString(), block);
    const char *wanted = analysis.request->instance;
    bool fixed = wanted && *wanted;
    if (!fixed) {
        add_node_entry(analysis.global, EK_INSTANCE_BLOCK_BEGIN, nullptr, block);
        check_instance_names(block->child1, analysis.global, true);
    }
    if (!fixed || names_instance(block->child1, wanted))
        for (SyntaxNode *d = block->child2; d; d = d->child3)
            if (d->child1)
                analyse_declaration(d->child1, analysis.global);
    if (!fixed)
        add_node_entry(analysis.global, EK_INSTANCE_BLOCK_END, nullptr, block);
    if (--analysis.open_instance_blocks < 0)
        sema_report(SEV_INTERNAL, "ENTCODUNK", QString::number(EK_INSTANCE_BLOCK_END),
                    block);
}

void analyse_declarations(SyntaxNode *list)
{
    for (SyntaxNode *d = list; d; d = d->child3) {
        if (d->child1)
            analyse_declaration(d->child1, analysis.global);
        SyntaxNode *item = d->child2;
        if (item && item->kind == NK_DECLARE_INSTANCE)
            analyse_declare_instance(item);
        else if (item && item->kind == NK_INSTANCE_BLOCK)
            analyse_instance_block(item);
    }
}

/* What was dropped or never used.   IGNEDTRON, IGNEDTROF, IGNEDFTRC,
**                                               NOPROCCAL, NODEFMESS */
void report_summary()
{
    if (analysis.ignored_trace_on)
        report_info("IGNEDTRON");
    if (analysis.ignored_trace_off)
        report_info("IGNEDTROF");
    if (analysis.ignored_flush_trace)
        report_info("IGNEDFTRC");
    for (SemanticEntry *e = analysis.global->first; e; e = e->next)
        if (e->kind == EK_PROC && e->descriptor && !proc_called(e->descriptor))
            report_at(SEV_INFO, "NOPROCCAL", QString::fromLocal8Bit(e->name),
                      e->file, int(e->line));
    SemanticEntry *last = analysis.global->last;
    if (analysis.waittils > 0 && analysis.def_messages == 1)
        report_at(SEV_INFO, "NODEFMESS", QString(), last ? last->file : nullptr,
                  last ? int(last->line) : 0);   /* the text names nothing */
}

} // namespace

/* Hands the pending native lines to the C/C++ analysis as one text, at
** the position of the first of them. */
void flush_native_text()
{
    PendingNative &p = analysis.pending;
    if (p.empty)
        return;
    declare_text(p.text.c_str(), p.file, p.line);
    p = PendingNative();
}

void analyse_script(const SemanticRequest &request, SemanticResult *out)
{
    release_checked_texts();
    analysis = AnalysisState();
    analysis.request = &request;
    SyntaxNode *root = request.tree;
    expect_node(root, NK_SCRIPT);
    declare_builtins();
    analysis.global = new_scope(nullptr, nullptr);
    semantic_state = SemanticState{analysis.global, 0, 0};
    add_header(root->child1);
    if (request.scanner_flags == 2)
        add_builtin_commtype();
    settle_instance_mode(root->child2);
    analyse_declarations(root->child2);
    flush_native_text();
    if (root->child3)
        analyse_scenario_items(root->child3, analysis.global);
    report_summary();
    release_checked_texts();

    *out = SemanticResult();
    out->global = analysis.global;
    out->instance_mode = analysis.instance_mode;
    out->instance_rank = analysis.instance_rank;
    out->timer_count = analysis.timers;
    out->highest_channel = analysis.highest_channel;
}

void free_semantic_tables(Scope *global)
{
    free_entries(global);
    if (semantic_state.global == global)
        semantic_state = SemanticState();
    if (analysis.global == global)
        analysis.global = nullptr;
}
