#include "ExportTemplate.h"

#include "ProgramFileText.h"
#include "ReadWholeFile.h"
#include "TextCoder.h"

namespace {

QString OrDefault(const QString& value, const QString& fallback)
{
    return value.isEmpty() ? fallback : value;
}

} // namespace

bool ExportTemplate::Load(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes) {
        m_error = QStringLiteral("Не удалось прочитать шаблон '%1'").arg(path);
        return false;
    }
    m_error.clear();
    Parse(ProgramFileText::Decode(*bytes));
    return true;
}

void ExportTemplate::Parse(const QString& text)
{
    const TextCoder& coder = TextCoder::Shared();
    const QString formats = coder.ReadTag(text, u"formats");
    m_formats.decimalSeparator =
        OrDefault(coder.ReadTag(formats, u"decimal_separator"), coder.LocalPoint());
    m_formats.datePattern =
        OrDefault(coder.ReadTag(formats, u"date"), QStringLiteral("dd.MM.yyyy"));
    m_formats.timePattern = OrDefault(coder.ReadTag(formats, u"time"), QStringLiteral("hh:mm"));
    m_header = coder.ReadTag(text, u"header");
    m_document = coder.ReadTag(text, u"document");
    m_footer = coder.ReadTag(text, u"footer");
}
