// Transfer of a 1000-row 3BOX list into Calc and reading 1000 × 4 cells back, in blocks
// (one call each) against cell by cell. Starts its own headless office with a private
// profile and ends it. The block paths must be at least 50 times faster; the program says
// so at the end and exits with 1 when they are not.

#include "calc/calc_host.h"
#include "marking_list/marking_list.h"
#include "sheet/transfer.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <unistd.h>

namespace {

calc::CalcHost* host = nullptr;
marking_list::MarkingList* list = nullptr;
std::map<std::string, double> secondsPerRun;  // fastest run of each benchmark

constexpr int kRows = 1000;
constexpr int kReadColumns = 4;

void record(const char* name, double seconds)
{
    auto it = secondsPerRun.find(name);
    if (it == secondsPerRun.end() || seconds < it->second)
        secondsPerRun[name] = seconds;
}

template <class F>
void timed(benchmark::State& state, const char* name, F&& body)
{
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        record(name, seconds);
    }
}

void BM_TransferBlock(benchmark::State& state)
{
    timed(state, "write block", [] {
        const auto result = sheet::runTransfer(*host, *list, {1, 1, 0, false, false, false});
        if (!result.done)
            std::abort();
    });
}

void BM_TransferCellByCell(benchmark::State& state)
{
    timed(state, "write cells", [] {
        for (int row = 1; row <= kRows; ++row)
            for (int column = 1; column <= list->columnCount(); ++column)
                host->setCellText({column, row}, list->cell(column, row));
    });
}

void BM_ReadBlock(benchmark::State& state)
{
    timed(state, "read block", [] {
        benchmark::DoNotOptimize(host->blockText({1, 1}, {kReadColumns, kRows}));
    });
}

void BM_ReadCellByCell(benchmark::State& state)
{
    timed(state, "read cells", [] {
        for (int row = 1; row <= kRows; ++row)
            for (int column = 1; column <= kReadColumns; ++column)
                benchmark::DoNotOptimize(host->cellText({column, row}));
    });
}

BENCHMARK(BM_TransferBlock)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_TransferCellByCell)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReadBlock)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ReadCellByCell)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    char dir[] = "/tmp/velmora-bench-XXXXXX";
    if (!mkdtemp(dir))
        return 1;
    calc::CalcHost::Options options;
    options.office.pipeName = "velmora_bench_" + std::to_string(getpid());
    options.office.profileDir = std::string(dir) + "/profile";
    options.office.headless = true;
    options.connectTimeoutMs = 120000;

    marking_list::MarkingList markingList;
    markingList.setLayout(marking_list::CountBoxMode::ThreeBox);
    for (int i = 1; i <= kRows; ++i)
        markingList.appendRow({"W" + std::to_string(1000 + i), std::to_string(i % 3 + 1), "",
                               std::to_string(i % 5), i % 10 == 0 ? std::to_string(i) : ""});
    list = &markingList;

    int status = 0;
    {
        calc::CalcHost calcHost(options);
        host = &calcHost;
        try {
            calcHost.newWorkbook();
            benchmark::RunSpecifiedBenchmarks();
        } catch (const sheet::SpreadsheetError& e) {
            std::fprintf(stderr, "spreadsheet failed: %s\n", e.what());
            status = 1;
        }
        if (status == 0 && secondsPerRun.size() == 4) {
            const double write = secondsPerRun["write cells"] / secondsPerRun["write block"];
            const double read = secondsPerRun["read cells"] / secondsPerRun["read block"];
            std::printf("block write %.0f times faster than cell by cell, block read %.0f times\n",
                        write, read);
            if (write < 50 || read < 50) {
                std::printf("the block paths are less than 50 times faster\n");
                status = 1;
            }
        }
        try {
            calcHost.closeActiveWorkbook();
            calcHost.quit();
        } catch (const sheet::SpreadsheetError&) {
        }
        if (auto* office = calcHost.ownOffice(); office && !office->waitForExit(5000))
            office->kill();
        host = nullptr;
    }
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    benchmark::Shutdown();
    return status;
}
