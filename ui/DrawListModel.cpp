#include "ui/DrawListModel.h"

#include "app/ArchiveController.h"
#include "app/Session.h"
#include "app/StatisticsController.h"
#include "core/DrawArchive.h"

#include <QColor>

namespace ui {

QColor ColorFromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

DrawListModel::DrawListModel(app::Session& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session), m_rows(static_cast<int>(session.archive().draws().size()))
{
}

int DrawListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int DrawListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : core::DrawColumnCount;
}

QVariant DrawListModel::data(const QModelIndex& index, int role) const
{
    const core::TDrawsArray& draws = m_session.archive().draws();
    const int element = core::DrawIndexOfRow(draws, index.row());
    if (!index.isValid() || element < 0)
        return {};
    const core::TDrawRec& draw = draws[static_cast<std::size_t>(element)];
    const app::WindowStateData& state = m_session.services().windowState();
    switch (role) {
    case Qt::DisplayRole:
        return core::DrawCellText(draw, index.column(), state.SortedDraws);
    case Qt::BackgroundRole: {
        const std::uint32_t color =
            core::DrawCellColor(draw, index.row(), index.column(), m_session.archive().offset(), state.SortedDraws,
                                state.ColorDraws, m_session.statistics().config().ChannelSize);
        return color ? QVariant(ColorFromBgr(color)) : QVariant();
    }
    case Qt::ForegroundRole:
        // Coloured cells are light, so their text stays dark whatever the desktop theme.
        if (state.ColorDraws || index.row() == m_session.archive().offset())
            return QColor(Qt::black);
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == core::DrawColDate ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant DrawListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const QStringList captions = core::DrawColumnCaptions();
    return section >= 0 && section < captions.size() ? QVariant(captions[section]) : QVariant();
}

void DrawListModel::reload()
{
    beginResetModel();
    m_rows = static_cast<int>(m_session.archive().draws().size());
    endResetModel();
}

void DrawListModel::repaint()
{
    if (m_rows > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, core::DrawColumnCount - 1));
}

} // namespace ui
