#include "generator/numbering_marks.h"

#include "text/full_width.h"
#include "text/marks.h"
#include "text/sjis.h"

namespace generator {

namespace {

constexpr size_t npos = std::string_view::npos;

bool isHexUpper(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// The caret stands directly before or directly after the first "|" of the text.
bool touchesLineBreak(std::string_view combined, size_t caret)
{
    const size_t mark = text::find(combined, std::string_view("|", 1));
    return mark != npos && (caret == mark || caret == mark + 1);
}

}  // namespace

BracketPositions findBrackets(std::string_view t)
{
    return {text::find(t, text::marks::open()), text::find(t, text::marks::close())};
}

bool hasBothBrackets(std::string_view t)
{
    const BracketPositions b = findBrackets(t);
    return b.hasOpen() && b.hasClose();
}

bool hasAnyBracket(std::string_view t)
{
    const BracketPositions b = findBrackets(t);
    return b.hasOpen() || b.hasClose();
}

bool caretInsideBracket(std::string_view t, size_t caret)
{
    const BracketPositions b = findBrackets(t);
    if (!b.hasOpen() || caret < b.open + text::marks::open().size())
        return false;
    return !b.hasClose() || caret <= b.close;
}

bool acceptedInsideBracket(std::string_view ch)
{
    return isNumberingEndCharacter(ch) || ch == text::marks::open() || ch == text::marks::close();
}

bool isNumberingEndCharacter(std::string_view ch)
{
    return ch.size() == 1 && isHexUpper(ch[0]);
}

bool releaseEmptiesNumberingEnd(std::string_view ch)
{
    if (ch.size() != 1)
        return false;
    const char c = ch[0];
    if ((c >= 'G' && c <= 'Z') || (c >= 'g' && c <= 'z') || c == ' ')
        return true;
    const std::string_view punctuation = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
    return punctuation.find(c) != npos;
}

BracketEnter bracketEnter(std::string_view t, size_t caret)
{
    if (!caretInsideBracket(t, caret))
        return BracketEnter::NotInBracket;
    const BracketPositions b = findBrackets(t);
    if (caret == b.open + text::marks::open().size())
        return BracketEnter::EmptyBracket;
    return b.hasClose() ? BracketEnter::Leave : BracketEnter::Close;
}

bool endRepeatsStart(std::string_view combined, std::string_view endValue)
{
    // An empty end value repeats nothing; without this guard an empty bracket would keep
    // the focus in an empty end field for ever.
    if (endValue.empty())
        return false;
    const BracketPositions b = findBrackets(combined);
    if (!b.hasOpen() || !b.hasClose())
        return false;
    const size_t first = b.open + text::marks::open().size();
    if (b.close < first)
        return false;
    return combined.substr(first, b.close - first) == endValue;
}

std::string_view countedText(std::string_view t, bool focused, size_t caret)
{
    if (focused && caret == 0)
        return {};
    return t;
}

MarkOutcome openBracketOutcome(bool listFullWidth, bool wireTextFocused,
                               std::string_view combined)
{
    if (listFullWidth)
        return MarkOutcome::RefusedListFullWidth;
    if (wireTextFocused && !combined.empty() && text::isFullWidth(combined))
        return MarkOutcome::RefusedFieldFullWidth;
    if (wireTextFocused && !findBrackets(combined).hasOpen())
        return MarkOutcome::Insert;
    return MarkOutcome::Nothing;
}

bool canCloseBracket(std::string_view t, size_t caret)
{
    const BracketPositions b = findBrackets(t);
    return b.hasOpen() && !b.hasClose() && caret > b.open + text::marks::open().size();
}

MarkOutcome lineBreakOutcome(const LineBreakContext& c)
{
    if (c.listFullWidth)
        return MarkOutcome::RefusedListFullWidth;
    const bool range2Filled = !c.range2Start.empty() && !c.range2End.empty();
    const std::string_view w1 = countedText(c.wire1, c.focusedWire == 1, c.caret);
    const std::string_view w2 = countedText(c.wire2, c.focusedWire == 2, c.caret);
    std::string combined(w1);
    if (range2Filled) {
        combined += c.range2Start;
        combined += c.range2End;
    }
    combined += w2;
    if (c.focusedWire == 0)
        return MarkOutcome::Nothing;
    if (!combined.empty() && text::isFullWidth(combined))
        return MarkOutcome::RefusedFieldFullWidth;
    const std::string_view focused = c.focusedWire == 1 ? c.wire1 : c.wire2;
    if (caretInsideBracket(focused, c.caret))
        return MarkOutcome::Nothing;
    const size_t marks = text::count(combined, std::string_view("|", 1));
    if (marks >= 2)
        return MarkOutcome::Nothing;
    const bool oneMark = marks == 1;

    if (c.focusedWire == 1) {
        if (c.caret == 0 && !c.range1Filled)
            return MarkOutcome::Nothing;
        if (oneMark && touchesLineBreak(combined, c.caret))
            return MarkOutcome::Nothing;
        return MarkOutcome::Insert;
    }

    if (c.caret == 0 && c.wire1.empty() && !c.range1Filled && !range2Filled)
        return MarkOutcome::Nothing;
    if (!oneMark)
        return MarkOutcome::Insert;
    const size_t range2Length = range2Filled ? c.range2Start.size() + c.range2End.size() : 0;
    const size_t position = c.wire1.size() + range2Length + c.caret;
    if (!touchesLineBreak(combined, position))
        return MarkOutcome::Insert;
    if (range2Filled && !touchesLineBreak(combined, c.wire1.size() + c.caret))
        return MarkOutcome::Insert;
    return MarkOutcome::Nothing;
}

}  // namespace generator
