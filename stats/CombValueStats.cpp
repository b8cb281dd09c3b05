// Combined-value statistics: pairs, triples and quadruples of the numbers of a draw taken as
// one value. The positions come from one of four ways: every set of k positions (Mix), every
// run of k neighbouring positions (Seq), the one run that starts at the parameter's position
// (Pos), or runs of k neighbours after sorting the numbers ascending (Sort, never offered).

#include "stats/Families.h"
#include "stats/Patterns.h"
#include "stats/StatBatch.h"

#include "core/BitAppender.h"
#include "core/GameMath.h"

#include <algorithm>
#include <cstring>

namespace stats {

namespace {

using core::CombSize;

// A tuple of k numbers in components 0..k-1, shown as the numbers joined by ":".
class TCustomCombValuesStat : public TCustomStat
{
public:
    TCustomCombValuesStat(const StatClass& cls, const StatEnv& env, int param, int size)
        : TCustomStat(cls, env, param), m_size(size)
    {
    }
    QString ValueToText(const TStatDrawRec& value) const override { return ComponentsText(value, m_size); }

private:
    int m_size;
};

enum class Way { Mix, Seq, Pos, Sort };

template <Way W, int K> class CombValStat final : public StatBatch<CombValStat<W, K>, TCustomCombValuesStat>
{
    using Batch = StatBatch<CombValStat<W, K>, TCustomCombValuesStat>;

public:
    CombValStat(const StatClass& cls, const StatEnv& env, int param) : Batch(cls, env, param, K) {}
    bool MatchesRowByRow() const override { return true; }

    template <class Out> void values(const std::uint8_t* v, Out&& out) const
    {
        tuples(v, [&](const TStatKey& k) {
            out(k);
            return false;
        });
    }

    // Pairs and triples of numbers below 64 are looked up in a bit table built for the pass;
    // anything else (longer tuples, damaged numbers) asks the selection itself.
    void prepareSelection(const TSelection& s)
    {
        if constexpr (K <= 3) {
            m_table.assign(kTableWords, 0);
            for (const TStatKey& k : s.keys()) {
                bool small = true;
                for (int i = 0; i < 4; ++i)
                    small = small && (i < K ? k.c[i] < 64 : k.c[i] == 0);
                if (small) {
                    const std::size_t bit = tableIndex(k);
                    m_table[bit >> 6] |= std::uint64_t{1} << (bit & 63);
                }
            }
        }
    }

    bool testComb(const std::uint8_t* v, const TSelection& s) const
    {
        if constexpr (W == Way::Mix && K == 2) {
            // Word a of the table holds the b of every selected pair (a, b): each number is tested
            // against the bits of the numbers after it, every pair (v[i], v[j]) with i < j at once.
            if ((v[0] | v[1] | v[2] | v[3] | v[4]) < 64) {
                std::uint64_t later = 0;
                std::uint64_t hit = 0;
                for (int p = CombSize - 1; p >= 0; --p) {
                    hit |= m_table[v[p]] & later;
                    later |= std::uint64_t{1} << v[p];
                }
                return hit != 0;
            }
        }
        if constexpr (K <= 3) {
            return tuples(v, [&](const TStatKey& k) {
                for (int i = 0; i < K; ++i)
                    if (k.c[i] >= 64)
                        return s.hasExact(k);
                const std::size_t bit = tableIndex(k);
                return ((m_table[bit >> 6] >> (bit & 63)) & 1) != 0;
            });
        } else {
            return tuples(v, [&](const TStatKey& k) { return s.hasExact(k); });
        }
    }

    // For pairs in any order: neighbours that share their first four numbers (about ten in a row
    // in a list in the order of the numbers) share the pairs among those four and the numbers
    // those four pair with, so each combination asks one bit for its fifth number.
    void markWords(std::span<const TComb> combs, const TSelection& s, std::uint64_t* bits) const
        requires(W == Way::Mix && K == 2)
    {
        std::uint32_t head = 0;
        bool known = false; // head holds the first four numbers of the last combination
        bool fast = false;  // they are all below 64
        bool headHit = false;
        std::uint64_t partners = 0;
        const std::size_t count = combs.size();
        for (std::size_t w = 0; w * 64 < count; ++w) {
            const std::size_t end = std::min<std::size_t>(64, count - w * 64);
            std::uint64_t word = 0;
            for (std::size_t j = 0; j < end; ++j) {
                const std::uint8_t* v = combs[w * 64 + j].v;
                std::uint32_t first = 0;
                std::memcpy(&first, v, sizeof first);
                if (!known || first != head) {
                    known = true;
                    head = first;
                    fast = (v[0] | v[1] | v[2] | v[3]) < 64;
                    if (fast) {
                        std::uint64_t later = 0;
                        std::uint64_t hit = 0;
                        for (int p = CombSize - 2; p >= 0; --p) {
                            hit |= m_table[v[p]] & later;
                            later |= std::uint64_t{1} << v[p];
                        }
                        headHit = hit != 0;
                        partners = m_table[v[0]] | m_table[v[1]] | m_table[v[2]] | m_table[v[3]];
                    }
                }
                const bool match = fast && v[4] < 64 ? headHit || ((partners >> v[4]) & 1) != 0 : testComb(v, s);
                word |= std::uint64_t(match) << j;
            }
            bits[w] = word;
        }
    }

    // For pairs in any order over the whole set: below the first three numbers the combinations
    // run over every later pair; when a pair among the three is selected the whole run matches,
    // else each fourth number's row of fifth numbers is one word of the table.
    bool MarkWholeSet(const TSelection& s, bool keepMatching, std::uint64_t* bits) override
    {
        if constexpr (W != Way::Mix || K != 2) {
            return Batch::MarkWholeSet(s, keepMatching, bits);
        } else {
            constexpr int N = core::NumberCount;
            static_assert(CombSize == 5 && N < 64);
            prepareSelection(s);
            const auto size = std::size_t(core::Binomial(N, CombSize));
            const std::size_t words = (size + 63) / 64;
            std::fill(bits, bits + words, 0);
            core::BitAppender add(bits);
            const auto selected = [this](int x, int y) { return ((m_table[std::size_t(x)] >> y) & 1) != 0; };
            for (int a = 1; a + 4 <= N; ++a) {
                for (int b = a + 1; b + 3 <= N; ++b) {
                    for (int c = b + 1; c + 2 <= N; ++c) {
                        if (selected(a, b) || selected(a, c) || selected(b, c)) {
                            add.ones(std::size_t((N - c) * (N - c - 1) / 2));
                            continue;
                        }
                        const std::uint64_t partners = m_table[std::size_t(a)] | m_table[std::size_t(b)] |
                                                       m_table[std::size_t(c)];
                        for (int d = c + 1; d < N; ++d) {
                            const auto length = std::size_t(N - d);
                            if ((partners >> d) & 1)
                                add.ones(length);
                            else
                                add.word(((partners | m_table[std::size_t(d)]) >> (d + 1)) &
                                             ((std::uint64_t{1} << length) - 1),
                                         length);
                        }
                    }
                }
            }
            if (!keepMatching) {
                for (std::size_t w = 0; w < words; ++w)
                    bits[w] = ~bits[w];
                if (size % 64 != 0)
                    bits[words - 1] &= (std::uint64_t{1} << (size % 64)) - 1;
            }
            return true;
        }
    }

private:
    static constexpr std::size_t kTableBits = std::size_t{1} << (6 * K);
    static constexpr std::size_t kTableWords = kTableBits / 64;
    static std::size_t tableIndex(const TStatKey& k)
    {
        std::size_t bit = 0;
        for (int i = 0; i < K; ++i)
            bit = (bit << 6) | k.c[i];
        return bit;
    }
    std::vector<std::uint64_t> m_table;

    static_assert(K >= 2 && K <= 4);

    // Calls take(key) for every tuple in pattern order until it returns true; whether it did.
    template <class Take> bool tuples(const std::uint8_t* v, Take&& take) const
    {
        std::uint16_t prop[CombSize];
        for (int p = 0; p < CombSize; ++p)
            prop[p] = v[p];
        if constexpr (W == Way::Sort) {
            for (int p = 1; p < CombSize; ++p) {
                const std::uint16_t x = prop[p];
                int q = p - 1;
                for (; q >= 0 && prop[q] > x; --q)
                    prop[q + 1] = prop[q];
                prop[q + 1] = x;
            }
        }
        if constexpr (W == Way::Pos) {
            // A start position that leaves no room for k numbers gives no tuple.
            const int start = this->Param - 1;
            if (start < 0 || start + K > CombSize)
                return false;
            TStatKey key;
            for (int i = 0; i < K; ++i)
                key.c[i] = prop[start + i];
            return take(key);
        } else {
            const PositionSets& pattern = W == Way::Mix ? kMixSets[K] : kSeqSets[K];
            for (int t = 0; t < pattern.count; ++t) {
                const auto& idx = pattern.sets[std::size_t(t)];
                TStatKey key;
                for (int i = 0; i < K; ++i)
                    key.c[i] = prop[idx[std::size_t(i)]];
                if (take(key))
                    return true;
            }
            return false;
        }
    }
};

using TstCombValMix2 = CombValStat<Way::Mix, 2>;
using TstCombValMix3 = CombValStat<Way::Mix, 3>;
using TstCombValMix4 = CombValStat<Way::Mix, 4>;
using TstCombValSeq2 = CombValStat<Way::Seq, 2>;
using TstCombValSeq3 = CombValStat<Way::Seq, 3>;
using TstCombValSeq4 = CombValStat<Way::Seq, 4>;
using TstCombValPos2 = CombValStat<Way::Pos, 2>;
using TstCombValPos3 = CombValStat<Way::Pos, 3>;
using TstCombValPos4 = CombValStat<Way::Pos, 4>;
using TstCombValSort2 = CombValStat<Way::Sort, 2>;
using TstCombValSort3 = CombValStat<Way::Sort, 3>;
using TstCombValSort4 = CombValStat<Way::Sort, 4>;

} // namespace

const std::vector<FactoryEntry>& CombValueStatFactories()
{
    static const std::vector<FactoryEntry> list = {
        {"TstCombValMix2", &MakeStat<TstCombValMix2>},   {"TstCombValMix3", &MakeStat<TstCombValMix3>},
        {"TstCombValMix4", &MakeStat<TstCombValMix4>},   {"TstCombValSeq2", &MakeStat<TstCombValSeq2>},
        {"TstCombValSeq3", &MakeStat<TstCombValSeq3>},   {"TstCombValSeq4", &MakeStat<TstCombValSeq4>},
        {"TstCombValPos2", &MakeStat<TstCombValPos2>},   {"TstCombValPos3", &MakeStat<TstCombValPos3>},
        {"TstCombValPos4", &MakeStat<TstCombValPos4>},   {"TstCombValSort2", &MakeStat<TstCombValSort2>},
        {"TstCombValSort3", &MakeStat<TstCombValSort3>}, {"TstCombValSort4", &MakeStat<TstCombValSort4>},
    };
    return list;
}

} // namespace stats
