#include "generator/ui/generator_panel.h"

#include "app/program_state.h"
#include "generator/field_rules.h"
#include "generator/generator_undo.h"
#include "generator/numbering_marks.h"
#include "generator/ui/lone_modifier_filter.h"
#include "platform/dialogs.h"
#include "text/marks.h"
#include "text/sjis.h"
#include "text/ui/cp932_validator.h"
#include "text/ui/editing_colour.h"
#include "text/ui/qt_text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolTip>

namespace generator {

using marking_list::CountBoxMode;
using F = PanelField;

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

constexpr size_t idx(PanelField f)
{
    return static_cast<size_t>(f);
}

const QColor kFixedColour(255, 213, 170);
const QColor kWireHintColour(220, 220, 248);

const char* const kStartHint =
    "ココには連続（間が～の時）される始値を入力（１０進3桁、１６進は２桁まで、アルファベットの場合は１桁）";
const char* const kModeHint =
    "ココをクリックすると連番モードが変わります（’～’の時だけ始値と終値の間が連続されます）";
const char* const kEnd1Hint =
    "ココには連続（間が～の時）される終値を入力（文字を入力後Enterを押すと線番１にフォーカスが移ります（横移動は矢印キー））";
const char* const kEnd23Hint =
    "ココには連続（間が～の時）される終値を入力（文字を入力後Enterを押すと個数にフォーカスが移ります（横移動は矢印キー））";
const char* const kWireHint =
    "文字（漢字等もOK）を入力後Enterを押すと個数にフォーカスが移ります（横移動は矢印キー）";
const char* const kCountHint =
    "各連番、線番いずれかに文字がありココでEnterを押すととグリッドに入力されます（個数は空白でもOK）";
const char* const kNumberingEndHint = "終値を入力（０～９，A～Fのキーのみ）";

const char* const kListAlreadyFull = "マーキングデータが１０００行入力されています";
const char* const kListBecameFull = "マーキングデータが1000行になりました";
const char* const kInsideBracketRefused = "始値は数字・英大文字A～Fのみ入力できます";
const char* const kNumberingEndRefused = "終値は数字・英大文字A～Fのみ入力できます";
const char* const kOpenListFullWidth =
    "グリッド内に全角文字（全角英数字、漢字、ひらがな等）がある時、”ナンバーリング【】”は入力できません";
const char* const kOpenFieldFullWidth =
    "線番１か線番２に全角文字（全角英数字、漢字、ひらがな等）がある時、”ナンバーリング【】”は入力できません";
const char* const kCloseListFullWidth =
    "グリッド内に全角文字（漢字、ひらがな等）がある時、”ナンバーリング【】”は無効になります";
const char* const kLineBreakListFullWidth =
    "グリッド内に全角文字（全角英数字、漢字、ひらがな等）がある時、”多段改行｜”は入力できません";
const char* const kLineBreakFieldFullWidth =
    "線番１か線番２に全角文字（全角英数字、漢字、ひらがな等）がある時、”多段改行｜”は入力できません";

// Where the caret stands for the panel's rules: at the start of the selection when there is
// one (a field reached by Enter or Tab has its whole text selected and the caret counts as
// standing first).
int caretIndex(const QLineEdit* e)
{
    return e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
}

bool isDigitKey(const QString& t)
{
    return t.size() == 1 && t[0] >= u'0' && t[0] <= u'9';
}

// A key press that types a character (not a command or a control key).
bool typesText(const QKeyEvent* key)
{
    const QString t = key->text();
    if (t.isEmpty())
        return false;
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return t[0].isPrint() || t[0].unicode() >= 0x80;
}

}  // namespace

GeneratorPanel::GeneratorPanel(app::ProgramState& state, platform::Dialogs& dialogs,
                               QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs),
      wireSizeLabels_{u("1.25"), u("2.0"), u("5.5")}
{
    buildFields();
    buildLayout();
    applyLayout();
    for (size_t i = 0; i < fields_.size(); ++i)
        paint(static_cast<F>(i));
    refresh();
}

GeneratorPanel::~GeneratorPanel()
{
    if (modifierFilter_)
        qApp->removeEventFilter(modifierFilter_);
}

