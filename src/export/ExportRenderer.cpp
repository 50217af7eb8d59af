#include "ExportRenderer.h"

#include "AnsiOutput.h"
#include "DocumentTableModel.h"
#include "ExportTemplate.h"
#include "ValueEscape.h"

namespace {

bool IsAccountPiece(const TemplatePiece& piece)
{
    switch (piece.kind) {
    case TemplatePiece::Kind::Stamp:
        return piece.stamp == StampKind::Account;
    case TemplatePiece::Kind::Total:
        return piece.total == TotalKind::Debits || piece.total == TotalKind::Credits ||
               piece.total == TotalKind::Closing;
    case TemplatePiece::Kind::Condition:
        return piece.test != TestKind::HasValue;
    default:
        return false;
    }
}

bool IsSidePiece(const TemplatePiece& piece)
{
    return IsAccountPiece(piece) && piece.kind != TemplatePiece::Kind::Stamp;
}

// The column a declaration of <formats> names; none for an empty declaration.
int DeclaredColumn(const ColumnNames& names, const QString& declaration)
{
    const QString name = declaration.trimmed();
    return name.isEmpty() ? -1 : names.Find(name);
}

bool IsBalancePiece(const TemplatePiece& piece)
{
    return piece.kind == TemplatePiece::Kind::Total &&
           (piece.total == TotalKind::Opening || piece.total == TotalKind::Closing);
}

} // namespace

ExportRenderer::ExportRenderer(const ExportTemplate& exportTemplate,
                               const DocumentTableModel& table, const ExportContext& context)
    : m_table(table), m_context(context), m_formats(exportTemplate.Formats()),
      m_formatter(m_formats), m_names(table.Columns()),
      m_header(exportTemplate.Header(), SectionKind::Header, m_names),
      m_document(exportTemplate.Document(), SectionKind::Document, m_names),
      m_footer(exportTemplate.Footer(), SectionKind::Footer, m_names),
      m_payerColumn(DeclaredColumn(m_names, m_formats.payerAccount)),
      m_payeeColumn(DeclaredColumn(m_names, m_formats.payeeAccount)), m_cells(table.columnCount()),
      m_amountCells(table.columnCount())
{
}

QByteArray ExportRenderer::Render(const QList<int>& rows, ExportOutcome& outcome)
{
    const QList<int> checked = CheckedRows(rows);
    QList<quint8> sides;
    sides.reserve(checked.size());
    for (const int row : checked)
        sides.append(SideOf(row));
    const std::optional<ExactAmount> opening =
        ExactAmount::Read(m_context.openingBalance, m_formatter.Symbols());
    outcome.openingUnreadable = !opening && Uses(IsBalancePiece);
    Report(outcome);
    const ExportTotals totals(m_table, checked, sides, m_formatter,
                              opening.value_or(ExactAmount()));
    for (TemplateSection* section : {&m_header, &m_document, &m_footer})
        Resolve(*section, totals);

    qsizetype blockSize = 2;
    for (const TemplatePiece& piece : m_document.Pieces())
        blockSize += piece.kind == TemplatePiece::Kind::Text ? piece.bytes.size() : 16;
    AnsiOutput output(checked.size() * blockSize + 4096);
    Append(m_header, -1, NoSide, output);
    output.Append(QByteArrayView("\r\n"));
    for (qsizetype i = 0; i < checked.size(); ++i) {
        Append(m_document, checked[i], sides[i], output);
        output.Append(QByteArrayView("\r\n"));
    }
    Append(m_footer, -1, NoSide, output);
    outcome.replacedCharacters = output.Replaced();
    return output.Take();
}

QList<int> ExportRenderer::CheckedRows(const QList<int>& rows) const
{
    QList<int> checked;
    checked.reserve(rows.size());
    for (const int row : rows) {
        if (row >= 0 && row < m_table.rowCount() && m_table.Rows()[row].checkState == Qt::Checked)
            checked.append(row);
    }
    return checked;
}

quint8 ExportRenderer::SideOf(int row) const
{
    if (m_context.account.isEmpty())
        return NoSide;
    quint8 side = NoSide;
    if (m_payerColumn >= 0 &&
        m_table.ExportValue(row, m_payerColumn).trimmed() == m_context.account)
        side |= DebitSide;
    if (m_payeeColumn >= 0 &&
        m_table.ExportValue(row, m_payeeColumn).trimmed() == m_context.account)
        side |= CreditSide;
    return side;
}

