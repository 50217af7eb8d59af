#include "ConsoleOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The first failure of standard output, as errno told it; 0 while all is well.
int g_outError = 0;
// Started without standard output: a write to it fails, but a command that writes none is fine.
bool g_outMissing = false;

void Write(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

} // namespace

void ConsoleOutput::HoldStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number is the one missing.
        if (::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) == 1)
            g_outMissing = true;
    }
}

bool ConsoleOutput::Out(const QString& text)
{
    if (g_outMissing && g_outError == 0)
        g_outError = EBADF;
    if (g_outError != 0)
        return false;
    const QByteArray bytes = text.toUtf8();
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()))
        g_outError = errno != 0 ? errno : EIO;
    return g_outError == 0;
}

void ConsoleOutput::Err(const QString& text)
{
    Write(stderr, text);
}

void ConsoleOutput::Error(const QString& message)
{
    Err(QStringLiteral("vypiska-cli: error: ") + message + QLatin1Char('\n'));
}

bool ConsoleOutput::CloseOut()
{
    errno = 0;
    if (std::fflush(stdout) != 0 && g_outError == 0)
        g_outError = errno != 0 ? errno : EIO;
    errno = 0;
    if (std::fclose(stdout) != 0 && g_outError == 0)
        g_outError = errno != 0 ? errno : EIO;
    if (g_outError == 0)
        return true;
    Error(QStringLiteral("cannot write to standard output: %1")
              .arg(QString::fromLocal8Bit(std::strerror(g_outError))));
    return false;
}
