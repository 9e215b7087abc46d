#include "marking_list/text_operations.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using marking_list::TargetCells;
using marking_list::LineBreakRequest;
using marking_list::MarkingList;
using marking_list::Placement;
using marking_list::TextOpResult;
using marking_list::TextOpStatus;

namespace {

void fill(MarkingList& list, const std::vector<const char*>& texts, int column = 1)
{
    for (size_t i = 0; i < texts.size(); ++i)
        list.setCell(column, static_cast<int>(i) + 1, sj(texts[i]));
    list.recomputeNextFreeRow();
}

std::vector<std::string> column(const MarkingList& list, int col, int rows)
{
    std::vector<std::string> out;
    for (int r = 1; r <= rows; ++r)
        out.push_back(list.cell(col, r));
    return out;
}

TextOpResult done(int n)
{
    return {TextOpStatus::Done, n};
}

marking_list::InsertRequest insertAt(const char* text, int position, Placement placement = Placement::Before)
{
    marking_list::InsertRequest r;
    r.text = text;
    r.position = position;
    r.placement = placement;
    return r;
}

marking_list::InsertRequest insertAtKeyword(const char* text, const char* keyword, int k, Placement placement)
{
    marking_list::InsertRequest r = insertAt(text, 0, placement);
    r.byKeyword = true;
    r.keyword = keyword;
    r.occurrence = k;
    return r;
}

struct OccurrenceCase {
    const char* text;
    const char* needle;
    int k;
    size_t expected;
};

class Occurrence : public testing::TestWithParam<OccurrenceCase> {};

TEST_P(Occurrence, SelectsByTheOccurrenceRule)
{
    const auto& c = GetParam();
    EXPECT_EQ(marking_list::findOccurrence(sj(c.text), sj(c.needle), c.k), c.expected);
}

constexpr size_t kNone = std::string::npos;

INSTANTIATE_TEST_SUITE_P(
    Cases, Occurrence,
    testing::Values(OccurrenceCase{"AB-AB", "AB", 0, 0}, OccurrenceCase{"AB-AB", "AB", 1, 0},
                    OccurrenceCase{"AB-AB", "AB", 2, 3}, OccurrenceCase{"AB-AB", "AB", 3, kNone},
                    OccurrenceCase{"X-AB", "AB", 3, 2},    // one occurrence: taken whatever k is
                    OccurrenceCase{"AAAA", "AA", 2, 2},    // occurrences do not overlap
                    OccurrenceCase{"AAA", "AA", 2, 0},     // only one whole occurrence
                    OccurrenceCase{"ABC", "X", 0, kNone},
                    // The second byte of "ア" (0x83 0x41) reads as "A": no match inside it.
                    OccurrenceCase{"アA", "A", 0, 2}));

TEST(TextOperations, ReplaceFollowsTheOccurrenceNumber)
{
    struct Case {
        int k;
        const char* after;
        int changed;
    };
    for (const Case& c : {Case{0, "X-AB", 1}, Case{2, "AB-X", 1}, Case{3, "AB-AB", 0}}) {
        MarkingList list;
        fill(list, {"AB-AB"});
        EXPECT_EQ(marking_list::replaceInCells(list, {1, 1, 1}, "AB", c.k, "X"), done(c.changed)) << c.k;
        EXPECT_EQ(list.cell(1, 1), c.after) << c.k;
    }
}

TEST(TextOperations, ReplaceCountsOnlyChangedCellsOfTheRange)
{
    MarkingList list;
    fill(list, {"AB", "AB-AB", "CD", "AB", "AB"});
    // Rows 1..4 of column 1; row 2 has two occurrences but not a third, row 5 lies outside.
    EXPECT_EQ(marking_list::replaceInCells(list, {1, 1, 4}, "AB", 3, sj("漢字")), done(2));
    EXPECT_EQ(column(list, 1, 5), (std::vector<std::string>{sj("漢字"), "AB-AB", "CD", sj("漢字"), "AB"}));
}

TEST(TextOperations, ReplaceALongTargetAtItsSecondOccurrence)
{
    MarkingList list;
    fill(list, {"ABCDEFGH-ABCDEFGH-"});
    EXPECT_EQ(marking_list::replaceInCells(list, {1, 1, 1}, "ABCDEFGH", 2, "Z"), done(1));
    EXPECT_EQ(list.cell(1, 1), "ABCDEFGH-Z-");
}

TEST(TextOperations, MissingInputAndNotFoundChangeNothing)
{
    MarkingList list;
    fill(list, {"AB", "CD"});
    const TargetCells range{1, 1, 2};
    EXPECT_EQ(marking_list::replaceInCells(list, range, "", 0, "X").status, TextOpStatus::MissingInput);
    EXPECT_EQ(marking_list::replaceInCells(list, range, "AB", 0, "").status, TextOpStatus::MissingInput);
    EXPECT_EQ(marking_list::deleteInCells(list, range, "", 0).status, TextOpStatus::MissingInput);
    EXPECT_EQ(marking_list::insertInCells(list, range, {}).status, TextOpStatus::MissingInput);
    EXPECT_EQ(marking_list::replaceInCells(list, range, "Q", 0, "X").status, TextOpStatus::NotFound);
    EXPECT_EQ(marking_list::deleteInCells(list, range, "Q", 0).status, TextOpStatus::NotFound);
    EXPECT_EQ(marking_list::insertInCells(list, range, insertAt("-", 3)).status, TextOpStatus::NotFound);
    EXPECT_EQ(marking_list::insertInCells(list, range, insertAtKeyword("-", "Q", 0, Placement::Before)).status,
              TextOpStatus::NotFound);
    EXPECT_EQ(column(list, 1, 2), (std::vector<std::string>{"AB", "CD"}));
}

TEST(TextOperations, DeleteTheSelectedOccurrenceInAnotherColumn)
{
    MarkingList list;
    list.setLayout(marking_list::CountBoxMode::Text);
    fill(list, {"A", "B", "C"});
    fill(list, {"X1X", "1", "2X"}, 2);
    EXPECT_EQ(marking_list::deleteInCells(list, {2, 1, 3}, "X", 2), done(2));
    EXPECT_EQ(column(list, 2, 3), (std::vector<std::string>{"X1", "1", "2"}));
}

TEST(TextOperations, InsertByPositionCountsCharacters)
{
    struct Case {
        int position;
        Placement placement;
        std::vector<std::string> after;
        int changed;
    };
    const std::vector<Case> cases{
        {2, Placement::After, {sj("漢字-A"), "AB-", "A", ""}, 2},
        {2, Placement::Before, {sj("漢-字A"), "A-B", "A", ""}, 2},
        {0, Placement::After, {sj("-漢字A"), "-AB", "-A", "-"}, 4},  // empty field: the start of every cell
    };
    for (const Case& c : cases) {
        MarkingList list;
        fill(list, {"漢字A", "AB", "A", ""});
        EXPECT_EQ(marking_list::insertInCells(list, {1, 1, 4}, insertAt("-", c.position, c.placement)),
                  done(c.changed))
            << c.position;
        EXPECT_EQ(column(list, 1, 4), c.after) << c.position;
    }
}

TEST(TextOperations, InsertByKeyword)
{
    MarkingList list;
    fill(list, {"R-S-T", "S", "Q"});
    marking_list::InsertRequest request = insertAtKeyword("*", "-", 2, Placement::After);
    EXPECT_EQ(marking_list::insertInCells(list, {1, 1, 3}, request), done(1));
    EXPECT_EQ(list.cell(1, 1), "R-S-*T");
    request.keyword = "S";
    request.placement = Placement::Before;
    EXPECT_EQ(marking_list::insertInCells(list, {1, 1, 3}, request), done(2));
    EXPECT_EQ(column(list, 1, 3), (std::vector<std::string>{"R-*S-*T", "*S", "Q"}));
}

TEST(TextOperations, InsertBelowTheListExtendsIt)
{
    MarkingList list;
    fill(list, {"A"});
    EXPECT_EQ(marking_list::insertInCells(list, {1, 1, 3}, insertAt("Z", 0)), done(3));
    EXPECT_EQ(list.nextFreeRow(), 4);
}

struct LineBreakCase {
    const char* text;
    LineBreakRequest request;
    const char* after;  // nullptr: the row does not take a mark
};

class BulkLineBreak : public testing::TestWithParam<LineBreakCase> {};

TEST_P(BulkLineBreak, PlacesOneMarkWhereAllowed)
{
    const auto& c = GetParam();
    MarkingList list;
    fill(list, {c.text});
    const TextOpResult result = marking_list::insertLineBreaks(list, 1, 1, c.request);
    EXPECT_EQ(result, c.after ? done(1) : (TextOpResult{TextOpStatus::NotFound, 0}));
    EXPECT_EQ(list.cell(1, 1), sj(c.after ? c.after : c.text));
}

LineBreakRequest byPosition(int n, int m, Placement p)
{
    LineBreakRequest r;
    r.minLength = n;
    r.position = m;
    r.placement = p;
    return r;
}

LineBreakRequest byKeyword(const char* keyword, int k, Placement p)
{
    LineBreakRequest r = byPosition(1, 0, p);
    r.byKeyword = true;
    r.keyword = sj(keyword);
    r.occurrence = k;
    return r;
}

constexpr auto kBefore = Placement::Before;
constexpr auto kAfter = Placement::After;

INSTANTIATE_TEST_SUITE_P(
    Cases, BulkLineBreak,
    testing::Values(LineBreakCase{"ABCD", byPosition(4, 2, kBefore), "A|BCD"},
                    LineBreakCase{"AB", byPosition(4, 2, kBefore), nullptr},     // too short
                    LineBreakCase{"A|BCD", byPosition(4, 2, kBefore), nullptr},  // beside the mark
                    LineBreakCase{"A|BCD", byPosition(4, 3, kBefore), "A|B|CD"},  // M counts without it
                    LineBreakCase{"A|BCD", byPosition(5, 3, kAfter), "A|BC|D"},
                    LineBreakCase{"A|B|CD", byPosition(1, 3, kAfter), nullptr},  // two marks already
                    LineBreakCase{"ABCD", byPosition(1, 1, kBefore), nullptr},   // never at the start
                    LineBreakCase{"ABCD", byPosition(1, 4, kAfter), nullptr},    // never at the end
                    LineBreakCase{"ABCD", byPosition(1, 4, kBefore), "ABC|D"},
                    LineBreakCase{"ABCD", byPosition(1, 5, kBefore), nullptr},
                    // Positions count bytes; one inside a double-byte character is refused.
                    LineBreakCase{"A【1】B", byPosition(1, 3, kBefore), nullptr},
                    LineBreakCase{"A【1】B", byPosition(1, 3, kAfter), nullptr},  // inside the bracket
                    LineBreakCase{"A【1】B", byPosition(1, 6, kAfter), "A【1】|B"},
                    LineBreakCase{"X-Y-Z", byKeyword("-", 0, kBefore), "X|-Y-Z"},
                    LineBreakCase{"X-Y-Z", byKeyword("-", 2, kAfter), "X-Y-|Z"},
                    LineBreakCase{"-XY", byKeyword("-", 0, kBefore), nullptr},  // would start the text
                    LineBreakCase{"XY-", byKeyword("-", 0, kAfter), nullptr},   // would end it
                    LineBreakCase{"X|-Y", byKeyword("-", 0, kBefore), nullptr},  // beside the mark
                    LineBreakCase{"XY", byKeyword("-", 0, kBefore), nullptr}));

TEST(TextOperations, BulkLineBreakCountsTheRowsItChanged)
{
    MarkingList list;
    fill(list, {"ABCD", "AB", "A|BCD", "WXYZ"});
    EXPECT_EQ(marking_list::insertLineBreaks(list, 1, 3, byPosition(4, 2, kBefore)), done(1));
    EXPECT_EQ(column(list, 1, 4), (std::vector<std::string>{"A|BCD", "AB", "A|BCD", "WXYZ"}));
    EXPECT_EQ(marking_list::insertLineBreaks(list, 1, 3, byPosition(0, 2, kBefore)).status,
              TextOpStatus::MissingInput);
    EXPECT_EQ(marking_list::insertLineBreaks(list, 1, 3, byPosition(4, 0, kBefore)).status,
              TextOpStatus::MissingInput);
    EXPECT_EQ(marking_list::insertLineBreaks(list, 1, 3, byKeyword("", 0, kBefore)).status,
              TextOpStatus::MissingInput);
}

TEST(TextOperations, HalfWidthConversionCoversColumnsOneToThreeOfTheList)
{
    MarkingList list;
    list.setLayout(marking_list::CountBoxMode::ThreeBox);
    list.appendRow({sj("ＡＢＣ１"), sj("１"), sj("２"), sj("３"), ""});
    list.appendRow({sj("漢字ア【１】"), "1", "", "", ""});
    list.setCell(1, 3, sj("Ｚ"));  // below the list: left alone
    list.setNextFreeRow(3);
    EXPECT_EQ(marking_list::convertListToHalfWidth(list), 4);
    EXPECT_EQ(list.row(1), (std::vector<std::string>{"ABC1", "1", "2", sj("３"), ""}));
    EXPECT_EQ(list.cell(1, 2), sj("漢字ｱ【1】"));
    EXPECT_EQ(list.cell(1, 3), sj("Ｚ"));
}

}  // namespace
