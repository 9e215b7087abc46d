#include "generator/history_entry.h"

#include "text/sjis.h"

namespace generator {

namespace {

std::string describeRange(const RangeInput& range)
{
    if (range.start.empty())
        return {};
    switch (range.mode) {
    case RangeMode::Span: return range.start + "-" + range.end;
    case RangeMode::Pair: return range.start + " " + range.end;
    case RangeMode::Triple: return range.start + " " + range.middle + " " + range.end;
    }
    return {};
}

// Takes the text up to the delimiter and removes it with the delimiter. When the delimiter
// is missing the part is empty and the rest stays as it is. Searching steps over double-byte
// characters, whose second byte may look like a bracket.
std::string takePart(std::string& rest, std::string_view delimiter)
{
    const size_t at = text::find(rest, delimiter);
    if (at == std::string::npos)
        return {};
    std::string part = rest.substr(0, at);
    rest.erase(0, at + delimiter.size());
    return part;
}

}  // namespace

RangeInput parseRangeDescription(std::string_view r)
{
    RangeInput range;
    const size_t blank = r.find(' ');
    if (blank != std::string::npos) {
        range.start = r.substr(0, blank);
        const std::string_view rest = r.substr(blank + 1);
        const size_t second = rest.find(' ');
        if (second == std::string::npos) {
            range.end = rest;
            range.mode = RangeMode::Pair;
        } else {
            range.middle = rest.substr(0, second);
            range.end = rest.substr(second + 1);
            range.mode = RangeMode::Triple;
        }
        return range;
    }
    const size_t hyphen = r.find('-');
    if (hyphen != std::string::npos) {
        range.start = r.substr(0, hyphen);
        range.end = r.substr(hyphen + 1);
    }
    return range;
}

std::optional<std::string> formatHistoryEntry(const GeneratorInput& input)
{
    if (text::find(input.wire1 + input.wire2, "[") != std::string::npos)
        return std::nullopt;
    if (input.wire1.empty() && input.wire2.empty() && input.ranges[0].start.empty() &&
        input.ranges[1].start.empty() && input.ranges[2].start.empty())
        return std::nullopt;
    return "[" + describeRange(input.ranges[0]) + "]" + input.wire1 + "[" +
           describeRange(input.ranges[1]) + "]" + input.wire2 + "[" +
           describeRange(input.ranges[2]) + "]";
}

GeneratorInput parseHistoryEntry(std::string_view entry)
{
    std::string rest(entry);
    GeneratorInput input;
    // The first character, normally "[", opens the entry and belongs to no part. It is
    // skipped as a whole character so that a text not written by the program cannot be cut
    // inside a double-byte character.
    std::string r1;
    const size_t close = text::find(rest, "]");
    if (close != std::string::npos) {
        const size_t first = rest.empty() ? 0 : text::charLength(rest, 0);
        if (close > first)
            r1 = rest.substr(first, close - first);
        rest.erase(0, close + 1);
    }
    input.wire1 = takePart(rest, "[");
    const std::string r2 = takePart(rest, "]");
    input.wire2 = takePart(rest, "[");
    const std::string r3 = takePart(rest, "]");
    input.ranges = {parseRangeDescription(r1), parseRangeDescription(r2), parseRangeDescription(r3)};
    return input;
}

}  // namespace generator
