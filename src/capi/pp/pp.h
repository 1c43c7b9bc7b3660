/*
** src/capi/pp/pp.h
** The C/C++ preprocessor as the rest of the interface analysis sees it
** (capi-internal).
**
** The preprocessor is started once per run, then turns texts (interface
** files reached through "#include" texts, C fragments of the test script)
** into preprocessed text with "#line" markers, which the declaration
** scanner reads.  The macro table, the include search list and the zirko
** pragma settings persist across texts.  It never prints: diagnostics go
** through capi_report (report_hook.h) with the innermost file and line.
*/
#ifndef ZRS_CAPI_PP_H
#define ZRS_CAPI_PP_H

#include "support.h"

#include <string>

/* Language restriction flags, read once at start. */
struct PpStartOptions {
    bool ansi = false;   /* ANSI restriction: digit-start #ifdef check */
    bool kr = false;     /* K&R restriction: no __STDC__, fewer checks */
};

/* Starts (or restarts) the preprocessor: builds the search list, the
** built-in and predefined macros, runs the "-D" definitions, then, when
** `file` is not null, preprocesses that file (its output is dropped). */
void pp_start(const PpStartOptions &options, const TextList &definitions,
              const TextList &include_dirs, const char *file);

/* Preprocesses `text` as a file named `file` (null: an internal text)
** whose first line is `line`.  `result` receives the output; returns the
** number of errors (severity 2) reported meanwhile.  With `expand` false,
** text between "stop_analyse" and "start_analyse" pragmas is dropped. */
int pp_process_text(const char *text, bool expand, const char *file,
                    int line, std::string &result);

/* Reports the conditionals still open, undefines every ordinary macro and
** releases the search list. */
void pp_end();

/* ---- Queries for the declaration analysis ---- */
bool pp_is_macro(const char *name);
/* Changes whenever a macro is defined or removed. */
unsigned long pp_macro_serial();
bool pp_is_type_modifier(const char *name);   /* zirko type_modifier */
bool pp_analysis_enabled();                   /* zirko stop/start_analyse */
const TextList &pp_standard_include_dirs();
const TextList &pp_included_files();

#endif
