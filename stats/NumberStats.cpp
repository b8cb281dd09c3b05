// Number statistics: the numbers themselves, their digits, counts and masks of even, small
// and prime numbers, and the number in a given position.

#include "stats/Families.h"
#include "stats/NumberClasses.h"
#include "stats/StatBatch.h"

#include <array>
#include <cstring>

namespace stats {

namespace {

// Masks and counts over five numbers with a property.
template <class Property> std::uint32_t PositionMask(const std::uint8_t* v, Property&& has)
{
    std::uint32_t mask = 0;
    for (int p = 0; p < core::CombSize; ++p)
        mask = (mask << 1) | (has(v[p]) ? 1u : 0u);
    return mask;
}

template <class Property> std::uint16_t PropertyCount(const std::uint8_t* v, Property&& has)
{
    std::uint16_t n = 0;
    for (int p = 0; p < core::CombSize; ++p)
        n += has(v[p]) ? 1 : 0;
    return n;
}

class TstValues : public StatBatch<TstValues, TCustomValuesStat>
{
public:
    using StatBatch::StatBatch;
    bool MatchesRowByRow() const override { return true; }
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int n = 1; n <= core::NumberCount; ++n)
            preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const
    {
        for (int p = 0; p < core::CombSize; ++p)
            out(KeyW(v[p]));
    }
    // Whether each number 0..255 is selected, and whether either of two adjacent numbers is,
    // indexed by the two bytes read as one 16-bit word (either byte order gives the same
    // answer), so a combination is three reads.
    void prepareSelection(const TSelection& s)
    {
        for (int n = 0; n < 256; ++n)
            m_selected[std::size_t(n)] = s.hasExact(std::uint16_t(n), 0, 0, 0) ? 1 : 0;
        const std::array<std::uint8_t, 256> single = m_selected;
        for (std::size_t a = 0; a < 256; ++a) {
            std::uint8_t* row = m_pairs.data() + a * 256;
            const std::uint8_t first = single[a];
            for (std::size_t b = 0; b < 256; ++b)
                row[b] = first | single[b];
        }
    }
    bool MatchingNumbers(const TSelection& s, std::uint64_t& numbers) const override
    {
        numbers = 0;
        for (std::uint16_t n = 0; n < 64; ++n)
            if (s.hasExact(n, 0, 0, 0))
                numbers |= std::uint64_t{1} << n;
        return true;
    }
    bool testComb(const std::uint8_t* v, const TSelection&) const
    {
        // All five without a branch: the answer is unpredictable on a large list.
        std::uint16_t first = 0;
        std::uint16_t second = 0;
        std::memcpy(&first, v, 2);
        std::memcpy(&second, v + 2, 2);
        return (m_pairs[first] | m_pairs[second] | m_selected[v[4]]) != 0;
    }

private:
    std::array<std::uint8_t, 256> m_selected{};
    // Inside the object, so the hot loop reaches it from the object's address alone.
    std::array<std::uint8_t, 256 * 256> m_pairs{};
};

class TstDigits : public StatBatch<TstDigits, TCustomNumbersStat>
{
public:
    using StatBatch::StatBatch;
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const
    {
        for (int p = 0; p < core::CombSize; ++p) {
            const int n = v[p];
            if (n >= 100)
                out(KeyW(std::uint16_t(n / 100)));
            if (n >= 10)
                out(KeyW(std::uint16_t(n / 10 % 10)));
            out(KeyW(std::uint16_t(n % 10)));
        }
    }
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        bool found = false;
        values(v, [&](const TStatKey& k) { found = found || s.hasExact(k); });
        return found;
    }
};

template <class Self> class RatioStat : public StatBatch<Self, TCustomRatioStat>
{
public:
    using StatBatch<Self, TCustomRatioStat>::StatBatch;
    bool MatchesRowByRow() const override { return true; }
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int n = 1; n <= core::CombSize; ++n)
            this->preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const { out(KeyW(count(v))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, count(v)); }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return count(numbers); }

private:
    static std::uint16_t count(const std::uint8_t* v) { return PropertyCount(v, Self::has); }
};

class TstEvenCount : public RatioStat<TstEvenCount>
{
public:
    using RatioStat::RatioStat;
    static bool has(int n) { return IsEven(n); }
};

