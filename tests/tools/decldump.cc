/*
** tests/tools/decldump.cc
** Test tool: preprocesses interface files (after an optional standard-
** define file), analyses the declarations and prints what the model
** holds; diagnostics go to standard error as
** "<severity> <code> <file>:<line>: <text>".
**
** Usage: decldump [-Idir]... [-Dname[=value]]... [-std file] [-E] [-q]
**                 file...
** -E prints the preprocessed text instead of analysing it; -q prints no
** model summary.  The summary is one sorted line per item:
** "struct|union|class|enum <tag> <members>", "typedef <name>",
** "function <name>", "variable <name>".
** Exit status 0; 1 when a syntax error was found; 2 on a fatal report.
*/
#include "decl.h"
#include "model.h"
#include "pp.h"
#include "report_hook.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

namespace {

bool fatal_seen = false;
int syntax_errors = 0;

void print_report(int severity, const char *code, const char *text,
                  const char *file, int line)
{
    static const char letters[] = "SFEWI";
    fprintf(stderr, "%c %s %s:%d: %s\n",
            severity >= 0 && severity <= 4 ? letters[severity] : '?', code,
            file ? file : "", line, text ? text : "");
    if (severity <= 1)
        fatal_seen = true;
    if (!strcmp(code, "SYNTAXERR") || !strcmp(code, "UNEXP_EOF"))
        syntax_errors++;
}

const char *tag_word(const CType *type)
{
    switch (type->kind) {
    case CT_UNION: return "union";
    case CT_ENUM: return "enum";
    case CT_TEMPLATE: return "template";
    case CT_INSTANCE: return "instance";
    default: return type->class_body && type->class_body->is_class ? "class"
                                                                   : "struct";
    }
}

void tag_line(const CSymbol *s, std::set<std::string> &out)
{
    const CType *t = s->type;
    if (!t || !s->name)
        return;
    std::string line = std::string(tag_word(t)) + " " + s->name;
    if (t->class_body)
        line += " " + std::to_string(t->class_body->members.size());
    else if (t->enum_body)
        line += " " + std::to_string(t->enum_body->enumerators.size());
    else
        line += " -";
    out.insert(line);
}

void ordinary_line(CSymbol *s, std::set<std::string> &out)
{
    if (!s->name || s->owner)
        return;
    const char *what = is_typedef_symbol(s)           ? "typedef"
                       : is_function_type(s->type) ? "function"
                                                     : "variable";
    out.insert(std::string(what) + " " + s->name);
}

void print_model(CSymbolTable *table)
{
    std::set<std::string> lines;
    for (int b = 0; b < TABLE_BUCKETS; b++) {
        for (CTableEntry *e = table->sections[SEC_TAGS].head[b]; e; e = e->next)
            tag_line(e->symbol, lines);
        for (CTableEntry *e = table->sections[SEC_ORDINARY].head[b]; e;
             e = e->next)
            ordinary_line(e->symbol, lines);
    }
    for (const std::string &line : lines)
        printf("%s\n", line.c_str());
}

} // namespace

int main(int argc, char **argv)
{
    TextList defines, dirs, files;
    const char *std_file = nullptr;
    bool preprocess_only = false, quiet = false;
    for (int i = 1; i < argc; i++) {
        if (!strncmp(argv[i], "-I", 2))
            dirs.push_back(argv[i] + 2);
        else if (!strncmp(argv[i], "-D", 2))
            defines.push_back(argv[i] + 2);
        else if (!strcmp(argv[i], "-std") && i + 1 < argc)
            std_file = argv[++i];
        else if (!strcmp(argv[i], "-E"))
            preprocess_only = true;
        else if (!strcmp(argv[i], "-q"))
            quiet = true;
        else
            files.push_back(argv[i]);
    }
    init_intern_table();
    set_report_hook(print_report);
    pp_start(PpStartOptions(), defines, dirs, nullptr);
    std::string text;
    if (std_file)
        text += "#include \"" + std::string(std_file) + "\"\n";
    for (const std::string &f : files)
        text += "#include \"" + f + "\"\n";
    std::string result;
    pp_process_text(text.c_str(), true, "<decldump>", 1, result);
    if (fatal_seen)
        return 2;
    if (preprocess_only) {
        fwrite(result.data(), 1, result.size(), stdout);
        return 0;
    }
    analyse_declarations(result.c_str(), "<decldump>", "", 1, print_report);
    if (!quiet)
        print_model(decl_table());
    return fatal_seen ? 2 : syntax_errors ? 1 : 0;
}
