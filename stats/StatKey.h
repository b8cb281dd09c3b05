#pragma once

// Value keys of the statistics and the prepared form of a set of selected values.
//
// A key is eight bytes seen in one of three ways: four 16-bit components, two 32-bit halves
// (the first half is components 0 and 1, component 0 in the low bits), or eight bytes (byte 1
// is the low byte of component 0). Filtering asks millions of combinations whether one of
// their values is among the selected table rows, so the rows are turned into bitsets and hash
// sets once per pass (TSelection) and every question is answered in constant time.

#include "core/GameTypes.h"

#include <array>
#include <cstdint>
#include <vector>

namespace stats {

using core::TStatKey;

inline constexpr TStatKey KeyW(std::uint16_t c0, std::uint16_t c1 = 0, std::uint16_t c2 = 0, std::uint16_t c3 = 0)
{
    TStatKey k;
    k.c[0] = c0;
    k.c[1] = c1;
    k.c[2] = c2;
    k.c[3] = c3;
    return k;
}

inline constexpr TStatKey KeyHalves(std::uint32_t first, std::uint32_t second = 0)
{
    return KeyW(std::uint16_t(first), std::uint16_t(first >> 16), std::uint16_t(second), std::uint16_t(second >> 16));
}

inline constexpr TStatKey KeyHalfSigned(std::int32_t first)
{
    return KeyHalves(std::uint32_t(first));
}

// Half 1 or 2.
inline constexpr std::uint32_t KeyHalf(const TStatKey& k, int half)
{
    const int c = half == 1 ? 0 : 2;
    return std::uint32_t(k.c[c]) | (std::uint32_t(k.c[c + 1]) << 16);
}

// Byte 1..8.
inline constexpr std::uint8_t KeyByte(const TStatKey& k, int index)
{
    const std::uint16_t w = k.c[(index - 1) / 2];
    return std::uint8_t((index - 1) % 2 == 0 ? w & 0xFF : w >> 8);
}

inline constexpr std::uint64_t KeyBits(const TStatKey& k)
{
    return std::uint64_t(k.c[0]) | (std::uint64_t(k.c[1]) << 16) | (std::uint64_t(k.c[2]) << 32) |
           (std::uint64_t(k.c[3]) << 48);
}

// A set of 64-bit keys with open addressing; no allocation on lookup.
class KeySet
{
public:
    void insert(std::uint64_t key);
    bool contains(std::uint64_t key) const
    {
        if (m_count == 0)
            return false;
        for (std::size_t i = slot(key);; i = (i + 1) & m_mask) {
            if (!m_used[i])
                return false;
            if (m_keys[i] == key)
                return true;
        }
    }
    std::size_t size() const { return m_count; }

private:
    std::size_t slot(std::uint64_t key) const { return std::size_t((key * 0x9E3779B97F4A7C15ull) >> 32) & m_mask; }
    void grow();

    std::vector<std::uint64_t> m_keys;
    std::vector<std::uint8_t> m_used;
    std::size_t m_mask = 0;
    std::size_t m_count = 0;
};

// A fixed set of the numbers 0..65535.
class WordSet
{
public:
    WordSet() : m_bits(1024, 0) {}
    void insert(std::uint32_t w) { m_bits[w >> 6] |= std::uint64_t{1} << (w & 63); }
    bool contains(std::uint32_t w) const { return w < 65536 && (m_bits[w >> 6] >> (w & 63)) & 1; }

private:
    std::vector<std::uint64_t> m_bits;
};

// The selected rows of a statistics table, prepared for the questions a test of a combination
// asks: the same answers as a linear search through the rows.
class TSelection
{
public:
    TSelection() = default;
    explicit TSelection(const core::TStatDrawArray& rows);

    bool empty() const { return m_rowCount == 0; }
    std::size_t rowCount() const { return m_rowCount; }
    // The keys of the rows, in their order.
    const std::vector<TStatKey>& keys() const { return m_keys; }

