#pragma once

// Filter conditions of script lines: the records, the filter text, the row conditions and the
// expansion of a line's filters into concrete variants. Applying a variant to the candidate
// list is the session's work (app/SessionFilters.cpp).
//
// A filter text is at most five words separated by "#": flags, statistic, condition, stop rule
// and, when the filter brings its own weight coefficients, the coefficients; for example
// TSD1#NUMS:10#LMV:5#SF:1. The number of draws and the condition values may be lists or ranges,
// so one filter stands for several variants, and a line of filters for every combination of
// their variants.

#include "core/GameTypes.h"
#include "views/StatTable.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <vector>

namespace stats {
class TStatList;
}

namespace combos {

inline constexpr int kConditionCount = 32;
inline constexpr int kStopModeCount = 6;
// Places of one variant: the filter fields of a script line.
inline constexpr int kFilterPlaces = 7;

// The row conditions, in the order of their codes.
enum FilterCondition : std::uint8_t {
    CondNone = 0, // LNO: every row
    CondDepthMin,
    CondDepthMinPct,
    CondDepthMax,
    CondDepthMaxPct,
    CondDepthList,
    CondDepthListPct,
    CondDevMin,
    CondDevMinPct,
    CondDevMax,
    CondDevMaxPct,
    CondDevList,
    CondDevListPct,
    CondCountMin,
    CondCountMinPct,
    CondCountMax,
    CondCountMaxPct,
    CondCountList,
    CondCountListPct,
    CondWeightMin,
    CondWeightMax,
    CondWeightList,
    CondPeriodMinMin,
    CondPeriodMinMax,
    CondPeriodMinList,
    CondPeriodMin,
    CondPeriodMax,
    CondPeriodList,
    CondPeriodMaxMin,
    CondPeriodMaxMax,
    CondPeriodMaxList,
    CondValueList, // LVA
};

// The stop rules.
enum FilterStopMode : std::uint8_t {
    StopNone = 0,     // SF: walk all rows
    StopListCount,    // SC: row by row, stop when the list holds n or fewer combinations
    StopUntilEmpty,   // SZ: row by row, stop after the step that emptied the list (rolled back)
    StopSteps,        // ST: stop after n steps
    StopCountValue,   // SV: stop at the first row whose count passes n
    StopCountPercent, // SP: the same on the count in per cent
};

// The weight coefficients of a filter, all zero until set.
inline constexpr core::TCdlData kZeroCdl{0, 0, 0, false, false};

// One filter as written.
struct TFilterItem
{
    bool Enabled = false;
    QString StatText;   // the statistic word as written
    int Method = -1;    // index in the statistics list; -1: no method has the code
    QString MethodCode; // the method's code with its parameter, as the list names it
    QString DrawsText;  // one number of draws, a list or a range
    std::int32_t SortColumn = 0;
    bool BottomUp = false;
    bool MultiSelect = false;
    bool Keep = false;
    std::uint8_t Condition = CondNone;
    QString ConditionText;
    bool CdlOverride = false;
    core::TCdlData Cdl = kZeroCdl;
    std::uint8_t StopMode = StopNone;
    std::int32_t StopValue = 0;
    friend bool operator==(const TFilterItem&, const TFilterItem&) = default;
};

// One concrete variant of a filter, the unit that is applied.
struct TFilterPart
{
    bool Enabled = false;
    int Method = -1;
    QString MethodCode;
    std::int32_t DrawsCount = 0;
    std::int32_t SortColumn = 0;
    bool BottomUp = false;
    bool MultiSelect = false;
    bool Keep = false;
    std::uint8_t Condition = CondNone;
    QString Value;     // what the row test reads: one decimal value, or the list joined by ","
    QString ValueText; // what is printed for the condition
    bool CdlOverride = false;
    core::TCdlData Cdl = kZeroCdl;
    std::uint8_t StopMode = StopNone;
    std::int32_t StopValue = 0;
    friend bool operator==(const TFilterPart&, const TFilterPart&) = default;
};

// One concrete variant of a script line; places not used are not enabled.
using TFilterRec = std::array<TFilterPart, kFilterPlaces>;
// Every variant of a line, in expansion order; consumed from the front.
using TFilterVarList = std::list<TFilterRec>;

// ---- texts

QString ConditionCode(int n);
QString StopModeCode(int n);
// The captions the filter dialog lists; "# ERROR #" outside the tables.
QString ConditionCaption(int n);
QString StopModeCaption(int n);

// The method a filter names, as the list holds it now: its index while that still has the
// code (or no code is given), else the method with the code; -1 when there is none.
int FilterMethodIndex(const stats::TStatList& list, int method, const QString& code);

// Reads a filter text. An empty text (or one of separators and blanks only) gives a record that
// is not enabled. The statistic word is looked up in the list by its code, ignoring case.
TFilterItem FilterItemParse(const QString& text, const stats::TStatList& list);
// The filter text of an item; empty when it is not enabled.
QString FilterItemText(const TFilterItem& item);
QString FilterPartText(const TFilterPart& part);
// The texts of the enabled places joined by " + ".
QString FilterRecText(const TFilterRec& rec);
// A coefficient as the filter text writes it: up to 15 significant digits, "." as separator,
// never an exponent.
QString FilterDecimalText(long double value);

// ---- running

// What a filter run reports and asks while it works. The script run implements it with its
// log file, its stop flag and its status bar; the default logs nowhere and never stops.
class FilterRunHooks
{
public:
    virtual ~FilterRunHooks() = default;
    // Whether the run log is switched on; log() is called only then.
    virtual bool logging() { return false; }
    virtual void log(const QString&) {}
    // Lets pending events run and reads the run's stop flag.
    virtual bool stopRequested() { return false; }
    // Sets the run's stop flag.
    virtual void requestStop() {}
    // The status text of the run.
    virtual void progress(const QString&) {}
    // Something the person should know although the run goes on (a filter that selected no
    // row); the run log takes it while it is switched on.
    virtual void warn(const QString& text)
    {
        if (logging())
            log(text);
    }
    // The coefficients saved when the run started, which a filter without coefficients of its
    // own computes the weight with; nullptr: the configuration's current ones.
    virtual const core::TCdlData* savedCdl() { return nullptr; }
    // The rows of a method's table for these parameters, as compute makes them, in the order of
    // the column (views::SortStatRows ascending). A run may hand out the rows it made before for
    // the same method, parameters and column: the draws and the settings do not change while it
    // runs.
    virtual std::shared_ptr<const std::vector<views::StatTableRow>>
    tableRows(int method, const views::StatTableParams& params, int sortColumn,
              const std::function<std::vector<views::StatTableRow>()>& compute)
    {
        (void)method;
        (void)params;
        std::vector<views::StatTableRow> rows = compute();
        views::SortStatRows(rows, sortColumn, true);
        return std::make_shared<const std::vector<views::StatTableRow>>(std::move(rows));
    }
};

// Whether a condition stands for one variant per condition value (the "at least" and "at most"
// conditions and the list conditions of weight and periods) rather than one variant for the
// whole list.
bool ConditionPerValue(int condition);

// Bytes one variant takes in the list, and one value of a draws or condition list while the
// variants are built, for the memory guard.
std::size_t FilterVariantBytes();
std::size_t FilterListValueBytes();
inline constexpr std::size_t kFilterVariantsMemory = std::size_t{2} << 30;

// Expands the first n items (at most 7) into every variant: lexicographic in the choices of
// item 1, item 2, ..., inside one item the number of draws slowest and the value fastest.
// Throws core::EConvertError "Некорректное описание фильтра: %s!" for an item whose draws or
// (with a condition) values do not form a list, and the memory message, after asking the run to
// stop, when the variants and the lists they are made of would need more than memoryLimit bytes
// (worked out before any of them is built) or memory runs out. A stop
// request ends the expansion with the variants built so far.
TFilterVarList FilterVariantsBuild(const std::vector<TFilterItem>& items, int n, FilterRunHooks& hooks,
                                   std::size_t memoryLimit = kFilterVariantsMemory);
TFilterVarList FilterVariantsBuild(const std::vector<TFilterItem>& items, int n);

// The row test of the part's condition on one table row; true for an unknown condition.
// Throws core::EConvertError when the part's value, or a row text that a list condition
// compares, is not a number.
bool RowConditionTest(const TFilterPart& part, const views::TStatValues& row);

// Whether the stop rule of the part ends the walk before the row: the step count for rule 3,
// the row's count (rule 4) or count in per cent (rule 5) against the stop value, "at most" when
// walking down and "at least" when walking up. Rules 1 and 2 read the list and are the caller's.
bool StopRuleReached(const TFilterPart& part, const views::TStatValues& row, int steps);

// ---- checking the values of a filter against its table

// The condition values of a value list as typed, read against the rows of the statistic's
// table: a number stays, a word that is the value text a row shows ("2:3") becomes that row's
// value when every row with that text has the same value. unknown receives (once each) the
// words that are neither and the numbers no row holds. A text that already reads as a number
// list or range is given back unchanged; otherwise the words joined by ",".
QString FilterValuesResolve(const QString& text, const std::vector<views::TStatValues>& rows, QStringList* unknown);
// The words of a value list (numbers or not) that no row of the table holds, in their order.
QStringList FilterUnknownValues(const QString& text, const std::vector<views::TStatValues>& rows);
// The warning of a filter that selected no row of its table, naming the values it asked for
// that the table does not hold.
QString FilterNoRowsWarningText(const QString& filterText, const QStringList& unknown);

// What the filter dialog shows beside the conditions, worked out for the first variant of the
// filter over the current draws and candidate list.
struct TFilterCheck
{
    QString Error;              // why nothing could be worked out; the rest is then empty
    QString ValuesText;         // the condition values as the filter reads them (see FilterValuesResolve)
    QStringList Unknown;        // values the statistic's table holds no row for
    int Variants = 0;           // how many variants the filter stands for
    int TableRows = 0;          // rows of the first variant's table
    int SelectedRows = 0;       // of them, the rows its condition selects
    std::int64_t ListSize = 0;  // combinations in the list now
    std::int64_t Remaining = 0; // combinations the first variant would leave
};

// The row texts as the run log writes them: "< [value] кол-во: ... вес: ... >".
QString FilterRowLogText(const views::TStatValues& row);
// The other lines a filter writes into the run log: a selected row, the narrowing, the size of
// the list after it, and the undo of a step that emptied the list.
QString FilterStepLogText(int step, const views::TStatValues& row);
QString FilterNarrowLogText(bool keep);
QString FilterCountLogText(std::size_t count);
QString FilterUndoLogText();

} // namespace combos
