#include "ctk/ui/ctk_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ctk::ui {

CtkPanel::CtkPanel(QWidget* parent)
    : QWidget(parent),
      marking_(new QPushButton(QStringLiteral("マーキング"), this)),
      save_(new QPushButton(QStringLiteral("CTK 保存"), this)),
      markedCountArea_(new QWidget(this)),
      markedCount_(new QComboBox(markedCountArea_)),
      tableControls_(new QWidget(this)),
      destination_(new QComboBox(tableControls_))
{
    for (QPushButton* b : {marking_, save_}) {
        b->setEnabled(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
    }

    auto* countLayout = new QVBoxLayout(markedCountArea_);
    countLayout->setContentsMargins(0, 0, 0, 0);
    countLayout->addWidget(new QLabel(QStringLiteral("マーキング\n　個 数 列"), markedCountArea_));
    countLayout->addWidget(markedCount_);
    markedCount_->setEnabled(false);
    markedCountArea_->hide();

    // Controls that work on the marker's condition tables.
    auto* tableSelector = new QComboBox(tableControls_);
    auto* workLength = new QCheckBox(QStringLiteral("長さ変更"), tableControls_);
    workLength->setToolTip(QStringLiteral("クリックするとテーブルのワーク長を変更できます\n"
                                          "（チェックをはずすと元のワーク長に戻ります）"));
    auto* workLengthBox = new QLineEdit(tableControls_);
    workLengthBox->setToolTip(QStringLiteral("ワーク長の設定（テキストボックスが表示\n"
                                             "されている間のみ設定が有効になります）"));
    workLengthBox->hide();
    auto* feed = new QCheckBox(QStringLiteral("送り補正"), tableControls_);
    auto* destinationLabel = new QLabel(QStringLiteral(
        "マーカー本体の空きテーブルをパソコンからのデータ転送専用にします\n"
        "（「Table 0」 はテーブル設定がそのまま各テーブルに転送されます）"), tableControls_);
    destinationLabel->setWordWrap(true);
    destination_->setEditable(true);
    auto* tableLayout = new QGridLayout(tableControls_);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->setSpacing(3);
    tableLayout->addWidget(tableSelector, 0, 0, 1, 2);
    tableLayout->addWidget(workLength, 1, 0);
    tableLayout->addWidget(workLengthBox, 1, 1);
    tableLayout->addWidget(feed, 2, 0, 1, 2);
    tableLayout->addWidget(destinationLabel, 3, 0, 1, 2);
    tableLayout->addWidget(destination_, 4, 0, 1, 2);
    // Reading the table file is not built yet.
    for (QWidget* w : std::initializer_list<QWidget*>{tableSelector, workLength, workLengthBox,
                                                      feed, destination_})
        w->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(tableControls_);
    layout->addWidget(markedCountArea_);
    layout->addWidget(marking_);
    layout->addWidget(save_);
}

QPushButton* CtkPanel::button(Button which) const
{
    return which == Button::Marking ? marking_ : save_;
}

void CtkPanel::bindButton(Button which, std::function<void()> command)
{
    QPushButton* b = button(which);
    connect(b, &QPushButton::clicked, this, [command = std::move(command)] { command(); });
    b->setEnabled(true);
}

void CtkPanel::setButtonsVisible(bool visible)
{
    marking_->setVisible(visible);
    save_->setVisible(visible);
}

void CtkPanel::setMarkedCountChoiceVisible(bool visible)
{
    if (!visible)
        markedCount_->setCurrentIndex(0);
    markedCountArea_->setVisible(visible);
}

void CtkPanel::setWireSizes(const QStringList& sizes)
{
    const int current = std::max(0, markedCount_->currentIndex());
    markedCount_->clear();
    markedCount_->addItems(sizes);
    markedCount_->setCurrentIndex(std::min(current, static_cast<int>(sizes.size()) - 1));
}

void CtkPanel::setTableControlsVisible(bool visible)
{
    tableControls_->setVisible(visible);
}

QString CtkPanel::destinationTable() const
{
    return destination_->currentText();
}

void CtkPanel::setDestinationTable(const QString& text)
{
    destination_->setEditText(text);
}

}  // namespace ctk::ui
