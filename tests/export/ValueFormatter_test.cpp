#include "ValueFormatter.h"

#include <QDate>
#include <QTime>
#include <gtest/gtest.h>

namespace {

// Each row: what is formatted, then the text, whatever separates them.
QString Formatted(const QString& row, const TemplateFormats& formats)
{
    return ValueFormatter(formats).Text(row.section('|', 0, 0));
}

} // namespace

TEST(ValueFormatter, FormatsValuesByTheTemplatesRules)
{
    TemplateFormats point;
    point.decimalSeparator = QStringLiteral(".");
    for (const QString row :
         {"1 234,56|1234.56", "1,234.56|1234.56", "1,234,567|1234567", "+0,50|+0.50", ",5|.5",
          "12,34.5|12,34.5", "1,2345.6|1,2345.6", "15\u00A0000,50\u00A0₽|15000.50",
          "1 500,50 ₽|1500.50", "-1.5|-1.5", "2024-01-15|15.01.2024", "1.5.2024|01.05.2024",
          "Оплата по договору: 17/2024 за март|Оплата по договору: 17/2024 за март", "12:30|12:30",
          " ООО «Ромашка» |ООО «Ромашка»", "|"})
        EXPECT_EQ(Formatted(row, point), row.section('|', 1)) << row.toStdString();
    const TemplateFormats comma;
    for (const QString row : {"1234.56|1234,56", "1.234,56|1234,56", "1.2.3|1.2.3", "1e5|1e5",
                              "-3.25|-3,25", "40702810438000012345|40702810438000012345"})
        EXPECT_EQ(Formatted(row, comma), row.section('|', 1)) << row.toStdString();
    EXPECT_EQ(ValueFormatter(point).Text(QDate(2024, 1, 15)), "15.01.2024");
    EXPECT_EQ(ValueFormatter(point).Text(QTime(14, 5, 33)), "14:05");
    EXPECT_EQ(ValueFormatter(point).Text(QVariant()), "");
    // Date tokens in any case, up to four letters of a run; other characters are copied.
    const QDateTime moment(QDate(2024, 3, 5), QTime(9, 7, 30));
    for (const QString row :
         {"d.M.yy|5.3.24", "HH:mm:ss|09:07:30", "h:m:s|9:7:30", "DD.mm.YYYY hh.mm|05.03.2024 09.07",
          "mm hh mm|03 09 07", "yyyyMMddTHHnnss|20240305T090730", "y yyyyy|65 202465",
          "dddd, d MMMM yyyy|вторник, 5 марта 2024", "dddddd|вторник05", "Дата: dd|Дата: 05"}) {
        TemplateFormats formats;
        formats.datePattern = row.section('|', 0, 0);
        EXPECT_EQ(ValueFormatter(formats).Text(moment), row.section('|', 1)) << row.toStdString();
        // A value that reads as a date and time is written by the pattern too.
        EXPECT_EQ(Formatted("2024-03-05T09:07:30", formats), row.section('|', 1));
    }
    // A locale whose currency text " р." follows the amount, with a space between groups: the
    // currency comes off first, and exactly.
    const ValueFormatter formatter(point, {",", " ", " р.", "р."});
    EXPECT_EQ(formatter.Text(QStringLiteral("1 234,56 р.")), "1234.56");
    EXPECT_EQ(formatter.Text(QStringLiteral("100,00 Р.")), "100,00 Р.");
    EXPECT_EQ(formatter.Text(QStringLiteral("7 р")), "7 р");
}
