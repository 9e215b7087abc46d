#include "cli/io.h"

#include "files/whole_file.h"
#include "text/cp932.h"
#include "text/sjis.h"

#include <cstdio>
#include <iostream>
#include <iterator>

namespace cli {

namespace {
// Far more than 1000 rows of any sensible text; a larger input is not a wire list.
constexpr std::size_t kMaxInputBytes = std::size_t{16} << 20;
}  // namespace

void complain(const std::string& utf8)
{
    std::cerr << utf8 << '\n';
}

std::optional<std::string> readInput(const std::string& path)
{
    if (path.empty() || path == "-") {
        std::string bytes;
        char buffer[1 << 16];
        std::size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) {
            if (bytes.size() + n > kMaxInputBytes) {
                complain("standard input: larger than 16 MiB, not read");
                return std::nullopt;
            }
            bytes.append(buffer, n);
        }
        if (std::ferror(stdin)) {
            complain("standard input: cannot be read");
            return std::nullopt;
        }
        return bytes;
    }
    auto read = files::readWholeFile(path, kMaxInputBytes);
    if (read.bytes)
        return std::move(*read.bytes);
    switch (read.error) {
    case files::ReadError::NotFound: complain(path + ": no such file"); break;
    case files::ReadError::TooLarge: complain(path + ": larger than 16 MiB, not read"); break;
    case files::ReadError::Unreadable: complain(path + ": cannot be read"); break;
    }
    return std::nullopt;
}

std::optional<std::vector<std::vector<std::string>>> readRows(const std::string& utf8)
{
    std::vector<std::vector<std::string>> rows;
    int lineNumber = 0;
    for (const auto& line : files::splitLines(utf8)) {
        ++lineNumber;
        auto cp932 = text::toCp932(line);
        if (!cp932) {
            complain("line " + std::to_string(lineNumber) +
                     ": not UTF-8, or a character that Shift-JIS (CP932) cannot hold");
            return std::nullopt;
        }
        rows.push_back(text::split(*cp932, '\t'));
    }
    return rows;
}

std::optional<std::string> argumentToCp932(const std::string& option, const std::string& utf8)
{
    auto cp932 = text::toCp932(utf8);
    if (!cp932)
        complain(option + ": not UTF-8, or a character that Shift-JIS (CP932) cannot hold");
    return cp932;
}

void printRows(const std::vector<std::vector<std::string>>& rows)
{
    std::string out;
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += '\t';
            out += text::toUtf8(row[c]);
        }
        out += '\n';
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

}  // namespace cli
