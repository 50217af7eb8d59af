#include "TemplatesCommand.h"

#include "CommandLine.h"
#include "ConsoleOutput.h"
#include "FileSystemObject.h"
#include "RowWriter.h"
#include "TemplateList.h"
#include "Usage.h"

int TemplatesCommand(const QStringList& arguments)
{
    CommandLine line;
    if (!line.Parse(arguments, {QStringLiteral("config")}))
        return UsageError(line.errorString());
    if (!line.Positionals().isEmpty())
        return UsageError(QStringLiteral("templates takes no PATH"));
    const ConfigFolders config = CommandConfig(line);
    if (!FileSystemObject::FolderExists(config.Program())) {
        ConsoleOutput::Error(
            QStringLiteral("Не найдена папка настроек '%1'").arg(config.Program()));
        return 1;
    }
    const TemplateList templates(config.TemplateFolders());
    QString text;
    for (const TemplateEntry& entry : templates.Entries()) {
        text += RowWriter::EscapeTsv(entry.fileName) + QLatin1Char('\t') +
                RowWriter::EscapeTsv(entry.title) + QLatin1Char('\t') +
                RowWriter::EscapeTsv(entry.extension) + QLatin1Char('\t') +
                RowWriter::EscapeTsv(entry.folder) + QLatin1Char('\n');
    }
    ConsoleOutput::Out(text);
    return 0;
}
