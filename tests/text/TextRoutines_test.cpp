#include "AmountReader.h"
#include "DateText.h"
#include "PathNames.h"
#include "TagText.h"
#include "TextCoder.h"
#include "TextCoderError.h"
#include "Utf8Text.h"
#include "XmlEntities.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using Routine = QString (*)(const QString&);

QString Date(const QString& text, const QLocale& locale = QLocale())
{
    const std::optional<DateTimeValue> value = DateText::Parse(text, locale);
    return value ? DateText::GeneralForm(*value, locale) : QStringLiteral("<none>");
}

// Ten-thousandths, or "<none>" for an amount that does not fit.
QString Amount(const QString& text)
{
    const std::optional<qint64> units = AmountReader::Read(text);
    return units ? QString::number(*units) : QStringLiteral("<none>");
}

// Whole roubles with kopecks and fractions of them, which are never spelled.
QString Words(const QString& roubles)
{
    return TextCoder::Shared().StringSumm(roubles.toLongLong() * 10000 + 5807);
}

QString TagB(const QString& text)
{
    return TagText::ReadTag(text, u"b");
}

// The test texts are UTF-8; the bytes of a decoder's input are written as Latin-1 characters.
QString Utf8(const QString& bytes)
{
    return Utf8Text::DecodeUTF8(bytes.toLatin1());
}

} // namespace

