#pragma once

// The rating list: a virtual model over the session's rating rows, formatted on demand in the
// current efficiency mode.

#include <QAbstractTableModel>

namespace app {
class RatingsController;
}

namespace ui {

class RatingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RatingsModel(app::RatingsController& ratings, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The rows changed (count, order or values): produced anew, the selection goes.
    void reload();
    // Only the efficiency columns changed.
    void repaintEfficiency();

private:
    app::RatingsController& m_ratings;
    int m_rows = 0;
};

} // namespace ui
