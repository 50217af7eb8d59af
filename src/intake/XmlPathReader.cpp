#include "XmlPathReader.h"

#include <QXmlStreamReader>

// The state of one pass: the open elements, the values so far, and which values are still wanted.
struct XmlPathReader::Search {
    QStringList open;
    QStringList values;
    QList<bool> found;
    // Paths whose element is open and whose text is being gathered, with the depth it opened at.
    QList<std::pair<qsizetype, qsizetype>> gathering;
    qsizetype longest = 0;
};

qsizetype XmlPathReader::Add(const XmlPath& path)
{
    const qsizetype known = m_paths.indexOf(path);
    if (known >= 0)
        return known;
    m_paths.append(path);
    return m_paths.size() - 1;
}

bool XmlPathReader::Matches(const XmlPath& path, const QStringList& open) const
{
    const qsizetype steps = path.elements.size();
    if (open.size() < steps || (path.anchored && open.size() != steps))
        return false;
    // From the innermost step out: most elements fail on their own name.
    for (qsizetype i = 1; i <= steps; ++i) {
        if (open[open.size() - i] != path.elements[steps - i])
            return false;
    }
    return true;
}

void XmlPathReader::Start(Search& search, const QXmlStreamReader& reader) const
{
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        const XmlPath& path = m_paths[i];
        if (search.found[i] || !Matches(path, search.open))
            continue;
        if (path.attribute.isEmpty()) {
            search.found[i] = true;
            search.gathering.append({i, search.open.size()});
            continue;
        }
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
            if (attribute.name() == path.attribute) {
                search.values[i] = attribute.value().left(search.longest).toString();
                search.found[i] = true;
                break;
            }
        }
    }
}

QStringList XmlPathReader::Read(const QString& text, qsizetype longest) const
{
    Search search;
    search.values.resize(m_paths.size());
    search.found.resize(m_paths.size());
    search.longest = longest;
    QXmlStreamReader reader(text);
    // Prefixes are passed over rather than resolved, so an undeclared one does no harm.
    reader.setNamespaceProcessing(false);
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            search.open.append(reader.name().toString());
            Start(search, reader);
            break;
        case QXmlStreamReader::EndElement:
            search.gathering.removeIf(
                [&](const auto& gather) { return gather.second == search.open.size(); });
            search.open.removeLast();
            break;
        case QXmlStreamReader::Characters:
            for (const auto& [index, depth] : search.gathering) {
                QString& value = search.values[index];
                value += reader.text().left(longest - value.size());
            }
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return QStringList(m_paths.size());
    return search.values;
}