    // Some row has all four components equal.
    bool hasExact(const TStatKey& k) const
    {
        if (k.c[1] == 0 && k.c[2] == 0 && k.c[3] == 0)
            return m_exactLow.contains(k.c[0]);
        return m_exact.contains(KeyBits(k));
    }
    bool hasExact(std::uint16_t v0, std::uint16_t v1, std::uint16_t v2, std::uint16_t v3) const
    {
        return hasExact(KeyW(v0, v1, v2, v3));
    }
    // Some row has components 0 and 2 equal to v0 and v2.
    bool hasPair(std::uint16_t v0, std::uint16_t v2) const
    {
        if (v2 == 0)
            return m_pairLow.contains(v0);
        return m_pair.contains(std::uint64_t(v0) | (std::uint64_t(v2) << 16));
    }
    // Some row has byte k (1..8) equal to b.
    bool hasByte(int k, std::uint8_t b) const { return (m_bytes[k - 1][b >> 6] >> (b & 63)) & 1; }
    // Some row has component k - 1 (k 1..4) equal to w.
    bool hasWord(int k, std::uint16_t w) const { return m_words[k - 1].contains(w); }
    // Some row has its first (k = 1) or second (k = 2) half equal to h.
    bool hasHalf(int k, std::uint32_t h) const
    {
        if (h < 65536)
            return m_halfLow[k - 1].contains(h);
        return m_halves[k - 1].contains(h);
    }

private:
    std::size_t m_rowCount = 0;
    std::vector<TStatKey> m_keys;
    WordSet m_exactLow; // rows whose components 1..3 are 0, by component 0
    KeySet m_exact;
    WordSet m_pairLow; // rows whose component 2 is 0, by component 0
    KeySet m_pair;
    std::array<std::array<std::uint64_t, 4>, 8> m_bytes{};
    std::array<WordSet, 4> m_words;
    std::array<WordSet, 2> m_halfLow;
    std::array<KeySet, 2> m_halves;
};

// The linear forms of the questions above, on a plain list of rows.
bool HasExact(const core::TStatDrawArray& list, std::uint16_t v0, std::uint16_t v1, std::uint16_t v2, std::uint16_t v3);
bool HasPair(const core::TStatDrawArray& list, std::uint16_t v0, std::uint16_t v2);
bool HasByte(const core::TStatDrawArray& list, int k, std::uint8_t b);
bool HasWord(const core::TStatDrawArray& list, int k, std::uint16_t w);
bool HasHalf(const core::TStatDrawArray& list, int k, std::uint32_t h);

// Counts keys into a value list as StatDrawMerge without periods would, one count at a time,
// but with a hash index instead of a linear search: for building distributions over millions
// of combinations. New keys are appended in order of first occurrence.
class KeyCounter
{
public:
    explicit KeyCounter(core::TStatDrawArray& list);
    KeyCounter(const KeyCounter&) = delete;
    KeyCounter& operator=(const KeyCounter&) = delete;

    void add(const TStatKey& key)
    {
        // Most values are small numbers or small pairs: those go through a direct table.
        if (key.c[0] < 512 && key.c[1] < 8 && key.c[2] == 0 && key.c[3] == 0) {
            const std::uint32_t pos = m_direct[key.c[0] | (std::uint32_t(key.c[1]) << 9)];
            if (pos != 0) {
                countAt(pos - 1);
                return;
            }
        }
        addSlow(key);
    }
    // Settles the fields a merge would have reset on the entries that were counted; call once
    // after the last add.
    void finish();

private:
    std::size_t slot(std::uint64_t key) const { return std::size_t((key * 0x9E3779B97F4A7C15ull) >> 32) & m_mask; }
    void index(std::uint64_t key, std::uint32_t pos);
    void grow();
    void addSlow(const TStatKey& key);
    void countAt(std::uint32_t pos)
    {
        ++m_list[pos].Count;
        if (pos < m_touched.size())
            m_touched[pos] = 1;
    }

    core::TStatDrawArray& m_list;
    std::vector<std::uint32_t> m_direct; // small keys: list index + 1, 0 = not listed yet
    std::vector<std::uint64_t> m_keys;
    std::vector<std::uint32_t> m_pos; // list index + 1, 0 = empty slot
    std::vector<std::uint8_t> m_touched;
    std::size_t m_mask = 0;
    std::size_t m_count = 0;
};

} // namespace stats
