/*
** src/capi/pp/pp_files.cc
** The preprocessor's input stack, include search list and reports.
**
** Every open file, internal text and macro expansion being rescanned is an
** entry of one stack limited to 2000 entries (NBRECURSI beyond).  Files are
** read whole; included ones are looked up as written, then through the
** search list, then in the including file's directory.  Reports carry the
** innermost file's name and line; a fatal report that returns (a test
** hook) stops the run in an orderly way instead of ending the process.
*/
#include "pp_internal.h"

#include "report_hook.h"

#include <cstdlib>
#include <cstring>

PpInput pp_input;
PpSearch pp_search;

namespace {

std::string directory_of(const char *path)
{
    if (!path)
        return ".";
    const char *slash = strrchr(path, '/');
    if (!slash)
        return ".";
    if (slash == path)
        return "/";
    return std::string(path, slash - path);
}

std::string doubled_backslashes(const std::string &dir)
{
    std::string out;
    for (char c : dir) {
        out.push_back(c);
        if (c == '\\')
            out.push_back('\\');
    }
    return out;
}

void add_search_dir(const std::string &dir, bool standard)
{
    pp_search.dirs.push_back(dir);
    if (standard)
        pp_search.standard_dirs.push_back(doubled_backslashes(dir));
}

std::string real_path(const std::string &path)
{
    char *resolved = realpath(path.c_str(), nullptr);
    if (!resolved)
        return path;
    std::string out = resolved;
    free(resolved);
    return out;
}

} // namespace

void pp_mark_once()
{
    PpEntry *file = pp_current_file();
    if (file && file->path)
        pp_search.once_files.insert(real_path(*file->path));
}

const std::string *pp_intern_name(const char *name)
{
    if (!name)
        return nullptr;
    return &*pp_input.names.insert(name).first;
}

bool pp_push_entry(PpEntry &&entry, const char *what)
{
    if (pp_input.stack.size() >= PP_MAX_INPUT) {
        pp_report(PP_FATAL, "NBRECURSI", what);
        return false;
    }
    if (entry.macro)
        entry.macro->disabled = true;
    pp_input.stack.push_back(std::move(entry));
    return true;
}

void pp_push_text(const char *data, size_t size, const char *name, int line,
                  int found_dir, const std::string &dir)
{
    pp_input.texts.emplace_back(new PpText);
    pp_prepare_text(data, size, *pp_input.texts.back());
    PpEntry e;
    e.is_file = true;
    e.name = pp_intern_name(name);
    e.path = e.name;
    e.text = pp_input.texts.back().get();
    e.line = line;
    e.found_dir = found_dir;
    e.dir = dir;
    e.cond_base = pp_input.conds.size();
    pp_push_entry(std::move(e), name ? name : "");
}

void pp_pop_entry()
{
    PpEntry &e = pp_input.stack.back();
    if (e.macro)
        e.macro->disabled = false;
    pp_input.stack.pop_back();
}

PpEntry *pp_current_file()
{
    for (size_t i = pp_input.stack.size(); i-- > 0;)
        if (pp_input.stack[i].is_file)
            return &pp_input.stack[i];
    return nullptr;
}

int pp_file_count()
{
    int count = 0;
    for (const PpEntry &e : pp_input.stack)
        count += e.is_file && e.name;
    return count;
}

/* -INCL directories, then the target's "lib", then the system ones. */
void pp_build_search_list(const TextList &include_dirs)
{
    pp_search.dirs.clear();
    pp_search.standard_dirs.clear();
    for (const std::string &dir : include_dirs)
        add_search_dir(dir, false);
    const char *target = getenv("ZRSTGT");
    if (!target)
        target = getenv("ZRKTGT");
    if (target)
        add_search_dir(std::string(target) + "/" + "lib", true);
    if (getenv("ZRW_ADD_USR_INCLUDE")) {
        add_search_dir("/usr/include", true);
        add_search_dir("/usr/local/include", true);
    }
}

/* Finds `name` as written, then through the search list (after the
** current file's directory for include_next), then in the including
** file's directory; pushes it or reports IMPOUVFIC (fatal). */
void pp_include_file(const std::string &name, bool next)
{
    PpEntry *current = pp_current_file();
    std::string includer_dir = current ? current->dir : ".";
    int start = 0;
    bool as_written = true;
    if (next && current && current->found_dir >= 0) {
        start = current->found_dir + 1;
        as_written = false;
    }
    const TextList &dirs = pp_search.dirs;
    int count = static_cast<int>(dirs.size());
    std::string data, path;
    int found = -2;
    if (as_written && !name.empty() && read_whole_file(name.c_str(), data)) {
        found = -1;
        path = name;
    }
    for (int k = start; found == -2 && k <= count; k++) {
        std::string candidate = (k < count ? dirs[k] : includer_dir) + "/" + name;
        if (!name.empty() && read_whole_file(candidate.c_str(), data)) {
            found = k;
            path = candidate;
        }
    }
    if (found == -2) {
        pp_report(PP_FATAL, "IMPOUVFIC", name);
        return;
    }
    if (!pp_search.once_files.empty() &&
        pp_search.once_files.count(real_path(path)))
        return;
    pp_search.included.push_back(path);
    pp_push_text(data.data(), data.size(), path.c_str(), 1, found,
                 directory_of(path.c_str()));
}

void pp_report_at(int severity, const char *code, const std::string &text,
                  const std::string *file, int line)
{
    if (severity == PP_ERROR)
        pp_input.errors++;
    capi_report(severity, code, text.c_str(), file ? file->c_str() : nullptr,
                line);
    if (severity <= PP_FATAL)
        pp_input.aborted = true;
}

void pp_report(int severity, const char *code, const std::string &text)
{
    PpEntry *file = pp_current_file();
    pp_report_at(severity, code, text, file ? file->name : nullptr,
                 file ? file->line : 0);
}

const TextList &pp_standard_include_dirs() { return pp_search.standard_dirs; }
const TextList &pp_included_files() { return pp_search.included; }

std::string pp_directory_of(const char *path) { return directory_of(path); }