void GeneratorPanel::buildFields()
{
    for (auto& f : fields_) {
        f = new QLineEdit(this);
        f->installEventFilter(this);
    }
    normalPalette_ = fields_[0]->palette();

    for (int r = 0; r < 3; ++r) {
        for (F f : {startOf(r), middleOf(r), endOf(r)}) {
            field(f)->setMaxLength(3);
            field(f)->setAttribute(Qt::WA_InputMethodEnabled, false);
            field(f)->setInputMethodHints(Qt::ImhLatinOnly);
        }
        field(startOf(r))->setToolTip(u(kStartHint));
        field(middleOf(r))->setToolTip(u(kModeHint));
        field(endOf(r))->setToolTip(u(r == 0 ? kEnd1Hint : kEnd23Hint));
        field(middleOf(r))->hide();
        for (F f : {startOf(r), middleOf(r), endOf(r)})
            field(f)->setFixedWidth(34);
        connect(field(startOf(r)), &QLineEdit::textChanged, this,
                &GeneratorPanel::updateSerialFirstPriority);
        connect(field(endOf(r)), &QLineEdit::textChanged, this,
                &GeneratorPanel::updateSerialFirstPriority);

        modeLabels_[r] = new QLabel(u("～"), this);
        modeLabels_[r]->setToolTip(u(kModeHint));
        modeLabels_[r]->setAlignment(Qt::AlignCenter);
        modeLabels_[r]->setFixedWidth(14);
        modeLabels_[r]->installEventFilter(this);

        static const char* const captions[] = {"連番１", "連番２", "連番３"};
        rangeCaptions_[r] = new QLabel(u(captions[r]), this);
        rangeFixed_[r] = new QCheckBox(this);
        rangeFixed_[r]->setFocusPolicy(Qt::NoFocus);
        rangeFixed_[r]->setToolTip(
            u("チェックで%1の文字を固定(ショートカット F7)").arg(u(captions[r])));
        connect(rangeFixed_[r], &QCheckBox::toggled, this,
                [this, r](bool checked) { rangeFixToggled(r, checked); });
    }

    for (F w : {F::Wire1, F::Wire2}) {
        field(w)->setValidator(new text::Cp932Validator(field(w)));
        field(w)->setToolTip(u(kWireHint));
        field(w)->setToolTipDuration(10000);
        connect(field(w), &QLineEdit::textChanged, this, [this, w](const QString& t) {
            field(w)->setToolTip(t.isEmpty() ? u(kWireHint) : t);
        });
    }
    wireFixed_[0] = new QCheckBox(this);
    wireFixed_[0]->setToolTip(
        u("チェックで線番１の文字を固定（線番２と同時に固定できません ショートカット F7）"));
    wireFixed_[1] = new QCheckBox(this);
    wireFixed_[1]->setToolTip(
        u("チェックで線番２の文字を固定（線番１と同時に固定できません ショートカット F7）"));
    for (int w = 0; w < 2; ++w) {
        wireFixed_[w]->setFocusPolicy(Qt::NoFocus);
        connect(wireFixed_[w], &QCheckBox::toggled, this,
                [this, w](bool checked) { wireFixToggled(w, checked); });
    }

    for (F c : {F::Count1, F::Count2, F::Count3}) {
        field(c)->setAttribute(Qt::WA_InputMethodEnabled, false);
        field(c)->setInputMethodHints(Qt::ImhDigitsOnly);
        field(c)->setToolTip(u(kCountHint));
    }
    field(F::Count1)->setValidator(new text::Cp932Validator(field(F::Count1)));
    for (F c : {F::Count1, F::Count2, F::Count3})
        field(c)->setFixedWidth(34);
    field(F::Count2)->setMaxLength(2);
    field(F::Count3)->setMaxLength(2);

    field(F::NumberingEnd)->setMaxLength(5);
    field(F::NumberingEnd)->setFixedWidth(50);
    field(F::NumberingEnd)->setAttribute(Qt::WA_InputMethodEnabled, false);
    field(F::NumberingEnd)->setInputMethodHints(Qt::ImhLatinOnly);
    field(F::NumberingEnd)->setToolTip(u(kNumberingEndHint));

    serialFirstPriority_ = new QCheckBox(u("連番前優先"), this);
    serialFirstPriority_->hide();
    connect(serialFirstPriority_, &QCheckBox::clicked, this, [this] { ok_->setFocus(); });

    for (int k = 0; k < 3; ++k)
        countLabels_[k] = new QLabel(this);

    layoutSelector_ = new QWidget(this);
    layoutSelector_->setToolTip(u("3BOXは同時に3種類の線番個数を入力できます"));
    auto* selectorLayout = new QHBoxLayout(layoutSelector_);
    selectorLayout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QButtonGroup(layoutSelector_);
    const std::array<std::pair<const char*, CountBoxMode>, 3> layouts{{
        {"1BOX", CountBoxMode::OneBox},
        {"3BOX", CountBoxMode::ThreeBox},
        {"TEXT", CountBoxMode::Text},
    }};
    for (size_t i = 0; i < layouts.size(); ++i) {
        auto* button = new QRadioButton(u(layouts[i].first), layoutSelector_);
        button->setFocusPolicy(Qt::NoFocus);
        group->addButton(button);
        selectorLayout->addWidget(button);
        layoutButtons_[i] = button;
        const CountBoxMode mode = layouts[i].second;
        connect(button, &QRadioButton::clicked, this, [this, mode] { chooseLayout(mode); });
    }

    numberingEndLabel_ = new QLabel(u("終値"), this);
    openMark_ = new QPushButton(u("【"), this);
    openMark_->setToolTip(
        u("ナンバーリング用記号入力（CTK仕様）始値をカッコしてください(ショートカット F6)"));
    closeMark_ = new QPushButton(u("】"), this);
    closeMark_->setToolTip(u("カッコを閉じないと終値は入力できません(ショートカット F6)"));
    lineBreak_ = new QPushButton(u("|"), this);
    lineBreak_->setToolTip(u("ワークの中で改行させる記号入力（CTK仕様ショートカット F5）"));
    connect(openMark_, &QPushButton::clicked, this, &GeneratorPanel::openMark);
    connect(closeMark_, &QPushButton::clicked, this, &GeneratorPanel::closeMark);
    connect(lineBreak_, &QPushButton::clicked, this, &GeneratorPanel::lineBreakMark);

    for (int n = 1; n <= 10; ++n) {
        auto* button = new QPushButton(n < 10 ? u("&%1").arg(n) : u("1&0"), this);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedWidth(30);
        // These buttons put the focus into wire text 1 before they act, so that a mouse
        // click on them counts as typed in the generator.
        if (n == 1 || n == 2 || n % 2 == 0)
            button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, n] { quickCount(n); });
        quickCount_[n - 1] = button;
    }

    ok_ = new QPushButton(u("OK"), this);
    ok_->setToolTip(
        u("各連番、線番いずれかに文字がありクリックするとグリッドに入力されます（個数は空白でもOK）"));
    clear_ = new QPushButton(u("クリア"), this);
    clear_->setToolTip(u("各連番、線番テキストボックスをクリアします（ショートカット F11）"));
    undo_ = new QPushButton(u("取消"), this);
    undo_->setToolTip(u("グリッドに入力された文字列を取り消すことができます(ショートカット F1 )"));
    undo_->hide();
    for (QPushButton* b : {openMark_, closeMark_, lineBreak_, clear_, undo_})
        b->setFocusPolicy(Qt::NoFocus);
    for (QPushButton* b : {openMark_, closeMark_, lineBreak_})
        b->setFixedWidth(28);
    ok_->installEventFilter(this);
    connect(ok_, &QPushButton::clicked, this, &GeneratorPanel::ok);
    connect(clear_, &QPushButton::clicked, this, &GeneratorPanel::pressClear);
    connect(undo_, &QPushButton::clicked, this, &GeneratorPanel::undo);

    modifierFilter_ = new LoneModifierFilter(this, this);
    qApp->installEventFilter(modifierFilter_);
    connect(modifierFilter_, &LoneModifierFilter::altTapped, this, &GeneratorPanel::altAlone);
    connect(modifierFilter_, &LoneModifierFilter::ctrlTapped, this,
            &GeneratorPanel::gridFocusRequested);
}

