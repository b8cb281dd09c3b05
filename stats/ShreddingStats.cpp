// The shredding statistic: one of the user's three formulas over the numbers of a draw and of
// the two draws before it, of whose value only a fixed number of digits after the decimal
// point is kept ("shredded"). The integer is an ordinary graph value.

#include "core/GameMath.h"
#include "stats/Expression.h"
#include "stats/Families.h"
#include "stats/StatBatch.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace stats {

namespace {

// More digits would not fit the 32-bit value of a graph statistic.
constexpr int kMaxDigits = 9;
constexpr long double kPowers[kMaxDigits + 1] = {1, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L};
constexpr std::uint8_t kNoDraw[core::CombSize] = {};

// floor(a) for a >= 0. The plain truncation of a long double switches the x87 control word
// twice, which costs more than the whole formula: adding 2^63 instead rounds a to a whole
// number in the default rounding mode (the unit of the last place is 1 there), and a result
// above a steps down by one.
long double WholePart(long double a)
{
    static_assert(std::numeric_limits<long double>::digits <= 64);
    constexpr long double kWhole = static_cast<long double>(1ULL << (std::numeric_limits<long double>::digits - 1));
    if (!(a < kWhole))
        return a; // whole already
    long double r = (a + kWhole) - kWhole;
    if (r > a)
        r -= 1;
    return r;
}

// The first digits after the decimal point of |x| as an integer; 0 when the formula failed.
std::int32_t Shred(const ExprResult& r, int digits)
{
    if (!r.ok())
        return 0;
    const long double a = std::fabs(r.Value);
    // At most 10^9, a whole number: exact as a double, whose conversion needs no mode switch.
    const long double scaled = WholePart((a - WholePart(a)) * kPowers[digits]);
    return static_cast<std::int32_t>(static_cast<double>(scaled));
}

class TstShreddingStat : public StatBatch<TstShreddingStat, TCustomGraphStat>
{
public:
    TstShreddingStat(const StatClass& cls, const StatEnv& env, int param)
        : StatBatch(cls, env, param), m_formula(formulaOf(env, param)), m_digits(digitsOf(env, param))
    {
    }

    // A combination of the full set has no earlier draws: p and t are all 0.
    template <class Out> void values(const std::uint8_t* v, Out&& out) const { out(key(value(v, kNoDraw, kNoDraw))); }

    // The candidate is the draw after the reference draw.
    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        return s.hasHalf(1, std::uint32_t(value(v, m_prev.Values, m_before.Values)));
    }
    void prepareTest(bool sorted, int lastIndex)
    {
        m_prev = earlier(lastIndex, 0, sorted);
        m_before = earlier(lastIndex, 1, sorted);
    }

    std::int32_t CombValue(const std::uint8_t* numbers, int index, bool sorted, int) override
    {
        return value(numbers, earlier(index, 1, sorted).Values, earlier(index, 2, sorted).Values);
    }

    // Results of up to four digits fill component 0 alone; five digits and more (the dialog
    // allows five) need the whole first half.
    QString ValueToText(const TStatDrawRec& v) const override { return QString::number(KeyHalf(v.Key, 1)); }

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        const TDrawRec prev = earlier(CurIndex, 1, CurSorted);
        const TDrawRec before = earlier(CurIndex, 2, CurSorted);
        merge(list, key(value(CurDraw.Values, prev.Values, before.Values)), true);
    }

private:
    static std::string formulaOf(const StatEnv& env, int param)
    {
        // Outside 1..3 there is no formula, and the empty text fails with a syntax error.
        return param >= 1 && param <= 3 ? env.Shredding.Formula[param - 1].toLatin1().toStdString() : std::string();
    }
    static int digitsOf(const StatEnv& env, int param)
    {
        return param >= 1 && param <= 3 ? std::min<int>(env.Shredding.Digits[param - 1], kMaxDigits) : 0;
    }
    static TStatKey key(std::int32_t v) { return KeyHalves(std::uint32_t(v)); }

    std::int32_t value(const std::uint8_t* n, const std::uint8_t* p, const std::uint8_t* t) const
    {
        return Shred(m_formula.evaluate(n, p, t), m_digits);
    }

    // The draw `back` places before index (all zero outside the archive).
    TDrawRec earlier(int index, int back, bool sorted) const
    {
        return index < back ? TDrawRec{} : ReadDraw(index - back, sorted);
    }

    DrawFormula m_formula;
    int m_digits = 0;
    TDrawRec m_prev;
    TDrawRec m_before;
};

} // namespace

const std::vector<FactoryEntry>& ShreddingStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstShreddingStat", &MakeStat<TstShreddingStat>},
    };
    return list;
}

} // namespace stats
