// Channel statistics: the numbers grouped into channels of ChannelSize consecutive numbers
// (1..6, 7..12, ... by default). Which channels a draw occupies, how many numbers each holds,
// how many channels are occupied, the count in one chosen channel, and the channels that occur
// together over the Mix and Seq position patterns.
//
// A channel size of 0 or less defines no channel: then no number lies in a channel, the
// listing statistics give no value and the counts give 0. The same holds for a number outside
// 1..54 (the all-zero record read outside the archive).

#include "stats/Families.h"
#include "stats/Patterns.h"
#include "stats/StatBatch.h"

#include <algorithm>
#include <bit>

namespace stats {

namespace {

constexpr std::uint8_t kNoChannel = 0;
// Room for one channel per number (channel size 1) and the "no channel" slot 0.
constexpr int kMaxChannels = core::NumberCount;

// What every channel statistic copies at creation: the size and, derived from it, the channel
// of every byte value.
class ChannelMap
{
public:
    explicit ChannelMap(std::int32_t size) : m_size(size)
    {
        m_of.fill(kNoChannel);
        if (size <= 0)
            return;
        for (int n = 1; n <= core::NumberCount; ++n)
            m_of[std::size_t(n)] = std::uint8_t((n - 1) / size + 1);
        m_count = m_of[core::NumberCount];
    }

    std::int32_t size() const { return m_size; }
    // ceil(54 / size), 0 without channels.
    int count() const { return m_count; }
    std::uint8_t of(std::uint8_t n) const { return m_of[n]; }

    // "01 [1-6]": the channel and its first and last number; the last channel's bound is not
    // cut at 54.
    QString text(int channel) const
    {
        const std::int64_t first = std::int64_t(m_size) * (channel - 1) + 1;
        const std::int64_t last = std::int64_t(m_size) * channel;
        return core::FormatText(QStringLiteral("%.2d [%s-%s]"),
                                {std::int64_t(channel), QString::number(first), QString::number(last)});
    }

private:
    std::int32_t m_size = 0;
    int m_count = 0;
    std::array<std::uint8_t, 256> m_of{};
};

// The channels of five numbers.
struct Channels5
{
    std::uint16_t ch[core::CombSize];
};

inline Channels5 ChannelsOf(const ChannelMap& map, const std::uint8_t* v)
{
    Channels5 c;
    for (int p = 0; p < core::CombSize; ++p)
        c.ch[p] = map.of(v[p]);
    return c;
}

// Distinct channels among five numbers.
inline std::uint16_t DistinctChannels(const ChannelMap& map, const std::uint8_t* v)
{
    std::uint64_t seen = 0;
    for (int p = 0; p < core::CombSize; ++p) {
        const std::uint8_t c = map.of(v[p]);
        if (c != kNoChannel)
            seen |= std::uint64_t{1} << (c - 1);
    }
    return std::uint16_t(std::popcount(seen));
}

inline std::uint16_t CountInChannel(const ChannelMap& map, const std::uint8_t* v, std::int32_t channel)
{
    std::uint16_t n = 0;
    for (int p = 0; p < core::CombSize; ++p) {
        const std::uint8_t c = map.of(v[p]);
        n += (c != kNoChannel && c == channel) ? 1 : 0;
    }
    return n;
}

// The base of the channel statistics with several values per draw.
class TCustomChannelsStat : public TCustomNumbersStat
{
public:
    TCustomChannelsStat(const StatClass& cls, const StatEnv& env, int param)
        : TCustomNumbersStat(cls, env, param), ChannelSize(env.Config.ChannelSize), m_map(ChannelSize)
    {
    }

    const std::int32_t ChannelSize;

protected:
    const ChannelMap& channels() const { return m_map; }

private:
    ChannelMap m_map;
};

// The base of the channel statistics with one value per draw.
class TCustomChannelsGraphStat : public TCustomGraphStat
{
public:
    TCustomChannelsGraphStat(const StatClass& cls, const StatEnv& env, int param)
        : TCustomGraphStat(cls, env, param), ChannelSize(env.Config.ChannelSize), m_map(ChannelSize)
    {
    }

