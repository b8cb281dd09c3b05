#pragma once

// The session owns everything the program works on for the whole run: the draw archive, the
// analysis offset, the settings, the busy counter and the status text. The desktop window, the
// command-line tool and the tests all drive it; it reaches the person only through UserIo.

#include "app/ExclusiveFile.h"
#include "app/UserIo.h"
#include "combos/CombList.h"
#include "combos/Filters.h"
#include "core/DataFolder.h"
#include "core/GameTypes.h"
#include "stats/StatList.h"
#include "views/FullSet.h"
#include "views/StatTable.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <bitset>
#include <memory>
#include <optional>

namespace app {

class RatingsController;
class ScriptController;
class StakesController;
class TablesController;
class SystemsController;
class ViewsController;
class WebController;
class ExportController;
class UpdateController;

// Window-state switches and lengths that the logic itself reads.
struct WindowStateData
{
    bool SortedDraws = false;
    bool ColorDraws = true;
    bool ColorCombs = true;
    int DrawsExclude = 0;
    bool FirstRun = false;
    bool PrefetchsInit = false;
    bool PrefetchsEnabled = false;
    bool ShowTotalLine = true;
};

// Size of one prize class: combinations that match a given one in k numbers.
struct PrizeClass
{
    std::int64_t Combinations = 0;
    double Share = 0;
};

class Session : public QObject
{
    Q_OBJECT

public:
    Session(UserIo& io, core::DataFolder folder, QStringList arguments = {}, QObject* parent = nullptr);
    ~Session() override;

    UserIo& io() { return m_io; }
    const core::DataFolder& folder() const { return m_folder; }
    const QStringList& arguments() const { return m_arguments; }
    bool hasCommandWord(const QString& word) const;

    // ---- busy state and status text
    void enterBusy();
    void leaveBusy();
    bool isIdle() const { return m_busy == 0; }
    void showStatus(const QString& text);
    const QString& statusText() const { return m_statusText; }

    // ---- the five message kinds and the two question kinds
    void showError(const QString& text);
    void showInformation(const QString& text);
    void showAttention(const QString& text);
    void showWarning(const QString& text);
    bool askQuestion(const QString& caption, const QString& text);
    bool askConfirmation(const QString& text, bool yesDefault);

    // ---- start-up and shutdown
    // With the word "restart": waits until the instance that started this one has ended.
    // False when it is still running after the last check; the program must end then.
    bool waitForOldInstance();
    // The steps of window creation that belong to the logic; errors are shown, not thrown.
    void create();
    enum class InitResult { Running, Terminate, Restart };
    // The steps that run once the window has appeared.
    InitResult initialise();
    // Stores what the window state keeps and closes the files; nothing of the archive is written.
    void shutdown();
    // Takes the exclusive hold on the data folder (a lock file of its own, so that replacing any
    // data file never drops it); shows why and returns false when another instance holds it or
    // the folder is not writable.
    bool takeExclusiveHold();
    bool holdsExclusive() const { return m_hold.isHeld(); }

    // ---- the subsystems the session holds
    StakesController& stakes() { return *m_stakes; }
    const StakesController& stakes() const { return *m_stakes; }
    RatingsController& ratings() { return *m_ratings; }
    const RatingsController& ratings() const { return *m_ratings; }
    // The regular table stakes and the visibility of their page.
    TablesController& tables() { return *m_tables; }
    const TablesController& tables() const { return *m_tables; }
    ScriptController& script() { return *m_script; }
    const ScriptController& script() const { return *m_script; }
    // The page "Системы": the list of systems, the local folder and the system games.
    SystemsController& systems() { return *m_systems; }
    // The web client, its proxy, the draw download and the CSV exchange of draws.
    WebController& web() { return *m_web; }
    // The spreadsheet export of every list and grid.
    ExportController& exportCtl() { return *m_export; }
    // The self-update: the switch "AutoUpdates", the check and the installation.
    UpdateController& update() { return *m_update; }
    std::int64_t totalCombs() const { return m_totalCombs; }
    const PrizeClass& prizeClass(int matched) const { return m_prizeClasses[matched]; }

