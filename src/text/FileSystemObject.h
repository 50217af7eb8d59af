#pragma once

#include <QString>

/// Answers questions about files and folders and deletes them; every deletion is forced, so
/// read-only items go too.
class FileSystemObject {
public:
    /// True when a file (not a folder) exists at the path.
    static bool FileExists(const QString& path);
    /// True when a folder exists at the path.
    static bool FolderExists(const QString& path);
    /// A fresh name that no file is expected to carry; nothing is created.
    static QString GetTempName();
    /// Deletes every file matching the path, whose last element may hold "*" and "?".
    /// False when nothing matched or a deletion failed.
    static bool DeleteFile(const QString& pattern);
    /// Deletes the folder with everything in it. False when it fails.
    static bool DeleteFolder(const QString& path);
};
