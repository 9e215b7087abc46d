#include "marking_list/ui/grid_modes.h"

#include "marking_list/cell_input.h"
#include "marking_list/grid_mode_rules.h"
#include "marking_list/list_undo.h"
#include "marking_list/marker_rules.h"
#include "marking_list/ui/grid_menu.h"
#include "marking_list/ui/line_break_panel.h"
#include "marking_list/ui/marking_grid.h"
#include "marking_list/ui/marking_list_model.h"
#include "marking_list/ui/mode_messages.h"
#include "platform/dialogs.h"
#include "text/full_width.h"
#include "text/ui/qt_text.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace marking_list::ui {

namespace {

using app::GridMode;
using Item = GridMenu::Item;

const char* const kWatchedProperty = "velmoraMarkerWatched";

QString column1Header(GridMode mode, bool stringInsert, CountBoxMode layout)
{
    const bool threeBox = layout == CountBoxMode::ThreeBox;
    switch (mode) {
    case GridMode::Edit:
        return threeBox ? QStringLiteral("　　 編　集　モ　ー　ド") : QStringLiteral("　　　　　編　集　モ　ー　ド");
    case GridMode::LineBreakMarker:
        return threeBox ? QStringLiteral("   多段改行記号挿入") : QStringLiteral("　　多段改行記号挿入モード");
    case GridMode::NumberingMarker:
        return threeBox ? QStringLiteral("ナンバーリング記号挿入") : QStringLiteral(" ナンバーリング記号挿入モード");
    case GridMode::None:
        break;
    }
    if (stringInsert)
        return threeBox ? QStringLiteral("　  文字列挿入モード") : QStringLiteral("　　　  文字列挿入モード");
    return threeBox ? QStringLiteral("　   マーキングデータ") : QStringLiteral("　　　  マーキングデータ");
}

std::optional<QColor> fixedColour(GridMode mode)
{
    switch (mode) {
    case GridMode::Edit: return QColor(255, 255, 128);
    case GridMode::LineBreakMarker: return QColor(255, 128, 128);
    case GridMode::NumberingMarker: return QColor(155, 199, 242);
    case GridMode::None: break;
    }
    return std::nullopt;
}

bool markerMode(GridMode mode)
{
    return mode == GridMode::LineBreakMarker || mode == GridMode::NumberingMarker;
}

std::string cp932(const QLineEdit* editor)
{
    return text::fromQString(editor->text()).value_or(std::string());
}

}  // namespace

GridModes::GridModes(app::ProgramState& state, platform::Dialogs& dialogs, const Parts& parts, QObject* parent)
    : QObject(parent), state_(state), dialogs_(dialogs), parts_(parts)
{
    markerTimer_.setSingleShot(true);
    markerTimer_.setInterval(kMarkerInterval);
    connect(&markerTimer_, &QTimer::timeout, this, &GridModes::markerTick);

    parts_.grid->viewport()->installEventFilter(this);
    connect(parts_.grid, &MarkingGrid::mousePressed, this, [this](Qt::MouseButton button) {
        gridMenuOpen_ = button == Qt::RightButton;
    });
    connect(qApp, &QApplication::focusChanged, this, &GridModes::onFocusChanged);

    TextOperationsPanel* text = parts_.textPanel;
    text->setCellCharacters([this] {
        const int column = parts_.grid->selectionLeftColumn();
        return QString::fromLatin1(acceptedCharacters(state_.list.layout(), column < 1 ? 1 : column));
    });
    connect(text, &TextOperationsPanel::okClicked, this, &GridModes::runTextOperation);
    connect(text, &TextOperationsPanel::undoClicked, this, &GridModes::panelUndo);
    connect(parts_.lineBreakPanel, &LineBreakPanel::okClicked, this, &GridModes::runBulkLineBreak);
    connect(parts_.lineBreakPanel, &LineBreakPanel::undoClicked, this, &GridModes::panelUndo);
    if (parts_.halfWidthButton) {
        parts_.halfWidthButton->setToolTip(QStringLiteral("グリッド内の全角文字を半角に変換します"));
        connect(parts_.halfWidthButton, &QPushButton::clicked, this, &GridModes::convertToHalfWidth);
        parts_.halfWidthButton->setVisible(state_.fullWidthMode);
        connect(parts_.grid, &MarkingGrid::fullWidthModeChanged, parts_.halfWidthButton, &QWidget::setVisible);
    }
    connect(this, &GridModes::undoStateChanged, this, [this] {
        parts_.menu->setWanted(Item::Undo, state_.undoEnabled);
        parts_.menu->setWanted(Item::Redo, state_.redoEnabled);
        parts_.textPanel->setUndoEnabled(state_.textPanelUndoEnabled);
        parts_.lineBreakPanel->setUndoEnabled(state_.textPanelUndoEnabled);
    });
    applyLook();
}

