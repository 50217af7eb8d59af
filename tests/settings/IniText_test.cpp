#include "IniText.h"

#include "AnsiCodec.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

TEST(IniText, ReadsNamesWithoutRegardToCaseAndTrimsValues)
{
    const IniText ini(AnsiCodec::Encode(u"; ACC=comment\r\n[main]\r\nacc=0\r\n[организация]\r\n"
                                        "  Acc =  4070 \t\r\nИнн=77\r\nempty=\r\nNoEquals\r\n"));
    // clang-format off
    const char* cases[][3] = {{"Организация", "ACC", "4070"}, {"ОРГАНИЗАЦИЯ", "инн", "77"},
        {"Main", "ACC", "0"}, {"Организация", "empty", ""}, {"Организация", "NoEquals", nullptr},
        {"Организация", "missing", nullptr}, {"Missing", "ACC", nullptr}};
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ini.Value(c[0], c[1]), c[2] ? std::optional<QString>(c[2]) : std::nullopt)
            << c[1];
}

TEST(IniText, WritesChangeOnlyTheLinesTheyMustAndReadBack)
{
    QByteArray everyByte(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        everyByte[i] = char(i);
    // Binary bytes around the section, a NUL inside a foreign key's line.
    const QByteArray foreign =
        everyByte + "\r\n[organization]\r\nkpp=1" + QByteArray(1, '\0') + "x\r\n";
    // Before, section, key, value, after.
    const std::tuple<QByteArray, const char*, const char*, const char*, QByteArray> cases[] = {
        // clang-format off
        {"", "User", "GotoAfterSave", "1", "[User]\r\nGotoAfterSave=1\r\n"},
        {"[s]\r\nK =  old  \r\nz=1", "S", "k", "new", "[s]\r\nK =  new\r\nz=1"}, // spacing kept
        {"[a]\r\nx=1\r\n\r\n; b\r\n[b]\r\ny=2\r\n", "a", "z", "3", "[a]\r\nx=1\r\nz=3\r\n\r\n; b\r\n[b]\r\ny=2\r\n"},
        {"[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"}, {"[a]\r\nx=1", "a", "x", "2", "[a]\r\nx=2"},
        {"[a]\r\nx=1\r", "b", "y", "2", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {"[a]\nx=1\n; c\n", "a", "x", "2", "[a]\nx=2\n; c\n"}, {"[a]\nx=1", "b", "y", "2", "[a]\nx=1\n[b]\ny=2\n"},
        // Literals of this file are UTF-8: files saved by Linux editors stay so.
        {"\xEF\xBB\xBF[Орг]\nинн=1\n", "орг", "ИНН", "Счёт", "\xEF\xBB\xBF[Орг]\nинн=Счёт\n"},
        {"[a]\r\nк=1\r\n", "a", "б", "€✓", "[a]\r\nк=1\r\nб=€✓\r\n"},
        {"[a]\r\n;x=1\r\n", "a", "x", "2", "[a]\r\nx=2\r\n;x=1\r\n"}, // a comment is no key
        {"; c\r\n[a]\r\nx=1", "b", "y", "2", "; c\r\n[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {"", "a", "k", "1\r\n[x]\nk=2", "[a]\r\nk=1  [x] k=2\r\n"}, {"", "a", "k", "€✓", "[a]\r\nk=\x88?\r\n"},
        {AnsiCodec::Encode(u"[банк]\r\nбик=1\r\n"), "БАНК", "БИК", "2", AnsiCodec::Encode(u"[банк]\r\nбик=2\r\n")},
        {foreign + "acc = 1\r\n" + everyByte, "Organization", "ACC", "2", foreign + "acc = 2\r\n" + everyByte},
        // clang-format on
    };
    for (const auto& [before, section, key, value, after] : cases) {
        IniText ini(before);
        ini.SetValue(QString::fromUtf8(section), QString::fromUtf8(key), QString::fromUtf8(value));
        EXPECT_EQ(ini.Bytes(), after) << before.toStdString();
    }
    // Whatever a fuzzer found, a value written reads back.
    const QDir findings(QStringLiteral(VYPISKA_SOURCE_DIR "/tests/data/fuzz/ini"));
    for (const QString& name : findings.entryList(QDir::Files)) {
        IniText ini(Contents(findings.filePath(name)));
        ini.SetValue("organization", "acc", "40702");
        EXPECT_EQ(IniText(ini.Bytes()).Value("Organization", "ACC"), "40702") << name.toStdString();
    }
    EXPECT_EQ(IniText("[a]\r\nk=" + QByteArray(300, 'x') + "\r\n").Value("a", "k"),
              QString(254, 'x'));
}
