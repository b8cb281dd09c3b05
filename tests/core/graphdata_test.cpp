#include "core/GraphData.h"

#include <gtest/gtest.h>

using namespace core;

TEST(GraphDataTest, PointsOfOneTitleShareASeriesWhateverTheLetterCase)
{
    GraphData g(QStringLiteral("График"));
    g.AddPoint(100, QStringLiteral("Ставка"), 2, true, true, 0x008000);
    g.AddPoint(101, QStringLiteral("СТАВКА"), -2.5, false, false, 0xFF0000);
    g.AddPoint(100, QStringLiteral("Среднее значение"), 1, false, false, 0xFF0000);

    ASSERT_EQ(g.Series.size(), 2u);
    const GraphSeries& first = g.Series[0];
    EXPECT_EQ(first.Title, QStringLiteral("Ставка"));
    // The looks are those the series was created with.
    EXPECT_EQ(first.Color, 0x008000u);
    EXPECT_TRUE(first.ShowPoints);
    EXPECT_TRUE(first.Markable);
    ASSERT_EQ(first.Points.size(), 2u);
    EXPECT_EQ(first.Points[1].X, 101);
    EXPECT_EQ(first.Points[1].Y, -2.5);
    EXPECT_EQ(first.Points[1].Label, QStringLiteral("101"));
    EXPECT_FALSE(g.Series[1].Markable);
    EXPECT_EQ(g.Find(QStringLiteral("среднее ЗНАЧЕНИЕ")), &g.Series[1]);
    EXPECT_EQ(g.Find(QStringLiteral("нет")), nullptr);
}

TEST(GraphDataTest, LabelsAreTheDecimalX)
{
    EXPECT_EQ(GraphXText(5), QStringLiteral("5"));
    EXPECT_EQ(GraphXText(-3), QStringLiteral("-3"));
    EXPECT_EQ(GraphXText(2.5), QStringLiteral("2.5"));
}
