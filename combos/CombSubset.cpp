#include "combos/CombSubset.h"

#include "core/BitAppender.h"
#include "core/GameMath.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>
#include <memory>
#include <thread>

#if defined(__GNUC__) && defined(__x86_64__)
#include <tmmintrin.h>
#endif

namespace combos {

namespace {

bool Less(const core::TComb& a, const core::TComb& b)
{
    for (int p = 0; p < core::CombSize; ++p)
        if (a.v[p] != b.v[p])
            return a.v[p] < b.v[p];
    return false;
}

std::size_t WordCount(std::size_t size)
{
    return (size + 63) / 64;
}

// The set bits of the words; with the processor's own instruction where it has one.
#if defined(__GNUC__) && defined(__x86_64__)
__attribute__((target_clones("popcnt", "default")))
#endif
std::size_t
CountBits(const std::uint64_t* words, std::size_t n)
{
    std::size_t count = 0;
    for (std::size_t w = 0; w < n; ++w)
        count += std::size_t(std::popcount(words[w]));
    return count;
}

// The set bits of a & b, or of a & ~b when invert is set.
#if defined(__GNUC__) && defined(__x86_64__)
__attribute__((target_clones("popcnt", "default")))
#endif
std::size_t
CountCommonBits(const std::uint64_t* a, const std::uint64_t* b, std::size_t n, bool invert)
{
    const std::uint64_t flip = invert ? ~std::uint64_t{0} : 0;
    std::size_t count = 0;
    for (std::size_t w = 0; w < n; ++w)
        count += std::size_t(std::popcount(a[w] & (b[w] ^ flip)));
    return count;
}

#if defined(__GNUC__) && defined(__x86_64__)
// Words of 64 marks for values in the chosen set, sixteen values a step: the byte of the set a
// value falls in is looked up from one of two 16-byte halves of the set, and its bit from a
// table of the eight bit masks. The number of words made.
__attribute__((target("ssse3"))) std::size_t MarkChosenSsse3(const std::uint8_t* values, std::size_t words,
                                                               const std::array<std::uint64_t, 4>& chosen,
                                                               std::uint64_t* out)
{
    std::uint8_t bytes[32];
    std::memcpy(bytes, chosen.data(), sizeof bytes);
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + 16));
    const __m128i bitOf = _mm_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
    const __m128i fifteen = _mm_set1_epi8(15);
    const __m128i zero = _mm_setzero_si128();
    for (std::size_t w = 0; w < words; ++w) {
        std::uint64_t word = 0;
        for (int part = 0; part < 4; ++part) {
            const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(values + w * 64 + part * 16));
            // The byte: bits 3..6 of the value pick it in a half, bit 7 picks the half.
            const __m128i at = _mm_and_si128(_mm_srli_epi16(x, 3), fifteen);
            const __m128i inHigh = _mm_cmplt_epi8(x, zero);
            const __m128i byte = _mm_or_si128(_mm_and_si128(inHigh, _mm_shuffle_epi8(high, at)),
                                              _mm_andnot_si128(inHigh, _mm_shuffle_epi8(low, at)));
            const __m128i bit = _mm_shuffle_epi8(bitOf, _mm_and_si128(x, fifteen));
            const __m128i unset = _mm_cmpeq_epi8(_mm_and_si128(byte, bit), zero);
            const auto marks = std::uint64_t(~unsigned(_mm_movemask_epi8(unset)) & 0xFFFFu);
            word |= marks << (16 * part);
        }
        out[w] = word;
    }
    return words;
}
#endif

