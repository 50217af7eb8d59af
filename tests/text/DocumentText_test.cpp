#include "AnsiCodec.h"
#include "DocumentText.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

namespace {

QByteArray Encoded(const char* encoding, const QString& text)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

const QString kDeclared = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?><N>Счёт №5</N>");
// "<N>Счёт №5</N>" in Windows-1251 read as UTF-8.
const QString kReplaced = "<N>" + QString(4, QChar(0xFFFD)) + " " + QChar(0xFFFD) + "5</N>";

} // namespace

TEST(DocumentText, DecodesByTheMarkOrTheDeclaredEncoding)
{
    const QString plain = QStringLiteral("<N>Счёт №5</N>");
    const struct {
        const char* name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF" + plain.toUtf8(), plain},
        {"UTF-16LE mark", Encoded("UTF-16LE", QChar(0xFEFF) + plain), plain},
        {"UTF-16BE mark", Encoded("UTF-16BE", QChar(0xFEFF) + plain), plain},
        {"UTF-16LE without a mark", Encoded("UTF-16LE", kDeclared.arg("UTF-16")),
         kDeclared.arg("UTF-16")},
        {"windows-1251 in capitals", AnsiCodec::Encode(kDeclared.arg("WINDOWS-1251")),
         kDeclared.arg("WINDOWS-1251")},
        {"KOI8-R in single quotes",
         Encoded("KOI8-R", kDeclared.arg("koi8-r").replace('"', '\'').remove("№")),
         kDeclared.arg("koi8-r").replace('"', '\'').remove("№")},
        {"CP866", Encoded("IBM866", kDeclared.arg("cp866")), kDeclared.arg("cp866")},
        {"ISO-8859-5", Encoded("ISO-8859-5", kDeclared.arg("ISO-8859-5").remove("№")),
         kDeclared.arg("ISO-8859-5").remove("№")},
        {"escapes stand for the declared encoding's bytes",
         "<?xml version='1.0' encoding='windows-1251'?><N>%D1%F7%B8%F2 50%</N>",
         "<?xml version='1.0' encoding='windows-1251'?><N>Счёт 50%</N>"},
        {"UTF-16 declared over one-byte text", kDeclared.arg("UTF-16").toUtf8(),
         kDeclared.arg("UTF-16")},
        {"unknown name", kDeclared.arg("x-unknown").toUtf8(), kDeclared.arg("x-unknown")},
        {"none: UTF-8 as always", AnsiCodec::Encode(plain), kReplaced},
        {"a declaration that is not at the start",
         " <?xml version='1.0' encoding='cp1251'?>" + AnsiCodec::Encode(plain),
         " <?xml version='1.0' encoding='cp1251'?>" + kReplaced},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DocumentText::Decode(c.bytes), c.text) << c.name;
}
