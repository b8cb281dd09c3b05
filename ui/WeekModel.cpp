#include "ui/WeekModel.h"

#include "ui/DrawListModel.h"

#include <QColor>

namespace ui {

WeekModel::WeekModel(QObject* parent) : QAbstractTableModel(parent), m_days(views::WeekDayNames()) {}

int WeekModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : views::kWeekDays;
}

int WeekModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : core::NumberCount;
}

QVariant WeekModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const std::int32_t value = m_table.count(index.column() + 1, index.row() + 1);
    switch (role) {
    case Qt::DisplayRole:
        return value ? QVariant(QString::number(value)) : QVariant(QString());
    case Qt::BackgroundRole: {
        const std::uint32_t color = views::WeekCellColor(value, m_table.Max);
        return color ? QVariant(ColorFromBgr(color)) : QVariant();
    }
    case Qt::ForegroundRole:
        return value ? QVariant(QColor(Qt::black)) : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignHCenter | Qt::AlignTop);
    default:
        return {};
    }
}

QVariant WeekModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Horizontal)
        return section < core::NumberCount ? QVariant(QString::number(section + 1)) : QVariant();
    return section < views::kWeekDays ? QVariant(m_days.value(section)) : QVariant();
}

void WeekModel::setTable(const views::WeekTable& table)
{
    m_table = table;
    emit dataChanged(index(0, 0), index(views::kWeekDays - 1, core::NumberCount - 1));
}

} // namespace ui
