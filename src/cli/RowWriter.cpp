#include "RowWriter.h"

#include "DocumentTableModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString EscapedControl(QChar c)
{
    switch (c.unicode()) {
    case '\t':
        return QStringLiteral("\\t");
    case '\r':
        return QStringLiteral("\\r");
    case '\n':
        return QStringLiteral("\\n");
    default:
        return QStringLiteral("\\x") +
               QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
    }
}

QJsonObject JsonRow(const DocumentTableModel& table, int row)
{
    QJsonArray cells;
    for (int column = 0; column < table.columnCount(); ++column) {
        const bool isFirst = table.Columns()[column].creationIndex == 1;
        cells.append(QJsonObject{
            {QStringLiteral("caption"), table.Columns()[column].caption},
            {QStringLiteral("display"), table.DisplayText(row, column)},
            {QStringLiteral("raw"),
             isFirst ? QJsonValue() : QJsonValue(table.ExportValue(row, column))},
        });
    }
    return QJsonObject{{QStringLiteral("path"), table.Key(row)}, {QStringLiteral("cells"), cells}};
}

// A row's object as an element of the indented array: every line four spaces further in.
QString JsonElement(const QJsonObject& object)
{
    QString text = QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    text.chop(1);
    text.replace(QLatin1Char('\n'), QLatin1String("\n    "));
    return QStringLiteral("    ") + text;
}

} // namespace

QString RowWriter::EscapeTsv(const QString& value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            escaped += QLatin1String("\\\\");
        else if (c.category() == QChar::Other_Control)
            escaped += EscapedControl(c);
        else
            escaped += c;
    }
    return escaped;
}

bool RowWriter::WriteTsv(const DocumentTableModel& table, const Sink& sink)
{
    QStringList values;
    for (const DocumentColumn& column : table.Columns())
        values.append(EscapeTsv(column.caption));
    if (!sink(values.join(QLatin1Char('\t')) + QLatin1Char('\n')))
        return false;
    for (int row = 0; row < table.rowCount(); ++row) {
        values.clear();
        for (int column = 0; column < table.columnCount(); ++column)
            values.append(EscapeTsv(table.DisplayText(row, column)));
        if (!sink(values.join(QLatin1Char('\t')) + QLatin1Char('\n')))
            return false;
    }
    return true;
}

bool RowWriter::WriteJson(const DocumentTableModel& table, const Sink& sink)
{
    if (!sink(QStringLiteral("[\n")))
        return false;
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString separator =
            row + 1 < table.rowCount() ? QStringLiteral(",\n") : QStringLiteral("\n");
        if (!sink(JsonElement(JsonRow(table, row)) + separator))
            return false;
    }
    return sink(QStringLiteral("]\n"));
}
