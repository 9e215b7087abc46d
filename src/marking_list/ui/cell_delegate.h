#pragma once

#include "app/program_state.h"

#include <QStyledItemDelegate>

namespace marking_list::ui {

// Draws the grid's cells (background by FullWidthMode, the selection colour, text 2 pixels
// in from the top-left corner on one line, "&" as it is) and runs the in-place editor: its
// key filter drops what the cell does not take, and a text CP932 cannot hold is refused.
class CellDelegate final : public QStyledItemDelegate {
    Q_OBJECT
public:
    static QColor background(bool fullWidthMode);
    static QColor selectionColour();

    CellDelegate(app::ProgramState& state, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

Q_SIGNALS:
    // The editor opened on a cell in edit mode (the list is about to change).
    void editStarted() const;
    // An edit changed a cell.
    void editCommitted() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    app::ProgramState& state_;
};

}  // namespace marking_list::ui
