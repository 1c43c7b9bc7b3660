/*
** src/capi/capi.h
** Interface analysis: the bridge operations the rest of the compiler uses.
**
** The driver starts the analysis once with the interface material, then
** analyses each interface file through a one-line "#include" text.  The
** analysis never prints: it reports through a hook that the bridge points
** at the diagnostics.
*/
#ifndef ZRS_CAPI_H
#define ZRS_CAPI_H

#include "support.h"

/* restriction: 0 K&R, 1 ANSI, 2 none; std_define_file may be null. */
void start_interface_analysis(int restriction, const TextList &include_dirs,
                              const TextList &definitions,
                              const char *std_define_file);
/* Preprocesses `text` as a file of that name starting at `line`.  Returns
** false when no text was produced; `errors` receives the error count. */
bool preprocess_text(const char *text, bool expand, const char *file, int line,
                     std::string &result, int *errors);
void analyse_declaration_text(const char *text, const char *namespace_name,
                              const char *file, int line);
void end_preprocessing();

#endif
