#include "generator/ui/generator_panel.h"

#include "app/program_state.h"
#include "generator/field_rules.h"
#include "generator/generator_undo.h"
#include "generator/numbering_marks.h"
#include "generator/ui/generator_panel_parts.h"
#include "text/marks.h"
#include "text/ui/qt_text.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace generator {

using marking_list::CountBoxMode;
using namespace panel_parts;

// ---- range modes and fixed flags -------------------------------------------------------

void GeneratorPanel::cycleRangeMode(int r)
{
    if (rangeFixed_[r]->isChecked())
        return;
    setRangeMode(r, nextRangeMode(modes_[r]));
    if (modes_[r] == RangeMode::Span)
        focusField(startOf(r));
}

void GeneratorPanel::setRangeMode(int r, RangeMode mode)
{
    modes_[r] = mode;
    QLineEdit* middle = field(middleOf(r));
    if (mode == RangeMode::Triple) {
        modeLabels_[r]->hide();
        middle->show();
        return;
    }
    middle->clear();
    middle->hide();
    modeLabels_[r]->setText(mode == RangeMode::Span ? u("～") : QString());
    modeLabels_[r]->show();
}

void GeneratorPanel::altAlone()
{
    const auto f = focusedField();
    if (f && isRangeField(*f)) {
        cycleRangeMode(*rangeOf(*f));
        return;
    }
    focusWireText();
    if (!state_.stringInsertMode)
        Q_EMIT rowCursorFollowRequested();
}

void GeneratorPanel::rangeFixToggled(int r, bool checked)
{
    const std::array<F, 3> parts{startOf(r), middleOf(r), endOf(r)};
    if (checked && !rangeFilled(bytes(startOf(r)), bytes(endOf(r)))) {
        const QSignalBlocker block(rangeFixed_[r]);
        rangeFixed_[r]->setChecked(false);
        return;
    }
    for (F f : parts) {
        field(f)->setReadOnly(checked);
        if (!checked)
            field(f)->clear();
        paint(f);
    }
    focusWireText();
}

void GeneratorPanel::wireFixToggled(int w, bool checked)
{
    const F self = w == 0 ? F::Wire1 : F::Wire2;
    const F other = w == 0 ? F::Wire2 : F::Wire1;
    if (checked && !canFixWireText(bytes(self), wireFixed_[1 - w]->isChecked())) {
        const QSignalBlocker block(wireFixed_[w]);
        wireFixed_[w]->setChecked(false);
        return;
    }
    field(self)->setReadOnly(checked);
    if (checked) {
        paint(self);
        focusField(other);
        return;
    }
    if (w == 1 && !wireFixed_[0]->isChecked())
        field(self)->clear();
    paint(self);
    if (w == 0)
        focusField(F::Wire1);
    else
        focusWireText();
}

void GeneratorPanel::toggleFixOfFocusedField()
{
    const auto f = focusedField();
    if (!f)
        return;
    if (const auto r = rangeOf(*f)) {
        if (*f != middleOf(*r))
            rangeFixed_[*r]->toggle();
        return;
    }
    if (*f == F::Wire1)
        wireFixed_[0]->toggle();
    else if (*f == F::Wire2)
        wireFixed_[1]->toggle();
}

void GeneratorPanel::updateSerialFirstPriority()
{
    std::array<bool, 3> filled{};
    for (int r = 0; r < 3; ++r)
        filled[r] = rangeFilled(bytes(startOf(r)), bytes(endOf(r)));
    serialFirstPriority_->setVisible(serialFirstPriorityVisible(filled));
}

void GeneratorPanel::updateWireInputMethod()
{
    const std::string combined = bytes(F::Wire1) + bytes(F::Wire2);
    const bool marks = hasAnyBracket(combined) || combined.find('|') != std::string::npos;
    for (F w : {F::Wire1, F::Wire2})
        field(w)->setAttribute(Qt::WA_InputMethodEnabled, !marks);
}

// ---- count layouts -------------------------------------------------------------------

void GeneratorPanel::chooseLayout(CountBoxMode mode)
{
    if (!state_.list.isEmpty()) {
        refresh();
        return;
    }
    if (mode != CountBoxMode::Text)
        field(F::Count1)->clear();
    if (mode == CountBoxMode::ThreeBox) {
        field(F::Count2)->clear();
        field(F::Count3)->clear();
    }
    state_.list.setLayout(mode);
    applyLayout();
    Q_EMIT layoutChosen(mode);
    focusWireText();
}

