#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"
#include "core/TextForms.h"

#include <gtest/gtest.h>

#include <map>
#include <string_view>

using namespace stattest;
using core::TDrawsArray;
using core::TStatDrawArray;

namespace {

const char* const kAllClasses[] = {"TstSegments",     "TstSegmValues",   "TstSegmCount",    "TstCombSegmMix2",
                                   "TstCombSegmMix3", "TstCombSegmMix4", "TstCombSegmSeq2", "TstCombSegmSeq3",
                                   "TstCombSegmSeq4", "TstSgmValCnt"};

core::TConfigData WithMap(const QString& digits)
{
    core::TConfigData cfg;
    cfg.MatrixSegments = core::TextToDigits(digits);
    return cfg;
}

// 27 ones and 27 twos.
QString Halves()
{
    return QString(27, u'1') + QString(27, u'2');
}

// 1..9 in segment 3, 10..20 in segment 0, 21..54 in segment 5.
QString WithZero()
{
    return QString(9, u'3') + QString(11, u'0') + QString(34, u'5');
}

class SegmentStats : public ::testing::Test
{
protected:
    TDrawsArray draws = {Draw(1, {2, 7, 14, 33, 50}), Draw(2, {40, 41, 42, 43, 44}), Draw(3, {50, 33, 14, 7, 2})};

    std::unique_ptr<stats::TCustomStat> make(const char* cls, const QString& map, int param = 0)
    {
        return Make(cls, Env(&draws, WithMap(map)), param);
    }
    QStringList drawTexts(const char* cls, const QString& map, int index, int param = 0)
    {
        auto stat = make(cls, map, param);
        return Texts(*stat, DrawValues(*stat, index, index));
    }
    std::vector<int> drawCounts(const char* cls, const QString& map, int index)
    {
        auto stat = make(cls, map);
        return Counts(DrawValues(*stat, index, index));
    }
};

TEST_F(SegmentStats, DefaultMapPutsEverythingIntoSegmentOne)
{
    const QString map; // the empty setting
    EXPECT_EQ(drawTexts("TstSegments", map, 0), Strs({"1"}));
    EXPECT_EQ(drawCounts("TstSegments", map, 0), std::vector<int>({5}));
    EXPECT_EQ(drawTexts("TstSegmValues", map, 0), Strs({"1 x 5"}));
    EXPECT_EQ(drawTexts("TstSegmCount", map, 0), Strs({"1"}));
    EXPECT_EQ(drawTexts("TstSgmValCnt", map, 0, 1), Strs({"5"}));
    EXPECT_EQ(drawTexts("TstCombSegmSeq3", map, 0), Strs({"1:1:1"}));
    EXPECT_EQ(drawCounts("TstCombSegmSeq3", map, 0), std::vector<int>({3}));

    const stats::StatClass* cls = stats::FindStatClass(u"TstSgmValCnt"_s);
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->GetParamRange(Env(&draws, WithMap(map))), std::make_pair(1, 1));

    auto segs = make("TstSegments", map);
    EXPECT_EQ(Texts(*segs, PreListed(*segs)), Strs({"1"}));
    for (const char* c : {"TstSegmValues", "TstSegmCount", "TstSgmValCnt", "TstCombSegmMix2"}) {
        auto stat = make(c, map, 1);
        EXPECT_TRUE(PreListed(*stat).empty()) << c;
    }
}

TEST_F(SegmentStats, TwoHalves)
{
    EXPECT_EQ(drawTexts("TstSegments", Halves(), 0), Strs({"1", "2"}));
    EXPECT_EQ(drawCounts("TstSegments", Halves(), 0), std::vector<int>({3, 2}));
    EXPECT_EQ(drawTexts("TstSegmValues", Halves(), 0), Strs({"1 x 3", "2 x 2"}));
    EXPECT_EQ(drawTexts("TstSegmCount", Halves(), 0), Strs({"2"}));
    EXPECT_EQ(drawTexts("TstSgmValCnt", Halves(), 0, 2), Strs({"2"}));
    // KGS2 1:1, 1:1, 1:2, 2:2.
    EXPECT_EQ(drawTexts("TstCombSegmSeq2", Halves(), 0), Strs({"1:1", "1:2", "2:2"}));
    EXPECT_EQ(drawCounts("TstCombSegmSeq2", Halves(), 0), std::vector<int>({2, 1, 1}));
    EXPECT_EQ(drawTexts("TstCombSegmMix2", Halves(), 0), Strs({"1:1", "1:2", "2:2"}));
    EXPECT_EQ(drawCounts("TstCombSegmMix2", Halves(), 0), std::vector<int>({3, 6, 1}));
    EXPECT_EQ(drawTexts("TstCombSegmMix4", Halves(), 0), Strs({"1:1:1:2", "1:1:2:2"}));
    // The same numbers in drawn order 50, 33, 14, 7, 2.
    EXPECT_EQ(drawTexts("TstCombSegmSeq2", Halves(), 2), Strs({"2:2", "2:1", "1:1"}));
    EXPECT_EQ(drawTexts("TstSegments", Halves(), 2), Strs({"2", "1"}));
    EXPECT_EQ(drawTexts("TstSegmValues", Halves(), 2), Strs({"1 x 3", "2 x 2"})) << "map order, not draw order";

    auto count = make("TstSegmCount", Halves());
    auto& graph = dynamic_cast<stats::TCustomGraphStat&>(*count);
    EXPECT_EQ(graph.DrawValue(1, 1, false), 1);
    EXPECT_EQ(graph.CombValue(Comb({1, 2, 3, 27, 28}).v, -1, false, 0), 2);
}

