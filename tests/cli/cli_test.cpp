#include "cli/cli_runner.h"
#include "files/whole_file.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

std::string fixture(const char* name)
{
    return (std::filesystem::path(VELMORA_FIXTURES_DIR) / "ctk" / name).string();
}

std::string fixtureBytes(const char* name)
{
    return files::readWholeFile(fixture(name)).bytes.value_or("");
}

class CliFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("velmora-cli-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string path(const char* name) const { return (dir / name).string(); }
    std::filesystem::path dir;
};

}  // namespace

TEST(CliExpand, RangesTextsAndCountsGiveTheGeneratorsRows)
{
    const auto run = runCli({"expand", "--range1", "1-3", "--text1", "-R", "--count", "2"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "1-R\t2\t\n2-R\t2\t\n3-R\t2\t\n");

    // The same input as one register text.
    EXPECT_EQ(runCli({"expand", "--entry", "[1-3]-R[][]", "--count", "2"}).out, run.out);
}

TEST(CliExpand, PairsLayoutsAndJapanese)
{
    const auto pair = runCli({"expand", "--layout", "3box", "--range1", "R S", "--text1", "-端子",
                              "--count", "1", "--count2", "2"});
    EXPECT_EQ(pair.status, 0) << pair.err;
    EXPECT_EQ(pair.out, "R-端子\t1\t2\t\t\nS-端子\t1\t2\t\t\n");
}

TEST(CliExpand, RefusalsAndUsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"expand", "--text1", "A😀"}, 1, "--text1"},
        {{"expand"}, 1, "nothing to generate"},
        {{"expand", "--layout", "4box", "--text1", "A"}, 2, "--layout"},
        {{"expand", "--colour", "red"}, 2, "unknown option"},
        {{"expand", "--entry", "[1-2]", "--text1", "A"}, 2, "--entry"},
        {{"expand", "--range1"}, 2, "needs a value"},
        {{"nonsense"}, 2, "unknown command"},
        {{}, 2, "Usage"},
    };
    for (const auto& c : cases) {
        const auto run = runCli(c.args);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.message;
    }
}

TEST(CliExpand, StopsAtRowThousandWithTheWindowsMessage)
{
    const auto run = runCli({"expand", "--range1", "1-1200", "--count", "1"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1000);
    EXPECT_EQ(run.err, "マーキングデータが1000行になりました\n");
}

TEST(CliCtk, WritesTheSameBytesAsTheOrangeWindow)
{
    struct Case {
        std::string rows;
        const char* table;
        const char* expected;
    };
    const Case cases[] = {
        {"A1\t5\t\nA2\t5\t\n", "1", "orange_marker_table1.cta"},
        {"A1\t5\t\r\nA2\t5\t\r\n", "2", "orange_marker_table2.cta"},
        {"漢字\t3\tF\nB\t2\t\n", "2", "orange_windows_table2.cta"},  // full width: Windows font
    };
    for (const auto& c : cases) {
        const auto run =
            runCli({"ctk", "--table-file", fixture("tables20.sp3"), "--table", c.table}, c.rows);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, fixtureBytes(c.expected)) << c.expected;
    }
}

TEST(CliCtk, WithoutTableAndThreeBoxCountColumn)
{
    auto run = runCli({"ctk"}, "A1\t5\t\n");
    EXPECT_EQ(run.out, "A1\t5\t\r\n\t\t\r\n");
    run = runCli({"ctk", "--layout", "3box", "--count-column", "2"}, "X1\t1\t2\t3\tN\n");
    EXPECT_EQ(run.out, "X1\t2\tN\r\n\t\t\r\n");

    run = runCli({"ctk"}, sj("漢字") + "\t1\n");  // not UTF-8: refused, nothing written
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    run = runCli({"ctk"}, "漢字\t1\n");  // full width needs a table
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "テーブルファイル(velmorad.sp3)がありませんので\r\nWindows フォントでの保存はできません\n");
}

TEST(CliCtk, AdjustmentsReachTheConditionLines)
{
    const auto run = runCli({"ctk", "--table-file", fixture("tables20.sp3"), "--table", "2",
                             "--work-length", "1200", "--hosei", "100.0"},
                            "A1\t5\t\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("WorkLength=1200\r\n"), std::string::npos);
    EXPECT_NE(run.out.find("Hosei=100\r\n"), std::string::npos);

    const auto out = runCli({"ctk", "--table-file", fixture("tables20.sp3"), "--table", "2",
                             "--hosei", "79.9"},
                            "A1\t5\t\n");
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.err, "送り補正の範囲を超えています（長さ設定を変更してください）\n");
}

TEST_F(CliFiles, CtkFileImportsBackAndBadFilesAreRefused)
{
    const std::string rows = "A-1\t5\t\n【1】X\t2\tF\n";
    auto run = runCli({"ctk", "-o", path("out.ctk")}, rows);
    ASSERT_EQ(run.status, 0) << run.err;
    run = runCli({"import", path("out.ctk")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, rows + "\t\t\n");  // the orange file ends with the empty row's line

    ASSERT_EQ(files::writeWholeFile(path("binary.ctk"), std::string("\0\xFF\x81\r\x00", 5)), "");
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"import", path("binary.ctk")},
             {"import", path("missing.ctk")},
             {"tables", path("missing.sp3")},
             {"ctk", path("missing.txt")},
             {"ctk", "-o", path("no/such/folder/x.ctk")}}) {
        run = runCli(args, "A\t1\n");
        EXPECT_EQ(run.status, 1) << args[1];
        EXPECT_FALSE(run.err.empty()) << args[1];
    }
}

TEST(CliTables, ListsTheSelectorItems)
{
    const auto run = runCli({"tables", fixture("tables3.sp3")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);
    EXPECT_NE(run.out.find(" (Table1)\n"), std::string::npos);
    EXPECT_NE(run.out.find(" (Table3)\n"), std::string::npos);
}

TEST(CliFeedCorrection, PrintsThePercentageBoxText)
{
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"210", "200", "100"}, "105\n"},
        {{"203", "200", "100"}, "101.4\n"},
        {{"57", "50", "100"}, "114\n"},
        {{"200", "203", "100"}, "98.5\n"},
    };
    for (const auto& [v, expected] : cases) {
        const auto run = runCli({"feed-correction", "--terminal", v[0], "--strip", v[1],
                                 "--table-hosei", v[2]});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, expected);
    }
    const auto out = runCli({"feed-correction", "--terminal", "250", "--strip", "200",
                             "--table-hosei", "100"});
    EXPECT_EQ(out.status, 1);
    EXPECT_EQ(out.err, "送り補正の範囲を超えています（長さ設定を変更してください）\n");
    EXPECT_EQ(runCli({"feed-correction", "--terminal", "250"}).status, 2);
}

TEST(CliHelp, ExplainsEveryCommand)
{
    for (const char* command : {"expand", "ctk", "import", "tables", "feed-correction"}) {
        const auto run = runCli({command, "--help"});
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("velmora-cli " + std::string(command)), std::string::npos);
        EXPECT_NE(run.out.find("Example"), std::string::npos) << command;
    }
}
