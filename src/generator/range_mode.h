#pragma once

namespace generator {

// How a serial range turns its texts into values: Span runs from start to end ("～"),
// Pair gives start then end, Triple gives start, middle, end.
enum class RangeMode { Span, Pair, Triple };

// The next mode of the panel's click cycle: Span, Pair, Triple, back to Span.
constexpr RangeMode nextRangeMode(RangeMode mode)
{
    switch (mode) {
    case RangeMode::Span: return RangeMode::Pair;
    case RangeMode::Pair: return RangeMode::Triple;
    case RangeMode::Triple: return RangeMode::Span;
    }
    return RangeMode::Span;
}

}  // namespace generator
