#include "INIStorage.h"

#include "ConfigFolders.h"
#include "IniText.h"
#include "ReadWholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const QString kMainFile = QStringLiteral("CONFIG.INI");
const QString kUserFile = QStringLiteral("USER.INI");

} // namespace

INIStorage::INIStorage(const QString& configFolder)
    : m_mainPath(QDir(configFolder).filePath(kMainFile)),
      m_userPath(QDir(configFolder).filePath(kUserFile))
{
}

INIStorage::INIStorage(const ConfigFolders& folders) : INIStorage(folders.SettingsFolder())
{
    if (!folders.PerUser())
        return;
    m_mainFallback = QDir(folders.Program()).filePath(kMainFile);
    m_userFallback = QDir(folders.Program()).filePath(kUserFile);
}

QString INIStorage::SectionName(IniSection selector)
{
    switch (selector) {
    case 0:
        return QStringLiteral("Main");
    case 1:
        return QStringLiteral("Organization");
    case 2:
        return QStringLiteral("User");
    default:
        return {};
    }
}

QString INIStorage::SectionFile(IniSection selector) const
{
    return selector == 0 || selector == 1 ? m_mainPath : m_userPath;
}

QString INIStorage::ReadFile(IniSection selector) const
{
    const QString own = SectionFile(selector);
    const QString fallback = selector == 0 || selector == 1 ? m_mainFallback : m_userFallback;
    return fallback.isEmpty() || QFileInfo::exists(own) ? own : fallback;
}

QVariant INIStorage::ReadVal(IniSection selector, const QString& key,
                             const QVariant& defaultValue) const
{
    return ReadCustom(ReadFile(selector), SectionName(selector), key, defaultValue);
}

QVariant INIStorage::ReadCustom(const QString& file, const QString& section, const QString& key,
                                const QVariant& defaultValue)
{
    if (section.isEmpty() || key.isEmpty())
        return defaultValue;
    const std::optional<QByteArray> bytes = ReadWholeFile(file);
    if (!bytes)
        return defaultValue;
    const std::optional<QString> value = IniText(*bytes).Value(section, key);
    if (!value || value->isEmpty())
        return defaultValue;
    return *value;
}

bool INIStorage::WriteVal(IniSection selector, const QString& key, const QVariant& value) const
{
    const QString section = SectionName(selector);
    const QString path = SectionFile(selector);
    if (section.isEmpty() || key.isEmpty())
        return false;
    // The file read from: the user's copy once made, else the program's.
    const QString source = ReadFile(selector);
    const std::optional<QByteArray> bytes = ReadWholeFile(source);
    // A settings file that is there but cannot be read (a pipe, a device, no permission) is left
    // alone: writing one value into an empty text would lose every other one.
    if (!bytes && QFileInfo::exists(source))
        return false;
    IniText text(bytes.value_or(QByteArray()));
    text.SetValue(section, key, value.toString());
    // A read-only settings file is left alone, whoever runs the program.
    if (QFileInfo::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner))
        return false;
    // The user's folder is made on the first write; the program's folder is never made here.
    if (path != source && !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    // Written through a temporary file, so that a failure halfway never leaves half a file.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.Bytes());
    return file.commit();
}
