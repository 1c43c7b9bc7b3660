/*
** src/driver/depfile.cc
** The dependency file: one make rule from the generated files to the
** files the run read.
**
** When ZRS_DEPFILE names a file, a run that ends without error writes
** there the rule "targets: prerequisites", as C compilers do for -MD, so
** that make and ninja rebuild a test driver when its script, an included
** script, the standard-define file or an interface header changes.  Names
** are written as the run opened them, each once, escaped the way make
** reads them; long rules are continued over lines.
*/
#include "driver.h"
#include "diag.h"
#include "support.h"

#include <cstdlib>
#include <set>

/* Make reads "\ " as a blank inside a name, "$$" as "$" and "\#" as "#";
** backslashes just before a blank are doubled so that they stay
** backslashes.  The other characters are written as they are. */
std::string make_escaped(const std::string &name)
{
    std::string out;
    size_t backslashes = 0;
    for (char c : name) {
        if (c == ' ' || c == '\t') {
            out.append(backslashes, '\\');
            out += '\\';
        } else if (c == '#') {
            out += '\\';
        } else if (c == '$') {
            out += '$';
        }
        backslashes = c == '\\' ? backslashes + 1 : 0;
        out += c;
    }
    return out;
}

/* "t1 t2: p1 \\\n p2 ...\n": every prerequisite after the first on its
** own continued line, a name listed twice written once. */
std::string dependency_rule(const TextList &targets,
                            const TextList &prerequisites)
{
    std::string rule;
    for (const std::string &target : targets)
        rule += (rule.empty() ? "" : " ") + make_escaped(target);
    rule += ":";
    std::set<std::string> seen;
    for (const std::string &name : prerequisites) {
        if (name.empty() || !seen.insert(name).second)
            continue;
        rule += (seen.size() == 1 ? " " : " \\\n  ") + make_escaped(name);
    }
    return rule + "\n";
}

/* The file named by ZRS_DEPFILE (unset or empty: none is written); one
** that cannot be created ends the run like any output (FICERROPN). */
void write_dependency_file(const TextList &targets,
                           const TextList &prerequisites)
{
    const char *path = getenv("ZRS_DEPFILE");
    if (!path || !*path || targets.empty())
        return;
    FILE *stream;
    if (!open_file(path, "w", &stream))
        report_fatal_c("FICERROPN", path, "");
    checked_fprintf(stream, "%s", dependency_rule(targets, prerequisites).c_str());
    checked_fclose(stream);
}
