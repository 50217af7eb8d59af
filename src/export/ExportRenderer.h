#pragma once

#include "ColumnNames.h"
#include "ExportContext.h"
#include "ExportOutcome.h"
#include "ExportTotals.h"
#include "TemplateSection.h"
#include "ValueFormatter.h"

#include <QByteArray>
#include <QList>

class AnsiOutput;
class DocumentTableModel;
class ExportTemplate;

/// Writes rows of the document table through a template: the header, the document block per
/// checked row, the footer. Every value is formatted, escaped by the template's kind and
/// inserted once; the text becomes Windows-1251 block by block.
class ExportRenderer {
public:
    ExportRenderer(const ExportTemplate& exportTemplate, const DocumentTableModel& table,
                   const ExportContext& context);

    /// The export of the checked rows among rows, in the order given; outcome learns what the
    /// user should be told about it. Called once per renderer: the totals are worked into the
    /// template's pieces.
    QByteArray Render(const QList<int>& rows, ExportOutcome& outcome);

private:
    QList<int> CheckedRows(const QList<int>& rows) const;
    quint8 SideOf(int row) const;
    bool Uses(bool (*wanted)(const TemplatePiece&)) const;
    void Report(ExportOutcome& outcome) const;
    void Resolve(TemplateSection& section, const ExportTotals& totals) const;
    QString StampText(StampKind stamp) const;
    void Append(const TemplateSection& section, int row, quint8 side, AnsiOutput& output);
    bool Holds(const TemplatePiece& condition, int row, quint8 side);

    /// A value of one row, formatted and escaped.
    struct Cell {
        int row = -1;
        QString text;
    };
    const QString& CellAt(int row, int column, bool asAmount);
    QString CellText(int row, int column, bool asAmount) const;

    const DocumentTableModel& m_table;
    ExportContext m_context;
    TemplateFormats m_formats;
    ValueFormatter m_formatter;
    ColumnNames m_names;
    TemplateSection m_header;
    TemplateSection m_document;
    TemplateSection m_footer;
    int m_payerColumn = -1;
    int m_payeeColumn = -1;
    // Each column's value for the row last asked about, plain and as an amount: a value named
    // twice in the block is formatted, escaped and encoded once.
    QList<Cell> m_cells;
    QList<Cell> m_amountCells;
};
