#pragma once

#include "generator/panel_navigation.h"
#include "generator/range_mode.h"
#include "generator/sequence_expansion.h"

#include <QPalette>
#include <QWidget>

#include <array>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace app {
struct ProgramState;
}
namespace platform {
class Dialogs;
}

namespace generator {

class LoneModifierFilter;

// The generator's input row above the marking list: three serial ranges, two wire texts,
// the count fields, the numbering end value and the mark buttons, with the keyboard rules
// that let a user type wire numbers without the mouse.
class GeneratorPanel final : public QWidget {
    Q_OBJECT

public:
    GeneratorPanel(app::ProgramState& state, platform::Dialogs& dialogs,
                   QWidget* parent = nullptr);
    ~GeneratorPanel() override;

    // What OK and "取消" need to know of the grid; the window supplies it.
    struct GridPosition {
        bool rowCursorTimerRunning = true;
        int selectionTop = 1;
        int topVisibleRow = 1;
    };
    void setGridPositionSource(std::function<GridPosition()> source);

    QLineEdit* field(PanelField f) const { return fields_[static_cast<size_t>(f)]; }
    QLabel* modeLabel(int range) const { return modeLabels_.at(range); }
    QCheckBox* rangeFixedBox(int range) const { return rangeFixed_.at(range); }
    QCheckBox* wireFixedBox(int wire) const { return wireFixed_.at(wire); }
    QCheckBox* serialFirstPriorityBox() const { return serialFirstPriority_; }
    QRadioButton* layoutButton(marking_list::CountBoxMode mode) const;
    QWidget* layoutSelector() const { return layoutSelector_; }
    QLabel* countLabel(int k) const { return countLabels_.at(k); }
    QPushButton* quickCountButton(int n) const { return quickCount_.at(n - 1); }
    QPushButton* okButton() const { return ok_; }
    QPushButton* clearButton() const { return clear_; }
    QPushButton* undoButton() const { return undo_; }
    QPushButton* openMarkButton() const { return openMark_; }
    QPushButton* closeMarkButton() const { return closeMark_; }
    QPushButton* lineBreakButton() const { return lineBreak_; }

    RangeMode rangeMode(int range) const { return modes_.at(range); }
    // The panel's fields in the form OK reads them, and back.
    GeneratorFields fields() const;
    void showFields(const GeneratorFields& fields);
    bool numberingState() const { return numberingState_; }
    // The field of the panel that has the focus, if any.
    std::optional<PanelField> focusedField() const;
    PanelTexts texts() const;

    // Commands of the window's keys and menu.
    void pressClear();                  // "クリア", F11
    bool pressUndoIfVisible();          // Esc outside the grid: true when "取消" was pressed
    void toggleFixOfFocusedField();     // F7
    void pressNumberingKey();           // F6: "【" or "】"
    void pressLineBreakKey();           // F5
    void altAlone();                    // Alt pressed and released alone
    // After most commands the focus returns here: wire text 2 when wire text 1 is fixed,
    // otherwise wire text 1, whole text selected.
    void focusWireText();

    // Serial buttons and registers set a range's mode: the middle field shows in Triple;
    // otherwise it is emptied and hidden and the label shows "～" (Span) or a blank (Pair).
    // A fixed range is overwritten as well.
    void setRangeMode(int range, RangeMode mode);

    // The wire-size label k (0..2) of the 3BOX layout.
    void setWireSizeLabel(int k, const QString& text);
    QString wireSizeLabel(int k) const { return wireSizeLabels_.at(k); }

    // Shows the layout selector only while the list is empty; the window's state refresh
    // calls it, and the panel after every command of its own.
    void refresh();

Q_SIGNALS:
    // Ctrl pressed alone: the grid takes the focus.
    void gridFocusRequested();
    // The grid cursor should follow NextFreeRow again (the row cursor timer restarts).
    void rowCursorFollowRequested();
    // A field of the panel gained the focus: in-grid editing ends.
    void fieldEntered();
    // In 3BOX the header of count column k (0..2) follows the wire-size label.
    void countColumnHeaderChanged(int k, const QString& header);
    // OK or "取消" changed the list: the grid shows `topVisibleRow` at the top and, when
    // `cursorRow` is not 0, puts its cursor there (column 1).
    void gridMoved(int topVisibleRow, int cursorRow);
    // The layout changed through the panel's selector.
    void layoutChosen(marking_list::CountBoxMode mode);
    // OK begins: the serial-button settings close before anything is read.
    void okStarting();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFields();
    void buildLayout();
    std::optional<PanelField> fieldOf(const QObject* object) const;
    void focusField(PanelField f, bool selectAll = true);
    void paint(PanelField f);
    bool isFixed(PanelField f) const;

    bool keyPress(PanelField f, QKeyEvent* key);
    void keyRelease(PanelField f, QKeyEvent* key);
    void focusIn(PanelField f);
    void focusOut(PanelField f, Qt::FocusReason reason);
    bool mousePress(PanelField f);
    bool typedInWireText(PanelField f, const QString& typed);
    void afterWireTextKey(PanelField f);
    void enterInWireText(PanelField f);
    void enterInNumberingEnd();
    void enterElsewhere(PanelField f);
    bool arrowKey(PanelField f, QKeyEvent* key);

    void cycleRangeMode(int range);
    void rangeFixToggled(int range, bool checked);
    void wireFixToggled(int wire, bool checked);
    void updateSerialFirstPriority();
    void updateWireInputMethod();
    void chooseLayout(marking_list::CountBoxMode mode);
    void applyLayout();

    void openMark();
    void closeMark();
    void lineBreakMark();
    void quickCount(int n);
    void ok();
    void undo();

    std::string bytes(PanelField f) const;
    size_t caretBytes(PanelField f) const;
    void message(const char* utf8);

    app::ProgramState& state_;
    platform::Dialogs& dialogs_;

    std::array<QLineEdit*, 15> fields_{};
    std::array<RangeMode, 3> modes_{RangeMode::Span, RangeMode::Span, RangeMode::Span};
    std::array<QLabel*, 3> rangeCaptions_{};
    std::array<QLabel*, 3> modeLabels_{};
    std::array<QCheckBox*, 3> rangeFixed_{};
    std::array<QCheckBox*, 2> wireFixed_{};
    QCheckBox* serialFirstPriority_ = nullptr;
    std::array<QLabel*, 3> countLabels_{};
    std::array<QString, 3> wireSizeLabels_;
    QWidget* layoutSelector_ = nullptr;
    std::array<QRadioButton*, 3> layoutButtons_{};
    QLabel* numberingEndLabel_ = nullptr;
    std::array<QPushButton*, 10> quickCount_{};
    QPushButton* ok_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* undo_ = nullptr;
    QPushButton* openMark_ = nullptr;
    QPushButton* closeMark_ = nullptr;
    QPushButton* lineBreak_ = nullptr;
    LoneModifierFilter* modifierFilter_ = nullptr;

    std::function<GridPosition()> gridPosition_;
    GeneratorUndoRecord undoRecord_;
    QPalette normalPalette_;
    bool numberingState_ = false;
    std::array<int, 15> caretAtLastKey_{};
};

}  // namespace generator
