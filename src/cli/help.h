#pragma once

#include <string_view>

namespace cli {

// The help of one command ("expand", "ctk", ...) or, for an empty name, of the program.
// Nothing for an unknown name.
std::string_view helpText(std::string_view command);

}  // namespace cli
