// Week statistics, the repeats analysis and the detail rows: small archives built here, and the
// real draw history checked against plain loops written in the test.

#include "StatTestSupport.h"
#include "TestHelpers.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"
#include "core/GameMath.h"
#include "core/TextForms.h"
#include "stats/StatList.h"
#include "views/DrawDetail.h"
#include "views/Repeats.h"
#include "views/WeekStats.h"

#include <QDate>

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace stattest;
using namespace views;
using testsupport::MakeDraw;

namespace {

core::TDrawsArray RealDraws()
{
    core::TDrawsArray draws;
    EXPECT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    return draws;
}

TEST(WeekStats, WeekdaysOfDates)
{
    EXPECT_EQ(DrawWeekday(MakeDraw(1, {1, 2, 3, 4, 5}, 0, "16/08/2026")), 7);
    EXPECT_EQ(DrawWeekday(MakeDraw(1, {1, 2, 3, 4, 5}, 0, "17/08/2026")), 1);
    EXPECT_EQ(DrawWeekday(MakeDraw(1, {1, 2, 3, 4, 5}, 0, "01/01/1900")), 1);
    EXPECT_EQ(DrawWeekday(MakeDraw(1, {1, 2, 3, 4, 5}, 0, "30/12/1899")), 6);
    EXPECT_EQ(DrawWeekday(MakeDraw(1, {1, 2, 3, 4, 5}, 0, "")), 0);
    EXPECT_EQ(DrawWeekday(MakeDraw(1, {1, 2, 3, 4, 5}, 0, "31/02/2020")), 0);
    EXPECT_EQ(DrawWeekday(MakeDraw(1, {1, 2, 3, 4, 5}, 0, "вчера")), 0);
}

TEST(WeekStats, SevenDrawsOnSevenWeekdays)
{
    // 17..23 August 2026 run Monday to Sunday; 35 different numbers, each drawn once.
    core::TDrawsArray draws;
    for (int d = 0; d < 7; ++d) {
        const QByteArray date = QStringLiteral("%1/08/2026").arg(17 + d).toLatin1();
        draws.push_back(MakeDraw(d + 1, {1 + 5 * d, 2 + 5 * d, 3 + 5 * d, 4 + 5 * d, 5 + 5 * d}, 0, date.constData()));
    }
    const WeekTable t = BuildWeekTable(draws, 0, 1000);
    EXPECT_EQ(t.Max, 1);
    for (int n = 1; n <= 54; ++n) {
        int ones = 0;
        for (int d = 1; d <= 7; ++d) {
            ASSERT_LE(t.count(n, d), 1);
            ones += t.count(n, d);
        }
        EXPECT_EQ(ones, n <= 35 ? 1 : 0) << n;
        if (n <= 35) {
            EXPECT_EQ(t.count(n, (n - 1) / 5 + 1), 1) << n;
        }
    }
}

TEST(WeekStats, DrawsWithoutReadableDatesAreLeftOut)
{
    const core::TDrawsArray draws{MakeDraw(1, {1, 2, 3, 4, 5}, 0, ""), MakeDraw(2, {1, 2, 3, 4, 6}, 0, "")};
    const WeekTable t = BuildWeekTable(draws, 0, 100);
    EXPECT_EQ(t.Max, 0);
    EXPECT_EQ(t.Skipped, 2);
    for (const ChartPoint& p : WeekChartPoints(t, WeekChartMode::Numbers, 1, 1, WeekDayNames()))
        EXPECT_EQ(p.Y, 0);
    for (const ChartPoint& p : WeekChartPoints(t, WeekChartMode::Weekdays, 1, 1, WeekDayNames()))
        EXPECT_EQ(p.Y, 0);
    EXPECT_EQ(WeekCellColor(0, 0), 0u);
}

TEST(WeekStats, HeatColours)
{
    EXPECT_EQ(WeekCellColor(8, 8), 0x0000FFu);   // RGB 255, 0, 0
    EXPECT_EQ(WeekCellColor(4, 8), 0x8080FFu);   // RGB 255, 128, 128: 127.5 to even
    EXPECT_EQ(WeekCellColor(1, 255), 0xFEFEFFu); // RGB 255, 254, 254
    EXPECT_EQ(WeekCellColor(0, 8), 0u);
}

TEST(WeekStats, RealHistoryCountsAgainstTheCalendar)
{
    const core::TDrawsArray draws = RealDraws();
    for (int offset : {0, 10}) {
        std::map<std::pair<int, int>, int> expected;
        const int last = int(draws.size()) - 1 - offset;
        for (int i = last; i > last - 1000; --i) {
            const QDate date = QDate::fromString(core::DrawDateText(draws[std::size_t(i)]), u"dd/MM/yyyy"_s);
            ASSERT_TRUE(date.isValid());
            for (std::uint8_t n : draws[std::size_t(i)].Values)
                ++expected[{n, date.dayOfWeek()}];
        }
        const WeekTable t = BuildWeekTable(draws, offset, 1000);
        int total = 0, max = 0;
        for (int n = 1; n <= 54; ++n)
            for (int d = 1; d <= 7; ++d) {
                ASSERT_EQ(t.count(n, d), (expected[{n, d}])) << n << " " << d;
                total += t.count(n, d);
                max = std::max(max, t.count(n, d));
            }
        EXPECT_EQ(total, 5000);
        EXPECT_EQ(t.Max, max);
        EXPECT_EQ(t.Skipped, 0);
    }
}

TEST(WeekStats, ChartOfANumberOrOfAWeekday)
{
    const core::TDrawsArray draws = RealDraws();
    const WeekTable t = BuildWeekTable(draws, 0, 1000);
    const QStringList days = WeekDayNames(QLocale(QLocale::Russian));
    ASSERT_EQ(days.size(), 7);
    const std::vector<ChartPoint> byDay = WeekChartPoints(t, WeekChartMode::Weekdays, 17, 3, days);
    ASSERT_EQ(byDay.size(), 7u);
    for (int d = 1; d <= 7; ++d) {
        EXPECT_EQ(byDay[std::size_t(d - 1)].X, d);
        EXPECT_EQ(byDay[std::size_t(d - 1)].Y, t.count(17, d));
        EXPECT_EQ(byDay[std::size_t(d - 1)].Label, days[d - 1]);
    }
    const std::vector<ChartPoint> byNumber = WeekChartPoints(t, WeekChartMode::Numbers, 17, 7, days);
    ASSERT_EQ(byNumber.size(), 54u);
    for (int n = 1; n <= 54; ++n) {
        EXPECT_EQ(byNumber[std::size_t(n - 1)].Y, t.count(n, 7));
        EXPECT_EQ(byNumber[std::size_t(n - 1)].Label, QString::number(n));
    }
}

TEST(Repeats, DepthOneComparesWithThePreviousDrawOnly)
{
    const core::TDrawsArray draws{Draw(1, {1, 2, 3, 4, 5}), Draw(2, {1, 2, 10, 11, 12}), Draw(3, {20, 21, 22, 23, 24}),
                                  Draw(4, {20, 30, 31, 32, 33})};
    const RepeatsResult r = ComputeRepeats(draws, 100, 1);
    // 4 shares 20 with 3; 3 shares nothing with 2; 2 shares two with 1; 1 has no draw before it.
    ASSERT_EQ(r.Rows.size(), 2u);
    EXPECT_EQ(r.Rows[0].DrawNum, 4);
    EXPECT_EQ(r.Rows[0].Matches, 1);
    EXPECT_EQ(r.Rows[0].drawsText(), u"3"_s);
    EXPECT_EQ(r.Rows[1].DrawNum, 2);
    EXPECT_EQ(r.Rows[1].Matches, 2);
    EXPECT_EQ(r.MaxMatches, 2);
}

TEST(Repeats, TwoEarlierDrawsSharingTwoNumbersMakeOneRow)
{
    const core::TDrawsArray draws{Draw(896, {1, 2, 40, 41, 42}), Draw(897, {7, 9, 30, 31, 32}),
                                  Draw(898, {50, 51, 52, 53, 54}), Draw(899, {7, 9, 20, 21, 22}),
                                  Draw(900, {7, 9, 11, 12, 13})};
    int steps = 0;
    const RepeatsResult r = ComputeRepeats(draws, 1, 100, [&steps](int done) { steps = done; });
    EXPECT_EQ(steps, 1);
    ASSERT_EQ(r.Rows.size(), 1u);
    EXPECT_EQ(r.Rows[0].DrawNum, 900);
    EXPECT_EQ(r.Rows[0].Matches, 2);
    EXPECT_EQ(r.Rows[0].Count, 2);
    EXPECT_EQ(r.Rows[0].drawsText(), u"899 897"_s);
}

TEST(Repeats, RealHistoryAgainstAPlainCount)
{
    const core::TDrawsArray draws = RealDraws();
    const int length = 60, deep = 40;
    const RepeatsResult r = ComputeRepeats(draws, length, deep);
    std::map<std::pair<int, int>, std::vector<int>> expected; // (draw, matches) -> draws
    const int high = int(draws.size()) - 1;
    for (int p = high; p > high - length; --p)
        for (int k = p - 1; k >= p - deep; --k) {
            std::set<int> a(std::begin(draws[std::size_t(p)].Values), std::end(draws[std::size_t(p)].Values));
            int m = 0;
            for (std::uint8_t n : draws[std::size_t(k)].Values)
                m += int(a.count(n));
            if (m > 0)
                expected[{draws[std::size_t(p)].Num, m}].push_back(draws[std::size_t(k)].Num);
        }
    ASSERT_EQ(r.Rows.size(), expected.size());
    int previousDraw = INT_MAX;
    for (const RepeatsRow& row : r.Rows) {
        EXPECT_LE(row.DrawNum, previousDraw); // newest draw first
        previousDraw = row.DrawNum;
        const auto& list = expected[{row.DrawNum, row.Matches}];
        EXPECT_EQ(row.Count, int(list.size()));
        EXPECT_EQ(row.Draws, std::vector<std::int32_t>(list.begin(), list.end()));
    }

    const core::GraphData series = RepeatsSeries(r);
    ASSERT_EQ(int(series.Series.size()), r.MaxMatches);
    std::size_t points = 0;
    for (int m = 1; m <= r.MaxMatches; ++m) {
        const core::GraphSeries& s = series.Series[std::size_t(m - 1)];
        EXPECT_EQ(s.Title, QStringLiteral("Совпадений: %1").arg(m));
        EXPECT_TRUE(s.ShowPoints);
        EXPECT_FALSE(s.ShowMarks);
        for (std::size_t i = 1; i < s.Points.size(); ++i)
            EXPECT_GE(s.Points[i].X, s.Points[i - 1].X); // oldest draw first
        for (const core::GraphPoint& p : s.Points)
            EXPECT_EQ(p.Y, double(expected[{int(p.X), m}].size()));
        points += s.Points.size();
    }
    EXPECT_EQ(points, r.Rows.size());
}

TEST(DrawDetail, ACombinationHasNoNumberOrDateRows)
{
    const core::TDrawsArray draws = RealDraws();
    stats::TStatList list;
    list.setDraws(&draws);
    list.Fill();
    const std::vector<DetailRow> rows =
        DetailRows(list, CombDetailSubject(Comb({1, 2, 3, 4, 5}), int(draws.size()) - 1, false));
    QStringList captions;
    for (const DetailRow& r : rows)
        captions << r.Caption;
    EXPECT_FALSE(captions.contains(u"Номер тиража:"_s));
    EXPECT_FALSE(captions.contains(u"Дата тиража:"_s));
    // One row per chartable method, in list order.
    QStringList expected;
    for (int i = 0; i < list.Count(); ++i)
        if (list.Items(i).Class->IsGraph() && list.Items(i).Class->IsAvailable())
            expected << list.Items(i).Class->GetCaptionFmt(list.Items(i).Param);
    EXPECT_EQ(captions, expected);
    EXPECT_GT(expected.size(), 20);
    const int sums = int(captions.indexOf(u"Сумма тиража: все значения"_s));
    ASSERT_GE(sums, 0);
    EXPECT_EQ(rows[std::size_t(sums)].Value, u"15"_s);
    const int even = int(captions.indexOf(u"Количество четных чисел в тираже (Ч:Н)"_s));
    ASSERT_GE(even, 0);
    EXPECT_EQ(rows[std::size_t(even)].Value, u"2"_s);
}

TEST(DrawDetail, ADrawStartsWithItsNumberAndDate)
{
    const core::TDrawsArray draws = RealDraws();
    stats::TStatList list;
    list.setDraws(&draws);
    list.Fill();
    const int index = int(draws.size()) - 4; // draw 1111 of 26/07/2026: 8 22 38 39 46
    const std::vector<DetailRow> rows = DetailRows(list, DrawDetailSubject(draws, index, true));
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0].Caption, u"Номер тиража:"_s);
    EXPECT_EQ(rows[0].Value, QString::number(draws[std::size_t(index)].Num));
    EXPECT_EQ(rows[1].Caption, u"Дата тиража:"_s);
    EXPECT_EQ(rows[1].Value, core::DrawDateText(draws[std::size_t(index)]));
    int sum = 0;
    for (std::uint8_t n : draws[std::size_t(index)].Values)
        sum += n;
    bool found = false;
    for (const DetailRow& r : rows)
        if (r.Caption == u"Сумма тиража: все значения"_s) {
            EXPECT_EQ(r.Value, QString::number(sum));
            found = true;
        }
    EXPECT_TRUE(found);
    // The key number of the draw, which a combination does not have.
    for (const DetailRow& r : rows)
        if (r.Caption.startsWith(u"Extra"_s)) {
            EXPECT_EQ(r.Value, QString::number(draws[std::size_t(index)].Extra));
        }
}

} // namespace
