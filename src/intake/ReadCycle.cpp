#include "ReadCycle.h"

#include "DocumentParser.h"
#include "DocumentTableModel.h"
#include "FileSystemObject.h"
#include "PluralSuffix.h"
#include "TextCoder.h"

ReadCycle::ReadCycle(DocumentTableModel& table) : m_table(table) {}

QString ReadCycle::SuccessText(qint64 count, const QString& path)
{
    return QStringLiteral("Успешно ") + PluralSuffix(QStringLiteral("прочитан"), count, 0) +
           QLatin1Char(' ') + QString::number(count) + QLatin1Char(' ') +
           PluralSuffix(QStringLiteral("документ"), count, 2) + QStringLiteral(" в '") + path +
           QLatin1Char('\'');
}

QString ReadCycle::NothingFoundText(const QString& path)
{
    return QStringLiteral("Не найдено совместимых документов в '") + path + QLatin1Char('\'');
}

StatusMessage ReadCycle::Run(const QString& path)
{
    m_table.ClearRows();
    const bool isFolder = FileSystemObject::FolderExists(path);
    const QString kind = isFolder ? QString() : TextCoder::Shared().GetExt(path).toUpper();
    if (kind == QLatin1String("XML"))
        ParseDocument(path, m_table);
    const int count = m_table.rowCount();
    if (count == 0)
        return {NothingFoundText(path), StatusColor::Red};
    m_table.SetHeaderCheckState(Qt::Checked);
    return {SuccessText(count, path), StatusColor::Green};
}
