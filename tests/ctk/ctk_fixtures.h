#pragma once

#include "ctk/table_file.h"
#include "files/whole_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// Small table and marking files under tests/fixtures/ctk, written from the file formats.
inline std::filesystem::path ctkFixture(const char* name)
{
    return std::filesystem::path(VELMORA_FIXTURES_DIR) / "ctk" / name;
}

inline std::string ctkFixtureBytes(const char* name)
{
    const files::ReadResult read = files::readWholeFile(ctkFixture(name));
    EXPECT_TRUE(read.bytes.has_value()) << name;
    return read.bytes.value_or(std::string());
}

// The twenty tables: 1 "TB用" WorkMode 3; 2 unnamed (five blanks) WorkMode 2, Hosei 98.5;
// 3 "TB 8mm 用" quoted; 4 a quoted name with a comma and quotes; 5 separated by blanks.
inline std::vector<ctk::TableRecord> twentyTables()
{
    return ctk::parseTableFile(ctkFixtureBytes("tables20.sp3"));
}
