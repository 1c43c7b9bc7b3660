/*
** src/driver/translation.cc
** Translation set-up: the application object and the module translators.
**
** Translation files live in $KORVATDIR/lib/locale, one per module and
** locale ("zrs_fr_FR.qm", ...).  A missing file leaves that module's texts
** in English.  Qt's own diagnostics (locale warnings, QString::arg
** complaints) are silenced before the application object exists, so that
** standard error carries only this program's lines.
*/
#include "driver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

const char *const module_prefixes[] = {
    "zrs_", "krvtident_", "bibli_", "modbas_", "anaccpp_", "cab_", "zrsprepro_",
};

void drop_qt_message(QtMsgType, const QMessageLogContext &, const QString &)
{
}

[[noreturn]] void setup_failed(const QByteArray &text)
{
    fwrite(text.constData(), 1, text.size(), stderr);
    fflush(stderr);
    exit(-1);
}

QString locale_directory()
{
    const char *root = getenv("KORVATDIR");
    if (!root || !*root)
        setup_failed("Fatal Error: please setup KORVATDIR environment "
                     "variable.\n");
    QString dir = QString::fromLocal8Bit(root) + QDir::separator() + "lib" +
                  QDir::separator() + "locale";
    if (!QFileInfo(dir).isDir())
        setup_failed(QStringLiteral("Fatal Error: directory doesn't exist "
                                    "'%1'\n")
                         .arg(dir)
                         .toLocal8Bit());
    return dir;
}

} // namespace

void setup_translation(int &argc, char **argv)
{
    qInstallMessageHandler(drop_qt_message);
    /* The application object lives for the whole run; the process ends by
    ** exit() from wherever the run stops. */
    static QCoreApplication *application = new QCoreApplication(argc, argv);
    (void)application;
    QString dir = locale_directory();
    QString locale = QLocale::system().name();
    for (const char *prefix : module_prefixes) {
        QTranslator *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(QString::fromLatin1(prefix) + locale, dir))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}
