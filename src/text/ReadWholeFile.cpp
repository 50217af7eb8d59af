#include "ReadWholeFile.h"

#include <QFile>

std::optional<QByteArray> ReadWholeFile(const QString& path)
{
    // Unbuffered, into a buffer of the file's size: a read cycle opens thousands of small files,
    // and the device's own buffering would copy each of them twice.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return std::nullopt;
    QByteArray bytes(file.size(), Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < bytes.size()) {
        const qint64 read = file.read(bytes.data() + filled, bytes.size() - filled);
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            break;
        filled += read;
    }
    bytes.truncate(filled);
    // Devices and pipes report no size: they are read to their end.
    if (bytes.isEmpty()) {
        bytes = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return std::nullopt;
    }
    return bytes;
}
