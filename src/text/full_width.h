#pragma once

#include <string_view>

namespace text {

// The list's full-width test: true when any byte of the text is a double-byte lead byte,
// leaving out the two bytes of the first "【" and of the first "】" (the numbering marks a
// marker font can print). Half-width katakana are single bytes and do not count.
bool isFullWidth(std::string_view cp932);

}  // namespace text
