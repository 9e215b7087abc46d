#pragma once

#include <QColor>
#include <QWidget>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace generator {

class GeneratorPanel;
class TextRegisters;

// The twenty-six text registers A-Z: per register its letter button ("&A", so Alt+A presses
// it), its read-only text, its "Clr" button (outside history mode) and its fixed box (in
// history mode). Recalling a register puts its entry back into the generator panel.
class RegisterPanel final : public QWidget {
    Q_OBJECT

public:
    static QColor fixedColour() { return {255, 213, 170}; }
    static QColor normalColour() { return {217, 221, 204}; }

    RegisterPanel(TextRegisters& registers, GeneratorPanel& panel, QWidget* parent = nullptr);

    QPushButton* letterButton(int index) const { return rows_.at(index).letter; }
    QLineEdit* textBox(int index) const { return rows_.at(index).text; }
    QPushButton* clrButton(int index) const { return rows_.at(index).clr; }
    QCheckBox* fixedBox(int index) const { return rows_.at(index).fixed; }

    // Texts, hints, fixed boxes and colours from the registers; the window's state refresh
    // calls it, and every command of the panel.
    void refresh();
    // "Clr" buttons outside history mode, fixed boxes in it.
    void showHistoryControls(bool historyMode);

    // Recall: with the focus in a range field or a wire text, the panel is cleared and filled
    // from the register's entry, and the focus goes to wire text 1.
    void recall(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QPushButton* letter = nullptr;
        QLineEdit* text = nullptr;
        QPushButton* clr = nullptr;
        QCheckBox* fixed = nullptr;
    };

    void clr(int index);
    void fixClicked(int index, bool checked);
    void focusWireText1();

    TextRegisters& registers_;
    GeneratorPanel& panel_;
    std::array<Row, 26> rows_{};
};

}  // namespace generator
