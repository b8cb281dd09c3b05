// Sum statistics: the sum of a draw's numbers, of its even or prime numbers, the three sum
// bands, how the sum changed from the previous draw, and numbers that are the sum of two
// others.
//
// The change statistics ("SUMC", "SUMV", "SUMT") look at a draw only when its predecessor
// resembled the reference draw, the last draw of the window: the table then shows what
// followed such draws, and a filter asks how a candidate would follow the last draw.

#include "stats/Families.h"
#include "stats/NumberClasses.h"
#include "stats/StatBatch.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace stats {

namespace {

// How far the previous sum may lie from the reference sum for "SUMV": a tenth of the range.
constexpr int kSumTolerance = core::SumStep;

struct SumBand
{
    int Low;
    int High;
};
constexpr SumBand kSumBands[3] = {{86, 189}, {97, 178}, {106, 169}};

int NumbersSum(const std::uint8_t* v)
{
    return int(v[0]) + v[1] + v[2] + v[3] + v[4];
}

template <class Property> int PartialSum(const std::uint8_t* v, Property&& has)
{
    int sum = 0;
    for (int p = 0; p < core::CombSize; ++p)
        if (has(v[p]))
            sum += v[p];
    return sum;
}

int Sign(int d)
{
    return d > 0 ? 1 : d < 0 ? -1 : 0;
}

// The sum of the draw before the one at index, read unsorted; 0 before the first draw.
int PreviousSum(const TCustomStat& stat, int index)
{
    const core::TDrawsArray* draws = stat.DrawsRef;
    const int prev = index - 1;
    if (!draws || prev < 0 || prev >= int(draws->size()))
        return 0;
    return NumbersSum((*draws)[std::size_t(prev)].Values);
}

// What a change statistic compares for the current draw of CalcDraw.
struct SumChange
{
    int Prev;
    int Cur;
    int Ref;
};

SumChange CurrentChange(const TCustomStat& stat)
{
    return {PreviousSum(stat, stat.CurIndex), NumbersSum(stat.CurDraw.Values), NumbersSum(stat.RefDraw.Values)};
}

// A signed value in the first half of the key.
std::int32_t SignedHalf(const TStatDrawRec& value)
{
    return std::int32_t(KeyHalf(value.Key, 1));
}

// One value per draw in the first half of the key, filtered through components 0 and 2.
template <class Self> class SumGraphStat : public StatBatch<Self, TCustomGraphStat>
{
public:
    using StatBatch<Self, TCustomGraphStat>::StatBatch;
    bool MatchesRowByRow() const override { return true; }
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const
    {
        out(KeyHalves(std::uint32_t(Self::value(v))));
    }
    // Whether each possible sum of five bytes (0..1275) is selected, read once per pass.
    void prepareSelection(const TSelection& s)
    {
        for (std::size_t x = 0; x < m_selected.size(); ++x)
            m_selected[x] = s.hasPair(std::uint16_t(x), 0) ? 1 : 0;
    }
    bool testComb(const std::uint8_t* v, const TSelection&) const
    {
        return m_selected[std::size_t(Self::value(v))] != 0;
    }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return Self::value(numbers); }

protected:
    std::array<std::uint8_t, 5 * 255 + 1> m_selected{};
};

