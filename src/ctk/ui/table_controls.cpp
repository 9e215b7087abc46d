#include "ctk/ui/table_controls.h"

#include "app/program_state.h"
#include "ctk/feed_correction.h"
#include "ctk/table_selection.h"
#include "ctk/ui/adjust_box.h"
#include "ctk/ui/ctk_messages.h"
#include "ctk/ui/table_selector.h"
#include "ctk/work_length.h"
#include "platform/dialogs.h"
#include "text/ui/qt_text.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace ctk::ui {
namespace {

std::string trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string boxText(const AdjustBox* box)
{
    return box->text().toStdString();  // digits and points only
}

const QString kFeedCaption = QStringLiteral("送り補正");
const QString kFeedHint =
    QStringLiteral("送り補正の前にテストマーキングしてください（’I’をTBの数＋１でマーキング）");

}  // namespace

TableControls::TableControls(app::ProgramState& state, platform::Desktop& desktop,
                             platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent),
      state_(state),
      dialogs_(dialogs),
      selector_(new TableSelector(desktop, this)),
      workLengthCheck_(new QCheckBox(QStringLiteral("長さ変更"), this)),
      workLengthBox_(new AdjustBox(AdjustBox::Chars::Decimal, 5, this)),
      feedCheck_(new QCheckBox(kFeedCaption, this)),
      feedBoxes_(new QWidget(this)),
      terminalBox_(new AdjustBox(AdjustBox::Chars::Digits, 4, feedBoxes_)),
      stripBox_(new AdjustBox(AdjustBox::Chars::Digits, 4, feedBoxes_)),
      percentageBox_(new AdjustBox(AdjustBox::Chars::Decimal, 5, this)),
      percentLabel_(new QLabel(QStringLiteral("%"), this))
{
    workLengthCheck_->setToolTip(QStringLiteral(
        "クリックするとテーブルのワーク長を変更できます\r\n（チェックをはずすと元のワーク長に戻ります）"));
    workLengthBox_->setToolTip(QStringLiteral(
        "ワーク長の設定（テキストボックスが表示\r\nされている間のみ設定が有効になります）"));
    feedCheck_->setToolTip(kFeedHint);
    terminalBox_->setToolTip(QStringLiteral("端子台の長さを入力（両端の実測値）"));
    stripBox_->setToolTip(QStringLiteral("テストマーキングの記銘板の長さを入力"));
    percentageBox_->setToolTip(QStringLiteral("送り補正の数値％"));
    for (QCheckBox* check : {workLengthCheck_, feedCheck_})
        check->setFocusPolicy(Qt::ClickFocus);

    auto* feedLayout = new QHBoxLayout(feedBoxes_);
    feedLayout->setContentsMargins(0, 0, 0, 0);
    feedLayout->addWidget(terminalBox_);
    feedLayout->addWidget(stripBox_);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(selector_, 0, 0, 1, 3);
    layout->addWidget(workLengthCheck_, 1, 0);
    layout->addWidget(workLengthBox_, 1, 1, 1, 2);
    layout->addWidget(feedCheck_, 2, 0);
    layout->addWidget(percentageBox_, 2, 1);
    layout->addWidget(percentLabel_, 2, 2);
    layout->addWidget(feedBoxes_, 3, 0, 1, 3);

    workLengthBox_->hide();
    feedBoxes_->hide();
    percentageBox_->hide();
    percentLabel_->hide();

    selector_->setPassFocus([this] { returnFocus(); });
    connect(selector_, &QComboBox::activated, this, &TableControls::selectTable);
    connect(workLengthCheck_, &QCheckBox::toggled, this, &TableControls::workLengthSwitched);
    connect(workLengthBox_, &AdjustBox::enterPressed, this, &TableControls::workLengthEnter);
    connect(workLengthBox_, &AdjustBox::left, this, &TableControls::workLengthLeft);
    connect(feedCheck_, &QCheckBox::toggled, this, &TableControls::feedSwitched);
    connect(terminalBox_, &AdjustBox::enterPressed, this, &TableControls::terminalEnter);
    connect(terminalBox_, &AdjustBox::rightAtEnd, this, &TableControls::terminalEnter);
    connect(stripBox_, &AdjustBox::leftAtStart, this, [this] {
        terminalBox_->setFocus(Qt::OtherFocusReason);
    });
    connect(stripBox_, &AdjustBox::enterPressed, this, [this] { stripCompute(true); });
    connect(stripBox_, &AdjustBox::left, this, [this] { stripCompute(false); });
    connect(percentageBox_, &AdjustBox::enterPressed, this, &TableControls::returnFocus);
    connect(percentageBox_, &AdjustBox::left, this, &TableControls::percentageLeft);
}