    // ---- the draw archive
    const core::TDrawsArray& draws() const { return m_draws; }
    int drawsOffset() const { return m_drawsOffset; }
    void setDrawsOffset(int k);
    const std::bitset<256>& nextDrawSet() const { return m_nextDrawSet; }

    // False when the file exists but could not be read whole (the error was shown).
    bool drawsLoad();
    bool drawsSave();
    void drawsClear();
    // Throws core::EConvertError for an index outside the archive.
    void drawsDelete(int index);
    void drawsRefresh(bool force);
    int nextDrawNum(int k) const;
    QString nextDrawText(int k) const;
    std::int32_t drawDateYmd(int k, int days) const;
    core::TComb drawCombAt(int k) const;
    int findDrawIndex(int num) const;

    // The user commands of the draw list; rows are list rows (0 = newest).
    bool drawsAdd();
    bool drawsEdit(int row);
    bool drawsDeleteRows(QList<int> rows);
    void drawsToggleSorted();
    // Appends a confirmed record, saves and recalculates: the end of an add. False when the
    // archive could not be saved (the record stays in memory).
    bool drawsAppend(const core::TDrawRec& rec);
    // The same for several records at once, in the order given: one save, one recalculation.
    bool drawsAppend(const core::TDrawsArray& recs);
    bool drawsReplace(int index, const core::TDrawRec& rec);

    // Recalculates every view after a change of the archive or the offset, unless a script
    // run holds the views back.
    void recalcViews(bool force);
    bool batchMode() const { return m_batchMode; }
    // The pages of graphs, card, layout and week, and the windows of repeats and details.
    ViewsController& views() { return *m_views; }
    void setBatchMode(bool on) { m_batchMode = on; }

    // ---- status bar panels 0..6
    QString statusPanel(int panel) const;

    // ---- settings
    const WindowStateData& windowState() const { return m_state; }
    const core::TConfigData& config() const { return m_statList.config(); }
    const core::TShreddingData& shredding() const { return m_statList.shredding(); }
    const core::TGenSettings& genSettings() const { return m_genSettings; }
    void setColorDraws(bool on);
    void setColorCombs(bool on);
    void setDrawsExclude(int count);
    bool editConfig();
    bool editShredding();
    // Stores one switch of the main window's section at once; shows the error when that fails.
    void storeStateBool(const QString& key, bool value);
    void storeStateInt(const QString& key, int value);

    // ---- the statistics list: methods, favourites, user names
    const stats::TStatList& statList() const { return m_statList; }
    stats::TStatList& statList() { return m_statList; }
    // The interface language's three-letter code, which names the section of user names.
    void setLanguageCode(const QString& code) { m_statList.setLanguageCode(code); }
    // Stores the names file, rebuilds the method list from the current settings and reads the
    // names back: after a change of settings, favourites or names. Selectors refill on
    // statMethodsChanged, keeping their positions when keep is set and starting again at their
    // first entry otherwise. When the names file cannot be written, the favourites, names and
    // options in memory survive the rebuild.
    void statListReload(bool keep = true);
    // The filters manager: the person edits a copy of the list; on OK the copy's favourites,
    // names and options are taken over. False when cancelled.
    bool filtersManager();
    // Takes over the favourites, user names and display options of an edited copy of the list
    // (entries matched by code), stores them, rebuilds the list and recalculates every view.
    void applyFavorites(const stats::TStatList& edited);
    // Makes every method a favourite again after asking. False when the person said No.
    bool filtersReset();
    // The help file beside the program whose folder holds the methods' description pages.
    QString helpFile() const;
    // Reads the configuration and builds the method list with the names file, for tools that
    // work on the statistics without the full start-up.
    void prepareStatistics();

