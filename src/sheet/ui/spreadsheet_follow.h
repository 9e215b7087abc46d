#pragma once

#include "sheet/spreadsheet_host.h"

#include <QObject>
#include <QTimer>

#include <string>

namespace sheet::ui {

class SheetLinkView;

// The orange-mode window's answer to the spreadsheet's events, with the follow timer: after
// a sheet or workbook comes to the front or the selection moves, a few 1 ms ticks re-link the
// active workbook and sheet and bring the sheet box and the transfer boxes in step. The
// before-close, before-print and change events keep SheetLinkFlag, the printing flag and the
// docking state right.
class SpreadsheetFollow final : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 1;

    explicit SpreadsheetFollow(SheetLinkView& view, QObject* parent = nullptr);

    // The host's event listener; returns true to cancel a workbook close.
    bool onEvent(const SpreadsheetEvent& event);

    QTimer& timer() { return timer_; }
    int ticksLeft() const { return ticksLeft_; }
    // Runs the timer for `ticks` ticks from now.
    void start(int ticks);
    void tick();
    // The workbook seen at the last tick is forgotten: the next tick fills the sheet box.
    void forgetSeenWorkbook() { seenWorkbook_.clear(); }

private:
    void stop();

    SheetLinkView& view_;
    QTimer timer_;
    int ticksLeft_ = 0;
    std::string seenWorkbook_;
};

}  // namespace sheet::ui
