#include "ColumnMap.h"
#include "DocumentParser.h"
#include "DocumentTableModel.h"
#include "ProgramFileText.h"
#include "ReadWholeFile.h"

#include <QDir>
#include <gtest/gtest.h>

// The inputs that once broke the document fuzz target, read through the same column map as there:
// no value may outgrow the documented cap.
TEST(FuzzReplay, DocumentValuesKeepTheirCap)
{
    ColumnMap map;
    ASSERT_TRUE(map.Load(QStringLiteral(VYPISKA_SOURCE_DIR "/config")));
    DocumentTableModel table;
    const std::optional<QByteArray> extra =
        ReadWholeFile(QStringLiteral(VYPISKA_SOURCE_DIR "/fuzz/lookup_columns.ini"));
    ASSERT_TRUE(extra.has_value());
    table.SetColumns(map.Columns() + ColumnMap::Parse(ProgramFileText::Decode(*extra)));
    DocumentParser parser(table);
    const QDir findings(QStringLiteral(VYPISKA_SOURCE_DIR "/tests/data/fuzz/lookup"));
    const QStringList names = findings.entryList(QDir::Files);
    ASSERT_FALSE(names.isEmpty());
    for (const QString& name : names) {
        const std::optional<DocumentRow> row = parser.RowFromFile(findings.filePath(name));
        if (!row)
            continue;
        EXPECT_LE(row->text.size(), DocumentParser::kLongestValue) << name.toStdString();
        for (const SubItem& item : row->subItems) {
            EXPECT_LE(item.raw.size(), DocumentParser::kLongestValue) << name.toStdString();
            EXPECT_LE(item.display.size(), DocumentParser::kLongestValue) << name.toStdString();
        }
    }
}
