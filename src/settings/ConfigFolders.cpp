#include "ConfigFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

bool Writable(const QString& folder)
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

} // namespace

// Decided once at start: a folder that becomes writable later does not move the settings.
ConfigFolders::ConfigFolders(const QString& program, const QString& user)
    : ConfigFolders(program, user, !Writable(program))
{
}

ConfigFolders::ConfigFolders(const QString& program, const QString& user, bool perUser)
    : m_program(program), m_user(user), m_perUser(perUser && !user.isEmpty())
{
}

ConfigFolders ConfigFolders::Installed()
{
    // One folder for the window and the command line, whatever each calls itself.
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return ConfigFolders(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("CONFIG")),
        desktop.isEmpty() ? QString() : QDir(desktop).filePath(QStringLiteral("vypiska")));
}

ConfigFolders ConfigFolders::Only(const QString& folder)
{
    return ConfigFolders(folder, QString());
}

QString ConfigFolders::ColumnMapFolder() const
{
    if (m_perUser && QFileInfo::exists(QDir(m_user).filePath(QStringLiteral("TAG.INI"))))
        return m_user;
    return m_program;
}

QStringList ConfigFolders::TemplateFolders() const
{
    return m_perUser ? QStringList{m_user, m_program} : QStringList{m_program};
}
