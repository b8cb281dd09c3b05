#pragma once

// The window "Количество повторов в зависимости от тиража": for each of the newest draws, how
// many earlier draws shared 1, 2, 3... numbers with it, as a list and as one line per count.

#include "views/Repeats.h"

#include <QAbstractTableModel>
#include <QDialog>

class QSpinBox;
class QSplitter;
class QTableView;

namespace app {
class Session;
}

namespace ui {

class SeriesChartView;

class RepeatsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit RepeatsModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void setRows(std::vector<views::RepeatsRow> rows);

private:
    std::vector<views::RepeatsRow> m_rows;
};

class RepeatsWindow : public QDialog
{
    Q_OBJECT

public:
    RepeatsWindow(app::Session& session, QWidget* parent = nullptr);
    ~RepeatsWindow() override;

    QSpinBox* lengthBox() const { return m_length; }
    QSpinBox* deepBox() const { return m_deep; }
    QTableView* list() const { return m_list; }
    RepeatsModel* model() const { return m_model; }
    SeriesChartView* chart() const { return m_chart; }

    void calculate();

private:
    app::Session& m_session;
    QSpinBox* m_length;
    QSpinBox* m_deep;
    QSplitter* m_splitter;
    RepeatsModel* m_model;
    QTableView* m_list;
    SeriesChartView* m_chart;
};

} // namespace ui
