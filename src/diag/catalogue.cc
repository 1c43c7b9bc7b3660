/*
** src/diag/catalogue.cc
** The message catalogue: one process-wide map from code to translated text.
**
** Filled once at start-up from the four module tables (the msg_*.def
** files).  Each source text is translated with its category as context and
** its translator comment as disambiguation; later insertions replace
** earlier texts of the same code, so the load order decides shared codes.
*/
#include "diag.h"

#include <QCoreApplication>
#include <QMap>

namespace {

struct MessageRow {
    const char *code;
    const char *category;
    const char *text;
};

#define MSG(code, category, text) {#code, category, text},
const MessageRow script_rows[] = {
#include "msg_script.def"
};
const MessageRow bibli_rows[] = {
#include "msg_bibli.def"
};
const MessageRow anaccpp_rows[] = {
#include "msg_anaccpp.def"
};
const MessageRow modbas_rows[] = {
#include "msg_modbas.def"
};
#undef MSG

static_assert(sizeof script_rows / sizeof script_rows[0] == 249,
              "the script compiler table has 249 entries");

QMap<QString, QString> &catalogue()
{
    static QMap<QString, QString> map;
    return map;
}

/* How a module's rows are commented for the translators. */
enum CommentStyle { COMMENT_ERROR_CODE, COMMENT_MODBAS };

QByteArray translator_comment(const MessageRow &row, CommentStyle style)
{
    if (style == COMMENT_ERROR_CODE)
        return QByteArray("Error code is \"") + row.code + "\"";
    if (qstrcmp(row.code, "ENDNOENWR") == 0)
        return "%1 and %2 are empty string, but must take place in the "
               "translation";
    return QByteArray();
}

template <size_t N>
void load_table(const MessageRow (&rows)[N], CommentStyle style, bool &done)
{
    if (done)
        return;
    done = true;
    for (const MessageRow &row : rows) {
        QByteArray comment = translator_comment(row, style);
        catalogue_add(QString::fromLatin1(row.code),
                      QCoreApplication::translate(
                          row.category, row.text,
                          comment.isEmpty() ? nullptr : comment.constData()));
    }
}

bool script_loaded, bibli_loaded, modbas_loaded, anaccpp_loaded;

} // namespace

void init_script_messages()
{
    load_table(script_rows, COMMENT_ERROR_CODE, script_loaded);
}

void init_bibli_messages()
{
    load_table(bibli_rows, COMMENT_ERROR_CODE, bibli_loaded);
}

void init_modbas_messages()
{
    load_table(modbas_rows, COMMENT_MODBAS, modbas_loaded);
}

void init_anaccpp_messages()
{
    load_table(anaccpp_rows, COMMENT_ERROR_CODE, anaccpp_loaded);
}

void catalogue_add(const QString &code, const QString &text)
{
    catalogue().insert(code, text);
}

QString catalogue_lookup(const QString &code)
{
    auto it = catalogue().constFind(code);
    return it == catalogue().constEnd() ? QString() : it.value();
}
