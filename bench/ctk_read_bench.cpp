// Reading and importing a 1000-line marking file; goal: under 1 ms.
#include "ctk/import.h"
#include "ctk/reader.h"

#include <benchmark/benchmark.h>

namespace {

std::string thousandLines()
{
    std::string bytes;
    for (int i = 1; i <= 1000; ++i)
        bytes += "\\[" + std::to_string(i) + "\\]A-" + std::to_string(i) + "\t5\tF\r\n";
    return bytes;
}

void ReadThousandLines(benchmark::State& state)
{
    const std::string bytes = thousandLines();
    for (auto _ : state) {
        auto result = ctk::readCtk(bytes, 1000);
        benchmark::DoNotOptimize(result.rows.data());
    }
}
BENCHMARK(ReadThousandLines)->Unit(benchmark::kMicrosecond);

void ImportThousandLines(benchmark::State& state)
{
    const std::string bytes = thousandLines();
    for (auto _ : state) {
        marking_list::MarkingList list;
        auto result = ctk::importCtk(list, bytes);
        benchmark::DoNotOptimize(result.rows);
    }
}
BENCHMARK(ImportThousandLines)->Unit(benchmark::kMicrosecond);

}  // namespace
