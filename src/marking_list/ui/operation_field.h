#pragma once

#include <QLineEdit>

#include <functional>
#include <string>

namespace marking_list::ui {

// An input field of the text-operation panels. It takes only the characters it is given
// (typed, pasted or committed by an input method) and never one that CP932 cannot hold;
// Enter is never typed into it. Enter, Down, Up and Right at the end of the text run the
// panel's keyboard flow; a step marked as needing text acts only when the field is not
// empty. The focused field takes the editing colour; a click selects the whole text.
class OperationField final : public QLineEdit {
    Q_OBJECT
public:
    // The characters the field takes; an empty text means any.
    using Accepted = std::function<QString()>;

    explicit OperationField(QWidget* parent = nullptr);

    void setAccepted(Accepted accepted);
    void setAcceptedCharacters(const QString& characters);

    enum class Key { Enter, Down, Up, RightAtEnd };
    // Runs `step` on the key; with needsText only when the field is not empty.
    void onKey(Key key, std::function<void()> step, bool needsText = false);

    // The text as CP932 (the field never holds a character CP932 lacks).
    std::string cp932() const;
    // The field's number: 0 when it is empty.
    int number() const;

Q_SIGNALS:
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Step {
        std::function<void()> run;
        bool needsText = false;
    };
    bool runStep(const Step& step);

    Accepted accepted_;
    Step enter_, down_, up_, rightAtEnd_;
};

}  // namespace marking_list::ui
