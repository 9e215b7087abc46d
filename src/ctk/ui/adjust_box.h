#pragma once

#include <QLineEdit>

#include <functional>

namespace ctk::ui {

// A small number box of the work-length and feed-correction controls: it takes only the
// characters its rule allows, shows the editing colour while it has the focus, and reports
// Enter, leaving, and the arrow keys at its edges (for moving between the two length boxes).
class AdjustBox final : public QLineEdit {
    Q_OBJECT
public:
    enum class Chars { Digits, Decimal };
    AdjustBox(Chars chars, int maxLength, QWidget* parent = nullptr);

Q_SIGNALS:
    void enterPressed();
    void left();            // the focus went elsewhere
    void rightAtEnd();      // Right with the caret after the last character
    void leftAtStart();     // Left with the caret before the first character

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace ctk::ui
