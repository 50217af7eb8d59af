#include "FileSystemObject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace {

// Forced deletion: a read-only file is made writable first.
bool RemoveFile(const QString& path)
{
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return file.remove();
}

} // namespace

bool FileSystemObject::FileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool FileSystemObject::FolderExists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

QString FileSystemObject::GetTempName()
{
    const quint32 number = QRandomGenerator::global()->bounded(0x100000u);
    return QStringLiteral("rad%1.tmp").arg(number, 5, 16, QLatin1Char('0')).toUpper();
}

bool FileSystemObject::DeleteFile(const QString& pattern)
{
    const QFileInfo info(pattern);
    const QDir folder = info.dir();
    const QStringList names =
        folder.entryList({info.fileName()}, QDir::Files | QDir::Hidden | QDir::System);
    if (names.isEmpty())
        return false;
    bool deleted = true;
    for (const QString& name : names)
        deleted = RemoveFile(folder.filePath(name)) && deleted;
    return deleted;
}

bool FileSystemObject::DeleteFolder(const QString& path)
{
    if (!FolderExists(path))
        return false;
    QDir folder(path);
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            DeleteFolder(entry.filePath());
        else
            RemoveFile(entry.filePath());
    }
    return folder.rmdir(path);
}
