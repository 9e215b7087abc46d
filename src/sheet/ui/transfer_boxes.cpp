#include "sheet/ui/transfer_boxes.h"

#include "platform/dialogs.h"
#include "sheet/transfer.h"
#include "sheet/ui/sheet_messages.h"
#include "sheet/ui/transfer_panel.h"
#include "text/ui/editing_colour.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace sheet::ui {
namespace {

bool isAltAlone(const QKeyEvent* key) { return key->key() == Qt::Key_Alt; }

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// A key that types a character (not Backspace, Enter or a movement key).
bool typesCharacter(const QKeyEvent* key)
{
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).unicode() >= 0x20 && text.at(0).unicode() != 0x7f;
}

std::string latin1(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace

TransferBoxes::TransferBoxes(TransferPanel& panel, platform::Dialogs& dialogs)
    : QObject(&panel), panel_(panel), dialogs_(dialogs), normalPalette_(panel.columnBox()->palette())
{
    for (QLineEdit* box : {panel_.columnBox(), panel_.rowBox()}) {
        // Column names and row numbers are typed as they are, never through an input method.
        box->setAttribute(Qt::WA_InputMethodEnabled, false);
        box->installEventFilter(this);
    }
    panel_.transferButton()->installEventFilter(this);
}

bool TransferBoxes::eventFilter(QObject* watched, QEvent* event)
{
    auto* column = panel_.columnBox();
    auto* row = panel_.rowBox();
    if (watched == panel_.transferButton()) {
        if (event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Left) {
            row->setFocus(Qt::OtherFocusReason);
            row->selectAll();
            return true;
        }
        return false;
    }
    if (watched != column && watched != row)
        return false;
    auto* box = static_cast<QLineEdit*>(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        return box == column ? columnKey(key) : rowKey(key);
    }
    case QEvent::FocusIn:
        paint(box, true);
        return false;
    case QEvent::FocusOut: {
        paint(box, false);
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // A message box or another window takes the focus for a while; the user has not
        // left the box.
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        const std::string text = latin1(box->text());
        if (box == column)
            left(box, text.empty() || transferColumnFromBox(text).has_value());
        else
            left(box, text.empty() || transferRowFromBox(text).has_value());
        return false;
    }
    default:
        return false;
    }
}

bool TransferBoxes::columnKey(QKeyEvent* key)
{
    QLineEdit* column = panel_.columnBox();
    if (isAltAlone(key))
        return true;
    if (isEnter(key)
        || (key->key() == Qt::Key_Right && column->cursorPosition() == column->text().size()
            && !column->hasSelectedText())) {
        if (!column->text().isEmpty()) {
            panel_.rowBox()->setFocus(Qt::TabFocusReason);
            panel_.rowBox()->selectAll();
        }
        return isEnter(key) || !column->text().isEmpty();
    }
    if (key->key() == Qt::Key_Backspace || !typesCharacter(key))
        return false;
    const QChar c = key->text().at(0);
    if (c.unicode() < 0x80 && isTransferColumnKey(static_cast<char>(c.unicode())))
        return false;
    dialogs_.inform(panel_.window(), messages::columnKeyRefused());
    return true;
}

bool TransferBoxes::rowKey(QKeyEvent* key)
{
    QLineEdit* row = panel_.rowBox();
    if (isAltAlone(key))
        return true;
    if (isEnter(key)) {
        if (!row->text().isEmpty())
            panel_.transferButton()->click();
        return true;
    }
    if (key->key() == Qt::Key_Left && row->cursorPosition() == 0 && !row->hasSelectedText()) {
        panel_.columnBox()->setFocus(Qt::BacktabFocusReason);
        panel_.columnBox()->selectAll();
        return true;
    }
    if (key->key() == Qt::Key_Backspace || !typesCharacter(key))
        return false;
    const QChar c = key->text().at(0);
    return !(c.unicode() < 0x80 && isTransferRowKey(static_cast<char>(c.unicode())));
}

void TransferBoxes::left(QLineEdit* box, bool valid)
{
    if (valid)
        return;
    box->clear();
    // Back into the box once the focus change that left it has finished.
    QTimer::singleShot(0, box, [box] { box->setFocus(Qt::OtherFocusReason); });
}

void TransferBoxes::paint(QLineEdit* box, bool focused)
{
    QPalette p = normalPalette_;
    if (focused)
        p.setColor(QPalette::Base, text::ui::editingColour());
    box->setPalette(p);
}

}  // namespace sheet::ui
