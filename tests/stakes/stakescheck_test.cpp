#include "StakeTestSupport.h"
#include "TestHelpers.h"
#include "TestPaths.h"
#include "core/Cp1251.h"
#include "core/DrawArchive.h"
#include "stakes/StakesCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

using namespace stakes;
using namespace stakestest;
using testsupport::MakeDraw;
using testsupport::ReadFile;
using namespace Qt::StringLiterals;

namespace {

class StakesCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(m_file.open(&error)) << error.toStdString();
    }

    void add(const TStakeRec& rec)
    {
        QString error;
        ASSERT_TRUE(m_file.append(rec, &error)) << error.toStdString();
    }

    std::vector<TStakeRec> all()
    {
        std::vector<TStakeRec> records;
        QString error;
        EXPECT_TRUE(m_file.scan(
            0,
            [&](qint64, const TStakeRec& rec) {
                records.push_back(rec);
                return true;
            },
            &error));
        return records;
    }

    QTemporaryDir m_dir;
    StakesFile m_file{m_dir.filePath(QStringLiteral("Vertoma_5x54.lsk"))};
};

} // namespace

TEST_F(StakesCheckTest, StakesAreCheckedAgainstTheRealArchiveOnceTheirDrawIsThere)
{
    core::TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    const core::TConfigData config = PrizeConfig();
    // One stake per draw of the last fifty: the draw's own first three numbers and two others
    // that are not in it, so the matches are known without the program's help.
    std::vector<std::pair<int, std::set<int>>> expected;
    for (std::size_t i = draws.size() - 50; i < draws.size(); ++i) {
        const core::TDrawRec& d = draws[i];
        std::set<int> drawn(std::begin(d.Values), std::end(d.Values));
        std::vector<int> played{d.Values[0], d.Values[1], d.Values[2]};
        for (int n = 1; played.size() < 5; ++n)
            if (!drawn.count(n))
                played.push_back(n);
        add(NewStake(KindScript, d.Num, Numbers({played[4], played[0], played[3], played[1], played[2]}), 1,
                     u"проверка"_s, config));
        expected.push_back({d.Num, {played[0], played[1], played[2]}});
    }
    add(StakeSeparator());
    add(Stake(draws.back().Num + 1, {1, 2, 3, 4, 5}));  // not drawn yet
    add(Stake(draws.back().Num, {1, 2, 3, 4}));         // too few numbers

    std::vector<int> reported;
    std::vector<double> progress;
    CheckHooks hooks;
    hooks.checked = [&](const TStakeRec& rec) { reported.push_back(rec.DrawNum); };
    hooks.progress = [&](double p) { progress.push_back(p); };
    int checked = 0;
    QString error;
    ASSERT_TRUE(StakesCheck(m_file, draws, config, hooks, checked, &error)) << error.toStdString();
    EXPECT_EQ(checked, 50);
    ASSERT_EQ(reported.size(), 50u);

    const std::vector<TStakeRec> records = all();
    ASSERT_EQ(records.size(), 53u);
    for (std::size_t i = 0; i < 50; ++i) {
        const TStakeRec& rec = records[i];
        EXPECT_EQ(rec.Checked, 1);
        EXPECT_EQ(reported[i], rec.DrawNum);
        const core::TDrawRec& d = draws[std::size_t(core::FindDrawIndex(draws, rec.DrawNum))];
        EXPECT_TRUE(std::equal(std::begin(d.Values), std::end(d.Values), rec.DrawValues));
        ASSERT_EQ(rec.Matches.Count, 3);
        const std::set<int> matched(rec.Matches.Values, rec.Matches.Values + 3);
        EXPECT_EQ(matched, expected[i].second);
        EXPECT_TRUE(std::is_sorted(rec.Matches.Values, rec.Matches.Values + 3));
        EXPECT_EQ(rec.Profit, 80000);
    }
    EXPECT_EQ(records[50].Checked, 0) << "separators never qualify";
    EXPECT_EQ(records[51].Checked, 0);
    EXPECT_EQ(records[51].Profit, -20000) << "an unchecked stake keeps minus its cost";
    EXPECT_EQ(records[52].Checked, 0);
    EXPECT_EQ(records[52].Matches.Count, -1);
    ASSERT_FALSE(progress.empty());
    EXPECT_LE(progress.size(), 101u);
    EXPECT_EQ(progress.front(), 0.0);
    EXPECT_LT(progress.back(), 100.0);

    // Checked stakes are never checked again.
    reported.clear();
    ASSERT_TRUE(StakesCheck(m_file, draws, config, hooks, checked, &error));
    EXPECT_EQ(checked, 0);
    EXPECT_TRUE(reported.empty());
}

