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

    // A failed write ends the writing; the exit status comes of it when the output is closed.
    const RowWriter::Sink out = [](const QString& text) { return ConsoleOutput::Out(text); };
    if (format == QLatin1String("json"))
        RowWriter::WriteJson(table, out);
    else
        RowWriter::WriteTsv(table, out);
    ConsoleOutput::Err(status.text + QLatin1Char('\n'));
    if (cycle.UnreadableCount() > 0)
        return 3;
    return table.rowCount() > 0 ? 0 : 1;
}
