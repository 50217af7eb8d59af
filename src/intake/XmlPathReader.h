#pragma once

#include "XmlPath.h"

#include <QList>
#include <QString>
#include <QStringList>

class QXmlStreamReader;

/// Finds the values of several element paths in a document with one pass of an XML reader.
class XmlPathReader {
public:
    /// Adds a path to look for, unless it is there already; returns its index among the values.
    qsizetype Add(const XmlPath& path);
    bool IsEmpty() const { return m_paths.isEmpty(); }

    /// The value of every path, in the order they were added: the text content of the first
    /// element in document order whose enclosing elements end with the path (start at the root
    /// when anchored), or the attribute of the first such element that carries it; names are
    /// local, prefixes and namespaces ignored. A value is cut after longest characters. Every
    /// value is empty when the text is not a well-formed document.
    QStringList Read(const QString& text, qsizetype longest) const;

private:
    struct Search;

    bool Matches(const XmlPath& path, const QStringList& open) const;
    void Start(Search& search, const QXmlStreamReader& reader) const;
    void Take(Search& search, const QXmlStreamReader& reader) const;

    QList<XmlPath> m_paths;
};
