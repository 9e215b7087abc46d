#include "support/cp932_literals.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

TEST(Cp932, RoundTripsJapaneseAndAscii)
{
    const std::string utf8 = "配線ABC【1】ｱｲｳ　|";
    const auto encoded = text::toCp932(utf8);
    ASSERT_TRUE(encoded);
    EXPECT_EQ(text::toUtf8(*encoded), utf8);
    EXPECT_EQ(text::toCp932("【"), std::string("\x81\x79"));
    EXPECT_EQ(text::toCp932("】"), std::string("\x81\x7A"));
}

TEST(Cp932, RefusesCharactersItCannotHold)
{
    EXPECT_FALSE(text::toCp932("A😀B"));
    EXPECT_FALSE(text::toCp932("한국"));
    EXPECT_FALSE(text::toCp932("\xFF\xFE"));  // not UTF-8 at all
}

TEST(Cp932, MapsLookAlikesToTheFormsItHolds)
{
    EXPECT_EQ(text::toCp932("\u301C"), text::toCp932("\uFF5E"));  // wave dash
    EXPECT_EQ(text::toCp932("\u2212"), text::toCp932("\uFF0D"));  // minus sign
    EXPECT_EQ(text::toCp932("\u00A5"), std::string("\\"));        // yen sign
}

TEST(Cp932, InvalidBytesDecodeWithoutFailing)
{
    EXPECT_EQ(text::toUtf8(std::string("A\x81", 2)), "A\xEF\xBF\xBD");
    EXPECT_EQ(text::toUtf8(std::string("\x81\x20" "B", 3)).substr(0, 3), "\xEF\xBF\xBD");
    EXPECT_FALSE(text::isValidCp932(std::string("A\x81", 2)));
    EXPECT_TRUE(text::isValidCp932(sj("漢字かな")));
}
