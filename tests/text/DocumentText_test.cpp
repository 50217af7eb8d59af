#include "AnsiCodec.h"
#include "DocumentText.h"
#include "ProgramFileText.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

TEST(DocumentText, DecodesByTheMarkOrTheDeclaredEncoding)
{
    const auto Encoded = [](const char* name, const QString& text) -> QByteArray {
        return QStringEncoder(name).encode(text);
    };
    const QString plain = QStringLiteral("<N>Счёт №5</N>");
    const QString declared = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>") + plain;
    const QString koi8 = QString(declared).arg("koi8-r").replace('"', '\'').remove("№");
    // The Windows-1251 bytes read as UTF-8.
    const QString replaced = "<N>" + QString(4, QChar(0xFFFD)) + " " + QChar(0xFFFD) + "5</N>";
    const QString late = " <?xml version='1.0' encoding='cp1251'?>";
    const std::pair<QByteArray, QString> cases[] = {
        // clang-format off
        {"\xEF\xBB\xBF" + plain.toUtf8(), plain}, {Encoded("UTF-16LE", QChar(0xFEFF) + plain), plain},
        {Encoded("UTF-16BE", QChar(0xFEFF) + plain), plain},
        {Encoded("UTF-16LE", declared.arg("UTF-16")), declared.arg("UTF-16")},
        {AnsiCodec::Encode(declared.arg("WINDOWS-1251")), declared.arg("WINDOWS-1251")},
        {Encoded("KOI8-R", koi8), koi8}, {Encoded("IBM866", declared.arg("cp866")), declared.arg("cp866")},
        // Escapes stand for the declared encoding's bytes.
        {"<?xml version='1.0' encoding='windows-1251'?><N>%D1%F7%B8%F2 50%</N>",
         "<?xml version='1.0' encoding='windows-1251'?><N>Счёт 50%</N>"},
        {declared.arg("UTF-16").toUtf8(), declared.arg("UTF-16")},
        {declared.arg("x-unknown").toUtf8(), declared.arg("x-unknown")},
        {AnsiCodec::Encode(plain), replaced}, {late.toLatin1() + AnsiCodec::Encode(plain), late + replaced},
        // clang-format on
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(DocumentText::Decode(bytes), text) << bytes.toStdString();
}

TEST(ProgramFileText, ReadsUtf8AsEditorsSaveItAndWindows1251Otherwise)
{
    using Encoding = ProgramFileText::Encoding;
    const QString cyrillic = QStringLiteral("Сумма = Сумма;Сумма");
    const QByteArray cut = cyrillic.toUtf8().chopped(1);
    const std::tuple<QByteArray, Encoding, QString> cases[] = {
        // clang-format off
        {AnsiCodec::Encode(cyrillic), Encoding::Windows1251, cyrillic}, {cyrillic.toUtf8(), Encoding::Utf8, cyrillic},
        {"\xEF\xBB\xBF" + cyrillic.toUtf8(), Encoding::Utf8WithMark, cyrillic}, {"N=N;N", Encoding::Windows1251, "N=N;N"},
        {AnsiCodec::Encode(u"РїСЂ Р"), Encoding::Windows1251, QStringLiteral("РїСЂ Р")}, // looks like UTF-8 at first
        {cut, Encoding::Windows1251, AnsiCodec::Decode(cut)},
        // clang-format on
    };
    for (const auto& [bytes, encoding, text] : cases) {
        EXPECT_EQ(ProgramFileText::Detect(bytes), encoding) << bytes.toStdString();
        EXPECT_EQ(ProgramFileText::Decode(bytes), text) << bytes.toStdString();
    }
}
