#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class DocumentTableModel;
class ExportTemplate;
class INIStorage;

/// The export file's Windows-1251 bytes: the header with "{MakeDate}", "{MakeTime}" and "{ACC}"
/// filled, CR LF, then for every checked row the document block with every column's
/// placeholders filled and CR LF, then the footer.
QByteArray RenderExportBytes(const ExportTemplate& exportTemplate, const DocumentTableModel& table,
                             const QDateTime& timestamp, const QString& account);

/// Writes the checked rows of the table through the template into the output file in
/// Windows-1251, the account taken from the organisation's settings. True when the file holds the
/// new text; on failure the old file is untouched and errorString (when given) says why.
bool RenderExport(const QString& outputPath, const DocumentTableModel& table,
                  const QString& templatePath, const QDateTime& timestamp,
                  const INIStorage& settings, QString* errorString = nullptr);
