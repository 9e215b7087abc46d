#pragma once

#include <QGroupBox>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace sheet::ui {

// "エクセル操作": the sheet box, the transfer column and row boxes, "転送" and its options.
// Transferring is not built yet, so its controls stand disabled; the panel shows which
// sheet is linked ("エクセルシート" without a spreadsheet) and keeps the insert-mode setting.
class TransferPanel final : public QGroupBox {
    Q_OBJECT
public:
    static QString noSheetText() { return QStringLiteral("エクセルシート"); }

    explicit TransferPanel(QWidget* parent = nullptr);

    // No spreadsheet: the sheet box reads "エクセルシート", the transfer boxes are empty.
    void showNoSpreadsheet();

    bool insertMode() const;
    void setInsertMode(bool on);

    QComboBox* sheetBox() const { return sheetBox_; }
    QLineEdit* columnBox() const { return columnBox_; }
    QLineEdit* rowBox() const { return rowBox_; }
    QPushButton* transferButton() const { return transfer_; }
    QCheckBox* insertModeBox() const { return insertMode_; }
    QCheckBox* reverseBox() const { return reverse_; }

private:
    QComboBox* sheetBox_;
    QLineEdit* columnBox_;
    QLineEdit* rowBox_;
    QPushButton* transfer_;
    QCheckBox* insertMode_;
    QCheckBox* reverse_;
};

}  // namespace sheet::ui
