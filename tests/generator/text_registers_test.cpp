#include "generator/text_registers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using generator::GeneratorInput;
using generator::RangeMode;
using generator::TextRegisters;
using Copy = TextRegisters::CopyOutcome;

// Registers described as one string per register: "" empty, a text, and a trailing "*" for a
// fixed register (only the texts are compared with the "*" removed).
std::string describe(const TextRegisters& r)
{
    std::string out;
    for (int i = 0; i < TextRegisters::kCount; ++i) {
        if (r.text(i).empty() && !r.fixed(i))
            continue;
        out += std::string(1, static_cast<char>('A' + i)) + "=" + r.text(i) +
               (r.fixed(i) ? "*" : "") + " ";
    }
    return out;
}

// Fills A, B, C, ... with "a", "b", "c", ...
TextRegisters filled(int count)
{
    TextRegisters r;
    for (int i = 0; i < count; ++i)
        r.setText(i, std::string(1, static_cast<char>('a' + i)));
    return r;
}

GeneratorInput wires(const char* wire1, const char* wire2 = "")
{
    GeneratorInput input;
    input.wire1 = wire1;
    input.wire2 = wire2;
    return input;
}

TEST(TextRegisters, CopyFilesAtAAndRefusesDuplicates)
{
    TextRegisters r = filled(2);
    EXPECT_EQ(r.copy(wires("-R", "-S")), Copy::Stored);
    EXPECT_EQ(describe(r), "A=[]-R[]-S[] B=a C=b ");
    EXPECT_EQ(r.copy(wires("-R", "-S")), Copy::Duplicate);
    EXPECT_EQ(describe(r), "A=[]-R[]-S[] B=a C=b ");
    // A duplicate further down the list is refused too.
    EXPECT_EQ(r.copy(wires("X")), Copy::Stored);
    EXPECT_EQ(r.copy(wires("-R", "-S")), Copy::Duplicate);
    EXPECT_EQ(r.copy(wires("", "")), Copy::NothingToKeep);
    EXPECT_EQ(r.copy(wires("a[b")), Copy::NothingToKeep);
    EXPECT_EQ(describe(r), "A=[]X[][] B=[]-R[]-S[] C=a D=b ");
}

TEST(TextRegisters, CopyIntoAFullListLosesZ)
{
    TextRegisters r = filled(26);
    GeneratorInput input;
    input.ranges[0] = {"1", "", "10", RangeMode::Span};
    ASSERT_EQ(r.copy(input), Copy::Stored);
    EXPECT_EQ(r.text(0), "[1-10][][]");
    EXPECT_EQ(r.text(1), "a");
    EXPECT_EQ(r.text(25), "y");
}

TEST(TextRegisters, ClrMovesTheFollowingUp)
{
    TextRegisters r = filled(5);
    ASSERT_TRUE(r.clear(2));
    EXPECT_EQ(describe(r), "A=a B=b C=d D=e ");
    TextRegisters full = filled(26);
    ASSERT_TRUE(full.clear(25));
    EXPECT_EQ(full.text(25), "");
    EXPECT_EQ(full.text(24), "y");
}

TEST(TextRegisters, HistoryModeOperationsAndTheirRefusals)
{
    TextRegisters r = filled(3);
    // Outside history mode registers cannot be fixed; inside it, neither copy nor Clr work.
    EXPECT_FALSE(r.fix(0));
    r.setHistoryMode(true);
    EXPECT_EQ(r.copy(wires("X")), Copy::HistoryMode);
    EXPECT_FALSE(r.clear(0));
    EXPECT_FALSE(r.fix(5));    // empty
    EXPECT_FALSE(r.unfix(1));  // not fixed
    EXPECT_EQ(describe(r), "A=a B=b C=c ");
}

TEST(TextRegisters, FixingCollectsEntriesAtTheTopInOrder)
{
    const struct {
        std::vector<int> fixes;
        const char* expected;
    } cases[] = {
        {{0}, "A=a* B=b C=c D=d E=e "},
        {{2}, "A=c* B=a C=b D=d E=e "},
        {{2, 4}, "A=c* B=e* C=a D=b E=d "},
        {{3, 3}, "A=d* B=c* C=a D=b E=e "},  // the second press fixes the entry now in D
        {{0, 0}, "A=a* B=b C=c D=d E=e "},  // fixing a fixed register changes nothing
    };
    for (const auto& c : cases) {
        TextRegisters r = filled(5);
        r.setHistoryMode(true);
        for (int k : c.fixes)
            EXPECT_TRUE(r.fix(k));
        EXPECT_EQ(describe(r), c.expected);
    }
}

TEST(TextRegisters, UnfixRemovesExactlyOneEntry)
{
    TextRegisters r = filled(4);
    r.setHistoryMode(true);
    ASSERT_TRUE(r.fix(0));
    ASSERT_TRUE(r.fix(1));
    ASSERT_TRUE(r.unfix(0));
    EXPECT_EQ(describe(r), "A=b* B=c C=d ");

    TextRegisters full = filled(26);
    full.setHistoryMode(true);
    for (int i = 0; i < 26; ++i)
        ASSERT_TRUE(full.fix(i));
    ASSERT_TRUE(full.unfix(25));
    EXPECT_EQ(full.fixedCount(), 25);
    EXPECT_EQ(full.text(25), "");
    EXPECT_FALSE(full.fixed(25));
}

TEST(TextRegisters, HistoryEntriesEnterBelowTheFixedRun)
{
    TextRegisters r = filled(4);
    r.setHistoryMode(true);
    ASSERT_TRUE(r.fix(0));
    ASSERT_TRUE(r.fix(1));
    ASSERT_TRUE(r.addHistoryEntry("new"));
    EXPECT_EQ(describe(r), "A=a* B=b* C=new D=c E=d ");

    TextRegisters full = filled(26);
    full.setHistoryMode(true);
    ASSERT_TRUE(full.addHistoryEntry("new"));
    EXPECT_EQ(full.text(0), "new");
    EXPECT_EQ(full.text(25), "y");
    for (int i = 0; i < 26; ++i)
        ASSERT_TRUE(full.fix(i));
    EXPECT_FALSE(full.addHistoryEntry("dropped"));
    EXPECT_EQ(full.text(0), "new");
}

TEST(TextRegisters, LeavingHistoryModeKeepsFixedTexts)
{
    TextRegisters r = filled(3);
    r.setHistoryMode(true);
    ASSERT_TRUE(r.fix(2));
    r.setHistoryMode(false);
    EXPECT_EQ(describe(r), "A=c B=a C=b ");
}

TEST(TextRegisters, AllClearEmptiesTextsAndFlags)
{
    TextRegisters r = filled(26);
    r.setHistoryMode(true);
    ASSERT_TRUE(r.fix(3));
    r.clearAll();
    EXPECT_EQ(describe(r), "");
    EXPECT_TRUE(r.historyMode());
}

}  // namespace
