#include "ctk/import.h"
#include "ctk_fixtures.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

#include <fstream>

using ctk::ImportOutcome;
using marking_list::MarkingList;

namespace {

std::string lines(int count, const char* prefix = "W")
{
    std::string bytes;
    for (int i = 1; i <= count; ++i)
        bytes += prefix + std::to_string(i) + "\t1\t\r\n";
    return bytes;
}

std::string windowsFile(int rows)
{
    std::string bytes = "[Condition]\r\nFileType=1\r\nFileMode=0\r\nVersion=2\r\nFontFlag=1\r\n"
                        "TableNo=1\r\nColumn=1\r\n[MarkingData]\r\n";
    for (int i = 1; i <= rows; ++i)
        bytes += std::to_string(i) + "\tT" + std::to_string(i) + std::string(10, '\t') + "\r\n";
    return bytes;
}

}  // namespace

TEST(CtkImport, WritesRowsFromRowOne)
{
    MarkingList list;
    const auto result = ctk::importCtk(list, "A-1\t5\t\r\n\\[1\\]X\t2\tF\r\n");
    EXPECT_EQ(result.outcome, ImportOutcome::Imported);
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(list.row(1), (std::vector<std::string>{"A-1", "5", ""}));
    EXPECT_EQ(list.row(2), (std::vector<std::string>{sj("【1】X"), "2", "F"}));
    EXPECT_EQ(list.nextFreeRow(), 3);
}

TEST(CtkImport, WindowsFontSetsTextAndCountOnly)
{
    MarkingList list;
    list.setCell(3, 1, "keep");
    const auto result = ctk::importCtk(list, ctkFixtureBytes("orange_windows_table2.cta"));
    EXPECT_EQ(result.outcome, ImportOutcome::Imported);
    EXPECT_EQ(result.variant, ctk::FontVariant::WindowsFont);
    EXPECT_EQ(list.row(1), (std::vector<std::string>{sj("漢字"), "3", "keep"}));
    EXPECT_EQ(list.nextFreeRow(), 4);  // the empty row's line gives an empty last row
}

TEST(CtkImport, RowLimitsOfTheTwoVariants)
{
    struct Case {
        std::string bytes;
        ImportOutcome outcome;
        int rows;
        int limit;
    };
    const Case cases[] = {
        {lines(1000), ImportOutcome::Imported, 1000, 1000},
        {lines(1001), ImportOutcome::LimitReached, 1000, 1000},
        {lines(5000), ImportOutcome::LimitReached, 1000, 1000},
        {windowsFile(100), ImportOutcome::Imported, 100, 100},
        {windowsFile(101), ImportOutcome::LimitReached, 100, 100},
    };
    for (const Case& c : cases) {
        MarkingList list;
        const auto result = ctk::importCtk(list, c.bytes);
        EXPECT_EQ(result.outcome, c.outcome) << c.rows;
        EXPECT_EQ(result.rows, c.rows);
        EXPECT_EQ(result.limit, c.limit);
        EXPECT_EQ(list.nextFreeRow(), c.rows + 1);
        EXPECT_EQ(list.cell(2, c.rows), c.limit == 100 ? std::to_string(c.rows) : "1");
    }
}

TEST(CtkImport, RefusalsLeaveTheListEmpty)
{
    const std::string multi = "[Condition]\r\nFileType=1\r\nFileMode=0\r\nVersion=2\r\n"
                              "FontFlag=1\r\nTableNo=1\r\nColumn=2\r\n[MarkingData]\r\n3\tA\r\n";
    const std::string flag2 = "[Condition]\r\nFileType=1\r\nFileMode=0\r\nVersion=2\r\n"
                              "FontFlag=2\r\nTableNo=1\r\nColumn=1\r\n[MarkingData]\r\n3\tA\r\n";
    const std::pair<std::string, ImportOutcome> cases[] = {
        {multi, ImportOutcome::MultiRowRefused},
        {flag2, ImportOutcome::UnknownFontFlag},
        {std::string("A\t1\0\t", 5), ImportOutcome::NotText},
        {"A\x81\t1\t", ImportOutcome::NotText},  // a lead byte without its second byte
        {"", ImportOutcome::Imported},
    };
    for (const auto& [bytes, outcome] : cases) {
        MarkingList list;
        EXPECT_EQ(ctk::importCtk(list, bytes).outcome, outcome);
        EXPECT_TRUE(list.isEmpty());
    }
}

TEST(CtkImport, FilesThatCannotBeRead)
{
    const auto dir = std::filesystem::temp_directory_path() / "velmora_import_test";
    std::filesystem::create_directories(dir);
    MarkingList list;
    EXPECT_EQ(ctk::importCtkFile(list, dir / "missing.ctk").outcome, ImportOutcome::NotFound);
    EXPECT_EQ(ctk::importCtkFile(list, dir).outcome, ImportOutcome::Unreadable);
    {
        std::ofstream big(dir / "big.ctk", std::ios::binary);
        const std::string chunk(1 << 20, 'x');  // no line end anywhere
        for (int i = 0; i < 50; ++i)
            big << chunk;
    }
    EXPECT_EQ(ctk::importCtkFile(list, dir / "big.ctk").outcome, ImportOutcome::TooLarge);
    EXPECT_TRUE(list.isEmpty());
    std::filesystem::remove_all(dir);
}

TEST(CtkImport, LongLineWithoutLineEndIsOneRow)
{
    MarkingList list;
    const std::string line(1 << 20, 'x');
    const auto result = ctk::importCtk(list, line);
    EXPECT_EQ(result.rows, 1);
    EXPECT_EQ(list.cell(3, 1).size(), line.size());  // no TAB: everything is the numbering
}
