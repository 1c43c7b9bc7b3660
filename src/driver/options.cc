/*
** src/driver/options.cc
** Command line (interim): the three positional arguments, options at their
** defaults.  The table-driven option engine replaces this file.
*/
#include "options.h"
#include "diag.h"

#include <cstdio>

namespace {

struct Settings {
    bool ready = false;
    std::string script, root, set, std_define, studio_log, instance;
    std::string thread = "<main>";
    TextList interface_files, incl, define, scn, exscn, family, exfamily;
    std::string command_line;
};

Settings settings;

const Settings &ready_settings()
{
    if (!settings.ready)
        report_internal_c("INITPBRLM", nullptr, nullptr);
    return settings;
}

TextList split_list(const std::string &word)
{
    TextList values;
    std::string piece;
    for (char c : word) {
        if (c == ',') {
            values.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    values.push_back(piece);
    return values;
}

} // namespace

bool parse_command_line(int argc, char **argv)
{
    TextList words;
    for (int i = 1; i < argc; i++)
        if (argv[i][0] != '-')
            words.push_back(argv[i]);
    if (words.size() != 3) {
        fprintf(stderr, "Usage ZRSPREPRO: <scn> <interface_file> <root>\n");
        return false;
    }
    settings.script = words[0];
    settings.interface_files = split_list(words[1]);
    settings.root = words[2];
    settings.command_line = std::string(argv[0]) + " " + words[0] + " " +
                            words[1] + " " + words[2] + " -FAST -LOG";
    settings.ready = true;
    return true;
}

int option_state(const char *)
{
    return 0;
}

const char *option_value(int, int)
{
    return nullptr;
}

void release_option_memory()
{
}

const std::string &command_line_text() { return ready_settings().command_line; }
const std::string &setting_script() { return ready_settings().script; }
const TextList &setting_interface_files() { return ready_settings().interface_files; }
const std::string &setting_root() { return ready_settings().root; }
const TextList &setting_incl() { return ready_settings().incl; }
const std::string &setting_set() { return ready_settings().set; }
const TextList &setting_define() { return ready_settings().define; }
const std::string &setting_std_define() { return ready_settings().std_define; }
const std::string &setting_studio_log() { return ready_settings().studio_log; }
const TextList &setting_scn() { return ready_settings().scn; }
const TextList &setting_exscn() { return ready_settings().exscn; }
const TextList &setting_family() { return ready_settings().family; }
const TextList &setting_exfamily() { return ready_settings().exfamily; }
const std::string &setting_instance() { return ready_settings().instance; }
int setting_restriction() { return ready_settings(), 2; }
int setting_fast() { return ready_settings(), 1; }
int setting_probe() { return ready_settings(), 0; }
int setting_log() { return ready_settings(), 1; }
int setting_allocation() { return ready_settings(), 0; }
const std::string &setting_thread() { return ready_settings().thread; }
int setting_notshared() { return ready_settings(), 0; }
int setting_comment() { return ready_settings(), 1; }
int setting_spvgen() { return ready_settings(), 0; }
int setting_trace() { return ready_settings(), 0; }
int setting_bufsize() { return ready_settings(), 10; }
