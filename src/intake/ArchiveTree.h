#pragma once

#include "ArchiveElement.h"
#include "EntryPath.h"

/// The folder tree of an archive, built from its flat entry paths: a folder that exists only as
/// the prefix of entries is a folder too, and a folder named several times is one element.
class ArchiveTree {
public:
    /// Adds an entry below the folders its path names; a file is always a new element, so of two
    /// entries with the same path both stay, in archive order.
    void Add(const EntryPath& path, quint64 entry);
    const ArchiveElement& Root() const { return m_root; }
    /// The number of file entries in the tree.
    qsizetype FileCount() const { return m_files; }

private:
    static ArchiveElement& FolderIn(ArchiveElement& level, const QString& name);

    ArchiveElement m_root;
    qsizetype m_files = 0;
};