// The marks of every combination; a large list is shared between both cores, the second half
// from a whole word on going to a twin instance of the statistic.
void Mark(stats::TCustomStat& stat, const stats::TSelection& selected, bool exclude, bool sorted, int last,
          std::span<const core::TComb> combs, std::uint64_t* bits)
{
    constexpr std::size_t kParallelFrom = 1 << 16;
    if (combs.size() < kParallelFrom) {
        stat.MarkCombs(combs, selected, exclude, sorted, last, !exclude, bits);
        return;
    }
    const std::size_t half = WordCount(combs.size() / 2) * 64;
    std::unique_ptr<stats::TCustomStat> twin = stat.Clone();
    std::exception_ptr secondFailed;
    std::thread worker([&] {
        try {
            twin->LoadDraws(-1, last, sorted);
            twin->MarkCombs(combs.subspan(half), selected, exclude, sorted, last, !exclude, bits + half / 64);
        } catch (...) {
            secondFailed = std::current_exception();
        }
    });
    try {
        stat.MarkCombs(combs.first(half), selected, exclude, sorted, last, !exclude, bits);
    } catch (...) {
        worker.join();
        throw;
    }
    worker.join();
    if (secondFailed)
        std::rethrow_exception(secondFailed);
}

} // namespace

CombSubset CombSubset::All(std::size_t size)
{
    CombSubset s;
    s.setAll(size);
    return s;
}

void CombSubset::setAll(std::size_t size)
{
    m_size = size;
    m_valid = true;
    m_words.assign(WordCount(size), ~std::uint64_t{0});
    if (size % 64 != 0)
        m_words.back() = (std::uint64_t{1} << (size % 64)) - 1;
    m_count = size;
}

void CombSubset::reset()
{
    m_words.clear();
    m_size = 0;
    m_count = 0;
    m_valid = false;
}

CombSubset CombSubset::AllBut(std::size_t size, std::span<const std::size_t> positions)
{
    CombSubset s = All(size);
    for (std::size_t p : positions)
        if (p < size)
            s.m_words[p / 64] &= ~(std::uint64_t{1} << (p % 64));
    s.recount();
    return s;
}

CombSubset CombSubset::OfWords(std::size_t size, std::vector<std::uint64_t>&& words)
{
    CombSubset s;
    if (words.size() != WordCount(size))
        return s;
    s.m_size = size;
    s.m_words = std::move(words);
    if (size % 64 != 0)
        s.m_words.back() &= (std::uint64_t{1} << (size % 64)) - 1;
    s.m_valid = true;
    s.recount();
    return s;
}

CombSubset CombSubset::OfSorted(std::span<const core::TComb> base, std::span<const core::TComb> sub)
{
    CombSubset s;
    s.m_size = base.size();
    s.m_words.assign(WordCount(base.size()), 0);
    // Both ascending: each combination of sub is the next equal one of base, and a combination
    // of base that compares greater than the one sought means sub is not a part of it.
    std::size_t at = 0;
    for (const core::TComb& c : sub) {
        while (at < base.size() && !(base[at] == c)) {
            if (Less(c, base[at]))
                return CombSubset();
            ++at;
        }
        if (at == base.size())
            return CombSubset();
        s.m_words[at / 64] |= std::uint64_t{1} << (at % 64);
        ++at;
    }
    s.m_count = sub.size();
    s.m_valid = true;
    return s;
}

CombSubset CombSubset::Filtered(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude, bool sorted,
                                int last, std::span<const core::TComb> base)
{
    CombSubset s;
    s.setFiltered(stat, values, exclude, sorted, last, base);
    return s;
}

bool CombSubset::setFilteredWhole(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude)
{
    m_size = std::size_t(core::Binomial(core::NumberCount, core::CombSize));
    m_words.resize(WordCount(m_size));
    m_valid = stat.MarkWholeSet(stats::TSelection(values), !exclude, m_words.data());
    if (!m_valid) {
        reset();
        return false;
    }
    recount();
    return true;
}

void CombSubset::setFiltered(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude, bool sorted,
                             int last, std::span<const core::TComb> base)
{
    // Every word is written by the pass.
    m_size = base.size();
    m_words.resize(WordCount(base.size()));
    Mark(stat, stats::TSelection(values), exclude, sorted, last, base, m_words.data());
    m_valid = true;
    recount();
}

