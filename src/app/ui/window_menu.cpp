#include "app/ui/window_menu.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace app::ui {

WindowMenu::WindowMenu(QWidget* window) : QObject(window), menu_(new QMenu(window))
{
    struct Entry {
        const char16_t* text;
        QKeySequence key;
    };
    const Entry entries[kItems] = {
        {u"取消", QKeySequence(Qt::Key_Escape)},
        {u"エクセル＜＞Velmora切替", QKeySequence(Qt::Key_F1)},
        {u"ブルーモード切替", QKeySequence(Qt::SHIFT | Qt::Key_F1)},
        {u"グリッド内編集", QKeySequence(Qt::Key_F2)},
        {u"グリッド内多段改行・ナンバーリング", QKeySequence(Qt::Key_F3)},
        {u"文字挿入モード", QKeySequence(Qt::Key_F4)},
        {u"多段改行記号　　　｜", QKeySequence(Qt::Key_F5)},
        {u"ナンバーリング記号　【】", QKeySequence(Qt::Key_F6)},
        {u"ロック", QKeySequence(Qt::Key_F7)},
        {u"CTK保存", QKeySequence(Qt::Key_F8)},
        {u"転送", QKeySequence(Qt::Key_F9)},
        {u"マーキング", QKeySequence(Qt::Key_F10)},
        {u"クリア", QKeySequence(Qt::Key_F11)},
        {u"全行削除", QKeySequence(Qt::Key_F12)},
    };
    for (int i = 0; i < kItems; ++i) {
        QAction* a = menu_->addAction(QString::fromUtf16(entries[i].text));
        a->setShortcut(entries[i].key);
        a->setShortcutContext(Qt::WindowShortcut);
        a->setEnabled(false);
        window->addAction(a);
        actions_[static_cast<size_t>(i)] = a;
    }
}

void WindowMenu::bind(Item item, std::function<void()> command)
{
    QAction* a = action(item);
    connect(a, &QAction::triggered, this, [command = std::move(command)] { command(); });
    a->setEnabled(true);
}

}  // namespace app::ui
