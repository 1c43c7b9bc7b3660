/*
** src/diag/report.cc
** Reporting: line formatting, severities, counts, the listing and the summary.
**
** One line per diagnostic: the prefix "Korvat-<letter>-<code>,  ", the
** catalogue text with its arguments filled the way QString::arg fills the
** lowest place marker, a newline, and every leftover %1 %2 %3 removed.  The
** line goes to standard error while echo is on and to the listing once it
** is open.  Fatal and internal reports close the listing and end the run.
*/
#include "diag.h"
#include "support.h"

#include <string>

namespace {

/* Process-wide reporting state. */
struct ReportState {
    int errors = 0;
    int warnings = 0;
    int lines = 0;      /* report lines of every severity */
    bool echo = true;          /* lines to standard error */
    bool listing_on = false;
    FILE *listing = nullptr;
    std::string listing_path;
    std::string file;          /* current position, set by the C analysis */
    int line = 0;
};

ReportState state;

/* How the arguments meet the place markers.  FILL_LOWEST is the general
** rule: each non-empty argument fills the lowest marker left.  Positioned
** reports use FILL_POSITIONED: the text always goes to %2, so a report
** without a position does not put its text where the position belongs. */
enum Fill { FILL_LOWEST, FILL_POSITIONED };

QString fill_arguments(QString text, const QString &arg1, const QString &arg2,
                       Fill fill)
{
    if (!arg1.isEmpty() && !arg2.isEmpty())
        return text.arg(arg1).arg(arg2);
    if (!arg1.isEmpty())
        return text.arg(arg1);
    if (!arg2.isEmpty())
        return fill == FILL_POSITIONED ? text.arg(QString()).arg(arg2)
                                       : text.arg(arg2);
    return text;
}

void remove_leftover_markers(QString &line)
{
    static const char *const markers[] = {"%1", "%2", "%3"};
    for (const char *marker : markers)
        line.remove(QLatin1String(marker));
}

void write_line(const QByteArray &bytes)
{
    if (state.echo) {
        fwrite(bytes.constData(), 1, bytes.size(), stderr);
        fflush(stderr);
    }
    /* A failed write to the listing is ignored on purpose. */
    if (state.listing_on && state.listing)
        fwrite(bytes.constData(), 1, bytes.size(), state.listing);
}

QString from_c(const char *text)
{
    return text ? QString::fromLocal8Bit(text) : QString();
}

} // namespace

namespace {

void emit_line(const char *code, char letter, const QString &arg1,
               const QString &arg2, Fill fill)
{
    state.lines++;
    QString line = QStringLiteral("Korvat-%1-%2,  ")
                       .arg(QChar::fromLatin1(letter))
                       .arg(QString::fromLatin1(code));
    QString text = catalogue_lookup(QString::fromLatin1(code));
    if (!text.isNull())
        line += fill_arguments(text, arg1, arg2, fill);
    line += QLatin1Char('\n');
    remove_leftover_markers(line);
    write_line(line.toLocal8Bit());
}

[[noreturn]] void end_with(int status)
{
    close_listing();
    terminate_run(status);
}

/* One report: counting, the line, and the end of the run when fatal. */
void dispatch(int severity, const char *code, const QString &arg1,
              const QString &arg2, Fill fill)
{
    switch (severity) {
    case SEV_INTERNAL:
        emit_line(code, 'S', arg1, arg2, fill);
        end_with(9);
    case SEV_FATAL:
        emit_line(code, 'F', arg1, arg2, fill);
        end_with(7);
    case SEV_ERROR:
        state.errors++;
        emit_line(code, 'E', arg1, arg2, fill);
        break;
    case SEV_WARNING:
        state.warnings++;
        emit_line(code, 'W', arg1, arg2, fill);
        break;
    case SEV_INFO:
        emit_line(code, 'I', arg1, arg2, fill);
        break;
    default:
        break;   /* above 4: nothing is reported */
    }
}

} // namespace

