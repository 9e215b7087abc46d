#pragma once

#include "ctk/applied_conditions.h"
#include "ctk/table_file.h"

#include <QWidget>

#include <functional>
#include <string>

class QCheckBox;
class QLabel;

namespace app {
struct ProgramState;
}
namespace platform {
class Desktop;
class Dialogs;
}

namespace ctk::ui {

class AdjustBox;
class TableSelector;

// The orange window's controls that work on the marker's condition tables: the table
// selector, the work-length change and the feed correction. It owns the window's applied
// conditions, which the CTK commands render. Without the table file every control is hidden
// and no table is applied.
class TableControls final : public QWidget {
    Q_OBJECT
public:
    TableControls(app::ProgramState& state, platform::Desktop& desktop,
                  platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // Fills the selector from the table file and applies its first table; hides every
    // control when the file was not loaded.
    void load(const TableFile& file, const std::string& destination);
    // The destination table (settings line 46) used for "TableNo=".
    void setDestination(const std::string& destination);
    // The TEXT layout hides the selector and the work-length change.
    void setLayoutAllowsTable(bool allows);
    // After the focus was handed back to the generator, where the commands leave it.
    void setReturnFocus(std::function<void()> returnFocus);

    bool tableLoaded() const { return loaded_; }
    // A table is applied while the selector is shown.
    bool tableApplied() const;
    // The applied conditions, or nullptr when no table is applied.
    const AppliedConditions* applied() const;
    QString selectorText() const;

    // Before a save or marking: the work-length box, when shown, overrides the table's work
    // length, and the destination table names the table number.
    void prepareForRendering();

    TableSelector* selector() const { return selector_; }
    QCheckBox* workLengthCheck() const { return workLengthCheck_; }
    AdjustBox* workLengthBox() const { return workLengthBox_; }
    QCheckBox* feedCheck() const { return feedCheck_; }
    AdjustBox* terminalBox() const { return terminalBox_; }
    AdjustBox* stripBox() const { return stripBox_; }
    AdjustBox* percentageBox() const { return percentageBox_; }

    // The selection change of the selector, as the user's pick runs it.
    void selectTable(int index);

private:
    const TableRecord& selectedRecord() const;
    void fillFromSelection();
    void updateFeedVisibility();
    void returnFocus();

    void workLengthSwitched(bool on);
    bool applyWorkLengthBox();
    void workLengthEnter();
    void workLengthLeft();

    void feedSwitched(bool on);
    void feedOn();
    void feedOff();
    void terminalEnter();
    void stripCompute(bool byEnter);
    void percentageLeft();
    void applyPercentage(const std::string& value);

    app::ProgramState& state_;
    platform::Dialogs& dialogs_;

    TableSelector* selector_;
    QCheckBox* workLengthCheck_;
    AdjustBox* workLengthBox_;
    QCheckBox* feedCheck_;
    QWidget* feedBoxes_;
    AdjustBox* terminalBox_;
    AdjustBox* stripBox_;
    AdjustBox* percentageBox_;
    QLabel* percentLabel_;

    std::function<void()> returnFocus_;
    std::vector<TableRecord> records_;
    AppliedConditions conditions_;
    std::string destination_;
    std::string tableWorkLength_;
    bool loaded_ = false;
    bool layoutAllows_ = true;
};

}  // namespace ctk::ui
