#include "DocumentParser.h"

#include "DocumentTableModel.h"
#include "DocumentText.h"
#include "ReadWholeFile.h"
#include "TagText.h"
#include "XmlEntities.h"

#include <QFileInfo>
#include <new>

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
        for (const QString& name : elements) {
            const DocumentLookup lookup = DocumentLookup::Parse(name);
            column.lookups.append(lookup);
            column.pathIndexes.append(
                lookup.kind == DocumentLookup::Kind::Path ? m_paths.Add(lookup.path) : -1);
        }
        m_columns.append(column);
    }
}

QString DocumentParser::LookupValue(const Column& column, qsizetype i, Document& document) const
{
    const DocumentLookup& lookup = column.lookups[i];
    switch (lookup.kind) {
    case DocumentLookup::Kind::Plain:
        return XmlEntities::Resolve(
            TagText::TagContent(document.text, lookup.name).left(kLongestValue));
    case DocumentLookup::Kind::Path:
        if (!document.pathValues)
            document.pathValues = m_paths.Read(document.text, kLongestValue);
        return document.pathValues->at(column.pathIndexes[i]);
    case DocumentLookup::Kind::Never:
        break;
    }
    return {};
}

QString DocumentParser::RawValue(const Column& column, Document& document) const
{
    for (qsizetype i = 0; i < column.lookups.size(); ++i) {
        const QString value = LookupValue(column, i, document);
        if (value.isEmpty())
            continue;
        const std::optional<DecimalFactor>& factor = column.lookups[i].factor;
        // A product has more digits than the value it was made of: the cut holds for it too.
        return factor ? factor->Apply(value).left(kLongestValue) : value;
    }
    return {};
}

std::optional<DocumentRow> DocumentParser::RowFromText(const QString& key, const QString& text)
{
    DocumentRow row;
    row.key = key;
    row.checkState = Qt::Checked;
    row.subItems.reserve(m_columns.size());
    Document document{text, std::nullopt};
    for (int i = 0; i < m_columns.size(); ++i) {
        const Column& column = m_columns[i];
        const QString raw = RawValue(column, document);
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

std::optional<QString> DocumentParser::FileText(const QString& path)
{
    // Asked before opening: a pipe or a device named like a document would be read for ever.
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kLargestDocument)
        return std::nullopt;
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    return DocumentText::Decode(*bytes);
}

std::optional<DocumentRow> DocumentParser::RowFromFile(const QString& path, bool* unreadable)
{
    bool failed = true;
    std::optional<DocumentRow> row;
    try {
        if (const std::optional<QString> text = FileText(path)) {
            failed = false;
            row = RowFromText(path, *text);
        }
    } catch (const std::bad_alloc&) {
        // A document too large for the memory left could not be read; the next one may be.
        failed = true;
        row.reset();
    }
    if (unreadable)
        *unreadable = failed;
    return row;
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