GridModes::~GridModes() = default;

void GridModes::setBackToGenerator(std::function<void()> back)
{
    backToGenerator_ = std::move(back);
}

// ---- switching ------------------------------------------------------------------------

void GridModes::startMode(GridMode mode)
{
    MarkingGrid* grid = parts_.grid;
    grid->rowCursorTimer().stop();
    grid->setFocus(Qt::OtherFocusReason);
    gridMenuOpen_ = false;
    if (QLineEdit* editor = openEditor())
        commitEditor(editor);
    state_.gridMode = mode;
    markerText_.reset();
    clearNumberingSteps();
    applyLook();
    setEditing(false);
    if (mode == GridMode::Edit) {
        enableUndoAfterGeneratorInput();
    } else {
        // Marks are not undone step by step.
        state_.undoEnabled = false;
        state_.redoEnabled = false;
        Q_EMIT undoStateChanged();
    }
}

void GridModes::switchOff()
{
    state_.gridMode = GridMode::None;
    markerText_.reset();
    clearNumberingSteps();
    applyLook();
    if (!state_.stringInsertMode)
        parts_.grid->rowCursorTimer().start();
    setEditing(false);
    parts_.menu->setWanted(Item::Edit, !state_.list.isEmpty());
    const bool marks = !state_.list.isEmpty() && !state_.fullWidthMode && state_.list.layout() != CountBoxMode::Text;
    parts_.menu->setWanted(Item::LineBreakMark, marks);
    parts_.menu->setWanted(Item::NumberingMark, marks);
}

void GridModes::endModes()
{
    if (QLineEdit* editor = openEditor())
        commitEditor(editor);
    switchOff();
    if (backToGenerator_)
        backToGenerator_();
}

void GridModes::enableUndoAfterGeneratorInput()
{
    if (state_.generatorUndoVisible && !state_.undoEnabled) {
        state_.undoEnabled = true;
        Q_EMIT undoStateChanged();
    }
}

void GridModes::pressF2()
{
    ModeKeyContext c;
    c.mode = state_.gridMode;
    c.editItemEnabled = parts_.menu->isWanted(Item::Edit);
    c.gridMenuOpen = gridMenuOpen_;
    const ModeKeyOutcome outcome = marking_list::pressF2(c);
    if (outcome.action == ModeKeyAction::StartEdit)
        startMode(GridMode::Edit);
    else if (outcome.action == ModeKeyAction::EndModes)
        endModes();
}

void GridModes::pressF3()
{
    ModeKeyContext c;
    c.layout = state_.list.layout();
    c.mode = state_.gridMode;
    c.lineBreakItemEnabled = parts_.menu->isWanted(Item::LineBreakMark);
    c.numberingItemEnabled = parts_.menu->isWanted(Item::NumberingMark);
    c.listShown = !state_.list.isEmpty();
    c.gridMenuOpen = gridMenuOpen_;
    const ModeKeyOutcome outcome = marking_list::pressF3(c);
    if (outcome.fullWidthRefused)
        dialogs_.inform(parts_.grid->window(), messages::fullWidthInList());
    switch (outcome.action) {
    case ModeKeyAction::StartLineBreak: startMode(GridMode::LineBreakMarker); break;
    case ModeKeyAction::StartNumbering: startMode(GridMode::NumberingMarker); break;
    case ModeKeyAction::EndModes: endModes(); break;
    case ModeKeyAction::StartEdit:
    case ModeKeyAction::Nothing: break;
    }
}

void GridModes::generatorFocused()
{
    enableUndoAfterGeneratorInput();
    const GridMode mode = state_.gridMode;
    if (mode != GridMode::Edit && mode != GridMode::LineBreakMarker)
        return;
    if (!gridMenuOpen_)
        state_.listSnapshot = state_.list.snapshot(parts_.grid->selectionTopRow());
    switchOff();
}

