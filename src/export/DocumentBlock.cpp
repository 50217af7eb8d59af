#include "DocumentBlock.h"

#include "SubstitutePlaceholder.h"

namespace {

bool HasBrace(QStringView text)
{
    return text.contains(QLatin1Char('{')) || text.contains(QLatin1Char('}'));
}

} // namespace

DocumentBlock::DocumentBlock(const QString& block, const QList<QStringList>& placeholders)
    : m_block(block), m_placeholders(placeholders)
{
    m_prepared = Prepare();
}

int DocumentBlock::ColumnOfPlaceholder(QStringView text) const
{
    // The first placeholder in substitution order takes every occurrence of its text.
    for (int column = 0; column < m_placeholders.size(); ++column) {
        for (const QString& placeholder : m_placeholders[column]) {
            if (placeholder.size() == text.size() &&
                text.compare(placeholder, Qt::CaseInsensitive) == 0)
                return column;
        }
    }
    return -1;
}

bool DocumentBlock::Prepare()
{
    // A new placeholder can only appear during substitution where braces stand outside the
    // placeholders, or where names or values hold braces: those blocks are filled sequentially.
    for (const QStringList& column : std::as_const(m_placeholders)) {
        for (const QString& placeholder : column) {
            if (HasBrace(QStringView(placeholder).mid(1, placeholder.size() - 2)))
                return false;
        }
    }
    qsizetype copied = 0;
    for (qsizetype open = m_block.indexOf(QLatin1Char('{')); open >= 0;
         open = m_block.indexOf(QLatin1Char('{'), copied)) {
        const qsizetype close = m_block.indexOf(QLatin1Char('}'), open);
        if (close < 0)
            break;
        const QStringView span = QStringView(m_block).mid(open, close - open + 1);
        if (span.mid(1).contains(QLatin1Char('{')))
            return false;
        m_segments.append({copied, open - copied, -1});
        m_segments.append({open, span.size(), ColumnOfPlaceholder(span)});
        copied = close + 1;
    }
    m_segments.append({copied, m_block.size() - copied, -1});
    return true;
}

QString DocumentBlock::Fill(const QStringList& values, const ValueFormatter& formatter) const
{
    if (!m_prepared)
        return FillSequentially(values, formatter);
    QList<QString> texts(values.size());
    QList<bool> formatted(values.size(), false);
    QString block;
    block.reserve(m_block.size() * 2);
    for (const Segment& segment : m_segments) {
        if (segment.column < 0 || segment.column >= values.size()) {
            block.append(QStringView(m_block).mid(segment.start, segment.length));
            continue;
        }
        if (!formatted[segment.column]) {
            texts[segment.column] = formatter.Text(values[segment.column]);
            formatted[segment.column] = true;
            // A value with braces could complete a placeholder with the text around it.
            if (HasBrace(texts[segment.column]))
                return FillSequentially(values, formatter);
        }
        block.append(texts[segment.column]);
    }
    return block;
}

QString DocumentBlock::FillSequentially(const QStringList& values,
                                        const ValueFormatter& formatter) const
{
    QString block = m_block;
    for (int column = 0; column < m_placeholders.size() && column < values.size(); ++column) {
        for (const QString& placeholder : m_placeholders[column])
            SubstitutePlaceholder(block, placeholder, values[column], formatter);
    }
    return block;
}
