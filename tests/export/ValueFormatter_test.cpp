#include "ValueFormatter.h"

#include <QDate>
#include <QTime>
#include <gtest/gtest.h>

TEST(ValueFormatter, FormatsValuesByTheTemplatesRules)
{
    const QDateTime moment(QDate(2024, 3, 5), QTime(9, 7, 30));
    // Rows without a separator take the point; rows without a pattern the default ones.
    const struct {
        QVariant value;
        const char* text;
        const char* separator = ".";
        const char* pattern = nullptr;
    } cases[] = {
        {"1 234,56", "1234.56"},
        {"1234.56", "1234,56", ","},
        {"1,234.56", "1234.56"},
        {"1.234,56", "1234,56", ","},
        {"1,234,567", "1234567"},
        {"+0,50", "+0.50"},
        {",5", ".5"},
        {"1.2.3", "1.2.3", ","},
        {"12,34.5", "12,34.5"},
        {"1,2345.6", "1,2345.6"},
        {"1e5", "1e5", ","},
        {QStringLiteral("15\u00A0000,50\u00A0₽"), "15000.50"},
        {QStringLiteral("1 500,50 ₽"), "1500.50"},
        {"-1.5", "-1.5"},
        {"-3.25", "-3,25", ","},
        {"40702810438000012345", "40702810438000012345", ","},
        {"2024-01-15", "15.01.2024"},
        {"15.01.2024", "2024-01-15", ".", "yyyy-MM-dd"},
        {"2024-03-07T14:30:00", "07.03.2024 14:30", ".", "dd.MM.yyyy hh:nn"},
        {"1.5.2024", "01.05.2024"},
        {QDate(2024, 1, 15), "15.01.2024"},
        {QTime(14, 5, 33), "14:05"},
        {"Оплата по договору: 17/2024 за март", "Оплата по договору: 17/2024 за март"},
        {"12:30", "12:30"},
        {" ООО «Ромашка» ", "ООО «Ромашка»"},
        {"", ""},
        {QVariant(), ""},
        // Date tokens in any case, up to four letters of a run; other characters are copied.
        {moment, "5.3.24", ".", "d.M.yy"},
        {moment, "09:07:30", ".", "HH:mm:ss"},
        {moment, "9:7:30", ".", "h:m:s"},
        {moment, "05.03.2024 09.07", ".", "DD.mm.YYYY hh.mm"},
        {moment, "03 09 07", ".", "mm hh mm"},
        {moment, "20240305T090730", ".", "yyyyMMddTHHnnss"},
        {moment, "65 202465", ".", "y yyyyy"},
        {moment, "вторник, 5 марта 2024", ".", "dddd, d MMMM yyyy"},
        {moment, "вторник05", ".", "dddddd"},
        {moment, "Дата: 05", ".", "Дата: dd"}};
    for (const auto& c : cases) {
        TemplateFormats formats;
        formats.decimalSeparator = QString::fromUtf8(c.separator);
        if (c.pattern)
            formats.datePattern = QString::fromUtf8(c.pattern);
        EXPECT_EQ(ValueFormatter(formats).Text(c.value), QString::fromUtf8(c.text))
            << c.value.toString().toStdString() << " " << (c.pattern ? c.pattern : "");
    }
}

TEST(ValueFormatter, CurrencyTextComesOffBeforeTheGroupingCharacter)
{
    // A locale whose currency text " р." follows the amount, with a space between groups.
    TemplateFormats point;
    point.decimalSeparator = QStringLiteral(".");
    const ValueFormatter formatter(point, {",", " ", " р.", "р."});
    const struct {
        const char* value;
        const char* text;
    } cases[] = {{"1 234,56 р.", "1234.56"}, {"100,00 Р.", "100,00 Р."}, {"7 р", "7 р"}};
    for (const auto& c : cases)
        EXPECT_EQ(formatter.Text(QString::fromUtf8(c.value)), QString::fromUtf8(c.text)) << c.value;
}
