#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Character-wise work on CP932 text. A double-byte character is a lead byte (0x81-0x9F,
// 0xE0-0xFC) and the byte after it; its second byte may look like "|" or "\", so searching
// and cutting must step over whole characters, never over bytes.
namespace text {

constexpr bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

constexpr bool isLeadByte(char c)
{
    return isLeadByte(static_cast<unsigned char>(c));
}

// Bytes of the character that starts at byte `pos`: 2 for a lead byte followed by a byte,
// else 1 (a lead byte at the very end stands alone).
size_t charLength(std::string_view s, size_t pos);

// Number of characters in the text.
size_t charCount(std::string_view s);

// Byte offset of the character with the given index; s.size() when the index is past the end.
size_t byteOffsetOfChar(std::string_view s, size_t charIndex);

// Index of the character that holds byte `pos` (its lead byte or its only byte).
size_t charIndexAtByte(std::string_view s, size_t pos);

// The characters of the text, each as its own string.
std::vector<std::string> splitChars(std::string_view s);

// Characters [first, first + count) of the text.
std::string charSubstr(std::string_view s, size_t firstChar, size_t count = std::string_view::npos);

// Byte offset of the first occurrence of `needle` that starts on a character boundary at or
// after byte `from`, or npos.
size_t find(std::string_view haystack, std::string_view needle, size_t from = 0);

// Number of occurrences on character boundaries, not overlapping.
size_t count(std::string_view haystack, std::string_view needle);

// Replaces every occurrence on character boundaries; returns the number replaced.
size_t replaceAll(std::string& s, std::string_view from, std::string_view to);

// Splits at every occurrence of a one-byte separator (TAB, CR, ...). ASCII separators never
// occur inside a double-byte character other than as its second byte, which is skipped.
std::vector<std::string> split(std::string_view s, char separator);

}  // namespace text
