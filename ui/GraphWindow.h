#pragma once

// The general graph window ("График"): any number of named line series from the logic. Its
// switch shows and hides the value marks of the series that were created with marks. The
// window keeps its placement in the window-state file.

#include "core/GraphData.h"

#include <QDialog>

class QCheckBox;
class QChartView;
class QLineSeries;

namespace ui {

class GraphWindow : public QDialog
{
    Q_OBJECT

public:
    // stateFile: where the placement is kept; empty keeps it nowhere.
    GraphWindow(const core::GraphData& graph, const QString& stateFile, QWidget* parent = nullptr);
    ~GraphWindow() override;

    QChartView* chartView() const { return m_view; }
    QCheckBox* marksBox() const { return m_marks; }
    QList<QLineSeries*> lineSeries() const;

private:
    void showMarks(bool on);

    QString m_stateFile;
    QChartView* m_view;
    QCheckBox* m_marks;
    // The series created with marks, which the switch governs.
    QList<QLineSeries*> m_markable;
};

} // namespace ui
