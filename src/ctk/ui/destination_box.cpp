#include "ctk/ui/destination_box.h"

#include "ctk/table_selection.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace ctk::ui {

DestinationTableBox::DestinationTableBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    for (int n = 0; n < kDestinationItems; ++n)
        addItem(QString::fromLatin1(destinationItem(n)));
    setEditText(QStringLiteral("Table 0"));
    connect(this, &QComboBox::textActivated, this, &DestinationTableBox::destinationChanged);
}

void DestinationTableBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    const QString text = currentText();
    if (!isDestinationItem(text.toStdString())) {
        setEditText(QString());
        // The focus is being given to another widget right now; take it back afterwards.
        QTimer::singleShot(0, this, [this] { setFocus(Qt::OtherFocusReason); });
    }
    Q_EMIT destinationChanged(currentText());
}

}  // namespace ctk::ui
