#pragma once

#include <QString>

/// Splits paths into folder, name and extension, and derives the unique part of a document's name.
/// Both the backslash and the host's own separator "/" separate path elements.
class PathNames {
public:
    /// The text after the last "." when it holds 1 to 10 characters; otherwise empty.
    static QString GetExt(const QString& name);
    /// The last path element, ignoring one trailing separator.
    static QString GetName(const QString& path);
    /// The folder part before the last separator; empty when there is none inside the path.
    static QString GetPath(const QString& path);
    /// The name without its last extension; empty for names shorter than two characters.
    static QString OnlyName(const QString& name);
    /// The folder path ending in a separator.
    static QString RulePath(const QString& path);
    /// The part of the file name, without folder and extension, after its last "_".
    static QString GetFnameUnicPart(const QString& path);
};
