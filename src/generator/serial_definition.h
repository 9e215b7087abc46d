#pragma once

#include "generator/range_mode.h"

#include <array>
#include <string>
#include <string_view>

// The text of a serial button ("R S T", "+ -", "A-Z", "0-99", "FF-00") and what a click
// writes into the serial range that has the focus.
namespace generator {

enum class SerialDefinitionOutcome {
    Ignored,  // wrong length, no blank or hyphen where one may stand: nothing changes
    Triple,   // start, middle and end are written, the middle is shown
    Pair,     // start and end are written, the middle is emptied and hidden
    Span,     // start and end are written, the middle is emptied and hidden
    BadSpan,  // a hyphen in an accepted place but no span form: the range becomes Span with
              // its start and end unchanged, and the user is told
};

struct SerialDefinition {
    SerialDefinitionOutcome outcome = SerialDefinitionOutcome::Ignored;
    std::string start, middle, end;  // filled for Triple, Pair and Span

    // The mode the range ends in; Ignored leaves the range's mode as it is.
    RangeMode mode() const;
};

// Reads a definition (CP932 bytes, 3 to 5 bytes to be usable). Forms, tried in this order:
// "a b c"; two items around one blank; a hyphen form h-h, h-hh, d-ddd, hh-h, hh-hh, ddd-d,
// L-L (h: 0-9 or A-F, d: 0-9, L: two upper-case or two lower-case letters).
SerialDefinition parseSerialDefinition(std::string_view definition);

// Twenty buttons in two rows of ten: odd slots (1, 3, ... 19) above, even slots below, each
// row from left to right. Slot n (1-based) keeps its definition in settings line n - 1.
constexpr int kSerialButtonCount = 20;

struct SerialButtonPlace {
    int row = 0;     // 0 upper, 1 lower
    int column = 0;  // 0 .. 9 from the left
};

constexpr SerialButtonPlace serialButtonPlace(int slot)
{
    return {(slot - 1) % 2, (slot - 1) / 2};
}

// The captions the buttons carry before the settings file has been read.
const std::array<std::string_view, kSerialButtonCount>& initialSerialButtonCaptions();

}  // namespace generator