class TstSumValues : public SumGraphStat<TstSumValues>
{
public:
    using SumGraphStat::SumGraphStat;
    static int value(const std::uint8_t* v) { return NumbersSum(v); }
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int s = core::MinSum; s <= core::MaxSum; ++s)
            preList(list, KeyHalves(std::uint32_t(s)));
    }
    // Two adjacent combinations at once (bit 0: the one at v, bit 1: the next); reads 13 bytes.
    // Both sums come from one sum-of-absolute-differences instruction where there is one.
    unsigned testPair(const std::uint8_t* v, const TSelection&) const
    {
        std::uint64_t first = 0;
        std::uint64_t second = 0;
        std::memcpy(&first, v, 8);
        std::memcpy(&second, v + core::CombSize, 8);
        constexpr std::uint64_t fiveBytes = 0xFF'FFFF'FFFF;
#if defined(__SSE2__)
        const __m128i both = _mm_set_epi64x(std::int64_t(second & fiveBytes), std::int64_t(first & fiveBytes));
        const __m128i sums = _mm_sad_epu8(both, _mm_setzero_si128());
        const auto sumFirst = unsigned(_mm_cvtsi128_si32(sums));
        const auto sumSecond = unsigned(_mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
#else
        (void)fiveBytes;
        const auto sumFirst = unsigned(NumbersSum(v));
        const auto sumSecond = unsigned(NumbersSum(v + core::CombSize));
#endif
        return unsigned(m_selected[sumFirst] != 0) | unsigned(m_selected[sumSecond] != 0) << 1;
    }
};

class TstSumEvenValues : public SumGraphStat<TstSumEvenValues>
{
public:
    using SumGraphStat::SumGraphStat;
    static int value(const std::uint8_t* v) { return PartialSum(v, IsEven); }
};

class TstSumPrimeValues : public SumGraphStat<TstSumPrimeValues>
{
public:
    using SumGraphStat::SumGraphStat;
    static int value(const std::uint8_t* v) { return PartialSum(v, IsPrime); }
};

// 1 when the sum lies in band Param, else 0.
class TstSumRanges : public StatBatch<TstSumRanges, TCustomGraphStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        preList(list, KeyW(0));
        preList(list, KeyW(1));
    }
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const { out(KeyW(inBand(v) ? 1 : 0)); }
    // With the band's row selected only sums inside the band match, whether or not the other
    // row is selected too; otherwise the other row is taken as selected.
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        const bool inside = inBand(v);
        return s.hasWord(1, 1) ? inside : !inside;
    }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return inBand(numbers) ? 1 : 0; }
    QString ValueToText(const TStatDrawRec& value) const override
    {
        if (value.Key.c[0] == 0)
            return QCoreApplication::translate("stats", "Остальные");
        if (!validBand())
            return ComponentText(value);
        const SumBand& band = kSumBands[Param - 1];
        return core::FormatText(QStringLiteral("%d-%d"), {std::int64_t(band.Low), std::int64_t(band.High)});
    }

private:
    bool validBand() const { return Param >= 1 && Param <= 3; }
    bool inBand(const std::uint8_t* v) const
    {
        if (!validBand())
            return false;
        const int sum = NumbersSum(v);
        const SumBand& band = kSumBands[Param - 1];
        return sum >= band.Low && sum <= band.High;
    }
};

// Numbers that are the sum of two others, counted over every number and every pair.
class TstSum2To3 : public StatBatch<TstSum2To3, TCustomGraphStat>
{
public:
    using StatBatch::StatBatch;
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const { out(KeyW(count(v))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, count(v)); }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return count(numbers); }

private:
    static std::uint16_t count(const std::uint8_t* v)
    {
        std::uint16_t n = 0;
        for (int i = 0; i < core::CombSize; ++i)
            for (int j = 0; j < core::CombSize; ++j)
                for (int k = j + 1; k < core::CombSize; ++k)
                    if (j != i && k != i && v[j] + v[k] == v[i])
                        ++n;
        return n;
    }
};

