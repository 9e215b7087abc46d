#include "generator/serial_definition.h"

#include <algorithm>
#include <cstddef>

namespace generator {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isHexDigit(char c)
{
    return isDigit(c) || (c >= 'A' && c <= 'F');
}

bool isUpper(char c)
{
    return c >= 'A' && c <= 'Z';
}

bool isLower(char c)
{
    return c >= 'a' && c <= 'z';
}

bool all(std::string_view s, bool (*test)(char))
{
    return std::all_of(s.begin(), s.end(), test);
}

// One hyphen form: `left` and `right` are the lengths of the two parts.
struct SpanForm {
    size_t left;
    size_t right;
    bool (*test)(char);
};

bool lettersOfOneCase(std::string_view a, std::string_view b)
{
    return a.size() == 1 && b.size() == 1 &&
           ((isUpper(a[0]) && isUpper(b[0])) || (isLower(a[0]) && isLower(b[0])));
}

}  // namespace

RangeMode SerialDefinition::mode() const
{
    switch (outcome) {
    case SerialDefinitionOutcome::Triple: return RangeMode::Triple;
    case SerialDefinitionOutcome::Pair: return RangeMode::Pair;
    case SerialDefinitionOutcome::Span:
    case SerialDefinitionOutcome::BadSpan:
    case SerialDefinitionOutcome::Ignored: break;
    }
    return RangeMode::Span;
}

SerialDefinition parseSerialDefinition(std::string_view d)
{
    SerialDefinition result;
    const size_t length = d.size();
    if (length < 3 || length > 5)
        return result;

    // Three one-byte items between single blanks.
    if (length == 5 && d[0] != ' ' && d[1] == ' ' && d[2] != ' ' && d[3] == ' ' && d[4] != ' ') {
        result.outcome = SerialDefinitionOutcome::Triple;
        result.start = d.substr(0, 1);
        result.middle = d.substr(2, 1);
        result.end = d.substr(4, 1);
        return result;
    }

    // Two items around the only blank, which stands neither first nor last.
    const size_t blank = d.find(' ');
    if (blank != std::string_view::npos && blank > 0 && blank < length - 1 &&
        d.find(' ', blank + 1) == std::string_view::npos) {
        result.outcome = SerialDefinitionOutcome::Pair;
        result.start = d.substr(0, blank);
        result.end = d.substr(blank + 1);
        return result;
    }

    // A hyphen from the second byte to the one before the last.
    bool hyphenPlaced = false;
    for (size_t i = 1; i + 1 < length; ++i)
        hyphenPlaced = hyphenPlaced || d[i] == '-';
    if (!hyphenPlaced)
        return result;

    static constexpr SpanForm forms[] = {
        {1, 1, isHexDigit}, {1, 2, isHexDigit}, {1, 3, isDigit}, {2, 1, isHexDigit},
        {2, 2, isHexDigit}, {3, 1, isDigit},
    };
    std::string_view start, end;
    bool matched = false;
    for (const SpanForm& form : forms) {
        if (length != form.left + 1 + form.right || d[form.left] != '-')
            continue;
        const std::string_view left = d.substr(0, form.left);
        const std::string_view right = d.substr(form.left + 1);
        if (all(left, form.test) && all(right, form.test)) {
            start = left;
            end = right;
            matched = true;
            break;
        }
    }
    if (!matched && length == 3 && d[1] == '-' && lettersOfOneCase(d.substr(0, 1), d.substr(2))) {
        start = d.substr(0, 1);
        end = d.substr(2);
        matched = true;
    }
    if (!matched) {
        result.outcome = SerialDefinitionOutcome::BadSpan;
        return result;
    }
    result.outcome = SerialDefinitionOutcome::Span;
    result.start = start;
    result.end = end;
    return result;
}

const std::array<std::string_view, kSerialButtonCount>& initialSerialButtonCaptions()
{
    // Slot order: 1 (upper row, first), 2 (lower row, first), 3, 4, ...
    static constexpr std::array<std::string_view, kSerialButtonCount> captions = {
        "R S T", "U V W", "R S",   "U V", "R T", "U W", "S T", "V W", "A B", "L N",
        "P N",   "+ -",   "X Y",   "0-F", "00-15", "",  "",    "",    "",    "",
    };
    return captions;
}

}  // namespace generator
