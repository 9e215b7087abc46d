#include "sheet/ui/transfer_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sheet::ui {

TransferPanel::TransferPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("エクセル操作"), parent),
      sheetBox_(new QComboBox(this)),
      columnBox_(new QLineEdit(this)),
      rowBox_(new QLineEdit(this)),
      transfer_(new QPushButton(QStringLiteral("転送"), this)),
      insertMode_(new QCheckBox(QStringLiteral("挿入モード"), this)),
      reverse_(new QCheckBox(QStringLiteral("逆順で転送する"), this))
{
    sheetBox_->setEditable(true);
    columnBox_->setToolTip(QStringLiteral("列を指定します（ここにA(1)からCV(100)まで入力できます\n"
                                          "（エクセル側をクリック選択することもできます））"));
    insertMode_->setToolTip(QStringLiteral(
        "転送先に挿入します\n"
        "（グリッド内に個数が無いときは一列のみ、有る時は三列下方向にシフトします）"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addWidget(sheetBox_, 0, 0, 1, 4);
    layout->addWidget(new QLabel(QStringLiteral("列"), this), 1, 0);
    layout->addWidget(columnBox_, 1, 1);
    layout->addWidget(new QLabel(QStringLiteral("行"), this), 1, 2);
    layout->addWidget(rowBox_, 1, 3);
    layout->addWidget(transfer_, 2, 0, 1, 4);
    layout->addWidget(insertMode_, 3, 0, 1, 4);
    layout->addWidget(reverse_, 4, 0, 1, 4);

    // Transfer to a sheet is not built yet.
    for (QWidget* w : std::initializer_list<QWidget*>{sheetBox_, columnBox_, rowBox_, transfer_,
                                                      insertMode_, reverse_})
        w->setEnabled(false);
    showNoSpreadsheet();
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

}  // namespace sheet::ui
