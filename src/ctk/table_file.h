#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// velmorad.sp3: the marker's condition tables, one comma-separated CP932 line per table.
// The program only reads it.
namespace ctk {

// One line of the table file as items; column k is item k. A missing column reads empty.
struct TableRecord {
    std::vector<std::string> columns;

    const std::string& column(int index) const;
    const std::string& tableNumber() const { return column(3); }
    const std::string& name() const { return column(4); }
    const std::string& workMode() const { return column(5); }
    const std::string& hosei() const { return column(11); }
    const std::string& workLength() const { return column(14); }
};

// Splits one line into items. The first run of five blanks becomes "_" (so a name of five
// blanks reads "_"); items are separated by commas and by unquoted blanks or control
// characters; a double-quoted item keeps its commas and blanks, and "" inside it stands for
// one quote; a comma that ends the line adds one empty item. Double-byte characters are
// stepped over whole. A NUL byte ends the line.
TableRecord parseTableLine(std::string_view line);

enum class TableLoad { Loaded, NotFound, Unreadable, TooLarge, NotText };

struct TableFile {
    static const char* fileName() { return "velmorad.sp3"; }
    // A table file holds about 20 short lines; anything far larger is not one.
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 10;

    TableLoad outcome = TableLoad::NotFound;
    std::vector<TableRecord> records;  // line i is record i
    bool loaded() const { return outcome == TableLoad::Loaded; }
};

// Parses the bytes of a table file (lines ended by CR LF, CR or LF).
std::vector<TableRecord> parseTableFile(std::string_view bytes);

// Reads and parses the file. Refuses a file larger than kMaxBytes, and one that is not CP932
// text (NUL bytes or invalid sequences), rather than offering garbage as tables.
TableFile loadTableFile(const std::filesystem::path& path);

}  // namespace ctk
