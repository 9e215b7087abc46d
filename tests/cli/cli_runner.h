#pragma once

#include <string>
#include <vector>

// Runs velmora-cli as a user would, with the given standard input, and keeps what it printed.
struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

inline std::string slurpFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline CliRun runCli(const std::vector<std::string>& args, const std::string& input = {})
{
    // Files rather than pipes: no deadlock however much either side writes.
    const auto dir = std::filesystem::temp_directory_path() /
                     ("velmora-cli-run-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto in = dir / "in", out = dir / "out", err = dir / "err";
    std::ofstream(in, std::ios::binary) << input;

    std::string program = VELMORA_CLI_PATH;
    std::vector<std::string> copies(args);
    std::vector<char*> argv{program.data()};
    for (auto& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open(in.c_str(), O_RDONLY), 0);
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    CliRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = slurpFile(out);
    run.err = slurpFile(err);
    std::filesystem::remove_all(dir);
    return run;
}
