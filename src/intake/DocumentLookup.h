#pragma once

#include "DecimalFactor.h"
#include "XmlPath.h"

#include <QString>
#include <optional>

/// One element name of a column's tag string, read as the lookup it names: a plain element name
/// searched in the text, or a path of elements with an optional attribute ("Payer/Bank@BIC",
/// "/Root/Sum", "ED101@Sum"), either with an optional factor ("*0.01").
class DocumentLookup {
public:
    enum class Kind {
        /// Searched in the text as "<name>", as element names always were.
        Plain,
        /// Found by an XML reader through path.
        Path,
        /// Written in a way no document can match, such as an empty path step or a bad factor.
        Never,
    };

    /// The lookup a name of a tag string stands for; names without "/", "@" and "*" are plain.
    static DocumentLookup Parse(const QString& name);

    Kind kind = Kind::Plain;
    /// The element name of a plain lookup.
    QString name;
    XmlPath path;
    std::optional<DecimalFactor> factor;

private:
    static bool ReadPath(QStringView text, XmlPath& path);
};
