#pragma once

// Regular table stakes: rules that make one combination per draw by shifting a combination by a
// fixed step, either the rule's own last combination or the numbers of the latest known draw.
// The rules are kept in one file of fixed 276-byte records, rewritten whole after every change.

#include "core/GameTypes.h"

#include <QStringList>

#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

class QIODevice;

namespace stakes {

inline constexpr int TableCommentMax = 255; // bytes of code page 1251
inline constexpr int TableCommentInputMax = 64; // characters the rule dialog takes
inline constexpr int TableStepMax = core::NumberCount;

// The record exactly as stored.
struct TTableRec
{
    std::uint8_t Comment[TableCommentMax + 1] = {}; // length byte, then the characters
    std::uint8_t UseLastDraw = 0;                   // 1: shift the draw at the analysis point
    core::TComb StartComb;                          // ascending
    core::TComb CurrentComb;                        // the last combination made, ascending
    std::uint8_t Reserved = 0;
    std::int32_t Step = 1; // -54..54
    std::int32_t StakeCount = 0;
};
static_assert(sizeof(TTableRec) == 276);
static_assert(offsetof(TTableRec, UseLastDraw) == 256);
static_assert(offsetof(TTableRec, StartComb) == 257);
static_assert(offsetof(TTableRec, CurrentComb) == 262);
static_assert(offsetof(TTableRec, Reserved) == 267);
static_assert(offsetof(TTableRec, Step) == 268);
static_assert(offsetof(TTableRec, StakeCount) == 272);
static_assert(std::endian::native == std::endian::little);
static_assert(std::is_trivially_copyable_v<TTableRec>);

inline constexpr int TableRecSize = 276;
// A file of rules is a short list; anything far beyond this is not a file of rules.
inline constexpr qint64 TableFileMaxRecords = 100000;

using TTablesArray = std::vector<TTableRec>;

QString TableComment(const TTableRec& rec);
// Stores the text in code page 1251, cut to 255 bytes; the unused bytes become 0.
void SetTableComment(TTableRec& rec, const QString& text);

// A new rule as the add command prepares it: "Регулярная ставка", step 1, constant start.
TTableRec NewTableRec();

// ---- the file: whole records one after another, no header
// Reads every whole record; a size that is not a multiple of a record leaves the rest, whose
// length is reported in tailBytes. An absurdly large file is refused before anything is read.
bool TablesRead(QIODevice& device, TTablesArray& rules, qint64* tailBytes, QString* error);
bool TablesWrite(QIODevice& device, const TTablesArray& rules, QString* error);
bool TablesReadFile(const QString& path, TTablesArray& rules, qint64* tailBytes, QString* error);
// Rewrites the file whole through a temporary file.
bool TablesWriteFile(const QString& path, const TTablesArray& rules, QString* error);

// Removes one element, closing the gap; throws core::EConvertError for an index outside the array.
void TableDelete(TTablesArray& rules, int index);

// ---- advancing a rule
// Five numbers 1..54, pairwise different.
bool TableCombValid(const core::TComb& comb);
// Why the rule cannot make a stake from this base (the draw's numbers in last-draw mode,
// ignored otherwise), or an empty text when it can.
QString TableCheck(const TTableRec& rule, const core::TComb& drawComb);
// Advances the rule by one step: the base is shifted by the step, sorted ascending and becomes
// CurrentComb, and StakeCount grows by one. A rule that cannot make a stake (TableCheck) is left
// unchanged and false is returned with the reason.
bool TableNextComb(TTableRec& rule, const core::TComb& drawComb, QString* error = nullptr);

// ---- adding rules
// What the rule dialog refuses, in the order it checks.
enum class TableInputError { None, Comb, CommentEmpty, CommentTaken };
// The dialog's checks: with ownComb (a constant start typed for one selected combination) the
// text must hold five different numbers 1..54, parsed into comb ascending; the comment must
// not be empty (or blanks only) nor equal, ignoring letter case, the comment of an existing rule.
TableInputError TableInputCheck(const QString& comment, const QStringList& existing, bool ownComb,
                                const QString& combText, core::TComb& comb);
QString TableInputErrorText(TableInputError error);

// One selected combination of the combination list with its 1-based position there.
struct TableSelection
{
    int Position = 0;
    core::TComb Comb;
};
// The rules an add makes from the dialog's record: one rule in last-draw mode or for a single
// selected combination, else one per selected combination with " (position)" after the comment;
// none when nothing is selected.
TTablesArray TablesFromInput(const TTableRec& entered, const std::vector<TableSelection>& selected);

// ---- the list's five columns
enum TableColumn { TColComment, TColStart, TColStep, TColCurrent, TColStakes, TableColumnCount };
QStringList TableColumnCaptions();
QString TableCellText(const TTableRec& rec, int column);

} // namespace stakes
