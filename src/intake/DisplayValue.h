#pragma once

#include "CurrencyFormat.h"

#include <QLocale>
#include <QString>

/// Normalises requisites for display: amounts in the locale's currency form, recognisable dates in
/// its general date form, everything else unchanged.
class DisplayValue {
public:
    explicit DisplayValue(const QLocale& locale = QLocale());

    /// A non-empty raw amount in the currency form; an amount beyond the currency range is shown
    /// as it stands, since no currency value can hold it.
    QString Amount(const QString& raw) const;
    /// A date or time in the general date form, anything else as it stands.
    QString Ordinary(const QString& raw) const;

private:
    QLocale m_locale;
    CurrencyFormat m_currency;
};
