#pragma once

#include "marking_list/cell_range.h"

#include <QObject>

class QWidget;

namespace app {
struct ProgramState;
}
namespace platform {
class Clipboard;
class Dialogs;
}

namespace marking_list::ui {

// What the list commands need of the grid that shows the list (rows and columns 1-based as
// in the list).
class GridAccess {
public:
    virtual ~GridAccess() = default;
    virtual CellRange selection() const = 0;
    virtual int topVisibleRow() const = 0;
    virtual void setTopVisibleRow(int row) = 0;
    virtual void select(const CellRange& range) = 0;
};

// The list's editing commands as the window runs them from buttons, the grid menu and keys:
// questions through Dialogs, the clipboard through Clipboard (CP932 converted here), the list
// and its undo state through the core commands.
class ListCommands final : public QObject {
    Q_OBJECT

public:
    ListCommands(app::ProgramState& state, platform::Dialogs& dialogs,
                 platform::Clipboard& clipboard, GridAccess& grid, QWidget* dialogParent);

    void deleteLastRow();  // "一行削除"
    void deleteAll();      // "全行削除", asks first
    void insertRows();     // "行挿入"
    void deleteRows();     // "行削除"
    void reverse();        // "逆順に並び替え"
    void selectAll();      // "全行選択"
    void copy();           // "コピー(&C)"
    void cut();            // "切り取り(&X)"
    void paste();          // "貼り付け(&P)", asks insert or overwrite
    void undo();           // "元に戻す"
    void redo();           // "やり直し"
    void setStringInsertMode(bool on);  // "文字列挿入モード" / "文字列挿入モード解除"

Q_SIGNALS:
    // The focus goes back to the generator's wire text.
    void backToGenerator();
    // "元に戻す" while the generator's "取消" is shown: that button is pressed instead.
    void generatorUndoRequested();
    // The list became empty: cut, copy, row delete and row insert go disabled.
    void listEmptied();
    void stringInsertModeChanged(bool on);
    // A command put the grid selection somewhere else.
    void selectionMoved();
    // After every command: the enabling of "元に戻す", "やり直し" and the generator's "取消"
    // follows ProgramState.
    void commandDone();

private:
    app::ProgramState& state_;
    platform::Dialogs& dialogs_;
    platform::Clipboard& clipboard_;
    GridAccess& grid_;
    QWidget* dialogParent_;
};

}  // namespace marking_list::ui
