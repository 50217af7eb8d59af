#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

/// Base64 text of bytes and back: the standard alphabet with "=" padding and no line breaks.
/// The text variants take one byte per character, so they are exact for characters up to U+00FF.
class Base64Codec {
public:
    /// The number every decoding error carries (0x80040000 as a signed 32-bit value).
    static constexpr qint32 kDecodeErrorNumber = qint32(-2147221504);

    /// Base64 of the text's characters, one byte each; characters above U+00FF count as "?".
    static QString Base64EncodeString(const QString& s);
    /// Base64 of all the bytes, as a value holding text.
    static QVariant Base64Encode(const QByteArray& inData);
    /// Base64 of the first inLen bytes; a length outside the array raises TextCoderError.
    static QString Base64Encode2(const QByteArray& inData, qint32 inLen);
    /// The decoded bytes as text, one character per byte; empty for empty text.
    static QString Base64DecodeString(const QString& s);
    /// The decoded bytes. Padding is required, every trailing "=" is dropped, and any other
    /// character outside the alphabet (blanks and line breaks too) raises TextCoderError.
    static QByteArray Base64Decode(const QString& s);

private:
    static QByteArray Latin1ToBytes(QStringView text);
    static QString BytesToLatin1(QByteArrayView bytes);
};
