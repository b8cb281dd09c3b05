#pragma once

// The window "Подробная информация": the value of every chartable statistic for one draw or one
// combination, and its five numbers on a matrix of a chosen number of columns.

#include "core/GameTypes.h"
#include "views/DrawDetail.h"

#include <QAbstractTableModel>
#include <QDialog>

class QSpinBox;
class QTableView;
class QTableWidget;

namespace app {
class Session;
}

namespace ui {

class DetailModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    DetailModel(std::vector<views::DetailRow> rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<views::DetailRow> m_rows;
};

class DetailWindow : public QDialog
{
    Q_OBJECT

public:
    // rows: what the controller computed for the numbers.
    DetailWindow(app::Session& session, std::vector<views::DetailRow> rows, const core::TComb& numbers,
                 QWidget* parent = nullptr);
    ~DetailWindow() override;

    QTableView* properties() const { return m_props; }
    DetailModel* model() const { return m_model; }
    QTableWidget* matrix() const { return m_matrix; }
    QSpinBox* columnsBox() const { return m_columns; }

private:
    void layMatrix();

    app::Session& m_session;
    core::TComb m_numbers;
    DetailModel* m_model;
    QTableView* m_props;
    QTableWidget* m_matrix;
    QSpinBox* m_columns;
};

} // namespace ui
