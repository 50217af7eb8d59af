#include "DigitsValidator.h"

DigitsValidator::DigitsValidator(int maxDigits, QObject* parent)
    : QValidator(parent), m_maxDigits(maxDigits)
{
}

QValidator::State DigitsValidator::validate(QString& input, int& position) const
{
    QString digits;
    int cursor = 0;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            continue;
        digits += c;
        if (i < position)
            ++cursor;
    }
    // The cursor stands right after what was just inserted: the overflow is cut there, so the
    // digits already in the box stay and an insertion keeps its first digits.
    const int excess = int(digits.size()) - m_maxDigits;
    if (excess > 0) {
        const int from = std::max(0, cursor - excess);
        digits.remove(from, excess);
        cursor = from;
    }
    input = digits;
    position = cursor;
    return Acceptable;
}
