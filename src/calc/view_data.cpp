#include "calc/view_data.h"

#include <charconv>
#include <vector>

namespace calc {

namespace {

std::vector<std::string_view> split(std::string_view s, auto isSeparator)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || isSeparator(s[i])) {
            parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

std::optional<int> number(std::string_view s)
{
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size() || value < 0)
        return std::nullopt;
    return value;
}

}  // namespace

std::optional<sheet::CellRef> activeCellFromViewData(std::string_view viewData)
{
    const auto fields = split(viewData, [](char c) { return c == ';'; });
    if (fields.size() < 4)
        return std::nullopt;
    const auto tab = number(fields[1]);
    if (!tab)
        return std::nullopt;
    // Field 2 is the tab bar's width ("tw:…"); the sheets follow.
    const size_t index = 3 + static_cast<size_t>(*tab);
    if (index >= fields.size())
        return std::nullopt;
    const auto parts = split(fields[index], [](char c) { return c == '/' || c == '+'; });
    if (parts.size() < 2)
        return std::nullopt;
    const auto column = number(parts[0]);
    const auto row = number(parts[1]);
    if (!column || !row)
        return std::nullopt;
    return sheet::CellRef{*column + 1, *row + 1};
}

}  // namespace calc
