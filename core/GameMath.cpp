#include "core/GameMath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace core {

namespace {

// Colours of the number groups, 0x00BBGGRR, group 1 first.
constexpr std::uint32_t GroupPalette[19] = {
    0xAAFFAA, 0xAAFFFF, 0xFFFFAA, 0xAAAAFF, 0xFFAAAA, 0xAAD5FF, 0xFFAAD5, 0xD4D4D4, 0xFFD5AA, 0xD5AAFF,
    0xD5FFD5, 0xD5FFFF, 0xFFFFD5, 0xD5D5FF, 0xFFD5D5, 0xD5EAFF, 0xFFD5EA, 0xE9E9E9, 0xFFEAD5,
};
constexpr int PaletteSize = 19;
constexpr std::uint32_t OutOfRangeColor = 255;

// Binomial coefficient as a falling product over a factorial; exact enough in long double for
// every count this game needs.
long double choose(int n, int k)
{
    if (k < 0)
        return 0;
    long double p = 1;
    for (int i = 0; i < k; ++i)
        p *= n - i;
    return p / Factorial(k);
}

// Stable in-place insertion sort. Arrays bigger than this go through std::stable_sort, which
// yields the same order without the quadratic cost.
constexpr std::size_t InsertionSortLimit = 64;

template <typename It, typename Less> void insertionSort(It first, It last, Less less)
{
    if (first == last)
        return;
    for (It i = first + 1; i != last; ++i) {
        auto v = *i;
        It j = i;
        for (; j != first && less(v, *(j - 1)); --j)
            *j = *(j - 1);
        *j = v;
    }
}

template <typename Vec, typename Less> void stableSort(Vec& arr, Less less)
{
    if (arr.size() <= InsertionSortLimit)
        insertionSort(arr.begin(), arr.end(), less);
    else
        std::stable_sort(arr.begin(), arr.end(), less);
}

} // namespace

std::int64_t RoundHalfEven(long double value)
{
    // The default rounding mode rounds exact halves to the even neighbour.
    return std::llrint(value);
}

std::int64_t DivRoundHalfEven(std::int64_t num, std::int64_t den)
{
    std::int64_t q = num / den;
    std::int64_t r = num % den;
    if (r < 0) {
        --q;
        r += den;
    }
    // Now num = q * den + r with 0 <= r < den.
    if (2 * r > den || (2 * r == den && (q & 1) != 0))
        ++q;
    return q;
}

long double Factorial(int n)
{
    long double f = 1;
    for (int i = 2; i <= n; ++i)
        f *= i;
    return f;
}

std::int64_t Binomial(int n, int k)
{
    if (k >= n)
        return 1;
    if (k < 0)
        return 0;
    return std::llround(choose(n, std::min(k, n - k)));
}

std::int64_t HitCombinations(int N, int n, int k)
{
    if (k >= N)
        return 1;
    return std::llround(choose(n, k) * choose(N - n, n - k));
}

std::int64_t TotalCombs()
{
    static const std::int64_t total = Binomial(NumberCount, CombSize);
    return total;
}

int RunSumUp(int a, int count)
{
    if (count <= 0)
        return 0;
    return count * a + count * (count - 1) / 2;
}

int RunSumDown(int a, int count)
{
    if (count <= 0)
        return 0;
    return count * a - count * (count - 1) / 2;
}

int GroupCount(int first, int last, int size)
{
    if (first == 0)
        return CeilDiv(last, size);
    return CeilDiv(last - first + 1, size);
}

int CeilDiv(int a, int b)
{
    // A zero group size comes only from a damaged configuration; answer 0 rather than trap.
    if (b == 0)
        return 0;
    return a / b + (a % b != 0 ? 1 : 0);
}

int MatrixCol(int n, int cols)
{
    return cols == 0 ? 0 : (n - 1) % cols + 1;
}

int MatrixRow(int n, int cols)
{
    return cols == 0 ? 0 : (n - 1) / cols + 1;
}

int ShiftNumber(int n, int d)
{
    if (d == 0)
        return n;
    int r = n + d;
    if (r > NumberCount)
        r -= NumberCount;
    else if (r < 1)
        r += NumberCount;
    return r;
}

TComb ShiftComb(const TComb& c, int d)
{
    TComb r;
    for (int i = 0; i < CombSize; ++i)
        r.v[i] = static_cast<std::uint8_t>(ShiftNumber(c.v[i], d));
    return r;
}

TByteArray DiffChain(const std::uint8_t* seq, int len, int mode)
{
    if (len <= 0)
        return {};
    // The returned array doubles as the work buffer, so the chain costs one allocation.
    TByteArray r(seq, seq + len);
    if (len == 1)
        return r;
    for (; len >= 3; --len)
        for (int i = 0; i + 1 < len; ++i)
            r[i] = static_cast<std::uint8_t>(std::abs(r[i + 1] - r[i]));
    const int a = r[0];
    const int b = r[1];
    const int diff = std::abs(b - a);
    const auto sum = static_cast<std::uint8_t>(a + b);
    r.resize(1);
    r[0] = static_cast<std::uint8_t>(diff);
    if (mode == 1 && diff < 2) {
        r[0] = sum;
    } else if (mode == 2) {
        if (diff == 0)
            r[0] = sum;
        else if (diff == 1)
            r.push_back(sum);
    }
    return r;
}

