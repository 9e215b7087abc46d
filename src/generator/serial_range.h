#pragma once

#include "generator/range_mode.h"

#include <string>
#include <vector>

namespace generator {

// How a Span range counts, decided from its two texts.
enum class RangeKind { Decimal, Hex, Letter };

// One of the generator's three serial ranges (連番１..３). Texts are CP932.
struct SerialRange {
    std::string start;
    std::string middle;  // used in Triple only
    std::string end;
    RangeMode mode = RangeMode::Span;
    bool fixed = false;

    // A range counts as complete when its start is filled (after emptyIfIncomplete).
    bool isComplete() const { return !start.empty(); }
    bool operator==(const SerialRange&) const = default;
};

// Empties a range that lacks one of its texts: start or end (and middle in Triple).
void emptyIfIncomplete(SerialRange& range);

// The kind of a Span range and its first and last value.
struct SpanValues {
    RangeKind kind = RangeKind::Decimal;
    long long first = 0;
    long long last = 0;
};
SpanValues spanValues(const std::string& start, const std::string& end);

// The texts a complete range runs through, in order, at most `limit` of them. An incomplete
// range gives one empty text, so it takes one pass in the nesting.
std::vector<std::string> rangeTexts(const SerialRange& range, size_t limit);

// One value of a Span range as text, padded as its start or end text is written.
std::string formatSpanValue(RangeKind kind, long long value, const std::string& start,
                            const std::string& end);

}  // namespace generator