TEST_F(StakesCheckTest, TheKeyNumberIsNeverCompared)
{
    const core::TDrawsArray draws{MakeDraw(10, {9, 3, 7, 1, 5}, 4)};
    add(Stake(10, {4, 11, 12, 13, 14}));
    int checked = 0;
    QString error;
    ASSERT_TRUE(StakesCheck(m_file, draws, PrizeConfig(), {}, checked, &error));
    const TStakeRec rec = all().front();
    EXPECT_EQ(rec.Matches.Count, 0);
    EXPECT_EQ(rec.DrawValues[0], 9) << "the draw's numbers stay in drawn order";
}

TEST_F(StakesCheckTest, LogLinesAndTheirFiles)
{
    TStakeRec rec = Stake(501, {5, 12, 33, 40, 54}, "Ставка \"вручную\"");
    const core::TDrawRec draw = MakeDraw(501, {40, 1, 12, 2, 3});
    ASSERT_TRUE(CheckStake(rec, draw, PrizeConfig()));
    const QDateTime at(QDate(2026, 3, 4), QTime(5, 6, 7));
    EXPECT_EQ(StakeLogLine(rec, at, u","_s),
              u"2026.03.04 05:06:07: Тираж № 501. Ставка: \"Ставка \"вручную\"\" [5;12;33;40;54] {100}. "
              "Результаты тиража: [40;1;12;2;3]. Совпадений: 2. Профит: -2,00."_s);

    const QString log = m_dir.filePath(QStringLiteral("Vertoma_5x54-2.log"));
    QString deleteError, error;
    ASSERT_TRUE(StakeLogAppend(log, u"первая"_s, &deleteError, &error));
    ASSERT_TRUE(StakeLogAppend(log, u"вторая"_s, &deleteError, &error));
    EXPECT_EQ(ReadFile(log), cp1251::encode(u"первая\r\nвторая\r\n"_s));

    // A log past its limit starts again. The file is sparse, so the test writes nothing big.
    {
        QFile big(log);
        ASSERT_TRUE(big.open(QIODevice::ReadWrite));
        ASSERT_TRUE(big.resize(StakeLogLimit + 1));
    }
    ASSERT_TRUE(StakeLogAppend(log, u"заново"_s, &deleteError, &error));
    EXPECT_TRUE(deleteError.isEmpty());
    EXPECT_EQ(ReadFile(log), cp1251::encode(u"заново\r\n"_s));
}

TEST_F(StakesCheckTest, RecentDrawsCoverTheLastDistinctCheckedDraws)
{
    const core::TConfigData config = PrizeConfig();
    core::TDrawsArray draws;
    for (int d = 1; d <= 150; ++d) {
        draws.push_back(MakeDraw(d, {1, 2, 3, 4, 5}));
        add(Stake(d, {1, 2, 3, 10, 11}));
        add(Stake(d, {1, 2, 30, 31, 32}));
        add(StakeSeparator());
    }
    add(Stake(151, {1, 2, 3, 4, 5})); // not checked, never counts
    int checked = 0;
    QString error;
    ASSERT_TRUE(StakesCheck(m_file, draws, config, {}, checked, &error));
    ASSERT_EQ(checked, 300);

    RecentDraws recent;
    ASSERT_TRUE(StakesSeekRecentDraws(m_file, 100, recent, &error));
    EXPECT_EQ(recent.Found, 100);
    std::set<int> seen;
    ASSERT_TRUE(m_file.scan(
        recent.Start,
        [&](qint64, const TStakeRec& rec) {
            if (rec.Checked)
                seen.insert(rec.DrawNum);
            return true;
        },
        &error));
    EXPECT_EQ(seen.size(), 100u);
    EXPECT_EQ(*seen.begin(), 51);
    EXPECT_EQ(*seen.rbegin(), 150);

    ASSERT_TRUE(StakesSeekRecentDraws(m_file, 1000, recent, &error));
    EXPECT_EQ(recent.Found, 150);
    EXPECT_EQ(recent.Start, 0);
}

