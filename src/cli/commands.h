#pragma once

#include "ctk/table_file.h"

#include <optional>
#include <string>
#include <vector>

// The commands of velmora-cli. Each takes the words after its name and returns the exit status.
namespace cli {

int runExpand(const std::vector<std::string>& words);
int runCtk(const std::vector<std::string>& words);
int runImport(const std::vector<std::string>& words);
int runTables(const std::vector<std::string>& words);
int runFeedCorrection(const std::vector<std::string>& words);

// Loads a table file, or says why it cannot and gives nothing.
std::optional<ctk::TableFile> loadTables(const std::string& command, const std::string& path);

// Parses the layout word: "1box", "3box" and, where `allowText`, "text".
bool parseLayoutWord(const std::string& word, bool allowText, int& layout);

}  // namespace cli
