#include "IniText.h"

#include "AnsiCodec.h"

namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView Trimmed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && IsBlank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && IsBlank(bytes.back()))
        bytes.chop(1);
    return bytes;
}

// The name of a "[name]" header line, or nothing for any other line.
std::optional<QString> SectionOf(QByteArrayView content)
{
    const QByteArrayView text = Trimmed(content);
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    const QByteArrayView name = close < 0 ? text.sliced(1) : text.sliced(1, close - 1);
    return AnsiCodec::Decode(Trimmed(name));
}

// Where "=" stands in a "key=value" line; comment lines, headers and lines without "=" have none.
qsizetype EqualsOf(QByteArrayView content)
{
    const QByteArrayView text = Trimmed(content);
    if (text.isEmpty() || text.front() == ';' || text.front() == '[')
        return -1;
    return content.indexOf('=');
}

bool SameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Line breaks inside a value would turn its tail into lines of their own.
QByteArray ValueBytes(const QString& value)
{
    QString single = value;
    single.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return AnsiCodec::Encode(single);
}

} // namespace

IniText::IniText(const QByteArray& bytes)
{
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        const qsizetype end = lf < 0 ? bytes.size() : lf;
        const qsizetype contentEnd = end > start && bytes[end - 1] == '\r' ? end - 1 : end;
        const qsizetype next = lf < 0 ? bytes.size() : lf + 1;
        m_lines.append(
            {bytes.mid(start, contentEnd - start), bytes.mid(contentEnd, next - contentEnd)});
        start = next;
    }
}

QByteArray IniText::Bytes() const
{
    QByteArray bytes;
    for (const Line& line : m_lines)
        bytes += line.content + line.ending;
    return bytes;
}

std::optional<qsizetype> IniText::FindSection(const QString& section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const std::optional<QString> name = SectionOf(m_lines[i].content);
        if (name && SameName(*name, section))
            return i;
    }
    return std::nullopt;
}

std::optional<qsizetype> IniText::FindKey(const QString& section, const QString& key) const
{
    bool inSection = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QByteArray& content = m_lines[i].content;
        if (const std::optional<QString> name = SectionOf(content)) {
            inSection = SameName(*name, section);
            continue;
        }
        const qsizetype equals = EqualsOf(content);
        if (inSection && equals >= 0 &&
            SameName(AnsiCodec::Decode(Trimmed(QByteArrayView(content).first(equals))), key))
            return i;
    }
    return std::nullopt;
}

std::optional<QString> IniText::Value(const QString& section, const QString& key) const
{
    const std::optional<qsizetype> line = FindKey(section, key);
    if (!line)
        return std::nullopt;
    const QByteArrayView content = m_lines[*line].content;
    const QByteArrayView value = Trimmed(content.sliced(EqualsOf(content) + 1));
    return AnsiCodec::Decode(value.first(std::min(value.size(), kMaxValueLength)));
}

void IniText::InsertLine(qsizetype at, const QByteArray& content)
{
    // A last line without a full line break (none, or a lone CR) gets one, so the new line starts
    // on a line of its own.
    if (at > 0 && !m_lines[at - 1].ending.endsWith('\n'))
        m_lines[at - 1].ending = kCrLf;
    m_lines.insert(at, {content, kCrLf});
}

void IniText::SetValue(const QString& section, const QString& key, const QString& value)
{
    if (const std::optional<qsizetype> line = FindKey(section, key)) {
        // Everything before the value stays as the file had it: the key's spelling and spacing.
        Line& target = m_lines[*line];
        qsizetype start = EqualsOf(target.content) + 1;
        while (start < target.content.size() && IsBlank(target.content[start]))
            ++start;
        target.content = target.content.left(start) + ValueBytes(value);
        target.ending = kCrLf;
        return;
    }
    const QByteArray keyLine = AnsiCodec::Encode(key) + '=' + ValueBytes(value);
    const std::optional<qsizetype> header = FindSection(section);
    if (!header) {
        InsertLine(m_lines.size(), '[' + AnsiCodec::Encode(section) + ']');
        InsertLine(m_lines.size(), keyLine);
        return;
    }
    // After the section's last key, so comments and blank lines before the next section stay there.
    qsizetype at = *header + 1;
    for (qsizetype i = at; i < m_lines.size() && !SectionOf(m_lines[i].content); ++i) {
        if (EqualsOf(m_lines[i].content) >= 0)
            at = i + 1;
    }
    InsertLine(at, keyLine);
}
