#include "marking_list/ui/marking_list_model.h"

#include "text/ui/qt_text.h"

namespace marking_list::ui {

MarkingListModel::MarkingListModel(MarkingList& list, QObject* parent)
    : QAbstractTableModel(parent),
      list_(list),
      columns_(list.columnCount()),
      wireSizes_{QStringLiteral("1.25"), QStringLiteral("2.0"), QStringLiteral("5.5")},
      headers_(layoutHeaders(list.layout(), wireSizes_))
{
    list_.setChangeListener([this](const ListChange& change) { onListChange(change); });
}

MarkingListModel::~MarkingListModel()
{
    list_.setChangeListener({});
}

int MarkingListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : MarkingList::kRows;
}

int MarkingListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columns_;
}

QVariant MarkingListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return text::toQString(list_.cell(index.column() + 1, index.row() + 1));
}

bool MarkingListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    std::optional<std::string> bytes = text::fromQString(value.toString());
    if (!bytes)
        return false;
    list_.setCell(index.column() + 1, index.row() + 1, std::move(*bytes));
    return true;
}

Qt::ItemFlags MarkingListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

QVariant MarkingListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return QString::number(section + 1);
    return section >= 0 && section < headers_.size() ? headers_.at(section) : QVariant();
}

QStringList MarkingListModel::layoutHeaders(CountBoxMode mode, const QStringList& wireSizes)
{
    switch (mode) {
    case CountBoxMode::OneBox:
        return {QStringLiteral("　　  　マーキングデータ"), QStringLiteral("個数"),
                QStringLiteral("ナンバーリング")};
    case CountBoxMode::ThreeBox: {
        QStringList headers{QStringLiteral("　　 マーキングデータ")};
        for (int i = 0; i < 3; ++i)
            headers.append(QLatin1Char(' ') + wireSizes.value(i));
        headers.append(QStringLiteral("ナンバー"));
        return headers;
    }
    case CountBoxMode::Text:
        return {QStringLiteral("　　  　マーキングデータ"), QStringLiteral("        文字列")};
    }
    return {};
}

void MarkingListModel::setColumn1Header(const QString& text)
{
    if (headers_.isEmpty() || headers_.constFirst() == text)
        return;
    headers_[0] = text;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, 0);
}

void MarkingListModel::setWireSizes(const QStringList& sizes)
{
    wireSizes_ = sizes;
    if (list_.layout() != CountBoxMode::ThreeBox)
        return;
    const QStringList fresh = layoutHeaders(CountBoxMode::ThreeBox, wireSizes_);
    for (int c = 1; c <= 3; ++c)
        headers_[c] = fresh.at(c);
    Q_EMIT headerDataChanged(Qt::Horizontal, 1, 3);
}

void MarkingListModel::onListChange(const ListChange& change)
{
    if (change.layoutChanged) {
        beginResetModel();
        columns_ = list_.columnCount();
        headers_ = layoutHeaders(list_.layout(), wireSizes_);
        endResetModel();
    } else if (change.firstRow <= change.lastRow && columns_ > 0) {
        Q_EMIT dataChanged(index(change.firstRow - 1, 0), index(change.lastRow - 1, columns_ - 1),
                           {Qt::DisplayRole, Qt::EditRole});
    }
    Q_EMIT listChanged(change.firstRow, change.lastRow, change.layoutChanged);
}

}  // namespace marking_list::ui
