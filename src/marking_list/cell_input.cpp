#include "marking_list/cell_input.h"

namespace marking_list {

namespace {
constexpr std::string_view kDecimal = "1234567890";
constexpr std::string_view kHex = "1234567890ABCDEF";
}  // namespace

std::string_view acceptedCharacters(CountBoxMode mode, int column)
{
    switch (mode) {
    case CountBoxMode::OneBox:
        if (column == 2)
            return kDecimal;
        if (column == 3)
            return kHex;
        return {};
    case CountBoxMode::ThreeBox:
        if (column >= 2 && column <= 4)
            return kDecimal;
        if (column == 5)
            return kHex;
        return {};
    case CountBoxMode::Text:
        return {};
    }
    return {};
}

bool cellAccepts(CountBoxMode mode, int column, std::string_view text)
{
    const std::string_view accepted = acceptedCharacters(mode, column);
    if (accepted.empty())
        return true;
    return text.find_first_not_of(accepted) == std::string_view::npos;
}

}  // namespace marking_list
