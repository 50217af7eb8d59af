#include "ProgramFileText.h"

#include "AnsiCodec.h"

#include <QStringDecoder>
#include <algorithm>

namespace {

bool IsValidUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

ProgramFileText::Encoding ProgramFileText::Detect(QByteArrayView bytes)
{
    if (bytes.startsWith(kByteOrderMark))
        return Encoding::Utf8WithMark;
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return !ascii && IsValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Windows1251;
}

QString ProgramFileText::Decode(QByteArrayView bytes)
{
    const Encoding encoding = Detect(bytes);
    if (encoding == Encoding::Utf8WithMark)
        bytes = bytes.sliced(kByteOrderMark.size());
    return Decode(bytes, encoding);
}

QString ProgramFileText::Decode(QByteArrayView bytes, Encoding encoding)
{
    return encoding == Encoding::Windows1251 ? AnsiCodec::Decode(bytes) : QString::fromUtf8(bytes);
}

QByteArray ProgramFileText::Encode(QStringView text, Encoding encoding)
{
    return encoding == Encoding::Windows1251 ? AnsiCodec::Encode(text) : text.toUtf8();
}
