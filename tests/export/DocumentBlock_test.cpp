#include "DocumentBlock.h"

#include <gtest/gtest.h>

TEST(DocumentBlock, FillsLikeSubstitutingPlaceholderAfterPlaceholder)
{
    const ValueFormatter formatter(TemplateFormats{".", "dd.MM.yyyy", "hh:mm"});
    const struct {
        const char* name;
        const char* block;
        QList<QStringList> placeholders;
        QStringList values;
        bool prepared;
        const char* result;
    } cases[] = {
        {"placeholders in any case, the first column wins",
         "N={n};S={СУММА};again={N};x={Amount};none={other}",
         {{"{N}", "{No}"}, {"{Сумма}", "{Amount}", "{n}"}},
         {" 12 ", "1 234,50"},
         true,
         "N=12;S=1234.50;again=12;x=1234.50;none={other}"},
        {"lone braces outside any placeholder",
         "}start {N} end{",
         {{"{N}"}},
         {"1"},
         true,
         "}start 1 end{"},
        {"an empty name", "[{}]", {{"{}"}}, {"v"}, true, "[v]"},
        {"a placeholder completed by an empty value",
         "{{A}}",
         {{"{A}"}, {"{}"}},
         {"", "v"},
         false,
         "v"},
        {"a placeholder completed by a value with a brace",
         "{A}{B}x}",
         {{"{A}"}, {"{B}"}, {"{Cx}"}},
         {"{C", "", "done"},
         true,
         "done"},
        {"a name with braces", "{a{b}", {{"{a{b}"}}, {"v"}, false, "v"},
        {"a value holding another placeholder",
         "{A}-{B}",
         {{"{A}"}, {"{B}"}},
         {"{B}", "b"},
         true,
         "b-b"},
    };
    for (const auto& c : cases) {
        const DocumentBlock block(QString::fromUtf8(c.block), c.placeholders);
        EXPECT_EQ(block.IsPrepared(), c.prepared) << c.name;
        EXPECT_EQ(block.Fill(c.values, formatter), QString::fromUtf8(c.result)) << c.name;
        EXPECT_EQ(block.FillSequentially(c.values, formatter), QString::fromUtf8(c.result))
            << c.name;
    }
}
