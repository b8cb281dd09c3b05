#pragma once

// The number card: the whole archive as a grid, one row per draw (newest first, whatever the
// analysis offset) and one column per number 1..54 plus the key number. A cell shows its
// number when the draw has it. Colours mark the channels, numbers that came in two draws in a
// row, and neighbouring numbers of one draw.

#include "core/GameTypes.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace views {

inline constexpr int kCardNumberColumns = core::NumberCount;         // columns 1..54, then the key number
inline constexpr std::uint32_t kCardRepeatNeighbourColor = 0x00FFFF; // yellow
inline constexpr std::uint32_t kCardRepeatColor = 0x00FF00;          // lime
inline constexpr std::uint32_t kCardNeighbourColor = 0xFFFF00;       // aqua

// Bit n set for every number n in 1..54 that the draw holds.
std::uint64_t DrawNumberMask(const core::TDrawRec& draw);
// The masks of the card's rows: row 0 is the newest draw.
std::vector<std::uint64_t> CardMasks(const core::TDrawsArray& draws);

// The draw of a card row, or nullptr outside the archive.
const core::TDrawRec* CardDraw(const core::TDrawsArray& draws, int row);
// Text of a cell: column 1..54 the number when the draw holds it, column 55 the key number.
QString CardCellText(const core::TDrawsArray& draws, int row, int column);

struct CardLook
{
    bool ColorCard = true;      // channel colours
    bool ColorSequences = true; // repeats and neighbours
    int ChannelSize = 6;
};

// Background of the cell of number column (1..54) on a row, 0x00BBGGRR, or 0 for the grid's own.
std::uint32_t CardCellColor(const std::vector<std::uint64_t>& masks, int row, int column, const CardLook& look);

// The distinct numbers of the non-empty cells among the given (row, column) cells, in the
// order given; columns outside 1..54 are not numbers.
std::vector<int> CardSelectedNumbers(const std::vector<std::uint64_t>& masks,
                                     const std::vector<std::pair<int, int>>& cells);

} // namespace views
