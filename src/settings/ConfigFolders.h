#pragma once

#include <QString>
#include <QStringList>

/// Where the program looks for its configuration. The program's folder (CONFIG beside the
/// executable) holds the shipped column map TAG.INI and templates *.tpl. While it can be written,
/// it holds the settings CONFIG.INI and USER.INI too, and nothing else is looked at. When it
/// cannot (an install under /usr), the settings live in the user's folder, created on the first
/// write; a TAG.INI there replaces the program's, and its templates come before the program's.
class ConfigFolders {
public:
    /// The program's folder and the user's; an empty user folder means there is none. The
    /// settings go to the user's folder when the program's cannot be written.
    ConfigFolders(const QString& program, const QString& user);
    /// The same with that choice made by the caller.
    ConfigFolders(const QString& program, const QString& user, bool perUser);
    /// CONFIG beside the running executable, and the user's folder "vypiska" in the desktop's
    /// configuration folder (~/.config/vypiska, or under XDG_CONFIG_HOME).
    static ConfigFolders Installed();
    /// One folder for everything, as the command line's --config DIR asks.
    static ConfigFolders Only(const QString& folder);

    const QString& Program() const { return m_program; }
    const QString& User() const { return m_user; }
    /// True when the settings live in the user's folder: there is one and the program's folder
    /// cannot be written.
    bool PerUser() const { return m_perUser; }
    /// Where CONFIG.INI and USER.INI are written.
    QString SettingsFolder() const { return m_perUser ? m_user : m_program; }
    /// The folder whose TAG.INI is read.
    QString ColumnMapFolder() const;
    /// The folders templates are listed from, the one that wins a clash of names first.
    QStringList TemplateFolders() const;

private:
    QString m_program;
    QString m_user;
    bool m_perUser = false;
};
