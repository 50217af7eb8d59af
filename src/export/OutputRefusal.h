#pragma once

#include <QString>
#include <QStringList>

class DocumentTableModel;

/// Why an export may not write the output path, because the file it would replace is one the
/// export reads: the input (a document or an archive), a document of the table, the template,
/// or a column map, settings file or template of a configuration folder. Empty when the output
/// may be written. Links are followed as the writing follows them.
QString OutputRefusal(const QString& outputPath, const QString& inputPath,
                      const DocumentTableModel& table, const QString& templatePath,
                      const QStringList& configFolders);
