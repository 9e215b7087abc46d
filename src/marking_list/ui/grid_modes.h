#pragma once

#include "app/program_state.h"
#include "marking_list/ui/text_operations_panel.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;

namespace platform {
class Dialogs;
}

namespace marking_list::ui {

class GridMenu;
class LineBreakPanel;
class MarkingGrid;

// The grid's three modes: edit mode (typing into cells, with the text-operations panel), the
// multi-line-break marker mode ("|" placed with the mouse, with the bulk panel) and the
// numbering marker mode ("【" and "】" placed with the mouse, then the row's count and end
// value). It switches them on and off with their look (column 1 header, fixed-cell colour,
// pointer, panel), follows the focus rules, handles marker clicks and the keys of the
// numbering input, guards the marker modes against full-width text, and runs the text
// operations, "半角変換" and their undo.
class GridModes final : public QObject {
    Q_OBJECT
public:
    static constexpr int kMarkerInterval = 100;

    struct Parts {
        MarkingGrid* grid = nullptr;
        GridMenu* menu = nullptr;
        TextOperationsPanel* textPanel = nullptr;
        LineBreakPanel* lineBreakPanel = nullptr;
        QWidget* transferPanel = nullptr;  // "エクセル操作": no mode, numbering mode
        QPushButton* halfWidthButton = nullptr;
        QWidget* generator = nullptr;      // its input fields taking the focus end the modes
    };

    GridModes(app::ProgramState& state, platform::Dialogs& dialogs, const Parts& parts,
              QObject* parent = nullptr);
    ~GridModes() override;

    // Gives the focus back to the generator's wire text.
    void setBackToGenerator(std::function<void()> back);

    void startMode(app::GridMode mode);
    // Every mode off, the look back to normal, the focus back to the generator.
    void endModes();
    void pressF2();
    void pressF3();

    // The focus rules: a generator input field took the focus; the grid lost it.
    void generatorFocused();
    void gridFocusLost();

    bool gridMenuOpen() const { return gridMenuOpen_; }
    void setGridMenuOpen(bool open) { gridMenuOpen_ = open; }
    // "全行削除" forgets the cell text remembered at the last marker click.
    void forgetMarkerText() { markerText_.reset(); }

    // The one-shot marker timer: started by each click in a marker mode; its tick accepts
    // the next click.
    QTimer& markerTimer() { return markerTimer_; }
    void markerTick();
    bool clickInProgress() const { return clickInProgress_; }

    void runTextOperation(TextOperationsPanel::Operation operation);
    void runBulkLineBreak();
    void panelUndo();
    void convertToHalfWidth();

    // The header, colours, pointer and panel of the current mode.
    void applyLook();

Q_SIGNALS:
    // Undo availability, the generator's "取消" or the panels' "取消" changed in the state.
    void undoStateChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void switchOff();
    void enableUndoAfterGeneratorInput();
    void setEditing(bool on);
    void onFocusChanged(QWidget* old, QWidget* now);
    bool insideGrid(const QWidget* w) const;

    bool markerPress(const QPoint& at);
    QLineEdit* openEditor(int column, int row);
    QLineEdit* openEditor() const;
    void watchEditor(QLineEdit* editor);
    void commitEditor(QLineEdit* editor);
    void closeEditorUnchanged(QLineEdit* editor);
    bool numberingKey(QLineEdit* editor, QKeyEvent* event);
    void numberingEnter(QLineEdit* editor);
    void clearNumberingSteps();
    void guardFullWidth(QLineEdit* editor);

    TargetCells selectedCells() const;
    void finishOperation(const TextOpResult& result, const std::string& before,
                         const QString& notFound, QString (*done)(int));

    app::ProgramState& state_;
    platform::Dialogs& dialogs_;
    Parts parts_;
    std::function<void()> backToGenerator_;
    QTimer markerTimer_;

    bool gridMenuOpen_ = false;
    bool clickInProgress_ = false;
    std::optional<std::string> markerText_;  // the clicked cell's text before the click
    int markerRow_ = 0;                      // row of that cell
    int markedRow_ = 0;                      // last click into column 1 in numbering mode
    enum class NumberingStep { None, Count, EndValue };
    NumberingStep step_ = NumberingStep::None;
};

}  // namespace marking_list::ui
