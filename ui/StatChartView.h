#pragma once

// The chart under the statistics table: the observed counts of every value and, with the
// full-set comparison, the counts all combinations would give, scaled to the window. The value
// texts label the x axis as far as they fit; hovering a point names its value and count.

#include "views/StatTable.h"

#include <QChartView>

#include <map>

class QCategoryAxis;
class QLineSeries;
class QValueAxis;

namespace ui {

class StatChartView : public QChartView
{
    Q_OBJECT

public:
    explicit StatChartView(QWidget* parent = nullptr);

    // Rebuilds the chart from scratch; an empty chart shows no series.
    void showChart(const views::StatChart& data);
    QList<QLineSeries*> lineSeries() const;
    // The value texts shown on the x axis now.
    QStringList axisLabels() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineSeries* addSeries(const QString& title, const std::vector<views::ChartPoint>& points);
    void relabel();
    void showPointTip(const QLineSeries* series, const QPointF& at, bool entered);

    QCategoryAxis* m_axisX;
    QValueAxis* m_axisY;
    QLineSeries* m_actual = nullptr;
    // The value text of every x position of the chart.
    std::map<double, QString> m_labels;
    std::map<const QLineSeries*, std::vector<views::ChartPoint>> m_points;
};

} // namespace ui
