// Sequence and repeat statistics.
//
// Sequences look at runs of consecutive numbers inside one draw. Repeats look at numbers that
// come back from an earlier draw: in the next draw, one to three draws later, in three draws
// running, or shifted by one or two. The repeat tables are built on the numbers of the
// reference draw (the last draw of the window), and a candidate combination plays the draw
// that follows it.

#include "core/GameMath.h"
#include "stats/Families.h"
#include "stats/StatBatch.h"

#include <algorithm>
#include <cstring>

namespace stats {

namespace {

using core::CombSize;

// ---------------------------------------------------------------------------------------------
// Runs of consecutive numbers.

// Whether b continues a run that ends with a: the table rule (exactly one greater) and the
// graph rule (one apart either way, so 19, 18 in drawing order is a run too).
inline bool StepsUp(int a, int b)
{
    return b == a + 1;
}
inline bool Touches(int a, int b)
{
    return b == a + 1 || a == b + 1;
}

// Calls out(length) for every maximal run of the five numbers in their order.
template <class Next, class Out> inline void ForEachRun(const std::uint8_t* v, Next&& next, Out&& out)
{
    int length = 1;
    for (int p = 1; p < CombSize; ++p) {
        if (next(v[p - 1], v[p])) {
            ++length;
        } else {
            out(length);
            length = 1;
        }
    }
    out(length);
}

template <class Next> inline std::uint16_t LongRuns(const std::uint8_t* v, Next&& next)
{
    std::uint16_t n = 0;
    ForEachRun(v, next, [&](int length) { n += length >= 2 ? 1 : 0; });
    return n;
}

template <class Next> inline std::uint16_t LongestRun(const std::uint8_t* v, Next&& next)
{
    int longest = 0;
    ForEachRun(v, next, [&](int length) { longest = std::max(longest, length); });
    return std::uint16_t(longest);
}

class TstSequenceLen : public StatBatch<TstSequenceLen, TCustomNumbersStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int n = 1; n <= CombSize; ++n)
            preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        ForEachRun(v, StepsUp, [&](int length) { out(KeyW(std::uint16_t(length))); });
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        bool found = false;
        ForEachRun(v, StepsUp, [&](int length) { found = found || s.hasWord(1, std::uint16_t(length)); });
        return found;
    }
};

class TstSequenceCnt : public StatBatch<TstSequenceCnt, TCustomGraphStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int n = 0; n <= 2; ++n)
            preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const { out(KeyW(LongRuns(v, StepsUp))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, LongRuns(v, StepsUp)); }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return LongRuns(numbers, Touches); }
};

class TstSequenceLenMax : public StatBatch<TstSequenceLenMax, TCustomGraphStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int n = 1; n <= CombSize; ++n)
            preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Out> void values(const std::uint8_t* v, Out&& out) const { out(KeyW(LongestRun(v, StepsUp))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, LongestRun(v, StepsUp)); }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override
    {
        return LongestRun(numbers, Touches);
    }
};

// ---------------------------------------------------------------------------------------------
// Repeats.

// The five numbers as a bit set; the zero of an empty record is bit 0, which no drawn number
// or combination has. Numbers beyond 63 (only in a damaged archive) are left out.
inline std::uint64_t NumberBits(const std::uint8_t* v)
{
    std::uint64_t bits = 0;
    for (int p = 0; p < CombSize; ++p)
        if (v[p] < 64)
            bits |= std::uint64_t{1} << v[p];
    return bits;
}

inline std::uint64_t ShiftedBits(const std::uint8_t* v, int shift)
{
    std::uint64_t bits = 0;
    for (int p = 0; p < CombSize; ++p) {
        const int x = core::ShiftNumber(v[p], shift);
        if (x >= 0 && x < 64)
            bits |= std::uint64_t{1} << x;
    }
    return bits;
}

inline bool HasBit(std::uint64_t bits, int n)
{
    return n >= 0 && n < 64 && ((bits >> n) & 1) != 0;
}

