#pragma once

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace app::ui {

// The orange-mode window's background menu. Its function keys (and Esc) act wherever the
// focus is in the window. An item stands disabled, its key doing nothing, until its command
// is bound.
class WindowMenu final : public QObject {
    Q_OBJECT
public:
    enum class Item {
        Undo,           // "取消" (Esc)
        SwitchToSheet,  // "エクセル＜＞Velmora切替" (F1)
        BlueMode,       // "ブルーモード切替" (Shift+F1)
        GridEdit,       // "グリッド内編集" (F2)
        GridMarks,      // "グリッド内多段改行・ナンバーリング" (F3)
        StringInsert,   // "文字挿入モード" (F4)
        LineBreakMark,  // "多段改行記号　　　｜" (F5)
        NumberingMark,  // "ナンバーリング記号　【】" (F6)
        Lock,           // "ロック" (F7)
        CtkSave,        // "CTK保存" (F8)
        Transfer,       // "転送" (F9)
        Marking,        // "マーキング" (F10)
        Clear,          // "クリア" (F11)
        DeleteAll,      // "全行削除" (F12)
    };
    static constexpr int kItems = static_cast<int>(Item::DeleteAll) + 1;

    explicit WindowMenu(QWidget* window);

    QMenu* menu() const { return menu_; }
    QAction* action(Item item) const { return actions_[static_cast<size_t>(item)]; }
    void bind(Item item, std::function<void()> command);

private:
    QMenu* menu_;
    std::array<QAction*, kItems> actions_{};
};

}  // namespace app::ui
