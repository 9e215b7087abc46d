#include "app/program_state.h"
#include "generator/sequence_expansion.h"

#include <benchmark/benchmark.h>

#include <memory>

// One OK that expands a range into a full list of 1000 rows. Goal: under 2 ms.
static void BM_ExpandThousandRows(benchmark::State& bench)
{
    for (auto _ : bench) {
        bench.PauseTiming();
        auto state = std::make_unique<app::ProgramState>();
        generator::GeneratorFields fields;
        fields.ranges[0].start = "1";
        fields.ranges[0].end = "10";
        fields.ranges[1].start = "001";
        fields.ranges[1].end = "100";
        fields.wireTexts[0] = "-";
        fields.wireTexts[1] = "-R";
        fields.counts[0] = "2";
        generator::GeneratorUndoRecord record;
        bench.ResumeTiming();

        const auto result = generator::expandSequence(*state, fields, record, {});
        benchmark::DoNotOptimize(result.rowsWritten);
    }
}
BENCHMARK(BM_ExpandThousandRows)->Unit(benchmark::kMillisecond);
