#include "app/program_state.h"
#include "marking_list/clipboard_commands.h"

#include <benchmark/benchmark.h>

#include <memory>

#include <string>

// Pasting 1000 clipboard lines into an empty list, both ways. Goal: under 2 ms.
static void BM_PasteThousandLines(benchmark::State& bench)
{
    std::string clipboard;
    for (int i = 1; i <= 1000; ++i)
        clipboard += "W-" + std::to_string(i) + "\t2\tF\r\n";
    const auto mode = bench.range(0) ? marking_list::PasteMode::Insert
                                     : marking_list::PasteMode::Overwrite;
    for (auto _ : bench) {
        bench.PauseTiming();
        auto state = std::make_unique<app::ProgramState>();
        bench.ResumeTiming();

        const auto result = marking_list::paste(*state, clipboard, {1, 1, 1, 1}, mode, true);
        benchmark::DoNotOptimize(result.rowsWritten);
    }
}
BENCHMARK(BM_PasteThousandLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
