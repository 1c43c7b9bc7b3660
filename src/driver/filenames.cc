/*
** src/driver/filenames.cc
** File-name routines: joining, suffixes and relative directories.
**
** Output names are a command-line value with its last suffix cut off plus
** a suffix that an environment variable (ZRS_LIS, ZRS_TDC, ...) overrides
** when set and non-empty.  A dot inside a directory name is never a suffix.
*/
#include "driver.h"
#include "diag.h"
#include "support.h"

#include <cstdlib>
#include <cstring>

void path_join(const char *directory, const char *name, std::string &result)
{
    if (!directory || !name)
        return;
    if (name[0] == '/')
        result = name;
    else if (name[0] == '\0')
        result = directory;
    else
        checked_sprintf(result, "%s%c%s", directory, '/', name);
}

void split_suffix(std::string &name, std::string &suffix)
{
    suffix.clear();
    for (size_t i = name.size(); i-- > 0;) {
        if (name[i] == '/')
            return;
        if (name[i] == '.') {
            suffix = name.substr(i + 1);
            name.erase(i);
            return;
        }
    }
}

void append_suffix(std::string &name, const char *suffix)
{
    name += '.';
    name += suffix;
}

void append_default_suffix(std::string &name, const char *default_suffix,
                           const char *variable)
{
    const char *value = variable ? getenv(variable) : nullptr;
    append_suffix(name, value && *value ? value : default_suffix);
}

void add_suffix_unless_present(std::string &name, const char *default_suffix,
                               const char *variable)
{
    std::string base = name, suffix;
    split_suffix(base, suffix);
    if (suffix.empty()) {
        name = base;
        append_default_suffix(name, default_suffix, variable);
    }
}

namespace {

std::string as_directory(const char *path)
{
    std::string dir = path;
    if (dir.empty() || dir.back() != '/')
        dir += '/';
    return dir;
}

/* Length of the component starting at `from`, its '/' included. */
size_t component_length(const std::string &path, size_t from)
{
    size_t slash = path.find('/', from);
    return slash == std::string::npos ? path.size() - from : slash - from + 1;
}

} // namespace

/* "../" once per component of `from` beyond the common ones, then the rest
** of `to`.  Equal directories give the empty text. */
char *relative_path(const char *from, const char *to)
{
    if (!from || !to || from[0] != '/' || to[0] != '/')
        return nullptr;
    std::string a = as_directory(from), b = as_directory(to);
    if (a.back() != '/' || b.back() != '/')
        report_internal("BADPARAMS");
    size_t pa = 0, pb = 0;
    /* Walk equal leading components. */
    while (pa < a.size() && pb < b.size()) {
        size_t la = component_length(a, pa), lb = component_length(b, pb);
        if (la != lb || a.compare(pa, la, b, pb, lb) != 0)
            break;
        pa += la;
        pb += lb;
    }
    std::string result;
    for (size_t p = pa; p < a.size(); p += component_length(a, p)) {
        result += "..";
        result += '/';
    }
    result += b.substr(pb);
    return xstrdup(result.c_str());
}
