// The safe formatter is the only road from a language file into printf:
// a text whose conversions differ from what the caller passes must come
// back unformatted, never read an argument that is not there.
#include "PoolText.h"

#include <gtest/gtest.h>

TEST(KonvertierungenLesen, ZaehltNurEchteKonvertierungen)
{
    std::string s;
    ASSERT_TRUE(bKonvertierungenLesen("%-4d ms, 100%% of %s at %.2f %lu", s));
    EXPECT_EQ(s, "%d%s%f%lu");
    ASSERT_TRUE(bKonvertierungenLesen("no conversions at all", s));
    EXPECT_EQ(s, "");
}

TEST(KonvertierungenLesen, LehntGefaehrlicheAb)
{
    std::string s;
    EXPECT_FALSE(bKonvertierungenLesen("%*d", s));
    EXPECT_FALSE(bKonvertierungenLesen("%n", s));
    EXPECT_FALSE(bKonvertierungenLesen("trailing %", s));
    EXPECT_FALSE(bKonvertierungenLesen("%y", s));
    // A language file asking for a gigantic width or precision would make
    // the message allocate gigabytes; a width up to 1000 stays usable.
    EXPECT_FALSE(bKonvertierungenLesen("%01642877871s", s));
    EXPECT_FALSE(bKonvertierungenLesen("%.1001f", s));
    EXPECT_FALSE(bKonvertierungenLesen("%99999999999999999999999d", s));
    EXPECT_TRUE(bKonvertierungenLesen("%1000s%.1000f", s));
    EXPECT_EQ(TextFormatieren("x %01642877871s", "%s", "a"), "x %01642877871s");
    EXPECT_EQ(TextFormatieren("%1000s", "%s", "a").size(), 1000u);
}

TEST(TextFormatieren, FormatiertBeiPassenderSignatur)
{
    EXPECT_EQ(TextFormatieren("Object %d of %s", "%d%s", 3, "LED"), "Object 3 of LED");
    EXPECT_EQ(TextFormatieren("%-4d ms", "%d", 12), "12   ms");
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-zero-length"
    EXPECT_EQ(TextFormatieren("100%% done", ""), "100% done");
#pragma GCC diagnostic pop
}

TEST(TextFormatieren, GibtUnpassendenTextUnveraendertZurueck)
{
    // A translator swapped the order or added a conversion: shown raw.
    EXPECT_EQ(TextFormatieren("%s object %d", "%d%s", 3, "LED"), "%s object %d");
    EXPECT_EQ(TextFormatieren("%d and %d", "%d", 1), "%d and %d");
    EXPECT_EQ(TextFormatieren("%s", "%s%d", "a", 1), "%s");
    EXPECT_EQ(TextFormatieren("%ld", "%d", 5), "%ld");
    EXPECT_EQ(TextFormatieren(nullptr, "%d", 5), "");
}

TEST(TextFormatieren, LangeTexteWerdenNichtAbgeschnitten)
{
    std::string sLang(5000, 'x');
    std::string s = TextFormatieren("%s!", "%s", sLang.c_str());
    EXPECT_EQ(s.size(), 5001u);
    EXPECT_EQ(s.back(), '!');
}
