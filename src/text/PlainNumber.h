#pragma once

#include <QString>
#include <QStringView>
#include <optional>

/// Reads a number as documents and people write it, with or without digit grouping, one exact way.
class PlainNumber {
public:
    /// The number as its sign as written, its digits and "." before its decimals. One "." or ","
    /// is the decimal point; with both, the last one is and the others group digits in threes; one
    /// of them repeated alone groups digits in threes. Empty for any other text: blanks, letters,
    /// groups not of three, no digit at all.
    static std::optional<QString> Read(QStringView text);
};
