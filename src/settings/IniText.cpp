#include "IniText.h"

#include "ProgramFileText.h"

namespace {

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
std::optional<QByteArrayView> SectionOf(QByteArrayView content)
{
    const QByteArrayView text = Trimmed(content);
    if (!text.startsWith('['))
        return std::nullopt;
    const qsizetype close = text.indexOf(']');
    const QByteArrayView name = close < 0 ? text.sliced(1) : text.sliced(1, close - 1);
    return Trimmed(name);
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
QString SingleLine(const QString& value)
{
    QString single = value;
    return single.replace(QLatin1Char('\r'), QLatin1Char(' '))
        .replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace

IniText::IniText(const QByteArray& bytes) : m_encoding(ProgramFileText::Detect(bytes))
{
    // The mark stays out of the first line, where it would hide a section header.
    qsizetype start = m_encoding == ProgramFileText::Encoding::Utf8WithMark
                          ? ProgramFileText::kByteOrderMark.size()
                          : 0;
    while (start < bytes.size()) {
        const qsizetype lf = bytes.indexOf('\n', start);
        const qsizetype end = lf < 0 ? bytes.size() : lf;
        const qsizetype contentEnd = end > start && bytes[end - 1] == '\r' ? end - 1 : end;
        const qsizetype next = lf < 0 ? bytes.size() : lf + 1;
        m_lines.append(
            {bytes.mid(start, contentEnd - start), bytes.mid(contentEnd, next - contentEnd)});
        start = next;
    }
    // Lines the program adds end as the file's first line does.
    if (!m_lines.isEmpty() && m_lines.first().ending == "\n")
        m_lineEnd = "\n";
}

QString IniText::Text(QByteArrayView bytes) const
{
    return ProgramFileText::Decode(bytes, m_encoding);
}

QByteArray IniText::Encoded(const QString& text) const
{
    return ProgramFileText::Encode(text, m_encoding);
}

QByteArray IniText::Bytes() const
{
    QByteArray bytes;
    if (m_encoding == ProgramFileText::Encoding::Utf8WithMark)
        bytes += ProgramFileText::kByteOrderMark;
    for (const Line& line : m_lines)
        bytes += line.content + line.ending;
    return bytes;
}

std::optional<qsizetype> IniText::FindSection(const QString& section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const std::optional<QByteArrayView> name = SectionOf(m_lines[i].content);
        if (name && SameName(Text(*name), section))
            return i;
    }
    return std::nullopt;
}

std::optional<qsizetype> IniText::FindKey(const QString& section, const QString& key) const
{
    bool inSection = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const QByteArray& content = m_lines[i].content;
        if (const std::optional<QByteArrayView> name = SectionOf(content)) {
            inSection = SameName(Text(*name), section);
            continue;
        }
        const qsizetype equals = EqualsOf(content);
        if (inSection && equals >= 0 &&
            SameName(Text(Trimmed(QByteArrayView(content).first(equals))), key))
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
    return Text(value).left(kMaxValueLength);
}

void IniText::InsertLine(qsizetype at, const QByteArray& content)
{
    // A last line without a full line break (none, or a lone CR) gets one, so the new line starts
    // on a line of its own.
    if (at > 0 && !m_lines[at - 1].ending.endsWith('\n'))
        m_lines[at - 1].ending = m_lineEnd;
    m_lines.insert(at, {content, m_lineEnd});
}

void IniText::SetValue(const QString& section, const QString& key, const QString& value)
{
    if (const std::optional<qsizetype> line = FindKey(section, key)) {
        // Everything before the value stays as the file had it: the key's spelling and spacing.
        Line& target = m_lines[*line];
        qsizetype start = EqualsOf(target.content) + 1;
        while (start < target.content.size() && IsBlank(target.content[start]))
            ++start;
        // The line keeps its own ending, whatever the other lines have.
        target.content = target.content.left(start) + Encoded(SingleLine(value));
        return;
    }
    const QByteArray keyLine = Encoded(key) + '=' + Encoded(SingleLine(value));
    const std::optional<qsizetype> header = FindSection(section);
    if (!header) {
        InsertLine(m_lines.size(), '[' + Encoded(section) + ']');
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