// A candidate takes a repeated-number value when one of its numbers is a selected value.
inline bool AnyNumberSelected(const std::uint8_t* v, const TSelection& s)
{
    for (int p = 0; p < CombSize; ++p)
        if (s.hasWord(1, v[p]))
            return true;
    return false;
}

// A repeat statistic: the draw values come from repeatValues (index, sorted, out) of the
// concrete class, which reads the earlier draws it needs.
template <class Self, class Base> class RepeatStat : public StatBatch<Self, Base>
{
public:
    using StatBatch<Self, Base>::StatBatch;

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        static_cast<Self&>(*this).repeatValues(this->CurIndex, this->CurSorted,
                                               [&](const TStatKey& k) { this->merge(list, k, true); });
    }
};

// Numbers of the draw g back, shifted by s, that were drawn again and are (shifted) numbers of
// the reference draw.
class TCustomRepValues2Stat : public RepeatStat<TCustomRepValues2Stat, TCustomValuesStat>
{
public:
    TCustomRepValues2Stat(const StatClass& cls, const StatEnv& env, int param, int gap, int shift)
        : RepeatStat(cls, env, param), m_gap(gap), m_shift(shift)
    {
    }

    // The numbers of the last draw of the window as stored, shifted.
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        const core::TDrawRec last = ReadDraw(lastIndex, false);
        for (int p = 0; p < CombSize; ++p)
            preList(list, KeyW(std::uint16_t(core::ShiftNumber(last.Values[p], m_shift))));
    }

    template <class Out> void repeatValues(int index, bool sorted, Out&& out) const
    {
        const core::TDrawRec earlier = ReadDraw(index - m_gap, sorted);
        const std::uint64_t ref = ShiftedBits(RefDraw.Values, m_shift);
        const std::uint64_t cur = NumberBits(CurDraw.Values);
        for (int p = 0; p < CombSize; ++p) {
            const int x = core::ShiftNumber(earlier.Values[p], m_shift);
            if (HasBit(ref, x) && HasBit(cur, x))
                out(KeyW(std::uint16_t(x)));
        }
    }

    // A combination's own numbers are asked, whatever the draws: the test goes row by row.
    bool MatchesRowByRow() const override { return true; }
    void prepareSelection(const TSelection& s) { MatchingNumbers(s, m_selected); }
    bool MatchingNumbers(const TSelection& s, std::uint64_t& numbers) const override
    {
        numbers = 0;
        for (std::uint16_t n = 0; n < 64; ++n)
            if (s.hasWord(1, n))
                numbers |= std::uint64_t{1} << n;
        return true;
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        // Numbers below 64 are looked up in one word, without a branch; damaged ones ask the
        // selection.
        if ((v[0] | v[1] | v[2] | v[3] | v[4]) >= 64)
            return AnyNumberSelected(v, s);
        std::uint64_t bits = 0;
        for (int p = 0; p < CombSize; ++p)
            bits |= std::uint64_t{1} << v[p];
        return (bits & m_selected) != 0;
    }

private:
    int m_gap;
    int m_shift;
    std::uint64_t m_selected = 0;
};

