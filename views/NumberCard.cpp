#include "views/NumberCard.h"

#include "core/GameMath.h"

#include <algorithm>

namespace views {

std::uint64_t DrawNumberMask(const core::TDrawRec& draw)
{
    std::uint64_t mask = 0;
    for (std::uint8_t v : draw.Values)
        if (v >= 1 && v <= core::NumberCount)
            mask |= std::uint64_t(1) << v;
    return mask;
}

std::vector<std::uint64_t> CardMasks(const core::TDrawsArray& draws)
{
    std::vector<std::uint64_t> masks(draws.size());
    for (std::size_t row = 0; row < draws.size(); ++row)
        masks[row] = DrawNumberMask(draws[draws.size() - 1 - row]);
    return masks;
}

const core::TDrawRec* CardDraw(const core::TDrawsArray& draws, int row)
{
    if (row < 0 || std::size_t(row) >= draws.size())
        return nullptr;
    return &draws[draws.size() - 1 - std::size_t(row)];
}

QString CardCellText(const core::TDrawsArray& draws, int row, int column)
{
    const core::TDrawRec* draw = CardDraw(draws, row);
    if (!draw)
        return {};
    if (column == kCardNumberColumns + 1)
        return QString::number(draw->Extra);
    if (column >= 1 && column <= kCardNumberColumns && (DrawNumberMask(*draw) >> column & 1))
        return QString::number(column);
    return {};
}

namespace {

bool has(const std::vector<std::uint64_t>& masks, int row, int column)
{
    return row >= 0 && std::size_t(row) < masks.size() && column >= 1 && column <= kCardNumberColumns &&
           (masks[std::size_t(row)] >> column & 1);
}

} // namespace

std::uint32_t CardCellColor(const std::vector<std::uint64_t>& masks, int row, int column, const CardLook& look)
{
    if (column < 1 || column > kCardNumberColumns)
        return 0;
    const std::uint32_t channel = look.ColorCard ? core::NumberColor(column, look.ChannelSize) : 0;
    if (!look.ColorSequences || !has(masks, row, column))
        return channel;
    // The neighbours stop at the card's edges: column 54 has no right neighbour among the numbers.
    const bool neighbour = has(masks, row, column - 1) || has(masks, row, column + 1);
    const bool repeated = has(masks, row - 1, column) || has(masks, row + 1, column);
    if (repeated)
        return neighbour ? kCardRepeatNeighbourColor : kCardRepeatColor;
    return neighbour ? kCardNeighbourColor : channel;
}

std::vector<int> CardSelectedNumbers(const std::vector<std::uint64_t>& masks,
                                     const std::vector<std::pair<int, int>>& cells)
{
    std::vector<int> numbers;
    for (const auto& [row, column] : cells)
        if (has(masks, row, column) && std::find(numbers.begin(), numbers.end(), column) == numbers.end())
            numbers.push_back(column);
    return numbers;
}

} // namespace views
