#pragma once

#include "generator/history_entry.h"

#include <array>
#include <string>

// The twenty-six text registers A-Z, each holding one generator input as a history entry
// text (see history_entry.h). Outside history mode the user files entries with the copy
// button and removes them one by one; in history mode every OK files its entry and the user
// may fix registers, which protects them from being pushed out. Fixed registers always form
// one unbroken run from A; every operation here keeps it so.
namespace generator {

class TextRegisters final {
public:
    static constexpr int kCount = 26;

    const std::string& text(int index) const { return texts_.at(index); }
    // Loading from the settings file; the fixed flags stay as they are.
    void setText(int index, std::string text) { texts_.at(index) = std::move(text); }

    bool fixed(int index) const { return fixed_.at(index); }
    // Number of fixed registers, which is also the index of the first one that is not fixed.
    int fixedCount() const;

    bool historyMode() const { return historyMode_; }
    // Switching history mode off clears every fixed flag. The fixed entries keep their texts
    // and places (they are the user's chosen entries; dropping them would lose them).
    void setHistoryMode(bool on);

    enum class CopyOutcome {
        Stored,        // the entry is in A, the others moved down one place, Z's lost
        NothingToKeep, // a wire text holds "[", or the panel is empty
        Duplicate,     // some register already holds the same text
        HistoryMode,   // copying is offered only outside history mode
    };
    CopyOutcome copy(const GeneratorInput& input);

    // "Clr" of one register (outside history mode): the registers after it move up one
    // place and Z becomes empty. False when refused.
    bool clear(int index);

    // Fixing (history mode only). An empty register cannot be fixed. A register below the
    // fixed run moves its entry up to the first free place of the run, pushing the entries
    // between down by one; the register itself is then not fixed. False when refused.
    bool fix(int index);

    // Unfixing a fixed register (history mode only) removes its entry: the registers after
    // it move up one place with their fixed flags, and Z becomes empty and not fixed.
    bool unfix(int index);

    // An OK's entry in history mode: it goes to the first register that is not fixed, the
    // ones after it move down one place and Z's text is lost. With all 26 fixed it is
    // dropped (false).
    bool addHistoryEntry(const std::string& entry);

    // "All Clear": every text and every fixed flag cleared.
    void clearAll();

private:
    std::array<std::string, kCount> texts_;
    std::array<bool, kCount> fixed_{};
    bool historyMode_ = false;
};

}  // namespace generator
