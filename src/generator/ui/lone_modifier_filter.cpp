#include "generator/ui/lone_modifier_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace generator {

LoneModifierFilter::LoneModifierFilter(QWidget* anchor, QObject* parent)
    : QObject(parent), anchor_(anchor)
{
}

bool LoneModifierFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !anchor_ || widget->window() != anchor_->window())
        return false;
    // The application sees a key event once per receiver on its way up; only the focus
    // widget's copy counts.
    if (widget != widget->window() && !widget->hasFocus())
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyPress) {
        if (key->isAutoRepeat())
            return false;
        if (key->key() == Qt::Key_Alt)
            armed_ = Armed::Alt;
        else if (key->key() == Qt::Key_Control)
            armed_ = Armed::Ctrl;
        else
            armed_ = Armed::None;
        return false;
    }
    if (key->isAutoRepeat())
        return false;
    const Armed armed = armed_;
    armed_ = Armed::None;
    if (key->key() == Qt::Key_Alt && armed == Armed::Alt)
        Q_EMIT altTapped();
    else if (key->key() == Qt::Key_Control && armed == Armed::Ctrl)
        Q_EMIT ctrlTapped();
    return false;
}

}  // namespace generator
