#include "ctk/work_length.h"

namespace ctk {

bool applyWorkLength(AppliedConditions& conditions, std::string_view boxText,
                     std::string_view tableWorkLength)
{
    if (conditions.empty() || boxText.empty() || boxText == tableWorkLength)
        return false;
    conditions.setWorkLength(boxText);
    return true;
}

bool isDecimalBoxChar(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

bool isDigitBoxChar(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace ctk
