#pragma once

#include <QString>

/// Turns the markup escapes of a value taken from a document into the characters they stand for.
class XmlEntities {
public:
    /// Replaces "&lt;", "&gt;", "&amp;", "&quot;", "&apos;" and decimal or hexadecimal character
    /// references of XML characters, and takes each CDATA section's content as it stands without
    /// its markers; any other "&name;" and an unterminated CDATA section stay as written.
    static QString Resolve(QStringView value);
};
