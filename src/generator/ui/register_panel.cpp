#include "generator/ui/register_panel.h"

#include "generator/history_entry.h"
#include "generator/text_registers.h"
#include "generator/ui/generator_panel.h"
#include "text/ui/qt_text.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>

namespace generator {

namespace {

constexpr int kRowHeight = 18;
constexpr int kRowsPerColumn = 9;  // three columns: A-I, J-R, S-Z

}  // namespace

RegisterPanel::RegisterPanel(TextRegisters& registers, GeneratorPanel& panel, QWidget* parent)
    : QWidget(parent), registers_(registers), panel_(panel)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(1);
    grid->setVerticalSpacing(1);
    for (int k = 0; k < TextRegisters::kCount; ++k) {
        const QChar letter(u'A' + k);
        Row& row = rows_[k];
        row.letter = new QPushButton(QStringLiteral("&") + letter, this);
        row.letter->setObjectName(QStringLiteral("register") + letter);
        row.letter->setFocusPolicy(Qt::NoFocus);
        row.letter->setFixedSize(22, kRowHeight);
        row.letter->installEventFilter(this);
        connect(row.letter, &QPushButton::clicked, this, [this, k] { recall(k); });
        // Alt+letter recalls at once; the caption's mnemonic would press the button only
        // after its click animation.
        row.letter->setShortcut(QKeySequence());
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_A + k)), this);
        connect(shortcut, &QShortcut::activated, this, [this, k] { recall(k); });

        row.text = new QLineEdit(this);
        row.text->setReadOnly(true);
        row.text->setFocusPolicy(Qt::NoFocus);
        row.text->setFixedHeight(kRowHeight);
        row.text->setAutoFillBackground(true);
        row.text->installEventFilter(this);

        row.clr = new QPushButton(QStringLiteral("Clr"), this);
        row.clr->setFocusPolicy(Qt::NoFocus);
        row.clr->setFixedSize(28, kRowHeight);
        row.clr->setToolTip(
            QStringLiteral("左のテキストボックスをクリアし、右以降の文字列をシフトします"));
        connect(row.clr, &QPushButton::clicked, this, [this, k] { clr(k); });

        row.fixed = new QCheckBox(this);
        row.fixed->setFocusPolicy(Qt::NoFocus);
        row.fixed->setFixedSize(28, kRowHeight);
        row.fixed->setToolTip(QStringLiteral("文字列を固定します"));
        connect(row.fixed, &QCheckBox::clicked, this,
                [this, k](bool checked) { fixClicked(k, checked); });

        const int gridRow = k % kRowsPerColumn;
        const int column = (k / kRowsPerColumn) * 4;
        grid->addWidget(row.letter, gridRow, column);
        grid->addWidget(row.text, gridRow, column + 1);
        grid->addWidget(row.clr, gridRow, column + 2);
        grid->addWidget(row.fixed, gridRow, column + 2);
    }
    rows_[0].letter->setToolTip(
        QStringLiteral("クリックするかAlt+A～Zのキー操作でテキストボックスの\r\n"
                       "文字列が線番１か線番２に入力されます"));
    showHistoryControls(registers_.historyMode());
    refresh();
}

void RegisterPanel::refresh()
{
    for (int k = 0; k < TextRegisters::kCount; ++k) {
        Row& row = rows_[k];
        const std::string& entry = registers_.text(k);
        const QString shown = text::toQString(entry);
        if (row.text->text() != shown) {
            row.text->setText(shown);
            row.text->setCursorPosition(0);
        }
        // Over a non-empty register the hint shows its whole text; over an empty one none.
        row.text->setToolTip(shown);
        const bool fixed = registers_.fixed(k);
        if (row.fixed->isChecked() != fixed) {
            const QSignalBlocker block(row.fixed);
            row.fixed->setChecked(fixed);
        }
        QPalette palette = row.text->palette();
        const QColor colour = fixed ? fixedColour() : normalColour();
        if (palette.color(QPalette::Base) != colour) {
            palette.setColor(QPalette::Base, colour);
            palette.setColor(QPalette::Window, colour);
            row.text->setPalette(palette);
        }
    }
}

void RegisterPanel::showHistoryControls(bool historyMode)
{
    for (Row& row : rows_) {
        row.clr->setVisible(!historyMode);
        row.fixed->setVisible(historyMode);
    }
}

void RegisterPanel::recall(int index)
{
    const auto focused = panel_.focusedField();
    if (!focused || !(isRangeField(*focused) || isWireText(*focused)))
        return;
    const std::string& entry = registers_.text(index);
    if (entry.empty())
        return;
    const GeneratorInput input = parseHistoryEntry(entry);
    panel_.pressClear();
    for (int r = 0; r < 3; ++r) {
        const RangeInput& range = input.ranges[r];
        panel_.setRangeMode(r, range.mode);
        panel_.field(startOf(r))->setText(text::toQString(range.start));
        if (range.mode == RangeMode::Triple)
            panel_.field(middleOf(r))->setText(text::toQString(range.middle));
        panel_.field(endOf(r))->setText(text::toQString(range.end));
    }
    panel_.field(PanelField::Wire1)->setText(text::toQString(input.wire1));
    panel_.field(PanelField::Wire2)->setText(text::toQString(input.wire2));
    focusWireText1();
}

void RegisterPanel::clr(int index)
{
    if (registers_.clear(index))
        refresh();
    panel_.focusWireText();
}

void RegisterPanel::fixClicked(int index, bool checked)
{
    if (checked)
        registers_.fix(index);
    else
        registers_.unfix(index);
    // A refused fix unchecks the box again.
    refresh();
}

void RegisterPanel::focusWireText1()
{
    QLineEdit* wire = panel_.field(PanelField::Wire1);
    wire->setFocus(Qt::OtherFocusReason);
    wire->selectAll();
}

bool RegisterPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return QWidget::eventFilter(watched, event);
    for (int k = 0; k < TextRegisters::kCount; ++k) {
        // A mouse press on a letter button first puts the focus into wire text 1, so that the
        // click that follows recalls; a click into the text recalls at once.
        if (watched == rows_[k].letter) {
            focusWireText1();
            return false;
        }
        if (watched == rows_[k].text) {
            focusWireText1();
            recall(k);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace generator
