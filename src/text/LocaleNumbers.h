#pragma once

#include "NumberSymbols.h"

#include <QString>
#include <QVariant>

/// Finds out how the user's locale writes numbers, afresh at every call, and tells whether a value
/// is a number once every locale decoration is stripped.
class LocaleNumbers {
public:
    /// The decimal separator: the character between the digits of 1.1.
    static QString LocalPoint();
    /// The digit-grouping character between "1" and "000" of 1000; empty where the locale puts a
    /// digit there, since it does not group.
    static QString LocalGrpSpace();
    /// What currency formatting adds to the plain number: the symbol with its spacing.
    static QString LocalCurrency();
    /// All four symbols at once.
    static NumberSymbols Symbols();

    /// True when the separator occurs at most once in the value.
    static bool IsMultiSeparator(const QString& value, const QString& separator);
    /// True when the value's text is numeric after the currency text and sign, the decimal and
    /// grouping separators, points, commas and spaces are removed; a null value is not.
    static bool IsNumber(const QVariant& value);
    /// The same test with symbols the caller has already taken.
    static bool IsNumber(const QString& text, const NumberSymbols& symbols);

    /// True for optional blanks, a sign before or after, digits, an optional exponent part.
    static bool IsNumericText(QStringView text);
};
