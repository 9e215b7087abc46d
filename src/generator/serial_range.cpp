#include "generator/serial_range.h"

#include "text/sjis.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace generator {

namespace {

bool isDigitOf(char c, int base)
{
    if (c >= '0' && c <= '9')
        return true;
    return base == 16 && ((c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'));
}

// The text read as a number of the base: every character a digit of it, nothing else.
std::optional<long long> readNumber(const std::string& text, int base)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), [base](char c) { return isDigitOf(c, base); }))
        return std::nullopt;
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

long long firstByte(const std::string& text)
{
    return text.empty() ? 0 : static_cast<unsigned char>(text.front());
}

// Written with a leading "0" (or "00") at the given length, in characters.
bool paddedAs(const std::string& text, size_t length, std::string_view zeros)
{
    return text::charCount(text) == length && text.starts_with(zeros);
}

bool eitherPadded(const std::string& a, const std::string& b, size_t length, std::string_view zeros)
{
    return paddedAs(a, length, zeros) || paddedAs(b, length, zeros);
}

std::string upperHex(long long value)
{
    char buffer[24];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string digits(buffer, ptr);
    std::transform(digits.begin(), digits.end(), digits.begin(),
                   [](char c) { return c >= 'a' && c <= 'f' ? static_cast<char>(c - 'a' + 'A') : c; });
    return digits;
}

}  // namespace

void emptyIfIncomplete(SerialRange& range)
{
    const bool incomplete = range.start.empty() || range.end.empty() ||
                            (range.mode == RangeMode::Triple && range.middle.empty());
    if (!incomplete)
        return;
    range.start.clear();
    range.end.clear();
    if (range.mode == RangeMode::Triple)
        range.middle.clear();
}

SpanValues spanValues(const std::string& start, const std::string& end)
{
    const auto decimalStart = readNumber(start, 10);
    const auto decimalEnd = readNumber(end, 10);
    if (decimalStart && decimalEnd)
        return {RangeKind::Decimal, *decimalStart, *decimalEnd};
    if (start.size() == 1 && start[0] >= 'a' && start[0] <= 'f')
        return {RangeKind::Letter, firstByte(start), firstByte(end)};
    const auto hexStart = readNumber(start, 16);
    const auto hexEnd = readNumber(end, 16);
    if (hexStart && hexEnd)
        return {RangeKind::Hex, *hexStart, *hexEnd};
    return {RangeKind::Letter, firstByte(start), firstByte(end)};
}

std::string formatSpanValue(RangeKind kind, long long value, const std::string& start,
                            const std::string& end)
{
    switch (kind) {
    case RangeKind::Decimal: {
        const std::string digits = std::to_string(value);
        std::string text = digits;
        if (value <= 9 && eitherPadded(start, end, 2, "0"))
            text = "0" + digits;
        if (value <= 9 && eitherPadded(start, end, 3, "00"))
            text = "00" + digits;
        if (value >= 10 && value <= 99 && eitherPadded(start, end, 3, "0"))
            text = "0" + digits;
        return text;
    }
    case RangeKind::Hex: {
        const std::string digits = upperHex(value);
        if (value <= 15 && eitherPadded(start, end, 2, "0"))
            return "0" + digits;
        return digits;
    }
    case RangeKind::Letter:
        return std::string(1, static_cast<char>(value));
    }
    return {};
}

std::vector<std::string> rangeTexts(const SerialRange& range, size_t limit)
{
    if (!range.isComplete())
        return {std::string()};
    switch (range.mode) {
    case RangeMode::Pair:
        return {range.start, range.end};
    case RangeMode::Triple:
        return {range.start, range.middle, range.end};
    case RangeMode::Span:
        break;
    }

    const SpanValues values = spanValues(range.start, range.end);
    // A letter run steps over single bytes; a double-byte character cannot be counted that
    // way, so such a range gives its two texts as they are.
    if (values.kind == RangeKind::Letter &&
        (text::isLeadByte(range.start.front()) || text::isLeadByte(range.end.front())))
        return {range.start, range.end};

    const long long step = values.first <= values.last ? 1 : -1;
    const unsigned long long distance =
        static_cast<unsigned long long>(std::max(values.first, values.last)) -
        static_cast<unsigned long long>(std::min(values.first, values.last));
    const size_t count = static_cast<size_t>(
        std::min<unsigned long long>(distance, std::max<size_t>(limit, 1) - 1) + 1);
    std::vector<std::string> texts;
    texts.reserve(count);
    long long value = values.first;
    for (size_t i = 0; i < count; ++i, value += step)
        texts.push_back(formatSpanValue(values.kind, value, range.start, range.end));
    return texts;
}

}  // namespace generator
