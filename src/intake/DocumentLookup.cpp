#include "DocumentLookup.h"

#include <QStringView>

namespace {

// Documents are matched on local names, so a prefix written in a lookup is passed over too.
QString LocalName(QStringView name)
{
    return name.sliced(name.lastIndexOf(u':') + 1).toString();
}

} // namespace

bool DocumentLookup::ReadPath(QStringView text, XmlPath& path)
{
    const qsizetype at = text.indexOf(u'@');
    QStringView elements = at < 0 ? text : text.first(at);
    if (at >= 0) {
        path.attribute = LocalName(text.sliced(at + 1));
        if (path.attribute.isEmpty() || path.attribute.contains(u'@') ||
            path.attribute.contains(u'/'))
            return false;
    }
    path.anchored = elements.startsWith(u'/');
    if (path.anchored)
        elements = elements.sliced(1);
    // A lone "@name" asks for the attribute on any element; otherwise every step needs a name.
    if (elements.isEmpty())
        return at >= 0 && !path.anchored;
    for (const QStringView step : elements.tokenize(u'/')) {
        const QString name = LocalName(step);
        if (name.isEmpty())
            return false;
        path.elements.append(name);
    }
    return true;
}

DocumentLookup DocumentLookup::Parse(const QString& name)
{
    DocumentLookup lookup;
    QStringView text = name;
    const qsizetype star = text.lastIndexOf(u'*');
    if (star >= 0) {
        lookup.factor = DecimalFactor::Parse(text.sliced(star + 1));
        text = text.first(star);
        if (!lookup.factor || text.contains(u'*')) {
            lookup.kind = Kind::Never;
            return lookup;
        }
    }
    if (!text.contains(u'/') && !text.contains(u'@')) {
        lookup.name = text.toString();
        return lookup;
    }
    lookup.kind = ReadPath(text, lookup.path) ? Kind::Path : Kind::Never;
    return lookup;
}