void GeneratorPanel::applyLayout()
{
    const CountBoxMode mode = state_.list.layout();
    layoutButton(mode)->setChecked(true);
    const bool three = mode == CountBoxMode::ThreeBox;
    const bool textLayout = mode == CountBoxMode::Text;
    QLineEdit* count1 = field(F::Count1);
    count1->setMaxLength(textLayout ? 32767 : three ? 2 : 3);
    // Free text in the TEXT layout may be Japanese; counts are digits only.
    count1->setAttribute(Qt::WA_InputMethodEnabled, textLayout);
    field(F::Count2)->setVisible(three);
    field(F::Count3)->setVisible(three);
    countLabels_[1]->setVisible(three);
    countLabels_[2]->setVisible(three);
    if (three) {
        for (int k = 0; k < 3; ++k) {
            countLabels_[k]->setText(wireSizeLabels_[k]);
            Q_EMIT countColumnHeaderChanged(k, u(" ") + wireSizeLabels_[k]);
        }
    } else {
        countLabels_[0]->setText(textLayout ? u("文字列") : u("個数"));
    }
    for (QWidget* w : std::initializer_list<QWidget*>{field(F::NumberingEnd), numberingEndLabel_,
                                                      openMark_, closeMark_, lineBreak_})
        w->setVisible(!textLayout);
}

void GeneratorPanel::setWireSizeLabel(int k, const QString& t)
{
    wireSizeLabels_.at(k) = t.left(4);
    if (state_.list.layout() != CountBoxMode::ThreeBox)
        return;
    countLabels_[k]->setText(wireSizeLabels_[k]);
    Q_EMIT countColumnHeaderChanged(k, u(" ") + wireSizeLabels_[k]);
}

void GeneratorPanel::refresh()
{
    layoutSelector_->setVisible(state_.list.isEmpty());
    undo_->setVisible(state_.generatorUndoVisible);
    if (layoutButton(state_.list.layout())->isChecked() == false)
        applyLayout();
}

// ---- marks ---------------------------------------------------------------------------

void GeneratorPanel::openMark()
{
    const auto f = focusedField();
    const bool wireFocused = f && isWireText(*f);
    const auto counted = [&](F w) {
        const bool focused = f == w;
        return std::string(countedText(bytes(w), focused, focused ? caretBytes(w) : 0));
    };
    const std::string combined = counted(F::Wire1) + counted(F::Wire2);
    switch (openBracketOutcome(state_.fullWidthMode, wireFocused, combined)) {
    case MarkOutcome::RefusedListFullWidth: message(kOpenListFullWidth); return;
    case MarkOutcome::RefusedFieldFullWidth: message(kOpenFieldFullWidth); return;
    case MarkOutcome::Nothing: return;
    case MarkOutcome::Insert: break;
    }
    field(*f)->insert(text::toQString(text::marks::open()));
    numberingState_ = true;
    updateWireInputMethod();
}

void GeneratorPanel::closeMark()
{
    if (state_.fullWidthMode) {
        message(kCloseListFullWidth);
        return;
    }
    for (F w : {F::Wire1, F::Wire2}) {
        if (!field(w)->hasFocus() || !canCloseBracket(bytes(w), caretBytes(w)))
            continue;
        field(w)->insert(text::toQString(text::marks::close()));
        focusField(F::NumberingEnd);
        return;
    }
}

void GeneratorPanel::lineBreakMark()
{
    const auto f = focusedField();
    LineBreakContext c;
    c.listFullWidth = state_.fullWidthMode;
    c.focusedWire = f == F::Wire1 ? 1 : f == F::Wire2 ? 2 : 0;
    const std::string w1 = bytes(F::Wire1);
    const std::string w2 = bytes(F::Wire2);
    const std::string r2s = bytes(F::Start2);
    const std::string r2e = bytes(F::End2);
    c.wire1 = w1;
    c.wire2 = w2;
    c.caret = c.focusedWire ? caretBytes(*f) : 0;
    c.range1Filled = rangeFilled(bytes(F::Start1), bytes(F::End1));
    c.range2Start = r2s;
    c.range2End = r2e;
    switch (lineBreakOutcome(c)) {
    case MarkOutcome::RefusedListFullWidth: message(kLineBreakListFullWidth); return;
    case MarkOutcome::RefusedFieldFullWidth: message(kLineBreakFieldFullWidth); return;
    case MarkOutcome::Nothing: return;
    case MarkOutcome::Insert: break;
    }
    field(*f)->insert(u("|"));
    updateWireInputMethod();
}

void GeneratorPanel::pressNumberingKey()
{
    if (state_.list.layout() == CountBoxMode::Text)
        return;  // the mark buttons are hidden in the TEXT layout
    const std::string combined = bytes(F::Wire1) + bytes(F::Wire2);
    if (findBrackets(combined).hasOpen())
        closeMark();
    else
        openMark();
}

void GeneratorPanel::pressLineBreakKey()
{
    if (state_.list.layout() == CountBoxMode::Text)
        return;
    if (!field(F::Wire1)->text().isEmpty() || !field(F::Wire2)->text().isEmpty())
        lineBreakMark();
}

// ---- commands ------------------------------------------------------------------------

void GeneratorPanel::quickCount(int n)
{
    const auto f = focusedField();
    if (!f || !(isRangeField(*f) || isWireText(*f)))
        return;
    field(F::Count1)->setText(QString::number(n));
    ok();
}

