#include "PathNames.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

struct PathCase {
    const char* input;
    const char* expected;
};

void ExpectEach(QString (*routine)(const QString&), std::initializer_list<PathCase> cases)
{
    for (const PathCase& c : cases)
        EXPECT_EQ(routine(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.input;
}

} // namespace

TEST(PathNames, GetExt)
{
    ExpectEach(PathNames::GetExt, {{"C:\\in\\doc.xml", "xml"}, {"pack.ZIP", "ZIP"}, {"file.", ""},
                                   {"noext", ""}, {"a.12345678901", ""}, {"a.1234567890", "1234567890"},
                                   {"C:\\dir.old\\file", "old\\file"}, {"/home/u/in.2024/doc.Xml", "Xml"}});
}

TEST(PathNames, GetName)
{
    ExpectEach(PathNames::GetName, {{"C:\\in\\doc.xml", "doc.xml"}, {"C:\\in\\sub\\", "sub"},
                                    {"doc.xml", "doc.xml"}, {"C:\\", "C:"}, {"", ""},
                                    {"/home/u/doc.xml", "doc.xml"}, {"/home/u/sub/", "sub"}});
}

TEST(PathNames, GetPath)
{
    ExpectEach(PathNames::GetPath, {{"C:\\in\\doc.xml", "C:\\in"}, {"C:\\doc.xml", "C:"}, {"doc.xml", ""},
                                    {"\\doc.xml", ""}, {"C:\\in\\", ""}, {"/home/u/doc.xml", "/home/u"}});
}

TEST(PathNames, OnlyName)
{
    ExpectEach(PathNames::OnlyName, {{"doc.xml", "doc"}, {"a.b.c", "a.b"}, {"C:\\in\\doc.xml", "C:\\in\\doc"},
                                     {".xml", ""}, {"x", ""}, {" x ", ""}, {"ab", "ab"}});
}

TEST(PathNames, RulePathEndsInOneSeparator)
{
    EXPECT_EQ(PathNames::RulePath(QStringLiteral("C:\\in\\")), QStringLiteral("C:\\in\\"));
    EXPECT_EQ(PathNames::RulePath(QStringLiteral("/tmp/in/")), QStringLiteral("/tmp/in/"));
    EXPECT_EQ(PathNames::RulePath(QStringLiteral("/tmp/in")), QStringLiteral("/tmp/in") + QDir::separator());
}

TEST(PathNames, GetFnameUnicPart)
{
    ExpectEach(PathNames::GetFnameUnicPart,
               {{"C:\\in\\ON_DOC_2024_0a1b-77.xml", "0a1b-77"}, {"report.xml", "report"},
                {"C:\\in\\doc_.xml", ""}, {"/home/my_docs/report.xml", "report"},
                {"/in/PP_7701234560_20240305_000125.xml", "000125"}});
}
