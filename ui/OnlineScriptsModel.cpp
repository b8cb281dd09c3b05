#include "ui/OnlineScriptsModel.h"

#include "app/Languages.h"
#include "app/OnlineScripts.h"
#include "online/Conventions.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ui {

namespace {

// A public script: a globe; a private one: a padlock.
QIcon makeIcon(bool publics)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    if (publics) {
        const QColor blue(0x2f, 0x6f, 0xc8);
        painter.setPen(QPen(blue.darker(130), 1.2));
        painter.setBrush(blue.lighter(160));
        painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRectF(5, 1.5, 6, 13));
        painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        painter.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    } else {
        const QColor brown(0xb0, 0x7a, 0x1e);
        painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.6));
        painter.setBrush(Qt::NoBrush);
        QPainterPath shackle;
        shackle.moveTo(4.5, 8);
        shackle.lineTo(4.5, 5);
        shackle.arcTo(QRectF(4.5, 1.5, 7, 7), 180, -180);
        shackle.lineTo(11.5, 8);
        painter.drawPath(shackle);
        painter.setPen(QPen(brown.darker(140), 1));
        painter.setBrush(brown);
        painter.drawRoundedRect(QRectF(2.5, 7.5, 11, 7), 1.5, 1.5);
    }
    return QIcon(pixmap);
}

} // namespace

OnlineScriptsModel::OnlineScriptsModel(app::OnlineScripts& library, QObject* parent)
    : QAbstractTableModel(parent), m_library(library)
{
    connect(&library, &app::OnlineScripts::listReset, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int OnlineScriptsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_library.rows().size());
}

int OnlineScriptsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QIcon OnlineScriptsModel::kindIcon(bool publics)
{
    static const QIcon publicIcon = makeIcon(true), privateIcon = makeIcon(false);
    return publics ? publicIcon : privateIcon;
}

QVariant OnlineScriptsModel::data(const QModelIndex& index, int role) const
{
    const online::tScriptInfo* s = index.isValid() ? m_library.row(index.row()) : nullptr;
    if (!s)
        return {};
    if (role == Qt::DecorationRole && index.column() == ColKind)
        return kindIcon(s->publics);
    if (role == Qt::ToolTipRole && index.column() == ColKind)
        return s->publics ? tr("Сценарий виден всем пользователям") : tr("Сценарий виден только автору");
    if (role == Qt::TextAlignmentRole) {
        switch (index.column()) {
        case ColRating:
        case ColRatingCount:
        case ColMyRating:
        case ColDownloads:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        default:
            return {};
        }
    }
    if (role == SortRole) {
        switch (index.column()) {
        case ColCreated:
            return s->created;
        case ColRating:
            return s->rating;
        case ColRatingCount:
            return s->rating_cnt;
        case ColMyRating:
            return s->rating_you;
        case ColDownloads:
            return s->downloads;
        case ColLastDownload:
            return s->last_download;
        default:
            return data(index, Qt::DisplayRole);
        }
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case ColKind:
        return app::OnlineScripts::kindText(*s);
    case ColTitle:
        return s->title;
    case ColAuthor:
        return s->author;
    case ColProgram:
        return app::OnlineScripts::programText(*s);
    case ColVersion:
        return s->app_ver;
    case ColLanguage:
        return app::LanguageAbbreviation(s->lcid);
    case ColCreated:
        return online::TimeText(s->created);
    case ColRating:
        return QLocale().toString(s->rating, 'f', 3);
    case ColRatingCount:
        return QString::number(s->rating_cnt);
    case ColMyRating:
        return app::OnlineScripts::myRatingText(*s);
    case ColDownloads:
        return QString::number(s->downloads);
    case ColLastDownload:
        return online::TimeText(s->last_download);
    case ColDescr: {
        // One line in the list; the properties show the whole text.
        QString text = s->descr;
        return text.replace(u'\r', u' ').replace(u'\n', u' ');
    }
    default:
        return {};
    }
}

QVariant OnlineScriptsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColKind:
        return tr("Тип");
    case ColTitle:
        return tr("Название");
    case ColAuthor:
        return tr("Автор");
    case ColProgram:
        return tr("Программа");
    case ColVersion:
        return tr("Версия");
    case ColLanguage:
        return tr("Язык");
    case ColCreated:
        return tr("Создан");
    case ColRating:
        return tr("Рейтинг");
    case ColRatingCount:
        return tr("Оценок");
    case ColMyRating:
        return tr("Ваша оценка");
    case ColDownloads:
        return tr("Загрузок");
    case ColLastDownload:
        return tr("Последняя");
    case ColDescr:
        return tr("Комментарии");
    default:
        return {};
    }
}

} // namespace ui
