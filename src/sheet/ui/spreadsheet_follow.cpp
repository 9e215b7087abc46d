#include "sheet/ui/spreadsheet_follow.h"

#include "sheet/ui/sheet_link_view.h"
#include "sheet/ui/transfer_panel.h"
#include "text/ui/qt_text.h"

#include <QComboBox>
#include <QStringList>
#include <QWidget>

namespace sheet::ui {

SpreadsheetFollow::SpreadsheetFollow(SheetLinkView& view, QObject* parent)
    : QObject(parent), view_(view)
{
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &SpreadsheetFollow::tick);
}

bool SpreadsheetFollow::onEvent(const SpreadsheetEvent& event)
{
    app::SpreadsheetLink& link = view_.link();
    switch (event.kind) {
    case SpreadsheetEventKind::SheetActivate:
        if (view_.window().isVisible()) {
            try {
                // The linked workbook's sheets; the tick below shows the new active one.
                const std::vector<std::string> names = view_.host().sheetNames();
                QStringList items;
                for (const auto& name : names)
                    items.append(text::toQString(name));
                QComboBox* box = view_.panel().sheetBox();
                box->clear();
                box->addItems(items);
                box->setEditText(text::toQString(link.linkedSheet));
            } catch (const SpreadsheetError&) {
                // the tick tries again and stops on a failure
            }
        }
        start(1);
        break;
    case SpreadsheetEventKind::SheetSelectionChange:
        if (link.dockingRunning)
            start(3);
        break;
    case SpreadsheetEventKind::WorkbookActivate:
        start(1);
        break;
    case SpreadsheetEventKind::WorkbookBeforeClose:
        return link.sheetLinkFlag;
    case SpreadsheetEventKind::WorkbookBeforePrint:
        link.dockingRunning = false;
        link.printing = true;
        break;
    case SpreadsheetEventKind::SheetChange:
        if (!link.printing)
            link.dockingRunning = true;
        break;
    }
    return false;
}

void SpreadsheetFollow::start(int ticks)
{
    ticksLeft_ = ticks;
    timer_.start();
}

void SpreadsheetFollow::stop()
{
    ticksLeft_ = 0;
    timer_.stop();
}

void SpreadsheetFollow::tick()
{
    if (ticksLeft_ <= 0) {
        stop();
        return;
    }
    try {
        if (view_.refreshVisible()) {
            if (view_.window().isVisible()) {
                const std::string workbook = view_.host().activeWorkbookName();
                view_.linkActive();
                view_.panel().sheetBox()->setEditText(
                    text::toQString(view_.link().linkedSheet));
                if (workbook != seenWorkbook_)
                    view_.fillSheetBox();
                seenWorkbook_ = workbook;
            }
            view_.followCell();
        }
    } catch (const SpreadsheetError&) {
        stop();
        return;
    }
    if (--ticksLeft_ <= 0)
        stop();
}

}  // namespace sheet::ui
