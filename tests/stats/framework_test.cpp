// The pieces every statistic shares: keys and selections, counting, the registry.

#include "StatTestSupport.h"
#include "TestPaths.h"

#include "core/DrawArchive.h"
#include "core/StatAccum.h"
#include "stats/Patterns.h"
#include "stats/StatKey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <set>

using namespace stattest;
using core::TStatDrawArray;
using core::TStatDrawRec;
using stats::KeyW;

namespace {

TEST(StatKeys, HalvesAndBytesViewTheSameEightBytes)
{
    const core::TStatKey k = KeyW(0x1234, 0x0001, 0xFFFF, 0x0000);
    EXPECT_EQ(stats::KeyHalf(k, 1), 0x00011234u);
    EXPECT_EQ(stats::KeyHalf(k, 2), 0x0000FFFFu);
    EXPECT_EQ(stats::KeyByte(k, 1), 0x34);
    EXPECT_EQ(stats::KeyByte(k, 2), 0x12);
    EXPECT_EQ(stats::KeyByte(k, 3), 0x01);
    EXPECT_EQ(stats::KeyByte(k, 5), 0xFF);
    const core::TStatKey s = stats::KeyHalfSigned(-12);
    EXPECT_EQ(std::int32_t(stats::KeyHalf(s, 1)), -12);
    EXPECT_EQ(s.c[2], 0);
}

TEST(StatKeys, SelectionAnswersAsTheLinearSearch)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 30; ++round) {
        TStatDrawArray rows(std::size_t(rng() % 12));
        auto small = [&] { return std::uint16_t(rng() % 3 == 0 ? rng() % 65536 : rng() % 6); };
        for (TStatDrawRec& r : rows)
            r.Key = KeyW(small(), small(), small(), small());
        const stats::TSelection sel(rows);
        for (int q = 0; q < 400; ++q) {
            const std::uint16_t a = small(), b = small(), c = small(), d = small();
            ASSERT_EQ(sel.hasExact(a, b, c, d), stats::HasExact(rows, a, b, c, d));
            ASSERT_EQ(sel.hasPair(a, c), stats::HasPair(rows, a, c));
            const int k = 1 + int(rng() % 4);
            ASSERT_EQ(sel.hasWord(k, a), stats::HasWord(rows, k, a));
            const int byteIndex = 1 + int(rng() % 8);
            ASSERT_EQ(sel.hasByte(byteIndex, std::uint8_t(a)), stats::HasByte(rows, byteIndex, std::uint8_t(a)));
            const std::uint32_t half = std::uint32_t(a) | (std::uint32_t(b) << 16);
            const int h = 1 + int(rng() % 2);
            ASSERT_EQ(sel.hasHalf(h, half), stats::HasHalf(rows, h, half));
        }
    }
    const stats::TSelection none;
    EXPECT_TRUE(none.empty());
    EXPECT_FALSE(none.hasExact(0, 0, 0, 0));
}

TEST(StatKeys, CounterGivesTheListOfOneMergeAtATime)
{
    std::mt19937 rng(11);
    // A list that already holds pre-listed values, one of them seen in a draw.
    TStatDrawArray start(3);
    start[0].Key = KeyW(1);
    start[1].Key = KeyW(2);
    start[1].LastDraw = 40;
    start[1].Depth = 2;
    start[1].PrevDraw = 40;
    start[2].Key = KeyW(3);
    start[2].LastDraw = 7; // no depth: a merge resets it
    TStatDrawArray merged = start;
    TStatDrawArray counted = start;
    stats::KeyCounter counter(counted);
    TStatDrawRec one;
    one.Count = 1;
    for (int i = 0; i < 5000; ++i) {
        // Small keys, keys past the direct table, and keys with upper components.
        const core::TStatKey k = KeyW(std::uint16_t(rng() % 90 + (rng() % 4 == 0 ? 480 : 0)), std::uint16_t(rng() % 9),
                                      std::uint16_t(rng() % 7 == 0 ? 3 : 0));
        one.Key = k;
        core::StatDrawMerge(merged, one, false);
        counter.add(k);
    }
    counter.finish();
    ASSERT_EQ(merged.size(), counted.size());
    for (std::size_t i = 0; i < merged.size(); ++i) {
        EXPECT_EQ(merged[i].Key, counted[i].Key) << i;
        EXPECT_EQ(merged[i].Count, counted[i].Count) << i;
        EXPECT_EQ(merged[i].LastDraw, counted[i].LastDraw) << i;
        EXPECT_EQ(merged[i].Depth, counted[i].Depth) << i;
        EXPECT_EQ(merged[i].PrevDraw, counted[i].PrevDraw) << i;
    }
}

