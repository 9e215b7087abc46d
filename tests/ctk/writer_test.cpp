#include "ctk/writer.h"
#include "ctk_fixtures.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using ctk::AppliedConditions;
using ctk::FontVariant;
using ctk::Piece;
using marking_list::CountBoxMode;
using marking_list::MarkingList;

namespace {

AppliedConditions tableAt(int index)
{
    AppliedConditions conditions;
    conditions.fill(twentyTables(), index, "");
    return conditions;
}

void fillTwoRows(MarkingList& list)
{
    list.appendRow({"A1", "5", ""});
    list.appendRow({"A2", "5", ""});
}

}  // namespace

TEST(OrangeWriter, WithoutTableWritesDataLinesOnly)
{
    MarkingList list;
    fillTwoRows(list);
    const auto result = ctk::renderOrange(nullptr, FontVariant::MarkerFont, list, 0);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.bytes, "A1\t5\t\r\nA2\t5\t\r\n\t\t\r\n");

    MarkingList empty;
    EXPECT_EQ(ctk::renderOrange(nullptr, FontVariant::MarkerFont, empty, 0).bytes, "\t\t\r\n");
}

TEST(OrangeWriter, MatchesTheExpectedFiles)
{
    MarkingList latin;
    fillTwoRows(latin);
    MarkingList wide;
    wide.appendRow({sj("漢字"), "3", "F"});  // the numbering is not written in this variant
    wide.appendRow({"B", "2", ""});

    struct Case {
        const char* expected;
        int table;
        FontVariant variant;
        const MarkingList* list;
    };
    const Case cases[] = {
        {"orange_marker_table1.cta", 0, FontVariant::MarkerFont, &latin},   // WorkMode 3
        {"orange_marker_table2.cta", 1, FontVariant::MarkerFont, &latin},   // WorkMode 2
        {"orange_windows_table1.cta", 0, FontVariant::WindowsFont, &wide},
        {"orange_windows_table2.cta", 1, FontVariant::WindowsFont, &wide},
    };
    for (const Case& c : cases) {
        const AppliedConditions table = tableAt(c.table);
        const auto result = ctk::renderOrange(&table, c.variant, *c.list, 0);
        ASSERT_TRUE(result.ok()) << c.expected;
        EXPECT_EQ(result.bytes, ctkFixtureBytes(c.expected)) << c.expected;
    }
}

TEST(OrangeWriter, ThreeBoxWritesOnlyTheMarkedCountColumn)
{
    MarkingList list;
    list.setLayout(CountBoxMode::ThreeBox);
    list.appendRow({"X1", "1", "2", "3", "N"});
    list.appendRow({"X2", "", "7", "", ""});
    const std::pair<int, const char*> cases[] = {
        {0, "X1\t1\tN\r\nX2\t\t\r\n\t\t\r\n"},
        {1, "X1\t2\tN\r\nX2\t7\t\r\n\t\t\r\n"},
        {2, "X1\t3\tN\r\nX2\t\t\r\n\t\t\r\n"},
    };
    for (const auto& [column, expected] : cases)
        EXPECT_EQ(ctk::renderOrange(nullptr, FontVariant::MarkerFont, list, column).bytes,
                  expected);
    const AppliedConditions table = tableAt(1);
    const std::string windows =
        ctk::renderOrange(&table, FontVariant::WindowsFont, list, 1).bytes;
    EXPECT_NE(windows.find("\r\n2\tX1" + std::string(10, '\t') + "\r\n7\tX2"), std::string::npos);
}

TEST(OrangeWriter, FullListStillEndsWithTheEmptyRowLine)
{
    MarkingList list;
    for (int i = 0; i < MarkingList::kRows; ++i)
        list.appendRow({"W" + std::to_string(i + 1), "1", ""});
    const std::string bytes = ctk::renderOrange(nullptr, FontVariant::MarkerFont, list, 0).bytes;
    EXPECT_TRUE(bytes.ends_with("W1000\t1\t\r\n\t\t\r\n"));
    const AppliedConditions closing = tableAt(0);
    const std::string closed = ctk::renderOrange(&closing, FontVariant::MarkerFont, list, 0).bytes;
    EXPECT_TRUE(closed.ends_with("W1000\t1\t\r\n \t1\t\r\n"));
}

