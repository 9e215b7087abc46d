#pragma once

#include "app/program_state.h"

#include <QTableView>
#include <QTimer>

namespace marking_list::ui {

class CellDelegate;
class MarkingListModel;

// The orange-mode window's grid: a view of ProgramState's list with the row numbers 1 to
// 1000 in a fixed 35-pixel column, the layout's widths and headers, the list's colours, the
// mouse rules, moving a row by dragging its number (with an undo point), and the
// RowCursorTimer that keeps the cursor on the next free row while nobody works in the grid.
class MarkingGrid final : public QTableView {
    Q_OBJECT
public:
    static constexpr int kRowNumberWidth = 35;
    static constexpr int kRowHeight = 19;
    static constexpr int kTimerInterval = 100;

    MarkingGrid(app::ProgramState& state, QWidget* parent = nullptr);
    ~MarkingGrid() override;

    MarkingListModel* listModel() const { return model_; }
    app::ProgramState& state() { return state_; }

    // Column widths of a layout, column 1 first.
    static QList<int> layoutWidths(CountBoxMode mode);

    // The work done after each repaint, and at least every state refresh: FullWidthMode and
    // the numbering flag follow the list, and a requested snapshot is taken.
    void settle();
    // The row a snapshot names: the top row of the selection, 1 without one.
    int selectionTopRow() const;
    // Column of the selection's top-left cell (1-based), 0 without a selection.
    int selectionLeftColumn() const;
    bool selectionHoldsText() const;

    // Selects one cell (1-based column and row).
    void selectCell(int column, int row);
    // Scrolls by whole rows: positive moves the view down the list.
    void scrollRows(int rows);
    int topVisibleRow() const;
    void setTopVisibleRow(int row);
    // After a row was appended at `oldNextFreeRow`: keep the new row in sight, about a dozen
    // rows above the bottom, without scrolling while it is already visible.
    void scrollAfterAppend(int oldNextFreeRow);

    // Fixed cells turn light green while string-insert mode is on.
    void refreshFixedColour();
    // Edit mode lets typing and double clicks open the in-place editor.
    void refreshEditTriggers();

    QTimer& rowCursorTimer() { return rowCursorTimer_; }
    // RowCursorTimer tick: the cursor onto column 1 of row NextFreeRow.
    void rowCursorTick();

Q_SIGNALS:
    // A mouse button went down in the grid (the RowCursorTimer has stopped).
    void mousePressed(Qt::MouseButton button);
    // After a button went down and after a click: whether the selection holds text.
    void selectionTextChanged(bool holdsText);
    void fullWidthModeChanged(bool on);
    // The list changed by the user in a way that keeps an undo point (a moved row, a
    // committed edit): "元に戻す" on, "やり直し" off, the generator's "取消" hidden.
    void undoPointKept();
    void contextMenuWanted(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyLayout();
    void scheduleSettle();
    void onRowDragged(int logical, int oldVisual, int newVisual);
    void selectRange(int firstColumn, int firstRow, int lastColumn, int lastRow);
    bool rowNumberEvent(QMouseEvent* event);
    bool headerEvent(QMouseEvent* event);

    app::ProgramState& state_;
    MarkingListModel* model_;
    CellDelegate* delegate_;
    QTimer rowCursorTimer_;
    bool settlePending_ = false;
    bool restoringSection_ = false;
};

}  // namespace marking_list::ui
