#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

using namespace stattest;
using core::TDrawRec;
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

// A copy of the draw with its numbers ascending when sorted is set.
TDrawRec Read(const TDrawsArray& draws, int i, bool sorted)
{
    if (i < 0 || i >= int(draws.size()))
        return TDrawRec{};
    TDrawRec d = draws[std::size_t(i)];
    if (sorted)
        std::sort(std::begin(d.Values), std::end(d.Values));
    return d;
}

bool Holds(const TDrawRec& d, int n)
{
    return std::find(std::begin(d.Values), std::end(d.Values), n) != std::end(d.Values);
}

const char* const kChainClasses[] = {"TstChain2DrawsAll",
                                     "TstChain2DrawsPos",
                                     "TstChain2Pos",
                                     "TstChain3DrawsPos",
                                     "TstChain3Pos",
                                     "TstChain2ChannelsAll",
                                     "TstChain2ChannelsPos",
                                     "TstChain2Channel",
                                     "TstChain3ChannelsPos",
                                     "TstChain3Channel",
                                     "TstChain2CnlCnt",
                                     "TstChain3CnlCnt",
                                     "TstChainChannels2InsideAll",
                                     "TstChainChannels2InsideSuc",
                                     "TstChainChannels2InsideBad",
                                     "TstChainChannels2InsideCnt",
                                     "TstChain2SegmentsAll",
                                     "TstChain2SegmentsPos",
                                     "TstChain2Segment",
                                     "TstChain3SegmentsPos",
                                     "TstChain3Segment",
                                     "TstChain2SgmCnt",
                                     "TstChain3SgmCnt"};

// The parameter a class needs to produce something: a position, a channel or a segment.
int ParamOf(const char* name)
{
    const stats::StatClass* cls = stats::FindStatClass(QString::fromLatin1(name));
    return cls && cls->HasParam() ? 1 : 0;
}

TEST(ChainStats, EveryClassOfTheFamilyIsAttached)
{
    for (const char* name : kChainClasses) {
        const stats::StatClass* cls = stats::FindStatClass(QString::fromLatin1(name));
        ASSERT_NE(cls, nullptr) << name;
        EXPECT_TRUE(cls->IsAvailable()) << name;
        EXPECT_FALSE(cls->AllowsValueList()) << name;
    }
    EXPECT_EQ(stats::FindStatClass(u"TstChain2Pos"_s)->GetCodeFmt(3), u"SDN3"_s);
    EXPECT_EQ(stats::FindStatClass(u"TstChain2CnlCnt"_s)->GetHelpCode(1), u"SC2Cx"_s);
}

// ---------------------------------------------------------------------------------------------
// Worked example: last draw 5, 12, 20, 33, 47; draw 8, 12, 31, 40, 52 after 3, 12, 20, 26, 50.

class WorkedChain : public ::testing::Test
{
protected:
    TDrawsArray draws = {Draw(1, {3, 12, 20, 26, 50}), Draw(2, {8, 12, 31, 40, 52}), Draw(3, {5, 12, 20, 33, 47})};
    stats::StatEnv env = Env(&draws);
};

TEST_F(WorkedChain, PredecessorNumbersOfTheLastDraw)
{
    auto sdv2 = Make("TstChain2DrawsAll", env);
    EXPECT_EQ(Texts(*sdv2, DrawValues(*sdv2, 1, 2, true)),
              Strs({"12 -> 8", "12 -> 12", "12 -> 31", "12 -> 40", "12 -> 52", "20 -> 8", "20 -> 12", "20 -> 31",
                    "20 -> 40", "20 -> 52"}));
    auto sdp2 = Make("TstChain2DrawsPos", env);
    EXPECT_EQ(Texts(*sdp2, DrawValues(*sdp2, 1, 2, true)), Strs({"12 -> 12", "20 -> 31"}));
    auto sdn3 = Make("TstChain2Pos", env, 3);
    EXPECT_EQ(Texts(*sdn3, DrawValues(*sdn3, 1, 2, true)), Strs({"20 -> 31"}));
    auto sdn1 = Make("TstChain2Pos", env, 1);
    EXPECT_TRUE(DrawValues(*sdn1, 1, 2, true).empty());

    // The first draw of the archive has no predecessor.
    for (const char* name : kChainClasses) {
        auto stat = Make(name, env, ParamOf(name));
        EXPECT_TRUE(DrawValues(*stat, 0, 2, true).empty()) << name;
    }

    const TStatDrawArray value = DrawValues(*sdp2, 1, 2, true);
    EXPECT_EQ(value[0].LastDraw, 2);
    EXPECT_EQ(value[0].Depth, 2);
}

