#include "Base64Codec.h"

#include "TextCoderError.h"

#include <array>
#include <limits>

namespace {

constexpr char kEncodeMap[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr unsigned char kOutside = 255;

constexpr std::array<unsigned char, 128> MakeDecodeMap()
{
    std::array<unsigned char, 128> map{};
    for (unsigned char& entry : map)
        entry = kOutside;
    for (int i = 0; i < 64; ++i)
        map[static_cast<unsigned char>(kEncodeMap[i])] = static_cast<unsigned char>(i);
    return map;
}

constexpr std::array<unsigned char, 128> kDecodeMap = MakeDecodeMap();

TextCoderError LengthError()
{
    return TextCoderError(
        Base64Codec::kDecodeErrorNumber,
        QStringLiteral("Length of Base64 encoded input string is not a multiple of 4."));
}

TextCoderError CharacterError()
{
    return TextCoderError(Base64Codec::kDecodeErrorNumber,
                          QStringLiteral("Illegal character in Base64 encoded data."));
}

// The 6-bit value of one encoded byte; anything outside the alphabet raises.
unsigned char SixBits(char encoded)
{
    const auto code = static_cast<unsigned char>(encoded);
    if (code >= 128 || kDecodeMap[code] > 63)
        throw CharacterError();
    return kDecodeMap[code];
}

} // namespace

QString Base64Codec::Base64EncodeString(const QString& s)
{
    return Base64Encode(Latin1ToBytes(s)).toString();
}

QVariant Base64Codec::Base64Encode(const QByteArray& inData)
{
    if (inData.size() > std::numeric_limits<qint32>::max())
        throw TextCoderError::InvalidArgument();
    return Base64Encode2(inData, qint32(inData.size()));
}

QString Base64Codec::Base64Encode2(const QByteArray& inData, qint32 inLen)
{
    if (inLen < 0 || inLen > inData.size())
        throw TextCoderError::InvalidArgument();
    // Counted in 64 bits so that no input length can overflow the output length.
    const qint64 n = inLen;
    const qint64 dataLength = (4 * n + 2) / 3;
    QByteArray out((n + 2) / 3 * 4, Qt::Uninitialized);
    const auto byteAt = [&](qint64 i) { return i < n ? static_cast<unsigned char>(inData[i]) : 0; };
    for (qint64 i = 0, p = 0; i < n; i += 3, p += 4) {
        const unsigned b0 = byteAt(i);
        const unsigned b1 = byteAt(i + 1);
        const unsigned b2 = byteAt(i + 2);
        out[p] = kEncodeMap[b0 >> 2];
        out[p + 1] = kEncodeMap[((b0 & 0x03) << 4) | (b1 >> 4)];
        out[p + 2] = p + 2 < dataLength ? kEncodeMap[((b1 & 0x0F) << 2) | (b2 >> 6)] : '=';
        out[p + 3] = p + 3 < dataLength ? kEncodeMap[b2 & 0x3F] : '=';
    }
    return BytesToLatin1(out);
}

QString Base64Codec::Base64DecodeString(const QString& s)
{
    if (s.isEmpty())
        return {};
    return BytesToLatin1(Base64Decode(s));
}

QByteArray Base64Codec::Base64Decode(const QString& s)
{
    const QByteArray in = Latin1ToBytes(s);
    qsizetype n = in.size();
    if (n % 4 != 0)
        throw LengthError();
    while (n > 0 && in[n - 1] == '=')
        --n;
    const qsizetype m = 3 * n / 4;
    QByteArray out(m, Qt::Uninitialized);
    // The second character of a group is taken even when it is a dropped "=", so a group with one
    // data character fails; the missing third and fourth count as "A", which adds zero bits.
    const auto byteAt = [&](qsizetype i) { return i < n ? in[i] : 'A'; };
    qsizetype o = 0;
    for (qsizetype i = 0; i < n; i += 4) {
        const unsigned x0 = SixBits(in[i]);
        const unsigned x1 = SixBits(in[i + 1]);
        const unsigned x2 = SixBits(byteAt(i + 2));
        const unsigned x3 = SixBits(byteAt(i + 3));
        out[o++] = char((x0 << 2) | (x1 >> 4));
        if (o < m)
            out[o++] = char(((x1 & 0x0F) << 4) | (x2 >> 2));
        if (o < m)
            out[o++] = char(((x2 & 0x03) << 6) | x3);
    }
    return out;
}

QByteArray Base64Codec::Latin1ToBytes(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        bytes[i] = u <= 0xFF ? char(u) : '?';
    }
    return bytes;
}

QString Base64Codec::BytesToLatin1(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.data(), bytes.size());
}
