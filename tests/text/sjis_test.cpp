#include "support/cp932_literals.h"
#include "text/sjis.h"

#include <gtest/gtest.h>

TEST(Sjis, CountsAndCutsWholeCharacters)
{
    const std::string s = sj("A表B");
    EXPECT_EQ(s.size(), 4u);
    EXPECT_EQ(text::charCount(s), 3u);
    EXPECT_EQ(text::byteOffsetOfChar(s, 2), 3u);
    EXPECT_EQ(text::charIndexAtByte(s, 2), 1u);
    EXPECT_EQ(text::charSubstr(s, 1, 1), sj("表"));
    EXPECT_EQ(text::splitChars(s).size(), 3u);
}

TEST(Sjis, SecondByteThatLooksLikeAsciiIsNotFound)
{
    // "表" is 0x95 0x5C and "ポ" is 0x83 0x7C: their second bytes are "\" and "|".
    const std::string s = sj("表ポ");
    EXPECT_EQ(text::find(s, "\\"), std::string::npos);
    EXPECT_EQ(text::find(s, "|"), std::string::npos);
    EXPECT_EQ(text::count(s + "|", "|"), 1u);
    std::string r = s + "|" + s;
    EXPECT_EQ(text::replaceAll(r, "|", "/"), 1u);
    EXPECT_EQ(r, s + "/" + s);
    EXPECT_EQ(text::split(s + "\t" + s, '\t').size(), 2u);
}

TEST(Sjis, LoneLeadByteAtTheEndStandsAlone)
{
    const std::string s("A\x81", 2);
    EXPECT_EQ(text::charCount(s), 2u);
    EXPECT_EQ(text::charLength(s, 1), 1u);
}
