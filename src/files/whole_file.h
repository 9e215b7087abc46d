#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program reads and writes its files whole, as lists of lines.
namespace files {

enum class ReadError { NotFound, Unreadable, TooLarge };

struct ReadResult {
    std::optional<std::string> bytes;  // set on success
    ReadError error = ReadError::Unreadable;
};

// Reads the whole file; refuses one larger than maxBytes so a stray huge file cannot take
// the machine's memory.
ReadResult readWholeFile(const std::filesystem::path& path,
                         std::size_t maxBytes = std::size_t{64} << 20);

// Writes the bytes to a temporary file beside the target and then replaces the target, so
// the target is either the old file or the whole new one, never a half-written one.
// Returns an empty string on success, else the system's reason.
std::string writeWholeFile(const std::filesystem::path& path, std::string_view bytes);

// Splits at CR LF, lone CR and lone LF. A line end at the very end adds no empty line.
std::vector<std::string> splitLines(std::string_view bytes);

// Each line followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

}  // namespace files
