#pragma once

// Bits written one after another into zeroed words (bit i % 64 of word i / 64), for passes that
// make a long bit list from runs.

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace core {

class BitAppender
{
public:
    // The words must be zero and have room for every bit appended.
    explicit BitAppender(std::uint64_t* out) : m_out(out) {}

    std::size_t position() const { return m_pos; }
    void zeros(std::size_t n) { m_pos += n; }
    void ones(std::size_t n)
    {
        for (; n >= 64; n -= 64)
            word(~std::uint64_t{0}, 64);
        if (n > 0)
            word((std::uint64_t{1} << n) - 1, n);
    }
    // The first n bits of from.
    void bits(const std::uint64_t* from, std::size_t n)
    {
        for (std::size_t w = 0; n > 0; ++w) {
            const std::size_t take = std::min<std::size_t>(n, 64);
            word(take == 64 ? from[w] : from[w] & ((std::uint64_t{1} << take) - 1), take);
            n -= take;
        }
    }
    // The low n bits of w (n <= 64; the others must be clear).
    void word(std::uint64_t w, std::size_t n)
    {
        const std::size_t shift = m_pos % 64;
        m_out[m_pos / 64] |= w << shift;
        if (shift != 0 && shift + n > 64)
            m_out[m_pos / 64 + 1] |= w >> (64 - shift);
        m_pos += n;
    }

private:
    std::uint64_t* m_out;
    std::size_t m_pos = 0;
};

} // namespace core
