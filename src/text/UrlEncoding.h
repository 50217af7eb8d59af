#pragma once

#include <QString>

/// Escapes text one character at a time: into percent escapes for a URL, or into an expression
/// joining character codes.
class UrlEncoding {
public:
    /// Every character as percent escapes: Russian letters and common typographic marks by their
    /// UTF-8 bytes, the euro sign as "eur", anything else by its Windows-1251 byte ("%3F" when the
    /// code page lacks it).
    static QString CyrToUrl(const QString& a);
    /// "CHR(code) & " for each character's Windows-1251 code, ending in " ''".
    static QString NonPrintableAscii(const QString& St);
};
