#include "marking_list/ui/marking_grid.h"

#include "marking_list/ui/cell_delegate.h"
#include "marking_list/ui/marking_list_model.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

namespace marking_list::ui {

namespace {
const QColor kInsertModeFixed(128, 255, 128);
}

MarkingGrid::MarkingGrid(app::ProgramState& state, QWidget* parent)
    : QTableView(parent),
      state_(state),
      model_(new MarkingListModel(state.list, this)),
      delegate_(new CellDelegate(state, this))
{
    setModel(model_);
    setItemDelegate(delegate_);
    QFont gridFont(QStringLiteral("ＭＳ Ｐゴシック"));
    gridFont.setPixelSize(15);
    setFont(gridFont);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setShowGrid(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setFocusPolicy(Qt::ClickFocus);  // out of the Tab order
    setCornerButtonEnabled(false);

    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(kRowHeight);
    rows->setMinimumSectionSize(kRowHeight);
    rows->setFixedWidth(kRowNumberWidth);
    rows->setDefaultAlignment(Qt::AlignCenter);
    rows->setSectionsMovable(true);   // moving a row by its number
    rows->setSectionsClickable(false);  // selection on the numbers is ours
    rows->viewport()->installEventFilter(this);
    connect(rows, &QHeaderView::sectionMoved, this, &MarkingGrid::onRowDragged);

    QHeaderView* columns = horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Fixed);
    columns->setSectionsClickable(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setFixedHeight(kRowHeight + 2);
    columns->viewport()->installEventFilter(this);

    connect(model_, &MarkingListModel::modelReset, this, &MarkingGrid::applyLayout);
    connect(model_, &MarkingListModel::listChanged, this, &MarkingGrid::scheduleSettle);
    connect(delegate_, &CellDelegate::editStarted, this, [this] {
        state_.undoSnapshot = state_.listSnapshot;
    });
    connect(delegate_, &CellDelegate::editCommitted, this, [this] {
        state_.snapshotRequested = true;
        if (state_.gridMode != app::GridMode::Edit)
            return;  // marks placed in the marker modes are not undone step by step
        state_.undoEnabled = true;
        state_.redoEnabled = false;
        state_.generatorUndoVisible = false;
        Q_EMIT undoPointKept();
    });

    rowCursorTimer_.setInterval(kTimerInterval);
    connect(&rowCursorTimer_, &QTimer::timeout, this, &MarkingGrid::rowCursorTick);

    applyLayout();
    refreshFixedColour();
    refreshEditTriggers();
}

MarkingGrid::~MarkingGrid() = default;

QList<int> MarkingGrid::layoutWidths(CountBoxMode mode)
{
    switch (mode) {
    case CountBoxMode::OneBox: return {205, 40, 97};
    case CountBoxMode::ThreeBox: return {160, 40, 40, 40, 60};
    case CountBoxMode::Text: return {205, 135};
    }
    return {};
}

void MarkingGrid::applyLayout()
{
    const QList<int> widths = layoutWidths(state_.list.layout());
    for (int c = 0; c < widths.size(); ++c)
        setColumnWidth(c, widths.at(c));
    scheduleSettle();
}

void MarkingGrid::scheduleSettle()
{
    if (settlePending_)
        return;
    settlePending_ = true;
    QMetaObject::invokeMethod(this, &MarkingGrid::settle, Qt::QueuedConnection);
}

void MarkingGrid::settle()
{
    settlePending_ = false;
    const MarkingList::FullWidthState fw = state_.list.examineFullWidth();
    state_.numberingPresent = fw.numberingPresent;
    if (fw.fullWidth != state_.fullWidthMode) {
        state_.fullWidthMode = fw.fullWidth;
        viewport()->update();
        Q_EMIT fullWidthModeChanged(fw.fullWidth);
    }
    if (state_.snapshotRequested) {
        state_.snapshotRequested = false;
        state_.listSnapshot = state_.list.snapshot(selectionTopRow());
    }
}

void MarkingGrid::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    settle();
}

int MarkingGrid::selectionTopRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return currentIndex().isValid() ? currentIndex().row() + 1 : 1;
    int top = selected.constFirst().row();
    for (const QModelIndex& i : selected)
        top = std::min(top, i.row());
    return top + 1;
}

int MarkingGrid::selectionLeftColumn() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return 0;
    int left = selected.constFirst().column();
    for (const QModelIndex& i : selected)
        left = std::min(left, i.column());
    return left + 1;
}

bool MarkingGrid::selectionHoldsText() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return std::any_of(selected.begin(), selected.end(), [this](const QModelIndex& i) {
        return !state_.list.cell(i.column() + 1, i.row() + 1).empty();
    });
}

void MarkingGrid::selectRange(int firstColumn, int firstRow, int lastColumn, int lastRow)
{
    const int maxColumn = model_->columnCount() - 1;
    const QModelIndex from = model_->index(firstRow - 1, std::min(firstColumn - 1, maxColumn));
    const QModelIndex to = model_->index(lastRow - 1, std::min(lastColumn - 1, maxColumn));
    if (!from.isValid() || !to.isValid())
        return;
    selectionModel()->setCurrentIndex(from, QItemSelectionModel::NoUpdate);
    selectionModel()->select(QItemSelection(from, to), QItemSelectionModel::ClearAndSelect);
}