TEST(Patterns, MixAndSeqEnumerateInTheirOrder)
{
    const std::uint16_t prop[5] = {1, 2, 3, 6, 9};
    QStringList mix;
    stats::PatternTuples(stats::kMixSets[2], 2, prop,
                         [&](const core::TStatKey& k) { mix << QStringLiteral("%1:%2").arg(k.c[0]).arg(k.c[1]); });
    EXPECT_EQ(mix, Strs({"1:2", "1:3", "1:6", "1:9", "2:3", "2:6", "2:9", "3:6", "3:9", "6:9"}));
    QStringList seq;
    stats::PatternTuples(stats::kSeqSets[3], 3, prop, [&](const core::TStatKey& k) {
        seq << QStringLiteral("%1:%2:%3").arg(k.c[0]).arg(k.c[1]).arg(k.c[2]);
        EXPECT_EQ(k.c[3], 0);
    });
    EXPECT_EQ(seq, Strs({"1:2:3", "2:3:6", "3:6:9"}));
    int mix4 = 0;
    stats::PatternTuples(stats::kMixSets[4], 4, prop, [&](const core::TStatKey&) { ++mix4; });
    EXPECT_EQ(mix4, 5);
}

TEST(Registry, HoldsEveryClassOnceInSelectorOrder)
{
    const auto& reg = stats::Registry();
    ASSERT_EQ(reg.size(), 143u);
    std::set<QString> names;
    for (std::size_t i = 0; i < reg.size(); ++i) {
        EXPECT_EQ(reg[i]->Row, int(i) + 1);
        EXPECT_TRUE(names.insert(QString::fromLatin1(reg[i]->ClassName)).second) << reg[i]->ClassName;
        EXPECT_GE(reg[i]->Category, 0);
        EXPECT_LT(reg[i]->Category, stats::CategoryCount);
    }
    EXPECT_EQ(QString::fromLatin1(reg.front()->ClassName), u"TstValues"_s);
    EXPECT_EQ(QString::fromLatin1(reg.back()->ClassName), u"TstShreddingStat"_s);
    for (const char* never : {"TstCombValSort2", "TstCombValSort3", "TstCombValSort4"})
        EXPECT_FALSE(stats::FindStatClass(QString::fromLatin1(never))->IsAvailable()) << never;
}

