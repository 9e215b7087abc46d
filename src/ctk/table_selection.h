#pragma once

#include "ctk/table_file.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Choosing a table: the selector's items and colours, which record a selector index applies,
// and the destination table that overrides the table number.
namespace ctk {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The marker holds 20 tables; each selector position up to there has its own colour.
inline constexpr int kMarkerTables = 20;

// Selector item k: the record's name followed by " (Table", k + 1, ")".
std::string selectorItemText(const TableRecord& record, int index);
std::vector<std::string> selectorItems(const std::vector<TableRecord>& records);

// Background of the selector while item `index` is selected. Items past the 20th are applied
// as the first table and take its colour.
Rgb selectorColour(int index);

// The record a selector index applies: itself for 0..19, the first record beyond that.
int appliedRecordIndex(int index);

// The destination box's items: "Table 0" .. "Table 20".
inline constexpr int kDestinationItems = 21;
std::string destinationItem(int number);
bool isDestinationItem(std::string_view text);

// The record whose column 3 is written as "TableNo=": the applied record when the destination
// is empty or "Table 0", record n - 1 for "Table n" (1..20), the first record for any other
// text. The index may lie past the records of a short file; the number is then empty.
int tableNumberRecordIndex(int selectedIndex, std::string_view destination);
const std::string& tableNumberFor(const std::vector<TableRecord>& records, int selectedIndex,
                                  std::string_view destination);

}  // namespace ctk
