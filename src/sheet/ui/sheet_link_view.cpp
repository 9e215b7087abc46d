#include "sheet/ui/sheet_link_view.h"

#include "platform/desktop.h"
#include "sheet/transfer.h"
#include "sheet/ui/transfer_panel.h"
#include "text/ui/qt_text.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>

namespace sheet::ui {

SheetLinkView::SheetLinkView(app::SpreadsheetLink& link, SpreadsheetHost& host,
                             platform::Desktop& desktop, TransferPanel& panel, QWidget& window)
    : link_(link), host_(host), desktop_(desktop), panel_(panel), window_(window)
{
}

bool SheetLinkView::refreshVisible()
{
    link_.visible = host_.isVisible();
    return link_.visible;
}

void SheetLinkView::linkActive()
{
    std::string workbook = host_.activeWorkbookName();
    std::string sheet = host_.activeSheetName();
    link_.linkedWorkbook = std::move(workbook);
    link_.linkedSheet = std::move(sheet);
}

WindowRect SheetLinkView::dockingRect() const
{
    // The right edge meets the program window's frame, also when the work area does not
    // start at the screen's left edge.
    const QRect area = desktop_.workArea();
    return {area.left(), area.top(), area.width() - window_.frameGeometry().width(),
            area.height()};
}

void SheetLinkView::place()
{
    host_.setMainWindowRect(dockingRect());
    host_.show();
    // The workbook's window stays as it is when these fail; the spreadsheet is shown.
    try {
        host_.maximizeActiveWindow();
    } catch (const SpreadsheetError&) {
    }
    try {
        host_.show();
    } catch (const SpreadsheetError&) {
    }
    link_.visible = true;
}

void SheetLinkView::showLinkedWorkbook()
{
    place();
    panel_.setWorkbookLinked(true);
    fillSheetBox();
    bringProgramToFront();
    followCell();
    link_.linked = true;
    setSheetLinkFlag(true);
}

void SheetLinkView::fillSheetBox()
{
    const std::vector<std::string> names = host_.sheetNames();
    std::string active = host_.activeSheetName();
    QStringList items;
    items.reserve(static_cast<qsizetype>(names.size()));
    for (const auto& name : names)
        items.append(text::toQString(name));
    QComboBox* box = panel_.sheetBox();
    box->clear();
    box->addItems(items);
    box->setEditText(text::toQString(active));
    link_.linkedSheet = std::move(active);
}

void SheetLinkView::followCell()
{
    const CellFollow follow = cellFollow(host_.activeCell());
    panel_.columnBox()->setText(QString::fromStdString(follow.column));
    panel_.rowBox()->setText(QString::fromStdString(follow.row));
}

void SheetLinkView::showNoWorkbook()
{
    panel_.showNoSpreadsheet();
    panel_.setWorkbookLinked(false);
}

void SheetLinkView::bringProgramToFront()
{
    window_.raise();
    window_.activateWindow();
}

void SheetLinkView::setSheetLinkFlag(bool on)
{
    link_.sheetLinkFlag = on;
    host_.setUserCloseRefused(on);
}

}  // namespace sheet::ui
