/*
** src/driver/option_engine.cc
** The table-driven option engine: matching, values, rules and messages.
**
** Each argument after the program name is either an option word ('-'
** first) or the next positional argument.  Option words are matched
** against every name column of the table, values are split at unescaped
** ',' and checked against their length bounds and enumerated names, and
** after the last word the missing positionals, the defaults and the
** combination rules are applied.  The first fault stops the parse.  The
** message lines follow the fixed layout "<title> <Command analysis> :
** <text> <word><usage>" and are translated through Qt.
*/
#include "option_engine.h"
#include "driver.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>
#include <cstring>

namespace {

const char *const message_texts[] = {
#define OPTION_MESSAGE(id, text) text,
#include "option_messages.def"
#undef OPTION_MESSAGE
};
static_assert(sizeof message_texts / sizeof message_texts[0] == 21,
              "the option engine has 21 messages");
static_assert(OM_COUNT == 21, "message numbers and texts agree");

/* Hidden options' usage lines, dropped after translation. */
const char *const hidden_usage_pattern = "\t\\[-XT.*\n";

char fold(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

/* Equal names, ignoring the case of ASCII letters whatever the locale. */
bool same_name(const char *first, const char *second)
{
    for (; *first && fold(*first) == fold(*second); first++, second++) {
    }
    return *first == *second;
}

bool fail(EngineError &error, int message, const std::string &word)
{
    error.message = message;
    error.word = word;
    return false;
}

/* A candidate name for an option word: an exact match selects at once,
** a longer prefix replaces the candidate, an equal one of another option
** makes it ambiguous.  Returns true on an exact match. */
bool consider_name(OptionMatch &best, const char *word, const char *name,
                   int option, int state)
{
    bool exact = false;
    size_t length = prefix_match(word, name, &exact);
    if (exact) {
        best.option = option;
        best.state = state;
        best.length = length;
        best.ambiguous = false;
        return true;
    }
    if (length == 0)
        return false;
    if (length == best.length && option != best.option) {
        best.ambiguous = true;
    } else if (length > best.length) {
        best.option = option;
        best.state = state;
        best.length = length;
        best.ambiguous = false;
    }
    return false;
}

/* Compares a value with an allowed name: the number of equal leading
** characters when either ends, 0 on a mismatch; *whole when the name
** ended (the characters after it are ignored). */
size_t value_prefix(const char *value, const char *name, bool *whole)
{
    size_t i = 0;
    for (; value[i] != '\0' && name[i] != '\0'; i++)
        if (fold(value[i]) != fold(name[i]))
            return 0;
    *whole = name[i] == '\0';
    return i;
}

bool comma_at(const char *text, size_t i)
{
    return text[i] == ',' && (i == 0 || text[i - 1] != '\\');
}

bool has_unescaped_comma(const char *text)
{
    for (size_t i = 0; text[i] != '\0'; i++)
        if (comma_at(text, i))
            return true;
    return false;
}

/* The pieces between unescaped commas, still escaped. */
TextList split_raw(const char *text)
{
    TextList pieces;
    size_t start = 0, i = 0;
    for (; text[i] != '\0'; i++) {
        if (comma_at(text, i)) {
            pieces.emplace_back(text + start, i - start);
            start = i + 1;
        }
    }
    pieces.emplace_back(text + start, i - start);
    return pieces;
}

/* Drops each backslash that stands before a ','. */
std::string unescape(const std::string &raw)
{
    std::string value;
    value.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); i++)
        if (!(raw[i] == '\\' && i + 1 < raw.size() && raw[i + 1] == ','))
            value += raw[i];
    return value;
}

/* Checks one value and appends it.  Messages 2, 3, 14, 15. */
bool convert_value(ArgumentDescriptor &argument, OptionDescriptor *option,
                   const std::string &raw, EngineError &error)
{
    if (raw.size() < argument.min_length)
        return fail(error, OM_LENGTH_TOO_SMALL, raw);
    if (raw.size() > argument.max_length)
        return fail(error, OM_LENGTH_TOO_LARGE, raw);
    std::string value = unescape(raw);
    if (option && option->value_count > 0) {
        int chosen = match_enum_value(*option, value.c_str());
        if (chosen == -1)
            return fail(error, OM_UNKNOWN_VALUE, value);
        if (chosen == -2)
            return fail(error, OM_AMBIGUOUS_VALUE, value);
        option->values[chosen].selected = true;
        value = option->values[chosen].names[NAME_ENGLISH];
    }
    argument.values.push_back(value);
    return true;
}

/* Splits a value text into its pieces and converts each in order.  An
** unescaped ',' where no list is allowed gives `list_message`. */
bool store_values(ArgumentDescriptor &argument, OptionDescriptor *option,
                  const char *text, int list_message, const char *word,
                  EngineError &error)
{
    if (!argument.is_list && has_unescaped_comma(text))
        return fail(error, list_message, word);
    for (const std::string &raw : split_raw(text))
        if (!convert_value(argument, option, raw, error))
            return false;
    return true;
}

