// Reads arbitrary bytes as a document file: decoded by what they declare, then every lookup of the
// shipped column map (plain names, paths, attributes, factors) and a few anchored ones run on them.
#include "ColumnMap.h"
#include "DocumentParser.h"
#include "DocumentTableModel.h"
#include "DocumentText.h"
#include "UserLocale.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Kinds of lookups the shipped map lacks, a column each so that every one runs on every document:
// anchored paths, prefixed steps, an attribute of any element, factors on plain names and paths,
// and names no document can match.
const char16_t kExtraColumns[] = u"Корень = К1;/ED101/Payer/Name\n"
                                 u"Сумма в рублях = К2;/PayDocRu/Data/Sum*0.01\n"
                                 u"Префиксы = К3;ed:Payer/ed:Bank@ed:BIC\n"
                                 u"Любой элемент = К4;@Sum*1000,5\n"
                                 u"Множитель = К5;НомерДок*0,01\n"
                                 u"Негодные = К6;Data//Sum;/@Sum;Payer@;Sum*x;Sum*1*2\n";

// The table's columns, made once, after the program's locale is in place as it is in the program.
DocumentTableModel& Table()
{
    InstallUserLocale();
    ColumnMap map;
    if (!map.Load(QStringLiteral(VYPISKA_SOURCE_DIR "/config")))
        std::abort();
    static DocumentTableModel table;
    table.SetColumns(map.Columns() + ColumnMap::Parse(QString::fromUtf16(kExtraColumns)));
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
