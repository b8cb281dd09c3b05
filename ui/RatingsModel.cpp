#include "ui/RatingsModel.h"

#include "app/RatingsController.h"

namespace ui {

RatingsModel::RatingsModel(app::RatingsController& ratings, QObject* parent)
    : QAbstractTableModel(parent), m_ratings(ratings), m_rows(int(ratings.rows().size()))
{
}

int RatingsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int RatingsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : scripts::RatingColumnCount;
}

QVariant RatingsModel::data(const QModelIndex& index, int role) const
{
    // Rows past the current end (the array grows during a check before the list reloads) show
    // nothing meanwhile.
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_ratings.cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return index.column() == scripts::RColName ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                                   : int(Qt::AlignRight | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant RatingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return scripts::RatingColumnCaptions().value(section);
}

void RatingsModel::reload()
{
    beginResetModel();
    m_rows = int(m_ratings.rows().size());
    endResetModel();
}

void RatingsModel::repaintEfficiency()
{
    if (m_rows > 0)
        emit dataChanged(index(0, scripts::RColEff0), index(m_rows - 1, scripts::RColEff5), {Qt::DisplayRole});
}

} // namespace ui
