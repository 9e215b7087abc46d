#include "generator/ui/serial_settings_panel.h"

#include "app/settings_file.h"
#include "generator/serial_definition.h"
#include "ctk/ui/destination_box.h"
#include "generator/ui/generator_panel.h"
#include "text/ui/cp932_validator.h"
#include "text/ui/qt_text.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace generator {

namespace {

constexpr int kDefinitionLength = 5;
constexpr int kWireSizeLength = 4;

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Blanks and control characters at either end go; a full-width blank stays, as it is text.
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= u' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= u' ')
        --last;
    return text.mid(first, last - first);
}

}  // namespace

SerialSettingsPanel::SerialSettingsPanel(GeneratorPanel& panel, QWidget* parent)
    : QWidget(parent), panel_(panel)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    auto* upper = new QHBoxLayout;
    upper->setSpacing(8);
    layout->addLayout(upper);

    auto* definitions = new QVBoxLayout;
    definitions->setSpacing(1);
    definitions->addWidget(boldLabel(QStringLiteral("連番作成"), this));
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(2);
    boxes->setVerticalSpacing(0);
    auto* validator = new text::Cp932Validator(this);
    for (int slot = 1; slot <= kSerialButtonCount; ++slot) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("definition%1").arg(slot));
        box->setMaxLength(kDefinitionLength);
        box->setValidator(validator);
        box->setFixedWidth(36);
        box->installEventFilter(this);
        auto* label = new QLabel(QStringLiteral("釦%1").arg(slot), this);
        const SerialButtonPlace place = serialButtonPlace(slot);
        boxes->addWidget(label, place.row * 2, place.column);
        boxes->addWidget(box, place.row * 2 + 1, place.column);
        definitions_[slot - 1] = box;
    }
    definitions->addLayout(boxes);
    upper->addLayout(definitions);

    auto* sizes = new QGridLayout;
    sizes->setVerticalSpacing(1);
    sizes->addWidget(boldLabel(QStringLiteral("個数同時入力ラベル設定"), this), 0, 0, 1, 2);
    static const char* const initialSizes[] = {"1.25", "2.0", "5.5"};
    for (int k = 0; k < 3; ++k) {
        sizes->addWidget(new QLabel(QStringLiteral("個数%1").arg(k + 1), this), k + 1, 0);
        auto* box = new QComboBox(this);
        box->setEditable(true);
        box->addItems({QStringLiteral("1.25"), QStringLiteral("2.0"), QStringLiteral("3.5"),
                       QStringLiteral("5.5"), QStringLiteral("8.0")});
        box->lineEdit()->setMaxLength(kWireSizeLength);
        box->lineEdit()->setValidator(validator);
        box->setCurrentText(QString::fromLatin1(initialSizes[k]));
        box->setFixedWidth(60);
        connect(box, &QComboBox::currentTextChanged, this,
                [this, k](const QString& t) { panel_.setWireSizeLabel(k, t); });
        sizes->addWidget(box, k + 1, 1);
        wireSizes_[k] = box;
    }
    upper->addLayout(sizes);
    upper->addStretch(1);

    auto* explanation = new QLabel(
        QStringLiteral("（連続の時は間にハイフンを入れて\"A-Z\"、\"0-99\"、\"FF-00\"のように、\r\n"
                       "連続でない時は間に空白を入れて\"R S T\"、\"U W\"、\"+ -\"、\"P N\"のようにします）"),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);

    destinationArea_ = new QWidget(this);
    auto* destination = new QGridLayout(destinationArea_);
    destination->setContentsMargins(0, 0, 0, 0);
    destination->setVerticalSpacing(1);
    destination->addWidget(boldLabel(QStringLiteral("テーブルデータ転送先設定"), destinationArea_),
                           0, 0);
    destination_ = new ctk::ui::DestinationTableBox(destinationArea_);
    destination_->setObjectName(QStringLiteral("destinationTable"));
    destination_->setFixedWidth(90);
    destination->addWidget(destination_, 0, 1, Qt::AlignLeft);
    destination->setColumnStretch(1, 1);
    auto* destinationText = new QLabel(
        QStringLiteral("マーカー本体の空きテーブルをパソコンからのデータ転送専用にします\r\n"
                       "（「Table 0」 はテーブル設定がそのまま各テーブルに転送されます）"),
        destinationArea_);
    destinationText->setWordWrap(true);
    destination->addWidget(destinationText, 1, 0, 1, 2);
    layout->addWidget(destinationArea_);
    layout->addStretch(1);

    // The Alt key is ignored in these boxes: Alt alone must not send the focus back to the
    // generator while the user edits a definition. Application filters installed later run
    // first, so this one sees Alt before the generator's.
    qApp->installEventFilter(this);
}

SerialSettingsPanel::~SerialSettingsPanel()
{
    qApp->removeEventFilter(this);
}

void SerialSettingsPanel::load(const app::SettingsFile& settings)
{
    for (int slot = 1; slot <= kSerialButtonCount; ++slot)
        definitions_[slot - 1]->setText(text::toQString(settings.serialDefinition(slot - 1)));
    if (!settings.destinationTable().empty())
        setDestinationTable(text::toQString(settings.destinationTable()));
}

void SerialSettingsPanel::store(app::SettingsFile& settings) const
{
    // The boxes accept only CP932 text, so every conversion succeeds.
    for (int slot = 1; slot <= kSerialButtonCount; ++slot)
        settings.setSerialDefinition(
            slot - 1, text::fromQString(definitions_[slot - 1]->text()).value_or(std::string()));
    settings.setDestinationTable(text::fromQString(destinationTable()).value_or(std::string()));
}

QString SerialSettingsPanel::destinationTable() const
{
    return destination_->destination();
}

void SerialSettingsPanel::setDestinationTable(const QString& text)
{
    destination_->setDestination(text);
}

bool SerialSettingsPanel::isOwnBox(const QObject* object) const
{
    if (object == destination_->lineEdit() || object == destination_)
        return true;
    for (const QLineEdit* box : definitions_)
        if (object == box)
            return true;
    for (const QComboBox* box : wireSizes_)
        if (object == box || object == box->lineEdit())
            return true;
    return false;
}

bool SerialSettingsPanel::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Alt && isOwnBox(QApplication::focusWidget()))
        return true;
    if (type != QEvent::FocusOut)
        return false;
    for (QLineEdit* box : definitions_) {
        if (watched == box) {
            box->setText(trimBlanks(box->text()));
            break;
        }
    }
    return false;
}

}  // namespace generator
