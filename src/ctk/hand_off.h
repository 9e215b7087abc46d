#pragma once

#include <filesystem>
#include <string>

namespace ctk {

// The marker software's main window, which must be closed before a new marking: it reads its
// input file only when it starts.
inline constexpr const char* kMarkerWindowClass = "TApplication";
inline constexpr const char* kMarkerWindowTitle = "CTKPCMS for Windows Ver3.0";

// The file a marking writes beside the program and hands to the shell: velmorad.cta with a
// table applied, velmorad.ctk without.
std::filesystem::path handOffFile(const std::filesystem::path& programFolder, bool tableApplied);

}  // namespace ctk
