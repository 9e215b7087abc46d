#include "files/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

class WholeFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("velmora-files-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override
    {
        std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(dir);
    }
    std::filesystem::path dir;
};

}  // namespace

TEST(SplitLines, AcceptsEveryLineEnd)
{
    using V = std::vector<std::string>;
    EXPECT_EQ(files::splitLines("a\r\nb\r\n"), (V{"a", "b"}));
    EXPECT_EQ(files::splitLines("a\nb\rc"), (V{"a", "b", "c"}));
    EXPECT_EQ(files::splitLines("a\r\n\r\n"), (V{"a", ""}));
    EXPECT_EQ(files::splitLines(""), V{});
    EXPECT_EQ(files::joinLines({"a", ""}), "a\r\n\r\n");
}

TEST_F(WholeFileTest, WritesWholeAndReplaces)
{
    const auto path = dir / "f.txt";
    ASSERT_EQ(files::writeWholeFile(path, "old"), "");
    ASSERT_EQ(files::writeWholeFile(path, "new"), "");
    EXPECT_EQ(*files::readWholeFile(path).bytes, "new");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no temp left
}

TEST_F(WholeFileTest, FailedReplaceLeavesNoTemporaryFile)
{
    // A folder where the file should go cannot be replaced, even by root.
    const auto path = dir / "f.txt";
    std::filesystem::create_directories(path / "inside");
    EXPECT_NE(files::writeWholeFile(path, "new"), "");
    EXPECT_TRUE(std::filesystem::is_directory(path / "inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(WholeFileTest, WriteIntoMissingFolderFails)
{
    EXPECT_NE(files::writeWholeFile(dir / "no" / "such" / "f.txt", "x"), "");
}

TEST_F(WholeFileTest, ReadReportsMissingAndTooLarge)
{
    EXPECT_EQ(files::readWholeFile(dir / "none").error, files::ReadError::NotFound);
    ASSERT_EQ(files::writeWholeFile(dir / "big", std::string(1000, 'x')), "");
    const auto read = files::readWholeFile(dir / "big", 999);
    EXPECT_FALSE(read.bytes);
    EXPECT_EQ(read.error, files::ReadError::TooLarge);
}
