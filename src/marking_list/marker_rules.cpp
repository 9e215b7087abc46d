#include "marking_list/marker_rules.h"

#include "text/marks.h"
#include "text/sjis.h"

#include <algorithm>
#include <vector>

namespace marking_list {

namespace {

using Chars = std::vector<std::string>;

constexpr size_t npos = std::string::npos;
const std::string kBar(1, text::marks::kLineBreak);

size_t indexOf(const Chars& chars, const std::string& ch, size_t from = 0)
{
    for (size_t i = from; i < chars.size(); ++i) {
        if (chars[i] == ch)
            return i;
    }
    return npos;
}

std::string join(const Chars& chars)
{
    std::string s;
    for (const auto& c : chars)
        s += c;
    return s;
}

bool beside(size_t caret, size_t mark)
{
    return mark != npos && (caret == mark || caret == mark + 1);
}

MarkerClick removed(Chars chars, size_t at)
{
    chars.erase(chars.begin() + static_cast<std::ptrdiff_t>(at));
    return {join(chars), MarkerEdit::Removed, at, false};
}

MarkerClick inserted(Chars chars, size_t at, const std::string& mark)
{
    const bool atEnd = at == chars.size();
    chars.insert(chars.begin() + static_cast<std::ptrdiff_t>(at), mark);
    return {join(chars), MarkerEdit::Inserted, at + 1, atEnd};
}

bool insideBracket(const Chars& chars, size_t caret)
{
    const size_t open = indexOf(chars, text::marks::open());
    if (open == npos || caret <= open)
        return false;
    const size_t close = indexOf(chars, text::marks::close());
    return close == npos || caret <= close;
}

}  // namespace

MarkerClick clickLineBreak(std::string_view text, size_t caret)
{
    Chars chars = text::splitChars(text);
    caret = std::min(caret, chars.size());
    const MarkerClick unchanged{std::string(text), MarkerEdit::None, caret, false};
    if (caret == 0)
        return unchanged;
    const size_t first = indexOf(chars, kBar);
    const size_t second = first == npos ? npos : indexOf(chars, kBar, first + 1);
    if (beside(caret, second))
        return removed(std::move(chars), second);
    if (beside(caret, first))
        return removed(std::move(chars), first);
    if (second != npos || insideBracket(chars, caret))
        return unchanged;
    return inserted(std::move(chars), caret, kBar);
}

MarkerClick clickNumbering(std::string_view text, size_t caret)
{
    Chars chars = text::splitChars(text);
    caret = std::min(caret, chars.size());
    const MarkerClick unchanged{std::string(text), MarkerEdit::None, caret, false};
    const size_t open = indexOf(chars, text::marks::open());
    const size_t close = indexOf(chars, text::marks::close());
    if (beside(caret, open))
        return removed(std::move(chars), open);
    if (beside(caret, close))
        return removed(std::move(chars), close);
    if (open == npos) {
        if (close == npos || caret < close)
            return inserted(std::move(chars), caret, text::marks::open());
        return unchanged;
    }
    if (close != npos || caret <= open + 1)
        return unchanged;
    const bool hex = std::all_of(chars.begin() + static_cast<std::ptrdiff_t>(open + 1),
                                 chars.begin() + static_cast<std::ptrdiff_t>(caret),
                                 [](const std::string& c) { return c.size() == 1 && isHexDigit(c[0]); });
    if (!hex)
        return unchanged;
    return inserted(std::move(chars), caret, text::marks::close());
}

bool hasCompleteBracket(std::string_view text)
{
    return text::find(text, text::marks::open()) != npos && text::find(text, text::marks::close()) != npos;
}

bool hasNoBracket(std::string_view text)
{
    return text::find(text, text::marks::open()) == npos && text::find(text, text::marks::close()) == npos;
}

std::optional<std::string> closeBracketAtCaret(std::string_view text, size_t caret)
{
    Chars chars = text::splitChars(text);
    caret = std::min(caret, chars.size());
    const size_t open = indexOf(chars, text::marks::open());
    if (open == npos || indexOf(chars, text::marks::close()) != npos || caret <= open + 1)
        return std::nullopt;
    chars.insert(chars.begin() + static_cast<std::ptrdiff_t>(caret), text::marks::close());
    return join(chars);
}

bool caretInsideBracket(std::string_view text, size_t caret)
{
    return insideBracket(text::splitChars(text), caret);
}

bool isCountColumn(CountBoxMode layout, int column)
{
    switch (layout) {
    case CountBoxMode::OneBox: return column == 2;
    case CountBoxMode::ThreeBox: return column >= 2 && column <= 4;
    case CountBoxMode::Text: return false;
    }
    return false;
}

int numberingEndColumn(CountBoxMode layout)
{
    switch (layout) {
    case CountBoxMode::OneBox: return 3;
    case CountBoxMode::ThreeBox: return 5;
    case CountBoxMode::Text: return 0;
    }
    return 0;
}

bool isHexDigit(char c)
{
    return isDecimalDigit(c) || (c >= 'A' && c <= 'F');
}

bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace marking_list
