#include "sheet/ui/sheet_box_binding.h"

#include "platform/dialogs.h"
#include "sheet/sheet_box.h"
#include "sheet/ui/sheet_link_view.h"
#include "sheet/ui/sheet_messages.h"
#include "sheet/ui/transfer_panel.h"
#include "text/ui/editing_colour.h"
#include "text/ui/qt_text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QValidator>

namespace sheet::ui {

namespace {

// A sheet name takes neither the characters the spreadsheet refuses in names nor one that
// CP932 cannot hold; such a key, paste or input-method commit is dropped.
class SheetNameValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& /*pos*/) const override
    {
        for (const char32_t c : input.toStdU32String())
            if (isRefusedSheetNameChar(c))
                return Invalid;
        return text::fromQString(input) ? Acceptable : Invalid;
    }
};

}  // namespace

SheetBoxBinding::SheetBoxBinding(SheetLinkView& view, platform::Dialogs& dialogs,
                                 std::function<void()> backToGenerator, QObject* parent)
    : QObject(parent),
      view_(view),
      dialogs_(dialogs),
      backToGenerator_(std::move(backToGenerator)),
      box_(view.panel().sheetBox()),
      normalPalette_(box_->palette())
{
    box_->lineEdit()->setValidator(new SheetNameValidator(box_));
    box_->installEventFilter(this);
    // The list's popup window: its hiding is the list closing, chosen or not.
    popup_ = box_->view()->window();
    popup_->installEventFilter(this);
    connect(box_, &QComboBox::activated, this, &SheetBoxBinding::chooseSheet);
}

bool SheetBoxBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == popup_ && event->type() == QEvent::Hide && !asking_) {
        // A chosen sheet is handled first; then the focus goes back.
        QTimer::singleShot(0, this, [this] { backToGenerator_(); });
        return QObject::eventFilter(watched, event);
    }
    // While the box is being destroyed it is no combo box any more: nothing to do then.
    if (watched != box_ || qobject_cast<QComboBox*>(watched) == nullptr || asking_)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            entered();
        }
        break;
    }
    case QEvent::FocusOut: {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            left();
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (!commitText(Trigger::Enter))
                backToGenerator_();
            return true;  // never typed into the box
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void SheetBoxBinding::entered()
{
    if (!view_.refreshVisible()) {
        // Without a visible spreadsheet there is no sheet to choose or rename.
        backToGenerator_();
        return;
    }
    paint(true);
}

void SheetBoxBinding::left()
{
    commitText(Trigger::Leave);
    if (box_->currentText().isEmpty())
        showLinkedName();
    paint(false);
    // The focus is on its way elsewhere; it goes on to the generator once it has arrived.
    QTimer::singleShot(0, this, [this] { backToGenerator_(); });
}

bool SheetBoxBinding::commitText(Trigger trigger)
{
    const QString boxText = box_->currentText();
    const std::optional<std::string> name = text::fromQString(boxText);
    if (!name) {
        showLinkedName();
        return false;
    }
    std::vector<std::string> listed;
    for (int i = 0; i < box_->count(); ++i)
        if (auto item = text::fromQString(box_->itemText(i)))
            listed.push_back(std::move(*item));

    app::SpreadsheetLink& link = view_.link();
    const QString oldName = text::toQString(link.linkedSheet);
    switch (decideRename(view_.refreshVisible(), *name, link.linkedSheet, listed)) {
    case RenameDecision::Nothing:
        if (trigger == Trigger::Enter && boxText.isEmpty())
            showLinkedName();
        return false;
    case RenameDecision::NameInUse:
        asking_ = true;
        dialogs_.inform(&view_.window(), messages::sheetNameInUse(boxText));
        asking_ = false;
        if (trigger == Trigger::Enter)
            return true;  // the user corrects the name in the box
        showLinkedName();
        return false;
    case RenameDecision::Confirm: {
        const QString question = trigger == Trigger::Enter
                                     ? messages::confirmRenameOnEnter(oldName, boxText)
                                     : messages::confirmRenameOnLeave(oldName, boxText);
        asking_ = true;
        const bool yes = dialogs_.ask(&view_.window(), question,
                                      platform::Dialogs::Buttons::YesCancel) ==
                         platform::Dialogs::Answer::Yes;
        asking_ = false;
        if (yes)
            rename(*name);
        else
            showLinkedName();
        return false;
    }
    }
    return false;
}

void SheetBoxBinding::rename(const std::string& newName)
{
    app::SpreadsheetLink& link = view_.link();
    try {
        view_.host().renameActiveSheet(newName);
        link.linkedSheet = newName;
    } catch (const SpreadsheetError&) {
        // Refused (a name the spreadsheet does not take): the box shows the name the sheet
        // really has, read back below.
    }
    try {
        view_.fillSheetBox();
    } catch (const SpreadsheetError&) {
        showLinkedName();
    }
}

void SheetBoxBinding::chooseSheet(int index)
{
    if (index < 0 || index >= box_->count())
        return;
    app::SpreadsheetLink& link = view_.link();
    SpreadsheetHost& host = view_.host();
    try {
        const std::optional<std::string> name = text::fromQString(box_->itemText(index));
        if (!name)
            throw SpreadsheetError("not a sheet name");
        host.activateSheet(*name);
        link.linkedSheet = *name;
        view_.place();
        view_.bringProgramToFront();
        link.linkedSheet = host.activeSheetName();
        showLinkedName();
        view_.followCell();
    } catch (const SpreadsheetError&) {
        showLinkedName();
    }
    backToGenerator_();
}

void SheetBoxBinding::showLinkedName()
{
    const std::string& name = view_.link().linkedSheet;
    box_->setEditText(name.empty() ? TransferPanel::noSheetText() : text::toQString(name));
}

void SheetBoxBinding::paint(bool editing)
{
    QPalette p = normalPalette_;
    if (editing)
        p.setColor(QPalette::Base, text::ui::editingColour());
    box_->setPalette(p);
}

}  // namespace sheet::ui
