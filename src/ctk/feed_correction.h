#pragma once

#include <optional>
#include <string>
#include <string_view>

// The feed correction: the marker's feed percentage ("Hosei=") that makes a strip of
// nameplates as long as the terminal block it is made for, measured from a test strip.
namespace ctk {

inline constexpr double kMinPercentage = 80.0;
inline constexpr double kMaxPercentage = 120.0;

enum class FeedOutcome {
    Computed,    // `percentage` holds the new value, within 80..120
    OutOfRange,  // the result (or the table's own percentage) is unusable
    NoChange,    // equal lengths or a zero length: nothing to correct
};

struct FeedResult {
    FeedOutcome outcome = FeedOutcome::NoChange;
    double percentage = 0;
    std::string text;  // the percentage as written into "Hosei="
};

// A decimal number of digits with at most one point ("105", "101.4", ".5"), leading and
// trailing blanks ignored; nothing for any other text.
std::optional<double> readNumber(std::string_view text);

// The percentage as the shortest decimal text: no trailing zeros, no point for a whole number.
std::string formatPercentage(double value);

// terminal ÷ strip × tablePercentage, cut (not rounded) to one decimal. The product is carried
// in extended precision and rounded once to double before the cut, so results on the cut
// follow the binary values: 203/200 gives 101.4, 57/50 gives 114, 200/203 gives 98.5.
double feedPercentage(double terminal, double strip, double tablePercentage);

// The whole rule from the boxes' texts and the table's own "Hosei" column.
FeedResult computeFeedCorrection(std::string_view terminalLength, std::string_view stripLength,
                                 std::string_view tableHosei);

// A percentage typed by the user: the value to write, or nothing when it is not a number
// from 80 to 120 inclusive.
std::optional<std::string> acceptTypedPercentage(std::string_view typed);

}  // namespace ctk
