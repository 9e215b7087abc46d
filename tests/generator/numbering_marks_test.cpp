#include "generator/numbering_marks.h"

#include "support/cp932_literals.h"

#include <gtest/gtest.h>

namespace {

using generator::BracketEnter;
using generator::LineBreakContext;
using generator::MarkOutcome;

TEST(NumberingMarks, CaretInsideAndEnterInBracket)
{
    const std::string open = sj("X-【");       // 4 bytes, caret 4 right after the mark
    const std::string value = sj("X-【10");
    const std::string closed = sj("X-【10】Y");
    EXPECT_FALSE(generator::caretInsideBracket(open, 2));
    EXPECT_TRUE(generator::caretInsideBracket(open, 4));
    EXPECT_TRUE(generator::caretInsideBracket(closed, 6));   // right before "】"
    EXPECT_FALSE(generator::caretInsideBracket(closed, 8));  // after "】"

    EXPECT_EQ(generator::bracketEnter(open, 4), BracketEnter::EmptyBracket);
    EXPECT_EQ(generator::bracketEnter(value, 6), BracketEnter::Close);
    EXPECT_EQ(generator::bracketEnter(closed, 5), BracketEnter::Leave);
    EXPECT_EQ(generator::bracketEnter(closed, 9), BracketEnter::NotInBracket);
    EXPECT_EQ(generator::bracketEnter("X-", 2), BracketEnter::NotInBracket);

    EXPECT_TRUE(generator::canCloseBracket(value, 6));
    EXPECT_FALSE(generator::canCloseBracket(open, 4));     // nothing between
    EXPECT_FALSE(generator::canCloseBracket(closed, 6));   // already closed
}

TEST(NumberingMarks, CharacterFilters)
{
    for (const char* ch : {"0", "9", "A", "F"}) {
        EXPECT_TRUE(generator::acceptedInsideBracket(ch)) << ch;
        EXPECT_TRUE(generator::isNumberingEndCharacter(ch)) << ch;
        EXPECT_FALSE(generator::releaseEmptiesNumberingEnd(ch)) << ch;
    }
    for (const char* ch : {"G", "z", "-", " "}) {
        EXPECT_FALSE(generator::acceptedInsideBracket(ch)) << ch;
        EXPECT_FALSE(generator::isNumberingEndCharacter(ch)) << ch;
        EXPECT_TRUE(generator::releaseEmptiesNumberingEnd(ch)) << ch;
    }
    // The A key in lower case is refused when typed but, as a hex letter key, not emptied.
    EXPECT_FALSE(generator::isNumberingEndCharacter("a"));
    EXPECT_FALSE(generator::releaseEmptiesNumberingEnd("a"));
    EXPECT_TRUE(generator::acceptedInsideBracket(sj("】")));
    EXPECT_FALSE(generator::acceptedInsideBracket(sj("日")));
}

TEST(NumberingMarks, EndValueMustDifferFromStart)
{
    EXPECT_TRUE(generator::endRepeatsStart(sj("X-【10】"), "10"));
    EXPECT_FALSE(generator::endRepeatsStart(sj("X-【10】"), "20"));
    EXPECT_FALSE(generator::endRepeatsStart(sj("X-【10"), "10"));
    EXPECT_FALSE(generator::endRepeatsStart(sj("【】"), ""));  // empty never traps the focus
    EXPECT_TRUE(generator::endRepeatsStart(sj("A【1") + sj("】B"), "1"));  // across both texts
}

TEST(NumberingMarks, OpenBracketOutcomes)
{
    EXPECT_EQ(generator::openBracketOutcome(true, true, "X"), MarkOutcome::RefusedListFullWidth);
    EXPECT_EQ(generator::openBracketOutcome(false, true, sj("日-")),
              MarkOutcome::RefusedFieldFullWidth);
    EXPECT_EQ(generator::openBracketOutcome(false, true, "X-"), MarkOutcome::Insert);
    EXPECT_EQ(generator::openBracketOutcome(false, true, ""), MarkOutcome::Insert);
    EXPECT_EQ(generator::openBracketOutcome(false, true, sj("【1】")), MarkOutcome::Nothing);
    EXPECT_EQ(generator::openBracketOutcome(false, false, "X"), MarkOutcome::Nothing);
    // The focused field's text does not count while its caret is at the first position.
    EXPECT_EQ(generator::countedText(sj("日"), true, 0), "");
    EXPECT_EQ(generator::countedText("AB", false, 0), "AB");
}

LineBreakContext lb(bool listFullWidth, int focusedWire, std::string_view wire1,
                    std::string_view wire2, size_t caret, bool range1Filled = false,
                    std::string_view range2Start = {}, std::string_view range2End = {})
{
    return {listFullWidth, focusedWire, wire1, wire2, caret, range1Filled, range2Start, range2End};
}

TEST(NumberingMarks, LineBreakOutcomes)
{
    const std::string kanji = sj("日");
    const std::string bracket = sj("A【1");
    const struct {
        const char* name;
        LineBreakContext c;
        MarkOutcome outcome;
    } cases[] = {
        {"list full width", lb(true, 1, "A", "", 1), MarkOutcome::RefusedListFullWidth},
        {"kanji in wire 1", lb(false, 2, kanji, "B", 1), MarkOutcome::RefusedFieldFullWidth},
        {"end of wire 1", lb(false, 1, "AB", "", 2), MarkOutcome::Insert},
        {"start of wire 1", lb(false, 1, "AB", "", 0), MarkOutcome::Nothing},
        {"start of wire 1 after range 1", lb(false, 1, "AB", "", 0, true), MarkOutcome::Insert},
        {"right after a mark", lb(false, 1, "A|B", "", 2), MarkOutcome::Nothing},
        {"right before a mark", lb(false, 1, "A|B", "", 1), MarkOutcome::Nothing},
        {"apart from a mark", lb(false, 1, "AB|C", "", 1), MarkOutcome::Insert},
        {"third mark", lb(false, 2, "A|B", "C|D", 3), MarkOutcome::Nothing},
        {"inside a bracket", lb(false, 1, bracket, "", 4), MarkOutcome::Nothing},
        {"start of wire 2 after wire 1", lb(false, 2, "A", "B", 0), MarkOutcome::Insert},
        {"start of wire 2 alone", lb(false, 2, "", "B", 0), MarkOutcome::Nothing},
        {"start of wire 2 after range 2", lb(false, 2, "", "B", 0, false, "1", "5"),
         MarkOutcome::Insert},
        {"wire 2 next to wire 1's mark", lb(false, 2, "A|", "B", 0), MarkOutcome::Nothing},
        {"range 2 stands between the marks", lb(false, 2, "A|", "B", 0, false, "1", "5"),
         MarkOutcome::Insert},
        // Counted with range 2 the caret touches the mark; counted without it, it does not.
        {"retest without range 2 decides", lb(false, 2, "AB", "X|", 1, false, "1", "5"),
         MarkOutcome::Insert},
        {"wire 2 away from the mark", lb(false, 2, "|A", "BC", 1, false, "1", "5"),
         MarkOutcome::Insert},
        {"no wire text focused", lb(false, 0, "A", "B", 1), MarkOutcome::Nothing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(generator::lineBreakOutcome(c.c), c.outcome) << c.name;
}

}  // namespace
