#include "ui/CardModel.h"

#include "app/ArchiveController.h"
#include "app/Session.h"
#include "app/ViewsController.h"
#include "ui/DrawListModel.h"
#include "views/NumberCard.h"

#include <QColor>

namespace ui {

CardModel::CardModel(app::Session& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session), m_masks(views::CardMasks(session.archive().draws()))
{
}

int CardModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_masks.size());
}

int CardModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant CardModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_masks.size()))
        return {};
    const int column = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return views::CardCellText(m_session.archive().draws(), index.row(), column);
    case Qt::BackgroundRole: {
        const std::uint32_t color = views::CardCellColor(m_masks, index.row(), column, m_session.views().cardLook());
        return color ? QVariant(ColorFromBgr(color)) : QVariant();
    }
    case Qt::ForegroundRole:
        // Coloured cells are light, so their text stays dark whatever the desktop theme.
        return views::CardCellColor(m_masks, index.row(), column, m_session.views().cardLook())
                   ? QVariant(QColor(Qt::black))
                   : QVariant();
    case Qt::TextAlignmentRole:
        return int(Qt::AlignHCenter | Qt::AlignTop);
    default:
        return {};
    }
}

QVariant CardModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section == kColumns - 1 ? QStringLiteral("E") : QString::number(section + 1);
    const core::TDrawRec* draw = views::CardDraw(m_session.archive().draws(), section);
    return draw ? QVariant(QString::number(draw->Num)) : QVariant();
}

void CardModel::reload()
{
    beginResetModel();
    m_masks = views::CardMasks(m_session.archive().draws());
    endResetModel();
}

void CardModel::repaint()
{
    if (!m_masks.empty())
        emit dataChanged(index(0, 0), index(int(m_masks.size()) - 1, kColumns - 1), {Qt::BackgroundRole});
}

} // namespace ui