class TstSmallCount : public RatioStat<TstSmallCount>
{
public:
    using RatioStat::RatioStat;
    static bool has(int n) { return IsSmall(n); }
};

class TstPrimeCount : public RatioStat<TstPrimeCount>
{
public:
    using RatioStat::RatioStat;
    static bool has(int n) { return IsPrime(n); }
};

template <class Self> class MaskStat : public StatBatch<Self, TCustomMaskStat>
{
public:
    using StatBatch<Self, TCustomMaskStat>::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        if (Self::kPreListed)
            for (std::uint32_t m = 0; m < 32; ++m)
                this->preList(list, KeyHalves(m));
    }
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const { out(KeyHalves(mask(v))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasHalf(1, mask(v)); }

private:
    static std::uint32_t mask(const std::uint8_t* v) { return PositionMask(v, Self::has); }
};

class TstEvenValues : public MaskStat<TstEvenValues>
{
public:
    using MaskStat::MaskStat;
    static constexpr bool kPreListed = true;
    static bool has(int n) { return !IsEven(n); }
    QString GetClearLetter() const override { return QStringLiteral("Ч"); }
    QString GetSetLetter() const override { return QStringLiteral("н"); }
};

class TstSmallValues : public MaskStat<TstSmallValues>
{
public:
    using MaskStat::MaskStat;
    static constexpr bool kPreListed = false;
    static bool has(int n) { return !IsSmall(n); }
    QString GetClearLetter() const override { return QStringLiteral("1"); }
    QString GetSetLetter() const override { return QStringLiteral("2"); }
};

class TstPrimeValues : public MaskStat<TstPrimeValues>
{
public:
    using MaskStat::MaskStat;
    static constexpr bool kPreListed = true;
    static bool has(int n) { return IsPrime(n); }
    QString GetClearLetter() const override { return QStringLiteral("С"); }
    QString GetSetLetter() const override { return QStringLiteral("П"); }
};

class TstPosVal : public StatBatch<TstPosVal, TCustomGraphStat>
{
public:
    using StatBatch::StatBatch;
    void InitValues(int lastIndex, TStatDrawArray& list) override
    {
        TCustomStat::InitValues(lastIndex, list);
        for (int n = 1; n <= core::NumberCount; ++n)
            preList(list, KeyW(std::uint16_t(n)));
    }
    template <class Emit> void values(const std::uint8_t* v, Emit&& out) const { out(KeyW(at(v))); }
    bool testComb(const std::uint8_t* v, const TSelection& s) const { return s.hasWord(1, at(v)); }
    std::int32_t CombValue(const std::uint8_t* numbers, int, bool, int) override { return at(numbers); }

private:
    // A parameter outside 1..5 reads no number.
    std::uint8_t at(const std::uint8_t* v) const { return Param >= 1 && Param <= core::CombSize ? v[Param - 1] : 0; }
};

// The key number of a draw; a combination has none and never matches.
class TstPosExt : public StatBatch<TstPosExt, TCustomGraphStat>
{
public:
    using StatBatch::StatBatch;
    bool testComb(const std::uint8_t*, const TSelection&) const { return false; }
    std::int32_t CombValue(const std::uint8_t*, int index, bool sorted, int lastIndex) override
    {
        LoadDraws(index, lastIndex, sorted);
        return CurDraw.Extra;
    }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        merge(list, KeyW(CurDraw.Extra), true);
    }
};

} // namespace

const std::vector<FactoryEntry>& NumberStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstValues", &MakeStat<TstValues>},           {"TstDigits", &MakeStat<TstDigits>},
        {"TstEvenCount", &MakeStat<TstEvenCount>},     {"TstSmallCount", &MakeStat<TstSmallCount>},
        {"TstPrimeCount", &MakeStat<TstPrimeCount>},   {"TstEvenValues", &MakeStat<TstEvenValues>},
        {"TstSmallValues", &MakeStat<TstSmallValues>}, {"TstPrimeValues", &MakeStat<TstPrimeValues>},
        {"TstPosVal", &MakeStat<TstPosVal>},           {"TstPosExt", &MakeStat<TstPosExt>},
    };
    return list;
}

} // namespace stats