void GeneratorPanel::pressClear()
{
    for (int r = 0; r < 3; ++r) {
        const QSignalBlocker block(rangeFixed_[r]);
        rangeFixed_[r]->setChecked(false);
        for (F f : {startOf(r), middleOf(r), endOf(r)}) {
            field(f)->setReadOnly(false);
            field(f)->clear();
        }
        setRangeMode(r, RangeMode::Span);
    }
    for (int w = 0; w < 2; ++w) {
        const QSignalBlocker block(wireFixed_[w]);
        wireFixed_[w]->setChecked(false);
        field(w == 0 ? F::Wire1 : F::Wire2)->setReadOnly(false);
    }
    field(F::Wire1)->clear();
    field(F::Wire2)->clear();
    if (state_.list.layout() == CountBoxMode::ThreeBox) {
        field(F::Count2)->clear();
        field(F::Count3)->clear();
    }
    for (size_t i = 0; i < fields_.size(); ++i)
        paint(static_cast<F>(i));
    focusField(F::Wire1);
}

bool GeneratorPanel::pressUndoIfVisible()
{
    if (!state_.generatorUndoVisible)
        return false;
    undo();
    return true;
}

void GeneratorPanel::setGridPositionSource(std::function<GridPosition()> source)
{
    gridPosition_ = std::move(source);
}

GeneratorFields GeneratorPanel::fields() const
{
    GeneratorFields g;
    for (int r = 0; r < 3; ++r) {
        SerialRange& range = g.ranges[r];
        range.start = bytes(startOf(r));
        range.middle = modes_[r] == RangeMode::Triple ? bytes(middleOf(r)) : std::string();
        range.end = bytes(endOf(r));
        range.mode = modes_[r];
        range.fixed = rangeFixed_[r]->isChecked();
    }
    g.wireTexts = {bytes(F::Wire1), bytes(F::Wire2)};
    g.wireFixed = {wireFixed_[0]->isChecked(), wireFixed_[1]->isChecked()};
    g.counts = {bytes(F::Count1), bytes(F::Count2), bytes(F::Count3)};
    g.numberingEnd = bytes(F::NumberingEnd);
    g.serialFirstPriorityShown = !serialFirstPriority_->isHidden();
    g.serialFirstPriority = serialFirstPriority_->isChecked();
    return g;
}

void GeneratorPanel::showFields(const GeneratorFields& g)
{
    for (int r = 0; r < 3; ++r) {
        const SerialRange& range = g.ranges[r];
        setRangeMode(r, range.mode);
        field(startOf(r))->setText(text::toQString(range.start));
        field(endOf(r))->setText(text::toQString(range.end));
        if (range.mode == RangeMode::Triple)
            field(middleOf(r))->setText(text::toQString(range.middle));
    }
    field(F::Wire1)->setText(text::toQString(g.wireTexts[0]));
    field(F::Wire2)->setText(text::toQString(g.wireTexts[1]));
    field(F::Count1)->setText(text::toQString(g.counts[0]));
    field(F::Count2)->setText(text::toQString(g.counts[1]));
    field(F::Count3)->setText(text::toQString(g.counts[2]));
    field(F::NumberingEnd)->setText(text::toQString(g.numberingEnd));
    // The texts' change rule for "連番前優先" has run; OK and "取消" decide it themselves.
    serialFirstPriority_->setVisible(g.serialFirstPriorityShown);
    serialFirstPriority_->setChecked(g.serialFirstPriority);
    updateWireInputMethod();
}

void GeneratorPanel::ok()
{
    Q_EMIT okStarting();
    const GridPosition grid = gridPosition_ ? gridPosition_() : GridPosition{};
    ExpansionContext context;
    context.insertionRow = insertionRowFor(state_, grid.rowCursorTimerRunning, grid.selectionTop);
    context.topVisibleRow = grid.topVisibleRow;
    GeneratorFields g = fields();
    const ExpansionResult result = expandSequence(state_, g, undoRecord_, context);
    showFields(g);
    switch (result.outcome) {
    case ExpansionOutcome::StartEqualsEnd:
        focusField(endOf(result.rangeWithEqualEnds));
        return;
    case ExpansionOutcome::ListAlreadyFull:
        message(kListAlreadyFull);
        return;
    case ExpansionOutcome::ListBecameFull:
        message(kListBecameFull);
        [[fallthrough]];
    case ExpansionOutcome::Generated:
        Q_EMIT gridMoved(result.topVisibleRow, result.nextInsertionRow);
        break;
    case ExpansionOutcome::NothingToGenerate: break;
    }
    refresh();
    numberingState_ = result.numberingState;
    focusWireText();
    if (!state_.stringInsertMode)
        Q_EMIT rowCursorFollowRequested();
}

void GeneratorPanel::undo()
{
    if (!state_.generatorUndoVisible)
        return;
    const GridPosition grid = gridPosition_ ? gridPosition_() : GridPosition{};
    const GeneratorUndoResult result = undoGeneration(state_, undoRecord_, grid.topVisibleRow);
    GeneratorFields g = undoRecord_.fields;
    g.serialFirstPriorityShown = undoRecord_.serialFirstPriorityState >= 1;
    g.serialFirstPriority = undoRecord_.serialFirstPriorityState == 2;
    showFields(g);
    refresh();
    Q_EMIT gridMoved(result.topVisibleRow, result.selectRow);
    focusWireText();
}

}  // namespace generator
