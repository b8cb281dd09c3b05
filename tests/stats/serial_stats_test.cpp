#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

using namespace stattest;
using core::TDrawsArray;
using core::TStatDrawArray;
using stats::KeyW;

namespace {

using KeyCounts = std::map<std::array<int, 4>, int>;

KeyCounts CountsByKey(const TStatDrawArray& list)
{
    KeyCounts counts;
    for (const core::TStatDrawRec& r : list)
        if (r.Count > 0)
            counts[{r.Key.c[0], r.Key.c[1], r.Key.c[2], r.Key.c[3]}] += r.Count;
    return counts;
}

const core::TStatDrawRec* Find(const TStatDrawArray& list, const core::TStatKey& key)
{
    for (const core::TStatDrawRec& r : list)
        if (r.Key == key)
            return &r;
    return nullptr;
}

std::int32_t GraphValue(stats::TCustomStat& stat, const core::TComb& comb)
{
    auto* graph = dynamic_cast<stats::TCustomGraphStat*>(&stat);
    return graph ? graph->CombValue(comb.v, -1, false, 0) : -999;
}

const char* const kSerialClasses[] = {"TstNumGroups",  "TstNumPauses", "TstChnGroups",  "TstChnPauses",
                                      "TstSgmGroups",  "TstSgmPauses", "TstNumPeriods", "TstChnPeriods",
                                      "TstSgmPeriods", "TstQuellin1",  "TstQuellin2",   "TstQuellin3"};

TEST(SerialStats, EveryClassOfTheFamilyIsAttached)
{
    for (const char* name : kSerialClasses) {
        const stats::StatClass* cls = stats::FindStatClass(QString::fromLatin1(name));
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_TRUE(cls->IsAvailable()) << name;
    }
    EXPECT_EQ(stats::FindStatClass(u"TstQuellin3"_s)->GetCodeFmt(0), u"HCQ3"_s);
}

// ---------------------------------------------------------------------------------------------
// Characteristic number

TEST(SerialStats, QuellinWorkedDraws)
{
    // 3, 8, 15, 27, 40: 5, 7, 12, 13 -> 2, 5, 1 -> 3, 4 -> d = 1.
    // 1, 2, 3, 4, 5: 1, 1, 1, 1 -> 0, 0, 0 -> 0, 0 -> d = 0.
    const TDrawsArray draws = {Draw(1, {3, 8, 15, 27, 40}), Draw(2, {1, 2, 3, 4, 5})};
    const stats::StatEnv env = Env(&draws);
    auto q1 = Make("TstQuellin1", env);
    auto q2 = Make("TstQuellin2", env);
    auto q3 = Make("TstQuellin3", env);
    EXPECT_EQ(Texts(*q1, DrawValues(*q1, 0, 0)), Strs({"1"}));
    EXPECT_EQ(Texts(*q2, DrawValues(*q2, 0, 0)), Strs({"7"}));
    EXPECT_EQ(Texts(*q3, DrawValues(*q3, 0, 0)), Strs({"7 (1)", "49", "42", "35", "28", "21", "14"}));
    EXPECT_EQ(Texts(*q1, DrawValues(*q1, 1, 1)), Strs({"0"}));
    EXPECT_EQ(Texts(*q2, DrawValues(*q2, 1, 1)), Strs({"0"}));
    EXPECT_EQ(Texts(*q3, DrawValues(*q3, 1, 1)), Strs({"0"}));

    // The pair is (sum, 1) marked in component 3.
    const TStatDrawArray pair = DrawValues(*q3, 0, 0);
    EXPECT_EQ(pair[0].Key, KeyW(7, 1, 0, 2));

    // Only the last draw of the range counts for the dynamic numbers.
    EXPECT_TRUE(DrawValues(*q3, 0, 1).empty());

    EXPECT_EQ(GraphValue(*q1, Comb({3, 8, 15, 27, 40})), 1);
    EXPECT_EQ(GraphValue(*q2, Comb({3, 8, 15, 27, 40})), 7);
    EXPECT_EQ(GraphValue(*q2, Comb({1, 2, 3, 4, 5})), 0);
    EXPECT_EQ(Texts(*q1, CombValues(*q1, Comb({3, 8, 15, 27, 40}))), Strs({"1"}));
    EXPECT_TRUE(CombValues(*q3, Comb({3, 8, 15, 27, 40})).empty()) << "no full-set distribution";
}

TEST(SerialStats, QuellinDerivedNumbersByFactor)
{
    // 1, 2, 3, 4, 7: 1, 1, 1, 3 -> 0, 0, 2 -> 0, 2 -> d = 2; 2^2 <= 53, so s = 8: 8, 6, 4.
    // 1, 2, 3, 4, 8: 1, 1, 1, 4 -> 0, 0, 3 -> 0, 3 -> d = 3; s = 27: 27, 24, ..., 6.
    // 1, 2, 3, 4, 15: 1, 1, 1, 11 -> 0, 0, 10 -> d = 10; s = 100: 50, 40, 30, 20 within 1..54.
    // 1, 2, 3, 4, 6: 1, 1, 1, 2 -> 0, 0, 1 -> 0, 1 -> d = 1: the pair (1, 1), no numbers.
    const TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 7}), Draw(2, {1, 2, 3, 4, 8}), Draw(3, {1, 2, 3, 4, 15}),
                               Draw(4, {1, 2, 3, 4, 6})};
    const stats::StatEnv env = Env(&draws);
    auto q3 = Make("TstQuellin3", env);
    EXPECT_EQ(Texts(*q3, DrawValues(*q3, 0, 0)), Strs({"2", "8", "6", "4"}));
    EXPECT_EQ(Texts(*q3, DrawValues(*q3, 1, 1)), Strs({"3", "27", "24", "21", "18", "15", "12", "9", "6"}));
    EXPECT_EQ(Texts(*q3, DrawValues(*q3, 2, 2)), Strs({"10", "50", "40", "30", "20"}));
    EXPECT_EQ(Texts(*q3, DrawValues(*q3, 3, 3)), Strs({"1 (1)"}));
    auto q1 = Make("TstQuellin1", env);
    auto q2 = Make("TstQuellin2", env);
    EXPECT_EQ(GraphValue(*q1, Comb({1, 2, 3, 4, 6})), 1);
    EXPECT_EQ(GraphValue(*q2, Comb({1, 2, 3, 4, 6})), 1) << "0 + 1 when the difference is 1";
    EXPECT_EQ(GraphValue(*q2, Comb({1, 2, 3, 4, 8})), 3);
}

