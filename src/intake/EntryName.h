#pragma once

#include "EntryPath.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

/// Reads the names of archive entries: their encoding and their path components.
class EntryName {
public:
    /// The name as UTF-8 when its bytes are valid UTF-8 (names the archive marks as UTF-8 always
    /// are), otherwise as code page 866.
    static QString Decode(QByteArrayView raw);
    /// The components of an entry name, "/" and "\" both separating them; a trailing separator
    /// marks a folder. Empty for a name that would lead out of the destination folder: an absolute
    /// path, a drive letter or a ".." component.
    static std::optional<EntryPath> Split(const QString& name);
};
