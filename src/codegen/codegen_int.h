/*
** src/codegen/codegen_int.h
** Code generation: what the side-file writers share.
**
** The TDC file and the trace description are written a line at a time
** through a `RecordLine`, which refuses a line that reaches the readers'
** limit (SIZBUFOVL, fatal) instead of cutting it.
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
#include <cstring>
#include <string>
#include <vector>

/* ---- Output lines (records.cc) ---- */

/* The readers of the side files take lines below this length. */
const size_t RECORD_LIMIT = 4095;

/* A side file's lines, built in place in one buffer that goes out to the
** file in large pieces: one fwrite per block instead of one per line, and
** no string temporaries per field.  The line being built is the tail of
** the buffer from `start`. */
struct RecordLine {
    FILE *out = nullptr;
    std::vector<char> buffer;      /* a block and one longest line */
    size_t used = 0;               /* bytes in the buffer */
    size_t start = 0;              /* where the current line begins */
};

/* Starts writing lines to out. */
void line_open(RecordLine &line, FILE *out);
/* SIZBUFOVL: the line would reach RECORD_LIMIT characters. */
[[noreturn]] void line_overflow();

/* Appends; a line reaching RECORD_LIMIT characters is SIZBUFOVL (fatal).
** The check comes before every copy, so the buffer cannot overflow.
** Inline: most pieces are a few bytes, and their copy then costs less
** than a call. */
inline void line_put(RecordLine &line, const char *piece, size_t length)
{
    if (line.used - line.start + length >= RECORD_LIMIT)
        line_overflow();
    memcpy(line.buffer.data() + line.used, piece, length);
    line.used += length;
}

inline void line_put(RecordLine &line, const char *piece)
{
    line_put(line, piece, strlen(piece));
}
/* Appends the text with its double quotes doubled, without the quotes
** around it. */
void line_put_quoted_body(RecordLine &line, const char *text);
/* Appends the text between double quotes, inner quotes doubled; "?" for
** null. */
void line_put_quoted(RecordLine &line, const char *text);
/* Appends the decimal digits of n. */
void line_put_number(RecordLine &line, long n);
/* Ends the line with a newline; a full block is written out. */
void line_end(RecordLine &line);
/* Writes out the lines still buffered. */
void line_drain(RecordLine &line);

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