TEST(Registry, ClassLevelTextsAndFlags)
{
    auto cls = [](const char* name) { return stats::FindStatClass(QString::fromLatin1(name)); };
    EXPECT_EQ(cls("TstPosVal")->GetCodeFmt(3), u"POS3"_s);
    EXPECT_EQ(cls("TstPosVal")->GetCaptionFmt(3), u"Число в 3 позиции тиража"_s);
    EXPECT_EQ(cls("TstPosVal")->GetHelpCode(3), u"POSx"_s);
    EXPECT_EQ(cls("TstPosExt")->GetHelpCode(1), u"POSx"_s);
    EXPECT_EQ(cls("TstSumRanges")->GetHelpCode(2), u"SUM2"_s);
    EXPECT_EQ(cls("TstSumRanges")->GetCaptionFmt(1), u"Сумма тиража: диапазон 1 (1/3)"_s);
    EXPECT_EQ(cls("TstSumRanges")->GetCaptionFmt(3), u"Сумма тиража: диапазон 3 (2/3)"_s);
    EXPECT_EQ(cls("TstCombValMix2")->GetCodeFmt(0), u"KNM2"_s);
    EXPECT_EQ(cls("TstCombValMix2")->GetCaptionFmt(0), u"Сочетания из 2 чисел по всем числам тиража"_s);
    EXPECT_EQ(cls("TstRepValues2N1")->GetCodeFmt(0), u"PRV-1"_s);
    EXPECT_EQ(cls("TstRepValues2N1")->GetCaptionFmt(0), u"Данные предыдущего тиража - 1"_s);
    EXPECT_EQ(cls("TstRepCount2over1")->GetCodeFmt(0), u"RPO1"_s);
    EXPECT_EQ(cls("TstChain2Pos")->GetCaptionFmt(4), u"Переходы чисел между 2 тиражами в 4 позиции"_s);
    EXPECT_EQ(cls("TstChain2Pos")->GetHelpCode(4), u"SDNx"_s);
    EXPECT_EQ(cls("TstCombValPos2")->GetHelpCode(3), u"KNP2"_s);
    EXPECT_EQ(cls("TstQuellin3")->GetCodeFmt(0), u"HCQ3"_s);
    EXPECT_EQ(cls("TstShreddingStat")->GetCaptionFmt(2), u"Метод шинковки 2: %s"_s);
    EXPECT_EQ(cls("TstRepCount2P1")->GetCaptionFmt(0), u"Количество совпадений \"значений + 1\""_s);

    EXPECT_EQ(stats::FlagLetters(cls("TstEvenCount")->GetFlags()), u"NG"_s);
    EXPECT_EQ(stats::FlagLetters(cls("TstDiffMax")->GetFlags()), u"SNG"_s);
    EXPECT_EQ(stats::FlagLetters(cls("TstNumPeriods")->GetFlags()), u"P"_s);
    EXPECT_TRUE(cls("TstValues")->CanPrefetch());
    EXPECT_FALSE(cls("TstSumChange")->CanPrefetch());
    EXPECT_FALSE(cls("TstSumChange")->AllowsValueList());
    EXPECT_TRUE(cls("TstSumValues")->AllowsValueList());

    EXPECT_TRUE(cls("TstValues")->GetHelpTopic(0, u"/nonexistent/help.html"_s).isEmpty());
    EXPECT_TRUE(cls("TstValues")->GetHelpTopic(0, QString()).isEmpty());
    EXPECT_EQ(stats::CategoryGroup(5), u"sgm"_s);
    EXPECT_TRUE(stats::CategoryGroup(13).isEmpty());
}

