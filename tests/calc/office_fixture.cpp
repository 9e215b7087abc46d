#include "office_fixture.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace calc_testing {

namespace fs = std::filesystem;

std::string TestOffice::scratchDir()
{
    static const std::string dir = [] {
        std::string pattern = (fs::temp_directory_path() / "velmora-calc-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no scratch folder");
        return pattern;
    }();
    return dir;
}

std::string TestOffice::profileDir() { return scratchDir() + "/profile"; }

namespace {
// The scratch folder goes when the test program ends.
struct ScratchCleanup {
    ~ScratchCleanup()
    {
        std::error_code ec;
        fs::remove_all(TestOffice::scratchDir(), ec);
    }
} scratchCleanup;
}  // namespace

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

void TestOffice::openByHandOver(const std::string& path)
{
    std::vector<std::string> args{options_.program, "--headless", "--norestore",
                                  "-env:UserInstallation=file://" + options_.profileDir, path};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ), 0);
    int status = 0;
    waitpid(pid, &status, 0);  // it hands the path over and ends
}

TestOffice* CalcSuite::office_ = nullptr;
calc::CalcHost* CalcSuite::host_ = nullptr;

void CalcSuite::SetUpTestSuite()
{
    office_ = new TestOffice();
    host_ = new calc::CalcHost(office_->hostOptions());
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
