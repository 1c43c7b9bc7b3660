/*
** tests/sema/sema_harness_util.cc
** A small harness that runs the body and unit analyses on a parsed
** script without the whole analysis driver.
**
** The harness declares communication types, channels, messages, instances
** and native lines itself (plainly, without the driver's checks), then
** hands PROC, CALLBACK, PROCSEND and CATCH declarations and the leaf body
** of one SCENARIO to the analyses under test.  Tables are printed one
** entry a line, nested scopes indented, with the descriptor slots that
** the tests look at.
*/
#include "sema_harness.h"

#include "run_program.h"

#include <gtest/gtest.h>

namespace {

char *dup(const char *text)
{
    return text ? xstrdup(text) : nullptr;
}

SemanticEntry *plain_entry(uint32_t kind, const char *name, uint32_t code)
{
    SemanticEntry *e = add_entry(analysis.global, kind, dup(name), "t.pts", 1, 1, nullptr);
    if (code)
        add_descriptor(e, code);
    return e;
}

void harness_message(SyntaxNode *node)
{
    const char *type = node->child1->text;
    SemanticEntry *t = find_message_type(type);
    if (!t) {
        t = plain_entry(EK_MESSAGE_TYPE, type, DC_MESSAGE_TYPE);
        type_number(t->descriptor) = analysis.message_types++;
        new_scope(t->descriptor, analysis.global);
    }
    for (SyntaxNode *n = node->child2; n; n = n->child2) {
        SemanticEntry *m = plain_entry(EK_MESSAGE, n->child1->text, DC_MESSAGE);
        message_type(m->descriptor) = t;
        message_index(m->descriptor) = type_message_count(t->descriptor)++;
        std::string text = std::string(type) + " " + n->child1->text + ";";
        analyse_declaration_text(text.c_str(), "", "t.pts", 1);
    }
}

void harness_declaration(SyntaxNode *node)
{
    switch (node->kind) {
    case NK_COMMTYPE: {
        SemanticEntry *c = plain_entry(EK_COMMTYPE, node->child1->text, DC_COMMTYPE);
        commtype_id_type(c->descriptor) = dup(node->child2->text);
        commtype_multiplexing(c->descriptor) = node->child3 != nullptr;
        commtype_number(c->descriptor) = analysis.commtypes++;
        break;
    }
    case NK_CHANNEL:
        for (SyntaxNode *n = node->child2; n; n = n->child2) {
            SemanticEntry *ch = plain_entry(EK_CHANNEL, n->child1->text, DC_CHANNEL);
            SemanticEntry *c = find_commtype(node->child1->text);
            channel_commtype(ch->descriptor) = c;
            if (c)
                channel_index(ch->descriptor) = commtype_channel_count(c->descriptor)++;
        }
        break;
    case NK_MESSAGE: harness_message(node); break;
    case NK_NATIVE_LINE:
        analyse_declaration_text(node->text, "", node->file, int(node->line));
        break;
    case NK_PROC: analyse_proc(node, analysis.global); break;
    case NK_CALLBACK: case NK_VIRTUAL_CALLBACK: analyse_callback(node, analysis.global); break;
    case NK_PROCSEND: case NK_VIRTUAL_PROCSEND: analyse_procsend(node, analysis.global); break;
    case NK_CATCH: analyse_catch(node, analysis.global, nullptr); break;
    default: break;
    }
}

/* The statement body of the first SCENARIO of the root, as a leaf. */
void harness_scenario(SyntaxNode *root_items)
{
    SyntaxNode *root = root_items ? root_items->child1 : nullptr;
    SyntaxNode *items = root ? root->child2->child3 : nullptr;
    for (; items && items->kind == NK_SCENARIO_ITEM_LIST; items = items->child2) {
        SyntaxNode *item = items->child1;
        if (item->kind != NK_SCENARIO)
            continue;
        SemanticEntry *e = add_node_entry(analysis.global, EK_SCENARIO, item->child1->text, item);
        SemanticDescriptor *d = add_descriptor(e, DC_SCENARIO);
        Scope *body = new_scope(d, analysis.global);
        analysis.unit = item->child1->text;
        analysis.statements_seen = false;
        analyse_body(item->child2->child3, body);
        close_unit();
        return;
    }
}

void print_scope(const Scope *scope, int depth, std::string &out);

void print_entry(const SemanticEntry *e, int depth, std::string &out)
{
    out += std::string(size_t(depth) * 2, ' ');
    out += entry_kind_name(e->kind);
    if (e->name)
        out += std::string(" ") + e->name;
    if (e->aux)
        out += std::string(" aux=") + e->aux;
    SemanticDescriptor *d = e->descriptor;
    if (d) {
        for (int i = 0; i < 6; i++)
            if (d->texts[i])
                out += std::string(" t") + std::to_string(i) + "=" + d->texts[i];
        if (d->type_class)
            out += " class=" + std::to_string(d->type_class);
        if (d->flag)
            out += " flag=" + std::to_string(d->flag);
        if (d->target)
            out += std::string(" ->") + (d->target->name ? d->target->name : "-");
        if (d->target3)
            out += std::string(" =>") + (d->target3->name ? d->target3->name : "-");
    }
    out += "\n";
    if (d && d->second_scope) {
        out += std::string(size_t(depth) * 2 + 1, ' ') + "second:\n";
        print_scope(d->second_scope, depth + 1, out);
    }
    if (d && d->inner)
        print_scope(d->inner, depth + 1, out);
}

void print_scope(const Scope *scope, int depth, std::string &out)
{
    for (const SemanticEntry *e = scope->first; e; e = e->next)
        print_entry(e, depth, out);
}

} // namespace

