#include "sheet/column_names.h"

#include <algorithm>

namespace sheet {

std::string columnName(int column)
{
    std::string name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.insert(name.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return name;
}

std::optional<int> columnNumber(std::string_view name)
{
    if (name.empty() || name.size() > 3)
        return std::nullopt;
    int number = 0;
    for (char c : name) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            return std::nullopt;
        number = number * 26 + (c - 'A' + 1);
    }
    return number;
}

}  // namespace sheet
