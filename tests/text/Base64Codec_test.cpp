#include "TextCoder.h"
#include "TextCoderError.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <random>

namespace {

const TextCoder& Coder()
{
    return TextCoder::Shared();
}

const std::string kLengthMessage = "Length of Base64 encoded input string is not a multiple of 4.";
const std::string kCharacterMessage = "Illegal character in Base64 encoded data.";

// The decoder's error for a text, or an empty string when it decodes.
std::string DecodeError(const QString& text)
{
    try {
        Coder().Base64Decode(text);
        return {};
    } catch (const TextCoderError& error) {
        EXPECT_EQ(error.number(), qint32(0x80040000u));
        return error.description().toStdString();
    }
}

} // namespace

TEST(Base64Codec, RandomBytesEncodeAsTheStandardEncoderAndComeBack)
{
    std::mt19937 random(20240305);
    for (int i = 0; i < 2000; ++i) {
        QByteArray bytes(int(random() % 70), Qt::Uninitialized);
        for (char& byte : bytes)
            byte = char(random());
        const QString encoded = Coder().Base64Encode(bytes).toString();
        ASSERT_EQ(encoded, QString::fromLatin1(bytes.toBase64())) << bytes.toHex().toStdString();
        ASSERT_EQ(Coder().Base64Decode(encoded), bytes);
        ASSERT_EQ(Coder().Base64DecodeString(encoded), QString::fromLatin1(bytes));
        const qint32 part = qint32(random() % (bytes.size() + 1));
        ASSERT_EQ(Coder().Base64Encode2(bytes, part),
                  QString::fromLatin1(bytes.left(part).toBase64()));
    }
    EXPECT_THROW(Coder().Base64Encode2("abc", 4), TextCoderError);
    EXPECT_THROW(Coder().Base64Encode2("abc", -1), TextCoderError);
}

TEST(Base64Codec, TextTakesOneBytePerCharacterAndQuestionMarksAboveLatin1)
{
    EXPECT_EQ(Coder().Base64EncodeString(QStringLiteral("ab\u00FF\u0100ж")),
              QString::fromLatin1(QByteArray("ab\xFF??").toBase64()));
    EXPECT_EQ(Coder().Base64DecodeString("w6k="), QStringLiteral("\u00C3\u00A9"));
    EXPECT_EQ(Coder().Base64DecodeString(""), "");
}

// The decoder against a model of it built on the standard decoder: the length must be a multiple
// of 4, every trailing "=" is dropped, the rest must be alphabet characters and must not leave a
// single character in the last group; what remains decodes as the standard decoder does.
TEST(Base64Codec, HostileTextDecodesAsTheModelPredicts)
{
    const QString pool = "AQgw+/Zz09==== \r\n-_.\u00E9\u0416";
    std::mt19937 random(42);
    for (int i = 0; i < 20000; ++i) {
        QString text;
        for (int k = int(random() % 13); k > 0; --k)
            text.append(pool[int(random() % pool.size())]);
        QString data = text;
        while (data.endsWith('='))
            data.chop(1);
        const bool valid = QRegularExpression("\\A[A-Za-z0-9+/]*\\z").match(data).hasMatch() &&
                           data.size() % 4 != 1;
        const std::string expected = text.size() % 4 != 0 ? kLengthMessage
                                     : valid              ? ""
                                                          : kCharacterMessage;
        ASSERT_EQ(DecodeError(text), expected) << text.toStdString();
        if (expected.empty()) {
            const QByteArray padded = (data + QString((4 - data.size() % 4) % 4, '=')).toLatin1();
            ASSERT_EQ(Coder().Base64Decode(text), QByteArray::fromBase64(padded));
        }
    }
}

TEST(Base64Codec, DeparturesFromTheStandardDecoder)
{
    const struct {
        const char16_t* text;
        std::string error;
        QByteArray bytes;
    } cases[] = {
        {u"QQ", kLengthMessage, {}},            // padding is required
        {u"YWJj\r\n", kLengthMessage, {}},      // line breaks count towards the length
        {u"YWJj\r\nYQ", kCharacterMessage, {}}, // and are not skipped
        {u"QQ=A", kCharacterMessage, {}},       // "=" only at the end
        {u"QUJDR===", kCharacterMessage, {}},   // a group with one data character
        {u"QUЖ=", kCharacterMessage, {}},       // above U+00FF becomes "?"
        {u"QUJD====", {}, "ABC"},               // every trailing "=" dropped
        {u"====", {}, ""},
        {u"QR==", {}, "A"}, // leftover bits ignored
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(DecodeError(text), c.error) << text.toStdString();
        if (c.error.empty()) {
            EXPECT_EQ(Coder().Base64Decode(text), c.bytes) << text.toStdString();
        }
    }
}
