// Renders a small fixed table, whose values hold markup, line breaks, quotes and braces, through an
// arbitrary template file: its formats, escape kind, directives and conditions.
#include "ColumnMap.h"
#include "DocumentTableModel.h"
#include "ExportTemplate.h"
#include "ProgramFileText.h"
#include "RenderExport.h"
#include "UserLocale.h"

#include <QDateTime>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// One row a line, values between "|" in the columns of the shipped map: number, date, amount, then
// payer, payee and payment; the organisation's account pays in the first and receives in the
// second.
const char* const kRows[] = {
    "15|05.03.2024|1500.50|ООО \"Ромашка<b>\" &\r\nКо;|7701234560|770101001|40702810938000012345|"
    "ПАО Банк\nСевер|044525225|30101810400000000225|АО «Лютик»|5260118733||40702810242000031906|"
    "Банк<i>Юг|042202911||01|5|Оплата {Номер} по счету <№ 5>\r\nв т.ч. НДС\t20%;{=sum Сумма}",
    "16|2024-03-06|250|ИП Петров П.П.|526219083446||40802810100000000001|Банк\r\r\"Восток\"|"
    "046577964||ООО \"Вектор\"|6685023173|668501001|40702810938000012345|Банк|045004829||||"
    "x</td><script>{=if Сумма}</script>y",
    "17|07.03.2024|-7,5|a<b|||40702810938000012345||||c\nd|||||||01|3|{=end}",
    "18||0,01|Свои <счета>|||40702810938000012345||||||40702810938000012345|||||||"
    "✓ 😀 a\r\n\r\nb",
};

// The values with every "<", CR and LF made a letter: emptiness, dates and amounts stay as they
// were, so a template renders the same text around them.
QString Tamed(QString value)
{
    for (const char c : {'<', '\r', '\n'})
        value.replace(QLatin1Char(c), QLatin1Char('x'));
    return value;
}

void Fill(DocumentTableModel& table, bool tamed)
{
    ColumnMap map;
    if (!map.Load(QStringLiteral(VYPISKA_SOURCE_DIR "/config")))
        std::abort();
    table.SetColumns(map.Columns());
    QList<DocumentRow> rows;
    for (const char* const line : kRows) {
        const QStringList values = QString::fromUtf8(line).split(QLatin1Char('|'));
        if (values.size() != table.columnCount())
            std::abort();
        // The third document is not checked: nothing of it may reach the output.
        const Qt::CheckState state = rows.size() == 2 ? Qt::Unchecked : Qt::Checked;
        DocumentRow row{QStringLiteral("%1.xml").arg(rows.size()), values[0], state, {}};
        for (qsizetype i = 1; i < values.size(); ++i) {
            const QString value = tamed ? Tamed(values[i]) : values[i];
            row.subItems.append({value, value});
        }
        rows.append(row);
    }
    table.AppendRows(rows);
}

QByteArray Render(const ExportTemplate& exportTemplate, const DocumentTableModel& table)
{
    ExportContext context{QDateTime(QDate(2024, 3, 5), QTime(9, 7, 30)),
                          QStringLiteral("40702810938000012345"), QStringLiteral("1000.00")};
    ExportOutcome outcome;
    return RenderExportBytes(exportTemplate, table, ReadingOrder(table), context, outcome);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static DocumentTableModel table;
    static DocumentTableModel tamedTable;
    if (table.columnCount() == 0) {
        InstallUserLocale();
        Fill(table, false);
        Fill(tamedTable, true);
    }
    ExportTemplate exportTemplate;
    exportTemplate.Parse(ProgramFileText::Decode(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size))));
    // The program refuses such a template before it renders anything.
    if (!exportTemplate.HasDocument() || !exportTemplate.HasKnownEscape())
        return 0;
    const QByteArray output = Render(exportTemplate, table);
    const EscapeKind escape = exportTemplate.Formats().escape;
    if (escape != EscapeKind::Html && escape != EscapeKind::Text)
        return 0;
    // What the values add of these characters shows as a difference from the tamed table's
    // output: html escaping lets no "<" through, text escaping no line break.
    const QByteArray tamed = Render(exportTemplate, tamedTable);
    const QByteArray watched = escape == EscapeKind::Html ? "<" : "\r\n";
    for (const char c : watched) {
        if (output.count(c) != tamed.count(c))
            std::abort();
    }
    return 0;
}
