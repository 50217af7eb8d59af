#pragma once

#include <QString>

/// How values are made safe for the kind of file a template produces.
enum class EscapeKind {
    /// Values go in as they are: templates that declare no kind render as they always did.
    None,
    /// Line-based key=value files: CR, LF and TAB each become one space.
    Text,
    /// Every value a complete field: quoted when it holds the separator, a quote, CR or LF.
    Csv,
    /// &, <, >, " and ' as character references.
    Html,
};

/// How a template wants numbers, dates and times written, and its values escaped.
struct TemplateFormats {
    /// Replaces every decimal point or comma in numbers.
    QString decimalSeparator = QStringLiteral(",");
    QString datePattern = QStringLiteral("dd.MM.yyyy");
    QString timePattern = QStringLiteral("hh:mm");
    EscapeKind escape = EscapeKind::None;
    /// The field separator of a CSV template.
    QString separator = QStringLiteral(";");
    /// The names of the columns that hold the payer's and the payee's accounts: a document is a
    /// debit when the payer's account is the organisation's, a credit when the payee's is.
    QString payerAccount;
    QString payeeAccount;
};
