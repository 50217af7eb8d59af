#pragma once

#include <QByteArray>
#include <QString>

/// Turns document bytes into text and text into UTF-8 bytes.
class Utf8Text {
public:
    /// Undoes percent escapes ("%" and two hexadecimal digits) and decodes the bytes as UTF-8;
    /// malformed sequences become U+FFFD and a "%" without two hexadecimal digits stays as it is.
    static QString DecodeUTF8(QByteArrayView encoded);
    /// The bytes with every "%" and two hexadecimal digits replaced by the byte they name.
    static QByteArray UndoPercentEscapes(QByteArrayView encoded);
    /// The UTF-8 bytes of the text up to its first U+0000; unpaired surrogates become U+FFFD.
    static QByteArray EncodeUTF8(QStringView text);
};
