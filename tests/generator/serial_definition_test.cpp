#include "generator/serial_definition.h"

#include "support/cp932_literals.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using generator::SerialDefinitionOutcome;
using Outcome = SerialDefinitionOutcome;

TEST(SerialDefinition, FormsAndOutcomes)
{
    const struct {
        std::string definition;
        Outcome outcome;
        std::string start;
        const char* middle;
        const char* end;
    } cases[] = {
        {"R S T", Outcome::Triple, "R", "S", "T"},
        {"+ -", Outcome::Pair, "+", "", "-"},
        {"P N", Outcome::Pair, "P", "", "N"},
        {"R ST", Outcome::Pair, "R", "", "ST"},
        {"RS T", Outcome::Pair, "RS", "", "T"},
        {"R STU", Outcome::Pair, "R", "", "STU"},
        {"RST U", Outcome::Pair, "RST", "", "U"},
        {"RS TU", Outcome::Pair, "RS", "", "TU"},
        {sj("あ S"), Outcome::Pair, sj("あ"), "", "S"},
        {"A-Z", Outcome::Span, "A", "", "Z"},
        {"a-z", Outcome::Span, "a", "", "z"},
        {"0-F", Outcome::Span, "0", "", "F"},
        {"0-99", Outcome::Span, "0", "", "99"},
        {"1-100", Outcome::Span, "1", "", "100"},
        {"FF-00", Outcome::Span, "FF", "", "00"},
        {"00-15", Outcome::Span, "00", "", "15"},
        {"AB-C", Outcome::Span, "AB", "", "C"},
        {"100-1", Outcome::Span, "100", "", "1"},
        {"A-z", Outcome::BadSpan, "", "", ""},
        {"5-Z", Outcome::BadSpan, "", "", ""},
        {"G-HH", Outcome::BadSpan, "", "", ""},
        {"a-ff", Outcome::BadSpan, "", "", ""},
        {"1-10A", Outcome::BadSpan, "", "", ""},
        {"A--", Outcome::BadSpan, "", "", ""},
        {"10-100", Outcome::Ignored, "", "", ""},
        {"R  S", Outcome::Ignored, "", "", ""},
        {"RS", Outcome::Ignored, "", "", ""},
        {"-AB", Outcome::Ignored, "", "", ""},
        {"AB-", Outcome::Ignored, "", "", ""},
        {" RS", Outcome::Ignored, "", "", ""},
        {"RSTUV", Outcome::Ignored, "", "", ""},
        {"", Outcome::Ignored, "", "", ""},
    };
    for (const auto& c : cases) {
        const auto d = generator::parseSerialDefinition(c.definition);
        EXPECT_EQ(d.outcome, c.outcome) << c.definition;
        EXPECT_EQ(d.start, c.start) << c.definition;
        EXPECT_EQ(d.middle, c.middle) << c.definition;
        EXPECT_EQ(d.end, c.end) << c.definition;
    }
}

TEST(SerialDefinition, ModeFollowsTheOutcome)
{
    using generator::RangeMode;
    EXPECT_EQ(generator::parseSerialDefinition("R S T").mode(), RangeMode::Triple);
    EXPECT_EQ(generator::parseSerialDefinition("U V").mode(), RangeMode::Pair);
    EXPECT_EQ(generator::parseSerialDefinition("0-99").mode(), RangeMode::Span);
    // A bad hyphen form still turns the range into Span.
    EXPECT_EQ(generator::parseSerialDefinition("5-Z").mode(), RangeMode::Span);
}

TEST(SerialDefinition, ButtonsFormTwoRowsOfOddAndEvenSlots)
{
    const struct {
        int slot, row, column;
    } cases[] = {{1, 0, 0}, {2, 1, 0}, {3, 0, 1}, {7, 0, 3}, {19, 0, 9}, {20, 1, 9}};
    for (const auto& c : cases) {
        const auto place = generator::serialButtonPlace(c.slot);
        EXPECT_EQ(place.row, c.row) << c.slot;
        EXPECT_EQ(place.column, c.column) << c.slot;
    }
    // The upper row reads R S T, R S, R T, S T, A B, P N, X Y, 00-15 from the left.
    const auto& captions = generator::initialSerialButtonCaptions();
    EXPECT_EQ(captions[0], "R S T");
    EXPECT_EQ(captions[14], "00-15");
    EXPECT_EQ(captions[13], "0-F");
    EXPECT_EQ(captions[15], "");
}

}  // namespace
