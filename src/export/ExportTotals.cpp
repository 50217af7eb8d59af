#include "ExportTotals.h"

#include "DocumentTableModel.h"
#include "TextCleanup.h"

namespace {

// The position of the smallest key, or of the largest one when latest; the first of equals.
template <typename Key, typename Compare>
qsizetype IndexOfExtreme(const QList<Key>& keys, bool latest, Compare compare)
{
    qsizetype best = 0;
    for (qsizetype i = 1; i < keys.size(); ++i) {
        const int order = compare(keys[i], keys[best]);
        if (latest ? order > 0 : order < 0)
            best = i;
    }
    return best;
}

} // namespace

ExportTotals::ExportTotals(const DocumentTableModel& table, const QList<int>& rows,
                           const QList<quint8>& sides, const ValueFormatter& formatter,
                           const ExactAmount& opening)
    : m_table(table), m_rows(rows), m_sides(sides), m_formatter(formatter), m_opening(opening)
{
}

QString ExportTotals::Text(const TemplatePiece& piece) const
{
    switch (piece.total) {
    case TotalKind::Count:
        return piece.forms.isEmpty() ? QString::number(m_rows.size())
                                     : QString::number(m_rows.size()) + QLatin1Char(' ') +
                                           FormFor(m_rows.size(), piece.forms);
    case TotalKind::Sum:
        return AmountText(Sum(piece.column, NoSide));
    case TotalKind::Debits:
        return AmountText(Sum(piece.column, DebitSide));
    case TotalKind::Credits:
        return AmountText(Sum(piece.column, CreditSide));
    case TotalKind::Opening:
        return AmountText(m_opening);
    case TotalKind::Closing:
        return AmountText(Closing(piece.column));
    case TotalKind::Min:
    case TotalKind::Max:
        return Extreme(piece.column, piece.total == TotalKind::Max);
    }
    return {};
}

QString ExportTotals::FormFor(qint64 count, const QStringList& forms)
{
    const qint64 lastTwo = (count < 0 ? -count : count) % 100;
    const qint64 last = lastTwo % 10;
    if (forms.size() != 3)
        return {};
    if (last == 1 && lastTwo != 11)
        return forms[0];
    if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        return forms[1];
    return forms[2];
}

std::optional<ExactAmount> ExportTotals::Sum(int column, quint8 side) const
{
    std::optional<ExactAmount> sum = ExactAmount();
    for (qsizetype i = 0; i < m_rows.size() && sum; ++i) {
        if (side != NoSide && !(m_sides[i] & side))
            continue;
        // Values that are no number, empty ones among them, add nothing.
        const std::optional<ExactAmount> value =
            ExactAmount::Read(m_table.ExportValue(m_rows[i], column), m_formatter.Symbols());
        if (value)
            sum = sum->Plus(*value);
    }
    return sum;
}

std::optional<ExactAmount> ExportTotals::Closing(int column) const
{
    const std::optional<ExactAmount> credits = Sum(column, CreditSide);
    const std::optional<ExactAmount> debits = Sum(column, DebitSide);
    if (!credits || !debits)
        return std::nullopt;
    const std::optional<ExactAmount> received = m_opening.Plus(*credits);
    return received ? received->Minus(*debits) : std::nullopt;
}

QString ExportTotals::Extreme(int column, bool latest) const
{
    QStringList values;
    for (const int row : m_rows) {
        const QString value = m_table.ExportValue(row, column);
        if (!TextCleanup::TrimSpaces(value).isEmpty())
            values.append(value);
    }
    if (values.isEmpty())
        return {};
    // Dates compare as dates and amounts as numbers when every value is one; else as texts.
    QList<QDateTime> dates;
    QList<ExactAmount> numbers;
    for (const QString& value : std::as_const(values)) {
        if (const std::optional<QDateTime> date = ValueFormatter::DateOf(value))
            dates.append(*date);
        if (const std::optional<ExactAmount> number =
                ExactAmount::Read(value, m_formatter.Symbols()))
            numbers.append(*number);
    }
    qsizetype best = 0;
    if (dates.size() == values.size()) {
        best = IndexOfExtreme(dates, latest, [](const QDateTime& a, const QDateTime& b) {
            return a < b ? -1 : b < a ? 1 : 0;
        });
    } else if (numbers.size() == values.size()) {
        best = IndexOfExtreme(numbers, latest, [](const ExactAmount& a, const ExactAmount& b) {
            return a.Compare(b);
        });
    } else {
        best = IndexOfExtreme(values, latest,
                              [](const QString& a, const QString& b) { return a.compare(b); });
    }
    return m_formatter.Text(values[best]);
}

QString ExportTotals::AmountText(const std::optional<ExactAmount>& amount) const
{
    return amount ? amount->Text(m_formatter.Formats().decimalSeparator, 2) : QString();
}