TEST_F(WorkedChain, FiltersBySuccessor)
{
    auto sdv2 = Make("TstChain2DrawsAll", env);
    const TStatDrawArray rows = Rows({KeyW(12, 8)});
    EXPECT_TRUE(sdv2->TestComb(Comb({1, 2, 3, 8, 9}), rows, false, true, 2));
    EXPECT_FALSE(sdv2->TestComb(Comb({1, 2, 3, 12, 13}), rows, false, true, 2)) << "12 is the predecessor";
    auto scv2 = Make("TstChain2ChannelsAll", Env(&draws, WithChannelSize(6)));
    EXPECT_TRUE(scv2->TestComb(Comb({1, 2, 3, 40, 50}), Rows({KeyW(2, 7)}), false, true, 2));
    EXPECT_FALSE(scv2->TestComb(Comb({1, 2, 3, 44, 50}), Rows({KeyW(2, 7)}), false, true, 2));
}

TEST_F(WorkedChain, FindNextLooksFromTheGivenDraw)
{
    auto sdv2 = Make("TstChain2DrawsAll", env);
    EXPECT_EQ(sdv2->FindNext(KeyW(12, 8), 0, 2, true), 2);
    EXPECT_EQ(sdv2->FindNext(KeyW(12, 5), 0, 2, true), 3);
    EXPECT_EQ(sdv2->FindNext(KeyW(12, 8), 2, 2, true), -1);
    EXPECT_EQ(sdv2->FindNext(KeyW(12, 8), 5, 2, true), -1);
}

// ---------------------------------------------------------------------------------------------
// Three draws

class ThreeDraws : public ::testing::Test
{
protected:
    TDrawsArray draws = {Draw(1, {1, 10, 20, 30, 40}), Draw(2, {2, 11, 21, 31, 41}), Draw(3, {3, 12, 22, 32, 42}),
                         Draw(4, {1, 10, 25, 35, 45}), Draw(5, {2, 11, 26, 36, 46})};
    stats::StatEnv env = Env(&draws, WithChannelSize(6));
};

TEST_F(ThreeDraws, BothPredecessorsMustMatch)
{
    // Draw 3 follows 2, 11, ... (as the last draw) after 1, 10, ... (as the draw before it).
    auto sdp3 = Make("TstChain3DrawsPos", env);
    EXPECT_EQ(Texts(*sdp3, DrawValues(*sdp3, 2, 4)), Strs({"1-2 -> 3", "10-11 -> 12"}));
    EXPECT_EQ(Texts(*sdp3, Table(*sdp3, 0, 4)), Strs({"1-2 -> 3", "10-11 -> 12"}));
    auto sdm2 = Make("TstChain3Pos", env, 2);
    EXPECT_EQ(Texts(*sdm2, Table(*sdm2, 0, 4)), Strs({"10-11 -> 12"}));
    auto sdm3 = Make("TstChain3Pos", env, 3);
    EXPECT_TRUE(Table(*sdm3, 0, 4).empty());
    auto sdp2 = Make("TstChain2DrawsPos", env);
    EXPECT_EQ(Texts(*sdp2, Table(*sdp2, 0, 4)), Strs({"2 -> 3", "11 -> 12"}));

    // The first two draws add nothing to the three-draw classes, even where two-draw ones do.
    for (const char* name :
         {"TstChain3DrawsPos", "TstChain3ChannelsPos", "TstChain3SegmentsPos", "TstChain3CnlCnt", "TstChain3SgmCnt"}) {
        auto stat = Make(name, env, ParamOf(name));
        EXPECT_TRUE(DrawValues(*stat, 0, 0).empty()) << name;
        EXPECT_TRUE(DrawValues(*stat, 1, 1).empty()) << name;
    }
    auto sc2c = Make("TstChain2CnlCnt", env, 1);
    EXPECT_EQ(Texts(*sc2c, DrawValues(*sc2c, 1, 1)), Strs({"01 -> 01"}));
}

