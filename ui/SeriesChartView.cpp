#include "ui/SeriesChartView.h"

#include "ui/DrawListModel.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace ui {

namespace {

std::pair<double, double> paddedRange(double lo, double hi)
{
    if (lo > hi)
        return {0, 1};
    const double pad = hi > lo ? (hi - lo) * 0.05 : std::max(1.0, std::fabs(hi) * 0.05);
    return {lo - pad, hi + pad};
}

} // namespace

SeriesChartView::SeriesChartView(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->setMargins(QMargins(2, 4, 2, 0));
    c->setBackgroundRoundness(0);
    c->legend()->setAlignment(Qt::AlignBottom);
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1));
    c->legend()->setFont(small);
}

void SeriesChartView::clear()
{
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    m_axisX = nullptr;
    m_axisY = nullptr;
    m_labels.clear();
}

void SeriesChartView::showSeries(const core::GraphData& data, Kind kind, bool labelledX)
{
    clear();
    m_kind = kind;
    m_labelledX = labelledX;
    QChart* c = chart();
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() - 1));

    double minX = std::numeric_limits<double>::max(), maxX = std::numeric_limits<double>::lowest();
    double minY = 0, maxY = 0;
    bool integralX = true;
    for (const core::GraphSeries& s : data.Series)
        for (const core::GraphPoint& p : s.Points) {
            minX = std::min(minX, p.X);
            maxX = std::max(maxX, p.X);
            minY = std::min(minY, p.Y);
            maxY = std::max(maxY, p.Y);
            integralX = integralX && p.X == std::trunc(p.X);
            m_labels.emplace(p.X, p.Label);
        }

    m_axisY = new QValueAxis;
    m_axisY->setLabelsFont(small);
    m_axisY->setLabelFormat(QStringLiteral("%g"));
    const auto [y0, y1] = paddedRange(minY, maxY);
    m_axisY->setRange(minY >= 0 ? std::max(0.0, y0) : y0, y1);
    c->addAxis(m_axisY, Qt::AlignLeft);

    if (kind == Kind::Bars) {
        auto* bars = new QBarSeries;
        auto* axis = new QBarCategoryAxis;
        axis->setLabelsFont(small);
        QStringList categories;
        for (const auto& [x, label] : m_labels)
            categories << label;
        axis->append(categories);
        for (const core::GraphSeries& s : data.Series) {
            auto* set = new QBarSet(s.Title);
            if (s.Color)
                set->setColor(ColorFromBgr(s.Color));
            set->setBorderColor(set->color());
            // Every category gets a bar, 0 where the series has no point.
            std::map<double, double> ys;
            for (const core::GraphPoint& p : s.Points)
                ys[p.X] = p.Y;
            for (const auto& [x, label] : m_labels)
                *set << (ys.count(x) ? ys[x] : 0.0);
            bars->append(set);
        }
        bars->setBarWidth(0.8);
        c->addSeries(bars);
        c->addAxis(axis, Qt::AlignBottom);
        bars->attachAxis(axis);
        bars->attachAxis(m_axisY);
        m_axisX = axis;
        return;
    }

    QAbstractAxis* axisX = nullptr;
    if (labelledX) {
        auto* axis = new QCategoryAxis;
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axis->setGridLineVisible(false);
        axis->setLabelsFont(small);
        axisX = axis;
    } else {
        auto* axis = new QValueAxis;
        axis->setLabelsFont(small);
        if (integralX)
            axis->setLabelFormat(QStringLiteral("%d"));
        axisX = axis;
    }
    const auto [x0, x1] = m_labels.empty() ? std::pair{0.0, 1.0} : paddedRange(minX, maxX);
    axisX->setRange(x0, x1);
    c->addAxis(axisX, Qt::AlignBottom);
    m_axisX = axisX;

    for (const core::GraphSeries& s : data.Series) {
        auto* line = new QLineSeries;
        line->setName(s.Title);
        QPen pen = line->pen();
        pen.setWidth(2);
        if (s.Color != 0)
            pen.setColor(ColorFromBgr(s.Color));
        line->setPen(pen);
        QList<QPointF> xy;
        xy.reserve(qsizetype(s.Points.size()));
        for (const core::GraphPoint& p : s.Points)
            xy << QPointF(p.X, p.Y);
        line->replace(xy);
        line->setPointLabelsFormat(QStringLiteral("@yPoint"));
        line->setPointLabelsClipping(false);
        line->setPointLabelsFont(small);
        line->setPointLabelsVisible(s.ShowMarks);
        c->addSeries(line);
        line->attachAxis(axisX);
        line->attachAxis(m_axisY);
        if (s.ShowPoints)
            setSquarePoints(line, pen.color(), pen.color());
    }
    relabel();
}

void SeriesChartView::setSquarePoints(QLineSeries* series, const QColor& fill, const QColor& outline, int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(outline);
    QPainter painter(&image);
    if (size > 2)
        painter.fillRect(1, 1, size - 2, size - 2, fill);
    painter.end();
    series->setMarkerSize(size);
    series->setLightMarker(image);
    series->setPointsVisible(true);
}

void SeriesChartView::setMarksVisible(bool on)
{
    const QList<QLineSeries*> lines = lineSeries();
    if (!lines.isEmpty())
        lines.first()->setPointLabelsVisible(on);
}

QList<QAbstractSeries*> SeriesChartView::allSeries() const
{
    return chart()->series();
}

QList<QLineSeries*> SeriesChartView::lineSeries() const
{
    QList<QLineSeries*> list;
    for (QAbstractSeries* s : chart()->series())
        if (auto* line = qobject_cast<QLineSeries*>(s))
            list << line;
    return list;
}

QStringList SeriesChartView::xLabels() const
{
    if (auto* category = qobject_cast<QCategoryAxis*>(m_axisX))
        return category->categoriesLabels();
    if (auto* bars = qobject_cast<QBarCategoryAxis*>(m_axisX))
        return bars->categories();
    return {};
}

void SeriesChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    relabel();
}

void SeriesChartView::relabel()
{
    auto* axis = qobject_cast<QCategoryAxis*>(m_axisX);
    if (!axis || m_labels.empty())
        return;
    for (const QString& label : axis->categoriesLabels())
        axis->remove(label);
    const double plotWidth =
        std::max(50.0, chart()->plotArea().width() > 0 ? chart()->plotArea().width() : double(width() - 60));
    const QFontMetrics metrics(axis->labelsFont());
    int widest = 1;
    for (const auto& [x, label] : m_labels)
        widest = std::max(widest, metrics.horizontalAdvance(label));
    const int fitting = std::max(1, int(plotWidth / (2 * widest + metrics.averageCharWidth() * 2)));
    const int step = std::max<int>(1, int(std::ceil(double(m_labels.size()) / fitting)));
    axis->setStartValue(m_labels.begin()->first - 0.5);
    int i = 0;
    for (const auto& [x, label] : m_labels)
        if (i++ % step == 0 && !axis->categoriesLabels().contains(label))
            axis->append(label, x);
}

} // namespace ui