void GridModes::gridFocusLost()
{
    enableUndoAfterGeneratorInput();
    if (state_.gridMode != GridMode::NumberingMarker || gridMenuOpen_)
        return;
    state_.listSnapshot = state_.list.snapshot(parts_.grid->selectionTopRow());
    switchOff();
}

bool GridModes::insideGrid(const QWidget* w) const
{
    return w != nullptr && (w == parts_.grid || parts_.grid->isAncestorOf(w));
}

void GridModes::onFocusChanged(QWidget* old, QWidget* now)
{
    if (now == nullptr || now->window() != parts_.grid->window())
        return;  // another window (a message box, the menu) or the program left
    if (auto* editor = qobject_cast<QLineEdit*>(now); editor && editor->parentWidget() == parts_.grid->viewport())
        watchEditor(editor);
    if (parts_.generator && parts_.generator->isAncestorOf(now) && qobject_cast<QLineEdit*>(now))
        generatorFocused();
    else if (insideGrid(old) && !insideGrid(now))
        gridFocusLost();
}

void GridModes::applyLook()
{
    const GridMode mode = state_.gridMode;
    MarkingGrid* grid = parts_.grid;
    grid->listModel()->setColumn1Header(column1Header(mode, state_.stringInsertMode, state_.list.layout()));
    grid->refreshFixedColour();
    if (const auto colour = fixedColour(mode)) {
        for (QHeaderView* header : {grid->horizontalHeader(), grid->verticalHeader()}) {
            QPalette p = header->palette();
            p.setColor(QPalette::Button, *colour);
            p.setColor(QPalette::Window, *colour);
            header->setPalette(p);
        }
    }
    if (markerMode(mode))
        grid->viewport()->setCursor(Qt::PointingHandCursor);
    else
        grid->viewport()->unsetCursor();
    parts_.textPanel->setVisible(mode == GridMode::Edit);
    parts_.lineBreakPanel->setVisible(mode == GridMode::LineBreakMarker);
    if (parts_.transferPanel)
        parts_.transferPanel->setVisible(mode == GridMode::None || mode == GridMode::NumberingMarker);
}

void GridModes::setEditing(bool on)
{
    if (on)
        parts_.grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    else if (state_.gridMode == GridMode::Edit)
        parts_.grid->refreshEditTriggers();  // typing and double clicks open the editor
    else
        parts_.grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

// ---- marker clicks ------------------------------------------------------------------------

void GridModes::markerTick()
{
    clickInProgress_ = false;
    if (state_.gridMode == GridMode::Edit)
        setEditing(true);
}

QLineEdit* GridModes::openEditor() const
{
    const QModelIndex current = parts_.grid->currentIndex();
    return current.isValid() ? qobject_cast<QLineEdit*>(parts_.grid->indexWidget(current)) : nullptr;
}

QLineEdit* GridModes::openEditor(int column, int row)
{
    MarkingGrid* grid = parts_.grid;
    const QModelIndex index = grid->listModel()->index(row - 1, column - 1);
    if (!index.isValid())
        return nullptr;
    grid->selectCell(column, row);
    grid->edit(index);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(index));
    if (editor)
        watchEditor(editor);
    return editor;
}

