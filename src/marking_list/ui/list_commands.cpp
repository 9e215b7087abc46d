#include "marking_list/ui/list_commands.h"

#include "app/program_state.h"
#include "marking_list/clipboard_commands.h"
#include "marking_list/list_undo.h"
#include "marking_list/row_commands.h"
#include "marking_list/ui/list_messages.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "text/ui/qt_text.h"

namespace marking_list::ui {

namespace {

using Answer = platform::Dialogs::Answer;
using Buttons = platform::Dialogs::Buttons;

// Text from other programs on this desktop ends its lines with LF alone, where the list's
// clipboard format ends them with CR LF: a lone LF is read as a line end.
QString withCrLf(const QString& text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    QChar previous;
    for (QChar c : text) {
        if (c == u'\n' && previous != u'\r')
            out += u'\r';
        out += c;
        previous = c;
    }
    return out;
}

}  // namespace

ListCommands::ListCommands(app::ProgramState& state, platform::Dialogs& dialogs,
                           platform::Clipboard& clipboard, GridAccess& grid, QWidget* dialogParent)
    : state_(state), dialogs_(dialogs), clipboard_(clipboard), grid_(grid), dialogParent_(dialogParent)
{
}

void ListCommands::deleteLastRow()
{
    const auto result =
        marking_list::deleteLastRow(state_, grid_.selection().top, grid_.topVisibleRow());
    grid_.setTopVisibleRow(result.topVisibleRow);
    if (result.listNowEmpty)
        Q_EMIT listEmptied();
    Q_EMIT commandDone();
    Q_EMIT backToGenerator();
}

void ListCommands::deleteAll()
{
    if (!state_.list.isEmpty() &&
        dialogs_.ask(dialogParent_, messages::deleteAllQuestion(), Buttons::YesCancel) == Answer::Yes) {
        const auto result = marking_list::deleteAllRows(state_, grid_.selection().top);
        grid_.setTopVisibleRow(1);
        Q_EMIT listEmptied();
        if (result.stringInsertSwitchedOff)
            Q_EMIT stringInsertModeChanged(false);
        Q_EMIT commandDone();
    }
    Q_EMIT backToGenerator();
}

void ListCommands::insertRows()
{
    if (marking_list::insertRows(state_, grid_.selection()) == InsertRowsOutcome::WouldPushRowsOut) {
        dialogs_.inform(dialogParent_, messages::insertRowsWouldOverflow());
        return;
    }
    Q_EMIT commandDone();
}

void ListCommands::deleteRows()
{
    marking_list::deleteRows(state_, grid_.selection());
    Q_EMIT commandDone();
}

void ListCommands::reverse()
{
    if (marking_list::reverseRows(state_, grid_.selection().top))
        Q_EMIT commandDone();
}

void ListCommands::selectAll()
{
    if (const auto range = selectAllRange(state_)) {
        grid_.select(*range);
        Q_EMIT selectionMoved();
    }
}

void ListCommands::copy()
{
    clipboard_.setText(text::toQString(copyText(state_.list, grid_.selection())));
}

void ListCommands::cut()
{
    clipboard_.setText(text::toQString(marking_list::cut(state_, grid_.selection())));
    Q_EMIT commandDone();
}

void ListCommands::paste()
{
    if (state_.gridMode == app::GridMode::LineBreakMarker ||
        state_.gridMode == app::GridMode::NumberingMarker || !clipboard_.hasText())
        return;
    const auto text = text::fromQString(withCrLf(clipboard_.text()));
    if (!text) {
        dialogs_.inform(dialogParent_, messages::clipboardNotCp932());
        return;
    }
    const CellRange selection = grid_.selection();
    const PasteMode mode =
        dialogs_.ask(dialogParent_, messages::pasteInsertQuestion(), Buttons::YesNo) == Answer::Yes
            ? PasteMode::Insert
            : PasteMode::Overwrite;
    auto result = marking_list::paste(state_, *text, selection, mode, false);
    if (result.outcome == PasteOutcome::NeedsOverLimitConsent) {
        const QString question = mode == PasteMode::Insert
                                     ? messages::pasteInsertOverLimit(result.questionCount)
                                     : messages::pasteOverwriteOverLimit(result.questionCount);
        if (dialogs_.ask(dialogParent_, question, Buttons::YesNo) != Answer::Yes)
            return;
        result = marking_list::paste(state_, *text, selection, mode, true);
    }
    Q_EMIT commandDone();
}

void ListCommands::undo()
{
    const auto result =
        marking_list::undo(state_, grid_.selection().top, grid_.topVisibleRow());
    switch (result.outcome) {
    case UndoOutcome::NotOffered:
        return;
    case UndoOutcome::GeneratorUndo:
        Q_EMIT generatorUndoRequested();
        return;
    case UndoOutcome::Restored:
        grid_.select({1, result.selectRow, 1, result.selectRow});
        grid_.setTopVisibleRow(result.topVisibleRow);
        Q_EMIT selectionMoved();
        break;
    case UndoOutcome::Emptied:
        grid_.select({1, 1, 1, 1});
        grid_.setTopVisibleRow(1);
        Q_EMIT listEmptied();
        if (result.stringInsertSwitchedOff)
            Q_EMIT stringInsertModeChanged(false);
        Q_EMIT backToGenerator();
        break;
    }
    Q_EMIT commandDone();
}

void ListCommands::redo()
{
    const auto result = marking_list::redo(state_, grid_.selection().top, grid_.topVisibleRow());
    if (result.outcome == UndoOutcome::NotOffered)
        return;
    grid_.select({1, result.selectRow, 1, result.selectRow});
    grid_.setTopVisibleRow(result.topVisibleRow);
    Q_EMIT selectionMoved();
    Q_EMIT commandDone();
}

void ListCommands::setStringInsertMode(bool on)
{
    if (marking_list::setStringInsertMode(state_, on))
        Q_EMIT stringInsertModeChanged(on);
    Q_EMIT commandDone();
    Q_EMIT backToGenerator();
}

}  // namespace marking_list::ui
