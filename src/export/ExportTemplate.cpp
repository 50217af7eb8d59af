#include "ExportTemplate.h"

#include "ProgramFileText.h"
#include "ReadWholeFile.h"
#include "TextCoder.h"
#include "ValueEscape.h"

namespace {

QString OrDefault(const QString& value, const QString& fallback)
{
    return value.isEmpty() ? fallback : value;
}

// A section is there when its opening tag is followed by a closing tag: the tag reader ends a
// section at its own closing tag or, failing that, at the next closing tag of any name.
bool HasSection(const QString& text, const QString& name)
{
    const QString opening = QLatin1Char('<') + name + QLatin1Char('>');
    const qsizetype open = text.indexOf(opening);
    return open >= 0 && text.indexOf(QLatin1String("</"), open + opening.size()) >= 0;
}

} // namespace

bool ExportTemplate::Load(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes) {
        m_error = QStringLiteral("Не удалось прочитать шаблон '%1'").arg(path);
        return false;
    }
    Parse(ProgramFileText::Decode(*bytes));
    if (!m_hasDocument) {
        m_error = QStringLiteral("Шаблон '%1' не годится: в нем нет раздела <document>, "
                                 "по которому пишется каждый документ")
                      .arg(path);
        return false;
    }
    if (!m_knownEscape) {
        m_error = QStringLiteral("Шаблон '%1' не годится: в <escape> указан неизвестный вид "
                                 "файла (бывают text, csv и html)")
                      .arg(path);
        return false;
    }
    m_error.clear();
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
    const std::optional<EscapeKind> escape =
        ValueEscape::KindNamed(coder.ReadTag(formats, u"escape"));
    m_knownEscape = escape.has_value();
    m_formats.escape = escape.value_or(EscapeKind::None);
    m_formats.separator = OrDefault(coder.ReadTag(formats, u"separator"), QStringLiteral(";"));
    m_formats.payerAccount = coder.ReadTag(formats, u"payer_account");
    m_formats.payeeAccount = coder.ReadTag(formats, u"payee_account");
    m_header = coder.ReadTag(text, u"header");
    m_document = coder.ReadTag(text, u"document");
    m_footer = coder.ReadTag(text, u"footer");
    m_hasDocument = HasSection(text, QStringLiteral("document"));
}
