#pragma once

// The rating: per distinct stake comment (letter case aside), how many checked stakes it has,
// how many numbers they matched, how often each number of matches occurred, and the money won
// or lost. Kept in memory and stored as 296-byte records in the current sort order.

#include "core/GameTypes.h"

#include <QHash>
#include <QIODevice>
#include <QStringList>

#include <array>

namespace scripts {

inline constexpr int RatingRecSize = 296;
inline constexpr int RatingNameMax = 255; // bytes of code page 1251

// The list's eighteen columns.
enum RatingColumn {
    RColName,
    RColCount,
    RColSum,
    RColAverage,
    RColTotal,
    RColAverageTotal,
    RColHits0,
    RColHits5 = RColHits0 + 5,
    RColEff0,
    RColEff5 = RColEff0 + 5,
    RatingColumnCount
};
QStringList RatingColumnCaptions();

// How the columns E0..E5 compare the hits with the theory.
enum class EfficiencyMode { Expected = 0, Absolute = 1, Relative = 2 };

// The share of all combinations that match a given one in i numbers, i = 0..5.
using HitShares = std::array<double, 6>;
HitShares TheoreticalHitShares();

class RatingsTable
{
public:
    const core::TRatingsArray& rows() const { return m_rows; }
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    void setRows(core::TRatingsArray rows);
    void clear();

    // Counts one checked stake under its comment: the row whose name equals it without regard to
    // letter case, or a new row at the end. Negative matches (not checked) count nothing. False
    // when the row is damaged (a negative count), or becomes so because a count or a sum would
    // pass what the record holds: such sums are never wrapped.
    bool add(const QString& comment, int matches, std::int64_t profit);
    // The same for a comment as stored in a stake (code page 1251); stakes of one batch share
    // their comment, so the row of the last one is found without decoding.
    bool addStored(const char* comment, int length, int matches, std::int64_t profit);

    // Sorts by a column as the list does (not stable; rows with no stakes compare equal to all).
    void sort(int column, bool descending);

private:
    void reindex();
    int rowOf(const QString& comment);

    core::TRatingsArray m_rows;
    QHash<QString, int> m_index; // case-folded name -> row
    QByteArray m_lastStored;
    int m_lastRow = -1;
};

// <0, 0, >0 as row a sorts before, with, or after row b in ascending order of the column.
int RatingsCompare(const core::TRatingRec& a, const core::TRatingRec& b, int column);
void RatingsSortArray(core::TRatingsArray& rows, int column, bool descending);

QString RatingCellText(const core::TRatingRec& row, int column, EfficiencyMode mode, const HitShares& shares,
                       const QString& decimalPoint);

// The file: whole records are read; a size that is not a multiple of a record leaves the rest,
// whose length is reported in tailBytes.
bool RatingsRead(QIODevice& device, core::TRatingsArray& rows, qint64* tailBytes, QString* error);
bool RatingsWrite(QIODevice& device, const core::TRatingsArray& rows, QString* error);
bool RatingsReadFile(const QString& path, core::TRatingsArray& rows, qint64* tailBytes, QString* error);
// Rewrites the file whole through a temporary file.
bool RatingsWriteFile(const QString& path, const core::TRatingsArray& rows, QString* error);

// The CSV text: the captions quoted, then one line per row, joined by ";", lines ended by CR LF.
QString RatingsCsv(const core::TRatingsArray& rows, const QString& decimalPoint);

} // namespace scripts
