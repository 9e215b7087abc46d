#include "generator/field_rules.h"

#include "support/cp932_literals.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using generator::RangeMode;

TEST(FieldRules, SpanTextsKeptOnLeave)
{
    const struct {
        const char* text;
        bool kept;
    } cases[] = {
        {"AB", true}, {"AZ", false}, {"123", true}, {"12A", false}, {"z", true},
        {"7", true},  {"0F", true},  {"0f", false}, {"1234", false}, {"-", false},
        {"a1", false}, {"99", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(generator::isValidSpanText(c.text), c.kept) << c.text;
}

TEST(FieldRules, RangeKeyFilterFollowsTheMode)
{
    const std::string kanji = sj("日");
    const std::string fullBlank = sj("　");
    const struct {
        RangeMode mode;
        std::string ch;
        bool accepted;
    } cases[] = {
        {RangeMode::Span, "7", true},    {RangeMode::Span, "q", true},
        {RangeMode::Span, "-", false},   {RangeMode::Span, " ", false},
        {RangeMode::Span, kanji, false}, {RangeMode::Pair, "-", true},
        {RangeMode::Pair, " ", false},   {RangeMode::Pair, kanji, true},
        {RangeMode::Triple, fullBlank, false}, {RangeMode::Triple, "/", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(generator::rangeFieldAccepts(c.mode, c.ch), c.accepted) << c.ch;
}

TEST(FieldRules, ModeCycleAndPriorityBox)
{
    EXPECT_EQ(generator::nextRangeMode(RangeMode::Span), RangeMode::Pair);
    EXPECT_EQ(generator::nextRangeMode(RangeMode::Pair), RangeMode::Triple);
    EXPECT_EQ(generator::nextRangeMode(RangeMode::Triple), RangeMode::Span);

    EXPECT_FALSE(generator::serialFirstPriorityVisible({true, false, false}));
    EXPECT_TRUE(generator::serialFirstPriorityVisible({false, true, true}));
    EXPECT_TRUE(generator::serialFirstPriorityVisible({true, false, true}));

    EXPECT_FALSE(generator::canFixWireText("", false));
    EXPECT_FALSE(generator::canFixWireText("A", true));
    EXPECT_TRUE(generator::canFixWireText("A", false));
}

}  // namespace
