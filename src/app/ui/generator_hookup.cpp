#include "app/ui/generator_hookup.h"

#include "app/ui/orange_window.h"
#include "app/ui/window_menu.h"
#include "ctk/ui/ctk_panel.h"
#include "generator/ui/generator_panel.h"
#include "marking_list/ui/line_break_panel.h"
#include "marking_list/ui/list_commands.h"
#include "marking_list/ui/marking_grid.h"
#include "marking_list/ui/marking_list_model.h"

#include <QPushButton>

namespace app::ui {

using generator::GeneratorPanel;
using Item = WindowMenu::Item;

void attachGenerator(OrangeWindow& window, GeneratorPanel& panel)
{
    window.setGeneratorPanel(&panel);
    marking_list::ui::MarkingGrid* grid = window.grid();

    panel.setGridPositionSource([grid] {
        return GeneratorPanel::GridPosition{grid->rowCursorTimer().isActive(),
                                            grid->selectionTopRow(), grid->topVisibleRow()};
    });
    QObject::connect(&panel, &GeneratorPanel::gridMoved, grid, [grid](int top, int cursor) {
        if (cursor > 0)
            grid->selectCell(1, cursor);
        grid->setTopVisibleRow(top);
    });
    QObject::connect(&panel, &GeneratorPanel::rowCursorFollowRequested, grid,
                     [grid] { grid->rowCursorTimer().start(); });
    QObject::connect(&panel, &GeneratorPanel::gridFocusRequested, grid, [grid] {
        if (grid->hasFocus())
            return;
        grid->rowCursorTimer().stop();
        grid->setFocus(Qt::OtherFocusReason);
    });
    const auto wireSizes = [&panel] {
        return QStringList{panel.wireSizeLabel(0), panel.wireSizeLabel(1),
                           panel.wireSizeLabel(2)};
    };
    // The 3BOX count headers and the choices of the count column to mark follow the labels.
    ctk::ui::CtkPanel* ctk = window.ctkPanel();
    grid->listModel()->setWireSizes(wireSizes());
    ctk->setWireSizes(wireSizes());
    QObject::connect(&panel, &GeneratorPanel::countColumnHeaderChanged, grid,
                     [grid, ctk, wireSizes] {
                         grid->listModel()->setWireSizes(wireSizes());
                         ctk->setWireSizes(wireSizes());
                     });

    QObject::connect(&window, &OrangeWindow::generatorFocusWanted, &panel,
                     &GeneratorPanel::focusWireText);
    QObject::connect(&window, &OrangeWindow::controlStatesRefreshed, &panel,
                     &GeneratorPanel::refresh);

    WindowMenu& menu = window.windowMenu();
    marking_list::ui::ListCommands& commands = window.listCommands();
    // Esc: the generator's own "取消" outside the grid, the list's undo inside it, then the
    // bulk line-break panel's "取消".
    menu.bind(Item::Undo, [grid, &panel, &commands, &window] {
        if (!grid->hasFocus() && panel.pressUndoIfVisible())
            return;
        if (grid->hasFocus() && window.state().undoEnabled) {
            commands.undo();
            return;
        }
        if (QPushButton* undo = window.lineBreakPanel()->undoButton(); undo->isEnabled())
            undo->click();
    });
    QObject::connect(&commands, &marking_list::ui::ListCommands::generatorUndoRequested, &panel,
                     &GeneratorPanel::pressUndoIfVisible);
    menu.bind(Item::LineBreakMark, [&panel] { panel.pressLineBreakKey(); });
    menu.bind(Item::NumberingMark, [&panel] { panel.pressNumberingKey(); });
    menu.bind(Item::Lock, [&panel] { panel.toggleFixOfFocusedField(); });
    menu.bind(Item::Clear, [&panel] { panel.pressClear(); });
}

}  // namespace app::ui
