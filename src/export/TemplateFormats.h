#pragma once

#include <QString>

/// How a template wants numbers, dates and times written.
struct TemplateFormats {
    /// Replaces every decimal point or comma in numbers.
    QString decimalSeparator = QStringLiteral(",");
    QString datePattern = QStringLiteral("dd.MM.yyyy");
    QString timePattern = QStringLiteral("hh:mm");
};
