#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>



namespace app {
struct ProgramState;
}
namespace platform {
class BusyCursor;
class Dialogs;
}

namespace sheet::ui {

class SheetLinkView;

// "開く", "新規作成" and "閉じる" of the orange-mode window: open a workbook from a file, add
// a new one, close the active one (and the spreadsheet with the last one). Each links the
// workbook that is active afterwards and brings the sheet box and the transfer boxes in step.
class WorkbookCommands final : public QObject {
    Q_OBJECT
public:
    static constexpr int kCloseGuardMs = 100;

    WorkbookCommands(app::ProgramState& state, SheetLinkView& view, platform::Dialogs& dialogs,
                     std::function<void()> backToGenerator, QObject* parent = nullptr);

    // The folder the open dialog starts in (the user's desktop folder unless set).
    void setStartFolder(const QString& folder);

    void open();
    void createNew();
    void closeWorkbook();

    // Ends the close-in-progress mark 100 ms after a close.
    QTimer& closeGuardTimer() { return closeGuard_; }
    void closeGuardTick();

private:
    // Links a workbook through `link`, then shows it in full; a failing spreadsheet is told,
    // otherwise the focus goes back to the generator.
    void linkAndShow(platform::BusyCursor& busyCursor, const std::function<void()>& link);
    // After the last workbook has gone: the office quits and the panel shows no workbook.
    void closeSpreadsheet();
    void busy();

    app::ProgramState& state_;
    SheetLinkView& view_;
    platform::Dialogs& dialogs_;
    std::function<void()> backToGenerator_;
    QString startFolder_;
    QTimer closeGuard_;
};

}  // namespace sheet::ui
