#include "generator/panel_navigation.h"

#include <gtest/gtest.h>

namespace {

using generator::PanelField;
using generator::PanelTexts;
using generator::RangeMode;
using marking_list::CountBoxMode;
using F = PanelField;

TEST(PanelNavigation, ArrowNeighboursFollowLayoutAndMiddleFields)
{
    PanelTexts oneBox;
    PanelTexts threeBoxTriple;
    threeBoxTriple.layout = CountBoxMode::ThreeBox;
    threeBoxTriple.ranges[1].mode = RangeMode::Triple;

    EXPECT_EQ(generator::leftNeighbour(F::Start1, oneBox), F::Count1);
    EXPECT_EQ(generator::leftNeighbour(F::Start1, threeBoxTriple), F::Count3);
    EXPECT_EQ(generator::rightNeighbour(F::Count1, oneBox), F::Start1);
    EXPECT_EQ(generator::rightNeighbour(F::Count1, threeBoxTriple), F::Count2);
    EXPECT_EQ(generator::rightNeighbour(F::Count3, threeBoxTriple), F::Start1);
    EXPECT_EQ(generator::rightNeighbour(F::Start2, oneBox), F::End2);
    EXPECT_EQ(generator::rightNeighbour(F::Start2, threeBoxTriple), F::Middle2);
    EXPECT_EQ(generator::leftNeighbour(F::End2, threeBoxTriple), F::Middle2);
    EXPECT_EQ(generator::leftNeighbour(F::End2, oneBox), F::Start2);

    // The walk to the right visits every field of a plain 1BOX panel and comes back.
    std::vector<F> walk{F::Start1};
    for (int i = 0; i < 10; ++i)
        walk.push_back(*generator::rightNeighbour(walk.back(), oneBox));
    const std::vector<F> expected{F::Start1, F::End1, F::Wire1, F::Start2, F::End2, F::Wire2,
                                  F::Start3, F::End3, F::Count1, F::Start1, F::End1};
    EXPECT_EQ(walk, expected);
    // ... and Left walks it back.
    for (size_t i = walk.size() - 1; i > 0; --i)
        EXPECT_EQ(generator::leftNeighbour(walk[i], oneBox), walk[i - 1]);
    EXPECT_FALSE(generator::leftNeighbour(F::NumberingEnd, oneBox));
}

TEST(PanelNavigation, TabCyclesSixFieldsOnly)
{
    F f = F::Wire1;
    std::vector<F> seen;
    for (int i = 0; i < 6; ++i) {
        f = *generator::tabNext(f);
        seen.push_back(f);
    }
    EXPECT_EQ(seen, (std::vector<F>{F::Start1, F::Start2, F::Wire2, F::Start3, F::Count1, F::Wire1}));
    EXPECT_FALSE(generator::tabNext(F::End1));
    EXPECT_FALSE(generator::tabNext(F::NumberingEnd));
    EXPECT_FALSE(generator::tabNext(F::Count2));
}

TEST(PanelNavigation, EnterInRangeFields)
{
    PanelTexts p;
    EXPECT_FALSE(generator::enterTarget(F::Start1, p));  // empty start: stays
    p.ranges[0].start = "1";
    EXPECT_EQ(generator::enterTarget(F::Start1, p), F::End1);
    p.ranges[0].mode = RangeMode::Triple;
    EXPECT_EQ(generator::enterTarget(F::Start1, p), F::Middle1);
    p.ranges[0].middle = "2";
    EXPECT_EQ(generator::enterTarget(F::Start1, p), F::End1);
    EXPECT_EQ(generator::enterTarget(F::Middle1, p), F::End1);
    EXPECT_FALSE(generator::enterTarget(F::End1, p));  // end empty
    p.ranges[0].end = "3";
    EXPECT_EQ(generator::enterTarget(F::Middle1, p), F::Count1);
    EXPECT_EQ(generator::enterTarget(F::End1, p), F::Wire1);
    p.ranges[0].middle.clear();
    EXPECT_FALSE(generator::enterTarget(F::End1, p));  // Triple needs its middle

    p.ranges[1] = {"A", "", "C", RangeMode::Span};
    p.ranges[2] = {"", "", "9", RangeMode::Span};
    EXPECT_EQ(generator::enterTarget(F::End2, p), F::Wire2);
    EXPECT_FALSE(generator::enterTarget(F::End3, p));
    p.ranges[2].start = "1";
    EXPECT_EQ(generator::enterTarget(F::End3, p), F::Count1);
    EXPECT_FALSE(generator::enterTarget(F::Count1, p));
}

TEST(PanelNavigation, EnterInWireTextsChoosesTheCountField)
{
    PanelTexts p;
    EXPECT_FALSE(generator::enterTarget(F::Wire1, p));  // nothing to generate
    p.ranges[1] = {"1", "", "", RangeMode::Span};        // an incomplete range does not count
    EXPECT_FALSE(generator::enterTarget(F::Wire2, p));
    p.ranges[1].end = "3";
    EXPECT_EQ(generator::enterTarget(F::Wire2, p), F::Count1);

    p.wire1 = "-R";
    p.layout = CountBoxMode::ThreeBox;
    const struct {
        std::array<std::string, 3> counts;
        F target;
    } cases[] = {
        {{"", "", ""}, F::Count1}, {{"2", "3", ""}, F::Count1}, {{"", "3", "4"}, F::Count2},
        {{"", "", "4"}, F::Count3},
    };
    for (const auto& c : cases) {
        p.counts = c.counts;
        EXPECT_EQ(generator::enterTarget(F::Wire1, p), c.target);
        EXPECT_EQ(generator::enterTarget(F::Wire2, p), F::Count1);
    }
    p.layout = CountBoxMode::Text;
    EXPECT_EQ(generator::enterTarget(F::Wire1, p), F::Count1);
}

}  // namespace