void GridModes::commitEditor(QLineEdit* editor)
{
    QAbstractItemDelegate* delegate = parts_.grid->itemDelegate();
    Q_EMIT delegate->commitData(editor);
    Q_EMIT delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void GridModes::closeEditorUnchanged(QLineEdit* editor)
{
    Q_EMIT parts_.grid->itemDelegate()->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
}

// Returns true when the press was a marker click (handled here, not by the grid).
bool GridModes::markerPress(const QPoint& at)
{
    MarkingGrid* grid = parts_.grid;
    const QModelIndex index = grid->indexAt(at);
    if (!index.isValid() || index.column() != 0) {
        markerTimer_.start();
        return false;
    }
    if (clickInProgress_)
        return true;
    clickInProgress_ = true;
    gridMenuOpen_ = false;
    state_.generatorUndoVisible = false;
    Q_EMIT undoStateChanged();

    const int row = index.row() + 1;
    const std::string before = state_.list.cell(1, row);
    markerText_ = before;
    markerRow_ = row;

    // The editor opens on the cell and the click itself says where its caret stands.
    QLineEdit* editor = openEditor(1, row);
    if (editor == nullptr) {
        markerTimer_.start();
        return true;
    }
    const size_t caret = static_cast<size_t>(std::max(0, editor->cursorPositionAt(editor->mapFrom(grid->viewport(), at))));

    const bool numbering = state_.gridMode == GridMode::NumberingMarker;
    const MarkerClick click = numbering ? clickNumbering(before, caret) : clickLineBreak(before, caret);
    editor->setText(text::toQString(click.text));
    editor->setCursorPosition(static_cast<int>(click.caret));

    if (numbering) {
        markedRow_ = row;
        if (hasCompleteBracket(click.text)) {
            commitEditor(editor);
            step_ = NumberingStep::Count;
            setEditing(true);
            openEditor(2, row);
            markerTimer_.start();
            return true;
        }
    }
    if (!click.keepEditing) {
        commitEditor(editor);
        setEditing(false);
    }
    // After the commit: a change of the row refreshes an open editor from the list.
    if (numbering && hasNoBracket(click.text))
        state_.list.setCell(numberingEndColumn(state_.list.layout()), row, std::string());
    markerTimer_.start();
    return true;
}

// ---- editors in the marker modes ---------------------------------------------------------

void GridModes::watchEditor(QLineEdit* editor)
{
    // Ahead of the delegate's own filter, so the numbering keys are decided here first.
    editor->removeEventFilter(this);
    editor->installEventFilter(this);
    if (editor->property(kWatchedProperty).toBool())
        return;
    editor->setProperty(kWatchedProperty, true);
    connect(editor, &QLineEdit::textEdited, this, [this, editor] { guardFullWidth(editor); });
}

void GridModes::guardFullWidth(QLineEdit* editor)
{
    if (!markerMode(state_.gridMode))
        return;
    const std::optional<std::string> typed = text::fromQString(editor->text());
    if (typed && !text::isFullWidth(*typed))
        return;
    const int row = parts_.grid->currentIndex().row() + 1;
    closeEditorUnchanged(editor);
    setEditing(false);
    if (markerText_ && markerRow_ == row)
        state_.list.setCell(1, row, *markerText_);
    dialogs_.inform(parts_.grid->window(), messages::fullWidthTyped());
}

void GridModes::clearNumberingSteps()
{
    step_ = NumberingStep::None;
}

bool GridModes::numberingKey(QLineEdit* editor, QKeyEvent* event)
{
    const int column = parts_.grid->currentIndex().column() + 1;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        numberingEnter(editor);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        clearNumberingSteps();
        setEditing(false);
        return false;
    case Qt::Key_Left:
        if (column == 2) {
            clearNumberingSteps();
            setEditing(false);
        }
        return false;
    default:
        break;
    }
    const QString typed = event->text();
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (typed.isEmpty() || !typed.at(0).isPrint() || control)
        return false;  // Backspace, arrows and the like
    const bool count = step_ != NumberingStep::None && isCountColumn(state_.list.layout(), column);
    for (const QChar c : typed) {
        const char ch = c.toLatin1();
        if (c.unicode() > 0x7F || !(count ? isDecimalDigit(ch) : isHexDigit(ch)))
            return true;  // dropped
    }
    return false;
}

void GridModes::numberingEnter(QLineEdit* editor)
{
    const QModelIndex at = parts_.grid->currentIndex();
    const int column = at.column() + 1;
    const int row = at.row() + 1;
    const CountBoxMode layout = state_.list.layout();
    const int endColumn = numberingEndColumn(layout);
    if (column == 1 && row == markedRow_ && step_ == NumberingStep::None && !clickInProgress_) {
        if (const auto closed = closeBracketAtCaret(cp932(editor), static_cast<size_t>(editor->cursorPosition()))) {
            editor->setText(text::toQString(*closed));
            commitEditor(editor);
            step_ = NumberingStep::Count;
            setEditing(true);
            openEditor(2, row);
            return;
        }
    } else if (step_ == NumberingStep::Count && row == markedRow_ && isCountColumn(layout, column)) {
        commitEditor(editor);
        step_ = NumberingStep::EndValue;
        setEditing(true);
        openEditor(endColumn, row);
        return;
    } else if (column == endColumn && row == markedRow_ && step_ != NumberingStep::None && !editor->text().isEmpty()) {
        commitEditor(editor);
        clearNumberingSteps();
        setEditing(false);
        return;
    }
    commitEditor(editor);
}

