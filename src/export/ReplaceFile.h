#pragma once

#include <QByteArray>
#include <QString>

/// Puts the bytes into the file at path in one step: they are written whole to a new file in the
/// same folder, which then takes the old file's place, even a read-only one, with the old file's
/// mode (and, where the system allows, its owner and group). A symbolic link at path keeps
/// standing: the file it leads to is the one replaced. A pipe or a character device (such as
/// /dev/null) is written into as it is, never replaced; a pipe only while something reads it.
/// Anything else that is not a regular file is refused. On any failure the old file stays as it
/// was, the new one is removed and errorString (when given) says why.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* errorString = nullptr);

/// The path ReplaceFile writes for path: where the chain of symbolic links at path ends, or path
/// itself when it is no link.
QString ReplacedPath(const QString& path);
