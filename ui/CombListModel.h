#pragma once

// The combination list: a virtual model over the session's candidates. A row is formatted
// only when the view asks for it, so millions of rows cost nothing until they are shown.

#include <QAbstractTableModel>

namespace app {
class Session;
}

namespace ui {

class CombListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColRow, ColNum1, ColNum5 = ColNum1 + 4, ColSum, ColumnCount };

    explicit CombListModel(app::Session& session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The list changed: rows are produced anew and the selection goes.
    void reload();
    // Only the colours changed.
    void repaint();

private:
    app::Session& m_session;
    int m_rows = 0;
};

} // namespace ui
