/*
** src/script/script.h
** Script front end and semantic analysis: what the driver calls.
**
** The parser turns the test script and its included files into a syntax
** tree and the script file list; semantic analysis checks the tree and
** fills the semantic tables that the generators read.
*/
#ifndef ZRS_SCRIPT_H
#define ZRS_SCRIPT_H

#include "support.h"

struct SyntaxNode;
struct ScriptFile;
struct SemanticTables;

struct ParseResult {
    SyntaxNode *tree = nullptr;
    ScriptFile *files = nullptr;   /* newest first: the script itself last */
    int scanner_flags = 0;
};

void parse_script(const char *file, const TextList &include_dirs,
                  int comment_flag, ParseResult *out);

struct SemanticRequest {
    SyntaxNode *tree;
    ScriptFile *files;
    const TextList *family, *exfamily, *scn, *exscn;
    int fast;
    int trace;
    int scanner_flags;
    const char *instance;   /* empty when not given */
};

struct SemanticResult {
    SemanticTables *tables = nullptr;
    int instance_mode = 3;    /* 3: no instance name is passed on */
    int instance_rank = 0;
    int timer_count = 0;
};

void analyse_script(const SemanticRequest &request, SemanticResult *out);

void free_syntax_tree(SyntaxNode *tree);
void free_semantic_tables(SemanticTables *tables);
void free_script_files(ScriptFile *files);

#endif
