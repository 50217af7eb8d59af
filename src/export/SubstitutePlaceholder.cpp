#include "SubstitutePlaceholder.h"

namespace {

bool HasNoCase(QChar c)
{
    return c.toLower() == c && c.toUpper() == c && c.toCaseFolded() == c;
}

} // namespace

qsizetype IndexOfNoCase(QStringView text, QStringView needle, qsizetype from)
{
    if (needle.isEmpty())
        return -1;
    // Placeholders start with "{": jumping from brace to brace is much faster than comparing
    // every position without regard to case.
    const QChar first = needle.front();
    if (!HasNoCase(first))
        return text.indexOf(needle, from, Qt::CaseInsensitive);
    for (qsizetype at = text.indexOf(first, from); at >= 0 && at + needle.size() <= text.size();
         at = text.indexOf(first, at + 1)) {
        if (text.mid(at, needle.size()).compare(needle, Qt::CaseInsensitive) == 0)
            return at;
    }
    return -1;
}

void SubstitutePlaceholder(QString& block, const QString& placeholder, const QVariant& value,
                           const ValueFormatter& formatter)
{
    qsizetype at = IndexOfNoCase(block, placeholder, 0);
    if (at < 0)
        return;
    const QString text = formatter.Text(value);
    QString result;
    result.reserve(block.size() + text.size());
    qsizetype copied = 0;
    while (at >= 0) {
        result.append(QStringView(block).mid(copied, at - copied));
        result.append(text);
        copied = at + placeholder.size();
        at = IndexOfNoCase(block, placeholder, copied);
    }
    result.append(QStringView(block).mid(copied));
    block = result;
}

void SubstitutePlaceholder(QString& block, const QString& placeholder, const QVariant& value,
                           const TemplateFormats& formats)
{
    SubstitutePlaceholder(block, placeholder, value, ValueFormatter(formats));
}
