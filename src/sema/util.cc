/*
** src/sema/util.cc
** Small helpers of semantic analysis: positions, entries and texts.
*/
#include "sema_int.h"

#include <cctype>
#include <cstring>

AnalysisState analysis;

void sema_report(int severity, const char *code, const QString &arg,
                 const SyntaxNode *node)
{
    report_at(severity, code, arg, node ? node->file : nullptr,
              node ? int(node->line) : 0);
}

char *copy_text(const char *text)
{
    return table_text(text);
}

/* An empty name is never released with its entry: all share this one. */
char empty_name[] = "";

char *copy_name(const char *name)
{
    return name && !*name ? empty_name : copy_text(name);
}

SemanticEntry *add_node_entry(Scope *scope, uint32_t kind, const char *name,
                              const SyntaxNode *node, const char *aux)
{
    return add_entry(scope, kind, copy_name(name), node->file,
                     node->file_number, node->line, copy_text(aux));
}

std::string expression_text(const SyntaxNode *expr)
{
    std::string out;
    for (const SyntaxNode *e = expr; e && e->kind == NK_EXPR; e = e->child2) {
        const SyntaxNode *piece = e->child1;
        std::string text;
        if (!piece || piece->kind == NK_EMPTY)
            continue;
        if (piece->kind == NK_NATIVE_EXPR)
            text = piece->text ? piece->text : "";
        else
            term_text(piece, TERM_SCRIPT, text);
        if (!out.empty() && !text.empty())
            out += ' ';
        out += text;
    }
    return out;
}

void declare_text(const char *text, const char *file, uint32_t line)
{
    std::string preprocessed;
    if (preprocess_text(text, true, file ? file : "", int(line), preprocessed,
                        nullptr))
        analyse_declaration_text(preprocessed.c_str(), analysis.unit.c_str(),
                                 file ? file : "", int(line));
}

void push_on_unit_chain(SemanticEntry *entry)
{
    entry->link = analysis.global->unit_chain;
    analysis.global->unit_chain = entry;
}

std::string trimmed(const char *text)
{
    std::string s = text ? text : "";
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos)
        return "";
    size_t e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

int32_t &HashIndex::slot(uint64_t hash, bool &added)
{
    if (hash == 0)
        hash = 1;   /* 0 marks an empty slot */
    if (2 * (count_ + 1) > slots_.size()) {
        std::vector<Slot> old(slots_.empty() ? 1024 : 2 * slots_.size(), Slot{0, 0});
        old.swap(slots_);
        count_ = 0;
        for (const Slot &s : old)
            if (s.hash)
                slot(s.hash, added) = s.number;
    }
    size_t mask = slots_.size() - 1;
    size_t i = hash & mask;
    while (slots_[i].hash && slots_[i].hash != hash)
        i = (i + 1) & mask;
    added = !slots_[i].hash;
    if (added) {
        slots_[i] = Slot{hash, -1};
        count_++;
    }
    return slots_[i].number;
}

void HashIndex::clear()
{
    slots_.clear();
    count_ = 0;
}

void unit_scope_key(std::string &key)
{
    char scope[32];
    snprintf(scope, sizeof scope, "%p\n", visible_scope(analysis.unit.c_str()));
    key = scope;
}

bool constant_text(const std::string &text, const SyntaxNode *at)
{
    if (text.empty())
        return false;
    unsigned char c = (unsigned char)text[0];
    if (isdigit(c) || c == '\'' || c == '"' || c == '-' || c == '+' || c == '.')
        return true;
    std::string expanded, flat;
    preprocess_text(text.c_str(), true, at->file, int(at->line), expanded, nullptr);
    flatten_preprocessed_text(expanded.c_str(), flat);
    return !flat.empty() && flat != text && !(isalpha((unsigned char)flat[0]) || flat[0] == '_');
}
