// Full-set files: their byte layout and counts against counts worked out independently.

#include "StatTestSupport.h"

#include "core/GameMath.h"
#include "stats/StatList.h"
#include "views/FullSet.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace stattest;
using namespace views;

namespace {

std::int32_t readI32(const QByteArray& b, qsizetype at)
{
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= std::uint32_t(std::uint8_t(b[at + i])) << (8 * i);
    return std::int32_t(u);
}

std::uint16_t readU16(const QByteArray& b, qsizetype at)
{
    return std::uint16_t(std::uint8_t(b[at]) | (std::uint8_t(b[at + 1]) << 8));
}

class FullSetFiles : public ::testing::Test
{
protected:
    void SetUp() override { list.Fill(); }
    stats::TStatList list;
};

TEST_F(FullSetFiles, EvenCountsMatchTheBinomials)
{
    const FullSetCounts counts = ComputeFullSet(list, list.IndexOfCode(u"EVEN"_s));
    // k even numbers out of 27 even and 27 odd: C(27,k) * C(27,5-k), keys ascending 0..5.
    ASSERT_EQ(counts.Records.size(), 6u);
    std::int64_t total = 0;
    for (int k = 0; k <= 5; ++k) {
        EXPECT_EQ(counts.Records[std::size_t(k)].Key, stats::KeyW(std::uint16_t(k)));
        EXPECT_EQ(counts.Records[std::size_t(k)].Count, core::Binomial(27, k) * core::Binomial(27, 5 - k)) << k;
        total += counts.Records[std::size_t(k)].Count;
    }
    EXPECT_EQ(total, 3162510);
    EXPECT_EQ(counts.MinCount, core::Binomial(27, 5));
    EXPECT_EQ(counts.MaxCount, core::Binomial(27, 2) * core::Binomial(27, 3));

    const QByteArray bytes = FullSetFileBytes(counts);
    ASSERT_EQ(bytes.size(), 7 * 12);
    EXPECT_EQ(readU16(bytes, 12 * 2), 2);
    EXPECT_EQ(readU16(bytes, 12 * 2 + 2), 0);
    EXPECT_EQ(readI32(bytes, 12 * 2 + 8), core::Binomial(27, 2) * core::Binomial(27, 3));
    EXPECT_EQ(readI32(bytes, 6 * 12), counts.MinCount);
    EXPECT_EQ(readI32(bytes, 6 * 12 + 4), counts.MaxCount);
    EXPECT_EQ(readI32(bytes, 6 * 12 + 8), 0);
}

TEST_F(FullSetFiles, NumbersSumsAndPairsCountedByAPlainLoop)
{
    const FullSetCounts nums = ComputeFullSet(list, list.IndexOfCode(u"NUMS"_s));
    ASSERT_EQ(nums.Records.size(), 54u);
    for (const auto& r : nums.Records)
        EXPECT_EQ(r.Count, core::Binomial(53, 4));
    EXPECT_EQ(nums.MinCount, nums.MaxCount) << "every number equally likely";

    // Sums and column pairs by a plain loop over all combinations.
    std::vector<std::int32_t> sums(261, 0);
    std::map<std::pair<int, int>, std::int32_t> colv; // (column, count) with K = 6
    for (const core::TComb& c : FullCombinationSet()) {
        ++sums[std::size_t(c.v[0] + c.v[1] + c.v[2] + c.v[3] + c.v[4])];
        int per[7] = {};
        for (int n : c.v)
            ++per[(n - 1) % 6 + 1];
        for (int col = 1; col <= 6; ++col)
            ++colv[{col, per[col]}];
    }
    const FullSetCounts sumCounts = ComputeFullSet(list, list.IndexOfCode(u"SUMS"_s));
    ASSERT_EQ(sumCounts.Records.size(), 246u);
    for (const auto& r : sumCounts.Records) {
        const int s = int(stats::KeyHalf(r.Key, 1));
        EXPECT_EQ(r.Count, sums[std::size_t(s)]) << s;
    }
    EXPECT_EQ(sumCounts.MinCount, 1);
    const FullSetCounts colCounts = ComputeFullSet(list, list.IndexOfCode(u"COLV"_s));
    ASSERT_EQ(colCounts.Records.size(), colv.size());
    std::size_t i = 0;
    for (const auto& [key, count] : colv) { // the map is ascending by (column, count) as the file is
        EXPECT_EQ(colCounts.Records[i].Key, stats::KeyW(std::uint16_t(key.first), std::uint16_t(key.second)));
        EXPECT_EQ(colCounts.Records[i].Count, count);
        ++i;
    }
}

TEST_F(FullSetFiles, FilesRoundTripAndBadLengthsAreRefused)
{
    QTemporaryDir dir;
    const core::DataFolder folder(dir.path(), u"Vertoma_5x54"_s, dir.path());
    const QString path = FullSetPath(folder, u"PRIM"_s);
    EXPECT_TRUE(path.endsWith(u"/Prefetchs/Vertoma_5x54_PRIM.dfc"_s));
    const FullSetCounts counts = ComputeFullSet(list, list.IndexOfCode(u"PRIM"_s));
    QString error;
    ASSERT_TRUE(WriteFullSetFile(path, counts, &error)) << error.toStdString();
    FullSetCounts back;
    ASSERT_TRUE(ReadFullSetFile(path, back, &error));
    ASSERT_EQ(back.Records.size(), counts.Records.size());
    for (std::size_t i = 0; i < back.Records.size(); ++i) {
        EXPECT_EQ(back.Records[i].Key, counts.Records[i].Key);
        EXPECT_EQ(back.Records[i].Count, counts.Records[i].Count);
    }
    EXPECT_EQ(back.MaxCount, counts.MaxCount);
    // Primes: 17 of 54.
    EXPECT_EQ(counts.Records[0].Count, core::Binomial(37, 5));

    FullSetCounts parsed;
    EXPECT_TRUE(ParseFullSetBytes(QByteArray(), parsed, &error));
    EXPECT_TRUE(parsed.Records.empty()) << "an empty file reads as nothing, to be rebuilt";
    EXPECT_FALSE(ParseFullSetBytes(QByteArray(13, '\0'), parsed, &error));
    EXPECT_FALSE(ParseFullSetBytes(QByteArray(11, '\0'), parsed, &error));
    EXPECT_FALSE(ReadFullSetFile(dir.filePath(u"none.dfc"_s), parsed, &error));
}

} // namespace
