// The statistics table: its cells on small archives built here, its sort, and a cross-check
// against a plain computation over the real draw history.

#include "core/GameMath.h"
#include "core/TextForms.h"
#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"
#include "views/StatTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace stattest;
using namespace views;

namespace {

const StatTableRow* rowOf(const StatTable& t, const QString& value)
{
    for (const StatTableRow& r : t.Rows)
        if (r.Cells[ColValue] == value)
            return &r;
    return nullptr;
}

TEST(StatTableText, FixedTextRoundsExactTiesToEven)
{
    EXPECT_EQ(core::FixedText(0.390625L, 5, u"."_s), u"0.39062"_s);
    EXPECT_EQ(core::FixedText(0.125L, 2, u"."_s), u"0.12"_s);
    EXPECT_EQ(core::FixedText(0.375L, 2, u"."_s), u"0.38"_s);
    EXPECT_EQ(core::FixedText(100.0L / 3, 4, u","_s), u"33,3333"_s);
    EXPECT_EQ(core::FixedText(-2.5L, 0, u"."_s), u"-2"_s);
    EXPECT_EQ(core::RoundHalfEven(2.5L), 2);
    EXPECT_EQ(core::RoundHalfEven(3.5L), 4);
    EXPECT_EQ(core::RoundHalfEven(-2.5L), -2);
    EXPECT_EQ(core::RoundHalfEven(2.5000001L), 3);
}

TEST(StatTableText, CellsCompareAsNumbersElseAsText)
{
    EXPECT_LT(CompareStatCells(u"9"_s, u"10"_s), 0);
    EXPECT_LT(CompareStatCells(u"2,5"_s, u"10.25"_s), 0);
    EXPECT_EQ(CompareStatCells(u"2,50"_s, u"2.5"_s), 0);
    EXPECT_LT(CompareStatCells(u"-3"_s, u"1"_s), 0);
    EXPECT_GT(CompareStatCells(u"1e3"_s, u"999"_s), 0);
    // Not both numbers: text without regard to case.
    EXPECT_LT(CompareStatCells(u"-"_s, u"3"_s), 0);
    EXPECT_GT(CompareStatCells(u"9"_s, u"10:2"_s), 0);
    EXPECT_EQ(CompareStatCells(u"ЧнЧнЧ (010)"_s, u"чНчНч (010)"_s), 0);
    EXPECT_NE(CompareStatCells(u"1 2"_s, u"12"_s), 0);
}

TEST(StatTableText, SortByColumnThenByValue)
{
    std::vector<StatTableRow> rows(4);
    const char* values[] = {"10", "9", "b", "A"};
    const char* counts[] = {"3", "5", "3", "-"};
    for (int i = 0; i < 4; ++i) {
        rows[std::size_t(i)].Cells[ColValue] = QString::fromUtf8(values[i]);
        rows[std::size_t(i)].Cells[ColCount] = QString::fromUtf8(counts[i]);
    }
    auto order = [&] {
        QStringList list;
        for (const StatTableRow& r : rows)
            list << r.Cells[ColValue];
        return list;
    };
    SortStatRows(rows, -1, false);
    EXPECT_EQ(order(), Strs({"10", "9", "b", "A"}));
    SortStatRows(rows, ColCount, false);
    // "-" is text and sorts before the digits; the two 3s by their values, "10" before "b".
    EXPECT_EQ(order(), Strs({"A", "10", "b", "9"}));
    SortStatRows(rows, ColCount, true);
    EXPECT_EQ(order(), Strs({"9", "b", "10", "A"}));
    SortStatRows(rows, ColValue, false);
    EXPECT_EQ(order(), Strs({"9", "10", "A", "b"}));
}

class SmallArchive : public ::testing::Test
{
protected:
    core::TDrawsArray draws = {
        Draw(101, {1, 2, 3, 4, 5}),     Draw(102, {1, 12, 13, 14, 15}),  Draw(103, {21, 22, 23, 24, 25}),
        Draw(104, {1, 2, 33, 34, 35}),  Draw(105, {41, 42, 43, 44, 45}), Draw(106, {2, 12, 46, 47, 48}),
        Draw(107, {3, 13, 23, 33, 43}),
    };
    stats::StatEnv env = Env(&draws);

