#include "InnCheck.h"

#include <array>

namespace {

// The check digit of the digits before it: (Σ dᵢ·wᵢ mod 11) mod 10, the weights ending at it.
int CheckDigit(QStringView digits, const int* weights, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum += (digits[i].unicode() - '0') * weights[i];
    return sum % 11 % 10;
}

int DigitAt(QStringView digits, int index)
{
    return digits[index].unicode() - '0';
}

bool AllDigits(QStringView text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

bool InnCheckFails(QStringView inn)
{
    if ((inn.size() != 10 && inn.size() != 12) || !AllDigits(inn))
        return false;
    static constexpr std::array<int, 11> kWeights = {3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
    // The shorter weight lists are the tails of the longest one.
    if (inn.size() == 10)
        return CheckDigit(inn, kWeights.data() + 2, 9) != DigitAt(inn, 9);
    return CheckDigit(inn, kWeights.data() + 1, 10) != DigitAt(inn, 10) ||
           CheckDigit(inn, kWeights.data(), 11) != DigitAt(inn, 11);
}
