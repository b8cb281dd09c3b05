#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string_view>

using namespace stattest;
using core::TDrawsArray;
using core::TStatDrawArray;

namespace {

const char* const kAllClasses[] = {"TstChannels",    "TstChanValues",  "TstChanCount",   "TstChnValCnt",
                                   "TstCombChnMix2", "TstCombChnMix3", "TstCombChnMix4", "TstCombChnSeq2",
                                   "TstCombChnSeq3", "TstCombChnSeq4"};

class ChannelStats : public ::testing::Test
{
protected:
    // The worked draw ascending, the same draw in drawn order, and a draw inside channel 1.
    TDrawsArray draws = {Draw(1, {2, 7, 14, 33, 50}), Draw(2, {50, 2, 33, 7, 14}), Draw(3, {1, 2, 3, 4, 5})};

    std::unique_ptr<stats::TCustomStat> make(const char* cls, int size = 6, int param = 0)
    {
        return Make(cls, Env(&draws, WithChannelSize(size)), param);
    }
    QStringList drawTexts(const char* cls, int index, int size = 6, int param = 0, bool sorted = false)
    {
        auto stat = make(cls, size, param);
        return Texts(*stat, DrawValues(*stat, index, index, sorted));
    }
};

TEST_F(ChannelStats, WorkedDrawWithChannelSize6)
{
    EXPECT_EQ(drawTexts("TstChannels", 0), Strs({"01 [1-6]", "02 [7-12]", "03 [13-18]", "06 [31-36]", "09 [49-54]"}));
    EXPECT_EQ(drawTexts("TstChanValues", 0),
              Strs({"01 [1-6] x 1", "02 [7-12] x 1", "03 [13-18] x 1", "04 [19-24] x 0", "05 [25-30] x 0",
                    "06 [31-36] x 1", "07 [37-42] x 0", "08 [43-48] x 0", "09 [49-54] x 1"}));
    EXPECT_EQ(drawTexts("TstChanCount", 0), Strs({"5"}));
    EXPECT_EQ(drawTexts("TstChnValCnt", 0, 6, 1), Strs({"1"}));
    EXPECT_EQ(drawTexts("TstCombChnMix2", 0),
              Strs({"1:2", "1:3", "1:6", "1:9", "2:3", "2:6", "2:9", "3:6", "3:9", "6:9"}));
    EXPECT_EQ(drawTexts("TstCombChnSeq2", 0), Strs({"1:2", "2:3", "3:6", "6:9"}));
    EXPECT_EQ(drawTexts("TstCombChnSeq3", 0), Strs({"1:2:3", "2:3:6", "3:6:9"}));
    EXPECT_EQ(drawTexts("TstCombChnSeq4", 0), Strs({"1:2:3:6", "2:3:6:9"}));
    EXPECT_EQ(drawTexts("TstCombChnMix4", 0), Strs({"1:2:3:6", "1:2:3:9", "1:2:6:9", "1:3:6:9", "2:3:6:9"}));

    // The same draw in drawn order 50, 2, 33, 7, 14: channels 9, 1, 6, 2, 3.
    EXPECT_EQ(drawTexts("TstCombChnSeq2", 1), Strs({"9:1", "1:6", "6:2", "2:3"}));
    EXPECT_EQ(drawTexts("TstCombChnSeq2", 1, 6, 0, true), Strs({"1:2", "2:3", "3:6", "6:9"}));
    EXPECT_EQ(drawTexts("TstChannels", 1), Strs({"09 [49-54]", "01 [1-6]", "06 [31-36]", "02 [7-12]", "03 [13-18]"}));
    EXPECT_EQ(drawTexts("TstChanCount", 1), Strs({"5"}));

    // All five numbers in channel 1: the channel counts five times.
    auto chan = make("TstChannels");
    const TStatDrawArray one = DrawValues(*chan, 2, 2);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Count, 5);
    EXPECT_EQ(drawTexts("TstChanCount", 2), Strs({"1"}));
    EXPECT_EQ(drawTexts("TstChnValCnt", 2, 6, 1), Strs({"5"}));
    EXPECT_EQ(drawTexts("TstCombChnMix3", 2), Strs({"1:1:1"}));

    // The graph values agree with the table values.
    auto count = make("TstChanCount");
    auto inChannel = make("TstChnValCnt", 6, 6);
    auto* g1 = dynamic_cast<stats::TCustomGraphStat*>(count.get());
    auto* g2 = dynamic_cast<stats::TCustomGraphStat*>(inChannel.get());
    ASSERT_TRUE(g1 && g2);
    EXPECT_EQ(g1->DrawValue(0, 0, false), 5);
    EXPECT_EQ(g1->DrawValue(2, 2, false), 1);
    EXPECT_EQ(g2->CombValue(Comb({31, 32, 36, 37, 50}).v, -1, false, 0), 3);
}

