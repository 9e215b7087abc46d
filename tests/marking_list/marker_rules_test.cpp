#include "marking_list/marker_rules.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using marking_list::MarkerClick;
using marking_list::MarkerEdit;

namespace {

struct ClickCase {
    const char* before;
    size_t caret;
    const char* after;
    MarkerEdit edit;
    bool keepEditing;
};

void PrintTo(const ClickCase& c, std::ostream* os)
{
    *os << c.before << " @" << c.caret;
}

class LineBreakClick : public testing::TestWithParam<ClickCase> {};

TEST_P(LineBreakClick, PutsOrRemovesTheMark)
{
    const ClickCase& c = GetParam();
    const MarkerClick result = marking_list::clickLineBreak(sj(c.before), c.caret);
    EXPECT_EQ(result.text, sj(c.after));
    EXPECT_EQ(result.edit, c.edit);
    EXPECT_EQ(result.keepEditing, c.keepEditing);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineBreakClick,
    testing::Values(ClickCase{"ABC", 2, "AB|C", MarkerEdit::Inserted, false},
                    ClickCase{"AB|C", 3, "ABC", MarkerEdit::Removed, false},   // just after the mark
                    ClickCase{"AB|C", 2, "ABC", MarkerEdit::Removed, false},   // just before it
                    ClickCase{"A|B|C", 1, "AB|C", MarkerEdit::Removed, false},
                    ClickCase{"A|B|C", 4, "A|BC", MarkerEdit::Removed, false},  // beside the second
                    ClickCase{"A|B|C", 3, "A|BC", MarkerEdit::Removed, false},  // beside both: second goes
                    ClickCase{"A|B|CD", 6, "A|B|CD", MarkerEdit::None, false},  // never a third
                    ClickCase{"ABC", 0, "ABC", MarkerEdit::None, false},        // never at the start
                    ClickCase{"|ABC", 0, "|ABC", MarkerEdit::None, false},
                    ClickCase{"ABC", 3, "ABC|", MarkerEdit::Inserted, true},    // the user types on
                    ClickCase{"ABC", 99, "ABC|", MarkerEdit::Inserted, true},   // caret past the end
                    ClickCase{"ア漢B", 2, "ア漢|B", MarkerEdit::Inserted, false},  // characters, not bytes
                    ClickCase{"X【12】Y", 3, "X【12】Y", MarkerEdit::None, false},   // inside the bracket
                    ClickCase{"X【12】Y", 5, "X【12】|Y", MarkerEdit::Inserted, false}));

class NumberingClick : public testing::TestWithParam<ClickCase> {};

TEST_P(NumberingClick, PutsOrRemovesTheBrackets)
{
    const ClickCase& c = GetParam();
    const MarkerClick result = marking_list::clickNumbering(sj(c.before), c.caret);
    EXPECT_EQ(result.text, sj(c.after));
    EXPECT_EQ(result.edit, c.edit);
    EXPECT_EQ(result.keepEditing, c.keepEditing);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberingClick,
    testing::Values(ClickCase{"X1", 1, "X【1", MarkerEdit::Inserted, false},
                    ClickCase{"X", 1, "X【", MarkerEdit::Inserted, true},
                    ClickCase{"X【1", 3, "X【1】", MarkerEdit::Inserted, true},
                    ClickCase{"X【1AY", 4, "X【1A】Y", MarkerEdit::Inserted, false},
                    ClickCase{"X【1GY", 4, "X【1GY", MarkerEdit::None, false},   // G is no hex digit
                    ClickCase{"X【1a", 4, "X【1a", MarkerEdit::None, false},     // nor is a
                    ClickCase{"X【1】Y", 1, "X1】Y", MarkerEdit::Removed, false},  // before "【"
                    ClickCase{"X【1】Y", 2, "X1】Y", MarkerEdit::Removed, false},  // after it
                    ClickCase{"X【1】Y", 4, "X【1Y", MarkerEdit::Removed, false},  // after "】"
                    ClickCase{"X【12】Y", 3, "X【12】Y", MarkerEdit::None, false},
                    ClickCase{"AB】C", 1, "A【B】C", MarkerEdit::Inserted, false},
                    ClickCase{"AB】C", 4, "AB】C", MarkerEdit::None, false},  // after the lone "】"
                    ClickCase{"【", 1, "", MarkerEdit::Removed, false}));

TEST(NumberingInput, EnterClosesTheBracketAtTheCaret)
{
    EXPECT_EQ(marking_list::closeBracketAtCaret(sj("X【0"), 3), sj("X【0】"));
    EXPECT_EQ(marking_list::closeBracketAtCaret(sj("X【0A"), 3), sj("X【0】A"));
    EXPECT_FALSE(marking_list::closeBracketAtCaret(sj("X【"), 2));      // nothing after "【"
    EXPECT_FALSE(marking_list::closeBracketAtCaret(sj("X0"), 2));       // no "【"
    EXPECT_FALSE(marking_list::closeBracketAtCaret(sj("X【0】"), 3));   // already closed
}

TEST(NumberingInput, ColumnsFollowTheLayout)
{
    using marking_list::CountBoxMode;
    EXPECT_EQ(marking_list::numberingEndColumn(CountBoxMode::OneBox), 3);
    EXPECT_EQ(marking_list::numberingEndColumn(CountBoxMode::ThreeBox), 5);
    EXPECT_TRUE(marking_list::isCountColumn(CountBoxMode::OneBox, 2));
    EXPECT_FALSE(marking_list::isCountColumn(CountBoxMode::OneBox, 3));
    EXPECT_TRUE(marking_list::isCountColumn(CountBoxMode::ThreeBox, 4));
    EXPECT_FALSE(marking_list::isCountColumn(CountBoxMode::ThreeBox, 5));
}

TEST(NumberingInput, BracketState)
{
    EXPECT_TRUE(marking_list::hasCompleteBracket(sj("X【1】")));
    EXPECT_FALSE(marking_list::hasCompleteBracket(sj("X【1")));
    EXPECT_TRUE(marking_list::hasNoBracket(sj("X1")));
    EXPECT_FALSE(marking_list::hasNoBracket(sj("X1】")));
}

}  // namespace
