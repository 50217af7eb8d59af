#include "OutputRefusal.h"

#include "DocumentTableModel.h"
#include "ReplaceFile.h"

#include <QFile>
#include <QFileInfo>
#include <optional>
#include <sys/stat.h>

namespace {

/// A file as the system knows it, whatever name reaches it.
struct Identity {
    dev_t device;
    ino_t inode;
    bool operator==(const Identity&) const = default;
};

std::optional<Identity> IdentityOf(const QString& path)
{
    struct stat status {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return Identity{status.st_dev, status.st_ino};
}

QString Refusal(const QString& path, const QString& what)
{
    return QStringLiteral("Нельзя сохранить выписку в '%1': это %2").arg(path, what);
}

bool IsDocumentOf(const Identity& target, const QString& path, const QString& input,
                  const DocumentTableModel& table)
{
    if (IdentityOf(input) == target)
        return true;
    // A document of the folder read, whether it gave a row or not.
    const QFileInfo info(path);
    const std::optional<Identity> folder = IdentityOf(info.path());
    if (folder && folder == IdentityOf(input) &&
        info.fileName().endsWith(QLatin1String(".xml"), Qt::CaseInsensitive))
        return true;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (IdentityOf(table.Key(row)) == target)
            return true;
    }
    return false;
}

// A column map, settings file or template that the program reads from a configuration folder.
bool IsConfigurationFile(const QString& path, const QStringList& configFolders)
{
    const QFileInfo info(path);
    const QString name = info.fileName().toUpper();
    const bool isRead = name == QLatin1String("TAG.INI") || name == QLatin1String("CONFIG.INI") ||
                        name == QLatin1String("USER.INI") || name.endsWith(QLatin1String(".TPL"));
    if (!isRead)
        return false;
    const std::optional<Identity> folder = IdentityOf(info.path());
    for (const QString& config : configFolders) {
        if (folder && IdentityOf(config) == folder)
            return true;
    }
    return false;
}

} // namespace

QString OutputRefusal(const QString& outputPath, const QString& inputPath,
                      const DocumentTableModel& table, const QString& templatePath,
                      const QStringList& configFolders)
{
    const QString target = ReplacedPath(outputPath);
    const std::optional<Identity> file = IdentityOf(target);
    if (file && IsDocumentOf(*file, target, inputPath, table))
        return Refusal(outputPath, QStringLiteral("читаемый документ"));
    if (file && IdentityOf(templatePath) == file)
        return Refusal(outputPath, QStringLiteral("шаблон выгрузки"));
    if (file && IsConfigurationFile(target, configFolders))
        return Refusal(outputPath, QStringLiteral("файл папки настроек"));
    return {};
}
