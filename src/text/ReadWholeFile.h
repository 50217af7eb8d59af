#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

/// The most ReadWholeFile reads unless told otherwise: far beyond any document, column map,
/// template or settings file, far below what would strain the memory.
inline constexpr qint64 kReadWholeFileLimit = qint64(64) << 20;

/// A whole regular file as bytes, read from offset 0. Empty for anything that cannot be opened or
/// read, for anything but a regular file (a folder, pipe, socket or device is never read from, so
/// nothing blocks), and for a file of more than limit bytes, whatever size it reports: files
/// under /proc report none and are read up to the limit.
std::optional<QByteArray> ReadWholeFile(const QString& path, qint64 limit);
/// ReadWholeFile with the usual limit, kReadWholeFileLimit.
std::optional<QByteArray> ReadWholeFile(const QString& path);
