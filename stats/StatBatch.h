#pragma once

// The bridge from a concrete statistic's inline value routines to the virtual operations.
//
// A concrete class derives from StatBatch<Self, Base> and supplies, as plain members:
//   template <class Emit> void values(const std::uint8_t* v, Emit&& emit);
//       the values of five numbers in the order given (out(TStatKey) per value); used for a
//       draw (merged with periods) and, for kind N, for a combination (merged without);
//   bool testComb(const std::uint8_t* v, const TSelection& selected);
//       the match rule of a filter for five ascending numbers;
// and optionally void prepareTest(bool sorted, int lastIndex) and
// void prepareSelection(const TSelection&), run once before a test pass, and
// unsigned testPair(const std::uint8_t* v, const TSelection&), testComb of two neighbours at
// once (bit 0 and bit 1) for the packing pass, which may read 3 bytes past the second, and
// void markWords(std::span<const TComb>, const TSelection&, std::uint64_t* bits), testComb of
// every combination as bits of words of 64 (bit j of word w for combination 64w + j).
// A class whose draw values need more than the five numbers overrides drawValues instead of
// supplying values(). (Do not name the sink "emit": Qt defines that word away.)

#include "stats/CustomStat.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace stats {

// The different values met so far, each with its place in keys, in an open table twice the
// size of the most allowed.
class KeyIndex
{
public:
    static constexpr std::size_t kFull = ~std::size_t{0};

    KeyIndex(std::size_t mostValues, std::vector<core::TStatKey>& keys) : m_most(mostValues), m_keys(keys)
    {
        while (m_slotKey.size() < 2 * mostValues)
            m_slotKey.resize(std::max<std::size_t>(1, 2 * m_slotKey.size()));
        m_slotValue.assign(m_slotKey.size(), 0);
    }
    // The place of the value in keys, added when new; kFull when it is new and there are
    // already the most values allowed.
    [[gnu::always_inline]] std::size_t indexOf(const core::TStatKey& k)
    {
        const std::size_t mask = m_slotKey.size() - 1;
        const std::uint64_t key = KeyBits(k);
        for (std::size_t slot = std::size_t((key * 0x9E3779B97F4A7C15ull) >> 40) & mask;;
             slot = (slot + 1) & mask) {
            const std::uint32_t place = m_slotValue[slot];
            if (place == 0)
                return add(k, slot);
            if (m_slotKey[slot] == key)
                return place - 1;
        }
    }

private:
    [[gnu::noinline]] std::size_t add(const core::TStatKey& k, std::size_t slot)
    {
        if (m_keys.size() == m_most)
            return kFull;
        m_keys.push_back(k);
        m_slotKey[slot] = KeyBits(k);
        m_slotValue[slot] = std::uint32_t(m_keys.size());
        return m_keys.size() - 1;
    }

    std::size_t m_most;
    std::vector<core::TStatKey>& m_keys;
    std::vector<std::uint64_t> m_slotKey;
    std::vector<std::uint32_t> m_slotValue; // 0: empty, else the value's place + 1
};

