#include "support/cp932_literals.h"
#include "text/half_width.h"

#include <gtest/gtest.h>

TEST(HalfWidth, MapsAsciiSpaceAndKatakana)
{
    const std::pair<const char*, const char*> cases[] = {
        {"ＡＢＣ１２３－＋", "ABC123-+"},
        {"Ａ　Ｂ", "A B"},
        {"カタカナ", "ｶﾀｶﾅ"},
        {"ガパヴ", "ｶﾞﾊﾟｳﾞ"},
        {"ー・「」", "ｰ･｢｣"},
        {"漢字ひらがな【】", "漢字ひらがな【】"},  // no half-width form: unchanged
        {"ｱA1", "ｱA1"},
    };
    for (const auto& [from, to] : cases)
        EXPECT_EQ(text::toHalfWidth(sj(from)), sj(to)) << from;
}
