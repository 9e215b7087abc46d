#include "marking_list/ui/operation_field.h"

#include "text/ui/editing_colour.h"
#include "text/ui/qt_text.h"

#include <QKeyEvent>
#include <QValidator>

namespace marking_list::ui {

namespace {

// Refuses a text holding a character the field does not take. A refused edit leaves the
// field as it was, whether typed, pasted or committed by an input method.
class CharacterValidator final : public QValidator {
public:
    CharacterValidator(const OperationField::Accepted& accepted, QObject* parent)
        : QValidator(parent), accepted_(accepted)
    {
    }

    State validate(QString& input, int&) const override
    {
        const QString allowed = accepted_ ? accepted_() : QString();
        if (!allowed.isEmpty()) {
            for (const QChar c : input) {
                if (!allowed.contains(c))
                    return Invalid;
            }
        }
        return text::fromQString(input) ? Acceptable : Invalid;
    }

private:
    const OperationField::Accepted& accepted_;
};

}  // namespace

OperationField::OperationField(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new CharacterValidator(accepted_, this));
}

void OperationField::setAccepted(Accepted accepted)
{
    accepted_ = std::move(accepted);
}

void OperationField::setAcceptedCharacters(const QString& characters)
{
    accepted_ = [characters] { return characters; };
}

void OperationField::onKey(Key key, std::function<void()> step, bool needsText)
{
    Step s{std::move(step), needsText};
    switch (key) {
    case Key::Enter: enter_ = std::move(s); break;
    case Key::Down: down_ = std::move(s); break;
    case Key::Up: up_ = std::move(s); break;
    case Key::RightAtEnd: rightAtEnd_ = std::move(s); break;
    }
}

std::string OperationField::cp932() const
{
    return text::fromQString(text()).value_or(std::string());
}

int OperationField::number() const
{
    return text().toInt();
}

bool OperationField::runStep(const Step& step)
{
    if (!step.run)
        return false;
    if (!step.needsText || !text().isEmpty())
        step.run();
    return true;
}

void OperationField::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        runStep(enter_);
        event->accept();  // never typed, never passed on
        return;
    case Qt::Key_Down:
        if (runStep(down_))
            return event->accept();
        break;
    case Qt::Key_Up:
        if (runStep(up_))
            return event->accept();
        break;
    case Qt::Key_Right:
        if (event->modifiers() == Qt::NoModifier && cursorPosition() == text().size() && !hasSelectedText()
            && runStep(rightAtEnd_))
            return event->accept();
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void OperationField::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    QPalette p = palette();
    p.setColor(QPalette::Base, text::ui::editingColour());
    setPalette(p);
}

void OperationField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    setPalette(QPalette());
}

void OperationField::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    selectAll();
    Q_EMIT clicked();
}

}  // namespace marking_list::ui
