#pragma once

#include <QObject>
#include <QPalette>

#include <functional>

class QComboBox;
class QWidget;

namespace platform {
class Dialogs;
}

namespace sheet::ui {

class SheetLinkView;

// The sheet box of the orange-mode window: choosing a sheet activates it, Enter or leaving
// the box renames the linked sheet after a question. The box can be entered only while the
// spreadsheet is visible, shows the editing colour while it has the focus, and drops the
// characters a sheet name may not hold.
class SheetBoxBinding final : public QObject {
    Q_OBJECT
public:
    SheetBoxBinding(SheetLinkView& view, platform::Dialogs& dialogs,
                    std::function<void()> backToGenerator, QObject* parent = nullptr);

    // A sheet chosen from the list (by its index in the list).
    void chooseSheet(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Trigger { Enter, Leave };
    void entered();
    void left();
    // The rename rules for the box's text; true when the focus stays in the box.
    bool commitText(Trigger trigger);
    void rename(const std::string& newName);
    void showLinkedName();
    void paint(bool editing);

    SheetLinkView& view_;
    platform::Dialogs& dialogs_;
    std::function<void()> backToGenerator_;
    QComboBox* box_;
    QWidget* popup_;
    QPalette normalPalette_;
    // A question or message of the box is shown: the focus changes it causes are not the
    // user's.
    bool asking_ = false;
};

}  // namespace sheet::ui
