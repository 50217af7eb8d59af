#include "SortKey.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The values in the order a stable sort under the kind puts them.
QStringList Sorted(QStringList values, SortKind kind)
{
    const QLocale locale;
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(values.begin(), values.end(), [&](const QString& a, const QString& b) {
        return SortKey(a, kind, collator, locale) < SortKey(b, kind, collator, locale);
    });
    return values;
}

} // namespace

TEST(SortKey, TheSampleChoosesTheKind)
{
    const struct {
        const char* sample;
        SortKind kind;
    } cases[] = {
        {"12,5", SortKind::Number},           {"125", SortKind::Number},
        {"15\u00A0000,50\u00A0₽", SortKind::Number}, {"-1\u00A0234,56\u00A0₽", SortKind::Number},
        {"1,234.56", SortKind::Number},       {"40702810438000012345", SortKind::Number},
        {"01.02.2024", SortKind::Date},       {"07.03.2024 14:30:00", SortKind::Date},
        {"14:30", SortKind::Date},            {"1.2.3", SortKind::Text},
        {"ООО «Ромашка»", SortKind::Text},    {"", SortKind::Text},
        {"  ", SortKind::Text},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SortKey::KindOf(QString::fromUtf8(c.sample)), c.kind) << c.sample;
}

TEST(SortKey, NumbersSortByValueWithOtherValuesFirst)
{
    EXPECT_EQ(
        Sorted({"10", "9", "12,5", "-3", "", "abc", "0,5", "1\u00A0000,00\u00A0₽", "-0"},
               SortKind::Number),
        QStringList({"", "abc", "-3", "-0", "0,5", "9", "10", "12,5", "1\u00A0000,00\u00A0₽"}));
    // Twenty-digit account numbers differ in their last digits only.
    EXPECT_EQ(Sorted({"40702810438000012346", "40702810438000012345", "407028104380000123"},
                     SortKind::Number),
              QStringList({"407028104380000123", "40702810438000012345", "40702810438000012346"}));
    EXPECT_EQ(Sorted({"-2,5", "-10", "-2,25"}, SortKind::Number),
              QStringList({"-10", "-2,5", "-2,25"}));
}

TEST(SortKey, DatesSortByMomentAndTextsByCollation)
{
    EXPECT_EQ(
        Sorted({"02.01.2024", "01.02.2024", "31.12.2023 23:59:00", "31.12.2023", "нет", "12:00"},
               SortKind::Date),
        QStringList(
            {"нет", "12:00", "31.12.2023", "31.12.2023 23:59:00", "02.01.2024", "01.02.2024"}));
    EXPECT_EQ(Sorted({"б", "Ё", "а", "Б", "10", "9", ""}, SortKind::Text),
              QStringList({"", "10", "9", "а", "б", "Б", "Ё"}));
}
