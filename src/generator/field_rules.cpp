#include "generator/field_rules.h"

#include "text/marks.h"

#include <algorithm>

namespace generator {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isUpperHexDigit(char c) { return isDigit(c) || (c >= 'A' && c <= 'F'); }

}  // namespace

bool isValidSpanText(std::string_view t)
{
    switch (t.size()) {
    case 1: return isDigit(t[0]) || isAsciiLetter(t[0]);
    case 2: return isUpperHexDigit(t[0]) && isUpperHexDigit(t[1]);
    case 3: return std::all_of(t.begin(), t.end(), isDigit);
    default: return false;
    }
}

bool rangeFieldAccepts(RangeMode mode, std::string_view ch)
{
    if (ch.empty())
        return false;
    if (mode == RangeMode::Span)
        return ch.size() == 1 && (isDigit(ch[0]) || isAsciiLetter(ch[0]));
    return ch != " " && ch != "\t" && ch != text::marks::fullBlank();
}

bool serialFirstPriorityVisible(const std::array<bool, 3>& filled)
{
    return std::count(filled.begin(), filled.end(), true) >= 2;
}

}  // namespace generator
