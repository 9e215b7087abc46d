#include "marking_list/ui/cell_delegate.h"

#include "marking_list/cell_input.h"
#include "text/ui/qt_text.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace marking_list::ui {

namespace {

const char* const kColumnProperty = "velmoraColumn";

bool typedTextAccepted(CountBoxMode mode, int column, const QString& typed)
{
    const std::optional<std::string> bytes = text::fromQString(typed);
    return bytes && cellAccepts(mode, column, *bytes);
}

}  // namespace

QColor CellDelegate::background(bool fullWidthMode)
{
    return fullWidthMode ? QColor(255, 255, 202) : QColor(Qt::white);
}

QColor CellDelegate::selectionColour()
{
    return {221, 244, 247};
}

CellDelegate::CellDelegate(app::ProgramState& state, QObject* parent)
    : QStyledItemDelegate(parent), state_(state)
{
}

void CellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const
{
    const bool marked = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
    painter->save();
    painter->fillRect(option.rect, marked ? selectionColour() : background(state_.fullWidthMode));
    painter->setClipRect(option.rect);
    painter->setFont(option.font);
    painter->setPen(Qt::black);
    const QString text = index.data(Qt::DisplayRole).toString();
    // One line from 2 pixels right of and below the corner; no mnemonic, so "&" shows as is.
    painter->drawText(option.rect.adjusted(2, 2, 0, 0),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    painter->restore();
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                    const QModelIndex& index) const
{
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    const int column = index.column() + 1;
    editor->setProperty(kColumnProperty, column);
    const CountBoxMode mode = state_.list.layout();
    const bool markerMode = state_.gridMode == app::GridMode::LineBreakMarker ||
                            state_.gridMode == app::GridMode::NumberingMarker;
    // Free input (an input method for Japanese) only where any text is taken.
    const bool freeText = acceptedCharacters(mode, column).empty() && !(markerMode && column <= 3);
    editor->setAttribute(Qt::WA_InputMethodEnabled, freeText);
    editor->installEventFilter(const_cast<CellDelegate*>(this));
    if (state_.gridMode == app::GridMode::Edit)
        Q_EMIT editStarted();
    return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor))
        line->setText(index.data(Qt::EditRole).toString());
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                const QModelIndex& index) const
{
    auto* line = qobject_cast<QLineEdit*>(editor);
    if (line == nullptr)
        return;
    const QString value = line->text();
    if (value == index.data(Qt::EditRole).toString())
        return;
    // Pasted text passes no key filter: refuse it whole when the cell does not take it.
    if (!typedTextAccepted(state_.list.layout(), index.column() + 1, value))
        return;
    if (model->setData(index, value, Qt::EditRole))
        Q_EMIT editCommitted();
}

void CellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                        const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}

bool CellDelegate::eventFilter(QObject* watched, QEvent* event)
{
    const QVariant column = watched->property(kColumnProperty);
    if (!column.isValid())
        return QStyledItemDelegate::eventFilter(watched, event);
    const CountBoxMode mode = state_.list.layout();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        const bool control = key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
        const bool character = !typed.isEmpty() && typed.at(0).isPrint() && !control;
        if (character && !typedTextAccepted(mode, column.toInt(), typed))
            return true;  // dropped
    } else if (event->type() == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(event);
        if (!im->commitString().isEmpty() &&
            !typedTextAccepted(mode, column.toInt(), im->commitString())) {
            // Keep the composition going, drop only the text CP932 or the cell refuses.
            QInputMethodEvent without(im->preeditString(), im->attributes());
            QCoreApplication::sendEvent(watched, &without);
            return true;
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

}  // namespace marking_list::ui