TEST_F(ChannelStats, PreListedValuesFollowTheChannelSize)
{
    auto chan = make("TstChannels", 5);
    const TStatDrawArray chanList = PreListed(*chan);
    ASSERT_EQ(chanList.size(), 11u);
    EXPECT_EQ(chan->ValueToText(chanList.back()), u"11 [51-55]"_s) << "the last bound is not cut at 54";

    // Channel size 6: nine channels with counts 0..5 each.
    auto values = make("TstChanValues");
    const TStatDrawArray v6 = PreListed(*values);
    ASSERT_EQ(v6.size(), 9u * 6u);
    EXPECT_EQ(values->ValueToText(v6.front()), u"01 [1-6] x 0"_s);
    EXPECT_EQ(values->ValueToText(v6[5]), u"01 [1-6] x 5"_s);
    EXPECT_EQ(values->ValueToText(v6.back()), u"09 [49-54] x 5"_s);
    // Channel size 3: counts 0..3 only, eighteen channels.
    auto values3 = make("TstChanValues", 3);
    const TStatDrawArray v3 = PreListed(*values3);
    ASSERT_EQ(v3.size(), 18u * 4u);
    EXPECT_EQ(values3->ValueToText(v3[3]), u"01 [1-3] x 3"_s);

    auto count27 = make("TstChanCount", 27);
    EXPECT_EQ(Texts(*count27, PreListed(*count27)), Strs({"1", "2"}));
    auto count6 = make("TstChanCount");
    EXPECT_EQ(Texts(*count6, PreListed(*count6)), Strs({"1", "2", "3", "4", "5"}));

    // 1..ChannelSize, so counts above 5 are listed too; a count of 0 comes at the end when it occurs.
    auto inChannel = make("TstChnValCnt", 8, 2);
    TStatDrawArray list = PreListed(*inChannel);
    EXPECT_EQ(Texts(*inChannel, list), Strs({"1", "2", "3", "4", "5", "6", "7", "8"}));
    stats::TWorkArea work{};
    core::TLastValueArray last;
    inChannel->CalcDraw(2, 2, false, list, work, last); // 1..5: nothing in channel 2 (9..16)
    ASSERT_EQ(list.size(), 9u);
    EXPECT_EQ(inChannel->ValueToText(list.back()), u"0"_s);
    EXPECT_EQ(list.back().Count, 1);

    // The pattern classes pre-list nothing.
    auto mix = make("TstCombChnMix2");
    EXPECT_TRUE(PreListed(*mix).empty());
}

TEST_F(ChannelStats, TextToValueReadsTheFirstWord)
{
    auto chan = make("TstChannels");
    EXPECT_EQ(chan->TextToValue(u"01 [1-6]"_s), 1);
    EXPECT_EQ(chan->TextToValue(u"  7 [37-42]"_s), 7);
    EXPECT_EQ(chan->TextToValue(u"09"_s), 9);
    EXPECT_EQ(chan->TextToValue(u""_s), 0);
    EXPECT_EQ(chan->TextToValue(u"[1-6]"_s), 0);
    // The others read the whole text.
    auto count = make("TstChanCount");
    EXPECT_EQ(count->TextToValue(u"3"_s), 3);
    EXPECT_EQ(count->TextToValue(u"3 x"_s), 0);
}