    StatTable compute(const char* cls, int offset, int window, const FullSetCounts* full = nullptr)
    {
        auto stat = Make(cls, env);
        StatTableParams p;
        p.DrawsOffset = offset;
        p.Window = window;
        p.FullSet = full;
        return ComputeStatTable(*stat, draws, p);
    }
};

TEST_F(SmallArchive, OneDrawArchiveWithTheDefaultWindow)
{
    core::TDrawsArray one = {Draw(9, {5, 6, 7, 8, 9})};
    auto stat = Make("TstValues", Env(&one));
    StatTableParams p;
    const StatTable t = ComputeStatTable(*stat, one, p);
    EXPECT_EQ(t.DrawCount, 1);
    ASSERT_EQ(t.Rows.size(), 54u);
    const StatTableRow* r = rowOf(t, u"7"_s);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->Cells[ColCount], u"1"_s);
    EXPECT_EQ(r->Cells[ColCountPct], u"20.00000"_s);
    EXPECT_EQ(r->Cells[ColDepth], u"1"_s);
    EXPECT_EQ(r->Cells[ColDepthPct], u"100.00"_s);
    EXPECT_EQ(r->Cells[ColLastDraw], u"9"_s);
    for (int c : {ColNorm, ColDeviation, ColDeviationPct, ColPeriodMin, ColPeriod, ColPeriodMax, ColExpectPrd, ColFact,
                  ColDiffPrd})
        EXPECT_EQ(r->Cells[std::size_t(c)], u"-"_s) << c;
    // (1 + 1) * 9 / 1 and (1 + 2) * 10 / 2
    EXPECT_EQ(r->Cells[ColExpectStf], u"18"_s);
    EXPECT_EQ(r->Cells[ColExpectKrn], u"15"_s);
    // A value that never occurred: a count of 0 and nothing from the depth on.
    const StatTableRow* never = rowOf(t, u"40"_s);
    ASSERT_NE(never, nullptr);
    EXPECT_EQ(never->Cells[ColCount], u"0"_s);
    EXPECT_EQ(never->Cells[ColCountPct], u"0.00000"_s);
    for (int c = ColDepth; c < StatColumnCount; ++c)
        EXPECT_EQ(never->Cells[std::size_t(c)], u"-"_s) << c;
}

TEST_F(SmallArchive, PeriodsExpectationsAndTheFactAfterAnOffset)
{
    // Offset 3: the window ends at draw 104; draws 105..107 are the future.
    const StatTable t = compute("TstValues", 3, 1000);
    EXPECT_EQ(t.LastIndex, 3);
    EXPECT_EQ(t.DrawCount, 4);
    const StatTableRow* one = rowOf(t, u"1"_s);
    ASSERT_NE(one, nullptr);
    // 1 occurs in 101, 102, 104: gaps 1 and 2.
    EXPECT_EQ(one->Cells[ColCount], u"3"_s);
    EXPECT_EQ(one->Cells[ColCountPct], u"15.00000"_s);
    EXPECT_EQ(one->Cells[ColDepth], u"1"_s);
    EXPECT_EQ(one->Cells[ColLastDraw], u"104"_s);
    EXPECT_EQ(one->Cells[ColPeriodMin], u"1"_s);
    EXPECT_EQ(one->Cells[ColPeriodMax], u"2"_s);
    EXPECT_EQ(one->Cells[ColPeriod], u"1.3333"_s);
    EXPECT_EQ(one->Cells[ColExpectPrd], u"105"_s); // round(4/3 + 104)
    EXPECT_EQ(one->Cells[ColExpectStf], u"139"_s); // round(4 * 104 / 3) = round(138.67)
    EXPECT_EQ(one->Cells[ColExpectKrn], u"131"_s); // round(5 * 105 / 4) = round(131.25)
    EXPECT_EQ(one->Cells[ColFact], u"-"_s) << "1 does not come again";
    // 2 occurs in 101 and 104, and again in 106.
    const StatTableRow* two = rowOf(t, u"2"_s);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->Cells[ColPeriodMin], u"3"_s);
    EXPECT_EQ(two->Cells[ColExpectPrd], u"106"_s); // 4/2 + 104
    EXPECT_EQ(two->Cells[ColExpectStf], u"156"_s); // 3 * 104 / 2
    EXPECT_EQ(two->Cells[ColExpectKrn], u"140"_s); // round(4 * 105 / 3) = 140
    EXPECT_EQ(two->Cells[ColFact], u"106"_s);
    EXPECT_EQ(two->Cells[ColDiffPrd], u"0"_s);
    EXPECT_EQ(two->Cells[ColDiffStf], u"+50"_s);
    EXPECT_EQ(two->Cells[ColDiffKrn], u"+34"_s);
    // 13 occurs once in the window (102) and comes again in 107.
    const StatTableRow* thirteen = rowOf(t, u"13"_s);
    ASSERT_NE(thirteen, nullptr);
    EXPECT_EQ(thirteen->Cells[ColDepth], u"3"_s);
    EXPECT_EQ(thirteen->Cells[ColDepthPct], u"75.00"_s);
    EXPECT_EQ(thirteen->Cells[ColPeriodMin], u"-"_s);
    EXPECT_EQ(thirteen->Cells[ColExpectPrd], u"-"_s);
    EXPECT_EQ(thirteen->Cells[ColFact], u"107"_s);
    EXPECT_EQ(thirteen->Cells[ColDiffPrd], u"-"_s) << "no expectation, no difference";
    EXPECT_EQ(thirteen->Cells[ColExpectStf], u"204"_s);
    EXPECT_EQ(thirteen->Cells[ColDiffStf], u"+97"_s);
    // A value first seen after the window counts 0 there.
    const StatTableRow* fortyOne = rowOf(t, u"41"_s);
    ASSERT_NE(fortyOne, nullptr);
    EXPECT_EQ(fortyOne->Cells[ColCount], u"0"_s);
    EXPECT_EQ(fortyOne->Cells[ColFact], u"-"_s);
}

