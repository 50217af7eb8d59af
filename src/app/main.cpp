#include "AppVersion.h"
#include "Form1.h"
#include "TemporaryPaths.h"
#include "UserLocale.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TemporaryPaths::InstallSignalHandlers();
    // A read still running when the window closes finds its extracted documents gone and ends
    // at once, instead of going on unseen.
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, [] { TemporaryPaths::RemoveAll(); });
    QApplication::setApplicationName(QString::fromUtf8(kProductName));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    InstallUserLocale();
    // The window was drawn for Tahoma 9 pt; where it is missing the desktop's sans-serif takes
    // over.
    const QString family = QFontDatabase::families().contains(QStringLiteral("Tahoma"))
                               ? QStringLiteral("Tahoma")
                               : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    QApplication::setFont(QFont(family, 9));
    // The platform's own dialogs, the save dialog among them, speak the user's language too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    Form1 window(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("CONFIG")));
    window.show();
    return app.exec();
}