TEST(SerialStats, QuellinCountsTheNumbersOfTheFollowingDraw)
{
    // Analysed with an offset: the range ends at index 0 and index 1 is the draw that followed.
    const TDrawsArray draws = {Draw(1, {3, 8, 15, 27, 40}), Draw(2, {7, 14, 20, 49, 50})};
    const stats::StatEnv env = Env(&draws);
    auto q3 = Make("TstQuellin3", env);
    const TStatDrawArray list = Table(*q3, 0, 0);
    EXPECT_EQ(Texts(*q3, list), Strs({"7 (1)", "49", "42", "35", "28", "21", "14"}));
    EXPECT_EQ(Counts(list), std::vector<int>({1, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(list[0].LastDraw, 1);
    EXPECT_EQ(list[0].Depth, 1);

    // Without a following draw every count is 0; the earlier draw adds nothing.
    // 7, 14, 20, 49, 50: 7, 6, 29, 1 -> 1, 23, 28 -> 22, 5 -> d = 17; s = 289: 51, 34 within 1..54.
    const TStatDrawArray atEnd = Table(*q3, 0, 1);
    EXPECT_EQ(Texts(*q3, atEnd), Strs({"17", "51", "34"}));
    for (int c : Counts(atEnd))
        EXPECT_EQ(c, 0);
}

TEST(SerialStats, QuellinFilters)
{
    const TDrawsArray draws = {Draw(1, {3, 8, 15, 27, 40})};
    const stats::StatEnv env = Env(&draws);
    auto q1 = Make("TstQuellin1", env);
    const TStatDrawArray one = Rows({KeyW(1)});
    EXPECT_TRUE(q1->TestComb(Comb({3, 8, 15, 27, 40}), one, false, false, 0));
    EXPECT_FALSE(q1->TestComb(Comb({1, 2, 3, 4, 5}), one, false, false, 0));

    // The derived numbers keep or remove the combinations holding them; the pair row by its sum.
    auto q3 = Make("TstQuellin3", env);
    const TStatDrawArray rows = Rows({KeyW(14), KeyW(7, 1, 0, 2)});
    EXPECT_TRUE(q3->TestComb(Comb({1, 2, 3, 14, 20}), rows, false, false, 0));
    EXPECT_TRUE(q3->TestComb(Comb({1, 2, 3, 7, 20}), rows, false, false, 0));
    EXPECT_FALSE(q3->TestComb(Comb({1, 2, 3, 21, 28}), rows, false, false, 0));
    EXPECT_EQ(q3->ValueToText(rows[1]), u"7 (1)"_s);
}

// ---------------------------------------------------------------------------------------------
// Series

class Series : public ::testing::Test
{
protected:
    // 17 in draws 1, 3, 4, 5; 2 in draws 1, 3, 4; 20..23 only in the last draw.
    TDrawsArray draws = {Draw(1, {17, 2, 3, 4, 5}), Draw(2, {6, 7, 8, 9, 10}), Draw(3, {17, 2, 11, 12, 13}),
                         Draw(4, {17, 2, 14, 15, 16}), Draw(5, {17, 20, 21, 22, 23})};
    stats::StatEnv env = Env(&draws);
};

TEST_F(Series, GroupsListCompletedRunsAndTheRunGoingOn)
{
    auto grpv = Make("TstNumGroups", env);
    const TStatDrawArray list = Table(*grpv, 0, 4);
    // 17: the run of draw 1 ended in draw 2; the run of draws 3..5 goes on. 2 is not in the
    // last draw and is never listed.
    EXPECT_EQ(Texts(*grpv, list), Strs({"17 x 1", "17 x 3", "20 x 1", "21 x 1", "22 x 1", "23 x 1"}));
    const core::TStatDrawRec* first = Find(list, KeyW(17, 1));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->LastDraw, 1) << "the last draw of the run";
    EXPECT_EQ(first->Depth, 5);
    const core::TStatDrawRec* going = Find(list, KeyW(17, 3));
    ASSERT_NE(going, nullptr);
    EXPECT_EQ(going->LastDraw, 5);
    EXPECT_EQ(going->Depth, 1);
}

TEST_F(Series, PausesListTheGapsThatEnded)
{
    auto grpp = Make("TstNumPauses", env);
    const TStatDrawArray list = Table(*grpp, 0, 4);
    // 17 missed draw 2; 20..23 missed draws 1..4 and came in draw 5.
    EXPECT_EQ(Texts(*grpp, list), Strs({"17 x 1", "20 x 4", "21 x 4", "22 x 4", "23 x 4"}));
    const core::TStatDrawRec* gap = Find(list, KeyW(20, 4));
    ASSERT_NE(gap, nullptr);
    EXPECT_EQ(gap->LastDraw, 4);
    EXPECT_EQ(gap->Depth, 2);
}

TEST_F(Series, ChannelSeries)
{
    // Channels of 6: {1,3}, {1,2}, {1,2,3}, {1,3}, {3,4}; the last draw holds 3 and 4.
    const stats::StatEnv six = Env(&draws, WithChannelSize(6));
    auto grcv = Make("TstChnGroups", six);
    EXPECT_EQ(Texts(*grcv, Table(*grcv, 0, 4)), Strs({"03 x 1", "03 x 3", "04 x 1"}));
    auto grcp = Make("TstChnPauses", six);
    EXPECT_EQ(Texts(*grcp, Table(*grcp, 0, 4)), Strs({"03 x 1", "04 x 4"}));

    // A window of the last three draws counts its runs from its first draw.
    EXPECT_EQ(Texts(*grcv, Table(*grcv, 2, 4)), Strs({"03 x 3", "04 x 1"}));
}

TEST_F(Series, FilterByTheItemOfANumber)
{
    auto grcv = Make("TstChnGroups", Env(&draws, WithChannelSize(6)));
    const TStatDrawArray rows = Rows({KeyW(4, 1)});
    EXPECT_TRUE(grcv->TestComb(Comb({1, 2, 3, 19, 40}), rows, false, false, 4)) << "19 lies in channel 4";
    EXPECT_FALSE(grcv->TestComb(Comb({1, 2, 3, 18, 40}), rows, false, false, 4));
    auto grpv = Make("TstNumGroups", env);
    EXPECT_TRUE(grpv->TestComb(Comb({4, 5, 6, 7, 8}), Rows({KeyW(4, 2)}), false, false, 4));
    EXPECT_FALSE(grpv->TestComb(Comb({5, 6, 7, 8, 9}), Rows({KeyW(4, 2)}), false, false, 4));
}

TEST_F(Series, FindNextKeepsTheWorkAreaAcrossItsDraws)
{
    auto grpv = Make("TstNumGroups", env);
    // The run of draw 1 is seen ending in draw 2, and reported with its own last draw.
    EXPECT_EQ(grpv->FindNext(KeyW(17, 1), 0, 4, false), 1);
    EXPECT_EQ(grpv->FindNext(KeyW(17, 3), 0, 4, false), 5);
    EXPECT_EQ(grpv->FindNext(KeyW(17, 3), 3, 4, false), -1) << "a run counted from draw 4 is only 2 long";
    EXPECT_EQ(grpv->FindNext(KeyW(17, 1), 9, 4, false), -1);
}

// The work area between guards, to see that no item writes outside it.
struct GuardedWork
{
    std::array<std::int32_t, 12> before{};
    stats::TWorkArea work{};
    std::array<std::int32_t, 12> after{};
    bool intact() const
    {
        for (std::size_t i = 0; i < before.size(); ++i)
            if (before[i] != 0 || after[i] != 0)
                return false;
        return true;
    }
};

TStatDrawArray GuardedTable(stats::TCustomStat& stat, int first, int last, GuardedWork& guarded)
{
    TStatDrawArray list;
    stat.InitValues(last, list);
    core::TLastValueArray lastValues;
    for (int i = first; i <= last; ++i)
        stat.CalcDraw(i, last, false, list, guarded.work, lastValues);
    return list;
}

TEST(SerialStats, SegmentZeroStaysInsideTheWorkArea)
{
    // Numbers 1..27 in segment 0, 28..54 in segment 2 (segment 1 unused).
    const TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 30}), Draw(2, {31, 32, 33, 34, 35}), Draw(3, {5, 6, 7, 40, 41}),
                               Draw(4, {8, 9, 10, 11, 12})};
    core::TConfigData config;
    for (int n = 1; n <= 54; ++n)
        config.MatrixSegments[std::size_t(n - 1)] = n <= 27 ? 0 : 2;
    const stats::StatEnv env = Env(&draws, config);

    auto grsv = Make("TstSgmGroups", env);
    GuardedWork groupsWork;
    // Segment 0 in draws 1, 3 and 4: the run of draw 1 ended in draw 2, the run of 3..4 goes on.
    EXPECT_EQ(Texts(*grsv, GuardedTable(*grsv, 0, 3, groupsWork)), Strs({"0 x 1", "0 x 2"}));
    EXPECT_TRUE(groupsWork.intact());

    auto grsp = Make("TstSgmPauses", env);
    GuardedWork pausesWork;
    EXPECT_EQ(Texts(*grsp, GuardedTable(*grsp, 0, 3, pausesWork)), Strs({"0 x 1"}));
    EXPECT_TRUE(pausesWork.intact());

    auto prdg = Make("TstSgmPeriods", env);
    // Segment 0 in draws 1, 3, 4: periods 2 and 1; segment 2 in draws 1, 2, 3: 1 and 1.
    const TStatDrawArray periods = Table(*prdg, 0, 3);
    EXPECT_EQ(Texts(*prdg, periods), Strs({"2 x 1", "0 x 2", "0 x 1"}));
    EXPECT_EQ(Counts(periods), std::vector<int>({2, 1, 1}));

    // A segment that cannot have an entry of its own: 0 beside 54, and one above 54.
    core::TConfigData odd;
    for (int n = 1; n <= 54; ++n)
        odd.MatrixSegments[std::size_t(n - 1)] = n <= 20 ? 0 : (n <= 40 ? 54 : 200);
    const stats::StatEnv oddEnv = Env(&draws, odd);
    // Draws 1..3 hold the segments {0, 54}, {54}, {0, 54, 200}.
    auto oddGroups = Make("TstSgmGroups", oddEnv);
    GuardedWork oddWork;
    EXPECT_EQ(Texts(*oddGroups, GuardedTable(*oddGroups, 0, 2, oddWork)), Strs({"54 x 3"}));
    EXPECT_TRUE(oddWork.intact());
    auto oddPauses = Make("TstSgmPauses", oddEnv);
    GuardedWork oddPauseWork;
    EXPECT_TRUE(GuardedTable(*oddPauses, 0, 3, oddPauseWork).empty());
    EXPECT_TRUE(oddPauseWork.intact());
}

