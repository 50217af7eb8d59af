#include "ReplaceFile.h"

#include "FileSystemObject.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <filesystem>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

std::filesystem::path FsPath(const QString& path)
{
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

// A file of a fresh name beside the target, created empty; closed when none could be made.
void OpenBeside(const QFileInfo& target, QFile& file)
{
    for (int attempt = 0; attempt < 16 && !file.isOpen(); ++attempt) {
        const QString suffix = QString::number(QRandomGenerator::global()->generate(), 36);
        file.setFileName(target.absoluteDir().filePath(
            QStringLiteral(".%1.%2.tmp").arg(target.fileName(), suffix)));
        file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
}

bool WriteWhole(QFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
#ifdef Q_OS_UNIX
    // On disk before the rename, so that a crash cannot leave an empty file in the old one's place.
    if (::fsync(file.handle()) != 0)
        return false;
#endif
    file.close();
    return file.error() == QFileDevice::NoError;
}

bool MoveOver(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(FsPath(from), FsPath(to), error);
    if (!error)
        return true;
    // Where the system refuses to replace a read-only file, it is made writable first; the
    // complete new content is already waiting beside it. Anything else at the path, a folder or
    // a link, keeps its permissions, and so does the file when it still cannot be replaced.
    const QFileInfo target(to);
    if (!target.isFile() || target.isSymLink())
        return false;
    const QFile::Permissions permissions = target.permissions();
    if (!QFile::setPermissions(to, permissions | QFileDevice::WriteOwner | QFileDevice::WriteUser))
        return false;
    std::filesystem::rename(FsPath(from), FsPath(to), error);
    if (!error)
        return true;
    QFile::setPermissions(to, permissions);
    return false;
}

} // namespace

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* errorString)
{
    const QFileInfo target(path);
    QFile temporary;
    OpenBeside(target, temporary);
    if (temporary.isOpen()) {
        const QString temporaryPath = temporary.fileName();
        if (WriteWhole(temporary, bytes) && MoveOver(temporaryPath, target.absoluteFilePath()))
            return FileSystemObject::FileExists(target.absoluteFilePath());
        temporary.close();
        QFile::remove(temporaryPath);
    }
    if (errorString)
        *errorString = QStringLiteral("Не удалось записать файл '%1'").arg(path);
    return false;
}
