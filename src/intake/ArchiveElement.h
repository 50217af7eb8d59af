#pragma once

#include <QHash>
#include <QString>
#include <vector>

/// One element of an archive's folder tree: a folder with the elements inside it, or a file entry.
struct ArchiveElement {
    QString name;
    bool isFolder = false;
    /// The archive's index of a file entry.
    quint64 entry = 0;
    /// In the order in which the archive first names them.
    std::vector<ArchiveElement> elements;
    /// Where each folder of this level stands among the elements.
    QHash<QString, size_t> folders;
};
