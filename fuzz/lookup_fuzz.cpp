// Reads arbitrary bytes as a document file: decoded by what they declare, then every lookup of the
// shipped column map (plain names, paths, attributes, factors) and those of lookup_columns.ini.
#include "ColumnMap.h"
#include "DocumentParser.h"
#include "DocumentTableModel.h"
#include "DocumentText.h"
#include "ProgramFileText.h"
#include "ReadWholeFile.h"
#include "UserLocale.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The shipped map, and in lookup_columns.ini the kinds of lookups it lacks, a column each so that
// every one runs on every document: anchored paths, prefixed steps, an attribute of any element,
// factors on plain names and paths, and names no document can match. Made once, after the
// program's locale is in place as it is in the program.
DocumentTableModel& Table()
{
    InstallUserLocale();
    ColumnMap map;
    const std::optional<QByteArray> extra =
        ReadWholeFile(QStringLiteral(VYPISKA_SOURCE_DIR "/fuzz/lookup_columns.ini"));
    if (!map.Load(QStringLiteral(VYPISKA_SOURCE_DIR "/config")) || !extra)
        std::abort();
    static DocumentTableModel table;
    table.SetColumns(map.Columns() + ColumnMap::Parse(ProgramFileText::Decode(*extra)));
    return table;
}

bool TooLong(const QString& value)
{
    return value.size() > DocumentParser::kLongestValue;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static DocumentTableModel& table = Table();
    static DocumentParser parser(table);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<DocumentRow> row =
        parser.RowFromText(QStringLiteral("document.xml"), DocumentText::Decode(bytes));
    if (!row)
        return 0;
    if (TooLong(row->text))
        std::abort();
    for (const SubItem& item : row->subItems) {
        if (TooLong(item.display) || TooLong(item.raw))
            std::abort();
    }
    return 0;
}
