#pragma once

// What a script run keeps while it goes: the draws and the settings stay as they are for the
// whole run, so these give the same as computing them again.

#include "combos/CombList.h"
#include "combos/CombSubset.h"
#include "combos/Filters.h"
#include "views/StatTable.h"

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace app {

using TableKey = std::tuple<int, int, int, bool, long double, long double, long double, bool, bool>;

inline TableKey tableKey(int method, const views::StatTableParams& p)
{
    return {method,          p.Window,    p.DrawsOffset,     p.Sorted,          p.Cdl.Count,
            p.Cdl.Deviation, p.Cdl.Level, p.Cdl.UsePercents, p.Cdl.UseAbsValues};
}

// What a run keeps while it goes; see the class comment of the controller.
class ScriptRunCache
{
public:
    bool hasFull = false;
    core::TCombsArray full;
    // The generated list is strictly ascending (it is unless loaded from a file), and it is the
    // whole set of combinations in that order (generated with no conditions).
    bool fullAscending = false;
    bool fullWhole = false;
    // The list after excluding the last n draws, per (analysis offset, n).
    std::map<std::pair<int, int>, core::TCombsArray> excluded;

    // Forgets what holds for one analysis point only (the excluded lists, the shared leading
    // filters, the verdicts, the tables), keeping storage for the next one.
    void beginAnalysisPoint();

    // A method's table for the parameters in the order of the column, compute making the rows
    // the first time; each order is sorted from the rows as computed, since sorting keeps the
    // order of equal rows.
    std::shared_ptr<const std::vector<views::StatTableRow>>
    sortedTable(int method, const views::StatTableParams& params, int sortColumn,
                const std::function<std::vector<views::StatTableRow>()>& compute);

    // The lists after the leading filters that the next variant of the line shares.
    struct Step
    {
        int Place = 0;
        combos::TFilterPart Part;
        core::TCombsArray List;
        std::vector<combos::FilterHistoryRow> History;
        QStringList Log;
    };
    std::vector<Step> chain;

    // When the full list is generated in ascending order, a line's list is a part of it: the
    // list as positions of the full list (the start list, then what the filters left), and each
    // filter's verdict on the positions it was asked about, per statistic, selection and analysis
    // point (kept for one analysis point at a time).
    struct Verdict
    {
        combos::CombSubset Asked;
        combos::CombSubset Kept;
    };
    combos::CombSubset positions;
    // While set, the candidate list is empty and stands for the positions: it is made only when
    // something needs the list itself (a stake of all of it, a line that goes on with it, the end
    // of the run), so a variant that stakes one combination never makes it.
    bool pending = false;
    std::map<std::pair<int, int>, combos::CombSubset> excludedPositions;
    std::map<std::string, Verdict> verdicts;
    std::size_t verdictBytes = 0;
    // A verdict with nothing asked yet, in storage kept from dropped ones when there is some.
    Verdict spareVerdict();
    // For a statistic that matches row by row: the positions each row matches, per statistic,
    // sorted flag and row. They do not depend on the analysis point, so they are kept for the
    // whole run.
    std::unordered_map<std::string, combos::CombSubset> rowMatches;
    std::size_t rowMatchBytes = 0;
    // A test over many analysis points splits the full list by the values of such a statistic
    // once (per statistic and sorted flag): a row that is one of the values matches the positions
    // that have it.
    bool longRun = false;
    struct ValuePositions
    {
        bool Tried = false;
        std::unordered_map<std::uint64_t, combos::CombSubset> ByKey;
    };
    std::map<std::pair<int, bool>, ValuePositions> valuePositions;
    std::size_t valuePositionBytes = 0;
    // A statistic whose combinations have few different sets of values has each combination's
    // set as a byte, per statistic and sorted flag, made once in a test over many analysis
    // points: any selection's verdict is then one look-up per combination, whatever the number
    // of rows.
    struct ValueIndex
    {
        bool Tried = false;
        // The sets each value is in, as a mask of set places.
        std::unordered_map<std::uint64_t, std::array<std::uint64_t, 4>> SetsOf;
        std::vector<std::uint8_t> Of;
    };
    std::map<std::pair<int, bool>, ValueIndex> valueIndexes;
    std::size_t valueIndexBytes = 0;
    // The positions of the combinations that have each number below 64, made once in a test over
    // many analysis points; empty when a combination of the full list has a number past 63.
    bool numberPositionsTried = false;
    std::vector<combos::CombSubset> numberPositions;
    core::TCombsArray scratch;
    combos::CombSubset wholeMarks;

private:
    // Forgets the verdicts of the analysis point, keeping their storage for the next ones.
    void dropVerdicts();

    std::vector<Verdict> m_spareVerdicts;
    std::map<TableKey, std::vector<views::StatTableRow>> m_tables;
    std::map<std::pair<TableKey, int>, std::shared_ptr<const std::vector<views::StatTableRow>>> m_sortedTables;
};

} // namespace app
