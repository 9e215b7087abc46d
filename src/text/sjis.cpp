#include "text/sjis.h"

namespace text {

size_t charLength(std::string_view s, size_t pos)
{
    return isLeadByte(s[pos]) && pos + 1 < s.size() ? 2 : 1;
}

size_t charCount(std::string_view s)
{
    size_t n = 0;
    for (size_t i = 0; i < s.size(); i += charLength(s, i))
        ++n;
    return n;
}

size_t byteOffsetOfChar(std::string_view s, size_t charIndex)
{
    size_t i = 0;
    for (size_t n = 0; i < s.size() && n < charIndex; ++n)
        i += charLength(s, i);
    return i;
}

size_t charIndexAtByte(std::string_view s, size_t pos)
{
    size_t n = 0;
    for (size_t i = 0; i < s.size(); i += charLength(s, i)) {
        if (pos < i + charLength(s, i))
            return n;
        ++n;
    }
    return n;
}

std::vector<std::string> splitChars(std::string_view s)
{
    std::vector<std::string> chars;
    for (size_t i = 0; i < s.size();) {
        const size_t len = charLength(s, i);
        chars.emplace_back(s.substr(i, len));
        i += len;
    }
    return chars;
}

std::string charSubstr(std::string_view s, size_t firstChar, size_t count)
{
    const size_t begin = byteOffsetOfChar(s, firstChar);
    if (count == std::string_view::npos)
        return std::string(s.substr(begin));
    const size_t end = begin + byteOffsetOfChar(s.substr(begin), count);
    return std::string(s.substr(begin, end - begin));
}

size_t find(std::string_view haystack, std::string_view needle, size_t from)
{
    if (needle.empty())
        return from <= haystack.size() ? from : std::string_view::npos;
    for (size_t i = 0; i < haystack.size(); i += charLength(haystack, i)) {
        if (i >= from && haystack.compare(i, needle.size(), needle) == 0)
            return i;
    }
    return std::string_view::npos;
}

size_t count(std::string_view haystack, std::string_view needle)
{
    if (needle.empty())
        return 0;
    size_t n = 0;
    for (size_t pos = find(haystack, needle); pos != std::string_view::npos;
         pos = find(haystack, needle, pos + needle.size()))
        ++n;
    return n;
}

size_t replaceAll(std::string& s, std::string_view from, std::string_view to)
{
    if (from.empty())
        return 0;
    std::string out;
    size_t n = 0;
    size_t copied = 0;
    for (size_t pos = find(s, from); pos != std::string_view::npos;
         pos = find(s, from, pos + from.size())) {
        out.append(s, copied, pos - copied);
        out.append(to);
        copied = pos + from.size();
        ++n;
    }
    if (n == 0)
        return 0;
    out.append(s, copied);
    s = std::move(out);
    return n;
}

std::vector<std::string> split(std::string_view s, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t i = 0; i < s.size(); i += charLength(s, i)) {
        if (s[i] == separator) {
            parts.emplace_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.emplace_back(s.substr(start));
    return parts;
}

}  // namespace text
