#include "ui/TablesModel.h"

#include "app/TablesController.h"

#include <QColor>

namespace ui {

TablesModel::TablesModel(app::TablesController& tables, QObject* parent)
    : QAbstractTableModel(parent), m_tables(tables), m_rows(tables.rowCount())
{
}

int TablesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TablesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : stakes::TableColumnCount;
}

QVariant TablesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows || std::size_t(index.row()) >= m_tables.rules().size())
        return {};
    const stakes::TTableRec& rule = m_tables.rules()[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return stakes::TableCellText(rule, index.column());
    case Qt::TextAlignmentRole:
        return index.column() == stakes::TColComment ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                     : QVariant(Qt::AlignCenter);
    case Qt::ForegroundRole:
    case Qt::ToolTipRole: {
        // Only what the record itself holds is judged here; the draw of last-draw rules is
        // looked at when a stake is made.
        const core::TComb anyDraw{{1, 2, 3, 4, 5}};
        const QString why = stakes::TableCheck(rule, anyDraw);
        if (why.isEmpty())
            return {};
        return role == Qt::ToolTipRole ? QVariant(why) : QVariant(QColor(Qt::red));
    }
    default:
        return {};
    }
}

QVariant TablesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= stakes::TableColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return stakes::TableColumnCaptions().value(section);
    if (role == Qt::TextAlignmentRole)
        return section == stakes::TColComment ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    return {};
}

void TablesModel::reload()
{
    beginResetModel();
    m_rows = m_tables.rowCount();
    endResetModel();
}

} // namespace ui