TEST_F(SegmentStats, MapWithSegmentZero)
{
    const QString map = WithZero();
    const stats::StatClass* cls = stats::FindStatClass(u"TstSgmValCnt"_s);
    ASSERT_NE(cls, nullptr);
    EXPECT_EQ(cls->GetParamRange(Env(&draws, WithMap(map))), std::make_pair(0, 5));

    // Segments in the order of their first number.
    auto segs = make("TstSegments", map);
    EXPECT_EQ(Texts(*segs, PreListed(*segs)), Strs({"3", "0", "5"}));
    // 2, 7, 14, 33, 50 lie in segments 3, 3, 0, 5, 5; segment 4 has no number and no value.
    EXPECT_EQ(drawTexts("TstSegmValues", map, 0), Strs({"3 x 2", "0 x 1", "5 x 2"}));
    EXPECT_EQ(drawTexts("TstSegmValues", map, 1), Strs({"3 x 0", "0 x 0", "5 x 5"}));
    EXPECT_EQ(drawTexts("TstSegmCount", map, 0), Strs({"3"}));
    EXPECT_EQ(drawTexts("TstSgmValCnt", map, 0, 0), Strs({"1"}));
    EXPECT_EQ(drawTexts("TstSgmValCnt", map, 0, 4), Strs({"0"}));
    EXPECT_EQ(drawTexts("TstCombSegmSeq2", map, 0), Strs({"3:3", "3:0", "0:5", "5:5"}));

    // The map's own order, not the order of the segment numbers.
    auto first7 = make("TstSegments", u"7"_s + QString(53, u'2'));
    EXPECT_EQ(Texts(*first7, PreListed(*first7)), Strs({"7", "2"}));
}

TEST_F(SegmentStats, TestCombMatchesTheSelectedRows)
{
    const QString map = WithZero();
    // (0, 0) is the all-zero key: it matches every combination without a number in 10..20.
    auto values = make("TstSegmValues", map);
    const TStatDrawArray emptyZero = Rows({stats::KeyW(0, 0)});
    EXPECT_TRUE(values->TestComb(Comb({1, 2, 3, 4, 5}), emptyZero, false, false, 0));
    EXPECT_TRUE(values->TestComb(Comb({1, 21, 30, 40, 54}), emptyZero, false, false, 0));
    EXPECT_FALSE(values->TestComb(Comb({1, 2, 3, 4, 10}), emptyZero, false, false, 0));
    const TStatDrawArray emptyFive = Rows({stats::KeyW(5, 0)});
    EXPECT_TRUE(values->TestComb(Comb({1, 2, 3, 4, 5}), emptyFive, false, false, 0));
    EXPECT_FALSE(values->TestComb(Comb({1, 2, 3, 4, 21}), emptyFive, false, false, 0));

    auto segs = make("TstSegments", map);
    EXPECT_TRUE(segs->TestComb(Comb({1, 2, 3, 4, 10}), Rows({stats::KeyW(0)}), false, false, 0));
    EXPECT_FALSE(segs->TestComb(Comb({1, 2, 3, 4, 21}), Rows({stats::KeyW(0)}), false, false, 0));

    auto count = make("TstSegmCount", map);
    EXPECT_TRUE(count->TestComb(Comb({1, 2, 10, 11, 21}), Rows({stats::KeyW(3)}), false, false, 0));
    EXPECT_FALSE(count->TestComb(Comb({1, 2, 10, 11, 12}), Rows({stats::KeyW(3)}), false, false, 0));

    auto inFive = make("TstSgmValCnt", map, 5);
    EXPECT_TRUE(inFive->TestComb(Comb({1, 2, 3, 4, 5}), Rows({stats::KeyW(0)}), false, false, 0));
    EXPECT_FALSE(inFive->TestComb(Comb({1, 2, 3, 4, 54}), Rows({stats::KeyW(0)}), false, false, 0));

    // Patterns: nothing for a combination, but the tuples are tested.
    auto seq = make("TstCombSegmSeq2", Halves());
    EXPECT_TRUE(CombValues(*seq, Comb({1, 2, 3, 28, 29})).empty());
    EXPECT_TRUE(seq->TestComb(Comb({1, 2, 3, 28, 29}), Rows({stats::KeyW(1, 2)}), false, false, 0));
    EXPECT_FALSE(seq->TestComb(Comb({1, 2, 3, 4, 5}), Rows({stats::KeyW(1, 2)}), false, false, 0));
    EXPECT_FALSE(seq->TestComb(Comb({1, 2, 3, 28, 29}), Rows({stats::KeyW(2, 1)}), false, false, 0));
}

