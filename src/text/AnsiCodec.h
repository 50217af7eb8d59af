#pragma once

#include <QByteArray>
#include <QString>

/// Converts between text and the single-byte Windows-1251 code page that the program's own files use.
class AnsiCodec {
public:
    /// Maps every byte to its character; the result has exactly one character per byte.
    static QString Decode(QByteArrayView bytes);
    /// Maps every character to its byte, writing "?" for characters the code page lacks.
    static QByteArray Encode(QStringView text);
    /// The byte of one character, or 63 ("?") when the code page lacks it.
    static unsigned char Code(QChar c);
};
