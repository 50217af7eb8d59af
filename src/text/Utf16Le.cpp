#include "Utf16Le.h"

QString Utf16LeText(QByteArrayView bytes)
{
    QString text((bytes.size() + 1) / 2, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        out[i / 2] = QChar(char16_t(low | (high << 8)));
    }
    return text;
}

QByteArray Utf16LeBytes(QStringView text)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        bytes[2 * i] = char(u & 0xFF);
        bytes[2 * i + 1] = char(u >> 8);
    }
    return bytes;
}
