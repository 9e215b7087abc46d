#include "ctk/ui/adjust_box.h"

#include "text/ui/editing_colour.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QRegularExpressionValidator>

namespace ctk::ui {

AdjustBox::AdjustBox(Chars chars, int maxLength, QWidget* parent)
    : QLineEdit(parent)
{
    setMaxLength(maxLength);
    // Typing and pasting alike: characters outside the rule are refused.
    const QString pattern = chars == Chars::Digits ? QStringLiteral("[0-9]*")
                                                   : QStringLiteral("[0-9.]*");
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

void AdjustBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT enterPressed();
        return;
    case Qt::Key_Right:
        if (cursorPosition() == text().size() && !hasSelectedText()) {
            Q_EMIT rightAtEnd();
            return;
        }
        break;
    case Qt::Key_Left:
        if (cursorPosition() == 0 && !hasSelectedText()) {
            Q_EMIT leftAtStart();
            return;
        }
        break;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void AdjustBox::focusInEvent(QFocusEvent* event)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, text::ui::editingColour());
    setPalette(p);
    QLineEdit::focusInEvent(event);
}

void AdjustBox::focusOutEvent(QFocusEvent* event)
{
    setPalette(QPalette());
    QLineEdit::focusOutEvent(event);
    // Another window or a popup taking the focus is not the user leaving the box.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        Q_EMIT left();
}

}  // namespace ctk::ui
