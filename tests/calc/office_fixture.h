#pragma once

#include "calc/calc_host.h"
#include "calc/office_process.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace calc_testing {

// A headless office with a private profile and pipe, ended by its own process id. The
// profile stays for the whole test program, so only the first start pays for creating it.
class TestOffice final {
public:
    TestOffice();
    ~TestOffice();  // kills the office if it still runs
    TestOffice(const TestOffice&) = delete;
    TestOffice& operator=(const TestOffice&) = delete;

    // Starts the office and waits until it accepts a connection (through `host`).
    void start(calc::CalcHost& host);
    void kill();
    calc::OfficeProcess& process() { return *process_; }
    const calc::OfficeOptions& options() const { return options_; }

    // Options for a host that talks to this office.
    calc::CalcHost::Options hostOptions() const;

    static std::string profileDir();
    static std::string scratchDir();

private:
    calc::OfficeOptions options_;
    std::unique_ptr<calc::OfficeProcess> process_;
};

// A host whose office is killed as the n-th block of rows is written, to see what a dying
// office does to a transfer.
class DyingHost final : public calc::CalcHost {
public:
    DyingHost(Options options, TestOffice& office) : CalcHost(std::move(options)), office_(office)
    {
    }
    int killAtWrite = -1;
    void pasteBlockText(sheet::CellRef topLeft, const std::vector<std::vector<std::string>>& rows,
                        const std::vector<bool>& numberColumns) override
    {
        if (++writes_ == killAtWrite)
            office_.kill();
        CalcHost::pasteBlockText(topLeft, rows, numberColumns);
    }

private:
    TestOffice& office_;
    int writes_ = 0;
};

// One office for a whole suite, a fresh workbook for every test.
class CalcSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static TestOffice* office_;
    static calc::CalcHost* host_;
    calc::CalcHost& host() { return *host_; }

    // Events reach the suite's host through this queue, as they would reach the UI thread.
    static void post(std::function<void()> task);
    // Runs the queued tasks until `done` holds or two seconds pass.
    static bool drainUntil(const std::function<bool()>& done);
    // A copy of a fixture workbook in the scratch folder (the office leaves lock files).
    static std::string fixtureCopy(const std::string& name);
};

}  // namespace calc_testing
