#pragma once

// The page "Неделя": how often each number fell on each weekday over a window of draws before
// the analysis point, as a heat grid, and a chart of one number over the weekdays or of one
// weekday over the numbers. Picked columns keep or remove the combinations with those numbers.

#include "views/WeekStats.h"

#include <QWidget>

#include <vector>

class QAction;
class QMenu;
class QSpinBox;
class QSplitter;
class QTableView;

namespace app {
class Session;
}

namespace core {
class IniFile;
}

namespace ui {

class SeriesChartView;
class WeekModel;

class WeekPage : public QWidget
{
    Q_OBJECT

public:
    explicit WeekPage(app::Session& session, QWidget* parent = nullptr);

    QSpinBox* lengthBox() const { return m_length; }
    QTableView* grid() const { return m_grid; }
    WeekModel* model() const { return m_model; }
    SeriesChartView* chart() const { return m_chart; }
    QMenu* chartMenu() const { return m_chartMenu; }

    void setCommands(const QList<QAction*>& commands);
    void calculate(bool force);

    // 1: one number over the weekdays; 0: one weekday over the numbers. Stored at once.
    views::WeekChartMode chartMode() const { return m_mode; }
    void setChartMode(views::WeekChartMode mode);
    // Line chart when set, bars otherwise. Stored at once.
    bool lineChart() const { return m_lines; }
    void setLineChart(bool lines);
    // Redraws the chart for the grid's current cell.
    void redrawChart();

    bool canFilter() const;
    // The numbers of the selected columns, ascending.
    std::vector<int> selectedNumbers() const;
    void filterSelected(bool exclude);

    void loadLayout(const core::IniFile& ini, const QString& section);
    void storeLayout(core::IniFile& ini, const QString& section) const;

signals:
    void actionStatesChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onWeekChanged();
    void applyChartHeight();

    app::Session& m_session;
    QSpinBox* m_length;
    QWidget* m_buttons;
    QSplitter* m_splitter;
    WeekModel* m_model;
    QTableView* m_grid;
    SeriesChartView* m_chart;
    QMenu* m_chartMenu;
    views::WeekChartMode m_mode = views::WeekChartMode::Numbers;
    bool m_lines = false;
    int m_chartHeight;
    bool m_chartHeightPending = true;
};

} // namespace ui
