#pragma once

#include <QString>

/// How the user's locale decorates numbers, taken once so that a long export asks only once.
struct NumberSymbols {
    /// The decimal separator (LocalPoint).
    QString point;
    /// The digit-grouping character (LocalGrpSpace); empty where the locale does not group.
    QString groupSeparator;
    /// The currency text with its spacing (LocalCurrency).
    QString currency;
    /// The bare currency sign, for amounts written with another space before it.
    QString currencySign;
};
