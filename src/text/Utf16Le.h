#pragma once

#include <QByteArray>
#include <QString>

/// The text of UTF-16LE bytes, low byte first; a final odd byte becomes one more code unit whose
/// high byte is 0. Nothing is checked or removed.
QString Utf16LeText(QByteArrayView bytes);
/// Exactly two bytes per code unit, low byte first, with no mark and no terminator.
QByteArray Utf16LeBytes(QStringView text);
