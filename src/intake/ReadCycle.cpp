#include "ReadCycle.h"

#include "DocumentTableModel.h"
#include "FileSystemObject.h"
#include "PluralSuffix.h"
#include "TemporaryPaths.h"
#include "TextCoder.h"
#include "Unzip.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <algorithm>

namespace {

constexpr qsizetype kBatch = 256;

} // namespace

ReadCycle::ReadCycle(DocumentTableModel& table, Yield yield)
    : m_table(table), m_yield(std::move(yield))
{
}

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
    const bool isFolder = FileSystemObject::FolderExists(path);
    const QString kind = isFolder ? QString() : TextCoder::Shared().GetExt(path).toUpper();
    m_table.ClearRows();
    m_parser.reset();
    Pause(0, 0);
    if (kind == QLatin1String("XML")) {
        ReadDocument(path);
        Flush();
    } else if (kind == QLatin1String("ZIP")) {
        ReadArchive(path);
    } else if (kind.isEmpty()) {
        ReadFolder(path);
    }
    const int count = m_table.rowCount();
    if (count == 0)
        return {NothingFoundText(path), StatusColor::Red};
    m_table.SetHeaderCheckState(Qt::Checked);
    return {SuccessText(count, path), StatusColor::Green};
}

QStringList ReadCycle::ListDocuments(const QString& folder)
{
    if (!FileSystemObject::FolderExists(folder))
        return {};
    // The iterator takes the kind of each file from the directory listing itself, without asking
    // the file system about every file as a sorted folder listing does.
    QDirIterator it(folder, {QStringLiteral("*.xml")}, QDir::Files);
    QStringList names;
    while (it.hasNext())
        names.append(it.nextFileInfo().fileName());
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    const QString prefix = TextCoder::Shared().RulePath(folder);
    for (QString& name : names)
        name.prepend(prefix);
    return names;
}

void ReadCycle::ReadFolder(const QString& folder)
{
    const QStringList paths = ListDocuments(folder);
    for (qsizetype i = 0; i < paths.size(); ++i) {
        ReadDocument(paths[i]);
        if ((i + 1) % kBatch == 0)
            Flush();
        Pause(i + 1, paths.size());
    }
    Flush();
}

QString ReadCycle::TemporaryRoot()
{
    const QString temp = qEnvironmentVariable("TEMP");
    return temp.isEmpty() ? QDir::tempPath() : temp;
}

void ReadCycle::ReadArchive(const QString& archive)
{
    // A fresh folder private to the user, so nobody else can plant files or links in it.
    QTemporaryDir folder(TextCoder::Shared().RulePath(TemporaryRoot()) +
                         QStringLiteral("vypiska-XXXXXX"));
    if (!folder.isValid())
        return;
    const TemporaryPaths::Registration registered(folder.path(), true);
    UnzipFile(archive, folder.path(),
              [this](qsizetype done, qsizetype total) { Pause(done, total); });
    Pause(0, 0);
    ReadFolder(folder.path());
    Pause(0, 0);
    // Plain removal: nothing in a folder of our own needs its permissions forced first.
    folder.remove();
    Pause(0, 0);
}

DocumentParser& ReadCycle::Parser()
{
    if (!m_parser)
        m_parser.emplace(m_table);
    return *m_parser;
}

void ReadCycle::ReadDocument(const QString& path)
{
    std::optional<DocumentRow> row = Parser().RowFromFile(path);
    if (row)
        m_pending.append(std::move(*row));
}

void ReadCycle::Flush()
{
    m_table.AppendRows(m_pending);
    m_pending.clear();
}

void ReadCycle::Pause(qsizetype done, qsizetype total)
{
    if (m_yield)
        m_yield(done, total);
}
