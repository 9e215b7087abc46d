#pragma once

#include "ctk/reader.h"
#include "marking_list/marking_list.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace ctk {

enum class ImportOutcome {
    Imported,         // every data line became a row (possibly none)
    LimitReached,     // `limit` rows were imported and more data lines were left out
    MultiRowRefused,  // a Windows-font file set up for multi-row pieces; nothing imported
    UnknownFontFlag,  // a header of another font flag; nothing imported, nothing to say
    NotFound,
    Unreadable,
    TooLarge,
    NotText,          // NUL bytes or byte sequences that are not CP932
};

struct ImportResult {
    ImportOutcome outcome = ImportOutcome::Imported;
    FontVariant variant = FontVariant::MarkerFont;
    int rows = 0;   // rows written into the list
    int limit = 0;  // the row limit of the file's font variant
};

inline constexpr int kMarkerFontImportLimit = 1000;
inline constexpr int kWindowsFontImportLimit = 100;
// The largest file taken: 1000 rows of long texts fit many times over.
inline constexpr std::size_t kMaxImportBytes = std::size_t{4} << 20;

// Writes the file's data lines into the list from row 1 on, one row per line: marker-font rows
// set text, count and numbering; Windows-font rows set text and count only. NextFreeRow
// follows the last row written. The list is expected empty and in the 1BOX layout.
ImportResult importCtk(marking_list::MarkingList& list, std::string_view bytes);
ImportResult importCtkFile(marking_list::MarkingList& list, const std::filesystem::path& path);

}  // namespace ctk
