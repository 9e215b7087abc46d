#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sheet {

// The highest column the orange-mode window addresses: 100, "CV".
inline constexpr int kLastTransferColumn = 100;

// 1 -> "A", 26 -> "Z", 27 -> "AA", 100 -> "CV". Empty for a number below 1.
std::string columnName(int column);

// "A" -> 1, "cv" -> 100; letters only, either case. Nothing for an empty or invalid name.
std::optional<int> columnNumber(std::string_view name);

}  // namespace sheet
