#include "ui/GraphWindow.h"

#include "core/IniFile.h"
#include "ui/DrawListModel.h"
#include "ui/WindowLayout.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {

namespace {

const QString kSection = QStringLiteral("TFormGraph");

// Pads a range so that points on its edges stay inside the plot.
std::pair<double, double> paddedRange(double lo, double hi)
{
    if (lo > hi)
        return {0, 1};
    const double pad = hi > lo ? (hi - lo) * 0.05 : std::max(1.0, std::fabs(hi) * 0.05);
    return {lo - pad, hi + pad};
}

} // namespace

GraphWindow::GraphWindow(const core::GraphData& graph, const QString& stateFile, QWidget* parent)
    : QDialog(parent), m_stateFile(stateFile)
{
    setObjectName(QStringLiteral("TFormGraph"));
    setWindowTitle(graph.Title.isEmpty() ? tr("График") : graph.Title);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    resize(800, 500);

    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* axisX = new QValueAxis;
    auto* axisY = new QValueAxis;
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);

    double minX = std::numeric_limits<double>::max(), maxX = std::numeric_limits<double>::lowest();
    double minY = minX, maxY = maxX;
    bool integralX = true;
    for (const core::GraphSeries& s : graph.Series) {
        auto* line = new QLineSeries;
        line->setName(s.Title);
        QPen pen = line->pen();
        pen.setWidth(2);
        if (s.Color != 0)
            pen.setColor(ColorFromBgr(s.Color));
        line->setPen(pen);
        line->setPointsVisible(s.ShowPoints);
        line->setMarkerSize(3);
        line->setPointLabelsFormat(QStringLiteral("@yPoint"));
        line->setPointLabelsClipping(false);
        line->setPointLabelsVisible(s.ShowMarks);
        for (const core::GraphPoint& p : s.Points) {
            line->append(p.X, p.Y);
            minX = std::min(minX, p.X);
            maxX = std::max(maxX, p.X);
            minY = std::min(minY, p.Y);
            maxY = std::max(maxY, p.Y);
            integralX = integralX && p.X == std::trunc(p.X);
        }
        chart->addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(axisY);
        if (s.Markable)
            m_markable << line;
    }
    const auto [x0, x1] = paddedRange(minX, maxX);
    const auto [y0, y1] = paddedRange(minY, maxY);
    axisX->setRange(x0, x1);
    axisY->setRange(y0, y1);
    if (integralX)
        axisX->setLabelFormat(QStringLiteral("%d"));

    m_view = new QChartView(chart, this);
    m_view->setObjectName(QStringLiteral("crtGraph"));
    m_view->setRenderHint(QPainter::Antialiasing);

    m_marks = new QCheckBox(tr("Отображать метки на графиках"), this);
    m_marks->setObjectName(QStringLiteral("cbShowMarks"));
    m_marks->setChecked(true);
    m_marks->setEnabled(!m_markable.isEmpty());
    connect(m_marks, &QCheckBox::toggled, this, &GraphWindow::showMarks);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_marks);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);

    if (!m_stateFile.isEmpty()) {
        core::IniFile ini(m_stateFile);
        ini.load();
        PlacementLoad(*this, ini, kSection, true, true);
    }
}

GraphWindow::~GraphWindow()
{
    if (m_stateFile.isEmpty())
        return;
    core::IniFile ini(m_stateFile);
    ini.load();
    PlacementSave(*this, ini, kSection);
    ini.save(nullptr);
}

QList<QLineSeries*> GraphWindow::lineSeries() const
{
    QList<QLineSeries*> result;
    for (QAbstractSeries* s : m_view->chart()->series())
        if (auto* line = qobject_cast<QLineSeries*>(s))
            result << line;
    return result;
}

void GraphWindow::showMarks(bool on)
{
    for (QLineSeries* line : std::as_const(m_markable))
        line->setPointLabelsVisible(on);
}

} // namespace ui
