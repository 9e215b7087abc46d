#include "ctk/feed_correction.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ctk {

static_assert(std::numeric_limits<long double>::digits == 64,
              "the feed correction is defined on a 64-bit significand (x87 extended precision)");

std::optional<double> readNumber(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    bool digit = false;
    int points = 0;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (!digit || points > 1)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string formatPercentage(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        return {};
    return std::string(buffer, end);
}

double feedPercentage(double terminal, double strip, double tablePercentage)
{
    const double ratio = terminal / strip;
    const long double product = static_cast<long double>(ratio) *
                                static_cast<long double>(tablePercentage) * 10.0L;
    const double rounded = static_cast<double>(product);
    return std::trunc(rounded) / 10.0;
}

FeedResult computeFeedCorrection(std::string_view terminalLength, std::string_view stripLength,
                                 std::string_view tableHosei)
{
    FeedResult result;
    const std::optional<double> terminal = readNumber(terminalLength);
    const std::optional<double> strip = readNumber(stripLength);
    if (!terminal || !strip || *terminal == *strip || *terminal == 0 || *strip == 0) {
        result.outcome = FeedOutcome::NoChange;
        return result;
    }
    const std::optional<double> table = readNumber(tableHosei);
    if (!table) {
        result.outcome = FeedOutcome::OutOfRange;
        return result;
    }
    const double p = feedPercentage(*terminal, *strip, *table);
    if (p > kMaxPercentage || p < kMinPercentage) {
        result.outcome = FeedOutcome::OutOfRange;
        result.percentage = p;
        return result;
    }
    result.outcome = FeedOutcome::Computed;
    result.percentage = p;
    result.text = formatPercentage(p);
    return result;
}

std::optional<std::string> acceptTypedPercentage(std::string_view typed)
{
    const std::optional<double> value = readNumber(typed);
    if (!value || *value < kMinPercentage || *value > kMaxPercentage)
        return std::nullopt;
    return formatPercentage(*value);
}

}  // namespace ctk