TEST_F(ThreeDraws, ChannelTransitions)
{
    // Channels of 6 per draw: (1,2,4,5,7), (1,2,4,6,7), (1,2,4,6,7), (1,2,5,6,8), (1,2,5,6,8).
    auto scp3 = Make("TstChain3ChannelsPos", env);
    const TStatDrawArray list = Table(*scp3, 0, 4);
    EXPECT_EQ(Texts(*scp3, list), Strs({"01-01 -> 01", "02-02 -> 02", "06-06 -> 06"}));
    EXPECT_EQ(Counts(list), std::vector<int>({3, 3, 2}));
    auto scm4 = Make("TstChain3Channel", env, 4);
    EXPECT_EQ(Texts(*scm4, Table(*scm4, 0, 4)), Strs({"06-06 -> 06"}));

    EXPECT_TRUE(scp3->TestComb(Comb({31, 40, 50, 51, 52}), Rows({KeyW(6, 6, 6)}), false, false, 4));
    EXPECT_FALSE(scp3->TestComb(Comb({37, 40, 50, 51, 52}), Rows({KeyW(6, 6, 6)}), false, false, 4));
    EXPECT_TRUE(scp3->TestComb(Comb({37, 40, 50, 51, 52}), Rows({KeyW(6, 7, 9)}), false, false, 4));
    EXPECT_FALSE(scp3->TestComb(Comb({37, 40, 50, 51, 52}), Rows({KeyW(7, 7, 1)}), false, false, 4))
        << "only component 2 is the successor";
}

// ---------------------------------------------------------------------------------------------
// Counts in a channel or a segment

TEST(ChainStats, CountTransitions)
{
    // Numbers in channel 1 (1..6): 1, 2, 3, 1, 2. Numbers 28..54 (segment 2): 2 in every draw.
    const TDrawsArray draws = {Draw(1, {1, 10, 20, 30, 40}), Draw(2, {2, 3, 21, 31, 41}), Draw(3, {4, 5, 6, 32, 42}),
                               Draw(4, {1, 13, 23, 33, 43}), Draw(5, {2, 3, 24, 34, 44})};
    core::TConfigData config = WithChannelSize(6);
    for (int n = 1; n <= 54; ++n)
        config.MatrixSegments[std::size_t(n - 1)] = n <= 27 ? 1 : 2;
    const stats::StatEnv env = Env(&draws, config);

    auto sc2c = Make("TstChain2CnlCnt", env, 1);
    const TStatDrawArray two = Table(*sc2c, 0, 4);
    EXPECT_EQ(Texts(*sc2c, two),
              Strs({"02 -> 00", "02 -> 01", "02 -> 02", "02 -> 03", "02 -> 04", "02 -> 05", "02 -> 06"}));
    EXPECT_EQ(Counts(two), std::vector<int>({0, 0, 0, 1, 0, 0, 0}));

    auto sc3c = Make("TstChain3CnlCnt", env, 1);
    const TStatDrawArray three = Table(*sc3c, 0, 4);
    EXPECT_EQ(three.size(), 7u);
    EXPECT_EQ(sc3c->ValueToText(three.front()), u"01-02 -> 00"_s);
    EXPECT_EQ(Counts(three), std::vector<int>({0, 0, 0, 1, 0, 0, 0}));

    auto ss2c = Make("TstChain2SgmCnt", env, 2);
    const TStatDrawArray segTwo = Table(*ss2c, 0, 4);
    EXPECT_EQ(Texts(*ss2c, segTwo), Strs({"2 -> 0", "2 -> 2"}));
    EXPECT_EQ(Counts(segTwo), std::vector<int>({0, 4}));
    auto ss3c = Make("TstChain3SgmCnt", env, 2);
    const TStatDrawArray segThree = Table(*ss3c, 0, 4);
    EXPECT_EQ(Texts(*ss3c, segThree), Strs({"2-2 -> 0", "2-2 -> 2"}));
    EXPECT_EQ(Counts(segThree), std::vector<int>({0, 3}));

    // The candidate's own count in the channel is the successor.
    EXPECT_TRUE(sc2c->TestComb(Comb({1, 2, 3, 40, 50}), Rows({KeyW(2, 3)}), false, false, 4));
    EXPECT_FALSE(sc2c->TestComb(Comb({1, 2, 30, 40, 50}), Rows({KeyW(2, 3)}), false, false, 4));
    EXPECT_TRUE(sc3c->TestComb(Comb({1, 20, 30, 40, 50}), Rows({KeyW(1, 2, 1)}), false, false, 4));
    EXPECT_FALSE(sc3c->TestComb(Comb({1, 20, 30, 40, 50}), Rows({KeyW(1, 1, 2)}), false, false, 4));
}

