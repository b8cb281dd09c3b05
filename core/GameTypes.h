#pragma once

// Constants and plain records of the game that every layer exchanges. The records that are
// stored in files have their byte layout asserted here; files are packed and unpacked
// explicitly (little-endian) by their readers and writers.

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace core {

inline constexpr int NumberCount = 54; // numbers run 1..54
inline constexpr int CombSize = 5;     // numbers per draw and per combination
inline constexpr int ExtraMax = 9;     // key number runs 0..9
inline constexpr int MinSum = 1 + 2 + 3 + 4 + 5;
inline constexpr int MaxSum = 54 + 53 + 52 + 51 + 50;
inline constexpr int SumStep = (MaxSum - MinSum) / 10;
// Every number 1..54 prints as a plain decimal, so the two-digit padded form is allowed.
inline constexpr bool NumbersNumeric = true;

// One draw of the archive: exactly 24 bytes, stored byte for byte in the archive file.
struct TDrawRec
{
    std::int32_t Num = 0;               // draw number, 1-based
    std::uint8_t Values[CombSize] = {}; // the five numbers in the order drawn
    std::uint8_t Extra = 0;             // key number 0..9
    std::uint8_t Date[11] = {};         // length byte, then up to 10 characters in code page 1251
    std::uint8_t Pad[3] = {};           // kept as read, zero for new records
};
static_assert(sizeof(TDrawRec) == 24);
static_assert(offsetof(TDrawRec, Values) == 4);
static_assert(offsetof(TDrawRec, Extra) == 9);
static_assert(offsetof(TDrawRec, Date) == 10);
static_assert(offsetof(TDrawRec, Pad) == 21);

inline constexpr int DrawRecSize = 24;
inline constexpr int DrawDateMaxLen = 10;

using TDrawsArray = std::vector<TDrawRec>;

// Five numbers of one combination, no key number.
struct TComb
{
    std::uint8_t v[CombSize] = {};
    friend bool operator==(const TComb&, const TComb&) = default;
};
static_assert(sizeof(TComb) == 5);

using TCombsArray = std::vector<TComb>;
using TByteArray = std::vector<std::uint8_t>;
using TIntArray = std::vector<std::int32_t>;

// Up to eight numbers with a count.
struct TValueSet
{
    std::int32_t Count = 0;
    std::uint8_t Values[8] = {};
};
static_assert(sizeof(TValueSet) == 12);

struct TStatSimpleRec
{
    std::int32_t Key = 0;
    std::int32_t Count = 0;
};
using TStatSimpleArray = std::vector<TStatSimpleRec>;

// The value of a statistic: four 16-bit components; components a statistic does not use are 0.
struct TStatKey
{
    std::uint16_t c[4] = {};
    friend bool operator==(const TStatKey&, const TStatKey&) = default;
};
static_assert(sizeof(TStatKey) == 8);

// Accumulator of one distinct statistic value.
struct TStatDrawRec
{
    std::int32_t LastDraw = 0;   // latest draw with the value, 0 = never
    std::int32_t Depth = 0;      // draws back from the end of the window, 1 = last analysed draw, 0 = never
    std::int32_t PrevDraw = 0;   // draw of the occurrence merged most recently
    std::uint16_t MinPeriod = 0; // 0 = none yet
    std::uint16_t MaxPeriod = 0; // 0 = none yet
    std::int32_t Count = 0;
    std::int32_t Norm = 0; // expected count from the full-set comparison, 0 = not computed
    TStatKey Key;
};
static_assert(sizeof(TStatDrawRec) == 32);
using TStatDrawArray = std::vector<TStatDrawRec>;

struct TLastValueRec
{
    std::int32_t LastDraw = 0;
    TStatKey Key;
};
using TLastValueArray = std::vector<TLastValueRec>;

struct TRatingRec
{
    QString Name; // up to 255 characters in code page 1251
    std::int32_t Count = 0;
    std::int32_t Sum = 0;
    std::int32_t Hits[6] = {}; // index = numbers matched
    std::int64_t Total = 0;
};
using TRatingsArray = std::vector<TRatingRec>;

struct TProfitDrawRec
{
    std::int32_t Draw = 0;
    std::int64_t Profit = 0; // ten-thousandths of the currency unit
};
using TProfitDrawArray = std::vector<TProfitDrawRec>;

// One row of the prize table.
struct TProfitRec
{
    std::uint8_t Overlap = 0; // numbers matched
    std::int64_t Profit = 0;  // ten-thousandths of the currency unit
    friend bool operator==(const TProfitRec&, const TProfitRec&) = default;
};

// Coefficients of the computed weight column of the statistics table.
struct TCdlData
{
    long double Count = 0;
    long double Deviation = -1;
    long double Level = 1;
    bool UsePercents = false;
    bool UseAbsValues = false;
    friend bool operator==(const TCdlData&, const TCdlData&) = default;
};

using TSegmentMap = std::array<std::uint8_t, NumberCount>; // segment 0..9 of each number 1..54

inline TSegmentMap defaultSegments()
{
    TSegmentMap m;
    m.fill(1);
    return m;
}

struct TConfigData
{
    std::int32_t MatrixCols = 6;
    std::int32_t ChannelSize = 6;
    std::int64_t Cost = 0; // ten-thousandths of the currency unit
    std::int32_t MaxStake = 5;
    std::vector<TProfitRec> Profits;
    TCdlData CDL;
    TSegmentMap MatrixSegments = defaultSegments();
    friend bool operator==(const TConfigData&, const TConfigData&) = default;
};

// The three user formulas of the shredding statistic.
struct TShreddingData
{
    QString Formula[3] = {QStringLiteral("(n1+n2+n3)/(n4+n5)"), QStringLiteral("(n4+n5)/(n1+n2+n3)"),
                          QStringLiteral("(n1+n3+n5)/(n2+n4)")};
    std::uint8_t Digits[3] = {2, 2, 2};
    friend bool operator==(const TShreddingData&, const TShreddingData&) = default;
};

// How the start list of combinations is generated; the modes belong to the combination list.
struct TGenSettings
{
    std::uint8_t Mode = 0;
    QString Param; // at most 255 characters
};

struct TProxy
{
    std::uint8_t Mode = 0; // 0 direct, 1 automatic, 2 manual
    QString Server;
    std::int32_t Port = 0;
    QString Username;
    QString Password;
    bool Saved = false;
    QStringList List; // candidates found by the automatic search, "host:port"
};

} // namespace core
