#pragma once

#include <string>

// The marks that the marker software reads inside a marking text, in CP932.
namespace text::marks {

inline constexpr char kLineBreak = '|';  // CTK line break inside one marking

const std::string& open();       // "【", start of a numbering bracket
const std::string& close();      // "】", end of a numbering bracket
const std::string& fullBlank();  // "　", the ideographic space

}  // namespace text::marks
