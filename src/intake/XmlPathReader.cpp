#include "XmlPathReader.h"

#include <QXmlStreamReader>
#include <algorithm>

namespace {

// The reader is fed the text a piece at a time: given all of it at once, it holds a copy of the
// whole and more besides.
constexpr qsizetype kPiece = qsizetype(1) << 16;

// Gives the reader the next piece of the text when it has run out; false when there is none.
bool Feed(QXmlStreamReader& reader, const QString& text, qsizetype& fed)
{
    if (reader.error() != QXmlStreamReader::PrematureEndOfDocumentError || fed >= text.size())
        return false;
    if (fed == 0 && text.size() <= kPiece) {
        reader.addData(text);
        fed = text.size();
        return true;
    }
    qsizetype size = std::min(kPiece, text.size() - fed);
    // A piece never ends inside a surrogate pair, which the reader would take for two errors.
    if (text[fed + size - 1].isHighSurrogate() && fed + size < text.size())
        ++size;
    reader.addData(text.sliced(fed, size));
    fed += size;
    return true;
}

} // namespace

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

void XmlPathReader::Take(Search& search, const QXmlStreamReader& reader) const
{
    switch (reader.tokenType()) {
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
            value += reader.text().left(search.longest - value.size());
        }
        break;
    default:
        break;
    }
}

QStringList XmlPathReader::Read(const QString& text, qsizetype longest) const
{
    Search search;
    search.values.resize(m_paths.size());
    search.found.resize(m_paths.size());
    search.longest = longest;
    QXmlStreamReader reader;
    // Prefixes are passed over rather than resolved, so an undeclared one does no harm.
    reader.setNamespaceProcessing(false);
    qsizetype fed = 0;
    for (;;) {
        reader.readNext();
        if (Feed(reader, text, fed))
            continue;
        if (reader.atEnd())
            break;
        Take(search, reader);
    }
    if (reader.hasError())
        return QStringList(m_paths.size());
    return search.values;
}