CombSubset CombSubset::filtered(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude, bool sorted,
                                int last, std::span<const core::TComb> base, core::TCombsArray& scratch) const
{
    // The scratch list only grows, so its storage is filled once and not zeroed again.
    if (scratch.size() < m_count)
        scratch.resize(m_count);
    extractTo(base, scratch.data());
    std::vector<std::uint64_t> marks(WordCount(m_count));
    Mark(stat, stats::TSelection(values), exclude, sorted, last, std::span<const core::TComb>(scratch.data(), m_count),
         marks.data());
    CombSubset s;
    s.m_size = m_size;
    s.m_valid = m_valid;
    s.m_words.assign(m_words.size(), 0);
    std::size_t j = 0;
    for (std::size_t w = 0; w < m_words.size(); ++w) {
        for (std::uint64_t word = m_words[w]; word != 0; word &= word - 1, ++j) {
            if ((marks[j / 64] >> (j % 64)) & 1)
                s.m_words[w] |= word & (~word + 1);
        }
    }
    s.recount();
    return s;
}

CombSubset CombSubset::operator&(const CombSubset& other) const
{
    CombSubset s = *this;
    s &= other;
    return s;
}

CombSubset CombSubset::without(const CombSubset& other) const
{
    CombSubset s;
    if (!combinable(other))
        return s;
    s.m_size = m_size;
    s.m_valid = true;
    s.m_words.resize(m_words.size());
    for (std::size_t w = 0; w < m_words.size(); ++w)
        s.m_words[w] = m_words[w] & ~other.m_words[w];
    s.recount();
    return s;
}

CombSubset& CombSubset::operator&=(const CombSubset& other)
{
    if (!combinable(other)) {
        reset();
        return *this;
    }
    for (std::size_t w = 0; w < m_words.size(); ++w)
        m_words[w] &= other.m_words[w];
    recount();
    return *this;
}

std::size_t CombSubset::countAnd(const CombSubset& other) const
{
    if (!combinable(other))
        return 0;
    return CountCommonBits(m_words.data(), other.m_words.data(), m_words.size(), false);
}

std::size_t CombSubset::countWithout(const CombSubset& other) const
{
    if (!combinable(other))
        return 0;
    return CountCommonBits(m_words.data(), other.m_words.data(), m_words.size(), true);
}

CombSubset& CombSubset::operator|=(const CombSubset& other)
{
    if (!combinable(other)) {
        *this = CombSubset();
        return *this;
    }
    for (std::size_t w = 0; w < m_words.size(); ++w)
        m_words[w] |= other.m_words[w];
    recount();
    return *this;
}

CombSubset CombSubset::Union(std::span<const CombSubset* const> parts, bool invert)
{
    CombSubset s;
    s.setUnion(parts, invert);
    return s;
}

void CombSubset::setUnion(std::span<const CombSubset* const> parts, bool invert)
{
    const bool fit = !parts.empty() && std::all_of(parts.begin(), parts.end(), [&](const CombSubset* p) {
        return p->m_valid && p->m_size == parts.front()->m_size;
    });
    if (!fit) {
        reset();
        return;
    }
    const std::size_t size = parts.front()->m_size;
    m_size = size;
    m_valid = true;
    m_words.resize(WordCount(size));
    // A block at a time, so the words being joined stay in the cache while every part adds to them.
    constexpr std::size_t kBlock = 1024;
    std::uint64_t* out = m_words.data();
    for (std::size_t from = 0; from < m_words.size(); from += kBlock) {
        const std::size_t to = std::min(m_words.size(), from + kBlock);
        std::copy(parts.front()->m_words.data() + from, parts.front()->m_words.data() + to, out + from);
        for (const CombSubset* p : parts.subspan(1)) {
            const std::uint64_t* in = p->m_words.data();
            for (std::size_t w = from; w < to; ++w)
                out[w] |= in[w];
        }
    }
    if (invert)
        complement();
    recount();
}

namespace {

struct Bits
{
    std::vector<std::uint64_t> Words;
    std::size_t Size = 0;
};

} // namespace

