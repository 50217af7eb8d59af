#include "ValueEscape.h"

#include <algorithm>

namespace {

bool IsLineBreakOrTab(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t');
}

QString LineText(const QString& value)
{
    if (std::none_of(value.begin(), value.end(), IsLineBreakOrTab))
        return value;
    QString text = value;
    std::replace_if(text.begin(), text.end(), IsLineBreakOrTab, QLatin1Char(' '));
    return text;
}

QString CsvField(const QString& value, const QString& separator)
{
    const bool quoted = (!separator.isEmpty() && value.contains(separator)) ||
                        value.contains(QLatin1Char('"')) || value.contains(QLatin1Char('\r')) ||
                        value.contains(QLatin1Char('\n'));
    if (!quoted)
        return value;
    QString field = value;
    field.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

bool IsMarkup(QChar c)
{
    return c == QLatin1Char('&') || c == QLatin1Char('<') || c == QLatin1Char('>') ||
           c == QLatin1Char('"') || c == QLatin1Char('\'');
}

QString HtmlText(const QString& value)
{
    if (std::none_of(value.begin(), value.end(), IsMarkup))
        return value;
    QString text;
    text.reserve(value.size() + value.size() / 8);
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '&':
            text += QLatin1String("&amp;");
            break;
        case '<':
            text += QLatin1String("&lt;");
            break;
        case '>':
            text += QLatin1String("&gt;");
            break;
        case '"':
            text += QLatin1String("&quot;");
            break;
        case '\'':
            text += QLatin1String("&#39;");
            break;
        default:
            text += c;
        }
    }
    return text;
}

} // namespace

QString ValueEscape::Apply(const QString& value, const TemplateFormats& formats)
{
    switch (formats.escape) {
    case EscapeKind::Text:
        return LineText(value);
    case EscapeKind::Csv:
        return CsvField(value, formats.separator);
    case EscapeKind::Html:
        return HtmlText(value);
    case EscapeKind::None:
        break;
    }
    return value;
}

std::optional<EscapeKind> ValueEscape::KindNamed(const QString& name)
{
    const QString kind = name.trimmed().toLower();
    if (kind.isEmpty())
        return EscapeKind::None;
    if (kind == QLatin1String("text"))
        return EscapeKind::Text;
    if (kind == QLatin1String("csv"))
        return EscapeKind::Csv;
    if (kind == QLatin1String("html"))
        return EscapeKind::Html;
    return std::nullopt;
}