bool GridModes::eventFilter(QObject* watched, QEvent* event)
{
    const GridMode mode = state_.gridMode;
    if (watched == parts_.grid->viewport()) {
        if (!markerMode(mode))
            return false;
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                return false;
            if (event->type() == QEvent::MouseButtonDblClick) {
                const QModelIndex index = parts_.grid->indexAt(mouse->position().toPoint());
                return index.isValid() && index.column() == 0;  // the press already did the work
            }
            return markerPress(mouse->position().toPoint());
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && mode == GridMode::NumberingMarker) {
        if (auto* editor = qobject_cast<QLineEdit*>(watched))
            return numberingKey(editor, static_cast<QKeyEvent*>(event));
    }
    return false;
}

// ---- text operations ------------------------------------------------------------------------

TargetCells GridModes::selectedCells() const
{
    const QModelIndexList selected = parts_.grid->selectionModel()->selectedIndexes();
    TargetCells cells;
    cells.column = std::max(parts_.grid->selectionLeftColumn(), 1);
    cells.topRow = parts_.grid->selectionTopRow();
    cells.bottomRow = cells.topRow;
    for (const QModelIndex& i : selected)
        cells.bottomRow = std::max(cells.bottomRow, i.row() + 1);
    return cells;
}

void GridModes::finishOperation(const TextOpResult& result, const std::string& before, const QString& notFound,
                                QString (*done)(int))
{
    QWidget* window = parts_.grid->window();
    if (result.status == TextOpStatus::MissingInput)
        return;
    if (result.status == TextOpStatus::NotFound) {
        dialogs_.inform(window, notFound);
        return;
    }
    state_.generatorUndoVisible = false;
    state_.undoEnabled = false;
    state_.redoEnabled = false;
    state_.undoSnapshot = before;
    state_.snapshotRequested = true;
    state_.textPanelUndoEnabled = true;
    parts_.grid->viewport()->update();
    Q_EMIT undoStateChanged();
    dialogs_.inform(window, done(result.changedCells));
}

void GridModes::runTextOperation(TextOperationsPanel::Operation operation)
{
    const TargetCells cells = selectedCells();
    const std::string before = state_.list.snapshot(cells.topRow);
    TextOperationsPanel* panel = parts_.textPanel;
    switch (operation) {
    case TextOperationsPanel::Operation::Replace: {
        const auto in = panel->replaceInput();
        finishOperation(replaceInCells(state_.list, cells, in.target, in.occurrence, in.replacement), before,
                        messages::replaceNotFound(), &messages::replaced);
        break;
    }
    case TextOperationsPanel::Operation::Delete: {
        const auto in = panel->deleteInput();
        finishOperation(deleteInCells(state_.list, cells, in.target, in.occurrence), before,
                        messages::deleteNotFound(), &messages::deleted);
        break;
    }
    case TextOperationsPanel::Operation::Insert: {
        const InsertRequest in = panel->insertInput();
        const bool byKeyword = in.byKeyword && !in.keyword.empty();
        finishOperation(insertInCells(state_.list, cells, in), before,
                        byKeyword ? messages::keywordNotFound() : messages::positionNotFound(), &messages::inserted);
        break;
    }
    }
}

void GridModes::runBulkLineBreak()
{
    const TargetCells cells = selectedCells();
    const std::string before = state_.list.snapshot(cells.topRow);
    finishOperation(insertLineBreaks(state_.list, cells.topRow, cells.bottomRow, parts_.lineBreakPanel->request()),
                    before, messages::lineBreakNotFound(), &messages::lineBreaksInserted);
}

void GridModes::panelUndo()
{
    MarkingGrid* grid = parts_.grid;
    const RestoreResult result =
        undo(state_, grid->selectionTopRow(), grid->topVisibleRow(), UndoSource::TextPanel);
    if (result.outcome == UndoOutcome::NotOffered)
        return;
    grid->selectCell(1, result.selectRow);
    grid->setTopVisibleRow(result.topVisibleRow);
    Q_EMIT undoStateChanged();
}

void GridModes::convertToHalfWidth()
{
    state_.generatorUndoVisible = false;
    state_.snapshotRequested = true;
    state_.undoEnabled = true;
    state_.redoEnabled = false;
    const std::string before = state_.list.snapshot(state_.list.nextFreeRow());
    if (before != state_.undoSnapshot)
        state_.undoSnapshot = before;
    convertListToHalfWidth(state_.list);
    parts_.grid->viewport()->update();
    Q_EMIT undoStateChanged();
    if (backToGenerator_)
        backToGenerator_();
}

}  // namespace marking_list::ui
