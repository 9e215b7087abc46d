#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/io.h"
#include "cli/messages.h"
#include "ctk/import.h"
#include "marking_list/marking_list.h"

namespace cli {

namespace {

// Why a file gave no rows; the refused Windows-font file gets the window's own message.
int refuse(const std::string& path, const ctk::ImportResult& result)
{
    switch (result.outcome) {
    case ctk::ImportOutcome::NotFound: complain(path + ": no such file"); break;
    case ctk::ImportOutcome::Unreadable: complain(path + ": cannot be read"); break;
    case ctk::ImportOutcome::TooLarge: complain(path + ": too large for a CTK file"); break;
    case ctk::ImportOutcome::NotText:
        complain(path + ": not a Shift-JIS text file");
        break;
    case ctk::ImportOutcome::MultiRowRefused: complain(messages::kMultiRowRefused); break;
    case ctk::ImportOutcome::UnknownFontFlag:
        complain(path + ": a font flag other than 0 or 1; nothing imported");
        break;
    case ctk::ImportOutcome::Imported:
    case ctk::ImportOutcome::LimitReached: break;
    }
    return kExitRefused;
}

}  // namespace

int runImport(const std::vector<std::string>& words)
{
    std::string error;
    const auto args = parseArguments(words, {{}, {}, 1}, error);
    if (!args || args->positional.empty()) {
        complain("import: " + (args ? std::string("which file?") : error));
        return kExitUsage;
    }
    const std::string& path = args->positional[0];
    marking_list::MarkingList list;
    const auto result = ctk::importCtkFile(list, path);
    if (result.outcome != ctk::ImportOutcome::Imported &&
        result.outcome != ctk::ImportOutcome::LimitReached)
        return refuse(path, result);

    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < list.nextFreeRow(); ++r)
        rows.push_back(list.row(r));
    printRows(rows);
    if (result.outcome == ctk::ImportOutcome::LimitReached) {
        complain(result.limit == ctk::kWindowsFontImportLimit ? messages::kImportLimit100
                                                              : messages::kImportLimit1000);
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace cli
