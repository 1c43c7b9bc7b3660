/*
** src/driver/driver.h
** Compiler driver: the pipeline and the file-name routines other parts use.
**
** `run_compiler` is the whole program: it sets up translation, fills the
** catalogue, reads the command line, opens the listing, runs the stages in
** their fixed order and ends through `end_of_run`.  The file-name routines
** derive every output name from a command-line value and a suffix that an
** environment variable may override.
*/
#ifndef ZRS_DRIVER_H
#define ZRS_DRIVER_H

#include "support.h"

#include <string>

[[noreturn]] void run_compiler(int argc, char **argv);

/* The product title shown in the banner and in command-line messages. */
extern const char *const ProductTitle;

/* The command line as recorded in the TDC file: at most 1900 characters,
** a longer one cut and marked with " (...)". */
std::string cut_command_line(const std::string &text);
std::string start_routine_name(const std::string &thread,
                               const std::string &root);

void path_join(const char *directory, const char *name, std::string &result);
void split_suffix(std::string &name, std::string &suffix);
void append_suffix(std::string &name, const char *suffix);
void append_default_suffix(std::string &name, const char *default_suffix,
                           const char *variable);
/* Keeps a given suffix, else appends the default one. */
void add_suffix_unless_present(std::string &name, const char *default_suffix,
                               const char *variable);
char *relative_path(const char *from, const char *to);

/* The dependency file (ZRS_DEPFILE): one make rule from the generated
** files to the files read. */
std::string make_escaped(const std::string &name);
std::string dependency_rule(const TextList &targets,
                            const TextList &prerequisites);
void write_dependency_file(const TextList &targets,
                           const TextList &prerequisites);

/* Sets up translation for the process; exits with 255 on failure. */
void setup_translation(int &argc, char **argv);

#endif
