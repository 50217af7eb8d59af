#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStringList>

/// Everything below a folder as sorted relative paths: folders end in "/", links in "@".
inline QStringList FolderTree(const QString& root)
{
    QStringList paths;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString path = QDir(root).relativeFilePath(info.filePath());
        if (info.isSymLink())
            path += QLatin1Char('@');
        else if (info.isDir())
            path += QLatin1Char('/');
        paths.append(path);
    }
    paths.sort();
    return paths;
}
