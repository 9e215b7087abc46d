// Rendering a full 1000-row list as a CTK file with a table applied; goal: under 1 ms.
#include "ctk/table_file.h"
#include "ctk/writer.h"
#include "text/cp932.h"

#include <benchmark/benchmark.h>

namespace {

void fillList(marking_list::MarkingList& list)
{
    const std::string wide = text::literal("端子");
    for (int i = 1; i <= marking_list::MarkingList::kRows; ++i)
        list.appendRow({wide + "A-" + std::to_string(i), std::to_string(i % 9 + 1), "F"});
}

ctk::AppliedConditions table()
{
    ctk::AppliedConditions conditions;
    conditions.fill({ctk::parseTableLine(
                        "1,0,0,1,TB,3,4.5,1,3.8,2.0,2,100,0.4,3,30,7,1.5,1.2,6,8,9,0.1,11,12")},
                    0, "");
    return conditions;
}

void RenderOrangeFullList(benchmark::State& state)
{
    marking_list::MarkingList list;
    fillList(list);
    const ctk::AppliedConditions conditions = table();
    const auto variant = state.range(0) ? ctk::FontVariant::WindowsFont
                                        : ctk::FontVariant::MarkerFont;
    for (auto _ : state) {
        auto result = ctk::renderOrange(&conditions, variant, list, 0);
        benchmark::DoNotOptimize(result.bytes.data());
    }
}
BENCHMARK(RenderOrangeFullList)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
