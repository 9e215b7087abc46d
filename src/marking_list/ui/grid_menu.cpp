#include "marking_list/ui/grid_menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace marking_list::ui {

namespace {

struct ItemText {
    GridMenu::Item item;
    const char16_t* text;
    QKeySequence shortcut;
    bool separatorBefore;
};

}  // namespace

GridMenu::GridMenu(QWidget* grid) : QObject(grid), menu_(new QMenu(grid))
{
    using I = Item;
    const ItemText items[] = {
        {I::Undo, u"元に戻す", QKeySequence(Qt::CTRL | Qt::Key_Z), false},
        {I::Redo, u"やり直し", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), false},
        {I::Edit, u"編集", {}, true},
        {I::LineBreakMark, u"多段改行記号　　　｜", {}, false},
        {I::NumberingMark, u"ナンバーリング記号　【】", {}, false},
        {I::SelectAll, u"全行選択", QKeySequence(Qt::CTRL | Qt::Key_A), true},
        {I::Cut, u"切り取り(&X)", QKeySequence(Qt::CTRL | Qt::Key_X), false},
        {I::Copy, u"コピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_C), false},
        {I::Paste, u"貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V), false},
        {I::DeleteRows, u"行削除", {}, false},
        {I::InsertRows, u"行挿入", {}, false},
        {I::ReverseOrder, u"逆順に並び替え", {}, true},
        {I::StringInsertOn, u"文字列挿入モード", {}, false},
        {I::StringInsertOff, u"文字列挿入モード解除", {}, false},
        {I::Import, u"CTKマーキングデータ　インポート", {}, true},
    };
    for (const ItemText& it : items) {
        if (it.separatorBefore)
            menu_->addSeparator();
        QAction* a = menu_->addAction(QString::fromUtf16(it.text));
        if (!it.shortcut.isEmpty()) {
            a->setShortcut(it.shortcut);
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            grid->addAction(a);
        }
        actions_[static_cast<size_t>(it.item)] = a;
    }
    // At start every item is off but the import, which an empty 1BOX list offers.
    wanted_[static_cast<size_t>(Item::Import)] = true;
    for (int i = 0; i < kItems; ++i)
        apply(static_cast<Item>(i));
}

GridMenu::~GridMenu() = default;

QAction* GridMenu::action(Item item) const
{
    return actions_[static_cast<size_t>(item)];
}

void GridMenu::bind(Item item, std::function<void()> command)
{
    QAction* a = action(item);
    connect(a, &QAction::triggered, this, [command = std::move(command)] { command(); });
    bound_[static_cast<size_t>(item)] = true;
    apply(item);
}

bool GridMenu::isBound(Item item) const
{
    return bound_[static_cast<size_t>(item)];
}

void GridMenu::setWanted(Item item, bool enabled)
{
    wanted_[static_cast<size_t>(item)] = enabled;
    apply(item);
}

bool GridMenu::isWanted(Item item) const
{
    return wanted_[static_cast<size_t>(item)];
}

void GridMenu::apply(Item item)
{
    const auto i = static_cast<size_t>(item);
    actions_[i]->setEnabled(wanted_[i] && bound_[i]);
}

}  // namespace marking_list::ui
