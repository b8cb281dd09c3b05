#include "ui/LayoutModels.h"

#include "app/Session.h"
#include "app/ViewsController.h"
#include "ui/DrawListModel.h"

#include <QColor>

#include <algorithm>

namespace ui {

LayoutModel::LayoutModel(app::Session& session, QObject* parent) : QAbstractTableModel(parent), m_session(session) {}

int LayoutModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid.rowCount();
}

int LayoutModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_grid.columnCount();
}

QVariant LayoutModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_grid.rowCount() || index.column() >= m_grid.columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_grid.cell(index.row(), index.column());
    case Qt::BackgroundRole:
        return ColorFromBgr(
            views::LayoutCellColor(m_grid, index.row(), index.column(), m_session.views().layoutGradient()));
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::TextAlignmentRole:
        return int(Qt::AlignHCenter | Qt::AlignTop);
    default:
        return {};
    }
}

QVariant LayoutModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Horizontal)
        return section < m_grid.columnCount() ? QVariant(QString::number(m_grid.DrawNums[std::size_t(section)]))
                                              : QVariant();
    return section < m_grid.rowCount() ? QVariant(QString::number(m_grid.Counts[std::size_t(section)])) : QVariant();
}

void LayoutModel::reload()
{
    beginResetModel();
    m_grid = m_session.views().layout();
    endResetModel();
}

void LayoutModel::repaint()
{
    if (m_grid.rowCount() > 0 && m_grid.columnCount() > 0)
        emit dataChanged(index(0, 0), index(m_grid.rowCount() - 1, m_grid.columnCount() - 1), {Qt::BackgroundRole});
}

LayoutCompareModel::LayoutCompareModel(QObject* parent) : QAbstractTableModel(parent) {}

int LayoutCompareModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_list.Rows.size());
}

int LayoutCompareModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant LayoutCompareModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole)
        return {};
    const views::LayoutCompareRow& row = m_list.Rows[std::size_t(index.row())];
    return index.column() == 0 ? QString::number(row.Count) : row.Numbers;
}

QVariant LayoutCompareModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return tr("Кол-во");
    return section == 1 ? QVariant(m_list.Caption) : QVariant();
}

void LayoutCompareModel::setList(const views::LayoutCompareList& list)
{
    beginResetModel();
    m_list = list;
    applySort();
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

void LayoutCompareModel::sort(int column, Qt::SortOrder order)
{
    // A handful of rows: a reset is simpler than moving persistent indexes.
    beginResetModel();
    m_sortColumn = column;
    m_sortOrder = order;
    applySort();
    endResetModel();
}

void LayoutCompareModel::applySort()
{
    if (m_sortColumn < 0 || m_sortColumn > 1)
        return;
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    // The counts as numbers; the numbers column by its first number, then as text.
    const auto firstNumber = [](const QString& s) { return s.section(u',', 0, 0).trimmed().toInt(); };
    std::stable_sort(m_list.Rows.begin(), m_list.Rows.end(),
                     [&](const views::LayoutCompareRow& a, const views::LayoutCompareRow& b) {
                         const views::LayoutCompareRow& x = descending ? b : a;
                         const views::LayoutCompareRow& y = descending ? a : b;
                         if (m_sortColumn == 0)
                             return x.Count < y.Count;
                         const int fx = firstNumber(x.Numbers), fy = firstNumber(y.Numbers);
                         return fx != fy ? fx < fy : x.Numbers < y.Numbers;
                     });
}

} // namespace ui
