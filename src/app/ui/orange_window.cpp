#include "app/ui/orange_window.h"

#include "app/ui/hints.h"
#include "app/ui/messages.h"
#include "app/ui/window_menu.h"
#include "ctk/ui/ctk_panel.h"
#include "marking_list/ui/grid_menu.h"
#include "marking_list/ui/grid_modes.h"
#include "marking_list/ui/line_break_panel.h"
#include "marking_list/ui/list_commands.h"
#include "marking_list/ui/list_commands_binding.h"
#include "marking_list/ui/list_panel.h"
#include "marking_list/ui/marking_grid.h"
#include "marking_list/ui/marking_list_model.h"
#include "marking_list/ui/text_operations_panel.h"
#include "platform/clipboard.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "sheet/ui/transfer_boxes.h"
#include "sheet/ui/transfer_command.h"
#include "sheet/ui/transfer_panel.h"
#include "text/ui/qt_text.h"

#include <QAbstractButton>
#include <QAction>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace app::ui {

namespace {

QString hintCaption(bool on)
{
    return on ? QStringLiteral("ヒント\n消去") : QStringLiteral("ヒント\n表示");
}

// A control under the pointer keeps the window menu away; panels and labels do not.
bool isControl(const QWidget* w)
{
    for (; w != nullptr && !w->isWindow(); w = w->parentWidget()) {
        if (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
            qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
            qobject_cast<const QAbstractScrollArea*>(w))
            return true;
    }
    return false;
}

}  // namespace

