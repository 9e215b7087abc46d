#include "calc/office_process.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace calc {

namespace {
// The office's own code for "the new profile is made, start me again".
constexpr int kRestartCode = 81;
}  // namespace

OfficeProcess::OfficeProcess(OfficeOptions options) : options_(std::move(options)) {}

OfficeProcess::~OfficeProcess()
{
    if (pid_ > 0)
        alive();  // reap if it has ended; a living office is left running
}

bool OfficeProcess::spawn()
{
    std::vector<std::string> args{options_.program,
                                  "--norestore",
                                  "--nologo",
                                  "--nodefault",
                                  "--nolockcheck",
                                  "--accept=pipe,name=" + options_.pipeName +
                                      ";urp;StarOffice.ComponentContext"};
    if (options_.headless) {
        args.emplace_back("--headless");
        args.emplace_back("--invisible");
    }
    if (!options_.profileDir.empty())
        args.push_back("-env:UserInstallation=file://" + options_.profileDir);

    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    // The office's own chatter goes nowhere; it reports nothing the program needs.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, options_.program.c_str(), &actions, nullptr, argv.data(),
                               environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return false;
    pid_ = pid;
    exitCode_ = -1;
    return true;
}

bool OfficeProcess::start()
{
    restartedAfterProfile_ = false;
    return spawn();
}

bool OfficeProcess::alive()
{
    if (pid_ <= 0)
        return false;
    int status = 0;
    const pid_t r = waitpid(pid_, &status, WNOHANG);
    if (r == 0)
        return true;
    if (r == pid_) {
        exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        pid_ = -1;
        if (exitCode_ == kRestartCode && !restartedAfterProfile_) {
            restartedAfterProfile_ = true;
            return spawn();
        }
        return false;
    }
    // Not our child any more (or an error): nothing to wait for.
    pid_ = -1;
    return false;
}

void OfficeProcess::kill()
{
    if (pid_ <= 0)
        return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    exitCode_ = 128 + SIGKILL;
    pid_ = -1;
}

bool OfficeProcess::waitForExit(int millis)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(millis);
    while (std::chrono::steady_clock::now() < deadline) {
        if (pid_ <= 0)
            return true;
        int status = 0;
        const pid_t r = waitpid(pid_, &status, WNOHANG);
        if (r == pid_) {
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            pid_ = -1;
            return true;
        }
        if (r < 0) {
            pid_ = -1;
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

}  // namespace calc