void TableControls::setReturnFocus(std::function<void()> returnFocus)
{
    returnFocus_ = std::move(returnFocus);
}

void TableControls::returnFocus()
{
    if (returnFocus_)
        returnFocus_();
}

void TableControls::load(const TableFile& file, const std::string& destination)
{
    destination_ = destination;
    loaded_ = file.loaded();
    records_ = file.records;
    selector_->clear();
    if (!loaded_) {
        conditions_.clear();
        setVisible(false);
        return;
    }
    for (const std::string& item : selectorItems(records_))
        selector_->addItem(text::toQString(item));
    selector_->setCurrentIndex(0);
    selector_->showSelectionColour();
    fillFromSelection();
    updateFeedVisibility();
    setLayoutAllowsTable(layoutAllows_);
}

void TableControls::setDestination(const std::string& destination)
{
    destination_ = destination;
}

void TableControls::setLayoutAllowsTable(bool allows)
{
    layoutAllows_ = allows;
    setVisible(loaded_);
    selector_->setVisible(loaded_ && allows);
    workLengthCheck_->setVisible(loaded_ && allows);
    if (!allows)
        workLengthBox_->hide();
    else if (workLengthCheck_->isChecked())
        workLengthBox_->show();
}

bool TableControls::tableApplied() const
{
    return loaded_ && layoutAllows_;
}

const AppliedConditions* TableControls::applied() const
{
    return tableApplied() ? &conditions_ : nullptr;
}

QString TableControls::selectorText() const
{
    return selector_->currentText();
}

const TableRecord& TableControls::selectedRecord() const
{
    static const TableRecord none;
    const size_t index = static_cast<size_t>(appliedRecordIndex(selector_->currentIndex()));
    return index < records_.size() ? records_[index] : none;
}

void TableControls::fillFromSelection()
{
    conditions_.fill(records_, selector_->currentIndex(), destination_);
}

void TableControls::updateFeedVisibility()
{
    feedCheck_->setVisible(loaded_ && conditions_.allowsFeedCorrection());
}

void TableControls::selectTable(int index)
{
    if (index != selector_->currentIndex())
        selector_->setCurrentIndex(index);
    selector_->showSelectionColour();
    fillFromSelection();
    workLengthBox_->hide();
    workLengthBox_->clear();
    feedBoxes_->hide();
    terminalBox_->clear();
    stripBox_->clear();
    state_.adjustments.terminalLength.clear();
    state_.adjustments.stripLength.clear();
    workLengthCheck_->setChecked(false);  // each runs its switch-off when it was checked
    feedCheck_->setChecked(false);
    updateFeedVisibility();
    returnFocus();
}

void TableControls::prepareForRendering()
{
    if (!loaded_)
        return;
    if (workLengthBox_->isVisible())
        applyWorkLength(conditions_, boxText(workLengthBox_), tableWorkLength_);
    // The destination may have changed since the table was chosen.
    conditions_.setTableNumber(tableNumberFor(records_, selector_->currentIndex(), destination_));
}

// Work length -------------------------------------------------------------------------------

void TableControls::workLengthSwitched(bool on)
{
    if (on) {
        workLengthBox_->show();
        tableWorkLength_ = conditions_.workLengthValue();
        workLengthBox_->setText(QString::fromStdString(tableWorkLength_));
        workLengthBox_->setFocus(Qt::OtherFocusReason);
        workLengthBox_->selectAll();
        return;
    }
    state_.adjustments.workLengthOverride.clear();
    fillFromSelection();
    // A feed correction that is still on stays in the file (the table's work length is back,
    // and the correction shown in its box must be the one written).
    if (state_.adjustments.feedCorrectionOn && !state_.adjustments.percentage.empty())
        conditions_.setHosei(state_.adjustments.percentage);
    workLengthBox_->hide();
}

