#include "ctk/reader.h"

#include "text/marks.h"

#include <algorithm>
#include <string>

namespace ctk {
namespace {

// Walks the lines of a byte image without copying them.
class Lines {
public:
    explicit Lines(std::string_view bytes) : s_(bytes) {}

    bool next(std::string_view& line)
    {
        if (pos_ >= s_.size())
            return false;
        const size_t end = s_.find_first_of("\r\n", pos_);
        if (end == std::string_view::npos) {
            line = s_.substr(pos_);
            pos_ = s_.size();
            return true;
        }
        line = s_.substr(pos_, end - pos_);
        pos_ = end + (s_[end] == '\r' && end + 1 < s_.size() && s_[end + 1] == '\n' ? 2 : 1);
        return true;
    }

private:
    std::string_view s_;
    size_t pos_ = 0;
};

constexpr std::string_view kDataMark = "[MarkingData]";

// Text before the next TAB, and the rest after it; without a TAB the field is empty and the
// whole text stays for the next field.
std::string_view takeField(std::string_view& rest)
{
    const size_t tab = rest.find('\t');
    if (tab == std::string_view::npos)
        return {};
    const std::string_view field = rest.substr(0, tab);
    rest.remove_prefix(tab + 1);
    return field;
}

void replaceOnce(std::string& line, char bracket, const std::string& mark)
{
    const size_t backslash = line.find('\\');
    if (backslash == std::string::npos)
        return;
    if (line.find(bracket) != backslash + 1)
        return;
    std::string out;
    out.reserve(line.size() + mark.size());
    out.append(line, 0, backslash);
    out += mark;
    out.append(line, backslash + 2);
    line = std::move(out);
}

}  // namespace

Piece splitMarkerLine(std::string_view line)
{
    Piece piece;
    piece.text = std::string(takeField(line));
    piece.count = std::string(takeField(line));
    piece.numbering = std::string(line);
    return piece;
}

Piece splitWindowsLine(std::string_view line)
{
    Piece piece;
    piece.count = std::string(takeField(line));
    piece.text = std::string(takeField(line));
    return piece;
}

std::string replaceEscapedBrackets(std::string_view line)
{
    std::string out(line);
    replaceOnce(out, '[', text::marks::open());
    replaceOnce(out, ']', text::marks::close());
    return out;
}

ReadResult readCtk(std::string_view bytes, std::size_t maxRows)
{
    ReadResult result;

    // Find the header's end: the first "[MarkingData]" from the second line on.
    size_t headerLines = 0;
    bool hasHeader = false;
    std::string_view fontFlag;
    std::string_view column;
    {
        Lines lines(bytes);
        std::string_view line;
        size_t index = 0;
        while (lines.next(line)) {
            if (index == 4)
                fontFlag = line;
            else if (index == 6)
                column = line;
            if (index >= 1 && line == kDataMark) {
                hasHeader = true;
                headerLines = index + 1;
                break;
            }
            ++index;
        }
    }

    if (hasHeader) {
        if (fontFlag == "FontFlag=0") {
            result.outcome = ReadOutcome::MarkerFont;
        } else if (fontFlag == "FontFlag=1") {
            if (column != "Column=1") {
                result.outcome = ReadOutcome::MultiRowRefused;
                return result;
            }
            result.outcome = ReadOutcome::WindowsFont;
        } else {
            result.outcome = ReadOutcome::UnknownFontFlag;
            return result;
        }
    }

    Lines lines(bytes);
    std::string_view line;
    for (size_t skipped = 0; skipped < headerLines && lines.next(line); ++skipped) {
    }
    result.rows.reserve(std::min<size_t>(maxRows, 1024));
    std::string replaced;
    while (lines.next(line)) {
        if (result.rows.size() >= maxRows) {
            result.moreRows = true;
            break;
        }
        if (!hasHeader && line.find('\\') != std::string_view::npos) {
            replaced = replaceEscapedBrackets(line);
            result.rows.push_back(splitMarkerLine(replaced));
        } else if (!hasHeader)
            result.rows.push_back(splitMarkerLine(line));
        else if (result.outcome == ReadOutcome::WindowsFont)
            result.rows.push_back(splitWindowsLine(line));
        else
            result.rows.push_back(splitMarkerLine(line));
    }
    return result;
}

}  // namespace ctk