bool ExportRenderer::Uses(bool (*wanted)(const TemplatePiece&)) const
{
    for (const TemplateSection* section : {&m_header, &m_document, &m_footer}) {
        if (std::any_of(section->Pieces().begin(), section->Pieces().end(), wanted))
            return true;
    }
    return false;
}

void ExportRenderer::Report(ExportOutcome& outcome) const
{
    outcome.accountMissing = m_context.account.isEmpty() && Uses(IsAccountPiece);
    QStringList unfilled = m_header.Unfilled() + m_document.Unfilled() + m_footer.Unfilled();
    // Debits and credits need to know where the accounts stand.
    const std::pair<const QString&, int> declarations[] = {{m_formats.payerAccount, m_payerColumn},
                                                           {m_formats.payeeAccount, m_payeeColumn}};
    const char* tags[] = {"payer_account", "payee_account"};
    for (int i = 0; i < 2; ++i) {
        const auto& [name, column] = declarations[i];
        if (column < 0 && (!name.trimmed().isEmpty() || Uses(IsSidePiece)))
            unfilled.append(QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tags[i]), name));
    }
    for (const QString& text : std::as_const(unfilled)) {
        if (!outcome.unfilled.contains(text))
            outcome.unfilled.append(text);
    }
}

void ExportRenderer::Resolve(TemplateSection& section, const ExportTotals& totals) const
{
    for (TemplatePiece& piece : section.Pieces()) {
        if (piece.kind == TemplatePiece::Kind::Stamp)
            piece.text = ValueEscape::Apply(StampText(piece.stamp), m_formats);
        else if (piece.kind == TemplatePiece::Kind::Total)
            piece.text = ValueEscape::Apply(totals.Text(piece), m_formats);
        else if (piece.kind != TemplatePiece::Kind::Text)
            continue;
        piece.kind = TemplatePiece::Kind::Text;
        // Encoded once: a document block's text is the same for every row.
        AnsiOutput encoded(piece.text.size());
        encoded.Append(piece.text);
        piece.replaced = encoded.Replaced();
        piece.bytes = encoded.Take();
    }
}

QString ExportRenderer::StampText(StampKind stamp) const
{
    switch (stamp) {
    case StampKind::MakeDate:
        return m_formatter.Text(m_context.timestamp.date());
    case StampKind::MakeTime:
        return m_formatter.Text(m_context.timestamp.time());
    case StampKind::Account:
        return m_formatter.Text(m_context.account);
    }
    return {};
}

void ExportRenderer::Append(const TemplateSection& section, int row, quint8 side,
                            AnsiOutput& output)
{
    const QList<TemplatePiece>& pieces = section.Pieces();
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const TemplatePiece& piece = pieces[i];
        switch (piece.kind) {
        case TemplatePiece::Kind::Text:
            output.Append(piece.bytes, piece.replaced);
            break;
        case TemplatePiece::Kind::Column:
            output.Append(CellAt(row, piece.column, piece.asAmount));
            break;
        case TemplatePiece::Kind::Condition:
            if (!Holds(piece, row, side))
                i = piece.end;
            break;
        default:
            break;
        }
    }
}

bool ExportRenderer::Holds(const TemplatePiece& condition, int row, quint8 side)
{
    switch (condition.test) {
    case TestKind::Debit:
        return (side & DebitSide) != 0;
    case TestKind::Credit:
        return (side & CreditSide) != 0;
    case TestKind::HasValue:
        break;
    }
    return !CellAt(row, condition.column, false).isEmpty();
}

const QString& ExportRenderer::CellAt(int row, int column, bool asAmount)
{
    Cell& cell = asAmount ? m_amountCells[column] : m_cells[column];
    if (cell.row != row) {
        cell.row = row;
        cell.text = CellText(row, column, asAmount);
    }
    return cell.text;
}

QString ExportRenderer::CellText(int row, int column, bool asAmount) const
{
    const QString value = m_table.ExportValue(row, column);
    if (asAmount) {
        if (const std::optional<ExactAmount> amount =
                ExactAmount::Read(value, m_formatter.Symbols()))
            return ValueEscape::Apply(amount->Text(m_formats.decimalSeparator, 2), m_formats);
    }
    return ValueEscape::Apply(m_formatter.Text(value), m_formats);
}
