/*
** src/driver/options.h
** Command line: the option engine and the program's settings (driver-internal).
**
** `parse_command_line` reads the process arguments against the option
** table; after it succeeded, the settings are computed once and read only
** through the accessors below.  An accessor read before that is an internal
** error (INITPBRLM).
*/
#ifndef ZRS_DRIVER_OPTIONS_H
#define ZRS_DRIVER_OPTIONS_H

#include "support.h"

struct CommandTable;

/* Returns false after printing the engine's message and the usage text. */
bool parse_command_line(int argc, char **argv);
int option_state(const char *name);
const char *option_value(int position, int n);
void release_option_memory();

/* The normalised command line, before the driver's 1900-character cut. */
const std::string &command_line_text();

/* Settings (positional values under -NOPATH already reduced). */
const std::string &setting_script();
const TextList &setting_interface_files();
const std::string &setting_root();
const TextList &setting_incl();
const std::string &setting_set();        /* BADFLTVAL checked here */
const TextList &setting_define();
const std::string &setting_std_define(); /* empty when not given */
const std::string &setting_studio_log(); /* empty when not given */
const TextList &setting_scn();
const TextList &setting_exscn();
const TextList &setting_family();
const TextList &setting_exfamily();
const std::string &setting_instance();   /* empty when not given */
int setting_restriction();   /* 0 KR, 1 ANSI, 2 none */
int setting_fast();          /* 1 unless -NOFAST */
int setting_probe();         /* 0 absent, 1 DEFAULT, 2 CUSTOM */
int setting_log();           /* 1 unless -NOLOG */
int setting_allocation();    /* 0 absent, 1 STACK, 2 DYNAMIC */
const std::string &setting_thread(); /* "<main>", "<start>" or a name */
int setting_notshared();
int setting_comment();       /* 0 under -NOCOMMENT */
int setting_spvgen();
int setting_trace();         /* 0, 5 ERROR, 10 SCN, 20 TIME, 50 CIRCULAR */
int setting_bufsize();       /* 10 when absent or 0 */

/* The program's table as the option engine sees it (for tests). */
CommandTable &program_command_table();

#endif
