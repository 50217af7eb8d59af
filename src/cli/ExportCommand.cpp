#include "ExportCommand.h"

#include "ColumnMap.h"
#include "CommandLine.h"
#include "ConsoleOutput.h"
#include "DocumentTableModel.h"
#include "INIStorage.h"
#include "OutputRefusal.h"
#include "ReadCycle.h"
#include "RenderExport.h"
#include "TemplateList.h"
#include "Usage.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace {

// The date and time as written. A local time that the clocks skip, as at the change to summer
// time, is no moment of the local zone, but a statement dated so is still dated as written.
QDateTime AsWritten(QDate date, QTime time)
{
    const QDateTime local(date, time);
    if (local.isValid() && local.date() == date && local.time() == time)
        return local;
    return QDateTime(date, time, Qt::UTC);
}

// yyyy-MM-dd or yyyy-MM-ddTHH:mm[:ss]; the present moment when the option is absent.
std::optional<QDateTime> Timestamp(const CommandLine& line)
{
    if (!line.HasOption(QStringLiteral("date")))
        return QDateTime::currentDateTime();
    const QString text = line.Option(QStringLiteral("date"));
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return std::nullopt;
    if (text.size() == 10)
        return AsWritten(date, QTime(0, 0));
    if (text.at(10) != QLatin1Char('T'))
        return std::nullopt;
    const QString clock = text.mid(11);
    const QTime time = QTime::fromString(clock, clock.size() == 5 ? QStringLiteral("HH:mm")
                                                                  : QStringLiteral("HH:mm:ss"));
    if (!time.isValid())
        return std::nullopt;
    return AsWritten(date, time);
}

// A bare name is looked up in the configuration folders first; anything else is a path.
QString TemplatePath(const QString& name, const ConfigFolders& folders)
{
    if (name.contains(QLatin1Char('/')))
        return name;
    for (const QString& folder : folders.TemplateFolders()) {
        const QString inFolder = QDir(folder).filePath(name);
        if (QFileInfo(inFolder).isFile())
            return inFolder;
    }
    return name;
}

} // namespace

int ExportCommand(const QStringList& arguments)
{
    CommandLine line;
    if (!line.Parse(arguments, {QStringLiteral("config"), QStringLiteral("template"),
                                QStringLiteral("out"), QStringLiteral("date")}))
        return UsageError(line.errorString());
    if (line.Positionals().size() != 1)
        return UsageError(QStringLiteral("export takes exactly one PATH"));
    if (line.Option(QStringLiteral("template")).isEmpty() ||
        line.Option(QStringLiteral("out")).isEmpty())
        return UsageError(QStringLiteral("export needs --template T and --out FILE"));
    const std::optional<QDateTime> timestamp = Timestamp(line);
    if (!timestamp)
        return UsageError(QStringLiteral("--date is yyyy-MM-dd or yyyy-MM-ddTHH:mm[:ss]"));

    const ConfigFolders config = CommandConfig(line);
    ColumnMap map;
    if (!map.Load(config.ColumnMapFolder()))
        ConsoleOutput::Error(map.errorString());
    DocumentTableModel table;
    table.SetColumns(map.Columns());
    ReadCycle cycle(table);
    const StatusMessage read = cycle.Run(line.Positionals().first());
    if (table.rowCount() == 0 || cycle.UnreadableCount() > 0)
        ConsoleOutput::Err(read.text + QLatin1Char('\n'));
    if (table.rowCount() == 0)
        return cycle.UnreadableCount() > 0 ? 3 : 1;

    const QString out = line.Option(QStringLiteral("out"));
    const QString templatePath = TemplatePath(line.Option(QStringLiteral("template")), config);
    ExportOutcome outcome;
    outcome.errorString = OutputRefusal(out, line.Positionals().first(), table, templatePath,
                                        config.TemplateFolders());
    if (!outcome.errorString.isEmpty() ||
        !RenderExport(out, table, ReadingOrder(table), templatePath, *timestamp, INIStorage(config),
                      outcome)) {
        ConsoleOutput::Error(outcome.errorString);
        ConsoleOutput::Err(TemplateList::FailureMessage().text + QLatin1Char('\n'));
        return 1;
    }
    ConsoleOutput::Err(TemplateList::SuccessMessage(table.rowCount(), out, outcome).text +
                       QLatin1Char('\n'));
    return cycle.UnreadableCount() > 0 ? 3 : 0;
}
