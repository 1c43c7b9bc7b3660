/*
** src/capi/pp/pp_main.cc
** Preprocessor start, text processing, end, and the output text.
**
** The output keeps one line per input line where it can: a token is
** written on the output line standing for its input line, short gaps are
** filled with newlines and a longer gap or a change of file gets a
** "#line N "file"" marker.  Start runs the predefined and command-line
** definitions as "#define" lines of an internal "*Initialization*" text.
*/
#include "pp_internal.h"

#include <cstring>

namespace {

enum { MAX_LINE_GAP = 7 };

/* The output of the text being processed. */
struct PpOutput {
    std::string text;
    bool started = false;               /* a marker has been written */
    const std::string *file = nullptr;  /* file of the current line */
    int line = 0;                       /* input line it stands for */
    bool bol = true;                    /* nothing on it yet */
    bool discard = false;               /* internal texts: no output */
    PpToken prev;                       /* last token written */
};
PpOutput pp_out;

const char *const predefined[] = {"ZRK_LINUX 1", "USE_ZRS 1",
                                  "ZRK_CPLUSPLUS_LANGUAGE 1"};

void end_output_line()
{
    if (!pp_out.bol) {
        pp_out.text.push_back('\n');
        pp_out.line++;
        pp_out.bol = true;
    }
}

void write_marker(int line, const std::string *file)
{
    std::string marker;
    checked_sprintf(marker, "#line %d \"%s\"\n", line,
                    file ? file->c_str() : "");
    pp_out.text += marker;
    pp_out.started = true;
    pp_out.file = file;
    pp_out.line = line;
    pp_out.bol = true;
}

/* Brings the output to `line` of `file`. */
void sync_output(const std::string *file, int line)
{
    if (!pp_out.started || file != pp_out.file) {
        end_output_line();
        write_marker(line, file);
        return;
    }
    if (line <= pp_out.line)
        return;
    if (line - pp_out.line > MAX_LINE_GAP) {
        end_output_line();
        if (line != pp_out.line)
            write_marker(line, file);
        return;
    }
    pp_out.text.append(line - pp_out.line, '\n');
    pp_out.line = line;
    pp_out.bol = true;
}

/* Pops the entries above `base` and what a fatal stop left open. */
void unwind(size_t base, size_t cond_base)
{
    while (pp_input.stack.size() > base)
        pp_pop_entry();
    if (pp_input.conds.size() > cond_base)
        pp_input.conds.resize(cond_base);
}

/* Preprocesses one text entry to its end (and the files it includes). */
void run_text(const char *data, size_t size, const char *name, int line)
{
    size_t base = pp_input.stack.size(), cond_base = pp_input.conds.size();
    pp_push_text(data, size, name, line, -1, pp_directory_of(name));
    while (pp_input.stack.size() > base && !pp_input.aborted) {
        PpToken t;
        pp_next_expanded(t);
        if (pp_input.aborted)
            break;
        if (t.kind != PK_EOF) {
            pp_emit_token(t);
            continue;
        }
        if (pp_input.stack.back().is_file)
            pp_close_conditionals(pp_input.stack.back().cond_base);
        pp_pop_entry();
    }
    unwind(base, cond_base);
}

void run_internal(const std::string &text)
{
    bool discard = pp_out.discard;
    pp_out.discard = true;
    run_text(text.data(), text.size(), "*Initialization*", 1);
    pp_out.discard = discard;
}

/* "-D" text: NAME, or NAME=VALUE (backslash-newlines removed); anything
** else is MALFOROPT. */
void apply_definition(const std::string &text)
{
    size_t i = 0;
    while (i < text.size() && (i ? pp_is_idchar(text[i]) : pp_is_idstart(text[i])))
        i++;
    std::string line;
    if (i > 0 && i == text.size()) {
        line = text + " 1";
    } else if (i > 0 && text[i] == '=') {
        line = text.substr(0, i) + " ";
        for (size_t k = i + 1; k < text.size(); k++) {
            if (text[k] == '\\' && text.compare(k + 1, 1, "\n") == 0) {
                k++;
                continue;
            }
            if (text[k] == '\\' && text.compare(k + 1, 2, "\r\n") == 0) {
                k += 2;
                continue;
            }
            line.push_back(text[k]);
        }
    } else {
        pp_report(PP_WARNING, "MALFOROPT", "-D" + text);
        return;
    }
    run_internal("#define " + line + "\n");
}

void reset_run_state()
{
    pp_input.texts.clear();
    pp_clear_scratch();
    pp_free_retired_macros();
}

} // namespace

