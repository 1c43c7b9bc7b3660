/*
** src/diag/diag.h
** Diagnostics: the message catalogue, reporting, the listing and the summary.
**
** Every diagnostic is a message code with at most two text arguments.  The
** catalogue maps each code to its translated text; the report operations
** format the line "Korvat-<letter>-<code>,  <text>", write it to standard
** error (unless echo is off) and to the listing, count errors and warnings,
** and end the run at once for fatal (status 7) and internal (status 9)
** reports.  `end_of_run` prints the summary whose counts give the status.
*/
#ifndef ZRS_DIAG_H
#define ZRS_DIAG_H

#include <QString>

enum Severity {
    SEV_INTERNAL = 0, /* 'S', status 9 */
    SEV_FATAL = 1,    /* 'F', status 7 */
    SEV_ERROR = 2,    /* 'E', counted */
    SEV_WARNING = 3,  /* 'W', counted */
    SEV_INFO = 4      /* 'I' */
};

/* ---- Message catalogue ---- */
void init_script_messages();
void init_bibli_messages();
void init_modbas_messages();
void init_anaccpp_messages();
void catalogue_add(const QString &code, const QString &text);
/* The text of a code, or null QString when the code is unknown. */
QString catalogue_lookup(const QString &code);

/* ---- Reporting ---- */
void emit_message(const char *code, char letter, const QString &arg1,
                  const QString &arg2);
void report_info(const char *code, const QString &arg1 = QString(),
                 const QString &arg2 = QString());
void report_warning(const char *code, const QString &arg1 = QString(),
                    const QString &arg2 = QString());
void report_error(const char *code, const QString &arg1 = QString(),
                  const QString &arg2 = QString());
[[noreturn]] void report_fatal(const char *code, const QString &arg1 = QString(),
                               const QString &arg2 = QString());
[[noreturn]] void report_fatal_c(const char *code, const char *arg1,
                                 const char *arg2);
[[noreturn]] void report_internal(const char *code,
                                  const QString &arg1 = QString(),
                                  const QString &arg2 = QString());
[[noreturn]] void report_internal_c(const char *code, const char *arg1,
                                    const char *arg2);

/* Positioned reports: argument 1 becomes "[file:line] ", "[line] " or "". */
void report_at(int severity, const char *code, const QString &text,
               const char *file, int line);
void report_at_c(int severity, const char *code, const char *text,
                 const char *file, int line);
void report_here(int severity, const char *code, const QString &text);
void report_here_c(int severity, const char *code, const char *text);
QString position_prefix(const char *file, int line);

void set_current_file(const char *name);
const char *current_file();
void set_current_line(int line);
int current_line();

/* ---- Listing and counts ---- */
void open_listing(const char *path, bool echo);
void close_listing();
int error_count();
int warning_count();
/* Report lines of every severity so far: a check that leaves it unchanged
** reported nothing, not even information. */
int report_line_count();
[[noreturn]] void end_of_run();

#endif
