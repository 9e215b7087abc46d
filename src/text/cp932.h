#pragma once

#include <optional>
#include <string>
#include <string_view>

// Every text in the core is CP932 (Windows Shift-JIS) bytes, as in the files, the clipboard
// image and every length rule of the program. These convert at the edges.
namespace text {

// UTF-8 to CP932. Returns nothing when a character has no CP932 form (it is refused, never
// turned into "?"). Look-alike characters that CP932 holds under another code point
// (WAVE DASH, MINUS SIGN, YEN SIGN, ...) are mapped to the form CP932 holds first.
std::optional<std::string> toCp932(std::string_view utf8);

// CP932 to UTF-8. Bytes that are not valid CP932 become U+FFFD; the conversion never fails.
std::string toUtf8(std::string_view cp932);

// True when every byte sequence of the text is valid CP932.
bool isValidCp932(std::string_view cp932);

// A fixed text of the program written in UTF-8 source, converted once. Throws
// std::logic_error for a character CP932 cannot hold: a fault in the program, not in input.
std::string literal(std::string_view utf8);

}  // namespace text
