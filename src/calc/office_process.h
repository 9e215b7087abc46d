#pragma once

#include <string>
#include <sys/types.h>

namespace calc {

// How an office process is started: the pipe it accepts UNO connections on and the profile
// it keeps its settings in. An empty profile means the user's own profile, so that a Calc
// the user already runs on it takes the arguments over and no second office appears.
struct OfficeOptions {
    std::string pipeName = "velmora";
    std::string profileDir;   // absolute path; empty: the user's profile
    bool headless = false;    // no windows at all (tests and benchmarks)
    std::string program = VELMORA_SOFFICE_BIN;
};

// One office process started by this program, known by its own process id. A brand-new
// profile makes the office exit once with code 81 after creating itself; start() restarts it.
class OfficeProcess final {
public:
    explicit OfficeProcess(OfficeOptions options);
    ~OfficeProcess();  // leaves a running office running; reaps a dead one
    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;

    // Starts the office. False when it cannot be started.
    bool start();
    // True while the process started last is alive. Reaps it when it has ended and notes
    // its exit code; a first exit with code 81 starts it again.
    bool alive();
    // The exit code of the process once it has ended, or -1.
    int exitCode() const { return exitCode_; }
    pid_t pid() const { return pid_; }
    // Kills the process (SIGKILL) by its own id and waits for it.
    void kill();
    // Waits up to `millis` for the process to end on its own; true when it did.
    bool waitForExit(int millis);

    const OfficeOptions& options() const { return options_; }

private:
    bool spawn();
    OfficeOptions options_;
    pid_t pid_ = -1;
    int exitCode_ = -1;
    bool restartedAfterProfile_ = false;
};

}  // namespace calc
