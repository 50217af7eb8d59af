#include "AppVersion.h"
#include "Form1.h"
#include "UserLocale.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kProductName));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
    InstallUserLocale();
    Form1 window(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("CONFIG")));
    window.show();
    return app.exec();
}
