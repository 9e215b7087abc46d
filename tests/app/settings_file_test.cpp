#include "app/settings_file.h"
#include "files/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("velmora-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        path = dir / app::SettingsFile::fileName();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    void writeLines(int count, const std::string& prefix = "L")
    {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i)
            lines.push_back(prefix + std::to_string(i));
        ASSERT_EQ(files::writeWholeFile(path, files::joinLines(lines)), "");
    }
    std::filesystem::path dir;
    std::filesystem::path path;
};

}  // namespace

TEST_F(SettingsFileTest, ShortFileIsPaddedTo51AndSavedPadded)
{
    writeLines(10);
    app::SettingsFile settings;
    ASSERT_TRUE(settings.load(path));
    settings.padShortImage();
    EXPECT_EQ(settings.lineCount(), 51);
    ASSERT_EQ(settings.save(path), "");
    EXPECT_EQ(files::splitLines(*files::readWholeFile(path).bytes).size(), 51u);
}

TEST_F(SettingsFileTest, FiftyLinesStayFifty)
{
    writeLines(50);
    app::SettingsFile settings;
    ASSERT_TRUE(settings.load(path));
    settings.padShortImage();
    EXPECT_EQ(settings.lineCount(), 50);
}

TEST_F(SettingsFileTest, LinesPastFiftySurviveASave)
{
    writeLines(60);
    app::SettingsFile settings;
    ASSERT_TRUE(settings.load(path));
    settings.padShortImage();
    settings.setTextRegister(0, "A-register");
    ASSERT_EQ(settings.save(path), "");
    app::SettingsFile again;
    ASSERT_TRUE(again.load(path));
    EXPECT_EQ(again.lineCount(), 60);
    EXPECT_EQ(again.line(20), "A-register");
    EXPECT_EQ(again.line(59), "L59");
}

TEST_F(SettingsFileTest, NamedLinesAndWholeLineChecks)
{
    app::SettingsFile settings;
    settings.setLine(47, "CHECK8 ");
    settings.setLine(48, "CHECK35");
    EXPECT_FALSE(settings.historyMode());
    EXPECT_TRUE(settings.transferInsertMode());
    settings.setHistoryMode(true);
    EXPECT_EQ(settings.line(47), "CHECK8");
    settings.setSerialDefinition(19, "A-Z");
    settings.setTextRegister(25, "Z");
    settings.setDestinationTable("Table 3");
    EXPECT_EQ(settings.line(19), "A-Z");
    EXPECT_EQ(settings.line(45), "Z");
    EXPECT_EQ(settings.line(46), "Table 3");
    EXPECT_EQ(settings.line(1000), "");
}

TEST_F(SettingsFileTest, MissingFileLoadsNothingAndNewFileHas51EmptyLines)
{
    app::SettingsFile settings;
    EXPECT_FALSE(settings.load(path));
    ASSERT_EQ(app::SettingsFile::writeNewFile(path), "");
    ASSERT_TRUE(settings.load(path));
    EXPECT_EQ(settings.lineCount(), 51);
    std::string expected;
    for (int i = 0; i < 51; ++i)
        expected += "\r\n";
    EXPECT_EQ(*files::readWholeFile(path).bytes, expected);
}

TEST_F(SettingsFileTest, HostileContentLoads)
{
    std::string bytes(1 << 20, '\x81');  // a megabyte of lone lead bytes on one line
    bytes += std::string("\r\n\xFF\xFE\x00\x80\r\n", 8);
    for (int i = 0; i < 100000; ++i)
        bytes += "x\n";
    ASSERT_EQ(files::writeWholeFile(path, bytes), "");
    app::SettingsFile settings;
    ASSERT_TRUE(settings.load(path));
    EXPECT_EQ(settings.lineCount(), 100002);
    EXPECT_EQ(settings.line(0).size(), size_t{1} << 20);
}
