#include "ui/StatChartView.h"

#include "ui/DrawListModel.h"

#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Colours in the stored 0x00BBGGRR order.
constexpr std::uint32_t kActualColor = 0x008000;
constexpr std::uint32_t kActualPointPen = 0xFF00FF;
constexpr std::uint32_t kTotalColor = 0x0000FF;
constexpr int kPointSize = 5;

// A square point filled in the line's colour with an outline of its own.
QImage squarePoint(const QColor& fill, const QColor& outline)
{
    QImage image(kPointSize, kPointSize, QImage::Format_ARGB32);
    image.fill(outline);
    QPainter painter(&image);
    painter.fillRect(1, 1, kPointSize - 2, kPointSize - 2, fill);
    return image;
}

} // namespace

StatChartView::StatChartView(QWidget* parent) : QChartView(parent), m_axisX(new QCategoryAxis), m_axisY(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    // The chart is short: every pixel of height goes to the plot, the legend sits at the side.
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setMargins(QMargins(2, 4, 2, 0));
    c->setBackgroundRoundness(0);
    c->legend()->setAlignment(Qt::AlignRight);
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1));
    c->legend()->setFont(small);
    m_axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_axisX->setLabelsFont(small);
    m_axisX->setGridLineVisible(false);
    m_axisY->setLabelsFont(small);
    m_axisY->setLabelFormat(QStringLiteral("%g"));
    m_axisY->setTickType(QValueAxis::TicksDynamic);
    c->addAxis(m_axisX, Qt::AlignBottom);
    c->addAxis(m_axisY, Qt::AlignLeft);
    m_axisX->hide();
    m_axisY->hide();
}

QLineSeries* StatChartView::addSeries(const QString& title, const std::vector<views::ChartPoint>& points)
{
    auto* series = new QLineSeries;
    series->setName(title);
    QList<QPointF> xy;
    xy.reserve(qsizetype(points.size()));
    for (const views::ChartPoint& p : points) {
        xy << QPointF(p.X, p.Y);
        m_labels.emplace(p.X, p.Label);
    }
    series->replace(xy);
    chart()->addSeries(series);
    series->attachAxis(m_axisX);
    series->attachAxis(m_axisY);
    m_points[series] = points;
    connect(series, &QLineSeries::hovered, this,
            [this, series](const QPointF& at, bool entered) { showPointTip(series, at, entered); });
    return series;
}

void StatChartView::showChart(const views::StatChart& data)
{
    chart()->removeAllSeries();
    m_actual = nullptr;
    m_labels.clear();
    m_points.clear();
    if (data.Actual.empty() && data.Total.empty()) {
        m_axisX->hide();
        m_axisY->hide();
        relabel();
        return;
    }
    // The ideal line goes first so the observed one is drawn over it.
    if (!data.Total.empty()) {
        QLineSeries* total = addSeries(tr("Все возможные комбинации"), data.Total);
        QPen pen(ColorFromBgr(kTotalColor));
        pen.setWidth(1);
        total->setPen(pen);
        total->setPointsVisible(false);
    }
    QLineSeries* actual = addSeries(tr("Фактические данные"), data.Actual);
    QPen pen(ColorFromBgr(kActualColor));
    pen.setWidth(2);
    actual->setPen(pen);
    actual->setMarkerSize(kPointSize);
    m_actual = actual;

    double top = 0;
    for (const auto* points : {&data.Actual, &data.Total})
        for (const views::ChartPoint& p : *points)
            top = std::max(top, p.Y);
    m_axisY->setRange(0, top > 0 ? top * 1.05 : 1);
    m_axisX->setRange(m_labels.begin()->first - 0.5, m_labels.rbegin()->first + 0.5);
    m_axisX->show();
    m_axisY->show();
    relabel();
}

QList<QLineSeries*> StatChartView::lineSeries() const
{
    QList<QLineSeries*> list;
    for (QAbstractSeries* s : chart()->series())
        if (auto* line = qobject_cast<QLineSeries*>(s))
            list << line;
    return list;
}

QStringList StatChartView::axisLabels() const
{
    return m_axisX->categoriesLabels();
}

void StatChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    relabel();
}

void StatChartView::relabel()
{
    // Ticks of the y axis at a round step, about one per 30 pixels of plot height.
    const double range = m_axisY->max() - m_axisY->min();
    const double plotHeight = chart()->plotArea().height() > 0 ? chart()->plotArea().height() : double(height() - 40);
    const double rough = range / std::max(1.0, plotHeight / 30);
    const double magnitude = std::pow(10.0, std::floor(std::log10(std::max(rough, 1e-9))));
    double interval = magnitude;
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * magnitude >= rough) {
            interval = factor * magnitude;
            break;
        }
    m_axisY->setTickAnchor(0);
    m_axisY->setTickInterval(std::max(interval, 1.0));

    for (const QString& label : m_axisX->categoriesLabels())
        m_axisX->remove(label);
    if (m_labels.empty())
        return;
    const double plotWidth =
        std::max(50.0, chart()->plotArea().width() > 0 ? chart()->plotArea().width() : double(width() - 60));
    // Points closer than their own size would hide the line: a dense chart shows the line only.
    if (m_actual) {
        const bool roomy = plotWidth / double(m_labels.size()) >= 2 * kPointSize;
        m_actual->setLightMarker(roomy ? squarePoint(ColorFromBgr(kActualColor), ColorFromBgr(kActualPointPen))
                                       : QImage());
        m_actual->setPointsVisible(roomy);
    }
    // Every k-th value text, so that neighbouring labels never overlap.
    const QFontMetrics metrics(m_axisX->labelsFont());
    int widest = 1;
    for (const auto& [x, label] : m_labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    // The axis elides a label wider than about half the room to its neighbours.
    const int fitting = std::max(1, int(plotWidth / (2 * widest + metrics.averageCharWidth() * 2)));
    const int step = std::max<int>(1, int(std::ceil(double(m_labels.size()) / fitting)));
    m_axisX->setStartValue(m_labels.begin()->first - 0.5);
    int i = 0;
    for (const auto& [x, label] : m_labels) {
        // A category needs a text of its own; repeated value texts are labelled once.
        if (i++ % step == 0 && !m_axisX->categoriesLabels().contains(label))
            m_axisX->append(label, x);
    }
}

void StatChartView::showPointTip(const QLineSeries* series, const QPointF& at, bool entered)
{
    if (!entered) {
        QToolTip::hideText();
        return;
    }
    const auto& points = m_points[series];
    const auto nearest = std::min_element(points.begin(), points.end(), [&](const auto& a, const auto& b) {
        return std::abs(a.X - at.x()) < std::abs(b.X - at.x());
    });
    if (nearest == points.end())
        return;
    QToolTip::showText(QCursor::pos(),
                       QStringLiteral("%1: %2").arg(nearest->Label, QString::number(nearest->Y, 'g', 8)), this);
}

} // namespace ui
