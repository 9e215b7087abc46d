#include "office_fixture.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <vector>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace calc_testing {

namespace fs = std::filesystem;

namespace {
// Made on first use and never destroyed, so that the cleanup below can still read it.
std::string* scratch = nullptr;

// The scratch folder goes when the test program ends.
struct ScratchCleanup {
    ~ScratchCleanup()
    {
        if (!scratch)
            return;
        std::error_code ec;
        fs::remove_all(*scratch, ec);
    }
} scratchCleanup;
}  // namespace

std::string TestOffice::scratchDir()
{
    if (!scratch) {
        std::string pattern = (fs::temp_directory_path() / "velmora-calc-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no scratch folder");
        scratch = new std::string(pattern);
    }
    return *scratch;
}

std::string TestOffice::profileDir() { return scratchDir() + "/profile"; }

TestOffice::TestOffice()
{
    static int counter = 0;
    options_.pipeName = "velmora_test_" + std::to_string(getpid()) + "_" + std::to_string(++counter);
    options_.profileDir = profileDir();
    options_.headless = true;
}

TestOffice::~TestOffice() { kill(); }

calc::CalcHost::Options TestOffice::hostOptions() const
{
    calc::CalcHost::Options o;
    o.office = options_;
    return o;
}

void TestOffice::start(calc::CalcHost& host)
{
    process_ = std::make_unique<calc::OfficeProcess>(options_);
    ASSERT_TRUE(process_->start());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline) {
        try {
            host.attach(false);
            return;
        } catch (const sheet::SpreadsheetError&) {
        }
        ASSERT_TRUE(process_->alive()) << "office ended with " << process_->exitCode();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    FAIL() << "the office did not accept a connection";
}

void TestOffice::kill()
{
    if (process_)
        process_->kill();
}

TestOffice* CalcSuite::office_ = nullptr;
calc::CalcHost* CalcSuite::host_ = nullptr;

namespace {
std::mutex postedMutex;
std::vector<std::function<void()>> posted;
}  // namespace

void CalcSuite::post(std::function<void()> task)
{
    std::lock_guard lock(postedMutex);
    posted.push_back(std::move(task));
}

bool CalcSuite::drainUntil(const std::function<bool()>& done)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (true) {
        std::vector<std::function<void()>> tasks;
        {
            std::lock_guard lock(postedMutex);
            tasks.swap(posted);
        }
        for (auto& t : tasks)
            t();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

std::string CalcSuite::fixtureCopy(const std::string& name)
{
    static int counter = 0;
    const fs::path target =
        fs::path(TestOffice::scratchDir()) / ("copy" + std::to_string(++counter)) / name;
    fs::create_directories(target.parent_path());
    fs::copy_file(fs::path(VELMORA_CALC_FIXTURES_DIR) / name, target);
    return target.string();
}

void CalcSuite::SetUpTestSuite()
{
    office_ = new TestOffice();
    auto options = office_->hostOptions();
    options.post = &CalcSuite::post;
    host_ = new calc::CalcHost(options);
    office_->start(*host_);
}

void CalcSuite::TearDownTestSuite()
{
    delete host_;
    host_ = nullptr;
    delete office_;
    office_ = nullptr;
}

void CalcSuite::SetUp()
{
    ASSERT_NE(host_, nullptr);
    host().newWorkbook();
}

}  // namespace calc_testing
