#include "office_fixture.h"

#include "calc/units.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using calc_testing::CalcSuite;
using sheet::CellRef;
using sheet::SpreadsheetError;
using sheet::SpreadsheetEventKind;

namespace {

class CalcHostTest : public CalcSuite {};

using Block = std::vector<std::vector<std::string>>;

}  // namespace

TEST(CalcUnits, ConversionRules)
{
    struct Case {
        double hundredths;
        double characters;
        double points;
    };
    const Case cases[] = {{195.8, 1, 5.5502}, {2540, 12.9724, 72}, {1958, 10, 55.5024},
                          {0, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_NEAR(calc::hundredthMmToCharacters(c.hundredths), c.characters, 1e-4);
        EXPECT_NEAR(calc::charactersToHundredthMm(c.characters), c.hundredths, 1e-2);
        EXPECT_NEAR(calc::hundredthMmToPoints(c.hundredths), c.points, 1e-4);
        EXPECT_NEAR(calc::pointsToHundredthMm(c.points), c.hundredths, 1e-2);
    }
}

TEST_F(CalcHostTest, CellsAndBlocksKeepText)
{
    host().setCellText({1, 1}, "0042");
    host().setCellText({2, 1}, sj("端子台【1】"));
    EXPECT_EQ(host().cellText({1, 1}), "0042");
    EXPECT_EQ(host().cellText({2, 1}), sj("端子台【1】"));
    host().setCellText({2, 1}, "");
    EXPECT_EQ(host().cellText({2, 1}), "");

    const Block block{{"A", sj("盤"), "007"}, {"1.50", "", "x"}, {"last"}};
    host().setBlockText({3, 10}, block);
    const Block expected{{"A", sj("盤"), "007"}, {"1.50", "", "x"}, {"last", "", ""}};
    EXPECT_EQ(host().blockText({3, 10}, {5, 12}), expected);
    EXPECT_EQ(host().cellText({5, 12}), "");
}

TEST_F(CalcHostTest, SelectionAndActiveCell)
{
    host().setCellText({2, 3}, "here");
    host().selectRange({2, 3}, {2, 7});
    EXPECT_EQ(host().activeCell(), (CellRef{2, 3}));
    EXPECT_EQ(host().activeCellValue(), "here");
    const auto rows = host().selectedRows();
    EXPECT_EQ(rows.firstRow, 3);
    EXPECT_EQ(rows.rowCount, 5);

    host().selectRange({102, 40}, {102, 40});
    EXPECT_EQ(host().activeCell(), (CellRef{102, 40}));
    EXPECT_THROW(host().selectRange({0, 1}, {1, 1}), SpreadsheetError);
}

TEST_F(CalcHostTest, InsertCellsMovesOnlyTheRangeColumnsDown)
{
    host().setBlockText({1, 1}, Block{{"a1", "b1", "c1"}, {"a2", "b2", "c2"}});
    host().insertCellsShiftDown({1, 1}, {2, 3});
    EXPECT_EQ(host().blockText({1, 1}, {3, 5}),
              (Block{{"", "", "c1"}, {"", "", "c2"}, {"", "", ""}, {"a1", "b1", ""}, {"a2", "b2", ""}}));
}

TEST_F(CalcHostTest, FormatsTextCentredWrapped)
{
    EXPECT_NE(host().cellStyle({2, 2}).numberFormat, "@");
    host().setTextFormat({2, 2}, {3, 4});
    host().setCentred({2, 2}, {2, 2});
    host().setWrapText({3, 4}, {3, 4});
    EXPECT_EQ(host().cellStyle({3, 4}).numberFormat, "@");
    EXPECT_TRUE(host().cellStyle({2, 2}).centred);
    EXPECT_FALSE(host().cellStyle({3, 4}).centred);
    EXPECT_TRUE(host().cellStyle({3, 4}).wrapped);
    EXPECT_FALSE(host().cellStyle({2, 2}).wrapped);
    EXPECT_NE(host().cellStyle({4, 4}).numberFormat, "@");
}

TEST_F(CalcHostTest, WidthsHeightsAndMarginsInCharactersAndPoints)
{
    host().setColumnWidth(3, 10);
    host().setRowHeight(4, 20);
    EXPECT_NEAR(host().columnWidth(3), 10, 0.01);
    EXPECT_NEAR(host().rowHeight(4), 20, 0.03);  // Calc keeps 1/100 mm: 0.028 pt
    EXPECT_GT(std::abs(host().columnWidth(2) - 10), 0.5) << "other columns keep their width";

    host().setPageMargins({36, 54, 72, 18});
    const auto m = host().pageMargins();
    EXPECT_NEAR(m.left, 36, 0.03);
    EXPECT_NEAR(m.right, 54, 0.03);
    EXPECT_NEAR(m.top, 72, 0.03);
    EXPECT_NEAR(m.bottom, 18, 0.03);
}

TEST_F(CalcHostTest, OpensExcelAndOdfWorkbooks)
{
    for (const char* name : {"three_sheets.xls", "three_sheets.xlsx", "three_sheets.ods"}) {
        host().openWorkbook(fixtureCopy(name));
        EXPECT_EQ(host().activeWorkbookName(), name);
        EXPECT_EQ(host().sheetNames(), (std::vector<std::string>{sj("一覧"), "Two", "Three"}));
        EXPECT_EQ(host().activeSheetName(), sj("一覧"));
        EXPECT_EQ(host().blockText({1, 1}, {2, 2}),
                  (Block{{"0042", "42"}, {sj("端子台"), "1.5"}}));
        host().closeActiveWorkbook();
    }
    EXPECT_THROW(host().openWorkbook("/no/such/file.xls"), SpreadsheetError);
}

TEST_F(CalcHostTest, SheetsActivateAndRename)
{
    host().openWorkbook(fixtureCopy("three_sheets.ods"));
    host().activateSheet("Two");
    EXPECT_EQ(host().activeSheetName(), "Two");
    EXPECT_EQ(host().cellText({1, 1}), "two");
    EXPECT_THROW(host().activateSheet("Four"), SpreadsheetError);

    host().renameActiveSheet(sj("二番"));
    EXPECT_EQ(host().sheetNames(), (std::vector<std::string>{sj("一覧"), sj("二番"), "Three"}));
    for (const char* refused : {"Three", "a:b", "x[1]", ""})
        EXPECT_THROW(host().renameActiveSheet(refused), SpreadsheetError) << refused;
    EXPECT_EQ(host().activeSheetName(), sj("二番"));
    host().closeActiveWorkbook();
}

TEST_F(CalcHostTest, NewWorkbooksAndClosingTheActiveOne)
{
    const std::string first = host().activeWorkbookName();
    host().newWorkbook();
    const std::string second = host().activeWorkbookName();
    EXPECT_NE(first, second);
    host().closeActiveWorkbook();
    EXPECT_TRUE(host().hasActiveWorkbook());
    EXPECT_NE(host().activeWorkbookName(), second);
}

TEST_F(CalcHostTest, OwnClosesWorkWhileUserClosesAreRefused)
{
    host().setUserCloseRefused(true);
    host().newWorkbook();
    const int before = host().documentCount();
    host().closeActiveWorkbook();
    EXPECT_EQ(host().documentCount(), before - 1);
    host().setUserCloseRefused(false);
}

TEST_F(CalcHostTest, EventsArriveThroughThePostedQueue)
{
    std::vector<SpreadsheetEventKind> heard;
    host().setEventListener([&](const sheet::SpreadsheetEvent& e) {
        heard.push_back(e.kind);
        return false;
    });
    auto saw = [&](SpreadsheetEventKind kind) {
        return std::find(heard.begin(), heard.end(), kind) != heard.end();
    };
    host().selectRange({3, 3}, {3, 3});
    host().selectRange({4, 4}, {4, 4});
    EXPECT_TRUE(heard.empty()) << "nothing is delivered outside the UI thread's queue";
    EXPECT_TRUE(drainUntil([&] { return saw(SpreadsheetEventKind::SheetSelectionChange); }));
    EXPECT_EQ(std::count(heard.begin(), heard.end(), SpreadsheetEventKind::SheetSelectionChange), 1)
        << "repeats of one change arrive once";

    host().setCellText({1, 1}, "changed");
    EXPECT_TRUE(drainUntil([&] { return saw(SpreadsheetEventKind::SheetChange); }));

    host().openWorkbook(fixtureCopy("three_sheets.ods"));
    host().activateSheet("Three");
    EXPECT_TRUE(drainUntil([&] { return saw(SpreadsheetEventKind::SheetActivate); }));
    host().closeActiveWorkbook();
    host().setEventListener(nullptr);
}
