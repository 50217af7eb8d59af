#include "RenderExport.h"

#include "AnsiCodec.h"
#include "DocumentBlock.h"
#include "DocumentTableModel.h"
#include "ExportTemplate.h"
#include "INIStorage.h"
#include "ReplaceFile.h"
#include "SubstitutePlaceholder.h"

namespace {

// Every column's placeholders in column order: "{" name "}" for each name of its tag string,
// empty names included, exactly as written.
QList<QStringList> ColumnPlaceholders(const DocumentTableModel& table)
{
    QList<QStringList> columns;
    for (const DocumentColumn& column : table.Columns()) {
        QStringList placeholders;
        if (!column.tagString.isEmpty()) {
            for (const QString& name : column.tagString.split(QLatin1Char(';')))
                placeholders.append(QLatin1Char('{') + name + QLatin1Char('}'));
        }
        columns.append(placeholders);
    }
    return columns;
}

QString RenderHeader(const QString& header, const QDateTime& timestamp, const QString& account,
                     const ValueFormatter& formatter)
{
    QString text = header;
    SubstitutePlaceholder(text, QStringLiteral("{MakeDate}"), timestamp.date(), formatter);
    SubstitutePlaceholder(text, QStringLiteral("{MakeTime}"), timestamp.time(), formatter);
    SubstitutePlaceholder(text, QStringLiteral("{ACC}"), account, formatter);
    return text;
}

} // namespace

QByteArray RenderExportBytes(const ExportTemplate& exportTemplate, const DocumentTableModel& table,
                             const QDateTime& timestamp, const QString& account)
{
    const ValueFormatter formatter(exportTemplate.Formats());
    const DocumentBlock block(exportTemplate.Document(), ColumnPlaceholders(table));
    // Encoded block by block into one buffer: the text of a large export is never held twice.
    QByteArray bytes;
    bytes.reserve(table.rowCount() * (exportTemplate.Document().size() * 5 / 4 + 2) + 4096);
    bytes +=
        AnsiCodec::Encode(RenderHeader(exportTemplate.Header(), timestamp, account, formatter));
    bytes += "\r\n";
    QStringList values(table.columnCount());
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.CheckState(row) != Qt::Checked)
            continue;
        for (int column = 0; column < table.columnCount(); ++column)
            values[column] = table.ExportValue(row, column);
        bytes += AnsiCodec::Encode(block.Fill(values, formatter));
        bytes += "\r\n";
    }
    bytes += AnsiCodec::Encode(exportTemplate.Footer());
    return bytes;
}

bool RenderExport(const QString& outputPath, const DocumentTableModel& table,
                  const QString& templatePath, const QDateTime& timestamp,
                  const INIStorage& settings, QString* errorString)
{
    ExportTemplate exportTemplate;
    if (!exportTemplate.Load(templatePath)) {
        if (errorString)
            *errorString = exportTemplate.errorString();
        return false;
    }
    const QString account =
        settings.ReadVal(1, QStringLiteral("ACC"), QString()).toString().trimmed();
    return ReplaceFile(outputPath, RenderExportBytes(exportTemplate, table, timestamp, account),
                       errorString);
}
