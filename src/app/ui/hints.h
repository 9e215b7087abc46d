#pragma once

#include <QObject>

class QApplication;

namespace app::ui {

// The program's hints (tool tips): they appear at once and stay 10 seconds, and the user
// switches them on and off for the whole program (off at start).
class Hints final : public QObject {
    Q_OBJECT
public:
    static constexpr int kVisibleMs = 10000;

    // Installs the timing on the application (the pause before a hint is 0 ms).
    explicit Hints(QApplication& app);

    bool isOn() const { return on_; }
    void setOn(bool on);

Q_SIGNALS:
    void toggled(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool on_ = false;
};

}  // namespace app::ui
