#pragma once

#include <QByteArray>
#include <QString>

/// Turns a document's bytes into text by the encoding the document declares.
class DocumentText {
public:
    /// Decodes by a UTF-8 or UTF-16 byte order mark, else by the "encoding" of the XML declaration
    /// (any name the converters know, in any case), else as UTF-8; percent escapes are undone
    /// first.
    static QString Decode(QByteArrayView bytes);
    /// The "encoding" named by an XML declaration at the start of the bytes; empty when none.
    static QByteArray DeclaredEncoding(QByteArrayView bytes);
};
