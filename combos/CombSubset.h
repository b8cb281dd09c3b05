#pragma once

// A part of a fixed base list held as one bit per base position, for passes that narrow the
// same base list again and again: the filters of a script line all start from the full set
// (or the full set without the last draws), so each filter's verdict on every combination of
// the base is worked out once and a line's list is the intersection of the verdicts it applies.

#include "core/GameTypes.h"
#include "stats/CustomStat.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace combos {

class CombSubset
{
public:
    CombSubset() = default;

    // Every position of a base of size n; every one but the given ones (ascending).
    static CombSubset All(std::size_t size);
    static CombSubset AllBut(std::size_t size, std::span<const std::size_t> positions);
    // The positions whose bit is set in words (bit i % 64 of word i / 64, (size + 63) / 64 words,
    // nothing past size).
    static CombSubset OfWords(std::size_t size, std::vector<std::uint64_t>&& words);
    // The positions of sub in base, both strictly ascending (in the order of the combinations'
    // numbers); empty, with valid() false, when sub is not a part of base.
    static CombSubset OfSorted(std::span<const core::TComb> base, std::span<const core::TComb> sub);
    // The positions whose combination the filter keeps: the test against the selected values
    // differs from exclude. The statistic's draws must be loaded for the pass; a large base is
    // shared between both cores.
    static CombSubset Filtered(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude, bool sorted,
                               int last, std::span<const core::TComb> base);
    // The same for the whole set of combinations in the order of their numbers, when the
    // statistic has a pass made for that order; false, with valid() false, when it has not.
    bool setFilteredWhole(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude);
    // The same in the storage this part has.
    void setFiltered(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude, bool sorted, int last,
                     std::span<const core::TComb> base);
    // The same for the positions of this part only: the others are left out unasked.
    // scratch holds the combinations meanwhile; its storage is kept for the next call.
    CombSubset filtered(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude, bool sorted,
                        int last, std::span<const core::TComb> base, core::TCombsArray& scratch) const;

    bool valid() const { return m_valid; }
    std::size_t size() const { return m_size; }
    // How many positions are in the part.
    std::size_t count() const { return m_count; }
    bool contains(std::size_t i) const { return (m_words[i / 64] >> (i % 64)) & 1; }
    // The base position of the part's k-th combination (from 0, k < count()).
    std::size_t nth(std::size_t k) const;

    // The positions in both, and those in this one but not in the other; the sizes must be the
    // same.
    CombSubset operator&(const CombSubset& other) const;
    CombSubset without(const CombSubset& other) const;
    // Adds the positions of the other one.
    CombSubset& operator|=(const CombSubset& other);
    // Keeps only the positions also in the other one, in the storage it has.
    CombSubset& operator&=(const CombSubset& other);
    // How many positions the part has in common with the other one, and how many it has that the
    // other one lacks, without making either part.
    std::size_t countAnd(const CombSubset& other) const;
    std::size_t countWithout(const CombSubset& other) const;
    // Every position of a base of the size, in the storage the part has.
    void setAll(std::size_t size);
    // No part (valid() false); the storage is kept for the next one.
    void reset();

    // The positions in any of the parts (all of one size), counted once at the end; the parts
    // in complement when invert is set (positions in none of them). The second one fills the
    // storage this part has.
    static CombSubset Union(std::span<const CombSubset* const> parts, bool invert = false);
    void setUnion(std::span<const CombSubset* const> parts, bool invert = false);
    // The positions of the combinations that have one of the numbers (bit n for number n) in the
    // whole set of combinations in the order of their numbers, as the list generated with no
    // conditions holds them; in complement when invert is set. In the storage the part has.
    void setWithAnyNumber(std::uint64_t numbers, bool invert = false);
    // The positions i of a base of values.size() whose value is chosen: bit values[i] % 64 of
    // chosen[values[i] / 64] is set. In the storage the part has.
    void setWhere(std::span<const std::uint8_t> values, const std::array<std::uint64_t, 4>& chosen);

    // The combinations of base at the positions of the part, in base order.
    void extract(std::span<const core::TComb> base, core::TCombsArray& out) const;
    // The same into out, which has room for count() combinations.
    void extractTo(std::span<const core::TComb> base, core::TComb* out) const;

    // Bytes held, for cache bounds.
    std::size_t bytes() const { return m_words.size() * sizeof(std::uint64_t); }

private:
    void recount();
    // Every position of the base not in the part, and none that is; the count is left as it was.
    void complement();
    // Both are parts of bases of the same size.
    bool combinable(const CombSubset& other) const { return m_valid && other.m_valid && m_size == other.m_size; }

    std::vector<std::uint64_t> m_words;
    std::size_t m_size = 0;
    std::size_t m_count = 0;
    bool m_valid = false;
};

} // namespace combos
