#include "ctk/condition_template.h"

#include "text/cp932.h"

#include <string_view>

namespace ctk {
namespace {

struct TemplateLine {
    std::string_view text;  // UTF-8 source text
    int value;
};

constexpr int N = ConditionTemplate::kNoValue;
constexpr int T = ConditionTemplate::kTableNumber;

// The keys of lines 7-25 and the columns they take; the Windows-font block repeats them
// (lines 41-59) with "PitchY=" written without its blank.
constexpr std::array<TemplateLine, ConditionTemplate::kLines> kTemplate{{
    {"[Condition]", N},
    {"FileType=1", N},
    {"FileMode=0", N},
    {"Version=2", N},
    {"FontFlag=0", N},
    {"TableNo=", T},
    {"Comment=", 4},
    {"MojiSize=", 6},
    {"WorkMode=", 5},
    {"WorkLength=", 14},
    {"PitchX=", 8},
    {"FrontSpace=", 16},
    {"BackSpace=", 17},
    {"CutPosition=", 10},
    {"PositionY=", 12},
    {"VerticalMax=", 13},
    {"CutType=", 22},
    {"MarkWay=", 7},
    {"PitchY= ", 9},
    {"Hosei=", 11},
    {"Numbering=", 15},
    {"Density=", 18},
    {"RepeatMode=", 19},
    {"Label=", 20},
    {"CutHosei=", 21},
    {"SetCount=", 23},
    {"VerticalPosition=0", N},
    {"HorizontalPosition=0", N},
    {"[MarkingData]", N},
    // Windows-font block
    {"[Condition]", N},
    {"FileType=1", N},
    {"FileMode=0", N},
    {"Version=2", N},
    {"FontFlag=1", N},
    {"TableNo=", T},
    {"Column=1", N},
    {"FontName=ＭＳ Ｐゴシック", N},
    {"FontSize=18", N},
    {"FontStyle=0", N},
    {"CutExpand=0", N},
    {"Comment=     ", 4},
    {"MojiSize=", 6},
    {"WorkMode=", 5},
    {"WorkLength=", 14},
    {"PitchX=", 8},
    {"FrontSpace=", 16},
    {"BackSpace=", 17},
    {"CutPosition=", 10},
    {"PositionY=", 12},
    {"VerticalMax=", 13},
    {"CutType=", 22},
    {"MarkWay=", 7},
    {"PitchY=", 9},
    {"Hosei=", 11},
    {"Numbering=", 15},
    {"Density=", 18},
    {"RepeatMode=", 19},
    {"Label=", 20},
    {"CutHosei=", 21},
    {"SetCount=", 23},
    {"VerticalPosition=1", N},
    {"HorizontalPosition=0", N},
    {"[MarkingData]", N},
}};

const std::array<std::string, ConditionTemplate::kLines>& cp932Lines()
{
    static const auto lines = [] {
        std::array<std::string, ConditionTemplate::kLines> out;
        for (size_t i = 0; i < kTemplate.size(); ++i)
            out[i] = text::literal(kTemplate[i].text);
        return out;
    }();
    return lines;
}

}  // namespace

const std::string& ConditionTemplate::text(int line)
{
    static const std::string empty;
    if (line < 0 || line >= kLines)
        return empty;
    return cp932Lines()[static_cast<size_t>(line)];
}

int ConditionTemplate::valueColumn(int line)
{
    if (line < 0 || line >= kLines)
        return kNoValue;
    return kTemplate[static_cast<size_t>(line)].value;
}

}  // namespace ctk
