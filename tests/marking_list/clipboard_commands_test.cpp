#include "app/program_state.h"
#include "marking_list/clipboard_commands.h"
#include "marking_list/list_undo.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using marking_list::CellRange;
using marking_list::CountBoxMode;
using marking_list::PasteMode;
using marking_list::PasteOutcome;

namespace {

using Texts = std::vector<std::string>;

void fillNumbered(app::ProgramState& state, int rows)
{
    for (int i = 1; i <= rows; ++i)
        state.list.appendRow({std::to_string(i), "1", ""});
}

CellRange at(int column, int row)
{
    return {column, row, column, row};
}

}  // namespace

TEST(ClipboardCommands, CutTwoByTwo)
{
    app::ProgramState state;
    state.list.appendRow({"a", "b", "x"});
    state.list.appendRow({"c", "d", "y"});
    EXPECT_EQ(marking_list::copyText(state.list, CellRange{1, 1, 2, 2}), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(marking_list::cut(state, CellRange{1, 1, 2, 2}), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(state.list.row(1), (Texts{"", "", "x"}));
    EXPECT_EQ(state.list.row(2), (Texts{"", "", "y"}));
    EXPECT_EQ(state.list.nextFreeRow(), 3);  // the rows stay
    EXPECT_TRUE(state.undoEnabled);
    marking_list::undo(state, 1, 1);
    EXPECT_EQ(state.list.row(2), (Texts{"c", "d", "y"}));
}

TEST(ClipboardCommands, CopyEndsEveryRowAndStaysInsideTheLayout)
{
    app::ProgramState state;
    state.list.setLayout(CountBoxMode::Text);
    state.list.appendRow({sj("漢字"), "t"});
    state.list.appendRow({"", ""});
    EXPECT_EQ(marking_list::copyText(state.list, CellRange{1, 1, 5, 2}), sj("漢字") + "\tt\r\n\t\r\n");
    EXPECT_EQ(marking_list::copyText(state.list, CellRange{2, 2, 2, 2}), "\r\n");
}

TEST(ClipboardCommands, PasteParsesLines)
{
    struct Case {
        const char* name;
        std::string clipboard;
        int column;
        std::vector<Texts> rows;  // rows 1.. of a 1BOX list afterwards
    };
    const Case cases[] = {
        {"cr lf lines", "A\t1\r\nB\t2\r\n", 1, {{"A", "1", ""}, {"B", "2", ""}}},
        {"cr only", "A\rB\r", 1, {{"A", "", ""}, {"B", "", ""}}},
        {"text after the last cr is ignored", "A\r\nB", 1, {{"A", "", ""}}},
        {"fields past the layout dropped", "x\ty\tz\r\n", 2, {{"", "x", "y"}}},
        {"no cr: one line", "ABC", 1, {{"ABC", "", ""}}},
        {"no cr with tab splits", "A\t5", 1, {{"A", "5", ""}}},
        {"lone lf stays out of cells", "A\nB\r\n", 1, {{"AB", "", ""}}},
        {"lf lf after cr", "A\r\n\nB\r\n", 1, {{"A", "", ""}, {"B", "", ""}}},
        {"empty line", "\r\nC\r\n", 1, {{"", "", ""}, {"C", "", ""}}},
        {"double-byte text", sj("ア表\t3") + "\r\n", 1, {{sj("ア表"), "3", ""}}},
    };
    for (const auto& c : cases) {
        app::ProgramState state;
        const auto result =
            marking_list::paste(state, c.clipboard, at(c.column, 1), PasteMode::Overwrite, false);
        ASSERT_EQ(result.outcome, PasteOutcome::Pasted) << c.name;
        EXPECT_EQ(state.list.nextFreeRow(), static_cast<int>(c.rows.size()) + 1) << c.name;
        for (size_t r = 0; r < c.rows.size(); ++r)
            EXPECT_EQ(state.list.row(static_cast<int>(r) + 1), c.rows[r]) << c.name << " row " << r + 1;
    }
}

TEST(ClipboardCommands, PasteWordWithInsertAddsOneRow)
{
    app::ProgramState state;
    state.list.appendRow({"A", "1", ""});
    state.list.appendRow({"B", "2", ""});
    marking_list::paste(state, "ABC", at(1, 2), PasteMode::Insert, false);
    EXPECT_EQ(state.list.cell(1, 2), "ABC");
    EXPECT_EQ(state.list.cell(1, 3), "B");
    EXPECT_EQ(state.list.nextFreeRow(), 4);
    EXPECT_TRUE(state.undoEnabled);
    marking_list::undo(state, 1, 1);
    EXPECT_EQ(state.list.cell(1, 2), "B");
    EXPECT_EQ(state.list.nextFreeRow(), 3);
}

TEST(ClipboardCommands, PasteOverwriteKeepsTheRows)
{
    app::ProgramState state;
    fillNumbered(state, 3);
    marking_list::paste(state, "X\r\nY\r\n", at(1, 2), PasteMode::Overwrite, false);
    EXPECT_EQ(state.list.cell(1, 1), "1");
    EXPECT_EQ(state.list.cell(1, 2), "X");
    EXPECT_EQ(state.list.cell(1, 3), "Y");
    EXPECT_EQ(state.list.cell(2, 3), "1");  // only the pasted field is written
    EXPECT_EQ(state.list.nextFreeRow(), 4);
}

TEST(ClipboardCommands, InsertPastTheLimitAsksWithTheRowCountThenCuts)
{
    app::ProgramState state;
    fillNumbered(state, 995);
    std::string ten;
    for (int i = 0; i < 10; ++i)
        ten += "L" + std::to_string(i) + "\r\n";

    auto result = marking_list::paste(state, ten, at(1, 1), PasteMode::Insert, false);
    EXPECT_EQ(result.outcome, PasteOutcome::NeedsOverLimitConsent);
    EXPECT_EQ(result.questionCount, 995);
    EXPECT_EQ(state.list.cell(1, 1), "1");  // unchanged until the user agrees
    EXPECT_FALSE(state.undoEnabled);

    result = marking_list::paste(state, ten, at(1, 1), PasteMode::Insert, true);
    EXPECT_EQ(result.outcome, PasteOutcome::Pasted);
    EXPECT_EQ(state.list.nextFreeRow(), 1001);
    EXPECT_EQ(state.list.cell(1, 1), "L0");
    EXPECT_EQ(state.list.cell(1, 11), "1");
    EXPECT_EQ(state.list.cell(1, 1000), "990");
}

TEST(ClipboardCommands, OverLimitQuestions)
{
    struct Case {
        const char* name;
        int rows;
        int top;
        std::string clipboard;
        PasteMode mode;
        bool asks;
        int count;
    };
    const Case cases[] = {
        {"overwrite counts the lines", 995, 1, "a\rb\rc\rd\re\rf\r", PasteMode::Overwrite, true, 6},
        {"overwrite within the list", 995, 1, "a\rb\rc\rd\re\r", PasteMode::Overwrite, false, 0},
        {"overwrite running past row 1000", 0, 999, "a\rb\rc\r", PasteMode::Overwrite, true, 3},
        {"insert into a full list, no cr", 1000, 5, "word", PasteMode::Insert, true, 1000},
        {"overwrite into a full list, no cr", 1000, 5, "word", PasteMode::Overwrite, false, 0},
        {"insert that fits", 998, 1, "a\r\nb\r\n", PasteMode::Insert, false, 0},
    };
    for (const auto& c : cases) {
        app::ProgramState state;
        fillNumbered(state, c.rows);
        const auto result = marking_list::paste(state, c.clipboard, at(1, c.top), c.mode, false);
        EXPECT_EQ(result.outcome == PasteOutcome::NeedsOverLimitConsent, c.asks) << c.name;
        EXPECT_EQ(result.questionCount, c.count) << c.name;
    }
}

TEST(ClipboardCommands, HugeAndBinaryTextStopsAtRowThousand)
{
    std::string huge;
    for (int i = 0; i < 200000; ++i)
        huge += "row\t" + std::to_string(i % 100) + "\r";
    std::string binary;
    for (int i = 0; i < 300000; ++i)
        binary += static_cast<char>((i * 131) & 0xFF);
    for (const std::string* text : {&huge, &binary}) {
        for (PasteMode mode : {PasteMode::Insert, PasteMode::Overwrite}) {
            app::ProgramState state;
            fillNumbered(state, 500);
            marking_list::paste(state, *text, at(1, 400), mode, true);
            EXPECT_LE(state.list.nextFreeRow(), 1001);
            for (int r = 1; r <= 1000; ++r)
                for (int c = 1; c <= 3; ++c)
                    ASSERT_EQ(state.list.cell(c, r).find_first_of("\t\r\n"), std::string::npos);
        }
    }
}

TEST(ClipboardCommands, PastedFullWidthLineSwitchesFullWidthMode)
{
    const std::pair<std::string, bool> cases[] = {
        {sj("【1】A") + "\r\n", false},
        {"A\r\n" + sj("表") + "\r\n", true},
        {sj("ｱｲｳ") + "\r\n", false},
        {sj("表"), true},
    };
    for (const auto& [clipboard, fullWidth] : cases) {
        app::ProgramState state;
        marking_list::paste(state, clipboard, at(1, 1), PasteMode::Overwrite, false);
        EXPECT_EQ(state.fullWidthMode, fullWidth) << text::toUtf8(clipboard);
    }
}