void emit_message(const char *code, char letter, const QString &arg1,
                  const QString &arg2)
{
    emit_line(code, letter, arg1, arg2, FILL_LOWEST);
}

void report_info(const char *code, const QString &arg1, const QString &arg2)
{
    dispatch(SEV_INFO, code, arg1, arg2, FILL_LOWEST);
}

void report_warning(const char *code, const QString &arg1, const QString &arg2)
{
    dispatch(SEV_WARNING, code, arg1, arg2, FILL_LOWEST);
}

void report_error(const char *code, const QString &arg1, const QString &arg2)
{
    dispatch(SEV_ERROR, code, arg1, arg2, FILL_LOWEST);
}

void report_fatal(const char *code, const QString &arg1, const QString &arg2)
{
    dispatch(SEV_FATAL, code, arg1, arg2, FILL_LOWEST);
    terminate_run(7);   /* not reached */
}

void report_fatal_c(const char *code, const char *arg1, const char *arg2)
{
    report_fatal(code, from_c(arg1), from_c(arg2));
}

void report_internal(const char *code, const QString &arg1, const QString &arg2)
{
    dispatch(SEV_INTERNAL, code, arg1, arg2, FILL_LOWEST);
    terminate_run(9);   /* not reached */
}

void report_internal_c(const char *code, const char *arg1, const char *arg2)
{
    report_internal(code, from_c(arg1), from_c(arg2));
}

QString position_prefix(const char *file, int line)
{
    if (file && *file)
        return QStringLiteral("[%1:%2] ")
            .arg(QString::fromLocal8Bit(file))
            .arg(line);
    if (line != 0)
        return QStringLiteral("[%1] ").arg(line);
    return QString();
}

void report_at(int severity, const char *code, const QString &text,
               const char *file, int line)
{
    dispatch(severity, code, position_prefix(file, line), text,
             FILL_POSITIONED);
}

void report_at_c(int severity, const char *code, const char *text,
                 const char *file, int line)
{
    report_at(severity, code, from_c(text), file, line);
}

void report_here(int severity, const char *code, const QString &text)
{
    report_at(severity, code, text, state.file.c_str(), state.line);
}

void report_here_c(int severity, const char *code, const char *text)
{
    report_here(severity, code, from_c(text));
}

void set_current_file(const char *name)
{
    state.file = name ? name : "";
}

const char *current_file()
{
    return state.file.c_str();
}

void set_current_line(int line)
{
    state.line = line;
}

int current_line()
{
    return state.line;
}

void open_listing(const char *path, bool echo)
{
    state.echo = echo;
    if (!path || !*path)
        return;
    state.listing_path = path;
    state.listing_on = true;
    if (!open_file(path, "w", &state.listing)) {
        state.listing_on = false;
        report_fatal("FICERROPN", QString::fromLocal8Bit(path), QString());
    }
}

void close_listing()
{
    if (state.listing_on && state.listing) {
        FILE *stream = state.listing;
        state.listing_on = false;
        state.listing = nullptr;
        checked_fclose(stream);
    }
}

int error_count()
{
    return state.errors;
}

int warning_count()
{
    return state.warnings;
}

int report_line_count()
{
    return state.lines;
}

void end_of_run()
{
    const char *code;
    QString arg1, arg2;
    int status;
    if (state.errors > 0 && state.warnings > 0) {
        code = "ENDERRWAR";
        arg1 = QString::number(state.errors);
        arg2 = QString::number(state.warnings);
        status = 5;
    } else if (state.errors > 0) {
        code = "ENDERRNWR";
        arg1 = QString::number(state.errors);
        status = 5;
    } else if (state.warnings > 0) {
        code = "ENDNOEWAR";
        arg2 = QString::number(state.warnings);
        status = 3;
    } else {
        code = "ENDNOENWR";
        status = 0;
    }
    report_info(code, arg1, arg2);
    close_listing();
    terminate_run(status);
}