TEST(SerialStats, ChannelSizeZeroOrLessGivesNothing)
{
    const TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 5}), Draw(2, {1, 7, 13, 19, 25}), Draw(3, {1, 2, 30, 40, 50})};
    for (int size : {0, -3}) {
        const stats::StatEnv env = Env(&draws, WithChannelSize(size));
        for (const char* name : {"TstChnGroups", "TstChnPauses", "TstChnPeriods"}) {
            auto stat = Make(name, env);
            ASSERT_NE(stat, nullptr) << name;
            GuardedWork guarded;
            EXPECT_TRUE(GuardedTable(*stat, 0, 2, guarded).empty()) << name << " " << size;
            EXPECT_TRUE(guarded.intact());
            const TStatDrawArray rows = Rows({KeyW(1, 1), KeyW(0, 1), KeyW(0xFFFF, 1)});
            EXPECT_FALSE(stat->TestComb(Comb({1, 2, 3, 4, 5}), rows, false, false, 2)) << name;
            EXPECT_FALSE(stat->TestComb(Comb({1, 2, 3, 4, 5}), rows, true, false, 2)) << name;
            EXPECT_EQ(stat->FindNext(KeyW(1, 1), 0, 2, false), -1) << name;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Periods

TEST(SerialStats, PeriodsInDrawNumbers)
{
    // Draw numbers 100..104: 9 came in 100 and 104.
    const TDrawsArray draws = {Draw(100, {9, 1, 2, 3, 4}), Draw(101, {10, 11, 12, 13, 14}),
                               Draw(102, {15, 16, 17, 18, 19}), Draw(103, {20, 21, 22, 23, 24}),
                               Draw(104, {9, 25, 26, 27, 28})};
    auto prdv = Make("TstNumPeriods", Env(&draws));
    const TStatDrawArray list = Table(*prdv, 0, 4);
    EXPECT_EQ(Texts(*prdv, list), Strs({"9 x 4"}));
    EXPECT_EQ(list[0].LastDraw, 104);
    EXPECT_EQ(list[0].Depth, 1);
    // A fresh last-occurrence list per draw knows no earlier draw.
    EXPECT_EQ(prdv->FindNext(KeyW(9, 4), 0, 4, false), -1);
}

TEST(SerialStats, APeriodOncePerDrawAndItem)
{
    // 1 and 2 share channel 1 in both draws; 40, 41, 42 share channel 7.
    const TDrawsArray draws = {Draw(1, {1, 2, 10, 20, 30}), Draw(2, {3, 4, 40, 41, 42})};
    auto prdc = Make("TstChnPeriods", Env(&draws, WithChannelSize(6)));
    const TStatDrawArray list = Table(*prdc, 0, 1);
    EXPECT_EQ(Texts(*prdc, list), Strs({"01 x 1"}));
    EXPECT_EQ(Counts(list), std::vector<int>({1}));
}

TEST(SerialStats, PeriodFilterAsksWhetherThePeriodIsRealised)
{
    const TDrawsArray draws = {Draw(100, {9, 1, 2, 3, 4}), Draw(101, {10, 11, 12, 13, 14}),
                               Draw(102, {15, 16, 17, 18, 19}), Draw(103, {20, 21, 22, 23, 24}),
                               Draw(104, {9, 25, 26, 27, 28})};
    auto prdv = Make("TstNumPeriods", Env(&draws));
    // The candidate is the draw after index 4. 9 x 5 looks at index 0 (holds 9: realised);
    // 10 x 2 at index 3 (no 10); 11 x 40 before the archive (nothing there).
    const TStatDrawArray rows = Rows({KeyW(9, 5), KeyW(10, 2), KeyW(11, 40)});
    const core::TComb with9 = Comb({5, 6, 7, 8, 9});
    const core::TComb with10 = Comb({5, 6, 7, 8, 10});
    const core::TComb with11 = Comb({5, 6, 7, 8, 11});
    const core::TComb neither = Comb({5, 6, 7, 8, 30});
    EXPECT_TRUE(prdv->TestComb(with9, rows, false, false, 4));
    EXPECT_FALSE(prdv->TestComb(with9, rows, true, false, 4));
    EXPECT_FALSE(prdv->TestComb(with10, rows, false, false, 4));
    EXPECT_TRUE(prdv->TestComb(with10, rows, true, false, 4));
    EXPECT_FALSE(prdv->TestComb(with11, rows, false, false, 4));
    EXPECT_TRUE(prdv->TestComb(with11, rows, true, false, 4));
    EXPECT_FALSE(prdv->TestComb(neither, rows, false, false, 4));
    EXPECT_FALSE(prdv->TestComb(neither, rows, true, false, 4));
    // 9 x 1 looks at the reference draw itself.
    EXPECT_TRUE(prdv->TestComb(with9, Rows({KeyW(9, 1)}), false, false, 4));
    EXPECT_FALSE(prdv->TestComb(with9, Rows({KeyW(9, 2)}), false, false, 4));

    // Channels: 10 lies in channel 2 with 11..12, which index 1 holds.
    auto prdc = Make("TstChnPeriods", Env(&draws, WithChannelSize(6)));
    EXPECT_TRUE(prdc->TestComb(Comb({7, 30, 31, 32, 33}), Rows({KeyW(2, 4)}), false, false, 4));
    EXPECT_FALSE(prdc->TestComb(Comb({7, 30, 31, 32, 33}), Rows({KeyW(2, 3)}), false, false, 4));
}

TEST(SerialStats, BatchFormsAgreeWithSingleCalls)
{
    const TDrawsArray draws = {Draw(1, {17, 2, 3, 4, 5}),     Draw(2, {6, 7, 8, 9, 10}),
                               Draw(3, {17, 2, 11, 12, 13}),  Draw(4, {17, 2, 14, 15, 16}),
                               Draw(5, {17, 20, 21, 22, 23}), Draw(6, {3, 8, 15, 27, 40})};
    core::TConfigData config = WithChannelSize(7);
    for (int n = 1; n <= 54; ++n)
        config.MatrixSegments[std::size_t(n - 1)] = std::uint8_t(n % 4);
    const stats::StatEnv env = Env(&draws, config);
    std::vector<core::TComb> combs;
    for (int a = 1; a <= 50; a += 7)
        for (int b = a + 1; b <= 51; b += 11)
            combs.push_back(Comb({a, b, 52, 53, 54}));
    combs.push_back(Comb({3, 8, 15, 27, 40}));
    combs.push_back(Comb({6, 7, 8, 9, 10}));
    combs.push_back(Comb({17, 20, 21, 22, 23}));

    for (const char* name : kSerialClasses) {
        auto a = Make(name, env);
        auto b = Make(name, env);
        TStatDrawArray one, batch;
        for (const core::TComb& c : combs)
            a->CalcComb(c, one);
        b->CalcCombs(combs, batch);
        ASSERT_EQ(one.size(), batch.size()) << name;
        for (std::size_t i = 0; i < one.size(); ++i) {
            EXPECT_EQ(one[i].Key, batch[i].Key) << name;
            EXPECT_EQ(one[i].Count, batch[i].Count) << name;
        }
        // The selection: the table's own rows plus a few of the form (item, small period).
        TStatDrawArray rows = Table(*a, 0, 4);
        for (const core::TStatKey& k : {KeyW(2, 1), KeyW(3, 3), KeyW(1, 2), KeyW(14), KeyW(0, 4), KeyW(1, 40)}) {
            core::TStatDrawRec r;
            r.Key = k;
            rows.push_back(r);
        }
        const stats::TSelection sel(rows);
        for (bool remove : {false, true}) {
            std::vector<std::uint8_t> flags(combs.size());
            b->TestCombs(combs, sel, remove, false, 4, flags.data());
            int matched = 0;
            for (std::size_t i = 0; i < combs.size(); ++i) {
                EXPECT_EQ(flags[i] != 0, a->TestComb(combs[i], sel, remove, false, 4)) << name << " " << i;
                matched += flags[i];
            }
            EXPECT_GT(matched, 0) << name << " remove " << remove;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// The real archive

class SerialRealArchive : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
        ASSERT_GE(draws.size(), 200u);
        last = int(draws.size()) - 1;
        first = last - 149;
    }
    bool holds(int index, int n) const
    {
        for (std::uint8_t v : draws[std::size_t(index)].Values)
            if (v == n)
                return true;
        return false;
    }

    TDrawsArray draws;
    int first = 0;
    int last = 0;
};

TEST_F(SerialRealArchive, NumberPeriodsMatchAPlainCount)
{
    auto prdv = Make("TstNumPeriods", Env(&draws));
    const TStatDrawArray list = Table(*prdv, first, last);

    KeyCounts expected;
    for (int i = first; i <= last; ++i)
        for (std::uint8_t n : draws[std::size_t(i)].Values)
            for (int j = i - 1; j >= first; --j)
                if (holds(j, n)) {
                    ++expected[{n, draws[std::size_t(i)].Num - draws[std::size_t(j)].Num, 0, 0}];
                    break;
                }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(CountsByKey(list), expected);
}

TEST_F(SerialRealArchive, ChannelPeriodsMatchAPlainCount)
{
    auto prdc = Make("TstChnPeriods", Env(&draws, WithChannelSize(6)));
    const TStatDrawArray list = Table(*prdc, first, last);
    const auto channels = [&](int i) {
        std::array<bool, 10> has{};
        for (std::uint8_t v : draws[std::size_t(i)].Values)
            has[std::size_t((v - 1) / 6 + 1)] = true;
        return has;
    };
    KeyCounts expected;
    for (int i = first; i <= last; ++i) {
        const auto now = channels(i);
        for (int c = 1; c <= 9; ++c) {
            if (!now[std::size_t(c)])
                continue;
            for (int j = i - 1; j >= first; --j)
                if (channels(j)[std::size_t(c)]) {
                    ++expected[{c, draws[std::size_t(i)].Num - draws[std::size_t(j)].Num, 0, 0}];
                    break;
                }
        }
    }
    EXPECT_EQ(CountsByKey(list), expected);
}

TEST_F(SerialRealArchive, NumberGroupsMatchAPlainCount)
{
    auto grpv = Make("TstNumGroups", Env(&draws));
    const TStatDrawArray list = Table(*grpv, first, last);

    KeyCounts expected;
    for (std::uint8_t n : draws[std::size_t(last)].Values) {
        int run = 0;
        for (int i = first; i <= last; ++i) {
            if (holds(i, n)) {
                ++run;
            } else {
                if (run > 0)
                    ++expected[{n, run, 0, 0}];
                run = 0;
            }
        }
        ++expected[{n, run, 0, 0}]; // the last draw holds n: its run goes on
    }
    EXPECT_EQ(CountsByKey(list), expected);

    auto grpp = Make("TstNumPauses", Env(&draws));
    KeyCounts gaps;
    for (std::uint8_t n : draws[std::size_t(last)].Values) {
        int gap = 0;
        for (int i = first; i <= last; ++i) {
            if (!holds(i, n)) {
                ++gap;
            } else {
                if (gap > 0)
                    ++gaps[{n, gap, 0, 0}];
                gap = 0;
            }
        }
    }
    EXPECT_EQ(CountsByKey(Table(*grpp, first, last)), gaps);
}

} // namespace
