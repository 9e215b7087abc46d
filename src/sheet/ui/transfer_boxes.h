#pragma once

#include <QObject>
#include <QPalette>

class QKeyEvent;
class QLineEdit;

namespace platform {
class Dialogs;
}

namespace sheet::ui {

class TransferPanel;

// The keys of the transfer target: the column box takes digits and capital letters (any
// other character is refused with a message), the row box digits only; a box left with a
// text that names no column or row is emptied and keeps the focus. Enter and the arrows walk
// column box -> row box -> "転送", and Enter in a filled row box transfers. A box with the
// focus shows the editing colour.
class TransferBoxes final : public QObject {
    Q_OBJECT
public:
    TransferBoxes(TransferPanel& panel, platform::Dialogs& dialogs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool columnKey(QKeyEvent* key);
    bool rowKey(QKeyEvent* key);
    void left(QLineEdit* box, bool valid);
    void paint(QLineEdit* box, bool focused);

    TransferPanel& panel_;
    platform::Dialogs& dialogs_;
    QPalette normalPalette_;
};

}  // namespace sheet::ui
