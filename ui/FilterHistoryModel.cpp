#include "ui/FilterHistoryModel.h"

#include "app/CandidatesController.h"
#include "app/Session.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ui {

namespace {

constexpr int kIconSize = 16;

QPixmap blankIcon()
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QPixmap barIcon(const QColor& color, bool vertical)
{
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRect(2, 6, 12, 4);
    if (vertical)
        painter.drawRect(6, 2, 4, 12);
    return pixmap;
}

QPixmap backArrowIcon()
{
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor grey(0x70, 0x70, 0x70);
    // A hook turning back to the left, with its head at the end.
    QPainterPath hook;
    hook.moveTo(13, 13);
    hook.lineTo(13, 8);
    hook.quadTo(13, 5, 10, 5);
    hook.lineTo(6, 5);
    painter.setPen(QPen(grey, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(hook);
    QPainterPath head;
    head.moveTo(1.5, 5);
    head.lineTo(7, 0.5);
    head.lineTo(7, 9.5);
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(grey);
    painter.drawPath(head);
    return pixmap;
}

} // namespace

QIcon FilterHistoryIcon(combos::FilterHistoryRow::Kind kind)
{
    switch (kind) {
    case combos::FilterHistoryRow::Kind::Kept:
        return QIcon(barIcon(QColor(0x1E, 0x9E, 0x2E), true));
    case combos::FilterHistoryRow::Kind::Removed:
        return QIcon(barIcon(QColor(0xD0, 0x20, 0x20), false));
    case combos::FilterHistoryRow::Kind::Undone:
        return QIcon(backArrowIcon());
    }
    return {};
}

FilterHistoryModel::FilterHistoryModel(app::Session& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session), m_rows(static_cast<int>(session.candidates().history().size())),
      m_kept(FilterHistoryIcon(combos::FilterHistoryRow::Kind::Kept)),
      m_removed(FilterHistoryIcon(combos::FilterHistoryRow::Kind::Removed)),
      m_undone(FilterHistoryIcon(combos::FilterHistoryRow::Kind::Undone))
{
}

int FilterHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int FilterHistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FilterHistoryModel::data(const QModelIndex& index, int role) const
{
    const std::vector<combos::FilterHistoryRow>& history = m_session.candidates().history();
    if (!index.isValid() || index.row() >= m_rows || std::size_t(index.row()) >= history.size())
        return {};
    const combos::FilterHistoryRow& row = history[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case ColName:
            return row.Name;
        case ColValues:
            return row.Values;
        case ColCount:
            return QString::number(row.Count);
        default:
            return {};
        }
    case Qt::ToolTipRole:
        return index.column() == ColValues && !row.Values.isEmpty() ? QVariant(row.Values) : QVariant();
    case Qt::DecorationRole:
        if (index.column() != ColName)
            return {};
        switch (row.Icon) {
        case combos::FilterHistoryRow::Kind::Kept:
            return m_kept;
        case combos::FilterHistoryRow::Kind::Removed:
            return m_removed;
        case combos::FilterHistoryRow::Kind::Undone:
            return m_undone;
        }
        return {};
    case Qt::TextAlignmentRole:
        return index.column() == ColCount ? int(Qt::AlignRight | Qt::AlignVCenter)
                                          : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant FilterHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColName:
        return tr("Примененные фильтры");
    case ColValues:
        return tr("Значения");
    case ColCount:
        return tr("Комбинаций");
    default:
        return {};
    }
}

void FilterHistoryModel::reload()
{
    beginResetModel();
    m_rows = static_cast<int>(m_session.candidates().history().size());
    endResetModel();
}

} // namespace ui
