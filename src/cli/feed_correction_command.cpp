#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/io.h"
#include "cli/messages.h"
#include "ctk/feed_correction.h"

#include <cstdio>

namespace cli {

int runFeedCorrection(const std::vector<std::string>& words)
{
    std::string error;
    const auto args = parseArguments(words, {{"terminal", "strip", "table-hosei"}, {}, 0}, error);
    if (!args) {
        complain("feed-correction: " + error);
        return kExitUsage;
    }
    for (const char* name : {"terminal", "strip", "table-hosei"}) {
        if (!args->value(name)) {
            complain(std::string("feed-correction: --") + name + " is missing");
            return kExitUsage;
        }
    }
    const auto result = ctk::computeFeedCorrection(*args->value("terminal"),
                                                   *args->value("strip"),
                                                   *args->value("table-hosei"));
    switch (result.outcome) {
    case ctk::FeedOutcome::Computed:
        std::printf("%s\n", result.text.c_str());
        return kExitOk;
    case ctk::FeedOutcome::OutOfRange:
        complain(messages::kFeedOutOfRange);
        return kExitRefused;
    case ctk::FeedOutcome::NoChange:
        complain("feed-correction: equal or zero lengths: nothing to correct");
        return kExitRefused;
    }
    return kExitRefused;
}

}  // namespace cli
