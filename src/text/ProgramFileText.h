#pragma once

#include <QByteArray>
#include <QString>

/// The text of the program's own files (column map, templates, settings): Windows-1251 as shipped,
/// or UTF-8 as a Linux text editor saves them.
class ProgramFileText {
public:
    enum class Encoding { Windows1251, Utf8, Utf8WithMark };

    /// UTF-8 with its byte order mark; UTF-8 for valid UTF-8 holding a non-ASCII byte (Windows-1251
    /// Cyrillic practically never is); else Windows-1251.
    static Encoding Detect(QByteArrayView bytes);
    /// The text of the bytes in the encoding they are detected in, without a byte order mark.
    static QString Decode(QByteArrayView bytes);
    /// The text of bytes in a known encoding; a byte order mark is not expected.
    static QString Decode(QByteArrayView bytes, Encoding encoding);
    /// The bytes of the text in the encoding, without a byte order mark; Windows-1251 writes "?"
    /// for characters it lacks.
    static QByteArray Encode(QStringView text, Encoding encoding);

    static constexpr QByteArrayView kByteOrderMark = "\xEF\xBB\xBF";
};
