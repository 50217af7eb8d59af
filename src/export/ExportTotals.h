#pragma once

#include "ExactAmount.h"
#include "TemplatePiece.h"
#include "ValueFormatter.h"

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

class DocumentTableModel;

/// Which way a document moved money relative to the organisation's account: out of it (a
/// debit), into it (a credit), both for a transfer between its own accounts, or neither.
enum RowSide : quint8 { NoSide = 0, DebitSide = 1, CreditSide = 2 };

/// The figures over the exported documents that directives write: the count, sums of a column
/// (all of them, debits only, credits only), its earliest and latest value, the opening and the
/// closing balance. Amounts are added exactly and written with at least two decimals.
class ExportTotals {
public:
    /// rows are the exported rows of the table, sides their RowSide each, in the same order.
    ExportTotals(const DocumentTableModel& table, const QList<int>& rows,
                 const QList<quint8>& sides, const ValueFormatter& formatter,
                 const ExactAmount& opening);

    /// What a Total piece writes, before escaping; empty when a sum leaves the range.
    QString Text(const TemplatePiece& piece) const;

    /// The form of the noun for count among the forms for one, two to four and five.
    static QString FormFor(qint64 count, const QStringList& forms);

private:
    std::optional<ExactAmount> Sum(int column, quint8 side) const;
    std::optional<ExactAmount> Closing(int column) const;
    /// The earliest and the latest value of the column.
    std::pair<QString, QString> Extremes(int column) const;
    QString AmountText(const std::optional<ExactAmount>& amount) const;

    QString Figure(const TemplatePiece& piece) const;

    const DocumentTableModel& m_table;
    QList<int> m_rows;
    QList<quint8> m_sides;
    const ValueFormatter& m_formatter;
    ExactAmount m_opening;
    // What each total over a column came to: a template may write the same one several times.
    mutable QHash<QPair<int, int>, QString> m_figures;
};
