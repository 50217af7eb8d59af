#include "AmountReader.h"
#include "DateText.h"
#include "PathNames.h"
#include "TagText.h"
#include "TextCleanup.h"
#include "TextCoder.h"
#include "TextCoderError.h"
#include "Utf8Text.h"
#include "XmlEntities.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(TextRoutines, GiveTheTextsTheirCallersRelyOn)
{
    using Routine = QString (*)(const QString&);
    const Routine ext = PathNames::GetExt, name = PathNames::GetName, path = PathNames::GetPath,
                  only = PathNames::OnlyName, unique = PathNames::GetFnameUnicPart,
                  rule = PathNames::RulePath;
    // Ten-thousandths, or "<none>" for an amount that does not fit.
    const Routine amount = [](const QString& text) {
        const std::optional<qint64> units = AmountReader::Read(text);
        return units ? QString::number(*units) : QStringLiteral("<none>");
    };
    // Whole roubles with kopecks and fractions of them, which are never spelled.
    const Routine words = [](const QString& roubles) {
        return TextCoder::Shared().StringSumm(roubles.toLongLong() * 10000 + 5807);
    };
    // The test texts are UTF-8; the bytes of a decoder's input are written as Latin-1 characters.
    const Routine utf8 = [](const QString& b) { return Utf8Text::DecodeUTF8(b.toLatin1()); };
    const Routine tag = [](const QString& text) { return TagText::ReadTag(text, u"b"); };
    const Routine compress = TextCleanup::SpaceCompress;
    const Routine lim = [](const QString& valueAndWidth) {
        const QStringList both = valueAndWidth.split(' ');
        return TextCleanup::LimDigit(both[0].toInt(), both[1].toInt());
    };
    // The caller's text changes too.
    const Routine punctuation = [](const QString& text) {
        QString changed = text;
        return TextCleanup::ReplacePunctuation(changed) + "|" + changed;
    };
    const Routine xml = [](const QString& text) { return XmlEntities::Resolve(text); };
    const Routine date = [](const QString& text) {
        const std::optional<DateTimeValue> value = DateText::Parse(text);
        return value ? DateText::GeneralForm(*value) : QStringLiteral("<none>");
    };
    const Routine sum = [](const QString& text) { return TagText::ReadTag(text, u"Сумма"); };
    const Routine noName = [](const QString& text) { return TagText::ReadTag(text, u""); };
    // clang-format off
    const std::pair<Routine, std::vector<std::pair<const char*, const char*>>> groups[] = {
        // Hexadecimal and octal literals come in either case; a digit outside the radix ends them.
        {amount, {{"1500.5", "15005000"}, {"15000.50", "150005000"}, {"800", "8000000"},
            {"1234,56", "12345600"}, {"1 234,56", "12345600"}, {"1,234.56", "12345600"},
            {"1\u00A0250\u00A0000.00", "12500000000"}, {"abc", "0"}, {"", "0"}, {"-15", "-150000"},
            {"+2.5", "25000"}, {"1.2.3", "12000"}, {"1.234,56", "12345600"}, {"1,234,567", "12345670000"},
            {"12abc", "120000"}, {"1e3", "10000000"}, {"1.5E-2", "150"}, {"0.00005", "0"}, {"0.00015", "2"},
            {"0.00025", "2"}, {"0.000251", "3"}, {"\t 42 \n", "420000"}, {"-0", "0"},
            {"922337203685477.5807", "9223372036854775807"},
            {"-922337203685477.5808", "-9223372036854775808"}, {"&HFF", "2550000"}, {"&hff", "2550000"},
            {"&Ha0", "1600000"}, {"&HA0", "1600000"}, {"&H10g", "160000"}, {"&H0", "0"}, {"&O17", "150000"},
            {"&o10", "80000"}, {"&O18", "10000"}, {"&O8", "0"}, {"922337203685477.5808", "<none>"},
            {"-922337203685477.5809", "<none>"}, {"1e15", "<none>"}, {"99999999999999999999999", "<none>"},
            {"&HFFFFFFFFFFFFFFFF", "<none>"}, {"1e100000", "<none>"}}},
        {words, {{"0", "ноль"}, {"-5", "ноль"}, {"1", "один"}, {"2", "два"}, {"12", "двенадцать"},
            {"110", "сто десять"}, {"1000", "одна тысяча"}, {"2000", "две тысячи"}, {"5000", "пять тысяч"},
            {"10000", "десять тысяч"}, {"11000", "одиннадцать тысяч"},
            {"21105", "двадцать одна тысяча сто пять"}, {"1000000", "один миллион"},
            {"20000000", "двадцать миллионов"}, {"344000000", "триста сорок четыре миллиона"},
            {"2500000000", "два миллиарда пятьсот миллионов"}, {"1000005000", "один миллиард пять тысяч"},
            {"121000000000", "сто двадцать один миллиард"}, {"1000000000000", "одна тысяча миллиардов"},
            {"922337203685477", "девятьсот двадцать две тысячи триста тридцать семь миллиардов двести три " "миллиона шестьсот восемьдесят пять тысяч четыреста семьдесят семь"}}},
        {ext, {{"C:\\in\\doc.xml", "xml"}, {"pack.ZIP", "ZIP"}, {"file.", ""}, {"noext", ""},
            {"a.12345678901", ""}, {"a.1234567890", "1234567890"}, {".xml", "xml"},
            {"C:\\dir.old\\file", "old\\file"}, {"/home/u/in.2024/doc.Xml", "Xml"}}},
        {name, {{"C:\\in\\doc.xml", "doc.xml"}, {"C:\\in\\sub\\", "sub"}, {"doc.xml", "doc.xml"},
            {"C:\\", "C:"}, {"", ""}, {"/home/u/sub/", "sub"}, {"/u/sub//", "/u/sub/"},
            {"C:\\in\\sub\\\\", "C:\\in\\sub\\"}, {".xml", ".xml"}}},
        {path, {{"C:\\in\\doc.xml", "C:\\in"}, {"C:\\doc.xml", "C:"}, {"doc.xml", ""}, {"\\doc.xml", ""},
            {"C:\\in\\", ""}, {"/home/u/doc.xml", "/home/u"}, {"/u//", ""}}},
        {only, {{"doc.xml", "doc"}, {"a.b.c", "a.b"}, {"C:\\in\\doc.xml", "C:\\in\\doc"}, {".xml", ""},
            {"x", ""}, {" x ", ""}, {"ab", "ab"}}},
        {unique, {{"C:\\in\\ON_DOC_2024_0a1b-77.xml", "0a1b-77"}, {"report.xml", "report"},
            {"C:\\in\\doc_.xml", ""}, {"/home/my_docs/report.xml", "report"},
            {"/in/PP_7701234560_20240305_000125.xml", "000125"}, {"C:\\in\\.xml", ""}}},
        {compress, {{"a\t\t b", "a b"}, {" a     b ", " a b "}, {"a\r\n\u00A0\u00A0b", "a\r\n\u00A0\u00A0b"}}},
        {lim, {{"7 3", "007"}, {"12345 3", "345"}, {"-5 3", "0-5"}, {"5 0", ""}}},
        {punctuation, {{"«Рога_и-копыта»", "Рога и копыта|Рога и копыта"},
            {"a>b x/y !@#$%^&*()+={[}]|\\;:'\"<.,?`~", "a>b x y |a>b x y "}}},
        {rule, {{"C:\\in\\", "C:\\in\\"}, {"/tmp/in/", "/tmp/in/"}, {"/tmp/in//", "/tmp/in//"}}},
        {xml, {{"ООО &quot;Ромашка&quot;", "ООО \"Ромашка\""}, {"&lt;a&gt; &amp; &apos;b&apos;", "<a> & 'b'"},
            {"&#171;Ландыш&#187; &#x2116;5 &#X41;", "«Ландыш» №5 A"}, {"&#128512;", "\U0001F600"},
            {"&amp;quot;", "&quot;"}, {"<![CDATA[a &amp; <b>]]> &amp; <![CDATA[]]>c", "a &amp; <b> & c"},
            {"&nbsp;&unknown;&;&#;&#x;&#12a;&# 65;&#-65;", "&nbsp;&unknown;&;&#;&#x;&#12a;&# 65;&#-65;"},
            {"&#0;&#x1F;&#xD800;&#xFFFE;&#x110000;&#99999999999;", "&#0;&#x1F;&#xD800;&#xFFFE;&#x110000;&#99999999999;"},
            {"&amp no semicolon; R&D", "&amp no semicolon; R&D"}, {"", ""},
            {"<![CDATA[open <![CDATA[still open", "<![CDATA[open <![CDATA[still open"},
            {"50% <b> plain", "50% <b> plain"}}},
        {utf8, {{"Ð\u009F", "П"}, {"%D0%9F", "П"}, {"%d0%9f", "П"}, {"%41%20b", "A b"}, {"50% <", "50% <"},
            {"50%", "50%"}, {"%4", "%4"}, {"%4G", "%4G"}, {"%%41", "%A"}, {"20% - 2500", "20% - 2500"},
            {"ÿ", "\uFFFD"}, {"%FF", "\uFFFD"}, {"", ""}}},
        {tag, {{"x<b>1</b>y<b>2</b>", "1"}, {"<b attr=\"1\">1</b>", ""}, {"<b/>", ""}, {"<b>1</c>", "1"},
            {"<b>1", ""}, {"<B>1</B>", ""}, {"<b>&amp;</b>", "&amp;"},
            {"<b>\r\n\r\n1\r\n\r\n</b>", "\r\n1\r\n"}, {"<b>\n1\n</b>", "\n1\n"}, {"<b>\r\n</b>", ""},
            {"<b>\t x \r</b>", "\t x \r"}, {"<b><b>x</b></b>", "<b>x"}, {"<b></b><b>2</b>", ""}}},
        {date, {{"2024-03-05", "05.03.2024"}, {"05.03.2024", "05.03.2024"}, {"5.3.2024", "05.03.2024"},
            {"5/3/24", "05.03.2024"}, {"05-03-1999", "05.03.1999"}, {"1.1.29", "01.01.2029"},
            {"1.1.30", "01.01.1930"}, {" 2024-03-07T14:30:00 ", "07.03.2024 14:30:00"},
            {"2024-03-07 9:05", "07.03.2024 09:05:00"}, {"2024-03-07T00:00:00", "07.03.2024"},
            {"2024-03-07T14:30:00.123", "07.03.2024 14:30:00"}, {"12:30", "12:30:00"},
            {"2024-03-07T14:30:00.1234567890", "07.03.2024 14:30:00"},
            {"2024-03-07T14:30:00,12345678901234567890", "07.03.2024 14:30:00"}, {"29.02.2024", "29.02.2024"},
            {"", "<none>"}, {"125", "<none>"}, {"1.5", "<none>"}, {"-3.25", "<none>"}, {"12.5", "<none>"},
            {"1 234,56", "<none>"}, {"29.02.2023", "<none>"}, {"32.01.2024", "<none>"},
            {"2024-13-01", "<none>"}, {"05.03.024", "<none>"}, {"05.03.2024x", "<none>"},
            {"2024-03-07T14:30:00Z", "<none>"}, {"25:00", "<none>"}, {"12:3", "<none>"},
            {"12:30:00.", "<none>"}, {"12:30:00.5x", "<none>"}, {"1234567890:00", "<none>"},
            {"7701234567", "<none>"}, {"40702810438000012345", "<none>"}, {"abc", "<none>"},
            {"05.03/2024", "<none>"}, {"Договор: 17/2024", "<none>"}}},
        {sum, {{"<Сумма>100</Сумма>", "100"}}},
        {noName, {{"<>1</>", "1"}, {"<b>1</b>", ""}}},
    };
    // clang-format on
    for (const auto& [routine, cases] : groups) {
        for (const auto& [input, expected] : cases)
            EXPECT_EQ(routine(QString::fromUtf8(input)), QString::fromUtf8(expected)) << input;
    }
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(DateText::Parse(u"3/5/2024", us)->date, QDate(2024, 3, 5));
    EXPECT_EQ(DateText::GeneralForm(*DateText::Parse(u"3/5/2024", us), us), "3/5/24");
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
    EXPECT_EQ(tag(TagText::MakeTag("b", content, 1)), "\t" + content);
    EXPECT_EQ(tag(TagText::MakeTag("b", content, 0)), content);
    EXPECT_THROW(TagText::MakeTag("b", "x", -1), TextCoderError);
    EXPECT_THROW(TextCleanup::LimDigit(5, -1), TextCoderError);
    EXPECT_EQ(TextCleanup::AntiNull(QVariant()) + "|" + TextCleanup::AntiNull(1.5) + "|" +
                  TextCleanup::AntiNull(QDate(2024, 3, 5)) + "|" + TextCleanup::AntiNull(12345),
              "|1,5|05.03.2024|12\u00A0345");
}
