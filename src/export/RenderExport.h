#pragma once

#include "ExportContext.h"
#include "ExportOutcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class DocumentTableModel;
class ExportTemplate;
class INIStorage;

/// Every row of the table in reading order, as the command line exports them.
QList<int> ReadingOrder(const DocumentTableModel& table);

/// The export file's Windows-1251 bytes: the header filled, CR LF, then for every checked row
/// among rows, in their order, the document block filled and CR LF, then the footer.
QByteArray RenderExportBytes(const ExportTemplate& exportTemplate, const DocumentTableModel& table,
                             const QList<int>& rows, const ExportContext& context,
                             ExportOutcome& outcome);
/// The same for the rows in reading order, with no opening balance.
QByteArray RenderExportBytes(const ExportTemplate& exportTemplate, const DocumentTableModel& table,
                             const QDateTime& timestamp, const QString& account);

/// Writes the checked rows among rows, in their order, through the template into the output
/// file in Windows-1251; the account and the opening balance come from the organisation's
/// settings. True when the file holds the new text; on failure the old file is untouched and
/// outcome.errorString says why, otherwise outcome says what the user should be told.
bool RenderExport(const QString& outputPath, const DocumentTableModel& table,
                  const QList<int>& rows, const QString& templatePath, const QDateTime& timestamp,
                  const INIStorage& settings, ExportOutcome& outcome);
/// The same for the rows in reading order; errorString (when given) says why it failed.
bool RenderExport(const QString& outputPath, const DocumentTableModel& table,
                  const QString& templatePath, const QDateTime& timestamp,
                  const INIStorage& settings, QString* errorString = nullptr);