TEST_F(SmallArchive, WindowAndOffsetBoundTheDraws)
{
    const StatTable t = compute("TstValues", 1, 2);
    EXPECT_EQ(t.FirstIndex, 4);
    EXPECT_EQ(t.LastIndex, 5);
    EXPECT_EQ(rowOf(t, u"1"_s)->Cells[ColCount], u"0"_s);
    EXPECT_EQ(rowOf(t, u"41"_s)->Cells[ColCount], u"1"_s);
    EXPECT_EQ(rowOf(t, u"41"_s)->Cells[ColDepth], u"2"_s);
    // An offset beyond the archive analyses nothing.
    const StatTable none = compute("TstValues", 7, 10);
    EXPECT_TRUE(none.Rows.empty());
    // So does an empty archive.
    core::TDrawsArray empty;
    auto stat = Make("TstValues", Env(&empty));
    EXPECT_TRUE(ComputeStatTable(*stat, empty, StatTableParams{}).Rows.empty());
}

TEST_F(SmallArchive, NormsScaleTheFullSetCounts)
{
    // Values 1..4 with unequal full-set counts: scale = largest observed / largest full count.
    FullSetCounts full;
    full.Records = {{stats::KeyW(1), 100}, {stats::KeyW(2), 50}, {stats::KeyW(3), 25}};
    full.MinCount = 25;
    full.MaxCount = 100;
    const StatTable t = compute("TstValues", 0, 1000, &full);
    EXPECT_TRUE(t.Compared);
    // Largest observed count: 1, 2, 3, 12, 13 and more occur... 1 three times, 2 three times.
    const StatTableRow* one = rowOf(t, u"1"_s);
    EXPECT_EQ(one->Cells[ColCount], u"3"_s);
    EXPECT_EQ(one->Cells[ColNorm], u"3"_s);              // 100 * 3 / 100
    EXPECT_EQ(rowOf(t, u"2"_s)->Cells[ColNorm], u"2"_s); // round(1.5) = 2
    EXPECT_EQ(rowOf(t, u"3"_s)->Cells[ColNorm], u"1"_s); // round(0.75)
    EXPECT_EQ(rowOf(t, u"3"_s)->Cells[ColDeviation], u"1"_s);
    EXPECT_EQ(rowOf(t, u"3"_s)->Cells[ColDeviationPct], u"100.00000"_s);
    // No full-set record: norm 0, deviation shown as 100 % of a count, 0 % of none.
    EXPECT_EQ(rowOf(t, u"12"_s)->Cells[ColNorm], u"0"_s);
    EXPECT_EQ(rowOf(t, u"12"_s)->Cells[ColDeviationPct], u"100.00000"_s);
    EXPECT_EQ(rowOf(t, u"50"_s)->Cells[ColDeviationPct], u"0.00000"_s);

    // Equal full-set counts: every norm is the midpoint of the smallest and largest count.
    FullSetCounts flat;
    for (int n = 1; n <= 54; ++n)
        flat.Records.push_back({stats::KeyW(std::uint16_t(n)), 58565});
    flat.MinCount = flat.MaxCount = 58565;
    const StatTable f = compute("TstValues", 0, 1000, &flat);
    // Observed counts run 0..3 over the seven draws: midpoint 1.5, round to even 2.
    for (const StatTableRow& r : f.Rows)
        EXPECT_EQ(r.Cells[ColNorm], u"2"_s) << r.Cells[ColValue].toStdString();
}

