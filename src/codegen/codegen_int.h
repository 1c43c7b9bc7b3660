/*
** src/codegen/codegen_int.h
** Code generation: what the side-file writers share.
**
** The TDC file and the trace description are written a line at a time
** through a `RecordLine`, which holds any length but refuses a line that
** reaches the readers' limit (SIZBUFOVL, fatal) instead of cutting it.
** The other helpers answer the questions all three writers ask of the
** semantic tables: which file an item belongs to, and which items are
** generated at all (selected scenarios, called procedures, used handlers,
** channels and message types).
*/
#ifndef ZRS_CODEGEN_INT_H
#define ZRS_CODEGEN_INT_H

#include "codegen.h"
#include "script.h"

#include <cstdio>
#include <string>
#include <vector>

/* ---- Output lines (records.cc) ---- */

/* The readers of the side files take lines below this length. */
const size_t RECORD_LIMIT = 4095;

struct RecordLine {
    std::string text;
};

/* Appends; a line reaching RECORD_LIMIT characters is SIZBUFOVL (fatal). */
void line_put(RecordLine &line, const std::string &piece);
/* The text between double quotes, inner quotes doubled; "?" for null. */
std::string quoted_text(const char *text);
/* Writes the line with a newline and empties it. */
void line_flush(RecordLine &line, FILE *out);

/* Opens an output file or ends the run with FICERROPN naming it. */
FILE *open_output(const char *name, const char *mode);
void close_output(FILE *out);

/* ---- The tables seen by the writers (records.cc) ---- */

/* The position of the entry's file counted from the end of the file list
** (the script itself is 1); 0 for an entry without a file. */
int file_number_from_end(const ScriptFile *files, const SemanticEntry *e);
/* The first file of the list with that number, or null. */
const ScriptFile *file_numbered(const ScriptFile *files, uint32_t number);
std::string base_name_of(const ScriptFile *file);

/* The first entry of a descriptor's inner scope, null when it has none. */
SemanticEntry *inner_first(const SemanticEntry *e);
SemanticEntry *scope_first(const Scope *scope);

bool scenario_is_selected(const SemanticEntry *e);
bool proc_is_called(const SemanticEntry *e);
bool handler_is_used(const SemanticEntry *e);
bool channel_is_used(const SemanticEntry *e);
/* A message type is used when one of its messages is. */
bool message_type_is_used(const SemanticEntry *type, const Scope *global);
/* A reference message definition (EK_TRIGGER_USE) that code is made for:
** reached through a called procedure, or outside every procedure. */
bool reference_is_used(const SemanticEntry *use);

/* The family names of a scenario, in their order. */
std::vector<const char *> scenario_family_names(const SemanticEntry *scenario);

#endif
