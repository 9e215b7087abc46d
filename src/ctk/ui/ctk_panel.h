#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace app {
struct ProgramState;
}
namespace app::ui {
struct Services;
}

namespace ctk::ui {

class CtkCommands;
class MarkedCountChoice;
class TableControls;

// The CTK controls of the orange-mode window: "マーキング" and "CTK 保存", the 3BOX
// marked-count column choice and the controls that need the marker's table file (table
// choice, work length, feed correction). Shown as the list and the table file allow; the
// buttons stand disabled until attach() binds their commands. The destination table is
// chosen in the serial-button settings; the panel applies the choice kept in the settings.
class CtkPanel final : public QWidget {
    Q_OBJECT
public:
    enum class Button { Marking, Save };

    explicit CtkPanel(QWidget* parent = nullptr);
    ~CtkPanel() override;

    // Reads the table file in the program folder, builds the table controls and binds the
    // commands. `returnFocus` puts the focus into the generator's wire-number field;
    // `disableImport` disables the grid menu's import item (after a marking).
    void attach(app::ProgramState& state, const app::ui::Services& services,
                const QString& programFolder, std::function<void()> returnFocus,
                std::function<void()> disableImport);

    QPushButton* button(Button which) const;
    void bindButton(Button which, std::function<void()> command);

    // The buttons show while the list has rows (and the layout is not TEXT).
    void setButtonsVisible(bool visible);
    // The 3BOX choice of the column whose counts are marked, named by the wire sizes.
    void setMarkedCountChoiceVisible(bool visible);
    void setWireSizes(const QStringList& sizes);

    // The destination table as kept in the settings (line 46), for the table number rule.
    QString destinationTable() const { return destination_; }
    void setDestinationTable(const QString& text);
    // The table file was read: the table-based controls (the destination choice too) show.
    bool tableFileLoaded() const;

    // The grid menu's "CTKマーキングデータ　インポート".
    void importFile();

    TableControls* tableControls() const { return tableControls_; }
    MarkedCountChoice* markedCountChoice() const { return markedCount_; }
    CtkCommands* commands() const { return commands_.get(); }

private:
    app::ProgramState* state_ = nullptr;
    QPushButton* marking_;
    QPushButton* save_;
    MarkedCountChoice* markedCount_;
    QString destination_;
    TableControls* tableControls_ = nullptr;
    std::unique_ptr<CtkCommands> commands_;
};

}  // namespace ctk::ui
