#include "support/cp932_literals.h"
#include "text/full_width.h"

#include <gtest/gtest.h>

TEST(FullWidth, FollowsTheNumberingMarkRule)
{
    struct Case {
        const char* utf8;
        bool fullWidth;
    };
    const Case cases[] = {
        {"ABC-123", false},
        {"ｱｲｳｴｵ", false},        // half-width katakana are single bytes
        {"【1】A", false},        // the first pair of marks is allowed
        {"A【1】【", true},       // a second "【" is not
        {"A】B】", true},
        {"漢", true},
        {"A　B", true},           // the ideographic space is double-byte
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text::isFullWidth(sj(c.utf8)), c.fullWidth) << c.utf8;
}

TEST(FullWidth, ExaminesTheWholeText)
{
    EXPECT_TRUE(text::isFullWidth(std::string(100000, 'A') + sj("字")));
}
