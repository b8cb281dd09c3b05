#pragma once

// The list of regular table stakes: a virtual model over the session's rules, one row per rule
// while their page is shown. A rule that cannot make a stake shows in red with the reason.

#include <QAbstractTableModel>

namespace app {
class TablesController;
}

namespace ui {

class TablesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TablesModel(app::TablesController& tables, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The rules changed: produced anew, the selection goes.
    void reload();

private:
    app::TablesController& m_tables;
    int m_rows = 0;
};

} // namespace ui
