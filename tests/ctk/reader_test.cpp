#include "ctk/reader.h"
#include "ctk_fixtures.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using ctk::Piece;
using ctk::ReadOutcome;

namespace {

std::string header(const char* fontFlag, const char* column)
{
    return std::string("[Condition]\r\nFileType=1\r\nFileMode=0\r\nVersion=2\r\n") + fontFlag +
           "\r\nTableNo=1\r\n" + column + "\r\n[MarkingData]\r\n";
}

}  // namespace

TEST(CtkReader, SplitsMarkerLines)
{
    const std::pair<const char*, Piece> cases[] = {
        {"A\t5\tF", {"A", "5", "F"}},
        {"A\t5\t", {"A", "5", ""}},
        {"\t\t", {"", "", ""}},
        {"A\t5\tF\tG", {"A", "5", "F\tG"}},  // further TABs stay in the numbering
        {"A\t5", {"A", "", "5"}},            // a missing TAB leaves the characters for later
        {"whole", {"", "", "whole"}},
        {"", {"", "", ""}},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(ctk::splitMarkerLine(line), expected) << line;
}

TEST(CtkReader, SplitsWindowsLines)
{
    const std::pair<const char*, Piece> cases[] = {
        {"3\tA\t\t\t", {"A", "3", ""}},
        {"3\tA", {"", "3", ""}},
        {"3", {"", "", ""}},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(ctk::splitWindowsLine(line), expected) << line;
}

TEST(CtkReader, ReplacesEscapedBracketsOnce)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\\[1\\]X", sj("【1】X")},
        {"\\[1\\]X\\[2\\]", sj("【1】X") + "\\[2\\]"},
        {"[\\[1", "[\\[1"},            // the line's first "[" is not after the first "\"
        {"a\\b\\[1]", "a\\b\\[1]"},    // the first "\" is not followed by "["
        {"1\\]", sj("1】")},
        // Bytes are compared: the second byte of "ソ" is a "\".
        {sj("ソ") + "[1", std::string("\x83") + sj("【") + "1"},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(ctk::replaceEscapedBrackets(line), expected) << line;
}

TEST(CtkReader, FindsTheHeaderFromTheSecondLine)
{
    const auto marker = ctk::readCtk(header("FontFlag=0", "Comment=") + "A\t1\tF\r\n", 1000);
    EXPECT_EQ(marker.outcome, ReadOutcome::MarkerFont);
    EXPECT_EQ(marker.rows, (std::vector<Piece>{{"A", "1", "F"}}));

    // "[MarkingData]" on the first line is no header: every line is data, brackets replaced.
    const auto first = ctk::readCtk("[MarkingData]\r\n\\[1\\]X\t2\t\r\n", 1000);
    EXPECT_EQ(first.outcome, ReadOutcome::MarkerFont);
    ASSERT_EQ(first.rows.size(), 2u);
    EXPECT_EQ(first.rows[0], (Piece{"", "", "[MarkingData]"}));
    EXPECT_EQ(first.rows[1], (Piece{sj("【1】X"), "2", ""}));

    // With a header the brackets are taken as they stand.
    const auto kept = ctk::readCtk(header("FontFlag=0", "x") + "\\[1\\]\t2\t", 1000);
    EXPECT_EQ(kept.rows, (std::vector<Piece>{{"\\[1\\]", "2", ""}}));
}

TEST(CtkReader, FontFlagDecidesTheVariant)
{
    const auto windows = ctk::readCtk(header("FontFlag=1", "Column=1") + "3\tA\t\t\r\n", 1000);
    EXPECT_EQ(windows.outcome, ReadOutcome::WindowsFont);
    EXPECT_EQ(windows.rows, (std::vector<Piece>{{"A", "3", ""}}));

    const auto multi = ctk::readCtk(header("FontFlag=1", "Column=2") + "3\tA\r\n", 1000);
    EXPECT_EQ(multi.outcome, ReadOutcome::MultiRowRefused);
    EXPECT_TRUE(multi.rows.empty());

    const auto other = ctk::readCtk(header("FontFlag=2", "Column=1") + "3\tA\r\n", 1000);
    EXPECT_EQ(other.outcome, ReadOutcome::UnknownFontFlag);
    EXPECT_TRUE(other.rows.empty());

    // A header too short to have a line 4 has no font flag.
    EXPECT_EQ(ctk::readCtk("x\r\n[MarkingData]\r\nA\t1\t\r\n", 1000).outcome,
              ReadOutcome::UnknownFontFlag);
}

TEST(CtkReader, ReadsBackWhatTheWriterWrote)
{
    struct Case {
        const char* file;
        ReadOutcome outcome;
        std::vector<Piece> rows;
    };
    const Case cases[] = {
        {"orange_marker_table1.cta", ReadOutcome::MarkerFont,
         {{"A1", "5", ""}, {"A2", "5", ""}, {" ", "1", ""}}},
        {"orange_marker_table2.cta", ReadOutcome::MarkerFont,
         {{"A1", "5", ""}, {"A2", "5", ""}, {"", "", ""}}},
        {"orange_windows_table2.cta", ReadOutcome::WindowsFont,
         {{sj("漢字"), "3", ""}, {"B", "2", ""}, {"", "", ""}}},
        {"blue_save_marker_table1.cta", ReadOutcome::MarkerFont,
         {{"A1", "5", ""}, {"A2", "5", ""}, {"", "", ""}, {" ", "1", ""}}},
    };
    for (const Case& c : cases) {
        const auto read = ctk::readCtk(ctkFixtureBytes(c.file), 1000);
        EXPECT_EQ(read.outcome, c.outcome) << c.file;
        EXPECT_EQ(read.rows, c.rows) << c.file;
    }
}

TEST(CtkReader, LineEndsAndRowLimit)
{
    const auto mixed = ctk::readCtk("a\t1\t\rb\t2\t\nc\t3\t\r\nd\t4\t", 1000);
    ASSERT_EQ(mixed.rows.size(), 4u);
    EXPECT_EQ(mixed.rows[3], (Piece{"d", "4", ""}));

    const auto limited = ctk::readCtk("a\r\nb\r\nc\r\n", 2);
    EXPECT_EQ(limited.rows.size(), 2u);
    EXPECT_TRUE(limited.moreRows);
    EXPECT_FALSE(ctk::readCtk("a\r\nb\r\n", 2).moreRows);
}
