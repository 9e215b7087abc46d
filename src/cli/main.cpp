#include "cli/commands.h"
#include "cli/help.h"
#include "cli/io.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace {

bool asksForHelp(const std::vector<std::string>& words)
{
    return std::any_of(words.begin(), words.end(),
                       [](const std::string& w) { return w == "--help" || w == "-h"; });
}

void printHelp(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
}

}  // namespace

int main(int argc, char* argv[])
{
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty()) {
        std::fputs(cli::helpText("").data(), stderr);
        return cli::kExitUsage;
    }
    const std::string& command = all[0];
    const std::vector<std::string> words(all.begin() + 1, all.end());
    if (command == "--help" || command == "-h" || command == "help") {
        printHelp(cli::helpText(words.empty() ? "" : words[0]));
        return cli::kExitOk;
    }
    if (cli::helpText(command).empty()) {
        cli::complain("unknown command " + command + "; see velmora-cli --help");
        return cli::kExitUsage;
    }
    if (asksForHelp(words)) {
        printHelp(cli::helpText(command));
        return cli::kExitOk;
    }
    try {
        if (command == "expand")
            return cli::runExpand(words);
        if (command == "ctk")
            return cli::runCtk(words);
        if (command == "import")
            return cli::runImport(words);
        if (command == "tables")
            return cli::runTables(words);
        return cli::runFeedCorrection(words);
    } catch (const std::exception& e) {
        // Nothing a user types should get here; if it does, say so rather than abort.
        cli::complain(command + ": internal error: " + e.what());
        return cli::kExitRefused;
    }
}
