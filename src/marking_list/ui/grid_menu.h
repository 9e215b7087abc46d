#pragma once

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace marking_list::ui {

// The grid's right-click menu. Its items are QActions reached by name; the commands connect
// to them with bind(). An item is enabled only when a command is bound to it and its
// current state wants it enabled, so an item whose command is not built stands disabled.
// Its Ctrl shortcuts act while the grid (or its cell editor) has the focus.
class GridMenu final : public QObject {
    Q_OBJECT
public:
    enum class Item {
        Undo,             // "元に戻す"
        Redo,             // "やり直し"
        Edit,             // "編集"
        LineBreakMark,    // "多段改行記号　　　｜"
        NumberingMark,    // "ナンバーリング記号　【】"
        SelectAll,        // "全行選択"
        Cut,              // "切り取り(&X)"
        Copy,             // "コピー(&C)"
        Paste,            // "貼り付け(&P)"
        DeleteRows,       // "行削除"
        InsertRows,       // "行挿入"
        ReverseOrder,     // "逆順に並び替え"
        StringInsertOn,   // "文字列挿入モード"
        StringInsertOff,  // "文字列挿入モード解除"
        Import,           // "CTKマーキングデータ　インポート"
    };
    static constexpr int kItems = static_cast<int>(Item::Import) + 1;

    // `grid` carries the shortcuts.
    explicit GridMenu(QWidget* grid);
    ~GridMenu() override;

    QMenu* menu() const { return menu_; }
    QAction* action(Item item) const;

    // Connects the command; the item follows its wanted state from now on.
    void bind(Item item, std::function<void()> command);
    bool isBound(Item item) const;
    // The state the rules give the item (enabled or not), kept while no command is bound.
    void setWanted(Item item, bool enabled);
    bool isWanted(Item item) const;

private:
    void apply(Item item);

    QMenu* menu_;
    std::array<QAction*, kItems> actions_{};
    std::array<bool, kItems> wanted_{};
    std::array<bool, kItems> bound_{};
};

}  // namespace marking_list::ui
