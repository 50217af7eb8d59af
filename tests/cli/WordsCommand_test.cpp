#include "CliRunner.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

CliRun Words(const QStringList& arguments)
{
    return Cli(QStringList{"words"} + arguments);
}

} // namespace

TEST(WordsCommand, PrintsTheWholePartInWords)
{
    const struct {
        const char* amount;
        const char* words;
    } cases[] = {
        {"21105", "двадцать одна тысяча сто пять"},
        {"123,99999", "сто двадцать три"},
        {"0", "ноль"},
        {"0.5", "ноль"},
        {"0.01", "ноль"},
        {"0,99", "ноль"},
        {"0012000000000", "двенадцать миллиардов"},
        {"922337203685477.5807", "девятьсот двадцать две тысячи триста тридцать семь миллиардов "
                                 "двести три миллиона шестьсот восемьдесят пять тысяч "
                                 "четыреста семьдесят семь"},
    };
    for (const auto& c : cases) {
        const CliRun run = Words({c.amount});
        EXPECT_EQ(run.status, 0) << c.amount << run.err.toStdString();
        EXPECT_EQ(run.out, QString::fromUtf8(c.words) + "\n") << c.amount;
    }
}

TEST(WordsCommand, RefusesWhatIsNotAnAmount)
{
    for (const QString amount : {"", "1.2.3", "-5", "1 000", "1e5", ".5", "5.", "١٢", "12руб",
                                 "922337203685477.5808", "99999999999999999999"}) {
        const CliRun run = Words({amount});
        EXPECT_EQ(run.status, 2) << amount.toStdString();
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.startsWith("vypiska-cli: error: '" + amount + "' is not an amount"))
            << run.err.toStdString();
    }
    for (const QStringList& arguments :
         {QStringList{}, QStringList{"1", "2"}, QStringList{"--x", "1"}}) {
        const CliRun run = Words(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.err.startsWith("vypiska-cli: error: ")) << run.err.toStdString();
    }
}
