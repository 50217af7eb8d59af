#pragma once

#include <QByteArray>
#include <QString>

/// Puts the bytes into the file at path in one step: they are written whole to a new file in the
/// same folder, which then takes the old file's place, even a read-only one. On any failure the
/// old file stays as it was, the new one is removed and errorString (when given) says why.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* errorString = nullptr);
