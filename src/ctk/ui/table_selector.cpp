#include "ctk/ui/table_selector.h"

#include "ctk/table_selection.h"
#include "platform/desktop.h"

#include <QAbstractItemView>
#include <QFocusEvent>

namespace ctk::ui {

TableSelector::TableSelector(platform::Desktop& desktop, QWidget* parent)
    : QComboBox(parent), desktop_(desktop)
{
    setToolTip(QStringLiteral("CTKテーブルを選択できます"));
    setFocusPolicy(Qt::ClickFocus);
    // The box fits the window's narrow side column; its list shows the whole names.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(6);
}

void TableSelector::showSelectionColour()
{
    const Rgb rgb = selectorColour(std::max(0, currentIndex()));
    QPalette p;
    p.setColor(QPalette::Button, QColor(rgb.red, rgb.green, rgb.blue));
    p.setColor(QPalette::Base, QColor(rgb.red, rgb.green, rgb.blue));
    setPalette(p);
}

void TableSelector::showPopup()
{
    setPalette(QPalette());
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth());
    QComboBox::showPopup();
}

void TableSelector::hidePopup()
{
    QComboBox::hidePopup();
    showSelectionColour();
}

bool TableSelector::pointerOver() const
{
    return rect().contains(mapFromGlobal(desktop_.cursorPos()));
}

void TableSelector::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    if (!pointerOver() && passFocus_)
        passFocus_();
}

}  // namespace ctk::ui
