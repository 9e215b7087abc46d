#include "ctk/feed_correction.h"
#include "ctk/work_length.h"
#include "ctk_fixtures.h"

#include <gtest/gtest.h>

using ctk::FeedOutcome;

TEST(FeedCorrection, CutsToOneDecimalOnTheBinaryValues)
{
    struct Case {
        const char* terminal;
        const char* strip;
        const char* hosei;
        FeedOutcome outcome;
        const char* text;
    };
    const Case cases[] = {
        {"210", "200", "100", FeedOutcome::Computed, "105"},
        {"203", "200", "100", FeedOutcome::Computed, "101.4"},  // 1.015 lies just below
        {"57", "50", "100", FeedOutcome::Computed, "114"},      // double throughout: 113.9
        {"200", "203", "100", FeedOutcome::Computed, "98.5"},
        {"80", "100", "100", FeedOutcome::Computed, "80"},
        {"120", "100", "100", FeedOutcome::Computed, "120"},
        {"210", "200", " 98.5 ", FeedOutcome::Computed, "103.4"},
        {"250", "200", "100", FeedOutcome::OutOfRange, ""},
        {"79", "100", "100", FeedOutcome::OutOfRange, ""},
        {"210", "200", "", FeedOutcome::OutOfRange, ""},       // the table has no percentage
        {"200", "200", "100", FeedOutcome::NoChange, ""},
        {"0", "200", "100", FeedOutcome::NoChange, ""},
        {"200", "0", "100", FeedOutcome::NoChange, ""},
    };
    for (const Case& c : cases) {
        const auto result = ctk::computeFeedCorrection(c.terminal, c.strip, c.hosei);
        EXPECT_EQ(result.outcome, c.outcome) << c.terminal << "/" << c.strip;
        EXPECT_EQ(result.text, c.text) << c.terminal << "/" << c.strip;
    }
    // Carried in double precision all the way, 57/50 would cut to 113.9.
    const double q = 57.0 / 50.0;
    const volatile double product = q * 100.0;
    EXPECT_EQ(static_cast<long>(product * 10.0), 1139);
    EXPECT_EQ(ctk::feedPercentage(57, 50, 100), 114.0);
}

TEST(FeedCorrection, TypedPercentage)
{
    const std::pair<const char*, const char*> accepted[] = {
        {"100.0", "100"}, {"80", "80"}, {"120", "120"}, {"101.40", "101.4"}, {".5e", nullptr},
        {"79.9", nullptr}, {"120.1", nullptr}, {"1.2.3", nullptr}, {".", nullptr}, {"", nullptr},
    };
    for (const auto& [typed, expected] : accepted) {
        const auto value = ctk::acceptTypedPercentage(typed);
        if (expected)
            EXPECT_EQ(value, std::optional<std::string>(expected)) << typed;
        else
            EXPECT_FALSE(value.has_value()) << typed;
    }
}

TEST(WorkLength, AppliesOnlyANewNonEmptyValue)
{
    ctk::AppliedConditions conditions;
    EXPECT_FALSE(ctk::applyWorkLength(conditions, "1200", "30"));  // no table
    conditions.fill(twentyTables(), 0, "");
    EXPECT_FALSE(ctk::applyWorkLength(conditions, "", "30"));
    EXPECT_FALSE(ctk::applyWorkLength(conditions, "30", "30"));
    EXPECT_EQ(conditions.line(9), "WorkLength=30");
    EXPECT_TRUE(ctk::applyWorkLength(conditions, "1200", "30"));
    EXPECT_EQ(conditions.line(9), "WorkLength=1200");
    EXPECT_EQ(conditions.line(43), "WorkLength=1200");
}
