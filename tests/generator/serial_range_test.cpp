#include "generator/serial_range.h"
#include "support/cp932_literals.h"

#include <gtest/gtest.h>

using generator::RangeKind;
using generator::RangeMode;
using generator::SerialRange;

namespace {

using Texts = std::vector<std::string>;

Texts run(const std::string& start, const std::string& end, RangeMode mode = RangeMode::Span,
          const std::string& middle = {})
{
    SerialRange range{start, middle, end, mode, false};
    return generator::rangeTexts(range, 1000);
}

Texts joined(std::initializer_list<Texts> parts)
{
    Texts all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Texts decimal(int from, int to, int width)
{
    Texts texts;
    const int step = from <= to ? 1 : -1;
    for (int v = from;; v += step) {
        std::string s = std::to_string(v);
        if (static_cast<int>(s.size()) < width)
            s.insert(0, static_cast<size_t>(width) - s.size(), '0');
        texts.push_back(s);
        if (v == to)
            break;
    }
    return texts;
}

Texts hex(int from, int to, int width)
{
    Texts texts;
    const int step = from <= to ? 1 : -1;
    for (int v = from;; v += step) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%0*X", width, v);
        texts.push_back(buffer);
        if (v == to)
            break;
    }
    return texts;
}

Texts letters(char from, char to)
{
    Texts texts;
    const int step = from <= to ? 1 : -1;
    for (int c = from;; c += step) {
        texts.push_back(std::string(1, static_cast<char>(c)));
        if (c == to)
            break;
    }
    return texts;
}

}  // namespace

TEST(SerialRange, ExampleRuns)
{
    struct Case {
        std::string start, end;
        RangeMode mode;
        std::string middle;
        Texts expected;
    };
    const Case cases[] = {
        {"1", "5", RangeMode::Span, "", decimal(1, 5, 1)},
        {"10", "1", RangeMode::Span, "", decimal(10, 1, 1)},
        {"01", "12", RangeMode::Span, "", decimal(1, 12, 2)},
        {"001", "120", RangeMode::Span, "", decimal(1, 120, 3)},
        {"0A", "1F", RangeMode::Span, "", hex(0x0A, 0x1F, 2)},
        {"FF", "00", RangeMode::Span, "", hex(0xFF, 0x00, 2)},
        {"A", "F", RangeMode::Span, "", hex(0xA, 0xF, 1)},
        {"A", "Z", RangeMode::Span, "", letters('A', 'Z')},
        {"a", "f", RangeMode::Span, "", letters('a', 'f')},
        {"R", "T", RangeMode::Pair, "", {"R", "T"}},
        {"R", "T", RangeMode::Triple, "S", {"R", "S", "T"}},
        {"9", "011", RangeMode::Span, "", {"9", "010", "011"}},
        {"1", "100", RangeMode::Span, "", decimal(1, 100, 1)},
        {"05", "1", RangeMode::Span, "", decimal(5, 1, 2)},
        {"8", "0C", RangeMode::Span, "", joined({hex(8, 9, 2), {"0A", "0B", "0C"}})},
        {"z", "w", RangeMode::Span, "", letters('z', 'w')},
        {"G", "9", RangeMode::Span, "", letters('G', '9')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(run(c.start, c.end, c.mode, c.middle), c.expected) << c.start << " " << c.end;
}

TEST(SerialRange, KindFollowsTheTexts)
{
    struct Case {
        std::string start, end;
        RangeKind kind;
        long long first, last;
    };
    const Case cases[] = {
        {"12", "345", RangeKind::Decimal, 12, 345},
        {"a", "10", RangeKind::Letter, 'a', '1'},  // a single a-f is a letter before hex
        {"ab", "c", RangeKind::Hex, 0xAB, 0xC},
        {"A", "5", RangeKind::Hex, 0xA, 5},
        {"g", "k", RangeKind::Letter, 'g', 'k'},
        {"Z", "A", RangeKind::Letter, 'Z', 'A'},
        {"-1", "5", RangeKind::Letter, '-', '5'},
        {"99999999999999999999", "1", RangeKind::Letter, '9', '1'},
    };
    for (const auto& c : cases) {
        const auto v = generator::spanValues(c.start, c.end);
        EXPECT_EQ(v.kind, c.kind) << c.start << " " << c.end;
        EXPECT_EQ(v.first, c.first) << c.start << " " << c.end;
        EXPECT_EQ(v.last, c.last) << c.start << " " << c.end;
    }
}

TEST(SerialRange, SameValueWrittenTwoWaysGivesThatValueOnce)
{
    EXPECT_EQ(run("5", "05"), Texts{"05"});
    EXPECT_EQ(run("A", "0A"), Texts{"0A"});
}

TEST(SerialRange, IncompleteRangesAreEmptied)
{
    struct Case {
        SerialRange before;
        SerialRange after;
    };
    const Case cases[] = {
        {{"1", "", "", RangeMode::Span, false}, {"", "", "", RangeMode::Span, false}},
        {{"", "", "5", RangeMode::Pair, false}, {"", "", "", RangeMode::Pair, false}},
        {{"R", "", "T", RangeMode::Triple, false}, {"", "", "", RangeMode::Triple, false}},
        {{"R", "S", "T", RangeMode::Triple, false}, {"R", "S", "T", RangeMode::Triple, false}},
        {{"1", "x", "3", RangeMode::Span, false}, {"1", "x", "3", RangeMode::Span, false}},
    };
    for (const auto& c : cases) {
        SerialRange range = c.before;
        generator::emptyIfIncomplete(range);
        EXPECT_EQ(range, c.after) << c.before.start << "/" << c.before.middle << "/" << c.before.end;
    }
    EXPECT_EQ(run("", ""), Texts{""});
}

TEST(SerialRange, LongRunsStopAtTheLimit)
{
    SerialRange range{"0", "", "99999999999", RangeMode::Span, false};
    EXPECT_EQ(generator::rangeTexts(range, 1000).size(), 1000u);
    range = {"FFFFFFFFFFFFFFF", "", "0", RangeMode::Span, false};
    const auto texts = generator::rangeTexts(range, 3);
    EXPECT_EQ(texts, (Texts{"FFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFE", "FFFFFFFFFFFFFFD"}));
}

TEST(SerialRange, DoubleByteTextsAreNeverCutInHalf)
{
    EXPECT_EQ(run(sj("あ"), sj("う")), (Texts{sj("あ"), sj("う")}));
}