void GeneratorPanel::buildLayout()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setHorizontalSpacing(2);
    int column = 0;
    // A caption with its fix box right after it, over the fields it names.
    auto addCaption = [&](QWidget* caption, QWidget* box, int span) {
        auto* row = new QHBoxLayout;
        row->setSpacing(2);
        row->addWidget(caption);
        row->addWidget(box);
        row->addStretch(1);
        grid->addLayout(row, 0, column, 1, span);
    };
    auto addRange = [&](int r) {
        addCaption(rangeCaptions_[r], rangeFixed_[r], 4);
        grid->addWidget(field(startOf(r)), 1, column);
        grid->addWidget(modeLabels_[r], 1, column + 1);
        grid->addWidget(field(middleOf(r)), 1, column + 1);
        grid->addWidget(field(endOf(r)), 1, column + 2, 1, 2);
        column += 4;
    };
    auto addWire = [&](int w) {
        addCaption(new QLabel(w == 0 ? u("線番１") : u("線番２"), this), wireFixed_[w], 2);
        grid->addWidget(field(w == 0 ? F::Wire1 : F::Wire2), 1, column, 1, 2);
        grid->setColumnStretch(column, 3);
        column += 2;
    };
    addRange(0);
    addWire(0);
    addRange(1);
    addWire(1);
    addRange(2);
    for (int k = 0; k < 3; ++k) {
        grid->addWidget(countLabels_[k], 0, column + k);
        grid->addWidget(field(static_cast<F>(idx(F::Count1) + k)), 1, column + k);
    }
    column += 3;
    grid->addWidget(ok_, 1, column);
    grid->addWidget(undo_, 0, column);

    auto* tools = new QHBoxLayout;
    tools->addWidget(layoutSelector_);
    tools->addWidget(serialFirstPriority_);
    tools->addStretch(1);
    tools->addWidget(openMark_);
    tools->addWidget(closeMark_);
    tools->addWidget(numberingEndLabel_);
    tools->addWidget(field(F::NumberingEnd));
    tools->addWidget(lineBreak_);
    grid->addLayout(tools, 2, 0, 1, column + 1);
    auto* counts = new QHBoxLayout;
    for (QPushButton* b : quickCount_)
        counts->addWidget(b);
    counts->addStretch(1);
    counts->addWidget(clear_);
    grid->addLayout(counts, 3, 0, 1, column + 1);
    grid->setRowStretch(4, 1);
}

