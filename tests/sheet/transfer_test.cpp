#include "sheet/transfer.h"

#include "support/cp932_literals.h"
#include "support/fake_spreadsheet_host.h"

#include <gtest/gtest.h>

using marking_list::CountBoxMode;
using marking_list::MarkingList;
using sheet::CellRef;
using sheet::TransferRequest;
using testing_support::FakeSpreadsheetHost;

namespace {

void fill(MarkingList& list, CountBoxMode mode, const std::vector<std::vector<std::string>>& rows)
{
    list.setLayout(mode);
    for (const auto& r : rows)
        list.appendRow(r);
}

std::string at(FakeSpreadsheetHost& host, int column, int row)
{
    return host.cellText({column, row});
}

}  // namespace

TEST(Transfer, ContinuousOneBoxBlockWithCounts)
{
    MarkingList list;
    fill(list, CountBoxMode::OneBox, {{"R1", "2", "1"}, {"R2", "", ""}, {"0042", "3", "5"}});
    FakeSpreadsheetHost host;
    const auto result = sheet::runTransfer(host, list, {1, 5, 0, false, false, false});

    ASSERT_TRUE(result.done);
    EXPECT_EQ(result.nextRow, 8);
    EXPECT_EQ(result.rowsWritten, 3);
    EXPECT_EQ(host.blockWrites, 1);  // the whole block in one call
    EXPECT_EQ(host.cellWrites, 0);
    const std::vector<std::vector<std::string>> expected{
        {"R1", "2", "1"}, {"R2", "", ""}, {"0042", "3", "5"}};
    EXPECT_EQ(host.blockText({1, 5}, {3, 7}), expected);
    auto& formats = host.activeSheet().textFormat;
    for (int row = 5; row <= 7; ++row) {
        EXPECT_TRUE(formats.count({row, 1}) && formats.count({row, 3})) << row;
        EXPECT_FALSE(formats.count({row, 2})) << row;
    }
    EXPECT_EQ(host.active, (CellRef{1, 8}));
}

TEST(Transfer, SpacingPutsRowsApartAndMovesTheTarget)
{
    struct Case {
        int spacing;
        std::vector<int> rows;
        int next;
    };
    for (const Case& c : {Case{1, {5, 7, 9}, 11}, Case{2, {5, 8, 11}, 14},
                          Case{3, {5, 9, 13}, 17}}) {
        MarkingList list;
        fill(list, CountBoxMode::OneBox, {{"A1", "1", ""}, {"A2", "1", ""}, {"A3", "1", ""}});
        FakeSpreadsheetHost host;
        host.setCellText({1, 6}, "keep");
        const auto result = sheet::runTransfer(host, list, {1, 5, c.spacing, false, false, false});
        ASSERT_TRUE(result.done);
        EXPECT_EQ(result.nextRow, c.next);
        for (size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(at(host, 1, c.rows[i]), "A" + std::to_string(i + 1)) << c.spacing;
            EXPECT_EQ(at(host, 2, c.rows[i]), "1");
        }
        EXPECT_EQ(at(host, 1, 6), "keep") << "rows between stay untouched";
        EXPECT_EQ(host.active, (CellRef{1, c.next}));
    }
}

TEST(Transfer, InsertModeShiftsTheBlockColumnsOnly)
{
    struct Case {
        CountBoxMode mode;
        std::vector<std::vector<std::string>> rows;
        int shiftedColumns;
    };
    const Case cases[] = {
        {CountBoxMode::OneBox, {{"T1", "", ""}, {"T2", "", ""}}, 1},
        {CountBoxMode::OneBox, {{"T1", "2", ""}, {"T2", "", ""}}, 3},
        {CountBoxMode::ThreeBox, {{"T1", "", "1", "", ""}, {"T2", "", "", "", ""}}, 5},
    };
    for (const auto& c : cases) {
        MarkingList list;
        fill(list, c.mode, c.rows);
        FakeSpreadsheetHost host;
        for (int column = 1; column <= 7; ++column)
            host.setCellText({column, 2}, "old" + std::to_string(column));
        ASSERT_TRUE(sheet::runTransfer(host, list, {1, 2, 0, true, false, false}).done);
        for (int column = 1; column <= 7; ++column) {
            const bool shifted = column <= c.shiftedColumns;
            EXPECT_EQ(at(host, column, shifted ? 4 : 2), "old" + std::to_string(column))
                << "column " << column << " of " << c.shiftedColumns;
        }
        EXPECT_EQ(at(host, 1, 2), "T1");
        EXPECT_EQ(at(host, 1, 3), "T2");
    }
}

