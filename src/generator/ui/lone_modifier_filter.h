#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace generator {

// Tells when Alt or Ctrl was pressed and released alone (no other key in between) while a
// widget in the window of `anchor` had the focus. Installed on the application, so it sees
// the keys whichever control of that window has the focus. Key repeat while the key is held counts once, and
// Alt with a digit or letter (a quick count, a register) is not a lone Alt.
class LoneModifierFilter final : public QObject {
    Q_OBJECT

public:
    explicit LoneModifierFilter(QWidget* anchor, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void altTapped();
    void ctrlTapped();

private:
    enum class Armed { None, Alt, Ctrl };

    QPointer<QWidget> anchor_;
    Armed armed_ = Armed::None;
};

}  // namespace generator
