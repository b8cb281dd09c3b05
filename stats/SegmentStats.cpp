// Segment statistics: user-defined groups of numbers. The segment map gives every number
// 1..54 a segment number (0..9 from the settings); a draw is described by the segments of its
// numbers as channels are: which segments, how many numbers each holds, how many segments are
// occupied, the count in one chosen segment, and the segments that occur together over the
// Mix and Seq position patterns.
//
// Segments are listed in the order of their first number. A number outside 1..54 (the all-zero
// record read outside the archive) lies in no segment: it adds no value and no count.

#include "stats/Families.h"
#include "stats/Patterns.h"
#include "stats/StatBatch.h"

namespace stats {

namespace {

// Any byte can be a segment number, so "no segment" lies outside the byte range.
constexpr std::uint16_t kNoSegment = 0xFFFF;

class SegmentMap
{
public:
    explicit SegmentMap(const core::TSegmentMap& map)
    {
        m_of.fill(kNoSegment);
        std::array<bool, 256> listed{};
        for (int n = 1; n <= core::NumberCount; ++n) {
            const std::uint8_t s = map[std::size_t(n - 1)];
            m_of[std::size_t(n)] = s;
            if (!listed[s]) {
                listed[s] = true;
                m_order[std::size_t(m_count++)] = s;
            }
        }
    }

    std::uint16_t of(std::uint8_t n) const { return m_of[n]; }
    // The segments present in the map, in order of their first number.
    int count() const { return m_count; }
    std::uint8_t at(int i) const { return m_order[std::size_t(i)]; }

private:
    std::array<std::uint16_t, 256> m_of{};
    std::array<std::uint8_t, core::NumberCount> m_order{};
    int m_count = 0;
};

// The base of the segment statistics with several values per draw.
class TCustomSegmentsStat : public TCustomNumbersStat
{
public:
    TCustomSegmentsStat(const StatClass& cls, const StatEnv& env, int param)
        : TCustomNumbersStat(cls, env, param), Segments(env.Config.MatrixSegments), m_map(Segments)
    {
    }

    const core::TSegmentMap Segments;

protected:
    const SegmentMap& segments() const { return m_map; }

private:
    SegmentMap m_map;
};

// The base of the segment statistics with one value per draw.
class TCustomSegmentsGraphStat : public TCustomGraphStat
{
public:
    TCustomSegmentsGraphStat(const StatClass& cls, const StatEnv& env, int param)
        : TCustomGraphStat(cls, env, param), Segments(env.Config.MatrixSegments), m_map(Segments)
    {
    }

    const core::TSegmentMap Segments;

protected:
    const SegmentMap& segments() const { return m_map; }

private:
    SegmentMap m_map;
};

std::array<std::uint8_t, 256> CountPerSegment(const SegmentMap& map, const std::uint8_t* v)
{
    std::array<std::uint8_t, 256> counts{};
    for (int p = 0; p < core::CombSize; ++p) {
        const std::uint16_t s = map.of(v[p]);
        if (s != kNoSegment)
            ++counts[s];
    }
    return counts;
}

std::uint16_t DistinctSegments(const SegmentMap& map, const std::uint8_t* v)
{
    std::uint16_t n = 0;
    for (int p = 0; p < core::CombSize; ++p) {
        const std::uint16_t s = map.of(v[p]);
        if (s == kNoSegment)
            continue;
        bool earlier = false;
        for (int q = 0; q < p; ++q)
            earlier = earlier || map.of(v[q]) == s;
        n += earlier ? 0 : 1;
    }
    return n;
}

std::uint16_t CountInSegment(const SegmentMap& map, const std::uint8_t* v, std::int32_t segment)
{
    std::uint16_t n = 0;
    for (int p = 0; p < core::CombSize; ++p) {
        const std::uint16_t s = map.of(v[p]);
        n += (s != kNoSegment && s == segment) ? 1 : 0;
    }
    return n;
}

// The segment of each number: SGMS.
class TstSegments : public StatBatch<TstSegments, TCustomSegmentsStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int i = 0; i < segments().count(); ++i)
            preList(list, KeyW(segments().at(i)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        for (int p = 0; p < core::CombSize; ++p) {
            const std::uint16_t s = segments().of(v[p]);
            if (s != kNoSegment)
                out(KeyW(s));
        }
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        for (int p = 0; p < core::CombSize; ++p) {
            const std::uint16_t g = segments().of(v[p]);
            if (g != kNoSegment && s.hasWord(1, g))
                return true;
        }
        return false;
    }
};

// (segment, numbers in it) for every segment of the map, zero counts included: SGMV.
class TstSegmValues : public StatBatch<TstSegmValues, TCustomSegmentsStat>
{
public:
    using StatBatch::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        const auto counts = CountPerSegment(segments(), v);
        for (int i = 0; i < segments().count(); ++i) {
            const std::uint8_t g = segments().at(i);
            out(KeyW(g, counts[g]));
        }
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        const auto counts = CountPerSegment(segments(), v);
        for (int i = 0; i < segments().count(); ++i) {
            const std::uint8_t g = segments().at(i);
            if (s.hasExact(g, counts[g], 0, 0))
                return true;
        }
        return false;
    }
    QString ValueToText(const TStatDrawRec& value) const override
    {
        return core::FormatText(QStringLiteral("%0:d x %1:d"),
                                {std::int64_t(value.Key.c[0]), std::int64_t(value.Key.c[1])});
    }
};

