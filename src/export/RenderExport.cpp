#include "RenderExport.h"

#include "AnsiCodec.h"
#include "DocumentTableModel.h"
#include "ExportTemplate.h"
#include "INIStorage.h"
#include "ReplaceFile.h"
#include "SubstitutePlaceholder.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

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

QString RenderExportText(const ExportTemplate& exportTemplate, const DocumentTableModel& table,
                         const QDateTime& timestamp, const QString& account)
{
    const ValueFormatter formatter(exportTemplate.Formats());
    QString text = RenderHeader(exportTemplate.Header(), timestamp, account, formatter) + kCrLf;
    const QList<QStringList> placeholders = ColumnPlaceholders(table);
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.Rows()[row].checkState != Qt::Checked)
            continue;
        QString block = exportTemplate.Document();
        for (int column = 0; column < placeholders.size(); ++column) {
            const QString value = table.ExportValue(row, column);
            for (const QString& placeholder : placeholders[column])
                SubstitutePlaceholder(block, placeholder, value, formatter);
        }
        text += block + kCrLf;
    }
    return text + exportTemplate.Footer();
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
    const QString account = settings.ReadVal(1, QStringLiteral("ACC"), QString()).toString().trimmed();
    const QString text = RenderExportText(exportTemplate, table, timestamp, account);
    return ReplaceFile(outputPath, AnsiCodec::Encode(text), errorString);
}