// How many numbers of the draw g back, shifted by s, were drawn again.
class TCustomRepCount2Stat : public RepeatStat<TCustomRepCount2Stat, TCustomNumbersStat>
{
public:
    TCustomRepCount2Stat(const StatClass& cls, const StatEnv& env, int param, int gap, int shift)
        : RepeatStat(cls, env, param), m_gap(gap), m_shift(shift)
    {
    }

    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int n = 1; n <= CombSize; ++n)
            preList(list, KeyW(std::uint16_t(n)));
    }

    template <class Out> void repeatValues(int index, bool sorted, Out&& out) const
    {
        const core::TDrawRec earlier = ReadDraw(index - m_gap, sorted);
        const std::uint64_t cur = NumberBits(CurDraw.Values);
        std::uint16_t n = 0;
        for (int p = 0; p < CombSize; ++p)
            n += HasBit(cur, core::ShiftNumber(earlier.Values[p], m_shift)) ? 1 : 0;
        out(KeyW(n));
    }

    // A candidate follows the last draw, so the earlier draw is g - 1 before the last one.
    void prepareTest(bool sorted, int lastIndex)
    {
        const core::TDrawRec earlier = ReadDraw(lastIndex + 1 - m_gap, sorted);
        for (int p = 0; p < CombSize; ++p)
            m_earlier[p] = core::ShiftNumber(earlier.Values[p], m_shift);
    }

    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        const std::uint64_t bits = NumberBits(v);
        std::uint16_t n = 0;
        for (int p = 0; p < CombSize; ++p)
            n += HasBit(bits, m_earlier[p]) ? 1 : 0;
        return s.hasWord(1, n);
    }

private:
    int m_gap;
    int m_shift;
    int m_earlier[CombSize] = {};
};

template <int Gap, int Shift> class RepValues2 final : public TCustomRepValues2Stat
{
public:
    RepValues2(const StatClass& cls, const StatEnv& env, int param) : TCustomRepValues2Stat(cls, env, param, Gap, Shift)
    {
    }
};

template <int Gap, int Shift> class RepCount2 final : public TCustomRepCount2Stat
{
public:
    RepCount2(const StatClass& cls, const StatEnv& env, int param) : TCustomRepCount2Stat(cls, env, param, Gap, Shift)
    {
    }
};

using TstRepValues2 = RepValues2<1, 0>;
using TstRepValues2over1 = RepValues2<2, 0>;
using TstRepValues2over2 = RepValues2<3, 0>;
using TstRepValues2over3 = RepValues2<4, 0>;
using TstRepValues2P1 = RepValues2<1, 1>;
using TstRepValues2N1 = RepValues2<1, -1>;
using TstRepValues2P2 = RepValues2<1, 2>;
using TstRepValues2N2 = RepValues2<1, -2>;
using TstRepCount2 = RepCount2<1, 0>;
using TstRepCount2over1 = RepCount2<2, 0>;
using TstRepCount2over2 = RepCount2<3, 0>;
using TstRepCount2over3 = RepCount2<4, 0>;
using TstRepCount2P1 = RepCount2<1, 1>;
using TstRepCount2N1 = RepCount2<1, -1>;
using TstRepCount2P2 = RepCount2<1, 2>;
using TstRepCount2N2 = RepCount2<1, -2>;

// Three draws: the current one and the two before it.

// Numbers of the current draw that are in the reference draw and in both draws before.
class TstRepValues3 : public RepeatStat<TstRepValues3, TCustomValuesStat>
{
public:
    using RepeatStat::RepeatStat;
    template <class Out> void repeatValues(int index, bool sorted, Out&& out) const
    {
        const std::uint64_t keep = NumberBits(RefDraw.Values) & NumberBits(ReadDraw(index - 1, sorted).Values) &
                                   NumberBits(ReadDraw(index - 2, sorted).Values);
        for (int p = 0; p < CombSize; ++p)
            if (HasBit(keep, CurDraw.Values[p]))
                out(KeyW(CurDraw.Values[p]));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return AnyNumberSelected(v, s); }
};

// Numbers of the current draw that are in the reference draw and the draw before, but not in
// the one before that.
class TstRepValues2B3 : public RepeatStat<TstRepValues2B3, TCustomValuesStat>
{
public:
    using RepeatStat::RepeatStat;
    template <class Out> void repeatValues(int index, bool sorted, Out&& out) const
    {
        const std::uint64_t keep = NumberBits(RefDraw.Values) & NumberBits(ReadDraw(index - 1, sorted).Values) &
                                   ~NumberBits(ReadDraw(index - 2, sorted).Values);
        for (int p = 0; p < CombSize; ++p)
            if (HasBit(keep, CurDraw.Values[p]))
                out(KeyW(CurDraw.Values[p]));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return AnyNumberSelected(v, s); }
};