// The number of distinct segments: SGMC.
class TstSegmCount : public StatBatch<TstSegmCount, TCustomSegmentsGraphStat>
{
public:
    using StatBatch::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        out(KeyW(DistinctSegments(segments(), v)));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        return s.hasWord(1, DistinctSegments(segments(), v));
    }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override
    {
        return DistinctSegments(segments(), numbers);
    }
};

// How many numbers lie in segment Param: SGM%d.
class TstSgmValCnt : public StatBatch<TstSgmValCnt, TCustomSegmentsGraphStat>
{
public:
    using StatBatch::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        out(KeyW(CountInSegment(segments(), v, Param)));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        return s.hasWord(1, CountInSegment(segments(), v, Param));
    }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override
    {
        return CountInSegment(segments(), numbers, Param);
    }
};

// The segments of the positions of a Mix or Seq pattern of K positions. A tuple with a position
// outside every segment does not exist.
template <int K, bool Mix> class TstCombSegmPattern : public StatBatch<TstCombSegmPattern<K, Mix>, TCustomSegmentsStat>
{
public:
    using StatBatch<TstCombSegmPattern<K, Mix>, TCustomSegmentsStat>::StatBatch;
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        std::uint16_t g[core::CombSize];
        for (int p = 0; p < core::CombSize; ++p)
            g[p] = this->segments().of(v[p]);
        DefinedPatternTuples(Mix ? kMixSets[K] : kSeqSets[K], K, g, std::uint16_t(kNoSegment), out);
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        bool found = false;
        values(v, [&](const TStatKey& k) { found = found || s.hasExact(k); });
        return found;
    }
    QString ValueToText(const TStatDrawRec& value) const override { return ComponentsText(value, K); }
};

using TstCombSegmMix2 = TstCombSegmPattern<2, true>;
using TstCombSegmMix3 = TstCombSegmPattern<3, true>;
using TstCombSegmMix4 = TstCombSegmPattern<4, true>;
using TstCombSegmSeq2 = TstCombSegmPattern<2, false>;
using TstCombSegmSeq3 = TstCombSegmPattern<3, false>;
using TstCombSegmSeq4 = TstCombSegmPattern<4, false>;

} // namespace

const std::vector<FactoryEntry>& SegmentStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstSegments", &MakeStat<TstSegments>},         {"TstSegmValues", &MakeStat<TstSegmValues>},
        {"TstSegmCount", &MakeStat<TstSegmCount>},       {"TstCombSegmMix2", &MakeStat<TstCombSegmMix2>},
        {"TstCombSegmMix3", &MakeStat<TstCombSegmMix3>}, {"TstCombSegmMix4", &MakeStat<TstCombSegmMix4>},
        {"TstCombSegmSeq2", &MakeStat<TstCombSegmSeq2>}, {"TstCombSegmSeq3", &MakeStat<TstCombSegmSeq3>},
        {"TstCombSegmSeq4", &MakeStat<TstCombSegmSeq4>}, {"TstSgmValCnt", &MakeStat<TstSgmValCnt>},
    };
    return list;
}

} // namespace stats
