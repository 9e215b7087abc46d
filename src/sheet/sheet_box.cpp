#include "sheet/sheet_box.h"

#include "text/sjis.h"

#include <algorithm>

namespace sheet {

namespace {
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Equal but for the case of Latin letters. A CP932 trail byte may look like a letter; it is
// compared as it is.
bool sameSheetName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (text::isLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
        } else if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}
}  // namespace

bool isRefusedSheetNameChar(char32_t c)
{
    return std::u32string_view(U":/*?[]\\").find(c) != std::u32string_view::npos;
}

RenameDecision decideRename(bool spreadsheetVisible, std::string_view boxText,
                            std::string_view linkedSheetName,
                            const std::vector<std::string>& sheetNames)
{
    if (!spreadsheetVisible || boxText.empty() || boxText == linkedSheetName)
        return RenameDecision::Nothing;
    // The spreadsheet tells sheet names apart without regard to the case of Latin letters;
    // the linked sheet may take its own name in another case.
    auto sameName = [&](const std::string& name) {
        return name != linkedSheetName && sameSheetName(name, boxText);
    };
    if (std::any_of(sheetNames.begin(), sheetNames.end(), sameName))
        return RenameDecision::NameInUse;
    return RenameDecision::Confirm;
}

}  // namespace sheet