// ---------------------------------------------------------------------------------------------
// Inside channels

class InsideChannels : public ::testing::Test
{
protected:
    // The predecessor's 10, 20 and 50 are in the last draw. Channels of 6: 10 -> 7..12 (the
    // draw holds 7 and 11), 20 -> 19..24 (none), 50 -> 49..54 (53).
    TDrawsArray draws = {Draw(1, {10, 20, 30, 40, 50}), Draw(2, {7, 11, 25, 41, 53}), Draw(3, {10, 12, 20, 33, 50})};
    stats::StatEnv env = Env(&draws, WithChannelSize(6));
};

TEST_F(InsideChannels, FourModes)
{
    auto all = Make("TstChainChannels2InsideAll", env);
    EXPECT_EQ(Texts(*all, Table(*all, 0, 2)), Strs({"10 -> 07", "10 -> 11", "20 -> 00", "50 -> 53"}));
    auto suc = Make("TstChainChannels2InsideSuc", env);
    EXPECT_EQ(Texts(*suc, Table(*suc, 0, 2)), Strs({"10 -> 07", "10 -> 11", "50 -> 53"}));
    auto bad = Make("TstChainChannels2InsideBad", env);
    EXPECT_EQ(Texts(*bad, Table(*bad, 0, 2)), Strs({"20 -> 00"}));
    auto cnt = Make("TstChainChannels2InsideCnt", env);
    EXPECT_EQ(Texts(*cnt, Table(*cnt, 0, 2)), Strs({"10 -> 2", "20 -> 0", "50 -> 1"}));
}

TEST_F(InsideChannels, FilterByTheChannelOfALastNumber)
{
    auto bad = Make("TstChainChannels2InsideBad", env);
    const TStatDrawArray none12 = Rows({KeyW(12, 0)});
    // 12 is a number of the last draw: any number in 7..12 matches.
    EXPECT_TRUE(bad->TestComb(Comb({8, 30, 40, 50, 54}), none12, false, false, 2));
    EXPECT_TRUE(bad->TestComb(Comb({12, 30, 40, 50, 54}), none12, false, false, 2));
    EXPECT_FALSE(bad->TestComb(Comb({13, 30, 40, 50, 54}), none12, false, false, 2));
    // With the middle draw as the last one, 12 is not there.
    EXPECT_FALSE(bad->TestComb(Comb({8, 30, 40, 50, 54}), none12, false, false, 1));

    auto all = Make("TstChainChannels2InsideAll", env);
    EXPECT_TRUE(all->TestComb(Comb({11, 30, 40, 50, 54}), Rows({KeyW(10, 11)}), false, false, 2));
    EXPECT_FALSE(all->TestComb(Comb({7, 30, 40, 50, 54}), Rows({KeyW(10, 11)}), false, false, 2));

    // The count chain ignores the count of the row.
    auto cnt = Make("TstChainChannels2InsideCnt", env);
    EXPECT_TRUE(cnt->TestComb(Comb({9, 30, 40, 45, 46}), Rows({KeyW(10, 2)}), false, false, 2));
    EXPECT_FALSE(cnt->TestComb(Comb({13, 30, 40, 45, 46}), Rows({KeyW(10, 2)}), false, false, 2));
}

// ---------------------------------------------------------------------------------------------
// Channel size 0 or less

