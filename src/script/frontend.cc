/*
** src/script/frontend.cc
** Script front end entry: parse the script into the tree and file list.
*/
#include "script_int.h"

void parse_script(const char *file, const TextList &include_dirs,
                  int comment_flag, ParseResult *out)
{
    reader_open_script(file, include_dirs);
    scanner_reset();
    ParseContext ctx{comment_flag, nullptr, TextArena()};
    run_script_parser(&ctx);
    arena_release(ctx.arena);
    *out = ParseResult();
    out->tree = make_root_scenario(ctx.root);
    out->files = reader_file_list();
    out->scanner_flags = scanner_flags();
    reader_close();
}

void free_syntax_tree(SyntaxNode *tree)
{
    free_tree(tree, 1);
}

void free_script_files(ScriptFile *files)
{
    while (files) {
        ScriptFile *next = files->next;
        xfree(files->name);
        xfree(files->absolute_path);
        xfree(files->absolute_dir);
        xfree(files);
        files = next;
    }
}
