#pragma once

#include <QString>
#include <QStringList>

/// Where a value sits in a document's element tree: the innermost elements' local names, and an
/// attribute's local name when the value is an attribute.
struct XmlPath {
    /// Outermost first; empty when any element carrying the attribute will do.
    QStringList elements;
    /// The first element must be the document's root.
    bool anchored = false;
    /// Empty for the element's text content.
    QString attribute;

    bool operator==(const XmlPath&) const = default;
};
