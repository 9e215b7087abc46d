#pragma once

#include <QComboBox>

#include <functional>

namespace platform {
class Desktop;
}

namespace ctk::ui {

// The drop-down of the marker's condition tables. Its background shows the selected table's
// colour (the ordinary background while the list is dropped down). It is worked with the mouse
// only: given the focus while the pointer is elsewhere (Tab, a focus chain), it passes the
// focus on at once.
class TableSelector final : public QComboBox {
    Q_OBJECT
public:
    explicit TableSelector(platform::Desktop& desktop, QWidget* parent = nullptr);

    void setPassFocus(std::function<void()> passFocus) { passFocus_ = std::move(passFocus); }
    // Colours the box by the selected item.
    void showSelectionColour();

    void showPopup() override;
    void hidePopup() override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    bool pointerOver() const;

    platform::Desktop& desktop_;
    std::function<void()> passFocus_;
};

}  // namespace ctk::ui
