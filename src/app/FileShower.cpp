#include "FileShower.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

const QString kFileManager = QStringLiteral("org.freedesktop.FileManager1");

bool FileManagerAnswers(const QDBusConnection& bus)
{
    const QDBusConnectionInterface* daemon = bus.interface();
    if (!bus.isConnected() || !daemon)
        return false;
    return daemon->isServiceRegistered(kFileManager).value() ||
           daemon->activatableServiceNames().value().contains(kFileManager);
}

} // namespace

void ShowFileInFileManager(const QString& path)
{
    const QFileInfo file(path);
#ifdef Q_OS_WIN
    QProcess explorer;
    explorer.setProgram(QStringLiteral("explorer.exe"));
    explorer.setNativeArguments(QStringLiteral("/n, /select, \"%1\"")
                                    .arg(QDir::toNativeSeparators(file.absoluteFilePath())));
    if (explorer.startDetached())
        return;
#else
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (FileManagerAnswers(bus)) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            kFileManager, QStringLiteral("/org/freedesktop/FileManager1"), kFileManager,
            QStringLiteral("ShowItems"));
        call << QStringList{QUrl::fromLocalFile(file.absoluteFilePath()).toString()} << QString();
        // Sent without waiting for a reply: the file manager may take its time to come up.
        if (bus.send(call))
            return;
    }
#endif
    QDesktopServices::openUrl(QUrl::fromLocalFile(file.absolutePath()));
}
