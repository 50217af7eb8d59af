#include "ReadCycle.h"

#include "DocumentTableModel.h"
#include "FileSystemObject.h"
#include "PluralSuffix.h"
#include "TemporaryPaths.h"
#include "TextCoder.h"
#include "Unzip.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>

namespace {

constexpr qsizetype kBatch = 256;

QString UnreadableText(qint64 count)
{
    if (count <= 0)
        return {};
    return QStringLiteral("; не удалось прочитать ") + QString::number(count) + QLatin1Char(' ') +
           PluralSuffix(QStringLiteral("файл"), count, 2);
}

} // namespace

ReadCycle::ReadCycle(DocumentTableModel& table, Yield yield)
    : m_table(table), m_yield(std::move(yield))
{
}

QString ReadCycle::SuccessText(qint64 count, const QString& path, qint64 unreadable)
{
    return QStringLiteral("Успешно ") + PluralSuffix(QStringLiteral("прочитан"), count, 0) +
           QLatin1Char(' ') + QString::number(count) + QLatin1Char(' ') +
           PluralSuffix(QStringLiteral("документ"), count, 2) + QStringLiteral(" в '") + path +
           QLatin1Char('\'') + UnreadableText(unreadable);
}

QString ReadCycle::NothingFoundText(const QString& path, qint64 unreadable)
{
    return QStringLiteral("Не найдено совместимых документов в '") + path + QLatin1Char('\'') +
           UnreadableText(unreadable);
}

QString ReadCycle::TemporaryFolderText(const QString& archive, const QString& folder)
{
    return QStringLiteral("Не удалось распаковать архив '%1': временная папка '%2' недоступна")
        .arg(archive, folder);
}

StatusMessage ReadCycle::Run(const QString& path)
{
    const bool isFolder = FileSystemObject::FolderExists(path);
    const QString kind = isFolder ? QString() : TextCoder::Shared().GetExt(path).toUpper();
    m_table.ClearRows();
    m_parser.reset();
    m_unreadable = 0;
    m_failure.clear();
    Pause(0, 0);
    // A path that names nothing is a mistyped path rather than a file that could not be read.
    const bool exists = QFileInfo::exists(path);
    if (kind == QLatin1String("XML")) {
        if (exists)
            ReadDocument(path);
        Flush();
    } else if (kind == QLatin1String("ZIP") && exists) {
        ReadArchive(path);
    } else if (kind.isEmpty()) {
        ReadFolder(path);
    }
    const int count = m_table.rowCount();
    if (!m_failure.isEmpty())
        return {m_failure, StatusColor::Red};
    if (count == 0)
        return {NothingFoundText(path, m_unreadable), StatusColor::Red};
    m_table.SetHeaderCheckState(Qt::Checked);
    return {SuccessText(count, path, m_unreadable), StatusColor::Green};
}

QStringList ReadCycle::ListDocuments(const QString& folder)
{
    if (!FileSystemObject::FolderExists(folder))
        return {};
    // The iterator takes the kind of each file from the directory listing itself, without asking
    // the file system about every file as a sorted folder listing does.
    QDirIterator it(folder, {QStringLiteral("*.xml")}, QDir::Files | QDir::System);
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
    QString temp = qEnvironmentVariable("TEMP");
    if (temp.isEmpty())
        return QDir::tempPath();
    // A separator at the end, of either kind, only says that TEMP is a folder.
    while (temp.size() > 1 && (temp.endsWith(QLatin1Char('/')) || temp.endsWith(QLatin1Char('\\'))))
        temp.chop(1);
    return temp;
}

void ReadCycle::ReadArchive(const QString& archive)
{
    // A fresh folder private to the user, so nobody else can plant files or links in it.
    const QString root = TemporaryRoot();
    QTemporaryDir folder(QDir(root).filePath(QStringLiteral("vypiska-XXXXXX")));
    if (!folder.isValid()) {
        m_failure = TemporaryFolderText(archive, root);
        return;
    }
    const TemporaryPaths::Registration registered(folder.path(), true);
    try {
        UnzipReport report;
        const bool opened = UnzipFile(
            archive, folder.path(), [this](qsizetype done, qsizetype total) { Pause(done, total); },
            {}, &report);
        m_unreadable += opened ? report.unwrittenDocuments : 1;
        Pause(0, 0);
        ReadFolder(folder.path());
        Pause(0, 0);
    } catch (...) {
        // Caught here so that the stack unwinds this far even when nothing above catches: the
        // extracted documents never outlive the read.
        folder.remove();
        throw;
    }
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
    bool unreadable = false;
    std::optional<DocumentRow> row = Parser().RowFromFile(path, &unreadable);
    m_unreadable += unreadable ? 1 : 0;
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