TEST(Writers, WindowsFontNeedsATable)
{
    MarkingList list;
    fillTwoRows(list);
    EXPECT_EQ(ctk::renderOrange(nullptr, FontVariant::WindowsFont, list, 0).outcome,
              ctk::RenderOutcome::WindowsFontNeedsTable);
    EXPECT_EQ(ctk::renderBlueMarking(nullptr, FontVariant::WindowsFont, {}).outcome,
              ctk::RenderOutcome::WindowsFontNeedsTable);
    EXPECT_EQ(ctk::renderBlueSave(nullptr, FontVariant::WindowsFont, "A\t1\t\r\n").outcome,
              ctk::RenderOutcome::WindowsFontNeedsTable);
    EXPECT_EQ(ctk::fileExtension(true), "cta");
    EXPECT_EQ(ctk::fileExtension(false), "ctk");
}

TEST(BlueWriters, MatchTheExpectedFiles)
{
    const std::vector<Piece> rows{{"A1", "5", ""}, {"A2", "5", "F"}};
    const std::vector<Piece> wideRows{{"A1", "5", ""}, {sj("漢字"), "5", "F"}};
    const AppliedConditions first = tableAt(0);
    const AppliedConditions third = tableAt(2);

    EXPECT_EQ(ctk::renderBlueMarking(&third, FontVariant::MarkerFont, rows).bytes,
              ctkFixtureBytes("blue_marking_marker_table3.cta"));
    EXPECT_EQ(ctk::renderBlueMarking(&first, FontVariant::WindowsFont, wideRows).bytes,
              ctkFixtureBytes("blue_marking_windows_table1.cta"));
    EXPECT_EQ(ctk::renderBlueSave(&first, FontVariant::MarkerFont, "A1\t5\t\r\nA2\t5\t\r\n").bytes,
              ctkFixtureBytes("blue_save_marker_table1.cta"));
    EXPECT_EQ(ctk::renderBlueSave(&first, FontVariant::WindowsFont,
                                  "A1\t5\t\r\n" + sj("漢字") + "\t5\tF\r\n")
                  .bytes,
              ctkFixtureBytes("blue_save_windows_table1.cta"));
}

TEST(BlueWriters, TrailingStructures)
{
    const std::vector<Piece> rows{{"A1", "5", ""}};
    const AppliedConditions mode2 = tableAt(1);
    const AppliedConditions mode3 = tableAt(0);
    auto tail = [](const std::string& bytes) {
        const size_t data = bytes.find("[MarkingData]\r\n");
        return data == std::string::npos ? bytes : bytes.substr(data + 15);
    };
    // Marking: nothing after the data lines; the closing piece ends the file without CR LF.
    EXPECT_EQ(ctk::renderBlueMarking(nullptr, FontVariant::MarkerFont, rows).bytes, "A1\t5\t\r\n");
    EXPECT_EQ(tail(ctk::renderBlueMarking(&mode2, FontVariant::MarkerFont, rows).bytes),
              "A1\t5\t\r\n");
    EXPECT_EQ(tail(ctk::renderBlueMarking(&mode3, FontVariant::MarkerFont, rows).bytes),
              "A1\t5\t\r\n \t1\t");
    // Save: one empty line after the data, then the closing piece without CR LF.
    EXPECT_EQ(ctk::renderBlueSave(nullptr, FontVariant::MarkerFont, "A1\t5\t\r\n").bytes,
              "A1\t5\t\r\n\r\n");
    EXPECT_EQ(tail(ctk::renderBlueSave(&mode2, FontVariant::WindowsFont, "A1\t5\t\r\n").bytes),
              "5\tA1" + std::string(8, '\t') + "\r\n\r\n");
    // A result line without a count keeps its text; a line holding no TAB stays as it is.
    EXPECT_EQ(tail(ctk::renderBlueSave(&mode2, FontVariant::WindowsFont, "A1\t\r\nplain\r\n").bytes),
              "\tA1" + std::string(8, '\t') + "\r\nplain\r\n\r\n");
    EXPECT_EQ(tail(ctk::renderBlueSave(&mode2, FontVariant::WindowsFont, "A1\t7\r\n").bytes),
              "7\tA1" + std::string(8, '\t') + "\r\n\r\n");
}

TEST(CommentRule, RemovesBlanksAndTheUnnamedMark)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Comment=_", "Comment="},
        {"Comment=     _", "Comment="},
        {sj("Comment=TB 8mm 用"), sj("Comment=TB8mm用")},
        {"Comment=A_B", "Comment=A_B"},   // "_" inside a name stays
        {"Comment=A=_B", "Comment=A=_B"}, // only a "_" right after the first "=" is the mark
        {"Comment=__", "Comment=_"},
        {"Comment=", "Comment="},
    };
    for (const auto& [line, expected] : cases) {
        std::string written = line;
        ctk::applyCommentRule(written);
        EXPECT_EQ(written, expected) << line;
    }
}