// How many of five numbers are in a set.
inline std::uint16_t CountIn(const std::uint8_t* v, std::uint64_t set)
{
    std::uint16_t n = 0;
    for (int p = 0; p < CombSize; ++p)
        n += HasBit(set, v[p]) ? 1 : 0;
    return n;
}

// A count of the current numbers in a set made of the two draws before; for a candidate the
// set is made of the last draw and the one before it.
template <class Self> class ThreeDrawCount : public RepeatStat<Self, TCustomNumbersStat>
{
public:
    using RepeatStat<Self, TCustomNumbersStat>::RepeatStat;
    template <class Out> void repeatValues(int index, bool sorted, Out&& out) const
    {
        const std::uint64_t set = Self::combine(NumberBits(this->ReadDraw(index - 1, sorted).Values),
                                                NumberBits(this->ReadDraw(index - 2, sorted).Values));
        out(KeyW(CountIn(this->CurDraw.Values, set)));
    }
    void prepareTest(bool sorted, int lastIndex)
    {
        m_set = Self::combine(NumberBits(this->ReadDraw(lastIndex, sorted).Values),
                              NumberBits(this->ReadDraw(lastIndex - 1, sorted).Values));
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, CountIn(v, m_set)); }

private:
    std::uint64_t m_set = 0;
};

// In both draws before.
class TstRepCount3 : public ThreeDrawCount<TstRepCount3>
{
public:
    using ThreeDrawCount::ThreeDrawCount;
    static std::uint64_t combine(std::uint64_t prev1, std::uint64_t prev2) { return prev1 & prev2; }
};

// In the draw before but not in the one before that.
class TstRepCount2B3 : public ThreeDrawCount<TstRepCount2B3>
{
public:
    using ThreeDrawCount::ThreeDrawCount;
    static std::uint64_t combine(std::uint64_t prev1, std::uint64_t prev2) { return prev1 & ~prev2; }
};

} // namespace

const std::vector<FactoryEntry>& SequenceStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstSequenceLen", &MakeStat<TstSequenceLen>},
        {"TstSequenceCnt", &MakeStat<TstSequenceCnt>},
        {"TstSequenceLenMax", &MakeStat<TstSequenceLenMax>},
        {"TstRepValues2", &MakeStat<TstRepValues2>},
        {"TstRepValues3", &MakeStat<TstRepValues3>},
        {"TstRepValues2B3", &MakeStat<TstRepValues2B3>},
        {"TstRepValues2over1", &MakeStat<TstRepValues2over1>},
        {"TstRepValues2over2", &MakeStat<TstRepValues2over2>},
        {"TstRepValues2over3", &MakeStat<TstRepValues2over3>},
        {"TstRepValues2P1", &MakeStat<TstRepValues2P1>},
        {"TstRepValues2N1", &MakeStat<TstRepValues2N1>},
        {"TstRepValues2P2", &MakeStat<TstRepValues2P2>},
        {"TstRepValues2N2", &MakeStat<TstRepValues2N2>},
        {"TstRepCount2", &MakeStat<TstRepCount2>},
        {"TstRepCount3", &MakeStat<TstRepCount3>},
        {"TstRepCount2B3", &MakeStat<TstRepCount2B3>},
        {"TstRepCount2over1", &MakeStat<TstRepCount2over1>},
        {"TstRepCount2over2", &MakeStat<TstRepCount2over2>},
        {"TstRepCount2over3", &MakeStat<TstRepCount2over3>},
        {"TstRepCount2P1", &MakeStat<TstRepCount2P1>},
        {"TstRepCount2N1", &MakeStat<TstRepCount2N1>},
        {"TstRepCount2P2", &MakeStat<TstRepCount2P2>},
        {"TstRepCount2N2", &MakeStat<TstRepCount2N2>},
    };
    return list;
}

} // namespace stats