/* The word shown for a missing mandatory value: for an enumerated option
** the word, '=' and the allowed values, as in TRACE=CIRCULAR|SCN|... */
std::string mandatory_word(const OptionDescriptor &option, const char *word)
{
    std::string shown = word;
    if (option.value_count == 0)
        return shown;
    if (!strchr(word, '='))
        shown += '=';
    for (int i = 0; i < option.value_count; i++) {
        if (i > 0)
            shown += '|';
        shown += option.values[i].names[NAME_ENGLISH];
    }
    return shown;
}

/* One option word (the text after '-').  Messages 6 to 11, 13, and those
** of the value conversion. */
bool parse_option_word(CommandTable &table, const char *word,
                       EngineError &error)
{
    OptionMatch match = match_option(table, word);
    if (match.length == 0)
        return fail(error, OM_UNKNOWN_OPTION, word);
    if (match.ambiguous)
        return fail(error, OM_AMBIGUOUS_OPTION, word);
    const char *rest = word + match.length;
    if (*rest != '\0' && *rest != '=')
        return fail(error, OM_BAD_CHARACTER, word);
    OptionDescriptor &option = table.options[match.option];
    bool list = option.argument && option.argument->is_list;
    if (option.state != 0 && !list)
        return fail(error, OM_USED_TWICE, word);
    option.state = match.state;
    const char *value = *rest == '=' ? rest + 1 : nullptr;
    if (option.value_mandatory && (!value || *value == '\0'))
        return fail(error, OM_VALUE_MANDATORY, mandatory_word(option, word));
    if (!option.argument && value)
        return fail(error, OM_NO_VALUE_ALLOWED, word);
    if (!value || *value == '\0')
        return true;
    return store_values(*option.argument, &option, value, OM_OPTION_LIST,
                        word, error);
}

/* The next positional word; a word beyond the last positional goes to
** the last one, which then refuses it unless it is a list.  Messages 4,
** 5 and those of the value conversion. */
bool parse_positional_word(CommandTable &table, const char *word, int &filled,
                           EngineError &error)
{
    if (table.positional_count == 0)
        return fail(error, OM_TOO_MANY_ARGUMENTS, word);
    int index = filled;
    if (index < table.positional_count)
        filled++;
    else
        index = table.positional_count - 1;
    ArgumentDescriptor &argument = table.positionals[index];
    if (!argument.values.empty() && !argument.is_list)
        return fail(error, OM_TOO_MANY_ARGUMENTS, word);
    return store_values(argument, nullptr, word, OM_ARGUMENT_LIST, word,
                        error);
}

/* Message 12 for the first positional that received no value. */
bool check_positionals(const CommandTable &table, EngineError &error)
{
    for (int i = 0; i < table.positional_count; i++) {
        const ArgumentDescriptor &argument = table.positionals[i];
        if (argument.values.empty() && !argument.optional)
            return fail(error, OM_ARGUMENT_MISSING,
                        argument.names[NAME_ENGLISH]);
    }
    return true;
}

/* Default-on switches count as given; an enumerated option given
** without a value gets its default value. */
void apply_defaults(CommandTable &table)
{
    for (int i = 0; i < table.option_count; i++) {
        OptionDescriptor &option = table.options[i];
        if (option.state == 0 && option.default_on)
            option.state = 1;
        if (option.state == 0 || !option.argument ||
            !option.argument->values.empty() || option.default_index < 1 ||
            option.default_index > option.value_count)
            continue;
        EnumValue &value = option.values[option.default_index - 1];
        value.selected = true;
        option.argument->values.push_back(value.names[NAME_ENGLISH]);
    }
}

bool holds(const CommandTable &table, int option, Condition condition)
{
    bool given = table.options[option].state != 0;
    return condition == GIVEN ? given : !given;
}

/* Message 16 for the first violated rule, naming both options. */
bool check_rules(const CommandTable &table, EngineError &error)
{
    for (int i = 0; i < table.rule_count; i++) {
        const CombinationRule &rule = table.rules[i];
        if (!holds(table, rule.first, rule.first_condition) ||
            !holds(table, rule.second, rule.second_condition))
            continue;
        QByteArray conjunction =
            QCoreApplication::translate("Command-line", "and").toLocal8Bit();
        std::string word;
        checked_sprintf(word, "%s %s %s",
                        table.options[rule.first].names[NAME_ENGLISH],
                        conjunction.constData(),
                        table.options[rule.second].names[NAME_ENGLISH]);
        return fail(error, OM_BAD_COMBINATION, word);
    }
    return true;
}

/* "<product title> <Command analysis>", both translated. */
QString message_head()
{
    return QStringLiteral("%1 %2").arg(
        QCoreApplication::translate("CAB", ProductTitle),
        QCoreApplication::translate("CAB", message_texts[OM_COMMAND_ANALYSIS]));
}

