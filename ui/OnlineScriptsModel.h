#pragma once

// The list lvOnlineScripts: one row per script of the online catalogue, with the icon of a
// public or a private script in the column "Тип". Sorting is left to the view's proxy; the sort
// role gives raw numbers and times.

#include <QAbstractTableModel>
#include <QIcon>

namespace app {
class OnlineScripts;
}

namespace ui {

class OnlineScriptsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        ColKind,
        ColTitle,
        ColAuthor,
        ColProgram,
        ColVersion,
        ColLanguage,
        ColCreated,
        ColRating,
        ColRatingCount,
        ColMyRating,
        ColDownloads,
        ColLastDownload,
        ColDescr,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit OnlineScriptsModel(app::OnlineScripts& library, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The icons of public and private scripts.
    static QIcon kindIcon(bool publics);

private:
    app::OnlineScripts& m_library;
};

} // namespace ui
