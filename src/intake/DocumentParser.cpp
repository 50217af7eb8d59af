#include "DocumentParser.h"

#include "DocumentTableModel.h"
#include "ReadWholeFile.h"
#include "TextCoder.h"

#include <QFileInfo>

DocumentParser::DocumentParser(DocumentTableModel& table, const QLocale& locale)
    : m_table(table), m_display(locale)
{
    for (const DocumentColumn& source : table.Columns()) {
        Column column;
        // Names keep their spaces and empty names stay in place: they are used exactly as written.
        QStringList elements = source.tagString.isEmpty() ? QStringList()
                                                          : source.tagString.split(QLatin1Char(';'));
        const QString key = elements.isEmpty() ? QString() : elements.takeFirst();
        column.isAmount = key.compare(QStringLiteral("Сумма"), Qt::CaseInsensitive) == 0;
        column.names = elements;
        m_columns.append(column);
    }
}

QString DocumentParser::RawValue(const Column& column, const QString& text) const
{
    for (const QString& name : column.names) {
        QString value = TextCoder::Shared().ReadTag(text, name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

std::optional<DocumentRow> DocumentParser::RowFromText(const QString& key, const QString& text)
{
    DocumentRow row;
    row.key = key;
    row.checkState = Qt::Checked;
    row.subItems.reserve(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column& column = m_columns[i];
        const QString raw = RawValue(column, text);
        QString display;
        if (column.isAmount) {
            if (raw.isEmpty())
                return std::nullopt;
            display = m_display.Amount(raw);
            m_table.SetColumnAlignment(i, Qt::AlignRight | Qt::AlignVCenter);
        } else {
            display = m_display.Ordinary(raw);
        }
        if (i == 0)
            row.text = display;
        else
            row.subItems.append({display, raw});
    }
    if (m_columns.isEmpty())
        return std::nullopt;
    return row;
}

std::optional<DocumentRow> DocumentParser::RowFromFile(const QString& path)
{
    // Asked before opening: a pipe or a device named like a document would be read for ever.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestDocument)
        return std::nullopt;
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return RowFromText(path, TextCoder::Shared().DecodeUTF8(*bytes));
}

bool DocumentParser::Parse(const QString& path)
{
    std::optional<DocumentRow> row = RowFromFile(path);
    if (!row)
        return false;
    m_table.AppendRow(*row);
    return true;
}

void ParseDocument(const QString& path, DocumentTableModel& table)
{
    DocumentParser(table).Parse(path);
}
