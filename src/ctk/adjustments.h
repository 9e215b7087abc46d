#pragma once

#include <string>

namespace ctk {

// The work-length and feed-correction state both working windows share, so that a mode
// switch carries it over. Empty texts mean "none".
struct SharedAdjustments {
    std::string workLengthOverride;
    bool feedCorrectionOn = false;
    std::string terminalLength;
    std::string stripLength;
    std::string percentage;

    void forgetFeedCorrection()
    {
        feedCorrectionOn = false;
        terminalLength.clear();
        stripLength.clear();
        percentage.clear();
    }
};

}  // namespace ctk