TEST_F(SmallArchive, WeightFollowsTheCoefficients)
{
    auto stat = Make("TstValues", env);
    StatTableParams p;
    p.Cdl.Count = 2;
    p.Cdl.Deviation = -1;
    p.Cdl.Level = 0.5L;
    const StatTable plain = ComputeStatTable(*stat, draws, p);
    // 1: count 3, depth 4 (last in 104 of 107), no comparison: 2*3 + 0.5*4 = 8
    EXPECT_EQ(rowOf(plain, u"1"_s)->Cells[ColWeight], u"8.00"_s);
    p.Cdl.UsePercents = true;
    const StatTable pct = ComputeStatTable(*stat, draws, p);
    // 3 of 35 values = 8.5714..%, depth 4 of the largest depth 7: 57.14..%; 2*8.5714 + 0.5*57.142857
    EXPECT_EQ(rowOf(pct, u"1"_s)->Cells[ColWeight], u"45.71"_s);
    p.Cdl.UsePercents = false;
    p.Cdl.Level = -1;
    p.Cdl.UseAbsValues = true;
    const StatTable abs = ComputeStatTable(*stat, draws, p);
    EXPECT_EQ(rowOf(abs, u"1"_s)->Cells[ColWeight], u"2.00"_s) << "2*3 - 1*4 on absolute terms is still 2";
}

// ---- the real archive against a plain computation

struct Expected
{
    int count = 0;
    int lastIndex = -1;
    int prevNum = 0;
    int minPeriod = 0;
    int maxPeriod = 0;
};

QString plainFixed(double v, int decimals)
{
    return QString::asprintf("%.*f", decimals, v);
}

long long plainRound(long double v)
{
    const long double f = std::floor(v);
    const long double frac = v - f;
    if (frac > 0.5L)
        return static_cast<long long>(f) + 1;
    if (frac < 0.5L)
        return static_cast<long long>(f);
    return static_cast<long long>(f) % 2 == 0 ? static_cast<long long>(f) : static_cast<long long>(f) + 1;
}

QString plainDiff(const QString& expected, int fact)
{
    if (expected == u"-"_s)
        return expected;
    const long long d = expected.toLongLong() - fact;
    return d > 0 ? QStringLiteral("+%1").arg(d) : QString::number(d);
}

using ValuesOf = std::vector<int> (*)(const core::TDrawRec&);

