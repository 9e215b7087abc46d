#include "ctk/ui/marked_count_choice.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ctk::ui {

MarkedCountChoice::MarkedCountChoice(QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("マーキング\r\n　個 数 列"), this));
    auto* row = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(this);
        radio->setFocusPolicy(Qt::ClickFocus);
        group_->addButton(radio, i);
        row->addWidget(radio);
    }
    layout->addLayout(row);
    chooseFirst();
}

void MarkedCountChoice::setWireSizes(const QStringList& sizes)
{
    for (int i = 0; i < 3; ++i)
        button(i)->setText(i < sizes.size() ? sizes.at(i) : QString());
}

int MarkedCountChoice::column() const
{
    return std::max(0, group_->checkedId());
}

QString MarkedCountChoice::caption() const
{
    return button(column())->text();
}

void MarkedCountChoice::chooseFirst()
{
    button(0)->setChecked(true);
}

QRadioButton* MarkedCountChoice::button(int column) const
{
    return static_cast<QRadioButton*>(group_->button(column));
}

}  // namespace ctk::ui