void MarkingGrid::selectCell(int column, int row)
{
    const QModelIndex cell = model_->index(row - 1, column - 1);
    if (cell.isValid())
        selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
}

void MarkingGrid::scrollRows(int rows)
{
    verticalScrollBar()->setValue(verticalScrollBar()->value() + rows);
}

int MarkingGrid::topVisibleRow() const
{
    return verticalScrollBar()->value() + 1;
}

void MarkingGrid::setTopVisibleRow(int row)
{
    verticalScrollBar()->setValue(row - 1);
}

void MarkingGrid::scrollAfterAppend(int oldNextFreeRow)
{
    const int newNextFreeRow = oldNextFreeRow + 1;
    const int top = topVisibleRow();
    if (newNextFreeRow > 13 && top + 12 < newNextFreeRow && top < 986)
        setTopVisibleRow(oldNextFreeRow - 12);
    if (newNextFreeRow < topVisibleRow())
        setTopVisibleRow(newNextFreeRow - 1);
}

void MarkingGrid::refreshFixedColour()
{
    const QColor fixed = state_.stringInsertMode ? kInsertModeFixed
                                                 : palette().color(QPalette::Button);
    for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
        QPalette p = header->palette();
        p.setColor(QPalette::Button, fixed);
        p.setColor(QPalette::Window, fixed);
        header->setPalette(p);
    }
}

void MarkingGrid::refreshEditTriggers()
{
    setEditTriggers(state_.gridMode == app::GridMode::Edit
                        ? QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed
                        : QAbstractItemView::NoEditTriggers);
}

void MarkingGrid::rowCursorTick()
{
    const int row = std::min(state_.list.nextFreeRow(), MarkingList::kRows);
    const QModelIndex cell = model_->index(row - 1, 0);
    if (selectionModel()->currentIndex() != cell ||
        selectionModel()->selectedIndexes() != QModelIndexList{cell})
        selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
}

void MarkingGrid::mousePressEvent(QMouseEvent* event)
{
    rowCursorTimer_.stop();
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::RightButton) {
        if (at.isValid() && !selectionModel()->isSelected(at))
            selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
        event->accept();
    } else {
        QTableView::mousePressEvent(event);
    }
    Q_EMIT mousePressed(event->button());
    Q_EMIT selectionTextChanged(selectionHoldsText());
}

void MarkingGrid::mouseReleaseEvent(QMouseEvent* event)
{
    QTableView::mouseReleaseEvent(event);
    Q_EMIT selectionTextChanged(selectionHoldsText());
}

void MarkingGrid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Alt) {  // swallowed in every state
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void MarkingGrid::contextMenuEvent(QContextMenuEvent* event)
{
    Q_EMIT contextMenuWanted(event->globalPos());
    event->accept();
}

bool MarkingGrid::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    if (press || release) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == verticalHeader()->viewport())
            return rowNumberEvent(mouse);
        if (watched == horizontalHeader()->viewport())
            return headerEvent(mouse);
    }
    return QTableView::eventFilter(watched, event);
}

// Row numbers: a press selects columns 1 to 3 of the row (and may start dragging it); the
// release leaves just its column 1 selected.
bool MarkingGrid::rowNumberEvent(QMouseEvent* event)
{
    const int row = verticalHeader()->logicalIndexAt(event->position().toPoint()) + 1;
    if (event->type() == QEvent::MouseButtonPress) {
        rowCursorTimer_.stop();
        if (row >= 1 && event->button() == Qt::LeftButton)
            selectRange(1, row, 3, row);
        Q_EMIT mousePressed(event->button());
        Q_EMIT selectionTextChanged(selectionHoldsText());
    } else if (row >= 1 && event->button() == Qt::LeftButton) {
        selectCell(1, row);
        Q_EMIT selectionTextChanged(selectionHoldsText());
    }
    return false;  // the header goes on with its own handling (dragging the number)
}

// Column headers: in edit mode and the line-break marker mode, a release selects the column
// over the rows of the list.
bool MarkingGrid::headerEvent(QMouseEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        rowCursorTimer_.stop();
        Q_EMIT mousePressed(event->button());
        return false;
    }
    const bool selectsColumn = state_.gridMode == app::GridMode::Edit ||
                               state_.gridMode == app::GridMode::LineBreakMarker;
    const int column = horizontalHeader()->logicalIndexAt(event->position().toPoint()) + 1;
    if (selectsColumn && column >= 1 && !state_.list.isEmpty()) {
        selectRange(column, 1, column, state_.list.nextFreeRow() - 1);
        Q_EMIT selectionTextChanged(selectionHoldsText());
    }
    return false;
}

// The header has already moved the section; put it back and move the list's row instead, so
// the numbers keep reading 1 to 1000 from the top.
void MarkingGrid::onRowDragged(int, int oldVisual, int newVisual)
{
    if (restoringSection_)
        return;
    restoringSection_ = true;
    verticalHeader()->moveSection(newVisual, oldVisual);
    restoringSection_ = false;

    state_.list.moveRow(oldVisual + 1, newVisual + 1);
    state_.list.recomputeNextFreeRow();
    selectCell(1, newVisual + 1);
    state_.undoSnapshot = state_.listSnapshot;
    state_.listSnapshot = state_.list.snapshot(selectionTopRow());
    state_.snapshotRequested = true;
    Q_EMIT undoPointKept();
}

}  // namespace marking_list::ui
