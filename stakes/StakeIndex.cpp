#include "stakes/StakeIndex.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace stakes {

namespace {

constexpr std::int32_t CombCount = 3162510;
constexpr std::size_t BitWords = (CombCount + 63) / 64;
// A draw moves to one bit per combination once its hash set, kept at most half full of 4-byte
// table, would be as large.
constexpr std::size_t BitsetThreshold = BitWords * sizeof(std::uint64_t) / (2 * sizeof(std::uint32_t));

// C(n, k) for n < 55, k <= 5.
constexpr auto kBinomial = [] {
    std::array<std::array<std::int32_t, 6>, 55> c{};
    for (int n = 0; n < 55; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= 5 && k <= n; ++k)
            c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
    }
    return c;
}();

std::uint32_t mix(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7FEB352Du;
    x ^= x >> 15;
    x *= 0x846CA68Bu;
    x ^= x >> 16;
    return x;
}

} // namespace

// The combinations of one draw: a set of ranks, or a bit per combination.
struct StakeIndex::Draw
{
    std::vector<std::uint32_t> table; // rank + 1; 0 marks an empty slot
    std::size_t count = 0;
    std::vector<std::uint64_t> bits;

    bool contains(std::uint32_t rank) const
    {
        if (!bits.empty())
            return (bits[rank >> 6] >> (rank & 63)) & 1;
        if (table.empty())
            return false;
        const std::size_t mask = table.size() - 1;
        for (std::size_t i = mix(rank) & mask;; i = (i + 1) & mask) {
            if (table[i] == 0)
                return false;
            if (table[i] == rank + 1)
                return true;
        }
    }

    bool insert(std::uint32_t rank)
    {
        if (!bits.empty()) {
            std::uint64_t& word = bits[rank >> 6];
            const std::uint64_t bit = std::uint64_t(1) << (rank & 63);
            if (word & bit)
                return false;
            word |= bit;
            return true;
        }
        if ((count + 1) * 2 > table.size()) {
            if (count + 1 > BitsetThreshold) {
                bits.assign(BitWords, 0);
                for (std::uint32_t s : table)
                    if (s != 0)
                        bits[(s - 1) >> 6] |= std::uint64_t(1) << ((s - 1) & 63);
                std::vector<std::uint32_t>().swap(table);
                return insert(rank);
            }
            std::vector<std::uint32_t> old(std::max<std::size_t>(16, table.size() * 2), 0);
            old.swap(table);
            count = 0;
            for (std::uint32_t s : old)
                if (s != 0)
                    insertSlot(s);
        }
        return insertSlot(rank + 1);
    }

private:
    bool insertSlot(std::uint32_t slot)
    {
        const std::size_t mask = table.size() - 1;
        for (std::size_t i = mix(slot - 1) & mask;; i = (i + 1) & mask) {
            if (table[i] == 0) {
                table[i] = slot;
                ++count;
                return true;
            }
            if (table[i] == slot)
                return false;
        }
    }
};

StakeIndex::StakeIndex() = default;
StakeIndex::~StakeIndex() = default;
StakeIndex::StakeIndex(StakeIndex&&) noexcept = default;
StakeIndex& StakeIndex::operator=(StakeIndex&&) noexcept = default;

std::size_t StakeIndex::OddHash::operator()(const OddKey& k) const
{
    return std::hash<std::uint64_t>()(k.values ^ (std::uint64_t(std::uint32_t(k.drawNum)) << 20) ^ std::uint64_t(k.count));
}

std::int32_t StakeIndex::CombRank(const core::TValueSet& numbers)
{
    if (numbers.Count != 5)
        return -1;
    std::uint8_t v[5];
    std::copy(numbers.Values, numbers.Values + 5, v);
    // A sorting network of nine exchanges: the stakes of a run pass here one by one.
    const auto order = [&v](int i, int j) {
        const std::uint8_t lo = std::min(v[i], v[j]);
        v[j] = std::max(v[i], v[j]);
        v[i] = lo;
    };
    order(0, 1);
    order(3, 4);
    order(2, 4);
    order(2, 3);
    order(1, 4);
    order(0, 3);
    order(0, 2);
    order(1, 3);
    order(1, 2);
    if (v[0] < 1 || v[4] > 54)
        return -1;
    std::int32_t rank = 0;
    for (int i = 0; i < 5; ++i) {
        if (i > 0 && v[i] == v[i - 1])
            return -1;
        rank += kBinomial[v[i] - 1][i + 1];
    }
    return rank;
}

void StakeIndex::clear()
{
    m_draws.clear();
    m_odd.clear();
    m_last = nullptr;
    m_size = 0;
}

StakeIndex::Draw& StakeIndex::drawOf(std::int32_t drawNum)
{
    if (m_last && m_lastNum == drawNum)
        return *m_last;
    std::unique_ptr<Draw>& entry = m_draws[drawNum];
    if (!entry)
        entry = std::make_unique<Draw>();
    m_last = entry.get();
    m_lastNum = drawNum;
    return *m_last;
}

const StakeIndex::Draw* StakeIndex::findDraw(std::int32_t drawNum) const
{
    if (m_last && m_lastNum == drawNum)
        return m_last;
    const auto found = m_draws.find(drawNum);
    if (found == m_draws.end())
        return nullptr;
    m_last = found->second.get();
    m_lastNum = drawNum;
    return m_last;
}

namespace {

std::uint64_t sortedValues(const core::TValueSet& numbers, int count)
{
    std::uint8_t v[8] = {};
    std::copy(numbers.Values, numbers.Values + count, v);
    for (int i = 1; i < count; ++i)
        for (int j = i; j > 0 && v[j - 1] > v[j]; --j)
            std::swap(v[j - 1], v[j]);
    std::uint64_t packed = 0;
    std::memcpy(&packed, v, sizeof v);
    return packed;
}

} // namespace

bool StakeIndex::insert(std::int32_t drawNum, const core::TValueSet& numbers)
{
    const std::int32_t rank = CombRank(numbers);
    bool added = false;
    if (rank >= 0) {
        added = drawOf(drawNum).insert(std::uint32_t(rank));
    } else {
        const int count = std::clamp(numbers.Count, 0, 8);
        added = m_odd.insert({drawNum, numbers.Count, sortedValues(numbers, count)}).second;
    }
    m_size += added;
    return added;
}

bool StakeIndex::contains(std::int32_t drawNum, const core::TValueSet& numbers) const
{
    const std::int32_t rank = CombRank(numbers);
    if (rank >= 0) {
        const Draw* draw = findDraw(drawNum);
        return draw && draw->contains(std::uint32_t(rank));
    }
    const int count = std::clamp(numbers.Count, 0, 8);
    return m_odd.count({drawNum, numbers.Count, sortedValues(numbers, count)}) > 0;
}

} // namespace stakes