TEST(ChainStats, ChannelSizeZeroOrLessGivesNothing)
{
    const TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 5}), Draw(2, {1, 2, 3, 4, 5}), Draw(3, {1, 2, 3, 4, 5}),
                               Draw(4, {1, 2, 3, 4, 5})};
    for (int size : {0, -2}) {
        const stats::StatEnv env = Env(&draws, WithChannelSize(size));
        for (const char* name :
             {"TstChain2ChannelsAll", "TstChain2ChannelsPos", "TstChain2Channel", "TstChain3ChannelsPos",
              "TstChain3Channel", "TstChain2CnlCnt", "TstChain3CnlCnt", "TstChainChannels2InsideAll",
              "TstChainChannels2InsideSuc", "TstChainChannels2InsideBad", "TstChainChannels2InsideCnt"}) {
            auto stat = Make(name, env, 1);
            ASSERT_NE(stat, nullptr) << name;
            EXPECT_TRUE(Table(*stat, 0, 3).empty()) << name << " " << size;
            const TStatDrawArray rows = Rows({KeyW(1, 1), KeyW(0, 0), KeyW(1, 0), KeyW(0xFFFF, 0xFFFF, 0xFFFF)});
            EXPECT_FALSE(stat->TestComb(Comb({6, 7, 8, 9, 10}), rows, false, false, 3)) << name;
            EXPECT_EQ(stat->FindNext(KeyW(1, 1), 0, 3, false), -1) << name;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Drawn order and the Sorted flag

// Positional transitions counted directly, for a window ending at last.
KeyCounts PlainPositional(const TDrawsArray& draws, int first, int last, bool sorted, int onlyPos, bool three)
{
    KeyCounts counts;
    const TDrawRec ref = Read(draws, last, sorted);
    const TDrawRec r1 = Read(draws, last - 1, sorted);
    for (int i = std::max(first, three ? 2 : 1); i <= last; ++i) {
        const TDrawRec cur = Read(draws, i, sorted);
        const TDrawRec p1 = Read(draws, i - 1, sorted);
        const TDrawRec p2 = Read(draws, i - 2, sorted);
        for (int k = 0; k < 5; ++k) {
            if (onlyPos > 0 && k != onlyPos - 1)
                continue;
            if (p1.Values[k] != ref.Values[k])
                continue;
            if (!three)
                ++counts[{p1.Values[k], cur.Values[k], 0, 0}];
            else if (p2.Values[k] == r1.Values[k])
                ++counts[{p2.Values[k], p1.Values[k], cur.Values[k], 0}];
        }
    }
    return counts;
}

// The real archive with the numbers of every draw rearranged, as if stored in drawn order.
TDrawsArray Shuffled(const TDrawsArray& draws)
{
    TDrawsArray out = draws;
    for (std::size_t i = 0; i < out.size(); ++i) {
        std::uint8_t* v = out[i].Values;
        std::rotate(v, v + i % 5, v + 5);
        if (i % 3 == 0)
            std::swap(v[0], v[4]);
    }
    return out;
}

TEST(ChainStats, SortedFlagReordersThePositions)
{
    // Stored in drawn order; ascending they are the worked example.
    const TDrawsArray draws = {Draw(1, {20, 3, 12, 50, 26}), Draw(2, {40, 8, 52, 12, 31}),
                               Draw(3, {33, 5, 47, 20, 12})};
    auto sdp2 = Make("TstChain2DrawsPos", Env(&draws));
    EXPECT_EQ(Texts(*sdp2, DrawValues(*sdp2, 1, 2, true)), Strs({"12 -> 12", "20 -> 31"}));
    auto unsorted = Make("TstChain2DrawsPos", Env(&draws));
    EXPECT_TRUE(DrawValues(*unsorted, 1, 2, false).empty()) << "no position agrees in drawn order";
    const TStatDrawArray table = Table(*sdp2, 0, 2, true);
    EXPECT_EQ(CountsByKey(table), PlainPositional(draws, 0, 2, true, 0, false));
}

TEST(ChainStats, DrawnOrderArchiveMatchesAPlainCount)
{
    TDrawsArray real;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), real));
    const TDrawsArray draws = Shuffled(real);
    const int last = int(draws.size()) - 1;
    const int first = last - 149;
    const stats::StatEnv env = Env(&draws);
    for (bool sorted : {false, true}) {
        auto sdp2 = Make("TstChain2DrawsPos", env);
        EXPECT_EQ(CountsByKey(Table(*sdp2, first, last, sorted)), PlainPositional(draws, first, last, sorted, 0, false))
            << sorted;
        auto sdn2 = Make("TstChain2Pos", env, 2);
        EXPECT_EQ(CountsByKey(Table(*sdn2, first, last, sorted)), PlainPositional(draws, first, last, sorted, 2, false))
            << sorted;
        // Any window: the three-draw form of the whole archive.
        auto sdp3 = Make("TstChain3DrawsPos", env);
        const KeyCounts whole = PlainPositional(draws, 0, last, sorted, 0, true);
        EXPECT_EQ(CountsByKey(Table(*sdp3, 0, last, sorted)), whole) << sorted;
    }
}

