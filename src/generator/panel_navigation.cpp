#include "generator/panel_navigation.h"

namespace generator {

using marking_list::CountBoxMode;
using F = PanelField;

namespace {

constexpr std::array<F, 3> kStarts{F::Start1, F::Start2, F::Start3};
constexpr std::array<F, 3> kMiddles{F::Middle1, F::Middle2, F::Middle3};
constexpr std::array<F, 3> kEnds{F::End1, F::End2, F::End3};

bool anyRangeComplete(const PanelTexts& p)
{
    for (const RangeTexts& r : p.ranges)
        if (r.complete())
            return true;
    return false;
}

// Whether range r's start, end and (shown) middle are all filled.
bool rangeAllFilled(const PanelTexts& p, int r)
{
    const RangeTexts& range = p.ranges[r];
    return !range.start.empty() && !range.end.empty()
           && (!p.middleShown(r) || !range.middle.empty());
}

}  // namespace

std::optional<int> rangeOf(PanelField f)
{
    for (int r = 0; r < 3; ++r)
        if (f == kStarts[r] || f == kMiddles[r] || f == kEnds[r])
            return r;
    return std::nullopt;
}

bool isRangeField(PanelField f) { return rangeOf(f).has_value(); }
bool isWireText(PanelField f) { return f == F::Wire1 || f == F::Wire2; }
bool isCountField(PanelField f) { return f == F::Count1 || f == F::Count2 || f == F::Count3; }
PanelField startOf(int r) { return kStarts.at(r); }
PanelField middleOf(int r) { return kMiddles.at(r); }
PanelField endOf(int r) { return kEnds.at(r); }

bool RangeTexts::complete() const
{
    if (start.empty() || end.empty())
        return false;
    return mode != RangeMode::Triple || !middle.empty();
}

std::optional<PanelField> leftNeighbour(PanelField f, const PanelTexts& p)
{
    switch (f) {
    case F::Start1: return p.layout == CountBoxMode::ThreeBox ? F::Count3 : F::Count1;
    case F::Middle1: return F::Start1;
    case F::Middle2: return F::Start2;
    case F::Middle3: return F::Start3;
    case F::End1: return p.middleShown(0) ? F::Middle1 : F::Start1;
    case F::End2: return p.middleShown(1) ? F::Middle2 : F::Start2;
    case F::End3: return p.middleShown(2) ? F::Middle3 : F::Start3;
    case F::Wire1: return F::End1;
    case F::Start2: return F::Wire1;
    case F::Wire2: return F::End2;
    case F::Start3: return F::Wire2;
    case F::Count1: return F::End3;
    case F::Count2: return F::Count1;
    case F::Count3: return F::Count2;
    case F::NumberingEnd: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<PanelField> rightNeighbour(PanelField f, const PanelTexts& p)
{
    switch (f) {
    case F::Start1: return p.middleShown(0) ? F::Middle1 : F::End1;
    case F::Start2: return p.middleShown(1) ? F::Middle2 : F::End2;
    case F::Start3: return p.middleShown(2) ? F::Middle3 : F::End3;
    case F::Middle1: return F::End1;
    case F::Middle2: return F::End2;
    case F::Middle3: return F::End3;
    case F::End1: return F::Wire1;
    case F::End2: return F::Wire2;
    case F::End3: return F::Count1;
    case F::Wire1: return F::Start2;
    case F::Wire2: return F::Start3;
    case F::Count1: return p.layout == CountBoxMode::ThreeBox ? F::Count2 : F::Start1;
    case F::Count2: return F::Count3;
    case F::Count3: return F::Start1;
    case F::NumberingEnd: return std::nullopt;
    }
    return std::nullopt;
}

std::optional<PanelField> tabNext(PanelField f)
{
    switch (f) {
    case F::Wire1: return F::Start1;
    case F::Start1: return F::Start2;
    case F::Start2: return F::Wire2;
    case F::Wire2: return F::Start3;
    case F::Start3: return F::Count1;
    case F::Count1: return F::Wire1;
    default: return std::nullopt;
    }
}

std::optional<PanelField> enterTarget(PanelField f, const PanelTexts& p)
{
    if (isWireText(f)) {
        if (p.wire1.empty() && p.wire2.empty() && !anyRangeComplete(p))
            return std::nullopt;
        if (f == F::Wire2 || p.layout != CountBoxMode::ThreeBox)
            return F::Count1;
        const auto& c = p.counts;
        if (!c[0].empty() || (c[1].empty() && c[2].empty()))
            return F::Count1;
        return c[1].empty() ? F::Count3 : F::Count2;
    }
    const std::optional<int> range = rangeOf(f);
    if (!range)
        return std::nullopt;
    const int r = *range;
    const RangeTexts& texts = p.ranges[r];
    if (f == kStarts[r]) {
        if (texts.start.empty())
            return std::nullopt;
        return p.middleShown(r) && texts.middle.empty() ? kMiddles[r] : kEnds[r];
    }
    if (f == kMiddles[r]) {
        if (texts.middle.empty())
            return std::nullopt;
        return texts.end.empty() ? kEnds[r] : F::Count1;
    }
    if (texts.end.empty() || !rangeAllFilled(p, r))
        return std::nullopt;
    constexpr std::array<F, 3> afterEnd{F::Wire1, F::Wire2, F::Count1};
    return afterEnd[r];
}

}  // namespace generator
