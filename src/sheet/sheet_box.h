#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sheet {

// Characters a sheet name may not hold; typed into the sheet box they are dropped.
bool isRefusedSheetNameChar(char32_t c);

// What the sheet box does with its text when Enter is pressed or the box is left.
enum class RenameDecision {
    Nothing,    // spreadsheet not visible, box empty, or the linked sheet's name unchanged
    NameInUse,  // another sheet has this name: refuse with a message
    Confirm,    // ask whether to rename the linked sheet
};
RenameDecision decideRename(bool spreadsheetVisible, std::string_view boxText,
                            std::string_view linkedSheetName,
                            const std::vector<std::string>& sheetNames);

}  // namespace sheet