QRadioButton* GeneratorPanel::layoutButton(CountBoxMode mode) const
{
    switch (mode) {
    case CountBoxMode::OneBox: return layoutButtons_[0];
    case CountBoxMode::ThreeBox: return layoutButtons_[1];
    case CountBoxMode::Text: return layoutButtons_[2];
    }
    return layoutButtons_[0];
}

std::optional<PanelField> GeneratorPanel::fieldOf(const QObject* object) const
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i] == object)
            return static_cast<F>(i);
    return std::nullopt;
}

std::optional<PanelField> GeneratorPanel::focusedField() const
{
    return fieldOf(QApplication::focusWidget());
}

PanelTexts GeneratorPanel::texts() const
{
    PanelTexts p;
    p.layout = state_.list.layout();
    for (int r = 0; r < 3; ++r)
        p.ranges[r] = {bytes(startOf(r)), bytes(middleOf(r)), bytes(endOf(r)), modes_[r]};
    p.wire1 = bytes(F::Wire1);
    p.wire2 = bytes(F::Wire2);
    p.counts = {bytes(F::Count1), bytes(F::Count2), bytes(F::Count3)};
    return p;
}

std::string GeneratorPanel::bytes(PanelField f) const
{
    return text::fromQString(field(f)->text()).value_or(std::string());
}

size_t GeneratorPanel::caretBytes(PanelField f) const
{
    const QLineEdit* e = field(f);
    return text::fromQString(e->text().left(caretIndex(e))).value_or(std::string()).size();
}

void GeneratorPanel::message(const char* utf8)
{
    dialogs_.inform(window(), u(utf8));
}

bool GeneratorPanel::isFixed(PanelField f) const
{
    if (const auto r = rangeOf(f))
        return rangeFixed_[*r]->isChecked();
    if (f == F::Wire1)
        return wireFixed_[0]->isChecked();
    if (f == F::Wire2)
        return wireFixed_[1]->isChecked();
    return false;
}

void GeneratorPanel::paint(PanelField f)
{
    QLineEdit* e = field(f);
    QPalette p = normalPalette_;
    if (isFixed(f))
        p.setColor(QPalette::Base, kFixedColour);
    else if (e->hasFocus())
        p.setColor(QPalette::Base, text::ui::editingColour());
    e->setPalette(p);
}

void GeneratorPanel::focusField(PanelField f, bool selectAll)
{
    QLineEdit* e = field(f);
    e->setFocus(Qt::OtherFocusReason);
    if (selectAll)
        e->selectAll();
    caretAtLastKey_[idx(f)] = -1;
}

void GeneratorPanel::focusWireText()
{
    focusField(wireFixed_[0]->isChecked() ? F::Wire2 : F::Wire1);
}

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
