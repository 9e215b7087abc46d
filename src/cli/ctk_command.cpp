#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/io.h"
#include "cli/messages.h"
#include "ctk/applied_conditions.h"
#include "ctk/feed_correction.h"
#include "ctk/table_file.h"
#include "ctk/table_selection.h"
#include "ctk/work_length.h"
#include "ctk/writer.h"
#include "files/whole_file.h"
#include "marking_list/marking_list.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace cli {

namespace {

std::optional<int> wholeNumber(const std::string& word)
{
    int value = 0;
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size())
        return std::nullopt;
    return value;
}

const char* tableLoadReason(ctk::TableLoad outcome)
{
    switch (outcome) {
    case ctk::TableLoad::NotFound: return "no such file";
    case ctk::TableLoad::Unreadable: return "cannot be read";
    case ctk::TableLoad::TooLarge: return "too large for a table file";
    case ctk::TableLoad::NotText: return "not a Shift-JIS text file";
    case ctk::TableLoad::Loaded: break;
    }
    return "";
}

}  // namespace

// Loads a table file for the commands that read one; nothing after a message.
std::optional<ctk::TableFile> loadTables(const std::string& command, const std::string& path)
{
    ctk::TableFile tables = ctk::loadTableFile(path);
    if (!tables.loaded()) {
        complain(command + ": " + path + ": " + tableLoadReason(tables.outcome));
        return std::nullopt;
    }
    return tables;
}

int runCtk(const std::vector<std::string>& words)
{
    const ArgumentSpec spec{
        {"layout", "count-column", "table-file", "table", "destination", "work-length", "hosei",
         "o"},
        {},
        1};
    std::string error;
    const auto args = parseArguments(words, spec, error);
    if (!args) {
        complain("ctk: " + error);
        return kExitUsage;
    }
    int layout = 0;
    if (const auto* word = args->value("layout"); word && !parseLayoutWord(*word, false, layout)) {
        complain("ctk: --layout takes 1box or 3box");
        return kExitUsage;
    }
    const auto mode = static_cast<marking_list::CountBoxMode>(layout);
    int countColumn = 1;
    if (const auto* word = args->value("count-column")) {
        const auto n = wholeNumber(*word);
        if (!n || *n < 1 || *n > 3 || (mode != marking_list::CountBoxMode::ThreeBox && *n != 1)) {
            complain("ctk: --count-column takes 1, 2 or 3, and 2 or 3 only with --layout 3box");
            return kExitUsage;
        }
        countColumn = *n;
    }
    const std::string* tablePath = args->value("table-file");
    for (const char* needsTable : {"table", "destination", "work-length", "hosei"}) {
        if (!tablePath && args->value(needsTable)) {
            complain(std::string("ctk: --") + needsTable + " needs --table-file");
            return kExitUsage;
        }
    }

    // The rows, as the list would hold them.
    const std::string input = args->positional.empty() ? std::string() : args->positional[0];
    const auto bytes = readInput(input);
    if (!bytes)
        return kExitRefused;
    const auto rows = readRows(*bytes);
    if (!rows)
        return kExitRefused;
    if (rows->size() > static_cast<size_t>(marking_list::MarkingList::kRows)) {
        complain(messages::kListFull);
        return kExitRefused;
    }
    marking_list::MarkingList list;
    list.setLayout(mode);
    for (const auto& row : *rows)
        list.appendRow(row);
    list.recomputeNextFreeRow();  // trailing empty rows are no rows of the list

    // The applied table, with the adjustments typed into the window's boxes.
    ctk::AppliedConditions conditions;
    if (tablePath) {
        const auto tables = loadTables("ctk", *tablePath);
        if (!tables)
            return kExitRefused;
        int index = 0;
        if (const auto* word = args->value("table")) {
            const auto k = wholeNumber(*word);
            if (!k || *k < 1 || *k > static_cast<int>(tables->records.size())) {
                complain("ctk: --table takes 1 to " + std::to_string(tables->records.size()) +
                         ", the tables of " + *tablePath);
                return kExitUsage;
            }
            index = *k - 1;
        }
        std::string destination;
        if (const auto* word = args->value("destination")) {
            if (!ctk::isDestinationItem(*word)) {
                complain("ctk: --destination takes \"Table 0\" to \"Table 20\"");
                return kExitUsage;
            }
            destination = *word;
        }
        conditions.fill(tables->records, index, destination);
        const auto& record = tables->records[static_cast<size_t>(ctk::appliedRecordIndex(index))];
        if (const auto* length = args->value("work-length")) {
            if (length->empty() || length->size() > 5 ||
                !std::all_of(length->begin(), length->end(), ctk::isDecimalBoxChar)) {
                complain("ctk: --work-length takes up to 5 digits and points");
                return kExitUsage;
            }
            ctk::applyWorkLength(conditions, *length, record.workLength());
        }
        if (const auto* typed = args->value("hosei")) {
            if (!conditions.allowsFeedCorrection()) {
                complain("ctk: --hosei needs a table of WorkMode 2 or 3");
                return kExitUsage;
            }
            const auto percentage = ctk::acceptTypedPercentage(*typed);
            if (!percentage) {
                complain(messages::kFeedOutOfRange);
                return kExitRefused;
            }
            conditions.setHosei(*percentage);
        }
    }

    const auto variant = list.examineFullWidth().fullWidth ? ctk::FontVariant::WindowsFont
                                                           : ctk::FontVariant::MarkerFont;
    const auto rendered = ctk::renderOrange(tablePath ? &conditions : nullptr, variant, list,
                                            countColumn - 1);
    if (!rendered.ok()) {
        complain(messages::kWindowsFontSaveNeedsTable);
        return kExitRefused;
    }
    if (const auto* out = args->value("o")) {
        if (const auto reason = files::writeWholeFile(*out, rendered.bytes); !reason.empty()) {
            complain("ctk: " + *out + ": " + reason);
            return kExitRefused;
        }
        return kExitOk;
    }
    std::fwrite(rendered.bytes.data(), 1, rendered.bytes.size(), stdout);
    return kExitOk;
}

}  // namespace cli
