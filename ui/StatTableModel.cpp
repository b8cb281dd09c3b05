#include "ui/StatTableModel.h"

#include <QHash>

#include <cstring>

namespace ui {

namespace {

quint64 keyOf(const views::StatTableRow& row)
{
    quint64 key = 0;
    std::memcpy(&key, &row.Rec.Key, sizeof key);
    return key;
}

} // namespace

StatTableModel::StatTableModel(QObject* parent) : QAbstractTableModel(parent) {}

int StatTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int StatTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : views::StatColumnCount;
}

QVariant StatTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= views::StatColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_rows[std::size_t(index.row())].Cells[std::size_t(index.column())];
    case Qt::TextAlignmentRole:
        return index.column() == views::ColValue ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                 : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant StatTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= views::StatColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return views::StatColumnCaptions().value(section);
    // A newly clicked column starts ascending; the header reverses a second click itself.
    if (role == Qt::InitialSortOrderRole)
        return int(Qt::AscendingOrder);
    return {};
}

void StatTableModel::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    if (m_rows.empty() || column < 0 || column >= views::StatColumnCount)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Every value occurs once in a table, so its key finds its row again after the sort.
    const QModelIndexList before = persistentIndexList();
    std::vector<quint64> keys;
    keys.reserve(std::size_t(before.size()));
    for (const QModelIndex& index : before)
        keys.push_back(keyOf(m_rows[std::size_t(index.row())]));
    views::SortStatRows(m_rows, column, order == Qt::DescendingOrder);
    QHash<quint64, int> rowOfKey;
    for (std::size_t r = 0; r < m_rows.size(); ++r)
        rowOfKey.insert(keyOf(m_rows[r]), int(r));
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(rowOfKey.value(keys[std::size_t(i)]), before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void StatTableModel::setRows(std::vector<views::StatTableRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    views::SortStatRows(m_rows, m_sortColumn, m_sortOrder == Qt::DescendingOrder);
    endResetModel();
}

} // namespace ui
