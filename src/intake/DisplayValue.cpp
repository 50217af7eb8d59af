#include "DisplayValue.h"

#include "AmountReader.h"
#include "DateText.h"

DisplayValue::DisplayValue(const QLocale& locale) : m_locale(locale), m_currency(locale) {}

QString DisplayValue::Amount(const QString& raw) const
{
    const std::optional<qint64> units = AmountReader::Read(raw);
    return units ? m_currency.Format(*units) : raw;
}

QString DisplayValue::Ordinary(const QString& raw) const
{
    const std::optional<DateTimeValue> value = DateText::Parse(raw, m_locale);
    return value ? DateText::GeneralForm(*value, m_locale) : raw;
}