template <class Self, class Base> class StatBatch : public Base
{
public:
    using Base::Base;

    void CalcComb(const TComb& comb, TStatDrawArray& list) override
    {
        this->beginComb();
        if (this->statClass().Kind & KindN)
            self().values(comb.v, [&](const TStatKey& k) { this->merge(list, k, false); });
    }

    void CalcCombs(std::span<const TComb> combs, TStatDrawArray& list) override
    {
        this->beginComb();
        if (!(this->statClass().Kind & KindN))
            return;
        KeyCounter counter(list);
        const Self& s = self();
        for (const TComb& c : combs)
            s.values(c.v, [&](const TStatKey& k) { counter.add(k); });
        counter.finish();
    }

    bool TestComb(const TComb& comb, const TSelection& selected, bool, bool sorted, int lastIndex) override
    {
        self().prepareTest(sorted, lastIndex);
        self().prepareSelection(selected);
        return self().testComb(comb.v, selected);
    }

    void TestCombs(std::span<const TComb> combs, const TSelection& selected, bool, bool sorted, int lastIndex,
                   std::uint8_t* matches) override
    {
        self().prepareTest(sorted, lastIndex);
        self().prepareSelection(selected);
        Self& s = self();
        const std::size_t n = combs.size();
        for (std::size_t i = 0; i < n; ++i)
            matches[i] = s.testComb(combs[i].v, selected) ? 1 : 0;
    }

    std::size_t KeepCombs(std::span<const TComb> combs, const TSelection& selected, bool, bool sorted, int lastIndex,
                          bool keepMatching, TComb* out) override
    {
        self().prepareTest(sorted, lastIndex);
        self().prepareSelection(selected);
        return keepMatching ? pack<true>(combs, selected, out) : pack<false>(combs, selected, out);
    }

    void MarkCombs(std::span<const TComb> combs, const TSelection& selected, bool, bool sorted, int lastIndex,
                   bool keepMatching, std::uint64_t* bits) override
    {
        self().prepareTest(sorted, lastIndex);
        self().prepareSelection(selected);
        const Self& s = self();
        const std::size_t count = combs.size();
        const std::uint64_t flip = keepMatching ? 0 : ~std::uint64_t{0};
        // A class may mark whole words itself.
        if constexpr (requires(const Self& x) { x.markWords(combs, selected, bits); }) {
            s.markWords(combs, selected, bits);
            for (std::size_t w = 0; w * 64 < count; ++w)
                bits[w] ^= flip;
            if (count % 64 != 0)
                bits[count / 64] &= (std::uint64_t{1} << (count % 64)) - 1;
            return;
        }
        for (std::size_t w = 0; w * 64 < count; ++w) {
            const TComb* from = combs.data() + w * 64;
            const std::size_t end = std::min<std::size_t>(64, count - w * 64);
            std::uint64_t word = 0;
            for (std::size_t j = 0; j < end; ++j)
                word |= std::uint64_t(s.testComb(from[j].v, selected)) << j;
            word ^= flip;
            if (end < 64)
                word &= (std::uint64_t{1} << end) - 1;
            bits[w] = word;
        }
    }

    bool PositionsByValue(std::span<const TComb> combs, std::size_t mostValues, std::vector<core::TStatKey>& keys,
                          std::vector<std::vector<std::uint64_t>>& bits) override
    {
        keys.clear();
        bits.clear();
        if (!(this->statClass().Kind & KindN) || mostValues == 0)
            return false;
        KeyIndex found(mostValues, keys);
        const std::size_t words = (combs.size() + 63) / 64;
        const Self& s = self();
        bool fits = true;
        for (std::size_t i = 0; i < combs.size() && fits; ++i) {
            s.values(combs[i].v, [&](const TStatKey& k) {
                if (!fits)
                    return;
                const std::size_t j = found.indexOf(k);
                if (j == KeyIndex::kFull) {
                    fits = false;
                    return;
                }
                if (j == bits.size())
                    bits.emplace_back(words, 0);
                bits[j][i / 64] |= std::uint64_t{1} << (i % 64);
            });
        }
        if (!fits) {
            keys.clear();
            bits.clear();
        }
        return fits;
    }

    bool ValuesOfEach(std::span<const TComb> combs, std::vector<std::vector<core::TStatKey>>& sets,
                      std::vector<std::uint8_t>& index) override
    {
        sets.clear();
        index.clear();
        if (!(this->statClass().Kind & KindN))
            return false;
        // The different sets met so far in an open table keyed by a hash of the values.
        constexpr std::size_t kMostSets = 256;
        constexpr std::size_t kMostValues = 16;
        constexpr std::size_t kSlots = 2 * kMostSets;
        std::vector<std::uint64_t> slotHash(kSlots);
        std::vector<std::uint16_t> slotSet(kSlots, 0); // 0: empty, else the set's place + 1
        index.resize(combs.size());
        const Self& s = self();
        core::TStatKey values[kMostValues];
        for (std::size_t i = 0; i < combs.size(); ++i) {
            std::size_t n = 0;
            std::uint64_t hash = 0;
            s.values(combs[i].v, [&](const TStatKey& k) {
                if (n < kMostValues)
                    values[n] = k;
                ++n;
                hash = (hash ^ KeyBits(k)) * 0x9E3779B97F4A7C15ull;
            });
            const auto same = [&](std::size_t place) {
                return sets[place].size() == n && std::equal(sets[place].begin(), sets[place].end(), values,
                                                             [](const TStatKey& a, const TStatKey& b) {
                                                                 return KeyBits(a) == KeyBits(b);
                                                             });
            };
            std::size_t slot = std::size_t(hash >> 40) & (kSlots - 1);
            while (slotSet[slot] != 0 && (slotHash[slot] != hash || !same(slotSet[slot] - 1U)))
                slot = (slot + 1) & (kSlots - 1);
            if (slotSet[slot] == 0) {
                if (n > kMostValues || sets.size() == kMostSets) {
                    sets.clear();
                    index.clear();
                    return false;
                }
                sets.emplace_back(values, values + n);
                slotHash[slot] = hash;
                slotSet[slot] = std::uint16_t(sets.size());
            }
            index[i] = std::uint8_t(slotSet[slot] - 1U);
        }
        return true;
    }

    // The defaults a concrete class hides with its own.
    void prepareTest(bool, int) {}
    // Once per test pass, with the selection the pass tests against.
    void prepareSelection(const TSelection&) {}
    template <class Emit> void values(const std::uint8_t*, Emit&&) const {}

protected:
    void drawValues(TStatDrawArray& list, TWorkArea&, TLastValueArray&) override
    {
        self().values(this->CurDraw.Values, [&](const TStatKey& k) { this->merge(list, k, true); });
    }

private:
    Self& self() { return static_cast<Self&>(*this); }


    // Every combination is written and the count moves on only for those that stay: no branch
    // to mispredict when about half stays. All but the last are moved as eight bytes (the three
    // after a combination belong to the next one in both arrays).
    template <bool KeepMatching>
    std::size_t pack(std::span<const TComb> combs, const TSelection& selected, TComb* out) const
    {
        const Self& s = static_cast<const Self&>(*this);
        const std::size_t count = combs.size();
        const TComb* from = combs.data();
        std::size_t n = 0;
        auto* dst = reinterpret_cast<unsigned char*>(out);
        const auto* src = reinterpret_cast<const unsigned char*>(from);
        const std::size_t wide = count > 1 ? count - 1 : 0;
        std::size_t i = 0;
        // A class that can test two neighbours at once does so while a third follows them (the
        // pair reads three bytes past the second).
        if constexpr (requires(const Self& x, const std::uint8_t* p) { x.testPair(p, selected); }) {
            for (; i + 2 < count; i += 2) {
                const unsigned both = s.testPair(src + i * sizeof(TComb), selected);
                std::memmove(dst + n * sizeof(TComb), src + i * sizeof(TComb), 8);
                n += ((both & 1U) != 0) == KeepMatching ? 1 : 0;
                std::memmove(dst + n * sizeof(TComb), src + (i + 1) * sizeof(TComb), 8);
                n += ((both & 2U) != 0) == KeepMatching ? 1 : 0;
            }
        }
        for (; i < wide; ++i) {
            const bool match = s.testComb(from[i].v, selected);
            std::memmove(dst + n * sizeof(TComb), src + i * sizeof(TComb), 8);
            n += match == KeepMatching ? 1 : 0;
        }
        for (std::size_t i = wide; i < count; ++i) {
            const bool match = s.testComb(from[i].v, selected);
            out[n] = from[i];
            n += match == KeepMatching ? 1 : 0;
        }
        return n;
    }
};

// The factory of a concrete class, for the registry.
template <class T> std::unique_ptr<TCustomStat> MakeStat(const StatClass& cls, const StatEnv& env, int param)
{
    return std::make_unique<T>(cls, env, param);
}

} // namespace stats
