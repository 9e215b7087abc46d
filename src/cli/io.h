#pragma once

#include <optional>
#include <string>
#include <vector>

// Standard input and output of the command line: UTF-8 text with LF line ends outside,
// CP932 inside.
namespace cli {

// Exit statuses of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

// Writes a line to standard error.
void complain(const std::string& utf8);

// The bytes of a file, or of standard input for an empty path or "-". Nothing, after a
// message naming the file, when it cannot be read.
std::optional<std::string> readInput(const std::string& path);

// UTF-8 lines (LF, CR LF or CR) to CP932 rows of TAB-separated cells. Nothing, after a
// message naming the line, when a line is not UTF-8 or holds a character CP932 cannot hold.
std::optional<std::vector<std::vector<std::string>>> readRows(const std::string& utf8);

// A CP932 argument; nothing, after a message naming the option, when it cannot be held.
std::optional<std::string> argumentToCp932(const std::string& option, const std::string& utf8);

// Prints CP932 rows as UTF-8 lines, cells joined by TAB.
void printRows(const std::vector<std::vector<std::string>>& rows);

}  // namespace cli