// (previous sum, current sum) after a draw with the reference draw's sum.
class TstSumChange : public StatBatch<TstSumChange, TCustomGraphStat>
{
public:
    using StatBatch::StatBatch;
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        return s.hasHalf(2, std::uint32_t(NumbersSum(v)));
    }
    // The change from the numbers' own predecessor, without the condition on the reference
    // draw; a candidate has no predecessor and gives its own sum.
    std::int32_t CombValue(const std::uint8_t* numbers, int index, bool, int) override
    {
        return NumbersSum(numbers) - PreviousSum(*this, index);
    }
    QString ValueToText(const TStatDrawRec& value) const override
    {
        const std::int64_t p = KeyHalf(value.Key, 1);
        const std::int64_t q = KeyHalf(value.Key, 2);
        if (q < p)
            return core::FormatText(QStringLiteral("- %0:.2d : %1:d - %0:d = %2:d"), {p - q, p, q});
        return core::FormatText(QStringLiteral("+%0:.2d : %1:d + %0:d = %2:d"), {q - p, p, q});
    }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        const SumChange c = CurrentChange(*this);
        if (c.Prev != c.Ref)
            return;
        merge(list, KeyHalves(std::uint32_t(c.Prev), std::uint32_t(c.Cur)), true);
    }
};

// The signed change of the sum after a draw whose sum lies near the reference draw's.
class TstSumChangeSome : public StatBatch<TstSumChangeSome, TCustomStat>
{
public:
    using StatBatch::StatBatch;
    void prepareTest(bool sorted, int lastIndex)
    {
        LoadDraws(lastIndex, lastIndex, sorted);
        m_refSum = NumbersSum(RefDraw.Values);
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        return s.hasHalf(1, std::uint32_t(NumbersSum(v) - m_refSum));
    }
    QString ValueToText(const TStatDrawRec& value) const override
    {
        const std::int64_t d = SignedHalf(value);
        if (d < 0)
            return core::FormatText(QStringLiteral("- %0:.2d"), {-d});
        return core::FormatText(QStringLiteral("+%0:.2d"), {d});
    }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        const SumChange c = CurrentChange(*this);
        if (c.Ref < c.Prev - kSumTolerance || c.Ref > c.Prev + kSumTolerance)
            return;
        merge(list, KeyHalfSigned(c.Cur - c.Prev), true);
    }

private:
    int m_refSum = 0;
};

// The direction of the change (0, 1, -1) after a draw with the reference draw's sum.
class TstSumTrend : public StatBatch<TstSumTrend, TCustomGraphStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        preList(list, KeyHalfSigned(0));
        preList(list, KeyHalfSigned(1));
        preList(list, KeyHalfSigned(-1));
    }
    void prepareTest(bool sorted, int lastIndex)
    {
        LoadDraws(lastIndex, lastIndex, sorted);
        m_refSum = NumbersSum(RefDraw.Values);
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        return s.hasHalf(1, std::uint32_t(Sign(NumbersSum(v) - m_refSum)));
    }
    // Against the numbers' own predecessor; a candidate therefore gives 1.
    std::int32_t CombValue(const std::uint8_t* numbers, int index, bool, int) override
    {
        return Sign(NumbersSum(numbers) - PreviousSum(*this, index));
    }
    QString ValueToText(const TStatDrawRec& value) const override
    {
        const std::int32_t d = SignedHalf(value);
        return d == 0 ? QStringLiteral("=") : d > 0 ? QStringLiteral("+") : QStringLiteral("-");
    }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        const SumChange c = CurrentChange(*this);
        if (c.Prev != c.Ref)
            return;
        merge(list, KeyHalfSigned(Sign(c.Cur - c.Prev)), true);
    }

private:
    int m_refSum = 0;
};

} // namespace

const std::vector<FactoryEntry>& SumStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstSumValues", &MakeStat<TstSumValues>},
        {"TstSumRanges", &MakeStat<TstSumRanges>},
        {"TstSumChange", &MakeStat<TstSumChange>},
        {"TstSumChangeSome", &MakeStat<TstSumChangeSome>},
        {"TstSumTrend", &MakeStat<TstSumTrend>},
        {"TstSumEvenValues", &MakeStat<TstSumEvenValues>},
        {"TstSumPrimeValues", &MakeStat<TstSumPrimeValues>},
        {"TstSum2To3", &MakeStat<TstSum2To3>},
    };
    return list;
}

} // namespace stats
