/*
** tests/capi/pp/pp_test_util.cc
** Helpers for the preprocessor tests.
*/
#include "pp_test_util.h"

#include "report_hook.h"

#include <cctype>
#include <cstring>

namespace {

std::vector<CapturedReport> *capture = nullptr;

void capture_report(int severity, const char *code, const char *text,
                    const char *file, int line)
{
    if (capture)
        capture->push_back({severity, code, text, file ? file : "", line});
}

bool word_char(char c)
{
    return isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$';
}

size_t literal_length(const std::string &s, size_t i)
{
    char quote = s[i];
    size_t j = i + 1;
    while (j < s.size() && s[j] != quote) {
        if (s[j] == '\\')
            j++;
        j++;
    }
    return std::min(j + 1, s.size()) - i;
}

size_t punct_length(const std::string &s, size_t i)
{
    static const char *const three[] = {"<<=", ">>=", "...", "->*"};
    static const char *const two[] = {"->", "++", "--", "<<", ">>", "<=",
                                      ">=", "==", "!=", "&&", "||", "*=",
                                      "/=", "%=", "+=", "-=", "&=", "^=",
                                      "|=", "##", "::", ".*"};
    for (const char *p : three)
        if (s.compare(i, 3, p) == 0)
            return 3;
    for (const char *p : two)
        if (s.compare(i, 2, p) == 0)
            return 2;
    return 1;
}

/* One token of `s` at `i` (not a blank). */
size_t token_length(const std::string &s, size_t i)
{
    char c = s[i];
    size_t j = i;
    if (word_char(c) && !isdigit(static_cast<unsigned char>(c))) {
        while (j < s.size() && word_char(s[j]))
            j++;
        if (j < s.size() && (s[j] == '"' || s[j] == '\'')) {
            std::string prefix = s.substr(i, j - i);
            if (prefix == "L" || prefix == "u" || prefix == "U" || prefix == "u8")
                return j - i + literal_length(s, j);
        }
        return j - i;
    }
    if (isdigit(static_cast<unsigned char>(c)) ||
        (c == '.' && i + 1 < s.size() && isdigit(static_cast<unsigned char>(s[i + 1])))) {
        j++;
        while (j < s.size()) {
            if ((s[j] == '+' || s[j] == '-') && strchr("eEpP", s[j - 1]))
                j++;
            else if (word_char(s[j]) || s[j] == '.')
                j++;
            else
                break;
        }
        return j - i;
    }
    if (c == '"' || c == '\'')
        return literal_length(s, i);
    return punct_length(s, i);
}

bool skipped_line(const std::string &line)
{
    size_t i = line.find_first_not_of(" \t");
    if (i == std::string::npos || line[i] != '#')
        return false;
    i = line.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos)
        return false;
    if (isdigit(static_cast<unsigned char>(line[i])) ||
        line.compare(i, 5, "line ") == 0)
        return true;
    if (line.compare(i, 6, "pragma") == 0) {
        size_t k = line.find_first_not_of(" \t", i + 6);
        return k != std::string::npos && line.compare(k, std::string::npos, "once") == 0;
    }
    return false;
}

} // namespace

std::vector<std::string> c_tokens(const std::string &text)
{
    std::vector<std::string> out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!skipped_line(line))
            for (size_t i = 0; i < line.size();) {
                if (isspace(static_cast<unsigned char>(line[i]))) {
                    i++;
                    continue;
                }
                size_t n = token_length(line, i);
                out.push_back(line.substr(i, n));
                i += n;
            }
        start = end + 1;
    }
    return out;
}

std::string PpRun::tokens() const
{
    std::string joined;
    for (const std::string &t : c_tokens(out)) {
        if (!joined.empty())
            joined.push_back(' ');
        joined += t;
    }
    return joined;
}

bool PpRun::has(const char *code) const { return find(code) != nullptr; }

const CapturedReport *PpRun::find(const char *code) const
{
    for (const CapturedReport &r : reports)
        if (r.code == code)
            return &r;
    return nullptr;
}

std::string PpRun::codes() const
{
    std::string joined;
    for (const CapturedReport &r : reports) {
        if (!joined.empty())
            joined.push_back(' ');
        joined += r.code;
    }
    return joined;
}

PpRun pp_run(const std::string &text, const TextList &defines,
             const TextList &dirs, PpStartOptions options)
{
    PpRun run;
    capture = &run.reports;
    ReportHook previous = set_report_hook(capture_report);
    pp_start(options, defines, dirs, nullptr);
    run.errors = pp_process_text(text.c_str(), true, "t.c", 1, run.out);
    set_report_hook(previous);
    capture = nullptr;
    return run;
}
