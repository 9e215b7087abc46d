#include "marking_list/ui/line_break_panel.h"

#include "marking_list/ui/operation_field.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace marking_list::ui {

LineBreakPanel::LineBreakPanel(QWidget* parent) : QWidget(parent)
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    auto* box = new QGroupBox(QStringLiteral("多段改行一括入力"), this);
    box->setToolTip(QStringLiteral("選択セルの文字列が対象になります"));
    outer->addWidget(box);
    outer->addStretch();
    auto* grid = new QGridLayout(box);

    const QString digits = QStringLiteral("123456789");
    auto field = [box](const QString& accepted, int maxLength) {
        auto* f = new OperationField(box);
        f->setAcceptedCharacters(accepted);
        f->setMaxLength(maxLength);
        return f;
    };
    minLength_ = field(digits, 1);
    position_ = field(digits, 1);
    keyword_ = field({}, 10);
    occurrence_ = field(QStringLiteral("12345"), 1);
    byPosition_ = new QRadioButton(QStringLiteral("文字数で挿入"), box);
    byKeyword_ = new QRadioButton(QStringLiteral("キーワードで挿入"), box);
    before_ = new QRadioButton(QStringLiteral("前に挿入"), box);
    after_ = new QRadioButton(QStringLiteral("後に挿入"), box);
    auto* way = new QButtonGroup(this);
    way->addButton(byPosition_);
    way->addButton(byKeyword_);
    auto* placement = new QButtonGroup(this);
    placement->addButton(before_);
    placement->addButton(after_);
    ok_ = new QPushButton(QStringLiteral("OK"), box);
    undo_ = new QPushButton(QStringLiteral("取消"), box);

    grid->addWidget(minLength_, 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("文字以上の行"), box), 0, 1, 1, 3);
    grid->addWidget(byPosition_, 1, 0);
    grid->addWidget(position_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("文字目"), box), 1, 2);
    grid->addWidget(byKeyword_, 2, 0);
    grid->addWidget(keyword_, 2, 1);
    grid->addWidget(occurrence_, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("番目"), box), 2, 3);
    grid->addWidget(before_, 3, 0);
    grid->addWidget(after_, 3, 1, 1, 2);
    grid->addWidget(ok_, 4, 1);
    grid->addWidget(undo_, 4, 2, 1, 2);

    byPosition_->setChecked(true);
    before_->setChecked(true);
    connect(byKeyword_, &QRadioButton::toggled, this, [this](bool on) { chooseWay(on); });
    connect(position_, &OperationField::clicked, this, [this] { byPosition_->setChecked(true); });
    connect(ok_, &QPushButton::clicked, this, &LineBreakPanel::okClicked);
    connect(undo_, &QPushButton::clicked, this, &LineBreakPanel::undoClicked);

    using K = OperationField::Key;
    auto ok = [this] { ok_->click(); };
    auto next = [this] { (byKeyword_->isChecked() ? keyword_ : position_)->setFocus(); };
    minLength_->onKey(K::Enter, next, true);
    minLength_->onKey(K::Down, next, true);
    position_->onKey(K::Enter, ok, true);
    position_->onKey(K::Down, [this] { byKeyword_->setChecked(true); });
    position_->onKey(K::Up, [this] { minLength_->setFocus(); });
    keyword_->onKey(K::Enter, ok, true);
    keyword_->onKey(K::Up, [this] { byPosition_->setChecked(true); });
    keyword_->onKey(K::RightAtEnd, [this] { occurrence_->setFocus(); }, true);
    occurrence_->onKey(K::Enter, ok);
    occurrence_->onKey(K::Up, [this] { keyword_->setFocus(); });
    setUndoEnabled(false);
}

void LineBreakPanel::chooseWay(bool byKeyword)
{
    if (byKeyword) {
        position_->clear();
        keyword_->setFocus();
    } else {
        keyword_->clear();
        position_->setFocus();
    }
}

LineBreakRequest LineBreakPanel::request() const
{
    LineBreakRequest r;
    r.minLength = minLength_->number();
    r.byKeyword = byKeyword_->isChecked();
    r.position = position_->number();
    r.keyword = keyword_->cp932();
    r.occurrence = occurrence_->number();
    r.placement = after_->isChecked() ? Placement::After : Placement::Before;
    return r;
}

void LineBreakPanel::setUndoEnabled(bool enabled)
{
    undo_->setEnabled(enabled);
}

bool LineBreakPanel::isUndoEnabled() const
{
    return undo_->isEnabled();
}

OperationField* LineBreakPanel::field(Field which) const
{
    switch (which) {
    case Field::MinLength: return minLength_;
    case Field::Position: return position_;
    case Field::Keyword: return keyword_;
    case Field::Occurrence: return occurrence_;
    }
    return nullptr;
}

}  // namespace marking_list::ui
