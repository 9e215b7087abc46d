#pragma once

#include "ctk/table_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace ctk {

// A window's copy of the condition block with the chosen table's values filled in: 63 lines
// of CP932 text, or none while no table file is loaded. The writer only reads it; the table
// choice fills it and the work-length and feed-correction adjustments replace their lines.
class AppliedConditions final {
public:
    bool empty() const { return lines_.empty(); }
    const std::vector<std::string>& lines() const { return lines_; }
    // A line of the block; empty text when there is no block or no such line.
    const std::string& line(int index) const;

    // Every valued line becomes its template text followed by the column of the record that
    // `selectedIndex` applies; the table number follows the destination rule. Lines without a
    // value keep the template text.
    void fill(const std::vector<TableRecord>& records, int selectedIndex,
              std::string_view destination);
    void clear() { lines_.clear(); }

    // Both WorkLength lines read "WorkLength=" followed by the value.
    void setWorkLength(std::string_view value);
    // Both TableNo lines read "TableNo=" followed by the number.
    void setTableNumber(std::string_view number);
    // Both Hosei lines read "Hosei=" followed by the value.
    void setHosei(std::string_view value);

    // The text after "WorkLength=" in the marker-font block.
    std::string workLengthValue() const;
    // The marker-font WorkMode line reads exactly "WorkMode=2" or "WorkMode=3": the modes in
    // which a feed correction can be measured.
    bool allowsFeedCorrection() const;
    bool closesWithExtraPiece() const;  // "WorkMode=3"

private:
    void setLine(int index, std::string text);
    std::vector<std::string> lines_;
};

}  // namespace ctk