TEST(Registry, HelpTopicsAreFilesBesideTheHelpFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString helpFile = dir.filePath(u"help/Numeko_RUS.html"_s);
    ASSERT_TRUE(QDir().mkpath(dir.filePath(u"help"_s)));
    {
        QFile file(helpFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    auto cls = [](const char* name) { return stats::FindStatClass(QString::fromLatin1(name)); };
    const QString folder = QFileInfo(helpFile).absolutePath() + u"/filters/"_s;
    // The page need not exist: the topic names where it belongs.
    EXPECT_EQ(cls("TstPosVal")->GetHelpTopic(3, helpFile), folder + u"Filters_1049_POSx.htm"_s);
    EXPECT_EQ(cls("TstSumRanges")->GetHelpTopic(2, helpFile), folder + u"Filters_1049_SUM2.htm"_s);
    EXPECT_EQ(cls("TstValues")->GetHelpTopic(0, helpFile),
              folder + u"Filters_1049_"_s + cls("TstValues")->GetHelpCode(0) + u".htm"_s);
    EXPECT_TRUE(cls("TstPosVal")->GetHelpTopic(3, dir.filePath(u"help/Numeko_ENU.html"_s)).isEmpty());
}

TEST(Registry, ParameterRangesFollowTheSettings)
{
    stats::StatEnv env;
    auto range = [&](const char* name) { return stats::FindStatClass(QString::fromLatin1(name))->GetParamRange(env); };
    EXPECT_EQ(range("TstChnValCnt"), std::make_pair(1, 9));
    EXPECT_EQ(range("TstColValCnt"), std::make_pair(1, 6));
    EXPECT_EQ(range("TstRowValCnt"), std::make_pair(1, 9));
    EXPECT_EQ(range("TstSgmValCnt"), std::make_pair(1, 1));
    env.Config.ChannelSize = 5;
    env.Config.MatrixCols = 7;
    env.Config.MatrixSegments[10] = 0;
    env.Config.MatrixSegments[20] = 4;
    EXPECT_EQ(range("TstChnValCnt"), std::make_pair(1, 11));
    EXPECT_EQ(range("TstChain2CnlCnt"), std::make_pair(1, 11));
    EXPECT_EQ(range("TstRowValCnt"), std::make_pair(1, 8));
    EXPECT_EQ(range("TstSgmValCnt"), std::make_pair(0, 4));
    env.Config.ChannelSize = 0;
    env.Config.MatrixCols = -2;
    EXPECT_LT(range("TstChnValCnt").second, range("TstChnValCnt").first);
    EXPECT_LT(range("TstColValCnt").second, range("TstColValCnt").first);
    EXPECT_LT(range("TstRowValCnt").second, range("TstRowValCnt").first);
}

TEST(Framework, OneDrawWindowAndReadsOutsideTheArchive)
{
    core::TDrawsArray draws = {Draw(5, {4, 9, 12, 30, 41})};
    auto stat = Make("TstValues", Env(&draws));
    const TStatDrawArray list = DrawValues(*stat, 0, 0);
    ASSERT_EQ(list.size(), 5u);
    for (const TStatDrawRec& r : list) {
        EXPECT_EQ(r.Count, 1);
        EXPECT_EQ(r.Depth, 1);
        EXPECT_EQ(r.LastDraw, 5);
        EXPECT_EQ(r.MinPeriod, 0);
        EXPECT_EQ(r.MaxPeriod, 0);
    }
    // Outside the archive every number reads 0 and is ordinary input.
    const TStatDrawArray outside = DrawValues(*stat, 3, 3);
    ASSERT_EQ(outside.size(), 1u);
    EXPECT_EQ(outside[0].Key, KeyW(0));
    EXPECT_EQ(outside[0].Count, 5);
    EXPECT_EQ(outside[0].LastDraw, 0);
}

TEST(Framework, FindNextSearchesToTheNewestDraw)
{
    core::TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 5}), Draw(2, {6, 7, 8, 9, 10}), Draw(3, {1, 7, 20, 21, 22}),
                               Draw(4, {30, 31, 32, 33, 34})};
    auto stat = Make("TstValues", Env(&draws));
    EXPECT_EQ(stat->FindNext(KeyW(7), 0, 1, false), 2);
    EXPECT_EQ(stat->FindNext(KeyW(7), 2, 1, false), 3) << "beyond the window end";
    EXPECT_EQ(stat->FindNext(KeyW(7), 3, 1, false), -1);
    EXPECT_EQ(stat->FindNext(KeyW(7), 4, 1, false), -1) << "beyond the archive";
    EXPECT_EQ(stat->FindNext(KeyW(34), -1, 1, false), 4);
}

TEST(Framework, PeriodsOfAValueAcrossDraws)
{
    core::TDrawsArray draws = {Draw(10, {1, 2, 3, 4, 5}), Draw(11, {1, 7, 8, 9, 10}), Draw(14, {1, 12, 13, 14, 15})};
    auto stat = Make("TstValues", Env(&draws));
    TStatDrawArray list;
    stats::TWorkArea work{};
    core::TLastValueArray last;
    for (int i = 0; i < 3; ++i)
        stat->CalcDraw(i, 2, false, list, work, last);
    ASSERT_EQ(list.front().Key, KeyW(1));
    EXPECT_EQ(list.front().Count, 3);
    EXPECT_EQ(list.front().MinPeriod, 1);
    EXPECT_EQ(list.front().MaxPeriod, 3);
    EXPECT_EQ(list.front().Depth, 1);
    EXPECT_EQ(list.front().LastDraw, 14);
    EXPECT_EQ(list[1].Key, KeyW(2));
    EXPECT_EQ(list[1].Depth, 3);
}

} // namespace

