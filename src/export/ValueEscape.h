#pragma once

#include "TemplateFormats.h"

#include <QString>
#include <optional>

/// Makes a value safe for the kind of file a template declares, so that no value can break the
/// lines, fields or markup around it.
class ValueEscape {
public:
    /// The value as the template's escape kind wants it; unchanged for EscapeKind::None.
    static QString Apply(const QString& value, const TemplateFormats& formats);
    /// The kind named "text", "csv" or "html" in any letter case, around spaces; None for an
    /// empty name; empty for any other name.
    static std::optional<EscapeKind> KindNamed(const QString& name);
};
