#include "Utf8Text.h"

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

QString Utf8Text::DecodeUTF8(QByteArrayView encoded)
{
    if (encoded.isEmpty())
        return {};
    if (!encoded.contains('%'))
        return QString::fromUtf8(encoded);
    return QString::fromUtf8(UndoPercentEscapes(encoded));
}

QByteArray Utf8Text::UndoPercentEscapes(QByteArrayView encoded)
{
    QByteArray bytes;
    bytes.reserve(encoded.size());
    // Runs between escapes are copied whole: documents often hold a lone "%" or two.
    qsizetype from = 0;
    for (qsizetype percent = encoded.indexOf('%'); percent >= 0;
         percent = encoded.indexOf('%', from)) {
        bytes.append(encoded.sliced(from, percent - from));
        const int high = percent + 2 < encoded.size() ? HexValue(encoded[percent + 1]) : -1;
        const int low = high >= 0 ? HexValue(encoded[percent + 2]) : -1;
        if (low < 0) {
            bytes.append('%');
            from = percent + 1;
            continue;
        }
        bytes.append(static_cast<char>(high * 16 + low));
        from = percent + 3;
    }
    bytes.append(encoded.sliced(from));
    return bytes;
}

QByteArray Utf8Text::EncodeUTF8(QStringView text)
{
    const qsizetype end = text.indexOf(QChar(0));
    QString units = (end < 0 ? text : text.left(end)).toString();
    // Qt writes "?" for a lone surrogate; the toolkit has always written U+FFFD.
    for (qsizetype i = 0; i < units.size(); ++i) {
        const bool pairStart = units[i].isHighSurrogate() && i + 1 < units.size() &&
                               units[i + 1].isLowSurrogate();
        if (pairStart)
            ++i;
        else if (units[i].isSurrogate())
            units[i] = QChar(QChar::ReplacementCharacter);
    }
    return units.toUtf8();
}
