#include "app/control_states.h"
#include "app/program_state.h"
#include "marking_list/ui/list_panel.h"
#include "marking_list/ui/marking_grid.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <string>

namespace {

void fillList(marking_list::MarkingList& list)
{
    marking_list::MarkingList::Batch batch(list);
    list.clear();
    for (int i = 1; i <= marking_list::MarkingList::kRows; ++i)
        list.appendRow({"W-" + std::to_string(i), "1", ""});
}

// The StateRefreshTimer's work on a full list: NextFreeRow from the cells, then the control
// states that follow it. Goal: under 20 microseconds.
void BM_StateRefreshTickFullList(benchmark::State& bench)
{
    app::ProgramState state;
    fillList(state.list);
    for (auto _ : bench) {
        const app::ControlStates s = app::refreshControlStates(state, {});
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_StateRefreshTickFullList)->Unit(benchmark::kMicrosecond);

// The worst case of the same work: an empty list scans all 1000 rows.
void BM_StateRefreshTickEmptyList(benchmark::State& bench)
{
    app::ProgramState state;
    for (auto _ : bench) {
        const app::ControlStates s = app::refreshControlStates(state, {});
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_StateRefreshTickEmptyList)->Unit(benchmark::kMicrosecond);

// Filling 1000 rows in one batch and repainting the grid once.
void BM_FillAndRepaintThousandRows(benchmark::State& bench)
{
    app::ProgramState state;
    marking_list::ui::ListPanel panel(state);
    panel.resize(420, 700);
    panel.show();
    QApplication::processEvents();
    for (auto _ : bench) {
        fillList(state.list);
        panel.grid()->viewport()->repaint();
    }
}
BENCHMARK(BM_FillAndRepaintThousandRows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
