#include "XmlEntities.h"

#include <gtest/gtest.h>

TEST(XmlEntities, ResolvesPredefinedEntitiesReferencesAndCdata)
{
    const struct {
        const char* value;
        const char* text;
    } cases[] = {
        {"ООО &quot;Ромашка&quot;", "ООО \"Ромашка\""},
        {"&lt;a&gt; &amp; &apos;b&apos;", "<a> & 'b'"},
        {"&#171;Ландыш&#187; &#x2116;5 &#X41;", "«Ландыш» №5 A"},
        {"&#128512;", "\U0001F600"},
        {"&amp;quot;", "&quot;"},
        {"<![CDATA[a &amp; <b>]]> &amp; <![CDATA[]]>c", "a &amp; <b> & c"},
        {"&nbsp;&unknown;&;&#;&#x;&#12a;&# 65;&#-65;",
         "&nbsp;&unknown;&;&#;&#x;&#12a;&# 65;&#-65;"},
        {"&#0;&#x1F;&#xD800;&#xFFFE;&#x110000;&#99999999999;",
         "&#0;&#x1F;&#xD800;&#xFFFE;&#x110000;&#99999999999;"},
        {"&amp no semicolon; R&D", "&amp no semicolon; R&D"},
        {"<![CDATA[open <![CDATA[still open", "<![CDATA[open <![CDATA[still open"},
        {"50% <b> plain", "50% <b> plain"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(XmlEntities::Resolve(QString::fromUtf8(c.value)), QString::fromUtf8(c.text))
            << c.value;
}
