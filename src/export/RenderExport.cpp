#include "RenderExport.h"

#include "DocumentTableModel.h"
#include "ExportRenderer.h"
#include "ExportTemplate.h"
#include "INIStorage.h"
#include "OpeningBalance.h"
#include "ReplaceFile.h"

#include <numeric>

QList<int> ReadingOrder(const DocumentTableModel& table)
{
    QList<int> rows(table.rowCount());
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

QByteArray RenderExportBytes(const ExportTemplate& exportTemplate, const DocumentTableModel& table,
                             const QList<int>& rows, const ExportContext& context,
                             ExportOutcome& outcome)
{
    return ExportRenderer(exportTemplate, table, context).Render(rows, outcome);
}

QByteArray RenderExportBytes(const ExportTemplate& exportTemplate, const DocumentTableModel& table,
                             const QDateTime& timestamp, const QString& account)
{
    ExportOutcome outcome;
    return RenderExportBytes(exportTemplate, table, ReadingOrder(table),
                             {timestamp, account, QStringLiteral("0.00")}, outcome);
}

bool RenderExport(const QString& outputPath, const DocumentTableModel& table,
                  const QList<int>& rows, const QString& templatePath, const QDateTime& timestamp,
                  const INIStorage& settings, ExportOutcome& outcome)
{
    ExportTemplate exportTemplate;
    if (!exportTemplate.Load(templatePath)) {
        outcome.errorString = exportTemplate.errorString();
        return false;
    }
    const ExportContext context{
        timestamp, settings.ReadVal(1, QStringLiteral("ACC"), QString()).toString().trimmed(),
        ReadOpeningBalance(settings)};
    return ReplaceFile(outputPath, RenderExportBytes(exportTemplate, table, rows, context, outcome),
                       &outcome.errorString);
}

bool RenderExport(const QString& outputPath, const DocumentTableModel& table,
                  const QString& templatePath, const QDateTime& timestamp,
                  const INIStorage& settings, QString* errorString)
{
    ExportOutcome outcome;
    const bool written = RenderExport(outputPath, table, ReadingOrder(table), templatePath,
                                      timestamp, settings, outcome);
    if (!written && errorString)
        *errorString = outcome.errorString;
    return written;
}
