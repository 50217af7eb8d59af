#include "AmountReader.h"

#include "PlainNumber.h"

#include <limits>
#include <string>

namespace {

bool IsBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == 0x00A0 || u == 0x202F;
}

// The text without blanks, with the decimal comma turned into a point where that is what it means
// and digit grouping taken out.
std::u16string Compact(QStringView raw)
{
    std::u16string text;
    text.reserve(raw.size());
    for (const QChar c : raw) {
        if (!IsBlank(c))
            text.push_back(c.unicode());
    }
    if (const std::optional<QString> plain = PlainNumber::Read(QStringView(text)))
        return plain->toStdU16String();
    if (text.find(u'.') == std::u16string::npos) {
        for (char16_t& c : text) {
            if (c == u',')
                c = u'.';
        }
    }
    return text;
}

std::optional<qint64> ReadRadix(const std::u16string& text, int radix)
{
    const quint64 limit = quint64(std::numeric_limits<qint64>::max() / 10000);
    quint64 value = 0;
    for (size_t i = 2; i < text.size(); ++i) {
        const char16_t c = text[i];
        int digit = -1;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (radix == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (radix == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        if (value > (limit - quint64(digit)) / quint64(radix))
            return std::nullopt;
        value = value * quint64(radix) + quint64(digit);
    }
    return static_cast<qint64>(value) * 10000;
}

// A decimal number as its significant digits and the power of ten of the last one.
struct Decimal {
    bool negative = false;
    std::string digits;
    long exponent = 0;
};

Decimal ScanDecimal(const std::u16string& text)
{
    Decimal number;
    size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        number.negative = text[i++] == u'-';
    auto isDigit = [&](size_t k) { return k < text.size() && text[k] >= u'0' && text[k] <= u'9'; };
    for (; isDigit(i); ++i)
        number.digits.push_back(char(text[i]));
    if (i < text.size() && text[i] == u'.') {
        for (++i; isDigit(i); ++i) {
            number.digits.push_back(char(text[i]));
            --number.exponent;
        }
    }
    const bool hasExponent = i + 1 < text.size() && (text[i] == u'E' || text[i] == u'e' ||
                                                     text[i] == u'D' || text[i] == u'd');
    if (hasExponent) {
        size_t k = i + 1;
        const bool negativeExponent = text[k] == u'-';
        if (text[k] == u'+' || text[k] == u'-')
            ++k;
        long power = 0;
        for (; isDigit(k); ++k)
            power = std::min(power * 10 + long(text[k] - u'0'), 100000L);
        number.exponent += negativeExponent ? -power : power;
    }
    const size_t firstNonZero = number.digits.find_first_not_of('0');
    number.digits.erase(0, firstNonZero == std::string::npos ? number.digits.size() : firstNonZero);
    return number;
}

// Rounds the digits after position keep away, halves to even.
bool RoundsUp(const std::string& digits, size_t keep, bool headIsOdd)
{
    if (keep >= digits.size())
        return false;
    if (digits[keep] != '5')
        return digits[keep] > '5';
    if (digits.find_first_not_of('0', keep + 1) != std::string::npos)
        return true;
    return headIsOdd;
}

std::optional<qint64> ToUnits(const Decimal& number)
{
    if (number.digits.empty())
        return 0;
    const long digitsOfUnits = long(number.digits.size()) + number.exponent + 4;
    if (digitsOfUnits > 19)
        return std::nullopt;
    if (digitsOfUnits < 0)
        return 0;
    // Nineteen decimal digits, and one more for rounding, always fit in 64 unsigned bits.
    quint64 units = 0;
    for (long i = 0; i < digitsOfUnits; ++i)
        units = units * 10 + quint64(size_t(i) < number.digits.size() ? number.digits[i] - '0' : 0);
    if (RoundsUp(number.digits, size_t(digitsOfUnits), units % 2 == 1))
        ++units;
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (number.negative ? 1 : 0);
    if (units > limit)
        return std::nullopt;
    return number.negative ? static_cast<qint64>(0 - units) : static_cast<qint64>(units);
}

} // namespace

std::optional<qint64> AmountReader::Read(QStringView raw)
{
    const std::u16string text = Compact(raw);
    if (text.size() >= 2 && text[0] == u'&' && (text[1] == u'H' || text[1] == u'h'))
        return ReadRadix(text, 16);
    if (text.size() >= 2 && text[0] == u'&' && (text[1] == u'O' || text[1] == u'o'))
        return ReadRadix(text, 8);
    return ToUnits(ScanDecimal(text));
}
