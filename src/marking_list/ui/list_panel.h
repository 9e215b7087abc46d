#pragma once

#include "app/control_states.h"
#include "app/program_state.h"
#include "marking_list/ui/grid_menu.h"

#include <QWidget>

#include <functional>

class QPushButton;

namespace marking_list::ui {

class MarkingGrid;

// The grid with its menu and the two buttons under it, "一行削除" and "全行削除". The
// buttons stand disabled until their commands are bound.
class ListPanel final : public QWidget {
    Q_OBJECT
public:
    enum class Button { DeleteLast, DeleteAll };

    ListPanel(app::ProgramState& state, QWidget* parent = nullptr);

    MarkingGrid* grid() const { return grid_; }
    GridMenu& gridMenu() { return *menu_; }
    QPushButton* button(Button which) const;
    void bindButton(Button which, std::function<void()> command);

    // The list-dependent states of the grid menu, as the state refresh computes them.
    void applyStates(const app::ControlStates& states);

Q_SIGNALS:
    // The user changed the list past the generator's last input: its "取消" goes.
    void generatorUndoHidden();

private:
    void onMousePressed(Qt::MouseButton button);

    app::ProgramState& state_;
    MarkingGrid* grid_;
    GridMenu* menu_;
    QPushButton* deleteLast_;
    QPushButton* deleteAll_;
};

}  // namespace marking_list::ui
