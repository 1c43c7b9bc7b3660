/*
** src/codegen/trace_description.cc
** The dynamic trace description: the traced points of each script file.
**
** After a short file header, one section per script file number, from 1:
** the file's identity, its virtual testers and the points the generated
** driver reports while it runs (scenario begin and end, blocks,
** receptions, sends, rendezvous), each as a point code, a source line and
** a node number.  Node numbers restart at 3 in every section (1 and 2 are
** the file and the default tester) and are stored in the items, because
** the driver's dynamic-following calls must name the same nodes.  A
** scenario reserves two numbers when its begin point is written, so its
** end point is always its begin node plus 1, as the driver assumes, even
** though its children's points come between the two.
*/
#include "codegen_int.h"
#include "diag.h"

#include <QCoreApplication>

namespace {

/* The writer's state for one run. */
struct TraceWriter {
    FILE *out = nullptr;
    RecordLine line;
    uint32_t section = 0;          /* the file number being written */
    int node = 3;                  /* the next node of the section */
    std::string end_waittil;       /* the translated end label, once made */
};

std::string translated(const char *text)
{
    return QCoreApplication::translate("TsfGen context", text).toLocal8Bit().toStdString();
}

void put_line(TraceWriter &w, const std::string &text)
{
    line_put(w.line, text.data(), text.size());
    line_end(w.line);
}

/* A line of a word and a number. */
void put_numbered(TraceWriter &w, const char *word, long number)
{
    line_put(w.line, word);
    line_put(w.line, " ", 1);
    line_put_number(w.line, number);
    line_end(w.line);
}

/* A line of a word, a number and a quoted label. */
void put_labelled(TraceWriter &w, const char *word, long number, const char *label)
{
    line_put(w.line, word);
    line_put(w.line, " ", 1);
    line_put_number(w.line, number);
    line_put(w.line, " ", 1);
    line_put_quoted(w.line, label);
    line_end(w.line);
}

/* One traced point: ST code, LK line, then TX or MS with node and label. */
void point(TraceWriter &w, int code, uint32_t line, const char *kind, int node,
           const char *label)
{
    put_numbered(w, "ST", code);
    put_numbered(w, "LK", long(line));
    put_labelled(w, kind, node, label);
}

bool in_section(const TraceWriter &w, const SemanticEntry *e)
{
    return e->file_number == w.section;
}

void statements(TraceWriter &w, Scope *scope);

/* A selected scenario: its begin point, its children, its end point. */
void scenario(TraceWriter &w, SemanticEntry *e)
{
    if (!scenario_is_selected(e))
        return;
    bool shown = e->name && *e->name && in_section(w, e);
    if (shown) {
        e->trace_node = w.node;
        w.node += 2;
        point(w, 390, e->line, "TX", e->trace_node, e->name);
    }
    statements(w, e->descriptor->inner);
    if (shown)
        point(w, 393, uint32_t(scenario_end_line(e->descriptor)), "TX",
              e->trace_node + 1, e->name);
}

/* A block's begin and end points, then its statements. */
void block(TraceWriter &w, SemanticEntry *e, int code, const char *label)
{
    SemanticDescriptor *d = e->descriptor;
    if (in_section(w, e)) {
        e->trace_node = w.node;
        w.node += 2;
        point(w, code, e->line, "TX", e->trace_node, label);
        point(w, code, uint32_t(block_end_line(d)), "TX", e->trace_node + 1, label);
    }
    if (!block_proc(d))
        statements(w, d->inner);
}

/* Begin, the awaited message (the node kept), end. */
void waittil(TraceWriter &w, SemanticEntry *e)
{
    if (!in_section(w, e))
        return;
    point(w, 433, e->line, "TX", w.node++, "WAITTIL");
    e->trace_node = w.node++;
    point(w, 380, e->line, "MS", e->trace_node, "...");
    if (w.end_waittil.empty()) {
        w.end_waittil = translated("END %1");
        size_t at = w.end_waittil.find("%1");
        if (at != std::string::npos)
            w.end_waittil.replace(at, 2, "WAITTIL");
    }
    point(w, 433, e->line, "TX", w.node++, w.end_waittil.c_str());
}

/* A point of its own: rendezvous, sends and the inter-tester exchanges. */
void single_point(TraceWriter &w, SemanticEntry *e, int code, const char *kind,
                  const char *label)
{
    if (!in_section(w, e))
        return;
    e->trace_node = w.node++;
    point(w, code, e->line, kind, e->trace_node, label);
}

const char *sent_message_name(SemanticEntry *e)
{
    SemanticEntry *message = send_message(e->descriptor);
    return message ? message->name : nullptr;
}

void case_statement(TraceWriter &w, SemanticEntry *e)
{
    for (SemanticEntry *branch = inner_first(e); branch; branch = branch->next)
        if (branch->descriptor)
            statements(w, branch->descriptor->inner);
}

void statement(TraceWriter &w, SemanticEntry *e)
{
    switch (e->kind) {
    case EK_SCENARIO: scenario(w, e); break;
    case EK_INITIALIZATION: block(w, e, 400, "INITIALIZATION"); break;
    case EK_TERMINATION: block(w, e, 410, "TERMINATION"); break;
    case EK_EXCEPTION: block(w, e, 420, "EXCEPTION"); break;
    case EK_WAITTIL: waittil(w, e); break;
    case EK_RENDEZVOUS: single_point(w, e, 310, "TX", e->name); break;
    case EK_SEND: single_point(w, e, 383, "MS", sent_message_name(e)); break;
    case EK_INTERSEND: case EK_INTERRECV: single_point(w, e, 383, "MS", "..."); break;
    case EK_WHILE: statements(w, e->descriptor->inner); break;
    case EK_IF:
        statements(w, e->descriptor->inner);
        statements(w, if_else(e->descriptor));
        break;
    case EK_CASE: case_statement(w, e); break;
    default: break;
    }
}

void statements(TraceWriter &w, Scope *scope)
{
    for (SemanticEntry *e = scope_first(scope); e; e = e->next)
        if (e->descriptor)
            statement(w, e);
}

void instance(TraceWriter &w, const SemanticEntry *e)
{
    put_line(w, "SI 1");
    put_labelled(w, "IN \"VirtualTester\"", w.node++, e->name);
}

/* The items of the tables, as far as code is made for them. */
void item(TraceWriter &w, SemanticEntry *e)
{
    if (e->kind == EK_INSTANCE)
        instance(w, e);
    else if (!e->descriptor)
        return;
    else if (e->kind == EK_PROC && proc_is_called(e))
        statements(w, e->descriptor->inner);
    else if ((e->kind == EK_CALLBACK || e->kind == EK_PROCSEND) && handler_is_used(e))
        statements(w, e->descriptor->inner);
    else if (e->kind == EK_SCENARIO)
        scenario(w, e);
}

/* S: the date text's characters (each less 32), the generation id and the
** file's CRC, as the driver's notify_tsf call computes it too. */
long section_sum(const GenerationRequest &request, const ScriptFile *file)
{
    long sum = 0;
    for (const char *c = text_or_empty(request.time_text); *c; c++)
        sum += long(static_cast<unsigned char>(*c)) - 32;
    return sum + run_generation_id() + long(file->crc);
}

void section(TraceWriter &w, const GenerationRequest &request, const ScriptFile *file)
{
    std::string base = base_name_of(file);
    w.node = 3;
    put_line(w, "DB \"Scenaria-Tracer\"");
    line_put(w.line, "ID ");
    line_put_number(w.line, file->identity_key);
    line_put(w.line, " ", 1);
    line_put_number(w.line, section_sum(request, file));
    line_end(w.line);
    put_line(w, "SO \"" + std::string(file->absolute_dir) + "/" + base + "\" 0000 \"txt\"");
    put_line(w, "IN \"File\" 1 \"" + base + "\"");
    put_line(w, "SI 1");
    put_labelled(w, "IN \"VirtualTester\"", 2, translated("default tester").c_str());
    for (SemanticEntry *e = request.global ? request.global->first : nullptr; e; e = e->next)
        item(w, e);
    put_line(w, "ED");
}

} // namespace

void write_trace_description(const GenerationRequest &request)
{
    TraceWriter w;
    w.out = open_output(request.trace_name, "w");
    line_open(w.line, w.out);
    put_line(w, "DB \"Scenaria-Tracer\"");
    put_line(w, "ID 1 1");
    put_labelled(w, "IN \"Sut\"", 1, translated("System under test").c_str());
    put_line(w, "ED");
    for (uint32_t k = 1; const ScriptFile *file = file_numbered(request.files, k); k++) {
        w.section = k;
        section(w, request, file);
    }
    line_drain(w.line);
    close_output(w.out);
}
