#include "ui/SeriesChartView.h"

#include "ui/DrawListModel.h"

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

// A round step (1, 2 or 5 times a power of ten) that cuts the span into at most about count parts.
double NiceStep(double span, int count)
{
    const double rough = span / std::max(1, count);
    const double magnitude = std::pow(10.0, std::floor(std::log10(std::max(rough, 1e-9))));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * magnitude >= rough)
            return std::max(1.0, factor * magnitude);
    return std::max(1.0, 10 * magnitude);
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
    c->addAxis(m_axisY, Qt::AlignLeft);
    // Ranges are set once the series are attached, which would otherwise reset them.
    const auto [y0, y1] = paddedRange(minY, maxY);
    const auto setYRange = [this, y0 = y0, y1 = y1, minY] {
        m_axisY->setRange(minY >= 0 ? std::max(0.0, y0) : y0, y1);
        m_axisY->setTickType(QValueAxis::TicksDynamic);
        m_axisY->setTickAnchor(0);
    };

    if (kind == Kind::Bars) {
        // Bars stand at 0, 1, 2...; a category axis names them with the points' labels, as many
        // as fit.
        std::map<double, QString> byIndex;
        auto* bars = new QBarSeries;
        for (const core::GraphSeries& s : data.Series) {
            auto* set = new QBarSet(s.Title);
            if (s.Color)
                set->setColor(ColorFromBgr(s.Color));
            set->setBorderColor(set->color());
            // Every position gets a bar, 0 where the series has no point.
            std::map<double, double> ys;
            for (const core::GraphPoint& p : s.Points)
                ys[p.X] = p.Y;
            for (const auto& [x, label] : m_labels)
                *set << (ys.count(x) ? ys[x] : 0.0);
            bars->append(set);
        }
        int index = 0;
        for (const auto& [x, label] : m_labels)
            byIndex.emplace(index++, label);
        m_labels = std::move(byIndex);
        bars->setBarWidth(0.8);
        auto* axis = new QCategoryAxis;
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        axis->setGridLineVisible(false);
        axis->setLabelsFont(small);
        c->addSeries(bars);
        c->addAxis(axis, Qt::AlignBottom);
        bars->attachAxis(axis);
        bars->attachAxis(m_axisY);
        axis->setRange(-0.5, std::max(0.5, double(m_labels.size()) - 0.5));
        m_axisX = axis;
        m_labelledX = true;
        setYRange();
        relabel();
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
    const auto [x0, x1] = m_labels.empty() ? std::pair{0.0, 1.0} : paddedRange(minX, maxX);
    axisX->setRange(x0, x1);
    if (auto* values = qobject_cast<QValueAxis*>(axisX)) {
        values->setTickType(QValueAxis::TicksDynamic);
        values->setTickAnchor(0);
        values->setTickInterval(NiceStep(x1 - x0, 8));
    }
    setYRange();
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
    return {};
}

void SeriesChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    relabel();
}

void SeriesChartView::relabel()
{
    // Round ticks on the value axis, about one per 30 pixels of plot height.
    if (m_axisY) {
        const double plotHeight =
            chart()->plotArea().height() > 0 ? chart()->plotArea().height() : double(height() - 40);
        m_axisY->setTickInterval(NiceStep(m_axisY->max() - m_axisY->min(), std::max(1, int(plotHeight / 30))));
    }
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
