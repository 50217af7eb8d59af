#include "ReadCommand.h"

#include "ColumnMap.h"
#include "CommandLine.h"
#include "ConsoleOutput.h"
#include "DocumentTableModel.h"
#include "ReadCycle.h"
#include "RowWriter.h"
#include "Usage.h"


int ReadCommand(const QStringList& arguments)
{
    CommandLine line;
    if (!line.Parse(arguments, {QStringLiteral("config"), QStringLiteral("format")}))
        return UsageError(line.errorString());
    if (line.Positionals().size() != 1)
        return UsageError(QStringLiteral("read takes exactly one PATH"));
    const QString format = line.Option(QStringLiteral("format"), QStringLiteral("tsv"));
    if (format != QLatin1String("tsv") && format != QLatin1String("json"))
        return UsageError(QStringLiteral("--format is tsv or json"));

    ColumnMap map;
    if (!map.Load(CommandConfig(line).ColumnMapFolder()))
        ConsoleOutput::Error(map.errorString());
    DocumentTableModel table;
    table.SetColumns(map.Columns());
    ReadCycle cycle(table);
    const StatusMessage status = cycle.Run(line.Positionals().first());

    ConsoleOutput::Out(format == QLatin1String("json") ? RowWriter::Json(table) : RowWriter::Tsv(table));
    ConsoleOutput::Err(status.text + QLatin1Char('\n'));
    if (table.rowCount() == 0)
        return 1;
    return cycle.UnreadableCount() > 0 ? 3 : 0;
}
