#pragma once

#include "NumberSymbols.h"
#include "TemplateFormats.h"

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <optional>

/// Turns a value into export text by a template's formats: points in time through the date or
/// time pattern, texts that read as dates through the date pattern, numbers with the template's
/// decimal separator and without locale decoration, other texts whole; then spaces around the
/// result are removed.
class ValueFormatter {
public:
    /// Takes the locale's number symbols once, for every value formatted by this instance.
    explicit ValueFormatter(const TemplateFormats& formats);
    ValueFormatter(const TemplateFormats& formats, const NumberSymbols& symbols);

    /// A QTime is a time of day, a QDate or QDateTime a date; anything else counts as text.
    QString Text(const QVariant& value) const;
    QString Text(const QString& value) const;

    const TemplateFormats& Formats() const { return m_formats; }
    const NumberSymbols& Symbols() const { return m_symbols; }

    /// The date (with its time of day, midnight when none) of a text written with two "-" or two
    /// "." that the locale reads as a date; empty for any other text.
    static std::optional<QDateTime> DateOf(const QString& value);

private:
    QString PlainText(const QString& value) const;
    QString NumberText(const QString& value) const;

    TemplateFormats m_formats;
    NumberSymbols m_symbols;
};
