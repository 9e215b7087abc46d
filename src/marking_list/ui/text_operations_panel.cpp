#include "marking_list/ui/text_operations_panel.h"

#include "marking_list/ui/operation_field.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace marking_list::ui {

namespace {

const QString kOccurrenceDigits = QStringLiteral("12345");
const QString kPositionDigits = QStringLiteral("123456789");
constexpr int kKeywordLength = 10;

QLabel* label(const QString& text, QWidget* parent)
{
    return new QLabel(text, parent);
}

}  // namespace

TextOperationsPanel::TextOperationsPanel(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    auto* choiceRow = new QHBoxLayout;
    auto* choiceGroup = new QButtonGroup(this);
    const QString choiceTexts[3] = {QStringLiteral("文字（列）の置換"), QStringLiteral("文字（列）の挿入"),
                                    QStringLiteral("文字（列）の削除")};
    for (int i = 0; i < 3; ++i) {
        choices_[i] = new QRadioButton(choiceTexts[i], this);
        choices_[i]->setToolTip(QStringLiteral("グリッド内の選択範囲（列）が対象になります"));
        choiceGroup->addButton(choices_[i], i);
        choiceRow->addWidget(choices_[i]);
    }
    layout->addLayout(choiceRow);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(buildReplacePage());
    pages_->addWidget(buildInsertPage());
    pages_->addWidget(buildDeletePage());
    layout->addWidget(pages_);
    layout->addStretch();

    connect(choiceGroup, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            pages_->setCurrentIndex(id);
    });
    choices_[0]->setChecked(true);
    setUndoEnabled(false);
}

OperationField* TextOperationsPanel::makeField(const QString& accepted, int maxLength, const QString& hint)
{
    auto* f = new OperationField(this);
    if (!accepted.isEmpty())
        f->setAcceptedCharacters(accepted);
    else
        f->setAccepted([this] { return cellCharacters_ ? cellCharacters_() : QString(); });
    if (maxLength > 0)
        f->setMaxLength(maxLength);
    f->setToolTip(hint);
    return f;
}

QPushButton* TextOperationsPanel::makeOk(Operation operation)
{
    auto* b = new QPushButton(QStringLiteral("OK"), this);
    ok_[static_cast<int>(operation)] = b;
    connect(b, &QPushButton::clicked, this, [this, operation] { Q_EMIT okClicked(operation); });
    return b;
}

QPushButton* TextOperationsPanel::makeUndo()
{
    auto* b = new QPushButton(QStringLiteral("取消"), this);
    undo_.append(b);
    connect(b, &QPushButton::clicked, this, &TextOperationsPanel::undoClicked);
    return b;
}

QWidget* TextOperationsPanel::buildReplacePage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    replaceTarget_ = makeField({}, 0, QStringLiteral("指定列行内の対象文字（列）を入力します"));
    replaceOccurrence_ = makeField(kOccurrenceDigits, 1, QStringLiteral("対象文字（列）が一行内に複数ある時に指定します"));
    replacement_ = makeField({}, 0, QStringLiteral("置換える文字（列）を入力します"));
    grid->addWidget(label(QStringLiteral("置換前文字（列）"), page), 0, 0);
    grid->addWidget(replaceTarget_, 0, 1, 1, 4);
    grid->addWidget(label(QStringLiteral("対象文字（列）が"), page), 1, 0);
    grid->addWidget(label(QStringLiteral("複数時"), page), 1, 1);
    grid->addWidget(replaceOccurrence_, 1, 2);
    grid->addWidget(label(QStringLiteral("番目"), page), 1, 3);
    grid->addWidget(label(QStringLiteral("置換文字（列）"), page), 2, 0);
    grid->addWidget(replacement_, 2, 1, 1, 4);
    grid->addWidget(makeOk(Operation::Replace), 3, 1);
    grid->addWidget(makeUndo(), 3, 2, 1, 2);

    using K = OperationField::Key;
    auto toOccurrence = [this] { replaceOccurrence_->setFocus(); };
    replaceTarget_->onKey(K::Enter, toOccurrence, true);
    replaceTarget_->onKey(K::Down, toOccurrence, true);
    replaceOccurrence_->onKey(K::Enter, [this] { replacement_->setFocus(); });
    replaceOccurrence_->onKey(K::Down, [this] { replacement_->setFocus(); });
    replaceOccurrence_->onKey(K::Up, [this] { replaceTarget_->setFocus(); });
    replacement_->onKey(K::Enter, [this] { ok_[0]->click(); });
    replacement_->onKey(K::Up, toOccurrence);
    return page;
}

