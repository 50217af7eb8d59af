#include "INIStorage.h"

#include "IniText.h"
#include "ReadWholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

INIStorage::INIStorage(const QString& configFolder)
    : m_mainPath(QDir(configFolder).filePath(QStringLiteral("CONFIG.INI"))),
      m_userPath(QDir(configFolder).filePath(QStringLiteral("USER.INI")))
{
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

QVariant INIStorage::ReadVal(IniSection selector, const QString& key,
                             const QVariant& defaultValue) const
{
    return ReadCustom(SectionFile(selector), SectionName(selector), key, defaultValue);
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
    IniText text(ReadWholeFile(path).value_or(QByteArray()));
    text.SetValue(section, key, value.toString());
    // A read-only settings file is left alone, whoever runs the program.
    if (QFileInfo::exists(path) && !(QFile::permissions(path) & QFileDevice::WriteOwner))
        return false;
    // Written through a temporary file, so that a failure halfway never leaves half a file.
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.Bytes());
    return file.commit();
}