TEST_F(StakesCheckTest, ADrawNumberCountsAgainWhenItReturns)
{
    const core::TDrawsArray draws{MakeDraw(1, {1, 2, 3, 4, 5}), MakeDraw(2, {1, 2, 3, 4, 5})};
    for (int d : {1, 2, 1})
        add(Stake(d, {1, 2, 3, 4, 5}));
    int checked = 0;
    QString error;
    ASSERT_TRUE(StakesCheck(m_file, draws, PrizeConfig(), {}, checked, &error));
    RecentDraws recent;
    ASSERT_TRUE(StakesSeekRecentDraws(m_file, 2, recent, &error));
    EXPECT_EQ(recent.Found, 2);
    EXPECT_EQ(recent.Start, 1);
}

TEST_F(StakesCheckTest, ProfitGraphOfOneDrawWithTwoStakes)
{
    TStakeRec loss = Stake(7, {1, 2, 3, 4, 5});
    TStakeRec win = Stake(7, {1, 2, 3, 4, 5});
    win.Profit = 80000;
    add(loss);
    add(win);
    add(StakeSeparator());
    QString error;
    const auto graph = ProfitByDrawGraph(m_file, u"t"_s, &error);
    ASSERT_TRUE(graph) << error.toStdString();
    ASSERT_EQ(graph->Series.size(), 3u);
    for (const core::GraphSeries& s : graph->Series) {
        ASSERT_EQ(s.Points.size(), 1u) << s.Title.toStdString();
        EXPECT_EQ(s.Points[0].X, 7);
        EXPECT_DOUBLE_EQ(s.Points[0].Y, 6.0) << s.Title.toStdString();
    }
    EXPECT_EQ(graph->Series[0].Title, u"Суммарный профит ставок по тиражу"_s);
    EXPECT_EQ(graph->Series[0].Color, 0x008000u);
    EXPECT_EQ(graph->Series[1].Title, u"Среднее значение"_s);
    EXPECT_FALSE(graph->Series[1].ShowPoints);
    EXPECT_EQ(graph->Series[2].Title, u"Накопленное значение"_s);
    EXPECT_EQ(graph->Series[2].Color, 0x0000FFu);
}

