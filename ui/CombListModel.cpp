#include "ui/CombListModel.h"

#include "app/CandidatesController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/GameMath.h"
#include "core/TextForms.h"
#include "ui/DrawListModel.h"

#include <QColor>

namespace ui {

CombListModel::CombListModel(app::Session& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session), m_rows(static_cast<int>(session.candidates().combs().size()))
{
}

int CombListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int CombListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CombListModel::data(const QModelIndex& index, int role) const
{
    const core::TCombsArray& combs = m_session.candidates().combs();
    // A long operation lets the window repaint while it rebuilds the list, before the reset
    // that follows it: rows past the current end show nothing meanwhile.
    if (!index.isValid() || index.row() >= m_rows || std::size_t(index.row()) >= combs.size())
        return {};
    const core::TComb& comb = combs[std::size_t(index.row())];
    const int column = index.column();
    const bool isNumber = column >= ColNum1 && column <= ColNum5;
    switch (role) {
    case Qt::DisplayRole:
        if (column == ColRow)
            return QString::number(index.row() + 1);
        if (isNumber)
            return core::NumText(comb.v[column - ColNum1]);
        if (column == ColSum) {
            int sum = 0;
            for (std::uint8_t n : comb.v)
                sum += n;
            return QString::number(sum);
        }
        return {};
    case Qt::BackgroundRole:
        if (!m_session.services().windowState().ColorCombs)
            return {};
        if (isNumber)
            return ColorFromBgr(
                core::NumberColor(comb.v[column - ColNum1], m_session.statistics().config().ChannelSize));
        return QColor(Qt::white);
    case Qt::ForegroundRole:
        // Painted cells are light, so their text stays dark whatever the desktop theme.
        return m_session.services().windowState().ColorCombs ? QVariant(QColor(Qt::black)) : QVariant();
    case Qt::TextAlignmentRole:
        return column == ColRow ? int(Qt::AlignRight | Qt::AlignVCenter) : int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant CombListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == ColRow)
        return tr("№ п.п.");
    if (section >= ColNum1 && section <= ColNum5)
        return QString::number(section - ColNum1 + 1);
    if (section == ColSum)
        return QStringLiteral("S");
    return {};
}

void CombListModel::reload()
{
    beginResetModel();
    m_rows = static_cast<int>(m_session.candidates().combs().size());
    endResetModel();
}

void CombListModel::repaint()
{
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, ColumnCount - 1), {Qt::BackgroundRole, Qt::ForegroundRole});
}

} // namespace ui
