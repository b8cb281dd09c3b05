#pragma once

// The statistics table: the rows of the last calculation, in the order the person sorted them.

#include "views/StatTable.h"

#include <QAbstractTableModel>

#include <vector>

namespace ui {

class StatTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit StatTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Keeps the rows of persistent indexes (the selection) with their values.
    void sort(int column, Qt::SortOrder order) override;

    // Takes the rows of a new calculation and orders them by the current sort.
    void setRows(std::vector<views::StatTableRow> rows);
    const views::StatTableRow& row(int r) const { return m_rows[std::size_t(r)]; }

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

private:
    std::vector<views::StatTableRow> m_rows;
    int m_sortColumn = views::ColCount;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace ui
