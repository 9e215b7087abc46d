#include "sheet/sheet_box.h"

#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using sheet::RenameDecision;

TEST(SheetBox, RefusedNameCharacters)
{
    for (char32_t c : std::u32string(U":/*?[]\\"))
        EXPECT_TRUE(sheet::isRefusedSheetNameChar(c)) << static_cast<int>(c);
    for (char32_t c : std::u32string(U"aZ0 -_（）シ"))
        EXPECT_FALSE(sheet::isRefusedSheetNameChar(c)) << static_cast<int>(c);
}

TEST(SheetBox, RenameDecisions)
{
    const std::vector<std::string> names{"Sheet1", sj("一覧"), "Sheet3", sj("ア")};
    struct Case {
        bool visible;
        std::string text;
        RenameDecision expected;
    };
    const Case cases[] = {
        {true, sj("新しい名前"), RenameDecision::Confirm},
        {true, "Sheet1", RenameDecision::Nothing},  // the linked sheet's own name
        {true, sj("一覧"), RenameDecision::NameInUse},
        {true, "Sheet3", RenameDecision::NameInUse},
        {true, "", RenameDecision::Nothing},
        {false, "Other", RenameDecision::Nothing},
        {true, "sheet3", RenameDecision::NameInUse},  // Latin case does not tell names apart
        {true, "SHEET1", RenameDecision::Confirm},  // the linked sheet in another case
        // "ア" is 0x83 0x41: a trail byte like "A" is not folded to the 0x83 0x61 character
        {true, "\x83\x61", RenameDecision::Confirm},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sheet::decideRename(c.visible, c.text, "Sheet1", names), c.expected) << c.text;
}