void CombSubset::setWithAnyNumber(std::uint64_t numbers, bool invert)
{
    constexpr int N = core::NumberCount;
    static_assert(core::CombSize == 5 && N < 64);
    const auto has = [numbers](int n) { return ((numbers >> n) & 1) != 0; };
    // Below a combination's first numbers, the rest run over the numbers after the last of them
    // in the same order whatever those first numbers are: tail[k][x] holds, for the k numbers
    // after x, which of their runs has one of the numbers, and a run after a number that is one
    // of them is whole.
    std::array<std::vector<Bits>, 4> tail;
    for (int k = 1; k <= 3; ++k) {
        tail[std::size_t(k)].resize(N + 1);
        for (int x = 1; x + k <= N; ++x) {
            Bits& b = tail[std::size_t(k)][std::size_t(x)];
            b.Size = std::size_t(core::Binomial(N - x, k));
            b.Words.assign(WordCount(b.Size), 0);
            core::BitAppender add(b.Words.data());
            for (int y = x + 1; y + k - 1 <= N; ++y) {
                if (has(y))
                    add.ones(std::size_t(core::Binomial(N - y, k - 1)));
                else if (k == 1)
                    add.zeros(1);
                else
                    add.bits(tail[std::size_t(k - 1)][std::size_t(y)].Words.data(),
                             tail[std::size_t(k - 1)][std::size_t(y)].Size);
            }
        }
    }
    m_size = std::size_t(core::Binomial(N, core::CombSize));
    m_valid = true;
    m_words.assign(WordCount(m_size), 0);
    core::BitAppender add(m_words.data());
    for (int a = 1; a + 4 <= N; ++a) {
        for (int b = a + 1; b + 3 <= N; ++b) {
            const Bits& rest = tail[3][std::size_t(b)];
            if (has(a) || has(b))
                add.ones(rest.Size);
            else
                add.bits(rest.Words.data(), rest.Size);
        }
    }
    if (invert)
        complement();
    recount();
}

void CombSubset::complement()
{
    for (std::uint64_t& w : m_words)
        w = ~w;
    if (m_size % 64 != 0)
        m_words.back() &= (std::uint64_t{1} << (m_size % 64)) - 1;
}

void CombSubset::setWhere(std::span<const std::uint8_t> values, const std::array<std::uint64_t, 4>& chosen)
{
    m_size = values.size();
    m_valid = true;
    m_words.resize(WordCount(m_size));
    std::size_t w = 0;
#if defined(__GNUC__) && defined(__x86_64__)
    if (__builtin_cpu_supports("ssse3"))
        w = MarkChosenSsse3(values.data(), m_size / 64, chosen, m_words.data());
#endif
    for (; w < m_words.size(); ++w) {
        const std::size_t end = std::min<std::size_t>(64, m_size - w * 64);
        const std::uint8_t* v = values.data() + w * 64;
        std::uint64_t word = 0;
        for (std::size_t j = 0; j < end; ++j)
            word |= ((chosen[v[j] / 64] >> (v[j] % 64)) & 1) << j;
        m_words[w] = word;
    }
    recount();
}

std::size_t CombSubset::nth(std::size_t k) const
{
    std::size_t w = 0;
    for (;; ++w) {
        const auto n = std::size_t(std::popcount(m_words[w]));
        if (k < n)
            break;
        k -= n;
    }
    std::uint64_t word = m_words[w];
    for (; k > 0; --k)
        word &= word - 1;
    return w * 64 + std::size_t(std::countr_zero(word));
}

void CombSubset::extract(std::span<const core::TComb> base, core::TCombsArray& out) const
{
    out.resize(m_count);
    extractTo(base, out.data());
}

void CombSubset::extractTo(std::span<const core::TComb> base, core::TComb* out) const
{
    core::TComb* to = out;
    for (std::size_t w = 0; w < m_words.size(); ++w) {
        const std::uint64_t word = m_words[w];
        if (word == ~std::uint64_t{0}) {
            // A run of 64 goes as one block.
            std::memcpy(to, base.data() + w * 64, 64 * sizeof(core::TComb));
            to += 64;
            continue;
        }
        for (std::uint64_t rest = word; rest != 0; rest &= rest - 1)
            *to++ = base[w * 64 + std::size_t(std::countr_zero(rest))];
    }
}

void CombSubset::recount()
{
    m_count = CountBits(m_words.data(), m_words.size());
}

} // namespace combos
