/*
** src/capi/bridge/bridge_text.cc
** Flattening preprocessed text into one line for the expression analysis.
**
** Line markers ("#line ...") are dropped; the other lines are joined with
** blanks.  Character and string constants are copied unchanged, escaped
** quotes included; a constant left open at the end of a line stops there.
*/
#include "capi.h"

#include <cstring>

namespace {

bool is_line_marker(const char *line)
{
    if (*line != '#')
        return false;
    line++;
    while (*line == ' ' || *line == '\t')
        line++;
    return strncmp(line, "line", 4) == 0;
}

/* Copies a quoted constant starting at `p` (on its quote); returns the
** position after it. */
const char *copy_quoted(const char *p, std::string &out)
{
    char quote = *p;
    out += *p++;
    while (*p && *p != '\n') {
        if (*p == '\\' && p[1] && p[1] != '\n') {
            out += *p++;
            out += *p++;
            continue;
        }
        out += *p;
        if (*p++ == quote)
            break;
    }
    return p;
}

} // namespace

void flatten_preprocessed_text(const char *text, std::string &result)
{
    result.clear();
    if (!text)
        return;
    bool line_start = true;
    for (const char *p = text; *p;) {
        if (line_start && is_line_marker(p)) {
            const char *end = strchr(p, '\n');
            if (!end)
                break;
            p = end + 1;
            continue;
        }
        line_start = false;
        if (*p == '"' || *p == '\'') {
            p = copy_quoted(p, result);
        } else if (*p == '\n') {
            result += ' ';
            p++;
            line_start = true;
        } else {
            result += *p++;
        }
    }
}
