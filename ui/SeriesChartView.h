#pragma once

// A chart of named series from the logic: lines (with optional square points and value marks)
// or bars. The series come as plain points; with labelled x the points' labels name the x
// positions, thinned out so that neighbouring labels never overlap.

#include "core/GraphData.h"

#include <QChartView>

#include <map>

class QAbstractAxis;
class QLineSeries;
class QValueAxis;

namespace ui {

class SeriesChartView : public QChartView
{
    Q_OBJECT

public:
    enum class Kind { Lines, Bars };

    explicit SeriesChartView(QWidget* parent = nullptr);

    // Rebuilds the chart from scratch; empty data shows an empty chart.
    void showSeries(const core::GraphData& data, Kind kind = Kind::Lines, bool labelledX = false);
    void clear();
    // Shows or hides the value marks of the first series.
    void setMarksVisible(bool on);
    // Square points of the given size, filled with fill and outlined with outline.
    void setSquarePoints(QLineSeries* series, const QColor& fill, const QColor& outline, int size = 4);

    Kind kind() const { return m_kind; }
    QList<QAbstractSeries*> allSeries() const;
    QList<QLineSeries*> lineSeries() const;
    QStringList xLabels() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void relabel();

    Kind m_kind = Kind::Lines;
    QAbstractAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
    bool m_labelledX = false;
    std::map<double, QString> m_labels;
};

} // namespace ui
