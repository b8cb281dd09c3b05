#include "ui/StakesModel.h"

#include "app/StakesController.h"
#include "core/TextForms.h"

#include <algorithm>
#include <limits>

namespace ui {

QColor StakeKindColor(int kind)
{
    switch (kind) {
    case stakes::KindManual:
        return QColor(0xEA, 0xFF, 0xEA);
    case stakes::KindTable:
        return QColor(0xFF, 0xEA, 0xEA);
    case stakes::KindScript:
        return QColor(0xEA, 0xFF, 0xFF);
    case stakes::KindSystem:
        return QColor(0xFC, 0xFD, 0xD9);
    default:
        return {};
    }
}

std::vector<StakeNumberRun> StakeNumberRuns(const stakes::TStakeRec& rec, int column)
{
    std::vector<StakeNumberRun> runs;
    if (rec.DrawNum <= 0)
        return runs;
    const bool checked = rec.Checked != 0;
    const auto matched = [&rec, checked](int number) {
        if (!checked)
            return false;
        const int count = std::clamp(rec.Matches.Count, 0, int(std::size(rec.Matches.Values)));
        return std::find(rec.Matches.Values, rec.Matches.Values + count, number) != rec.Matches.Values + count;
    };
    if (column == stakes::ColNumbers) {
        const int count = std::clamp(rec.Numbers.Count, 0, int(std::size(rec.Numbers.Values)));
        for (int i = 0; i < count; ++i)
            runs.push_back({QString::number(rec.Numbers.Values[i]), matched(rec.Numbers.Values[i])});
    } else if (column == stakes::ColDrawValues && checked) {
        for (std::uint8_t value : rec.DrawValues)
            runs.push_back({QString::number(value), matched(value)});
    }
    return runs;
}

StakesModel::StakesModel(app::StakesController& stakes, QObject* parent)
    : QAbstractTableModel(parent), m_stakes(stakes), m_decimalPoint(core::SystemDecimalPoint())
{
}

int StakesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int StakesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : stakes::StakeColumnCount;
}

void StakesModel::forget() const
{
    for (CachedRow& slot : m_cache)
        slot.row = -1;
}

stakes::TStakeRec StakesModel::record(int row) const
{
    if (row < 0 || row >= m_rows || row >= m_stakes.count())
        return {};
    CachedRow& slot = m_cache[std::size_t(row) % m_cache.size()];
    if (slot.row != row) {
        // Painting never shows a message: an unreadable record is a blank row.
        slot.rec = m_stakes.peek(row);
        slot.row = row;
    }
    return slot.rec;
}

QVariant StakesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return stakes::StakeCellText(record(index.row()), column, m_decimalPoint);
    case Qt::BackgroundRole: {
        const QColor color = StakeKindColor(record(index.row()).Kind);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::ForegroundRole: {
        if (column < stakes::ColMatchCount || column > stakes::ColProfit)
            return {};
        const stakes::TStakeRec rec = record(index.row());
        if (rec.DrawNum <= 0 || !rec.Checked)
            return {};
        return QColor::fromRgb(rec.Profit > 0 ? kStakeWonColor : kStakeLostColor);
    }
    case Qt::TextAlignmentRole:
        if (column == stakes::ColProfit)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (column == stakes::ColComment)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant StakesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return stakes::StakeColumnCaptions().value(section);
}

void StakesModel::setRows(qint64 rows, bool repaint)
{
    forget();
    const int wanted = int(std::clamp<qint64>(rows, 1, std::numeric_limits<int>::max()));
    // Rows come and go at the end, so the selection of the rows that stay is kept.
    if (wanted > m_rows) {
        beginInsertRows({}, m_rows, wanted - 1);
        m_rows = wanted;
        endInsertRows();
    } else if (wanted < m_rows) {
        beginRemoveRows({}, wanted, m_rows - 1);
        m_rows = wanted;
        endRemoveRows();
    }
    // The last row may show another record under the same count: the blank row of an empty
    // file becomes the first stake.
    if (repaint)
        emit dataChanged(index(0, 0), index(m_rows - 1, stakes::StakeColumnCount - 1));
    else
        emit dataChanged(index(m_rows - 1, 0), index(m_rows - 1, stakes::StakeColumnCount - 1));
}

} // namespace ui
