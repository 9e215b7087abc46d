#include "generator/ui/generator_panel.h"

#include "app/program_state.h"
#include "generator/field_rules.h"
#include "generator/numbering_marks.h"
#include "generator/ui/generator_panel_parts.h"
#include "text/marks.h"
#include "text/ui/qt_text.h"

#include <QCheckBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

namespace generator {

using marking_list::CountBoxMode;
using namespace panel_parts;

// ---- events --------------------------------------------------------------------------

bool GeneratorPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (const auto f = fieldOf(watched)) {
        switch (type) {
        case QEvent::KeyPress: return keyPress(*f, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            keyRelease(*f, static_cast<QKeyEvent*>(event));
            return false;
        case QEvent::FocusIn:
            focusIn(*f);
            return false;
        case QEvent::FocusOut:
            focusOut(*f, static_cast<QFocusEvent*>(event)->reason());
            return false;
        case QEvent::ShortcutOverride: {
            // Alt+1 .. Alt+0 in a field run the quick count at once, rather than through the
            // buttons' access keys, which click them only after a delay.
            const auto* k = static_cast<QKeyEvent*>(event);
            if (k->modifiers() == Qt::AltModifier && k->key() >= Qt::Key_0
                && k->key() <= Qt::Key_9) {
                event->accept();
                return true;
            }
            return false;
        }
        case QEvent::MouseButtonPress: return mousePress(*f);
        case QEvent::MouseButtonRelease:
            if (isCountField(*f))
                field(*f)->selectAll();
            return false;
        case QEvent::InputMethod:
            if (isWireText(*f)) {
                const QString commit = static_cast<QInputMethodEvent*>(event)->commitString();
                if (!commit.isEmpty() && !typedInWireText(*f, commit))
                    return true;
            }
            return false;
        case QEvent::Enter:
            if (isWireText(*f) && !field(*f)->text().isEmpty()) {
                QPalette tip = QToolTip::palette();
                tip.setColor(QPalette::ToolTipBase, kWireHintColour);
                QToolTip::setPalette(tip);
                field(*f)->setToolTipDuration(3000);
            }
            return false;
        case QEvent::Leave:
            if (isWireText(*f)) {
                QToolTip::setPalette(QPalette());
                field(*f)->setToolTipDuration(10000);
            }
            return false;
        default: return false;
        }
    }
    if (type == QEvent::MouseButtonPress) {
        for (int r = 0; r < 3; ++r) {
            if (watched == modeLabels_[r]) {
                cycleRangeMode(r);
                return true;
            }
        }
        if (qobject_cast<QPushButton*>(watched) && watched != ok_) {
            // Quick-count buttons 1, 2, 4, 6, 8 and 10.
            focusField(F::Wire1);
            return false;
        }
    }
    if (type == QEvent::KeyPress && watched == ok_
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab)
        return true;
    return false;
}

bool GeneratorPanel::keyPress(PanelField f, QKeyEvent* key)
{
    QLineEdit* e = field(f);
    const int k = key->key();
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab) {
        if (k == Qt::Key_Tab)
            if (const auto next = tabNext(f))
                focusField(*next);
        return true;  // Tab never leaves the panel's own cycle
    }
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        if (isWireText(f))
            enterInWireText(f);
        else if (f == F::NumberingEnd)
            enterInNumberingEnd();
        else
            enterElsewhere(f);
        return true;
    }
    if (k == Qt::Key_Left || k == Qt::Key_Right) {
        if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
            return false;
        return arrowKey(f, key);
    }
    caretAtLastKey_[idx(f)] = -1;
    if (key->modifiers() == Qt::AltModifier && k >= Qt::Key_0 && k <= Qt::Key_9) {
        // Alt+1 .. Alt+0 (kept from the buttons' access keys by the shortcut override).
        quickCount(k == Qt::Key_0 ? 10 : k - Qt::Key_0);
        return true;
    }
    if (!typesText(key))
        return false;
    const QString typed = key->text();
    if (isWireText(f))
        return !typedInWireText(f, typed);
    if (f == F::NumberingEnd) {
        if (generator::isNumberingEndCharacter(typed.toStdString()))
            return false;
        message(kNumberingEndRefused);
        return true;
    }
    if (const auto r = rangeOf(f)) {
        const RangeMode mode = f == middleOf(*r) ? RangeMode::Triple : modes_[*r];
        const auto ch = text::fromQString(typed);
        return !(ch && rangeFieldAccepts(mode, *ch));
    }
    if (isCountField(f)) {
        if (f == F::Count1 && state_.list.layout() == CountBoxMode::Text)
            return false;
        return !isDigitKey(typed);
    }
    (void)e;
    return false;
}

bool GeneratorPanel::arrowKey(PanelField f, QKeyEvent* key)
{
    QLineEdit* e = field(f);
    const PanelTexts p = texts();
    // The field reached has its whole text selected, except a middle field.
    const auto moveTo = [this](PanelField to) {
        const auto r = rangeOf(to);
        focusField(to, !(r && to == middleOf(*r)));
    };
    if (key->key() == Qt::Key_Left) {
        caretAtLastKey_[idx(f)] = -1;
        if (caretIndex(e) != 0)
            return false;
        if (const auto to = leftNeighbour(f, p))
            moveTo(*to);
        return true;
    }
    if (!e->hasSelectedText() && e->cursorPosition() == e->text().size()) {
        if (const auto to = rightNeighbour(f, p))
            moveTo(*to);
        return true;
    }
    // A caret that did not move since the last key in this field goes to the end.
    if (caretAtLastKey_[idx(f)] == e->cursorPosition()) {
        e->setCursorPosition(e->text().size());
        caretAtLastKey_[idx(f)] = -1;
        return true;
    }
    caretAtLastKey_[idx(f)] = e->cursorPosition();
    return false;
}

