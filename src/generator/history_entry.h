#pragma once

#include "generator/range_mode.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// One complete generator input as one text, the form in which the text registers A-Z keep it:
// "[" r1 "]" wire text 1 "[" r2 "]" wire text 2 "[" r3 "]", where r describes a range:
// empty for an empty range, "start-end" (Span), "start end" (Pair), "start middle end"
// (Triple). Example: [1-10]-R[]-S[]. Texts are CP932 bytes.
namespace generator {

struct RangeInput {
    std::string start, middle, end;
    RangeMode mode = RangeMode::Span;

    bool operator==(const RangeInput&) const = default;
};

struct GeneratorInput {
    std::array<RangeInput, 3> ranges;
    std::string wire1, wire2;

    bool operator==(const GeneratorInput&) const = default;
};

// The entry for the panel's texts as they stand; nothing when there is nothing to keep (both
// wire texts and the three starts empty) or when a wire text holds "[", which would break
// the entry's brackets.
std::optional<std::string> formatHistoryEntry(const GeneratorInput& input);

// One range as an entry writes it: "start-end" (Span), "start end" (Pair), "start middle end"
// (Triple); an empty range for an empty text or one without a blank or hyphen.
RangeInput parseRangeDescription(std::string_view description);

// Splits a register text back into a generator input. The parts are taken in order, each up
// to its delimiter; a missing delimiter leaves its part empty. A text without brackets gives
// an empty input, with every range Span.
GeneratorInput parseHistoryEntry(std::string_view entry);

}  // namespace generator
