#include "TemplateList.h"

#include "PluralSuffix.h"
#include "TextCoder.h"

#include <QDir>
#include <algorithm>

TemplateList::TemplateList(const QString& configFolder) : TemplateList(QStringList{configFolder})
{
}

TemplateList::TemplateList(const QStringList& folders)
{
    const TextCoder& coder = TextCoder::Shared();
    for (const QString& folder : folders) {
        const QStringList names =
            QDir(folder).entryList({QStringLiteral("*.tpl")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
        for (const QString& name : names) {
            const QString base = coder.OnlyName(name);
            m_entries.append({name, coder.OnlyName(base), coder.GetExt(base), folder});
        }
    }
    // Ordered by name; a stable sort keeps the folders' order among equal names.
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const TemplateEntry& a, const TemplateEntry& b) {
                         return a.fileName.compare(b.fileName, Qt::CaseInsensitive) < 0;
                     });
}

QString TemplateList::Path(qsizetype index) const
{
    return QDir(m_entries[index].folder).filePath(m_entries[index].fileName);
}

bool TemplateList::Shadowed(qsizetype index) const
{
    if (index == 0)
        return false;
    const TemplateEntry& before = m_entries[index - 1];
    const TemplateEntry& entry = m_entries[index];
    return before.folder != entry.folder &&
           before.fileName.compare(entry.fileName, Qt::CaseInsensitive) == 0;
}

QStringList TemplateList::NameFilters() const
{
    QStringList filters;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        const TemplateEntry& entry = m_entries[i];
        const QString title = Shadowed(i) ? entry.title + QStringLiteral(", папка программы")
                                          : entry.title;
        filters.append(QStringLiteral("%1 (*.%2)").arg(title, entry.extension));
    }
    return filters;
}

QString TemplateList::Filter() const
{
    return NameFilters().join(QStringLiteral(";;"));
}

QString TemplateList::OutputExtension() const
{
    return m_entries.isEmpty() ? QString() : m_entries.last().extension;
}

QString TemplateList::ProposedName(const QString& inputPath) const
{
    return TextCoder::Shared().GetFnameUnicPart(inputPath) + QLatin1Char('.') + OutputExtension();
}

StatusMessage TemplateList::SuccessMessage(qint64 rowCount, const QString& path,
                                           const ExportOutcome& outcome)
{
    const qint64 count = rowCount > 1 ? 10 : 1;
    QString text = PluralSuffix(QStringLiteral("Документ"), count, 1) +
                   QStringLiteral(" успешно ") +
                   PluralSuffix(QStringLiteral("сохранен"), count, 1) + QStringLiteral(" в '") +
                   path + QLatin1Char('\'');
    if (outcome.accountMissing)
        text += QStringLiteral(". Не задан расчетный счет организации (Настройки, CONFIG.INI)");
    if (outcome.openingUnreadable)
        text += QStringLiteral(". Начальный остаток в настройках не сумма: взят 0.00");
    if (outcome.replacedCharacters > 0)
        text += QStringLiteral(". Заменено на \"?\" символов, которых нет в Windows-1251: %1")
                    .arg(outcome.replacedCharacters);
    if (!outcome.unfilled.isEmpty())
        text += QStringLiteral(". Не заполнены: ") + outcome.unfilled.join(QStringLiteral(", "));
    return {text, StatusColor::Green};
}

StatusMessage TemplateList::FailureMessage(const QString& reason)
{
    QString text = QStringLiteral("Ошибка! Не удалось сохранить файл!");
    if (!reason.isEmpty())
        text += QLatin1Char(' ') + reason;
    return {text, StatusColor::Red};
}
