#pragma once

// The filter history below the combination list: one row per narrowing step, with the step's
// name, the values it used and the list length after it.

#include "combos/CombList.h"

#include <QAbstractTableModel>
#include <QIcon>

namespace app {
class Session;
}

namespace ui {

class FilterHistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColName, ColValues, ColCount, ColumnCount };

    explicit FilterHistoryModel(app::Session& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void reload();

private:
    app::Session& m_session;
    int m_rows = 0;
    QIcon m_kept;
    QIcon m_removed;
    QIcon m_undone;
};

// The mark of a history row: a green plus for a step that kept combinations, a red minus for
// one that removed them, a grey arrow for a step rolled back.
QIcon FilterHistoryIcon(combos::FilterHistoryRow::Kind kind);

} // namespace ui
