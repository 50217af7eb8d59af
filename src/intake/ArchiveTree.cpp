#include "ArchiveTree.h"

ArchiveElement& ArchiveTree::FolderIn(ArchiveElement& level, const QString& name)
{
    const auto found = level.folders.constFind(name);
    if (found != level.folders.cend())
        return level.elements[*found];
    level.folders.insert(name, level.elements.size());
    ArchiveElement folder;
    folder.name = name;
    folder.isFolder = true;
    level.elements.push_back(std::move(folder));
    return level.elements.back();
}

void ArchiveTree::Add(const EntryPath& path, quint64 entry)
{
    if (path.components.isEmpty())
        return;
    ArchiveElement* level = &m_root;
    const qsizetype folders = path.components.size() - 1;
    for (qsizetype i = 0; i < folders; ++i)
        level = &FolderIn(*level, path.components[i]);
    if (path.isFolder) {
        FolderIn(*level, path.components.back());
        return;
    }
    ArchiveElement file;
    file.name = path.components.back();
    file.entry = entry;
    level->elements.push_back(std::move(file));
    ++m_files;
}
