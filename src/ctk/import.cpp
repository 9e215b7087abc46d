#include "ctk/import.h"

#include "files/whole_file.h"
#include "text/cp932.h"

#include <algorithm>

namespace ctk {

ImportResult importCtk(marking_list::MarkingList& list, std::string_view bytes)
{
    ImportResult result;
    if (bytes.find('\0') != std::string_view::npos || !text::isValidCp932(bytes)) {
        result.outcome = ImportOutcome::NotText;
        return result;
    }
    // Read one row past the larger limit to learn whether any line was left out.
    const ReadResult read = readCtk(bytes, kMarkerFontImportLimit);
    switch (read.outcome) {
    case ReadOutcome::MultiRowRefused:
        result.outcome = ImportOutcome::MultiRowRefused;
        return result;
    case ReadOutcome::UnknownFontFlag:
        result.outcome = ImportOutcome::UnknownFontFlag;
        return result;
    case ReadOutcome::MarkerFont:
    case ReadOutcome::WindowsFont:
        break;
    }
    const bool windows = read.outcome == ReadOutcome::WindowsFont;
    result.variant = windows ? FontVariant::WindowsFont : FontVariant::MarkerFont;
    result.limit = windows ? kWindowsFontImportLimit : kMarkerFontImportLimit;
    const int available = static_cast<int>(read.rows.size());
    const int rows = std::min(available, result.limit);
    if (available > result.limit || read.moreRows)
        result.outcome = ImportOutcome::LimitReached;

    marking_list::MarkingList::Batch batch(list);
    for (int r = 1; r <= rows; ++r) {
        const Piece& piece = read.rows[static_cast<size_t>(r - 1)];
        list.setCell(1, r, piece.text);
        list.setCell(2, r, piece.count);
        if (!windows)
            list.setCell(3, r, piece.numbering);
        list.setNextFreeRow(r + 1);
    }
    result.rows = rows;
    return result;
}

ImportResult importCtkFile(marking_list::MarkingList& list, const std::filesystem::path& path)
{
    const files::ReadResult read = files::readWholeFile(path, kMaxImportBytes);
    if (!read.bytes) {
        ImportResult result;
        switch (read.error) {
        case files::ReadError::NotFound: result.outcome = ImportOutcome::NotFound; break;
        case files::ReadError::TooLarge: result.outcome = ImportOutcome::TooLarge; break;
        case files::ReadError::Unreadable: result.outcome = ImportOutcome::Unreadable; break;
        }
        return result;
    }
    return importCtk(list, *read.bytes);
}

}  // namespace ctk