namespace {

TEST(Framework, KeepCombsPacksWhatTheTestKeeps)
{
    core::TDrawsArray draws = {Draw(1, {1, 2, 3, 4, 5})};
    std::vector<core::TComb> combs;
    for (int a = 1; a <= 9; ++a)
        combs.push_back(Comb({a, a + 3, a + 10, a + 20, a + 30}));
    for (const char* cls : {"TstValues", "TstSumValues", "TstEvenCount", "TstDiffMax"}) {
        auto stat = Make(cls, Env(&draws));
        ASSERT_NE(stat, nullptr) << cls;
        core::TStatDrawArray rows;
        stat->CalcComb(combs[2], rows);
        stat->CalcComb(combs[5], rows);
        const stats::TSelection sel(rows);
        for (std::size_t size : {0u, 1u, 2u, 3u, 8u, 9u}) {
            for (bool keep : {true, false}) {
                std::vector<core::TComb> expected;
                for (std::size_t i = 0; i < size; ++i)
                    if (stat->TestComb(combs[i], sel, !keep, false, 0) == keep)
                        expected.push_back(combs[i]);
                std::vector<core::TComb> out(size);
                const std::size_t n =
                    stat->KeepCombs(std::span(combs).first(size), sel, !keep, false, 0, keep, out.data());
                out.resize(n);
                EXPECT_EQ(out, expected) << cls << " size " << size << " keep " << keep;
                // In place, as a list packed over its own storage.
                std::vector<core::TComb> same(combs.begin(), combs.begin() + std::ptrdiff_t(size));
                const std::size_t m = stat->KeepCombs(same, sel, !keep, false, 0, keep, same.data());
                same.resize(m);
                EXPECT_EQ(same, expected) << cls << " in place";
            }
        }
    }
}

} // namespace

// The table asks for the next draw of every value at once; each class answers as it does when
// asked about one value at a time, from the draw after the value's last one and from elsewhere.
TEST(Framework, FindNextManyAnswersAsFindNextForEveryClass)
{
    core::TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    const stats::StatEnv env = Env(&draws);
    const int last = int(draws.size()) - 1 - 25;
    const int first = last - 60;
    int compared = 0;
    for (const stats::StatClass* cls : stats::Registry()) {
        if (!cls->IsAvailable())
            continue;
        const auto [low, high] = cls->GetParamRange(env);
        if (high < low)
            continue;
        for (const bool sorted : {false, true}) {
            std::unique_ptr<stats::TCustomStat> stat = cls->Create(*cls, env, low);
            TStatDrawArray values;
            stat->InitValues(last, values);
            stats::TWorkArea work{};
            core::TLastValueArray lastValues;
            for (int i = first; i <= last; ++i)
                stat->CalcDraw(i, last, sorted, values, work, lastValues);
            std::vector<core::TStatKey> keys;
            std::vector<int> from;
            for (std::size_t v = 0; v < values.size() && keys.size() < 60; ++v) {
                keys.push_back(values[v].Key);
                // Most from the draw after the last one, some from the window's start or before.
                const int after = core::FindDrawIndex(draws, values[v].LastDraw) + 1;
                from.push_back(v % 5 == 3 ? first : v % 7 == 4 ? -1 : after);
            }
            const std::vector<std::int32_t> many = stat->FindNextMany(keys, from, last, sorted);
            ASSERT_EQ(many.size(), keys.size());
            for (std::size_t q = 0; q < keys.size(); ++q) {
                ASSERT_EQ(many[q], stat->FindNext(keys[q], from[q], last, sorted))
                    << cls->ClassName << " value " << stat->ValueToText(values[q]).toStdString() << " from " << from[q];
                compared += many[q] >= 0 ? 1 : 0;
            }
        }
    }
    EXPECT_GT(compared, 1000) << "most values come again within the draws after the window";
}

namespace {

// A statistic of every available class that takes a parameter in the settings, with the highest
// parameter.
std::vector<std::unique_ptr<stats::TCustomStat>> HighestOfEachClass(const stats::StatEnv& env)
{
    std::vector<std::unique_ptr<stats::TCustomStat>> stats;
    for (const stats::StatClass* cls : stats::Registry()) {
        const auto [low, high] = cls->GetParamRange(env);
        if (cls->IsAvailable() && high >= low)
            stats.push_back(cls->Create(*cls, env, high));
    }
    return stats;
}

// The table values of the 81 draws up to last, unsorted.
TStatDrawArray WindowValues(stats::TCustomStat& stat, int last)
{
    TStatDrawArray values;
    stat.InitValues(last, values);
    stats::TWorkArea work{};
    core::TLastValueArray lastValues;
    for (int i = last - 80; i <= last; ++i)
        stat.CalcDraw(i, last, false, values, work, lastValues);
    return values;
}

} // namespace