QString message_body(int message, const std::string &word)
{
    QString body = message_head() + QStringLiteral(" : ") +
                   QCoreApplication::translate("CAB", message_texts[message]);
    if (!word.empty())
        body += QLatin1Char(' ') +
                QCoreApplication::translate("Command-line", word.c_str());
    return body;
}

} // namespace

/* Case-insensitive comparison of an option word with a name: the number
** of equal leading characters when the word ends, reaches '=' or the name
** ends, 0 on a mismatch.  A whole name followed by the end or '=' is exact;
** a whole name followed by any other character is no match (0). */
size_t prefix_match(const char *word, const char *name, bool *exact)
{
    size_t i = 0;
    *exact = false;
    for (; word[i] != '\0' && word[i] != '=' && name[i] != '\0'; i++)
        if (fold(word[i]) != fold(name[i]))
            return 0;
    if (name[i] != '\0')
        return i;
    if (word[i] != '\0' && word[i] != '=')
        return 0;
    *exact = true;
    return i;
}

/* Searches the name columns in turn, each over the whole table, with the
** NO form of every negatable option beside its name. */
OptionMatch match_option(const CommandTable &table, const char *word)
{
    OptionMatch best;
    for (int column = 0; column < NAME_COLUMNS; column++) {
        for (int i = 0; i < table.option_count; i++) {
            const char *name = table.options[i].names[column];
            if (consider_name(best, word, name, i, 1))
                return best;
            if (!table.options[i].negatable)
                continue;
            std::string negated = std::string("no") + name;
            if (consider_name(best, word, negated.c_str(), i, -1))
                return best;
        }
    }
    return best;
}

/* A value that begins with a whole allowed name selects it; otherwise the
** longest unique prefix wins. */
int match_enum_value(const OptionDescriptor &option, const char *text)
{
    int candidate = -1;
    size_t best = 0;
    bool ambiguous = false;
    for (int column = 0; column < NAME_COLUMNS; column++) {
        for (int i = 0; i < option.value_count; i++) {
            bool whole = false;
            size_t length =
                value_prefix(text, option.values[i].names[column], &whole);
            if (whole)
                return i;
            if (length == 0)
                continue;
            if (length == best && i != candidate) {
                ambiguous = true;
            } else if (length > best) {
                candidate = i;
                best = length;
                ambiguous = false;
            }
        }
    }
    if (candidate < 0)
        return -1;
    return ambiguous ? -2 : candidate;
}

bool engine_parse(CommandTable &table, int argc, char **argv,
                  EngineError &error)
{
    int filled = 0;
    for (int i = 1; i < argc; i++) {
        const char *word = argv[i];
        bool ok = word[0] == '-'
                      ? parse_option_word(table, word + 1, error)
                      : parse_positional_word(table, word, filled, error);
        if (!ok)
            return false;
    }
    if (!check_positionals(table, error))
        return false;
    apply_defaults(table);
    return check_rules(table, error);
}

void engine_release(CommandTable &table)
{
    for (int i = 0; i < table.positional_count; i++)
        TextList().swap(table.positionals[i].values);
    for (int i = 0; i < table.option_count; i++) {
        OptionDescriptor &option = table.options[i];
        option.state = 0;
        if (option.argument)
            TextList().swap(option.argument->values);
        for (int v = 0; v < option.value_count; v++)
            option.values[v].selected = false;
    }
}

int engine_find_option(const CommandTable &table, const char *name)
{
    for (int column = 0; column < NAME_COLUMNS; column++)
        for (int i = 0; i < table.option_count; i++)
            if (same_name(name, table.options[i].names[column]))
                return i;
    return -1;
}

/* The usage text, translated, without the lines of hidden options. */
QString engine_usage_text(const CommandTable &table)
{
    static const QRegularExpression hidden(
        QString::fromLatin1(hidden_usage_pattern));
    QString usage = QCoreApplication::translate("Command-line", table.usage);
    usage.remove(hidden);
    return usage;
}

QString engine_message_line(const CommandTable &table,
                            const EngineError &error)
{
    return message_body(error.message, error.word) +
           engine_usage_text(table) + QLatin1Char('\n');
}

QString engine_bad_name_line(const char *name)
{
    return message_body(OM_BAD_OPTION_NAME, name ? name : "") +
           QLatin1Char('\n');
}

QString engine_no_memory_line()
{
    return QStringLiteral("%1 %2\n").arg(
        QCoreApplication::translate("CAB", ProductTitle),
        QCoreApplication::translate("CAB", message_texts[OM_NO_MEMORY]));
}

void engine_print(const QString &line)
{
    QByteArray bytes = line.toLocal8Bit();
    fwrite(bytes.constData(), 1, bytes.size(), stderr);
    fflush(stderr);
}
