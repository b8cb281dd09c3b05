#pragma once

// The content of the general graph window: named line series of (x, y) points. The logic fills
// it, the window draws it. Series are found by title without regard to letter case, so points
// of one title land in one line whatever order they come in.

#include <QString>

#include <cstdint>
#include <vector>

namespace core {

struct GraphPoint
{
    double X = 0;
    double Y = 0;
    QString Label; // the decimal x
};

struct GraphSeries
{
    QString Title;
    std::uint32_t Color = 0; // 0x00BBGGRR; 0 lets the window choose
    bool ShowPoints = false;
    bool ShowMarks = false;
    // Created with value marks: the window's marks switch shows and hides them.
    bool Markable = false;
    std::vector<GraphPoint> Points;
};

class GraphData
{
public:
    explicit GraphData(QString title = {}) : Title(std::move(title)) {}

    // Adds the point to the series of that title, creating the series with these looks when
    // it does not exist yet; the looks of an existing series stay as they were.
    void AddPoint(double x, const QString& series, double y, bool showPoints, bool showMarks, std::uint32_t colour);
    const GraphSeries* Find(const QString& series) const;
    bool IsEmpty() const { return Series.empty(); }

    QString Title;
    std::vector<GraphSeries> Series;
};

// The x of a point as its label shows it: an integer without a fraction.
QString GraphXText(double x);

} // namespace core