    const std::int32_t ChannelSize;

protected:
    const ChannelMap& channels() const { return m_map; }

private:
    ChannelMap m_map;
};

// The channel of each number, repeats counted; the key holds the channel in byte 1.
class TstChannels : public StatBatch<TstChannels, TCustomChannelsStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int c = 1; c <= channels().count(); ++c)
            preList(list, KeyW(std::uint16_t(c)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        for (int p = 0; p < core::CombSize; ++p) {
            const std::uint8_t c = channels().of(v[p]);
            if (c != kNoChannel)
                out(KeyW(c));
        }
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        for (int p = 0; p < core::CombSize; ++p) {
            const std::uint8_t c = channels().of(v[p]);
            if (c != kNoChannel && s.hasByte(1, c))
                return true;
        }
        return false;
    }
    QString ValueToText(const TStatDrawRec& value) const override { return channels().text(KeyByte(value.Key, 1)); }
    // The first blank-separated word, so a channel text reads back as its channel.
    std::int32_t TextToValue(const QString& text) const override
    {
        const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
        return words.isEmpty() ? 0 : DecimalOrZero(words.first());
    }
};

// (channel, numbers in it) for every channel in order, zero counts included.
class TstChanValues : public StatBatch<TstChanValues, TCustomChannelsStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        const int most = std::min(ChannelSize, core::CombSize);
        for (int c = 1; c <= channels().count(); ++c)
            for (int n = 0; n <= most; ++n)
                preList(list, KeyW(std::uint16_t(c), std::uint16_t(n)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        const auto counts = countPerChannel(v);
        for (int c = 1; c <= channels().count(); ++c)
            out(KeyW(std::uint16_t(c), counts[std::size_t(c)]));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        const auto counts = countPerChannel(v);
        for (int c = 1; c <= channels().count(); ++c)
            if (s.hasExact(std::uint16_t(c), counts[std::size_t(c)], 0, 0))
                return true;
        return false;
    }
    QString ValueToText(const TStatDrawRec& value) const override
    {
        return core::FormatText(QStringLiteral("%0:s x %1:d"),
                                {channels().text(value.Key.c[0]), std::int64_t(value.Key.c[1])});
    }

private:
    std::array<std::uint16_t, kMaxChannels + 1> countPerChannel(const std::uint8_t* v) const
    {
        std::array<std::uint16_t, kMaxChannels + 1> counts{};
        for (int p = 0; p < core::CombSize; ++p)
            ++counts[channels().of(v[p])];
        return counts;
    }
};

// The number of distinct channels.
class TstChanCount : public StatBatch<TstChanCount, TCustomChannelsGraphStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        const int most = std::min(channels().count(), core::CombSize);
        for (int n = 1; n <= most; ++n)
            preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        out(KeyW(DistinctChannels(channels(), v)));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        return s.hasWord(1, DistinctChannels(channels(), v));
    }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override
    {
        return DistinctChannels(channels(), numbers);
    }
};

// How many numbers lie in channel Param.
class TstChnValCnt : public StatBatch<TstChnValCnt, TCustomChannelsGraphStat>
{
public:
    using StatBatch::StatBatch;
    // 1..ChannelSize; no channel holds more than the 54 numbers, so a larger size lists no more.
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        const int most = std::min(ChannelSize, core::NumberCount);
        for (int n = 1; n <= most; ++n)
            preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        out(KeyW(CountInChannel(channels(), v, Param)));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        return s.hasWord(1, CountInChannel(channels(), v, Param));
    }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override
    {
        return CountInChannel(channels(), numbers, Param);
    }
};

// The channels of the positions of a Mix or Seq pattern of k positions. A tuple with a position
// outside every channel does not exist.
template <int K, bool Mix> class TstCombChnPattern : public StatBatch<TstCombChnPattern<K, Mix>, TCustomChannelsStat>
{
public:
    using StatBatch<TstCombChnPattern<K, Mix>, TCustomChannelsStat>::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        const Channels5 c = ChannelsOf(this->channels(), v);
        DefinedPatternTuples(Mix ? kMixSets[K] : kSeqSets[K], K, c.ch, std::uint16_t(kNoChannel), out);
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        bool found = false;
        values(v, [&](const TStatKey& k) { found = found || s.hasExact(k); });
        return found;
    }
    QString ValueToText(const TStatDrawRec& value) const override { return ComponentsText(value, K); }
};

using TstCombChnMix2 = TstCombChnPattern<2, true>;
using TstCombChnMix3 = TstCombChnPattern<3, true>;
using TstCombChnMix4 = TstCombChnPattern<4, true>;
using TstCombChnSeq2 = TstCombChnPattern<2, false>;
using TstCombChnSeq3 = TstCombChnPattern<3, false>;
using TstCombChnSeq4 = TstCombChnPattern<4, false>;

} // namespace

const std::vector<FactoryEntry>& ChannelStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstChannels", &MakeStat<TstChannels>},       {"TstChanValues", &MakeStat<TstChanValues>},
        {"TstChanCount", &MakeStat<TstChanCount>},     {"TstChnValCnt", &MakeStat<TstChnValCnt>},
        {"TstCombChnMix2", &MakeStat<TstCombChnMix2>}, {"TstCombChnMix3", &MakeStat<TstCombChnMix3>},
        {"TstCombChnMix4", &MakeStat<TstCombChnMix4>}, {"TstCombChnSeq2", &MakeStat<TstCombChnSeq2>},
        {"TstCombChnSeq3", &MakeStat<TstCombChnSeq3>}, {"TstCombChnSeq4", &MakeStat<TstCombChnSeq4>},
    };
    return list;
}

} // namespace stats