TEST_F(StakesCheckTest, ProfitGraphRunningTotalAndMeanOverDraws)
{
    for (auto [draw, profit] : {std::pair{3, -20000}, {4, 80000}, {3, -20000}, {5, -20000}}) {
        TStakeRec rec = Stake(draw, {1, 2, 3, 4, 5});
        rec.Profit = profit;
        add(rec);
    }
    QString error;
    const auto graph = ProfitByDrawGraph(m_file, u"t"_s, &error);
    ASSERT_TRUE(graph);
    const core::GraphSeries& sums = graph->Series[0];
    ASSERT_EQ(sums.Points.size(), 3u);
    EXPECT_EQ(sums.Points[0].X, 3);
    EXPECT_DOUBLE_EQ(sums.Points[0].Y, -4.0);
    EXPECT_DOUBLE_EQ(sums.Points[1].Y, 8.0);
    EXPECT_DOUBLE_EQ(graph->Series[1].Points[0].Y, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(graph->Series[2].Points[2].Y, 2.0);

    StakesFile empty(m_dir.filePath(QStringLiteral("empty.lsk")));
    ASSERT_TRUE(empty.open(&error));
    EXPECT_FALSE(ProfitByDrawGraph(empty, u"t"_s, &error));
    EXPECT_EQ(error, GraphTooFewDrawsText());
}

TEST_F(StakesCheckTest, AStakeWhoseProfitCannotBeHeldIsReportedDamagedAndTheRestChecked)
{
    const core::TDrawsArray draws{MakeDraw(7, {1, 2, 3, 40, 50})};
    core::TConfigData config = PrizeConfig();
    config.Profits = {{3, std::numeric_limits<std::int64_t>::max()}};
    TStakeRec ordinary = Stake(7, {1, 2, 30, 41, 51}); // two matches: no prize
    TStakeRec crafted = Stake(7, {1, 2, 3, 4, 5});     // three matches: the prize less the cost fits
    crafted.Numbers.Count = 1000;                      // but no record holds a thousand numbers
    TStakeRec rich = Stake(7, {1, 2, 3, 4, 5}, "c", config);
    add(ordinary);
    add(crafted);
    add(Stake(7, {1, 2, 3, 4, 6}));
    QString error;
    int checked = 0;
    std::vector<int> reported;
    CheckHooks hooks;
    hooks.checked = [&](const TStakeRec& rec) { reported.push_back(rec.Matches.Count); };
    EXPECT_FALSE(StakesCheck(m_file, draws, config, hooks, checked, &error));
    EXPECT_EQ(error, DamagedStakeText(1));
    EXPECT_TRUE(error.contains(u"Запись 2 в файле ставок повреждена"_s)) << error.toStdString();
    EXPECT_EQ(checked, 2);
    EXPECT_EQ(reported, (std::vector<int>{2, 3}));
    const std::vector<TStakeRec> records = all();
    EXPECT_EQ(records[0].Profit, -20000);
    EXPECT_EQ(records[1].Checked, 0) << "the damaged stake is left as it was";
    EXPECT_EQ(records[1].Profit, crafted.Profit);
    EXPECT_EQ(records[2].Profit, std::numeric_limits<std::int64_t>::max() - 20000);

    // A stake whose cost is below zero wins the prize and more: past the limit, not wrapped.
    config.Cost = -1;
    bool damaged = false;
    EXPECT_FALSE(CheckStake(rich, draws[0], config, &damaged));
    EXPECT_TRUE(damaged);
    EXPECT_EQ(rich.Checked, 0);
}

TEST_F(StakesCheckTest, ProfitSumsThatCannotBeHeldAreReportedDamaged)
{
    constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
    QString error;
    const auto stakeWith = [](int draw, std::int64_t profit) {
        TStakeRec rec = Stake(draw, {1, 2, 3, 4, 5});
        rec.Profit = profit;
        return rec;
    };
    // Per draw: the second stake of draw 3 passes the limit.
    add(stakeWith(3, Max));
    add(stakeWith(4, 1));
    add(stakeWith(3, 1));
    EXPECT_FALSE(ProfitByDrawGraph(m_file, u"t"_s, &error));
    EXPECT_EQ(error, DamagedStakeText(2));

    // In total: each draw holds, their running total does not.
    ASSERT_TRUE(m_file.truncate(&error));
    add(stakeWith(3, Max));
    add(stakeWith(4, Max));
    error.clear();
    EXPECT_FALSE(ProfitByDrawGraph(m_file, u"t"_s, &error));
    EXPECT_TRUE(error.contains(u"файл ставок поврежден"_s)) << error.toStdString();

    // At the very limit, without passing it, the sums are drawn.
    ASSERT_TRUE(m_file.truncate(&error));
    add(stakeWith(3, Max - 1));
    add(stakeWith(4, 1));
    const auto graph = ProfitByDrawGraph(m_file, u"t"_s, &error);
    ASSERT_TRUE(graph) << error.toStdString();
    EXPECT_DOUBLE_EQ(graph->Series[2].Points[1].Y, double(Max) / 10000.0);
}

TEST_F(StakesCheckTest, CommentGraphsFollowTheCaptionsWithoutRegardToCase)
{
    core::TDrawsArray draws;
    for (int d = 1; d <= 3; ++d) {
        draws.push_back(MakeDraw(d, {1, 2, 3, 4, 5}));
        add(Stake(d, {1, 2, 3, 40, 41}, "Строка А"));
        add(Stake(d, {1, 30, 31, 40, 41}, "строка а"));
        add(Stake(d, {1, 2, 30, 40, 41}, "другая"));
    }
    int checked = 0;
    QString error;
    ASSERT_TRUE(StakesCheck(m_file, draws, PrizeConfig(), {}, checked, &error));
    const auto graph = CommentStakesGraph(m_file, {u"СТРОКА А"_s}, StakeGraphValue::Matches, u"t"_s, &error);
    ASSERT_TRUE(graph) << error.toStdString();
    ASSERT_EQ(graph->Series.size(), 1u);
    EXPECT_EQ(graph->Series[0].Title, u"Строка А"_s);
    ASSERT_EQ(graph->Series[0].Points.size(), 6u);
    EXPECT_EQ(graph->Series[0].Points[0].Y, 3);
    EXPECT_EQ(graph->Series[0].Points[1].Y, 1);
    const auto profits = CommentStakesGraph(m_file, {u"другая"_s}, StakeGraphValue::Profit, u"t"_s, &error);
    ASSERT_TRUE(profits);
    EXPECT_DOUBLE_EQ(profits->Series[0].Points[0].Y, -2.0);
    EXPECT_FALSE(CommentStakesGraph(m_file, {}, StakeGraphValue::Profit, u"t"_s, &error));
}
