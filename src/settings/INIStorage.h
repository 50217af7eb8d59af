#pragma once

#include <QString>
#include <QVariant>

class ConfigFolders;

/// The number that names a settings section and its file: 0 "Main" and 1 "Organization" in
/// CONFIG.INI, 2 "User" in USER.INI.
using IniSection = qint32;

/// The program's settings: CONFIG.INI and USER.INI in the configuration folder, reached through a
/// section selector so that callers never name a file. Every call goes to the file at that moment.
class INIStorage {
public:
    /// Builds both paths; nothing is read, and neither the folder nor the files need exist.
    explicit INIStorage(const QString& configFolder);
    /// The settings of the folders: in the user's folder when they live there, where a file not
    /// yet written reads as the program's own and is created, folder and all, by the first write.
    explicit INIStorage(const ConfigFolders& folders);

    QString MainIniFile() const { return m_mainPath; }
    /// Selectors 0 and 1 use the new path from now on.
    void SetMainIniFile(const QString& path)
    {
        m_mainPath = path;
        m_mainFallback.clear();
    }

    /// The stored text, or the default unchanged when the value is missing or empty.
    QVariant ReadVal(IniSection selector, const QString& key, const QVariant& defaultValue) const;
    /// Stores the value's text (an integer as its digits), creating file, section and key as
    /// needed. A write that cannot be carried out is lost without a message; the result says so.
    bool WriteVal(IniSection selector, const QString& key, const QVariant& value) const;
    /// The stored text of any INI file, or the default unchanged when it is missing or empty.
    static QVariant ReadCustom(const QString& file, const QString& section, const QString& key,
                               const QVariant& defaultValue);

private:
    static QString SectionName(IniSection selector);
    QString SectionFile(IniSection selector) const;
    // The file a section is read from: its own, or the program's while its own is missing.
    QString ReadFile(IniSection selector) const;

    QString m_mainPath;
    QString m_userPath;
    QString m_mainFallback;
    QString m_userFallback;
};