TEST_F(ChannelStats, TestCombMatchesTheSelectedRows)
{
    auto chan = make("TstChannels");
    const TStatDrawArray nine = Rows({stats::KeyW(9)});
    EXPECT_TRUE(chan->TestComb(Comb({1, 2, 3, 4, 50}), nine, false, false, 0));
    EXPECT_FALSE(chan->TestComb(Comb({1, 2, 3, 4, 48}), nine, false, false, 0));

    // A row for channel 2 with count 0 matches every combination without a number in 7..12.
    auto values = make("TstChanValues");
    const TStatDrawArray emptyTwo = Rows({stats::KeyW(2, 0)});
    EXPECT_TRUE(values->TestComb(Comb({1, 2, 3, 4, 5}), emptyTwo, false, false, 0));
    EXPECT_TRUE(values->TestComb(Comb({13, 20, 30, 40, 54}), emptyTwo, false, false, 0));
    EXPECT_FALSE(values->TestComb(Comb({1, 7, 13, 19, 25}), emptyTwo, false, false, 0));
    const TStatDrawArray fullOne = Rows({stats::KeyW(1, 5)});
    EXPECT_TRUE(values->TestComb(Comb({1, 2, 3, 4, 5}), fullOne, false, false, 0));
    EXPECT_FALSE(values->TestComb(Comb({1, 2, 3, 4, 7}), fullOne, false, false, 0));

    auto count = make("TstChanCount");
    const TStatDrawArray two = Rows({stats::KeyW(2)});
    EXPECT_TRUE(count->TestComb(Comb({1, 2, 3, 7, 8}), two, false, false, 0));
    EXPECT_FALSE(count->TestComb(Comb({1, 2, 3, 7, 13}), two, false, false, 0));

    auto inChannel = make("TstChnValCnt", 6, 3);
    const TStatDrawArray zero = Rows({stats::KeyW(0)});
    EXPECT_TRUE(inChannel->TestComb(Comb({1, 2, 3, 7, 8}), zero, false, false, 0));
    EXPECT_FALSE(inChannel->TestComb(Comb({1, 2, 3, 7, 13}), zero, false, false, 0));

    // The pattern classes add nothing for a combination but still test its tuples.
    auto mix = make("TstCombChnMix2");
    EXPECT_TRUE(CombValues(*mix, Comb({2, 7, 14, 33, 50})).empty());
    const TStatDrawArray pair = Rows({stats::KeyW(3, 9)});
    EXPECT_TRUE(mix->TestComb(Comb({2, 7, 14, 33, 50}), pair, false, false, 0));
    EXPECT_FALSE(mix->TestComb(Comb({2, 7, 14, 33, 48}), pair, false, false, 0));
    auto seq = make("TstCombChnSeq2");
    EXPECT_FALSE(seq->TestComb(Comb({2, 7, 14, 33, 50}), pair, false, false, 0)) << "3 and 9 are not neighbours";
    EXPECT_TRUE(seq->TestComb(Comb({2, 7, 14, 50, 51}), pair, false, false, 0));
    auto seq3 = make("TstCombChnSeq3");
    EXPECT_TRUE(seq3->TestComb(Comb({2, 7, 14, 33, 50}), Rows({stats::KeyW(2, 3, 6)}), false, false, 0));
    EXPECT_FALSE(seq3->TestComb(Comb({2, 7, 14, 33, 50}), Rows({stats::KeyW(2, 3, 9)}), false, false, 0));
}

TEST_F(ChannelStats, NoChannelSizeIsSafe)
{
    for (int size : {0, -3}) {
        for (const char* cls : kAllClasses) {
            auto stat = make(cls, size, 1);
            ASSERT_NE(stat, nullptr) << cls;
            EXPECT_TRUE(PreListed(*stat).empty()) << cls << " " << size;
            const TStatDrawArray list = Table(*stat, 0, 2);
            const TStatDrawArray comb = CombValues(*stat, Comb({1, 2, 3, 4, 5}));
            // Only the counts exist, and they are 0: no number lies in a channel.
            if (std::string_view(cls) == "TstChanCount" || std::string_view(cls) == "TstChnValCnt") {
                EXPECT_EQ(Texts(*stat, list), Strs({"0"})) << cls;
                EXPECT_EQ(list[0].Count, 3) << cls;
                EXPECT_EQ(Texts(*stat, comb), Strs({"0"})) << cls;
                EXPECT_EQ(dynamic_cast<stats::TCustomGraphStat&>(*stat).DrawValue(0, 0, false), 0);
            } else {
                EXPECT_TRUE(list.empty()) << cls;
                EXPECT_TRUE(comb.empty()) << cls;
                EXPECT_FALSE(
                    stat->TestComb(Comb({1, 2, 3, 4, 5}), Rows({stats::KeyW(0), stats::KeyW(1)}), false, false, 0))
                    << cls;
            }
            core::TStatDrawRec r;
            r.Key = stats::KeyW(1, 1, 1, 1);
            EXPECT_FALSE(stat->ValueToText(r).isEmpty()) << cls;
        }
    }
    // A channel size beyond the field is one channel; the size itself never runs a list away.
    auto huge = make("TstChnValCnt", INT_MAX, 1);
    EXPECT_EQ(PreListed(*huge).size(), 54u);
    EXPECT_EQ(Texts(*huge, DrawValues(*huge, 0, 0)), Strs({"5"}));
    auto hugeChan = make("TstChannels", INT_MAX);
    EXPECT_EQ(Texts(*hugeChan, PreListed(*hugeChan)), Strs({"01 [1-2147483647]"}));
    auto hugeValues = make("TstChanValues", 100);
    EXPECT_EQ(Texts(*hugeValues, DrawValues(*hugeValues, 0, 0)), Strs({"01 [1-100] x 5"}));
}