    // ---- the combination list (candidates), its undo copy and the filter history
    const core::TCombsArray& combs() const { return m_combs; }
    std::size_t undoCount() const { return m_undo.size(); }
    const std::vector<combos::FilterHistoryRow>& filterHistory() const { return m_history; }
    // Replaces the list by a generation; withStatus also clears the history and the undo copy
    // and refreshes the view. False when generation failed (the error was shown).
    bool combsGenerate(const core::TGenSettings& settings, bool withStatus);
    void combsSaveUndo(bool withStatus);
    void combsRestoreUndo(bool withStatus);
    void combsDropUndo() { m_undo.clear(); }
    void combsRefresh();
    bool combsContains(const core::TComb& comb) const;
    // The narrowing passes rebuild the list from the undo copy: save it right before.
    // ascendingSource: the list being narrowed is known to be strictly ascending, as a generated
    // one is, so the drawn combinations are looked up rather than every one tested.
    void combsExcludeDraws(int n, bool ascendingSource = false);
    void combsDeleteSelected(const std::vector<bool>& selected);
    void combsFilterByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values, const QString& valuesText,
                             const QString& name, bool exclude);
    // Saves the undo copy and filters by values in one step, as combsSaveUndo followed by
    // combsFilterByValues would, without copying the list: the list itself becomes the undo
    // copy and the narrowed list is written into the storage the old undo copy held.
    void combsNarrowByValues(stats::TCustomStat& stat, const core::TStatDrawArray& values, const QString& valuesText,
                             const QString& name, bool exclude);
    // Throws core::EConvertError when numbers is empty.
    void combsFilterByNumbers(const std::vector<int>& numbers, const QStringList& texts, const QString& name,
                              bool exclude);
    void filterHistoryAdd(bool removed, const QString& name, const QString& values);
    void filterHistoryAddUndo();
    void filterHistoryClear();
    void filterHistoryDropLast();
    // The combination cache of script lines that exclude recent draws.
    bool combsBufferSave(int offset, int n);
    bool combsBufferLoad(int offset, int n);
    void combsBufferReset();
    QString combsBufferFile() const;

    // The user commands of the combination page.
    bool combsGen();
    bool combsUndo();
    bool combsDelExists(int n);
    bool combsDelSelected(const std::vector<bool>& selected);
    void combsCheckNums();
    void combsFindInDraws(int row);
    bool combsOpen();
    bool combsSave();
    void combsCopy(const std::vector<std::size_t>& rows);
    bool combsPaste();
    // Mode 4 of generation and the open command: the file's combinations replace the list.
    bool combsLoadFile(const QString& path);
    bool combsSaveFile(const QString& path);
    // The hand-over of the statistics table: the rows' records narrow the list by the method.
    void statFilter(int method, const core::TStatDrawArray& values, const QStringList& valueTexts, const QString& name,
                    bool exclude);

    // ---- the statistics table and the full-set files
    const views::StatTable& statTable() const { return m_statTable; }
    const views::StatChart& statChart() const { return m_statChart; }
    // The method the table was computed for (-1: none).
    int statMethod() const { return m_statMethod; }
    // The number of draws the table was last asked for (-1: never).
    int statWindow() const { return int(m_statCache[2]); }
    // Computes the table of a method (an index of the method list; -1 clears the table) over
    // the window of the newest draws before the analysis point. Without force nothing happens
    // when the archive length, the offset, the window and the method are those of the last
    // calculation. True when the table was computed anew.
    bool statCalc(int method, int window, bool force);
    views::StatTableParams statParams(int window) const;
    QString fullSetPath(int method) const;
    // The full-set counts of a method when the comparison is on and the method has them: read
    // from its file, which is built first when it is missing or empty. False when there is no
    // comparison (the reason was shown when it is an error).
    bool prefetchOpen(int method, views::FullSetCounts& counts);
    bool prefetchBuild(int method, views::FullSetCounts* counts = nullptr);
    // Builds the files of every method that has one and whose file is missing or whose category
    // is in the set (bit c = category c); only when forced or when the comparison is on.
    void prefetchRebuildAll(bool force, std::uint16_t categories);
    void setPrefetchsEnabled(bool on);
    // Turns the comparison on or off for this run without storing it (the tool's --compare).
    void setPrefetchsEnabledForRun(bool on) { m_state.PrefetchsEnabled = on; }
    void setShowTotalLine(bool on);

