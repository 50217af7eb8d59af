// Renders a small table through an arbitrary template: the first line is the column map, the rest
// the template's text.
#include "AnsiCodec.h"
#include "ColumnMap.h"
#include "DocumentTableModel.h"
#include "ExportTemplate.h"
#include "RenderExport.h"

#include <QDateTime>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = AnsiCodec::Decode(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    DocumentTableModel table;
    table.SetColumns(ColumnMap::Parse(lineEnd < 0 ? text : text.left(lineEnd)));
    if (table.columnCount() > 0) {
        QList<SubItem> values;
        for (int i = 1; i < table.columnCount(); ++i)
            values.append({QStringLiteral("1 500,50 ₽"), QStringLiteral("2024-03-05")});
        table.AppendRows({{QStringLiteral("a.xml"), QStringLiteral("12:30"), Qt::Checked, values},
                          {QStringLiteral("b.xml"), QStringLiteral("x{y}"), Qt::Unchecked, values}});
    }
    ExportTemplate exportTemplate;
    exportTemplate.Parse(lineEnd < 0 ? QString() : text.mid(lineEnd + 1));
    RenderExportBytes(exportTemplate, table, QDateTime(QDate(2024, 3, 5), QTime(9, 7, 30)),
                      QStringLiteral("40702810938000012345"));
    return 0;
}
