#pragma once

#include <QString>

/// Writes an amount out in Russian words.
class AmountInWords {
public:
    /// The whole part of an amount held as ten-thousandths, in lower-case words without currency
    /// or kopecks: 211050000 gives "двадцать одна тысяча сто пять". Amounts below one, zero and
    /// negative ones included, give "ноль". A count of billions is spelled in full.
    static QString StringSumm(qint64 n);
};
