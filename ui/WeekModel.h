#pragma once

// The week statistics as a model: seven rows (the weekdays, Monday first, named in the row
// header) by 54 columns (the numbers); a cell shows how many draws of that weekday held the
// number, empty for none, and is shaded from white to red by its share of the largest count.

#include "views/WeekStats.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace ui {

class WeekModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit WeekModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setTable(const views::WeekTable& table);
    const views::WeekTable& table() const { return m_table; }
    const QStringList& dayNames() const { return m_days; }

private:
    views::WeekTable m_table;
    QStringList m_days;
};

} // namespace ui
