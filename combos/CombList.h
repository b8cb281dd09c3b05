#pragma once

// The candidate list of combinations: generation, the narrowing passes and the history of
// filter steps. These are the pure operations; the session holds the list, its undo copy and
// the history, and reports progress and errors.
//
// Narrowing passes read the undo copy and write the list, so the caller saves the list into
// the undo copy first; only the last step can be undone.

#include "core/GameTypes.h"
#include "stats/CustomStat.h"

#include <QString>

#include <bitset>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace combos {

using core::TComb;
using core::TCombsArray;

inline constexpr int kGenModeCount = 5;
// The captions of the generation modes, in the interface language.
QString GenModeCaption(int mode);

// The numbers of a generation parameter: words separated by ";" or ",", each trimmed; a word
// that is not a number counts as 0; numbers above 255 are left out.
std::bitset<256> GenNumbers(const QString& param);

// Appends every combination of modes 0..3 in lexicographic order (any other mode is mode 0).
void GenerateCombs(int mode, const QString& param, TCombsArray& out);

// Progress of a long pass: the share done, 0..100. May be empty.
using Progress = std::function<void(double percent)>;

// The same as ExcludeDraws for a list of strictly ascending combinations in strictly ascending
// order (a generated list) and a window of draws of five different numbers 1..54: the few drawn
// combinations are looked up instead of testing every one. False, with out untouched, when the
// list or a draw is not of that kind.
bool ExcludeDrawsFromSorted(std::span<const TComb> src, const core::TDrawsArray& draws, int first, int last,
                            TCombsArray& out);
// The positions in such a list of the combinations drawn in the draws first..last, ascending;
// nothing when a draw is not of that kind.
std::optional<std::vector<std::size_t>> DrawnPositions(std::span<const TComb> src, const core::TDrawsArray& draws,
                                                      int first, int last);
// Whether every combination holds five ascending numbers 1..54 and each follows the one before.
bool IsStrictlyAscending(std::span<const TComb> src);

// Keeps the combinations of src that equal none of the draws first..last in any order.
void ExcludeDraws(std::span<const TComb> src, const core::TDrawsArray& draws, int first, int last, TCombsArray& out,
                  const Progress& progress = {});

// Keeps the combinations whose test against the selected values differs from exclude: keep
// mode keeps the matching ones, remove mode the others. The statistic's draws must be loaded
// for the pass (LoadDraws(-1, last, sorted)). A large list is shared between both cores; the
// second core's part passes through scratch, which a caller that filters again and again keeps
// so that its storage is reused (src and out must not be scratch).
void FilterByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values, bool exclude, bool sorted, int last,
                    std::span<const TComb> src, TCombsArray& out, TCombsArray* scratch = nullptr);

// Keeps the combinations whose index is not selected.
void DeleteSelected(std::span<const TComb> src, const std::vector<bool>& selected, TCombsArray& out);

// Draws of the archive with the same five numbers as comb in any order, newest first: their
// info texts, at most limit + 1 of them.
QStringList FindInDraws(const core::TDrawsArray& draws, const TComb& comb, int limit = 25);

// One row of the filter history.
struct FilterHistoryRow
{
    enum class Kind { Kept = 12, Removed = 13, Undone = 11 }; // the icon of the row
    QString Name;
    QString Values;
    std::int64_t Count = 0;
    Kind Icon = Kind::Kept;
};

// The history row of a step that was undone; count is the size of the list after the undo.
FilterHistoryRow UndoHistoryRow(std::int64_t count);
// The history row of the last n draws taken out of the list; count is the size left.
FilterHistoryRow ExcludedDrawsHistoryRow(int n, std::size_t count);

} // namespace combos