TEST(Transfer, TextLayoutSecondTextGoesToTheNextColumnName)
{
    for (const int target : {25, 26}) {  // Y, then Z whose neighbour is AA
        MarkingList list;
        fill(list, CountBoxMode::Text, {{sj("端子"), sj("盤A")}});
        FakeSpreadsheetHost host;
        ASSERT_TRUE(sheet::runTransfer(host, list, {target, 1, 0, false, false, false}).done);
        EXPECT_EQ(at(host, target, 1), sj("端子"));
        EXPECT_EQ(at(host, target + 1, 1), sj("盤A"));
        EXPECT_TRUE(host.activeSheet().textFormat.count({1, target + 1}));
    }
}

TEST(Transfer, ReverseWritesTheLastRowFirst)
{
    MarkingList list;
    fill(list, CountBoxMode::OneBox, {{"A1", "", ""}, {"A2", "", ""}, {"A3", "", ""}});
    for (int spacing : {0, 1}) {
        FakeSpreadsheetHost host;
        ASSERT_TRUE(sheet::runTransfer(host, list, {2, 3, spacing, false, false, true}).done);
        const int step = spacing + 1;
        EXPECT_EQ(at(host, 2, 3), "A3");
        EXPECT_EQ(at(host, 2, 3 + step), "A2");
        EXPECT_EQ(at(host, 2, 3 + 2 * step), "A1");
    }
}

TEST(Transfer, WidthLinkFitsTheTextColumn)
{
    struct Case {
        std::string text;
        double current;
        double expected;
    };
    const Case cases[] = {
        {"ABCDEFGHIJ", 8.43, 12},     // longest 10 bytes, wider than width - 2: 10 + 2
        {"ABCDEFGHIJ", 13, 13},       // fits: unchanged
        {"ABCDEFGHIJ", 11.5, 12},     // 10 > 9.5
        {sj("【1】ABCD"), 8.43, 9},   // numbering: the length itself, 9 bytes
        {sj("【1】ABCD"), 9, 9},      // 9 is not more than 9: unchanged
    };
    for (const auto& c : cases) {
        MarkingList list;
        fill(list, CountBoxMode::OneBox, {{c.text, "1", ""}, {"X", "", ""}});
        FakeSpreadsheetHost host;
        host.setColumnWidth(3, c.current);
        ASSERT_TRUE(sheet::runTransfer(host, list, {3, 1, 0, false, true, false}).done);
        EXPECT_DOUBLE_EQ(host.columnWidth(3), c.expected) << c.text << " " << c.current;
        EXPECT_DOUBLE_EQ(host.columnWidth(4), sheet::kExtraColumnWidth);
        EXPECT_DOUBLE_EQ(host.columnWidth(5), sheet::kExtraColumnWidth);
    }
}

TEST(Transfer, FailureKeepsWhatWasWritten)
{
    MarkingList list;
    fill(list, CountBoxMode::OneBox, {{"A1", "", ""}, {"A2", "", ""}, {"A3", "", ""}});
    FakeSpreadsheetHost host;
    // select, text format, centre, row 1, row 2, then the spreadsheet fails
    host.failAfter = 5;
    const auto result = sheet::runTransfer(host, list, {1, 1, 1, false, false, false});
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.rowsWritten, 2);
    EXPECT_EQ(at(host, 1, 1), "A1");
    EXPECT_EQ(at(host, 1, 3), "A2");
    EXPECT_EQ(at(host, 1, 5), "");
    EXPECT_EQ(list.rowCount(), 3);
}

TEST(Transfer, ColumnAndRowBoxes)
{
    const std::pair<const char*, int> columns[] = {
        {"1", 1}, {"27", 27}, {"100", 100}, {"05", 5}, {"A", 1}, {"Z", 26}, {"AA", 27},
        {"BZ", 78}, {"CA", 79}, {"CV", 100}, {"CW", 0}, {"DA", 0}, {"101", 0}, {"0", 0},
        {"ABC", 0}, {"A1", 0}, {"", 0}, {"a", 0}};
    for (const auto& [text, expected] : columns)
        EXPECT_EQ(sheet::transferColumnFromBox(text).value_or(0), expected) << text;

    const std::pair<const char*, int> rows[] = {
        {"1", 1}, {"8", 8}, {"9999", 9999}, {"0", 0}, {"05", 0}, {"", 0}, {"1a", 0}};
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(sheet::transferRowFromBox(text).value_or(0), expected) << text;

    EXPECT_TRUE(sheet::isTransferColumnKey('Q'));
    EXPECT_FALSE(sheet::isTransferColumnKey('q'));
    EXPECT_FALSE(sheet::isTransferRowKey('A'));
}

TEST(Transfer, CellFollowNamesTheColumnUpToCV)
{
    EXPECT_EQ(sheet::cellFollow({28, 7}).column, "AB");
    EXPECT_EQ(sheet::cellFollow({28, 7}).row, "7");
    EXPECT_EQ(sheet::cellFollow({102, 3}).column, "CV");
}
