#include "app/program_state.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/io.h"
#include "cli/messages.h"
#include "generator/history_entry.h"
#include "generator/sequence_expansion.h"

#include <map>

namespace cli {

using marking_list::CountBoxMode;

namespace {

generator::SerialRange toSerialRange(const generator::RangeInput& input)
{
    generator::SerialRange range;
    range.start = input.start;
    range.middle = input.middle;
    range.end = input.end;
    range.mode = input.mode;
    return range;
}

}  // namespace

int runExpand(const std::vector<std::string>& words)
{
    const ArgumentSpec spec{{"layout", "range1", "text1", "range2", "text2", "range3", "count",
                             "count2", "count3", "numbering-end", "entry"},
                            {"serial-first"},
                            0};
    std::string error;
    const auto args = parseArguments(words, spec, error);
    if (!args) {
        complain("expand: " + error);
        return kExitUsage;
    }
    int layout = 0;
    if (const auto* word = args->value("layout"); word && !parseLayoutWord(*word, true, layout)) {
        complain("expand: --layout takes 1box, 3box or text");
        return kExitUsage;
    }
    const bool partsGiven = args->value("range1") || args->value("range2") ||
                            args->value("range3") || args->value("text1") ||
                            args->value("text2");
    if (args->value("entry") && partsGiven) {
        complain("expand: --entry replaces --range1..3 and --text1..2; give one or the other");
        return kExitUsage;
    }

    // Every text argument in CP932, refused when it cannot be held.
    std::map<std::string, std::string> texts;
    for (const auto& [name, value] : args->values) {
        auto cp932 = argumentToCp932("--" + name, value);
        if (!cp932)
            return kExitRefused;
        texts[name] = std::move(*cp932);
    }

    generator::GeneratorInput input;
    if (texts.count("entry")) {
        input = generator::parseHistoryEntry(texts["entry"]);
    } else {
        for (int i = 0; i < 3; ++i)
            input.ranges[static_cast<size_t>(i)] =
                generator::parseRangeDescription(texts["range" + std::to_string(i + 1)]);
        input.wire1 = texts["text1"];
        input.wire2 = texts["text2"];
    }

    generator::GeneratorFields fields;
    for (size_t i = 0; i < 3; ++i)
        fields.ranges[i] = toSerialRange(input.ranges[i]);
    fields.wireTexts = {input.wire1, input.wire2};
    fields.counts = {texts["count"], texts["count2"], texts["count3"]};
    fields.numberingEnd = texts["numbering-end"];
    fields.serialFirstPriorityShown = args->has("serial-first");
    fields.serialFirstPriority = args->has("serial-first");

    app::ProgramState state;
    state.list.setLayout(static_cast<CountBoxMode>(layout));
    generator::GeneratorUndoRecord record;
    const auto result = generator::expandSequence(state, fields, record, {0, 1});

    switch (result.outcome) {
    case generator::ExpansionOutcome::NothingToGenerate:
        complain("expand: nothing to generate: no wire text and no complete range");
        return kExitRefused;
    case generator::ExpansionOutcome::StartEqualsEnd:
        complain("expand: range " + std::to_string(result.rangeWithEqualEnds + 1) +
                 " starts and ends with the same value");
        return kExitRefused;
    case generator::ExpansionOutcome::ListAlreadyFull:
        complain(messages::kListFull);
        return kExitRefused;
    case generator::ExpansionOutcome::Generated:
    case generator::ExpansionOutcome::ListBecameFull:
        break;
    }

    std::vector<std::vector<std::string>> rows;
    for (int r = 1; r < state.list.nextFreeRow(); ++r)
        rows.push_back(state.list.row(r));
    printRows(rows);
    if (result.outcome == generator::ExpansionOutcome::ListBecameFull) {
        // The window stops at row 1000 too; the rows past it were not made.
        complain(messages::kListBecameFull);
        return kExitRefused;
    }
    return kExitOk;
}

bool parseLayoutWord(const std::string& word, bool allowText, int& layout)
{
    if (word == "1box")
        layout = static_cast<int>(CountBoxMode::OneBox);
    else if (word == "3box")
        layout = static_cast<int>(CountBoxMode::ThreeBox);
    else if (word == "text" && allowText)
        layout = static_cast<int>(CountBoxMode::Text);
    else
        return false;
    return true;
}

}  // namespace cli
