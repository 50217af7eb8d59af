#include "SortKey.h"

#include <gtest/gtest.h>

TEST(SortKey, SamplesThatAreNeitherNumbersNorDatesSortAsText)
{
    // Grouping needs one to three digits first and three in every later group.
    for (const char* sample : {"1.2.3", ",234,567", "1234,567,890", "1,23,456", "1,234.5.6", ",",
                               "()", "-", "1a", "", "  "})
        EXPECT_EQ(SortKey::KindOf(QString::fromUtf8(sample)), SortKind::Text) << sample;
}

TEST(SortKey, ValuesCompareByWhatTheyMeanUnderTheKind)
{
    const struct {
        SortKind kind;
        QLocale locale;
        // The values from first to last, " < " or " = " between neighbours; but for texts, the
        // first are not of the kind and all others are.
        const char* order;
    } cases[] = {
        {SortKind::Number, QLocale(),
         "abc < -123 = (123) < -10 < -3 = 3- = −3 < -2,5 < -2,25 < -0 = 0,00 < 0,25 < ,5 = 0,5 "
         "< 007 = 7,0 = +7 RUB < 10 < 999 < 1 000 = 1\u00A0000,00\u00A0₽ < 1.234,5 = 1,234.5 < "
         "1,234,567 < 123.456.789 = 123456789 < 407028104380000123 < 40702810438000012345 < "
         "40702810438000012346"},
        // A locale whose grouping character is a decimal separator keeps it as one.
        {SortKind::Number, QLocale::c(), "x < 1,5 < 2"},
        {SortKind::Number, QLocale(QLocale::German, QLocale::Germany), "x < 1.5 < 2"},
        // A time alone stands on the day that means "no date".
        {SortKind::Date, QLocale(),
         "нет < 12:00 = 30.12.1899 12:00:00 < 31.12.2023 < 31.12.2023 23:59:00 < 01.01.2024 = "
         "01.01.2024 00:00 < 02.01.2024 < 01.02.2024"},
        {SortKind::Text, QLocale(), "10 < 9 < а < Б < Ё"}};
    for (const auto& c : cases) {
        QCollator collator(c.locale);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        QList<std::pair<SortKey, qsizetype>> keys;
        QStringList values;
        const QStringList groups = QString::fromUtf8(c.order).split(" < ");
        for (qsizetype rank = 0; rank < groups.size(); ++rank) {
            for (const QString& value : groups[rank].split(" = ")) {
                keys.append({SortKey(value, c.kind, collator, c.locale), rank});
                EXPECT_TRUE(c.kind == SortKind::Text ||
                            (SortKey::KindOf(value, c.locale) == c.kind) == (rank > 0))
                    << value.toStdString();
                values.append(value);
            }
        }
        for (qsizetype i = 0; i < keys.size(); ++i) {
            for (qsizetype j = 0; j < keys.size(); ++j) {
                const int order = keys[i].first.Compare(keys[j].first);
                EXPECT_EQ((order > 0) - (order < 0),
                          (keys[i].second > keys[j].second) - (keys[i].second < keys[j].second))
                    << values[i].toStdString() << " against " << values[j].toStdString();
            }
        }
    }
}
