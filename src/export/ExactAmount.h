#pragma once

#include "NumberSymbols.h"

#include <QString>
#include <optional>

/// A decimal number held exactly, as a whole count of units of ten to the power -scale: sums and
/// comparisons of amounts never pass through floating point.
class ExactAmount {
public:
    /// Zero.
    ExactAmount() = default;

    /// Reads a number as PlainNumber does, once the locale's currency text and sign, its grouping
    /// character and blanks are removed. Empty for any other text, and for numbers beyond 36
    /// digits or 18 decimals.
    static std::optional<ExactAmount> Read(QStringView text, const NumberSymbols& symbols);

    /// Empty when the result would leave the range.
    std::optional<ExactAmount> Plus(const ExactAmount& other) const;
    std::optional<ExactAmount> Minus(const ExactAmount& other) const;
    /// Negative, zero or positive as this amount is below, equal to or above the other.
    int Compare(const ExactAmount& other) const;

    /// The digits with the separator before the decimals, at least minDecimals of them; the
    /// decimals read are all kept, and a minus stands before a negative amount.
    QString Text(QStringView separator, int minDecimals) const;

private:
    __extension__ using Wide = __int128;

    ExactAmount(Wide units, int scale) : m_units(units), m_scale(scale) {}
    static std::optional<ExactAmount> ReadPlain(QStringView rest);
    static std::optional<Wide> Scaled(Wide units, int by);

    Wide m_units = 0;
    int m_scale = 0;
};