TEST_F(SegmentStats, UnusualMapsAndNumbersAreSafe)
{
    // Segment bytes outside 0..9 set directly in the configuration.
    core::TConfigData cfg;
    for (int i = 0; i < 54; ++i)
        cfg.MatrixSegments[std::size_t(i)] = std::uint8_t(i < 10 ? 255 : 200);
    const stats::StatEnv env = Env(&draws, cfg);
    auto segs = Make("TstSegments", env);
    EXPECT_EQ(Texts(*segs, PreListed(*segs)), Strs({"255", "200"}));
    EXPECT_EQ(Texts(*segs, DrawValues(*segs, 0, 0)), Strs({"255", "200"}));
    auto values = Make("TstSegmValues", env);
    EXPECT_EQ(Texts(*values, DrawValues(*values, 0, 0)), Strs({"255 x 2", "200 x 3"}));
    auto mix = Make("TstCombSegmMix2", env);
    EXPECT_EQ(Texts(*mix, DrawValues(*mix, 0, 0)).front(), u"255:255"_s);

    // Parameters that name no segment count nothing.
    for (int param : {-1, 300, 7}) {
        auto cnt = make("TstSgmValCnt", Halves(), param);
        EXPECT_EQ(Texts(*cnt, DrawValues(*cnt, 0, 0)), Strs({"0"})) << param;
    }

    // An all-zero draw lies in no segment.
    TDrawsArray zeros = {Draw(1, {0, 0, 0, 0, 0})};
    for (const char* cls : kAllClasses) {
        auto stat = Make(cls, Env(&zeros, WithMap(WithZero())), 0);
        ASSERT_NE(stat, nullptr) << cls;
        const TStatDrawArray list = DrawValues(*stat, 0, 0);
        const std::string_view name(cls);
        if (name == "TstSegmCount" || name == "TstSgmValCnt")
            EXPECT_EQ(Texts(*stat, list), Strs({"0"})) << cls;
        else if (name == "TstSegmValues")
            EXPECT_EQ(Texts(*stat, list), Strs({"3 x 0", "0 x 0", "5 x 0"}));
        else
            EXPECT_TRUE(list.empty()) << cls;
    }
}

TEST_F(SegmentStats, BatchFormsAgreeWithSingleCalls)
{
    const std::vector<core::TComb> combs = {Comb({1, 2, 3, 4, 5}),      Comb({2, 7, 14, 33, 50}),
                                            Comb({10, 20, 30, 40, 50}), Comb({1, 2, 3, 4, 5}),
                                            Comb({9, 10, 20, 21, 54}),  Comb({26, 27, 28, 29, 30})};
    for (const QString& map : {QString(), Halves(), WithZero()}) {
        for (const char* cls : kAllClasses) {
            auto a = make(cls, map, 1);
            auto b = make(cls, map, 1);
            ASSERT_TRUE(a && b) << cls;
            ExpectBatchFormsAgree(*a, *b, combs, cls);
        }
    }
}

TEST(SegmentArchive, SegmentCountsOfTheNewestDrawsMatchAPlainCount)
{
    TDrawsArray draws;
    QString error;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws, &error))
        << error.toStdString();
    ASSERT_GE(draws.size(), 300u);
    const int last = int(draws.size()) - 1;
    const int first = last - 299;

    // Segment n mod 4 of number n (1, 2, 3, 0, 1, ...), and a few blocks with a gap in the numbering.
    QString byRemainder, blocks;
    for (int n = 1; n <= 54; ++n) {
        byRemainder += QChar(u'0' + n % 4);
        blocks += QChar(u'0' + (n <= 12 ? 7 : n <= 30 ? 2 : n <= 40 ? 9 : 0));
    }
    for (const QString& map : {byRemainder, blocks}) {
        const core::TSegmentMap seg = core::TextToDigits(map);
        auto stat = Make("TstSegmValues", Env(&draws, WithMap(map)));
        const TStatDrawArray list = Table(*stat, first, last);
        std::map<std::pair<int, int>, int> expected;
        for (int i = first; i <= last; ++i) {
            std::map<int, int> perSegment;
            for (int s : seg)
                perSegment[s] = 0;
            for (int p = 0; p < 5; ++p)
                ++perSegment[seg[std::size_t(draws[std::size_t(i)].Values[p] - 1)]];
            for (const auto& [s, n] : perSegment)
                ++expected[{s, n}];
        }
        std::map<std::pair<int, int>, int> actual;
        for (const core::TStatDrawRec& r : list)
            actual[{r.Key.c[0], r.Key.c[1]}] += r.Count;
        EXPECT_EQ(actual.size(), list.size()) << "no key twice";
        EXPECT_EQ(actual, expected) << map.toStdString();
    }
}

} // namespace