QWidget* TextOperationsPanel::buildInsertPage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    insertText_ = makeField({}, 0);
    insertPosition_ = makeField(kPositionDigits, 1);
    insertKeyword_ = makeField({}, kKeywordLength);
    insertKeyword_->setAccepted({});  // a keyword is searched, not written: any text
    insertOccurrence_ = makeField(kOccurrenceDigits, 1);
    insertByPosition_ = new QRadioButton(QStringLiteral("文字数で挿入"), page);
    insertByKeyword_ = new QRadioButton(QStringLiteral("キーワードで挿入"), page);
    insertBefore_ = new QRadioButton(QStringLiteral("前に挿入"), page);
    insertAfter_ = new QRadioButton(QStringLiteral("後に挿入"), page);
    auto* way = new QButtonGroup(page);
    way->addButton(insertByPosition_);
    way->addButton(insertByKeyword_);
    auto* placement = new QButtonGroup(page);
    placement->addButton(insertBefore_);
    placement->addButton(insertAfter_);
    positionLabel_ = label(QStringLiteral("文字目"), page);
    keywordOccurrenceLabel_ = label(QStringLiteral("番目"), page);

    grid->addWidget(label(QStringLiteral("挿入文字（列）"), page), 0, 0);
    grid->addWidget(insertText_, 0, 1, 1, 4);
    grid->addWidget(insertByPosition_, 1, 0);
    grid->addWidget(insertPosition_, 1, 1);
    grid->addWidget(positionLabel_, 1, 2);
    grid->addWidget(insertByKeyword_, 2, 0);
    grid->addWidget(insertKeyword_, 2, 1, 1, 2);
    grid->addWidget(insertOccurrence_, 2, 3);
    grid->addWidget(keywordOccurrenceLabel_, 2, 4);
    grid->addWidget(insertBefore_, 3, 0);
    grid->addWidget(insertAfter_, 3, 1, 1, 2);
    grid->addWidget(makeOk(Operation::Insert), 4, 1);
    grid->addWidget(makeUndo(), 4, 2, 1, 2);

    connect(insertByKeyword_, &QRadioButton::toggled, this, [this](bool on) { chooseInsertWay(on); });
    insertByPosition_->setChecked(true);
    insertBefore_->setChecked(true);
    chooseInsertWay(false);

    using K = OperationField::Key;
    auto ok = [this] { ok_[1]->click(); };
    insertText_->onKey(K::Enter, ok, true);
    insertText_->onKey(
        K::Down,
        [this] {
            if (insertByPosition_->isChecked())
                insertPosition_->setFocus();
            else
                insertByPosition_->setChecked(true);
        },
        true);
    insertPosition_->onKey(K::Enter, ok);
    insertPosition_->onKey(K::Down, [this] { insertByKeyword_->setChecked(true); });
    insertPosition_->onKey(K::Up, [this] { insertText_->setFocus(); });
    insertKeyword_->onKey(K::Enter, ok);
    insertKeyword_->onKey(K::Up, [this] { insertByPosition_->setChecked(true); });
    insertKeyword_->onKey(K::RightAtEnd, [this] { insertOccurrence_->setFocus(); }, true);
    insertOccurrence_->onKey(K::Enter, ok);
    insertOccurrence_->onKey(K::Up, [this] { insertKeyword_->setFocus(); });
    return page;
}

