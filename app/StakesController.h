#pragma once

// The controller of the stakes: the stakes file held open for the run, its switches, the
// user's stake commands, the check against the archive with its logs, and the stake graphs.
// The file logic lives in stakes/; this adds busy state, status texts and the person's door.

#include "stakes/StakesCheck.h"
#include "stakes/StakesFile.h"

#include <QElapsedTimer>
#include <QObject>

#include <algorithm>
#include <functional>
#include <optional>

namespace core {
class IniFile;
}

namespace app {

class ArchiveController;
class CandidatesController;
class RatingsController;
class Services;
class StatisticsController;

class StakesController : public QObject
{
    Q_OBJECT

public:
    StakesController(Services& services, RatingsController& ratings, const ArchiveController& archive,
                     const CandidatesController& candidates, const StatisticsController& statistics);
    ~StakesController() override;

    stakes::StakesFile& file() { return m_file; }

    // ---- switches of the window-state file, stored at once when changed
    void readState(const core::IniFile& ini);
    bool logEnabled() const { return m_logEnabled; }
    bool scrollEnabled() const { return m_scrollEnabled; }
    bool checkOnLine() const { return m_checkOnLine; }
    void setLogEnabled(bool on);
    void setScrollEnabled(bool on);
    void setCheckOnLine(bool on);

    // ---- the file
    // Start-up: opens the file, copies an outdated or torn one aside before it is mended, and
    // shows the grid. False when the file cannot be opened.
    bool load();
    // What a reader shows for an outdated file that it leaves as it is: the warning the start-up
    // gives, naming where the copy will be kept when the file is emptied.
    static QString outdatedListingWarning(const stakes::StakesFile& file);
    // Shutdown: the records are on disk already; the file is closed.
    void save();
    bool open();
    void close();
    bool reopen();
    bool isOpen() const { return m_file.isOpen(); }
    bool hasData() const { return m_file.hasData(); }
    qint64 count() const { return m_file.count(); }
    // A record as the grid shows it: errors are shown and give a blank record.
    stakes::TStakeRec read(qint64 index, bool fromEnd);
    // The same without a message, for painting: an unreadable record is a blank row.
    stakes::TStakeRec peek(qint64 index);
    bool write(const stakes::TStakeRec& rec, qint64 index, bool fromEnd);
    bool find(std::int32_t drawNum, const core::TValueSet& numbers);
    // Appends the stake, or once per draw with a separator before each when copies >= 2.
    bool append(const stakes::TStakeRec& rec, int copies);
    // A single stake made by the person: appended, checked and shown.
    bool create(const stakes::TStakeRec& rec, int copies);
    // One stake of a batch: appended and shown as the scroll switch says; checked by the caller.
    bool createInBatch(const stakes::TStakeRec& rec, int copies, bool bulk);
    // Writes the gathered stakes; false (shown) when they could not be stored.
    bool flush();
    // Grid rows top..bottom show records top-1..bottom-1.
    bool deleteRows(qint64 top, qint64 bottom);
    // Removes every stake (separators stay) whose matches satisfy op 0..4 against value; an
    // unchecked stake counts as -1 matches.
    bool deleteWhere(int op, int value);
    // Brings the grid in step with the file.
    void refresh(bool repaint, bool scrollToEnd);
    // The grid's rows: one per record, at least one (a blank row for an empty file).
    qint64 gridRows() const { return std::max<qint64>(1, m_gridRecords); }
    QString panelText() const;

    // ---- for the script engine
    void scriptStakesBegin();
    void clearForRun();
    // sampleSize is the size of the list the stake was taken from.
    bool scriptStakeAdd(const core::TValueSet& numbers, const QString& comment, bool newOnly, bool bulk,
                        std::size_t sampleSize);
    // Where script stakes report: the run's log (off when empty) and its stake counter.
    void setScriptLog(std::function<void(const QString&)> log) { m_scriptLog = std::move(log); }
    // The run's counter and its failure flag start again.
    void resetRunCounter();
    // The stakes of the run that are stored: those a failed write dropped do not count.
    int runStakes() const { return m_runStakes - int(m_file.droppedStakes() - m_runDroppedBase); }
    // Reading or storing the stakes or their rating failed since the counter was reset.
    bool failed() const { return m_failed; }

    // ---- checking
    bool check();
    bool checkAndSave();
    // How many stakes the last check marked.
    int lastChecked() const { return m_lastChecked; }
    bool seekRecentDraws(int limit, stakes::RecentDraws& result);
    // Finishes what a check that was interrupted left in its journal, or moves a damaged journal
    // aside with a warning. False (shown) when a sound journal could not be carried out.
    bool finishInterruptedCheck();

    // ---- the person's commands; rows of the combination list
    bool stakeAdd(int combRow);
    bool stakeAddRandom();
    // False when the dialog was cancelled.
    bool stakeAddSelected(const std::vector<std::size_t>& rows);
    bool stakeAddAll();
    // Adds every combination of a list as StakeAddAll does, with the dialog's three values given.
    bool addAll(const core::TCombsArray& combs, std::int32_t drawNum, int copies, const QString& comment);
    bool stakeDel(qint64 top, qint64 bottom);
    bool stakeFilter();
    // The delete-by-condition command with the dialog's answer given.
    bool stakeFilterWith(int op, int value);
    bool stakeClear();
    bool checkManual();
    void logsDelete();
    void graphDraws();
    void graphOverlap(const QStringList& captions);
    void graphProfits(const QStringList& captions);
    // The comment of a stake the person makes, and what a new stake looks like now.
    static QString manualComment();
    stakes::TStakeRec newStake(std::uint8_t kind, std::int32_t drawNum, const core::TValueSet& numbers,
                               const QString& comment) const;

signals:
    // The grid must show records rows; repaint and scrollToEnd as the caller asked.
    void refreshed(qint64 rows, bool repaint, bool scrollToEnd);
    void switchesChanged();
    // The run's stake counter for panel 3 of the script status bar.
    void runStakesCounted(int count);

private:
    static QString outdatedWarning(const QString& copyText);
    bool deleteWith(const std::function<bool(qint64, const stakes::TStakeRec&)>& keep);
    void writeLog(const stakes::TStakeRec& rec);
    void showGraph(const std::function<std::optional<core::GraphData>(QString*)>& build);
    void graphByComment(const QStringList& captions, stakes::StakeGraphValue value, const QString& title);
    // Lets the window breathe during a long batch, about ten times a second; true when it did.
    bool keepAlive(const QString& status);
    void showFileError(const QString& operation, const QString& error);

    Services& m_services;
    const ArchiveController& m_archive;
    const CandidatesController& m_candidates;
    const StatisticsController& m_statistics;
    RatingsController& m_ratings;
    stakes::StakesFile m_file;
    bool m_logEnabled = false;
    bool m_scrollEnabled = true;
    bool m_checkOnLine = true;
    qint64 m_gridRecords = 0; // records the grid shows
    qint64 m_panelCount = 0;
    std::function<void(const QString&)> m_scriptLog;
    int m_runStakes = 0;
    qint64 m_runDroppedBase = 0;
    bool m_failed = false;
    int m_lastChecked = 0;
    // The status of batches, translated once: it is asked for with every stake.
    QString m_creatingText;
    // The record of the script stakes last made, and their comment.
    stakes::TStakeRec m_scriptTemplate;
    QString m_scriptComment;
    QElapsedTimer m_counterShown;
    QElapsedTimer m_aliveShown;
    unsigned m_aliveTicks = 0;
    unsigned m_counterTicks = 0;
};

} // namespace app
