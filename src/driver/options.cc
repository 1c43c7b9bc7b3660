/*
** src/driver/options.cc
** The program's command line: its table, the settings and the normalised
** command line.
**
** The table (options.def) is handed to the option engine; after a
** successful parse the given states and values are interpreted once into
** the settings that the rest of the run reads through the accessors.  A
** bad -BUFSIZE ends the run during that interpretation (BADBSZVAL); a bad
** -SET ends it when the filters are first read (BADFLTVAL), which the
** driver does right after the banner.
*/
#include "options.h"
#include "option_engine.h"
#include "diag.h"

#include <QtGlobal>

#include <climits>
#include <new>

namespace {

enum PositionalId {
#define POSITIONAL(id, fr, fra, en, list, min, max) POS_##id,
#include "options.def"
    POSITIONAL_COUNT
};

enum OptionId {
#define OPTION(id, fr, fra, en, afr, afra, aen, list, min, max, mandatory,    \
               dflt)                                                          \
    OPT_##id,
#define SWITCH(id, fr, fra, en, negatable, default_on) OPT_##id,
#include "options.def"
    OPTION_COUNT
};
static_assert(POSITIONAL_COUNT == 3, "three positional arguments");
static_assert(OPTION_COUNT == 22, "the option table has 22 options");

/* ---- The table, as the engine sees it ---- */

ArgumentDescriptor positional_arguments[] = {
#define POSITIONAL(id, fr, fra, en, list, min, max)                           \
    {{fr, fra, en}, VALUE_TEXT, list, min, max, false, {}},
#include "options.def"
};

/* One slot per option; a switch's slot stays unused. */
ArgumentDescriptor option_arguments[] = {
#define OPTION(id, fr, fra, en, afr, afra, aen, list, min, max, mandatory,    \
               dflt)                                                          \
    {{afr, afra, aen}, VALUE_TEXT, list, min, max, false, {}},
#define SWITCH(id, fr, fra, en, negatable, default_on)                        \
    {{nullptr, nullptr, nullptr}, VALUE_TEXT, false, 0, 0, false, {}},
#include "options.def"
};

EnumValue enum_values[] = {
#define OPTION_VALUE(option, fr, fra, en, number) {{fr, fra, en}, number, false},
#include "options.def"
};

constexpr int value_owners[] = {
#define OPTION_VALUE(option, fr, fra, en, number) OPT_##option,
#include "options.def"
};
constexpr int VALUE_COUNT = sizeof value_owners / sizeof value_owners[0];
static_assert(sizeof enum_values / sizeof enum_values[0] == VALUE_COUNT,
              "enumerated values and owners agree");

/* An option's values are consecutive rows of OPTION_VALUE. */
constexpr int first_value(int option)
{
    for (int i = 0; i < VALUE_COUNT; i++)
        if (value_owners[i] == option)
            return i;
    return VALUE_COUNT;
}

constexpr int value_count(int option)
{
    int count = 0;
    for (int i = first_value(option); i < VALUE_COUNT; i++, count++)
        if (value_owners[i] != option)
            break;
    return count;
}

EnumValue *values_of(int option)
{
    return value_count(option) > 0 ? &enum_values[first_value(option)]
                                   : nullptr;
}

