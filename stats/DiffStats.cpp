// Difference statistics: the distances between neighbouring numbers of a draw (neighbours in
// drawing order, or in value when the draw is sorted), the largest of them, the spread of the
// draw, repeated distances, and runs of two to four distances taken together.

#include "stats/Families.h"
#include "stats/StatBatch.h"

#include <algorithm>

namespace stats {

namespace {

constexpr int kDiffCount = core::CombSize - 1;

struct Diffs
{
    std::uint16_t d[kDiffCount];
};

Diffs Differences(const std::uint8_t* v)
{
    Diffs r{};
    for (int p = 0; p < kDiffCount; ++p)
        r.d[p] = std::uint16_t(v[p + 1] > v[p] ? v[p + 1] - v[p] : v[p] - v[p + 1]);
    return r;
}

// The distinct differences in order of first appearance, each with how often it occurs.
struct Tally
{
    std::uint16_t Key[kDiffCount];
    std::uint16_t Count[kDiffCount];
    int Size = 0;
};

Tally DiffTally(const std::uint8_t* v)
{
    const Diffs d = Differences(v);
    Tally t{};
    for (int p = 0; p < kDiffCount; ++p) {
        int i = 0;
        while (i < t.Size && t.Key[i] != d.d[p])
            ++i;
        if (i == t.Size) {
            t.Key[i] = d.d[p];
            t.Count[i] = 0;
            ++t.Size;
        }
        ++t.Count[i];
    }
    return t;
}

// The four differences; only the first one of a draw measures periods.
class TstDiffTotal : public StatBatch<TstDiffTotal, TCustomNumbersStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int d = 1; d < core::NumberCount; ++d)
            preList(list, KeyW(std::uint16_t(d)));
    }
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const
    {
        const Diffs d = Differences(v);
        for (int p = 0; p < kDiffCount; ++p)
            out(KeyW(d.d[p]));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        const Diffs d = Differences(v);
        for (int p = 0; p < kDiffCount; ++p)
            if (s.hasWord(1, d.d[p]))
                return true;
        return false;
    }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        // The later positions still move each entry's last occurrence, so the next interval
        // measured at the first position may start at any position.
        int p = 0;
        values(CurDraw.Values, [&](const TStatKey& k) { merge(list, k, p++ == 0); });
    }
};

// One value per draw, in component 0; the values 1..Self::kLastPreListed get a row each.
template <class Self> class DiffGraphStat : public StatBatch<Self, TCustomGraphStat>
{
public:
    using StatBatch<Self, TCustomGraphStat>::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int d = 1; d <= Self::kLastPreListed; ++d)
            this->preList(list, KeyW(std::uint16_t(d)));
    }
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const { out(KeyW(Self::value(v))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, Self::value(v)); }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return Self::value(numbers); }
};

class TstDiffMax : public DiffGraphStat<TstDiffMax>
{
public:
    using DiffGraphStat::DiffGraphStat;
    static constexpr int kLastPreListed = core::NumberCount - 1;
    static std::uint16_t value(const std::uint8_t* v)
    {
        const Diffs d = Differences(v);
        return *std::max_element(d.d, d.d + kDiffCount);
    }
};

// Largest minus smallest number, whatever the order; five different numbers span at least 4.
class TstMinMaxDiffs : public DiffGraphStat<TstMinMaxDiffs>
{
public:
    using DiffGraphStat::DiffGraphStat;
    static constexpr int kLastPreListed = core::NumberCount - 1;
    static std::uint16_t value(const std::uint8_t* v)
    {
        const auto [lo, hi] = std::minmax_element(v, v + core::CombSize);
        return std::uint16_t(*hi - *lo);
    }
};

// The largest number of equal differences, 1..4.
class TstDiffSameCnt : public DiffGraphStat<TstDiffSameCnt>
{
public:
    using DiffGraphStat::DiffGraphStat;
    static constexpr int kLastPreListed = kDiffCount;
    static std::uint16_t value(const std::uint8_t* v)
    {
        const Tally t = DiffTally(v);
        return *std::max_element(t.Count, t.Count + t.Size);
    }
};

// (difference, multiplicity) for every distinct difference.
class TstDiffSame : public StatBatch<TstDiffSame, TCustomStat>
{
public:
    using StatBatch::StatBatch;
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const
    {
        const Tally t = DiffTally(v);
        for (int i = 0; i < t.Size; ++i)
            out(KeyW(t.Key[i], t.Count[i]));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        const Tally t = DiffTally(v);
        for (int i = 0; i < t.Size; ++i)
            if (s.hasExact(t.Key[i], t.Count[i], 0, 0))
                return true;
        return false;
    }
    QString ValueToText(const TStatDrawRec& value) const override
    {
        return core::FormatText(QStringLiteral("%0:d x %1:d"),
                                {std::int64_t(value.Key.c[0]), std::int64_t(value.Key.c[1])});
    }
};

// Runs of K neighbouring differences; only the first run of a draw measures periods.
template <class Self, int K> class CombDiffSeq : public StatBatch<Self, TCustomStat>
{
public:
    using StatBatch<Self, TCustomStat>::StatBatch;
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const
    {
        const Diffs d = Differences(v);
        for (int start = 0; start + K <= kDiffCount; ++start) {
            TStatKey k = KeyW(0);
            for (int i = 0; i < K; ++i)
                k.c[i] = d.d[start + i];
            out(k);
        }
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        bool found = false;
        values(v, [&](const TStatKey& k) { found = found || s.hasExact(k); });
        return found;
    }
    QString ValueToText(const TStatDrawRec& value) const override { return ComponentsText(value, K); }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        int n = 0;
        values(this->CurDraw.Values, [&](const TStatKey& k) { this->merge(list, k, n++ == 0); });
    }
};

class TstCombDiffSeq2 : public CombDiffSeq<TstCombDiffSeq2, 2>
{
public:
    using CombDiffSeq::CombDiffSeq;
};

class TstCombDiffSeq3 : public CombDiffSeq<TstCombDiffSeq3, 3>
{
public:
    using CombDiffSeq::CombDiffSeq;
};

class TstCombDiffSeq4 : public CombDiffSeq<TstCombDiffSeq4, 4>
{
public:
    using CombDiffSeq::CombDiffSeq;
};

} // namespace

const std::vector<FactoryEntry>& DiffStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstDiffTotal", &MakeStat<TstDiffTotal>},       {"TstDiffMax", &MakeStat<TstDiffMax>},
        {"TstMinMaxDiffs", &MakeStat<TstMinMaxDiffs>},   {"TstDiffSame", &MakeStat<TstDiffSame>},
        {"TstDiffSameCnt", &MakeStat<TstDiffSameCnt>},   {"TstCombDiffSeq2", &MakeStat<TstCombDiffSeq2>},
        {"TstCombDiffSeq3", &MakeStat<TstCombDiffSeq3>}, {"TstCombDiffSeq4", &MakeStat<TstCombDiffSeq4>},
    };
    return list;
}

} // namespace stats