TEST(TextRoutines, GiveTheTextsTheirCallersRelyOn)
{
    const Routine ext = PathNames::GetExt, name = PathNames::GetName, path = PathNames::GetPath,
                  only = PathNames::OnlyName, unique = PathNames::GetFnameUnicPart,
                  rule = PathNames::RulePath;
    const Routine amount = Amount, words = Words;
    const Routine xml = [](const QString& text) { return XmlEntities::Resolve(text); };
    const Routine date = [](const QString& text) { return Date(text); };
    const Routine sum = [](const QString& text) { return TagText::ReadTag(text, u"Сумма"); };
    const Routine noName = [](const QString& text) { return TagText::ReadTag(text, u""); };
    const std::tuple<Routine, const char*, const char*> cases[] = {
        // clang-format off
        {amount, "1500.5", "15005000"}, {amount, "15000.50", "150005000"}, {amount, "800", "8000000"},
        {amount, "1234,56", "12345600"}, {amount, "1 234,56", "12345600"}, {amount, "1,234.56", "12345600"},
        {amount, "1\u00A0250\u00A0000.00", "12500000000"}, {amount, "abc", "0"}, {amount, "", "0"},
        {amount, "-15", "-150000"}, {amount, "+2.5", "25000"}, {amount, "1.2.3", "12000"},
        {amount, "1.234,56", "12345600"}, {amount, "1,234,567", "12345670000"}, {amount, "12abc", "120000"},
        {amount, "1e3", "10000000"}, {amount, "1.5E-2", "150"}, {amount, "0.00005", "0"},
        {amount, "0.00015", "2"}, {amount, "0.00025", "2"}, {amount, "0.000251", "3"},
        {amount, "\t 42 \n", "420000"}, {amount, "-0", "0"}, {amount, "922337203685477.5807", "9223372036854775807"},
        {amount, "-922337203685477.5808", "-9223372036854775808"},
        // Hexadecimal and octal literals in either case; a digit outside the radix ends the number.
        {amount, "&HFF", "2550000"}, {amount, "&hff", "2550000"}, {amount, "&Ha0", "1600000"},
        {amount, "&HA0", "1600000"}, {amount, "&H10g", "160000"}, {amount, "&H0", "0"},
        {amount, "&O17", "150000"}, {amount, "&o10", "80000"}, {amount, "&O18", "10000"}, {amount, "&O8", "0"},
        {amount, "922337203685477.5808", "<none>"}, {amount, "-922337203685477.5809", "<none>"},
        {amount, "1e15", "<none>"}, {amount, "99999999999999999999999", "<none>"},
        {amount, "&HFFFFFFFFFFFFFFFF", "<none>"}, {amount, "1e100000", "<none>"},
        {words, "0", "ноль"}, {words, "-5", "ноль"}, {words, "1", "один"}, {words, "2", "два"},
        {words, "12", "двенадцать"}, {words, "110", "сто десять"}, {words, "1000", "одна тысяча"},
        {words, "2000", "две тысячи"}, {words, "5000", "пять тысяч"}, {words, "10000", "десять тысяч"},
        {words, "11000", "одиннадцать тысяч"}, {words, "21105", "двадцать одна тысяча сто пять"},
        {words, "1000000", "один миллион"}, {words, "20000000", "двадцать миллионов"},
        {words, "344000000", "триста сорок четыре миллиона"},
        {words, "2500000000", "два миллиарда пятьсот миллионов"},
        {words, "1000005000", "один миллиард пять тысяч"}, {words, "121000000000", "сто двадцать один миллиард"},
        {words, "1000000000000", "одна тысяча миллиардов"},
        {words, "922337203685477", "девятьсот двадцать две тысячи триста тридцать семь миллиардов двести три "
                                   "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь"},
        {ext, "C:\\in\\doc.xml", "xml"}, {ext, "pack.ZIP", "ZIP"}, {ext, "file.", ""}, {ext, "noext", ""},
        {ext, "a.12345678901", ""}, {ext, "a.1234567890", "1234567890"}, {ext, ".xml", "xml"},
        {ext, "C:\\dir.old\\file", "old\\file"}, {ext, "/home/u/in.2024/doc.Xml", "Xml"},
        {name, "C:\\in\\doc.xml", "doc.xml"}, {name, "C:\\in\\sub\\", "sub"}, {name, "doc.xml", "doc.xml"},
        {name, "C:\\", "C:"}, {name, "", ""}, {name, "/home/u/sub/", "sub"}, {name, "/u/sub//", "/u/sub/"},
        {name, "C:\\in\\sub\\\\", "C:\\in\\sub\\"}, {name, ".xml", ".xml"},
        {path, "C:\\in\\doc.xml", "C:\\in"}, {path, "C:\\doc.xml", "C:"}, {path, "doc.xml", ""},
        {path, "\\doc.xml", ""}, {path, "C:\\in\\", ""}, {path, "/home/u/doc.xml", "/home/u"},
        {path, "/u//", ""},
        {only, "doc.xml", "doc"}, {only, "a.b.c", "a.b"}, {only, "C:\\in\\doc.xml", "C:\\in\\doc"},
        {only, ".xml", ""}, {only, "x", ""}, {only, " x ", ""}, {only, "ab", "ab"},
        {unique, "C:\\in\\ON_DOC_2024_0a1b-77.xml", "0a1b-77"}, {unique, "report.xml", "report"},
        {unique, "C:\\in\\doc_.xml", ""}, {unique, "/home/my_docs/report.xml", "report"},
        {unique, "/in/PP_7701234560_20240305_000125.xml", "000125"}, {unique, "C:\\in\\.xml", ""},
        {rule, "C:\\in\\", "C:\\in\\"}, {rule, "/tmp/in/", "/tmp/in/"}, {rule, "/tmp/in//", "/tmp/in//"},
        {xml, "ООО &quot;Ромашка&quot;", "ООО \"Ромашка\""}, {xml, "&lt;a&gt; &amp; &apos;b&apos;", "<a> & 'b'"},
        {xml, "&#171;Ландыш&#187; &#x2116;5 &#X41;", "«Ландыш» №5 A"}, {xml, "&#128512;", "\U0001F600"},
        {xml, "&amp;quot;", "&quot;"}, {xml, "<![CDATA[a &amp; <b>]]> &amp; <![CDATA[]]>c", "a &amp; <b> & c"},
        {xml, "&nbsp;&unknown;&;&#;&#x;&#12a;&# 65;&#-65;", "&nbsp;&unknown;&;&#;&#x;&#12a;&# 65;&#-65;"},
        {xml, "&#0;&#x1F;&#xD800;&#xFFFE;&#x110000;&#99999999999;", "&#0;&#x1F;&#xD800;&#xFFFE;&#x110000;&#99999999999;"},
        {xml, "&amp no semicolon; R&D", "&amp no semicolon; R&D"}, {xml, "", ""},
        {xml, "<![CDATA[open <![CDATA[still open", "<![CDATA[open <![CDATA[still open"},
        {Utf8, "Ð\u009F", "П"}, {Utf8, "%D0%9F", "П"}, {Utf8, "%d0%9f", "П"}, {Utf8, "%41%20b", "A b"},
        {Utf8, "50% <", "50% <"}, {Utf8, "50%", "50%"}, {Utf8, "%4", "%4"}, {Utf8, "%4G", "%4G"},
        {Utf8, "%%41", "%A"}, {Utf8, "20% - 2500", "20% - 2500"}, {Utf8, "ÿ", "\uFFFD"},
        {Utf8, "%FF", "\uFFFD"}, {Utf8, "", ""},
        {TagB, "x<b>1</b>y<b>2</b>", "1"}, {TagB, "<b attr=\"1\">1</b>", ""}, {TagB, "<b/>", ""},
        {TagB, "<b>1</c>", "1"}, {TagB, "<b>1", ""}, {TagB, "<B>1</B>", ""}, {TagB, "<b>&amp;</b>", "&amp;"},
        {TagB, "<b>\r\n\r\n1\r\n\r\n</b>", "\r\n1\r\n"}, {TagB, "<b>\n1\n</b>", "\n1\n"},
        {TagB, "<b>\r\n</b>", ""}, {TagB, "<b>\t x \r</b>", "\t x \r"}, {TagB, "<b><b>x</b></b>", "<b>x"},
        {TagB, "<b></b><b>2</b>", ""},
        {date, "2024-03-05", "05.03.2024"}, {date, "05.03.2024", "05.03.2024"}, {date, "5.3.2024", "05.03.2024"},
        {date, "5/3/24", "05.03.2024"}, {date, "05-03-1999", "05.03.1999"}, {date, "1.1.29", "01.01.2029"},
        {date, "1.1.30", "01.01.1930"}, {date, " 2024-03-07T14:30:00 ", "07.03.2024 14:30:00"},
        {date, "2024-03-07 9:05", "07.03.2024 09:05:00"}, {date, "2024-03-07T00:00:00", "07.03.2024"},
        {date, "2024-03-07T14:30:00.123", "07.03.2024 14:30:00"}, {date, "12:30", "12:30:00"},
        {date, "2024-03-07T14:30:00.1234567890", "07.03.2024 14:30:00"},
        {date, "2024-03-07T14:30:00,12345678901234567890", "07.03.2024 14:30:00"},
        {date, "29.02.2024", "29.02.2024"}, {date, "", "<none>"}, {date, "125", "<none>"},
        {date, "1.5", "<none>"}, {date, "-3.25", "<none>"}, {date, "12.5", "<none>"}, {date, "1 234,56", "<none>"},
        {date, "29.02.2023", "<none>"}, {date, "32.01.2024", "<none>"}, {date, "2024-13-01", "<none>"},
        {date, "05.03.024", "<none>"}, {date, "05.03.2024x", "<none>"}, {date, "2024-03-07T14:30:00Z", "<none>"},
        {date, "25:00", "<none>"}, {date, "12:3", "<none>"}, {date, "12:30:00.", "<none>"},
        {date, "12:30:00.5x", "<none>"}, {date, "1234567890:00", "<none>"}, {date, "7701234567", "<none>"},
        {date, "40702810438000012345", "<none>"}, {date, "abc", "<none>"}, {date, "05.03/2024", "<none>"},
        {date, "Договор: 17/2024", "<none>"}, {xml, "50% <b> plain", "50% <b> plain"},
        {sum, "<Сумма>100</Сумма>", "100"}, {noName, "<>1</>", "1"}, {noName, "<b>1</b>", ""},
        // clang-format on
    };
    for (const auto& [routine, input, expected] : cases)
        EXPECT_EQ(routine(QString::fromUtf8(input)), QString::fromUtf8(expected)) << input;
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(Date("3/5/2024", us), "3/5/24");
    EXPECT_EQ(DateText::Parse(u"3/5/2024", us)->date, QDate(2024, 3, 5));
    EXPECT_EQ(PathNames::RulePath("/tmp/in"), QString("/tmp/in") + QDir::separator());
    EXPECT_EQ(TextCoder::Shared().StringSumm(std::numeric_limits<qint64>::min()), "ноль");
    EXPECT_EQ(TextCoder::Shared().StringSumm(9999), "ноль") << "kopecks alone are no roubles";
    EXPECT_EQ(Utf8Text::DecodeUTF8("%00"), QString(QChar(0)));
    EXPECT_EQ(Utf8Text::DecodeUTF8(QByteArray("a\0b", 3)), QStringView(u"a\u0000b", 3).toString());
    EXPECT_EQ(Utf8Text::EncodeUTF8(u"Я"), QByteArray("\xD0\xAF"));
    EXPECT_EQ(Utf8Text::EncodeUTF8(QStringView(u"a\u0000b", 3)), QByteArray("a"));
    EXPECT_EQ(Utf8Text::EncodeUTF8(u""), QByteArray());
    EXPECT_EQ(Utf8Text::EncodeUTF8(QString(QChar(0xD800))), QByteArray("\xEF\xBF\xBD"));
    for (const double level : {0.0, 0.5, 1.5, 2.0, 2.5})
        EXPECT_EQ(TagText::MakeTag("b", "x", level),
                  level < 1 ? "<b>x</b>" : "<b>\r\n\t\tx\r\n</b>");
    const QString content = QStringLiteral("line 1\r\nline 2");
    EXPECT_EQ(TagB(TagText::MakeTag("b", content, 1)), "\t" + content);
    EXPECT_EQ(TagB(TagText::MakeTag("b", content, 0)), content);
    EXPECT_THROW(TagText::MakeTag("b", "x", -1), TextCoderError);
}
