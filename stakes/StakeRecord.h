#pragma once

// One stake: a played combination for one draw, stored in the stakes file as a fixed record of
// 312 bytes. New stakes enter unchecked; the check fills the draw's numbers, the matches and
// the profit.

#include "core/GameTypes.h"

#include <bit>
#include <type_traits>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace stakes {

enum StakeKind : std::uint8_t {
    KindSeparator = 0,
    KindManual = 1,
    KindTable = 2,
    KindScript = 3,
    KindSystem = 4,
};

inline constexpr std::uint8_t StakeVersion = 2;
inline constexpr int StakeCommentMax = 255; // bytes of code page 1251

// The record exactly as stored; a default record is all zeros, which shows as a blank row.
struct TStakeRec
{
    std::uint8_t Version = 0;
    std::uint8_t Kind = 0;
    std::uint8_t Reserved1[2] = {};
    std::int32_t DrawNum = 0; // <= 0: a row without a stake (separators carry -1)
    std::uint8_t Checked = 0;
    std::uint8_t Reserved2[3] = {};
    std::int32_t SampleSize = 0;
    core::TValueSet Numbers;
    std::uint8_t DrawValues[core::CombSize] = {}; // the draw's numbers in drawn order, once checked
    std::uint8_t Reserved3[3] = {};
    core::TValueSet Matches; // Count -1 while unchecked
    std::int64_t Profit = 0; // ten-thousandths of the currency unit
    std::uint8_t Comment[StakeCommentMax + 1] = {}; // length byte, then the characters
};
static_assert(sizeof(TStakeRec) == 312);
static_assert(offsetof(TStakeRec, DrawNum) == 4);
static_assert(offsetof(TStakeRec, Checked) == 8);
static_assert(offsetof(TStakeRec, SampleSize) == 12);
static_assert(offsetof(TStakeRec, Numbers) == 16);
static_assert(offsetof(TStakeRec, DrawValues) == 28);
static_assert(offsetof(TStakeRec, Matches) == 36);
static_assert(offsetof(TStakeRec, Profit) == 48);
static_assert(offsetof(TStakeRec, Comment) == 56);
// The file is little-endian; the record is copied as it lies in memory only on such hosts, and
// blocks of the file are read straight into arrays of records.
static_assert(std::endian::native == std::endian::little);
static_assert(std::is_trivially_copyable_v<TStakeRec>);

inline constexpr int StakeRecSize = 312;

void StakeToBytes(const TStakeRec& rec, char* out);
TStakeRec StakeFromBytes(const char* bytes);

QString StakeComment(const TStakeRec& rec);
// Stores the text in code page 1251, cut to 255 bytes; the unused bytes become 0.
void SetStakeComment(TStakeRec& rec, const QString& text);

// The blank row that divides groups of stakes.
TStakeRec StakeSeparator();
// A new unchecked stake of the given kind; its profit is minus the cost of its numbers.
TStakeRec NewStake(std::uint8_t kind, std::int32_t drawNum, const core::TValueSet& numbers, std::int32_t sampleSize,
                   const QString& comment, const core::TConfigData& config);

// Profit of a stake of count numbers with matches matched numbers; -1 matches: unchecked, minus
// the cost. A stake of more than five numbers costs as many single stakes as it holds
// five-number combinations and is paid one prize for its total matches. Nothing when the count
// is more than a record holds or the cost or the sum cannot be held in money: a record with
// such values is damaged, and its sums are never wrapped.
std::optional<std::int64_t> CheckedStakeProfit(const core::TConfigData& config, int count, int matches);
// The same for a stake the program makes: a cost past what money holds gives the lowest
// profit money holds (the highest for a negative cost).
std::int64_t StakeProfit(const core::TConfigData& config, int count, int matches);

// ---- the text of the stake dialog: numbers separated by "," or ";"
// Exactly five different whole numbers 1..54, each word trimmed; the result is sorted ascending.
bool ParseStakeNumbers(const QString& text, core::TValueSet& numbers);
// The sum of all words of the text; a word that is no number counts 0.
std::int64_t StakeTextSum(const QString& text);

// ---- the grid's nine columns
enum StakeColumn {
    ColDrawNum,
    ColKind,
    ColNumbers,
    ColSample,
    ColDrawValues,
    ColMatchCount,
    ColMatches,
    ColProfit,
    ColComment,
    StakeColumnCount
};
QStringList StakeColumnCaptions();
// The text of a cell; rows without a stake (draw number <= 0) are blank in every column.
QString StakeCellText(const TStakeRec& rec, int column, const QString& decimalPoint);

} // namespace stakes
