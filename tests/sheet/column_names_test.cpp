#include "sheet/column_names.h"

#include <gtest/gtest.h>

TEST(ColumnNames, NamesAndNumbers)
{
    const std::pair<int, const char*> cases[] = {
        {1, "A"}, {26, "Z"}, {27, "AA"}, {52, "AZ"}, {53, "BA"}, {79, "CA"}, {100, "CV"}};
    for (const auto& [number, name] : cases) {
        EXPECT_EQ(sheet::columnName(number), name);
        EXPECT_EQ(sheet::columnNumber(name), number);
    }
    EXPECT_EQ(sheet::columnNumber("cv"), 100);
    EXPECT_FALSE(sheet::columnNumber(""));
    EXPECT_FALSE(sheet::columnNumber("A1"));
    EXPECT_FALSE(sheet::columnNumber("ABCD"));
    EXPECT_EQ(sheet::columnName(0), "");
}
