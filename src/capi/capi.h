/*
** src/capi/capi.h
** Interface analysis: the bridge operations the rest of the compiler uses.
**
** The driver starts the analysis once with the interface material, then
** analyses each interface file through a one-line "#include" text.
** Semantic analysis hands C texts of the script to the bridge and asks it
** about names and types; code generation asks it for declaration texts.
** The analysis never prints: it reports through a hook that the bridge
** points at the diagnostics, with the script's file and line.
*/
#ifndef ZRS_CAPI_H
#define ZRS_CAPI_H

#include "support.h"

struct CType;
struct CSymbol;
struct DisplayFormat;

/* ---- Start and end ---- */
/* restriction: 0 K&R, 1 ANSI, 2 none; std_define_file may be null. */
void start_interface_analysis(int restriction, const TextList &include_dirs,
                              const TextList &definitions,
                              const char *std_define_file);
void end_preprocessing();

/* ---- Context: position and namespace of the C texts that follow ---- */
void set_bridge_position(const char *file, int line);
void set_bridge_namespace(const char *namespace_name);

/* ---- Texts ---- */
/* Preprocesses `text` as a file of that name starting at `line`.  Returns
** false when no text was produced; `errors` receives the error count. */
bool preprocess_text(const char *text, bool expand, const char *file, int line,
                     std::string &result, int *errors);
void flatten_preprocessed_text(const char *text, std::string &result);
void analyse_declaration_text(const char *text, const char *namespace_name,
                              const char *file, int line);

/* ---- Symbols and formats ---- */
/* 0 nameless, function or typedef name; 1 variable or constant; 2 static. */
int symbol_category(const CSymbol *symbol);
bool parse_display_format(const char *text, unsigned *code, int *width);
DisplayFormat type_display_format(const CType *type);
/* Appends the C storage declaration of `name` for a message type. */
void message_storage_text(const CType *type, const char *name,
                          std::string &out, int depth);

#endif