bool TableControls::applyWorkLengthBox()
{
    if (!workLengthBox_->isVisible())
        return false;
    const std::string text = boxText(workLengthBox_);
    if (!applyWorkLength(conditions_, text, tableWorkLength_))
        return false;
    state_.adjustments.workLengthOverride = text;
    // A feed correction holds only for the work length it was measured with.
    feedCheck_->setChecked(false);
    return true;
}

void TableControls::workLengthEnter()
{
    applyWorkLengthBox();
    returnFocus();
}

void TableControls::workLengthLeft()
{
    applyWorkLengthBox();
    if (workLengthBox_->text().isEmpty())
        workLengthBox_->setText(QString::fromStdString(tableWorkLength_));
}

// Feed correction ---------------------------------------------------------------------------

void TableControls::feedSwitched(bool on)
{
    if (on)
        feedOn();
    else
        feedOff();
}

void TableControls::feedOn()
{
    feedBoxes_->show();
    percentageBox_->show();
    percentLabel_->show();
    feedCheck_->setText(QStringLiteral("%"));
    feedCheck_->setToolTip(QString());
    terminalBox_->setFocus(Qt::OtherFocusReason);
    state_.adjustments.feedCorrectionOn = true;
    if (state_.adjustments.percentage.empty()) {
        state_.adjustments.percentage = trimmed(selectedRecord().hosei());
        percentageBox_->setText(text::toQString(state_.adjustments.percentage));
    }
}

void TableControls::feedOff()
{
    feedBoxes_->hide();
    percentageBox_->hide();
    percentLabel_->hide();
    feedCheck_->setText(kFeedCaption);
    feedCheck_->setToolTip(kFeedHint);
    terminalBox_->clear();
    stripBox_->clear();
    state_.adjustments.forgetFeedCorrection();
    if (!conditions_.empty())
        conditions_.setHosei(selectedRecord().hosei());
}

void TableControls::terminalEnter()
{
    if (terminalBox_->text().isEmpty())
        return;
    stripBox_->setFocus(Qt::OtherFocusReason);
    stripBox_->selectAll();
}

void TableControls::stripCompute(bool byEnter)
{
    if (!feedBoxes_->isVisible() || terminalBox_->text().isEmpty() || stripBox_->text().isEmpty())
        return;
    const FeedResult result = computeFeedCorrection(boxText(terminalBox_), boxText(stripBox_),
                                                    selectedRecord().hosei());
    switch (result.outcome) {
    case FeedOutcome::NoChange:
        stripBox_->clear();
        return;
    case FeedOutcome::OutOfRange:
        stripBox_->clear();
        dialogs_.inform(window(), messages::feedOutOfRange());
        stripBox_->setFocus(Qt::OtherFocusReason);
        return;
    case FeedOutcome::Computed:
        break;
    }
    percentageBox_->setText(QString::fromStdString(result.text));
    applyPercentage(result.text);
    state_.adjustments.terminalLength = boxText(terminalBox_);
    state_.adjustments.stripLength = boxText(stripBox_);
    if (byEnter)
        returnFocus();
}

void TableControls::percentageLeft()
{
    if (!percentageBox_->isVisible())
        return;
    if (percentageBox_->text().isEmpty())
        percentageBox_->setText(text::toQString(state_.adjustments.percentage));
    if (const auto value = acceptTypedPercentage(boxText(percentageBox_))) {
        percentageBox_->setText(QString::fromStdString(*value));
        applyPercentage(*value);
        return;
    }
    dialogs_.inform(window(), messages::feedOutOfRange());
    percentageBox_->setFocus(Qt::OtherFocusReason);
    percentageBox_->setText(text::toQString(state_.adjustments.percentage));
}

void TableControls::applyPercentage(const std::string& value)
{
    conditions_.setHosei(value);
    state_.adjustments.percentage = value;
}

}  // namespace ctk::ui
