#include "marking_list/ui/list_commands_binding.h"

#include "app/program_state.h"
#include "marking_list/ui/grid_menu.h"
#include "marking_list/ui/list_commands.h"
#include "marking_list/ui/list_messages.h"
#include "marking_list/ui/list_panel.h"
#include "marking_list/ui/marking_grid.h"
#include "marking_list/ui/marking_list_model.h"
#include "marking_list/ui/table_grid_access.h"
#include "platform/clipboard.h"

#include <QMenu>

namespace marking_list::ui {

using Item = GridMenu::Item;

ListCommandsBinding::ListCommandsBinding(ListPanel& panel, app::ProgramState& state,
                                         platform::Dialogs& dialogs, platform::Clipboard& clipboard)
    : QObject(&panel),
      panel_(panel),
      state_(state),
      clipboard_(clipboard),
      access_(std::make_unique<TableGridAccess>(*panel.grid())),
      commands_(std::make_unique<ListCommands>(state, dialogs, clipboard, *access_, &panel))
{
    ListCommands& c = *commands_;
    panel.bindButton(ListPanel::Button::DeleteLast, [&c] { c.deleteLastRow(); });
    panel.bindButton(ListPanel::Button::DeleteAll, [&c] { c.deleteAll(); });

    GridMenu& menu = panel.gridMenu();
    menu.bind(Item::Undo, [&c] { c.undo(); });
    menu.bind(Item::Redo, [&c] { c.redo(); });
    menu.bind(Item::SelectAll, [&c] { c.selectAll(); });
    menu.bind(Item::Cut, [&c] { c.cut(); });
    menu.bind(Item::Copy, [&c] { c.copy(); });
    menu.bind(Item::Paste, [&c] { c.paste(); });
    menu.bind(Item::DeleteRows, [&c] { c.deleteRows(); });
    menu.bind(Item::InsertRows, [&c] { c.insertRows(); });
    menu.bind(Item::ReverseOrder, [&c] { c.reverse(); });
    menu.bind(Item::StringInsertOn, [&c] { c.setStringInsertMode(true); });
    menu.bind(Item::StringInsertOff, [&c] { c.setStringInsertMode(false); });

    connect(&c, &ListCommands::commandDone, this, [this] {
        syncUndoItems();
        syncPaste();
    });
    connect(&c, &ListCommands::listEmptied, this, [&menu] {
        for (Item item : {Item::Cut, Item::Copy, Item::DeleteRows, Item::InsertRows})
            menu.setWanted(item, false);
    });
    // As after a click: cut and copy follow whether the selection holds text.
    connect(&c, &ListCommands::selectionMoved, this, [this, &menu] {
        const bool holdsText = panel_.grid()->selectionHoldsText();
        menu.setWanted(Item::Cut, holdsText);
        menu.setWanted(Item::Copy, holdsText);
    });
    connect(&c, &ListCommands::stringInsertModeChanged, this,
            &ListCommandsBinding::showStringInsertMode);
    // A moved row or a committed edit is a change like any command's.
    connect(panel.grid(), &MarkingGrid::undoPointKept, this, [this] {
        state_.undoEnabled = true;
        state_.redoEnabled = false;
        state_.generatorUndoVisible = false;
        syncUndoItems();
    });
    connect(panel.grid(), &MarkingGrid::mousePressed, this, [this, &menu] {
        const bool marker = state_.gridMode == app::GridMode::LineBreakMarker ||
                            state_.gridMode == app::GridMode::NumberingMarker;
        if (marker)
            for (Item item : {Item::DeleteRows, Item::InsertRows, Item::Cut, Item::Copy})
                menu.setWanted(item, false);
        syncPaste();
    });
    connect(menu.menu(), &QMenu::aboutToShow, this, [this] {
        syncUndoItems();
        syncPaste();
    });
    syncUndoItems();
}

ListCommandsBinding::~ListCommandsBinding() = default;

void ListCommandsBinding::syncUndoItems()
{
    GridMenu& menu = panel_.gridMenu();
    const bool marker = state_.gridMode == app::GridMode::LineBreakMarker ||
                        state_.gridMode == app::GridMode::NumberingMarker;
    menu.setWanted(Item::Undo, state_.undoEnabled && !marker);
    menu.setWanted(Item::Redo, state_.redoEnabled);
    menu.setWanted(Item::StringInsertOff, state_.stringInsertMode);
    menu.setWanted(Item::StringInsertOn, !state_.stringInsertMode && !state_.list.isEmpty());
}

// "貼り付け(&P)" is offered while the clipboard holds text and no marker mode is on.
void ListCommandsBinding::syncPaste()
{
    const bool marker = state_.gridMode == app::GridMode::LineBreakMarker ||
                        state_.gridMode == app::GridMode::NumberingMarker;
    panel_.gridMenu().setWanted(Item::Paste, clipboard_.hasText() && !marker);
}

void ListCommandsBinding::showStringInsertMode(bool on)
{
    const bool threeBox = state_.list.layout() == CountBoxMode::ThreeBox;
    panel_.grid()->listModel()->setColumn1Header(on ? messages::stringInsertHeader(threeBox)
                                                    : messages::markingDataHeader(threeBox));
    panel_.grid()->refreshFixedColour();
    syncUndoItems();
}

}  // namespace marking_list::ui
