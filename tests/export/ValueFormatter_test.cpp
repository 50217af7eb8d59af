#include "ValueFormatter.h"

#include <QDate>
#include <QTime>
#include <gtest/gtest.h>

namespace {

TemplateFormats PointFormats()
{
    TemplateFormats formats;
    formats.decimalSeparator = QStringLiteral(".");
    return formats;
}

QString Formatted(const QVariant& value, const TemplateFormats& formats = PointFormats())
{
    return QLatin1Char('<') + ValueFormatter(formats).Text(value) + QLatin1Char('>');
}

} // namespace

TEST(ValueFormatter, FormatsValuesByTheTemplatesRules)
{
    TemplateFormats comma = PointFormats();
    comma.decimalSeparator = QStringLiteral(",");
    TemplateFormats isoDate = PointFormats();
    isoDate.datePattern = QStringLiteral("yyyy-MM-dd");
    TemplateFormats longTime = PointFormats();
    longTime.datePattern = QStringLiteral("dd.MM.yyyy hh:nn");
    const struct {
        QVariant value;
        TemplateFormats formats;
        const char* text;
    } cases[] = {
        {"1 234,56", PointFormats(), "<1234.56>"},
        {"1234.56", comma, "<1234,56>"},
        {"1,234.56", PointFormats(), "<1234.56>"},
        {"1.234,56", comma, "<1234,56>"},
        {"1,234,567", PointFormats(), "<1234567>"},
        {"+0,50", PointFormats(), "<+0.50>"},
        {",5", PointFormats(), "<.5>"},
        {"1.2.3", comma, "<1.2.3>"},
        {"12,34.5", PointFormats(), "<12,34.5>"},
        {"1,2345.6", PointFormats(), "<1,2345.6>"},
        {"1e5", comma, "<1e5>"},
        {QStringLiteral("15\u00A0000,50\u00A0₽"), PointFormats(), "<15000.50>"},
        {QStringLiteral("1\u00A0500,50\u00A0₽"), PointFormats(), "<1500.50>"},
        {QStringLiteral("1 500,50 ₽"), PointFormats(), "<1500.50>"},
        {"-1.5", PointFormats(), "<-1.5>"},
        {"-3.25", comma, "<-3,25>"},
        {"40702810438000012345", comma, "<40702810438000012345>"},
        {"2024-01-15", PointFormats(), "<15.01.2024>"},
        {"15.01.2024", PointFormats(), "<15.01.2024>"},
        {"15.01.2024", isoDate, "<2024-01-15>"},
        {"2024-03-07T14:30:00", longTime, "<07.03.2024 14:30>"},
        {"1.5.2024", PointFormats(), "<01.05.2024>"},
        {QDate(2024, 1, 15), PointFormats(), "<15.01.2024>"},
        {QTime(14, 5, 33), PointFormats(), "<14:05>"},
        {"Оплата по договору: 17/2024 за март", PointFormats(),
         "<Оплата по договору: 17/2024 за март>"},
        {"ООО Поставщик: филиал №2", PointFormats(), "<ООО Поставщик: филиал №2>"},
        {"12:30", PointFormats(), "<12:30>"},
        {" ООО «Ромашка» ", PointFormats(), "<ООО «Ромашка»>"},
        {"", PointFormats(), "<>"},
        {QVariant(), PointFormats(), "<>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Formatted(c.value, c.formats), QString::fromUtf8(c.text))
            << c.value.toString().toStdString();
}

TEST(ValueFormatter, CurrencyTextComesOffBeforeTheGroupingCharacter)
{
    // A locale whose currency text " р." follows the amount, with a space between groups.
    const ValueFormatter formatter(PointFormats(), {",", " ", " р.", "р."});
    const struct {
        const char* value;
        const char* text;
    } cases[] = {
        {"1 234,56 р.", "1234.56"},
        {"100,00 р.", "100.00"},
        {"100,00 Р.", "100,00 Р."}, // the number test compares the currency exactly
        {"7 р", "7 р"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatter.Text(QString::fromUtf8(c.value)), QString::fromUtf8(c.text)) << c.value;
}
