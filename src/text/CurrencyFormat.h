#pragma once

#include <QLocale>
#include <QString>

/// Formats fixed-point amounts (ten-thousandths) in a locale's currency form, exactly, without
/// passing them through floating point.
class CurrencyFormat {
public:
    explicit CurrencyFormat(const QLocale& locale = QLocale());

    /// The amount as the locale writes money: symbol, grouping, decimals and negative form.
    QString Format(qint64 units) const;

private:
    QString Number(quint64 magnitude) const;

    QLocale m_locale;
    QString m_positive;  // the currency form of 1 with "%1" where the number stands
    QString m_negative;  // the same for -1
    int m_decimals = 2;
};
