/*
** src/driver/option_engine.h
** The table-driven option engine (driver-internal).
**
** A `CommandTable` lists the positional arguments, the options with their
** value descriptions and enumerated values, and the combination rules.
** `engine_parse` fills the given states and values of the table from the
** process arguments and stops at the first fault with an `EngineError`;
** the message lines are built separately so that the caller decides where
** they go.  Option names match case-insensitively and by unique
** abbreviation; negatable options also match "no" followed by the name.
*/
#ifndef ZRS_DRIVER_OPTION_ENGINE_H
#define ZRS_DRIVER_OPTION_ENGINE_H

#include "support.h"

#include <QString>

#include <cstddef>

/* Name columns, one per usage language. */
enum NameColumn {
    NAME_FRENCH = 0,         /* French without accents */
    NAME_FRENCH_ACCENTS = 1, /* French with accents */
    NAME_ENGLISH = 2,        /* shown in messages */
    NAME_COLUMNS = 3
};
const size_t NAME_MAX_LENGTH = 20;

enum EngineMessage {
#define OPTION_MESSAGE(id, text) id,
#include "option_messages.def"
#undef OPTION_MESSAGE
    OM_COUNT
};

/* The only value kind this program's tables use. */
enum ValueKind { VALUE_TEXT };

/* One positional argument, or the value of an option that takes one. */
struct ArgumentDescriptor {
    const char *names[NAME_COLUMNS];
    ValueKind kind;
    bool is_list;        /* several values, by ',' or by repetition */
    size_t min_length;   /* bytes of one value, before unescaping */
    size_t max_length;
    bool optional;       /* positional arguments only */
    TextList values;     /* given values, unescaped, in order */
};

/* One allowed value of an enumerated option. */
struct EnumValue {
    const char *names[NAME_COLUMNS];
    int number;          /* the setting this value stands for */
    bool selected;
};

struct OptionDescriptor {
    const char *names[NAME_COLUMNS];
    bool value_mandatory;
    ArgumentDescriptor *argument; /* null for a plain switch */
    int state;           /* 0 not given, 1 given, -1 given in its NO form */
    bool negatable;      /* "no" + name is accepted */
    bool default_on;     /* counts as given when absent */
    int default_index;   /* 1-based value stored when given without one */
    EnumValue *values;   /* enumerated values, or null */
    int value_count;
};

enum Condition { NOT_GIVEN, GIVEN };

/* Violated when both options are in their stated condition. */
struct CombinationRule {
    int first;           /* 0-based option indexes */
    Condition first_condition;
    int second;
    Condition second_condition;
};

struct CommandTable {
    ArgumentDescriptor *positionals;
    int positional_count;
    OptionDescriptor *options;
    int option_count;
    const CombinationRule *rules;
    int rule_count;
    const char *usage;   /* source text, context "Command-line" */
};

/* The first fault of a command line; an empty word shows no word. */
struct EngineError {
    int message = -1;
    std::string word;
};

/* The outcome of matching one option word against the table. */
struct OptionMatch {
    int option = -1;     /* 0-based index, -1 when nothing matched */
    int state = 0;       /* 1, or -1 for the NO form */
    size_t length = 0;   /* matched characters; 0 = unknown option */
    bool ambiguous = false;
};

size_t prefix_match(const char *word, const char *name, bool *exact);
OptionMatch match_option(const CommandTable &table, const char *word);
/* Index of the allowed value a text selects; -1 unknown, -2 ambiguous. */
int match_enum_value(const OptionDescriptor &option, const char *text);

bool engine_parse(CommandTable &table, int argc, char **argv,
                  EngineError &error);
/* Back to the static state: no option given, no value stored. */
void engine_release(CommandTable &table);
/* Position of an option by exact (case-insensitive) name, or -1. */
int engine_find_option(const CommandTable &table, const char *name);

/* Message lines, ready to print. */
QString engine_message_line(const CommandTable &table,
                            const EngineError &error);
QString engine_bad_name_line(const char *name);
QString engine_no_memory_line();
QString engine_usage_text(const CommandTable &table);
void engine_print(const QString &line);

#endif
