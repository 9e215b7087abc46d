#pragma once

#include "marking_list/count_box_mode.h"

#include <QGroupBox>

#include <array>
#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace sheet::ui {

// "エクセル操作": the workbook buttons, the sheet box, the transfer target (column and row
// boxes), the spacing, insert mode, the cell-width link and "転送", with the panel's own
// right-click menu. The widgets only; the transfer and the workbook commands bind to them.
class TransferPanel final : public QGroupBox {
    Q_OBJECT
public:
    static QString noSheetText() { return QStringLiteral("エクセルシート"); }

    explicit TransferPanel(QWidget* parent = nullptr);

    // No spreadsheet: the sheet box reads "エクセルシート", the transfer boxes are empty.
    void showNoSpreadsheet();

    bool insertMode() const;
    void setInsertMode(bool on);
    // Empty rows after each list row: 0 ("連続") to 3 ("3行置").
    int spacing() const;
    void setSpacing(int rows);

    // A workbook is linked (or no longer): the menu items that work on it are offered, each
    // once it has a command.
    void setWorkbookLinked(bool linked);
    bool workbookLinked() const { return linked_; }
    // The command of "列幅・行高さ・印刷補正の設定".
    void setLayoutSettingsCommand(std::function<void()> command);

    // The cell-width link has nothing to fit in the TEXT layout: unchecked and disabled there.
    void followLayout(marking_list::CountBoxMode layout);

    QPushButton* openButton() const { return open_; }
    QPushButton* newButton() const { return new_; }
    QPushButton* closeButton() const { return close_; }
    QComboBox* sheetBox() const { return sheetBox_; }
    QLineEdit* columnBox() const { return columnBox_; }
    QLineEdit* rowBox() const { return rowBox_; }
    QRadioButton* spacingButton(int rows) const { return spacing_.at(static_cast<size_t>(rows)); }
    QCheckBox* insertModeBox() const { return insertMode_; }
    QCheckBox* widthLinkBox() const { return widthLink_; }
    QPushButton* transferButton() const { return transfer_; }

    // The panel's right-click menu and its items.
    QMenu* menu() const { return menu_; }
    QAction* reverseTransferAction() const { return reverseTransfer_; }
    QMenu* formatMenu() const { return formatMenu_; }
    QAction* layoutSettingsAction() const { return layoutSettings_; }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildMenu();

    QPushButton* open_;
    QPushButton* new_;
    QPushButton* close_;
    QComboBox* sheetBox_;
    QLineEdit* columnBox_;
    QLineEdit* rowBox_;
    QButtonGroup* spacingGroup_;
    std::array<QRadioButton*, 4> spacing_{};
    QCheckBox* insertMode_;
    QCheckBox* widthLink_;
    QPushButton* transfer_;
    QMenu* menu_ = nullptr;
    QAction* reverseTransfer_ = nullptr;
    QMenu* formatMenu_ = nullptr;
    QAction* layoutSettings_ = nullptr;
    std::function<void()> layoutSettingsCommand_;
    bool linked_ = false;
};

}  // namespace sheet::ui