TEST_F(ChannelStats, ZeroNumbersLieInNoChannel)
{
    // An index outside the archive reads an all-zero record.
    TDrawsArray zeros = {Draw(1, {0, 0, 0, 0, 0})};
    const stats::StatEnv env = Env(&zeros);
    auto chan = Make("TstChannels", env);
    EXPECT_TRUE(DrawValues(*chan, 0, 0).empty());
    auto values = Make("TstChanValues", env);
    const TStatDrawArray v = DrawValues(*values, 0, 0);
    ASSERT_EQ(v.size(), 9u);
    for (const core::TStatDrawRec& r : v)
        EXPECT_EQ(r.Key.c[1], 0);
    auto count = Make("TstChanCount", env);
    EXPECT_EQ(Texts(*count, DrawValues(*count, 0, 0)), Strs({"0"}));
    auto mix = Make("TstCombChnMix2", env);
    EXPECT_TRUE(DrawValues(*mix, 0, 0).empty());
    EXPECT_EQ(dynamic_cast<stats::TCustomGraphStat&>(*count).DrawValue(5, 0, false), 0);
}

TEST_F(ChannelStats, BatchFormsAgreeWithSingleCalls)
{
    const std::vector<core::TComb> combs = {Comb({1, 2, 3, 4, 5}),      Comb({2, 7, 14, 33, 50}),
                                            Comb({10, 20, 30, 40, 50}), Comb({1, 2, 3, 4, 5}),
                                            Comb({6, 7, 12, 13, 54}),   Comb({31, 32, 33, 34, 36})};
    for (int size : {6, 5, 0}) {
        for (const char* cls : kAllClasses) {
            auto a = make(cls, size, 2);
            auto b = make(cls, size, 2);
            ASSERT_TRUE(a && b) << cls;
            ExpectBatchFormsAgree(*a, *b, combs, cls);
        }
    }
}

TEST(ChannelArchive, ChannelCountsOfTheNewestDrawsMatchAPlainCount)
{
    TDrawsArray draws;
    QString error;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws, &error))
        << error.toStdString();
    ASSERT_GE(draws.size(), 300u);
    const int last = int(draws.size()) - 1;
    const int first = last - 299;
    for (int size : {6, 7}) {
        auto stat = Make("TstChannels", Env(&draws, WithChannelSize(size)));
        const TStatDrawArray list = Table(*stat, first, last);
        std::map<int, int> expected;
        const int channels = (54 + size - 1) / size;
        for (int c = 1; c <= channels; ++c)
            expected[c] = 0;
        for (int i = first; i <= last; ++i)
            for (int p = 0; p < 5; ++p)
                ++expected[(draws[std::size_t(i)].Values[p] - 1) / size + 1];
        std::map<int, int> actual;
        for (const core::TStatDrawRec& r : list)
            actual[stats::KeyByte(r.Key, 1)] += r.Count;
        EXPECT_EQ(list.size(), std::size_t(channels));
        EXPECT_EQ(actual, expected) << "channel size " << size;
    }
}

TEST(ChannelFullSet, ChannelCountsOverAllCombinations)
{
    std::vector<core::TComb> all;
    all.reserve(3162510);
    for (int a = 1; a <= 50; ++a)
        for (int b = a + 1; b <= 51; ++b)
            for (int c = b + 1; c <= 52; ++c)
                for (int d = c + 1; d <= 53; ++d)
                    for (int e = d + 1; e <= 54; ++e)
                        all.push_back(Comb({a, b, c, d, e}));
    ASSERT_EQ(all.size(), 3162510u);

    TDrawsArray none;
    auto stat = Make("TstChanCount", Env(&none));
    TStatDrawArray list;
    stat->InitValues(0, list);
    stat->CalcCombs(all, list);
    std::int64_t total = 0;
    std::map<int, int> byValue;
    for (const core::TStatDrawRec& r : list) {
        total += r.Count;
        byValue[r.Key.c[0]] = r.Count;
    }
    EXPECT_EQ(total, 3162510);
    // One channel: 9 channels, 6 ways to take 5 of its 6 numbers. Five channels: C(9,5) choices,
    // one of 6 numbers in each.
    EXPECT_EQ(byValue[1], 9 * 6);
    EXPECT_EQ(byValue[5], 126 * 6 * 6 * 6 * 6 * 6);
}

} // namespace