OptionDescriptor options[] = {
#define OPTION(id, fr, fra, en, afr, afra, aen, list, min, max, mandatory,    \
               dflt)                                                          \
    {{fr, fra, en},         mandatory, &option_arguments[OPT_##id],           \
     0,                     false,     false,                                 \
     dflt,                  values_of(OPT_##id),                              \
     value_count(OPT_##id)},
#define SWITCH(id, fr, fra, en, negatable, default_on)                        \
    {{fr, fra, en}, false, nullptr, 0, negatable, default_on, 0, nullptr, 0},
#include "options.def"
};

const CombinationRule rules[] = {
#define COMBINATION(first, first_condition, second, second_condition)         \
    {OPT_##first, first_condition, OPT_##second, second_condition},
#include "options.def"
};

const char *const usage_text = QT_TRANSLATE_NOOP(
    "Command-line",
    "\n"
    "Usage ZRSPREPRO:\n"
    "\t<scn>\n"
    "\t<interface_file>[,interface_file]\n"
    "\t<root>\n"
    "\t[-INCL=<directory_list>[,directory_list]]\n"
    "\t[-SET=<letters>]\n"
    "\t[-DEFINE=<compiler_option>[,compiler_option]]\n"
    "\t[-STD_DEFINE=<file>]\n"
    "\t[-STUDIO_LOG=<file>]\n"
    "\t[-SCN=<scenario_name>[,scenario_name]]\n"
    "\t[-EXSCN=<exscenario_name>[,exscenario_name]]\n"
    "\t[-FAMILY=<family_name>[,family_name]]\n"
    "\t[-EXFAMILY=<exfamily_name>[,exfamily_name]]\n"
    "\t[-INSTANCE=<instance_name>]\n"
    "\t[-RESTRICTION=<ANSI|KR>]\n"
    "\t[-FAST|-NOFAST]\n"
    "\t[-PROBE=<CUSTOM|DEFAULT>]\n"
    "\t[-LOG|-NOLOG]\n"
    "\t[-ALLOCATION[=<DYNAMIC|STACK>]]\n"
    "\t[-THREAD[=<routine_name>]]\n"
    "\t[-NOTSHARED]\n"
    "\t[-NOPATH]\n"
    "\t[-NOCOMMENT]\n"
    "\t[-SPVGEN]\n"
    "\t[-TRACE=<ERROR|TIME|SCN|CIRCULAR>]\n"
    "\t[-BUFSIZE=<buffer_size>]\n");

CommandTable program_table = {
    positional_arguments, POSITIONAL_COUNT,
    options,              OPTION_COUNT,
    rules,                int(sizeof rules / sizeof rules[0]),
    usage_text,
};

/* The options of the normalised command line, in its order. */
struct CommandTextRow {
    int option;
    bool always;   /* written even when not given (FAST/NOFAST, LOG/NOLOG) */
};

const CommandTextRow command_text_rows[] = {
#define COMMAND_TEXT(option, always) {OPT_##option, always},
#include "options.def"
};

/* ---- Settings ---- */

struct Settings {
    bool ready = false;
    std::string script, root, set, std_define, studio_log, instance, thread;
    TextList interface_files, incl, define, scn, exscn, family, exfamily;
    int restriction = 2, fast = 1, probe = 0, log = 1, allocation = 0;
    int notshared = 0, comment = 1, spvgen = 0, trace = 0, bufsize = 10;
    std::string command_line;
};

Settings settings;

const Settings &ready_settings()
{
    if (!settings.ready)
        report_internal_c("INITPBRLM", nullptr, nullptr);
    return settings;
}

const OptionDescriptor &option(int id)
{
    return program_table.options[id];
}

bool given(int id)
{
    return option(id).state != 0;
}

const TextList &values(int id)
{
    return option(id).argument->values;
}

std::string first_value_text(int id)
{
    return values(id).empty() ? std::string() : values(id).front();
}

/* The setting number of the selected enumerated value, or `absent`. */
int selected_number(int id, int absent)
{
    const OptionDescriptor &descriptor = option(id);
    for (int i = 0; i < descriptor.value_count; i++)
        if (descriptor.values[i].selected)
            return descriptor.values[i].number;
    return absent;
}

/* The part after the last '/', bytes kept as they are. */
std::string file_name_part(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

TextList positional_values(int id, bool strip)
{
    TextList result = program_table.positionals[id].values;
    if (strip)
        for (std::string &value : result)
            value = file_name_part(value);
    return result;
}

/* Decimal digits only; 0 stands for the default 10.  A value beyond the
** range of int is refused like a non-number rather than wrapped. */
int interpret_bufsize(const std::string &text)
{
    long long size = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            report_fatal_c("BADBSZVAL", nullptr, nullptr);
        size = size * 10 + (c - '0');
        if (size > INT_MAX)
            report_fatal_c("BADBSZVAL", nullptr, nullptr);
    }
    return size == 0 ? 10 : int(size);
}

void interpret_positionals()
{
    bool strip = given(OPT_NOPATH);
    settings.script = positional_values(POS_SCRIPT, strip).front();
    settings.interface_files = positional_values(POS_INTERFACE, strip);
    settings.root = positional_values(POS_ROOT, strip).front();
}

void interpret_values()
{
    settings.incl = values(OPT_INCL);
    settings.set = first_value_text(OPT_SET);
    settings.define = values(OPT_DEFINE);
    settings.std_define = first_value_text(OPT_STD_DEFINE);
    settings.studio_log = first_value_text(OPT_STUDIO_LOG);
    settings.scn = values(OPT_SCN);
    settings.exscn = values(OPT_EXSCN);
    settings.family = values(OPT_FAMILY);
    settings.exfamily = values(OPT_EXFAMILY);
    settings.instance = first_value_text(OPT_INSTANCE);
    if (!given(OPT_THREAD))
        settings.thread = "<main>";
    else if (values(OPT_THREAD).empty())
        settings.thread = "<start>";
    else
        settings.thread = values(OPT_THREAD).front();
}

void interpret_numbers()
{
    settings.restriction = selected_number(OPT_RESTRICTION, 2);
    settings.fast = option(OPT_FAST).state > 0 ? 1 : 0;
    settings.probe = selected_number(OPT_PROBE, 0);
    settings.log = option(OPT_LOG).state > 0 ? 1 : 0;
    settings.allocation = selected_number(OPT_ALLOCATION, 0);
    settings.notshared = given(OPT_NOTSHARED) ? 1 : 0;
    settings.comment = given(OPT_NOCOMMENT) ? 0 : 1;
    settings.spvgen = given(OPT_SPVGEN) ? 1 : 0;
    settings.trace = selected_number(OPT_TRACE, 0);
    settings.bufsize =
        given(OPT_BUFSIZE) ? interpret_bufsize(first_value_text(OPT_BUFSIZE))
                           : 10;
}

std::string join(const TextList &list)
{
    std::string text;
    for (size_t i = 0; i < list.size(); i++) {
        if (i > 0)
            text += ',';
        text += list[i];
    }
    return text;
}

/* The value an option shows in the normalised command line, or "" for
** none: THREAD its start name, BUFSIZE the number, others as given. */
std::string command_text_value(int id)
{
    if (id == OPT_THREAD)
        return settings.thread;
    if (id == OPT_BUFSIZE)
        return std::to_string(settings.bufsize);
    return option(id).argument ? join(values(id)) : std::string();
}

void append_command_option(std::string &text, const CommandTextRow &row)
{
    const OptionDescriptor &descriptor = option(row.option);
    if (descriptor.state == 0 && !row.always)
        return;
    text += descriptor.state < 0 ? " -NO" : " -";
    text += descriptor.names[NAME_ENGLISH];
    std::string value = command_text_value(row.option);
    if (!value.empty())
        text += '=' + value;
}

std::string build_command_line_text(const char *program)
{
    std::string text = program;
    text += ' ' + settings.script;
    text += ' ' + join(settings.interface_files);
    text += ' ' + settings.root;
    for (const CommandTextRow &row : command_text_rows)
        append_command_option(text, row);
    return text;
}

bool parse_and_interpret(int argc, char **argv)
{
    engine_release(program_table);
    EngineError error;
    if (!engine_parse(program_table, argc, argv, error)) {
        engine_print(engine_message_line(program_table, error));
        return false;
    }
    interpret_positionals();
    interpret_values();
    interpret_numbers();
    settings.command_line =
        build_command_line_text(argc > 0 && argv[0] ? argv[0] : "");
    settings.ready = true;
    return true;
}

} // namespace

/* The engine's containers throw on allocation failure; that ends the
** parse with the engine's own "no memory" line. */
bool parse_command_line(int argc, char **argv)
{
    settings = Settings();
    try {
        return parse_and_interpret(argc, argv);
    } catch (const std::bad_alloc &) {
        settings.ready = false;
        engine_print(engine_no_memory_line());
        return false;
    }
}

int option_state(const char *name)
{
    int position = engine_find_option(program_table, name ? name : "");
    if (position < 0) {
        engine_print(engine_bad_name_line(name));
        return 0;
    }
    return option(position).state * (position + 1);
}

const char *option_value(int position, int n)
{
    if (position < 0)
        position = -position;
    if (position < 1 || position > OPTION_COUNT || n < 1)
        return nullptr;
    const OptionDescriptor &descriptor = option(position - 1);
    if (!descriptor.argument || size_t(n) > descriptor.argument->values.size())
        return nullptr;
    return descriptor.argument->values[n - 1].c_str();
}

void release_option_memory()
{
    engine_release(program_table);
}

const std::string &command_line_text() { return ready_settings().command_line; }
const std::string &setting_script() { return ready_settings().script; }
const TextList &setting_interface_files() { return ready_settings().interface_files; }
const std::string &setting_root() { return ready_settings().root; }
const TextList &setting_incl() { return ready_settings().incl; }
const TextList &setting_define() { return ready_settings().define; }
const std::string &setting_std_define() { return ready_settings().std_define; }
const std::string &setting_studio_log() { return ready_settings().studio_log; }
const TextList &setting_scn() { return ready_settings().scn; }
const TextList &setting_exscn() { return ready_settings().exscn; }
const TextList &setting_family() { return ready_settings().family; }
const TextList &setting_exfamily() { return ready_settings().exfamily; }
const std::string &setting_instance() { return ready_settings().instance; }
int setting_restriction() { return ready_settings().restriction; }
int setting_fast() { return ready_settings().fast; }
int setting_probe() { return ready_settings().probe; }
int setting_log() { return ready_settings().log; }
int setting_allocation() { return ready_settings().allocation; }
const std::string &setting_thread() { return ready_settings().thread; }
int setting_notshared() { return ready_settings().notshared; }
int setting_comment() { return ready_settings().comment; }
int setting_spvgen() { return ready_settings().spvgen; }
int setting_trace() { return ready_settings().trace; }
int setting_bufsize() { return ready_settings().bufsize; }

/* The filters are checked where they are read, so that a bad -SET is
** reported after the banner. */
const std::string &setting_set()
{
    const std::string &filters = ready_settings().set;
    for (char c : filters)
        if (c < 'A' || c > 'Z')
            report_fatal_c("BADFLTVAL", nullptr, nullptr);
    return filters;
}

CommandTable &program_command_table()
{
    return program_table;
}
