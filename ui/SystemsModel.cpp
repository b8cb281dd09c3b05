#include "ui/SystemsModel.h"

#include "app/SystemsController.h"
#include "online/Conventions.h"

#include <QColor>
#include <QPainter>
#include <QPixmap>

namespace ui {

namespace {

// One icon per state: the colour says whose system it is (own green, another user's blue, no
// address grey), a filled disc that it is on this computer, a ring that it is only in the library.
QIcon makeIcon(const QColor& colour, bool local)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour.darker(140), 1.5));
    painter.setBrush(local ? QBrush(colour) : QBrush(Qt::NoBrush));
    painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
    if (local) {
        painter.setPen(QPen(Qt::white, 1.8));
        painter.drawLine(QPointF(5, 8.5), QPointF(7.3, 10.8));
        painter.drawLine(QPointF(7.3, 10.8), QPointF(11.2, 5.4));
    }
    return QIcon(pixmap);
}

} // namespace

SystemsModel::SystemsModel(app::SystemsController& systems, QObject* parent)
    : QAbstractTableModel(parent), m_systems(systems)
{
    connect(&systems, &app::SystemsController::listReset, this, [this] {
        beginResetModel();
        endResetModel();
    });
    connect(&systems, &app::SystemsController::rowChanged, this, [this](int row) {
        if (row >= 0 && row < rowCount())
            emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    });
}

int SystemsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_systems.rows().size());
}

int SystemsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QIcon SystemsModel::stateIcon(app::SystemRowState state)
{
    using S = app::SystemRowState;
    static const QColor own(0x2e, 0x9d, 0x3a), foreign(0x2f, 0x6f, 0xc8), unknown(0x8a, 0x8a, 0x8a);
    switch (state) {
    case S::LocalOwn:
        return makeIcon(own, true);
    case S::LocalForeign:
        return makeIcon(foreign, true);
    case S::LocalUnknown:
        return makeIcon(unknown, true);
    case S::RemoteOwn:
        return makeIcon(own, false);
    case S::RemoteForeign:
        return makeIcon(foreign, false);
    case S::RemoteUnknown:
        return makeIcon(unknown, false);
    case S::None:
        break;
    }
    return {};
}

QVariant SystemsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_systems.rows().size())
        return {};
    const app::SystemRow& row = m_systems.rows()[std::size_t(index.row())];
    const stakes::tSystemData& s = row.Data;
    // A placeholder, or a row not yet numbered by the library, has no numbers to show.
    const bool numbered = s.id > 0 || row.FileOnly;
    if (role == Qt::DecorationRole && index.column() == ColTitle)
        return stateIcon(m_systems.rowState(index.row()));
    if (role == SortRole) {
        switch (index.column()) {
        case ColNums:
            return s.nums;
        case ColOlap:
            return s.olap;
        case ColCSize:
            return s.csize;
        case ColDownloads:
            return s.downloads;
        case ColCreated:
            return s.created;
        case ColLastDownload:
            return s.last_download;
        case ColBestKnown:
            return row.Sizes.BestKnown;
        case ColLowerBound:
            return qlonglong(row.Sizes.LowerBound);
        default:
            return data(index, Qt::DisplayRole);
        }
    }
    if (role == Qt::ToolTipRole && index.column() == ColTitle && row.FileOnly)
        return row.Data.descr.isEmpty() ? tr("Система на этом компьютере") : row.Data.descr;
    // A system that does not hold its block is marked wherever the person looks at it.
    if (row.Check.Hole) {
        if (role == Qt::ForegroundRole)
            return QColor(0xc0, 0x20, 0x20);
        if (role == Qt::ToolTipRole)
            return tr("Система не выполняет заявленную гарантию: %1 из 5 вместо %2 из 5")
                .arg(row.Check.Guarantee)
                .arg(s.olap);
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ColTitle:
        return s.title;
    case ColAuthor:
        return s.author;
    case ColNums:
        return numbered ? QStringLiteral("%1").arg(s.nums, 2, 10, QLatin1Char('0')) : QString();
    case ColOlap:
        return numbered ? QString::number(s.olap) : QString();
    case ColCSize:
        return numbered ? QString::number(s.csize) : QString();
    case ColCreated:
        return online::TimeText(s.created);
    case ColStatus:
        return row.Local ? tr("Загружена") : QString();
    case ColDownloads:
        return numbered && !row.FileOnly ? QString::number(s.downloads) : QString();
    case ColLastDownload:
        return online::TimeText(s.last_download);
    case ColDescr:
        return row.FileOnly ? QString() : s.descr;
    case ColUrl:
        return s.url;
    case ColGuarantee:
        if (!row.Check.Checked)
            return QString();
        return row.Check.Hole ? tr("%1 из 5 (заявлено %2)").arg(row.Check.Guarantee).arg(s.olap)
                              : tr("%1 из %2").arg(row.Check.Guarantee).arg(row.Check.Drawn);
    case ColBestKnown:
        return numbered && row.Sizes.BestKnown > 0 ? QString::number(row.Sizes.BestKnown) : QString();
    case ColLowerBound:
        return numbered && row.Sizes.LowerBound > 0 ? QString::number(row.Sizes.LowerBound) : QString();
    default:
        return {};
    }
}

QVariant SystemsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColTitle:
        return tr("Название");
    case ColAuthor:
        return tr("Автор");
    case ColNums:
        return tr("Числа");
    case ColOlap:
        return tr("Блок");
    case ColCSize:
        return tr("Комбинаций");
    case ColCreated:
        return tr("Дата создания");
    case ColStatus:
        return tr("Статус");
    case ColDownloads:
        return tr("Загрузок");
    case ColLastDownload:
        return tr("Последняя");
    case ColDescr:
        return tr("Комментарии");
    case ColUrl:
        return tr("Ссылка");
    case ColGuarantee:
        return tr("Гарантия");
    case ColBestKnown:
        return tr("Лучшая известная");
    case ColLowerBound:
        return tr("Нижняя граница");
    default:
        return {};
    }
}

} // namespace ui
