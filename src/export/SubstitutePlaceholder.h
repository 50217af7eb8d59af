#pragma once

#include "TemplateFormats.h"
#include "ValueFormatter.h"

#include <QString>
#include <QVariant>

/// Replaces every occurrence of the placeholder in the block, letters compared without regard to
/// case, by the value's export text; the inserted text is not searched again. A block without the
/// placeholder is left as it is.
void SubstitutePlaceholder(QString& block, const QString& placeholder, const QVariant& value,
                           const ValueFormatter& formatter);
/// The same with the locale's number symbols taken for this one call.
void SubstitutePlaceholder(QString& block, const QString& placeholder, const QVariant& value,
                           const TemplateFormats& formats);

/// The first position of needle in text at or after from, letters compared without regard to
/// case (Cyrillic too); -1 when there is none.
qsizetype IndexOfNoCase(QStringView text, QStringView needle, qsizetype from);
