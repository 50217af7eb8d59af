#pragma once

#include <QString>
#include <QVariant>

/// Small clean-up helpers of the text toolkit: padding, blanks, punctuation and digits.
class TextCleanup {
public:
    /// The value's decimal text zero-padded, or cut on the left, to width characters.
    /// A negative width raises TextCoderError.
    static QString LimDigit(qint32 value, qint32 width);
    /// Tabs become spaces and runs of spaces collapse to one; nothing is trimmed.
    static QString SpaceCompress(const QString& text);
    /// The value's text in the user's locale; empty for a null or empty value.
    static QString AntiNull(const QVariant& value);
    /// Removes punctuation (a few marks become spaces); the caller's text receives the result too.
    static QString ReplacePunctuation(QString& text);
    /// The text without leading and trailing spaces; only U+0020 counts, unlike QString::trimmed().
    static QString TrimSpaces(const QString& text);
    /// The decimal digit of number at position (1 = units).
    static double GetDigit(double number, int position);
};