OrangeWindow::OrangeWindow(ProgramState& state, const QString& folder, Services services,
                           Hints* hints, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      state_(state),
      folder_(folder),
      services_(services),
      hints_(hints)
{
    setWindowTitle(messages::windowCaption());
    QPalette p = palette();
    p.setColor(QPalette::Window, colour());
    setPalette(p);
    setAutoFillBackground(true);
    QFont windowFont(QStringLiteral("ＭＳ Ｐゴシック"));
    windowFont.setPixelSize(12);
    setFont(windowFont);

    // The state a new window starts from.
    state_.list.clear();
    state_.gridMode = GridMode::None;
    state_.stringInsertMode = false;
    state_.snapshotRequested = false;
    state_.fileDialogOpen = false;
    services_.clipboard.clear();

    buildFrame();
    placeOnScreen();

    settings_.load(settingsPath().toStdString());
    settings_.padShortImage();
    ctkPanel_->setDestinationTable(text::toQString(settings_.destinationTable()));
    attachCtkCommands();
    attachTransfer();

    stateRefreshTimer_.setInterval(kTimerInterval);
    connect(&stateRefreshTimer_, &QTimer::timeout, this, &OrangeWindow::stateRefreshTick);
    qApp->installEventFilter(this);

    // Caps Lock stays on while the program runs (forced once, here).
    if (!services_.desktop.capsLockOn())
        services_.desktop.toggleCapsLock();
    stateRefreshTick();
}

OrangeWindow::~OrangeWindow() = default;

void OrangeWindow::attachCtkCommands()
{
    using marking_list::ui::GridMenu;
    GridMenu& gridMenu = listPanel_->gridMenu();
    ctkPanel_->attach(
        state_, services_, folder_, [this] { Q_EMIT generatorFocusWanted(); },
        [&gridMenu] { gridMenu.setWanted(GridMenu::Item::Import, false); });
    gridMenu.bind(GridMenu::Item::Import, [this] { ctkPanel_->importFile(); });
    // F8 and F10 press their buttons, and act only while the button is shown.
    auto press = [this](ctk::ui::CtkPanel::Button which) {
        QPushButton* button = ctkPanel_->button(which);
        if (!button->isHidden() && button->isEnabled())
            button->click();
    };
    windowMenu_->bind(WindowMenu::Item::CtkSave, [press] { press(ctk::ui::CtkPanel::Button::Save); });
    windowMenu_->bind(WindowMenu::Item::Marking,
                      [press] { press(ctk::ui::CtkPanel::Button::Marking); });
}

void OrangeWindow::attachTransfer()
{
    new sheet::ui::TransferBoxes(*transferPanel_, services_.dialogs);
    auto* command = new sheet::ui::TransferCommand(state_, services_.spreadsheet,
                                                   services_.dialogs, *transferPanel_);
    command->setBackToGenerator([this] { Q_EMIT generatorFocusWanted(); });
    // F9 transfers from wherever the focus is; with the panel hidden by a grid mode the
    // focus first goes back to the generator.
    windowMenu_->bind(WindowMenu::Item::Transfer, [this] {
        if (transferPanel_->isHidden())
            Q_EMIT generatorFocusWanted();
        transferPanel_->transferButton()->click();
    });
}

QString OrangeWindow::settingsPath() const
{
    return folder_ + QLatin1Char('/') + QString::fromLatin1(SettingsFile::fileName());
}

marking_list::ui::MarkingGrid* OrangeWindow::grid() const
{
    return listPanel_->grid();
}

void OrangeWindow::buildFrame()
{
    generatorSlot_ = new QWidget(this);
    generatorSlot_->setObjectName(QStringLiteral("generatorSlot"));
    generatorSlot_->setFixedHeight(kGeneratorHeight);
    generatorLayout_ = new QVBoxLayout(generatorSlot_);
    generatorLayout_->setContentsMargins(0, 0, 0, 0);

    listPanel_ = new marking_list::ui::ListPanel(state_, this);
    transferPanel_ = new sheet::ui::TransferPanel(this);
    ctkPanel_ = new ctk::ui::CtkPanel(this);
    textOperationsPanel_ = new marking_list::ui::TextOperationsPanel(this);
    lineBreakPanel_ = new marking_list::ui::LineBreakPanel(this);
    halfWidthButton_ = new QPushButton(QStringLiteral("半角変換"), this);
    halfWidthButton_->setFocusPolicy(Qt::NoFocus);

    blueModeButton_ = new QPushButton(QStringLiteral("ブルーモード"), this);
    blueModeButton_->setToolTip(QStringLiteral("ブルーモードに切替えます　(ショートカットShift+ F1)"));
    blueModeButton_->setEnabled(false);  // blue mode is not built yet
    hintButton_ = new QPushButton(hintCaption(false), this);
    closeButton_ = new QPushButton(QStringLiteral("閉じる"), this);
    for (QPushButton* b : {blueModeButton_, hintButton_, closeButton_})
        b->setFocusPolicy(Qt::NoFocus);
    hintButton_->setMinimumHeight(36);
    if (hints_ != nullptr) {
        connect(hintButton_, &QPushButton::clicked, this, [this] {
            hints_->setOn(!hints_->isOn());
            Q_EMIT generatorFocusWanted();
        });
        connect(hints_, &Hints::toggled, this,
                [this](bool on) { hintButton_->setText(hintCaption(on)); });
        hintButton_->setText(hintCaption(hints_->isOn()));
    } else {
        hintButton_->setEnabled(false);
    }
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    // The side column keeps what the list leaves of the window's width; its widgets fit it.
    auto* sideColumn = new QWidget(this);
    sideColumn->setFixedWidth(kInnerWidth - 2 * kFrameMargin - kListPanelWidth - kColumnSpacing);
    auto* side = new QVBoxLayout(sideColumn);
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(6);
    side->addWidget(transferPanel_);
    side->addWidget(textOperationsPanel_);
    side->addWidget(lineBreakPanel_);
    side->addWidget(halfWidthButton_);
    side->addWidget(ctkPanel_);
    side->addStretch(1);
    side->addWidget(blueModeButton_);
    side->addWidget(hintButton_);
    side->addWidget(closeButton_);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(kColumnSpacing);
    // The list keeps the width of its widest layout (1BOX: 35 + 205 + 40 + 97 px and the
    // scroll bar); the side column takes what is left.
    listPanel_->setFixedWidth(kListPanelWidth);
    lower->addWidget(listPanel_);
    lower->addWidget(sideColumn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kFrameMargin, kFrameMargin, kFrameMargin, kFrameMargin);
    layout->setSpacing(4);
    layout->addWidget(generatorSlot_);
    layout->addLayout(lower, 1);

    windowMenu_ = new WindowMenu(this);
    buildGridModes();

    // The list commands behind the list panel's buttons and grid menu.
    listCommandsBinding_ = new marking_list::ui::ListCommandsBinding(
        *listPanel_, state_, services_.dialogs, services_.clipboard);
    listCommandsBinding_->setParent(this);
    connect(&listCommandsBinding_->commands(), &marking_list::ui::ListCommands::backToGenerator,
            this, &OrangeWindow::generatorFocusWanted);
    // An emptied list has no marker text left to come back to.
    connect(&listCommandsBinding_->commands(), &marking_list::ui::ListCommands::listEmptied,
            this, [this] { gridModes_->forgetMarkerText(); });
    connect(listPanel_->grid()->listModel(), &QAbstractItemModel::modelReset, this,
            &OrangeWindow::stateRefreshTick);
}

void OrangeWindow::buildGridModes()
{
    using marking_list::ui::GridMenu;
    marking_list::ui::GridModes::Parts parts;
    parts.grid = listPanel_->grid();
    parts.menu = &listPanel_->gridMenu();
    parts.textPanel = textOperationsPanel_;
    parts.lineBreakPanel = lineBreakPanel_;
    parts.transferPanel = transferPanel_;
    parts.halfWidthButton = halfWidthButton_;
    parts.generator = generatorSlot_;
    gridModes_ = new marking_list::ui::GridModes(state_, services_.dialogs, parts, this);
    gridModes_->setBackToGenerator([this] { Q_EMIT generatorFocusWanted(); });
    windowMenu_->bind(WindowMenu::Item::GridEdit, [this] { gridModes_->pressF2(); });
    windowMenu_->bind(WindowMenu::Item::GridMarks, [this] { gridModes_->pressF3(); });
    GridMenu& menu = listPanel_->gridMenu();
    menu.bind(GridMenu::Item::Edit, [this] { gridModes_->startMode(GridMode::Edit); });
    menu.bind(GridMenu::Item::LineBreakMark, [this] { gridModes_->startMode(GridMode::LineBreakMarker); });
    menu.bind(GridMenu::Item::NumberingMark, [this] { gridModes_->startMode(GridMode::NumberingMarker); });
}

marking_list::ui::ListCommands& OrangeWindow::listCommands()
{
    return listCommandsBinding_->commands();
}

void OrangeWindow::setGeneratorPanel(QWidget* panel)
{
    generatorLayout_->addWidget(panel);
}

void OrangeWindow::setCloseGuard(std::function<bool()> guard)
{
    closeGuard_ = std::move(guard);
}

void OrangeWindow::addSettingsWriter(std::function<void(SettingsFile&)> writer)
{
    settingsWriters_.push_back(std::move(writer));
}

void OrangeWindow::placeOnScreen()
{
    const QRect area = services_.desktop.workArea();
    // A window manager's frame lies around the inner size; it is known once shown.
    const QMargins frame(geometry().left() - frameGeometry().left(),
                         geometry().top() - frameGeometry().top(),
                         frameGeometry().right() - geometry().right(),
                         frameGeometry().bottom() - geometry().bottom());
    setFixedSize(kInnerWidth, area.height() - frame.top() - frame.bottom());
    move(area.left() + area.width() - kInnerWidth - frame.left() - frame.right(), area.top());
}

void OrangeWindow::stateRefreshTick()
{
    RefreshContext context;
    context.spreadsheetVisible = state_.spreadsheet.visible;
    context.selectionStartsInColumn1 = grid()->selectionLeftColumn() <= 1;
    const ControlStates states = refreshControlStates(state_, context);
    grid()->settle();
    listPanel_->applyStates(states);
    ctkPanel_->setButtonsVisible(states.ctkButtonsVisible);
    ctkPanel_->setMarkedCountChoiceVisible(states.markedCountChoiceVisible);
    transferPanel_->reverseTransferAction()->setEnabled(states.reverseTransferEnabled);
    transferPanel_->followLayout(state_.list.layout());
    Q_EMIT controlStatesRefreshed(states);
}

void OrangeWindow::applyShownSettings()
{
    transferPanel_->setInsertMode(settings_.transferInsertMode());
    transferPanel_->showNoSpreadsheet();
}

void OrangeWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window restored from the task bar is not shown anew: what the user set stays.
    if (event->spontaneous())
        return;
    applyShownSettings();
    Q_EMIT shown();
    stateRefreshTimer_.start();
    grid()->rowCursorTimer().start();
    // Once the window manager has framed the window, place it again with the frame known.
    QTimer::singleShot(0, this, &OrangeWindow::placeOnScreen);
    Q_EMIT generatorFocusWanted();
}

void OrangeWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        stateRefreshTimer_.stop();
        grid()->rowCursorTimer().stop();
    }
}

void OrangeWindow::writeSettings()
{
    for (const auto& writer : settingsWriters_)
        writer(settings_);
    settings_.setTransferInsertMode(transferPanel_->insertMode());
}

bool OrangeWindow::saveSettings()
{
    const std::string error = settings_.save(settingsPath().toStdString());
    if (error.empty())
        return true;
    // Never silent: the user chooses between quitting without the settings and staying.
    return services_.dialogs.ask(this,
                                 messages::settingsNotSaved(settingsPath(),
                                                            QString::fromStdString(error)),
                                 platform::Dialogs::Buttons::YesCancel) ==
           platform::Dialogs::Answer::Yes;
}

void OrangeWindow::closeEvent(QCloseEvent* event)
{
    if (closeConfirmed_) {
        event->accept();
        return;
    }
    event->ignore();
    if (closeGuard_ && closeGuard_()) {
        services_.dialogs.inform(this, messages::closeSettingsFirst());
        return;
    }
    if (services_.dialogs.ask(this, messages::confirmQuit(),
                              platform::Dialogs::Buttons::YesCancel) !=
        platform::Dialogs::Answer::Yes) {
        Q_EMIT generatorFocusWanted();
        return;
    }
    writeSettings();
    if (!saveSettings()) {
        Q_EMIT generatorFocusWanted();
        return;
    }
    stateRefreshTimer_.stop();
    grid()->rowCursorTimer().stop();
    Q_EMIT quitting();
    // Caps Lock was forced on for the program's life; it goes off with it.
    if (services_.desktop.capsLockOn())
        services_.desktop.toggleCapsLock();
    closeConfirmed_ = true;
    event->accept();
    Q_EMIT closed();
}

void OrangeWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (isControl(childAt(event->pos())))
        return;
    windowMenu_->menu()->popup(event->globalPos());
    event->accept();
}

// The mouse wheel anywhere over the window scrolls the grid one row per notch.
bool OrangeWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this) {
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (delta != 0) {
                const int notches = std::max(1, std::abs(delta) / 120);
                grid()->scrollRows(delta < 0 ? notches : -notches);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace app::ui