std::uint32_t NumberColor(int n, int size)
{
    if (n < 1 || n > NumberCount || size < 1)
        return OutOfRangeColor;
    int g = CeilDiv(n, size);
    // Small channels give more groups than colours; the palette repeats.
    if (g > PaletteSize)
        g = (g - 1) % PaletteSize + 1;
    return GroupPalette[g - 1];
}

bool InDraw(int n, const TDrawRec& draw)
{
    for (std::uint8_t v : draw.Values)
        if (v == n)
            return true;
    return false;
}

bool InComb(int n, const TComb& comb)
{
    for (std::uint8_t v : comb.v)
        if (v == n)
            return true;
    return false;
}

bool InByteArray(int n, const TByteArray& arr)
{
    return std::find(arr.begin(), arr.end(), n) != arr.end();
}

void ByteArrayAddUnique(int n, TByteArray& arr)
{
    if (!InByteArray(n, arr))
        arr.push_back(static_cast<std::uint8_t>(n));
}

void ByteArrayAdd(int n, TByteArray& arr)
{
    arr.push_back(static_cast<std::uint8_t>(n));
}

bool GroupInDraw(int g, const TDrawRec& draw, int size)
{
    for (std::uint8_t v : draw.Values)
        if (CeilDiv(v, size) == g)
            return true;
    return false;
}

bool TableInDraw(int v, const TDrawRec& draw, const std::uint8_t* table)
{
    for (std::uint8_t n : draw.Values)
        if (n >= 1 && n <= NumberCount && table[n - 1] == v) // a damaged record must not read past the table
            return true;
    return false;
}

int SameNumbersCount(const TDrawRec& draw, const TComb& comb)
{
    int count = 0;
    for (std::uint8_t v : draw.Values)
        if (InComb(v, comb))
            ++count;
    return count;
}

int SameNumbersCount2(const TDrawRec& a, const TDrawRec& b)
{
    int count = 0;
    for (std::uint8_t v : a.Values)
        if (InDraw(v, b))
            ++count;
    return count;
}

TValueSet DrawIntersect(const TDrawRec& draw, const TValueSet& set)
{
    const int setCount = std::clamp(set.Count, 0, 8);
    TValueSet r;
    for (std::uint8_t v : draw.Values)
        if (std::find(set.Values, set.Values + setCount, v) != set.Values + setCount)
            r.Values[r.Count++] = v;
    SortValueSet(r);
    return r;
}

bool ValueSetEqual(const TValueSet& a, const TValueSet& b)
{
    if (a.Count != b.Count)
        return false;
    const int count = std::clamp(a.Count, 0, 8);
    for (int i = 0; i < count; ++i)
        if (std::find(b.Values, b.Values + count, a.Values[i]) == b.Values + count)
            return false;
    return true;
}

int DistinctNumbers(const TComb* combs, std::size_t count)
{
    bool seen[256] = {};
    int distinct = 0;
    for (std::size_t i = 0; i < count; ++i)
        for (std::uint8_t v : combs[i].v)
            if (!seen[v]) {
                seen[v] = true;
                if (++distinct == NumberCount)
                    return distinct;
            }
    return distinct;
}

TByteArray CollectNumbers(const TComb* combs, std::size_t count)
{
    bool seen[256] = {};
    TByteArray r;
    for (std::size_t i = 0; i < count; ++i)
        for (std::uint8_t v : combs[i].v)
            if (!seen[v]) {
                seen[v] = true;
                r.push_back(v);
                if (r.size() == NumberCount)
                    return r;
            }
    return r;
}

TComb CombFromDraw(const TDrawRec& draw)
{
    TComb c;
    std::copy(std::begin(draw.Values), std::end(draw.Values), c.v);
    return c;
}

TValueSet ValueSetFromComb(const TComb& comb)
{
    TValueSet s;
    s.Count = CombSize;
    std::copy(std::begin(comb.v), std::end(comb.v), s.Values);
    return s;
}

void SortComb(TComb& comb)
{
    insertionSort(std::begin(comb.v), std::end(comb.v), std::less<>());
}

void SortDrawValues(TDrawRec& draw)
{
    insertionSort(std::begin(draw.Values), std::end(draw.Values), std::less<>());
}

void SortValueSet(TValueSet& set)
{
    insertionSort(set.Values, set.Values + std::clamp(set.Count, 0, 8), std::less<>());
}

void SortIntArrayDesc(TIntArray& arr)
{
    stableSort(arr, std::greater<>());
}

void SortStatSimple(TStatSimpleArray& arr)
{
    stableSort(arr, [](const TStatSimpleRec& a, const TStatSimpleRec& b) { return a.Key < b.Key; });
}

void StatDrawSort(TStatDrawArray& arr)
{
    stableSort(arr, [](const TStatDrawRec& a, const TStatDrawRec& b) {
        return std::lexicographical_compare(std::begin(a.Key.c), std::end(a.Key.c), std::begin(b.Key.c),
                                            std::end(b.Key.c));
    });
}

} // namespace core
