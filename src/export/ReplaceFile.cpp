#include "ReplaceFile.h"

#include "TemporaryPaths.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Failure(const QString& path, const QString& reason = {})
{
    const QString text = QStringLiteral("Не удалось записать файл '%1'").arg(path);
    return reason.isEmpty() ? text : text + QStringLiteral(": ") + reason;
}

// Why a path's file of this kind is never replaced; empty for a regular file.
QString KindRefusal(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("это папка");
    if (S_ISSOCK(mode))
        return QStringLiteral("это сокет, а не файл");
    if (S_ISBLK(mode))
        return QStringLiteral("это блочное устройство, а не файл");
    return {};
}

QByteArray FinalTarget(QByteArray path)
{
    // As many links as the system itself follows.
    for (int hop = 0; hop < 40; ++hop) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.constData(), target, sizeof target);
        if (length <= 0 || size_t(length) >= sizeof target)
            return path;
        QByteArray next(target, qsizetype(length));
        if (!next.startsWith('/'))
            next.prepend(path.left(path.lastIndexOf('/') + 1));
        path = next;
    }
    return path;
}

bool WriteAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= size_t(written);
    }
    return true;
}

// A pipe or a device takes the bytes as a stream; renaming over it would replace the node.
bool WriteInto(const QByteArray& target, const QByteArray& bytes, QString& reason)
{
    // Without blocking, so that a pipe nobody reads is an error rather than a wait.
    const int fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENXIO)
            reason = QStringLiteral("канал никто не читает");
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const bool written = WriteAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

// A new file of a short fresh name beside the target: short, so that it fits wherever the
// target's own name of up to 255 bytes does.
int CreateBeside(const QByteArray& target, QByteArray& name)
{
    const QByteArray folder = target.left(target.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = folder + ".vypiska-" +
               QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        const int fd =
            ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The new file's content, made durable, with the mode, owner and group of the file it replaces.
bool Fill(int fd, const QByteArray& bytes, const struct stat* old)
{
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0)
        return false;
    if (!old)
        return true;
    // The owner first: a change of owner clears the set-user and set-group bits.
    if (::fchown(fd, old->st_uid, old->st_gid) != 0)
        static_cast<void>(::fchown(fd, uid_t(-1), old->st_gid));
    return ::fchmod(fd, old->st_mode & 07777) == 0;
}

bool ReplaceRegular(const QByteArray& target, const QByteArray& bytes, const struct stat* old)
{
    QByteArray temporary;
    int fd = -1;
    std::optional<TemporaryPaths::Registration> registration;
    {
        // A signal between the creation and the registration would leave the file behind.
        const TemporaryPaths::Deferral deferral;
        fd = CreateBeside(target, temporary);
        if (fd >= 0)
            registration.emplace(QFile::decodeName(temporary), false);
    }
    if (fd < 0)
        return false;
    const bool filled = Fill(fd, bytes, old);
    if (::close(fd) == 0 && filled && ::rename(temporary.constData(), target.constData()) == 0)
        return true;
    ::unlink(temporary.constData());
    return false;
}

} // namespace

QString ReplacedPath(const QString& path)
{
    return QFile::decodeName(FinalTarget(QFile::encodeName(path)));
}

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* errorString)
{
    const QByteArray target = FinalTarget(QFile::encodeName(path));
    struct stat status {};
    const bool exists = ::stat(target.constData(), &status) == 0;
    QString reason;
    bool written = false;
    if (exists && (S_ISFIFO(status.st_mode) || S_ISCHR(status.st_mode)))
        written = WriteInto(target, bytes, reason);
    else if (exists && !S_ISREG(status.st_mode))
        reason = KindRefusal(status.st_mode);
    else
        written = ReplaceRegular(target, bytes, exists ? &status : nullptr);
    if (!written && errorString)
        *errorString = Failure(path, reason);
    return written;
}
