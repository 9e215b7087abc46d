#include "generator/history_entry.h"

#include "support/cp932_literals.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using generator::GeneratorInput;
using generator::RangeInput;
using generator::RangeMode;

RangeInput span(const char* start, const char* end)
{
    return {start, "", end, RangeMode::Span};
}

TEST(HistoryEntry, FormatsRangesAndWireTexts)
{
    GeneratorInput input;
    input.ranges[0] = span("1", "10");
    input.wire1 = "-R";
    input.wire2 = "-S";
    EXPECT_EQ(generator::formatHistoryEntry(input), "[1-10]-R[]-S[]");

    GeneratorInput triple;
    triple.ranges[0] = {"R", "S", "T", RangeMode::Triple};
    triple.wire1 = "MCB";
    triple.wire2 = "-";
    triple.ranges[2] = {"P", "", "N", RangeMode::Pair};
    EXPECT_EQ(generator::formatHistoryEntry(triple), "[R S T]MCB[]-[P N]");

    // A range whose start is empty is described as empty, whatever its end holds.
    GeneratorInput endOnly;
    endOnly.ranges[1] = span("", "9");
    endOnly.wire2 = "X";
    EXPECT_EQ(generator::formatHistoryEntry(endOnly), "[][]X[]");
}

TEST(HistoryEntry, NothingToKeep)
{
    GeneratorInput empty;
    empty.ranges[0] = span("", "5");
    EXPECT_FALSE(generator::formatHistoryEntry(empty));

    GeneratorInput bracket;
    bracket.wire1 = "A";
    bracket.wire2 = "[B";
    EXPECT_FALSE(generator::formatHistoryEntry(bracket));

    // "ゼ" in CP932 is 0x83 0x5B: its second byte is "[" but
    // the character is no bracket.
    GeneratorInput kana;
    kana.wire1 = sj("ゼ");
    EXPECT_EQ(generator::formatHistoryEntry(kana), "[]" + sj("ゼ") + "[][]");
}

TEST(HistoryEntry, RecallSplitsTheText)
{
    const struct {
        std::string entry;
        GeneratorInput expected;
    } cases[] = {
        {"[1-10]-R[]-S[]", {{span("1", "10"), RangeInput{}, RangeInput{}}, "-R", "-S"}},
        {"[R S T]MCB[]-[]",
         {{RangeInput{"R", "S", "T", RangeMode::Triple}, RangeInput{}, RangeInput{}}, "MCB", "-"}},
        {"[A B]x[0-F]y[1 2 3]",
         {{RangeInput{"A", "", "B", RangeMode::Pair}, span("0", "F"),
           RangeInput{"1", "2", "3", RangeMode::Triple}},
          "x",
          "y"}},
        // Neither blank nor hyphen: the range stays empty.
        {"[AB]x[]y[]", {{RangeInput{}, RangeInput{}, RangeInput{}}, "x", "y"}},
        // No brackets at all: an empty panel.
        {"plain text", {}},
        {"", {}},
        // A missing delimiter leaves its part empty and the rest for the next part.
        {"[1-2]abc", {{span("1", "2"), RangeInput{}, RangeInput{}}, "", ""}},
        {"[1-2]a[3-4]b", {{span("1", "2"), span("3", "4"), RangeInput{}}, "a", ""}},
        // A wire text may hold "]", and a double-byte character whose second byte is "[".
        {"[]a]b[]" + sj("ゼ") + "[]", {{}, "a]b", sj("ゼ")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(generator::parseHistoryEntry(c.entry), c.expected) << c.entry;
}

TEST(HistoryEntry, RecallOfAFormattedEntryGivesItsInputBack)
{
    GeneratorInput input;
    input.ranges[0] = {"U", "V", "W", RangeMode::Triple};
    input.ranges[1] = span("01", "12");
    input.ranges[2] = {"+", "", "-", RangeMode::Pair};
    input.wire1 = sj("ー盤");
    input.wire2 = sj("【1】");
    EXPECT_EQ(generator::parseHistoryEntry(*generator::formatHistoryEntry(input)), input);
}

TEST(HistoryEntry, FirstCharacterIsSkippedWhole)
{
    // A hand-edited text that starts with a double-byte character: the range part is cut
    // after that character, never inside it.
    const auto input = generator::parseHistoryEntry(sj("あ1-2]x[]y[]"));
    EXPECT_EQ(input.ranges[0], span("1", "2"));
    EXPECT_EQ(input.wire1, "x");
}

}  // namespace
