#include "RowWriter.h"

#include "DocumentTableModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString RowWriter::EscapeTsv(const QString& value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': escaped += QLatin1String("\\\\"); break;
        case '\t': escaped += QLatin1String("\\t"); break;
        case '\r': escaped += QLatin1String("\\r"); break;
        case '\n': escaped += QLatin1String("\\n"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

QString RowWriter::Tsv(const DocumentTableModel& table)
{
    QStringList captions;
    for (const DocumentColumn& column : table.Columns())
        captions.append(EscapeTsv(column.caption));
    QString text = captions.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList values;
        for (int column = 0; column < table.columnCount(); ++column)
            values.append(EscapeTsv(table.DisplayText(row, column)));
        text += values.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

QString RowWriter::Json(const DocumentTableModel& table)
{
    QJsonArray rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        QJsonArray cells;
        for (int column = 0; column < table.columnCount(); ++column) {
            const bool isFirst = table.Columns()[column].creationIndex == 1;
            cells.append(QJsonObject{
                {QStringLiteral("caption"), table.Columns()[column].caption},
                {QStringLiteral("display"), table.DisplayText(row, column)},
                {QStringLiteral("raw"), isFirst ? QJsonValue() : QJsonValue(table.ExportValue(row, column))},
            });
        }
        rows.append(QJsonObject{{QStringLiteral("path"), table.Rows()[row].key},
                                {QStringLiteral("cells"), cells}});
    }
    return QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Indented));
}
