#include "ctk/writer.h"

#include "ctk/condition_template.h"
#include "text/marks.h"

#include <algorithm>

namespace ctk {
namespace {

using marking_list::CountBoxMode;
using marking_list::MarkingList;

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kMarkerClosing = " \t1\t";

// Line indexes inside the written file, which starts with its block of the template.
constexpr int kMarkerCommentOut = ConditionTemplate::kCommentLine;
constexpr int kWindowsCommentOut =
    ConditionTemplate::kWindowsCommentLine - ConditionTemplate::kWindowsFontFirst;

std::string windowsClosing(int tabs)
{
    return "1\t" + text::marks::fullBlank() + std::string(static_cast<size_t>(tabs), '\t');
}

// The block of the template the variant uses, Comment rule applied, each line ended by CR LF.
void appendConditions(std::string& out, const AppliedConditions& table, FontVariant variant)
{
    const bool marker = variant == FontVariant::MarkerFont;
    const int first = marker ? ConditionTemplate::kMarkerFontFirst
                             : ConditionTemplate::kWindowsFontFirst;
    const int last = marker ? ConditionTemplate::kMarkerFontLast
                            : ConditionTemplate::kWindowsFontLast;
    const int commentOut = marker ? kMarkerCommentOut : kWindowsCommentOut;
    for (int i = first; i <= last; ++i) {
        if (i - first == commentOut) {
            std::string comment = table.line(i);
            applyCommentRule(comment);
            out += comment;
        } else {
            out += table.line(i);
        }
        out += kCrLf;
    }
}

bool closesWithExtraPiece(const AppliedConditions& table, FontVariant variant)
{
    const int line = variant == FontVariant::MarkerFont ? ConditionTemplate::kWorkModeLine
                                                        : ConditionTemplate::kWindowsWorkModeLine;
    return table.line(line) == "WorkMode=3";
}

void appendMarkerLine(std::string& out, std::string_view text, std::string_view count,
                      std::string_view numbering)
{
    out += text;
    out += '\t';
    out += count;
    out += '\t';
    out += numbering;
    out += kCrLf;
}

void appendWindowsLine(std::string& out, std::string_view count, std::string_view text, int tabs)
{
    out += count;
    out += '\t';
    out += text;
    out.append(static_cast<size_t>(tabs), '\t');
    out += kCrLf;
}

int countColumnOf(CountBoxMode layout, int markedCountColumn)
{
    if (layout != CountBoxMode::ThreeBox)
        return 2;
    return 2 + std::clamp(markedCountColumn, 0, 2);
}

int numberingColumnOf(CountBoxMode layout)
{
    return layout == CountBoxMode::ThreeBox ? 5 : 3;
}

RenderResult refused()
{
    return RenderResult{RenderOutcome::WindowsFontNeedsTable, {}};
}

}  // namespace

std::string_view fileExtension(bool tableApplied)
{
    return tableApplied ? "cta" : "ctk";
}

void applyCommentRule(std::string& line)
{
    // A blank byte is never part of a double-byte character.
    std::erase(line, ' ');
    if (line.find("=_") == std::string::npos)
        return;
    const size_t equals = line.find('=');
    if (equals + 1 < line.size() && line[equals + 1] == '_')
        line.erase(equals + 1, 1);
}

std::vector<Piece> listPieces(const MarkingList& list, int markedCountColumn, int lastRow)
{
    const int countColumn = countColumnOf(list.layout(), markedCountColumn);
    const int numberingColumn = numberingColumnOf(list.layout());
    std::vector<Piece> pieces;
    pieces.reserve(static_cast<size_t>(std::max(lastRow, 0)));
    for (int row = 1; row <= lastRow; ++row)
        pieces.push_back(
            {list.cell(1, row), list.cell(countColumn, row), list.cell(numberingColumn, row)});
    return pieces;
}

RenderResult renderOrange(const AppliedConditions* table, FontVariant variant,
                          const MarkingList& list, int markedCountColumn)
{
    if (variant == FontVariant::WindowsFont && !table)
        return refused();
    const int countColumn = countColumnOf(list.layout(), markedCountColumn);
    const int numberingColumn = numberingColumnOf(list.layout());
    // Rows past the list's 1000 read as empty, so a full list still ends with an empty line.
    const int lastRow = list.nextFreeRow();
    const bool closing = table && closesWithExtraPiece(*table, variant);

    RenderResult result;
    std::string& out = result.bytes;
    out.reserve(static_cast<size_t>(lastRow) * 32 + 1024);
    if (table)
        appendConditions(out, *table, variant);
    const int lastDataRow = closing ? lastRow - 1 : lastRow;
    for (int row = 1; row <= lastDataRow; ++row) {
        if (variant == FontVariant::MarkerFont)
            appendMarkerLine(out, list.cell(1, row), list.cell(countColumn, row),
                             list.cell(numberingColumn, row));
        else
            appendWindowsLine(out, list.cell(countColumn, row), list.cell(1, row), 10);
    }
    if (closing) {
        out += variant == FontVariant::MarkerFont ? std::string(kMarkerClosing) : windowsClosing(10);
        out += kCrLf;
    }
    return result;
}

RenderResult renderBlueMarking(const AppliedConditions* table, FontVariant variant,
                               const std::vector<Piece>& rows)
{
    if (variant == FontVariant::WindowsFont && !table)
        return refused();
    RenderResult result;
    std::string& out = result.bytes;
    out.reserve(rows.size() * 32 + 1024);
    if (table)
        appendConditions(out, *table, variant);
    for (const Piece& piece : rows) {
        if (variant == FontVariant::MarkerFont)
            appendMarkerLine(out, piece.text, piece.count, piece.numbering);
        else
            appendWindowsLine(out, piece.count, piece.text, 10);
    }
    if (table && closesWithExtraPiece(*table, variant))
        out += variant == FontVariant::MarkerFont ? std::string(kMarkerClosing) : windowsClosing(8);
    return result;
}

RenderResult renderBlueSave(const AppliedConditions* table, FontVariant variant,
                            std::string_view resultText)
{
    if (variant == FontVariant::WindowsFont && !table)
        return refused();
    RenderResult result;
    std::string& out = result.bytes;
    out.reserve(resultText.size() * 2 + 1024);
    if (table)
        appendConditions(out, *table, variant);

    std::string data(resultText);
    data += kCrLf;
    if (variant == FontVariant::MarkerFont) {
        out += data;
    } else {
        // Each CR LF-separated line holding a TAB becomes count, TAB, text and 8 TABs.
        size_t start = 0;
        for (;;) {
            const size_t end = data.find(kCrLf, start);
            const std::string_view line =
                std::string_view(data).substr(start, end == std::string::npos ? end : end - start);
            const size_t tab = line.find('\t');
            if (tab == std::string_view::npos) {
                out += line;
            } else {
                const std::string_view rest = line.substr(tab + 1);
                const std::string_view count = rest.substr(0, rest.find('\t'));
                out += count;
                out += '\t';
                out += line.substr(0, tab);
                out.append(8, '\t');
            }
            if (end == std::string::npos)
                break;
            out += kCrLf;
            start = end + kCrLf.size();
        }
    }
    if (table && closesWithExtraPiece(*table, variant))
        out += variant == FontVariant::MarkerFont ? std::string(kMarkerClosing) : windowsClosing(8);
    return result;
}

}  // namespace ctk
