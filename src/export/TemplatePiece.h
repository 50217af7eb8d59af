#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

/// A value of the header: the statement's creation date and time, the organisation's account.
enum class StampKind { MakeDate, MakeTime, Account };

/// A figure over all exported documents.
enum class TotalKind { Count, Sum, Min, Max, Debits, Credits, Opening, Closing };

/// What decides whether the text of a condition is written for a document.
enum class TestKind { Debit, Credit, HasValue };

/// One piece of a template section, cut once per export: text written as it stands, a value, or
/// the start or end of text written only for some documents.
struct TemplatePiece {
    enum class Kind { Text, Column, Stamp, Total, Condition, End };

    Kind kind = Kind::Text;
    /// The text of a Text piece; what a Stamp or Total piece writes once it is worked out.
    QString text;
    /// The text in Windows-1251, made once per export, and how many of its characters the code
    /// page lacks.
    QByteArray bytes;
    qsizetype replaced = 0;
    /// The column of a Column piece, of a Total over a column, or of a HasValue test.
    int column = -1;
    /// For a Column: the value written as an amount with at least two decimals when it is one.
    bool asAmount = false;
    StampKind stamp = StampKind::MakeDate;
    TotalKind total = TotalKind::Count;
    TestKind test = TestKind::Debit;
    /// For a count: the noun's forms for one, for two to four and for five, written after it.
    QStringList forms;
    /// For a Condition: the index of its End, where rendering goes on when the test fails.
    qsizetype end = 0;
};
