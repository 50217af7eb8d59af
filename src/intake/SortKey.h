#pragma once

#include <QCollator>
#include <QLocale>
#include <QString>
#include <optional>

/// How a column of the document table is sorted.
enum class SortKind { Text, Number, Date };

/// A table value made comparable under one sort kind. Values that are not of the kind (empty ones
/// among them) come before all others and keep text order among themselves.
class SortKey {
public:
    SortKey(const QString& text, SortKind kind, const QCollator& collator,
            const QLocale& locale = QLocale());

    /// Number when the sample is a number as the locale writes it (currency symbol, blanks and
    /// grouping allowed), else Date when it is a date or time the locale's date reader accepts,
    /// else Text; an empty sample gives Text.
    static SortKind KindOf(const QString& sample, const QLocale& locale = QLocale());

    /// Negative, zero or positive as this key sorts before, with or after the other.
    int Compare(const SortKey& other) const;
    bool operator<(const SortKey& other) const { return Compare(other) < 0; }

private:
    int CompareNumbers(const SortKey& other) const;

    SortKind m_kind;
    bool m_matches = false;
    bool m_negative = false;
    // Exact decimal digits, so that twenty-digit account numbers still compare correctly.
    QString m_integer;
    QString m_fraction;
    qint64 m_moment = 0;
    std::optional<QCollatorSortKey> m_text;
};