/* A fresh interface analysis for every run: other suites in the same
** process declare their own names into it. */
void harness_start()
{
    static bool catalogues = false;
    if (!catalogues) {
        init_intern_table();
        init_script_messages();
        init_bibli_messages();
        init_modbas_messages();
        init_anaccpp_messages();
        catalogues = true;
    }
    start_interface_analysis(2, {}, {}, nullptr);
}

HarnessRun run_harness(const std::string &script, int trace, int instance_mode,
                       const char *instance)
{
    harness_start();
    std::string dir = make_temp_dir();
    write_file(dir + "/t.pts", script);
    ParseResult parsed;
    testing::internal::CaptureStderr();
    parse_script((dir + "/t.pts").c_str(), TextList(), 1, &parsed);
    static SemanticRequest request;
    request = SemanticRequest{};
    request.trace = trace;
    request.instance = instance ? instance : "";
    release_checked_texts();
    analysis = AnalysisState();
    analysis.request = &request;
    analysis.global = new_scope(nullptr, nullptr);
    analysis.instance_mode = instance_mode;
    semantic_state = SemanticState{analysis.global, 0, instance_mode == 1};
    if (parsed.tree) {
        for (SyntaxNode *l = parsed.tree->child2; l; l = l->child3) {
            if (l->child1)
                harness_declaration(l->child1);
            if (l->child2 && l->child2->kind == NK_DECLARE_INSTANCE)
                for (SyntaxNode *n = l->child2->child1; n; n = n->child2)
                    plain_entry(EK_INSTANCE, n->child1->text, DC_INSTANCE);
        }
        harness_scenario(parsed.tree->child3);
    }
    HarnessRun run;
    /* The interface model lives as long as the process, so the head's
    ** declarations meet their earlier runs: those redefinitions are noise. */
    std::string printed = testing::internal::GetCapturedStderr();
    for (size_t at = 0; at < printed.size();) {
        size_t end = printed.find('\n', at);
        end = end == std::string::npos ? printed.size() : end + 1;
        std::string line = printed.substr(at, end - at);
        if (line.find("-REDEFSTRU,") == std::string::npos)
            run.messages += line;
        at = end;
    }
    print_scope(analysis.global, 0, run.tables);
    free_entries(analysis.global);
    release_checked_texts();
    analysis = AnalysisState();
    semantic_state = SemanticState();
    free_syntax_tree(parsed.tree);
    free_script_files(parsed.files);
    return run;
}
