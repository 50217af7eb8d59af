#include "ReadWholeFile.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

/// Closes a descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// The bytes read into data, 0 at the end, -1 on failure; a non-blocking file with nothing to
// give (such as /proc/kmsg) is a failure rather than a wait.
qint64 ReadSome(int fd, char* data, qint64 size)
{
    for (;;) {
        const ssize_t read = ::read(fd, data, size_t(size));
        if (read >= 0 || errno != EINTR)
            return read;
    }
}

// Reads on past the size the file reported, in steps, until its end or past the limit.
bool ReadRest(int fd, QByteArray& bytes, qint64 limit)
{
    char step[16 * 1024];
    for (;;) {
        const qint64 read = ReadSome(fd, step, sizeof step);
        if (read < 0 || bytes.size() + read > limit)
            return false;
        if (read == 0)
            return true;
        bytes.append(step, qsizetype(read));
    }
}

} // namespace

std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit)
{
    // Opened without blocking and asked about on the open descriptor: a pipe's open would wait
    // for a writer, and a check on the name could be answered by another file than the one read.
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (file.fd() < 0 || ::fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > limit)
        return std::nullopt;
    // One buffer of the reported size: a read cycle opens thousands of small files.
    QByteArray bytes(qsizetype(status.st_size), Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < bytes.size()) {
        const qint64 read = ReadSome(file.fd(), bytes.data() + filled, bytes.size() - filled);
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            break;
        filled += read;
    }
    bytes.truncate(qsizetype(filled));
    if (!ReadRest(file.fd(), bytes, limit))
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    return ReadWholeFile(path, kReadWholeFileLimit);
}
