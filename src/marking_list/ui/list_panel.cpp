#include "marking_list/ui/list_panel.h"

#include "marking_list/ui/marking_grid.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace marking_list::ui {

using Item = GridMenu::Item;

ListPanel::ListPanel(app::ProgramState& state, QWidget* parent)
    : QWidget(parent),
      state_(state),
      grid_(new MarkingGrid(state, this)),
      menu_(new GridMenu(grid_)),
      deleteLast_(new QPushButton(QStringLiteral("一行削除"), this)),
      deleteAll_(new QPushButton(QStringLiteral("全行削除"), this))
{
    grid_->setToolTip(QStringLiteral(
        "１０００行表示でき、右クリックでメニューがでます\n"
        "（全角文字（漢字、ひらがな等）が含まれる場合は１００行までの表示で,色が変わります。）"));
    deleteLast_->setToolTip(QStringLiteral("グリッドの最後の文字列を１行削除します"));
    deleteAll_->setToolTip(QStringLiteral("グリッドの文字列を全行削除します(ショートカット F12)"));
    for (QPushButton* b : {deleteLast_, deleteAll_}) {
        b->setEnabled(false);
        b->setFocusPolicy(Qt::NoFocus);
    }

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(deleteLast_);
    buttons->addWidget(deleteAll_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);

    connect(grid_, &MarkingGrid::mousePressed, this, &ListPanel::onMousePressed);
    connect(grid_, &MarkingGrid::selectionTextChanged, this, [this](bool holdsText) {
        menu_->setWanted(Item::Cut, holdsText);
        menu_->setWanted(Item::Copy, holdsText);
    });
    connect(grid_, &MarkingGrid::fullWidthModeChanged, this, [this] {
        applyStates(app::controlStates(state_, {}));
    });
    connect(grid_, &MarkingGrid::undoPointKept, this, [this] {
        menu_->setWanted(Item::Undo, true);
        menu_->setWanted(Item::Redo, false);
        Q_EMIT generatorUndoHidden();
    });
    connect(grid_, &MarkingGrid::contextMenuWanted, this,
            [this](const QPoint& at) { menu_->menu()->popup(at); });
}

QPushButton* ListPanel::button(Button which) const
{
    return which == Button::DeleteLast ? deleteLast_ : deleteAll_;
}

void ListPanel::bindButton(Button which, std::function<void()> command)
{
    QPushButton* b = button(which);
    connect(b, &QPushButton::clicked, this, [command = std::move(command)] { command(); });
    b->setEnabled(true);
}

void ListPanel::onMousePressed(Qt::MouseButton button)
{
    if (button == Qt::RightButton && !state_.list.isEmpty()) {
        menu_->setWanted(Item::DeleteRows, true);
        menu_->setWanted(Item::InsertRows, true);
    }
}

void ListPanel::applyStates(const app::ControlStates& s)
{
    menu_->setWanted(Item::StringInsertOn, s.stringInsertEnabled);
    menu_->setWanted(Item::Edit, s.editEnabled);
    menu_->setWanted(Item::LineBreakMark, s.lineBreakMarkEnabled);
    menu_->setWanted(Item::NumberingMark, s.numberingMarkEnabled);
    menu_->setWanted(Item::SelectAll, s.selectAllEnabled);
    menu_->setWanted(Item::ReverseOrder, s.reverseOrderEnabled);
    menu_->setWanted(Item::Import, s.importEnabled);
    if (s.switchEditingOn)
        grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
}

}  // namespace marking_list::ui
