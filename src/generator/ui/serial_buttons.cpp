#include "generator/ui/serial_buttons.h"

#include "app/settings_file.h"
#include "generator/serial_definition.h"
#include "generator/ui/generator_panel.h"
#include "platform/dialogs.h"
#include "text/ui/qt_text.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

namespace generator {

namespace {

constexpr int kButtonWidth = 52;
constexpr int kButtonHeight = 22;

// The range whose start, shown middle or end has the focus; wire text 1 belongs to range 1.
std::optional<int> targetRange(std::optional<PanelField> focused)
{
    if (!focused)
        return std::nullopt;
    if (*focused == PanelField::Wire1)
        return 0;
    if (isRangeField(*focused))
        return rangeOf(*focused);
    return std::nullopt;
}

// A caption shows "&" as itself, not as a mnemonic mark.
QString caption(const std::string& definition)
{
    return text::toQString(definition).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

SerialButtons::SerialButtons(GeneratorPanel& panel, const app::SettingsFile& settings,
                             platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), panel_(panel), settings_(settings), dialogs_(dialogs)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    const auto& initial = initialSerialButtonCaptions();
    for (int slot = 1; slot <= kSerialButtonCount; ++slot) {
        auto* b = new QPushButton(QString::fromUtf8(initial[slot - 1]), this);
        b->setObjectName(QStringLiteral("serialButton%1").arg(slot));
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(kButtonWidth, kButtonHeight);
        b->setVisible(!initial[slot - 1].empty());
        const SerialButtonPlace place = serialButtonPlace(slot);
        grid->addWidget(b, place.row, place.column);
        connect(b, &QPushButton::clicked, this, [this, slot] { apply(slot); });
        buttons_[slot - 1] = b;
    }
    // A hidden button leaves its place empty rather than closing up the row.
    for (int column = 0; column < kSerialButtonCount / 2; ++column)
        grid->setColumnMinimumWidth(column, kButtonWidth);
    grid->setRowMinimumHeight(0, kButtonHeight);
    grid->setRowMinimumHeight(1, kButtonHeight);
    grid->setColumnStretch(kSerialButtonCount / 2, 1);
    buttons_[0]->setToolTip(QStringLiteral(
        "連番１～３のテキストボックスいずれかを選択後、クリックするとボタンに表示されている文字が入力されます"));
    showDefinitions();
}

void SerialButtons::showDefinitions()
{
    for (int slot = 1; slot <= kSerialButtonCount; ++slot) {
        const std::string& definition = settings_.serialDefinition(slot - 1);
        buttons_[slot - 1]->setText(caption(definition));
        buttons_[slot - 1]->setVisible(!definition.empty());
    }
}

void SerialButtons::apply(int slot)
{
    const auto range = targetRange(panel_.focusedField());
    const std::string& line = settings_.serialDefinition(slot - 1);
    if (!range || line.empty())
        return;
    const SerialDefinition definition = parseSerialDefinition(line);
    switch (definition.outcome) {
    case SerialDefinitionOutcome::Ignored: return;
    case SerialDefinitionOutcome::BadSpan:
        dialogs_.inform(window(), QStringLiteral("連番ボタンの作成にエラーがあります"));
        panel_.setRangeMode(*range, RangeMode::Span);
        return;
    case SerialDefinitionOutcome::Triple:
    case SerialDefinitionOutcome::Pair:
    case SerialDefinitionOutcome::Span: break;
    }
    panel_.setRangeMode(*range, definition.mode());
    panel_.field(startOf(*range))->setText(text::toQString(definition.start));
    panel_.field(endOf(*range))->setText(text::toQString(definition.end));
    if (definition.outcome == SerialDefinitionOutcome::Triple)
        panel_.field(middleOf(*range))->setText(text::toQString(definition.middle));
}

}  // namespace generator
