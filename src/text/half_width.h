#pragma once

#include <string>
#include <string_view>

namespace text {

// Full-width to half-width, as the "半角変換" commands do it: full-width ASCII, the
// ideographic space, full-width katakana and the katakana punctuation become their
// half-width forms (a voiced katakana becomes the base character and the voicing mark).
// Kanji, hiragana, "【", "】" and anything without a half-width form stay as they are.
std::string toHalfWidth(std::string_view cp932);

}  // namespace text