// A class that says it matches row by row does: the matches of a selection are those of its
// rows together, whatever the analysis point each was asked at.
TEST(Framework, RowByRowMatchesJoinToTheSelectionsMatches)
{
    core::TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    const stats::StatEnv env = Env(&draws);
    // Every thirteenth combination of the full set.
    std::vector<core::TComb> base;
    int n = 0;
    for (int a = 1; a <= 54; ++a)
        for (int b = a + 1; b <= 54; ++b)
            for (int c = b + 1; c <= 54; ++c)
                for (int d = c + 1; d <= 54; ++d)
                    for (int e = d + 1; e <= 54; ++e)
                        if (n++ % 13 == 0)
                            base.push_back(Comb({a, b, c, d, e}));
    const std::size_t words = (base.size() + 63) / 64;
    const int last = int(draws.size()) - 1;
    std::mt19937 random(17);
    QStringList tested;
    QStringList split;
    QStringList indexed;
    for (const std::unique_ptr<stats::TCustomStat>& stat : HighestOfEachClass(env)) {
        const stats::StatClass* cls = &stat->statClass();
        if (!stat->MatchesRowByRow())
            continue;
        tested << QString::fromLatin1(cls->ClassName);
        // Split by value, a row that is one of the values matches the combinations that have it.
        std::vector<core::TStatKey> keys;
        std::vector<std::vector<std::uint64_t>> bits;
        if (stat->PositionsByValue(base, 64, keys, bits)) {
            split << QString::fromLatin1(cls->ClassName);
            ASSERT_EQ(keys.size(), bits.size());
            std::vector<std::uint64_t> marks(words);
            for (std::size_t j = 0; j < keys.size(); j += 1 + keys.size() / 8) {
                TStatDrawRec row;
                row.Key = keys[j];
                stat->LoadDraws(-1, last, false);
                stat->MarkCombs(base, stats::TSelection(TStatDrawArray{row}), false, false, last, true, marks.data());
                ASSERT_TRUE(marks == bits[j]) << cls->ClassName << " " << stat->ValueToText(row).toStdString();
            }
        } else {
            EXPECT_TRUE(keys.empty() && bits.empty()) << cls->ClassName;
        }
        // Indexed by the set of values, a row matches the combinations whose set has its key.
        std::vector<std::vector<core::TStatKey>> sets;
        std::vector<std::uint8_t> index;
        if (stat->ValuesOfEach(base, sets, index)) {
            indexed << QString::fromLatin1(cls->ClassName);
            ASSERT_EQ(index.size(), base.size());
            ASSERT_LE(sets.size(), 256u);
            std::vector<core::TStatKey> keysOfSets;
            for (const auto& set : sets)
                for (const core::TStatKey& k : set)
                    if (std::none_of(keysOfSets.begin(), keysOfSets.end(),
                                     [&](const core::TStatKey& x) { return stats::KeyBits(x) == stats::KeyBits(k); }))
                        keysOfSets.push_back(k);
            std::vector<std::uint64_t> marks(words);
            for (std::size_t j = 0; j < keysOfSets.size(); j += 1 + keysOfSets.size() / 8) {
                TStatDrawRec row;
                row.Key = keysOfSets[j];
                stat->LoadDraws(-1, last, false);
                stat->MarkCombs(base, stats::TSelection(TStatDrawArray{row}), false, false, last, true, marks.data());
                for (std::size_t i = 0; i < base.size(); ++i) {
                    const auto& set = sets[index[i]];
                    const bool has = std::any_of(set.begin(), set.end(), [&](const core::TStatKey& k) {
                        return stats::KeyBits(k) == stats::KeyBits(row.Key);
                    });
                    ASSERT_EQ(((marks[i / 64] >> (i % 64)) & 1) != 0, has)
                        << cls->ClassName << " " << stat->ValueToText(row).toStdString() << " at " << i;
                }
            }
        } else {
            EXPECT_TRUE(sets.empty() && index.empty()) << cls->ClassName;
        }
        const TStatDrawArray values = WindowValues(*stat, last);
        ASSERT_FALSE(values.empty()) << cls->ClassName;
        for (int round = 0; round < 3; ++round) {
            TStatDrawArray rows;
            for (int r = 0; r < 1 + round * 3; ++r)
                rows.push_back(values[random() % values.size()]);
            std::vector<std::uint64_t> whole(words);
            stat->LoadDraws(-1, last, false);
            stat->MarkCombs(base, stats::TSelection(rows), false, false, last, true, whole.data());
            std::vector<std::uint64_t> joined(words);
            std::vector<std::uint64_t> one(words);
            for (const TStatDrawRec& row : rows) {
                // Another analysis point for each row.
                const int at = last - 100 - int(random() % 500);
                stat->LoadDraws(-1, at, false);
                stat->MarkCombs(base, stats::TSelection(TStatDrawArray{row}), false, false, at, true, one.data());
                for (std::size_t w = 0; w < words; ++w)
                    joined[w] |= one[w];
            }
            ASSERT_TRUE(joined == whole) << cls->ClassName << " round " << round;
        }
    }
    for (const char* name : {"TstValues", "TstSumValues", "TstEvenCount", "TstCombValMix2"})
        EXPECT_TRUE(tested.contains(QString::fromLatin1(name))) << name;
    EXPECT_GT(tested.size(), 10) << tested.join(u' ').toStdString();
    // Few values split; many (sums, pairs) do not.
    for (const char* name : {"TstValues", "TstEvenCount"})
        EXPECT_TRUE(split.contains(QString::fromLatin1(name))) << name;
    for (const char* name : {"TstSumValues", "TstCombValMix2"})
        EXPECT_FALSE(split.contains(QString::fromLatin1(name))) << name;
    // Few sets of values index (sums have one value each); the numbers and pairs do not.
    for (const char* name : {"TstSumValues", "TstEvenCount"})
        EXPECT_TRUE(indexed.contains(QString::fromLatin1(name))) << name;
    for (const char* name : {"TstValues", "TstCombValMix2"})
        EXPECT_FALSE(indexed.contains(QString::fromLatin1(name))) << name;
}

