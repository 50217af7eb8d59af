#pragma once

#include <QString>

/// Reads and writes elements of tag text: "<name>content</name>", searched as plain text.
class TagText {
public:
    /// The content of the first "<name>" up to the next "</name>" (or the next closing tag of any
    /// name), less one leading and one trailing CR LF; empty when there is no such element.
    static QString ReadTag(QStringView totalText, QStringView tagName);
    /// What ReadTag returns, as a view into the text.
    static QStringView TagContent(QStringView totalText, QStringView tagName);
    /// The element "<name>content</name>"; with a level above 0 the content stands on its own
    /// line indented by that many tabs. A negative level raises TextCoderError.
    static QString MakeTag(const QString& tagName, const QString& tagContent, double level);
};
