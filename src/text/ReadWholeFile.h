#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

/// A whole file as bytes, read from offset 0; empty when it cannot be opened or read.
std::optional<QByteArray> ReadWholeFile(const QString& path);