// A class that says its test asks only whether a combination has one of some numbers does: its
// verdict on every combination is whether the combination has one of the numbers it names, at
// analysis points across the archive.
TEST(Framework, MatchingNumbersAreWhatTheTestAsks)
{
    core::TDrawsArray draws;
    ASSERT_TRUE(core::LoadDrawsFile(QStringLiteral(VERTOMA_SHARED_DATA_DIR "/Vertoma_5x54.ldr"), draws));
    const stats::StatEnv env = Env(&draws);
    std::vector<core::TComb> base;
    std::mt19937 random(41);
    for (int i = 0; i < 20000; ++i) {
        std::vector<int> numbers;
        while (numbers.size() < 5) {
            const int n = 1 + int(random() % 54);
            if (std::find(numbers.begin(), numbers.end(), n) == numbers.end())
                numbers.push_back(n);
        }
        std::sort(numbers.begin(), numbers.end());
        base.push_back(Comb({numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]}));
    }
    const std::size_t words = (base.size() + 63) / 64;
    QStringList named;
    for (const std::unique_ptr<stats::TCustomStat>& stat : HighestOfEachClass(env)) {
        const stats::StatClass* cls = &stat->statClass();
        std::uint64_t numbers = 0;
        if (!stat->MatchingNumbers(stats::TSelection(), numbers))
            continue;
        named << QString::fromLatin1(cls->ClassName);
        for (int round = 0; round < 4; ++round) {
            const int last = int(draws.size()) - 1 - round * 150;
            const TStatDrawArray values = WindowValues(*stat, last);
            ASSERT_FALSE(values.empty()) << cls->ClassName;
            TStatDrawArray rows;
            for (int r = 0; r < 1 + round * 2; ++r)
                rows.push_back(values[random() % values.size()]);
            const stats::TSelection selection(rows);
            ASSERT_TRUE(stat->MatchingNumbers(selection, numbers));
            EXPECT_NE(numbers, 0u) << cls->ClassName << " round " << round;
            std::vector<std::uint64_t> marks(words);
            stat->LoadDraws(-1, last, false);
            stat->MarkCombs(base, selection, false, false, last, true, marks.data());
            for (std::size_t i = 0; i < base.size(); ++i) {
                bool has = false;
                for (const std::uint8_t n : base[i].v)
                    has = has || ((numbers >> n) & 1) != 0;
                ASSERT_EQ(((marks[i / 64] >> (i % 64)) & 1) != 0, has) << cls->ClassName << " at " << i;
            }
        }
    }
    EXPECT_TRUE(named.contains(u"TstRepValues2over1"_s)) << named.join(u' ').toStdString();
}
