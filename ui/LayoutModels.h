#pragma once

// The models of the page "Схема": the layout grid (rows = counts, columns = draws of the last
// occurrence, both in the headers) and one comparison list (count, numbers), sortable by
// either column.

#include "views/LayoutScheme.h"

#include <QAbstractTableModel>

namespace app {
class Session;
}

namespace ui {

class LayoutModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit LayoutModel(app::Session& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The controller built a new grid.
    void reload();
    void repaint();

private:
    app::Session& m_session;
    views::LayoutGrid m_grid;
};

class LayoutCompareModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit LayoutCompareModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order) override;

    // New rows keep the sort the person chose.
    void setList(const views::LayoutCompareList& list);

private:
    void applySort();

    views::LayoutCompareList m_list;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace ui
