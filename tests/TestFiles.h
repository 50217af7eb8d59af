#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

/// Writes bytes into a file, creating its folder; the tests' way of building inputs on disk.
inline QString WriteTestFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

/// A file's bytes, or "<missing>" when it cannot be read.
inline QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

/// The folder of the repository's sample documents.
inline QString ExamplesFolder()
{
    return QStringLiteral(VYPISKA_SOURCE_DIR "/examples/documents");
}
