#pragma once

#include <QComboBox>

namespace ctk::ui {

// The destination table: "Table 0" .. "Table 20", typed or chosen. Left with any other text,
// the box is emptied and keeps the focus.
class DestinationTableBox final : public QComboBox {
    Q_OBJECT
public:
    explicit DestinationTableBox(QWidget* parent = nullptr);

    QString destination() const { return currentText(); }
    void setDestination(const QString& text) { setEditText(text); }

Q_SIGNALS:
    void destinationChanged(const QString& text);

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace ctk::ui