QWidget* TextOperationsPanel::buildDeletePage()
{
    auto* page = new QWidget(this);
    auto* grid = new QGridLayout(page);
    deleteTarget_ = makeField({}, kKeywordLength);
    deleteOccurrence_ = makeField(kOccurrenceDigits, 1);
    grid->addWidget(label(QStringLiteral("削除文字（列）"), page), 0, 0);
    grid->addWidget(deleteTarget_, 0, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("対象文字（列）が"), page), 1, 0);
    grid->addWidget(label(QStringLiteral("複数時"), page), 1, 1);
    grid->addWidget(deleteOccurrence_, 1, 2);
    grid->addWidget(label(QStringLiteral("番目"), page), 1, 3);
    grid->addWidget(makeOk(Operation::Delete), 2, 1);
    grid->addWidget(makeUndo(), 2, 2, 1, 2);

    using K = OperationField::Key;
    auto ok = [this] { ok_[2]->click(); };
    deleteTarget_->onKey(K::Enter, ok);
    deleteTarget_->onKey(K::Down, [this] { deleteOccurrence_->setFocus(); });
    deleteOccurrence_->onKey(K::Enter, ok);
    deleteOccurrence_->onKey(K::Up, [this] { deleteTarget_->setFocus(); });
    return page;
}

void TextOperationsPanel::chooseInsertWay(bool byKeyword)
{
    insertPosition_->setVisible(!byKeyword);
    positionLabel_->setVisible(!byKeyword);
    insertKeyword_->setVisible(byKeyword);
    insertOccurrence_->setVisible(byKeyword);
    keywordOccurrenceLabel_->setVisible(byKeyword);
    if (!isVisible())
        return;
    (byKeyword ? insertKeyword_ : insertPosition_)->setFocus();
}

void TextOperationsPanel::setCellCharacters(std::function<QString()> accepted)
{
    cellCharacters_ = std::move(accepted);
}

TextOperationsPanel::Operation TextOperationsPanel::operation() const
{
    return static_cast<Operation>(pages_->currentIndex());
}

void TextOperationsPanel::chooseOperation(Operation operation)
{
    choices_[static_cast<int>(operation)]->setChecked(true);
}

TextOperationsPanel::ReplaceInput TextOperationsPanel::replaceInput() const
{
    return {replaceTarget_->cp932(), replaceOccurrence_->number(), replacement_->cp932()};
}

InsertRequest TextOperationsPanel::insertInput() const
{
    InsertRequest r;
    r.text = insertText_->cp932();
    r.byKeyword = insertByKeyword_->isChecked();
    r.position = insertPosition_->number();
    r.keyword = insertKeyword_->cp932();
    r.occurrence = insertOccurrence_->number();
    r.placement = insertAfter_->isChecked() ? Placement::After : Placement::Before;
    return r;
}

TextOperationsPanel::DeleteInput TextOperationsPanel::deleteInput() const
{
    return {deleteTarget_->cp932(), deleteOccurrence_->number()};
}

void TextOperationsPanel::setUndoEnabled(bool enabled)
{
    for (QPushButton* b : undo_)
        b->setEnabled(enabled);
}

bool TextOperationsPanel::isUndoEnabled() const
{
    return undo_.first()->isEnabled();
}

OperationField* TextOperationsPanel::field(Field which) const
{
    switch (which) {
    case Field::ReplaceTarget: return replaceTarget_;
    case Field::ReplaceOccurrence: return replaceOccurrence_;
    case Field::Replacement: return replacement_;
    case Field::InsertText: return insertText_;
    case Field::InsertPosition: return insertPosition_;
    case Field::InsertKeyword: return insertKeyword_;
    case Field::InsertOccurrence: return insertOccurrence_;
    case Field::DeleteTarget: return deleteTarget_;
    case Field::DeleteOccurrence: return deleteOccurrence_;
    }
    return nullptr;
}

QPushButton* TextOperationsPanel::okButton(Operation operation) const
{
    return ok_[static_cast<int>(operation)];
}

QPushButton* TextOperationsPanel::undoButton(Operation operation) const
{
    return undo_.at(static_cast<int>(operation));
}

}  // namespace marking_list::ui