    // ---- filter conditions of script lines (SessionFilters.cpp)
    // Applies one concrete filter to the combination list: computes the table of its method over
    // its number of draws before the analysis point, orders it by its column (descending), walks
    // it from the top or the bottom and narrows the list once for all selected rows or once per
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
    void combsReplace(const core::TCombsArray& combs);
    // Puts back a list and its history as a run had them before: nothing to undo.
    void combsRestoreState(const core::TCombsArray& combs, const std::vector<combos::FilterHistoryRow>& history);
    void combsRestoreState(core::TCombsArray&& combs, std::vector<combos::FilterHistoryRow>&& history);
    // The filter dialog on an item, which is replaced by the edited one; false when cancelled.
    bool filterDialog(combos::TFilterItem& item);
    // ---- end of the filter conditions

    // ---- run flags
    bool scriptRunning() const;
    bool stopRequested() const;
    // Closing is allowed when no script runs or a stop was requested.
    bool canClose();

signals:
    // The list must show the archive again: its size, the offset row, the next-draw marks.
    void drawsChanged(bool force);
    void statusPanelsChanged();
    void drawsOffsetChanged(int k);
    // Every view recalculates for the current analysis point.
    void viewsRecalculated(bool force);
    void configChanged();
    // The method list was rebuilt; every statistics selector refills, keeping its position when
    // keep is set, else starting again at its first entry.
    void statMethodsChanged(bool keep);
    // The combination list changed: its length, its rows or both; the selection is gone.
    void combsChanged();
    // The statistics table or its chart changed.
    void statTableChanged();
    // The comparison or the total line was switched; the table is computed anew.
    void statOptionsChanged();
    // Only the look of the combination list changed (its colours); rows and selection stay.
    void combsLookChanged();
    void filterHistoryChanged();
    void busyChanged(bool busy);
    void statusTextChanged(const QString& text);

private:
    struct FilterTable;
    std::optional<FilterTable> filterTable(const combos::TFilterPart& part, combos::FilterRunHooks& hooks);

    void readWindowState();
    void loadConfiguration();
    void statListLoadNames();

    UserIo& m_io;
    core::DataFolder m_folder;
    QStringList m_arguments;

    int m_busy = 0;
    QString m_statusText;

    core::TDrawsArray m_draws;
    int m_drawsOffset = 0;
    std::bitset<256> m_nextDrawSet;
    int m_archiveSizeShown = -1;
    // The archive on disk could not be read whole; it is kept aside before it is overwritten.
    bool m_drawsFileDamaged = false;

    WindowStateData m_state;
    // Holds the configuration and the shredding formulas that the statistics read.
    stats::TStatList m_statList;
    core::TGenSettings m_genSettings;

    std::int64_t m_totalCombs = 0;
    PrizeClass m_prizeClasses[core::CombSize + 1];
    ExclusiveFile m_hold;
    std::unique_ptr<RatingsController> m_ratings;
    std::unique_ptr<StakesController> m_stakes;
    std::unique_ptr<TablesController> m_tables;
    std::unique_ptr<ScriptController> m_script;

    core::TCombsArray m_combs;
    core::TCombsArray m_undo;          // size = the undo count
    core::TCombsArray m_filterScratch; // the second core's part of a filter pass, kept for reuse
    std::vector<combos::FilterHistoryRow> m_history;
    std::pair<int, int> m_bufferKey{-1, -1};

    views::StatTable m_statTable;
    views::StatChart m_statChart;
    int m_statMethod = -1;
    std::array<std::int64_t, 4> m_statCache{-1, -1, -1, -1};

    bool m_batchMode = false;

    std::unique_ptr<ViewsController> m_views;
    std::unique_ptr<WebController> m_web;
    std::unique_ptr<ExportController> m_export;
    std::unique_ptr<SystemsController> m_systems;
    std::unique_ptr<UpdateController> m_update;
};

// Enters the busy state for one scope and always leaves it, clearing the status text.
class BusyScope
{
public:
    BusyScope(Session& session, const QString& status);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    Session& m_session;
};

// The counted progress of UserIo (progressBegin .. progressEnd) for one scope: it ends however
// the scope is left, so a failed operation never leaves its progress on the screen.
class ProgressScope
{
public:
    ProgressScope(UserIo& io, const QString& text, int total);
    ~ProgressScope();
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;

    void step(int done) { m_io.progressStep(done); }

private:
    UserIo& m_io;
};

} // namespace app
