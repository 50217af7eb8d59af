#include "AppVersion.h"
#include "Form1.h"
#include "TemporaryPaths.h"
#include "UserLocale.h"

#include <QApplication>
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
    // The file dialogs and the other texts Qt draws speak Russian, as the whole window does.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    Form1 window(ConfigFolders::Installed());
    window.show();
    return app.exec();
}
