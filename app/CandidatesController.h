#pragma once

// The candidate list: generation, its one-step undo copy, the filter history, the narrowing
// passes with their cache of excluded draws, the list's commands and files, and the filter
// conditions that script lines apply to it.

#include "app/ArchiveController.h"
#include "app/Services.h"
#include "app/StatisticsController.h"
#include "combos/CombList.h"
#include "combos/Filters.h"
#include "core/GameTypes.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

namespace app {

class CandidatesController : public QObject
{
    Q_OBJECT

public:
    CandidatesController(Services& services, const ArchiveController& archive, StatisticsController& statistics);

    const core::TCombsArray& combs() const { return m_combs; }
    std::size_t undoCount() const { return m_undo.size(); }
    const std::vector<combos::FilterHistoryRow>& history() const { return m_history; }
    const core::TGenSettings& genSettings() const { return m_genSettings; }
    void setGenSettings(const core::TGenSettings& settings) { m_genSettings = settings; }
    void setColorCombs(bool on);
    // The number of newest draws that script lines and the list's command exclude.
    void setDrawsExclude(int count);

    // Replaces the list by a generation; withStatus also clears the history and the undo copy
    // and refreshes the view. False when generation failed (the error was shown).
    bool generate(const core::TGenSettings& settings, bool withStatus);
    void saveUndo(bool withStatus);
    void restoreUndo(bool withStatus);
    void dropUndo() { m_undo.clear(); }
    void refresh();
    bool contains(const core::TComb& comb) const;
    // Reserves room for the full set in the list and its undo copy, so that narrowing never
    // reallocates.
    void reserveFullSet();
    // Frees the list, its undo copy and the cache of the passes.
    void release();

    // The narrowing passes rebuild the list from the undo copy: save it right before.
    // ascendingSource: the list being narrowed is known to be strictly ascending, as a generated
    // one is, so the drawn combinations are looked up rather than every one tested.
    void excludeDraws(int n, bool ascendingSource = false);
    void deleteSelected(const std::vector<bool>& selected);
    void filterByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values, const QString& valuesText,
                        const QString& name, bool exclude);
    // Saves the undo copy and filters by values in one step, as saveUndo followed by
    // filterByValues would, without copying the list: the list itself becomes the undo copy
    // and the narrowed list is written into the storage the old undo copy held.
    void narrowByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values, const QString& valuesText,
                        const QString& name, bool exclude);
    // Throws core::EConvertError when numbers is empty.
    void filterByNumbers(const std::vector<int>& numbers, const QStringList& texts, const QString& name, bool exclude);
    void historyAdd(bool removed, const QString& name, const QString& values);
    void historyAddUndo();
    void historyClear();
    void historyDropLast();
    // The combination cache of script lines that exclude recent draws.
    bool bufferSave(int offset, int n);
    bool bufferLoad(int offset, int n);
    void bufferReset();
    QString bufferFile() const;

    // The user commands of the combination page.
    bool regenerate();
    bool undo();
    bool deleteDrawn(int n);
    bool removeSelected(const std::vector<bool>& selected);
    void countNumbers();
    void findInDraws(int row);
    bool open();
    bool save();
    void copy(const std::vector<std::size_t>& rows);
    bool paste();
    // Mode 4 of generation and the open command: the file's combinations replace the list.
    bool loadFile(const QString& path);
    bool saveFile(const QString& path);
    // The hand-over of the statistics table: the rows' records narrow the list by the method.
    void statFilter(int method, const core::TStatDrawArray& values, const QStringList& valueTexts, const QString& name,
                    bool exclude);

    // ---- filter conditions of script lines (CandidatesFilters.cpp)
    // Applies one concrete filter to the list: computes the table of its method over its number
    // of draws before the analysis point, orders it by its column (descending), walks it from
    // the top or the bottom and narrows the list once for all selected rows or once per
    // matching row; a step that empties the list is undone at once. Throws core::EConvertError
    // when the statistics selector does not offer the method, or when a value or a row text
    // that the condition converts is not a number.
    void filterApply(const combos::TFilterPart& part, combos::FilterRunHooks& hooks);
    void filterApply(const combos::TFilterPart& part);
    // What a filter that selects all its rows at once narrows the list by: its statistic with
    // the draws loaded for the pass, the selected rows in table order and their texts. The
    // selection depends on the draws alone, not on the list.
    struct FilterChoice
    {
        int Method = -1;
        std::unique_ptr<stats::TCustomStat> Stat;
        core::TStatDrawArray Values;
        QStringList Texts;
        QString Name;
        bool Exclude = false;
        bool Sorted = false;
        int Last = 0;
    };
    // The steps of filterApply for a multi-select part up to the narrowing, with their log
    // lines; nothing when the run was stopped meanwhile. Throws as filterApply does.
    std::optional<FilterChoice> filterChoose(const combos::TFilterPart& part, combos::FilterRunHooks& hooks);
    // Applies the enabled places in order while the list holds more than one combination.
    void filterRecApply(const combos::TFilterRec& rec, combos::FilterRunHooks& hooks);
    void filterRecApply(const combos::TFilterRec& rec);
    // Replaces the list by the start list of a variant: nothing to undo, no history.
    void replace(const core::TCombsArray& combs);
    // Puts back a list and its history as a run had them before: nothing to undo.
    void restoreState(const core::TCombsArray& combs, const std::vector<combos::FilterHistoryRow>& history);
    void restoreState(core::TCombsArray&& combs, std::vector<combos::FilterHistoryRow>&& history);
    // The filter dialog on an item, which is replaced by the edited one; false when cancelled.
    bool filterDialog(combos::TFilterItem& item);
    // What the filter dialog shows beside the conditions: the first variant of the item over
    // the draws before the analysis point, its values checked against its table, the rows it
    // selects and the combinations of the list it would leave. The list is not touched.
    combos::TFilterCheck filterCheck(const combos::TFilterItem& item);

signals:
    // The list changed: its length, its rows or both; the selection is gone.
    void combsChanged();
    // Only the look of the list changed (its colours); rows and selection stay.
    void combsLookChanged();
    void filterHistoryChanged();

private:
    struct FilterTable;
    std::optional<FilterTable> filterTable(const combos::TFilterPart& part, combos::FilterRunHooks& hooks);

    Services& m_services;
    const ArchiveController& m_archive;
    StatisticsController& m_statistics;
    core::TGenSettings m_genSettings;
    core::TCombsArray m_combs;
    core::TCombsArray m_undo;          // size = the undo count
    core::TCombsArray m_filterScratch; // the second core's part of a filter pass, kept for reuse
    std::vector<combos::FilterHistoryRow> m_history;
    std::pair<int, int> m_bufferKey{-1, -1};
};

} // namespace app
