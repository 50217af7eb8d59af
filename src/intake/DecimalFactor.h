#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

/// A decimal number that a value read from a document is multiplied by, exactly: "0.01" turns an
/// amount in kopecks into roubles.
class DecimalFactor {
public:
    /// Digits with at most one "." or "," among them; nothing for anything else.
    static std::optional<DecimalFactor> Parse(QStringView text);

    /// The value times the factor, keeping every decimal place of both, when the value is a plain
    /// number (blanks around it, a sign, digits with at most one "." or ","); any other value as it
    /// stands. The result has the value's decimal separator, or "." when it had none.
    QString Apply(const QString& value) const;

private:
    // The number as its digits without separator, and how many of them follow the separator.
    struct Decimal {
        QByteArray digits;
        qsizetype scale = 0;
        bool negative = false;
        QChar separator = QLatin1Char('.');
    };

    static std::optional<Decimal> Read(QStringView text, bool signAllowed);
    static QByteArray Multiply(const QByteArray& a, const QByteArray& b);

    Decimal m_factor;
};
