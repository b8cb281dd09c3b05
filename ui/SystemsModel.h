#pragma once

// The list lvSystems: one row per system of the controller, with its state icon in the first
// column. Sorting is left to the view's proxy; the sort role gives raw numbers and times.

#include <QAbstractTableModel>
#include <QIcon>

namespace app {
class SystemsController;
enum class SystemRowState;
} // namespace app

namespace ui {

class SystemsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        ColTitle,
        ColAuthor,
        ColNums,
        ColOlap,
        ColCSize,
        ColCreated,
        ColStatus,
        ColDownloads,
        ColLastDownload,
        ColDescr,
        ColUrl,
        ColGuarantee,
        ColBestKnown,
        ColLowerBound,
        ColumnCount
    };
    static constexpr int SortRole = Qt::UserRole + 1;

    explicit SystemsModel(app::SystemsController& systems, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The icon of a row state; null for none.
    static QIcon stateIcon(app::SystemRowState state);

private:
    app::SystemsController& m_systems;
};

} // namespace ui
