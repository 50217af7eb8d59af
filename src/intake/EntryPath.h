#pragma once

#include <QStringList>

/// Where an archive entry belongs below the destination folder.
struct EntryPath {
    /// The path components from the top of the archive; the last one is the entry's own name.
    QStringList components;
    bool isFolder = false;
};
