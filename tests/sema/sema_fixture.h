/*
** tests/sema/sema_fixture.h
** Fixture for the unit tests of scenario selection, WAITTIL and value
** descriptions: the interface analysis started once with the runtime's
** value declarations, a fresh global scope per test, hand-made script
** declarations (communication types, channels, message types, messages,
** callbacks) and a compact printer of value descriptions.
*/
#ifndef ZRS_TEST_SEMA_FIXTURE_H
#define ZRS_TEST_SEMA_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_program.h"
#include "sema_harness.h"

class SemaTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        harness_start();   /* per suite: the harness suites restart it too */
        declare_c("#define NIL 0\nvoid *NONIL;\n");
    }
    void SetUp() override
    {
        release_checked_texts();
        analysis = AnalysisState();
        request = SemanticRequest{};
        request.family = &family;
        request.exfamily = &exfamily;
        request.scn = &scn;
        request.exscn = &exscn;
        request.fast = 1;
        request.instance = "";
        analysis.request = &request;
        analysis.global = new_scope(nullptr, nullptr);
        semantic_state = SemanticState{analysis.global, 0, 0};
        node = SyntaxNode{};
        node.file = "s.pts";
        node.line = 7;
    }
    void TearDown() override
    {
        free_entries(analysis.global);
        release_checked_texts();
        semantic_state = SemanticState();
        free_parsed();
    }
    void free_parsed()
    {
        free_syntax_tree(parsed.tree);
        free_script_files(parsed.files);
        parsed = ParseResult();
    }

    /* Parses a script (kept until the next parse or the end of the test);
    ** its scenario items, the root's list. */
    SyntaxNode *parse_items(const std::string &script)
    {
        free_parsed();
        std::string path = make_temp_dir() + "/t.pts";
        write_file(path, "HEADER \"a\", \"b\", \"c\"\n" + script);
        parse_script(path.c_str(), TextList(), 1, &parsed);
        EXPECT_NE(parsed.tree, nullptr);
        return parsed.tree ? parsed.tree->child3 : nullptr;
    }

    /* C declarations of the interface, in the global namespace. */
    static void declare_c(const char *text)
    {
        std::string pre;
        preprocess_text(text, true, "t.h", 1, pre, nullptr);
        analyse_declaration_text(pre.c_str(), "", "t.h", 1);
    }

    /* The statement nodes (NK_STATEMENT's child2) of one scenario body
    ** holding `statements`, in order. */
    std::vector<SyntaxNode *> statements(const std::string &statements)
    {
        std::vector<SyntaxNode *> out;
        SyntaxNode *items = parse_items("SCENARIO s\n" + statements + "END SCENARIO\n");
        SyntaxNode *root = items ? items->child1 : nullptr;
        SyntaxNode *level = root ? root->child2->child3 : nullptr;
        SyntaxNode *body = level ? level->child1->child2->child3 : nullptr;
        for (SyntaxNode *b = body; b; b = b->child3)
            if (b->kind == NK_BLOCK && b->child1 && b->child1->kind == NK_STATEMENT)
                out.push_back(b->child1->child2);
        return out;
    }

    /* ---- Hand-made script declarations ---- */
    SemanticEntry *global_entry(uint32_t kind, const char *name, uint32_t code)
    {
        SemanticEntry *e = add_entry(analysis.global, kind, copy_text(name), "s.pts",
                                     1, 1, nullptr);
        add_descriptor(e, code);
        return e;
    }
    SemanticEntry *commtype(const char *name)
    {
        SemanticEntry *e = global_entry(EK_COMMTYPE, name, DC_COMMTYPE);
        commtype_number(e->descriptor) = analysis.commtypes++;
        return e;
    }
    SemanticEntry *channel(const char *name, SemanticEntry *comm)
    {
        SemanticEntry *e = global_entry(EK_CHANNEL, name, DC_CHANNEL);
        channel_commtype(e->descriptor) = comm;
        channel_index(e->descriptor) = commtype_channel_count(comm->descriptor)++;
        return e;
    }
    SemanticEntry *message_type_entry(const char *type)
    {
        SemanticEntry *e = find_message_type(type);
        if (e)
            return e;
        e = global_entry(EK_MESSAGE_TYPE, type, DC_MESSAGE_TYPE);
        type_number(e->descriptor) = analysis.message_types++;
        new_scope(e->descriptor, analysis.global);
        std::string text = std::string("int zrk_msg_") + type + "[];";
        declare_c(text.c_str());
        return e;
    }
    SemanticEntry *message(const char *name, const char *type)
    {
        SemanticEntry *t = message_type_entry(type);
        SemanticEntry *e = global_entry(EK_MESSAGE, name, DC_MESSAGE);
        message_type(e->descriptor) = t;
        message_index(e->descriptor) = type_message_count(t->descriptor)++;
        std::string text = std::string(type) + " " + name + ";";
        declare_c(text.c_str());
        return e;
    }
    SemanticEntry *callback(const char *type, SemanticEntry *comm)
    {
        std::string name = std::string(type) + "_ON_" + comm->name;
        SemanticEntry *e = global_entry(EK_CALLBACK, name.c_str(), DC_CALLBACK);
        handler_message_type(e->descriptor) = message_type_entry(type);
        handler_commtype(e->descriptor) = comm;
        return e;
    }

    /* Runs `f`, returning what it printed. */
    /* Positions in parsed scripts read "[t.pts:line]". */
    template <typename F>
    static std::string printed(F f)
    {
        testing::internal::CaptureStderr();
        f();
        std::string out = testing::internal::GetCapturedStderr();
        for (size_t at = out.find("[/"); at != std::string::npos; at = out.find("[/", at + 1)) {
            size_t name = out.find("/t.pts:", at);
            if (name != std::string::npos && name < out.find(']', at))
                out.erase(at + 1, name + 1 - (at + 1));
        }
        return out;
    }
    static std::string error_line(const char *code, const std::string &text,
                                  char letter = 'E', int line = 7,
                                  const char *file = "s.pts")
    {
        return std::string("Korvat-") + letter + "-" + code + ",  [" + file + ":" +
               std::to_string(line) + "] " + text + "\n";
    }

    /* A value description in one line: kind, name, "=value", ":type",
    ** "[low..high]", "#member", "*" when walked whole, then the nested
    ** level in braces. */
    static std::string print_values(const Scope *scope)
    {
        std::string out;
        for (const SemanticEntry *e = scope ? scope->first : nullptr; e; e = e->next) {
            if (!out.empty())
                out += ' ';
            out += value_kind_name(e->kind);
            SemanticDescriptor *d = e->descriptor;
            bool value = d && (d->code == DC_VALUE_INIT || d->code == DC_VALUE_CHECK ||
                               d->code == DC_VALUE_COMPARE);
            if (e->name)
                out += std::string(" ") + e->name;
            if (!value)
                ;
            else if (value_min(d))
                out += std::string("~") + value_min(d) + ".." + value_max(d);
            else if (value_text(d))
                out += std::string("=") + value_text(d);
            if (value && (value_low(d) != -1 || value_high(d) != -1))
                out += "[" + std::to_string(value_low(d)) + ".." +
                       std::to_string(value_high(d)) + "]";
            if (value && e->kind == EK_VALUE_UNION)
                out += "#" + std::to_string(value_member(d));
            if (value && value_whole(d))
                out += "*";
            if (d && d->inner)
                out += "{" + print_values(d->inner) + "}";
        }
        return out;
    }
    static const char *value_kind_name(uint32_t kind)
    {
        switch (kind) {
        case EK_VALUE_ROOT: return "root";
        case EK_VALUE_STRUCT: return "struct";
        case EK_VALUE_UNION: return "union";
        case EK_VALUE_ARRAY: return "array";
        case EK_VALUE_ELEMENT: return "elem";
        case EK_VALUE_SCALAR: return "val";
        case EK_VALUE_RANGE: return "range";
        case EK_VALUE_PATH: return "path";
        default: return entry_kind_name(kind);
        }
    }

    SemanticRequest request;
    TextList family, exfamily, scn, exscn;
    SyntaxNode node;   /* the statement's position */
    ParseResult parsed;
};

#endif
