#include "generator/ui/generator_panel.h"

#include "app/program_state.h"
#include "generator/ui/generator_panel_parts.h"
#include "generator/ui/lone_modifier_filter.h"
#include "platform/dialogs.h"
#include "text/ui/cp932_validator.h"
#include "text/ui/editing_colour.h"
#include "text/ui/qt_text.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace generator {

using marking_list::CountBoxMode;
using namespace panel_parts;

namespace {

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

}  // namespace generator
