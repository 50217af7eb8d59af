#include "ExportTotals.h"

#include "DocumentTableModel.h"
#include "TextCleanup.h"

namespace {

// The positions of the smallest and of the largest key; the first of equals.
template <typename Key, typename Compare>
std::pair<qsizetype, qsizetype> IndexesOfExtremes(const QList<Key>& keys, Compare compare)
{
    std::pair<qsizetype, qsizetype> extremes(0, 0);
    for (qsizetype i = 1; i < keys.size(); ++i) {
        if (compare(keys[i], keys[extremes.first]) < 0)
            extremes.first = i;
        if (compare(keys[i], keys[extremes.second]) > 0)
            extremes.second = i;
    }
    return extremes;
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
    const QPair<int, int> key(int(piece.total), piece.column);
    if (piece.column < 0)
        return Figure(piece);
    const auto known = m_figures.constFind(key);
    if (known != m_figures.constEnd())
        return *known;
    if (piece.total == TotalKind::Min || piece.total == TotalKind::Max) {
        // Both come from one pass over the column.
        const auto [earliest, latest] = Extremes(piece.column);
        m_figures.insert({int(TotalKind::Min), piece.column}, earliest);
        m_figures.insert({int(TotalKind::Max), piece.column}, latest);
        return piece.total == TotalKind::Min ? earliest : latest;
    }
    return *m_figures.insert(key, Figure(piece));
}

QString ExportTotals::Figure(const TemplatePiece& piece) const
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
        break;
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

std::pair<QString, QString> ExportTotals::Extremes(int column) const
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
        const std::optional<QDateTime> date = ValueFormatter::DateOf(value);
        if (!date)
            break;
        dates.append(*date);
    }
    for (qsizetype i = 0; i < values.size() && dates.size() < values.size(); ++i) {
        const std::optional<ExactAmount> number =
            ExactAmount::Read(values[i], m_formatter.Symbols());
        if (!number)
            break;
        numbers.append(*number);
    }
    std::pair<qsizetype, qsizetype> extremes;
    if (dates.size() == values.size()) {
        extremes = IndexesOfExtremes(dates, [](const QDateTime& a, const QDateTime& b) {
            return a < b ? -1 : b < a ? 1 : 0;
        });
    } else if (numbers.size() == values.size()) {
        extremes = IndexesOfExtremes(
            numbers, [](const ExactAmount& a, const ExactAmount& b) { return a.Compare(b); });
    } else {
        extremes = IndexesOfExtremes(
            values, [](const QString& a, const QString& b) { return a.compare(b); });
    }
    return {m_formatter.Text(values[extremes.first]), m_formatter.Text(values[extremes.second])};
}

QString ExportTotals::AmountText(const std::optional<ExactAmount>& amount) const
{
    return amount ? amount->Text(m_formatter.Formats().decimalSeparator, 2) : QString();
}
