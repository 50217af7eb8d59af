#pragma once

#include <QString>
#include <optional>

/// Reads an amount the way documents write it into a fixed-point value of four decimals.
class AmountReader {
public:
    /// Ten-thousandths of the amount, halves rounded to even. Blanks (also no-break spaces) are
    /// skipped anywhere; a number with digit grouping ("1,234.56", "1.234,56") is read as
    /// PlainNumber reads it; otherwise a sign, digits, a decimal point and an exponent are read
    /// from the start up to the first character that does not fit, a comma is the decimal
    /// separator when the text holds no point, "&H" and "&O" read hexadecimal and octal numbers,
    /// and no digits read as 0.
    /// Empty when the amount lies outside the 64-bit range.
    static std::optional<qint64> Read(QStringView raw);
};
