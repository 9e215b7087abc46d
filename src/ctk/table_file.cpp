#include "ctk/table_file.h"

#include "files/whole_file.h"
#include "text/cp932.h"
#include "text/sjis.h"

namespace ctk {
namespace {

bool isBlankOrControl(unsigned char c)
{
    return c >= 1 && c <= 32;
}

class LineParser {
public:
    explicit LineParser(std::string_view line) : s_(line) {}

    std::vector<std::string> items()
    {
        std::vector<std::string> out;
        skipBlanks();
        while (!atEnd()) {
            out.push_back(peek() == '"' ? quotedItem() : plainItem());
            skipBlanks();
            if (!atEnd() && peek() == ',') {
                if (pos_ + 1 == s_.size())
                    out.emplace_back();
                ++pos_;
                skipBlanks();
            }
        }
        return out;
    }

private:
    bool atEnd() const { return pos_ >= s_.size() || s_[pos_] == '\0'; }
    unsigned char peek() const { return static_cast<unsigned char>(s_[pos_]); }

    void skipBlanks()
    {
        while (!atEnd() && isBlankOrControl(peek()))
            ++pos_;
    }

    std::string plainItem()
    {
        const size_t start = pos_;
        while (!atEnd() && peek() > 32 && peek() != ',')
            pos_ += text::charLength(s_, pos_);
        return std::string(s_.substr(start, pos_ - start));
    }

    // Starts at the opening quote; ends after the closing one, or at the end of the line
    // when the quote is never closed.
    std::string quotedItem()
    {
        std::string item;
        ++pos_;
        while (!atEnd()) {
            if (peek() == '"') {
                if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '"') {
                    item += '"';
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                return item;
            }
            const size_t len = text::charLength(s_, pos_);
            item.append(s_.substr(pos_, len));
            pos_ += len;
        }
        return item;
    }

    std::string_view s_;
    size_t pos_ = 0;
};

}  // namespace

const std::string& TableRecord::column(int index) const
{
    static const std::string empty;
    if (index < 0 || static_cast<size_t>(index) >= columns.size())
        return empty;
    return columns[static_cast<size_t>(index)];
}

TableRecord parseTableLine(std::string_view line)
{
    // A blank is never the second byte of a double-byte character, so a byte search is safe.
    const size_t run = line.find("     ");
    if (run == std::string_view::npos)
        return TableRecord{LineParser(line).items()};
    std::string work;
    work.reserve(line.size() - 4);
    work.append(line.substr(0, run));
    work += '_';
    work.append(line.substr(run + 5));
    return TableRecord{LineParser(work).items()};
}

std::vector<TableRecord> parseTableFile(std::string_view bytes)
{
    std::vector<TableRecord> records;
    for (const std::string& line : files::splitLines(bytes))
        records.push_back(parseTableLine(line));
    return records;
}

TableFile loadTableFile(const std::filesystem::path& path)
{
    TableFile file;
    const files::ReadResult read = files::readWholeFile(path, TableFile::kMaxBytes);
    if (!read.bytes) {
        switch (read.error) {
        case files::ReadError::NotFound: file.outcome = TableLoad::NotFound; break;
        case files::ReadError::TooLarge: file.outcome = TableLoad::TooLarge; break;
        case files::ReadError::Unreadable: file.outcome = TableLoad::Unreadable; break;
        }
        return file;
    }
    const std::string& bytes = *read.bytes;
    if (bytes.find('\0') != std::string::npos || !text::isValidCp932(bytes)) {
        file.outcome = TableLoad::NotText;
        return file;
    }
    file.records = parseTableFile(bytes);
    file.outcome = TableLoad::Loaded;
    return file;
}

}  // namespace ctk
