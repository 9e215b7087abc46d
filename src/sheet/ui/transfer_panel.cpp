#include "sheet/ui/transfer_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace sheet::ui {

TransferPanel::TransferPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("エクセル操作"), parent),
      open_(new QPushButton(QStringLiteral("開く"), this)),
      new_(new QPushButton(QStringLiteral("新規作成"), this)),
      close_(new QPushButton(QStringLiteral("閉じる"), this)),
      sheetBox_(new QComboBox(this)),
      columnBox_(new QLineEdit(this)),
      rowBox_(new QLineEdit(this)),
      spacingGroup_(new QButtonGroup(this)),
      insertMode_(new QCheckBox(QStringLiteral("挿入モード"), this)),
      widthLink_(new QCheckBox(QStringLiteral("セル幅連動"), this)),
      transfer_(new QPushButton(QStringLiteral("転送"), this))
{
    open_->setToolTip(QStringLiteral("エクセルファイルを開きます"));
    new_->setToolTip(QStringLiteral("エクセルBookを新規に作成します"));
    close_->setToolTip(QStringLiteral("一番上に表示されているエクセルブックを閉じます"));
    sheetBox_->setEditable(true);
    sheetBox_->setInsertPolicy(QComboBox::NoInsert);
    sheetBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    sheetBox_->setMinimumContentsLength(6);
    sheetBox_->setToolTip(QStringLiteral("エクセルシート名の変更とシートの選択ができます"));
    columnBox_->setMaxLength(3);
    columnBox_->setToolTip(QStringLiteral("列を指定します（ここにA(1)からCV(100)まで入力できます\n"
                                          "（エクセル側をクリック選択することもできます））"));
    rowBox_->setMaxLength(4);
    rowBox_->setToolTip(QStringLiteral("行を指定します（Enterを押すと転送します）"));

    const std::array<QString, 4> spacingCaptions{
        QStringLiteral("連続"), QStringLiteral("1行置"), QStringLiteral("2行置"),
        QStringLiteral("3行置")};
    const std::array<QString, 4> spacingHints{
        QString(), QStringLiteral("エクセルシートの選択セルから一行置きに転送されます"),
        QStringLiteral("エクセルシートの選択セルから二行置きに転送されます"),
        QStringLiteral("エクセルシートの選択セルから三行置きに転送されます")};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(spacingCaptions.at(static_cast<size_t>(i)), this);
        button->setToolTip(spacingHints.at(static_cast<size_t>(i)));
        spacingGroup_->addButton(button, i);
        spacing_.at(static_cast<size_t>(i)) = button;
    }
    spacing_[0]->setChecked(true);

    insertMode_->setToolTip(QStringLiteral(
        "転送先に挿入します\n"
        "（グリッド内に個数が無いときは一列のみ、有る時は三列下方向にシフトします）"));
    widthLink_->setToolTip(QStringLiteral("エクセル転送時にセル幅を文字列に合わせる事ができます"));
    transfer_->setToolTip(QStringLiteral("グリッドの文字列を転送します（ショートカット F9）"));

    auto* target = new QHBoxLayout;
    target->setSpacing(3);
    target->addWidget(new QLabel(QStringLiteral("列"), this));
    target->addWidget(columnBox_, 1);
    target->addWidget(new QLabel(QStringLiteral("行"), this));
    target->addWidget(rowBox_, 1);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(open_, 0, 0);
    layout->addWidget(close_, 0, 1);
    layout->addWidget(new_, 1, 0, 1, 2);
    layout->addWidget(sheetBox_, 2, 0, 1, 2);
    layout->addLayout(target, 3, 0, 1, 2);
    layout->addWidget(spacing_[0], 4, 0);
    layout->addWidget(spacing_[1], 4, 1);
    layout->addWidget(spacing_[2], 5, 0);
    layout->addWidget(spacing_[3], 5, 1);
    layout->addWidget(insertMode_, 6, 0, 1, 2);
    layout->addWidget(widthLink_, 7, 0, 1, 2);
    layout->addWidget(transfer_, 8, 0, 1, 2);

    buildMenu();
    showNoSpreadsheet();
}

void TransferPanel::buildMenu()
{
    menu_ = new QMenu(this);
    reverseTransfer_ = menu_->addAction(QStringLiteral("逆順で転送する"));
    reverseTransfer_->setEnabled(false);
    formatMenu_ = menu_->addMenu(QStringLiteral("エクセル　フォーマット"));
    formatMenu_->setEnabled(false);
    layoutSettings_ = menu_->addAction(QStringLiteral("列幅・行高さ・印刷補正の設定"));
    layoutSettings_->setEnabled(false);
    connect(layoutSettings_, &QAction::triggered, this, [this] {
        if (layoutSettingsCommand_)
            layoutSettingsCommand_();
    });
}

void TransferPanel::setWorkbookLinked(bool linked)
{
    linked_ = linked;
    formatMenu_->setEnabled(linked && !formatMenu_->isEmpty());
    layoutSettings_->setEnabled(linked && layoutSettingsCommand_ != nullptr);
}

void TransferPanel::setLayoutSettingsCommand(std::function<void()> command)
{
    layoutSettingsCommand_ = std::move(command);
    setWorkbookLinked(linked_);
}

void TransferPanel::contextMenuEvent(QContextMenuEvent* event)
{
    menu_->popup(event->globalPos());
    event->accept();
}

void TransferPanel::showNoSpreadsheet()
{
    sheetBox_->clear();
    sheetBox_->setEditText(noSheetText());
    columnBox_->clear();
    rowBox_->clear();
}

bool TransferPanel::insertMode() const
{
    return insertMode_->isChecked();
}

void TransferPanel::setInsertMode(bool on)
{
    insertMode_->setChecked(on);
}

void TransferPanel::followLayout(marking_list::CountBoxMode layout)
{
    const bool text = layout == marking_list::CountBoxMode::Text;
    if (text)
        widthLink_->setChecked(false);
    widthLink_->setEnabled(!text);
}

int TransferPanel::spacing() const
{
    return std::max(0, spacingGroup_->checkedId());
}

void TransferPanel::setSpacing(int rows)
{
    if (rows >= 0 && rows < static_cast<int>(spacing_.size()))
        spacing_.at(static_cast<size_t>(rows))->setChecked(true);
}

}  // namespace sheet::ui