// ---------------------------------------------------------------------------------------------
// The real archive

class RealChains : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
        ASSERT_GE(draws.size(), 200u);
        last = int(draws.size()) - 1;
        first = last - 149;
    }

    TDrawsArray draws;
    int first = 0;
    int last = 0;
};

TEST_F(RealChains, AllTransitionsMatchAPlainCount)
{
    auto sdv2 = Make("TstChain2DrawsAll", Env(&draws));
    const TStatDrawArray list = Table(*sdv2, first, last);
    const TDrawRec& ref = draws[std::size_t(last)];
    KeyCounts expected;
    for (int i = first; i <= last; ++i) {
        const TDrawRec& cur = draws[std::size_t(i)];
        const TDrawRec& p1 = draws[std::size_t(i - 1)];
        for (std::uint8_t x : p1.Values)
            if (Holds(ref, x))
                for (std::uint8_t y : cur.Values)
                    ++expected[{x, y, 0, 0}];
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(CountsByKey(list), expected);
}

TEST_F(RealChains, FirstPositionTransitionsMatchAPlainCount)
{
    auto sdn1 = Make("TstChain2Pos", Env(&draws), 1);
    const TStatDrawArray list = Table(*sdn1, first, last);
    const TDrawRec& ref = draws[std::size_t(last)];
    KeyCounts expected;
    for (int i = first; i <= last; ++i) {
        const TDrawRec& p1 = draws[std::size_t(i - 1)];
        if (p1.Values[0] == ref.Values[0])
            ++expected[{p1.Values[0], draws[std::size_t(i)].Values[0], 0, 0}];
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(CountsByKey(list), expected);
}

TEST_F(RealChains, InsideChannelCountsMatchAPlainCount)
{
    auto sdc2 = Make("TstChainChannels2InsideCnt", Env(&draws, WithChannelSize(6)));
    const TStatDrawArray list = Table(*sdc2, first, last);
    const TDrawRec& ref = draws[std::size_t(last)];
    KeyCounts expected;
    for (int i = first; i <= last; ++i) {
        const TDrawRec& p1 = draws[std::size_t(i - 1)];
        for (std::uint8_t x : p1.Values) {
            if (!Holds(ref, x))
                continue;
            int same = 0;
            for (std::uint8_t y : draws[std::size_t(i)].Values)
                same += (y - 1) / 6 == (x - 1) / 6 ? 1 : 0;
            ++expected[{x, same, 0, 0}];
        }
    }
    EXPECT_EQ(CountsByKey(list), expected);
}

TEST_F(RealChains, BatchFormsAgreeWithSingleCalls)
{
    core::TConfigData config = WithChannelSize(6);
    for (int n = 1; n <= 54; ++n)
        config.MatrixSegments[std::size_t(n - 1)] = std::uint8_t((n - 1) / 11 + 1);
    const stats::StatEnv env = Env(&draws, config);
    std::vector<core::TComb> combs;
    for (int a = 1; a <= 46; a += 3)
        for (int b = a + 1; b <= 50; b += 5)
            combs.push_back(Comb({a, b, b + 1, b + 2, b + 4}));
    for (const char* name : kChainClasses) {
        auto a = Make(name, env, ParamOf(name));
        auto b = Make(name, env, ParamOf(name));
        TStatDrawArray none;
        b->CalcCombs(combs, none);
        EXPECT_TRUE(none.empty()) << name << ": no full-set distribution";
        // The table's rows, and a few more in case the table is short.
        TStatDrawArray rows = Table(*a, 0, last);
        for (const core::TStatKey& k : {KeyW(5, 9), KeyW(5, 9, 14), KeyW(8, 0), KeyW(7, 2), KeyW(2, 2, 2)}) {
            core::TStatDrawRec r;
            r.Key = k;
            rows.push_back(r);
        }
        const stats::TSelection sel(rows);
        std::vector<std::uint8_t> flags(combs.size());
        b->TestCombs(combs, sel, false, false, last, flags.data());
        int matched = 0;
        for (std::size_t i = 0; i < combs.size(); ++i) {
            EXPECT_EQ(flags[i] != 0, a->TestComb(combs[i], sel, false, false, last)) << name << " " << i;
            matched += flags[i];
        }
        EXPECT_GT(matched, 0) << name;
    }
}

} // namespace
