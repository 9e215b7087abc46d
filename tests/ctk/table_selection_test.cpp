#include "ctk/applied_conditions.h"
#include "ctk/condition_template.h"
#include "ctk/table_selection.h"
#include "ctk_fixtures.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using ctk::AppliedConditions;
using ctk::Rgb;

TEST(TableSelector, ItemsNameTheTableAndItsPosition)
{
    const auto items = ctk::selectorItems(twentyTables());
    ASSERT_EQ(items.size(), 20u);
    EXPECT_EQ(items[0], sj("TB用 (Table1)"));
    EXPECT_EQ(items[1], "_ (Table2)");
    EXPECT_EQ(items[2], sj("TB 8mm 用 (Table3)"));  // a quoted blank stays in the selector
    EXPECT_EQ(items[19], "T20 (Table20)");
}

TEST(TableSelector, ColoursAndAppliedRecord)
{
    EXPECT_EQ(ctk::selectorColour(0), (Rgb{170, 255, 213}));
    EXPECT_EQ(ctk::selectorColour(1), (Rgb{255, 251, 170}));
    EXPECT_EQ(ctk::selectorColour(6), (Rgb{255, 85, 85}));
    EXPECT_EQ(ctk::selectorColour(10), (Rgb{85, 255, 85}));
    EXPECT_EQ(ctk::selectorColour(18), (Rgb{173, 215, 87}));
    EXPECT_EQ(ctk::selectorColour(19), (Rgb{138, 204, 136}));
    // Past the marker's twenty tables the first table is applied, with its colour.
    EXPECT_EQ(ctk::appliedRecordIndex(19), 19);
    EXPECT_EQ(ctk::appliedRecordIndex(20), 0);
    EXPECT_EQ(ctk::selectorColour(20), ctk::selectorColour(0));
    // Every one of the twenty tables has a colour of its own.
    for (int i = 0; i < 20; ++i)
        for (int j = i + 1; j < 20; ++j)
            EXPECT_NE(ctk::selectorColour(i), ctk::selectorColour(j)) << i << " " << j;
}

TEST(DestinationTable, AcceptsOnlyItsItems)
{
    EXPECT_TRUE(ctk::isDestinationItem("Table 0"));
    EXPECT_TRUE(ctk::isDestinationItem("Table 20"));
    for (const char* text : {"Table 21", "Table 05", "table 5", "Table5", " Table 5", ""})
        EXPECT_FALSE(ctk::isDestinationItem(text)) << text;
}

TEST(DestinationTable, PicksTheTableNumberRecord)
{
    struct Case {
        int selected;
        const char* destination;
        int record;
    };
    const Case cases[] = {
        {1, "", 1},  {1, "Table 0", 1}, {1, "Table 5", 4}, {3, "Table 1", 0},
        {3, "Table 20", 19}, {3, "Table 21", 0}, {3, "junk", 0}, {22, "", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ctk::tableNumberRecordIndex(c.selected, c.destination), c.record)
            << c.selected << " " << c.destination;
}

TEST(AppliedConditions, FillsEveryValuedLineFromTheRecord)
{
    const auto records = twentyTables();
    AppliedConditions conditions;
    EXPECT_TRUE(conditions.empty());
    conditions.fill(records, 1, "Table 5");
    ASSERT_EQ(conditions.lines().size(), 63u);
    // The table number of the fifth line, every other value of the second.
    EXPECT_EQ(conditions.line(5), "TableNo=5");
    EXPECT_EQ(conditions.line(34), "TableNo=5");
    EXPECT_EQ(conditions.line(6), "Comment=_");
    EXPECT_EQ(conditions.line(40), "Comment=     _");
    EXPECT_EQ(conditions.line(8), "WorkMode=2");
    EXPECT_EQ(conditions.line(9), "WorkLength=25");
    EXPECT_EQ(conditions.line(18), "PitchY= 2.0");
    EXPECT_EQ(conditions.line(52), "PitchY=2.0");
    EXPECT_EQ(conditions.line(19), "Hosei=98.5");
    EXPECT_EQ(conditions.line(53), "Hosei=98.5");
    EXPECT_EQ(conditions.line(36), sj("FontName=ＭＳ Ｐゴシック"));
    // Lines n and n + 34 of the two blocks carry the same key and value.
    for (int n = 7; n <= 25; ++n) {
        std::string marker = conditions.line(n);
        if (n == 18)
            marker.erase(7, 1);
        EXPECT_EQ(marker, conditions.line(n + 34)) << n;
    }
    EXPECT_TRUE(conditions.allowsFeedCorrection());
    EXPECT_FALSE(conditions.closesWithExtraPiece());

    conditions.fill(records, 1, "Table 0");
    EXPECT_EQ(conditions.line(5), "TableNo=2");
}

TEST(AppliedConditions, ShortFilesAndShortLinesLeaveValuesEmpty)
{
    const auto records = ctk::parseTableFile(ctkFixtureBytes("tables3.sp3"));
    AppliedConditions conditions;
    conditions.fill(records, 1, "Table 5");  // no fifth line
    EXPECT_EQ(conditions.line(5), "TableNo=");
    conditions.fill({ctk::parseTableLine("1,0,0,7,N,3")}, 0, "");
    EXPECT_EQ(conditions.line(8), "WorkMode=3");
    EXPECT_EQ(conditions.line(19), "Hosei=");
    EXPECT_EQ(conditions.line(59), "SetCount=");
    EXPECT_TRUE(conditions.closesWithExtraPiece());
}

TEST(AppliedConditions, AdjustmentsWriteBothBlocks)
{
    AppliedConditions conditions;
    conditions.setHosei("105");  // no table: nothing to adjust
    EXPECT_TRUE(conditions.empty());
    conditions.fill(twentyTables(), 0, "");
    EXPECT_EQ(conditions.workLengthValue(), "30");
    conditions.setWorkLength("1200");
    conditions.setHosei("101.4");
    conditions.setTableNumber("7");
    EXPECT_EQ(conditions.line(5), "TableNo=7");
    EXPECT_EQ(conditions.line(34), "TableNo=7");
    EXPECT_EQ(conditions.line(9), "WorkLength=1200");
    EXPECT_EQ(conditions.line(43), "WorkLength=1200");
    EXPECT_EQ(conditions.line(19), "Hosei=101.4");
    EXPECT_EQ(conditions.line(53), "Hosei=101.4");
    EXPECT_EQ(conditions.workLengthValue(), "1200");
}
