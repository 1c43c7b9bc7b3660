/*
** src/codegen/codegen.h
** Code generation: the writers of the generated files.
**
** The TDC writer runs first and allots the TDC identifiers, the trace
** description writer allots the trace node numbers, and the source
** generator, run last, uses both.  The folder keeps one file per generated
** artefact or concern: the line emitter, the TDC writer, the trace and
** scenario descriptions, the source layout, statement code, message code
** and the probe-mode output.
*/
#ifndef ZRS_CODEGEN_H
#define ZRS_CODEGEN_H

#include "support.h"

struct ScriptFile;
struct Scope;

/* Everything the generators need from the driver for one run. */
struct GenerationRequest {
    const char *script_name;
    const char *tdc_name;
    const char *header_name;
    const char *trace_name;
    const char *rio_name;
    const char *source_name;
    ScriptFile *files;
    const TextList *interface_files;
    const char *command_line;
    const char *time_text;
    const char *instance;     /* null when none is passed on */
    int instance_mode;
    int instance_rank;
    int timer_count;
    int highest_channel;      /* highest channel index allotted */
    int trace;
    int probe;
    const char *filters;      /* the -SET letters */
    int allocation;
    const char *start_routine;
    int notshared;
    int bufsize;
    Scope *global;            /* the semantic tables */
};

void write_scenario_description(const char *name, ScriptFile *files,
                                const TextList &families,
                                Scope *global);
void write_tdc_file(const GenerationRequest &request);
void write_trace_description(const GenerationRequest &request);
void generate_source(const GenerationRequest &request);

#endif