void pp_emit_token(const PpToken &t)
{
    if (pp_out.discard || (!pp_input.expand && !pp_input.analysis))
        return;
    PpEntry *file = pp_current_file();
    sync_output(file ? file->name : nullptr, t.line);
    /* Tokens adjacent in the source stay so ("=>" and ".." of script
    ** values among them); where an expansion put tokens side by side a
    ** blank keeps them from lexing as one. */
    bool joined = pp_input.expansion_seen ||
                  ((t.flags | pp_out.prev.flags) & PF_EXPANDED);
    pp_input.expansion_seen = false;
    if (!pp_out.bol &&
        ((t.flags & PF_WHITE) || (joined && pp_avoid_paste(pp_out.prev, t))))
        pp_out.text.push_back(' ');
    pp_out.text.append(t.text, t.len);
    pp_out.bol = false;
    pp_out.prev = t;
}

void pp_emit_line(const std::string &text, int line)
{
    if (pp_out.discard)
        return;
    PpEntry *file = pp_current_file();
    end_output_line();
    sync_output(file ? file->name : nullptr, line);
    pp_out.text += text;
    pp_out.text.push_back('\n');
    pp_out.line++;
    pp_out.bol = true;
}

void pp_emit_line_marker(int line, const std::string *file)
{
    if (pp_out.discard)
        return;
    end_output_line();
    write_marker(line, file);
}

void pp_start(const PpStartOptions &options, const TextList &definitions,
              const TextList &include_dirs, const char *file)
{
    pp_init_char_classes();
    pp_clear_macros(false);
    pp_input.stack.clear();
    pp_input.conds.clear();
    pp_input.aborted = false;
    pp_input.expanded = 0;
    pp_input.options = options;
    pp_input.analysis = true;
    pp_input.expand = true;
    pp_search = PpSearch();
    pp_build_search_list(include_dirs);
    pp_define_builtins();
    for (const char *definition : predefined)
        run_internal(std::string("#define ") + definition + "\n");
    for (const std::string &definition : definitions)
        apply_definition(definition);
    if (file) {
        std::string data;
        if (!read_whole_file(file, data)) {
            pp_report(PP_FATAL, "IMPOUVFIC", file);
        } else {
            pp_out.discard = true;
            run_text(data.data(), data.size(), file, 1);
            pp_out.discard = false;
        }
    }
    reset_run_state();
}

int pp_process_text(const char *text, bool expand, const char *file,
                    int line, std::string &result)
{
    pp_out = PpOutput();
    pp_out.text.reserve(30);
    pp_input.errors = 0;
    pp_input.aborted = false;
    pp_input.expanded = 0;
    pp_input.expand = expand;
    run_text(text ? text : "", text ? strlen(text) : 0, file, line);
    end_output_line();
    result.swap(pp_out.text);
    pp_out = PpOutput();
    reset_run_state();
    return pp_input.errors;
}

void pp_end()
{
    pp_close_conditionals(0);
    pp_clear_macros(true);
    pp_free_retired_macros();
    pp_search.dirs.clear();
}

bool pp_is_type_modifier(const char *name)
{
    return name && pp_search.type_modifiers.count(name) != 0;
}

bool pp_analysis_enabled() { return pp_input.analysis; }