bool GeneratorPanel::typedInWireText(PanelField f, const QString& typed)
{
    const std::string bytesNow = bytes(f);
    if (caretInsideBracket(bytesNow, caretBytes(f))) {
        for (const QChar ch : typed) {
            const auto b = text::fromQString(QString(ch));
            if (!b || !acceptedInsideBracket(*b)) {
                message(kInsideBracketRefused);
                return false;
            }
        }
    }
    return true;
}

void GeneratorPanel::afterWireTextKey(PanelField f)
{
    if (!hasAnyBracket(bytes(f))) {
        numberingState_ = false;
        field(F::NumberingEnd)->clear();
    }
}

void GeneratorPanel::keyRelease(PanelField f, QKeyEvent* key)
{
    if (key->isAutoRepeat())
        return;
    if (f == F::Count1 && field(f)->text().startsWith(u'0')) {
        field(f)->clear();
        return;
    }
    if (isWireText(f)) {
        if (typesText(key) || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
            afterWireTextKey(f);
        updateWireInputMethod();
        return;
    }
    if (f == F::NumberingEnd) {
        const std::string combined = bytes(F::Wire1) + bytes(F::Wire2);
        const auto typed = text::fromQString(key->text()).value_or(std::string());
        if (!hasBothBrackets(combined) || releaseEmptiesNumberingEnd(typed))
            field(f)->clear();
    }
}

void GeneratorPanel::focusIn(PanelField f)
{
    paint(f);
    Q_EMIT fieldEntered();
    if (f == F::Wire1) {
        numberingState_ = false;
    } else if (f == F::Wire2) {
        const std::string t = bytes(f);
        const BracketPositions b = findBrackets(t);
        const size_t caret = caretBytes(f);
        if (b.hasOpen() && b.hasClose() && caret >= b.open + text::marks::open().size()
            && caret <= b.close)
            numberingState_ = true;
    }
}

void GeneratorPanel::focusOut(PanelField f, Qt::FocusReason reason)
{
    paint(f);
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;  // a message box or another window, not the user leaving the field
    QLineEdit* e = field(f);
    if (const auto r = rangeOf(f)) {
        if (f != middleOf(*r) && modes_[*r] == RangeMode::Span && !e->text().isEmpty()
            && !isValidSpanText(bytes(f))) {
            e->clear();
            focusField(f);
        }
        return;
    }
    if (f == F::NumberingEnd) {
        if (endRepeatsStart(bytes(F::Wire1) + bytes(F::Wire2), bytes(f))) {
            e->clear();
            focusField(f);
        }
    }
}

bool GeneratorPanel::mousePress(PanelField f)
{
    if (const auto r = rangeOf(f); r && f == middleOf(*r)) {
        if (rangeFixed_[*r]->isChecked())
            return true;
        cycleRangeMode(*r);
        return true;
    }
    if (f == F::Wire2 && wireFixed_[1]->isChecked()) {
        focusField(F::Wire1);
        return true;
    }
    return false;
}

// ---- Enter ---------------------------------------------------------------------------

void GeneratorPanel::enterInWireText(PanelField f)
{
    const std::string t = bytes(f);
    const size_t caret = caretBytes(f);
    const F afterBracket =
        state_.list.layout() == CountBoxMode::Text ? F::Count1 : F::NumberingEnd;
    switch (bracketEnter(t, caret)) {
    case BracketEnter::EmptyBracket: numberingState_ = true; return;
    case BracketEnter::Close: {
        QLineEdit* e = field(f);
        const int at = caretIndex(e);
        e->deselect();
        e->setCursorPosition(at);
        e->insert(text::toQString(text::marks::close()));
        focusField(afterBracket);
        return;
    }
    case BracketEnter::Leave: focusField(afterBracket); return;
    case BracketEnter::NotInBracket: break;
    }
    if (numberingState_)
        return;
    if (const auto to = enterTarget(f, texts()))
        focusField(*to);
}

void GeneratorPanel::enterInNumberingEnd()
{
    if (field(F::NumberingEnd)->text().isEmpty())
        return;
    for (F w : {F::Wire1, F::Wire2}) {
        const std::string t = bytes(w);
        const BracketPositions b = findBrackets(t);
        if (!b.hasClose())
            continue;
        const size_t after = b.close + text::marks::close().size();
        QLineEdit* e = field(w);
        e->deselect();
        e->setCursorPosition(static_cast<int>(text::toQString(t.substr(0, after)).size()));
        e->setFocus(Qt::OtherFocusReason);
        numberingState_ = false;
        return;
    }
}

void GeneratorPanel::enterElsewhere(PanelField f)
{
    if (isCountField(f)) {
        ok();
        return;
    }
    if (const auto to = enterTarget(f, texts()))
        focusField(*to);
}

}  // namespace generator
