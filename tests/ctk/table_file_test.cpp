#include "ctk/table_file.h"
#include "ctk_fixtures.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

#include <fstream>

using ctk::parseTableLine;

namespace {

std::vector<std::string> items(std::string_view line)
{
    return parseTableLine(line).columns;
}

using Items = std::vector<std::string>;

}  // namespace

TEST(TableLine, SplitsItems)
{
    struct Case {
        const char* line;
        Items expected;
    };
    const Case cases[] = {
        {"a,b,c", {"a", "b", "c"}},
        {"a b\tc", {"a", "b", "c"}},                 // unquoted blanks and controls separate
        {"  a , b  ,c  ", {"a", "b", "c"}},          // blanks around items are skipped
        {"a,,b", {"a", "", "b"}},
        {"a,  ,b", {"a", "", "b"}},                  // only blanks between two commas
        {"a,b,", {"a", "b", ""}},                    // a comma at the very end adds one item
        {"a,b,  ", {"a", "b"}},                      // ...but not when blanks follow it
        {"\"x, y\",z", {"x, y", "z"}},               // quotes keep commas and blanks
        {"\"say \"\"hi\"\"\",z", {"say \"hi\"", "z"}},
        {"\"open, never closed", {"open, never closed"}},
        {"\"ab\"cd,e", {"ab", "cd", "e"}},
        {"", {}},
        {"    ", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(items(c.line), c.expected) << c.line;
    EXPECT_EQ(items(std::string_view("a\0b,c", 5)), Items{"a"});
}

TEST(TableLine, FirstRunOfFiveBlanksBecomesUnderscore)
{
    EXPECT_EQ(items("1,     ,2"), (Items{"1", "_", "2"}));
    // Only the first run: the second one separates like any blanks.
    EXPECT_EQ(items("a     b     c"), (Items{"a_b", "c"}));
    // Seven blanks: five become "_", two stay and separate.
    EXPECT_EQ(items("\"n       m\""), (Items{"n_  m"}));
    EXPECT_EQ(items("a    b"), (Items{"a", "b"}));  // four blanks are no run
}

TEST(TableLine, StepsOverDoubleByteCharacters)
{
    // "ソ" ends in 0x5C ("\"), "ー" in 0x5B; neither may split or end an item.
    const std::string so = sj("ソ表ー");
    EXPECT_EQ(items(so + "," + sj("用")), (Items{so, sj("用")}));
    EXPECT_EQ(items("\"" + sj("能 力") + "\""), Items{sj("能 力")});
    // A lead byte at the very end stands alone and does not run past the line.
    EXPECT_EQ(items("a,\x81"), (Items{"a", "\x81"}));
}

TEST(TableFile, ParsesTheTwentyTableFixture)
{
    const auto records = twentyTables();
    ASSERT_EQ(records.size(), 20u);
    EXPECT_EQ(records[0].name(), sj("TB用"));
    EXPECT_EQ(records[0].workMode(), "3");
    EXPECT_EQ(records[0].columns.size(), 24u);
    EXPECT_EQ(records[1].name(), "_");
    EXPECT_EQ(records[1].hosei(), "98.5");
    EXPECT_EQ(records[2].name(), sj("TB 8mm 用"));
    EXPECT_EQ(records[3].name(), "A,B \"x\"");
    EXPECT_EQ(records[4].tableNumber(), "5");
    EXPECT_EQ(records[4].name(), "T5");
    EXPECT_EQ(records[4].workMode(), "3");
    EXPECT_EQ(records[4].workLength(), "50");
    EXPECT_EQ(records[19].tableNumber(), "20");
    EXPECT_EQ(records[19].column(23), "12");
    EXPECT_EQ(records[19].column(24), "");  // a missing column reads empty
}

TEST(TableFile, LoadReportsWhatItFound)
{
    const auto dir = std::filesystem::temp_directory_path() / "velmora_table_file_test";
    std::filesystem::create_directories(dir);
    auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    };
    EXPECT_EQ(ctk::loadTableFile(dir / "missing.sp3").outcome, ctk::TableLoad::NotFound);

    const auto ok = ctk::loadTableFile(ctkFixture("tables3.sp3"));
    EXPECT_EQ(ok.outcome, ctk::TableLoad::Loaded);
    EXPECT_EQ(ok.records.size(), 3u);

    EXPECT_EQ(ctk::loadTableFile(write("binary.sp3", std::string("1,2\0\xff\x01", 6))).outcome,
              ctk::TableLoad::NotText);
    EXPECT_EQ(ctk::loadTableFile(write("bad.sp3", "1,\x81\x20")).outcome, ctk::TableLoad::NotText);
    EXPECT_EQ(ctk::loadTableFile(write("huge.sp3", std::string(ctk::TableFile::kMaxBytes + 1, '1')))
                  .outcome,
              ctk::TableLoad::TooLarge);
    // Lone CRs and no final line end still separate lines.
    const auto cr = ctk::loadTableFile(write("cr.sp3", "1,0,0,7\r2,0,0,8\n3,0,0,9"));
    ASSERT_EQ(cr.records.size(), 3u);
    EXPECT_EQ(cr.records[2].tableNumber(), "9");
    std::filesystem::remove_all(dir);
}
