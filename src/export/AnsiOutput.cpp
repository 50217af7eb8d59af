#include "AnsiOutput.h"

#include "AnsiCodec.h"

#include <cstring>

AnsiOutput::AnsiOutput(qsizetype expected)
{
    m_bytes.resize(expected);
}

char* AnsiOutput::Room(qsizetype size)
{
    if (m_used + size > m_bytes.size())
        m_bytes.resize(std::max(m_bytes.size() * 2, m_used + size));
    return m_bytes.data() + m_used;
}

void AnsiOutput::Append(QStringView text)
{
    char* const start = Room(text.size());
    char* out = start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        // ASCII and the Cyrillic letters А to я, nearly all of a statement, map by arithmetic.
        if (u < 0x80) {
            *out++ = char(u);
            continue;
        }
        if (u >= 0x0410 && u <= 0x044F) {
            *out++ = char(0xC0 + (u - 0x0410));
            continue;
        }
        const unsigned char code = AnsiCodec::Code(text[i]);
        *out++ = char(code);
        if (code != '?')
            continue;
        ++m_replaced;
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    m_used += out - start;
}

void AnsiOutput::Append(QByteArrayView bytes, qsizetype replaced)
{
    if (!bytes.isEmpty())
        std::memcpy(Room(bytes.size()), bytes.data(), size_t(bytes.size()));
    m_used += bytes.size();
    m_replaced += replaced;
}

QByteArray AnsiOutput::Take()
{
    m_bytes.resize(m_used);
    m_used = 0;
    return std::move(m_bytes);
}