void crossCheck(const core::TDrawsArray& draws, const char* cls, int param, ValuesOf valuesOf, int window, int offset)
{
    SCOPED_TRACE(std::string(cls) + " window " + std::to_string(window) + " offset " + std::to_string(offset));
    const int last = int(draws.size()) - 1 - offset;
    const int first = std::max(0, last - window + 1);
    const int n = last - first + 1;
    std::map<int, Expected> exp;
    long long total = 0;
    for (int i = first; i <= last; ++i) {
        for (int v : valuesOf(draws[std::size_t(i)])) {
            Expected& e = exp[v];
            const int num = draws[std::size_t(i)].Num;
            if (e.count > 0) {
                const int gap = num - e.prevNum;
                if (e.minPeriod == 0 || gap < e.minPeriod)
                    e.minPeriod = gap;
                if (e.maxPeriod == 0 || gap > e.maxPeriod)
                    e.maxPeriod = gap;
            }
            ++e.count;
            e.lastIndex = i;
            e.prevNum = num;
            ++total;
        }
    }
    int maxDepth = 0;
    for (const auto& [v, e] : exp)
        maxDepth = std::max(maxDepth, last - e.lastIndex + 1);

    auto stat = Make(cls, Env(&draws), param);
    StatTableParams p;
    p.DrawsOffset = offset;
    p.Window = window;
    const StatTable t = ComputeStatTable(*stat, draws, p);
    int seen = 0;
    for (const StatTableRow& row : t.Rows) {
        const int v = row.Rec.Key.c[0];
        const auto& c = row.Cells;
        const auto it = exp.find(v);
        if (it == exp.end()) {
            EXPECT_EQ(c[ColCount], u"0"_s) << v;
            EXPECT_EQ(c[ColDepth], u"-"_s) << v;
            continue;
        }
        ++seen;
        const Expected& e = it->second;
        const int lastNum = draws[std::size_t(e.lastIndex)].Num;
        const int depth = last - e.lastIndex + 1;
        EXPECT_EQ(c[ColCount], QString::number(e.count)) << v;
        EXPECT_EQ(c[ColCountPct], plainFixed(e.count * 100.0 / double(total), 5)) << v;
        EXPECT_EQ(c[ColDepth], QString::number(depth)) << v;
        EXPECT_EQ(c[ColDepthPct], plainFixed(depth * 100.0 / maxDepth, 2)) << v;
        EXPECT_EQ(c[ColWeight], plainFixed(depth, 2)) << v; // the default weight is the depth
        EXPECT_EQ(c[ColLastDraw], QString::number(lastNum)) << v;
        QString prd = u"-"_s;
        if (e.count >= 2) {
            EXPECT_EQ(c[ColPeriodMin], QString::number(e.minPeriod)) << v;
            EXPECT_EQ(c[ColPeriodMax], QString::number(e.maxPeriod)) << v;
            EXPECT_EQ(c[ColPeriod], plainFixed(double(n) / e.count, 4)) << v;
            prd = QString::number(plainRound(static_cast<long double>(n) / e.count + lastNum));
        } else {
            EXPECT_EQ(c[ColPeriodMin], u"-"_s) << v;
        }
        EXPECT_EQ(c[ColExpectPrd], prd) << v;
        const QString stf = QString::number(plainRound(static_cast<long double>(e.count + 1) * lastNum / e.count));
        const QString krn =
            QString::number(plainRound(static_cast<long double>(e.count + 2) * (lastNum + 1) / (e.count + 1)));
        EXPECT_EQ(c[ColExpectStf], stf) << v;
        EXPECT_EQ(c[ColExpectKrn], krn) << v;
        int fact = -1;
        for (std::size_t i = std::size_t(e.lastIndex) + 1; i < draws.size() && fact < 0; ++i)
            for (int w : valuesOf(draws[i]))
                if (w == v)
                    fact = draws[i].Num;
        if (fact < 0) {
            EXPECT_EQ(c[ColFact], u"-"_s) << v;
            EXPECT_EQ(c[ColDiffKrn], u"-"_s) << v;
        } else {
            EXPECT_EQ(c[ColFact], QString::number(fact)) << v;
            EXPECT_EQ(c[ColDiffPrd], plainDiff(prd, fact)) << v;
            EXPECT_EQ(c[ColDiffStf], plainDiff(stf, fact)) << v;
            EXPECT_EQ(c[ColDiffKrn], plainDiff(krn, fact)) << v;
        }
    }
    EXPECT_EQ(seen, int(exp.size())) << "every value that occurred has its row";
}

TEST(StatTableRealArchive, MatchesAPlainComputation)
{
    core::TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    ASSERT_EQ(draws.size(), 1114u);
    const ValuesOf numbers = [](const core::TDrawRec& d) { return std::vector<int>(d.Values, d.Values + 5); };
    const ValuesOf evens = [](const core::TDrawRec& d) {
        int n = 0;
        for (int v : d.Values)
            n += v % 2 == 0;
        return std::vector<int>{n};
    };
    const ValuesOf firstDrawn = [](const core::TDrawRec& d) { return std::vector<int>{d.Values[0]}; };
    const ValuesOf third = [](const core::TDrawRec& d) { return std::vector<int>{d.Values[2]}; };
    for (const auto& [window, offset] :
         {std::pair{1000, 0}, std::pair{100, 7}, std::pair{30, 250}, std::pair{5000, 3}}) {
        crossCheck(draws, "TstValues", 0, numbers, window, offset);
        crossCheck(draws, "TstEvenCount", 0, evens, window, offset);
        crossCheck(draws, "TstPosVal", 1, firstDrawn, window, offset);
        crossCheck(draws, "TstPosVal", 3, third, window, offset);
    }
}

} // namespace
