#include "ExportRenderer.h"

#include "AnsiCodec.h"
#include "DocumentTableModel.h"
#include "ExportTemplate.h"
#include "ValueEscape.h"

namespace {

// Appends the text in Windows-1251, one "?" for each character the code page lacks (a pair of
// surrogates is one character); returns how many there were.
qsizetype AppendAnsi(QByteArray& bytes, QStringView text)
{
    qsizetype replaced = 0;
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size());
    char* out = bytes.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const unsigned char code = AnsiCodec::Code(c);
        *out++ = char(code);
        if (code != '?' || c == QLatin1Char('?'))
            continue;
        ++replaced;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    bytes.resize(out - bytes.constData());
    return replaced;
}

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
      m_cellRows(table.columnCount(), -1)
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

    QByteArray bytes;
    bytes.reserve(checked.size() * (m_document.Pieces().size() * 24 + 2) + 4096);
    QString text;
    Append(m_header, -1, NoSide, text);
    outcome.replacedCharacters += AppendAnsi(bytes, text);
    bytes += "\r\n";
    for (qsizetype i = 0; i < checked.size(); ++i) {
        text.clear();
        Append(m_document, checked[i], sides[i], text);
        outcome.replacedCharacters += AppendAnsi(bytes, text);
        bytes += "\r\n";
    }
    text.clear();
    Append(m_footer, -1, NoSide, text);
    outcome.replacedCharacters += AppendAnsi(bytes, text);
    return bytes;
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
        else
            continue;
        piece.kind = TemplatePiece::Kind::Text;
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

void ExportRenderer::Append(const TemplateSection& section, int row, quint8 side, QString& text)
{
    const QList<TemplatePiece>& pieces = section.Pieces();
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const TemplatePiece& piece = pieces[i];
        switch (piece.kind) {
        case TemplatePiece::Kind::Text:
            text += piece.text;
            break;
        case TemplatePiece::Kind::Column:
            text += piece.asAmount ? AmountCell(row, piece.column) : Cell(row, piece.column);
            break;
        case TemplatePiece::Kind::Condition: {
            const bool holds = piece.test == TestKind::Debit ? (side & DebitSide) != 0
                               : piece.test == TestKind::Credit
                                   ? (side & CreditSide) != 0
                                   : !Cell(row, piece.column).isEmpty();
            if (!holds)
                i = piece.end;
            break;
        }
        default:
            break;
        }
    }
}

const QString& ExportRenderer::Cell(int row, int column)
{
    if (m_cellRows[column] != row) {
        m_cells[column] =
            ValueEscape::Apply(m_formatter.Text(m_table.ExportValue(row, column)), m_formats);
        m_cellRows[column] = row;
    }
    return m_cells[column];
}

QString ExportRenderer::AmountCell(int row, int column) const
{
    const QString value = m_table.ExportValue(row, column);
    const std::optional<ExactAmount> amount = ExactAmount::Read(value, m_formatter.Symbols());
    return ValueEscape::Apply(
        amount ? amount->Text(m_formats.decimalSeparator, 2) : m_formatter.Text(value), m_formats);
}
