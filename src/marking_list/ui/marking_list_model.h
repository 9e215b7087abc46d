#pragma once

#include "marking_list/marking_list.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace marking_list::ui {

// The marking list as a Qt table: model row r is list row r + 1, model column c is list
// column c + 1 (the row numbers are the vertical header). Cells are shown as QString and
// written back as CP932; a text CP932 cannot hold is refused, never stored as "?".
// The model is the list's one change listener; it turns each (batched) change into one
// dataChanged or, for a new layout, one reset, and re-announces it as listChanged.
class MarkingListModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit MarkingListModel(MarkingList& list, QObject* parent = nullptr);
    ~MarkingListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    MarkingList& list() { return list_; }

    // The header texts of the layout; column 1's text changes with the grid modes.
    static QStringList layoutHeaders(CountBoxMode mode, const QStringList& wireSizes);
    void setColumn1Header(const QString& text);
    // The three wire-size box texts shown in the 3BOX count headers.
    void setWireSizes(const QStringList& sizes);

Q_SIGNALS:
    // Rows [firstRow, lastRow] (1-based) changed, or the layout did.
    void listChanged(int firstRow, int lastRow, bool layoutChanged);

private:
    void onListChange(const ListChange& change);

    MarkingList& list_;
    int columns_ = 0;
    QStringList wireSizes_;
    QStringList headers_;
};

}  // namespace marking_list::ui
